// bench_camera_list: zentara's camera list reloading itself after a driver event, with a world
// of GigE cameras on this machine's adapter (each resolves the adapter's name).
#include "sdk/sim/vyro_sim.h"
#include "zentara/inventory/cameralistmodel.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using zentara::CameraListModel;

namespace {

void BM_ListRefresh(benchmark::State &state)
{
    static QTemporaryDir dir;
    qputenv("VYRO_SIM_HOME", dir.path().toLocal8Bit());
    vysim_log_enable(0);
    const int n = int(state.range(0));
    QJsonArray list;
    for (int i = 0; i < n; ++i)
        list.append(QJsonObject{{"deviceId", 1000 + i},
                                {"serialNumber", QString::number(5000 + i)},
                                {"adapterMac", "auto"}});
    const QByteArray json = QJsonDocument(QJsonObject{{"devices", list}}).toJson();
    vysim_load_world_json(json.constData(), nullptr, 0);
    CameraListModel model;
    for (auto _ : state)
        model.onCameraListChanged();
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ListRefresh)->Arg(12)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// bench_sim_idle: what the simulator costs a program at rest, by the number of cameras in the
// world. Nothing calls the SDK while it is measured; the simulator's own thread keeps watching
// the shared world and the other programs' open cameras. "cpu_percent" is the process's CPU
// time over the wall time; "ratio" compares it with the world of one camera (run first).
#include "sdk/sim/vyro_sim.h"

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <chrono>
#include <thread>

#include <time.h>

namespace {

double processCpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void BM_IdleCpu(benchmark::State &state)
{
    static QTemporaryDir dir;
    static double oneCamera = 0;
    qputenv("VYRO_SIM_HOME", dir.path().toLocal8Bit());
    vysim_log_enable(0);
    const int n = int(state.range(0));
    QJsonArray list;
    for (int i = 0; i < n; ++i)
        list.append(QJsonObject{{"deviceId", i + 1}, {"serialNumber", QString::number(4000 + i)}});
    const QByteArray json = QJsonDocument(QJsonObject{{"devices", list}}).toJson();
    vysim_load_world_json(json.constData(), nullptr, 0);
    // The change itself is taken in first; what follows is rest.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpu0 = processCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        cpu += processCpuSeconds() - cpu0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    }
    const double percent = 100.0 * cpu / wall;
    if (n == 1)
        oneCamera = percent;
    state.counters["cpu_percent"] = percent;
    if (oneCamera > 0)
        state.counters["ratio"] = percent / oneCamera;
}
BENCHMARK(BM_IdleCpu)
    ->Arg(1)
    ->Arg(12)
    ->Arg(100)
    ->Arg(500)
    ->Iterations(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

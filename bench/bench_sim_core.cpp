// bench_sim_core: the simulator's everyday calls: the camera list served from memory, an event
// handed from one thread to another, and a change of the shared world.
#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// A private state directory and a world of n devices, with the call log off.
void setUp(int devices)
{
    static QTemporaryDir dir;
    qputenv("VYRO_SIM_HOME", dir.path().toLocal8Bit());
    vysim_log_enable(0);
    QJsonArray list;
    for (int i = 0; i < devices; ++i)
        list.append(QJsonObject{{"deviceId", i + 1}, {"serialNumber", QString::number(4000 + i)}});
    const QByteArray json = QJsonDocument(QJsonObject{{"devices", list}}).toJson();
    vysim_load_world_json(json.constData(), nullptr, 0);
}

void BM_CameraList(benchmark::State &state)
{
    const int n = int(state.range(0));
    setUp(n);
    std::vector<unsigned char> buffer(VY_CAMERA_LIST_SIZE(n));
    auto *list = reinterpret_cast<VY_CAMERA_LIST *>(buffer.data());
    for (auto _ : state) {
        int32_t count = 0;
        vy_GetNumberOfCameras(&count);
        list->count = uint32_t(count);
        benchmark::DoNotOptimize(vy_GetCameraList(list));
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CameraList)->Arg(19)->Arg(200);

void BM_DeviceInfo(benchmark::State &state)
{
    setUp(19);
    VY_DEVICE_INFO info;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vy_DeviceInfo(7 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info));
}
BENCHMARK(BM_DeviceInfo);

// One thread signals, another waits: the round trip of a frame or exit event.
void BM_EventRoundTrip(benchmark::State &state)
{
    setUp(1);
    uint32_t ping = 10001, pong = 10002;
    for (uint32_t id : {ping, pong}) {
        VY_EVENT_INIT init = {id, 0, 0};
        vy_Event(0, VY_EVENT_CMD_INIT, &init, sizeof init);
        vy_Event(0, VY_EVENT_CMD_ENABLE, &id, sizeof id);
    }
    std::atomic<bool> stop{false};
    std::thread echo([&] {
        while (!stop) {
            VY_EVENT_WAIT wait = {&ping, 1, 0, 100, 0, 0};
            if (vy_Event(0, VY_EVENT_CMD_WAIT, &wait, sizeof wait) == VY_SUCCESS)
                vy_Event(0, VY_EVENT_CMD_SET, &pong, sizeof pong);
        }
    });
    for (auto _ : state) {
        vy_Event(0, VY_EVENT_CMD_SET, &ping, sizeof ping);
        VY_EVENT_WAIT wait = {&pong, 1, 0, 1000, 0, 0};
        benchmark::DoNotOptimize(vy_Event(0, VY_EVENT_CMD_WAIT, &wait, sizeof wait));
    }
    stop = true;
    echo.join();
    for (uint32_t id : {ping, pong})
        vy_Event(0, VY_EVENT_CMD_EXIT, &id, sizeof id);
}
BENCHMARK(BM_EventRoundTrip)->UseRealTime();

// A plug and an unplug: each rewrites the shared state file and raises driver events.
void BM_PlugUnplug(benchmark::State &state)
{
    setUp(int(state.range(0)));
    for (auto _ : state) {
        vysim_plug(R"({"deviceId": 30000})", nullptr, 0);
        vysim_unplug(30000);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_PlugUnplug)->Arg(19)->Arg(200)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

// bench_sim_sensor: the cost of one simulated sensor frame (what live capture spends per frame)
// beside a plain copy of the same bytes.
#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A private simulator state, so that the benchmark never touches the user's own.
void useOwnState()
{
    static std::string dir = [] {
        char name[] = "/tmp/bench_sim_sensorXXXXXX";
        const char *made = mkdtemp(name);
        return std::string(made ? made : "/tmp");
    }();
    setenv("VYRO_SIM_HOME", dir.c_str(), 1);
    unsetenv("VYRO_SIM_WORLD");
    vysim_reset(nullptr, 0);
}

// Devices of the default world: 1280 x 1024 mono, 2592 x 1944 Bayer, 5472 x 3648 mono.
const uint32_t devices[] = {1, 2, 8};

void frameSize(uint32_t device, int32_t *width, int32_t *height)
{
    VY_SENSORINFO info;
    std::memset(&info, 0, sizeof info);
    vy_GetSensorInfo(VY_HCAM(device | VY_UNOPENED), &info);
    *width = int32_t(info.maxWidth);
    *height = int32_t(info.maxHeight);
}

void BM_SensorFrame(benchmark::State &state)
{
    useOwnState();
    const uint32_t device = devices[state.range(0)];
    int32_t w = 0, h = 0;
    frameSize(device, &w, &h);
    std::vector<uint8_t> frame(size_t(w) * size_t(h));
    uint32_t k = 0;
    for (auto _ : state) {
        vysim_sensor_frame(device, k++, frame.data(), uint32_t(frame.size()));
        benchmark::DoNotOptimize(frame.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(frame.size()));
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h));
}

// The memory-bound limit: copying the frame's bytes once.
void BM_CopyReference(benchmark::State &state)
{
    useOwnState();
    int32_t w = 0, h = 0;
    frameSize(devices[state.range(0)], &w, &h);
    std::vector<uint8_t> src(size_t(w) * size_t(h), 12), dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(src.size()));
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h));
}

} // namespace

BENCHMARK(BM_SensorFrame)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyReference)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

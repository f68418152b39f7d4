// Hot pixel detection of ten 8-bit frames and the per-frame light guard, each beside a reference
// pass that reads the same bytes once (the memory-bound limit); the "ratio" counter compares.
// The reference reads eight bytes at a time; "floor_ratio" compares with a pass the compiler
// vectorises, which is what a read-once pass costs on this machine.
#include "dapplix/detection/detectionrun.h"
#include "dapplix/detection/hotpixeldetector.h"
#include "sdk/vyro_api.h"

#include <QImage>
#include <QVector>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <ctime>

namespace {

// Thread CPU time: the ratio should not depend on what else the machine runs.
struct Clock
{
    using time_point = double;
    static double now()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
    }
};

// Dark frames: a black level of 12 with noise, and one hot pixel in about 20000.
QVector<QImage> darkFrames(int width, int height, int count)
{
    QVector<QImage> frames;
    quint64 seed = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < count; ++i) {
        QImage f(width, height, QImage::Format_Indexed8);
        for (int y = 0; y < height; ++y) {
            uchar *row = f.scanLine(y);
            for (int x = 0; x < width; x += 8) {
                seed = seed * 6364136223846793005ull + 1442695040888963407ull;
                quint64 noise = seed >> 8;
                for (int k = 0; k < 8 && x + k < width; ++k, noise >>= 3)
                    row[x + k] = uchar(9 + (noise & 7));
            }
        }
        for (int k = 0; k < width * height / 20000; ++k)
            f.scanLine((k * 7919) % height)[(k * 104729) % width] = 200;
        frames.append(f);
    }
    return frames;
}

// Reads every byte of the frames once, eight at a time.
quint64 referencePass(const QVector<QImage> &frames)
{
    quint64 sum = 0;
    for (const QImage &f : frames) {
        const size_t words = size_t(f.sizeInBytes()) / 8;
        const uchar *bits = f.constBits();
        for (size_t i = 0; i < words; ++i) {
            quint64 w;
            std::memcpy(&w, bits + 8 * i, 8);
            sum += w;
        }
    }
    return sum;
}

// Reads every byte of the frames once, summing them into 16-bit lanes the compiler vectorises;
// the lanes are emptied before 257 bytes could overflow them.
quint64 vectorPass(const QVector<QImage> &frames)
{
    constexpr size_t lanes = 64;
    constexpr size_t rowsPerFlush = 256;
    quint64 sum = 0;
    for (const QImage &f : frames) {
        const uchar *bits = f.constBits();
        const size_t bytes = size_t(f.sizeInBytes());
        size_t i = 0;
        while (i + lanes <= bytes) {
            quint16 acc[lanes] = {};
            const size_t rows = std::min(rowsPerFlush, (bytes - i) / lanes);
            for (size_t r = 0; r < rows; ++r, i += lanes)
                for (size_t k = 0; k < lanes; ++k)
                    acc[k] = quint16(acc[k] + bits[i + k]);
            for (quint16 a : acc)
                sum += a;
        }
        for (; i < bytes; ++i)
            sum += bits[i];
    }
    return sum;
}

double seconds(double a, double b)
{
    return b - a;
}

void BM_Detection(benchmark::State &state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const int mode = state.range(2) ? VY_CM_BAYER_RG8 : VY_CM_MONO8;
    const QVector<QImage> frames = darkFrames(width, height, 10);
    double detection = 0, reference = 0, floor = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            HotpixelDetector detector(20);
            detector.setImages(mode, &frames);
            benchmark::DoNotOptimize(detector.detectHotpixels().size());
        }
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(referencePass(frames));
        const auto t2 = Clock::now();
        benchmark::DoNotOptimize(vectorPass(frames));
        const auto t3 = Clock::now();
        detection += seconds(t0, t1);
        reference += seconds(t1, t2);
        floor += seconds(t2, t3);
        state.SetIterationTime(seconds(t0, t1));
    }
    const double n = double(state.iterations());
    state.counters["reference_ms"] = reference / n * 1000.0;
    state.counters["ratio"] = detection / reference;
    state.counters["floor_ms"] = floor / n * 1000.0;
    state.counters["floor_ratio"] = detection / floor;
    state.SetBytesProcessed(int64_t(state.iterations()) * 10 * width * height);
}

void BM_LightGuard(benchmark::State &state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const QVector<QImage> frames = darkFrames(width, height, 1);
    double guard = 0, reference = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(DetectionRun::countBrightBytes(frames[0]));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(referencePass(frames));
        const auto t2 = Clock::now();
        guard += seconds(t0, t1);
        reference += seconds(t1, t2);
        state.SetIterationTime(seconds(t0, t1));
    }
    const double n = double(state.iterations());
    state.counters["reference_ms"] = reference / n * 1000.0;
    state.counters["ratio"] = guard / reference;
    state.SetBytesProcessed(int64_t(state.iterations()) * width * height);
}

void sizes(benchmark::internal::Benchmark *b, bool withMode)
{
    for (const auto &s : {std::pair<int, int>{1280, 1024}, {2592, 1944}, {5472, 3648}}) {
        if (withMode) {
            b->Args({s.first, s.second, 0});
            b->Args({s.first, s.second, 1});
        } else {
            b->Args({s.first, s.second});
        }
    }
}

} // namespace

BENCHMARK(BM_Detection)
    ->Apply([](benchmark::internal::Benchmark *b) { sizes(b, true); })
    ->ArgNames({"width", "height", "bayer"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LightGuard)
    ->Apply([](benchmark::internal::Benchmark *b) { sizes(b, false); })
    ->ArgNames({"width", "height"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

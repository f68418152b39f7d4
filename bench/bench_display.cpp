// bench_display: GUI-thread time per shown frame of the live display (frame taken, visible part
// converted, marked and painted) at 1.3, 5 and 20 MP and three zooms with 1,000 list entries
// highlighted, beside a reference that only copies the displayed pixels once and a floor that crops
// the displayed number of 8-bit pixels and converts them (what any display of a new 8-bit frame
// must do at least); the straightforward
// whole-image path and the magnifier for comparison; and live capture from the simulator.
#include "dapplix/camera/camera.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/ui/displaywidget.h"
#include "dapplix/ui/magnifier.h"
#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

using dapplix::Camera;

namespace {

double threadSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// A private simulator state, so that the benchmark never touches the user's own.
void useOwnState()
{
    static std::string dir = [] {
        char name[] = "/tmp/bench_displayXXXXXX";
        const char *made = mkdtemp(name);
        return std::string(made ? made : "/tmp");
    }();
    setenv("VYRO_SIM_HOME", dir.c_str(), 1);
    unsetenv("VYRO_SIM_WORLD");
}

const QSize sizes[] = {{1280, 1024}, {2592, 1944}, {5472, 3648}};
const double scales[] = {1.0, 0.0, 0.25};
const char *const scaleNames[] = {"1:1", "to fit", "1:4"};
// The central area of a window on a 1680 x 1050 screen.
const QSize displaySize(1280, 800);

QVector<QRgb> greyTable()
{
    QVector<QRgb> grey;
    for (int i = 0; i < 256; ++i)
        grey.append(qRgb(i, i, i));
    return grey;
}

// A dark frame as the camera delivers it: 8-bit, rows packed at the width.
std::vector<uchar> darkFrame(const QSize &size)
{
    std::vector<uchar> bytes(size_t(size.width()) * size_t(size.height()));
    quint64 seed = 0x9E3779B97F4A7C15ull;
    for (uchar &b : bytes) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        b = uchar(9 + ((seed >> 40) & 7));
    }
    return bytes;
}

QImage wrap(std::vector<uchar> &bytes, const QSize &size, const QVector<QRgb> &table)
{
    QImage image(bytes.data(), size.width(), size.height(), size.width(), QImage::Format_Indexed8);
    image.setColorTable(table);
    return image;
}

void fillList(BadpixelListModel &list, const QSize &size)
{
    for (int i = 0; i < 1000; ++i)
        list.addBadpixel(
            QPoint(int((i * 7919ll) % size.width()), int((i * 104729ll) % size.height())));
}

struct Display
{
    explicit Display(const QSize &frame, double scale)
    {
        fillList(list, frame);
        display.resize(displaySize);
        display.setModel(&list);
        display.setSelectionModel(&selection);
        selection.select(list.index(500, 0),
                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        display.setHighlight(true);
        display.setScale(scale);
        display.updateMagnifierPosition(QPoint(frame.width() / 4, frame.height() / 4));
        display.show();
        QApplication::processEvents();
    }
    BadpixelListModel list;
    QItemSelectionModel selection{&list};
    DisplayWidget display;
};

// The visible part of the label.
QSize displayed(DisplayWidget &display)
{
    return display.imageLabel()->size().boundedTo(display.viewport()->size());
}

// Copies the displayed pixels once, 32 bits each: the least any display path must do.
void copyDisplayed(const QImage &source32, QImage &target)
{
    const size_t rowBytes = size_t(target.width()) * 4;
    for (int y = 0; y < target.height(); ++y)
        std::memcpy(target.scanLine(y), source32.constScanLine(y), rowBytes);
}

// Crops as many 8-bit pixels as are displayed out of the frame, then converts them to 32 bits.
QImage cropThenConvert(const QImage &frame8, const QSize &shown)
{
    const QRect part(QPoint(frame8.width() / 4, frame8.height() / 4),
                     shown.boundedTo(frame8.size() * 3 / 4));
    return frame8.copy(part).convertToFormat(QImage::Format_RGB32);
}

void BM_Display(benchmark::State &state)
{
    const QSize size = sizes[state.range(0)];
    const double scale = scales[state.range(1)];
    const QVector<QRgb> table = greyTable();
    std::vector<uchar> bytes = darkFrame(size);
    Display d(size, scale);
    d.display.setImage(wrap(bytes, size, table));
    QApplication::processEvents();
    const QImage source32 = wrap(bytes, size, table).convertToFormat(QImage::Format_RGB32);
    QImage target(displayed(d.display), QImage::Format_RGB32);

    const QImage frame8 = wrap(bytes, size, table);
    double shown = 0, reference = 0, takeFrame = 0, floor = 0;
    for (auto _ : state) {
        const double t0 = threadSeconds();
        // What a frame costs the GUI thread: the display takes it, then the window paints.
        d.display.setImage(wrap(bytes, size, table));
        const double tm = threadSeconds();
        d.display.viewport()->repaint();
        const double t1 = threadSeconds();
        takeFrame += tm - t0;
        copyDisplayed(source32, target);
        benchmark::DoNotOptimize(target.constBits());
        const double t2 = threadSeconds();
        benchmark::DoNotOptimize(cropThenConvert(frame8, target.size()).constBits());
        const double t3 = threadSeconds();
        shown += t1 - t0;
        reference += t2 - t1;
        floor += t3 - t2;
        state.SetIterationTime(t1 - t0);
    }
    const double n = double(state.iterations());
    state.counters["reference_ms"] = reference / n * 1000.0;
    state.counters["ratio"] = shown / reference;
    state.counters["floor_ms"] = floor / n * 1000.0;
    state.counters["floor_ratio"] = shown / floor;
    state.counters["take_frame_ms"] = takeFrame / n * 1000.0;
    state.SetLabel(QStringLiteral("%1x%2 %3, shows %4x%5")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(QLatin1String(scaleNames[state.range(1)]))
                       .arg(target.width())
                       .arg(target.height())
                       .toStdString());
}

// The same frame the straightforward way: the whole image converted, marked, scaled and shown.
void BM_DisplayWholeImage(benchmark::State &state)
{
    const QSize size = sizes[state.range(0)];
    const double scale = scales[state.range(1)];
    const QVector<QRgb> table = greyTable();
    std::vector<uchar> bytes = darkFrame(size);
    Display d(size, scale);
    d.display.setImage(wrap(bytes, size, table));
    QLabel label;
    for (auto _ : state) {
        const double t0 = threadSeconds();
        d.display.setImage(wrap(bytes, size, table));
        label.setPixmap(QPixmap::fromImage(d.display.renderedImage()));
        state.SetIterationTime(threadSeconds() - t0);
    }
    state.SetLabel(QStringLiteral("%1x%2 %3")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(QLatin1String(scaleNames[state.range(1)]))
                       .toStdString());
}

// The magnifier's share of a frame.
void BM_Magnifier(benchmark::State &state)
{
    const QSize size = sizes[state.range(0)];
    const QVector<QRgb> table = greyTable();
    std::vector<uchar> bytes = darkFrame(size);
    Magnifier magnifier;
    magnifier.resize(240, 180);
    magnifier.show();
    magnifier.setPosition(QPoint(size.width() / 2, size.height() / 2));
    for (auto _ : state) {
        const double t0 = threadSeconds();
        magnifier.setImage(wrap(bytes, size, table));
        magnifier.repaint();
        state.SetIterationTime(threadSeconds() - t0);
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}

// Live capture: the simulator's camera streams at the rate asked, every frame goes to the display
// (1:1) and the magnifier as the window wires them; counts the GUI thread's processor share.
void BM_LiveView(benchmark::State &state)
{
    useOwnState();
    char message[256] = {};
    vysim_reset(message, sizeof message);
    // Default world: device 1 1280 x 1024, device 2 2592 x 1944, device 8 5472 x 3648.
    const int devices[] = {1, 2, 8};
    const int device = devices[state.range(0)];
    const double rate = double(state.range(1));
    const int framesToShow = int(rate * 4);

    // A 5 MP sensor reaches 30 frames/s only at a pixel clock above the default world's.
    vysim_set_device_field(uint32_t(device), "pixelClockMax", "400", message, sizeof message);
    Camera camera;
    camera.open(device);
    camera.setFramerate(rate);
    BadpixelListModel list;
    const QSize size(camera.imageInfo().width, camera.imageInfo().height);
    fillList(list, size);
    QItemSelectionModel selection(&list);
    DisplayWidget display;
    display.resize(displaySize);
    display.setModel(&list);
    display.setSelectionModel(&selection);
    display.setHighlight(true);
    display.updateMagnifierPosition(QPoint(100, 100));
    display.show();
    Magnifier magnifier;
    magnifier.resize(240, 180);
    magnifier.show();
    int shown = 0;
    QObject::connect(&camera, &Camera::newImage, &display, [&](const QImage &image) {
        magnifier.setImage(image);
        display.setImage(image);
        ++shown;
    });

    double cpu = 0, wall = 0;
    quint64 cameraFrames = 0, shownFrames = 0;
    for (auto _ : state) {
        // Settle: the first frames include opening costs.
        while (shown < 5)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const quint32 framesBefore = camera.frameCount();
        const int shownBefore = shown;
        QElapsedTimer clock;
        clock.start();
        const double t0 = threadSeconds();
        while (shown - shownBefore < framesToShow)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        cpu += threadSeconds() - t0;
        wall += clock.nsecsElapsed() * 1e-9;
        cameraFrames += camera.frameCount() - framesBefore;
        shownFrames += quint64(shown - shownBefore);
        state.SetIterationTime(clock.nsecsElapsed() * 1e-9);
    }
    camera.close();
    state.counters["gui_core_share"] = cpu / wall;
    state.counters["shown_fps"] = double(shownFrames) / wall;
    state.counters["camera_fps"] = double(cameraFrames) / wall;
    state.counters["gui_ms_per_frame"] = cpu / double(shownFrames) * 1000.0;
    state.SetLabel(QStringLiteral("%1x%2 at %3 fps asked")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(rate)
                       .toStdString());
}

void displayArgs(benchmark::internal::Benchmark *b)
{
    for (int s = 0; s < 3; ++s)
        for (int z = 0; z < 3; ++z)
            b->Args({s, z});
}

} // namespace

BENCHMARK(BM_Display)
    ->Apply(displayArgs)
    ->ArgNames({"size", "zoom"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayWholeImage)
    ->Apply(displayArgs)
    ->ArgNames({"size", "zoom"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Magnifier)
    ->DenseRange(0, 2)
    ->ArgName("size")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveView)
    ->Args({1, 30})
    ->Args({2, 10})
    ->ArgNames({"size", "fps"})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Widgets need a platform; without a display the offscreen one serves.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    useOwnState();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

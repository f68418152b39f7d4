// The simulated sensor as dapplix drives it: sensor information, colour modes, area of
// interest, image memory, live capture with frame events, locking, timing, removal.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

constexpr uint32_t monoDevice = 1;  // 1280 x 1024 mono
constexpr uint32_t bayerDevice = 2; // 2592 x 1944 Bayer, red first
constexpr uint32_t bayerBlue = 7;   // 1280 x 1024 Bayer, blue first

std::vector<VYSIM_HOT_PIXEL> truth(uint32_t deviceId)
{
    uint32_t n = 0;
    vysim_hot_pixels(deviceId, nullptr, 0, &n);
    std::vector<VYSIM_HOT_PIXEL> pixels(n);
    if (n && vysim_hot_pixels(deviceId, pixels.data(), n, &n) != VY_SUCCESS)
        return {};
    return pixels;
}

QJsonObject deviceJson(uint32_t deviceId)
{
    uint32_t needed = 0;
    vysim_world_json(nullptr, 0, &needed);
    QByteArray text(int(needed), '\0');
    if (vysim_world_json(text.data(), needed, &needed) != VY_SUCCESS)
        return {};
    const QJsonObject world = QJsonDocument::fromJson(text.left(int(needed) - 1)).object();
    for (const QJsonValue &d : world.value(QLatin1String("devices")).toArray())
        if (uint32_t(d.toObject().value(QLatin1String("deviceId")).toInt()) == deviceId)
            return d.toObject();
    return {};
}

// An open camera set up as dapplix does: full sensor, three buffers in the sequence, the
// frame, failure and removal events enabled.
class OpenCamera
{
public:
    explicit OpenCamera(uint32_t deviceId, int32_t bits = 8)
    {
        handle = VY_HCAM(deviceId | VY_UNOPENED);
        if (vy_InitCamera(&handle, nullptr) != VY_SUCCESS) {
            handle = 0;
            return;
        }
        int32_t size[2] = {};
        vy_AOI(handle, VY_AOI_IMAGE_GET_SIZE_MAX, size, sizeof size);
        width = size[0];
        height = size[1];
        for (int i = 0; i < 3; ++i) {
            char *m = nullptr;
            int32_t id = 0;
            if (vy_AllocImageMem(handle, width, height, bits, &m, &id) != VY_SUCCESS ||
                vy_AddToSequence(handle, m, id) != VY_SUCCESS)
                return;
            memories.push_back(m);
            ids.push_back(id);
        }
        for (uint32_t e : events) {
            VY_EVENT_INIT init = {e, 0, 0};
            vy_Event(handle, VY_EVENT_CMD_INIT, &init, sizeof init);
        }
        vy_Event(handle, VY_EVENT_CMD_ENABLE, events.data(), uint32_t(events.size() * 4));
    }
    ~OpenCamera()
    {
        if (!handle)
            return;
        vy_StopLiveVideo(handle, VY_WAIT);
        vy_ClearSequence(handle);
        for (size_t i = 0; i < memories.size(); ++i)
            vy_FreeImageMem(handle, memories[i], ids[i]);
        vy_Event(handle, VY_EVENT_CMD_EXIT, events.data(), uint32_t(events.size() * 4));
        vy_ExitCamera(handle);
    }
    OpenCamera(const OpenCamera &) = delete;
    OpenCamera &operator=(const OpenCamera &) = delete;

    bool ok() const { return handle != 0 && memories.size() == 3; }

    // The next camera event, 0 on a time-out.
    uint32_t nextEvent(uint32_t timeoutMs = 5000)
    {
        uint32_t signalled = 0;
        return simtest::waitFor(handle, events, timeoutMs, &signalled) == VY_SUCCESS ? signalled
                                                                                     : 0;
    }

    // Waits for a frame event and copies the last filled buffer under its lock.
    bool nextFrame(std::vector<uint8_t> *frame, int64_t *index = nullptr)
    {
        if (nextEvent() != VY_EVENT_FRAME)
            return false;
        char *last = nullptr;
        if (vy_GetActSeqBuf(handle, nullptr, nullptr, &last) != VY_SUCCESS || !last ||
            vy_LockSeqBuf(handle, -1, last) != VY_SUCCESS)
            return false;
        frame->assign(last, last + size_t(width) * size_t(height));
        if (index && vysim_frame_index(handle, last, index) != VY_SUCCESS)
            return false;
        return vy_UnlockSeqBuf(handle, -1, last) == VY_SUCCESS;
    }

    VY_HCAM handle = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<char *> memories;
    std::vector<int32_t> ids;
    std::vector<uint32_t> events{VY_EVENT_FRAME, VY_EVENT_CAPTURE_STATUS, VY_EVENT_DEVICE_REMOVAL,
                                 VY_EVENT_DEVICE_RECONNECT};
};

double meanOf(const std::vector<uint8_t> &frame, int width, int x0, int y0, int step)
{
    uint64_t sum = 0, n = 0;
    const int height = int(frame.size()) / width;
    for (int y = y0; y < height; y += step)
        for (int x = x0; x < width; x += step, ++n)
            sum += frame[size_t(y) * size_t(width) + size_t(x)];
    return n ? double(sum) / double(n) : 0;
}

} // namespace

class tst_SimAcquisition : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void sensorInfo_data()
    {
        QTest::addColumn<uint32_t>("device");
        QTest::addColumn<int>("sensorId");
        QTest::addColumn<int>("colorMode");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bayerStart");
        QTest::newRow("mono") << monoDevice << 538 << VY_SENSOR_MONO << 1280 << 1024 << 0;
        QTest::newRow("bayer_red") << bayerDevice << 560 << VY_SENSOR_BAYER << 2592 << 1944 << 0;
        QTest::newRow("bayer_blue") << bayerBlue << 97 << VY_SENSOR_BAYER << 1280 << 1024 << 2;
    }
    void sensorInfo()
    {
        QFETCH(uint32_t, device);
        QFETCH(int, sensorId);
        OpenCamera cam(device);
        QVERIFY(cam.ok());
        VY_SENSORINFO info;
        std::memset(&info, 0xAB, sizeof info);
        QCOMPARE(vy_GetSensorInfo(cam.handle, &info), VY_SUCCESS);
        QCOMPARE(int(info.sensorId), sensorId);
        QTEST(int(info.colorMode), "colorMode");
        QTEST(int(info.maxWidth), "width");
        QTEST(int(info.maxHeight), "height");
        QTEST(int(info.upperLeftBayerPixel), "bayerStart");
        QCOMPARE(cam.width, int(info.maxWidth));
        QCOMPARE(cam.height, int(info.maxHeight));
        QCOMPARE(vy_GetSensorInfo(cam.handle, nullptr), VY_INVALID_PARAMETER);

        VY_CAMINFO ci;
        std::memset(&ci, 0xCD, sizeof ci);
        QCOMPARE(vy_GetCameraInfo(cam.handle, &ci), VY_SUCCESS);
        QCOMPARE(QByteArray(ci.serialNumber),
                 deviceJson(device).value(QLatin1String("serialNumber")).toString().toLatin1());
    }

    void colorModes_data()
    {
        QTest::addColumn<uint32_t>("device");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("readBack");
        QTest::newRow("mono_raw_is_grey") << monoDevice << 11 << VY_SUCCESS << 6;
        QTest::newRow("mono_grey") << monoDevice << 6 << VY_SUCCESS << 6;
        QTest::newRow("mono_rgb32") << monoDevice << 0 << VY_SUCCESS << 0;
        QTest::newRow("bayer_raw") << bayerDevice << 11 << VY_SUCCESS << 11;
        QTest::newRow("bayer_grey") << bayerDevice << 6 << VY_SUCCESS << 6;
        QTest::newRow("unknown_mode") << monoDevice << 5 << VY_INVALID_PARAMETER << 6;
        QTest::newRow("negative_mode") << bayerDevice << -1 << VY_INVALID_PARAMETER << 11;
    }
    void colorModes()
    {
        QFETCH(uint32_t, device);
        QFETCH(int, mode);
        OpenCamera cam(device);
        QVERIFY(cam.ok());
        QTEST(int(vy_SetColorMode(cam.handle, mode)), "result");
        QTEST(int(vy_SetColorMode(cam.handle, VY_GET_COLOR_MODE)), "readBack");
    }

    void colorModeRefusedWhileLive()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        QCOMPARE(vy_SetColorMode(cam.handle, VY_CM_RGB32), VY_CAPTURE_RUNNING);
        QCOMPARE(vy_SetColorMode(cam.handle, VY_GET_COLOR_MODE), VY_CM_MONO8);
    }

    void aoi_data()
    {
        QTest::addColumn<uint32_t>("device");
        QTest::addColumn<QVector<int>>("rect");
        QTest::addColumn<int>("result");
        QTest::newRow("full") << monoDevice << QVector<int>{0, 0, 1280, 1024} << VY_SUCCESS;
        QTest::newRow("inner") << monoDevice << QVector<int>{100, 50, 640, 480} << VY_SUCCESS;
        QTest::newRow("past_right")
            << monoDevice << QVector<int>{1, 0, 1280, 1024} << VY_INVALID_PARAMETER;
        QTest::newRow("past_bottom")
            << monoDevice << QVector<int>{0, 24, 1280, 1001} << VY_INVALID_PARAMETER;
        QTest::newRow("negative") << monoDevice << QVector<int>{-2, 0, 64, 64}
                                  << VY_INVALID_PARAMETER;
        QTest::newRow("overflowing")
            << monoDevice << QVector<int>{0x7FFFFFF0, 0, 64, 64} << VY_INVALID_PARAMETER;
        QTest::newRow("too_small")
            << monoDevice << QVector<int>{0, 0, 4, 4} << VY_INVALID_PARAMETER;
        QTest::newRow("bayer_even") << bayerDevice << QVector<int>{2, 4, 640, 480} << VY_SUCCESS;
        QTest::newRow("bayer_odd_position")
            << bayerDevice << QVector<int>{1, 0, 640, 480} << VY_INVALID_PARAMETER;
        QTest::newRow("bayer_odd_width")
            << bayerDevice << QVector<int>{0, 0, 641, 480} << VY_INVALID_PARAMETER;
    }
    void aoi()
    {
        QFETCH(uint32_t, device);
        QFETCH(QVector<int>, rect);
        QFETCH(int, result);
        OpenCamera cam(device);
        QVERIFY(cam.ok());
        int32_t before[4] = {};
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_GET_AOI, before, sizeof before), VY_SUCCESS);
        QCOMPARE(QVector<int>(before, before + 4), (QVector<int>{0, 0, cam.width, cam.height}));
        int32_t r[4] = {rect[0], rect[1], rect[2], rect[3]};
        QCOMPARE(int(vy_AOI(cam.handle, VY_AOI_IMAGE_SET_AOI, r, sizeof r)), result);
        int32_t after[4] = {};
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_GET_AOI, after, sizeof after), VY_SUCCESS);
        QCOMPARE(QVector<int>(after, after + 4),
                 result == VY_SUCCESS ? rect : QVector<int>(before, before + 4));
    }

    void aoiSmallBuffers()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        uint8_t guard[20];
        std::memset(guard, 0x5A, sizeof guard);
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_GET_SIZE_MAX, guard, 7), VY_BUFFER_TOO_SMALL);
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_GET_AOI, guard, 15), VY_BUFFER_TOO_SMALL);
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_SET_AOI, guard, 12), VY_BUFFER_TOO_SMALL);
        QVERIFY(std::all_of(guard, guard + sizeof guard, [](uint8_t b) { return b == 0x5A; }));
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_GET_AOI, nullptr, 16), VY_INVALID_PARAMETER);
        QCOMPARE(vy_AOI(cam.handle, 77, guard, 16), VY_NOT_SUPPORTED);
    }

    void imageMemoryValidation()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        char *m = nullptr;
        int32_t id = 0;
        QCOMPARE(vy_AllocImageMem(cam.handle, 0, 10, 8, &m, &id), VY_INVALID_PARAMETER);
        QCOMPARE(vy_AllocImageMem(cam.handle, 10, 10, 7, &m, &id), VY_INVALID_PARAMETER);
        QCOMPARE(vy_AllocImageMem(cam.handle, 10, 10, 8, nullptr, &id), VY_INVALID_PARAMETER);
        QCOMPARE(vy_AllocImageMem(cam.handle, 64, 64, 8, &m, &id), VY_SUCCESS);
        QVERIFY(m);
        QVERIFY(std::find(cam.ids.begin(), cam.ids.end(), id) == cam.ids.end());
        char bogus[16];
        QCOMPARE(vy_AddToSequence(cam.handle, bogus, id), VY_INVALID_MEMORY_POINTER);
        QCOMPARE(vy_AddToSequence(cam.handle, cam.memories[0], cam.ids[0]), VY_INVALID_PARAMETER);
        QCOMPARE(vy_FreeImageMem(cam.handle, bogus, id), VY_INVALID_MEMORY_POINTER);
        QCOMPARE(vy_FreeImageMem(cam.handle, m, id + 100), VY_INVALID_MEMORY_POINTER);
        QCOMPARE(vy_FreeImageMem(cam.handle, cam.memories[0], id), VY_INVALID_MEMORY_POINTER);
        QCOMPARE(vy_FreeImageMem(cam.handle, m, id), VY_SUCCESS);
        QCOMPARE(vy_FreeImageMem(cam.handle, m, id), VY_INVALID_MEMORY_POINTER);
        QCOMPARE(vy_LockSeqBuf(cam.handle, 4, nullptr), VY_INVALID_PARAMETER);
        QCOMPARE(vy_LockSeqBuf(cam.handle, -1, bogus), VY_INVALID_MEMORY_POINTER);
        QCOMPARE(vy_AllocImageMem(12345, 64, 64, 8, &m, &id), VY_INVALID_HANDLE);
    }

    // Sizes whose byte count needs more than 32 bits, some of which wrap to small or zero
    // values in 32-bit arithmetic, are refused and leave the outputs alone.
    void oversizeImageMemory_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");
        QTest::newRow("wraps_to_zero_32bpp") << 65536 << 65536 << 32;
        QTest::newRow("wraps_to_zero_16bpp") << 65536 << 65536 << 16;
        QTest::newRow("wraps_to_small_32bpp") << 65536 << 65537 << 32;
        QTest::newRow("wraps_to_small_8bpp") << 65537 << 65537 << 8;
        QTest::newRow("largest_dimensions")
            << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() << 32;
        QTest::newRow("just_over_the_limit") << 32768 << 32769 << 8;
    }

    void oversizeImageMemory()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        char *m = nullptr;
        int32_t id = -7;
        QCOMPARE(vy_AllocImageMem(cam.handle, width, height, bits, &m, &id), VY_OUT_OF_MEMORY);
        QVERIFY(!m);
        QCOMPARE(id, -7);
    }

    void captureNeedsMemory()
    {
        VY_HCAM h = VY_HCAM(monoDevice | VY_UNOPENED);
        QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(h, VY_DONT_WAIT), VY_NO_IMAGE_MEMORY);
        char *last = nullptr;
        QCOMPARE(vy_GetActSeqBuf(h, nullptr, nullptr, &last), VY_NO_IMAGE_MEMORY);
        QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    }

    // Dark frames: black level, noise within its bounds, the true hot pixels at their levels,
    // and exactly the sensor's frame of that number.
    void darkFrames_data()
    {
        QTest::addColumn<uint32_t>("device");
        QTest::newRow("mono") << monoDevice;
        QTest::newRow("bayer") << bayerDevice;
    }
    void darkFrames()
    {
        QFETCH(uint32_t, device);
        OpenCamera cam(device);
        QVERIFY(cam.ok());
        const auto hot = truth(device);
        QVERIFY(!hot.empty());
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        std::vector<uint8_t> frame, expected(size_t(cam.width) * size_t(cam.height));
        int64_t previous = -1;
        for (int k = 0; k < 3; ++k) {
            int64_t index = -1;
            QVERIFY(cam.nextFrame(&frame, &index));
            QVERIFY(index > previous);
            previous = index;
            QCOMPARE(vysim_sensor_frame(device, uint32_t(index), expected.data(),
                                        uint32_t(expected.size())),
                     VY_SUCCESS);
            QVERIFY(frame == expected);
            for (const VYSIM_HOT_PIXEL &p : hot)
                QCOMPARE(int(frame[size_t(p.y) * size_t(cam.width) + p.x]), int(p.level));
            // Every Bayer plane (or the whole mono frame) sits at the black level.
            for (int plane = 0; plane < 4; ++plane) {
                const double mean = meanOf(frame, cam.width, plane & 1, plane >> 1, 2);
                QVERIFY2(mean > 11.5 && mean < 12.6, qPrintable(QString::number(mean)));
            }
            std::vector<bool> isHot(frame.size());
            for (const VYSIM_HOT_PIXEL &p : hot)
                isHot[size_t(p.y) * size_t(cam.width) + p.x] = true;
            for (size_t i = 0; i < frame.size(); ++i)
                if (!isHot[i])
                    QVERIFY(frame[i] >= 9 && frame[i] <= 15);
        }
        // Frames differ by their noise.
        std::vector<uint8_t> other;
        QVERIFY(cam.nextFrame(&other));
        QVERIFY(other != frame);
    }

    void hotPixelTruthIsVaried()
    {
        const auto hot = truth(8); // the 5472 x 3648 camera, 120 hot pixels
        QCOMPARE(int(hot.size()), 120);
        int faint = 0, strong = 0, factory = 0;
        for (const auto &p : hot) {
            faint += p.level < 60;
            strong += p.level >= 120;
            factory += p.factory;
            QVERIFY(p.x >= 3 && p.x < 5472 - 3 && p.y >= 3 && p.y < 3648 - 3);
        }
        QVERIFY(faint > 0 && strong > 0);
        QCOMPARE(factory, 30);
        // The same seed always gives the same set.
        QCOMPARE(vysim_set_device_field(1, "hotPixelSeed", "808", nullptr, 0), VY_SUCCESS);
        QCOMPARE(vysim_set_device_field(1, "hotPixelCount", "120", nullptr, 0), VY_SUCCESS);
        QCOMPARE(vysim_set_device_field(1, "sensorWidth", "5472", nullptr, 0), VY_SUCCESS);
        QCOMPARE(vysim_set_device_field(1, "sensorHeight", "3648", nullptr, 0), VY_SUCCESS);
        const auto again = truth(1);
        QCOMPARE(again.size(), hot.size());
        QVERIFY(std::equal(hot.begin(), hot.end(), again.begin(), [](auto &a, auto &b) {
            return a.x == b.x && a.y == b.y && a.level == b.level;
        }));
    }

    // More hot pixels than the sensor has room for: as many as fit, each with clean
    // neighbours.
    void crowdedSensor()
    {
        QCOMPARE(vysim_plug(R"({"deviceId": 77, "sensorWidth": 64, "sensorHeight": 48,
                                "hotPixelCount": 1000000})",
                            nullptr, 0),
                 VY_SUCCESS);
        const auto hot = truth(77);
        QVERIFY(hot.size() > 20 && hot.size() < 64 * 48 / 9);
        for (size_t i = 0; i < hot.size(); ++i)
            for (size_t j = i + 1; j < hot.size(); ++j)
                QVERIFY(std::abs(hot[i].x - hot[j].x) > 2 || std::abs(hot[i].y - hot[j].y) > 2);
    }

    void litSensor()
    {
        QCOMPARE(vysim_set_device_field(monoDevice, "lit", "true", nullptr, 0), VY_SUCCESS);
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        std::vector<uint8_t> frame;
        QVERIFY(cam.nextFrame(&frame));
        const auto bright =
            std::count_if(frame.begin(), frame.end(), [](uint8_t v) { return v > 100; });
        QCOMPARE(size_t(bright), frame.size());
    }

    void rgb32Frames()
    {
        OpenCamera cam(monoDevice, 32);
        QVERIFY(cam.ok());
        QCOMPARE(vy_SetColorMode(cam.handle, VY_CM_RGB32), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
        char *last = nullptr;
        QCOMPARE(vy_GetActSeqBuf(cam.handle, nullptr, nullptr, &last), VY_SUCCESS);
        QCOMPARE(vy_LockSeqBuf(cam.handle, -1, last), VY_SUCCESS);
        const auto hot = truth(monoDevice);
        const uint8_t *px = reinterpret_cast<uint8_t *>(last) +
                            (size_t(hot[0].y) * size_t(cam.width) + hot[0].x) * 4;
        QCOMPARE(int(px[0]), int(hot[0].level));
        QCOMPARE(int(px[1]), int(hot[0].level));
        QCOMPARE(int(px[2]), int(hot[0].level));
        QCOMPARE(int(px[3]), 0xFF);
        QCOMPARE(vy_UnlockSeqBuf(cam.handle, -1, last), VY_SUCCESS);
    }

    void bitsMismatchFails()
    {
        OpenCamera cam(monoDevice, 8);
        QVERIFY(cam.ok());
        QCOMPARE(vy_SetColorMode(cam.handle, VY_CM_RGB32), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_CAPTURE_STATUS));
    }

    void aoiFrames()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        int32_t r[4] = {200, 100, 320, 240};
        QCOMPARE(vy_AOI(cam.handle, VY_AOI_IMAGE_SET_AOI, r, sizeof r), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
        QCOMPARE(vy_StopLiveVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        int64_t index = -1;
        QCOMPARE(vysim_frame_index(cam.handle, nullptr, &index), VY_SUCCESS);
        char *last = nullptr;
        QCOMPARE(vy_GetActSeqBuf(cam.handle, nullptr, nullptr, &last), VY_SUCCESS);
        std::vector<uint8_t> full(size_t(cam.width) * size_t(cam.height));
        QCOMPARE(
            vysim_sensor_frame(monoDevice, uint32_t(index), full.data(), uint32_t(full.size())),
            VY_SUCCESS);
        // The area's rows lie packed at the start of the buffer (pitch: the buffer's width).
        for (int y = 0; y < 240; ++y)
            QVERIFY(std::memcmp(last + size_t(y) * size_t(cam.width),
                                full.data() + size_t(y + 100) * size_t(cam.width) + 200, 320) == 0);
    }

    // A locked buffer is never written; frames go to the others.
    void lockedBuffersSkipped()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_LockSeqBuf(cam.handle, 1, nullptr), VY_SUCCESS);
        QCOMPARE(vy_LockSeqBuf(cam.handle, -1, cam.memories[2]), VY_SUCCESS);
        const std::vector<char> first(cam.memories[0], cam.memories[0] + 4096);
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
            char *last = nullptr;
            int32_t number = 0;
            char *active = nullptr;
            QCOMPARE(vy_GetActSeqBuf(cam.handle, &number, &active, &last), VY_SUCCESS);
            QCOMPARE(static_cast<void *>(last), static_cast<void *>(cam.memories[1]));
            QVERIFY(number >= 1 && number <= 3);
        }
        QCOMPARE(vy_StopLiveVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        QVERIFY(std::equal(first.begin(), first.end(), cam.memories[0]));
        QVERIFY(std::all_of(cam.memories[2], cam.memories[2] + 4096, [](char c) { return !c; }));
        // Once unlocked, the ring uses every buffer again.
        QCOMPARE(vy_UnlockSeqBuf(cam.handle, 1, nullptr), VY_SUCCESS);
        QCOMPARE(vy_UnlockSeqBuf(cam.handle, 3, nullptr), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        std::set<char *> used;
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
            char *last = nullptr;
            QCOMPARE(vy_GetActSeqBuf(cam.handle, nullptr, nullptr, &last), VY_SUCCESS);
            used.insert(last);
        }
        QCOMPARE(int(used.size()), 3);
    }

    // Buffers may leave the ring while it runs; the frames go on in the others.
    void freeDuringCapture()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        QCOMPARE(vy_FreeImageMem(cam.handle, cam.memories[1], cam.ids[1]), VY_SUCCESS);
        cam.memories.erase(cam.memories.begin() + 1);
        cam.ids.erase(cam.ids.begin() + 1);
        int64_t index = -1;
        QCOMPARE(vysim_frame_index(cam.handle, reinterpret_cast<char *>(&index), &index),
                 VY_INVALID_MEMORY_POINTER);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
            char *last = nullptr;
            QCOMPARE(vy_GetActSeqBuf(cam.handle, nullptr, nullptr, &last), VY_SUCCESS);
            QVERIFY(last == cam.memories[0] || last == cam.memories[1]);
        }
    }

    // Closing a capturing camera without stopping or freeing anything ends its capture and
    // releases its buffers (the sanitizer build checks for leaks).
    void exitWhileCapturing()
    {
        VY_HCAM h = VY_HCAM(monoDevice | VY_UNOPENED);
        QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
        char *m = nullptr;
        int32_t id = 0;
        QCOMPARE(vy_AllocImageMem(h, 1280, 1024, 8, &m, &id), VY_SUCCESS);
        QCOMPARE(vy_AddToSequence(h, m, id), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(h, VY_WAIT), VY_SUCCESS);
        QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
        QCOMPARE(vy_CaptureVideo(h, VY_DONT_WAIT), VY_INVALID_HANDLE);
        QCOMPARE(vysim_device_in_use(monoDevice), 0);
    }

    void freezeOneFrame()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        int64_t index = -1;
        QCOMPARE(vysim_frame_index(cam.handle, nullptr, &index), VY_NO_DATA);
        QCOMPARE(vy_FreezeVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        QCOMPARE(vysim_frame_index(cam.handle, nullptr, &index), VY_SUCCESS);
        QCOMPARE(index, int64_t(0));
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
        // No further frames follow a freeze.
        QCOMPARE(cam.nextEvent(300), 0u);
        double fps = -1;
        QCOMPARE(vy_GetFramesPerSecond(cam.handle, &fps), VY_SUCCESS);
        QCOMPARE(fps, 0.0);
    }

    void captureFailures()
    {
        QCOMPARE(vysim_set_device_field(monoDevice, "captureFailureEvery", "2", nullptr, 0),
                 VY_SUCCESS);
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_SUCCESS);
        int frames = 0, failures = 0;
        while (frames + failures < 6) {
            const uint32_t e = cam.nextEvent();
            QVERIFY(e == VY_EVENT_FRAME || e == VY_EVENT_CAPTURE_STATUS);
            (e == VY_EVENT_FRAME ? frames : failures)++;
        }
        QVERIFY(frames > 0 && failures > 0);
    }

    // The frame rate is set within its range and the delivered frames follow it.
    void framesPerSecond()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        double fps = 0;
        QCOMPARE(vy_SetFrameRate(cam.handle, 20.0, &fps), VY_SUCCESS);
        QVERIFY(std::abs(fps - 20.0) < 0.1);
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        double measured = 0;
        QCOMPARE(vy_GetFramesPerSecond(cam.handle, &measured), VY_SUCCESS);
        QVERIFY(measured > 0);
        for (int k = 0; k < 12; ++k)
            QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
        QCOMPARE(vy_GetFramesPerSecond(cam.handle, &measured), VY_SUCCESS);
        // Loose: a loaded machine delivers late; jitter of single frames shows a little above.
        QVERIFY2(measured > 5.0 && measured < 26.0, qPrintable(QString::number(measured)));
        QCOMPARE(vy_StopLiveVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        QCOMPARE(vy_GetFramesPerSecond(cam.handle, &measured), VY_SUCCESS);
        QCOMPARE(measured, 0.0);
    }

    // Pixel clock -> frame time range -> frame rate -> exposure range, as dapplix reads them.
    void timingDependencies()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        int32_t lo = 0, hi = 0;
        QCOMPARE(vy_GetPixelClockRange(cam.handle, &lo, &hi), VY_SUCCESS);
        QVERIFY(lo > 0 && lo < hi);
        const int32_t def = vy_SetPixelClock(cam.handle, VY_GET_DEFAULT_PIXEL_CLOCK);
        QVERIFY(def >= lo && def <= hi);
        QCOMPARE(vy_SetPixelClock(cam.handle, VY_GET_PIXEL_CLOCK), def);
        QCOMPARE(vy_SetPixelClock(cam.handle, hi + 1), VY_INVALID_PARAMETER);
        QCOMPARE(vy_SetPixelClock(cam.handle, lo - 1), VY_INVALID_PARAMETER);
        QCOMPARE(vy_SetPixelClock(cam.handle, VY_GET_PIXEL_CLOCK), def);

        double fastMin = 0, fastMax = 0, fastStep = 0, slowMin = 0, slowMax = 0, slowStep = 0;
        QCOMPARE(vy_SetPixelClock(cam.handle, hi), VY_SUCCESS);
        QCOMPARE(vy_GetFrameTimeRange(cam.handle, &fastMin, &fastMax, &fastStep), VY_SUCCESS);
        QCOMPARE(vy_SetPixelClock(cam.handle, lo), VY_SUCCESS);
        QCOMPARE(vy_GetFrameTimeRange(cam.handle, &slowMin, &slowMax, &slowStep), VY_SUCCESS);
        QVERIFY(fastMin > 0 && fastMin < fastMax && fastStep > 0 && fastStep < fastMin);
        QVERIFY(slowMin > fastMin && slowMax > fastMax);
        // The slowest rate at the highest clock is above 1 fps, so halving the clock matters.
        QVERIFY(1.0 / fastMax > 1.0 && 1.0 / slowMax < 1.0);

        QCOMPARE(vy_SetPixelClock(cam.handle, hi), VY_SUCCESS);
        double fps = 0;
        QCOMPARE(vy_SetFrameRate(cam.handle, 1000.0, &fps), VY_SUCCESS);
        QVERIFY(std::abs(fps - 1.0 / fastMin) < 1e-6);
        QCOMPARE(vy_SetFrameRate(cam.handle, 0.01, &fps), VY_SUCCESS);
        QVERIFY(std::abs(fps - 1.0 / fastMax) < 1e-6);
        QCOMPARE(vy_SetFrameRate(cam.handle, -3.0, &fps), VY_INVALID_PARAMETER);
        QCOMPARE(vy_SetFrameRate(cam.handle, 10.0, nullptr), VY_INVALID_PARAMETER);

        double eMin = 0, eMax10 = 0, eStep = 0, eMax20 = 0;
        QCOMPARE(vy_SetFrameRate(cam.handle, 10.0, &fps), VY_SUCCESS);
        QCOMPARE(vy_GetExposureRange(cam.handle, &eMin, &eMax10, &eStep), VY_SUCCESS);
        QVERIFY(eMin > 0 && eStep > 0);
        QVERIFY(eMax10 < 1000.0 / fps && eMax10 > 1000.0 / fps - 1.0);
        double exposure = 0;
        QCOMPARE(vy_SetExposureTime(cam.handle, 80.0, &exposure), VY_SUCCESS);
        QVERIFY(std::abs(exposure - 80.0) <= eStep);
        QCOMPARE(vy_SetFrameRate(cam.handle, 20.0, &fps), VY_SUCCESS);
        QCOMPARE(vy_GetExposureRange(cam.handle, &eMin, &eMax20, &eStep), VY_SUCCESS);
        QVERIFY(eMax20 < eMax10 && eMax20 < 50.0);
        // The faster frame shortened the exposure to fit.
        QCOMPARE(vy_SetExposureTime(cam.handle, VY_GET_EXPOSURE_TIME, &exposure), VY_SUCCESS);
        QVERIFY(exposure <= eMax20);
        QCOMPARE(vy_SetExposureTime(cam.handle, 1e6, &exposure), VY_SUCCESS);
        QCOMPARE(exposure, eMax20);
        QCOMPARE(vy_SetExposureTime(cam.handle, 0.0, &exposure), VY_SUCCESS);
        QCOMPARE(exposure, eMin);
    }

    void gain_data()
    {
        QTest::addColumn<int>("master");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("readBack");
        QTest::newRow("zero") << 0 << VY_SUCCESS << 0;
        QTest::newRow("fifty") << 50 << VY_SUCCESS << 50;
        QTest::newRow("hundred") << 100 << VY_SUCCESS << 100;
        QTest::newRow("too_high") << 101 << VY_INVALID_PARAMETER << 0;
        QTest::newRow("negative") << -5 << VY_INVALID_PARAMETER << 0;
        QTest::newRow("ignored") << -1 << VY_SUCCESS << 0;
    }
    void gain()
    {
        QFETCH(int, master);
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_SetHardwareGain(cam.handle, VY_GET_MASTER_GAIN, -1, -1, -1), 0);
        QTEST(int(vy_SetHardwareGain(cam.handle, master, -1, -1, -1)), "result");
        QTEST(int(vy_SetHardwareGain(cam.handle, VY_GET_MASTER_GAIN, -1, -1, -1)), "readBack");
    }

    void loadParameters()
    {
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_LoadParameters(cam.handle, nullptr), VY_SUCCESS);
        QTemporaryDir dir;
        const QByteArray path = dir.filePath(QStringLiteral("set.ini")).toLocal8Bit();
        QCOMPARE(vy_LoadParameters(cam.handle, path.constData()), VY_FILE_OPEN_ERROR);
        QFile f(QString::fromLocal8Bit(path));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(vy_LoadParameters(cam.handle, path.constData()), VY_SUCCESS);
    }

    // Unplugging the open camera signals 128 and stops its frames; plugging it back signals 9
    // and the live capture goes on.
    void removalAndReconnect()
    {
        const QJsonObject device = deviceJson(monoDevice);
        QVERIFY(!device.isEmpty());
        OpenCamera cam(monoDevice);
        QVERIFY(cam.ok());
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_WAIT), VY_SUCCESS);
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
        QCOMPARE(vysim_unplug(monoDevice), VY_SUCCESS);
        vysim_sync();
        uint32_t e = 0;
        while ((e = cam.nextEvent()) == VY_EVENT_FRAME) {
        }
        QCOMPARE(e, uint32_t(VY_EVENT_DEVICE_REMOVAL));
        // A frame on its way while the removal was raised may still arrive; then none.
        int late = 0;
        while ((e = cam.nextEvent(300)) != 0) {
            QCOMPARE(e, uint32_t(VY_EVENT_FRAME));
            QVERIFY(++late <= 2);
        }
        QCOMPARE(vy_CaptureVideo(cam.handle, VY_DONT_WAIT), VY_IO_REQUEST_FAILED);

        const QByteArray json = QJsonDocument(device).toJson(QJsonDocument::Compact);
        QCOMPARE(vysim_plug(json.constData(), nullptr, 0), VY_SUCCESS);
        vysim_sync();
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_DEVICE_RECONNECT));
        QCOMPARE(cam.nextEvent(), uint32_t(VY_EVENT_FRAME));
    }
};

VYRO_TEST_GUILESS_MAIN(tst_SimAcquisition)
#include "tst_sim_acquisition.moc"

// sim_acquisition.cpp: sensor information, colour mode, area of interest, image memory, the
// capture sequence and live capture on a thread of the simulator, timing and gain.
#include "sdk/sim/sim_acquisition.h"

#include "sdk/sim/simcore.h"
#include "sdk/sim/vyro_sim.h"

#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <tuple>

namespace vysim {

namespace {

using Clock = std::chrono::steady_clock;

// The largest single image buffer handed out; beyond it vy_AllocImageMem answers out of memory.
constexpr size_t MaxImageBytes = size_t(1) << 30;
constexpr uint32_t MinAoiSize = 8;
constexpr size_t FpsWindow = 16;

const bool sensorFields = addDeviceFields({
    {"blackLevel", FieldType::Int, 12, 0, 200, "black level of dark frames"},
    {"lit", FieldType::Bool, false, 0, 0, "the sensor sees light: bright frames"},
    {"factoryHotPixelCount", FieldType::Int, -1, -1, 1000000,
     "how many of the true hot pixels form the factory list; -1: a quarter of them"},
    {"captureFailureEvery", FieldType::Int, 0, 0, 1000000,
     "every n-th frame fails (event 8 instead of 2); 0: none"},
    {"pixelClockMin", FieldType::Int, 5, 1, 1000, "lowest pixel clock in MHz"},
    {"pixelClockMax", FieldType::Int, 0, 0, 1000, "highest pixel clock in MHz; 0: by sensor size"},
    {"pixelClockDefault", FieldType::Int, 0, 0, 1000, "default pixel clock; 0: the highest"},
    {"pixelSize", FieldType::Int, 530, 0, 65535, "pixel size in 1/100 um"},
    {"globalShutter", FieldType::Bool, false, 0, 0, "the sensor has a global shutter"},
    {"hotPixelCorrectionModes", FieldType::Int, 6, 0, 6,
     "supported correction modes: 0x2 camera, 0x4 software"},
});

int fieldInt(const QJsonObject &f, const char *name)
{
    return f.value(QLatin1String(name)).toInt();
}

bool isBayer(const QJsonObject &f)
{
    return f.value(QLatin1String("colorMode")).toString() == QLatin1String("bayer");
}

SensorConfig sensorConfig(const QJsonObject &f)
{
    SensorConfig c;
    c.width = uint32_t(std::max(0, fieldInt(f, "sensorWidth")));
    c.height = uint32_t(std::max(0, fieldInt(f, "sensorHeight")));
    c.bayer = isBayer(f);
    c.seed = uint32_t(fieldInt(f, "hotPixelSeed"));
    c.hotPixelCount = uint32_t(std::max(0, fieldInt(f, "hotPixelCount")));
    c.blackLevel = uint8_t(std::clamp(fieldInt(f, "blackLevel"), 0, 255));
    return c;
}

TimingModel timingFor(const QJsonObject &f)
{
    const int width = fieldInt(f, "sensorWidth");
    const int lo = std::max(1, fieldInt(f, "pixelClockMin"));
    int hi = fieldInt(f, "pixelClockMax");
    if (hi <= 0)
        hi = width <= 1600 ? 43 : width <= 3000 ? 96 : 200;
    hi = std::max(hi, lo);
    int def = fieldInt(f, "pixelClockDefault");
    if (def <= 0)
        def = hi;
    TimingModel t(lo, hi, def);
    t.setArea(uint32_t(std::max(1, width)), uint32_t(std::max(1, fieldInt(f, "sensorHeight"))));
    t.setFrameRate(1.0 / t.minFrameTime());
    t.setExposure(10.0);
    return t;
}

uint32_t bitsOfMode(int32_t mode)
{
    return mode == VY_CM_RGB32 ? 32 : 8;
}

// ---- The open cameras of this process ----

class Registry
{
public:
    static Registry &instance()
    {
        static Shutdown shutdown;
        static Registry *registry = [] {
            auto *r = new Registry;
            shutdown.registry = r;
            addHandleHook([r](HandleEvent event, VY_HCAM handle, uint32_t) {
                r->onHandleEvent(event, handle);
            });
            return r;
        }();
        return *registry;
    }

    std::shared_ptr<SimCamera> find(VY_HCAM handle)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto c = m_cameras.find(handle);
            if (c != m_cameras.end())
                return c->second;
        }
        const uint32_t deviceId = deviceOfHandle(handle);
        if (!deviceId)
            return nullptr;
        const QJsonObject fields = deviceFields(deviceId);
        if (fields.isEmpty())
            return nullptr;
        auto camera = std::make_shared<SimCamera>(handle, deviceId, fields);
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_cameras.emplace(handle, camera).first->second;
    }

    std::shared_ptr<const SensorModel> model(const QJsonObject &fields)
    {
        const SensorConfig c = sensorConfig(fields);
        const auto key =
            std::make_tuple(c.width, c.height, c.bayer, c.seed, c.hotPixelCount, c.blackLevel);
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &m : m_models)
            if (m.first == key)
                return m.second;
        // A model holds about 2 MB of noise; keep only the recent ones.
        if (m_models.size() >= 8)
            m_models.pop_front();
        m_models.emplace_back(key, std::make_shared<const SensorModel>(c));
        return m_models.back().second;
    }

private:
    using Key = std::tuple<uint32_t, uint32_t, bool, uint32_t, uint32_t, uint8_t>;

    // Ends the capture threads when the program exits; the registry itself stays, like the
    // engine, for threads still inside SDK calls.
    struct Shutdown
    {
        Registry *registry = nullptr;
        ~Shutdown()
        {
            if (!registry)
                return;
            std::map<VY_HCAM, std::shared_ptr<SimCamera>> cameras;
            {
                std::lock_guard<std::mutex> lock(registry->m_mutex);
                cameras = registry->m_cameras;
            }
            for (auto &c : cameras)
                c.second->stopCapture();
        }
    };

    void onHandleEvent(HandleEvent event, VY_HCAM handle)
    {
        std::shared_ptr<SimCamera> camera;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto c = m_cameras.find(handle);
            if (c == m_cameras.end())
                return;
            camera = c->second;
            if (event == HandleEvent::Closing)
                m_cameras.erase(c);
        }
        switch (event) {
        case HandleEvent::Closing:
            camera->stopCapture();
            break;
        case HandleEvent::DeviceRemoved:
            camera->setGone(true);
            break;
        case HandleEvent::DeviceReturned:
            camera->setGone(false);
            break;
        }
    }

    // Protects m_cameras and m_models.
    std::mutex m_mutex;
    std::map<VY_HCAM, std::shared_ptr<SimCamera>> m_cameras;
    std::deque<std::pair<Key, std::shared_ptr<const SensorModel>>> m_models;
};

} // namespace

std::shared_ptr<SimCamera> simCamera(VY_HCAM handle)
{
    return Registry::instance().find(handle);
}

std::shared_ptr<const SensorModel> sensorModelFor(const QJsonObject &fields)
{
    return Registry::instance().model(fields);
}

std::vector<PixelPos> pixelArray(const QJsonObject &fields, const char *name, uint32_t width,
                                 uint32_t height)
{
    std::vector<PixelPos> result;
    for (const QJsonValue &v : fields.value(QLatin1String(name)).toArray()) {
        const QJsonArray pair = v.toArray();
        if (pair.size() != 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble())
            continue;
        const double x = pair.at(0).toDouble(), y = pair.at(1).toDouble();
        if (x < 0 || y < 0 || x >= width || y >= height || x != std::floor(x) || y != std::floor(y))
            continue;
        result.push_back({uint16_t(x), uint16_t(y)});
    }
    return result;
}

std::vector<PixelPos> factoryList(const QJsonObject &fields, const SensorModel &model)
{
    const auto &hot = model.hotPixels();
    int n = fieldInt(fields, "factoryHotPixelCount");
    if (n < 0)
        n = int(hot.size() / 4);
    std::vector<PixelPos> result;
    for (size_t i = 0; i < hot.size() && i < size_t(n); ++i)
        result.push_back({hot[i].x, hot[i].y});
    const auto extra =
        pixelArray(fields, "factoryHotPixels", model.config().width, model.config().height);
    result.insert(result.end(), extra.begin(), extra.end());
    return result;
}

std::vector<PixelPos> userList(const QJsonObject &fields)
{
    return pixelArray(fields, "userHotPixels",
                      uint32_t(std::max(0, fieldInt(fields, "sensorWidth"))),
                      uint32_t(std::max(0, fieldInt(fields, "sensorHeight"))));
}

// ---- SimCamera ----

SimCamera::SimCamera(VY_HCAM h, uint32_t device, const QJsonObject &fields)
    : handle(h), deviceId(device), model(sensorModelFor(fields)),
      sensorId(uint16_t(fieldInt(fields, "sensorId"))),
      sensorName(fields.value(QLatin1String("sensorName")).toString().toStdString()),
      bayerStart(uint8_t(fieldInt(fields, "bayerStart"))),
      pixelSize(uint16_t(fieldInt(fields, "pixelSize"))),
      globalShutter(fields.value(QLatin1String("globalShutter")).toBool()),
      timing(timingFor(fields)), colorMode(isBayer(fields) ? VY_CM_BAYER_RG8 : VY_CM_MONO8)
{
    aoi = {0, 0, model->config().width, model->config().height};
}

SimCamera::~SimCamera()
{
    stopCapture();
    for (auto &m : memories)
        delete[] m.second.memory;
}

int SimCamera::position(int32_t memoryId) const
{
    const auto p = std::find(sequence.begin(), sequence.end(), memoryId);
    return memoryId == 0 || p == sequence.end() ? -1 : int(p - sequence.begin());
}

void SimCamera::waitNotBusy(std::unique_lock<std::mutex> &lock, int32_t memoryId)
{
    changed.wait(lock, [&] {
        auto m = memories.find(memoryId);
        return m == memories.end() || !m->second.busy;
    });
}

int32_t SimCamera::startCapture(bool liveCapture, bool wait)
{
    std::lock_guard<std::mutex> serial(control);
    std::unique_lock<std::mutex> lock(mutex);
    if (gone)
        return VY_IO_REQUEST_FAILED;
    if (live)
        return liveCapture ? VY_SUCCESS : VY_CAPTURE_RUNNING;
    if (sequence.empty())
        return VY_NO_IMAGE_MEMORY;
    // A single frame from an earlier freeze may still be on its way out.
    if (m_thread.joinable()) {
        lock.unlock();
        m_thread.join();
        lock.lock();
    }
    live = liveCapture;
    stopRequested = false;
    deliveries.clear();
    const uint64_t before = attempts;
    m_thread = std::thread(&SimCamera::run, this);
    if (!wait)
        return VY_SUCCESS;
    const auto limit = std::chrono::duration<double>(3 * timing.frameTime() + 2.0);
    const bool done = changed.wait_for(lock, limit, [&] { return attempts > before; });
    return done ? VY_SUCCESS : VY_TIMED_OUT;
}

void SimCamera::stopCapture()
{
    std::lock_guard<std::mutex> serial(control);
    {
        std::lock_guard<std::mutex> lock(mutex);
        live = false;
        stopRequested = true;
    }
    changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(mutex);
    stopRequested = false;
}

void SimCamera::setGone(bool nowGone)
{
    if (nowGone) {
        bool wasLive;
        {
            std::lock_guard<std::mutex> lock(mutex);
            wasLive = live;
        }
        stopCapture();
        std::lock_guard<std::mutex> lock(mutex);
        gone = true;
        resumeLive = wasLive;
        return;
    }
    bool resume;
    {
        std::lock_guard<std::mutex> lock(mutex);
        gone = false;
        resume = resumeLive;
        resumeLive = false;
    }
    // A reconnected camera goes on with the live capture it had, as the driver restores it.
    if (resume)
        startCapture(true, false);
}

void SimCamera::run()
{
    std::unique_lock<std::mutex> lock(mutex);
    auto next = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double>(timing.frameTime()));
    for (;;) {
        if (changed.wait_until(lock, next, [this] { return stopRequested; }))
            break;
        produceFrame(lock);
        if (!live || stopRequested)
            break;
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(timing.frameTime()));
        next += period;
        // After a stall (or a slower frame rate) start afresh instead of catching up in a burst.
        const auto now = Clock::now();
        if (next < now)
            next = now + period;
    }
}

// One frame of the sensor: into the next free buffer of the sequence, or a failure. Called
// and returning with the lock held; releases it while rendering and signalling.
void SimCamera::produceFrame(std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    const QJsonObject fields = deviceFields(deviceId);
    lock.lock();
    if (fields.isEmpty() || stopRequested)
        return;
    const uint64_t index = nextFrameIndex++;
    ++attempts;
    const int failEvery = fieldInt(fields, "captureFailureEvery");
    bool failed = failEvery > 0 && (index + 1) % uint64_t(failEvery) == 0;

    // The next buffer after the last filled one that is neither locked nor being read.
    int pos = -1;
    const int n = int(sequence.size());
    const int last = position(lastFilledId);
    for (int i = 1; i <= n && !failed; ++i) {
        const int p = (last + i + n) % n;
        const int32_t id = sequence[size_t(p)];
        if (!locked.count(id) && !memories[id].busy) {
            pos = p;
            break;
        }
    }
    if (pos < 0 && !failed) {
        // Every buffer is locked: the frame is lost, as on a camera whose ring is full.
        changed.notify_all();
        return;
    }
    ImageMemory *target = nullptr;
    const int32_t bits = int32_t(bitsOfMode(colorMode));
    if (!failed) {
        target = &memories[sequence[size_t(pos)]];
        failed = int32_t(target->bitsPerPixel) != bits;
    }
    if (failed) {
        changed.notify_all();
        lock.unlock();
        signalEvent(handle, VY_EVENT_CAPTURE_STATUS);
        lock.lock();
        return;
    }

    target->busy = true;
    const int32_t targetId = sequence[size_t(pos)];
    fillingId = targetId;
    const Area area = aoi;
    const int32_t mode = colorMode;
    std::vector<PixelPos> fix;
    if (correctionMode == VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION) {
        fix = factoryList(fields, *model);
        const auto user = userList(fields);
        fix.insert(fix.end(), user.begin(), user.end());
    } else if (correctionMode == VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION) {
        fix = softwareList;
    }
    const bool lit = fields.value(QLatin1String("lit")).toBool();
    char *memory = target->memory;
    const uint32_t columns = std::min(area.width, target->width);
    const uint32_t rows = std::min(area.height, target->height);
    lock.unlock();

    uint8_t *raw = reinterpret_cast<uint8_t *>(memory);
    uint32_t pitch = target->width;
    if (mode == VY_CM_RGB32) {
        m_scratch.resize(size_t(columns) * rows);
        raw = m_scratch.data();
        pitch = columns;
    }
    model->render(index, area, lit, raw, pitch, columns, rows);
    if (!fix.empty())
        model->correct(fix, area, raw, pitch, columns, rows);
    if (mode == VY_CM_RGB32) {
        const uint32_t outPitch = target->width * 4;
        for (uint32_t y = 0; y < rows; ++y) {
            uint8_t *out = reinterpret_cast<uint8_t *>(memory) + size_t(y) * outPitch;
            const uint8_t *in = raw + size_t(y) * pitch;
            for (uint32_t x = 0; x < columns; ++x) {
                out[4 * x] = out[4 * x + 1] = out[4 * x + 2] = in[x];
                out[4 * x + 3] = 0xFF;
            }
        }
    }

    lock.lock();
    target->busy = false;
    target->frameIndex = int64_t(index);
    fillingId = 0;
    // The buffer may have left the sequence meanwhile (it stays allocated while busy).
    lastFilledId = position(targetId) >= 0 ? targetId : lastFilledId;
    lastFrameIndex = int64_t(index);
    deliveries.push_back(Clock::now());
    while (deliveries.size() > FpsWindow)
        deliveries.pop_front();
    changed.notify_all();
    lock.unlock();
    signalEvent(handle, VY_EVENT_FRAME);
    lock.lock();
}

} // namespace vysim

using vysim::ApiCall;
using vysim::simCamera;

namespace {

// An open camera or the reason there is none.
std::shared_ptr<vysim::SimCamera> openCamera(VY_HCAM h, int32_t *code)
{
    auto camera = simCamera(h);
    *code = camera ? VY_SUCCESS : VY_INVALID_HANDLE;
    return camera;
}

} // namespace

extern "C" {

VYAPI int32_t vy_GetSensorInfo(VY_HCAM hCam, VY_SENSORINFO *info)
{
    VYSIM_ENTER(call, "vy_GetSensorInfo", hCam, 0, nullptr, 0);
    call.setOutput(info, info ? uint32_t(sizeof *info) : 0);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    if (!info)
        return call.done(VY_INVALID_PARAMETER);
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return call.done(VY_CAMERA_NOT_FOUND);
    VY_SENSORINFO s;
    std::memset(&s, 0, sizeof s);
    s.sensorId = uint16_t(vysim::fieldInt(f, "sensorId"));
    const QByteArray name = f.value(QLatin1String("sensorName")).toString().toLatin1();
    std::memcpy(s.sensorName, name.constData(), std::min<size_t>(name.size(), 31));
    const bool bayer = vysim::isBayer(f);
    s.colorMode = char(bayer ? VY_SENSOR_BAYER : VY_SENSOR_MONO);
    s.maxWidth = uint32_t(vysim::fieldInt(f, "sensorWidth"));
    s.maxHeight = uint32_t(vysim::fieldInt(f, "sensorHeight"));
    s.masterGain = 1;
    s.rGain = s.gGain = s.bGain = bayer ? 1 : 0;
    s.globalShutter = f.value(QLatin1String("globalShutter")).toBool() ? 1 : 0;
    s.pixelSize = uint16_t(vysim::fieldInt(f, "pixelSize"));
    s.upperLeftBayerPixel = char(vysim::fieldInt(f, "bayerStart"));
    std::memcpy(info, &s, sizeof s);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetCameraInfo(VY_HCAM hCam, VY_CAMINFO *info)
{
    VYSIM_ENTER(call, "vy_GetCameraInfo", hCam, 0, nullptr, 0);
    call.setOutput(info, info ? uint32_t(sizeof *info) : 0);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    if (!info)
        return call.done(VY_INVALID_PARAMETER);
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return call.done(VY_CAMERA_NOT_FOUND);
    VY_CAMINFO c;
    std::memset(&c, 0, sizeof c);
    auto put = [](char *dst, size_t size, const QString &text) {
        const QByteArray b = text.toLatin1();
        std::memcpy(dst, b.constData(), std::min<size_t>(size_t(b.size()), size - 1));
    };
    put(c.serialNumber, sizeof c.serialNumber, f.value(QLatin1String("serialNumber")).toString());
    put(c.manufacturer, sizeof c.manufacturer, QStringLiteral("Vyro"));
    const uint32_t fw = vysim::versionValue(f.value(QLatin1String("runtimeFirmware")));
    put(c.version, sizeof c.version,
        QStringLiteral("V%1.%2").arg(fw >> 24).arg((fw >> 16) & 0xFF, 2, 10, QLatin1Char('0')));
    put(c.dateEndtest, sizeof c.dateEndtest, QStringLiteral("2026-01-15"));
    c.select = uint8_t(vysim::fieldInt(f, "cameraId"));
    c.type = (deviceId >= 1000 && deviceId < 2000) || deviceId >= 2001 ? 128 : 64;
    std::memcpy(info, &c, sizeof c);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetColorMode(VY_HCAM hCam, int32_t mode)
{
    VYSIM_ENTER(call, "vy_SetColorMode", hCam, uint32_t(mode), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    if (mode == VY_GET_COLOR_MODE)
        return call.quiet(camera->colorMode);
    if (mode != VY_CM_RGB32 && mode != VY_CM_MONO8 && mode != VY_CM_BAYER_RG8)
        return call.done(VY_INVALID_PARAMETER);
    if (camera->live)
        return call.done(VY_CAPTURE_RUNNING);
    // A monochrome sensor has no Bayer pattern: its raw data is the 8-bit grey image.
    if (mode == VY_CM_BAYER_RG8 && !camera->model->config().bayer)
        mode = VY_CM_MONO8;
    camera->colorMode = mode;
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_AOI(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_AOI", hCam, command, buffer, size);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    const vysim::SensorConfig &s = camera->model->config();
    std::lock_guard<std::mutex> lock(camera->mutex);
    switch (command) {
    case VY_AOI_IMAGE_GET_SIZE_MAX: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < 8)
            return call.done(VY_BUFFER_TOO_SMALL);
        const int32_t v[2] = {int32_t(s.width), int32_t(s.height)};
        std::memcpy(buffer, v, sizeof v);
        return call.done(VY_SUCCESS);
    }
    case VY_AOI_IMAGE_GET_AOI: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < 16)
            return call.done(VY_BUFFER_TOO_SMALL);
        const vysim::Area &a = camera->aoi;
        const int32_t v[4] = {int32_t(a.x), int32_t(a.y), int32_t(a.width), int32_t(a.height)};
        std::memcpy(buffer, v, sizeof v);
        return call.done(VY_SUCCESS);
    }
    case VY_AOI_IMAGE_SET_AOI: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < 16)
            return call.done(VY_BUFFER_TOO_SMALL);
        int32_t v[4];
        std::memcpy(v, buffer, sizeof v);
        const int64_t x = v[0], y = v[1], w = v[2], h = v[3];
        if (x < 0 || y < 0 || w < vysim::MinAoiSize || h < vysim::MinAoiSize ||
            x + w > int64_t(s.width) || y + h > int64_t(s.height))
            return call.fail(VY_INVALID_PARAMETER, "The area of interest is not on the sensor");
        // Even positions and sizes keep the Bayer pattern of the area that of the sensor.
        if (s.bayer && ((x | y | w | h) & 1))
            return call.fail(VY_INVALID_PARAMETER,
                             "A Bayer sensor's area of interest needs even positions and sizes");
        if (camera->live)
            return call.done(VY_CAPTURE_RUNNING);
        camera->aoi = {uint32_t(x), uint32_t(y), uint32_t(w), uint32_t(h)};
        camera->timing.setArea(uint32_t(w), uint32_t(h));
        camera->timingChanged();
        return call.done(VY_SUCCESS);
    }
    default:
        return call.done(VY_NOT_SUPPORTED);
    }
}

VYAPI int32_t vy_AllocImageMem(VY_HCAM hCam, int32_t width, int32_t height, int32_t bitsPerPixel,
                               char **memory, int32_t *memoryId)
{
    VYSIM_ENTER(call, "vy_AllocImageMem", hCam, uint32_t(bitsPerPixel), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    if (!memory || !memoryId || width <= 0 || height <= 0 ||
        (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32))
        return call.done(VY_INVALID_PARAMETER);
    const size_t bytes = size_t(width) * size_t(height) * size_t(bitsPerPixel / 8);
    if (bytes > vysim::MaxImageBytes)
        return call.done(VY_OUT_OF_MEMORY);
    char *m = new (std::nothrow) char[bytes]();
    if (!m)
        return call.done(VY_OUT_OF_MEMORY);
    std::lock_guard<std::mutex> lock(camera->mutex);
    const int32_t id = camera->nextMemoryId++;
    vysim::ImageMemory &im = camera->memories[id];
    im.memory = m;
    im.width = uint32_t(width);
    im.height = uint32_t(height);
    im.bitsPerPixel = uint32_t(bitsPerPixel);
    im.size = bytes;
    *memory = m;
    *memoryId = id;
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_FreeImageMem(VY_HCAM hCam, char *memory, int32_t memoryId)
{
    VYSIM_ENTER(call, "vy_FreeImageMem", hCam, uint32_t(memoryId), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::unique_lock<std::mutex> lock(camera->mutex);
    auto m = camera->memories.find(memoryId);
    if (m == camera->memories.end() || !memory || m->second.memory != memory)
        return call.done(VY_INVALID_MEMORY_POINTER);
    camera->waitNotBusy(lock, memoryId);
    m = camera->memories.find(memoryId);
    if (m == camera->memories.end())
        return call.done(VY_INVALID_MEMORY_POINTER);
    auto &seq = camera->sequence;
    seq.erase(std::remove(seq.begin(), seq.end(), memoryId), seq.end());
    if (camera->lastFilledId == memoryId)
        camera->lastFilledId = 0;
    camera->locked.erase(memoryId);
    delete[] m->second.memory;
    camera->memories.erase(m);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_AddToSequence(VY_HCAM hCam, char *memory, int32_t memoryId)
{
    VYSIM_ENTER(call, "vy_AddToSequence", hCam, uint32_t(memoryId), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    auto m = camera->memories.find(memoryId);
    if (m == camera->memories.end() || !memory || m->second.memory != memory)
        return call.done(VY_INVALID_MEMORY_POINTER);
    auto &seq = camera->sequence;
    if (std::find(seq.begin(), seq.end(), memoryId) != seq.end())
        return call.fail(VY_INVALID_PARAMETER, "The buffer is already in the sequence");
    seq.push_back(memoryId);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_ClearSequence(VY_HCAM hCam)
{
    VYSIM_ENTER(call, "vy_ClearSequence", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::unique_lock<std::mutex> lock(camera->mutex);
    if (camera->live)
        return call.done(VY_CAPTURE_RUNNING);
    camera->changed.wait(lock, [&] { return camera->fillingId == 0; });
    camera->sequence.clear();
    camera->locked.clear();
    camera->lastFilledId = 0;
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_CaptureVideo(VY_HCAM hCam, int32_t wait)
{
    VYSIM_ENTER(call, "vy_CaptureVideo", hCam, uint32_t(wait), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    return call.done(camera->startCapture(true, wait != VY_DONT_WAIT));
}

VYAPI int32_t vy_FreezeVideo(VY_HCAM hCam, int32_t wait)
{
    VYSIM_ENTER(call, "vy_FreezeVideo", hCam, uint32_t(wait), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    return call.done(camera->startCapture(false, wait != VY_DONT_WAIT));
}

VYAPI int32_t vy_StopLiveVideo(VY_HCAM hCam, int32_t wait)
{
    VYSIM_ENTER(call, "vy_StopLiveVideo", hCam, uint32_t(wait), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    camera->stopCapture();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetActSeqBuf(VY_HCAM hCam, int32_t *number, char **memory, char **lastMemory)
{
    VYSIM_ENTER(call, "vy_GetActSeqBuf", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    const auto &seq = camera->sequence;
    if (seq.empty())
        return call.done(VY_NO_IMAGE_MEMORY);
    // The buffer being written, or else the one the next frame goes to.
    const int last = camera->position(camera->lastFilledId);
    const int filling = camera->position(camera->fillingId);
    const int active = filling >= 0 ? filling : (last + 1) % int(seq.size());
    if (number)
        *number = active + 1;
    if (memory)
        *memory = camera->memories[seq[size_t(active)]].memory;
    if (lastMemory)
        *lastMemory = last >= 0 ? camera->memories[camera->lastFilledId].memory : nullptr;
    return call.done(VY_SUCCESS);
}

} // extern "C"

namespace {

// The sequence buffer named by its 1-based number, or by its memory when number is -1.
int32_t sequenceBuffer(vysim::SimCamera &camera, int32_t number, const char *memory,
                       int32_t *memoryId)
{
    const auto &seq = camera.sequence;
    if (number == VY_IGNORE_PARAMETER) {
        for (int32_t id : seq) {
            if (memory && camera.memories[id].memory == memory) {
                *memoryId = id;
                return VY_SUCCESS;
            }
        }
        return VY_INVALID_MEMORY_POINTER;
    }
    if (number < 1 || size_t(number) > seq.size())
        return VY_INVALID_PARAMETER;
    *memoryId = seq[size_t(number - 1)];
    return VY_SUCCESS;
}

} // namespace

extern "C" {

VYAPI int32_t vy_LockSeqBuf(VY_HCAM hCam, int32_t number, char *memory)
{
    VYSIM_ENTER(call, "vy_LockSeqBuf", hCam, uint32_t(number), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::unique_lock<std::mutex> lock(camera->mutex);
    int32_t id = 0;
    code = sequenceBuffer(*camera, number, memory, &id);
    if (code != VY_SUCCESS)
        return call.done(code);
    // A buffer being written is locked once its frame is complete.
    camera->waitNotBusy(lock, id);
    if (!camera->memories.count(id))
        return call.done(VY_INVALID_MEMORY_POINTER);
    camera->locked.insert(id);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_UnlockSeqBuf(VY_HCAM hCam, int32_t number, char *memory)
{
    VYSIM_ENTER(call, "vy_UnlockSeqBuf", hCam, uint32_t(number), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    int32_t id = 0;
    code = sequenceBuffer(*camera, number, memory, &id);
    if (code != VY_SUCCESS)
        return call.done(code);
    camera->locked.erase(id);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetPixelClock(VY_HCAM hCam, int32_t clock)
{
    VYSIM_ENTER(call, "vy_SetPixelClock", hCam, uint32_t(clock), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    if (clock == VY_GET_PIXEL_CLOCK)
        return call.quiet(camera->timing.clock());
    if (clock == VY_GET_DEFAULT_PIXEL_CLOCK)
        return call.quiet(camera->timing.clockDefault());
    if (!camera->timing.setClock(clock))
        return call.fail(VY_INVALID_PARAMETER, "The pixel clock is outside its range");
    camera->timingChanged();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetPixelClockRange(VY_HCAM hCam, int32_t *min, int32_t *max)
{
    VYSIM_ENTER(call, "vy_GetPixelClockRange", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    if (!min || !max)
        return call.done(VY_INVALID_PARAMETER);
    std::lock_guard<std::mutex> lock(camera->mutex);
    *min = camera->timing.clockMin();
    *max = camera->timing.clockMax();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetFrameTimeRange(VY_HCAM hCam, double *min, double *max, double *interval)
{
    VYSIM_ENTER(call, "vy_GetFrameTimeRange", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    if (!min || !max || !interval)
        return call.done(VY_INVALID_PARAMETER);
    std::lock_guard<std::mutex> lock(camera->mutex);
    *min = camera->timing.minFrameTime();
    *max = camera->timing.maxFrameTime();
    *interval = camera->timing.lineTime();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetFrameRate(VY_HCAM hCam, double fps, double *newFps)
{
    VYSIM_ENTER(call, "vy_SetFrameRate", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    if (!newFps || std::isnan(fps) || fps < 0)
        return call.done(VY_INVALID_PARAMETER);
    std::lock_guard<std::mutex> lock(camera->mutex);
    *newFps = camera->timing.setFrameRate(fps);
    camera->timingChanged();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetFramesPerSecond(VY_HCAM hCam, double *fps)
{
    VYSIM_ENTER(call, "vy_GetFramesPerSecond", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    if (!fps)
        return call.done(VY_INVALID_PARAMETER);
    std::lock_guard<std::mutex> lock(camera->mutex);
    const auto &d = camera->deliveries;
    if (!camera->live) {
        *fps = 0.0;
    } else if (d.size() < 2) {
        // Until two frames have arrived, the rate the camera was set to.
        *fps = camera->timing.frameRate();
    } else {
        const double span = std::chrono::duration<double>(d.back() - d.front()).count();
        *fps = span > 0 ? double(d.size() - 1) / span : camera->timing.frameRate();
    }
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetExposureRange(VY_HCAM hCam, double *min, double *max, double *interval)
{
    VYSIM_ENTER(call, "vy_GetExposureRange", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    if (!min || !max || !interval)
        return call.done(VY_INVALID_PARAMETER);
    std::lock_guard<std::mutex> lock(camera->mutex);
    *min = camera->timing.minExposure();
    *max = camera->timing.maxExposure();
    *interval = camera->timing.exposureStep();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetExposureTime(VY_HCAM hCam, double exposure, double *newExposure)
{
    VYSIM_ENTER(call, "vy_SetExposureTime", hCam, 0, nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    if (exposure == VY_GET_EXPOSURE_TIME) {
        if (!newExposure)
            return call.done(VY_INVALID_PARAMETER);
        *newExposure = camera->timing.exposure();
        return call.done(VY_SUCCESS);
    }
    if (std::isnan(exposure) || exposure < 0)
        return call.done(VY_INVALID_PARAMETER);
    const double actual = camera->timing.setExposure(exposure);
    if (newExposure)
        *newExposure = actual;
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetHardwareGain(VY_HCAM hCam, int32_t master, int32_t red, int32_t green,
                                 int32_t blue)
{
    VYSIM_ENTER(call, "vy_SetHardwareGain", hCam, uint32_t(master), nullptr, 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    std::lock_guard<std::mutex> lock(camera->mutex);
    if (master == VY_GET_MASTER_GAIN)
        return call.quiet(camera->gainMaster);
    auto valid = [](int32_t g) { return g == VY_IGNORE_PARAMETER || (g >= 0 && g <= 100); };
    if (!valid(master) || !valid(red) || !valid(green) || !valid(blue))
        return call.fail(VY_INVALID_PARAMETER, "Gains lie between 0 and 100");
    auto apply = [](int32_t g, int32_t &target) {
        if (g != VY_IGNORE_PARAMETER)
            target = g;
    };
    apply(master, camera->gainMaster);
    apply(red, camera->gainRed);
    apply(green, camera->gainGreen);
    apply(blue, camera->gainBlue);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_LoadParameters(VY_HCAM hCam, const char *fileName)
{
    VYSIM_ENTER(call, "vy_LoadParameters", hCam, 0, fileName,
                fileName ? uint32_t(std::strlen(fileName) + 1) : 0);
    int32_t code;
    auto camera = openCamera(hCam, &code);
    if (!camera)
        return call.done(code);
    // The simulator keeps no parameter sets: the camera's stored set or a readable file is
    // accepted and changes nothing.
    if (fileName && !QFileInfo(QString::fromLocal8Bit(fileName)).isReadable())
        return call.fail(VY_FILE_OPEN_ERROR, "The parameter file cannot be read");
    return call.done(VY_SUCCESS);
}

// ---- Test controls ----

VYAPI int32_t vysim_hot_pixels(uint32_t deviceId, VYSIM_HOT_PIXEL *pixels, uint32_t capacity,
                               uint32_t *count)
{
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return VY_CAMERA_NOT_FOUND;
    const auto model = vysim::sensorModelFor(f);
    const auto &hot = model->hotPixels();
    if (count)
        *count = uint32_t(hot.size());
    if (!pixels && capacity)
        return VY_INVALID_PARAMETER;
    int n = vysim::fieldInt(f, "factoryHotPixelCount");
    if (n < 0)
        n = int(hot.size() / 4);
    for (uint32_t i = 0; i < capacity && i < hot.size(); ++i) {
        pixels[i].x = hot[i].x;
        pixels[i].y = hot[i].y;
        pixels[i].level = hot[i].level;
        pixels[i].factory = i < uint32_t(n) ? 1 : 0;
        pixels[i].reserved = 0;
    }
    return capacity >= hot.size() ? VY_SUCCESS : VY_BUFFER_TOO_SMALL;
}

VYAPI int32_t vysim_sensor_frame(uint32_t deviceId, uint32_t index, void *buffer, uint32_t size)
{
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return VY_CAMERA_NOT_FOUND;
    const auto model = vysim::sensorModelFor(f);
    const vysim::SensorConfig &c = model->config();
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (uint64_t(size) < uint64_t(c.width) * c.height)
        return VY_BUFFER_TOO_SMALL;
    model->render(index, {0, 0, c.width, c.height}, f.value(QLatin1String("lit")).toBool(),
                  static_cast<uint8_t *>(buffer), c.width, c.width, c.height);
    return VY_SUCCESS;
}

VYAPI int32_t vysim_frame_index(VY_HCAM hCam, const char *memory, int64_t *index)
{
    auto camera = simCamera(hCam);
    if (!camera)
        return VY_INVALID_HANDLE;
    if (!index)
        return VY_INVALID_PARAMETER;
    std::lock_guard<std::mutex> lock(camera->mutex);
    if (!memory) {
        *index = camera->lastFrameIndex;
    } else {
        *index = -1;
        bool found = false;
        for (const auto &m : camera->memories) {
            if (m.second.memory == memory) {
                *index = m.second.frameIndex;
                found = true;
            }
        }
        if (!found)
            return VY_INVALID_MEMORY_POINTER;
    }
    return *index < 0 ? VY_NO_DATA : VY_SUCCESS;
}

} // extern "C"

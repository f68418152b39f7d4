// simcamera.cpp: an open camera's state and its capture thread.
#include "sdk/sim/simcamera.h"

#include "sdk/sim/cameraregistry.h"
#include "sdk/sim/sensorfields.h"
#include "sdk/sim/simcore.h"

#include <algorithm>
#include <new>

namespace vysim {

namespace {

// The largest single image buffer handed out; beyond it vy_AllocImageMem answers out of memory.
constexpr uint64_t MaxImageBytes = uint64_t(1) << 30;
// Frames over which the delivered frame rate is measured.
constexpr size_t FpsWindow = 16;
// How long the capture thread waits for a real camera's frame before it looks for a stop.
constexpr int SourceWaitMs = 200;

} // namespace

SimCamera::SimCamera(VY_HCAM handle, uint32_t deviceId, const QJsonObject &fields,
                     std::unique_ptr<FrameSource> source)
    : m_handle(handle), m_deviceId(deviceId), m_model(CameraRegistry::instance().model(fields)),
      m_timing(timingFor(fields)), m_colorMode(isBayer(fields) ? VY_CM_BAYER_RG8 : VY_CM_MONO8),
      m_source(std::move(source))
{
    m_aoi = {0, 0, m_model->config().width, m_model->config().height};
}

SimCamera::~SimCamera()
{
    stopCapture();
}

// ---- Sensor controls ----

int32_t SimCamera::colorMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_colorMode;
}

int32_t SimCamera::setColorMode(int32_t mode)
{
    if (mode != VY_CM_RGB32 && mode != VY_CM_MONO8 && mode != VY_CM_BAYER_RG8)
        return VY_INVALID_PARAMETER;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_live)
        return VY_CAPTURE_RUNNING;
    // A monochrome sensor has no Bayer pattern: its raw data is the 8-bit grey image.
    if (mode == VY_CM_BAYER_RG8 && !m_model->config().bayer)
        mode = VY_CM_MONO8;
    m_colorMode = mode;
    return VY_SUCCESS;
}

Area SimCamera::aoi() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_aoi;
}

int32_t SimCamera::setAoi(const Area &area)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_live)
        return VY_CAPTURE_RUNNING;
    m_aoi = area;
    m_timing.setArea(area.width, area.height);
    timingChanged();
    return VY_SUCCESS;
}

int32_t SimCamera::masterGain() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_gainMaster;
}

void SimCamera::setGains(int32_t master, int32_t red, int32_t green, int32_t blue)
{
    auto apply = [](int32_t gain, int32_t &target) {
        if (gain != VY_IGNORE_PARAMETER)
            target = gain;
    };
    if (m_source && master != VY_IGNORE_PARAMETER)
        m_source->setGain(master);
    std::lock_guard<std::mutex> lock(m_mutex);
    apply(master, m_gainMaster);
    apply(red, m_gainRed);
    apply(green, m_gainGreen);
    apply(blue, m_gainBlue);
}

// ---- Timing ----

TimingModel SimCamera::timing() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timing;
}

bool SimCamera::setPixelClock(int32_t mhz)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_timing.setClock(mhz))
        return false;
    timingChanged();
    return true;
}

double SimCamera::setFrameRate(double fps)
{
    if (m_source) {
        const double actual = m_source->setFrameRate(fps);
        std::lock_guard<std::mutex> lock(m_mutex);
        timingChanged();
        return actual;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    const double actual = m_timing.setFrameRate(fps);
    timingChanged();
    return actual;
}

double SimCamera::exposure() const
{
    if (m_source)
        return m_source->exposure();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timing.exposure();
}

double SimCamera::setExposure(double ms)
{
    if (m_source)
        return m_source->setExposure(ms);
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timing.setExposure(ms);
}

void SimCamera::exposureRange(double *min, double *max, double *step) const
{
    if (m_source) {
        m_source->exposureRange(min, max);
        *step = 0.001; // a microsecond, the unit of the standard feature
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    *min = m_timing.minExposure();
    *max = m_timing.maxExposure();
    *step = m_timing.exposureStep();
}

void SimCamera::frameTimeRange(double *min, double *max, double *interval) const
{
    if (m_source) {
        double minFps = 0, maxFps = 0;
        m_source->frameRateRange(&minFps, &maxFps);
        *min = maxFps > 0 ? 1.0 / maxFps : 0.0;
        *max = minFps > 0 ? 1.0 / minFps : 0.0;
        *interval = 0.000001;
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    *min = m_timing.minFrameTime();
    *max = m_timing.maxFrameTime();
    *interval = m_timing.lineTime();
}

double SimCamera::framesPerSecond() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto &d = m_deliveries;
    if (!m_live)
        return 0.0;
    // Until two frames have arrived, the rate the camera was set to.
    const double set = m_source ? m_source->frameRate() : m_timing.frameRate();
    if (d.size() < 2)
        return set;
    const double span = std::chrono::duration<double>(d.back() - d.front()).count();
    return span > 0 ? double(d.size() - 1) / span : set;
}

// ---- Image memory and sequence ----

int32_t SimCamera::allocate(int32_t width, int32_t height, int32_t bitsPerPixel, char **memory,
                            int32_t *memoryId)
{
    if (!memory || !memoryId || width <= 0 || height <= 0 ||
        (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32))
        return VY_INVALID_PARAMETER;
    // Computed in 64 bits: with a 32-bit size_t, 65536 x 65536 x 4 would wrap to an empty buffer.
    const uint64_t wanted = uint64_t(width) * uint64_t(height) * uint64_t(bitsPerPixel / 8);
    if (wanted > MaxImageBytes)
        return VY_OUT_OF_MEMORY;
    const size_t bytes = size_t(wanted);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[bytes]());
    if (!buffer)
        return VY_OUT_OF_MEMORY;
    char *const m = buffer.get();
    std::lock_guard<std::mutex> lock(m_mutex);
    *memoryId = m_images.add(std::move(buffer), uint32_t(width), uint32_t(height),
                             uint32_t(bitsPerPixel), bytes);
    *memory = m;
    return VY_SUCCESS;
}

int32_t SimCamera::release(const char *memory, int32_t memoryId)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_images.find(memoryId, memory))
        return VY_INVALID_MEMORY_POINTER;
    waitNotBusy(lock, memoryId);
    if (!m_images.buffer(memoryId))
        return VY_INVALID_MEMORY_POINTER;
    m_images.remove(memoryId);
    return VY_SUCCESS;
}

int32_t SimCamera::addToSequence(const char *memory, int32_t memoryId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_images.find(memoryId, memory))
        return VY_INVALID_MEMORY_POINTER;
    return m_images.append(memoryId) ? VY_SUCCESS : VY_INVALID_PARAMETER;
}

int32_t SimCamera::clearSequence()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_live)
        return VY_CAPTURE_RUNNING;
    m_changed.wait(lock, [this] { return !m_images.isFilling(); });
    m_images.clear();
    return VY_SUCCESS;
}

int32_t SimCamera::activeBuffer(int32_t *number, char **memory, char **lastMemory)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_images.active(number, memory, lastMemory) ? VY_SUCCESS : VY_NO_IMAGE_MEMORY;
}

int32_t SimCamera::lockBuffer(int32_t number, const char *memory)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    int32_t id = 0;
    const int32_t code = m_images.idOf(number, memory, &id);
    if (code != VY_SUCCESS)
        return code;
    // A buffer being written is locked once its frame is complete.
    waitNotBusy(lock, id);
    if (!m_images.buffer(id))
        return VY_INVALID_MEMORY_POINTER;
    m_images.lock(id);
    return VY_SUCCESS;
}

int32_t SimCamera::unlockBuffer(int32_t number, const char *memory)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int32_t id = 0;
    const int32_t code = m_images.idOf(number, memory, &id);
    if (code != VY_SUCCESS)
        return code;
    m_images.unlock(id);
    return VY_SUCCESS;
}

int32_t SimCamera::frameIndex(const char *memory, int64_t *index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!memory) {
        *index = m_lastFrameIndex;
    } else {
        const ImageMemory *m = m_images.bufferAt(memory);
        *index = m ? m->frameIndex : -1;
        if (!m)
            return VY_INVALID_MEMORY_POINTER;
    }
    return *index < 0 ? VY_NO_DATA : VY_SUCCESS;
}

void SimCamera::waitNotBusy(std::unique_lock<std::mutex> &lock, int32_t memoryId)
{
    m_changed.wait(lock, [&] { return !m_images.isBusy(memoryId); });
}

// ---- Hot pixel correction ----

uint32_t SimCamera::correctionMode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_correctionMode;
}

void SimCamera::setCorrectionMode(uint32_t mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_correctionMode = mode;
}

bool SimCamera::softwareList(std::vector<PixelPos> *list) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *list = m_softwareList;
    return m_softwareListExists;
}

void SimCamera::setSoftwareList(std::vector<PixelPos> list)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_softwareList = std::move(list);
    m_softwareListExists = true;
}

// ---- Capture ----

int32_t SimCamera::startCapture(bool liveCapture, bool wait)
{
    std::lock_guard<std::mutex> serial(m_control);
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_gone)
        return VY_IO_REQUEST_FAILED;
    if (m_live)
        return liveCapture ? VY_SUCCESS : VY_CAPTURE_RUNNING;
    if (m_images.isEmpty())
        return VY_NO_IMAGE_MEMORY;
    // A single frame from an earlier freeze may still be on its way out.
    if (m_thread.joinable()) {
        lock.unlock();
        m_thread.join();
        lock.lock();
    }
    if (m_source && !m_source->start())
        return VY_IO_REQUEST_FAILED;
    m_live = liveCapture;
    m_stopRequested = false;
    m_deliveries.clear();
    const uint64_t before = m_attempts;
    m_thread = std::thread(&SimCamera::run, this);
    if (!wait)
        return VY_SUCCESS;
    const double frameTime =
        m_source ? 1.0 / std::max(m_source->frameRate(), 0.1) : m_timing.frameTime();
    const auto limit = std::chrono::duration<double>(3 * frameTime + 2.0);
    const bool done = m_changed.wait_for(lock, limit, [&] { return m_attempts > before; });
    return done ? VY_SUCCESS : VY_TIMED_OUT;
}

void SimCamera::stopCapture()
{
    std::lock_guard<std::mutex> serial(m_control);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_live = false;
        m_stopRequested = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    if (m_source)
        m_source->stop();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stopRequested = false;
}

void SimCamera::setGone(bool nowGone)
{
    if (nowGone) {
        bool wasLive;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            wasLive = m_live;
        }
        stopCapture();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_gone = true;
        m_resumeLive = wasLive;
        return;
    }
    bool resume;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_gone = false;
        resume = m_resumeLive;
        m_resumeLive = false;
    }
    // A reconnected camera goes on with the live capture it had, as the driver restores it.
    if (resume)
        startCapture(true, false);
}

void SimCamera::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    auto next = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double>(m_timing.frameTime()));
    for (;;) {
        // A real camera sets the pace itself: its source waits for each frame.
        if (m_source ? m_stopRequested
                     : m_changed.wait_until(lock, next, [this] { return m_stopRequested; }))
            break;
        produceFrame(lock);
        if (!m_live || m_stopRequested)
            break;
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(m_timing.frameTime()));
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
    if (m_source) {
        // The AOI changes only while not live.
        const Area area = m_aoi;
        lock.unlock();
        m_sourceFrame.resize(size_t(area.width) * area.height);
        const bool got = m_source->read(area, m_sourceFrame.data(), area.width, area.width,
                                        area.height, SourceWaitMs);
        lock.lock();
        if (!got || m_stopRequested)
            return;
    }
    lock.unlock();
    const QJsonObject fields = deviceFields(m_deviceId);
    lock.lock();
    if (fields.isEmpty() || m_stopRequested)
        return;
    const uint64_t index = m_nextFrameIndex++;
    ++m_attempts;
    const int failEvery = fieldInt(fields, "captureFailureEvery");
    bool failed = failEvery > 0 && (index + 1) % uint64_t(failEvery) == 0;

    int32_t targetId = 0;
    if (!failed) {
        targetId = m_images.nextTarget();
        if (targetId == 0) {
            // Every buffer is locked: the frame is lost, as on a camera whose ring is full.
            m_changed.notify_all();
            return;
        }
    }
    const ImageMemory *target = failed ? nullptr : m_images.buffer(targetId);
    if (target)
        failed = target->bitsPerPixel != FrameWriter::bitsPerPixel(m_colorMode);
    if (failed) {
        m_changed.notify_all();
        lock.unlock();
        signalEvent(m_handle, VY_EVENT_CAPTURE_STATUS);
        lock.lock();
        return;
    }

    m_images.beginFill(targetId);
    FrameJob job;
    job.index = index;
    job.area = m_aoi;
    job.lit = fields.value(QLatin1String("lit")).toBool();
    job.colorMode = m_colorMode;
    if (m_correctionMode == VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION) {
        job.corrected = factoryList(fields, *m_model);
        const auto user = userList(fields);
        job.corrected.insert(job.corrected.end(), user.begin(), user.end());
    } else if (m_correctionMode == VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION) {
        job.corrected = m_softwareList;
    }
    job.source = m_source ? m_sourceFrame.data() : nullptr;
    job.memory = target->memory.get();
    job.bufferWidth = target->width;
    job.columns = std::min(job.area.width, target->width);
    job.rows = std::min(job.area.height, target->height);
    lock.unlock();

    m_writer.write(*m_model, job);

    lock.lock();
    m_images.endFill(targetId, int64_t(index));
    m_lastFrameIndex = int64_t(index);
    m_deliveries.push_back(Clock::now());
    while (m_deliveries.size() > FpsWindow)
        m_deliveries.pop_front();
    m_changed.notify_all();
    lock.unlock();
    signalEvent(m_handle, VY_EVENT_FRAME);
    lock.lock();
}

} // namespace vysim

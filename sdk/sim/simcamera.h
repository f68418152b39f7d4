// simcamera.h: one open camera of the simulator: sensor controls, timing, image memory, the
// capture thread and hot pixel correction.
#ifndef SDK_SIM_SIMCAMERA_H
#define SDK_SIM_SIMCAMERA_H

#include "sdk/sim/framesource.h"
#include "sdk/sim/framewriter.h"
#include "sdk/sim/imagesequence.h"
#include "sdk/sim/sensormodel.h"
#include "sdk/sim/timingmodel.h"
#include "sdk/vyro_api.h"

#include <QJsonObject>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace vysim {

// Every method is thread-safe. Those answering an int32_t answer the SDK code of the operation.
// Live capture runs on a thread of its own that renders each frame without holding the lock,
// into a buffer marked busy; freeing, locking or clearing such a buffer waits for its frame.
class SimCamera final
{
public:
    // With a source, the camera stands for a real one: frames and controls are the source's.
    SimCamera(VY_HCAM handle, uint32_t deviceId, const QJsonObject &fields,
              std::unique_ptr<FrameSource> source = nullptr);
    ~SimCamera();
    SimCamera(const SimCamera &) = delete;
    SimCamera &operator=(const SimCamera &) = delete;

    VY_HCAM handle() const { return m_handle; }
    uint32_t deviceId() const { return m_deviceId; }
    // Immutable, so it is read without the lock.
    const SensorModel &model() const { return *m_model; }

    // Sensor controls. The colour mode and the area change only while not live.
    int32_t colorMode() const;
    // VY_CM_RGB32, VY_CM_MONO8 or VY_CM_BAYER_RG8, which a mono sensor takes as VY_CM_MONO8.
    int32_t setColorMode(int32_t mode);
    Area aoi() const;
    // The area must lie on the sensor; the timing follows it.
    int32_t setAoi(const Area &area);
    int32_t masterGain() const;
    // Gains 0..100; VY_IGNORE_PARAMETER leaves one as it is.
    void setGains(int32_t master, int32_t red, int32_t green, int32_t blue);

    // Timing. A change forgets the measured frame rate.
    TimingModel timing() const;
    bool setPixelClock(int32_t mhz);
    double setFrameRate(double fps);
    double exposure() const;
    double setExposure(double ms);
    // Milliseconds.
    void exposureRange(double *min, double *max, double *step) const;
    // Seconds.
    void frameTimeRange(double *min, double *max, double *interval) const;
    // Measured over the last frames delivered; 0 when not live.
    double framesPerSecond() const;

    // Image memory and the capture sequence.
    int32_t allocate(int32_t width, int32_t height, int32_t bitsPerPixel, char **memory,
                     int32_t *memoryId);
    int32_t release(const char *memory, int32_t memoryId);
    // VY_INVALID_PARAMETER when the buffer is already in the sequence.
    int32_t addToSequence(const char *memory, int32_t memoryId);
    int32_t clearSequence();
    int32_t activeBuffer(int32_t *number, char **memory, char **lastMemory);
    // A buffer named by its 1-based number, or by its memory with VY_IGNORE_PARAMETER.
    int32_t lockBuffer(int32_t number, const char *memory);
    int32_t unlockBuffer(int32_t number, const char *memory);
    // The frame a buffer holds (null: the last frame delivered).
    int32_t frameIndex(const char *memory, int64_t *index);

    // Starts live capture or a single frame; with wait, returns once the first frame is done.
    int32_t startCapture(bool live, bool wait);
    // Ends capture and waits for the capture thread.
    void stopCapture();
    // The open camera's device left (true) or came back (false).
    void setGone(bool gone);

    // Hot pixel correction of delivered frames.
    uint32_t correctionMode() const;
    void setCorrectionMode(uint32_t mode);
    // False while no software list was set.
    bool softwareList(std::vector<PixelPos> *list) const;
    void setSoftwareList(std::vector<PixelPos> list);

private:
    using Clock = std::chrono::steady_clock;

    void run();
    void produceFrame(std::unique_lock<std::mutex> &lock);
    // Waits, with m_mutex held by lock, until the buffer is not being written.
    void waitNotBusy(std::unique_lock<std::mutex> &lock, int32_t memoryId);
    void timingChanged() { m_deliveries.clear(); }

    const VY_HCAM m_handle;
    const uint32_t m_deviceId;
    const std::shared_ptr<const SensorModel> m_model;

    // Serialises starting and stopping capture and protects m_thread. Held while joining the
    // capture thread, which never takes it.
    std::mutex m_control;
    std::thread m_thread;

    // Protects every member below it; the capture thread releases it while it renders.
    mutable std::mutex m_mutex;
    // Signalled when a buffer is no longer busy, a frame was delivered, or a stop is requested.
    std::condition_variable m_changed;

    TimingModel m_timing;
    int32_t m_colorMode;
    Area m_aoi;
    int32_t m_gainMaster = 0;
    int32_t m_gainRed = 0;
    int32_t m_gainGreen = 0;
    int32_t m_gainBlue = 0;

    ImageSequence m_images;
    uint64_t m_nextFrameIndex = 0;
    int64_t m_lastFrameIndex = -1;
    uint64_t m_attempts = 0; // frames the sensor produced (delivered, failed or dropped)
    std::deque<Clock::time_point> m_deliveries;

    bool m_live = false;
    bool m_stopRequested = false;
    bool m_gone = false;
    bool m_resumeLive = false;

    uint32_t m_correctionMode = VY_HOTPIXEL_DISABLE_CORRECTION;
    bool m_softwareListExists = false;
    std::vector<PixelPos> m_softwareList;

    // Used by the capture thread only.
    FrameWriter m_writer;
    std::vector<uint8_t> m_sourceFrame;

    // Set at construction; its controls are used without m_mutex (it serialises them).
    const std::unique_ptr<FrameSource> m_source;
};

} // namespace vysim

#endif // SDK_SIM_SIMCAMERA_H

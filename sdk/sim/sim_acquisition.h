// sim_acquisition.h: the state of one open camera in the simulator (sensor, timing, image
// memory, capture sequence, capture thread, hot pixel correction), shared by the acquisition
// and hot pixel calls.
#ifndef SDK_SIM_SIM_ACQUISITION_H
#define SDK_SIM_SIM_ACQUISITION_H

#include "sdk/sim/sensormodel.h"
#include "sdk/sim/timingmodel.h"
#include "sdk/vyro_api.h"

#include <QJsonObject>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace vysim {

// One buffer of vy_AllocImageMem.
struct ImageMemory
{
    char *memory = nullptr;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bitsPerPixel = 0;
    size_t size = 0;
    bool busy = false;       // the capture thread is writing into it
    int64_t frameIndex = -1; // the frame it holds
};

class SimCamera final
{
public:
    SimCamera(VY_HCAM handle, uint32_t deviceId, const QJsonObject &fields);
    ~SimCamera();
    SimCamera(const SimCamera &) = delete;
    SimCamera &operator=(const SimCamera &) = delete;

    // Starts live capture or a single frame; with wait, returns once the first frame is done.
    int32_t startCapture(bool live, bool wait);
    // Ends capture and waits for the capture thread.
    void stopCapture();
    // The open camera's device left (true) or came back (false).
    void setGone(bool gone);

    const VY_HCAM handle;
    const uint32_t deviceId;
    const std::shared_ptr<const SensorModel> model;
    const uint16_t sensorId;
    const std::string sensorName;
    const uint8_t bayerStart;
    const uint16_t pixelSize;
    const bool globalShutter;

    // Serialises starting and stopping capture (held while joining the capture thread, which
    // never takes it).
    std::mutex control;

    // Protects every member below; the capture thread releases it while it renders.
    std::mutex mutex;
    // Signalled when a buffer is no longer busy, a frame was delivered, or a stop is requested.
    std::condition_variable changed;

    TimingModel timing;
    int32_t colorMode;
    Area aoi;
    int32_t gainMaster = 0, gainRed = 0, gainGreen = 0, gainBlue = 0;

    std::map<int32_t, ImageMemory> memories; // by memory ID
    int32_t nextMemoryId = 1;
    std::vector<int32_t> sequence; // memory IDs in sequence order
    std::set<int32_t> locked;
    int32_t lastFilledId = 0; // memory ID of the last completed frame, 0 when none
    int32_t fillingId = 0;    // memory ID being written, 0 when none
    uint64_t nextFrameIndex = 0;
    int64_t lastFrameIndex = -1;
    uint64_t attempts = 0; // frames the sensor produced (delivered, failed or dropped)
    std::deque<std::chrono::steady_clock::time_point> deliveries;

    bool live = false;
    bool stopRequested = false;
    bool gone = false;
    bool resumeLive = false;

    uint32_t correctionMode = VY_HOTPIXEL_DISABLE_CORRECTION;
    bool softwareListExists = false;
    std::vector<PixelPos> softwareList;

    // Waits (with the mutex held by lock) until the buffer at the position is not being
    // written.
    void waitNotBusy(std::unique_lock<std::mutex> &lock, int32_t memoryId);
    // Position of a memory ID in the sequence, -1 when it is not in it.
    int position(int32_t memoryId) const;
    // Forgets the measured frame rate (after a change of timing).
    void timingChanged() { deliveries.clear(); }

private:
    void run();
    void produceFrame(std::unique_lock<std::mutex> &lock);

    std::thread m_thread;
    std::vector<uint8_t> m_scratch; // raw frame before conversion to RGB32
};

// The state of an open handle, created on first use; null when the handle is not open (or its
// device was never seen).
std::shared_ptr<SimCamera> simCamera(VY_HCAM handle);

// The sensor model of a device's fields; models are cached by their configuration.
std::shared_ptr<const SensorModel> sensorModelFor(const QJsonObject &fields);

// The device's hot pixel lists as stored in its EEPROM (fields of the world): the factory list
// (the first factoryHotPixelCount true hot pixels, then the explicit factoryHotPixels) and the
// user list. Entries that are not [x, y] pairs on the sensor are skipped.
std::vector<PixelPos> factoryList(const QJsonObject &fields, const SensorModel &model);
std::vector<PixelPos> userList(const QJsonObject &fields);
// Positions of a [[x, y], ...] array that lie on a sensor of the size.
std::vector<PixelPos> pixelArray(const QJsonObject &fields, const char *name, uint32_t width,
                                 uint32_t height);

} // namespace vysim

#endif // SDK_SIM_SIM_ACQUISITION_H

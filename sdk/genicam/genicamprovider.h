// genicamprovider.h: GigE Vision and USB3 Vision cameras as the SDK's vision-standard devices.
#ifndef SDK_GENICAM_GENICAMPROVIDER_H
#define SDK_GENICAM_GENICAMPROVIDER_H

#include "sdk/genicam/standardcamera.h"
#include "sdk/sim/deviceprovider.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace vysim {
class SimEngine;
}

namespace vygenicam {

// Looks for standard cameras on a thread of its own, every few seconds, and hands them to the
// engine, which lists them beside the simulated world. Writes go to the camera, or for the hot
// pixel list to the host (HostPixelList).
class GenicamProvider final : public vysim::DeviceProvider
{
public:
    // Starts the provider unless VYRO_GENICAM is "0". Called once, by the engine.
    static void start(vysim::SimEngine &engine);
    // Until the first search has ended (at most a few seconds), waits for it: a program that
    // lists the cameras once at start finds the real ones too.
    static void waitForFirstSearch();

    int32_t setFields(uint32_t deviceId, const QJsonObject &fields, QString *problem) override;
    std::unique_ptr<vysim::FrameSource> openSource(uint32_t deviceId) override;

private:
    explicit GenicamProvider(vysim::SimEngine &engine);
    ~GenicamProvider() override = default;
    static void stopAtExit();

    void run();
    void search();
    void publish();

    vysim::SimEngine &m_engine;
    // Serialises Aravis's device access: a search and an open never meet on one camera.
    std::mutex m_aravis;
    std::mutex m_publishing;

    // Protects everything below.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<uint32_t, StandardCamera> m_cameras; // by device ID
    std::map<QString, uint32_t> m_ids;            // serial number → device ID, kept for the run
    std::set<uint32_t> m_open;                    // held by this process
    bool m_searched = false;
    std::atomic<bool> m_firstSearchDone{false}; // m_searched, read without the lock
    std::atomic<bool> m_stopped{false};         // the thread was ended at exit
    bool m_stopping = false;
    std::thread m_thread;

    static GenicamProvider *m_instance;
};

} // namespace vygenicam

#endif // SDK_GENICAM_GENICAMPROVIDER_H

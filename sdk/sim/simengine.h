// simengine.h: the simulator of this process: the in-memory world kept in step with the shared
// state directory, the open handles, the last errors and the driver events that changes raise.
#ifndef SDK_SIM_SIMENGINE_H
#define SDK_SIM_SIMENGINE_H

#include "sdk/sim/deviceprovider.h"
#include "sdk/sim/eventtable.h"
#include "sdk/sim/sharedstate.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simworld.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

namespace vysim {

class SimEngine final
{
public:
    // Created on first use, with the process's first SDK or control call; lives until exit.
    static SimEngine &instance();

    // ---- World, served from memory ----
    std::vector<uint32_t> deviceIds();
    QJsonObject deviceFields(uint32_t deviceId);
    QJsonObject driverFields();
    QJsonObject worldJson();
    uint32_t libraryVersion();
    std::vector<VY_CAMERA_LIST_ENTRY> cameraList();
    // VY_CAMERA_NOT_FOUND, the device's deviceInfoResult, or VY_SUCCESS with *info filled.
    int32_t deviceInfo(uint32_t deviceId, VY_DEVICE_INFO *info);
    // 1 in use, 0 free, -1 not listed.
    int inUse(uint32_t deviceId);

    // ---- Changes of the shared world; the result is an SDK code, *problem says why ----
    int32_t setDeviceFields(uint32_t deviceId, const QJsonObject &fields, QString *problem);
    int32_t setDriverFields(const QJsonObject &fields, QString *problem);
    int32_t plug(const QJsonObject &device, QString *problem);
    int32_t unplug(uint32_t deviceId, QString *problem);
    int32_t loadWorld(const QByteArray &json, const QString &source, QString *problem);
    int32_t reset(QString *problem);
    static int32_t checkWorld(const QByteArray &json, QString *problem);
    // Reads the shared state and the device locks now (what the poll thread does).
    void sync();
    QString stateDirectory() const { return m_state.directory(); }

    // ---- Real cameras beside the simulated world ----
    // The provider's devices as they are now (world fields each); a device whose ID the shared
    // world uses is left out. Raises the driver events a change of the world raises.
    void setExternalDevices(DeviceProvider *provider, const std::vector<QJsonObject> &devices);
    bool isExternal(uint32_t deviceId);
    // The frame source opened with an external device's handle, handed over once.
    std::unique_ptr<FrameSource> takeSource(VY_HCAM handle);

    // ---- Handles ----
    int32_t open(VY_HCAM *handle);
    int32_t close(VY_HCAM handle);
    uint32_t deviceOfHandle(VY_HCAM handle);
    VY_HCAM handleOfDevice(uint32_t deviceId);
    uint32_t resolve(VY_HCAM handleOrAddress);
    std::vector<OpenCamera> openCameras();
    // 0, an open handle, or the unopened address of a listed device.
    bool isKnownHandle(VY_HCAM handle);
    int32_t firmwareUploadDuration(VY_HCAM handleOrAddress, int32_t *milliseconds);

    // ---- Errors ----
    void setLastError(VY_HCAM handle, int32_t code, const char *text);
    void lastError(VY_HCAM handle, int32_t *code, const char **text);

    // ---- Events and hooks ----
    EventTable &events() { return m_events; }
    void addHook(HandleHook hook);

private:
    SimEngine();
    ~SimEngine() = delete;
    SimEngine(const SimEngine &) = delete;
    SimEngine &operator=(const SimEngine &) = delete;

    struct Handle
    {
        uint32_t deviceId;
        int lockFd;
        bool deviceGone;
    };
    struct Pending // what a world change raises, delivered without locks held
    {
        std::vector<uint32_t> driverEvents;
        std::vector<std::pair<VY_HCAM, uint32_t>> cameraEvents;
        std::vector<std::tuple<HandleEvent, VY_HCAM, uint32_t>> hooks;
    };

    void start();
    void pollLoop();
    static void stopAtExit();
    bool readSource(QByteArray *json, QString *source, QString *problem) const;
    // A damaged or missing state at start: the previous generation written beside it, written
    // back as the state. False when there is none that is good.
    bool restorePrevious(const QString &problem, SharedState::State *state, SimWorld *world);
    // The state file vanished under a running program: its world is written again.
    void rewriteLocked(const QString &problem); // with m_refreshMutex held
    // Rewrites the shared state through change and applies the result here.
    int32_t modify(const std::function<bool(SimWorld &world, QString *problem)> &change,
                   QString *problem);
    int32_t modifyLocked(const std::function<bool(SimWorld &world, QString *problem)> &change,
                         QString *problem, Pending *pending);
    // With m_refreshMutex held. allLocks: every device's lock is looked at; else only those
    // that may have changed (see lockedDevices).
    void refreshLocked(Pending *pending, bool allLocks);
    // The devices other programs hold. This program's own open devices are left out: apply()
    // adds them as they are when it applies, so a close in between is not undone.
    std::set<uint32_t> lockedDevices(const std::vector<uint32_t> &deviceIds, bool allLocks);
    std::set<uint32_t> lockedDevices(const SimWorld &world); // every device's lock
    // Makes shared (with the real cameras) and the locks of others current, with this program's
    // open devices locked.
    void apply(const SimWorld &shared, const std::set<uint32_t> &locked, Pending *pending);
    void deliver(const Pending &pending);
    bool entryInUse(const SimDevice &d) const; // with m_mutex held

    SharedState m_state;
    EventTable m_events;

    std::mutex m_refreshMutex; // serialises reading and rewriting the shared state
    quint64 m_seenGeneration = 0;
    QString m_source; // the world file the state came from
    // A state file found unreadable (or missing), not looked at again until it changes.
    std::optional<SharedState::FileId> m_badFile;
    QString m_reported;              // the last problem with the state file told on stderr
    SharedState::FileId m_lockStamp; // as last seen
    size_t m_lockCursor = 0;         // the next device the poll looks at in turn

    std::mutex m_mutex; // protects m_world, m_locked, m_handles, m_nextHandle and m_errors
    SimWorld m_world;
    std::set<uint32_t> m_locked; // devices whose lock someone (this process too) holds
    std::map<VY_HCAM, Handle> m_handles;
    VY_HCAM m_nextHandle = 1;
    // Last errors per thread and handle, so that one thread's failing (or timed-out) call
    // never replaces the error another thread is about to read.
    std::map<std::pair<std::thread::id, VY_HCAM>, std::pair<int32_t, const char *>> m_errors;
    std::set<std::string> m_texts; // own error texts; never shrinks, so pointers stay valid

    DeviceProvider *m_provider = nullptr;                      // set once, lives on
    std::vector<SimDevice> m_external;                         // with m_mutex held
    std::map<VY_HCAM, std::unique_ptr<FrameSource>> m_sources; // with m_mutex held

    std::mutex m_hooksMutex; // protects m_hooks
    std::vector<HandleHook> m_hooks;

    std::mutex m_pollMutex; // protects m_stopping
    std::condition_variable m_pollWake;
    bool m_stopping = false;
    std::thread m_poller;

    static SimEngine *m_instance; // for stopAtExit
};

} // namespace vysim

#endif // SDK_SIM_SIMENGINE_H

// simtest.h: shared set-up of the simulator tests: a private state directory, the default
// world, and readers of the camera list.
#ifndef TESTS_SDK_SIMTEST_H
#define TESTS_SDK_SIMTEST_H

#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <vector>

namespace simtest {

// Points the simulator at a temporary state directory unless the test runner gave one, so
// that a test started by hand never touches the user's own simulator state. Call before the
// first SDK call.
inline void useOwnStateDirectory()
{
    static QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("VYRO_SIM_HOME"))
        qputenv("VYRO_SIM_HOME", dir.path().toLocal8Bit());
    qunsetenv("VYRO_SIM_WORLD");
}

inline void resetWorld()
{
    char message[256] = {};
    QCOMPARE(vysim_reset(message, sizeof message), VY_SUCCESS);
    vysim_clear_forced(nullptr);
    vysim_log_clear();
}

inline std::vector<VY_CAMERA_LIST_ENTRY> cameraList()
{
    int32_t n = 0;
    if (vy_GetNumberOfCameras(&n) != VY_SUCCESS || n <= 0)
        return {};
    std::vector<unsigned char> buffer(VY_CAMERA_LIST_SIZE(n));
    uint32_t count = uint32_t(n);
    std::memcpy(buffer.data(), &count, 4);
    if (vy_GetCameraList(reinterpret_cast<VY_CAMERA_LIST *>(buffer.data())) != VY_SUCCESS)
        return {};
    std::memcpy(&count, buffer.data(), 4);
    std::vector<VY_CAMERA_LIST_ENTRY> entries(count);
    std::memcpy(entries.data(), buffer.data() + 4, count * sizeof(VY_CAMERA_LIST_ENTRY));
    return entries;
}

inline bool listed(uint32_t deviceId)
{
    for (const auto &e : cameraList())
        if (e.deviceId == deviceId)
            return true;
    return false;
}

inline uint32_t listedInUse(uint32_t deviceId)
{
    for (const auto &e : cameraList())
        if (e.deviceId == deviceId)
            return e.inUse;
    return 0xFFFFFFFFu;
}

// Initialises and enables driver events on handle 0.
inline void enableEvents(VY_HCAM handle, std::initializer_list<uint32_t> ids)
{
    for (uint32_t id : ids) {
        VY_EVENT_INIT init = {id, 0, 0};
        QCOMPARE(vy_Event(handle, VY_EVENT_CMD_INIT, &init, sizeof init), VY_SUCCESS);
        QCOMPARE(vy_Event(handle, VY_EVENT_CMD_ENABLE, &id, sizeof id), VY_SUCCESS);
    }
}

inline void removeEvents(VY_HCAM handle, std::initializer_list<uint32_t> ids)
{
    for (uint32_t id : ids) {
        vy_Event(handle, VY_EVENT_CMD_DISABLE, &id, sizeof id);
        vy_Event(handle, VY_EVENT_CMD_EXIT, &id, sizeof id);
    }
}

// One wait; returns the SDK result and the signalled event in *signalled.
inline int32_t waitFor(VY_HCAM handle, std::vector<uint32_t> ids, uint32_t timeoutMs,
                       uint32_t *signalled)
{
    VY_EVENT_WAIT wait = {ids.data(), uint32_t(ids.size()), 0, timeoutMs, 0, 0};
    const int32_t r = vy_Event(handle, VY_EVENT_CMD_WAIT, &wait, sizeof wait);
    *signalled = wait.signalled;
    return r;
}

} // namespace simtest

#endif // TESTS_SDK_SIMTEST_H

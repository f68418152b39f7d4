// simtest.h: shared steps of the simulator tests: the default world, the camera list and the
// driver events on a handle.
#ifndef TESTS_SDK_SIMTEST_H
#define TESTS_SDK_SIMTEST_H

#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QtTest>

#include <cstring>
#include <vector>

namespace simtest {

inline void resetWorld()
{
    QVERIFY(SimWorld::reset());
}

inline std::vector<VY_CAMERA_LIST_ENTRY> cameraList()
{
    return SimWorld::cameraList();
}

inline bool listed(uint32_t deviceId)
{
    return SimWorld::isListed(deviceId);
}

inline uint32_t listedInUse(uint32_t deviceId)
{
    return SimWorld::listedInUse(deviceId);
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

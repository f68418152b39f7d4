// api_event.cpp: vy_Event, the per-process, per-handle events of the SDK.
#include "sdk/sim/apicall.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simengine.h"

#include <cstring>
#include <vector>

using vysim::SimEngine;

namespace {

// The u32 array of the enable, disable and exit commands.
bool eventArray(const void *buffer, uint32_t size, std::vector<uint32_t> *ids)
{
    if (!buffer || size < sizeof(uint32_t) || size % sizeof(uint32_t) != 0)
        return false;
    ids->resize(size / sizeof(uint32_t));
    std::memcpy(ids->data(), buffer, size);
    return true;
}

// A waited-on array larger than this is taken as a corrupt record, not read.
constexpr uint32_t maxWaitEvents = 1024;

} // namespace

extern "C" {

VYAPI int32_t vy_Event(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_Event", hCam, command, buffer, size);
    vysim::EventTable &events = SimEngine::instance().events();
    std::vector<uint32_t> ids;
    switch (command) {
    case VY_EVENT_CMD_INIT: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < sizeof(VY_EVENT_INIT))
            return call.done(VY_BUFFER_TOO_SMALL);
        VY_EVENT_INIT init;
        std::memcpy(&init, buffer, sizeof init);
        return call.done(events.init(hCam, init));
    }
    case VY_EVENT_CMD_ENABLE:
    case VY_EVENT_CMD_DISABLE:
        if (!eventArray(buffer, size, &ids))
            return call.done(VY_INVALID_PARAMETER);
        return call.done(events.enable(hCam, ids, command == VY_EVENT_CMD_ENABLE));
    case VY_EVENT_CMD_EXIT:
        if (!eventArray(buffer, size, &ids))
            return call.done(VY_INVALID_PARAMETER);
        return call.done(events.remove(hCam, ids));
    case VY_EVENT_CMD_SET:
    case VY_EVENT_CMD_RESET: {
        uint32_t id = 0;
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < sizeof id)
            return call.done(VY_BUFFER_TOO_SMALL);
        std::memcpy(&id, buffer, sizeof id);
        return call.done(command == VY_EVENT_CMD_SET ? events.set(hCam, id, false)
                                                     : events.reset(hCam, id));
    }
    case VY_EVENT_CMD_WAIT: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < sizeof(VY_EVENT_WAIT))
            return call.done(VY_BUFFER_TOO_SMALL);
        VY_EVENT_WAIT wait;
        std::memcpy(&wait, buffer, sizeof wait);
        if (!wait.events || wait.count == 0 || wait.count > maxWaitEvents)
            return call.done(VY_INVALID_PARAMETER);
        ids.assign(wait.events, wait.events + wait.count);
        uint32_t signalled = 0;
        const int32_t result = events.wait(hCam, ids, wait.timeoutMs, &signalled);
        wait.signalled = result == VY_SUCCESS ? signalled : 0;
        wait.reserved = 0;
        std::memcpy(buffer, &wait, sizeof wait);
        return call.done(result);
    }
    default:
        return call.done(VY_NOT_SUPPORTED);
    }
}

} // extern "C"

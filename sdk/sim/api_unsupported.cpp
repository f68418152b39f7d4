// api_unsupported.cpp: functions of the SDK that the simulator does not model yet. Each is
// logged and can be forced like every other call; unforced it answers VY_NOT_SUPPORTED and
// leaves its buffers alone.
#include "sdk/sim/apicall.h"

namespace {

// The rest of a call that is not simulated, after its prologue.
int32_t notSupported(vysim::ApiCall &call)
{
    return call.done(VY_NOT_SUPPORTED);
}

} // namespace

extern "C" {

VYAPI int32_t vy_AccessAdapterCfg(uint32_t adapterIndex, uint32_t direction, uint32_t item,
                                  void *buffer, uint32_t size)
{
    (void)adapterIndex;
    (void)item;
    VYSIM_ENTER(call, "vy_AccessAdapterCfg", VY_DRIVER_HANDLE, direction, buffer, size);
    return notSupported(call);
}

} // extern "C"

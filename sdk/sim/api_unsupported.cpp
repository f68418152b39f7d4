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

VYAPI int32_t vy_FetchTCPIP_Setup(void)
{
    VYSIM_ENTER(call, "vy_FetchTCPIP_Setup", VY_DRIVER_HANDLE, 0, nullptr, 0);
    return notSupported(call);
}

VYAPI int32_t vy_AccessAdapterCfg(uint32_t adapterIndex, uint32_t direction, uint32_t item,
                                  void *buffer, uint32_t size)
{
    (void)adapterIndex;
    (void)item;
    VYSIM_ENTER(call, "vy_AccessAdapterCfg", VY_DRIVER_HANDLE, direction, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_AccessAdapterCfgByMAC(const uint8_t *mac, uint32_t direction, uint32_t item,
                                       void *buffer, uint32_t size)
{
    (void)mac;
    (void)item;
    VYSIM_ENTER(call, "vy_AccessAdapterCfgByMAC", VY_DRIVER_HANDLE, direction, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_AccessDeviceCfg(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_AccessDeviceCfg", hCam, command, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_DeviceFeature(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_DeviceFeature", hCam, command, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_CalibrateFPN(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_CalibrateFPN", hCam, command, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_ParameterSet(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_ParameterSet", hCam, command, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_PersistentMemory(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_PersistentMemory", hCam, command, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_MemContent(VY_HCAM hCam, uint32_t command, uint32_t area, uint32_t offset,
                            void *buffer, uint32_t size)
{
    (void)area;
    (void)offset;
    VYSIM_ENTER(call, "vy_MemContent", hCam, command, buffer, size);
    return notSupported(call);
}

VYAPI int32_t vy_SetCameraID(VY_HCAM hCam, int32_t id)
{
    VYSIM_ENTER(call, "vy_SetCameraID", hCam, uint32_t(id), nullptr, 0);
    return notSupported(call);
}

VYAPI int32_t vy_Renumerate(VY_HCAM hCam, int32_t mode)
{
    VYSIM_ENTER(call, "vy_Renumerate", hCam, uint32_t(mode), nullptr, 0);
    return notSupported(call);
}

VYAPI int32_t vy_GetRevisionInfo(VY_HCAM hCam, VY_REVISIONINFO *info)
{
    (void)info;
    VYSIM_ENTER(call, "vy_GetRevisionInfo", hCam, 0, nullptr, 0);
    return notSupported(call);
}

} // extern "C"

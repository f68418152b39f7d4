// Functions of the SDK that the simulator does not model yet: each answers VY_NOT_SUPPORTED.
#include "sdk/vyro_api.h"

extern "C" {

VYAPI int32_t vy_Configuration(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_FetchRegistryValues(void)
{
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_FetchTCPIP_Setup(void)
{
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_IpConfig(int32_t deviceId, const uint8_t mac[6], uint32_t command, void *buffer,
                          uint32_t size)
{
    (void)deviceId;
    (void)mac;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_AccessAdapterCfg(uint32_t adapterIndex, uint32_t direction, uint32_t item,
                                  void *buffer, uint32_t size)
{
    (void)adapterIndex;
    (void)direction;
    (void)item;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_AccessAdapterCfgByMAC(const uint8_t *mac, uint32_t direction, uint32_t item,
                                       void *buffer, uint32_t size)
{
    (void)mac;
    (void)direction;
    (void)item;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_AccessDeviceCfg(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_DeviceFeature(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_CalibrateFPN(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_ParameterSet(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_PersistentMemory(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_BootBoost(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_MemContent(VY_HCAM hCam, uint32_t command, uint32_t area, uint32_t offset,
                            void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)area;
    (void)offset;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_SetCameraID(VY_HCAM hCam, int32_t id)
{
    (void)hCam;
    (void)id;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_Renumerate(VY_HCAM hCam, int32_t mode)
{
    (void)hCam;
    (void)mode;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetRevisionInfo(VY_HCAM hCam, VY_REVISIONINFO *info)
{
    (void)hCam;
    (void)info;
    return VY_NOT_SUPPORTED;
}
}
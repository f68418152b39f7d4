// Functions of the SDK that the simulator does not model yet: each answers VY_NOT_SUPPORTED.
#include "vyro_api.h"

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

VYAPI int32_t vy_GetCameraInfo(VY_HCAM hCam, VY_CAMINFO *info)
{
    (void)hCam;
    (void)info;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetRevisionInfo(VY_HCAM hCam, VY_REVISIONINFO *info)
{
    (void)hCam;
    (void)info;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetSensorInfo(VY_HCAM hCam, VY_SENSORINFO *info)
{
    (void)hCam;
    (void)info;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_SetColorMode(VY_HCAM hCam, int32_t mode)
{
    (void)hCam;
    (void)mode;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_AOI(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_AllocImageMem(VY_HCAM hCam, int32_t width, int32_t height, int32_t bitsPerPixel,
                               char **memory, int32_t *memoryId)
{
    (void)hCam;
    (void)width;
    (void)height;
    (void)bitsPerPixel;
    (void)memory;
    (void)memoryId;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_FreeImageMem(VY_HCAM hCam, char *memory, int32_t memoryId)
{
    (void)hCam;
    (void)memory;
    (void)memoryId;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_AddToSequence(VY_HCAM hCam, char *memory, int32_t memoryId)
{
    (void)hCam;
    (void)memory;
    (void)memoryId;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_ClearSequence(VY_HCAM hCam)
{
    (void)hCam;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_CaptureVideo(VY_HCAM hCam, int32_t wait)
{
    (void)hCam;
    (void)wait;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_FreezeVideo(VY_HCAM hCam, int32_t wait)
{
    (void)hCam;
    (void)wait;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_StopLiveVideo(VY_HCAM hCam, int32_t wait)
{
    (void)hCam;
    (void)wait;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetActSeqBuf(VY_HCAM hCam, int32_t *number, char **memory, char **lastMemory)
{
    (void)hCam;
    (void)number;
    (void)memory;
    (void)lastMemory;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_LockSeqBuf(VY_HCAM hCam, int32_t number, char *memory)
{
    (void)hCam;
    (void)number;
    (void)memory;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_UnlockSeqBuf(VY_HCAM hCam, int32_t number, char *memory)
{
    (void)hCam;
    (void)number;
    (void)memory;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_SetPixelClock(VY_HCAM hCam, int32_t clock)
{
    (void)hCam;
    (void)clock;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetPixelClockRange(VY_HCAM hCam, int32_t *min, int32_t *max)
{
    (void)hCam;
    (void)min;
    (void)max;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetFrameTimeRange(VY_HCAM hCam, double *min, double *max, double *interval)
{
    (void)hCam;
    (void)min;
    (void)max;
    (void)interval;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_SetFrameRate(VY_HCAM hCam, double fps, double *newFps)
{
    (void)hCam;
    (void)fps;
    (void)newFps;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetFramesPerSecond(VY_HCAM hCam, double *fps)
{
    (void)hCam;
    (void)fps;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_GetExposureRange(VY_HCAM hCam, double *min, double *max, double *interval)
{
    (void)hCam;
    (void)min;
    (void)max;
    (void)interval;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_SetExposureTime(VY_HCAM hCam, double exposure, double *newExposure)
{
    (void)hCam;
    (void)exposure;
    (void)newExposure;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_SetHardwareGain(VY_HCAM hCam, int32_t master, int32_t red, int32_t green,
                                 int32_t blue)
{
    (void)hCam;
    (void)master;
    (void)red;
    (void)green;
    (void)blue;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_LoadParameters(VY_HCAM hCam, const char *fileName)
{
    (void)hCam;
    (void)fileName;
    return VY_NOT_SUPPORTED;
}

VYAPI int32_t vy_HotPixel(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    (void)hCam;
    (void)command;
    (void)buffer;
    (void)size;
    return VY_NOT_SUPPORTED;
}
}
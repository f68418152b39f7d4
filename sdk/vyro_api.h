/* vyro_api.h: the Vyro camera SDK (libvyro_api.so.1) as zentara and dapplix call it.
 *
 * Conventions shared by every function:
 * - Return codes are signed 32-bit; VY_SUCCESS (0) is success, anything else an error whose
 *   message text vy_GetError gives.
 * - An unopened camera is addressed by its device ID OR VY_UNOPENED; vy_InitCamera turns such a
 *   value into an open handle. Driver-wide calls use VY_DRIVER_HANDLE (0), adapter-wide IP calls
 *   VY_ADAPTER_HANDLE (-1).
 * - Multi-purpose functions take a command code, a buffer and its size in bytes. A buffer too
 *   small for the record a command exchanges is refused with VY_BUFFER_TOO_SMALL; the library
 *   never writes past the size it was given.
 * - Versions are packed: major in bits 31..24, minor in 23..16, build in 15..0.
 */
#ifndef SDK_VYRO_API_H
#define SDK_VYRO_API_H

#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VYAPI __attribute__((visibility("default")))

typedef int32_t VY_HCAM;
typedef void *VY_HWND;

/* Handles and init flags */
#define VY_DRIVER_HANDLE 0
#define VY_ADAPTER_HANDLE (-1)
#define VY_UNOPENED 0x8000u /* device ID OR this: address of an unopened camera */
/* With VY_UNOPENED: open even if a firmware upload runs first. */
#define VY_ALLOW_FW_UPLOAD 0x10000u

/* Return codes */
#define VY_SUCCESS 0
#define VY_NO_SUCCESS (-1)
#define VY_INVALID_HANDLE 1
#define VY_IO_REQUEST_FAILED 2
#define VY_CANT_OPEN_DEVICE 3
#define VY_DEVICE_IN_USE 4    /* the camera is opened by another program */
#define VY_CAMERA_NOT_FOUND 5 /* no device with that ID is listed */
#define VY_NOT_OPEN 6         /* the call needs an open handle */
#define VY_NO_DAEMON 7        /* the driver daemon for this kind of device is not running */
#define VY_TIMED_OUT 122
#define VY_OUT_OF_MEMORY 124
#define VY_INVALID_PARAMETER 125
#define VY_BUFFER_TOO_SMALL 126
#define VY_NOT_SUPPORTED 155 /* the command is not supported by this device or library */
#define VY_NO_DATA 158       /* the requested list or record does not exist */
#define VY_CAPTURE_RUNNING 140
#define VY_SEQUENCE_BUF_LOCKED 143
#define VY_INVALID_MEMORY_POINTER 150
#define VY_NO_IMAGE_MEMORY 151   /* capture needs at least one buffer in the sequence */
#define VY_FILE_OPEN_ERROR 160   /* a named file cannot be opened, read or written */
#define VY_FILE_FORMAT_ERROR 161 /* a named file is damaged or not of the expected format */
#define VY_STARTER_FW_UPLOAD_NEEDED 184
#define VY_TRANSFER_ERROR 187 /* the device did not answer a query */

/* ---- Library and driver ---- */

/* Packed library version. */
VYAPI uint32_t vy_GetDLLVersion(void);
/* Last error of a handle (0: the driver's): code and a static text; either pointer may be null. */
VYAPI int32_t vy_GetError(VY_HCAM hCam, int32_t *code, char **text);

/* vy_Func commands (driver handle; 128-byte buffer receives the daemon's version text). */
#define VY_FUNC_ETH_DAEMON_INFO 0x10000001u
#define VY_FUNC_USB_DAEMON_INFO 0x10000002u
#define VY_FUNC_DAEMON_INFO_SIZE 128
VYAPI int32_t vy_Func(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* Driver configuration switches (driver handle, u32 buffers). */
#define VY_CONFIG_GET_CAPABILITIES 1 /* bit 0x4: parameter-set choice supported */
#define VY_CONFIG_SET_PARAMETERSET 9
#define VY_CONFIG_GET_PARAMETERSET 10
#define VY_CONFIG_SET_TRUSTED_PAIRING 0xF
#define VY_CONFIG_GET_TRUSTED_PAIRING 0x10
#define VY_CONFIG_SET_MEMORY_COMPAT 0x13
#define VY_CONFIG_GET_MEMORY_COMPAT 0x14
#define VY_CONFIG_CAP_PARAMETERSET 0x4
VYAPI int32_t vy_Configuration(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
/* Makes the driver re-read its stored settings. */
VYAPI int32_t vy_FetchRegistryValues(void);
/* Makes the GigE driver re-read the TCP/IP setup of the host. */
VYAPI int32_t vy_FetchTCPIP_Setup(void);

/* ---- Camera list ---- */

typedef struct VY_CAMERA_LIST_ENTRY
{
    uint32_t cameraId;     /* 0 */
    uint32_t deviceId;     /* 4 */
    uint32_t sensorId;     /* 8 */
    uint32_t inUse;        /* 12 */
    char serialNumber[16]; /* 16 */
    char model[16];        /* 32 */
    uint32_t
        status; /* 48: bits 0x1 service firmware, 0x2 no Fullspeed, 0x4, 0x8 invalid IP range */
    uint8_t deviceType;       /* 52 */
    uint8_t variantFlags;     /* 53 */
    uint16_t hardwareVariant; /* 54 */
    uint8_t reserved56;       /* 56 */
    uint8_t busGeneration;    /* 57: 2 = third-generation USB path */
    uint8_t reserved58[2];    /* 58 */
    char fullModelName[32];   /* 60 */
    uint8_t reserved92[20];   /* 92..111 */
} VY_CAMERA_LIST_ENTRY;

/* The caller allocates VY_CAMERA_LIST_SIZE(n) bytes and sets count to n; the library fills at
 * most n entries and sets count to the number of valid entries. */
typedef struct VY_CAMERA_LIST
{
    uint32_t count;
    VY_CAMERA_LIST_ENTRY entries[1];
} VY_CAMERA_LIST;

#define VY_CAMERA_LIST_SIZE(n) (4u + (uint32_t)(n)*112u)

VYAPI int32_t vy_GetNumberOfCameras(int32_t *count);
VYAPI int32_t vy_GetCameraList(VY_CAMERA_LIST *list);

/* ---- Opening ---- */

/* *phCam holds device ID OR VY_UNOPENED (optionally OR VY_ALLOW_FW_UPLOAD) and receives the handle.
 */
VYAPI int32_t vy_InitCamera(VY_HCAM *phCam, VY_HWND hWnd);
VYAPI int32_t vy_ExitCamera(VY_HCAM hCam);

/* Durations of long operations, in ms (open handle or unopened address). */
#define VY_DURATION_FIRMWARE_UPLOAD 1
VYAPI int32_t vy_GetDuration(VY_HCAM hCam, uint32_t mode, int32_t *milliseconds);

/* ---- Device information ---- */

#define VY_DEVICE_INFO_CMD 0x02010001u
#define VY_DEVICE_INFO_SIZE 640

/* What the device reports about itself. Addresses are network order (first byte first). */
typedef struct VY_DEVICE_INFO_DEVICE
{
    uint8_t deviceType;          /* 0: network types have bit 7 set */
    uint8_t dhcpState;           /* 1: 0x1 supported, 0x2 error, 0x10 enabled */
    uint16_t linkSpeed;          /* 2: Mbit/s */
    uint32_t starterFirmware;    /* 4: packed */
    uint32_t runtimeFirmware;    /* 8: packed */
    uint32_t deviceStatus;       /* 12 */
    uint8_t mac[6];              /* 16 */
    uint8_t pairedHostMac[6];    /* 22 */
    uint8_t ipAddress[4];        /* 28 */
    uint8_t subnetMask[4];       /* 32 */
    uint8_t persistentIp[4];     /* 36 */
    uint8_t persistentSubnet[4]; /* 40 */
    uint8_t dhcpServerIp[4];     /* 44 */
    uint8_t ipRangeBegin[4];     /* 48 */
    uint8_t ipRangeEnd[4];       /* 52 */
    uint8_t pairedHostIp[4];     /* 56 */
    uint8_t multicastIp[4];      /* 60 */
    uint32_t dhcpFsmState;       /* 64 */
    uint32_t dhcpLeaseTime;      /* 68 */
    uint32_t dhcpT1Time;         /* 72 */
    uint32_t dhcpT2Time;         /* 76 */
    uint16_t temperature;        /* 80: 1/16 degC, two's complement */
    int16_t comPort;             /* 82 */
    uint16_t imageMemorySize;    /* 84: MB */
    uint16_t reserved86;         /* 86 */
    char userEeprom[64];         /* 88 */
    uint8_t reserved152[40];     /* 152..191 */
} VY_DEVICE_INFO_DEVICE;

/* What the driver knows about the device and the host adapter that reaches it. */
typedef struct VY_DEVICE_INFO_CONTROL
{
    uint32_t controlStatus;           /* 0 */
    uint32_t requiredStarterFirmware; /* 4: packed, 0 when the driver has no firmware image */
    uint32_t driverVersion;           /* 8: packed */
    uint32_t minStarterFirmware;      /* 12 */
    uint32_t maxStarterFirmware;      /* 16 */
    uint8_t adapterMac[6];            /* 20 */
    uint8_t reserved26[2];            /* 26 */
    uint8_t adapterIp[4];             /* 28 */
    uint8_t adapterSubnet[4];         /* 32 */
    uint8_t adapterIpRangeBegin[4];   /* 36 */
    uint8_t adapterIpRangeEnd[4];     /* 40 */
    uint32_t adapterLinkSpeed;        /* 44: Mbit/s */
    uint8_t adapterDhcpEnabled;       /* 48 */
    uint8_t adapterIpRangeValid;      /* 49 */
    uint8_t reserved50[2];            /* 50 */
    uint32_t knownDevices;            /* 52 */
    uint32_t pairedDevices;           /* 56 */
    uint8_t reserved60[68];           /* 60..127 */
} VY_DEVICE_INFO_CONTROL;

/* USB devices: the bus position and the USB-side values. */
typedef struct VY_DEVICE_INFO_USB
{
    uint8_t deviceType;          /* 0 */
    uint8_t busNumber;           /* 1 */
    uint8_t portPath[5];         /* 2: port numbers from the root hub, ended by the first 0 */
    uint8_t reserved7;           /* 7 */
    uint16_t linkSpeed;          /* 8: Mbit/s */
    uint16_t temperature;        /* 10: as in VY_DEVICE_INFO_DEVICE */
    int16_t comPort;             /* 12 */
    uint16_t reserved14;         /* 14 */
    uint32_t starterFirmware;    /* 16 */
    uint32_t runtimeFirmware;    /* 20 */
    uint32_t driverVersion;      /* 24: the USB driver's version */
    uint32_t minStarterFirmware; /* 28 */
    uint32_t maxStarterFirmware; /* 32 */
    uint8_t reserved36[28];      /* 36..63 */
} VY_DEVICE_INFO_USB;

typedef struct VY_DEVICE_INFO
{
    VY_DEVICE_INFO_DEVICE device;   /* 0 */
    VY_DEVICE_INFO_CONTROL control; /* 192 */
    VY_DEVICE_INFO_USB usb;         /* 320 */
    uint8_t reserved384[256];       /* 384..639 */
} VY_DEVICE_INFO;

/* hCam: device ID OR VY_UNOPENED, or an open handle. */
VYAPI int32_t vy_DeviceInfo(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* ---- Events ---- */

#define VY_EVENT_CMD_INIT 1
#define VY_EVENT_CMD_EXIT 2    /* remove the events of a u32 array */
#define VY_EVENT_CMD_ENABLE 3  /* enable the events of a u32 array */
#define VY_EVENT_CMD_DISABLE 4 /* disable the events of a u32 array */
#define VY_EVENT_CMD_SET 5     /* signal one event (u32) */
#define VY_EVENT_CMD_RESET 6   /* clear one event (u32) */
#define VY_EVENT_CMD_WAIT 7

#define VY_EVENT_FRAME 2
#define VY_EVENT_CAPTURE_STATUS 8 /* a capture failed */
#define VY_EVENT_DEVICE_RECONNECT 9
#define VY_EVENT_DEVICE_REMOVAL 128 /* the open camera went away */
#define VY_EVENT_REMOVE 129         /* a device left the list */
#define VY_EVENT_NEW_DEVICE 130     /* a device joined the list */
/* A listed device changed (opened or closed elsewhere, ...). */
#define VY_EVENT_STATUS_CHANGED 131
#define VY_EVENT_USER_FIRST 10000 /* event IDs from here on are the caller's own */

typedef struct VY_EVENT_INIT
{
    uint32_t eventId;
    uint32_t manualReset; /* 0: a wait that returns the event clears it */
    uint32_t initialState;
} VY_EVENT_INIT;

/* Wait record: six 32-bit fields (24 bytes) on the 32-bit target; the array pointer is native. */
typedef struct VY_EVENT_WAIT
{
    uint32_t *events;
    uint32_t count;
    uint32_t waitAll;   /* 0 */
    uint32_t timeoutMs; /* 0xFFFFFFFF: no limit */
    uint32_t signalled; /* out */
    uint32_t reserved;  /* out, 0 */
} VY_EVENT_WAIT;

#define VY_EVENT_INFINITE 0xFFFFFFFFu

/* Events are per process and per handle (driver events on handle 0). A wait that times out
 * returns VY_TIMED_OUT. */
VYAPI int32_t vy_Event(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* ---- Driver-wide and per-device multicast ---- */

#define VY_MULTICAST_GET_SUPPORT 0x1014u  /* u32: nonzero when the camera supports multicast */
#define VY_MULTICAST_GET_ENABLE 0x1013u   /* u32 */
#define VY_MULTICAST_SET_ADDRESS 0x1010u  /* 4 address bytes */
#define VY_MULTICAST_SET_ENABLE 0x1012u   /* u32 0 or 1 */
#define VY_MULTICAST_DRIVER_DEFAULT 8193u /* 0x2001: apply the driver's default */
#define VY_MULTICAST_RO_UPDATE 0x2002u
#define VY_MULTICAST_ADD_RO_DEVICE 0x2003u    /* VY_RO_DEVICE record */
#define VY_MULTICAST_REMOVE_RO_DEVICE 0x2004u /* VY_RO_DEVICE record, mode 1 */
#define VY_MULTICAST_RO_COMMIT 0x2005u
#define VY_MULTICAST_RO_RESCAN 8198u       /* 0x2006 */
#define VY_MULTICAST_SET_RO_ENABLE 0x2007u /* u32 0 or 1 */
#define VY_MULTICAST_GET_RO_ENABLE 8200u   /* 0x2008, u32 */

/* A read-only network device added or removed by hand (listed with IDs 1500..1999). */
typedef struct VY_RO_DEVICE
{
    uint8_t ipAddress[4];   /* the camera's IP address, first octet first */
    uint8_t multicastIp[4]; /* the camera's multicast address, first octet first */
    uint32_t cameraId;      /* camera ID of the read-only device, 1..254 */
    uint32_t errorMode;     /* error handling mode */
} VY_RO_DEVICE;

VYAPI int32_t vy_Multicast(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* ---- Network configuration ---- */

/* vy_IpConfig: deviceId of the camera (mac all zero) or VY_ADAPTER_HANDLE with the adapter MAC. */
#define VY_IPCONFIG_QUERY_CAPABILITIES 0x00000000u
#define VY_IPCONFIG_SET_PERSISTENT_IP 0x01010000u
#define VY_IPCONFIG_SET_DHCP 0x01020000u
#define VY_IPCONFIG_SET_AUTOCFG_RANGE 0x01040000u
#define VY_IPCONFIG_GET_PERSISTENT_IP 0x02010000u
#define VY_IPCONFIG_GET_DHCP 0x02020000u
#define VY_IPCONFIG_GET_AUTOCFG_RANGE 0x02040000u

typedef struct VY_IP_RECORD
{
    uint8_t address[4];
    uint8_t mask[4];   /* range records: the range end */
    uint32_t reserved; /* range records: the number of addresses (100 when set) */
} VY_IP_RECORD;

VYAPI int32_t vy_IpConfig(int32_t deviceId, const uint8_t mac[6], uint32_t command, void *buffer,
                          uint32_t size);

#define VY_ADAPTER_READ 0
#define VY_ADAPTER_WRITE 1
#define VY_ADAPTER_ITEM_BLOCK 0 /* 160-byte configuration block */
#define VY_ADAPTER_ITEM_PACKET_FILTER 3
#define VY_ADAPTER_ITEM_PACKET_SIZE 5
#define VY_ADAPTER_ITEM_SET_PACKET_SIZE 0x10002u
#define VY_ADAPTER_BLOCK_SIZE 160

/* The daemon's configuration of one host network adapter. */
typedef struct VY_ADAPTER_CONFIG
{
    uint8_t mac[6];
    uint8_t enabled;
    uint8_t reserved7;
    uint32_t packetFilter;
    uint32_t packetSize;
    uint8_t ipAddress[4];
    uint8_t subnetMask[4];
    uint8_t reserved24[136];
} VY_ADAPTER_CONFIG;

VYAPI int32_t vy_AccessAdapterCfg(uint32_t adapterIndex, uint32_t direction, uint32_t item,
                                  void *buffer, uint32_t size);
VYAPI int32_t vy_AccessAdapterCfgByMAC(const uint8_t *mac, uint32_t direction, uint32_t item,
                                       void *buffer, uint32_t size);

/* vy_AccessDeviceCfg: a network camera's configuration blocks; the buffer starts with the u32
 * block number. */
#define VY_DEVICECFG_READ 1
#define VY_DEVICECFG_WRITE 2
#define VY_DEVICECFG_PERSISTENT 0x10000u
#define VY_DEVICECFG_BLOCK_SIZE 140
VYAPI int32_t vy_AccessDeviceCfg(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* ---- Device features, memory, identity ---- */

VYAPI int32_t vy_IO(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
#define VY_IO_LED_BLINK 9 /* u32: number of blinks */

VYAPI int32_t vy_DeviceFeature(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
VYAPI int32_t vy_CalibrateFPN(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
VYAPI int32_t vy_ParameterSet(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
VYAPI int32_t vy_PersistentMemory(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
VYAPI int32_t vy_BootBoost(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

#define VY_MEM_READ 1
#define VY_MEM_WRITE 2
VYAPI int32_t vy_MemContent(VY_HCAM hCam, uint32_t command, uint32_t area, uint32_t offset,
                            void *buffer, uint32_t size);

VYAPI int32_t vy_SetCameraID(VY_HCAM hCam, int32_t id);
VYAPI int32_t vy_Renumerate(VY_HCAM hCam, int32_t mode);

typedef struct VY_CAMINFO
{
    char serialNumber[12];
    char manufacturer[20];
    char version[10];
    char dateEndtest[12];
    uint8_t select;
    uint8_t type; /* 64 USB, 128 ETH */
    char reserved[8];
} VY_CAMINFO;
VYAPI int32_t vy_GetCameraInfo(VY_HCAM hCam, VY_CAMINFO *info);

typedef struct VY_REVISIONINFO
{
    uint16_t size; /* sizeof(VY_REVISIONINFO), set by the caller */
    uint16_t sensor;
    uint16_t cypress;
    uint32_t blackfin;
    uint16_t dspFirmware;
    uint16_t usbBoard;
    uint16_t sensorBoard;
    uint16_t processingBoard;
    uint16_t memoryBoard;
    uint16_t housing;
    uint16_t filter;
    uint16_t timingBoard;
    uint16_t product;
    uint16_t powerBoard;
    uint16_t logicBoard;
    uint16_t reserved[19];
} VY_REVISIONINFO;
VYAPI int32_t vy_GetRevisionInfo(VY_HCAM hCam, VY_REVISIONINFO *info);

/* ---- Acquisition (dapplix) ---- */

typedef struct VY_SENSORINFO
{
    uint16_t sensorId;
    char sensorName[32];
    char colorMode; /* 1 mono, 2 Bayer */
    uint32_t maxWidth;
    uint32_t maxHeight;
    int32_t masterGain; /* nonzero: has master gain */
    int32_t rGain, gGain, bGain;
    int32_t globalShutter;
    uint16_t pixelSize;       /* 1/100 um */
    char upperLeftBayerPixel; /* 0 red, 1 green, 2 blue */
    char reserved[13];
} VY_SENSORINFO;

#define VY_BAYER_RED 0
#define VY_BAYER_GREEN 1
#define VY_BAYER_BLUE 2
#define VY_SENSOR_MONO 1
#define VY_SENSOR_BAYER 2

VYAPI int32_t vy_GetSensorInfo(VY_HCAM hCam, VY_SENSORINFO *info);

#define VY_CM_RGB32 0
#define VY_CM_MONO8 6
#define VY_CM_BAYER_RG8 11
#define VY_GET_COLOR_MODE 0x8000
/* Sets the colour mode, or with VY_GET_COLOR_MODE returns the current one. */
VYAPI int32_t vy_SetColorMode(VY_HCAM hCam, int32_t mode);

#define VY_AOI_IMAGE_SET_AOI 1
#define VY_AOI_IMAGE_GET_AOI 2
#define VY_AOI_IMAGE_GET_SIZE_MAX 16 /* two i32: width, height */

/* Area of interest exchanged by VY_AOI_IMAGE_SET_AOI / VY_AOI_IMAGE_GET_AOI (16 bytes). */
typedef struct VY_AOI_RECT
{
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
} VY_AOI_RECT;

/* Image size answered by VY_AOI_IMAGE_GET_SIZE_MAX (8 bytes). */
typedef struct VY_AOI_SIZE
{
    int32_t width;
    int32_t height;
} VY_AOI_SIZE;
VYAPI int32_t vy_AOI(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

VYAPI int32_t vy_AllocImageMem(VY_HCAM hCam, int32_t width, int32_t height, int32_t bitsPerPixel,
                               char **memory, int32_t *memoryId);
VYAPI int32_t vy_FreeImageMem(VY_HCAM hCam, char *memory, int32_t memoryId);
VYAPI int32_t vy_AddToSequence(VY_HCAM hCam, char *memory, int32_t memoryId);
VYAPI int32_t vy_ClearSequence(VY_HCAM hCam);

#define VY_DONT_WAIT 0
#define VY_WAIT 1
VYAPI int32_t vy_CaptureVideo(VY_HCAM hCam, int32_t wait);
VYAPI int32_t vy_FreezeVideo(VY_HCAM hCam, int32_t wait);
VYAPI int32_t vy_StopLiveVideo(VY_HCAM hCam, int32_t wait);

/* The buffer being filled (number and memory) and the last completely filled one; any may be null.
 */
VYAPI int32_t vy_GetActSeqBuf(VY_HCAM hCam, int32_t *number, char **memory, char **lastMemory);
/* number -1: the buffer is named by its memory pointer. */
VYAPI int32_t vy_LockSeqBuf(VY_HCAM hCam, int32_t number, char *memory);
VYAPI int32_t vy_UnlockSeqBuf(VY_HCAM hCam, int32_t number, char *memory);

#define VY_GET_PIXEL_CLOCK 0x8000
#define VY_GET_DEFAULT_PIXEL_CLOCK 0x8001
/* Sets the pixel clock (MHz), or with a query code returns it. */
VYAPI int32_t vy_SetPixelClock(VY_HCAM hCam, int32_t clock);
VYAPI int32_t vy_GetPixelClockRange(VY_HCAM hCam, int32_t *min, int32_t *max);
/* Frame time range in s. */
VYAPI int32_t vy_GetFrameTimeRange(VY_HCAM hCam, double *min, double *max, double *interval);
VYAPI int32_t vy_SetFrameRate(VY_HCAM hCam, double fps, double *newFps);
VYAPI int32_t vy_GetFramesPerSecond(VY_HCAM hCam, double *fps);

#define VY_GET_EXPOSURE_TIME 32769.0 /* 0x8001 */
/* Exposure in ms. */
VYAPI int32_t vy_GetExposureRange(VY_HCAM hCam, double *min, double *max, double *interval);
VYAPI int32_t vy_SetExposureTime(VY_HCAM hCam, double exposure, double *newExposure);

#define VY_GET_MASTER_GAIN 0x8000
#define VY_IGNORE_PARAMETER (-1)
/* Gains 0..100; with VY_GET_MASTER_GAIN as master returns the current master gain. */
VYAPI int32_t vy_SetHardwareGain(VY_HCAM hCam, int32_t master, int32_t red, int32_t green,
                                 int32_t blue);

/* Loads camera parameters from a file (null: the camera's stored set). */
VYAPI int32_t vy_LoadParameters(VY_HCAM hCam, const char *fileName);

/* ---- Hot pixels ---- */

/* List buffers are u16 arrays: word 0 the number n, then n pairs (x, y); size 2 + 4n bytes. */
#define VY_HOTPIXEL_DISABLE_CORRECTION 0x0000
#define VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION 0x0002
#define VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION 0x0004
#define VY_HOTPIXEL_GET_CORRECTION_MODE 0x8000      /* u32 */
#define VY_HOTPIXEL_GET_SUPPORTED_MODES 0x8001      /* u32: bits 0x2 camera, 0x4 software */
#define VY_HOTPIXEL_SOFTWARE_LIST_EXISTS 0x8100     /* no buffer: 0 when a software list exists */
#define VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER 0x8101 /* i32 */
#define VY_HOTPIXEL_GET_SOFTWARE_LIST 0x8102
#define VY_HOTPIXEL_SET_SOFTWARE_LIST 0x8103
#define VY_HOTPIXEL_GET_FACTORY_LIST_NUMBER 0x8107 /* i32 */
#define VY_HOTPIXEL_GET_FACTORY_LIST 0x8108
#define VY_HOTPIXEL_GET_USER_LIST_NUMBER 0x810A /* i32 */
#define VY_HOTPIXEL_GET_USER_LIST 0x810B
#define VY_HOTPIXEL_SET_USER_LIST 0x810C
#define VY_HOTPIXEL_GET_USER_LIST_MAX_NUMBER 0x810D /* i32 */
#define VY_HOTPIXEL_DELETE_USER_LIST 0x810E
#define VY_HOTPIXEL_SAVE_SOFTWARE_LIST 0x8111 /* zero-terminated wchar_t file name, size 0 */
#define VY_HOTPIXEL_LOAD_SOFTWARE_LIST 0x8112 /* zero-terminated wchar_t file name, size 0 */
VYAPI int32_t vy_HotPixel(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

#ifdef __cplusplus
}

static_assert(sizeof(VY_CAMERA_LIST_ENTRY) == 112, "camera list entry is 112 bytes");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, deviceId) == 4, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, sensorId) == 8, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, inUse) == 12, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, serialNumber) == 16, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, model) == 32, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, status) == 48, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, deviceType) == 52, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, variantFlags) == 53, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, hardwareVariant) == 54, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, busGeneration) == 57, "");
static_assert(offsetof(VY_CAMERA_LIST_ENTRY, fullModelName) == 60, "");
static_assert(offsetof(VY_CAMERA_LIST, entries) == 4, "camera list entries follow the count");
static_assert(sizeof(VY_DEVICE_INFO_DEVICE) == 192, "");
static_assert(sizeof(VY_DEVICE_INFO_CONTROL) == 128, "");
static_assert(sizeof(VY_DEVICE_INFO_USB) == 64, "");
static_assert(sizeof(VY_DEVICE_INFO) == VY_DEVICE_INFO_SIZE,
              "device information record is 640 bytes");
static_assert(offsetof(VY_DEVICE_INFO_DEVICE, userEeprom) == 88, "");
static_assert(offsetof(VY_DEVICE_INFO, control) == 192, "");
static_assert(offsetof(VY_DEVICE_INFO, usb) == 320, "");
static_assert(sizeof(VY_EVENT_INIT) == 12, "");
static_assert(sizeof(VY_EVENT_WAIT) == (sizeof(void *) == 4 ? 24 : 32),
              "wait record: 24 bytes on 32-bit");
static_assert(sizeof(VY_IP_RECORD) == 12, "");
static_assert(sizeof(VY_RO_DEVICE) == 16, "read-only device record is 16 bytes");
static_assert(sizeof(VY_ADAPTER_CONFIG) == VY_ADAPTER_BLOCK_SIZE, "");
static_assert(sizeof(VY_CAMINFO) == 64, "");
static_assert(sizeof(VY_AOI_RECT) == 16, "");
static_assert(sizeof(VY_AOI_SIZE) == 8, "");
#endif

#endif // SDK_VYRO_API_H

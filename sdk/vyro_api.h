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
 * - Records are little-endian and use fixed-width fields only. Every gap is a named reserved
 *   field, so a record has the same layout packed or not, in C and in C++, on 32 and 64 bits
 *   (the event wait record, which holds a native pointer, is the one exception); the asserts
 *   after each record keep its size and the offset of every field a caller reads or writes.
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

/* Layout checks that hold in C (C11) and in C++ alike. */
#ifdef __cplusplus
#define VY_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define VY_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif
#define VY_ASSERT_SIZE(type, size)                                                                 \
    VY_STATIC_ASSERT(sizeof(type) == (size), #type " is " #size " bytes")
#define VY_ASSERT_OFFSET(type, field, offset)                                                      \
    VY_STATIC_ASSERT(offsetof(type, field) == (offset), #type "." #field " at byte " #offset)

typedef int32_t VY_HCAM;
typedef void *VY_HWND;

/* Handles and init flags */
#define VY_DRIVER_HANDLE 0
#define VY_ADAPTER_HANDLE (-1)
#define VY_UNOPENED 0x8000u /* device ID OR this: address of an unopened camera */
/* With VY_UNOPENED: open even if a firmware upload has to run first. */
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
#define VY_TRANSFER_ERROR 187         /* the device did not answer a query */
#define VY_FPN_INSUFFICIENT_LIGHT 195 /* FPN calibration: the sensor is not lit well enough */

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
    /* Status bits: 0x1 service firmware, 0x2 no Fullspeed, 0x4, 0x8 invalid IP range. */
    uint32_t status;          /* 48 */
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

VY_ASSERT_SIZE(VY_CAMERA_LIST_ENTRY, 112);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, cameraId, 0);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, deviceId, 4);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, sensorId, 8);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, inUse, 12);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, serialNumber, 16);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, model, 32);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, status, 48);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, deviceType, 52);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, variantFlags, 53);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, hardwareVariant, 54);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, reserved56, 56);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, busGeneration, 57);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, reserved58, 58);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, fullModelName, 60);
VY_ASSERT_OFFSET(VY_CAMERA_LIST_ENTRY, reserved92, 92);
VY_ASSERT_OFFSET(VY_CAMERA_LIST, count, 0);
VY_ASSERT_OFFSET(VY_CAMERA_LIST, entries, 4);

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

VY_ASSERT_SIZE(VY_DEVICE_INFO_DEVICE, 192);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, deviceType, 0);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, dhcpState, 1);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, linkSpeed, 2);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, starterFirmware, 4);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, runtimeFirmware, 8);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, deviceStatus, 12);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, mac, 16);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, pairedHostMac, 22);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, ipAddress, 28);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, subnetMask, 32);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, persistentIp, 36);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, persistentSubnet, 40);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, dhcpServerIp, 44);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, ipRangeBegin, 48);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, ipRangeEnd, 52);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, pairedHostIp, 56);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, multicastIp, 60);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, dhcpFsmState, 64);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, dhcpLeaseTime, 68);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, dhcpT1Time, 72);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, dhcpT2Time, 76);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, temperature, 80);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, comPort, 82);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, imageMemorySize, 84);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, reserved86, 86);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, userEeprom, 88);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_DEVICE, reserved152, 152);

VY_ASSERT_SIZE(VY_DEVICE_INFO_CONTROL, 128);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, controlStatus, 0);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, requiredStarterFirmware, 4);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, driverVersion, 8);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, minStarterFirmware, 12);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, maxStarterFirmware, 16);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterMac, 20);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, reserved26, 26);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterIp, 28);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterSubnet, 32);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterIpRangeBegin, 36);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterIpRangeEnd, 40);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterLinkSpeed, 44);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterDhcpEnabled, 48);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, adapterIpRangeValid, 49);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, reserved50, 50);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, knownDevices, 52);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, pairedDevices, 56);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_CONTROL, reserved60, 60);

VY_ASSERT_SIZE(VY_DEVICE_INFO_USB, 64);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, deviceType, 0);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, busNumber, 1);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, portPath, 2);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, reserved7, 7);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, linkSpeed, 8);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, temperature, 10);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, comPort, 12);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, reserved14, 14);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, starterFirmware, 16);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, runtimeFirmware, 20);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, driverVersion, 24);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, minStarterFirmware, 28);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, maxStarterFirmware, 32);
VY_ASSERT_OFFSET(VY_DEVICE_INFO_USB, reserved36, 36);

VY_ASSERT_SIZE(VY_DEVICE_INFO, VY_DEVICE_INFO_SIZE);
VY_ASSERT_OFFSET(VY_DEVICE_INFO, device, 0);
VY_ASSERT_OFFSET(VY_DEVICE_INFO, control, 192);
VY_ASSERT_OFFSET(VY_DEVICE_INFO, usb, 320);
VY_ASSERT_OFFSET(VY_DEVICE_INFO, reserved384, 384);

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
#define VY_EVENT_STATUS_CHANGED 131 /* a listed device changed (opened elsewhere, ...) */
#define VY_EVENT_USER_FIRST 10000   /* event IDs from here on are the caller's own */

typedef struct VY_EVENT_INIT
{
    uint32_t eventId;
    uint32_t manualReset; /* 0: a wait that returns the event clears it */
    uint32_t initialState;
} VY_EVENT_INIT;

VY_ASSERT_SIZE(VY_EVENT_INIT, 12);
VY_ASSERT_OFFSET(VY_EVENT_INIT, eventId, 0);
VY_ASSERT_OFFSET(VY_EVENT_INIT, manualReset, 4);
VY_ASSERT_OFFSET(VY_EVENT_INIT, initialState, 8);

/* Wait record: six 32-bit fields (24 bytes) on the 32-bit target. The array pointer is native,
 * so on a 64-bit host the fields after it move by four bytes and the record ends in four bytes
 * of padding (32 bytes). */
typedef struct VY_EVENT_WAIT
{
    uint32_t *events;
    uint32_t count;
    uint32_t waitAll;   /* 0 */
    uint32_t timeoutMs; /* 0xFFFFFFFF: no limit */
    uint32_t signalled; /* out */
    uint32_t reserved;  /* out, 0 */
} VY_EVENT_WAIT;

VY_STATIC_ASSERT(sizeof(VY_EVENT_WAIT) == (sizeof(void *) == 4 ? 24 : 32),
                 "VY_EVENT_WAIT is 24 bytes on the 32-bit target");
VY_ASSERT_OFFSET(VY_EVENT_WAIT, events, 0);
VY_ASSERT_OFFSET(VY_EVENT_WAIT, count, sizeof(void *));
VY_ASSERT_OFFSET(VY_EVENT_WAIT, waitAll, sizeof(void *) + 4);
VY_ASSERT_OFFSET(VY_EVENT_WAIT, timeoutMs, sizeof(void *) + 8);
VY_ASSERT_OFFSET(VY_EVENT_WAIT, signalled, sizeof(void *) + 12);
VY_ASSERT_OFFSET(VY_EVENT_WAIT, reserved, sizeof(void *) + 16);

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
    uint8_t ipAddress[4];   /* 0: the camera's IP address, first octet first */
    uint8_t multicastIp[4]; /* 4: the camera's multicast address, first octet first */
    uint32_t cameraId;      /* 8: camera ID of the read-only device, 1..254 */
    uint32_t errorMode;     /* 12: VY_RO_ERRORS_*; VY_RO_REMOVE when removing */
} VY_RO_DEVICE;

VY_ASSERT_SIZE(VY_RO_DEVICE, 16);
VY_ASSERT_OFFSET(VY_RO_DEVICE, ipAddress, 0);
VY_ASSERT_OFFSET(VY_RO_DEVICE, multicastIp, 4);
VY_ASSERT_OFFSET(VY_RO_DEVICE, cameraId, 8);
VY_ASSERT_OFFSET(VY_RO_DEVICE, errorMode, 12);

/* How a read-only device treats incomplete or faulty images. */
#define VY_RO_ERRORS_REFUSE 0u         /* refuse incomplete images */
#define VY_RO_ERRORS_IGNORE 1u         /* ignore image errors */
#define VY_RO_ERRORS_MERGE_COMPLETE 2u /* merge, release on a complete image */
#define VY_RO_ERRORS_MERGE_NEW 3u      /* merge, release on a new image */
#define VY_RO_REMOVE 1u                /* errorMode of a VY_MULTICAST_REMOVE_RO_DEVICE record */

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

/* Capabilities (u32) answered by VY_IPCONFIG_QUERY_CAPABILITIES. */
#define VY_IPCONFIG_CAP_PERSISTENT_IP 0x1u
#define VY_IPCONFIG_CAP_DHCP 0x2u
#define VY_IPCONFIG_CAP_AUTOCFG_RANGE 0x4u
/* The u32 of VY_IPCONFIG_SET_DHCP / VY_IPCONFIG_GET_DHCP: bit 0 is DHCP enabled. */
#define VY_IPCONFIG_DHCP_ENABLED 0x1u

/* Persistent IP record of a camera (VY_IPCONFIG_SET/GET_PERSISTENT_IP, 12 bytes). Addresses
 * are first octet first. */
typedef struct VY_IP_RECORD
{
    uint8_t address[4]; /* 0 */
    uint8_t mask[4];    /* 4 */
    uint32_t reserved;  /* 8: written as 0 */
} VY_IP_RECORD;

VY_ASSERT_SIZE(VY_IP_RECORD, 12);
VY_ASSERT_OFFSET(VY_IP_RECORD, address, 0);
VY_ASSERT_OFFSET(VY_IP_RECORD, mask, 4);
VY_ASSERT_OFFSET(VY_IP_RECORD, reserved, 8);

/* Automatic configuration range of an adapter (VY_IPCONFIG_SET/GET_AUTOCFG_RANGE, 12 bytes):
 * the first and the last address handed out, first octet first. */
typedef struct VY_IP_RANGE
{
    uint8_t begin[4]; /* 0 */
    uint8_t end[4];   /* 4 */
    uint32_t count;   /* 8: written as VY_IP_RANGE_COUNT; not meaningful when read */
} VY_IP_RANGE;

#define VY_IP_RANGE_COUNT 100u

VY_ASSERT_SIZE(VY_IP_RANGE, 12);
VY_ASSERT_OFFSET(VY_IP_RANGE, begin, 0);
VY_ASSERT_OFFSET(VY_IP_RANGE, end, 4);
VY_ASSERT_OFFSET(VY_IP_RANGE, count, 8);

VYAPI int32_t vy_IpConfig(int32_t deviceId, const uint8_t mac[6], uint32_t command, void *buffer,
                          uint32_t size);

#define VY_ADAPTER_READ 0
#define VY_ADAPTER_WRITE 1
#define VY_ADAPTER_ITEM_BLOCK 0                  /* VY_ADAPTER_CONFIG, read only */
#define VY_ADAPTER_ITEM_PACKET_FILTER 3          /* write: u32 filter code */
#define VY_ADAPTER_ITEM_PACKET_SIZE 5            /* read: VY_ADAPTER_PACKET_SIZE */
#define VY_ADAPTER_ITEM_SET_PACKET_SIZE 0x10002u /* write: u32 packet size in bytes */
#define VY_ADAPTER_BLOCK_SIZE 160

/* The daemon's configuration of one host network adapter (VY_ADAPTER_ITEM_BLOCK, 160 bytes).
 * Callers read only the packet filter and the packet size; the rest is the daemon's. */
typedef struct VY_ADAPTER_CONFIG
{
    uint8_t mac[6];         /* 0 */
    uint8_t enabled;        /* 6 */
    uint8_t reserved7[49];  /* 7..55 */
    uint16_t packetFilter;  /* 56: filter code */
    uint8_t reserved58[26]; /* 58..83 */
    uint32_t packetSize;    /* 84: bytes */
    uint8_t reserved88[72]; /* 88..159 */
} VY_ADAPTER_CONFIG;

VY_ASSERT_SIZE(VY_ADAPTER_CONFIG, VY_ADAPTER_BLOCK_SIZE);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, mac, 0);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, enabled, 6);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, reserved7, 7);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, packetFilter, 56);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, reserved58, 58);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, packetSize, 84);
VY_ASSERT_OFFSET(VY_ADAPTER_CONFIG, reserved88, 88);

/* Packet size query (VY_ADAPTER_ITEM_PACKET_SIZE, 8 bytes): the caller presets packetSize to
 * VY_ADAPTER_PACKET_SIZE_QUERY and reserved to 0; on success packetSize holds the size. */
typedef struct VY_ADAPTER_PACKET_SIZE
{
    uint32_t packetSize; /* 0 */
    uint32_t reserved;   /* 4 */
} VY_ADAPTER_PACKET_SIZE;

#define VY_ADAPTER_PACKET_SIZE_QUERY 13u

VY_ASSERT_SIZE(VY_ADAPTER_PACKET_SIZE, 8);
VY_ASSERT_OFFSET(VY_ADAPTER_PACKET_SIZE, packetSize, 0);
VY_ASSERT_OFFSET(VY_ADAPTER_PACKET_SIZE, reserved, 4);

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
#define VY_DEVICECFG_BLOCK_USER 0x3FBF0001u    /* VY_DEVICECFG_USER */
#define VY_DEVICECFG_BLOCK_FACTORY 0x3FBF0002u /* VY_DEVICECFG_FACTORY */
#define VY_DEVICECFG_BLOCK_LENS 0x3FBF0007u    /* VY_DEVICECFG_LENS */

/* User block: the user EEPROM text (not necessarily terminated) and the camera ID. */
typedef struct VY_DEVICECFG_USER
{
    uint32_t block;         /* 0: VY_DEVICECFG_BLOCK_USER */
    char userEeprom[64];    /* 4 */
    uint8_t cameraId;       /* 68: 1..254 */
    uint8_t reserved69[71]; /* 69..139 */
} VY_DEVICECFG_USER;

VY_ASSERT_SIZE(VY_DEVICECFG_USER, VY_DEVICECFG_BLOCK_SIZE);
VY_ASSERT_OFFSET(VY_DEVICECFG_USER, block, 0);
VY_ASSERT_OFFSET(VY_DEVICECFG_USER, userEeprom, 4);
VY_ASSERT_OFFSET(VY_DEVICECFG_USER, cameraId, 68);
VY_ASSERT_OFFSET(VY_DEVICECFG_USER, reserved69, 69);

/* Factory block: the factory identity of VY_FACTORY_INFO after the block number, then the
 * hardware variant. */
typedef struct VY_DEVICECFG_FACTORY
{
    uint32_t block;           /* 0: VY_DEVICECFG_BLOCK_FACTORY */
    char manufacturer[20];    /* 4 */
    char qcDate[12];          /* 24: date of the quality control */
    uint16_t hardwareVariant; /* 36: as in the camera list entry */
    uint8_t reserved38[102];  /* 38..139 */
} VY_DEVICECFG_FACTORY;

VY_ASSERT_SIZE(VY_DEVICECFG_FACTORY, VY_DEVICECFG_BLOCK_SIZE);
VY_ASSERT_OFFSET(VY_DEVICECFG_FACTORY, block, 0);
VY_ASSERT_OFFSET(VY_DEVICECFG_FACTORY, manufacturer, 4);
VY_ASSERT_OFFSET(VY_DEVICECFG_FACTORY, qcDate, 24);
VY_ASSERT_OFFSET(VY_DEVICECFG_FACTORY, hardwareVariant, 36);
VY_ASSERT_OFFSET(VY_DEVICECFG_FACTORY, reserved38, 38);

/* Liquid lens data: the same 15 bytes in a network camera's lens block and in a USB camera's
 * memory area VY_MEM_AREA_LENS. */
#define VY_LENS_DATA_SIZE 15
#define VY_LENS_NONE 0
#define VY_LENS_ARCTIC_25H 1
#define VY_LENS_ARCTIC_39N 2

typedef struct VY_LENS_DATA
{
    uint8_t lensType;       /* 0: VY_LENS_* */
    uint8_t parameters[14]; /* 1..14: the lens driver's own values */
} VY_LENS_DATA;

VY_ASSERT_SIZE(VY_LENS_DATA, VY_LENS_DATA_SIZE);
VY_ASSERT_OFFSET(VY_LENS_DATA, lensType, 0);
VY_ASSERT_OFFSET(VY_LENS_DATA, parameters, 1);

/* Lens block, exchanged in a 256-byte buffer: an 8-byte header, then dataLength bytes of lens
 * data. A block written carries at least VY_LENS_DATA_SIZE bytes of data. */
#define VY_DEVICECFG_LENS_BUFFER_SIZE 256
#define VY_DEVICECFG_LENS_HEADER_SIZE 8

typedef struct VY_DEVICECFG_LENS
{
    uint32_t block;          /* 0: VY_DEVICECFG_BLOCK_LENS */
    uint16_t reserved4;      /* 4 */
    uint16_t dataLength;     /* 6: bytes of lens data that follow the header */
    VY_LENS_DATA data;       /* 8 */
    uint8_t reserved23[233]; /* 23..255: further lens data */
} VY_DEVICECFG_LENS;

VY_ASSERT_SIZE(VY_DEVICECFG_LENS, VY_DEVICECFG_LENS_BUFFER_SIZE);
VY_ASSERT_OFFSET(VY_DEVICECFG_LENS, block, 0);
VY_ASSERT_OFFSET(VY_DEVICECFG_LENS, reserved4, 4);
VY_ASSERT_OFFSET(VY_DEVICECFG_LENS, dataLength, 6);
VY_ASSERT_OFFSET(VY_DEVICECFG_LENS, data, VY_DEVICECFG_LENS_HEADER_SIZE);
VY_ASSERT_OFFSET(VY_DEVICECFG_LENS, reserved23, 23);

VYAPI int32_t vy_AccessDeviceCfg(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* ---- Device features, memory, identity ---- */

VYAPI int32_t vy_IO(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);
#define VY_IO_LED_BLINK 9 /* u32: number of blinks */

/* vy_DeviceFeature commands (u32 buffers). */
#define VY_FEATURE_GET_SUPPORTED 1             /* VY_FEATURE_* bits */
#define VY_FEATURE_GET_MEMORY_MODE 90          /* 1: the camera memory is on */
#define VY_FEATURE_SET_MEMORY_MODE 91          /* 0 or 1, on the unopened address */
#define VY_FEATURE_GET_MEMORY_MODE_SUPPORT 102 /* 1: the memory mode can be switched */
#define VY_FEATURE_GET_FPN_CALIBRATED 104      /* nonzero: an FPN calibration is stored */
#define VY_FEATURE_SET_FPN_LOADING 105         /* 0 or 1: load the FPN correction data */
#define VY_FEATURE_GET_FPN_LOADING 106
#define VY_FEATURE_FPN 0x200u /* supported feature: FPN calibration and correction */
VYAPI int32_t vy_DeviceFeature(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* vy_CalibrateFPN commands (open camera, u32 buffer). */
#define VY_FPN_CALIBRATE 1              /* runs the calibration; may take minutes */
#define VY_FPN_GET_FACTORY_CALIBRATED 2 /* 1: the stored calibration comes from the factory */
VYAPI int32_t vy_CalibrateFPN(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

#define VY_PARAMETERSET_ERASE 7 /* open camera, no buffer: erase the stored parameter set */
VYAPI int32_t vy_ParameterSet(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

#define VY_PERSISTENT_MEMORY_READ_USER 4 /* 64 bytes: the user text of the persistent memory */
#define VY_PERSISTENT_MEMORY_USER_SIZE 64
VYAPI int32_t vy_PersistentMemory(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

/* vy_BootBoost commands (driver handle). */
#define VY_BOOTBOOST_GET_ENABLE 0x20010021u   /* u32: nonzero when enabled */
#define VY_BOOTBOOST_ENABLE 0x10001u          /* no buffer */
#define VY_BOOTBOOST_DISABLE 0x10011u         /* no buffer */
#define VY_BOOTBOOST_GET_ID_COUNT 0x20100022u /* u32 */
#define VY_BOOTBOOST_GET_IDS 0x30100021u      /* VY_BOOTBOOST_IDS, count preset */
#define VY_BOOTBOOST_SET_IDS 0x10100005u      /* VY_BOOTBOOST_IDS */
#define VY_BOOTBOOST_ADD_ID 0x10100001u       /* one byte: the camera ID */
#define VY_BOOTBOOST_REMOVE_ID 0x10100011u    /* one byte: the camera ID */
#define VY_BOOTBOOST_CLEAR_IDS 0x100015u      /* no buffer */

/* The camera IDs boot boost applies to: a u32 count, then count bytes, one camera ID (1..254)
 * each. The IDs run on past the four declared here; a list of n IDs is exchanged in a buffer
 * of VY_BOOTBOOST_IDS_SIZE(n) bytes. */
typedef struct VY_BOOTBOOST_IDS
{
    uint32_t count; /* 0 */
    uint8_t ids[4]; /* 4 */
} VY_BOOTBOOST_IDS;

#define VY_BOOTBOOST_IDS_SIZE(n) ((uint32_t)(n) + 7u)

VY_ASSERT_SIZE(VY_BOOTBOOST_IDS, 8);
VY_ASSERT_OFFSET(VY_BOOTBOOST_IDS, count, 0);
VY_ASSERT_OFFSET(VY_BOOTBOOST_IDS, ids, 4);

VYAPI int32_t vy_BootBoost(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size);

#define VY_MEM_READ 1
#define VY_MEM_WRITE 2
/* Memory areas of a USB camera. */
#define VY_MEM_AREA_FACTORY 1        /* VY_FACTORY_INFO at VY_MEM_FACTORY_OFFSET */
#define VY_MEM_AREA_CAMERA_ID 3      /* one byte at offset 0: the camera ID */
#define VY_MEM_AREA_USER_EEPROM 6    /* 64 bytes of user EEPROM text at offset 0 */
#define VY_MEM_AREA_MEMORY_CONFIG 20 /* VY_MEMORY_CONFIG at offset 0 */
#define VY_MEM_AREA_LENS 22          /* VY_LENS_DATA at offset 0 */
#define VY_MEM_FACTORY_OFFSET 0x1F00u
#define VY_USER_EEPROM_SIZE 64

/* Factory identity of a USB camera (64 bytes); texts are not necessarily terminated. */
typedef struct VY_FACTORY_INFO
{
    char manufacturer[20];  /* 0 */
    char qcDate[12];        /* 20: date of the quality control */
    uint8_t reserved32[32]; /* 32..63 */
} VY_FACTORY_INFO;

VY_ASSERT_SIZE(VY_FACTORY_INFO, 64);
VY_ASSERT_OFFSET(VY_FACTORY_INFO, manufacturer, 0);
VY_ASSERT_OFFSET(VY_FACTORY_INFO, qcDate, 20);
VY_ASSERT_OFFSET(VY_FACTORY_INFO, reserved32, 32);

/* Memory configuration of a USB camera (140 bytes). */
typedef struct VY_MEMORY_CONFIG
{
    uint8_t reserved0[76];  /* 0..75 */
    uint32_t memoryFlags;   /* 76: VY_MEMORY_MODE_MASK */
    uint8_t reserved80[60]; /* 80..139 */
} VY_MEMORY_CONFIG;

/* memoryFlags AND VY_MEMORY_MODE_MASK equal to VY_MEMORY_MODE_CAMERA: the camera memory is on. */
#define VY_MEMORY_MODE_MASK 0x300u
#define VY_MEMORY_MODE_CAMERA 0x200u

VY_ASSERT_SIZE(VY_MEMORY_CONFIG, 140);
VY_ASSERT_OFFSET(VY_MEMORY_CONFIG, reserved0, 0);
VY_ASSERT_OFFSET(VY_MEMORY_CONFIG, memoryFlags, 76);
VY_ASSERT_OFFSET(VY_MEMORY_CONFIG, reserved80, 80);

VYAPI int32_t vy_MemContent(VY_HCAM hCam, uint32_t command, uint32_t area, uint32_t offset,
                            void *buffer, uint32_t size);

VYAPI int32_t vy_SetCameraID(VY_HCAM hCam, int32_t id);
VYAPI int32_t vy_Renumerate(VY_HCAM hCam, int32_t mode);

/* Identity of an open camera (64 bytes); texts are not necessarily terminated. */
typedef struct VY_CAMINFO
{
    char serialNumber[12]; /* 0 */
    char manufacturer[20]; /* 12 */
    char version[10];      /* 32 */
    char dateEndtest[12];  /* 42 */
    uint8_t select;        /* 54 */
    uint8_t type;          /* 55: VY_CAMINFO_TYPE_* */
    char reserved[8];      /* 56..63 */
} VY_CAMINFO;

#define VY_CAMINFO_TYPE_USB 64
#define VY_CAMINFO_TYPE_ETH 128

VY_ASSERT_SIZE(VY_CAMINFO, 64);
VY_ASSERT_OFFSET(VY_CAMINFO, serialNumber, 0);
VY_ASSERT_OFFSET(VY_CAMINFO, manufacturer, 12);
VY_ASSERT_OFFSET(VY_CAMINFO, version, 32);
VY_ASSERT_OFFSET(VY_CAMINFO, dateEndtest, 42);
VY_ASSERT_OFFSET(VY_CAMINFO, select, 54);
VY_ASSERT_OFFSET(VY_CAMINFO, type, 55);
VY_ASSERT_OFFSET(VY_CAMINFO, reserved, 56);
VYAPI int32_t vy_GetCameraInfo(VY_HCAM hCam, VY_CAMINFO *info);

/* Revisions of the camera's parts (72 bytes). */
typedef struct VY_REVISIONINFO
{
    uint16_t size;            /* 0: sizeof(VY_REVISIONINFO), set by the caller */
    uint16_t sensor;          /* 2 */
    uint16_t cypress;         /* 4 */
    uint16_t reserved6;       /* 6 */
    uint32_t blackfin;        /* 8 */
    uint16_t dspFirmware;     /* 12 */
    uint16_t usbBoard;        /* 14 */
    uint16_t sensorBoard;     /* 16 */
    uint16_t processingBoard; /* 18 */
    uint16_t memoryBoard;     /* 20 */
    uint16_t housing;         /* 22 */
    uint16_t filter;          /* 24 */
    uint16_t timingBoard;     /* 26 */
    uint16_t product;         /* 28 */
    uint16_t powerBoard;      /* 30 */
    uint16_t logicBoard;      /* 32 */
    uint16_t reserved[19];    /* 34..71 */
} VY_REVISIONINFO;

VY_ASSERT_SIZE(VY_REVISIONINFO, 72);
VY_ASSERT_OFFSET(VY_REVISIONINFO, size, 0);
VY_ASSERT_OFFSET(VY_REVISIONINFO, sensor, 2);
VY_ASSERT_OFFSET(VY_REVISIONINFO, cypress, 4);
VY_ASSERT_OFFSET(VY_REVISIONINFO, reserved6, 6);
VY_ASSERT_OFFSET(VY_REVISIONINFO, blackfin, 8);
VY_ASSERT_OFFSET(VY_REVISIONINFO, dspFirmware, 12);
VY_ASSERT_OFFSET(VY_REVISIONINFO, usbBoard, 14);
VY_ASSERT_OFFSET(VY_REVISIONINFO, sensorBoard, 16);
VY_ASSERT_OFFSET(VY_REVISIONINFO, processingBoard, 18);
VY_ASSERT_OFFSET(VY_REVISIONINFO, memoryBoard, 20);
VY_ASSERT_OFFSET(VY_REVISIONINFO, housing, 22);
VY_ASSERT_OFFSET(VY_REVISIONINFO, filter, 24);
VY_ASSERT_OFFSET(VY_REVISIONINFO, timingBoard, 26);
VY_ASSERT_OFFSET(VY_REVISIONINFO, product, 28);
VY_ASSERT_OFFSET(VY_REVISIONINFO, powerBoard, 30);
VY_ASSERT_OFFSET(VY_REVISIONINFO, logicBoard, 32);
VY_ASSERT_OFFSET(VY_REVISIONINFO, reserved, 34);
VYAPI int32_t vy_GetRevisionInfo(VY_HCAM hCam, VY_REVISIONINFO *info);

/* ---- Acquisition (dapplix) ---- */

/* What the sensor of an open camera is (80 bytes). */
typedef struct VY_SENSORINFO
{
    uint16_t sensorId;        /* 0 */
    char sensorName[32];      /* 2 */
    char colorMode;           /* 34: 1 mono, 2 Bayer */
    char reserved35;          /* 35 */
    uint32_t maxWidth;        /* 36 */
    uint32_t maxHeight;       /* 40 */
    int32_t masterGain;       /* 44: nonzero: has master gain */
    int32_t rGain;            /* 48 */
    int32_t gGain;            /* 52 */
    int32_t bGain;            /* 56 */
    int32_t globalShutter;    /* 60 */
    uint16_t pixelSize;       /* 64: 1/100 um */
    char upperLeftBayerPixel; /* 66: 0 red, 1 green, 2 blue */
    char reserved[13];        /* 67..79 */
} VY_SENSORINFO;

VY_ASSERT_SIZE(VY_SENSORINFO, 80);
VY_ASSERT_OFFSET(VY_SENSORINFO, sensorId, 0);
VY_ASSERT_OFFSET(VY_SENSORINFO, sensorName, 2);
VY_ASSERT_OFFSET(VY_SENSORINFO, colorMode, 34);
VY_ASSERT_OFFSET(VY_SENSORINFO, reserved35, 35);
VY_ASSERT_OFFSET(VY_SENSORINFO, maxWidth, 36);
VY_ASSERT_OFFSET(VY_SENSORINFO, maxHeight, 40);
VY_ASSERT_OFFSET(VY_SENSORINFO, masterGain, 44);
VY_ASSERT_OFFSET(VY_SENSORINFO, rGain, 48);
VY_ASSERT_OFFSET(VY_SENSORINFO, gGain, 52);
VY_ASSERT_OFFSET(VY_SENSORINFO, bGain, 56);
VY_ASSERT_OFFSET(VY_SENSORINFO, globalShutter, 60);
VY_ASSERT_OFFSET(VY_SENSORINFO, pixelSize, 64);
VY_ASSERT_OFFSET(VY_SENSORINFO, upperLeftBayerPixel, 66);
VY_ASSERT_OFFSET(VY_SENSORINFO, reserved, 67);

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

VY_ASSERT_SIZE(VY_AOI_RECT, 16);
VY_ASSERT_OFFSET(VY_AOI_RECT, x, 0);
VY_ASSERT_OFFSET(VY_AOI_RECT, y, 4);
VY_ASSERT_OFFSET(VY_AOI_RECT, width, 8);
VY_ASSERT_OFFSET(VY_AOI_RECT, height, 12);

/* Image size answered by VY_AOI_IMAGE_GET_SIZE_MAX (8 bytes). */
typedef struct VY_AOI_SIZE
{
    int32_t width;
    int32_t height;
} VY_AOI_SIZE;

VY_ASSERT_SIZE(VY_AOI_SIZE, 8);
VY_ASSERT_OFFSET(VY_AOI_SIZE, width, 0);
VY_ASSERT_OFFSET(VY_AOI_SIZE, height, 4);
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
#endif

#endif // SDK_VYRO_API_H

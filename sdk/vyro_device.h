// vyro_device.h: device-ID ranges, status bits and type families of the devices the SDK lists.
#ifndef SDK_VYRO_DEVICE_H
#define SDK_VYRO_DEVICE_H

#include <cstdint>

namespace vyro {

// Device IDs: the range an ID falls into tells the kind of device (each end exclusive).
constexpr uint32_t NetworkDeviceIdFirst = 1000;        // USB cameras lie below
constexpr uint32_t ReadOnlyDeviceIdFirst = 1500;       // read-only network devices added by hand
constexpr uint32_t VisionStandardDeviceIdFirst = 2000; // USB3 Vision and GigE Vision devices
constexpr uint32_t OtherDeviceIdFirst = 2500;          // anything the other ranges do not hold

enum class DeviceKind
{
    Usb,
    Network,
    ReadOnly,
    VisionStandard,
    Other
};

constexpr DeviceKind deviceKind(uint32_t deviceId)
{
    if (deviceId < NetworkDeviceIdFirst)
        return DeviceKind::Usb;
    if (deviceId < ReadOnlyDeviceIdFirst)
        return DeviceKind::Network;
    if (deviceId < VisionStandardDeviceIdFirst)
        return DeviceKind::ReadOnly;
    if (deviceId < OtherDeviceIdFirst)
        return DeviceKind::VisionStandard;
    return DeviceKind::Other;
}

constexpr bool isUsbDevice(uint32_t deviceId)
{
    return deviceKind(deviceId) == DeviceKind::Usb;
}
constexpr bool isNetworkDevice(uint32_t deviceId)
{
    return deviceKind(deviceId) == DeviceKind::Network;
}
constexpr bool isReadOnlyDevice(uint32_t deviceId)
{
    return deviceKind(deviceId) == DeviceKind::ReadOnly;
}
constexpr bool isVisionStandardDevice(uint32_t deviceId)
{
    return deviceKind(deviceId) == DeviceKind::VisionStandard;
}

// Device type codes of the camera list entry.
constexpr uint8_t TypeUsb3Vision = 225; // vision-standard range: USB3 Vision device
constexpr uint8_t TypeGigEVision = 226; // vision-standard range: GigE Vision device
constexpr uint8_t TypeUsbFirst = 0x40;  // second-generation USB family 0x40..0x45
constexpr uint8_t TypeUsbLast = 0x45;
constexpr uint8_t TypeUsbLegacy = 0x40; // the one type whose variant flags mark a legacy USB path
constexpr uint8_t TypeThirdGenerationFirst = 0x60; // third-generation USB family 0x60..0x6F
constexpr uint8_t TypeThirdGenerationLast = 0x6F;
constexpr uint8_t TypeNetworkBit = 0x80; // set in the device's own type code on network cameras

constexpr bool isUsbFamilyType(uint32_t type)
{
    return type >= TypeUsbFirst && type <= TypeUsbLast;
}
constexpr bool isThirdGenerationType(uint32_t type)
{
    return type >= TypeThirdGenerationFirst && type <= TypeThirdGenerationLast;
}
constexpr bool isNetworkType(uint32_t type)
{
    return (type & TypeNetworkBit) != 0;
}

// Variant flags byte of the list entry: this bit marks the first revision of the 0x64 camera.
constexpr uint8_t VariantFlagFirstRevision = 0x40;

// Hardware variants of the list entry.
constexpr uint16_t HardwareVariantLiquidLens = 0x0D08;    // carries a liquid lens controller
constexpr uint16_t HardwareVariantWideBodyFirst = 0x0500; // wide-body housings 0x0500..0x05FF
constexpr uint16_t HardwareVariantWideBodyLast = 0x05FF;

constexpr bool isWideBodyVariant(uint32_t variant)
{
    return variant >= HardwareVariantWideBodyFirst && variant <= HardwareVariantWideBodyLast;
}

// Bus generation byte of the list entry that selects the third-generation USB information path.
constexpr uint8_t BusGenerationThird = 2;

// Status word of the camera list entry.
constexpr uint32_t ListStatusServiceFirmware = 0x1; // USB: firmware upload impossible
constexpr uint32_t ListStatusNoFullSpeed = 0x2;
constexpr uint32_t ListStatusFlag4 = 0x4; // unnamed, but counts as a problem like the others
constexpr uint32_t ListStatusInvalidIpRange = 0x8;
constexpr uint32_t ListStatusAnyProblem = 0xF;
// The two USB problems, which the verdict tells apart and together.
constexpr uint32_t ListStatusUsbProblems = ListStatusServiceFirmware | ListStatusNoFullSpeed;

// Device status word of the device information record.
constexpr uint32_t DeviceStatusReady = 0x1;
constexpr uint32_t DeviceStatusTestingCurrentIp = 0x2;
constexpr uint32_t DeviceStatusTestingPersistentIp = 0x4;
constexpr uint32_t DeviceStatusTestingIpRange = 0x8;
constexpr uint32_t DeviceStatusCurrentIpNotApplicable = 0x10;
constexpr uint32_t DeviceStatusPersistentIpNotApplicable = 0x20;
constexpr uint32_t DeviceStatusIpRangeNotApplicable = 0x40;
constexpr uint32_t DeviceStatusMulticastEnabled = 0x80;
constexpr uint32_t DeviceStatusUnpaired = 0x100; // clear on a free camera in boot boost mode
constexpr uint32_t DeviceStatusPairingInProgress = 0x200;
constexpr uint32_t DeviceStatusPaired = 0x400;
constexpr uint32_t DeviceStatusForce100Mbps = 0x1000;
constexpr uint32_t DeviceStatusNoComPort = 0x2000;
constexpr uint32_t DeviceStatusNeedsFirmwareAddon = 0x4000;
constexpr uint32_t DeviceStatusReceivingStarterFirmware = 0x10000;
constexpr uint32_t DeviceStatusReceivingRuntimeFirmware = 0x20000;
constexpr uint32_t DeviceStatusInapplicableRuntimeFirmware = 0x40000;
constexpr uint32_t DeviceStatusInapplicableStarterFirmware = 0x80000;
constexpr uint32_t DeviceStatusRebootingToRuntimeFirmware = 0x100000;
constexpr uint32_t DeviceStatusRebootingToStarterFirmware = 0x200000;
constexpr uint32_t DeviceStatusRebootingToFailsafeFirmware = 0x400000;
constexpr uint32_t DeviceStatusTestingFpgaFirmware = 0x800000;
constexpr uint32_t DeviceStatusReceivingAddonFirmware = 0x1000000;
constexpr uint32_t DeviceStatusInapplicableAddonFirmware = 0x4000000;
constexpr uint32_t DeviceStatusHardwareConfigurationError = 0x40000000;
constexpr uint32_t DeviceStatusRuntimeFirmwareError0 = 0x80000000;

// Device control status word of the device information record.
constexpr uint32_t ControlStatusAvailable = 0x1;
constexpr uint32_t ControlStatusAccessible1 = 0x2;
constexpr uint32_t ControlStatusAccessible2 = 0x4;
constexpr uint32_t ControlStatusPersistentIpUsed = 0x10;
constexpr uint32_t ControlStatusCompatible = 0x20;
constexpr uint32_t ControlStatusAdapterDhcp = 0x40;
constexpr uint32_t ControlStatusAdapterSettingsOk = 0x80;
constexpr uint32_t ControlStatusUnpairingInProgress = 0x100;
constexpr uint32_t ControlStatusPairingInProgress = 0x200;
constexpr uint32_t ControlStatusPaired = 0x1000;
constexpr uint32_t ControlStatusOpened = 0x4000;
constexpr uint32_t ControlStatusUploadStarterFirmware = 0x10000;
constexpr uint32_t ControlStatusUploadRuntimeFirmware = 0x20000;
constexpr uint32_t ControlStatusRebooting = 0x100000;
constexpr uint32_t ControlStatusBootBoostEnabled = 0x1000000;
constexpr uint32_t ControlStatusBootBoostUsed = 0x2000000;
constexpr uint32_t ControlStatusInitialized = 0x8000000;
constexpr uint32_t ControlStatusToBeDeleted = 0x40000000;
constexpr uint32_t ControlStatusToBeRemoved = 0x80000000;
// Accessible on both of the camera's channels: configured for this host.
constexpr uint32_t ControlStatusAccessible = ControlStatusAccessible1 | ControlStatusAccessible2;
// Paired with this host, or on its way there: this host has the camera open.
constexpr uint32_t ControlStatusHeldHere = ControlStatusPairingInProgress | ControlStatusPaired;

// DHCP state byte of the device information record.
constexpr uint32_t DhcpStateSupported = 0x1;
constexpr uint32_t DhcpStateError = 0x2;
constexpr uint32_t DhcpStateEnabled = 0x10;

static_assert(deviceKind(999) == DeviceKind::Usb, "USB ends below 1000");
static_assert(deviceKind(1000) == DeviceKind::Network, "network cameras start at 1000");
static_assert(deviceKind(1499) == DeviceKind::Network, "network cameras end below 1500");
static_assert(deviceKind(1500) == DeviceKind::ReadOnly, "read-only devices start at 1500");
static_assert(deviceKind(2000) == DeviceKind::VisionStandard, "vision standard starts at 2000");
static_assert(deviceKind(2500) == DeviceKind::Other, "other devices start at 2500");

} // namespace vyro

#endif // SDK_VYRO_DEVICE_H

// camera.h: zentara's value record of one device the camera library lists.
#ifndef ZENTARA_INVENTORY_CAMERA_H
#define ZENTARA_INVENTORY_CAMERA_H

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

#include <cstdint>
#include <optional>

#include "sdk/vyro_api.h"
#include "sdk/vyro_device.h"
#include "vyrokit/listedcamera.h"

class InterfaceNames;

namespace zentara {

// A snapshot of one listed device: its identity from the camera list entry and what the last
// device-information query returned. Copies are independent snapshots.
class Camera
{
public:
    Camera() = default;
    explicit Camera(const vyrokit::ListedCamera &listed);
    // The same, naming network cameras' adapters from interfaces read once for a whole list.
    Camera(const vyrokit::ListedCamera &listed, const InterfaceNames &interfaces);
    explicit Camera(const VY_CAMERA_LIST_ENTRY &entry);
    Camera(const Camera &) = default;
    Camera &operator=(const Camera &) = default;
    virtual ~Camera() = default;

    // Registers "Camera", "QList<Camera>" and "camera::optional" with the meta-type system.
    static void registerMetaTypes();

    // Reads the device information again (the third-generation USB path and/or the network path).
    void refreshDeviceInfo();

    // Identity group.
    uint32_t deviceId() const { return m_deviceId; }
    uint32_t cameraId() const { return m_cameraId; }
    uint32_t inUse() const { return m_inUse; }
    uint32_t sensorId() const { return m_sensorId; }
    QString serialNumber() const { return m_serialNumber; }
    QString model() const { return m_model; }
    QString fullModelName() const { return m_fullModelName; }
    uint32_t listStatus() const { return m_listStatus; }
    uint8_t deviceTypeCode() const { return m_deviceTypeCode; }
    uint16_t hardwareVariant() const { return m_hardwareVariant; }
    uint8_t variantFlags() const { return m_variantFlags; }
    uint8_t busGeneration() const { return m_busGeneration; }
    uint16_t legacyUsbFlag() const { return m_legacyUsbFlag; }

    // Device-information group.
    int32_t deviceInfoResult() const { return m_deviceInfoResult; }
    // The SDK's text of a failed device-information read, taken right after it.
    QString deviceInfoError() const { return m_deviceInfoError; }
    uint8_t networkTypeCode() const { return m_networkTypeCode; }
    uint32_t starterFirmwareVersion() const { return m_starterFirmwareVersion; }
    uint32_t requiredStarterFirmwareVersion() const { return m_requiredStarterFirmwareVersion; }
    uint32_t runtimeFirmwareVersion() const { return m_runtimeFirmwareVersion; }
    uint32_t deviceStatus() const { return m_deviceStatus; }
    uint32_t controlStatus() const { return m_controlStatus; }
    uint32_t dhcpState() const { return m_dhcpState; }
    uint16_t linkSpeed() const { return m_linkSpeed; }
    uint32_t adapterLinkSpeed() const { return m_adapterLinkSpeed; }
    QString ipAddress() const { return m_ipAddress; }
    QString subnetMask() const { return m_subnetMask; }
    QString persistentIpAddress() const { return m_persistentIpAddress; }
    QString persistentSubnetMask() const { return m_persistentSubnetMask; }
    QString dhcpServerIp() const { return m_dhcpServerIp; }
    QString ipRangeBegin() const { return m_ipRangeBegin; }
    QString ipRangeEnd() const { return m_ipRangeEnd; }
    QString pairedHostIp() const { return m_pairedHostIp; }
    QString multicastIpAddress() const { return m_multicastIpAddress; }
    QString adapterIpAddress() const { return m_adapterIpAddress; }
    QString adapterSubnetMask() const { return m_adapterSubnetMask; }
    QString adapterIpRangeBegin() const { return m_adapterIpRangeBegin; }
    QString adapterIpRangeEnd() const { return m_adapterIpRangeEnd; }
    QString macAddress() const { return m_macAddress; }
    QString pairedHostMac() const { return m_pairedHostMac; }
    QString adapterMac() const { return m_adapterMac; }
    QString adapterName() const { return m_adapterName; }
    uint32_t multicastSupport() const { return m_multicastSupport; }
    uint32_t multicastEnable() const { return m_multicastEnable; }
    QString usbPortPath() const { return m_usbPortPath; }
    uint16_t temperature() const { return m_temperature; }
    int16_t comPort() const { return m_comPort; }
    QString userEeprom() const { return m_userEeprom; }
    uint16_t imageMemorySize() const { return m_imageMemorySize; }
    uint32_t dhcpFsmState() const { return m_dhcpFsmState; }
    uint32_t dhcpLeaseTime() const { return m_dhcpLeaseTime; }
    uint32_t dhcpT1Time() const { return m_dhcpT1Time; }
    uint32_t dhcpT2Time() const { return m_dhcpT2Time; }
    bool adapterDhcpEnabled() const { return m_adapterDhcpEnabled; }
    bool adapterIpRangeValid() const { return m_adapterIpRangeValid; }
    uint32_t knownDevices() const { return m_knownDevices; }
    uint32_t pairedDevices() const { return m_pairedDevices; }
    uint32_t driverVersion() const { return m_driverVersion; }
    uint32_t minStarterFirmware() const { return m_minStarterFirmware; }
    uint32_t maxStarterFirmware() const { return m_maxStarterFirmware; }
    uint8_t usbBusNumber() const { return m_usbBusNumber; }
    // The whole record of the last successful device-information query (VY_DEVICE_INFO_SIZE
    // bytes), for values no accessor names; empty after a failure.
    QByteArray rawDeviceInfo() const { return m_rawDeviceInfo; }

    // Kind, from the device ID alone.
    bool isUsb() const { return vyro::isUsbDevice(m_deviceId); }
    bool isEth() const { return vyro::isNetworkDevice(m_deviceId); }
    bool isReadOnlyDevice() const { return vyro::isReadOnlyDevice(m_deviceId); }
    bool isVisionStandard() const { return vyro::isVisionStandardDevice(m_deviceId); }
    bool isThirdGenerationUsb() const;
    bool runsRequiredStarterFirmware() const
    {
        return m_requiredStarterFirmwareVersion == m_starterFirmwareVersion;
    }
    // 0 USB, 1 network camera, 4 read-only device, 5 vision-standard device, 6 anything else.
    int interfaceClass() const;
    // "USB", "ETH", "PMC", "U3V", "GEV" or "UNK"; these are codes, not translated.
    QString typeText() const;

    // The address of the unopened camera for the library.
    VY_HCAM unopenedHandle() const { return static_cast<VY_HCAM>(m_deviceId | VY_UNOPENED); }

private:
    void readDeviceInfoAtConstruction(const InterfaceNames &interfaces);
    // One device-information query; stores its result code and, on success, the raw record.
    bool queryDeviceInfo(VY_DEVICE_INFO &info);
    void readNetworkInfo(const InterfaceNames &interfaces);
    void readUsbInfo(bool thirdGeneration);
    void clearNetworkInfo();
    void clearUsbInfo();

    // Identity group.
    uint32_t m_deviceId = 0;
    uint32_t m_cameraId = 0;
    uint32_t m_inUse = 0;
    uint32_t m_sensorId = 0;
    QString m_serialNumber;
    QString m_model;
    QString m_fullModelName;
    uint32_t m_listStatus = 0;
    uint8_t m_deviceTypeCode = 0;
    uint16_t m_hardwareVariant = 0;
    uint8_t m_variantFlags = 0;
    uint8_t m_busGeneration = 0;
    uint16_t m_legacyUsbFlag = 0;

    // Device-information group.
    int32_t m_deviceInfoResult = 0;
    QString m_deviceInfoError;
    uint8_t m_networkTypeCode = 0;
    uint32_t m_starterFirmwareVersion = 0;
    uint32_t m_requiredStarterFirmwareVersion = 0;
    uint32_t m_runtimeFirmwareVersion = 0;
    uint32_t m_deviceStatus = 0;
    uint32_t m_controlStatus = 0;
    uint32_t m_dhcpState = 0;
    uint16_t m_linkSpeed = 0;
    uint32_t m_adapterLinkSpeed = 0;
    QString m_ipAddress;
    QString m_subnetMask;
    QString m_persistentIpAddress;
    QString m_persistentSubnetMask;
    QString m_dhcpServerIp;
    QString m_ipRangeBegin;
    QString m_ipRangeEnd;
    QString m_pairedHostIp;
    QString m_multicastIpAddress;
    QString m_adapterIpAddress;
    QString m_adapterSubnetMask;
    QString m_adapterIpRangeBegin;
    QString m_adapterIpRangeEnd;
    QString m_macAddress;
    QString m_pairedHostMac;
    QString m_adapterMac;
    QString m_adapterName;
    uint32_t m_multicastSupport = 0;
    uint32_t m_multicastEnable = 0;
    QString m_usbPortPath;
    uint8_t m_usbBusNumber = 0;
    uint16_t m_temperature = 0;
    int16_t m_comPort = 0;
    QString m_userEeprom;
    uint16_t m_imageMemorySize = 0;
    uint32_t m_dhcpFsmState = 0;
    uint32_t m_dhcpLeaseTime = 0;
    uint32_t m_dhcpT1Time = 0;
    uint32_t m_dhcpT2Time = 0;
    bool m_adapterDhcpEnabled = false;
    bool m_adapterIpRangeValid = false;
    uint32_t m_knownDevices = 0;
    uint32_t m_pairedDevices = 0;
    uint32_t m_driverVersion = 0;
    uint32_t m_minStarterFirmware = 0;
    uint32_t m_maxStarterFirmware = 0;
    QByteArray m_rawDeviceInfo;
};

} // namespace zentara

namespace camera {
// The selection as it travels in signals: a camera or nothing.
using optional = std::optional<zentara::Camera>;
} // namespace camera

Q_DECLARE_METATYPE(zentara::Camera)
Q_DECLARE_METATYPE(camera::optional)

#endif // ZENTARA_INVENTORY_CAMERA_H

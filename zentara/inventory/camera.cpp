// camera.cpp: building a Camera from the camera list and its device-information queries.
#include "zentara/inventory/camera.h"

#include <QMetaType>
#include <QStringList>

#include <cstring>

#include "vyrokit/networkaddress.h"
#include "vyrokit/sdkerror.h"
#include "vyrokit/sdkquery.h"
#include "zentara/inventory/interfacenames.h"

namespace zentara {

namespace {

using vyrokit::NetworkAddress;

QString eepromText(const char *data, size_t size)
{
    // The user EEPROM need not be zero-terminated; never read past the field.
    return QString::fromUtf8(data, static_cast<int>(qstrnlen(data, static_cast<uint>(size))));
}

QString ipText(const uint8_t (&a)[4])
{
    return NetworkAddress::ipv4Text(a);
}

QString macText(const uint8_t (&m)[6], QChar separator)
{
    return NetworkAddress::macText(m, separator);
}

QString portPathText(uint8_t bus, const uint8_t (&ports)[5])
{
    QStringList parts;
    for (uint8_t port : ports) {
        if (port == 0)
            break;
        parts << QString::number(port);
    }
    // Without a port there is no device name under the USB device directory.
    if (bus == 0 || parts.isEmpty())
        return QString();
    return QStringLiteral("%1-%2").arg(bus).arg(parts.join(QLatin1Char('.')));
}

} // namespace

Camera::Camera(const VY_CAMERA_LIST_ENTRY &entry) : Camera(vyrokit::ListedCamera::fromEntry(entry))
{
}

Camera::Camera(const vyrokit::ListedCamera &listed) : Camera(listed, InterfaceNames())
{
}

Camera::Camera(const vyrokit::ListedCamera &listed, const InterfaceNames &interfaces)
    : m_deviceId(listed.deviceId), m_cameraId(listed.cameraId), m_inUse(listed.inUse),
      m_sensorId(listed.sensorId), m_serialNumber(listed.serialNumber), m_model(listed.model),
      m_fullModelName(listed.fullModelName), m_listStatus(listed.status),
      m_deviceTypeCode(listed.deviceType), m_hardwareVariant(listed.hardwareVariant),
      m_variantFlags(listed.variantFlags), m_busGeneration(listed.busGeneration)
{
    if (m_deviceTypeCode == vyro::TypeUsbLegacy)
        m_legacyUsbFlag = m_variantFlags != 0 ? 1 : 0;
    readDeviceInfoAtConstruction(interfaces);
}

void Camera::registerMetaTypes()
{
    qRegisterMetaType<Camera>("Camera");
    qRegisterMetaType<QList<Camera>>("QList<Camera>");
    qRegisterMetaType<camera::optional>("camera::optional");
}

bool Camera::isThirdGenerationUsb() const
{
    return isUsb() && vyro::isThirdGenerationType(m_deviceTypeCode);
}

int Camera::interfaceClass() const
{
    if (isUsb())
        return 0;
    if (isEth())
        return 1;
    if (isReadOnlyDevice())
        return 4;
    if (isVisionStandard())
        return 5;
    return 6;
}

QString Camera::typeText() const
{
    if (isUsb())
        return QStringLiteral("USB");
    if (isEth())
        return QStringLiteral("ETH");
    if (isReadOnlyDevice())
        return QStringLiteral("PMC");
    if (isVisionStandard() && m_deviceTypeCode == vyro::TypeUsb3Vision)
        return QStringLiteral("U3V");
    if (isVisionStandard() && m_deviceTypeCode == vyro::TypeGigEVision)
        return QStringLiteral("GEV");
    return QStringLiteral("UNK");
}

void Camera::readDeviceInfoAtConstruction(const InterfaceNames &interfaces)
{
    const bool thirdGeneration = m_busGeneration == vyro::BusGenerationThird;
    if (isUsb()) {
        readUsbInfo(thirdGeneration);
    } else if (thirdGeneration) {
        readUsbInfo(true);
    } else if (isEth() || isReadOnlyDevice()) {
        readNetworkInfo(interfaces);
    } else if (isVisionStandard()) {
        readUsbInfo(false);
    }
}

void Camera::refreshDeviceInfo()
{
    if (m_busGeneration == vyro::BusGenerationThird)
        readUsbInfo(true);
    if (!isUsb())
        readNetworkInfo(InterfaceNames());
}

bool Camera::queryDeviceInfo(VY_DEVICE_INFO &info)
{
    std::memset(&info, 0, sizeof info);
    m_deviceInfoResult = vy_DeviceInfo(unopenedHandle(), VY_DEVICE_INFO_CMD, &info, sizeof info);
    m_deviceInfoError.clear();
    if (m_deviceInfoResult != VY_SUCCESS) {
        m_deviceInfoError = vyrokit::SdkError::text(VY_DRIVER_HANDLE, m_deviceInfoResult);
        return false;
    }
    m_rawDeviceInfo = QByteArray(reinterpret_cast<const char *>(&info), sizeof info);
    return true;
}

void Camera::readNetworkInfo(const InterfaceNames &interfaces)
{
    VY_DEVICE_INFO info;
    if (!queryDeviceInfo(info)) {
        clearNetworkInfo();
        return;
    }

    const VY_DEVICE_INFO_DEVICE &d = info.device;
    const VY_DEVICE_INFO_CONTROL &c = info.control;
    m_networkTypeCode = d.deviceType;
    m_dhcpState = d.dhcpState;
    m_linkSpeed = d.linkSpeed;
    m_starterFirmwareVersion = d.starterFirmware;
    m_runtimeFirmwareVersion = d.runtimeFirmware;
    m_deviceStatus = d.deviceStatus;
    m_macAddress = macText(d.mac, QLatin1Char('-'));
    m_pairedHostMac = macText(d.pairedHostMac, QLatin1Char('-'));
    m_ipAddress = ipText(d.ipAddress);
    m_subnetMask = ipText(d.subnetMask);
    m_persistentIpAddress = ipText(d.persistentIp);
    m_persistentSubnetMask = ipText(d.persistentSubnet);
    m_dhcpServerIp = ipText(d.dhcpServerIp);
    m_ipRangeBegin = ipText(d.ipRangeBegin);
    m_ipRangeEnd = ipText(d.ipRangeEnd);
    m_pairedHostIp = ipText(d.pairedHostIp);
    m_multicastIpAddress = ipText(d.multicastIp);
    m_dhcpFsmState = d.dhcpFsmState;
    m_dhcpLeaseTime = d.dhcpLeaseTime;
    m_dhcpT1Time = d.dhcpT1Time;
    m_dhcpT2Time = d.dhcpT2Time;
    m_temperature = d.temperature;
    m_comPort = d.comPort;
    m_imageMemorySize = d.imageMemorySize;
    m_userEeprom = eepromText(d.userEeprom, sizeof d.userEeprom);

    m_controlStatus = c.controlStatus;
    m_requiredStarterFirmwareVersion = c.requiredStarterFirmware;
    m_driverVersion = c.driverVersion;
    m_minStarterFirmware = c.minStarterFirmware;
    m_maxStarterFirmware = c.maxStarterFirmware;
    m_adapterMac = macText(c.adapterMac, QLatin1Char('-'));
    m_adapterName = interfaces.nameOf(macText(c.adapterMac, QLatin1Char(':')));
    m_adapterIpAddress = ipText(c.adapterIp);
    m_adapterSubnetMask = ipText(c.adapterSubnet);
    m_adapterIpRangeBegin = ipText(c.adapterIpRangeBegin);
    m_adapterIpRangeEnd = ipText(c.adapterIpRangeEnd);
    m_adapterLinkSpeed = c.adapterLinkSpeed;
    m_adapterDhcpEnabled = c.adapterDhcpEnabled != 0;
    m_adapterIpRangeValid = c.adapterIpRangeValid != 0;
    m_knownDevices = c.knownDevices;
    m_pairedDevices = c.pairedDevices;

    // A failed read leaves the value neutral rather than stale.
    m_multicastSupport =
        vyrokit::query<uint32_t>(vy_Multicast, unopenedHandle(), VY_MULTICAST_GET_SUPPORT)
            .value_or(0);
    m_multicastEnable =
        vyrokit::query<uint32_t>(vy_Multicast, unopenedHandle(), VY_MULTICAST_GET_ENABLE)
            .value_or(0);
}

void Camera::readUsbInfo(bool thirdGeneration)
{
    VY_DEVICE_INFO info;
    if (!queryDeviceInfo(info)) {
        clearUsbInfo();
        return;
    }

    const VY_DEVICE_INFO_USB &u = info.usb;
    m_networkTypeCode = thirdGeneration ? 0 : m_deviceTypeCode;
    if (!thirdGeneration)
        m_legacyUsbFlag = m_variantFlags != 0 ? 1 : 0;
    m_usbBusNumber = u.busNumber;
    m_usbPortPath = portPathText(u.busNumber, u.portPath);
    m_linkSpeed = u.linkSpeed;
    m_temperature = u.temperature;
    m_comPort = u.comPort;
    m_starterFirmwareVersion = u.starterFirmware;
    m_runtimeFirmwareVersion = u.runtimeFirmware;
    m_driverVersion = u.driverVersion;
    m_minStarterFirmware = u.minStarterFirmware;
    m_maxStarterFirmware = u.maxStarterFirmware;
}

void Camera::clearNetworkInfo()
{
    m_rawDeviceInfo.clear();
    m_networkTypeCode = 0;
    m_starterFirmwareVersion = 0;
    m_requiredStarterFirmwareVersion = 0;
    m_runtimeFirmwareVersion = 0;
    m_deviceStatus = 0;
    m_controlStatus = 0;
    m_dhcpState = 0;
    m_linkSpeed = 0;
    m_adapterLinkSpeed = 0;
    for (QString *text :
         {&m_ipAddress, &m_subnetMask, &m_persistentIpAddress, &m_persistentSubnetMask,
          &m_dhcpServerIp, &m_ipRangeBegin, &m_ipRangeEnd, &m_pairedHostIp, &m_multicastIpAddress,
          &m_adapterIpAddress, &m_adapterSubnetMask, &m_adapterIpRangeBegin, &m_adapterIpRangeEnd,
          &m_macAddress, &m_pairedHostMac, &m_adapterMac, &m_adapterName, &m_userEeprom})
        text->clear();
    m_multicastSupport = 0;
    m_multicastEnable = 0;
    m_temperature = 0;
    m_comPort = 0;
    m_imageMemorySize = 0;
    m_dhcpFsmState = 0;
    m_dhcpLeaseTime = 0;
    m_dhcpT1Time = 0;
    m_dhcpT2Time = 0;
    m_adapterDhcpEnabled = false;
    m_adapterIpRangeValid = false;
    m_knownDevices = 0;
    m_pairedDevices = 0;
    m_driverVersion = 0;
    m_minStarterFirmware = 0;
    m_maxStarterFirmware = 0;
}

void Camera::clearUsbInfo()
{
    m_rawDeviceInfo.clear();
    m_starterFirmwareVersion = 0;
    m_runtimeFirmwareVersion = 0;
    m_driverVersion = 0;
    m_minStarterFirmware = 0;
    m_maxStarterFirmware = 0;
    m_linkSpeed = 0;
}

} // namespace zentara

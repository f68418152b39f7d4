// camera.cpp: building a Camera from the camera list and its device-information queries.
#include "zentara/inventory/camera.h"

#include <QMetaType>
#include <QNetworkInterface>
#include <QStringList>

#include <cstring>

namespace {

QString fixedText(const char *data, size_t size)
{
    // List entries need not be zero-terminated; never read past the field.
    return QString::fromUtf8(data, static_cast<int>(qstrnlen(data, static_cast<uint>(size))));
}

QString ipText(const uint8_t (&a)[4])
{
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

QString macText(const uint8_t (&m)[6], QChar separator)
{
    QStringList parts;
    for (uint8_t byte : m)
        parts << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(separator);
}

QString localInterfaceName(const QString &colonMac)
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        if (iface.hardwareAddress().compare(colonMac, Qt::CaseInsensitive) == 0)
            return iface.name();
    }
    return QString();
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

Camera::Camera(const VY_CAMERA_LIST_ENTRY &entry)
    : m_deviceId(entry.deviceId), m_cameraId(entry.cameraId), m_inUse(entry.inUse),
      m_sensorId(entry.sensorId),
      m_serialNumber(fixedText(entry.serialNumber, sizeof entry.serialNumber)),
      m_model(fixedText(entry.model, sizeof entry.model)),
      m_fullModelName(fixedText(entry.fullModelName, sizeof entry.fullModelName)),
      m_listStatus(entry.status), m_deviceTypeCode(entry.deviceType),
      m_hardwareVariant(entry.hardwareVariant), m_variantFlags(entry.variantFlags),
      m_busGeneration(entry.busGeneration)
{
    if (m_deviceTypeCode == 0x40)
        m_legacyUsbFlag = m_variantFlags != 0 ? 1 : 0;
    readDeviceInfoAtConstruction();
}

void Camera::registerMetaTypes()
{
    qRegisterMetaType<Camera>("Camera");
    qRegisterMetaType<QList<Camera>>("QList<Camera>");
    qRegisterMetaType<camera::optional>("camera::optional");
}

bool Camera::isThirdGenerationUsb() const
{
    return isUsb() && m_deviceTypeCode >= 0x60 && m_deviceTypeCode <= 0x6F;
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
    if (isVisionStandard() && m_deviceTypeCode == 225)
        return QStringLiteral("U3V");
    if (isVisionStandard() && m_deviceTypeCode == 226)
        return QStringLiteral("GEV");
    return QStringLiteral("UNK");
}

void Camera::readDeviceInfoAtConstruction()
{
    if (m_deviceId < 1000) {
        readUsbInfo(m_busGeneration == 2);
    } else if (m_busGeneration == 2) {
        readUsbInfo(true);
    } else if (m_deviceId < 2000) {
        readNetworkInfo();
    } else if (m_deviceId < 2500) {
        readUsbInfo(false);
    }
}

void Camera::refreshDeviceInfo()
{
    if (m_busGeneration == 2)
        readUsbInfo(true);
    if (m_deviceId >= 1000)
        readNetworkInfo();
}

bool Camera::queryDeviceInfo(VY_DEVICE_INFO &info)
{
    std::memset(&info, 0, sizeof info);
    m_deviceInfoResult = vy_DeviceInfo(unopenedHandle(), VY_DEVICE_INFO_CMD, &info, sizeof info);
    if (m_deviceInfoResult != VY_SUCCESS)
        return false;
    m_rawDeviceInfo = QByteArray(reinterpret_cast<const char *>(&info), sizeof info);
    return true;
}

void Camera::readNetworkInfo()
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
    m_userEeprom = fixedText(d.userEeprom, sizeof d.userEeprom);

    m_controlStatus = c.controlStatus;
    m_requiredStarterFirmwareVersion = c.requiredStarterFirmware;
    m_driverVersion = c.driverVersion;
    m_minStarterFirmware = c.minStarterFirmware;
    m_maxStarterFirmware = c.maxStarterFirmware;
    m_adapterMac = macText(c.adapterMac, QLatin1Char('-'));
    m_adapterName = localInterfaceName(macText(c.adapterMac, QLatin1Char(':')));
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
    uint32_t value = 0;
    m_multicastSupport =
        vy_Multicast(unopenedHandle(), VY_MULTICAST_GET_SUPPORT, &value, sizeof value) == 0 ? value
                                                                                            : 0;
    value = 0;
    m_multicastEnable =
        vy_Multicast(unopenedHandle(), VY_MULTICAST_GET_ENABLE, &value, sizeof value) == 0 ? value
                                                                                           : 0;
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

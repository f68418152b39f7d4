// usbdevice.cpp: a device's attributes and what its name says about its place.
#include "zentara/devinfo/usbdevice.h"

#include "zentara/devinfo/sysfsentry.h"

#include <limits>

UsbDevice::UsbDevice(const SysfsEntry &entry)
    : m_name(entry.name()), m_configurationValue(entry.number("bConfigurationValue", 10)),
      m_deviceClass(entry.number("bDeviceClass", 16)),
      m_deviceProtocol(entry.number("bDeviceProtocol", 16)),
      m_deviceSubClass(entry.number("bDeviceSubClass", 16)),
      m_maxPacketSize0(entry.number("bMaxPacketSize0", 16)), m_maxPower(entry.text("bMaxPower")),
      m_numConfigurations(entry.number("bNumConfigurations", 10)),
      m_numInterfaces(entry.number("bNumInterfaces", 16)),
      m_bcdDevice(entry.number("bcdDevice", 16)), m_attributes(entry.number("bmAttributes", 16)),
      m_configuration(entry.number("configuration", 10)),
      m_deviceNumber(entry.number("devnum", 10)), m_productId(entry.number("idProduct", 16)),
      m_vendorId(entry.number("idVendor", 16)), m_maxChild(entry.number("maxchild", 10)),
      m_manufacturer(entry.text("manufacturer")), m_product(entry.text("product")),
      m_serial(entry.text("serial")), m_version(entry.text("version")),
      m_speed(entry.trimmedText("speed")), m_driver(entry.driver())
{
    const NameParts parts = parseName(m_name);
    m_busNumber = parts.busNumber;
    m_parentPort = parts.parentPort;
    m_port = parts.port;
    m_portCount = parts.portCount;
    m_parentLength = parts.parentLength;
}

QString UsbDevice::parentName() const
{
    // The kernel names a device after its hub and its port on it, so the hub's name is the
    // device's name without the last port. Port numbers repeat on every hub and tell nothing.
    if (m_portCount < 2)
        return QString();
    return m_name.left(m_parentLength);
}

UsbDevice::NameParts UsbDevice::parseName(const QString &name)
{
    NameParts parts;
    int i = 0;
    auto isDigitAt = [&](int at) {
        return at < name.size() && name.at(at) >= QLatin1Char('0') &&
               name.at(at) <= QLatin1Char('9');
    };
    // Numbers saturate: a name with an absurd port is still read to its end.
    auto readNumber = [&](uint *value) {
        uint64_t n = 0;
        for (; isDigitAt(i); ++i)
            n = qMin<uint64_t>(n * 10 + uint64_t(name.at(i).unicode() - '0'),
                               std::numeric_limits<uint>::max());
        *value = uint(n);
    };
    if (!isDigitAt(0))
        return parts;
    readNumber(&parts.busNumber);
    while (i < name.size() && (name.at(i) == QLatin1Char('-') || name.at(i) == QLatin1Char('.')) &&
           isDigitAt(i + 1)) {
        const int separator = i++;
        uint port = 0;
        readNumber(&port);
        parts.parentPort = parts.port;
        parts.port = port;
        parts.parentLength = parts.portCount > 0 ? separator : 0;
        ++parts.portCount;
    }
    return parts;
}

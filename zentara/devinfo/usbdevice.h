// usbdevice.h: one USB device (a hub or a function) below a root hub.
#ifndef ZENTARA_DEVINFO_USBDEVICE_H
#define ZENTARA_DEVINFO_USBDEVICE_H

#include <QList>
#include <QString>

class SysfsEntry;
class UsbInterface;
class UsbRootHub;

// An entry such as "2-1.4": bus 2, port 4 of the hub on port 1 of the root hub. Owned by the
// UsbTopology that scanned it and valid until its next rescan.
class UsbDevice final
{
public:
    // The class code of a hub.
    static constexpr uint hubClass = 9;

    explicit UsbDevice(const SysfsEntry &entry);

    QString name() const { return m_name; }
    uint busNumber() const { return m_busNumber; }
    // The port of the hub this device is on; 0 for a device on a root port.
    uint parentPort() const { return m_parentPort; }
    uint port() const { return m_port; }
    // The name of the hub device this one is on ("2-1" for "2-1.4"); empty for a device on a
    // root port or a name without ports.
    QString parentName() const;

    uint configurationValue() const { return m_configurationValue; }
    uint deviceClass() const { return m_deviceClass; }
    uint deviceProtocol() const { return m_deviceProtocol; }
    uint deviceSubClass() const { return m_deviceSubClass; }
    uint maxPacketSize0() const { return m_maxPacketSize0; }
    QString maxPower() const { return m_maxPower; }
    uint numConfigurations() const { return m_numConfigurations; }
    uint numInterfaces() const { return m_numInterfaces; }
    uint bcdDevice() const { return m_bcdDevice; }
    uint attributes() const { return m_attributes; }
    uint configuration() const { return m_configuration; }
    uint deviceNumber() const { return m_deviceNumber; }
    uint productId() const { return m_productId; }
    uint vendorId() const { return m_vendorId; }
    uint maxChild() const { return m_maxChild; }
    QString manufacturer() const { return m_manufacturer; }
    QString product() const { return m_product; }
    QString serial() const { return m_serial; }
    QString version() const { return m_version; }
    QString speed() const { return m_speed; }
    QString driver() const { return m_driver; }
    bool isHub() const { return m_deviceClass == hubClass; }

    // The hub device this one is on; null on a root port and for a device whose hub is missing.
    const UsbDevice *parent() const { return m_parent; }
    // The root hub, set only for a device on a root port.
    const UsbRootHub *rootHub() const { return m_rootHub; }
    // The devices on its ports, by port number.
    const QList<const UsbDevice *> &children() const { return m_children; }
    // Its interfaces in scan order.
    const QList<const UsbInterface *> &interfaces() const { return m_interfaces; }

    struct NameParts
    {
        uint busNumber = 0;
        uint parentPort = 0;
        uint port = 0;
        // How many ports the name holds (0 for a name that is only a bus number).
        int portCount = 0;
        // The length of the name before the separator of its last port.
        int parentLength = 0;
    };
    // Bus, parent port and port of a device name: the leading number is the bus, every number
    // after a "-" or "." shifts the port into the parent port; a separator without digits or
    // any other character ends the name.
    static NameParts parseName(const QString &name);

private:
    Q_DISABLE_COPY(UsbDevice)
    friend class UsbTopology;

    QString m_name;
    uint m_busNumber = 0;
    uint m_parentPort = 0;
    uint m_port = 0;
    int m_portCount = 0;
    int m_parentLength = 0;
    uint m_configurationValue = 0;
    uint m_deviceClass = 0;
    uint m_deviceProtocol = 0;
    uint m_deviceSubClass = 0;
    uint m_maxPacketSize0 = 0;
    QString m_maxPower;
    uint m_numConfigurations = 0;
    uint m_numInterfaces = 0;
    uint m_bcdDevice = 0;
    uint m_attributes = 0;
    uint m_configuration = 0;
    uint m_deviceNumber = 0;
    uint m_productId = 0;
    uint m_vendorId = 0;
    uint m_maxChild = 0;
    QString m_manufacturer;
    QString m_product;
    QString m_serial;
    QString m_version;
    QString m_speed;
    QString m_driver;
    const UsbDevice *m_parent = nullptr;
    const UsbRootHub *m_rootHub = nullptr;
    QList<const UsbDevice *> m_children;
    QList<const UsbInterface *> m_interfaces;
};

#endif // ZENTARA_DEVINFO_USBDEVICE_H

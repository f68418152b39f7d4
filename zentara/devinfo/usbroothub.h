// usbroothub.h: the root hub of one USB bus, and through it the bus's host controller.
#ifndef ZENTARA_DEVINFO_USBROOTHUB_H
#define ZENTARA_DEVINFO_USBROOTHUB_H

#include <QList>
#include <QString>

class SysfsEntry;
class UdevHwdb;
class UsbDevice;

// An entry such as "usb2": one per bus, one per host controller (a controller serving two
// speeds has two). Owned by the UsbTopology that scanned it and valid until its next rescan.
class UsbRootHub final
{
public:
    UsbRootHub(const SysfsEntry &entry, const UdevHwdb &hwdb);

    QString name() const { return m_name; }
    uint busNumber() const { return m_busNumber; }
    uint deviceNumber() const { return m_deviceNumber; }
    uint deviceClass() const { return m_deviceClass; }
    uint productId() const { return m_productId; }
    uint vendorId() const { return m_vendorId; }
    uint maxChild() const { return m_maxChild; }
    // The bus speed in Mbit/s as the kernel writes it ("480", "5000", "1.5").
    QString speed() const { return m_speed; }
    QString serial() const { return m_serial; }
    QString driver() const { return m_driver; }
    // "vendor model" of the host controller from the hardware database; empty when the
    // controller's directory was not found, a single space when it has no names.
    QString controllerDescription() const { return m_controllerDescription; }
    // The devices on its ports, in scan order.
    const QList<const UsbDevice *> &devices() const { return m_devices; }

    // The directory of the host controller that serves the root hub at path (named name),
    // found through the driver's link back to it; empty when a link is missing, dangling or
    // loops.
    static QString controllerDirectory(const QString &path, const QString &name);

private:
    Q_DISABLE_COPY(UsbRootHub)
    friend class UsbTopology;

    QString m_name;
    uint m_busNumber = 0;
    uint m_deviceNumber = 0;
    uint m_deviceClass = 0;
    uint m_productId = 0;
    uint m_vendorId = 0;
    uint m_maxChild = 0;
    QString m_speed;
    QString m_serial;
    QString m_driver;
    QString m_controllerDescription;
    QList<const UsbDevice *> m_devices;
};

#endif // ZENTARA_DEVINFO_USBROOTHUB_H

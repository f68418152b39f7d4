// usbinterface.h: one interface of a USB device, as the kernel's device directory shows it.
#ifndef ZENTARA_DEVINFO_USBINTERFACE_H
#define ZENTARA_DEVINFO_USBINTERFACE_H

#include <QString>

class SysfsEntry;
class UsbDevice;

// An entry such as "2-1.4:1.0". Owned by the UsbTopology that scanned it and valid until its
// next rescan.
class UsbInterface final
{
public:
    explicit UsbInterface(const SysfsEntry &entry);

    QString name() const { return m_name; }
    // The name of the device the interface belongs to: its name up to the ":".
    QString deviceName() const { return m_name.left(m_name.indexOf(QLatin1Char(':'))); }
    uint alternateSetting() const { return m_alternateSetting; }
    uint interfaceClass() const { return m_interfaceClass; }
    uint interfaceNumber() const { return m_interfaceNumber; }
    uint interfaceProtocol() const { return m_interfaceProtocol; }
    uint interfaceSubClass() const { return m_interfaceSubClass; }
    uint numEndpoints() const { return m_numEndpoints; }
    QString driver() const { return m_driver; }
    // The device it is attached to; null when no device of that name was found.
    const UsbDevice *device() const { return m_device; }

private:
    Q_DISABLE_COPY(UsbInterface)
    friend class UsbTopology;

    QString m_name;
    uint m_alternateSetting = 0;
    uint m_interfaceClass = 0;
    uint m_interfaceNumber = 0;
    uint m_interfaceProtocol = 0;
    uint m_interfaceSubClass = 0;
    uint m_numEndpoints = 0;
    QString m_driver;
    const UsbDevice *m_device = nullptr;
};

#endif // ZENTARA_DEVINFO_USBINTERFACE_H

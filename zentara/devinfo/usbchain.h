// usbchain.h: the texts of the way from a host controller to one USB device.
#ifndef ZENTARA_DEVINFO_USBCHAIN_H
#define ZENTARA_DEVINFO_USBCHAIN_H

#include <QString>
#include <QStringList>

// A value, rendered while the topology was locked, so it stays valid across rescans.
class UsbChain final
{
public:
    UsbChain() = default;
    UsbChain(uint busNumber, const QString &controllerDescription, const QString &rootHubLine,
             const QStringList &hubNames, const QStringList &hubLines, const QString &deviceName,
             const QString &deviceLine);

    uint busNumber() const { return m_busNumber; }
    // The host controller's "vendor model" (UsbRootHub::controllerDescription).
    QString controllerDescription() const { return m_controllerDescription; }
    // "Bus %1 ID %2:%3 %4 %5" of the root hub.
    QString rootHubLine() const { return m_rootHubLine; }
    // The hubs between the root hub and the device (devices of class 9), nearest to the device
    // first: their names and their "Port %1 ID %2:%3 %4 %5" lines.
    QStringList hubNames() const { return m_hubNames; }
    QStringList hubLines() const { return m_hubLines; }
    QString deviceName() const { return m_deviceName; }
    // "Port %1 ID %2:%3 %4 %5" of the device.
    QString deviceLine() const { return m_deviceLine; }

    bool operator==(const UsbChain &other) const;
    bool operator!=(const UsbChain &other) const { return !(*this == other); }

private:
    uint m_busNumber = 0;
    QString m_controllerDescription;
    QString m_rootHubLine;
    QStringList m_hubNames;
    QStringList m_hubLines;
    QString m_deviceName;
    QString m_deviceLine;
};

#endif // ZENTARA_DEVINFO_USBCHAIN_H

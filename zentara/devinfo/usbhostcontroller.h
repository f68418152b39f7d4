// usbhostcontroller.h: the texts that describe one USB host controller through its root hub.
#ifndef ZENTARA_DEVINFO_USBHOSTCONTROLLER_H
#define ZENTARA_DEVINFO_USBHOSTCONTROLLER_H

#include <QString>

// A value, rendered while the topology was locked, so it stays valid across rescans. One per
// root hub: a controller that serves two speeds shows as two.
class UsbHostController final
{
public:
    UsbHostController() = default;
    UsbHostController(const QString &rootHubName, uint busNumber, const QString &speed,
                      const QString &rootHubLine, const QString &description);

    QString rootHubName() const { return m_rootHubName; }
    uint busNumber() const { return m_busNumber; }
    // The root hub's speed text in Mbit/s ("480", "5000").
    QString speed() const { return m_speed; }
    // "Bus %1 ID %2:%3 %4 %5" of the root hub.
    QString rootHubLine() const { return m_rootHubLine; }
    // "vendor model" from the hardware database (UsbRootHub::controllerDescription).
    QString description() const { return m_description; }

private:
    QString m_rootHubName;
    uint m_busNumber = 0;
    QString m_speed;
    QString m_rootHubLine;
    QString m_description;
};

#endif // ZENTARA_DEVINFO_USBHOSTCONTROLLER_H

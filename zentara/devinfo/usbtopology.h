// usbtopology.h: a snapshot of the machine's USB device tree, read from the kernel's USB device
// directory.
#ifndef ZENTARA_DEVINFO_USBTOPOLOGY_H
#define ZENTARA_DEVINFO_USBTOPOLOGY_H

#include <QFutureWatcher>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

#include "zentara/devinfo/usbchain.h"
#include "zentara/devinfo/usbhostcontroller.h"

class UdevHwdb;
class UsbDevice;
class UsbInterface;
class UsbRootHub;

// Owns every record of the last scan: root hubs sorted by bus number, devices linked to their
// true hub (the device named like them without the last port), interfaces to their device.
// Empty until the first rescan; each rescan replaces all records.
//
// Records are valid until the next rescan. Code that may race with a background rescan reads
// them inside read(), or takes the rendered values of chains() and controllers(), which are
// made under the lock. rootHubs() and the other list copies suit code that starts no rescan
// of its own while it uses the records.
class UsbTopology final : public QObject
{
    Q_OBJECT
public:
    // A topology whose lines take names from the process's udev hardware database.
    explicit UsbTopology(QObject *parent = nullptr);
    // A topology that takes names from hwdb (borrowed; it must outlive the topology).
    explicit UsbTopology(const UdevHwdb &hwdb, QObject *parent = nullptr);
    // Waits for a background rescan to end.
    ~UsbTopology() override;

    // The directory scanned: "/sys/bus/usb/devices", relocated by vyrokit::SystemPaths.
    static QString devicesPath();

    // Replaces the records by a fresh scan, holding the lock throughout. A missing directory
    // gives empty lists. Callable from any thread.
    void rescan();
    // Starts a rescan on Qt's global thread pool and returns at once; rescanFinished() follows
    // in this object's thread. A request while one runs makes one more run after it.
    void startRescan();
    // True from startRescan() until rescanFinished() is emitted.
    bool isRescanning() const;

    // Copies of the lists, taken under the lock.
    QList<const UsbRootHub *> rootHubs() const;
    QList<const UsbDevice *> devices() const;
    QList<const UsbInterface *> interfaces() const;
    // Runs reader with the root hubs while holding the lock, so that no rescan replaces the
    // records under it. reader must not call back into this topology.
    void read(const std::function<void(const QList<const UsbRootHub *> &)> &reader) const;

    // The chains to the device named portPath ("2-1.4"): the root hubs of the bus before the
    // first "-" (every root hub for a path without "-"), in bus order, each searched depth first
    // from its ports, at most eight levels deep, and giving at most one chain. Empty for an empty
    // path or when no device has that name.
    QVector<UsbChain> chains(const QString &portPath) const;
    // One entry per root hub, in bus order.
    QVector<UsbHostController> controllers() const;

    // "Bus %1 ID %2:%3 %4 %5": bus number, vendor and product ID in four lower-case hex digits,
    // vendor and product name from the hardware database.
    QString rootHubLine(const UsbRootHub &rootHub) const;
    // "Port %1 ID %2:%3 %4 %5": the device's port, the rest as for the root hub.
    QString deviceLine(const UsbDevice &device) const;

    const UdevHwdb &hwdb() const { return m_hwdb; }

signals:
    void rescanFinished();

private:
    Q_DISABLE_COPY(UsbTopology)

    void onRescanFinished();
    QString line(const QString &format, uint number, uint vendorId, uint productId) const;

    const UdevHwdb &m_hwdb;

    // Protects m_rootHubs, m_devices, m_interfaces and the records they own, including their
    // links to each other.
    mutable QMutex m_mutex;
    std::vector<std::unique_ptr<UsbRootHub>> m_rootHubs;
    std::vector<std::unique_ptr<UsbDevice>> m_devices;
    std::vector<std::unique_ptr<UsbInterface>> m_interfaces;

    // State of the background rescan, used in this object's thread only.
    QFutureWatcher<void> m_watcher;
    bool m_rescanning = false;
    bool m_rescanAgain = false;
};

#endif // ZENTARA_DEVINFO_USBTOPOLOGY_H

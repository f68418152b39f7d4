// usbtopology.cpp: the scan of the USB device directory, its linking and the line texts.
#include "zentara/devinfo/usbtopology.h"

#include "vyrokit/systempaths.h"
#include "zentara/devinfo/sysfsentry.h"
#include "zentara/devinfo/udevhwdb.h"
#include "zentara/devinfo/usbdevice.h"
#include "zentara/devinfo/usbinterface.h"
#include "zentara/devinfo/usbroothub.h"

#include <QDirIterator>
#include <QHash>
#include <QMutexLocker>
#include <QtConcurrent>

#include <algorithm>

namespace {

// Hubs chain at most five deep; the search goes a little further and then stops, so a
// damaged tree cannot make it run away.
constexpr int maxSearchDepth = 8;

QString hex4(uint value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

const UsbDevice *findDevice(const UsbDevice *device, const QString &name, int depth)
{
    if (device->name() == name)
        return device;
    if (depth > maxSearchDepth)
        return nullptr;
    for (const UsbDevice *child : device->children())
        if (const UsbDevice *found = findDevice(child, name, depth + 1))
            return found;
    return nullptr;
}

} // namespace

UsbTopology::UsbTopology(QObject *parent) : UsbTopology(UdevHwdb::instance(), parent)
{
}

UsbTopology::UsbTopology(const UdevHwdb &hwdb, QObject *parent) : QObject(parent), m_hwdb(hwdb)
{
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &UsbTopology::onRescanFinished);
}

UsbTopology::~UsbTopology()
{
    m_watcher.waitForFinished();
}

QString UsbTopology::devicesPath()
{
    return vyrokit::SystemPaths::path(QStringLiteral("/sys/bus/usb/devices"));
}

void UsbTopology::rescan()
{
    QMutexLocker locker(&m_mutex);
    m_rootHubs.clear();
    m_devices.clear();
    m_interfaces.clear();

    // Entries are links into the device tree; a dangling one is no directory and is skipped.
    QDirIterator it(devicesPath(), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const SysfsEntry entry(it.next());
        const QString name = entry.name();
        if (name.startsWith(QLatin1String("usb"))) {
            m_rootHubs.push_back(std::make_unique<UsbRootHub>(entry, m_hwdb));
        } else if (name.at(0) >= QLatin1Char('0') && name.at(0) <= QLatin1Char('9')) {
            if (name.contains(QLatin1Char(':')))
                m_interfaces.push_back(std::make_unique<UsbInterface>(entry));
            else
                m_devices.push_back(std::make_unique<UsbDevice>(entry));
        }
    }

    QHash<QString, UsbRootHub *> rootHubByName;
    QHash<uint, UsbRootHub *> rootHubByBus;
    for (const auto &hub : m_rootHubs) {
        rootHubByName.insert(hub->name(), hub.get());
        if (!rootHubByBus.contains(hub->busNumber()))
            rootHubByBus.insert(hub->busNumber(), hub.get());
    }
    QHash<QString, UsbDevice *> deviceByName;
    for (const auto &device : m_devices)
        deviceByName.insert(device->name(), device.get());

    for (const auto &device : m_devices) {
        if (device->m_portCount >= 2) {
            if (UsbDevice *parent = deviceByName.value(device->parentName())) {
                parent->m_children.append(device.get());
                device->m_parent = parent;
            }
        } else if (device->m_portCount == 1) {
            // The root hub of bus n is "usbn"; its bus number decides only when that name is
            // not there.
            UsbRootHub *hub = rootHubByName.value(QStringLiteral("usb%1").arg(device->busNumber()));
            if (!hub)
                hub = rootHubByBus.value(device->busNumber());
            if (hub) {
                hub->m_devices.append(device.get());
                device->m_rootHub = hub;
            }
        }
    }
    for (const auto &interface : m_interfaces) {
        if (UsbDevice *device = deviceByName.value(interface->deviceName())) {
            device->m_interfaces.append(interface.get());
            interface->m_device = device;
        }
    }

    for (const auto &device : m_devices)
        std::sort(device->m_children.begin(), device->m_children.end(),
                  [](const UsbDevice *a, const UsbDevice *b) { return a->port() < b->port(); });
    std::sort(m_rootHubs.begin(), m_rootHubs.end(),
              [](const std::unique_ptr<UsbRootHub> &a, const std::unique_ptr<UsbRootHub> &b) {
                  return a->busNumber() < b->busNumber();
              });
}

void UsbTopology::startRescan()
{
    if (m_rescanning) {
        m_rescanAgain = true;
        return;
    }
    m_rescanning = true;
    m_watcher.setFuture(QtConcurrent::run([this] { rescan(); }));
}

bool UsbTopology::isRescanning() const
{
    return m_rescanning;
}

void UsbTopology::onRescanFinished()
{
    // A request that came while the scan ran may have missed a change: scan once more.
    if (m_rescanAgain) {
        m_rescanAgain = false;
        m_watcher.setFuture(QtConcurrent::run([this] { rescan(); }));
        return;
    }
    m_rescanning = false;
    emit rescanFinished();
}

QList<const UsbRootHub *> UsbTopology::rootHubs() const
{
    QMutexLocker locker(&m_mutex);
    QList<const UsbRootHub *> list;
    list.reserve(int(m_rootHubs.size()));
    for (const auto &hub : m_rootHubs)
        list.append(hub.get());
    return list;
}

QList<const UsbDevice *> UsbTopology::devices() const
{
    QMutexLocker locker(&m_mutex);
    QList<const UsbDevice *> list;
    list.reserve(int(m_devices.size()));
    for (const auto &device : m_devices)
        list.append(device.get());
    return list;
}

QList<const UsbInterface *> UsbTopology::interfaces() const
{
    QMutexLocker locker(&m_mutex);
    QList<const UsbInterface *> list;
    list.reserve(int(m_interfaces.size()));
    for (const auto &interface : m_interfaces)
        list.append(interface.get());
    return list;
}

void UsbTopology::read(const std::function<void(const QList<const UsbRootHub *> &)> &reader) const
{
    QMutexLocker locker(&m_mutex);
    QList<const UsbRootHub *> list;
    for (const auto &hub : m_rootHubs)
        list.append(hub.get());
    reader(list);
}

QVector<UsbChain> UsbTopology::chains(const QString &portPath) const
{
    QVector<UsbChain> result;
    if (portPath.isEmpty())
        return result;
    const int dash = portPath.indexOf(QLatin1Char('-'));
    const uint busFilter = dash < 0 ? 0 : portPath.left(dash).toUInt();

    QMutexLocker locker(&m_mutex);
    for (const auto &hub : m_rootHubs) {
        if (busFilter != 0 && hub->busNumber() != busFilter)
            continue;
        const UsbDevice *found = nullptr;
        for (const UsbDevice *device : hub->devices()) {
            found = findDevice(device, portPath, 1);
            if (found)
                break;
        }
        if (!found)
            continue;
        QStringList hubNames;
        QStringList hubLines;
        for (const UsbDevice *up = found->parent(); up; up = up->parent()) {
            if (up->isHub()) {
                hubNames << up->name();
                hubLines << deviceLine(*up);
            }
        }
        result.append(UsbChain(hub->busNumber(), hub->controllerDescription(), rootHubLine(*hub),
                               hubNames, hubLines, found->name(), deviceLine(*found)));
    }
    return result;
}

QVector<UsbHostController> UsbTopology::controllers() const
{
    QMutexLocker locker(&m_mutex);
    QVector<UsbHostController> result;
    for (const auto &hub : m_rootHubs)
        result.append(UsbHostController(hub->name(), hub->busNumber(), hub->speed(),
                                        rootHubLine(*hub), hub->controllerDescription()));
    return result;
}

QString UsbTopology::rootHubLine(const UsbRootHub &rootHub) const
{
    return line(tr("Bus %1 ID %2:%3 %4 %5"), rootHub.busNumber(), rootHub.vendorId(),
                rootHub.productId());
}

QString UsbTopology::deviceLine(const UsbDevice &device) const
{
    return line(tr("Port %1 ID %2:%3 %4 %5"), device.port(), device.vendorId(), device.productId());
}

QString UsbTopology::line(const QString &format, uint number, uint vendorId, uint productId) const
{
    // One multi-argument arg(), so that a name holding "%1" stays as it is.
    return format.arg(QString::number(number), hex4(vendorId), hex4(productId),
                      m_hwdb.vendorName(vendorId), m_hwdb.productName(vendorId, productId));
}

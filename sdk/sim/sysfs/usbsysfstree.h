// usbsysfstree.h: the simulated installation's USB device tree, in the shape of the kernel's.
#ifndef SDK_SIM_SYSFS_USBSYSFSTREE_H
#define SDK_SIM_SYSFS_USBSYSFSTREE_H

#include <QJsonArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace vysim {

// Makes the part of a sysfs tree that programs read about USB (the USB device directory, the
// devices and interfaces it links to, the usb and hub drivers, the PCI host controllers) for
// the USB devices of a simulated world, so that a program pointed at it (VYRO_SYSROOT) finds
// every camera with a bus and port path at that place.
//
// Bus 2k-1 and bus 2k are the high-speed and the SuperSpeed root hub of controller k, as on an
// xHCI controller; buses 1 and 2 always exist. A port path with more than one port puts a hub on
// every port before the last. Cameras carry the test vendor ID 0x1209 and product IDs 0x0001 to
// 0x0010, which the udev hardware database knows as test IDs; nothing claims their interfaces
// (the USB daemon drives them from user space).
class UsbSysfsTree final
{
public:
    // The file that marks a tree as written here; only such a tree is ever replaced.
    static const char *markerName();
    static constexpr uint cameraVendorId = 0x1209;

    // The tree for the world's devices (the "devices" array of the world JSON). Devices without
    // a bus or a port path are not on USB; a port path that is not port numbers 1 to 255 joined
    // by "." is skipped, as is a second device at a place already taken.
    explicit UsbSysfsTree(const QJsonArray &devices);

    // The names of the USB device directory's entries, sorted: root hubs, hubs, devices and
    // interfaces.
    QStringList entryNames() const;

    // Writes the tree as root/sys, replacing one written before. It is built beside and renamed
    // into place, so a reader sees the old or the new tree. Refuses a root that is "/" or
    // holds a "sys" that this class did not write. On failure message says why.
    bool write(const QString &root, QString *message) const;

private:
    struct Interface
    {
        QString name;
        QString driver; // empty: no driver bound
        QMap<QString, QString> attributes;
    };
    struct Node
    {
        QString name;
        QString parent; // the parent node's name, "usbN" for a device on a root port
        QString driver;
        QMap<QString, QString> attributes;
        QList<Interface> interfaces;
    };
    struct Controller
    {
        QString address; // PCI address "0000:01:00.0"
        QList<uint> buses;
    };

    void addRootHub(uint bus);
    void addHub(uint bus, const QString &name, const QString &devpath);
    void addCamera(const QJsonObject &device, uint bus, const QString &name,
                   const QString &devpath);
    QString physicalPath(const QString &name) const;
    bool writeTree(const QString &sys, QString *message) const;

    QMap<QString, Node> m_nodes;
    QMap<int, Controller> m_controllers;
    QMap<uint, int> m_nextDeviceNumber;
};

} // namespace vysim

#endif // SDK_SIM_SYSFS_USBSYSFSTREE_H

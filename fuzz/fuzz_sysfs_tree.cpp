// fuzz_sysfs_tree.cpp: the kernel's USB device tree as the device information reads it. The
// input describes a tree below sys/bus/usb/devices, one line each:
//   entry/attribute=value     a file (value with "\n" for a line break)
//   entry->target             a symbolic link (relative, at most three levels up)
// and the topology is scanned from it, with every chain and controller rendered.
#include "zentara/devinfo/udevhwdb.h"
#include "zentara/devinfo/usbchain.h"
#include "zentara/devinfo/usbhostcontroller.h"
#include "zentara/devinfo/usbtopology.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Only names that stay inside the tree: no "..", no absolute paths.
bool safeName(const QByteArray &name)
{
    return !name.isEmpty() && !name.startsWith('/') && !name.contains("..") && name.size() < 64;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static QTemporaryDir root;
    if (!root.isValid())
        std::abort();
    qputenv("VYRO_SYSROOT", QFile::encodeName(root.path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString devices = UsbTopology::devicesPath();
    QDir(devices).removeRecursively();
    QDir().mkpath(devices);
    const QList<QByteArray> lines =
        QByteArray(reinterpret_cast<const char *>(data), int(size)).split('\n');
    QStringList entries;
    int written = 0;
    for (const QByteArray &line : lines) {
        if (++written > 64)
            break;
        const int arrow = line.indexOf("->");
        const int equals = line.indexOf('=');
        if (arrow > 0 && (equals < 0 || arrow < equals)) {
            const QByteArray name = line.left(arrow);
            const QByteArray target = line.mid(arrow + 2);
            // Links stay inside the simulated /sys: relative, at most three levels up.
            if (safeName(name) && !name.contains('/') && !target.startsWith('/') &&
                target.count("..") <= 3)
                QFile::link(QFile::decodeName(target),
                            devices + QLatin1Char('/') + QFile::decodeName(name));
        } else if (equals > 0) {
            const QByteArray path = line.left(equals);
            const int slash = path.indexOf('/');
            if (!safeName(path) || slash <= 0)
                continue;
            const QString entry = QString::fromLatin1(path.left(slash));
            QDir().mkpath(devices + QLatin1Char('/') + entry);
            QFile file(devices + QLatin1Char('/') + QString::fromLatin1(path));
            if (file.open(QIODevice::WriteOnly))
                file.write(line.mid(equals + 1).replace("\\n", "\n"));
            entries << entry;
        }
    }

    static const UdevHwdb hwdb(QStringLiteral("libudev-not-here.so.1"));
    UsbTopology topology(hwdb);
    topology.rescan();
    for (const QString &entry : entries)
        topology.chains(entry);
    topology.controllers();
    for (const UsbDevice *device : topology.devices())
        topology.deviceLine(*device);
    return 0;
}

// usbroothub.cpp: a root hub's attributes and the description of its host controller.
#include "zentara/devinfo/usbroothub.h"

#include "vyrokit/systempaths.h"
#include "zentara/devinfo/sysfsentry.h"
#include "zentara/devinfo/udevhwdb.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A real tree needs one hop (root hub to the usb driver); more than this is a loop.
constexpr int maxDriverHops = 16;

} // namespace

UsbRootHub::UsbRootHub(const SysfsEntry &entry, const UdevHwdb &hwdb)
    : m_name(entry.name()), m_busNumber(entry.number("busnum", 10)),
      m_deviceNumber(entry.number("devnum", 10)), m_deviceClass(entry.number("bDeviceClass", 16)),
      m_productId(entry.number("idProduct", 16)), m_vendorId(entry.number("idVendor", 16)),
      m_maxChild(entry.number("maxchild", 10)), m_speed(entry.trimmedText("speed")),
      m_serial(entry.trimmedText("serial")), m_driver(entry.driver())
{
    const QString controller = controllerDirectory(entry.path(), m_name);
    if (!controller.isEmpty()) {
        const QString modalias = SysfsEntry(controller).text("modalias");
        m_controllerDescription = hwdb.lookup(modalias, "ID_VENDOR_FROM_DATABASE") +
                                  QLatin1Char(' ') +
                                  hwdb.lookup(modalias, "ID_MODEL_FROM_DATABASE");
    }
}

QString UsbRootHub::controllerDirectory(const QString &path, const QString &name)
{
    // The root hub's "driver" leads to the usb driver's directory, which links every device it
    // serves by name back to the device's directory below its controller.
    QString directory = QFileInfo(path).canonicalFilePath();
    for (int hop = 0; !directory.isEmpty(); ++hop) {
        const QString driver = directory + QLatin1String("/driver");
        if (!SysfsEntry::isSymLink(driver))
            break;
        if (hop == maxDriverHops)
            return QString();
        directory = QFileInfo(driver).canonicalFilePath();
    }
    if (directory.isEmpty())
        return QString();
    const QString back = directory + QLatin1Char('/') + name;
    if (!SysfsEntry::isSymLink(back))
        return QString();
    QString target = SysfsEntry::readLink(back);
    if (target.isEmpty())
        return QString();
    target = QDir::isAbsolutePath(target) ? vyrokit::SystemPaths::path(target)
                                          : QDir::cleanPath(directory + QLatin1Char('/') + target);
    return QFileInfo(target).path();
}

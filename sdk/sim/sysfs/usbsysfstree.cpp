// usbsysfstree.cpp: the simulated USB device tree and its writing.
#include "sdk/sim/sysfs/usbsysfstree.h"

#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSet>

#include <unistd.h>

namespace vysim {

namespace {

const char sysfsRoot[] = "sys";
const char pciRoot[] = "devices/pci0000:00";

// The PCI identity of the simulated host controllers: an xHCI controller the hardware
// database names, so that the controller line reads like one on a real machine.
const char controllerModalias[] = "pci:v00001B73d00001100sv00001B73sd00001100bc0Csc03i30";

bool isSuperSpeedBus(uint bus)
{
    return bus % 2 == 0;
}

QString hex2(uint value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

QString hex4(uint value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

// Integer fields of the world are numbers or "0x..." texts.
uint worldInt(const QJsonObject &device, const char *field)
{
    const QJsonValue v = device.value(QLatin1String(field));
    if (v.isString()) {
        const QString text = v.toString();
        bool ok = false;
        const uint value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                               ? text.mid(2).toUInt(&ok, 16)
                               : text.toUInt(&ok);
        return ok ? value : 0;
    }
    return uint(qMax(0, v.toInt()));
}

// The ports of a port path such as "3.2"; empty unless every one is 1 to 255.
QList<uint> parsePorts(const QString &path)
{
    QList<uint> ports;
    for (const QString &part : path.split(QLatin1Char('.'))) {
        bool ok = false;
        const uint port = part.toUInt(&ok);
        if (!ok || port < 1 || port > 255 || part.startsWith(QLatin1Char('+')))
            return {};
        ports << port;
    }
    return ports;
}

// Unsynced: the tree is hundreds of small files, written afresh beside the old one and renamed
// into place whole after every change of the world; it is rebuilt, never kept.
bool writeFile(const QString &path, const QString &text, QString *problem)
{
    return vyrokit::FileWriter::write(path, text.toUtf8() + '\n', problem,
                                      vyrokit::FileWriter::Durability::Unsynced);
}

bool makeLink(const QString &target, const QString &link)
{
    // Relative links, as the kernel makes them, keep the tree valid wherever it is copied.
    const QString relative = QFileInfo(link).dir().relativeFilePath(target);
    return ::symlink(QFile::encodeName(relative).constData(),
                     QFile::encodeName(link).constData()) == 0;
}

} // namespace

const char *UsbSysfsTree::markerName()
{
    return ".vyrosim-usb";
}

UsbSysfsTree::UsbSysfsTree(const QJsonArray &devices)
{
    struct Camera
    {
        QJsonObject device;
        uint bus;
        QList<uint> ports;
    };
    QMap<QString, Camera> cameras;
    QSet<uint> buses{1, 2};
    for (const QJsonValue &value : devices) {
        const QJsonObject device = value.toObject();
        const uint bus = worldInt(device, "usbBus");
        const QList<uint> ports = parsePorts(device.value(QLatin1String("usbPortPath")).toString());
        if (bus == 0 || bus > 255 || ports.isEmpty())
            continue;
        QStringList parts;
        for (uint port : ports)
            parts << QString::number(port);
        const QString name = QStringLiteral("%1-%2").arg(bus).arg(parts.join(QLatin1Char('.')));
        if (!cameras.contains(name))
            cameras.insert(name, Camera{device, bus, ports});
        buses.insert(bus);
    }

    QList<uint> busList = buses.values();
    std::sort(busList.begin(), busList.end());
    for (uint bus : busList)
        addRootHub(bus);
    // Sorted by name, so that hubs come before what is behind them and device numbers follow
    // the tree.
    for (auto it = cameras.cbegin(); it != cameras.cend(); ++it) {
        const Camera &camera = it.value();
        QString name = QString::number(camera.bus);
        QStringList devpath;
        for (int i = 0; i < camera.ports.size(); ++i) {
            name +=
                (i == 0 ? QLatin1Char('-') : QLatin1Char('.')) + QString::number(camera.ports[i]);
            devpath << QString::number(camera.ports[i]);
            if (m_nodes.contains(name))
                continue;
            if (i + 1 < camera.ports.size())
                addHub(camera.bus, name, devpath.join(QLatin1Char('.')));
            else
                addCamera(camera.device, camera.bus, name, devpath.join(QLatin1Char('.')));
        }
    }

    // Every hub has at least four ports, and one for each of its devices.
    QMap<QString, uint> highestPort;
    for (const Node &node : qAsConst(m_nodes)) {
        if (node.parent.isEmpty())
            continue;
        const int separator =
            qMax(node.name.lastIndexOf(QLatin1Char('.')), node.name.lastIndexOf(QLatin1Char('-')));
        const uint port = node.name.mid(separator + 1).toUInt();
        highestPort[node.parent] = qMax(highestPort.value(node.parent), port);
    }
    for (auto it = highestPort.cbegin(); it != highestPort.cend(); ++it) {
        Node &hub = m_nodes[it.key()];
        if (it.value() > hub.attributes.value(QStringLiteral("maxchild")).toUInt())
            hub.attributes.insert(QStringLiteral("maxchild"), QString::number(it.value()));
    }
}

void UsbSysfsTree::addRootHub(uint bus)
{
    const int index = int((bus + 1) / 2);
    Controller &controller = m_controllers[index];
    controller.address = QStringLiteral("0000:%1:00.0").arg(hex2(uint(index)));
    controller.buses << bus;
    const bool super = isSuperSpeedBus(bus);

    Node hub;
    hub.name = QStringLiteral("usb%1").arg(bus);
    hub.driver = QStringLiteral("usb");
    hub.attributes = {
        {"busnum", QString::number(bus)},
        {"devnum", QStringLiteral("1")},
        {"devpath", QStringLiteral("0")},
        {"bDeviceClass", QStringLiteral("09")},
        {"bDeviceSubClass", QStringLiteral("00")},
        {"bDeviceProtocol", super ? QStringLiteral("03") : QStringLiteral("01")},
        {"bMaxPacketSize0", super ? QStringLiteral("09") : QStringLiteral("40")},
        {"bMaxPower", QStringLiteral("0mA")},
        {"bNumConfigurations", QStringLiteral("1")},
        {"bNumInterfaces", QStringLiteral(" 1")},
        {"bConfigurationValue", QStringLiteral("1")},
        {"bcdDevice", QStringLiteral("0601")},
        {"bmAttributes", QStringLiteral("e0")},
        {"configuration", QString()},
        {"idVendor", QStringLiteral("1d6b")},
        {"idProduct", super ? QStringLiteral("0003") : QStringLiteral("0002")},
        {"manufacturer", QStringLiteral("Linux 6.1.0 xhci-hcd")},
        {"product", QStringLiteral("xHCI Host Controller")},
        {"serial", controller.address},
        {"speed", super ? QStringLiteral("5000") : QStringLiteral("480")},
        {"version", super ? QStringLiteral(" 3.00") : QStringLiteral(" 2.00")},
        {"maxchild", QStringLiteral("4")},
    };
    hub.interfaces << Interface{QStringLiteral("%1-0:1.0").arg(bus),
                                QStringLiteral("hub"),
                                {{"bAlternateSetting", QStringLiteral(" 0")},
                                 {"bInterfaceClass", QStringLiteral("09")},
                                 {"bInterfaceNumber", QStringLiteral("00")},
                                 {"bInterfaceProtocol", QStringLiteral("00")},
                                 {"bInterfaceSubClass", QStringLiteral("00")},
                                 {"bNumEndpoints", QStringLiteral("01")}}};
    m_nodes.insert(hub.name, hub);
    m_nextDeviceNumber[bus] = 2;
}

void UsbSysfsTree::addHub(uint bus, const QString &name, const QString &devpath)
{
    const bool super = isSuperSpeedBus(bus);
    Node hub;
    hub.name = name;
    hub.driver = QStringLiteral("usb");
    const int separator = name.lastIndexOf(QLatin1Char('.'));
    hub.parent = separator < 0 ? QStringLiteral("usb%1").arg(bus) : name.left(separator);
    const uint productId = super ? 0x0626 : 0x0610;
    hub.attributes = {
        {"busnum", QString::number(bus)},
        {"devnum", QString::number(m_nextDeviceNumber[bus]++)},
        {"devpath", devpath},
        {"bDeviceClass", QStringLiteral("09")},
        {"bDeviceSubClass", QStringLiteral("00")},
        {"bDeviceProtocol", super ? QStringLiteral("03") : QStringLiteral("02")},
        {"bMaxPacketSize0", super ? QStringLiteral("09") : QStringLiteral("40")},
        {"bMaxPower", super ? QStringLiteral("0mA") : QStringLiteral("100mA")},
        {"bNumConfigurations", QStringLiteral("1")},
        {"bNumInterfaces", QStringLiteral(" 1")},
        {"bConfigurationValue", QStringLiteral("1")},
        {"bcdDevice", QStringLiteral("6655")},
        {"bmAttributes", QStringLiteral("e0")},
        {"configuration", QString()},
        {"idVendor", QStringLiteral("05e3")},
        {"idProduct", hex4(productId)},
        {"manufacturer", QStringLiteral("GenesysLogic")},
        {"product", super ? QStringLiteral("USB3.1 Hub") : QStringLiteral("USB2.1 Hub")},
        {"speed", super ? QStringLiteral("5000") : QStringLiteral("480")},
        {"version", super ? QStringLiteral(" 3.20") : QStringLiteral(" 2.10")},
        {"maxchild", QStringLiteral("4")},
    };
    hub.interfaces << Interface{name + QStringLiteral(":1.0"),
                                QStringLiteral("hub"),
                                {{"bAlternateSetting", QStringLiteral(" 0")},
                                 {"bInterfaceClass", QStringLiteral("09")},
                                 {"bInterfaceNumber", QStringLiteral("00")},
                                 {"bInterfaceProtocol", QStringLiteral("00")},
                                 {"bInterfaceSubClass", QStringLiteral("00")},
                                 {"bNumEndpoints", QStringLiteral("01")}}};
    m_nodes.insert(name, hub);
}

void UsbSysfsTree::addCamera(const QJsonObject &device, uint bus, const QString &name,
                             const QString &devpath)
{
    const bool superBus = isSuperSpeedBus(bus);
    const uint link = worldInt(device, "linkSpeed");
    uint speed = link == 0 ? (superBus ? 5000 : 480) : link;
    if (!superBus)
        speed = qMin(speed, 480u);
    const bool super = speed >= 5000;
    const uint deviceId = worldInt(device, "deviceId");
    const uint productId = 0x0001 + (qMax(deviceId, 1u) - 1) % 16;
    // A USB3 Vision device announces its function in its interfaces (class 0xEF, subclass 5).
    const bool vision = worldInt(device, "deviceType") == 225;
    QString model = device.value(QLatin1String("model")).toString();
    if (model.isEmpty())
        model = device.value(QLatin1String("label")).toString();

    Node camera;
    camera.name = name;
    camera.driver = QStringLiteral("usb");
    const int separator = name.lastIndexOf(QLatin1Char('.'));
    camera.parent = separator < 0 ? QStringLiteral("usb%1").arg(bus) : name.left(separator);
    camera.attributes = {
        {"busnum", QString::number(bus)},
        {"devnum", QString::number(m_nextDeviceNumber[bus]++)},
        {"devpath", devpath},
        {"bDeviceClass", vision ? QStringLiteral("ef") : QStringLiteral("00")},
        {"bDeviceSubClass", vision ? QStringLiteral("02") : QStringLiteral("00")},
        {"bDeviceProtocol", vision ? QStringLiteral("01") : QStringLiteral("00")},
        {"bMaxPacketSize0", super ? QStringLiteral("09") : QStringLiteral("40")},
        {"bMaxPower", super ? QStringLiteral("896mA") : QStringLiteral("500mA")},
        {"bNumConfigurations", QStringLiteral("1")},
        {"bNumInterfaces", vision ? QStringLiteral(" 3") : QStringLiteral(" 1")},
        {"bConfigurationValue", QStringLiteral("1")},
        {"bcdDevice", QStringLiteral("0100")},
        {"bmAttributes", QStringLiteral("80")},
        {"configuration", QString()},
        {"idVendor", hex4(cameraVendorId)},
        {"idProduct", hex4(productId)},
        {"manufacturer", QStringLiteral("Orv")},
        {"product", model},
        {"serial", device.value(QLatin1String("serialNumber")).toString()},
        {"speed", QString::number(speed)},
        {"version", super ? QStringLiteral(" 3.00") : QStringLiteral(" 2.10")},
        {"maxchild", QStringLiteral("0")},
    };
    const int interfaceCount = vision ? 3 : 1;
    for (int i = 0; i < interfaceCount; ++i) {
        camera.interfaces << Interface{
            QStringLiteral("%1:1.%2").arg(name).arg(i),
            QString(),
            {{"bAlternateSetting", QStringLiteral(" 0")},
             {"bInterfaceClass", vision ? QStringLiteral("ef") : QStringLiteral("ff")},
             {"bInterfaceNumber", hex2(uint(i))},
             {"bInterfaceProtocol", hex2(vision ? uint(i) : 0u)},
             {"bInterfaceSubClass", vision ? QStringLiteral("05") : QStringLiteral("00")},
             {"bNumEndpoints", vision && i == 0 ? QStringLiteral("02") : QStringLiteral("01")}}};
    }
    m_nodes.insert(name, camera);
}

QString UsbSysfsTree::physicalPath(const QString &name) const
{
    const Node &node = m_nodes[name];
    if (node.parent.isEmpty()) {
        const uint bus = node.attributes.value(QStringLiteral("busnum")).toUInt();
        return m_controllers.value(int((bus + 1) / 2)).address + QLatin1Char('/') + name;
    }
    return physicalPath(node.parent) + QLatin1Char('/') + name;
}

QStringList UsbSysfsTree::entryNames() const
{
    QStringList names;
    for (const Node &node : m_nodes) {
        names << node.name;
        for (const Interface &interface : node.interfaces)
            names << interface.name;
    }
    names.sort();
    return names;
}

bool UsbSysfsTree::write(const QString &root, QString *message) const
{
    auto failed = [message](const QString &text) {
        if (message)
            *message = text;
        return false;
    };
    if (root.isEmpty())
        return failed(QStringLiteral("no directory given"));
    const QString base = QDir::cleanPath(QDir(root).absolutePath());
    if (base == QLatin1String("/"))
        return failed(QStringLiteral("refusing to write the system's own /sys"));
    if (!QDir().mkpath(base))
        return failed(QStringLiteral("cannot make %1").arg(base));

    const QString sys = base + QLatin1Char('/') + QLatin1String(sysfsRoot);
    const QFileInfo existing(sys);
    if ((existing.exists() || existing.isSymLink()) &&
        (existing.isSymLink() || !existing.isDir() ||
         !QFileInfo::exists(sys + QLatin1Char('/') + QLatin1String(markerName()))))
        return failed(QStringLiteral("%1 exists and was not written by vyrosim").arg(sys));

    const QString fresh = sys + QStringLiteral(".new");
    const QString previous = sys + QStringLiteral(".old");
    QDir(fresh).removeRecursively();
    QDir(previous).removeRecursively();
    if (!writeTree(fresh, message)) {
        QDir(fresh).removeRecursively();
        return false;
    }
    if (existing.exists() && !QDir().rename(sys, previous))
        return failed(QStringLiteral("cannot replace %1").arg(sys));
    if (!QDir().rename(fresh, sys))
        return failed(QStringLiteral("cannot rename %1 to %2").arg(fresh, sys));
    QDir(previous).removeRecursively();
    return true;
}

bool UsbSysfsTree::writeTree(const QString &sys, QString *message) const
{
    QString problem;
    auto check = [&problem](bool ok, const QString &what) {
        if (!ok && problem.isEmpty())
            problem = QStringLiteral("cannot write %1").arg(what);
        return ok;
    };
    auto mkdir = [&](const QString &path) { return check(QDir().mkpath(path), path); };
    auto file = [&problem](const QString &path, const QString &text) {
        QString why;
        const bool ok = writeFile(path, text, &why);
        if (!ok && problem.isEmpty())
            problem = why;
        return ok;
    };
    auto link = [&](const QString &target, const QString &path) {
        return check(makeLink(target, path), path);
    };

    const QString pci = sys + QLatin1Char('/') + QLatin1String(pciRoot);
    const QString usbDevices = sys + QStringLiteral("/bus/usb/devices");
    const QString usbDrivers = sys + QStringLiteral("/bus/usb/drivers");
    const QString pciDriver = sys + QStringLiteral("/bus/pci/drivers/xhci_hcd");
    mkdir(usbDevices);
    mkdir(usbDrivers + QStringLiteral("/usb"));
    mkdir(usbDrivers + QStringLiteral("/hub"));
    mkdir(pciDriver);
    mkdir(sys + QStringLiteral("/bus/pci/devices"));
    file(sys + QLatin1Char('/') + QLatin1String(markerName()),
         QStringLiteral("USB device tree of the simulated installation, written by vyrosim"));

    for (const Controller &controller : m_controllers) {
        const QString dir = pci + QLatin1Char('/') + controller.address;
        mkdir(dir);
        file(dir + QStringLiteral("/modalias"), QLatin1String(controllerModalias));
        file(dir + QStringLiteral("/vendor"), QStringLiteral("0x1b73"));
        file(dir + QStringLiteral("/device"), QStringLiteral("0x1100"));
        file(dir + QStringLiteral("/class"), QStringLiteral("0x0c0330"));
        link(pciDriver, dir + QStringLiteral("/driver"));
        link(dir, pciDriver + QLatin1Char('/') + controller.address);
        link(dir, sys + QStringLiteral("/bus/pci/devices/") + controller.address);
    }

    for (const Node &node : m_nodes) {
        const QString dir = pci + QLatin1Char('/') + physicalPath(node.name);
        mkdir(dir);
        for (auto it = node.attributes.cbegin(); it != node.attributes.cend(); ++it)
            file(dir + QLatin1Char('/') + it.key(), it.value());
        const QString driver = usbDrivers + QLatin1Char('/') + node.driver;
        link(driver, dir + QStringLiteral("/driver"));
        link(dir, driver + QLatin1Char('/') + node.name);
        link(dir, usbDevices + QLatin1Char('/') + node.name);
        for (const Interface &interface : node.interfaces) {
            const QString idir = dir + QLatin1Char('/') + interface.name;
            mkdir(idir);
            for (auto it = interface.attributes.cbegin(); it != interface.attributes.cend(); ++it)
                file(idir + QLatin1Char('/') + it.key(), it.value());
            if (!interface.driver.isEmpty()) {
                const QString idriver = usbDrivers + QLatin1Char('/') + interface.driver;
                link(idriver, idir + QStringLiteral("/driver"));
                link(idir, idriver + QLatin1Char('/') + interface.name);
            }
            link(idir, usbDevices + QLatin1Char('/') + interface.name);
        }
    }
    if (!problem.isEmpty() && message)
        *message = problem;
    return problem.isEmpty();
}

} // namespace vysim

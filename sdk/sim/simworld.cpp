// simworld.cpp: parsing, checking and cooking of a world.
#include "sdk/sim/simworld.h"

#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <set>

namespace vysim {

namespace {

// Line and column of a byte offset, for parse errors a user can find in an editor.
QString position(const QByteArray &text, int offset)
{
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

void copyText(char *dst, size_t capacity, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::memset(dst, 0, capacity);
    std::memcpy(dst, bytes.constData(), std::min(size_t(bytes.size()), capacity));
}

uint32_t u32(const QJsonObject &o, const char *name)
{
    qint64 v = 0;
    integerValue(o.value(QLatin1String(name)), &v);
    return uint32_t(v);
}

void ip(const QJsonObject &o, const char *name, uint8_t out[4])
{
    ipBytes(o.value(QLatin1String(name)), out);
}

void mac(const QJsonObject &o, const char *name, uint8_t out[6])
{
    QJsonValue v = o.value(QLatin1String(name));
    if (v.toString() == QLatin1String("auto"))
        v = SimWorld::machineMac();
    macBytes(v, out);
}

bool cook(SimDevice *d, QString *problem)
{
    const QJsonObject &f = d->fields;
    d->id = u32(f, "deviceId");
    d->inUseInWorld = f.value(QLatin1String("inUse")).toBool();

    VY_CAMERA_LIST_ENTRY &e = d->entry;
    std::memset(&e, 0, sizeof e);
    e.cameraId = u32(f, "cameraId");
    e.deviceId = d->id;
    e.sensorId = u32(f, "sensorId");
    copyText(e.serialNumber, sizeof e.serialNumber, f.value("serialNumber").toString());
    copyText(e.model, sizeof e.model, f.value("model").toString());
    e.status = u32(f, "status");
    e.deviceType = uint8_t(u32(f, "deviceType"));
    e.variantFlags = uint8_t(u32(f, "variantFlags"));
    e.hardwareVariant = uint16_t(u32(f, "hardwareVariant"));
    e.busGeneration = uint8_t(u32(f, "busGeneration"));
    copyText(e.fullModelName, sizeof e.fullModelName, f.value("fullModelName").toString());

    VY_DEVICE_INFO &info = d->info;
    std::memset(&info, 0, sizeof info);
    qint64 infoType = -1;
    integerValue(f.value("infoDeviceType"), &infoType);
    const uint8_t type = infoType < 0 ? e.deviceType : uint8_t(infoType);
    const uint16_t linkSpeed = uint16_t(u32(f, "linkSpeed"));
    const double celsius = f.value("temperature").toDouble();
    const uint16_t temperature = uint16_t(int16_t(std::lround(celsius * 16.0)));
    const int16_t comPort = int16_t(int32_t(u32(f, "comPort")));
    const uint32_t starter = versionValue(f.value("starterFirmware"));
    const uint32_t runtime = versionValue(f.value("runtimeFirmware"));
    const uint32_t minStarter = versionValue(f.value("minStarterFirmware"));
    const uint32_t maxStarter = versionValue(f.value("maxStarterFirmware"));

    VY_DEVICE_INFO_DEVICE &dev = info.device;
    dev.deviceType = type;
    dev.dhcpState = uint8_t(u32(f, "dhcpState"));
    dev.linkSpeed = linkSpeed;
    dev.starterFirmware = starter;
    dev.runtimeFirmware = runtime;
    dev.deviceStatus = u32(f, "deviceStatus");
    mac(f, "mac", dev.mac);
    mac(f, "pairedHostMac", dev.pairedHostMac);
    ip(f, "ipAddress", dev.ipAddress);
    ip(f, "subnetMask", dev.subnetMask);
    ip(f, "persistentIp", dev.persistentIp);
    ip(f, "persistentSubnet", dev.persistentSubnet);
    ip(f, "dhcpServerIp", dev.dhcpServerIp);
    ip(f, "ipRangeBegin", dev.ipRangeBegin);
    ip(f, "ipRangeEnd", dev.ipRangeEnd);
    ip(f, "pairedHostIp", dev.pairedHostIp);
    ip(f, "multicastIp", dev.multicastIp);
    dev.dhcpFsmState = u32(f, "dhcpFsmState");
    dev.dhcpLeaseTime = u32(f, "dhcpLeaseTime");
    dev.dhcpT1Time = u32(f, "dhcpT1Time");
    dev.dhcpT2Time = u32(f, "dhcpT2Time");
    dev.temperature = temperature;
    dev.comPort = comPort;
    dev.imageMemorySize = uint16_t(u32(f, "imageMemorySize"));
    copyText(dev.userEeprom, sizeof dev.userEeprom, f.value("userEeprom").toString());

    VY_DEVICE_INFO_CONTROL &ctl = info.control;
    ctl.controlStatus = u32(f, "controlStatus");
    ctl.requiredStarterFirmware = versionValue(f.value("requiredStarterFirmware"));
    ctl.driverVersion = versionValue(f.value("driverVersion"));
    ctl.minStarterFirmware = minStarter;
    ctl.maxStarterFirmware = maxStarter;
    mac(f, "adapterMac", ctl.adapterMac);
    ip(f, "adapterIp", ctl.adapterIp);
    ip(f, "adapterSubnet", ctl.adapterSubnet);
    ip(f, "adapterIpRangeBegin", ctl.adapterIpRangeBegin);
    ip(f, "adapterIpRangeEnd", ctl.adapterIpRangeEnd);
    ctl.adapterLinkSpeed = u32(f, "adapterLinkSpeed");
    ctl.adapterDhcpEnabled = f.value("adapterDhcpEnabled").toBool() ? 1 : 0;
    ctl.adapterIpRangeValid = f.value("adapterIpRangeValid").toBool() ? 1 : 0;
    ctl.knownDevices = u32(f, "knownDevices");
    ctl.pairedDevices = u32(f, "pairedDevices");

    VY_DEVICE_INFO_USB &usb = info.usb;
    usb.deviceType = e.deviceType;
    usb.busNumber = uint8_t(u32(f, "usbBus"));
    const QString path = f.value("usbPortPath").toString();
    if (!path.isEmpty()) {
        const QStringList ports = path.split(QLatin1Char('.'));
        if (ports.size() > 5) {
            *problem = QStringLiteral("field \"usbPortPath\" has more than 5 ports");
            return false;
        }
        for (int i = 0; i < ports.size(); ++i) {
            bool ok = false;
            const uint port = ports[i].toUInt(&ok);
            if (!ok || port == 0 || port > 255) {
                *problem = QStringLiteral("field \"usbPortPath\" must be port numbers 1 to 255 "
                                          "joined by \".\"");
                return false;
            }
            usb.portPath[i] = uint8_t(port);
        }
    }
    usb.linkSpeed = linkSpeed;
    usb.temperature = temperature;
    usb.comPort = comPort;
    usb.starterFirmware = starter;
    usb.runtimeFirmware = runtime;
    usb.driverVersion = ctl.driverVersion;
    usb.minStarterFirmware = minStarter;
    usb.maxStarterFirmware = maxStarter;

    const QString colorMode = f.value("colorMode").toString();
    if (colorMode != QLatin1String("mono") && colorMode != QLatin1String("bayer")) {
        *problem = QStringLiteral("field \"colorMode\" must be \"mono\" or \"bayer\"");
        return false;
    }
    return true;
}

} // namespace

bool SimWorld::makeDevice(const QJsonObject &given, SimDevice *device, QString *problem)
{
    SimDevice d;
    if (!FieldSchema::devices().complete(given, &d.fields, problem))
        return false;
    if (!cook(&d, problem))
        return false;
    *device = d;
    return true;
}

bool SimWorld::parse(const QByteArray &json, SimWorld *world, QString *problem)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("%1: %2").arg(position(json, error.offset), error.errorString());
        return false;
    }
    if (!doc.isObject()) {
        *problem =
            QStringLiteral("the world must be a JSON object with \"driver\" and \"devices\"");
        return false;
    }
    return fromJson(doc.object(), world, problem);
}

bool SimWorld::fromJson(const QJsonObject &object, SimWorld *world, QString *problem)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() != QLatin1String("driver") && it.key() != QLatin1String("devices")) {
            *problem = QStringLiteral("unknown top-level field \"%1\" (expected \"driver\" and "
                                      "\"devices\")")
                           .arg(it.key());
            return false;
        }
    }
    const QJsonValue driverValue = object.value(QLatin1String("driver"));
    if (!driverValue.isUndefined() && !driverValue.isObject()) {
        *problem = QStringLiteral("\"driver\" must be an object");
        return false;
    }
    SimWorld w;
    QString why;
    if (!FieldSchema::driver().complete(driverValue.toObject(), &w.driver, &why)) {
        *problem = QStringLiteral("driver: %1").arg(why);
        return false;
    }
    const QJsonValue devicesValue = object.value(QLatin1String("devices"));
    if (!devicesValue.isUndefined() && !devicesValue.isArray()) {
        *problem = QStringLiteral("\"devices\" must be an array");
        return false;
    }
    const QJsonArray devices = devicesValue.toArray();
    if (devices.size() > maxDevices) {
        *problem =
            QStringLiteral("too many devices: %1 (at most %2)").arg(devices.size()).arg(maxDevices);
        return false;
    }
    std::set<uint32_t> ids;
    for (int i = 0; i < devices.size(); ++i) {
        if (!devices[i].isObject()) {
            *problem = QStringLiteral("device %1 must be an object").arg(i + 1);
            return false;
        }
        SimDevice d;
        if (!makeDevice(devices[i].toObject(), &d, &why)) {
            const QJsonValue id = devices[i].toObject().value(QLatin1String("deviceId"));
            *problem = id.isDouble() ? QStringLiteral("device %1 (deviceId %2): %3")
                                           .arg(i + 1)
                                           .arg(id.toInt())
                                           .arg(why)
                                     : QStringLiteral("device %1: %2").arg(i + 1).arg(why);
            return false;
        }
        if (!ids.insert(d.id).second) {
            *problem =
                QStringLiteral("device %1: deviceId %2 is listed twice").arg(i + 1).arg(d.id);
            return false;
        }
        w.devices.push_back(d);
    }
    *world = w;
    return true;
}

QJsonObject SimWorld::toJson() const
{
    QJsonArray list;
    for (const SimDevice &d : devices)
        if (!d.external)
            list.append(d.fields);
    QJsonObject o;
    o.insert(QStringLiteral("driver"), driver);
    o.insert(QStringLiteral("devices"), list);
    return o;
}

const SimDevice *SimWorld::find(uint32_t id) const
{
    for (const SimDevice &d : devices)
        if (d.id == id)
            return &d;
    return nullptr;
}

uint32_t SimWorld::libraryVersion() const
{
    return versionValue(driver.value(QLatin1String("libraryVersion")));
}

QString SimWorld::machineMac()
{
    // Read once: interfaces do not come and go while a test runs, and "auto" is resolved for
    // every device on every world change.
    // Never destroyed, like the engine that uses it from its thread until exit.
    static const QString *mac = new QString([] {
        const QDir net(QStringLiteral("/sys/class/net"));
        const QStringList names = net.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &name : names) {
            if (name == QLatin1String("lo"))
                continue;
            QFile file(net.filePath(name + QStringLiteral("/address")));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QString text = QString::fromLatin1(file.readAll()).trimmed();
            uint8_t bytes[6];
            if (macBytes(text, bytes) && std::any_of(bytes, bytes + 6, [](uint8_t b) { return b; }))
                return text;
        }
        // A locally administered address, so that no real interface is named by mistake.
        return QStringLiteral("02-00-00-00-00-01");
    }());
    return *mac;
}

} // namespace vysim

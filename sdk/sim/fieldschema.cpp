// fieldschema.cpp: the device and driver fields of the core, and how values are checked.
#include "sdk/sim/fieldschema.h"

#include <QJsonArray>
#include <QStringList>

#include <cmath>

#include "vyro_version.h"

namespace vysim {

namespace {

constexpr qint64 U8 = 0xFF;
constexpr qint64 U16 = 0xFFFF;
constexpr qint64 U32 = 0xFFFFFFFFll;
constexpr qint64 I32MIN = -2147483648ll;
constexpr qint64 I32MAX = 2147483647ll;

// The fields the core itself reads. Modules add their own with addDeviceFields.
void addCoreDeviceFields(FieldSchema &s)
{
    using T = FieldType;
    // Locals, not globals: modules may add fields from their static initialisers, before the
    // globals of this file would exist.
    const QString zeroIp = QStringLiteral("0.0.0.0");
    const QString zeroMac = QStringLiteral("00-00-00-00-00-00");
    s.add({
        {"label", T::String, QString(), 0, 32, "short name of the device (vyrosim presets)"},
        {"deviceId", T::Int, QJsonValue::Undefined, 1, 0x7FFF, "device ID (required)"},
        {"cameraId", T::Int, 1, 0, U8, "user camera ID"},
        {"sensorId", T::Int, 0, 0, U16, "sensor ID"},
        {"inUse", T::Bool, false, 0, 0, "opened by a program outside the simulation"},
        {"serialNumber", T::String, QString(), 0, 16, "serial number"},
        {"model", T::String, QString(), 0, 16, "model name"},
        {"fullModelName", T::String, QString(), 0, 32, "full model name"},
        {"status", T::Int, 0, 0, U32, "list status word: 0x1 service firmware, 0x2 no Fullspeed"},
        {"deviceType", T::Int, 0, 0, U8, "device type code of the list entry"},
        {"variantFlags", T::Int, 0, 0, U8, "list entry byte 53"},
        {"hardwareVariant", T::Int, 0, 0, U16, "hardware variant"},
        {"busGeneration", T::Int, 0, 0, U8, "list entry byte 57 (2: third-generation USB)"},

        {"infoDeviceType", T::Int, -1, -1, U8, "device type the device reports; -1: deviceType"},
        {"dhcpState", T::Int, 0, 0, U8, "0x1 supported, 0x2 error, 0x10 enabled"},
        {"linkSpeed", T::Int, 0, 0, U16, "link speed in Mbit/s"},
        {"starterFirmware", T::Version, 0, 0, 0, "running starter firmware"},
        {"runtimeFirmware", T::Version, 0, 0, 0, "runtime firmware"},
        {"deviceStatus", T::Int, 0, 0, U32, "device status: 0x1 ready, 0x100 unpaired"},
        {"mac", T::Mac, zeroMac, 0, 0, "MAC address of the device"},
        {"pairedHostMac", T::Mac, zeroMac, 0, 0, "MAC of the paired host"},
        {"ipAddress", T::Ip, zeroIp, 0, 0, "current IP address"},
        {"subnetMask", T::Ip, zeroIp, 0, 0, "current subnet mask"},
        {"persistentIp", T::Ip, zeroIp, 0, 0, "persistent IP address"},
        {"persistentSubnet", T::Ip, zeroIp, 0, 0, "persistent subnet mask"},
        {"dhcpServerIp", T::Ip, zeroIp, 0, 0, "DHCP server"},
        {"ipRangeBegin", T::Ip, zeroIp, 0, 0, "automatic configuration range start"},
        {"ipRangeEnd", T::Ip, zeroIp, 0, 0, "automatic configuration range end"},
        {"pairedHostIp", T::Ip, zeroIp, 0, 0, "IP of the paired host"},
        {"multicastIp", T::Ip, zeroIp, 0, 0, "multicast address"},
        {"dhcpFsmState", T::Int, 0, 0, U32, "DHCP state machine"},
        {"dhcpLeaseTime", T::Int, 0, 0, U32, "DHCP lease time"},
        {"dhcpT1Time", T::Int, 0, 0, U32, "DHCP T1"},
        {"dhcpT2Time", T::Int, 0, 0, U32, "DHCP T2"},
        {"temperature", T::Number, 0, 0, 0, "device temperature in degrees Celsius"},
        {"comPort", T::Int, 0, -32768, 32767, "virtual COM port"},
        {"imageMemorySize", T::Int, 0, 0, U16, "image memory in MB"},
        {"userEeprom", T::String, QString(), 0, 64, "user EEPROM text"},

        {"controlStatus", T::Int, 0, 0, U32, "device control status: 0x1 available, ..."},
        {"requiredStarterFirmware", T::Version, 0, 0, 0, "starter firmware the driver requires"},
        {"driverVersion", T::Version, 0, 0, 0, "driver version; 0: the library version"},
        {"minStarterFirmware", T::Version, 0, 0, 0, "lowest supported starter firmware"},
        {"maxStarterFirmware", T::Version, 0, 0, 0, "highest supported starter firmware"},
        {"adapterMac", T::Mac, zeroMac, 0, 0, "host adapter MAC, \"auto\": this machine's"},
        {"adapterIp", T::Ip, zeroIp, 0, 0, "host adapter IP"},
        {"adapterSubnet", T::Ip, zeroIp, 0, 0, "host adapter subnet mask"},
        {"adapterIpRangeBegin", T::Ip, zeroIp, 0, 0, "adapter range start"},
        {"adapterIpRangeEnd", T::Ip, zeroIp, 0, 0, "adapter range end"},
        {"adapterLinkSpeed", T::Int, 0, 0, U32, "host adapter link speed in Mbit/s"},
        {"adapterDhcpEnabled", T::Bool, false, 0, 0, "host adapter uses DHCP"},
        {"adapterIpRangeValid", T::Bool, false, 0, 0, "adapter range valid"},
        {"knownDevices", T::Int, 0, 0, U32, "devices known on the adapter"},
        {"pairedDevices", T::Int, 0, 0, U32, "devices paired on the adapter"},

        {"usbBus", T::Int, 0, 0, U8, "USB bus number"},
        {"usbPortPath", T::String, QString(), 0, 32, "ports from the root hub, e.g. \"1.4\""},

        {"deviceInfoResult", T::Int, 0, I32MIN, I32MAX, "nonzero: vy_DeviceInfo fails with it"},
        {"openResult", T::Int, 0, I32MIN, I32MAX, "nonzero: vy_InitCamera fails with it"},
        {"needsFirmwareUpload", T::Bool, false, 0, 0, "vy_InitCamera answers 184 without 0x10000"},
        {"firmwareUploadMs", T::Int, 25000, 0, 3600000, "vy_GetDuration mode 1"},
        {"multicastSupported", T::Bool, false, 0, 0, "vy_Multicast 0x1014"},
        {"multicastEnabled", T::Bool, false, 0, 0, "vy_Multicast 0x1013 / 0x1012"},

        {"sensorName", T::String, QString(), 0, 31, "sensor name"},
        {"sensorWidth", T::Int, 1280, 0, U16, "sensor width in pixels"},
        {"sensorHeight", T::Int, 1024, 0, U16, "sensor height in pixels"},
        {"colorMode", T::String, QStringLiteral("mono"), 0, 5, "\"mono\" or \"bayer\""},
        {"bayerStart", T::Int, 0, 0, 2, "upper left Bayer pixel: 0 red, 1 green, 2 blue"},
        {"hotPixelSeed", T::Int, 1, 0, I32MAX, "seed of the sensor's hot pixels"},
        {"hotPixelCount", T::Int, 0, 0, 1000000, "number of hot pixels of the sensor"},
        {"factoryHotPixels", T::Array, QJsonArray(), 0, 0, "factory list, [[x, y], ...]"},
        {"userHotPixelCapacity", T::Int, 64, 0, U16, "capacity of the user list in EEPROM"},
        {"userHotPixels", T::Array, QJsonArray(), 0, 0, "user list in EEPROM, [[x, y], ...]"},
    });
}

void addCoreDriverFields(FieldSchema &s)
{
    using T = FieldType;
    s.add({
        {"libraryVersion", T::Version, QStringLiteral(VYRO_SDK_VERSION_TEXT), 0, 0,
         "vy_GetDLLVersion"},
        {"usbDaemonRunning", T::Bool, true, 0, 0, "the USB daemon runs"},
        {"usbDaemonVersion", T::String, QStringLiteral(VYRO_SDK_VERSION_TEXT), 0, 127,
         "its version text"},
        {"ethDaemonRunning", T::Bool, true, 0, 0, "the ETH daemon runs"},
        {"ethDaemonVersion", T::String, QStringLiteral(VYRO_SDK_VERSION_TEXT), 0, 127,
         "its version text"},
        {"readOnlyMulticast", T::Bool, false, 0, 0, "read-only multicast enabled (0x2007/8200)"},
        {"cameraMemories", T::Object, QJsonObject(), 0, 0,
         "the memory of unplugged cameras, by serial number (else \"device <id>\")"},
    });
}

QString typeName(FieldType t)
{
    switch (t) {
    case FieldType::Bool:
        return QStringLiteral("true or false");
    case FieldType::Int:
        return QStringLiteral("an integer");
    case FieldType::Number:
        return QStringLiteral("a number");
    case FieldType::String:
        return QStringLiteral("a text");
    case FieldType::Version:
        return QStringLiteral("a version (number or \"major.minor.build\")");
    case FieldType::Ip:
        return QStringLiteral("an IPv4 address text \"a.b.c.d\"");
    case FieldType::Mac:
        return QStringLiteral("a MAC address text \"00-11-22-33-44-55\" or \"auto\"");
    case FieldType::Array:
        return QStringLiteral("an array");
    case FieldType::Object:
        return QStringLiteral("an object");
    }
    return QString();
}

} // namespace

FieldSchema &FieldSchema::devices()
{
    static FieldSchema *schema = [] {
        auto *s = new FieldSchema;
        addCoreDeviceFields(*s);
        return s;
    }();
    return *schema;
}

FieldSchema &FieldSchema::driver()
{
    static FieldSchema *schema = [] {
        auto *s = new FieldSchema;
        addCoreDriverFields(*s);
        return s;
    }();
    return *schema;
}

void FieldSchema::add(std::initializer_list<FieldSpec> fields)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const FieldSpec &f : fields) {
        const QString name = QLatin1String(f.name);
        auto it = m_index.constFind(name);
        if (it != m_index.constEnd()) {
            m_fields[*it] = f;
        } else {
            m_index.insert(name, m_fields.size());
            m_fields.push_back(f);
        }
    }
}

const FieldSpec *FieldSchema::findLocked(const QString &name) const
{
    auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? nullptr : &m_fields[*it];
}

const FieldSpec *FieldSchema::find(const QString &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return findLocked(name);
}

std::vector<FieldSpec> FieldSchema::fields() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::vector<FieldSpec>(m_fields.begin(), m_fields.end());
}

bool integerValue(const QJsonValue &value, qint64 *out)
{
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (std::floor(d) != d || std::fabs(d) > 9.0e15)
            return false;
        *out = qint64(d);
        return true;
    }
    if (value.isString()) {
        const QString s = value.toString().trimmed();
        bool ok = false;
        qint64 v = 0;
        if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            v = s.mid(2).toLongLong(&ok, 16);
        else if (s.startsWith(QLatin1String("-0x"), Qt::CaseInsensitive))
            v = -s.mid(3).toLongLong(&ok, 16);
        if (ok)
            *out = v;
        return ok;
    }
    return false;
}

qint64 integerField(const QJsonObject &fields, const char *name)
{
    qint64 value = 0;
    integerValue(fields.value(QLatin1String(name)), &value);
    return value;
}

uint32_t versionValue(const QJsonValue &value)
{
    qint64 n = 0;
    if (integerValue(value, &n))
        return (n >= 0 && n <= 0xFFFFFFFFll) ? uint32_t(n) : 0;
    if (!value.isString())
        return 0;
    const QStringList parts = value.toString().split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.size() > 4)
        return 0;
    bool ok1 = false, ok2 = false, ok3 = true;
    const uint major = parts[0].toUInt(&ok1);
    const uint minor = parts[1].toUInt(&ok2);
    const uint build = parts.size() > 2 ? parts[2].toUInt(&ok3) : 0;
    if (!ok1 || !ok2 || !ok3 || major > 255 || minor > 255 || build > 0xFFFF)
        return 0;
    return (major << 24) | (minor << 16) | build;
}

bool ipBytes(const QJsonValue &value, uint8_t out[4])
{
    std::fill(out, out + 4, 0);
    if (!value.isString())
        return false;
    const QStringList parts = value.toString().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    uint8_t b[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint v = parts[i].toUInt(&ok);
        if (!ok || v > 255)
            return false;
        b[i] = uint8_t(v);
    }
    std::copy(b, b + 4, out);
    return true;
}

bool macBytes(const QJsonValue &value, uint8_t out[6])
{
    std::fill(out, out + 6, 0);
    if (!value.isString())
        return false;
    QString s = value.toString();
    s.replace(QLatin1Char(':'), QLatin1Char('-'));
    const QStringList parts = s.split(QLatin1Char('-'));
    if (parts.size() != 6)
        return false;
    uint8_t b[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint v = parts[i].toUInt(&ok, 16);
        if (!ok || v > 255 || parts[i].size() > 2 || parts[i].isEmpty())
            return false;
        b[i] = uint8_t(v);
    }
    std::copy(b, b + 6, out);
    return true;
}

bool FieldSchema::check(const QString &name, const QJsonValue &value, QString *problem) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return checkLocked(name, value, problem);
}

namespace {

// Texts end up in the SDK's fixed, NUL-terminated char fields as UTF-8: a NUL would cut them
// short and a lone surrogate has no UTF-8 form at all.
bool representable(const QString &text, QString *detail)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull()) {
            *detail = QStringLiteral(" without NUL characters");
            return false;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate()) {
            *detail = QStringLiteral(" without unpaired surrogates");
            return false;
        }
    }
    return true;
}

} // namespace

bool FieldSchema::checkLocked(const QString &name, const QJsonValue &value, QString *problem) const
{
    const FieldSpec *f = findLocked(name);
    if (!f) {
        *problem = QStringLiteral("unknown field \"%1\"").arg(name);
        return false;
    }
    bool ok = true;
    QString detail;
    switch (f->type) {
    case FieldType::Bool:
        ok = value.isBool();
        break;
    case FieldType::Int: {
        qint64 v = 0;
        ok = integerValue(value, &v);
        if (ok && (v < f->min || v > f->max)) {
            ok = false;
            detail = QStringLiteral(" from %1 to %2").arg(f->min).arg(f->max);
        }
        break;
    }
    case FieldType::Number:
        ok = value.isDouble();
        break;
    case FieldType::String:
        ok = value.isString();
        if (ok && !representable(value.toString(), &detail)) {
            ok = false;
        } else if (ok && f->max > 0 && value.toString().toUtf8().size() > f->max) {
            ok = false;
            detail = QStringLiteral(" of at most %1 bytes").arg(f->max);
        }
        break;
    case FieldType::Version:
        ok = (value.isDouble() || value.isString()) &&
             (versionValue(value) != 0 || value.toString() == QLatin1String("0.0.0") ||
              (value.isDouble() && value.toDouble() == 0));
        break;
    case FieldType::Ip: {
        uint8_t b[4];
        ok = ipBytes(value, b);
        break;
    }
    case FieldType::Mac: {
        uint8_t b[6];
        ok = value.toString() == QLatin1String("auto") || macBytes(value, b);
        break;
    }
    case FieldType::Array:
        ok = value.isArray();
        break;
    case FieldType::Object:
        ok = value.isObject();
        break;
    }
    if (!ok)
        *problem = QStringLiteral("field \"%1\" must be %2%3").arg(name, typeName(f->type), detail);
    return ok;
}

bool FieldSchema::complete(const QJsonObject &given, QJsonObject *out, QString *problem) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = given.begin(); it != given.end(); ++it)
        if (!checkLocked(it.key(), it.value(), problem))
            return false;
    QJsonObject result = given;
    for (const FieldSpec &f : m_fields) {
        const QString name = QLatin1String(f.name);
        if (result.contains(name))
            continue;
        if (f.defaultValue.isUndefined()) {
            *problem = QStringLiteral("field \"%1\" is missing").arg(name);
            return false;
        }
        result.insert(name, f.defaultValue);
    }
    *out = result;
    return true;
}

bool addDeviceFields(std::initializer_list<FieldSpec> fields)
{
    FieldSchema::devices().add(fields);
    return true;
}

bool addDriverFields(std::initializer_list<FieldSpec> fields)
{
    FieldSchema::driver().add(fields);
    return true;
}

} // namespace vysim

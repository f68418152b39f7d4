// api_autoconfig.cpp: vy_IpConfig by MAC: the automatic configuration of network cameras.
#include "sdk/sim/apicall.h"
#include "sdk/sim/autoconfig.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simworld.h"
#include "sdk/vyro_device.h"

#include <QJsonObject>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace vysim {

namespace {

constexpr uint32_t BootBoostUsed = 0x2000000u;
constexpr uint32_t Accessible = 0x6u;

bool sameMac(const QJsonValue &field, const uint8_t mac[6])
{
    uint8_t bytes[6] = {};
    const QJsonValue v =
        field.toString() == QLatin1String("auto") ? QJsonValue(SimWorld::machineMac()) : field;
    return macBytes(v, bytes) && std::memcmp(bytes, mac, 6) == 0;
}

uint32_t ipValue(const QJsonValue &field)
{
    uint8_t b[4] = {};
    ipBytes(field, b);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

uint32_t ipValue(const uint8_t b[4])
{
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

QString ipText(uint32_t v)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(v >> 24)
        .arg((v >> 16) & 0xFF)
        .arg((v >> 8) & 0xFF)
        .arg(v & 0xFF);
}

std::vector<uint32_t> networkDevices()
{
    std::vector<uint32_t> ids;
    for (uint32_t id : deviceIds())
        if (vyro::isNetworkDevice(id))
            ids.push_back(id);
    return ids;
}

int32_t configureCamera(const uint8_t mac[6], const void *buffer, uint32_t size)
{
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (size < sizeof(VY_IP_RECORD))
        return VY_BUFFER_TOO_SMALL;
    VY_IP_RECORD record;
    std::memcpy(&record, buffer, sizeof record);
    // Only the all-zero record (no persistent address: automatic configuration) is modelled.
    if (ipValue(record.address) != 0 || ipValue(record.mask) != 0)
        return VY_NOT_SUPPORTED;
    const std::vector<uint32_t> devices = networkDevices();
    const auto camera = std::find_if(devices.begin(), devices.end(), [&](uint32_t id) {
        return sameMac(deviceField(id, QStringLiteral("mac")), mac);
    });
    if (camera == devices.end())
        return VY_CAMERA_NOT_FOUND;
    const QJsonObject f = deviceFields(*camera);
    qint64 control64 = 0;
    integerValue(f.value(QLatin1String("controlStatus")), &control64);
    const auto control = uint32_t(control64);
    if (control & BootBoostUsed)
        return autoConfigBootBoostRefusal;
    if (!f.value(QLatin1String("adapterIpRangeValid")).toBool())
        return VY_NO_DATA;
    const uint32_t begin = ipValue(f.value(QLatin1String("adapterIpRangeBegin")));
    const uint32_t end = ipValue(f.value(QLatin1String("adapterIpRangeEnd")));
    // The adapter's own address and those of the other cameras on it are not handed out.
    std::set<uint32_t> taken{ipValue(f.value(QLatin1String("adapterIp")))};
    for (uint32_t id : devices) {
        if (id != *camera &&
            deviceField(id, QStringLiteral("adapterMac")) == f.value(QLatin1String("adapterMac")))
            taken.insert(ipValue(deviceField(id, QStringLiteral("ipAddress"))));
    }
    uint32_t address = 0;
    for (uint32_t a = begin; a != 0 && a <= end; ++a) {
        if (!taken.count(a)) {
            address = a;
            break;
        }
    }
    if (address == 0)
        return VY_NO_DATA;
    QJsonObject change;
    change.insert(QStringLiteral("persistentIp"), QStringLiteral("0.0.0.0"));
    change.insert(QStringLiteral("persistentSubnet"), QStringLiteral("0.0.0.0"));
    change.insert(QStringLiteral("ipAddress"), ipText(address));
    change.insert(QStringLiteral("subnetMask"), f.value(QLatin1String("adapterSubnet")));
    change.insert(QStringLiteral("controlStatus"), double(control | Accessible));
    return setDeviceFields(*camera, change);
}

} // namespace

int32_t ipConfigByMac(const uint8_t mac[6], uint32_t command, void *buffer, uint32_t size)
{
    if (!mac)
        return VY_INVALID_PARAMETER;
    if (command != VY_IPCONFIG_SET_PERSISTENT_IP)
        return VY_NOT_SUPPORTED;
    return configureCamera(mac, buffer, size);
}

} // namespace vysim

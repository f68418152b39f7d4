// api_ipconfig.cpp: vy_IpConfig, the network configuration of cameras (persistent IP address,
// DHCP client) and of the host adapters they are on (automatic configuration range).
//
// Everything is kept in the device fields of the shared world, so that the device information
// of every process reads back what was written. An adapter is known by the adapterMac of its
// cameras; its range is stored in each of them.
#include "sdk/sim/apicall.h"
#include "sdk/sim/autoconfig.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simworld.h"
#include "sdk/vyro_device.h"

#include <QJsonObject>
#include <QString>

#include <cstring>
#include <vector>

namespace {

const bool ipConfigFields = vysim::addDeviceFields({
    {"ipConfigCapabilities", vysim::FieldType::Int, 7, 0, 0xFFFFFFFFll,
     "vy_IpConfig capabilities: 0x1 persistent IP, 0x2 DHCP, 0x4 range"},
});

// Device status and control status bits the configuration changes.
constexpr uint32_t StatusPersistentIpNotApplicable = 0x20;
constexpr uint32_t StatusUnpaired = 0x100;
constexpr uint32_t ControlAvailableAndAccessible = 0x7;
constexpr uint32_t ControlPersistentIpUsed = 0x10;
constexpr uint32_t DhcpEnabled = 0x10;

// What a command addresses: one camera by its device ID (with a zero MAC), or the host adapter
// with the given MAC (handle VY_ADAPTER_HANDLE).
enum class Target
{
    Device,
    Adapter
};

struct Request
{
    uint32_t deviceId = 0; // Device: the camera
    uint8_t mac[6] = {};   // Adapter: its MAC
    void *buffer = nullptr;
    uint32_t size = 0;
};

using Handler = int32_t (*)(const Request &request);

struct Command
{
    uint32_t code;
    Target target;
    Handler handler;
};

QString ipText(const uint8_t *b)
{
    return QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
}

uint32_t ipValue(const QJsonValue &value)
{
    uint8_t b[4];
    vysim::ipBytes(value, b);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

QString ipText(uint32_t address)
{
    const uint8_t b[4] = {uint8_t(address >> 24), uint8_t(address >> 16), uint8_t(address >> 8),
                          uint8_t(address)};
    return ipText(b);
}

int32_t checkBuffer(const Request &request, uint32_t needed)
{
    if (!request.buffer)
        return VY_INVALID_PARAMETER;
    if (request.size < needed)
        return VY_BUFFER_TOO_SMALL;
    return VY_SUCCESS;
}

bool networkConfigurable(uint32_t deviceId)
{
    if (vyro::isNetworkDevice(deviceId))
        return true;
    // GigE vision-standard devices take the same configuration.
    return vyro::isVisionStandardDevice(deviceId) &&
           uint32_t(vysim::integerField(vysim::deviceFields(deviceId), "deviceType")) == 226;
}

uint32_t capabilities(uint32_t deviceId)
{
    return uint32_t(vysim::integerField(vysim::deviceFields(deviceId), "ipConfigCapabilities"));
}

// The network cameras on the adapter with this MAC, in world order.
std::vector<uint32_t> camerasOnAdapter(const uint8_t (&mac)[6])
{
    std::vector<uint32_t> ids;
    for (uint32_t id : vysim::deviceIds()) {
        if (!networkConfigurable(id))
            continue;
        // "auto" is this machine's MAC, as the device information gives it.
        QJsonValue text = vysim::deviceField(id, QStringLiteral("adapterMac"));
        if (text.toString() == QLatin1String("auto"))
            text = vysim::SimWorld::machineMac();
        uint8_t adapter[6];
        if (vysim::macBytes(text, adapter) && std::memcmp(adapter, mac, sizeof adapter) == 0)
            ids.push_back(id);
    }
    return ids;
}

// The camera's current address and reachability after its persistent IP or its adapter's range
// changed, as the driver would find them after configuring the camera again: a persistent IP is
// taken as it is; without one the camera keeps its address when it is in the adapter's subnet,
// else it gets the first address of the range. An address outside the adapter's subnet leaves
// the camera unreachable: not available nor accessible, its persistent IP marked not applicable.
QJsonObject reconfigured(const QJsonObject &f)
{
    QJsonObject changes;
    const uint32_t persistent = ipValue(f.value(QLatin1String("persistentIp")));
    const uint32_t adapterIp = ipValue(f.value(QLatin1String("adapterIp")));
    const uint32_t adapterMask = ipValue(f.value(QLatin1String("adapterSubnet")));
    const uint32_t rangeBegin = ipValue(f.value(QLatin1String("adapterIpRangeBegin")));
    auto inSubnet = [&](uint32_t ip) {
        return ip != 0 && (adapterMask == 0 || (ip & adapterMask) == (adapterIp & adapterMask));
    };

    uint32_t address = ipValue(f.value(QLatin1String("ipAddress")));
    uint32_t mask = ipValue(f.value(QLatin1String("subnetMask")));
    if (persistent != 0) {
        address = persistent;
        mask = ipValue(f.value(QLatin1String("persistentSubnet")));
    } else if (!inSubnet(address) && rangeBegin != 0) {
        address = rangeBegin;
        mask = adapterMask;
    }
    changes.insert(QStringLiteral("ipAddress"), ipText(address));
    changes.insert(QStringLiteral("subnetMask"), ipText(mask));

    uint32_t control = uint32_t(vysim::integerField(f, "controlStatus"));
    uint32_t status = uint32_t(vysim::integerField(f, "deviceStatus"));
    control =
        persistent != 0 ? control | ControlPersistentIpUsed : control & ~ControlPersistentIpUsed;
    if (!inSubnet(address)) {
        // Shown as a camera that is free but cannot be reached, not as one of another host.
        if (control & 0x1)
            status |= StatusUnpaired;
        control &= ~ControlAvailableAndAccessible;
        status |= StatusPersistentIpNotApplicable;
    } else if (status & StatusPersistentIpNotApplicable) {
        control |= ControlAvailableAndAccessible;
        status &= ~StatusPersistentIpNotApplicable;
    }
    changes.insert(QStringLiteral("controlStatus"), double(control));
    changes.insert(QStringLiteral("deviceStatus"), double(status));
    return changes;
}

int32_t queryCapabilities(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(uint32_t));
    if (check != VY_SUCCESS)
        return check;
    const uint32_t caps = capabilities(r.deviceId);
    std::memcpy(r.buffer, &caps, sizeof caps);
    return VY_SUCCESS;
}

int32_t getPersistentIp(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(VY_IP_RECORD));
    if (check != VY_SUCCESS)
        return check;
    if (!(capabilities(r.deviceId) & VY_IPCONFIG_CAP_PERSISTENT_IP))
        return VY_NOT_SUPPORTED;
    const QJsonObject f = vysim::deviceFields(r.deviceId);
    VY_IP_RECORD record;
    std::memset(&record, 0, sizeof record);
    vysim::ipBytes(f.value(QLatin1String("persistentIp")), record.address);
    vysim::ipBytes(f.value(QLatin1String("persistentSubnet")), record.mask);
    std::memcpy(r.buffer, &record, sizeof record);
    return VY_SUCCESS;
}

int32_t setPersistentIp(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(VY_IP_RECORD));
    if (check != VY_SUCCESS)
        return check;
    if (!(capabilities(r.deviceId) & VY_IPCONFIG_CAP_PERSISTENT_IP))
        return VY_NOT_SUPPORTED;
    VY_IP_RECORD record;
    std::memcpy(&record, r.buffer, sizeof record);
    QJsonObject f = vysim::deviceFields(r.deviceId);
    f.insert(QStringLiteral("persistentIp"), ipText(record.address));
    f.insert(QStringLiteral("persistentSubnet"), ipText(record.mask));
    QJsonObject changes = reconfigured(f);
    changes.insert(QStringLiteral("persistentIp"), ipText(record.address));
    changes.insert(QStringLiteral("persistentSubnet"), ipText(record.mask));
    return vysim::setDeviceFields(r.deviceId, changes);
}

int32_t getDhcp(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(uint32_t));
    if (check != VY_SUCCESS)
        return check;
    if (!(capabilities(r.deviceId) & VY_IPCONFIG_CAP_DHCP))
        return VY_NOT_SUPPORTED;
    const uint32_t on =
        (uint32_t(vysim::integerField(vysim::deviceFields(r.deviceId), "dhcpState")) & DhcpEnabled)
            ? 1
            : 0;
    std::memcpy(r.buffer, &on, sizeof on);
    return VY_SUCCESS;
}

int32_t setDhcp(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(uint32_t));
    if (check != VY_SUCCESS)
        return check;
    if (!(capabilities(r.deviceId) & VY_IPCONFIG_CAP_DHCP))
        return VY_NOT_SUPPORTED;
    uint32_t on = 0;
    std::memcpy(&on, r.buffer, sizeof on);
    if (on > 1)
        return VY_INVALID_PARAMETER;
    uint32_t state = uint32_t(vysim::integerField(vysim::deviceFields(r.deviceId), "dhcpState"));
    state = on ? state | DhcpEnabled : state & ~DhcpEnabled;
    return vysim::setDeviceField(r.deviceId, QStringLiteral("dhcpState"), double(state));
}

int32_t getRange(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(VY_IP_RANGE));
    if (check != VY_SUCCESS)
        return check;
    const std::vector<uint32_t> cameras = camerasOnAdapter(r.mac);
    if (cameras.empty())
        return VY_INVALID_PARAMETER;
    const QJsonObject f = vysim::deviceFields(cameras.front());
    VY_IP_RANGE range;
    std::memset(&range, 0, sizeof range);
    vysim::ipBytes(f.value(QLatin1String("adapterIpRangeBegin")), range.begin);
    vysim::ipBytes(f.value(QLatin1String("adapterIpRangeEnd")), range.end);
    range.count = VY_IP_RANGE_COUNT;
    std::memcpy(r.buffer, &range, sizeof range);
    return VY_SUCCESS;
}

int32_t setRange(const Request &r)
{
    const int32_t check = checkBuffer(r, sizeof(VY_IP_RANGE));
    if (check != VY_SUCCESS)
        return check;
    const std::vector<uint32_t> cameras = camerasOnAdapter(r.mac);
    if (cameras.empty())
        return VY_INVALID_PARAMETER;
    VY_IP_RANGE range;
    std::memcpy(&range, r.buffer, sizeof range);
    const QString begin = ipText(range.begin);
    const QString end = ipText(range.end);
    for (uint32_t id : cameras) {
        QJsonObject f = vysim::deviceFields(id);
        const uint32_t adapterIp = ipValue(f.value(QLatin1String("adapterIp")));
        const uint32_t mask = ipValue(f.value(QLatin1String("adapterSubnet")));
        const uint32_t b = ipValue(begin);
        const uint32_t e = ipValue(end);
        const bool valid = b != 0 && b <= e && (b & mask) == (adapterIp & mask) &&
                           (e & mask) == (adapterIp & mask);
        f.insert(QStringLiteral("adapterIpRangeBegin"), begin);
        f.insert(QStringLiteral("adapterIpRangeEnd"), end);
        QJsonObject changes = reconfigured(f);
        changes.insert(QStringLiteral("adapterIpRangeBegin"), begin);
        changes.insert(QStringLiteral("adapterIpRangeEnd"), end);
        changes.insert(QStringLiteral("ipRangeBegin"), begin);
        changes.insert(QStringLiteral("ipRangeEnd"), end);
        changes.insert(QStringLiteral("adapterIpRangeValid"), valid);
        const int32_t result = vysim::setDeviceFields(id, changes);
        if (result != VY_SUCCESS)
            return result;
    }
    return VY_SUCCESS;
}

// The commands by code and target; a command not listed for a target is not supported.
// Automatic configuration: the handle addresses the camera by its own MAC (see autoconfig.h).
int32_t configureByCameraMac(const Request &r)
{
    return vysim::ipConfigByMac(r.mac, VY_IPCONFIG_SET_PERSISTENT_IP, r.buffer, r.size);
}

const Command Commands[] = {
    {VY_IPCONFIG_QUERY_CAPABILITIES, Target::Device, queryCapabilities},
    {VY_IPCONFIG_GET_PERSISTENT_IP, Target::Device, getPersistentIp},
    {VY_IPCONFIG_SET_PERSISTENT_IP, Target::Device, setPersistentIp},
    {VY_IPCONFIG_GET_DHCP, Target::Device, getDhcp},
    {VY_IPCONFIG_SET_DHCP, Target::Device, setDhcp},
    {VY_IPCONFIG_GET_AUTOCFG_RANGE, Target::Adapter, getRange},
    {VY_IPCONFIG_SET_AUTOCFG_RANGE, Target::Adapter, setRange},
    {VY_IPCONFIG_SET_PERSISTENT_IP, Target::Adapter, configureByCameraMac},
};

} // namespace

extern "C" {

VYAPI int32_t vy_IpConfig(int32_t deviceId, const uint8_t mac[6], uint32_t command, void *buffer,
                          uint32_t size)
{
    (void)ipConfigFields;
    VYSIM_ENTER_DEVICE(call, "vy_IpConfig", deviceId, command, buffer, size);
    Request request;
    request.buffer = buffer;
    request.size = size;
    Target target = Target::Device;
    if (deviceId == VY_ADAPTER_HANDLE) {
        if (!mac)
            return call.done(VY_INVALID_PARAMETER);
        target = Target::Adapter;
        std::memcpy(request.mac, mac, sizeof request.mac);
    } else {
        // The plain device ID, or the unopened address of the camera.
        request.deviceId = uint32_t(deviceId) & ~VY_UNOPENED;
        if (deviceId <= 0 || !vysim::deviceExists(request.deviceId))
            return call.done(VY_CAMERA_NOT_FOUND);
        if (!networkConfigurable(request.deviceId))
            return call.done(VY_NOT_SUPPORTED);
    }
    for (const Command &c : Commands) {
        if (c.code == command && c.target == target) {
            return call.done(c.handler(request));
        }
    }
    return call.done(VY_NOT_SUPPORTED);
}

} // extern "C"

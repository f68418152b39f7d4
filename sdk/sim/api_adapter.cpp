// api_adapter.cpp: the ETH daemon's configuration of the host's network adapters, addressed by
// adapter MAC: packet filter and packet size, and the TCP/IP setup the driver re-reads.
#include "sdk/sim/apicall.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simworld.h"
#include "sdk/vyro_device.h"

#include <QJsonObject>

#include <cstring>

namespace {

constexpr uint32_t normalPacketSize = 1450;
constexpr uint32_t jumboPacketSize = 1998;
constexpr uint32_t minPacketSize = 576;
constexpr uint32_t maxPacketSize = 9000;
constexpr uint32_t lastPacketFilter = 2;

const bool fields = vysim::addDriverFields({
    {"adapterConfig", vysim::FieldType::Object, QJsonObject(), 0, 0,
     "per adapter MAC (\"00-11-22-33-44-55\"): {\"packetSize\", \"packetFilter\"}"},
});

QString macKey(const uint8_t *mac)
{
    return QString::asprintf("%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3],
                             mac[4], mac[5]);
}

// The network cameras behind the adapter.
std::vector<uint32_t> camerasOn(const uint8_t *mac)
{
    std::vector<uint32_t> ids;
    for (const uint32_t id : vysim::deviceIds()) {
        if (!vyro::isNetworkDevice(id))
            continue;
        QJsonValue adapter = vysim::deviceField(id, QStringLiteral("adapterMac"));
        if (adapter.toString() == QLatin1String("auto"))
            adapter = vysim::SimWorld::machineMac();
        uint8_t own[6] = {};
        if (vysim::macBytes(adapter, own) && !std::memcmp(own, mac, 6))
            ids.push_back(id);
    }
    return ids;
}

struct AdapterSettings
{
    uint32_t packetSize = normalPacketSize;
    uint32_t packetFilter = 0;
};

// What the daemon holds for the adapter. An adapter never configured uses jumbo packets when
// its cameras already report adapter settings that are OK, so that the default world agrees
// with itself.
AdapterSettings settingsOf(const uint8_t *mac)
{
    AdapterSettings s;
    const QJsonObject stored = vysim::driverField(QStringLiteral("adapterConfig"))
                                   .toObject()
                                   .value(macKey(mac))
                                   .toObject();
    if (stored.contains(QLatin1String("packetSize"))) {
        s.packetSize = uint32_t(vysim::integerField(stored, "packetSize"));
    } else {
        for (const uint32_t id : camerasOn(mac))
            if (uint32_t(vysim::integerField(vysim::deviceFields(id), "controlStatus")) &
                vyro::ControlStatusAdapterSettingsOk)
                s.packetSize = jumboPacketSize;
    }
    s.packetFilter = uint32_t(vysim::integerField(stored, "packetFilter"));
    return s;
}

int32_t store(const uint8_t *mac, const char *name, uint32_t value)
{
    QJsonObject all = vysim::driverField(QStringLiteral("adapterConfig")).toObject();
    QJsonObject adapter = all.value(macKey(mac)).toObject();
    adapter.insert(QLatin1String(name), double(value));
    all.insert(macKey(mac), adapter);
    return vysim::setDriverField(QStringLiteral("adapterConfig"), all);
}

// A packet size of at least the jumbo size is what the cameras need: they report the adapter
// settings as OK, and as not OK below it.
int32_t setPacketSize(const uint8_t *mac, uint32_t size)
{
    if (size < minPacketSize || size > maxPacketSize)
        return VY_INVALID_PARAMETER;
    int32_t result = store(mac, "packetSize", size);
    if (result != VY_SUCCESS)
        return result;
    for (const uint32_t id : camerasOn(mac)) {
        const uint32_t status =
            uint32_t(vysim::integerField(vysim::deviceFields(id), "controlStatus"));
        const uint32_t wanted = size >= jumboPacketSize
                                    ? (status | vyro::ControlStatusAdapterSettingsOk)
                                    : (status & ~vyro::ControlStatusAdapterSettingsOk);
        if (wanted != status)
            result = vysim::setDeviceField(id, QStringLiteral("controlStatus"), double(wanted));
        if (result != VY_SUCCESS)
            return result;
    }
    return VY_SUCCESS;
}

bool ethDaemonRunning()
{
    return vysim::driverField(QStringLiteral("ethDaemonRunning")).toBool();
}

int32_t access(const uint8_t *mac, uint32_t direction, uint32_t item, void *buffer, uint32_t size)
{
    (void)fields;
    if (!mac || !buffer)
        return VY_INVALID_PARAMETER;
    static const uint8_t zeroMac[6] = {};
    if (!std::memcmp(mac, zeroMac, 6))
        return VY_INVALID_PARAMETER;
    if (!ethDaemonRunning())
        return VY_NO_DAEMON;
    if (direction == VY_ADAPTER_READ && item == VY_ADAPTER_ITEM_BLOCK) {
        if (size < VY_ADAPTER_BLOCK_SIZE)
            return VY_BUFFER_TOO_SMALL;
        const AdapterSettings s = settingsOf(mac);
        VY_ADAPTER_CONFIG block;
        std::memset(&block, 0, sizeof block);
        std::memcpy(block.mac, mac, 6);
        block.enabled = 1;
        block.packetFilter = uint16_t(s.packetFilter);
        block.packetSize = s.packetSize;
        std::memcpy(buffer, &block, sizeof block);
        return VY_SUCCESS;
    }
    if (direction == VY_ADAPTER_READ && item == VY_ADAPTER_ITEM_PACKET_SIZE) {
        if (size < sizeof(VY_ADAPTER_PACKET_SIZE))
            return VY_BUFFER_TOO_SMALL;
        VY_ADAPTER_PACKET_SIZE query;
        std::memcpy(&query, buffer, sizeof query);
        if (query.packetSize != VY_ADAPTER_PACKET_SIZE_QUERY)
            return VY_INVALID_PARAMETER;
        query.packetSize = settingsOf(mac).packetSize;
        std::memcpy(buffer, &query, sizeof query);
        return VY_SUCCESS;
    }
    if (direction == VY_ADAPTER_WRITE &&
        (item == VY_ADAPTER_ITEM_PACKET_FILTER || item == VY_ADAPTER_ITEM_SET_PACKET_SIZE)) {
        if (size < sizeof(uint32_t))
            return VY_BUFFER_TOO_SMALL;
        uint32_t value = 0;
        std::memcpy(&value, buffer, sizeof value);
        if (item == VY_ADAPTER_ITEM_SET_PACKET_SIZE)
            return setPacketSize(mac, value);
        if (value > lastPacketFilter)
            return VY_INVALID_PARAMETER;
        return store(mac, "packetFilter", value);
    }
    return VY_NOT_SUPPORTED;
}

} // namespace

extern "C" {

// Logged with the item as the command, so that a test can force one item.
VYAPI int32_t vy_AccessAdapterCfgByMAC(const uint8_t *mac, uint32_t direction, uint32_t item,
                                       void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_AccessAdapterCfgByMAC", VY_DRIVER_HANDLE, item, buffer, size);
    return call.done(access(mac, direction, item, buffer, size));
}

VYAPI int32_t vy_FetchTCPIP_Setup(void)
{
    VYSIM_ENTER(call, "vy_FetchTCPIP_Setup", VY_DRIVER_HANDLE, 0, nullptr, 0);
    return call.done(ethDaemonRunning() ? VY_SUCCESS : VY_NO_DAEMON);
}

} // extern "C"

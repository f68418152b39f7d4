// api_switches.cpp: the driver's switches: the configuration commands (parameter-set choice,
// image memory compatibility mode, trusted pairing), boot boost with its camera ID list, and
// re-reading the driver's settings.
#include "sdk/sim/apicall.h"
#include "sdk/sim/bufferio.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"

#include <QJsonArray>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using vysim::readU32;
using vysim::writeU32;

using vysim::FieldType;

const bool switchFields = vysim::addDriverFields({
    {"configCapabilities", FieldType::Int, 0x4, 0, 0xFFFFFFFF,
     "vy_Configuration 1: bit 0x4 the parameter-set choice is supported"},
    {"parameterSet", FieldType::Int, 0, 0, 1, "parameter set cameras load: 0 default, 1 set 1"},
    {"memoryCompatibilityMode", FieldType::Int, 0, 0, 0xFFFFFFFF,
     "image memory compatibility mode (vy_Configuration 0x13/0x14)"},
    {"trustedPairingSupported", FieldType::Bool, true, 0, 0,
     "false: the trusted pairing commands answer VY_NOT_SUPPORTED"},
    {"trustedPairing", FieldType::Int, 0, 0, 1, "trusted pairing mode (vy_Configuration 0xF/0x10)"},
    {"bootBoost", FieldType::Bool, false, 0, 0, "boot boost enabled"},
    {"bootBoostIds", FieldType::Array, QJsonArray(), 0, 0,
     "camera IDs boot boost applies to, ascending, each 1..254"},
    {"registryFetches", FieldType::Int, 0, 0, 0x7FFFFFFF,
     "how often vy_FetchRegistryValues made the driver re-read its settings"},
});

uint32_t driverU32(const char *name)
{
    const QJsonValue v = vysim::driverField(QLatin1String(name));
    if (v.isBool())
        return v.toBool() ? 1u : 0u;
    qint64 n = 0;
    vysim::integerValue(v, &n);
    return uint32_t(n);
}

bool validId(int id)
{
    return id >= 1 && id <= 254;
}

std::vector<int> bootBoostIds()
{
    std::vector<int> ids;
    for (const QJsonValue v : vysim::driverField(QStringLiteral("bootBoostIds")).toArray()) {
        qint64 id = -1;
        if (!vysim::integerValue(v, &id))
            continue;
        if (id >= 1 && id <= 254)
            ids.push_back(int(id));
    }
    return ids;
}

int32_t storeIds(std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QJsonArray array;
    for (int id : ids)
        array.append(id);
    return vysim::setDriverField(QStringLiteral("bootBoostIds"), array);
}

int32_t configuration(uint32_t command, void *buffer, uint32_t size)
{
    uint32_t value = 0;
    switch (command) {
    case VY_CONFIG_GET_CAPABILITIES:
        return writeU32(buffer, size, driverU32("configCapabilities"));
    case VY_CONFIG_GET_PARAMETERSET:
        return writeU32(buffer, size, driverU32("parameterSet"));
    case VY_CONFIG_SET_PARAMETERSET: {
        const int32_t r = readU32(buffer, size, &value);
        if (r != VY_SUCCESS)
            return r;
        if (value > 1)
            return VY_INVALID_PARAMETER;
        return vysim::setDriverField(QStringLiteral("parameterSet"), int(value));
    }
    case VY_CONFIG_GET_MEMORY_COMPAT:
        return writeU32(buffer, size, driverU32("memoryCompatibilityMode"));
    case VY_CONFIG_SET_MEMORY_COMPAT: {
        const int32_t r = readU32(buffer, size, &value);
        if (r != VY_SUCCESS)
            return r;
        return vysim::setDriverField(QStringLiteral("memoryCompatibilityMode"), double(value));
    }
    case VY_CONFIG_GET_TRUSTED_PAIRING:
        if (!driverU32("trustedPairingSupported"))
            return VY_NOT_SUPPORTED;
        return writeU32(buffer, size, driverU32("trustedPairing"));
    case VY_CONFIG_SET_TRUSTED_PAIRING: {
        if (!driverU32("trustedPairingSupported"))
            return VY_NOT_SUPPORTED;
        const int32_t r = readU32(buffer, size, &value);
        if (r != VY_SUCCESS)
            return r;
        return vysim::setDriverField(QStringLiteral("trustedPairing"), value ? 1 : 0);
    }
    default:
        return VY_NOT_SUPPORTED;
    }
}

int32_t bootBoost(uint32_t command, void *buffer, uint32_t size)
{
    switch (command) {
    case VY_BOOTBOOST_GET_ENABLE:
        return writeU32(buffer, size, driverU32("bootBoost"));
    case VY_BOOTBOOST_ENABLE:
    case VY_BOOTBOOST_DISABLE:
        return vysim::setDriverField(QStringLiteral("bootBoost"), command == VY_BOOTBOOST_ENABLE);
    case VY_BOOTBOOST_GET_ID_COUNT:
        return writeU32(buffer, size, uint32_t(bootBoostIds().size()));
    case VY_BOOTBOOST_GET_IDS: {
        // The caller presets the count it has room for; the record names what was written.
        uint32_t room = 0;
        const int32_t r = readU32(buffer, size, &room);
        if (r != VY_SUCCESS)
            return r;
        const std::vector<int> ids = bootBoostIds();
        if (room < ids.size() || size < VY_BOOTBOOST_IDS_SIZE(ids.size()) - 3)
            return VY_BUFFER_TOO_SMALL;
        auto *bytes = static_cast<uint8_t *>(buffer);
        const auto count = uint32_t(ids.size());
        std::memcpy(bytes, &count, sizeof count);
        for (size_t i = 0; i < ids.size(); ++i)
            bytes[4 + i] = uint8_t(ids[i]);
        return VY_SUCCESS;
    }
    case VY_BOOTBOOST_SET_IDS: {
        uint32_t count = 0;
        const int32_t r = readU32(buffer, size, &count);
        if (r != VY_SUCCESS)
            return r;
        if (count > 254)
            return VY_INVALID_PARAMETER;
        if (size < 4 + count)
            return VY_BUFFER_TOO_SMALL;
        const auto *bytes = static_cast<const uint8_t *>(buffer);
        std::vector<int> ids;
        for (uint32_t i = 0; i < count; ++i) {
            if (!validId(bytes[4 + i]))
                return VY_INVALID_PARAMETER;
            ids.push_back(bytes[4 + i]);
        }
        return storeIds(ids);
    }
    case VY_BOOTBOOST_ADD_ID:
    case VY_BOOTBOOST_REMOVE_ID: {
        if (!buffer)
            return VY_INVALID_PARAMETER;
        if (size < 1)
            return VY_BUFFER_TOO_SMALL;
        const int id = *static_cast<const uint8_t *>(buffer);
        if (!validId(id))
            return VY_INVALID_PARAMETER;
        std::vector<int> ids = bootBoostIds();
        const auto found = std::find(ids.begin(), ids.end(), id);
        if (command == VY_BOOTBOOST_ADD_ID) {
            if (found != ids.end())
                return VY_SUCCESS;
            ids.push_back(id);
        } else {
            if (found == ids.end())
                return VY_NO_DATA;
            ids.erase(found);
        }
        return storeIds(ids);
    }
    case VY_BOOTBOOST_CLEAR_IDS:
        return storeIds({});
    default:
        return VY_NOT_SUPPORTED;
    }
}

} // namespace

extern "C" {

VYAPI int32_t vy_Configuration(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_Configuration", hCam, command, buffer, size);
    (void)switchFields;
    if (hCam != VY_DRIVER_HANDLE)
        return call.done(VY_INVALID_HANDLE);
    return call.done(configuration(command, buffer, size));
}

VYAPI int32_t vy_BootBoost(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_BootBoost", hCam, command, buffer, size);
    if (hCam != VY_DRIVER_HANDLE)
        return call.done(VY_INVALID_HANDLE);
    return call.done(bootBoost(command, buffer, size));
}

VYAPI int32_t vy_FetchRegistryValues(void)
{
    VYSIM_ENTER(call, "vy_FetchRegistryValues", VY_DRIVER_HANDLE, 0, nullptr, 0);
    return call.done(vysim::setDriverField(QStringLiteral("registryFetches"),
                                           int(driverU32("registryFetches")) + 1));
}

} // extern "C"

// api_multicast.cpp: the read-only network devices of the driver: a network camera that sends to
// a multicast address is received as a second, read-only device listed from device ID 1500 up.
#include "sdk/sim/apicall.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/readonlydevices.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simengine.h"
#include "sdk/vyro_device.h"

#include <QJsonObject>

#include <cstring>
#include <set>

namespace {

constexpr uint32_t firstReadOnlyId = 1500;
constexpr uint32_t lastReadOnlyId = 1999;
constexpr uint32_t lastNetworkId = 1499;

const bool fields = vysim::addDeviceFields({
    {"readOnlyErrorMode", vysim::FieldType::Int, 0, 0, 3,
     "read-only device: how it treats faulty images (0x2003 record)"},
});

bool sameIp(const QJsonObject &device, const char *field, const uint8_t (&ip)[4])
{
    uint8_t own[4] = {};
    return vysim::ipBytes(device.value(QLatin1String(field)), own) && !std::memcmp(own, ip, 4);
}

bool isZero(const uint8_t (&ip)[4])
{
    return !(ip[0] | ip[1] | ip[2] | ip[3]);
}

// The network camera the record points at: the one with that IP address.
uint32_t sourceCamera(const VY_RO_DEVICE &record)
{
    for (const uint32_t id : vysim::deviceIds()) {
        if (id < 1000 || id > lastNetworkId)
            continue;
        if (sameIp(vysim::deviceFields(id), "ipAddress", record.ipAddress))
            return id;
    }
    return 0;
}

int32_t addReadOnlyDevice(const VY_RO_DEVICE &record)
{
    if (record.cameraId < 1 || record.cameraId > 254 || record.errorMode > VY_RO_ERRORS_MERGE_NEW ||
        isZero(record.ipAddress) || isZero(record.multicastIp))
        return VY_INVALID_PARAMETER;
    const uint32_t source = sourceCamera(record);
    if (!source)
        return VY_CAMERA_NOT_FOUND;
    QJsonObject device = vysim::deviceFields(source);
    if (!device.value(QLatin1String("multicastSupported")).toBool())
        return VY_NOT_SUPPORTED;
    if (!sameIp(device, "multicastIp", record.multicastIp))
        return VY_INVALID_PARAMETER;

    // The copy receives what the camera sends: the camera's own identity, a device ID of the
    // read-only range, and never the camera's open state.
    device.insert(QStringLiteral("cameraId"), int(record.cameraId));
    device.insert(QStringLiteral("inUse"), false);
    device.insert(QStringLiteral("multicastEnabled"), true);
    device.insert(QStringLiteral("readOnlyErrorMode"), int(record.errorMode));
    qint64 status = 0;
    vysim::integerValue(device.value(QLatin1String("deviceStatus")), &status);
    device.insert(QStringLiteral("deviceStatus"),
                  double(status | qint64(vyro::DeviceStatusMulticastEnabled)));
    device.insert(
        QStringLiteral("serialNumber"),
        (QStringLiteral("PMC") + device.value(QLatin1String("serialNumber")).toString()).left(15));
    // Two programs may add at the same time: a taken ID is tried again with the next one.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::set<uint32_t> used;
        for (const uint32_t id : vysim::deviceIds())
            used.insert(id);
        uint32_t id = firstReadOnlyId;
        while (id <= lastReadOnlyId && used.count(id))
            ++id;
        if (id > lastReadOnlyId)
            return VY_OUT_OF_MEMORY;
        device.insert(QStringLiteral("deviceId"), int(id));
        device.insert(QStringLiteral("label"), QStringLiteral("readonly-%1").arg(id));
        QString problem;
        const int32_t result = vysim::SimEngine::instance().plug(device, &problem);
        if (result == VY_SUCCESS || !vysim::deviceExists(id))
            return result;
    }
    return VY_IO_REQUEST_FAILED;
}

int32_t removeReadOnlyDevice(const VY_RO_DEVICE &record)
{
    if (record.errorMode != VY_RO_REMOVE)
        return VY_INVALID_PARAMETER;
    for (const uint32_t id : vysim::deviceIds()) {
        if (id < firstReadOnlyId || id > lastReadOnlyId)
            continue;
        const QJsonObject device = vysim::deviceFields(id);
        if (uint32_t(device.value(QLatin1String("cameraId")).toInt()) == record.cameraId &&
            sameIp(device, "ipAddress", record.ipAddress) &&
            sameIp(device, "multicastIp", record.multicastIp)) {
            QString problem;
            return vysim::SimEngine::instance().unplug(id, &problem);
        }
    }
    return VY_CAMERA_NOT_FOUND;
}

} // namespace

namespace vysim {

int32_t readOnlyDeviceCommand(uint32_t command, const void *buffer, uint32_t size)
{
    (void)fields;
    switch (command) {
    case VY_MULTICAST_ADD_RO_DEVICE:
    case VY_MULTICAST_REMOVE_RO_DEVICE: {
        if (!buffer)
            return VY_INVALID_PARAMETER;
        if (size < sizeof(VY_RO_DEVICE))
            return VY_BUFFER_TOO_SMALL;
        VY_RO_DEVICE record;
        std::memcpy(&record, buffer, sizeof record);
        return command == VY_MULTICAST_ADD_RO_DEVICE ? addReadOnlyDevice(record)
                                                     : removeReadOnlyDevice(record);
    }
    case VY_MULTICAST_RO_COMMIT:
        // The change is in the shared world already; the commit only confirms it.
        return VY_SUCCESS;
    default:
        return VY_NOT_SUPPORTED;
    }
}

} // namespace vysim

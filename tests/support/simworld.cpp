// simworld.cpp: the world builders over the simulator's test controls.
#include "tests/support/simworld.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstring>

#include "sdk/sim/vyro_sim.h"

#include "vyro_version.h"

namespace {

bool reported(int32_t result, const char *what, const char *message)
{
    if (result != VY_SUCCESS)
        qWarning("%s refused (%d): %s", what, result, message);
    return result == VY_SUCCESS;
}

} // namespace

bool SimWorld::reset()
{
    char message[512] = {};
    const int32_t result = vysim_reset(message, sizeof message);
    vysim_clear_forced(nullptr);
    vysim_log_clear();
    vysim_sync();
    return reported(result, "reset", message);
}

QString SimWorld::worldJson(const QStringList &devices)
{
    return QStringLiteral("{\"driver\": {\"libraryVersion\": \"%1\", \"usbDaemonRunning\": "
                          "true, \"ethDaemonRunning\": true, \"readOnlyMulticast\": true}, "
                          "\"devices\": [%2]}")
        .arg(QLatin1String(VYRO_SDK_VERSION_TEXT), devices.join(QStringLiteral(", ")));
}

bool SimWorld::load(const QStringList &devices)
{
    char message[512] = {};
    const QByteArray json = worldJson(devices).toUtf8();
    const int32_t result = vysim_load_world_json(json.constData(), message, sizeof message);
    vysim_sync();
    return reported(result, "world", message);
}

bool SimWorld::setField(uint32_t deviceId, const char *field, const char *json)
{
    char message[512] = {};
    const int32_t result = vysim_set_device_field(deviceId, field, json, message, sizeof message);
    vysim_sync();
    return reported(result, field, message);
}

bool SimWorld::setDriverField(const char *field, const char *json)
{
    char message[512] = {};
    const int32_t result = vysim_set_driver_field(field, json, message, sizeof message);
    vysim_sync();
    return reported(result, field, message);
}

std::vector<VY_CAMERA_LIST_ENTRY> SimWorld::cameraList()
{
    int32_t n = 0;
    if (vy_GetNumberOfCameras(&n) != VY_SUCCESS || n <= 0)
        return {};
    // The list is a u32 count followed by the entries; the count says how many fit.
    std::vector<unsigned char> buffer(VY_CAMERA_LIST_SIZE(n));
    uint32_t count = uint32_t(n);
    std::memcpy(buffer.data(), &count, sizeof count);
    if (vy_GetCameraList(reinterpret_cast<VY_CAMERA_LIST *>(buffer.data())) != VY_SUCCESS)
        return {};
    std::memcpy(&count, buffer.data(), sizeof count);
    count = qMin(count, uint32_t(n));
    std::vector<VY_CAMERA_LIST_ENTRY> entries(count);
    std::memcpy(entries.data(), buffer.data() + sizeof count, count * sizeof(VY_CAMERA_LIST_ENTRY));
    return entries;
}

bool SimWorld::isListed(uint32_t deviceId)
{
    return listedInUse(deviceId) != 0xFFFFFFFFu;
}

uint32_t SimWorld::listedInUse(uint32_t deviceId)
{
    for (const auto &entry : cameraList())
        if (entry.deviceId == deviceId)
            return entry.inUse;
    return 0xFFFFFFFFu;
}

// simworld.h: setting up the simulated world for the inventory tests.
#ifndef TESTS_ZENTARA_INVENTORY_SIMWORLD_H
#define TESTS_ZENTARA_INVENTORY_SIMWORLD_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include <vector>

#include "sdk/sim/vyro_sim.h"
#include "zentara/inventory/camera.h"

namespace simworld {

// The driver part of every test world: both daemons up, read-only multicast on.
inline QString worldJson(const QStringList &devices)
{
    return QStringLiteral("{\"driver\": {\"libraryVersion\": \"4.95.1\", \"usbDaemonRunning\": "
                          "true, \"ethDaemonRunning\": true, \"readOnlyMulticast\": true}, "
                          "\"devices\": [%1]}")
        .arg(devices.join(QStringLiteral(", ")));
}

// Replaces the shared world by one holding these devices (each a JSON object text).
inline bool load(const QStringList &devices)
{
    char message[512] = {};
    const QByteArray json = worldJson(devices).toUtf8();
    const int32_t ret = vysim_load_world_json(json.constData(), message, sizeof message);
    if (ret != VY_SUCCESS)
        qWarning("world refused (%d): %s", ret, message);
    vysim_sync();
    return ret == VY_SUCCESS;
}

inline bool loadDefault()
{
    char message[512] = {};
    const int32_t ret = vysim_reset(message, sizeof message);
    if (ret != VY_SUCCESS)
        qWarning("reset refused (%d): %s", ret, message);
    vysim_sync();
    return ret == VY_SUCCESS;
}

// The cameras as a program builds them: from vy_GetCameraList, in list order.
inline QList<Camera> listedCameras()
{
    QList<Camera> cameras;
    int32_t count = 0;
    if (vy_GetNumberOfCameras(&count) != VY_SUCCESS || count <= 0)
        return cameras;
    std::vector<uint8_t> buffer(VY_CAMERA_LIST_SIZE(count));
    auto *list = reinterpret_cast<VY_CAMERA_LIST *>(buffer.data());
    list->count = uint32_t(count);
    if (vy_GetCameraList(list) != VY_SUCCESS)
        return cameras;
    for (uint32_t i = 0; i < list->count && i < uint32_t(count); ++i)
        cameras << Camera(list->entries[i]);
    return cameras;
}

// One world with one device, read back as a Camera.
inline Camera single(const QString &deviceJson)
{
    if (!load({deviceJson}))
        return Camera();
    const QList<Camera> cameras = listedCameras();
    return cameras.isEmpty() ? Camera() : cameras.first();
}

inline bool setField(uint32_t deviceId, const char *field, const char *json)
{
    char message[256] = {};
    const int32_t ret = vysim_set_device_field(deviceId, field, json, message, sizeof message);
    if (ret != VY_SUCCESS)
        qWarning("field %s refused (%d): %s", field, ret, message);
    vysim_sync();
    return ret == VY_SUCCESS;
}

} // namespace simworld

#endif // TESTS_ZENTARA_INVENTORY_SIMWORLD_H

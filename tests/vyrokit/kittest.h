// kittest.h: set-up shared by the vyrokit tests: a private simulator state and small worlds.
#ifndef TESTS_VYROKIT_KITTEST_H
#define TESTS_VYROKIT_KITTEST_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"

namespace kittest {

// Points the simulator at a temporary state directory unless the test runner gave one, so a
// test started by hand never touches the user's own simulator state. Call before any SDK call.
inline void useOwnStateDirectory()
{
    static QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("VYRO_SIM_HOME"))
        qputenv("VYRO_SIM_HOME", dir.path().toLocal8Bit());
    qunsetenv("VYRO_SIM_WORLD");
}

// Replaces the world by one holding these devices (JSON objects); forced results and the call
// log start empty.
inline bool loadWorld(const QStringList &devices)
{
    const QByteArray json =
        QStringLiteral("{\"driver\": {\"libraryVersion\": \"4.95.1\", \"usbDaemonRunning\": true, "
                       "\"ethDaemonRunning\": true}, \"devices\": [%1]}")
            .arg(devices.join(QStringLiteral(", ")))
            .toUtf8();
    char message[512] = {};
    const int32_t ret = vysim_load_world_json(json.constData(), message, sizeof message);
    if (ret != VY_SUCCESS)
        qWarning("world refused (%d): %s", ret, message);
    vysim_sync();
    vysim_clear_forced(nullptr);
    vysim_log_clear();
    return ret == VY_SUCCESS;
}

inline QString usbCamera(uint32_t deviceId, const QString &serial = QString())
{
    return QStringLiteral("{\"deviceId\": %1, \"cameraId\": %2, \"serialNumber\": \"%3\", "
                          "\"deviceType\": \"0x63\"}")
        .arg(deviceId)
        .arg(deviceId % 254 + 1)
        .arg(serial.isEmpty() ? QStringLiteral("S%1").arg(deviceId) : serial);
}

} // namespace kittest

#endif // TESTS_VYROKIT_KITTEST_H

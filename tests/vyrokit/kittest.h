// kittest.h: set-up shared by the vyrokit tests: a private simulator state and small worlds.
#ifndef TESTS_VYROKIT_KITTEST_H
#define TESTS_VYROKIT_KITTEST_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtTest>

#include "sdk/sim/vyro_sim.h"
#include "sdk/vyro_api.h"
#include "tests/support/simworld.h"

namespace kittest {

// Replaces the world by one holding these devices (JSON objects); forced results and the call
// log start empty.
inline bool loadWorld(const QStringList &devices)
{
    const bool loaded = SimWorld::load(devices);
    vysim_clear_forced(nullptr);
    vysim_log_clear();
    return loaded;
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

// simworld.h: the simulated world of the inventory tests read back as zentara's Camera records.
#ifndef TESTS_ZENTARA_INVENTORY_SIMWORLD_H
#define TESTS_ZENTARA_INVENTORY_SIMWORLD_H

#include <QList>
#include <QString>
#include <QStringList>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "zentara/inventory/camera.h"

namespace simworld {

// The cameras as a program builds them: from vy_GetCameraList, in list order.
inline QList<zentara::Camera> listedCameras()
{
    QList<zentara::Camera> cameras;
    for (const auto &entry : SimWorld::cameraList())
        cameras << zentara::Camera(entry);
    return cameras;
}

// One world with one device, read back as a Camera.
inline zentara::Camera single(const QString &deviceJson)
{
    if (!SimWorld::load({deviceJson}))
        return zentara::Camera();
    const QList<zentara::Camera> cameras = listedCameras();
    return cameras.isEmpty() ? zentara::Camera() : cameras.first();
}

} // namespace simworld

#endif // TESTS_ZENTARA_INVENTORY_SIMWORLD_H

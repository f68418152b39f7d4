// simworld.h: building the simulated world a test acts on: the default world, worlds of given
// devices, single fields, and the camera list as the SDK reports it.
#ifndef TESTS_SUPPORT_SIMWORLD_H
#define TESTS_SUPPORT_SIMWORLD_H

#include <QString>
#include <QStringList>

#include <vector>

#include "sdk/vyro_api.h"

class SimWorld final
{
public:
    SimWorld() = delete;

    // The built-in world with no forced results and an empty call log.
    static bool reset();
    // A world holding these devices (each a JSON object text) behind both running daemons and
    // read-only multicast; the call log is kept.
    static bool load(const QStringList &devices);
    // The world file text load() uses.
    static QString worldJson(const QStringList &devices);

    // One field of a device or of the driver, as JSON text ("true", "\"10.1.2.3\"", "[1, 2]").
    // A refusal is reported as a warning with the simulator's reason.
    static bool setField(uint32_t deviceId, const char *field, const char *json);
    static bool setDriverField(const char *field, const char *json);

    // The list as vy_GetCameraList returns it; empty when the calls fail.
    static std::vector<VY_CAMERA_LIST_ENTRY> cameraList();
    static bool isListed(uint32_t deviceId);
    // The list's inUse value of the device; 0xFFFFFFFF when it is not listed.
    static uint32_t listedInUse(uint32_t deviceId);
};

#endif // TESTS_SUPPORT_SIMWORLD_H

// multicastcommands.h: the driver-wide multicast commands: read-only devices and the start of
// multicast reception.
#ifndef ZENTARA_NETWORK_MULTICASTCOMMANDS_H
#define ZENTARA_NETWORK_MULTICASTCOMMANDS_H

#include <array>
#include <cstdint>

#include "sdk/vyro_api.h"

namespace zentara {
class Camera;
}
class QString;

// Each operation talks to the driver (vy_Multicast on handle 0) and returns the SDK code of
// its main command; a follow-up command is sent only after a main command that returned 0.
class MulticastCommands final
{
public:
    MulticastCommands() = delete;

    // Registers a read-only device for camera under cameraId (1 to 254) with the error
    // handling mode (VY_RO_ERRORS_*): 0x2003, then 0x2005.
    static int32_t addReadOnlyDevice(const zentara::Camera &camera, uint32_t cameraId,
                                     uint32_t mode);
    // Removes the read-only device camera: 0x2004 with the camera's own camera ID and the
    // removal mode, then 0x2005. Without a camera nothing is sent and the result is 125.
    static int32_t removeReadOnlyDevice(const zentara::Camera *camera);
    // 0x2001, then 0x2006.
    static int32_t startMulticast();

    // The record the driver takes: the camera's IP and multicast address (a text that does not
    // parse gives 0.0.0.0), the camera ID and the mode.
    static VY_RO_DEVICE record(const QString &ipAddress, const QString &multicastAddress,
                               uint32_t cameraId, uint32_t mode);
};

#endif // ZENTARA_NETWORK_MULTICASTCOMMANDS_H

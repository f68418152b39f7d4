// gvcpforceip.h: GigE Vision's FORCEIP command, which gives a camera an address at once, also
// one it cannot be reached at before.
#ifndef SDK_GENICAM_GVCPFORCEIP_H
#define SDK_GENICAM_GVCPFORCEIP_H

#include "sdk/genicam/standardcamera.h"

#include <QByteArray>

#include <cstdint>

namespace vygenicam {

class GvcpForceIp final
{
public:
    static constexpr uint16_t Port = 3956;

    GvcpForceIp() = delete;

    // The command for the camera with camera.mac, asking for ip, mask and gateway.
    static QByteArray packet(const QString &mac, const QString &ip, const QString &mask,
                             const QString &gateway, uint16_t requestId);
    // Sends it from the host interface the camera answered on (camera.hostIp) to the
    // broadcast address, or to target, and waits up to a second for the camera's
    // acknowledgement. An SDK code: VY_TIMED_OUT when none came.
    static int32_t send(const StandardCamera &camera, const QString &ip, const QString &mask,
                        const QString &gateway, const QString &target = QString(),
                        uint16_t port = Port);
};

} // namespace vygenicam

#endif // SDK_GENICAM_GVCPFORCEIP_H

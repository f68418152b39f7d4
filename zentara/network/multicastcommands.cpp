// multicastcommands.cpp: the read-only device records and their commands.
#include "zentara/network/multicastcommands.h"

#include <QHostAddress>
#include <QString>

#include <cstring>

#include "vyrokit/networkaddress.h"
#include "zentara/inventory/camera.h"

using zentara::Camera;

namespace {

void copyAddress(const QString &text, uint8_t (&out)[4])
{
    QHostAddress address;
    bool ok = false;
    uint32_t value = 0;
    if (address.setAddress(text.trimmed()))
        value = address.toIPv4Address(&ok);
    const std::array<uint8_t, 4> octets = vyrokit::NetworkAddress::ipv4Octets(ok ? value : 0);
    std::memcpy(out, octets.data(), octets.size());
}

int32_t send(uint32_t command, VY_RO_DEVICE *record)
{
    return vy_Multicast(VY_DRIVER_HANDLE, command, record,
                        record ? static_cast<uint32_t>(sizeof *record) : 0);
}

} // namespace

VY_RO_DEVICE MulticastCommands::record(const QString &ipAddress, const QString &multicastAddress,
                                       uint32_t cameraId, uint32_t mode)
{
    VY_RO_DEVICE r;
    std::memset(&r, 0, sizeof r);
    copyAddress(ipAddress, r.ipAddress);
    copyAddress(multicastAddress, r.multicastIp);
    r.cameraId = cameraId;
    r.errorMode = mode;
    return r;
}

int32_t MulticastCommands::addReadOnlyDevice(const Camera &camera, uint32_t cameraId, uint32_t mode)
{
    VY_RO_DEVICE r = record(camera.ipAddress(), camera.multicastIpAddress(), cameraId, mode);
    const int32_t result = send(VY_MULTICAST_ADD_RO_DEVICE, &r);
    if (result == VY_SUCCESS)
        send(VY_MULTICAST_RO_COMMIT, nullptr);
    return result;
}

int32_t MulticastCommands::removeReadOnlyDevice(const Camera *camera)
{
    if (!camera)
        return VY_INVALID_PARAMETER;
    VY_RO_DEVICE r =
        record(camera->ipAddress(), camera->multicastIpAddress(), camera->cameraId(), VY_RO_REMOVE);
    const int32_t result = send(VY_MULTICAST_REMOVE_RO_DEVICE, &r);
    if (result == VY_SUCCESS)
        send(VY_MULTICAST_RO_COMMIT, nullptr);
    return result;
}

int32_t MulticastCommands::startMulticast()
{
    const int32_t result = send(VY_MULTICAST_DRIVER_DEFAULT, nullptr);
    if (result == VY_SUCCESS)
        send(VY_MULTICAST_RO_RESCAN, nullptr);
    return result;
}

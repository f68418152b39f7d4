// standardfields.cpp: standard cameras in the SDK's terms.
#include "sdk/genicam/standardfields.h"

#include "sdk/vyro_device.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <arpa/inet.h>

namespace vygenicam {

namespace {

constexpr uint32_t FirstId = vyro::VisionStandardDeviceIdFirst;
constexpr uint32_t IdCount = 500;
constexpr int DhcpSupported = 0x1;
constexpr int DhcpEnabled = 0x10;
constexpr int CapPersistentIp = 0x1; // what vy_IpConfig answers for the camera
constexpr int CapDhcp = 0x2;

} // namespace

uint32_t ipv4(const QString &text)
{
    in_addr address{};
    return inet_pton(AF_INET, text.toLatin1().constData(), &address) == 1 ? ntohl(address.s_addr)
                                                                          : 0;
}

bool reachable(const StandardCamera &camera)
{
    if (camera.protocol != StandardCamera::Protocol::GigEVision)
        return true;
    const uint32_t host = ipv4(camera.hostIp);
    const uint32_t mask = ipv4(camera.hostMask);
    const uint32_t ip = ipv4(camera.ip);
    // Without the host's side (a loopback answer) the camera answered, so it is reachable.
    if (host == 0 || mask == 0)
        return ip != 0;
    return ip != 0 && (ip & mask) == (host & mask);
}

QJsonObject standardFields(const StandardCamera &camera, uint32_t deviceId)
{
    const bool gev = camera.protocol == StandardCamera::Protocol::GigEVision;
    QJsonObject f;
    f.insert(QStringLiteral("deviceId"), int(deviceId));
    f.insert(QStringLiteral("cameraId"), 0);
    f.insert(QStringLiteral("label"), camera.id.left(32));
    f.insert(QStringLiteral("serialNumber"), camera.serial.left(16));
    f.insert(QStringLiteral("model"), camera.model.left(16));
    QString full =
        camera.vendor.isEmpty() ? camera.model : camera.vendor + QLatin1Char(' ') + camera.model;
    f.insert(QStringLiteral("fullModelName"), full.left(32));
    f.insert(QStringLiteral("deviceType"), gev ? vyro::TypeGigEVision : vyro::TypeUsb3Vision);
    f.insert(QStringLiteral("inUse"), camera.heldElsewhere);
    f.insert(QStringLiteral("deviceStatus"), 0x1);
    f.insert(QStringLiteral("linkSpeed"), gev ? 1000 : 5000);
    f.insert(QStringLiteral("sensorWidth"), int(camera.width));
    f.insert(QStringLiteral("sensorHeight"), int(camera.height));
    f.insert(QStringLiteral("colorMode"),
             camera.bayer ? QStringLiteral("bayer") : QStringLiteral("mono"));
    // The sensor's own defects are the camera's business; the user list lives on the host and
    // is as long as the user makes it.
    f.insert(QStringLiteral("hotPixelCount"), 0);
    f.insert(QStringLiteral("factoryHotPixels"), QJsonArray());
    f.insert(QStringLiteral("userHotPixelCapacity"), 0xFFFF);
    if (!gev) {
        f.insert(QStringLiteral("ipConfigCapabilities"), 0);
        return f;
    }
    const bool inSubnet = reachable(camera);
    f.insert(QStringLiteral("status"), int(inSubnet ? 0 : vyro::ListStatusInvalidIpRange));
    f.insert(QStringLiteral("controlStatus"), inSubnet ? 0x1 : 0);
    if (!camera.mac.isEmpty())
        f.insert(QStringLiteral("mac"), camera.mac);
    auto insertIp = [&f](const char *name, const QString &ip) {
        if (ipv4(ip) != 0 || ip == QLatin1String("0.0.0.0"))
            f.insert(QLatin1String(name), ip);
    };
    insertIp("ipAddress", camera.ip);
    insertIp("subnetMask", camera.mask);
    insertIp("persistentIp", camera.persistentIp);
    insertIp("persistentSubnet", camera.persistentMask);
    insertIp("adapterIp", camera.hostIp);
    insertIp("adapterSubnet", camera.hostMask);
    f.insert(QStringLiteral("dhcpState"), DhcpSupported | (camera.dhcpEnabled ? DhcpEnabled : 0));
    f.insert(QStringLiteral("ipConfigCapabilities"), CapPersistentIp | CapDhcp);
    return f;
}

uint32_t standardDeviceId(const QString &serial, const std::set<uint32_t> &taken)
{
    const QByteArray hash = QCryptographicHash::hash(serial.toUtf8(), QCryptographicHash::Sha1);
    const uint32_t start = (uint32_t(uchar(hash[0])) << 8 | uchar(hash[1])) % IdCount;
    for (uint32_t i = 0; i < IdCount; ++i) {
        const uint32_t id = FirstId + (start + i) % IdCount;
        if (!taken.count(id))
            return id;
    }
    return 0;
}

} // namespace vygenicam

// aravisdiscovery.cpp: standard cameras as Aravis finds them.
#include "sdk/genicam/aravisdiscovery.h"

#include "sdk/vyro_api.h"

#include <arpa/inet.h>
#include <arv.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <memory>

namespace vygenicam {

namespace {

QString text(const char *value)
{
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

QString addressText(GInetAddress *address)
{
    if (!address)
        return QString();
    gchar *s = g_inet_address_to_string(address);
    QString result = QString::fromUtf8(s);
    g_free(s);
    return result;
}

QString maskText(GInetAddressMask *mask)
{
    if (!mask)
        return QString();
    gchar *s = g_inet_address_mask_to_string(mask);
    // "a.b.c.d/n" when it is a prefix; the address part is the mask as the camera wrote it.
    QString result = QString::fromUtf8(s).section(QLatin1Char('/'), 0, 0);
    g_free(s);
    return result;
}

// The netmask of the host interface that has this address.
QString hostMask(const QString &hostIp)
{
    in_addr wanted{};
    QString mask;
    ifaddrs *list = nullptr;
    if (inet_pton(AF_INET, hostIp.toLatin1().constData(), &wanted) != 1 || getifaddrs(&list) != 0)
        return mask;
    for (ifaddrs *i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || !i->ifa_netmask || i->ifa_addr->sa_family != AF_INET)
            continue;
        const auto *address = reinterpret_cast<const sockaddr_in *>(i->ifa_addr);
        if (address->sin_addr.s_addr == wanted.s_addr) {
            char text[INET_ADDRSTRLEN] = {};
            const auto *netmask = reinterpret_cast<const sockaddr_in *>(i->ifa_netmask);
            inet_ntop(AF_INET, &netmask->sin_addr, text, sizeof text);
            mask = QString::fromLatin1(text);
            break;
        }
    }
    freeifaddrs(list);
    return mask;
}

void readNetwork(ArvGvDevice *device, StandardCamera *c)
{
    GError *error = nullptr;
    GInetAddress *ip = nullptr, *gateway = nullptr;
    GInetAddressMask *mask = nullptr;
    if (arv_gv_device_get_current_ip(device, &ip, &mask, &gateway, &error)) {
        c->ip = addressText(ip);
        c->mask = maskText(mask);
        c->gateway = addressText(gateway);
    }
    g_clear_error(&error);
    g_clear_object(&ip);
    g_clear_object(&mask);
    g_clear_object(&gateway);
    if (arv_gv_device_get_persistent_ip(device, &ip, &mask, &gateway, &error)) {
        c->persistentIp = addressText(ip);
        c->persistentMask = maskText(mask);
        c->persistentGateway = addressText(gateway);
    }
    g_clear_error(&error);
    g_clear_object(&ip);
    g_clear_object(&mask);
    g_clear_object(&gateway);
    const ArvGvIpConfigurationMode mode = arv_gv_device_get_ip_configuration_mode(device, &error);
    if (!error) {
        c->dhcpEnabled = mode == ARV_GV_IP_CONFIGURATION_MODE_DHCP;
        c->persistentIpEnabled = mode == ARV_GV_IP_CONFIGURATION_MODE_PERSISTENT_IP;
    }
    g_clear_error(&error);
    // Owned by the device.
    if (GSocketAddress *host = arv_gv_device_get_interface_address(device)) {
        if (G_IS_INET_SOCKET_ADDRESS(host))
            c->hostIp = addressText(g_inet_socket_address_get_address(G_INET_SOCKET_ADDRESS(host)));
    }
    c->hostMask = hostMask(c->hostIp);
}

void readSensor(ArvCamera *camera, StandardCamera *c)
{
    GError *error = nullptr;
    gint minValue = 0, width = 0, height = 0;
    arv_camera_get_width_bounds(camera, &minValue, &width, &error);
    g_clear_error(&error);
    arv_camera_get_height_bounds(camera, &minValue, &height, &error);
    g_clear_error(&error);
    c->width = uint32_t(std::max(width, 0));
    c->height = uint32_t(std::max(height, 0));
    guint count = 0;
    const char **formats =
        arv_camera_dup_available_pixel_formats_as_strings(camera, &count, &error);
    g_clear_error(&error);
    bool mono = false, bayer = false;
    for (guint i = 0; i < count; ++i) {
        const QByteArray name(formats[i]);
        mono = mono || name.startsWith("Mono");
        bayer = bayer || name.startsWith("Bayer");
    }
    g_free(formats);
    c->bayer = bayer && !mono;
}

} // namespace

std::vector<StandardCamera> AravisDiscovery::scan(const std::map<QString, StandardCamera> &held)
{
    arv_update_device_list();
    std::vector<StandardCamera> found;
    const unsigned count = arv_get_n_devices();
    for (unsigned i = 0; i < count; ++i) {
        const QString protocol = text(arv_get_device_protocol(i));
        StandardCamera c;
        if (protocol == QLatin1String("GigEVision"))
            c.protocol = StandardCamera::Protocol::GigEVision;
        else if (protocol == QLatin1String("USB3Vision"))
            c.protocol = StandardCamera::Protocol::Usb3Vision;
        else
            continue; // Aravis's own fake interface and anything else
        c.id = text(arv_get_device_id(i));
        auto kept = held.find(c.id);
        if (kept != held.end()) {
            found.push_back(kept->second);
            continue;
        }
        c.vendor = text(arv_get_device_vendor(i));
        c.model = text(arv_get_device_model(i));
        c.serial = text(arv_get_device_serial_nbr(i));
        if (c.protocol == StandardCamera::Protocol::GigEVision)
            c.mac = text(arv_get_device_physical_id(i)).replace(QLatin1Char(':'), QLatin1Char('-'));
        if (c.serial.isEmpty())
            c.serial = c.id;
        GError *error = nullptr;
        ArvCamera *camera = arv_camera_new(c.id.toUtf8().constData(), &error);
        g_clear_error(&error);
        if (camera) {
            ArvDevice *device = arv_camera_get_device(camera);
            if (ARV_IS_GV_DEVICE(device)) {
                c.heldElsewhere = !arv_gv_device_is_controller(ARV_GV_DEVICE(device));
                readNetwork(ARV_GV_DEVICE(device), &c);
            }
            readSensor(camera, &c);
            g_object_unref(camera);
        } else if (c.protocol == StandardCamera::Protocol::GigEVision) {
            c.ip = text(arv_get_device_address(i));
        } else {
            // A USB3 Vision device that cannot be opened is claimed by another program.
            c.heldElsewhere = true;
        }
        found.push_back(c);
    }
    return found;
}

int32_t AravisDiscovery::writeNetwork(const StandardCamera &camera)
{
    if (camera.protocol != StandardCamera::Protocol::GigEVision)
        return VY_NOT_SUPPORTED;
    GError *error = nullptr;
    ArvDevice *device = arv_open_device(camera.id.toUtf8().constData(), &error);
    g_clear_error(&error);
    if (!device)
        return VY_CAMERA_NOT_FOUND;
    std::unique_ptr<ArvDevice, decltype(&g_object_unref)> owner(device, &g_object_unref);
    ArvGvDevice *gv = ARV_GV_DEVICE(device);
    if (!arv_gv_device_is_controller(gv))
        return VY_DEVICE_IN_USE;
    const QString gateway =
        camera.persistentGateway.isEmpty() ? QStringLiteral("0.0.0.0") : camera.persistentGateway;
    if (!camera.persistentIp.isEmpty() &&
        !arv_gv_device_set_persistent_ip_from_string(gv, camera.persistentIp.toUtf8().constData(),
                                                     camera.persistentMask.toUtf8().constData(),
                                                     gateway.toUtf8().constData(), &error)) {
        g_clear_error(&error);
        return VY_IO_REQUEST_FAILED;
    }
    const ArvGvIpConfigurationMode mode = camera.dhcpEnabled ? ARV_GV_IP_CONFIGURATION_MODE_DHCP
                                          : camera.persistentIpEnabled
                                              ? ARV_GV_IP_CONFIGURATION_MODE_PERSISTENT_IP
                                              : ARV_GV_IP_CONFIGURATION_MODE_LLA;
    if (!arv_gv_device_set_ip_configuration_mode(gv, mode, &error)) {
        g_clear_error(&error);
        return VY_IO_REQUEST_FAILED;
    }
    return VY_SUCCESS;
}

} // namespace vygenicam

// standardcamera.h: what a GigE Vision or USB3 Vision camera tells about itself, as its
// discovery and its standard registers and features give it.
#ifndef SDK_GENICAM_STANDARDCAMERA_H
#define SDK_GENICAM_STANDARDCAMERA_H

#include <QString>

#include <cstdint>

namespace vygenicam {

struct StandardCamera
{
    enum class Protocol
    {
        GigEVision,
        Usb3Vision
    };

    Protocol protocol = Protocol::GigEVision;
    QString id; // the transport's own name of the device (Aravis device ID)
    QString vendor;
    QString model;
    QString serial;
    QString mac; // "00-11-22-33-44-55"; empty for USB3 Vision

    // GigE Vision network registers, "a.b.c.d"; empty when not read.
    QString ip;
    QString mask;
    QString gateway;
    QString persistentIp;
    QString persistentMask;
    QString persistentGateway;
    bool dhcpEnabled = false;
    bool persistentIpEnabled = false;
    // The host's address and mask on the interface the camera answered on.
    QString hostIp;
    QString hostMask;

    // Another application or host holds the camera's control channel.
    bool heldElsewhere = false;

    uint32_t width = 0; // the largest image, in pixels
    uint32_t height = 0;
    bool bayer = false;
};

} // namespace vygenicam

#endif // SDK_GENICAM_STANDARDCAMERA_H

// One row of dapplix's camera list, taken from the SDK camera list.
#ifndef DAPPLIX_CAMERA_CAMERALISTENTRY_H
#define DAPPLIX_CAMERA_CAMERALISTENTRY_H

#include <QString>

struct CameraListEntry
{
    bool opened = false;
    quint32 cameraId = 0;
    quint32 deviceId = 0;
    quint32 sensorId = 0;
    quint32 inUse = 0;
    QString serial;
    QString model;

    bool operator==(const CameraListEntry &o) const
    {
        return opened == o.opened && cameraId == o.cameraId && deviceId == o.deviceId &&
               sensorId == o.sensorId && inUse == o.inUse && serial == o.serial && model == o.model;
    }
    bool operator!=(const CameraListEntry &o) const { return !(*this == o); }
};

#endif // DAPPLIX_CAMERA_CAMERALISTENTRY_H

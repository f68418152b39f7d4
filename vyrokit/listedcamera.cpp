// listedcamera.cpp: decoding one entry of the SDK's camera list.
#include "vyrokit/listedcamera.h"

#include <QByteArray>

namespace vyrokit {

ListedCamera ListedCamera::fromEntry(const VY_CAMERA_LIST_ENTRY &entry)
{
    ListedCamera c;
    c.cameraId = entry.cameraId;
    c.deviceId = entry.deviceId;
    c.sensorId = entry.sensorId;
    c.inUse = entry.inUse;
    c.serialNumber = fieldText(entry.serialNumber);
    c.model = fieldText(entry.model);
    c.status = entry.status;
    c.deviceType = entry.deviceType;
    c.variantFlags = entry.variantFlags;
    c.hardwareVariant = entry.hardwareVariant;
    c.busGeneration = entry.busGeneration;
    c.fullModelName = fieldText(entry.fullModelName);
    return c;
}

QString ListedCamera::fieldText(const char *field, size_t size)
{
    return QString::fromUtf8(field, int(qstrnlen(field, uint(size))));
}

} // namespace vyrokit

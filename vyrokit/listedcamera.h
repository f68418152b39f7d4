// listedcamera.h: one entry of the SDK's camera list, its texts decoded.
#ifndef VYROKIT_LISTEDCAMERA_H
#define VYROKIT_LISTEDCAMERA_H

#include <QString>

#include <cstddef>
#include <cstdint>

#include "sdk/vyro_api.h"

namespace vyrokit {

struct ListedCamera
{
    uint32_t cameraId = 0;
    uint32_t deviceId = 0;
    uint32_t sensorId = 0;
    uint32_t inUse = 0;
    QString serialNumber;
    QString model;
    uint32_t status = 0;
    uint8_t deviceType = 0;
    uint8_t variantFlags = 0;
    uint16_t hardwareVariant = 0;
    uint8_t busGeneration = 0;
    QString fullModelName;

    static ListedCamera fromEntry(const VY_CAMERA_LIST_ENTRY &entry);

    // A text field of a list entry: up to the first NUL, never past the field, decoded as UTF-8
    // (ASCII in practice). Bytes that are not text, such as a blank EEPROM's 0xFF, become
    // U+FFFD, so a reader can tell them from text; text comes through exactly as the camera
    // reported it, the same in both programs.
    static QString fieldText(const char *field, size_t size);
    template <size_t N> static QString fieldText(const char (&field)[N])
    {
        return fieldText(field, N);
    }
};

} // namespace vyrokit

#endif // VYROKIT_LISTEDCAMERA_H

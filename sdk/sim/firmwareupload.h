// firmwareupload.h: the starter firmware upload a camera opened with the upload permission
// goes through.
#ifndef SDK_SIM_FIRMWAREUPLOAD_H
#define SDK_SIM_FIRMWAREUPLOAD_H

#include <QJsonObject>

#include <cstdint>

namespace vysim {

// Whether opening a device with these fields and the upload permission uploads the starter
// firmware: it needs one, or a network camera runs another starter firmware than required.
bool firmwareUploadWanted(uint32_t deviceId, const QJsonObject &fields);

// Runs the upload of an opened device: it takes the device's firmwareUploadMs scaled by the
// driver's firmwareUploadScale, then leaves the device on its required starter firmware.
// Answers the device's firmwareUploadResult when set (the firmware stays as it was), or
// VY_IO_REQUEST_FAILED when the device leaves the world meanwhile. Called without locks held.
int32_t uploadStarterFirmware(uint32_t deviceId);

} // namespace vysim

#endif // SDK_SIM_FIRMWAREUPLOAD_H

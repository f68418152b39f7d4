// standardfields.h: a standard camera as a device of the SDK's vision-standard range.
#ifndef SDK_GENICAM_STANDARDFIELDS_H
#define SDK_GENICAM_STANDARDFIELDS_H

#include "sdk/genicam/standardcamera.h"

#include <QJsonObject>

#include <cstdint>
#include <set>

namespace vygenicam {

// The camera's device fields (the simulator's world schema): type code 225 (USB3 Vision) or
// 226 (GigE Vision), its names, addresses and sensor, and the list status the verdicts read.
QJsonObject standardFields(const StandardCamera &camera, uint32_t deviceId);

// A device ID from 2000 to 2499 derived from the serial number, so that a camera keeps its ID
// across runs; the next free one when another camera has it. 0 when the range is full.
uint32_t standardDeviceId(const QString &serial, const std::set<uint32_t> &taken);

// Whether a GigE Vision camera's address lies in the subnet of the host interface it answered
// on; a camera outside cannot be opened until its IP is set.
bool reachable(const StandardCamera &camera);

// An IPv4 address ("a.b.c.d") as a number, first octet highest; 0 when it is none.
uint32_t ipv4(const QString &text);

} // namespace vygenicam

#endif // SDK_GENICAM_STANDARDFIELDS_H

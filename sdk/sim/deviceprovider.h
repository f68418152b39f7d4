// deviceprovider.h: real cameras found beside the simulated world.
#ifndef SDK_SIM_DEVICEPROVIDER_H
#define SDK_SIM_DEVICEPROVIDER_H

#include "sdk/sim/framesource.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <memory>

namespace vysim {

// A provider hands its devices to the engine as world fields (SimEngine::setExternalDevices).
// They join this process's world only, never the shared state: every process finds them
// itself. What the vy_ functions write to such a device comes here instead of the state.
class DeviceProvider
{
public:
    virtual ~DeviceProvider() = default;

    // Writes fields of a device, already checked against the schema, to the camera (or the
    // host's store for it): an SDK code, VY_NOT_SUPPORTED for a field the camera does not have.
    virtual int32_t setFields(uint32_t deviceId, const QJsonObject &fields, QString *problem) = 0;
    // The camera's frames and controls for an open handle; null when it cannot be opened.
    virtual std::unique_ptr<FrameSource> openSource(uint32_t deviceId) = 0;
};

} // namespace vysim

#endif // SDK_SIM_DEVICEPROVIDER_H

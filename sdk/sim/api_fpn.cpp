// api_fpn.cpp: device features: the camera memory mode and the fixed-pattern-noise (FPN)
// calibration with its correction loading. The calibration takes the device's
// fpnCalibrationMs and needs a lit sensor.
#include "sdk/sim/apicall.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"

#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

using vysim::FieldType;

const bool featureFields = vysim::addDeviceFields({
    {"fpnSupported", FieldType::Int, -1, -1, 1,
     "FPN calibration supported: 1 yes, 0 no, -1 by sensor (554..559, 584..587)"},
    {"fpnCalibrated", FieldType::Bool, false, 0, 0, "an FPN calibration is stored"},
    {"fpnFactoryCalibrated", FieldType::Bool, false, 0, 0,
     "the stored FPN calibration comes from the factory"},
    {"fpnCorrectionLoading", FieldType::Bool, false, 0, 0, "the FPN correction data is loaded"},
    {"fpnCalibrationMs", FieldType::Int, 45000, 0, 3600000, "how long vy_CalibrateFPN runs, in ms"},
    {"memoryModeSupported", FieldType::Bool, true, 0, 0, "the camera memory can be switched"},
    {"memoryMode", FieldType::Bool, true, 0, 0, "the camera memory is on"},
});

bool flag(const QJsonObject &f, const char *name)
{
    return f.value(QLatin1String(name)).toBool();
}

bool fpnSupported(const QJsonObject &f)
{
    const qint64 explicitValue = vysim::integerField(f, "fpnSupported");
    if (explicitValue >= 0)
        return explicitValue == 1;
    const qint64 sensor = vysim::integerField(f, "sensorId");
    return (sensor >= 554 && sensor <= 559) || (sensor >= 584 && sensor <= 587);
}

int32_t answer(vysim::ApiCall &call, void *buffer, uint32_t size, uint32_t value)
{
    if (!buffer)
        return call.done(VY_INVALID_PARAMETER);
    if (size < sizeof value)
        return call.done(VY_BUFFER_TOO_SMALL);
    std::memcpy(buffer, &value, sizeof value);
    return call.done(VY_SUCCESS);
}

bool readValue(const void *buffer, uint32_t size, uint32_t *value)
{
    if (!buffer || size < sizeof *value)
        return false;
    std::memcpy(value, buffer, sizeof *value);
    return true;
}

int32_t store(vysim::ApiCall &call, uint32_t deviceId, const char *name, bool value)
{
    std::string message;
    const int32_t result =
        vysim::setDeviceField(deviceId, QLatin1String(name), QJsonValue(value), &message);
    if (result != VY_SUCCESS)
        return call.fail(result, message.c_str());
    return call.done(VY_SUCCESS);
}

// Waits out the calibration; false when the device left the world or the handle was closed
// meanwhile.
bool calibrationTime(VY_HCAM handle, uint32_t deviceId, int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        if (!vysim::deviceExists(deviceId) || vysim::deviceOfHandle(handle) != deviceId)
            return false;
        const auto now = Clock::now();
        if (now >= end)
            return true;
        std::this_thread::sleep_for(
            std::min<Clock::duration>(end - now, std::chrono::milliseconds(20)));
    }
}

} // namespace

extern "C" {

VYAPI int32_t vy_DeviceFeature(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_DeviceFeature", hCam, command, buffer, size);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    // A standard camera has no memory of the SDK's cameras, nor their FPN or parameter sets.
    if (vysim::isStandardCamera(deviceId))
        return call.done(VY_NOT_SUPPORTED);
    const QJsonObject f = vysim::deviceFields(deviceId);
    const bool fpn = fpnSupported(f);
    switch (command) {
    case VY_FEATURE_GET_SUPPORTED:
        return answer(call, buffer, size, fpn ? VY_FEATURE_FPN : 0u);
    case VY_FEATURE_GET_MEMORY_MODE_SUPPORT:
        return answer(call, buffer, size, flag(f, "memoryModeSupported") ? 1u : 0u);
    case VY_FEATURE_GET_MEMORY_MODE:
        if (!flag(f, "memoryModeSupported"))
            return call.done(VY_NOT_SUPPORTED);
        return answer(call, buffer, size, flag(f, "memoryMode") ? 1u : 0u);
    case VY_FEATURE_SET_MEMORY_MODE: {
        if (!flag(f, "memoryModeSupported"))
            return call.done(VY_NOT_SUPPORTED);
        uint32_t value = 0;
        if (!readValue(buffer, size, &value) || value > 1)
            return call.done(VY_INVALID_PARAMETER);
        return store(call, deviceId, "memoryMode", value == 1);
    }
    case VY_FEATURE_GET_FPN_CALIBRATED:
        if (!fpn)
            return call.done(VY_NOT_SUPPORTED);
        return answer(call, buffer, size, flag(f, "fpnCalibrated") ? 1u : 0u);
    case VY_FEATURE_GET_FPN_LOADING:
        if (!fpn)
            return call.done(VY_NOT_SUPPORTED);
        return answer(call, buffer, size, flag(f, "fpnCorrectionLoading") ? 1u : 0u);
    case VY_FEATURE_SET_FPN_LOADING: {
        if (!fpn)
            return call.done(VY_NOT_SUPPORTED);
        uint32_t value = 0;
        if (!readValue(buffer, size, &value))
            return call.done(VY_INVALID_PARAMETER);
        return store(call, deviceId, "fpnCorrectionLoading", value != 0);
    }
    default:
        return call.done(VY_NOT_SUPPORTED);
    }
}

VYAPI int32_t vy_CalibrateFPN(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_CalibrateFPN", hCam, command, buffer, size);
    const uint32_t deviceId = vysim::deviceOfHandle(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    // A standard camera has no memory of the SDK's cameras, nor their FPN or parameter sets.
    if (vysim::isStandardCamera(deviceId))
        return call.done(VY_NOT_SUPPORTED);
    if (!vysim::deviceExists(deviceId))
        return call.done(VY_IO_REQUEST_FAILED);
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (!fpnSupported(f))
        return call.done(VY_NOT_SUPPORTED);
    switch (command) {
    case VY_FPN_GET_FACTORY_CALIBRATED:
        return answer(call, buffer, size,
                      flag(f, "fpnCalibrated") && flag(f, "fpnFactoryCalibrated") ? 1u : 0u);
    case VY_FPN_CALIBRATE: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < sizeof(uint32_t))
            return call.done(VY_BUFFER_TOO_SMALL);
        if (flag(f, "fpnFactoryCalibrated"))
            return call.fail(VY_INVALID_PARAMETER, "The factory calibration cannot be replaced");
        if (!flag(f, "memoryMode"))
            return call.fail(VY_INVALID_PARAMETER, "The calibration needs the camera memory");
        if (!calibrationTime(hCam, deviceId, int(vysim::integerField(f, "fpnCalibrationMs"))))
            return call.done(vysim::deviceExists(deviceId) ? VY_INVALID_HANDLE
                                                           : VY_IO_REQUEST_FAILED);
        // The light is judged on what the sensor sees at the end of the run.
        if (!flag(vysim::deviceFields(deviceId), "lit"))
            return call.fail(VY_FPN_INSUFFICIENT_LIGHT, "The sensor is not lit well enough");
        const uint32_t done = 1;
        std::memcpy(buffer, &done, sizeof done);
        return store(call, deviceId, "fpnCalibrated", true);
    }
    default:
        return call.done(VY_NOT_SUPPORTED);
    }
}

} // extern "C"

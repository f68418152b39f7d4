// api_sensor.cpp: sensor and camera information, colour mode, area of interest, gain and
// parameter sets.
#include "sdk/sim/apicall.h"
#include "sdk/sim/cameraregistry.h"
#include "sdk/sim/sensorfields.h"
#include "sdk/sim/simcore.h"
#include "sdk/vyro_device.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t MinAoiSize = 8;

} // namespace

extern "C" {

VYAPI int32_t vy_GetSensorInfo(VY_HCAM hCam, VY_SENSORINFO *info)
{
    VYSIM_ENTER(call, "vy_GetSensorInfo", hCam, 0, nullptr, 0);
    call.setOutput(info, info ? uint32_t(sizeof *info) : 0);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    if (!info)
        return call.done(VY_INVALID_PARAMETER);
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return call.done(VY_CAMERA_NOT_FOUND);
    VY_SENSORINFO s;
    std::memset(&s, 0, sizeof s);
    s.sensorId = uint16_t(vysim::fieldInt(f, "sensorId"));
    const QByteArray name = f.value(QLatin1String("sensorName")).toString().toLatin1();
    std::memcpy(s.sensorName, name.constData(), std::min<size_t>(name.size(), 31));
    const bool bayer = vysim::isBayer(f);
    s.colorMode = char(bayer ? VY_SENSOR_BAYER : VY_SENSOR_MONO);
    s.maxWidth = uint32_t(vysim::fieldInt(f, "sensorWidth"));
    s.maxHeight = uint32_t(vysim::fieldInt(f, "sensorHeight"));
    s.masterGain = 1;
    s.rGain = s.gGain = s.bGain = bayer ? 1 : 0;
    s.globalShutter = f.value(QLatin1String("globalShutter")).toBool() ? 1 : 0;
    s.pixelSize = uint16_t(vysim::fieldInt(f, "pixelSize"));
    s.upperLeftBayerPixel = char(vysim::fieldInt(f, "bayerStart"));
    std::memcpy(info, &s, sizeof s);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetCameraInfo(VY_HCAM hCam, VY_CAMINFO *info)
{
    VYSIM_ENTER(call, "vy_GetCameraInfo", hCam, 0, nullptr, 0);
    call.setOutput(info, info ? uint32_t(sizeof *info) : 0);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    if (!info)
        return call.done(VY_INVALID_PARAMETER);
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return call.done(VY_CAMERA_NOT_FOUND);
    VY_CAMINFO c;
    std::memset(&c, 0, sizeof c);
    auto put = [](char *dst, size_t size, const QString &text) {
        const QByteArray b = text.toLatin1();
        std::memcpy(dst, b.constData(), std::min<size_t>(size_t(b.size()), size - 1));
    };
    put(c.serialNumber, sizeof c.serialNumber, f.value(QLatin1String("serialNumber")).toString());
    put(c.manufacturer, sizeof c.manufacturer, f.value(QLatin1String("manufacturer")).toString());
    const uint32_t fw = vysim::versionValue(f.value(QLatin1String("runtimeFirmware")));
    put(c.version, sizeof c.version,
        QStringLiteral("V%1.%2").arg(fw >> 24).arg((fw >> 16) & 0xFF, 2, 10, QLatin1Char('0')));
    put(c.dateEndtest, sizeof c.dateEndtest, f.value(QLatin1String("qcDate")).toString());
    c.select = uint8_t(vysim::fieldInt(f, "cameraId"));
    const bool network = vyro::isNetworkDevice(deviceId) || vyro::isReadOnlyDevice(deviceId) ||
                         vysim::fieldInt(f, "deviceType") == vyro::TypeGigEVision;
    c.type = network ? VY_CAMINFO_TYPE_ETH : VY_CAMINFO_TYPE_USB;
    std::memcpy(info, &c, sizeof c);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetColorMode(VY_HCAM hCam, int32_t mode)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_SetColorMode", hCam, uint32_t(mode), nullptr, 0);
    if (mode == VY_GET_COLOR_MODE)
        return call.quiet(camera->colorMode());
    return call.done(camera->setColorMode(mode));
}

VYAPI int32_t vy_AOI(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_AOI", hCam, command, buffer, size);
    const vysim::SensorConfig &s = camera->model().config();
    switch (command) {
    case VY_AOI_IMAGE_GET_SIZE_MAX: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < 8)
            return call.done(VY_BUFFER_TOO_SMALL);
        const int32_t v[2] = {int32_t(s.width), int32_t(s.height)};
        std::memcpy(buffer, v, sizeof v);
        return call.done(VY_SUCCESS);
    }
    case VY_AOI_IMAGE_GET_AOI: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < 16)
            return call.done(VY_BUFFER_TOO_SMALL);
        const vysim::Area a = camera->aoi();
        const int32_t v[4] = {int32_t(a.x), int32_t(a.y), int32_t(a.width), int32_t(a.height)};
        std::memcpy(buffer, v, sizeof v);
        return call.done(VY_SUCCESS);
    }
    case VY_AOI_IMAGE_SET_AOI: {
        if (!buffer)
            return call.done(VY_INVALID_PARAMETER);
        if (size < 16)
            return call.done(VY_BUFFER_TOO_SMALL);
        int32_t v[4];
        std::memcpy(v, buffer, sizeof v);
        const int64_t x = v[0], y = v[1], w = v[2], h = v[3];
        if (x < 0 || y < 0 || w < MinAoiSize || h < MinAoiSize || x + w > int64_t(s.width) ||
            y + h > int64_t(s.height))
            return call.fail(VY_INVALID_PARAMETER, "The area of interest is not on the sensor");
        // Even positions and sizes keep the Bayer pattern of the area that of the sensor.
        if (s.bayer && ((x | y | w | h) & 1))
            return call.fail(VY_INVALID_PARAMETER,
                             "A Bayer sensor's area of interest needs even positions and sizes");
        return call.done(camera->setAoi({uint32_t(x), uint32_t(y), uint32_t(w), uint32_t(h)}));
    }
    default:
        return call.done(VY_NOT_SUPPORTED);
    }
}

VYAPI int32_t vy_SetHardwareGain(VY_HCAM hCam, int32_t master, int32_t red, int32_t green,
                                 int32_t blue)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_SetHardwareGain", hCam, uint32_t(master), nullptr, 0);
    if (master == VY_GET_MASTER_GAIN)
        return call.quiet(camera->masterGain());
    auto valid = [](int32_t g) { return g == VY_IGNORE_PARAMETER || (g >= 0 && g <= 100); };
    if (!valid(master) || !valid(red) || !valid(green) || !valid(blue))
        return call.fail(VY_INVALID_PARAMETER, "Gains lie between 0 and 100");
    camera->setGains(master, red, green, blue);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_LoadParameters(VY_HCAM hCam, const char *fileName)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_LoadParameters", hCam, 0, fileName,
                       fileName ? uint32_t(std::strlen(fileName) + 1) : 0);
    // The simulator keeps no parameter sets: the camera's stored set or a readable file is
    // accepted and changes nothing.
    if (fileName && !QFileInfo(QString::fromLocal8Bit(fileName)).isReadable())
        return call.fail(VY_FILE_OPEN_ERROR, "The parameter file cannot be read");
    return call.done(VY_SUCCESS);
}

} // extern "C"

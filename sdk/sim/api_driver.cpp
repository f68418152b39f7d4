// api_driver.cpp: the SDK's library, camera list, device information, open/close, daemon,
// multicast and identify calls.
#include "sdk/sim/apicall.h"
#include "sdk/sim/bufferio.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/readonlydevices.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/simengine.h"
#include "sdk/vyro_device.h"

#include <QJsonObject>

#include <cstring>

using vysim::SimEngine;

namespace {

using vysim::readU32;
using vysim::writeU32;

bool isNetworkKind(uint32_t deviceId)
{
    return vyro::isNetworkDevice(deviceId) || vyro::isReadOnlyDevice(deviceId);
}

// Per-device multicast commands, addressed as device ID OR VY_UNOPENED or by an open handle.
int32_t deviceMulticast(uint32_t deviceId, uint32_t command, void *buffer, uint32_t size)
{
    const QJsonObject f = vysim::deviceFields(deviceId);
    const bool supported = f.value(QLatin1String("multicastSupported")).toBool();
    switch (command) {
    case VY_MULTICAST_GET_SUPPORT:
        return writeU32(buffer, size, supported ? 1 : 0);
    case VY_MULTICAST_GET_ENABLE:
        return writeU32(buffer, size, f.value(QLatin1String("multicastEnabled")).toBool() ? 1 : 0);
    case VY_MULTICAST_SET_ADDRESS: {
        if (!buffer)
            return VY_INVALID_PARAMETER;
        if (size < 4)
            return VY_BUFFER_TOO_SMALL;
        if (!supported)
            return VY_NOT_SUPPORTED;
        const auto *b = static_cast<const uint8_t *>(buffer);
        const QString ip = QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
        return vysim::setDeviceField(deviceId, QStringLiteral("multicastIp"), ip);
    }
    case VY_MULTICAST_SET_ENABLE: {
        uint32_t on = 0;
        const int32_t r = readU32(buffer, size, &on);
        if (r != VY_SUCCESS)
            return r;
        if (on > 1)
            return VY_INVALID_PARAMETER;
        if (!supported)
            return VY_NOT_SUPPORTED;
        // The device status shows the switch as bit 0x80, as the camera reports it.
        qint64 status = 0;
        vysim::integerValue(f.value(QLatin1String("deviceStatus")), &status);
        status = on ? (status | vyro::DeviceStatusMulticastEnabled)
                    : (status & ~qint64(vyro::DeviceStatusMulticastEnabled));
        QJsonObject change;
        change.insert(QStringLiteral("multicastEnabled"), on == 1);
        change.insert(QStringLiteral("deviceStatus"), double(status));
        return vysim::setDeviceFields(deviceId, change);
    }
    default:
        return VY_NOT_SUPPORTED;
    }
}

} // namespace

extern "C" {

VYAPI uint32_t vy_GetDLLVersion(void)
{
    // Declared before the call: its log entry copies the output when it ends, after every
    // local declared later is gone.
    uint32_t version = 0;
    VYSIM_ENTER(call, "vy_GetDLLVersion", VY_DRIVER_HANDLE, 0, nullptr, 0);
    version = SimEngine::instance().libraryVersion();
    call.setOutput(&version, sizeof version);
    call.done(VY_SUCCESS);
    return version;
}

VYAPI int32_t vy_GetError(VY_HCAM hCam, int32_t *code, char **text)
{
    VYSIM_ENTER(call, "vy_GetError", hCam, 0, nullptr, 0);
    SimEngine &engine = SimEngine::instance();
    if (!engine.isKnownHandle(hCam))
        return call.quiet(VY_INVALID_HANDLE);
    int32_t lastCode = 0;
    const char *lastText = nullptr;
    engine.lastError(hCam, &lastCode, &lastText);
    if (code)
        *code = lastCode;
    if (text)
        *text = const_cast<char *>(lastText); // static text; callers only read it
    call.setOutput(code, code ? sizeof *code : 0);
    return call.quiet(VY_SUCCESS);
}

VYAPI int32_t vy_Func(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_Func", hCam, command, buffer, size);
    if (command != VY_FUNC_ETH_DAEMON_INFO && command != VY_FUNC_USB_DAEMON_INFO)
        return call.done(VY_NOT_SUPPORTED);
    if (hCam != VY_DRIVER_HANDLE)
        return call.done(VY_INVALID_HANDLE);
    if (buffer && size < VY_FUNC_DAEMON_INFO_SIZE)
        return call.done(VY_BUFFER_TOO_SMALL);
    const bool eth = command == VY_FUNC_ETH_DAEMON_INFO;
    const QJsonObject driver = SimEngine::instance().driverFields();
    if (!driver.value(QLatin1String(eth ? "ethDaemonRunning" : "usbDaemonRunning")).toBool())
        return call.done(VY_NO_DAEMON);
    if (buffer) {
        const QByteArray version =
            driver.value(QLatin1String(eth ? "ethDaemonVersion" : "usbDaemonVersion"))
                .toString()
                .toUtf8()
                .left(VY_FUNC_DAEMON_INFO_SIZE - 1);
        std::memset(buffer, 0, VY_FUNC_DAEMON_INFO_SIZE);
        std::memcpy(buffer, version.constData(), size_t(version.size()));
    }
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetNumberOfCameras(int32_t *count)
{
    VYSIM_ENTER(call, "vy_GetNumberOfCameras", VY_DRIVER_HANDLE, 0, nullptr, 0);
    if (!count)
        return call.done(VY_INVALID_PARAMETER);
    *count = int32_t(SimEngine::instance().cameraList().size());
    call.setOutput(count, sizeof *count);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetCameraList(VY_CAMERA_LIST *list)
{
    // Only the count is known to be readable before the call; it tells the buffer's size.
    VYSIM_ENTER(call, "vy_GetCameraList", VY_DRIVER_HANDLE, 0, list, list ? 4 : 0);
    if (!list)
        return call.done(VY_INVALID_PARAMETER);
    const std::vector<VY_CAMERA_LIST_ENTRY> entries = SimEngine::instance().cameraList();
    const uint32_t n = std::min<uint32_t>(list->count, uint32_t(entries.size()));
    // Entries are copied through memcpy: the caller's buffer is sized by count, and the
    // declared one-entry array must not be indexed past its bound.
    auto *out = reinterpret_cast<unsigned char *>(list) + offsetof(VY_CAMERA_LIST, entries);
    if (n > 0)
        std::memcpy(out, entries.data(), n * sizeof(VY_CAMERA_LIST_ENTRY));
    list->count = n;
    call.setOutput(list, VY_CAMERA_LIST_SIZE(n));
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_InitCamera(VY_HCAM *phCam, VY_HWND hWnd)
{
    (void)hWnd;
    VYSIM_ENTER(call, "vy_InitCamera", phCam ? *phCam : 0, 0, phCam, phCam ? sizeof *phCam : 0);
    if (!phCam)
        return call.done(VY_INVALID_PARAMETER);
    return call.done(SimEngine::instance().open(phCam));
}

VYAPI int32_t vy_ExitCamera(VY_HCAM hCam)
{
    VYSIM_ENTER(call, "vy_ExitCamera", hCam, 0, nullptr, 0);
    return call.done(SimEngine::instance().close(hCam));
}

VYAPI int32_t vy_GetDuration(VY_HCAM hCam, uint32_t mode, int32_t *milliseconds)
{
    VYSIM_ENTER(call, "vy_GetDuration", hCam, mode, nullptr, 0);
    if (!milliseconds)
        return call.done(VY_INVALID_PARAMETER);
    if (mode != VY_DURATION_FIRMWARE_UPLOAD)
        return call.done(VY_NOT_SUPPORTED);
    call.setOutput(milliseconds, sizeof *milliseconds);
    return call.done(SimEngine::instance().firmwareUploadDuration(hCam, milliseconds));
}

VYAPI int32_t vy_DeviceInfo(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_DeviceInfo", hCam, command, buffer, size);
    if (command != VY_DEVICE_INFO_CMD)
        return call.done(VY_NOT_SUPPORTED);
    if (!buffer)
        return call.done(VY_INVALID_PARAMETER);
    if (size < VY_DEVICE_INFO_SIZE)
        return call.done(VY_BUFFER_TOO_SMALL);
    SimEngine &engine = SimEngine::instance();
    const uint32_t id = engine.resolve(hCam);
    if (!id)
        return call.done((uint32_t(hCam) & VY_UNOPENED) ? VY_CAMERA_NOT_FOUND : VY_INVALID_HANDLE);
    VY_DEVICE_INFO info;
    const int32_t result = engine.deviceInfo(id, &info);
    if (result == VY_SUCCESS)
        std::memcpy(buffer, &info, sizeof info);
    return call.done(result);
}

VYAPI int32_t vy_Multicast(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_Multicast", hCam, command, buffer, size);
    if (hCam != VY_DRIVER_HANDLE) {
        const uint32_t id = SimEngine::instance().resolve(hCam);
        if (!id)
            return call.done((uint32_t(hCam) & VY_UNOPENED) ? VY_CAMERA_NOT_FOUND
                                                            : VY_INVALID_HANDLE);
        if (!isNetworkKind(id) && command != VY_MULTICAST_GET_SUPPORT)
            return call.done(VY_NOT_SUPPORTED);
        return call.done(deviceMulticast(id, command, buffer, size));
    }
    switch (command) {
    case VY_MULTICAST_DRIVER_DEFAULT:
    case VY_MULTICAST_RO_RESCAN:
    case VY_MULTICAST_RO_UPDATE:
        return call.done(VY_SUCCESS);
    case VY_MULTICAST_GET_RO_ENABLE: {
        const bool on =
            SimEngine::instance().driverFields().value(QLatin1String("readOnlyMulticast")).toBool();
        return call.done(writeU32(buffer, size, on ? 1 : 0));
    }
    case VY_MULTICAST_SET_RO_ENABLE: {
        uint32_t on = 0;
        const int32_t r = readU32(buffer, size, &on);
        if (r != VY_SUCCESS)
            return call.done(r);
        if (on > 1)
            return call.done(VY_INVALID_PARAMETER);
        return call.done(vysim::setDriverField(QStringLiteral("readOnlyMulticast"), on == 1));
    }
    default:
        return call.done(vysim::readOnlyDeviceCommand(command, buffer, size));
    }
}

VYAPI int32_t vy_IO(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_IO", hCam, command, buffer, size);
    if (command != VY_IO_LED_BLINK)
        return call.done(VY_NOT_SUPPORTED);
    if (!SimEngine::instance().deviceOfHandle(hCam))
        return call.done((uint32_t(hCam) & VY_UNOPENED) ? VY_NOT_OPEN : VY_INVALID_HANDLE);
    uint32_t blinks = 0;
    return call.done(readU32(buffer, size, &blinks));
}

} // extern "C"

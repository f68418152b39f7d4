// simcore.cpp: the internal interface of simcore.h over the process's engine.
#include "sdk/sim/simcore.h"

#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simengine.h"

#include <algorithm>
#include <cstring>

namespace vysim {

std::vector<uint32_t> deviceIds()
{
    return SimEngine::instance().deviceIds();
}

bool deviceExists(uint32_t deviceId)
{
    return !SimEngine::instance().deviceFields(deviceId).isEmpty();
}

QJsonObject deviceFields(uint32_t deviceId)
{
    return SimEngine::instance().deviceFields(deviceId);
}

QJsonValue deviceField(uint32_t deviceId, const QString &name)
{
    const QJsonObject fields = SimEngine::instance().deviceFields(deviceId);
    return fields.contains(name) ? fields.value(name) : QJsonValue(QJsonValue::Undefined);
}

QJsonObject driverFields()
{
    return SimEngine::instance().driverFields();
}

QJsonValue driverField(const QString &name)
{
    const QJsonObject fields = SimEngine::instance().driverFields();
    return fields.contains(name) ? fields.value(name) : QJsonValue(QJsonValue::Undefined);
}

int32_t setDeviceFields(uint32_t deviceId, const QJsonObject &fields, std::string *message)
{
    QString problem;
    const int32_t result = SimEngine::instance().setDeviceFields(deviceId, fields, &problem);
    if (result != VY_SUCCESS && message)
        *message = problem.toStdString();
    return result;
}

int32_t setDeviceField(uint32_t deviceId, const QString &name, const QJsonValue &value,
                       std::string *message)
{
    QJsonObject fields;
    fields.insert(name, value);
    return setDeviceFields(deviceId, fields, message);
}

int32_t setDriverField(const QString &name, const QJsonValue &value, std::string *message)
{
    QJsonObject fields;
    fields.insert(name, value);
    QString problem;
    const int32_t result = SimEngine::instance().setDriverFields(fields, &problem);
    if (result != VY_SUCCESS && message)
        *message = problem.toStdString();
    return result;
}

uint32_t deviceOfHandle(VY_HCAM handle)
{
    return SimEngine::instance().deviceOfHandle(handle);
}

VY_HCAM handleOfDevice(uint32_t deviceId)
{
    return SimEngine::instance().handleOfDevice(deviceId);
}

bool isStandardCamera(uint32_t deviceId)
{
    return SimEngine::instance().isExternal(deviceId);
}

uint32_t resolveDevice(VY_HCAM handleOrAddress)
{
    return SimEngine::instance().resolve(handleOrAddress);
}

std::vector<OpenCamera> openCameras()
{
    return SimEngine::instance().openCameras();
}

void addHandleHook(HandleHook hook)
{
    SimEngine::instance().addHook(std::move(hook));
}

bool signalEvent(VY_HCAM handle, uint32_t eventId)
{
    return SimEngine::instance().events().set(handle, eventId, true) == VY_SUCCESS;
}

const char *errorText(int32_t code)
{
    switch (code) {
    case VY_SUCCESS:
        return "No error";
    case VY_NO_SUCCESS:
        return "General error";
    case VY_INVALID_HANDLE:
        return "Invalid camera handle";
    case VY_IO_REQUEST_FAILED:
        return "An I/O request to the driver failed";
    case VY_CANT_OPEN_DEVICE:
        return "The camera cannot be opened";
    case VY_DEVICE_IN_USE:
        return "The camera is in use by another program";
    case VY_CAMERA_NOT_FOUND:
        return "No camera with this ID is connected";
    case VY_NOT_OPEN:
        return "The camera is not open";
    case VY_NO_DAEMON:
        return "The driver daemon is not running";
    case VY_TIMED_OUT:
        return "Timed out";
    case VY_OUT_OF_MEMORY:
        return "Out of memory";
    case VY_INVALID_PARAMETER:
        return "Invalid parameter";
    case VY_BUFFER_TOO_SMALL:
        return "The buffer is too small";
    case VY_CAPTURE_RUNNING:
        return "A capture is running";
    case VY_SEQUENCE_BUF_LOCKED:
        return "The sequence buffer is locked";
    case VY_INVALID_MEMORY_POINTER:
        return "Invalid image memory pointer";
    case VY_NOT_SUPPORTED:
        return "The command is not supported";
    case VY_NO_DATA:
        return "No data available";
    case VY_STARTER_FW_UPLOAD_NEEDED:
        return "A starter firmware upload is needed";
    case VY_TRANSFER_ERROR:
        return "The device did not answer";
    default:
        return "Unknown error";
    }
}

void setLastError(VY_HCAM handle, int32_t code, const char *text)
{
    SimEngine::instance().setLastError(handle, code, text);
}

} // namespace vysim

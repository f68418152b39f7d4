// simcore.cpp: the internal interface of simcore.h over the process's engine.
#include "sdk/sim/simcore.h"

#include "sdk/sim/calllog.h"
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

namespace {

std::vector<uint8_t> copyBytes(const void *buffer, uint32_t size)
{
    if (!buffer || size == 0)
        return {};
    const auto *b = static_cast<const uint8_t *>(buffer);
    return std::vector<uint8_t>(b, b + std::min<uint32_t>(size, VYSIM_LOG_MAX_BYTES));
}

// The last error goes to the handle it concerns; a failure on an unopened address (opening,
// device information) is also the driver's last error, which is what callers holding no handle
// ask for.
void recordError(VY_HCAM handle, int32_t code, const char *text)
{
    SimEngine &engine = SimEngine::instance();
    if (engine.isKnownHandle(handle))
        engine.setLastError(handle, code, text);
    if (handle != VY_DRIVER_HANDLE && (uint32_t(handle) & VY_UNOPENED) &&
        engine.deviceOfHandle(handle) == 0)
        engine.setLastError(VY_DRIVER_HANDLE, code, text);
}

} // namespace

ApiCall::ApiCall(const char *function, VY_HCAM handle, uint32_t command, const void *buffer,
                 uint32_t size)
    : m_function(function), m_handle(handle), m_command(command), m_outBuffer(buffer),
      m_outSize(size)
{
    // The engine starts with the first call, so that every call sees the shared world.
    SimEngine::instance();
    if (CallLog::instance().enabled()) {
        m_in = copyBytes(buffer, size);
        m_inSize = buffer ? size : 0;
    }
    m_forced = CallLog::instance().forced(function, command, handle, &m_result);
}

ApiCall::~ApiCall()
{
    if (m_result != VY_SUCCESS && !m_errorSet)
        recordError(m_handle, m_result, nullptr);
    CallLog &log = CallLog::instance();
    if (!log.enabled())
        return;
    CallLog::Entry e;
    e.function = m_function;
    e.handle = m_handle;
    e.command = m_command;
    e.result = m_result;
    e.forced = m_forced;
    e.inSize = m_inSize;
    e.in = std::move(m_in);
    e.outSize = m_outBuffer ? m_outSize : 0;
    e.out = copyBytes(m_outBuffer, m_outSize);
    log.append(std::move(e));
}

void ApiCall::setOutput(const void *buffer, uint32_t size)
{
    m_outBuffer = buffer;
    m_outSize = size;
}

int32_t ApiCall::done(int32_t result)
{
    m_result = result;
    return result;
}

int32_t ApiCall::fail(int32_t result, const char *text)
{
    m_result = result;
    recordError(m_handle, result, text);
    m_errorSet = true;
    return result;
}

int32_t ApiCall::quiet(int32_t result)
{
    m_result = result;
    m_errorSet = true;
    return result;
}

} // namespace vysim

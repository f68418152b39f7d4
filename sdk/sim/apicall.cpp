// apicall.cpp: logging, forcing and last errors of the vy_ functions.
#include "sdk/sim/apicall.h"

#include "sdk/sim/calllog.h"
#include "sdk/sim/simengine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace vysim {

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
    : ApiCall(function, handle, command, buffer, size, handle)
{
}

ApiCall::ApiCall(const char *function, VY_HCAM handle, uint32_t command, const void *buffer,
                 uint32_t size, VY_HCAM errorHandle)
    : m_function(function), m_handle(handle), m_errorHandle(errorHandle), m_command(command),
      m_outBuffer(buffer), m_outSize(size)
{
    // The engine starts with the first call, so that every call sees the shared world.
    SimEngine::instance();
    if (CallLog::instance().enabled()) {
        if (CallLog::instance().full())
            m_in = copyBytes(buffer, size);
        m_inSize = buffer ? size : 0;
    }
    m_forced = CallLog::instance().forced(function, command, handle, &m_result);
    // A test's "unplugged (or changed) at this very moment": before the call acts.
    if (!m_forced) {
        const CallLog::Trigger t = CallLog::instance().takeTrigger(function, command);
        if (t.deviceId != 0 && t.field.empty()) {
            SimEngine::instance().unplug(t.deviceId, nullptr);
        } else if (t.deviceId != 0) {
            QJsonObject fields;
            fields.insert(
                QString::fromStdString(t.field),
                QJsonDocument::fromJson("[" + QByteArray::fromStdString(t.jsonValue) + "]")
                    .array()
                    .at(0));
            QString problem;
            SimEngine::instance().setDeviceFields(t.deviceId, fields, &problem);
        }
    }
}

ApiCall::~ApiCall()
{
    if (m_result != VY_SUCCESS && !m_errorSet)
        recordError(m_errorHandle, m_result, nullptr);
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
    if (log.full())
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
    recordError(m_errorHandle, result, text);
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

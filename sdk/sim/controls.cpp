// controls.cpp: the vysim_ test controls of vyro_sim.h.
#include "sdk/sim/vyro_sim.h"

#include "sdk/sim/calllog.h"
#include "sdk/sim/sharedstate.h"
#include "sdk/sim/simengine.h"
#include "vyrokit/files/filereader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>

using vysim::CallLog;
using vysim::SimEngine;

namespace {

// Why the thread's last control call failed, for the calls without a message buffer.
thread_local QByteArray lastProblem;

int32_t remember(int32_t result, const QString &problem)
{
    lastProblem = result == VY_SUCCESS ? QByteArray() : problem.toUtf8();
    return result;
}

int32_t report(int32_t result, const QString &problem, char *message, uint32_t messageSize)
{
    remember(result, problem);
    if (message && messageSize > 0) {
        const QByteArray text = result == VY_SUCCESS ? QByteArray() : problem.toUtf8();
        const size_t n = std::min<size_t>(size_t(text.size()), messageSize - 1);
        std::memcpy(message, text.constData(), n);
        message[n] = '\0';
    }
    return result;
}

int32_t copyOut(const QByteArray &text, char *buffer, uint32_t size, uint32_t *needed)
{
    const uint32_t total = uint32_t(text.size()) + 1;
    if (needed)
        *needed = total;
    if (!buffer || size < total)
        return VY_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.constData(), total);
    return VY_SUCCESS;
}

// A single JSON value given as text: parsed inside an array, since a bare scalar is no document.
bool parseValue(const char *json, QJsonValue *value, QString *problem)
{
    if (!json) {
        *problem = QStringLiteral("no value given");
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray("[") + json + QByteArray("]"), &error);
    if (error.error != QJsonParseError::NoError || doc.array().size() != 1) {
        *problem = QStringLiteral("not a JSON value: %1").arg(QString::fromUtf8(json));
        return false;
    }
    *value = doc.array().at(0);
    return true;
}

} // namespace

extern "C" {

VYAPI int32_t vysim_load_world_file(const char *path, char *message, uint32_t messageSize)
{
    if (!path)
        return report(VY_INVALID_PARAMETER, QStringLiteral("no file named"), message, messageSize);
    const QString name = QFile::decodeName(path);
    QByteArray json;
    QString problem;
    if (!vyrokit::FileReader::read(name, vysim::SharedState::maxFileSize, &json, &problem))
        return report(VY_INVALID_PARAMETER, problem, message, messageSize);
    const int32_t result = SimEngine::instance().loadWorld(json, name, &problem);
    return report(result, QStringLiteral("%1: %2").arg(name, problem), message, messageSize);
}

VYAPI int32_t vysim_load_world_json(const char *json, char *message, uint32_t messageSize)
{
    if (!json)
        return report(VY_INVALID_PARAMETER, QStringLiteral("no world text"), message, messageSize);
    QString problem;
    const int32_t result =
        SimEngine::instance().loadWorld(QByteArray(json), QStringLiteral("json"), &problem);
    return report(result, problem, message, messageSize);
}

VYAPI int32_t vysim_reset(char *message, uint32_t messageSize)
{
    QString problem;
    return report(SimEngine::instance().reset(&problem), problem, message, messageSize);
}

VYAPI int32_t vysim_check_world_json(const char *json, char *message, uint32_t messageSize)
{
    if (!json)
        return report(VY_INVALID_PARAMETER, QStringLiteral("no world text"), message, messageSize);
    QString problem;
    return report(SimEngine::checkWorld(QByteArray(json), &problem), problem, message, messageSize);
}

VYAPI int32_t vysim_world_json(char *buffer, uint32_t size, uint32_t *needed)
{
    const QByteArray text = QJsonDocument(SimEngine::instance().worldJson()).toJson();
    return copyOut(text, buffer, size, needed);
}

VYAPI int32_t vysim_default_world_json(char *buffer, uint32_t size, uint32_t *needed)
{
    return copyOut(vysim::SimWorld::defaultJson(), buffer, size, needed);
}

VYAPI const char *vysim_state_dir(void)
{
    static const QByteArray dir = QFile::encodeName(SimEngine::instance().stateDirectory());
    return dir.constData();
}

VYAPI int32_t vysim_plug(const char *deviceJson, char *message, uint32_t messageSize)
{
    QJsonValue value;
    QString problem;
    if (!parseValue(deviceJson, &value, &problem))
        return report(VY_INVALID_PARAMETER, problem, message, messageSize);
    if (!value.isObject())
        return report(VY_INVALID_PARAMETER, QStringLiteral("a device must be a JSON object"),
                      message, messageSize);
    return report(SimEngine::instance().plug(value.toObject(), &problem), problem, message,
                  messageSize);
}

VYAPI int32_t vysim_unplug(uint32_t deviceId)
{
    QString problem;
    return remember(SimEngine::instance().unplug(deviceId, &problem), problem);
}

VYAPI int32_t vysim_set_device_field(uint32_t deviceId, const char *field, const char *jsonValue,
                                     char *message, uint32_t messageSize)
{
    QJsonValue value;
    QString problem;
    if (!field)
        return report(VY_INVALID_PARAMETER, QStringLiteral("no field named"), message, messageSize);
    if (!parseValue(jsonValue, &value, &problem))
        return report(VY_INVALID_PARAMETER, problem, message, messageSize);
    QJsonObject fields;
    fields.insert(QString::fromUtf8(field), value);
    return report(SimEngine::instance().setDeviceFields(deviceId, fields, &problem), problem,
                  message, messageSize);
}

VYAPI int32_t vysim_set_driver_field(const char *field, const char *jsonValue, char *message,
                                     uint32_t messageSize)
{
    QJsonValue value;
    QString problem;
    if (!field)
        return report(VY_INVALID_PARAMETER, QStringLiteral("no field named"), message, messageSize);
    if (!parseValue(jsonValue, &value, &problem))
        return report(VY_INVALID_PARAMETER, problem, message, messageSize);
    QJsonObject fields;
    fields.insert(QString::fromUtf8(field), value);
    return report(SimEngine::instance().setDriverFields(fields, &problem), problem, message,
                  messageSize);
}

VYAPI int32_t vysim_set_daemon(int32_t daemon, int32_t running)
{
    if (daemon != VYSIM_DAEMON_USB && daemon != VYSIM_DAEMON_ETH)
        return VY_INVALID_PARAMETER;
    QJsonObject fields;
    fields.insert(daemon == VYSIM_DAEMON_USB ? QStringLiteral("usbDaemonRunning")
                                             : QStringLiteral("ethDaemonRunning"),
                  running != 0);
    QString problem;
    return remember(SimEngine::instance().setDriverFields(fields, &problem), problem);
}

VYAPI int32_t vysim_last_problem(char *message, uint32_t messageSize)
{
    return copyOut(lastProblem, message, messageSize, nullptr);
}

VYAPI int32_t vysim_device_in_use(uint32_t deviceId)
{
    return SimEngine::instance().inUse(deviceId);
}

VYAPI int32_t vysim_sync(void)
{
    SimEngine::instance().sync();
    return VY_SUCCESS;
}

VYAPI int32_t vysim_force_result(const char *function, uint32_t command, int32_t handle,
                                 int32_t result, uint32_t times)
{
    if (!function)
        return VY_INVALID_PARAMETER;
    CallLog::instance().force(function, command, handle, result, times);
    return VY_SUCCESS;
}

VYAPI void vysim_clear_forced(const char *function)
{
    CallLog::instance().clearForced(function);
}

VYAPI int32_t vysim_unplug_on_call(const char *function, uint32_t command, uint32_t deviceId)
{
    if (!function || deviceId == 0)
        return VY_INVALID_PARAMETER;
    CallLog::instance().addTrigger({function, command, deviceId, {}, {}});
    return VY_SUCCESS;
}

VYAPI int32_t vysim_set_device_field_on_call(const char *function, uint32_t command,
                                             uint32_t deviceId, const char *field,
                                             const char *jsonValue)
{
    QJsonValue value;
    QString problem;
    if (!function || deviceId == 0 || !field || !*field || !parseValue(jsonValue, &value, &problem))
        return VY_INVALID_PARAMETER;
    CallLog::instance().addTrigger({function, command, deviceId, field, jsonValue});
    return VY_SUCCESS;
}

VYAPI uint32_t vysim_log_count(void)
{
    return CallLog::instance().count();
}

VYAPI int32_t vysim_log_entry(uint32_t index, VYSIM_CALL *call)
{
    CallLog::Entry e;
    if (!call || !CallLog::instance().entry(index, &e))
        return VY_INVALID_PARAMETER;
    std::memset(call, 0, sizeof *call);
    call->sequence = e.sequence;
    std::strncpy(call->function, e.function.c_str(), sizeof call->function - 1);
    call->handle = e.handle;
    call->command = e.command;
    call->result = e.result;
    call->forced = e.forced ? 1 : 0;
    call->inSize = e.inSize;
    call->outSize = e.outSize;
    return VY_SUCCESS;
}

VYAPI int32_t vysim_log_bytes(uint32_t index, int32_t returned, void *buffer, uint32_t size,
                              uint32_t *copied)
{
    CallLog::Entry e;
    if (copied)
        *copied = 0;
    if (!CallLog::instance().entry(index, &e))
        return VY_INVALID_PARAMETER;
    const std::vector<uint8_t> &bytes = returned ? e.out : e.in;
    const uint32_t n = std::min<uint32_t>(size, uint32_t(bytes.size()));
    if (n > 0 && !buffer)
        return VY_INVALID_PARAMETER;
    if (n > 0)
        std::memcpy(buffer, bytes.data(), n);
    if (copied)
        *copied = n;
    return VY_SUCCESS;
}

VYAPI void vysim_log_clear(void)
{
    CallLog::instance().clear();
}

VYAPI void vysim_log_enable(int32_t on)
{
    CallLog::instance().setEnabled(on != 0);
}

VYAPI void vysim_log_full(int32_t on)
{
    CallLog::instance().setFull(on != 0);
}

} // extern "C"

// simcore.h: the simulated SDK's internal interface, shared by the modules that implement vy_
// functions (driver, events, acquisition, hot pixels). Not exported from the library.
//
// Threading: every function here is thread-safe and may be called from any thread, including
// a module's own worker threads. None of them may be called while holding a lock that a hook
// (below) also takes: hooks run on the thread that closes a handle or applies a world change,
// without any lock of the core held.
#ifndef SDK_SIM_SIMCORE_H
#define SDK_SIM_SIMCORE_H

#include "sdk/vyro_api.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace vysim {

// ---- The world ----------------------------------------------------------------------------
// The in-memory copy of the shared world. Reads are served from memory and never touch files.
// Every device object holds every field of the device schema (defaults filled in).

std::vector<uint32_t> deviceIds();
bool deviceExists(uint32_t deviceId);
// The device's complete field set; an empty object when there is no such device.
QJsonObject deviceFields(uint32_t deviceId);
// One field; QJsonValue::Undefined when the device or the field does not exist.
QJsonValue deviceField(uint32_t deviceId, const QString &name);
QJsonObject driverFields();
QJsonValue driverField(const QString &name);

// Persistent changes, shared with every process through the state directory (file I/O under a
// lock: meant for stored settings such as EEPROM lists, never for per-frame state). The value
// is checked against the schema; on failure the result is VY_INVALID_PARAMETER (or
// VY_CAMERA_NOT_FOUND) and *message, when given, names the problem.
int32_t setDeviceField(uint32_t deviceId, const QString &name, const QJsonValue &value,
                       std::string *message = nullptr);
int32_t setDeviceFields(uint32_t deviceId, const QJsonObject &fields,
                        std::string *message = nullptr);
int32_t setDriverField(const QString &name, const QJsonValue &value,
                       std::string *message = nullptr);

// ---- Handles ------------------------------------------------------------------------------
// Open handles are small positive numbers, valid in this process only.

struct OpenCamera
{
    VY_HCAM handle;
    uint32_t deviceId;
};

// The device ID behind an open handle; 0 when the handle is not open.
uint32_t deviceOfHandle(VY_HCAM handle);
// The open handle of a device in this process; 0 when it is not open here.
VY_HCAM handleOfDevice(uint32_t deviceId);
// An open handle, or an unopened address (device ID OR VY_UNOPENED, other flag bits ignored) of
// a listed device: the device ID. 0 otherwise.
uint32_t resolveDevice(VY_HCAM handleOrAddress);
std::vector<OpenCamera> openCameras();
// A real GigE Vision or USB3 Vision camera (sdk/genicam), listed beside the simulated world.
bool isStandardCamera(uint32_t deviceId);

// What happened to an open handle. Closing: vy_ExitCamera runs (the handle is still valid
// during the hook, and is gone right after). DeviceRemoved: its device left the world
// (the core has already signalled VY_EVENT_DEVICE_REMOVAL on the handle). DeviceReturned: a
// device with the same ID came back (the core has signalled VY_EVENT_DEVICE_RECONNECT).
enum class HandleEvent
{
    Closing,
    DeviceRemoved,
    DeviceReturned
};
using HandleHook = std::function<void(HandleEvent event, VY_HCAM handle, uint32_t deviceId)>;
// Hooks stay registered for the life of the process; typically added once from a module's
// static initialiser or its first call.
void addHandleHook(HandleHook hook);

// ---- Events -------------------------------------------------------------------------------

// Raises an event as the driver would: it is set only when the process has initialised and
// enabled it on that handle (handle 0: driver events). Wakes the waiters. Returns whether the
// event was set.
bool signalEvent(VY_HCAM handle, uint32_t eventId);

// ---- Errors -------------------------------------------------------------------------------

// The static message text of a return code ("Unknown error" for codes without one).
const char *errorText(int32_t code);
// Sets the last error that vy_GetError reports for a handle (0: the driver) to the calling
// thread: last errors are kept per thread and handle. A null text uses errorText(code). The
// text is copied into storage that lives as long as the process.
void setLastError(VY_HCAM handle, int32_t code, const char *text = nullptr);

// ---- Device schema ------------------------------------------------------------------------
// Every device and driver field has a name, a type and a default. Modules add their own fields
// (at static initialisation, before any world is read); a world naming a field that no module
// declared is refused.

enum class FieldType
{
    Bool,
    Int,     // integer within [min, max]
    Number,  // any number
    String,  // at most max characters (0: no limit)
    Version, // packed u32, given as a number or as "major.minor.build"
    Ip,      // "a.b.c.d"
    Mac,     // "00-11-22-33-44-55" (or ':'), or "auto" for the machine's first real interface
    Array,   // any JSON array
    Object   // any JSON object
};

struct FieldSpec
{
    const char *name;
    FieldType type;
    QJsonValue defaultValue;
    qint64 min = 0;
    qint64 max = 0;
    const char *doc = "";
};

// Returns true, so that a module can write: static const bool fields =
// vysim::addDeviceFields({...});
bool addDeviceFields(std::initializer_list<FieldSpec> fields);
bool addDriverFields(std::initializer_list<FieldSpec> fields);

// Helpers for the field encodings above.
uint32_t versionValue(const QJsonValue &value);         // packed version, 0 when not parsable
bool ipBytes(const QJsonValue &value, uint8_t out[4]);  // false (and zeros) when not parsable
bool macBytes(const QJsonValue &value, uint8_t out[6]); // "auto" already resolved by the world

} // namespace vysim

#endif // SDK_SIM_SIMCORE_H

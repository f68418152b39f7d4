/* vyro_sim.h: test controls of the simulated camera SDK. Exported from the simulator's
 * libvyro_api.so.1 next to the vy_ functions; not part of the SDK (a vendor library lacks them).
 *
 * The world (driver values and devices) is shared by every process that uses the simulator
 * with the same state directory; the world controls below change it for all of them. Forced
 * results and the call log belong to the calling process only.
 *
 * Functions returning int32_t answer VY_SUCCESS or an SDK error code; those taking a message
 * buffer write a NUL-terminated text naming the problem into it on failure (truncated to
 * messageSize; the buffer may be null).
 */
#ifndef SDK_SIM_VYRO_SIM_H
#define SDK_SIM_VYRO_SIM_H

#include "sdk/vyro_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- World ---- */

/* Replaces the shared world by a world file or JSON text. A malformed or truncated text, an
 * unknown field or a wrong type is refused with VY_INVALID_PARAMETER and a message naming it. */
VYAPI int32_t vysim_load_world_file(const char *path, char *message, uint32_t messageSize);
VYAPI int32_t vysim_load_world_json(const char *json, char *message, uint32_t messageSize);
/* Restores the world file: VYRO_SIM_WORLD when set, else the built-in default world. */
VYAPI int32_t vysim_reset(char *message, uint32_t messageSize);
/* Checks a world text without loading it. */
VYAPI int32_t vysim_check_world_json(const char *json, char *message, uint32_t messageSize);

/* Copies the current world as JSON text (with every field) into buffer; *needed (optional)
 * receives the size including the NUL. VY_BUFFER_TOO_SMALL when it does not fit. */
VYAPI int32_t vysim_world_json(char *buffer, uint32_t size, uint32_t *needed);
/* The built-in default world as JSON text, as vysim_world_json. */
VYAPI int32_t vysim_default_world_json(char *buffer, uint32_t size, uint32_t *needed);
/* The state directory in use. */
VYAPI const char *vysim_state_dir(void);

/* Adds a device given as a JSON object (missing fields take their defaults). An ID already
 * listed is refused with VY_INVALID_PARAMETER. */
VYAPI int32_t vysim_plug(const char *deviceJson, char *message, uint32_t messageSize);
/* Removes a device. VY_CAMERA_NOT_FOUND when it is not listed. */
VYAPI int32_t vysim_unplug(uint32_t deviceId);
/* Sets one device field; value is JSON text (1, true, "text", [..]). */
VYAPI int32_t vysim_set_device_field(uint32_t deviceId, const char *field, const char *jsonValue,
                                     char *message, uint32_t messageSize);
/* Sets one driver field (libraryVersion, usbDaemonRunning, ...); value is JSON text. */
VYAPI int32_t vysim_set_driver_field(const char *field, const char *jsonValue, char *message,
                                     uint32_t messageSize);
#define VYSIM_DAEMON_USB 0
#define VYSIM_DAEMON_ETH 1
VYAPI int32_t vysim_set_daemon(int32_t daemon, int32_t running);
/* Why the calling thread's last failed control call failed (for vysim_unplug and
 * vysim_set_daemon, which take no message buffer); empty after a success. VY_BUFFER_TOO_SMALL
 * when the text does not fit. */
VYAPI int32_t vysim_last_problem(char *message, uint32_t messageSize);

/* 1 when the device is opened by any process (or marked in use in the world), else 0;
 * -1 when it is not listed. */
VYAPI int32_t vysim_device_in_use(uint32_t deviceId);

/* Makes this process's simulator read the latest shared state and device locks now, raising
 * the driver events that follow, before returning. For deterministic tests: after a change by
 * another process has been written, this call makes it visible at once. */
VYAPI int32_t vysim_sync(void);

/* ---- Forced results ---- */

#define VYSIM_ANY_COMMAND 0xFFFFFFFFu
#define VYSIM_ANY_HANDLE INT32_MIN

/* Makes calls of function (e.g. "vy_DeviceInfo") answer result without acting, for one
 * command and/or one handle or any; times 0: until cleared, else for that many calls. The most
 * specific match wins (handle and command, then command, then handle, then any). */
VYAPI int32_t vysim_force_result(const char *function, uint32_t command, int32_t handle,
                                 int32_t result, uint32_t times);
/* Clears the forced results of one function, or of all when function is null. */
VYAPI void vysim_clear_forced(const char *function);
/* The next call of function with command (VYSIM_ANY_COMMAND: any) in this process first removes
 * device deviceId from the world, then acts: a camera unplugged at that very moment. Fires once;
 * vysim_clear_forced(function) or (null) drops pending triggers too. */
VYAPI int32_t vysim_unplug_on_call(const char *function, uint32_t command, uint32_t deviceId);
/* The same, but the device stays and its field (as vysim_set_device_field) takes jsonValue at
 * that very moment: a camera whose memory changes between two calls of a program. */
VYAPI int32_t vysim_set_device_field_on_call(const char *function, uint32_t command,
                                             uint32_t deviceId, const char *field,
                                             const char *jsonValue);

/* ---- Call log ---- */

/* One logged call. Bytes are those of the buffer as passed in and as returned (each capped at
 * VYSIM_LOG_MAX_BYTES; the sizes are the real ones). */
typedef struct VYSIM_CALL
{
    uint64_t sequence; /* increasing number of the call in this process */
    char function[40];
    int32_t handle;   /* the handle or address passed (for vy_InitCamera: *phCam) */
    uint32_t command; /* 0 for functions without a command */
    int32_t result;
    uint32_t forced; /* 1 when the result was forced */
    uint32_t inSize;
    uint32_t outSize;
} VYSIM_CALL;

#define VYSIM_LOG_MAX_ENTRIES 8192
#define VYSIM_LOG_MAX_BYTES 65536
#define VYSIM_LOG_RECENT_ENTRIES 256

/* Number of entries held. The full log holds the last VYSIM_LOG_MAX_ENTRIES calls (fewer when
 * all entries together hold more than 32 MiB of buffer bytes); otherwise the log holds the last
 * VYSIM_LOG_RECENT_ENTRIES calls. */
VYAPI uint32_t vysim_log_count(void);
/* Entry index (0: the oldest held). VY_INVALID_PARAMETER when out of range. */
VYAPI int32_t vysim_log_entry(uint32_t index, VYSIM_CALL *call);
/* Copies the bytes of an entry (returned: 0 as passed in, 1 as returned) into buffer; *copied
 * receives the number of bytes copied (at most size). */
VYAPI int32_t vysim_log_bytes(uint32_t index, int32_t returned, void *buffer, uint32_t size,
                              uint32_t *copied);
VYAPI void vysim_log_clear(void);
/* 0 switches logging off (e.g. for benchmarks), 1 on (the default). */
VYAPI void vysim_log_enable(int32_t on);
/* 1 keeps the full log: the last VYSIM_LOG_MAX_ENTRIES calls with their buffer bytes, which
 * tests read. 0 (the default, so that a program on the simulator stays small) keeps the last
 * VYSIM_LOG_RECENT_ENTRIES calls without bytes (sizes kept; vysim_log_bytes copies nothing).
 * A process whose environment has VYRO_SIM_CALL_LOG=full (the test suite's) starts with the
 * full log. Switching keeps the newest entries that fit. */
VYAPI void vysim_log_full(int32_t on);

/* ---- Sensor (acquisition and hot pixels) ---- */

/* One true hot pixel of a sensor: its position, the value it shows in every dark frame, and
 * whether it is in the camera's factory list. */
typedef struct VYSIM_HOT_PIXEL
{
    uint16_t x;
    uint16_t y;
    uint8_t level;
    uint8_t factory;
    uint16_t reserved;
} VYSIM_HOT_PIXEL;

/* The true hot pixels of a device's sensor (from hotPixelSeed and hotPixelCount), in the order
 * they were made; the first factoryHotPixelCount of them form the factory list. *count receives
 * the number of hot pixels; at most capacity are copied (VY_BUFFER_TOO_SMALL when not all fit). */
VYAPI int32_t vysim_hot_pixels(uint32_t deviceId, VYSIM_HOT_PIXEL *pixels, uint32_t capacity,
                               uint32_t *count);
/* Frame number `index` of a device's sensor as the sensor makes it: full size, 8-bit raw
 * (Bayer or grey), no correction, lit when the device's "lit" field is set; the same index
 * always gives the same frame. Live capture delivers frames 0, 1, 2, ... of an open handle.
 * size must be at least width x height. Synchronous: no camera needs to be open. */
VYAPI int32_t vysim_sensor_frame(uint32_t deviceId, uint32_t index, void *buffer, uint32_t size);
/* The frame number that an image buffer of an open handle holds (memory null: the last
 * frame delivered); VY_NO_DATA while it holds none, VY_INVALID_MEMORY_POINTER for a pointer
 * that is not the handle's. */
VYAPI int32_t vysim_frame_index(VY_HCAM hCam, const char *memory, int64_t *index);

#ifdef __cplusplus
}

#include <string>
#include <vector>

namespace vysim {

/* The call log as C++ values, for tests. */
struct LoggedCall
{
    uint64_t sequence;
    std::string function;
    int32_t handle;
    uint32_t command;
    int32_t result;
    bool forced;
    std::vector<uint8_t> in;
    std::vector<uint8_t> out;
};

inline std::vector<LoggedCall> callLog()
{
    std::vector<LoggedCall> calls;
    const uint32_t n = vysim_log_count();
    for (uint32_t i = 0; i < n; ++i) {
        VYSIM_CALL c;
        if (vysim_log_entry(i, &c) != VY_SUCCESS)
            break;
        LoggedCall l{c.sequence, c.function, c.handle, c.command, c.result, c.forced != 0, {}, {}};
        uint32_t copied = 0;
        l.in.resize(c.inSize < VYSIM_LOG_MAX_BYTES ? c.inSize : VYSIM_LOG_MAX_BYTES);
        vysim_log_bytes(i, 0, l.in.data(), uint32_t(l.in.size()), &copied);
        l.in.resize(copied);
        l.out.resize(c.outSize < VYSIM_LOG_MAX_BYTES ? c.outSize : VYSIM_LOG_MAX_BYTES);
        vysim_log_bytes(i, 1, l.out.data(), uint32_t(l.out.size()), &copied);
        l.out.resize(copied);
        calls.push_back(std::move(l));
    }
    return calls;
}

/* The logged calls of one function, in order. */
inline std::vector<LoggedCall> callsOf(const std::string &function)
{
    std::vector<LoggedCall> result;
    for (auto &c : callLog())
        if (c.function == function)
            result.push_back(std::move(c));
    return result;
}

} // namespace vysim
#endif

#endif // SDK_SIM_VYRO_SIM_H

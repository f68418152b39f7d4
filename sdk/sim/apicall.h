// apicall.h: the prologue every exported vy_ function starts with: call log, forced results
// and last error.
#ifndef SDK_SIM_APICALL_H
#define SDK_SIM_APICALL_H

#include "sdk/vyro_api.h"

#include <cstdint>
#include <vector>

namespace vysim {

// Logs the call (function, handle, command, the buffer as passed in, and as returned when the
// ApiCall ends), applies a result forced by the test controls, and records the last error.
//
//     VYAPI int32_t vy_Foo(VY_HCAM h, uint32_t cmd, void *buf, uint32_t size)
//     {
//         VYSIM_ENTER(call, "vy_Foo", h, cmd, buf, size);
//         ...
//         return call.done(VY_SUCCESS);    // or: return call.fail(code, "own text");
//     }
//
// Without a buffer pass nullptr and 0. When the bytes returned are not those passed in (a
// different pointer or size), name them with setOutput before returning; the log copies them
// when the ApiCall ends, so they must outlive it (a local declared before VYSIM_ENTER).
class ApiCall final
{
public:
    // A failure becomes the last error of errorHandle (the logged handle unless given).
    ApiCall(const char *function, VY_HCAM handle, uint32_t command, const void *buffer,
            uint32_t size);
    ApiCall(const char *function, VY_HCAM handle, uint32_t command, const void *buffer,
            uint32_t size, VY_HCAM errorHandle);
    ~ApiCall();
    ApiCall(const ApiCall &) = delete;
    ApiCall &operator=(const ApiCall &) = delete;

    bool isForced() const { return m_forced; }
    int32_t forcedResult() const { return m_result; }

    void setOutput(const void *buffer, uint32_t size);
    // Records the result; a nonzero code becomes the handle's last error with its standard text.
    int32_t done(int32_t result);
    // Records a failure with an own message text.
    int32_t fail(int32_t result, const char *text);
    // Records a result without touching the last error (for vy_GetError itself).
    int32_t quiet(int32_t result);

private:
    const char *m_function;
    VY_HCAM m_handle;
    VY_HCAM m_errorHandle;
    uint32_t m_command;
    const void *m_outBuffer;
    uint32_t m_outSize;
    int32_t m_result = 0;
    bool m_forced = false;
    bool m_errorSet = false;
    uint32_t m_inSize = 0;
    std::vector<uint8_t> m_in;
};

} // namespace vysim

// call names the variable the prologue declares, so it takes no parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define VYSIM_ENTER(call, function, handle, command, buffer, size)                                 \
    vysim::ApiCall call((function), (handle), (command), (buffer), (size));                        \
    if (call.isForced())                                                                           \
    return call.forcedResult()

// The prologue of a call that addresses a device by its ID (or an adapter) without opening it:
// logged under that ID, its failures are the driver's last error.
#define VYSIM_ENTER_DEVICE(call, function, deviceId, command, buffer, size)                        \
    vysim::ApiCall call((function), (deviceId), (command), (buffer), (size), VY_DRIVER_HANDLE);    \
    if (call.isForced())                                                                           \
    return call.forcedResult()
// NOLINTEND(bugprone-macro-parentheses)

#endif // SDK_SIM_APICALL_H

// scopedcamerahandle.h: a camera opened for one operation and closed again at scope exit.
#ifndef VYROKIT_SCOPEDCAMERAHANDLE_H
#define VYROKIT_SCOPEDCAMERAHANDLE_H

#include <cstdint>

#include "sdk/vyro_api.h"

namespace vyrokit {

// Opens the listed device (its ID OR VY_UNOPENED, with the caller's open flags such as
// VY_ALLOW_FW_UPLOAD) with vy_InitCamera on construction and closes it with vy_ExitCamera on
// destruction, if it opened. Move-only: exactly one object closes a handle; a default-made one
// holds none.
class ScopedCameraHandle final
{
public:
    ScopedCameraHandle() = default;
    explicit ScopedCameraHandle(uint32_t deviceId, uint32_t openFlags = 0);
    // Takes over what vy_InitCamera gave elsewhere, on another thread for one: the handle is
    // open when result is VY_SUCCESS.
    static ScopedCameraHandle adopt(VY_HCAM handle, int32_t result);
    ~ScopedCameraHandle();

    ScopedCameraHandle(ScopedCameraHandle &&other) noexcept;
    ScopedCameraHandle &operator=(ScopedCameraHandle &&other) noexcept;
    ScopedCameraHandle(const ScopedCameraHandle &) = delete;
    ScopedCameraHandle &operator=(const ScopedCameraHandle &) = delete;

    bool isOpen() const { return m_open; }
    explicit operator bool() const { return m_open; }
    // vy_InitCamera's return code.
    int32_t result() const { return m_result; }
    // The open handle; meaningful only while isOpen().
    VY_HCAM handle() const { return m_handle; }

    // Closes now; vy_ExitCamera's code, or VY_SUCCESS when nothing was open.
    int32_t close();
    // Gives up the handle without closing it, for adopt() on another thread.
    VY_HCAM release();

private:
    VY_HCAM m_handle = 0;
    int32_t m_result = VY_NO_SUCCESS;
    bool m_open = false;
};

} // namespace vyrokit

#endif // VYROKIT_SCOPEDCAMERAHANDLE_H

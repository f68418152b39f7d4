// scopedcamerahandle.cpp: a camera opened for one operation and closed again at scope exit.
#include "vyrokit/scopedcamerahandle.h"

#include <utility>

namespace vyrokit {

ScopedCameraHandle::ScopedCameraHandle(uint32_t deviceId, uint32_t openFlags)
    : m_handle(static_cast<VY_HCAM>(deviceId | VY_UNOPENED | openFlags))
{
    m_result = vy_InitCamera(&m_handle, nullptr);
    m_open = m_result == VY_SUCCESS;
}

ScopedCameraHandle ScopedCameraHandle::adopt(VY_HCAM handle, int32_t result)
{
    ScopedCameraHandle adopted;
    adopted.m_handle = handle;
    adopted.m_result = result;
    adopted.m_open = result == VY_SUCCESS;
    return adopted;
}

ScopedCameraHandle::~ScopedCameraHandle()
{
    close();
}

ScopedCameraHandle::ScopedCameraHandle(ScopedCameraHandle &&other) noexcept
    : m_handle(other.m_handle), m_result(other.m_result), m_open(std::exchange(other.m_open, false))
{
}

ScopedCameraHandle &ScopedCameraHandle::operator=(ScopedCameraHandle &&other) noexcept
{
    if (this != &other) {
        close();
        m_handle = other.m_handle;
        m_result = other.m_result;
        m_open = std::exchange(other.m_open, false);
    }
    return *this;
}

int32_t ScopedCameraHandle::close()
{
    if (!m_open)
        return VY_SUCCESS;
    m_open = false;
    return vy_ExitCamera(std::exchange(m_handle, 0));
}

VY_HCAM ScopedCameraHandle::release()
{
    m_open = false;
    return std::exchange(m_handle, 0);
}

} // namespace vyrokit

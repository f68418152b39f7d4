// bufferio.h: the u32 values that many SDK commands pass in or out through their buffer.
#ifndef SDK_SIM_BUFFERIO_H
#define SDK_SIM_BUFFERIO_H

#include "sdk/vyro_api.h"

#include <cstdint>
#include <cstring>

namespace vysim {

inline int32_t readU32(const void *buffer, uint32_t size, uint32_t *value)
{
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (size < sizeof(uint32_t))
        return VY_BUFFER_TOO_SMALL;
    std::memcpy(value, buffer, sizeof *value);
    return VY_SUCCESS;
}

inline int32_t writeU32(void *buffer, uint32_t size, uint32_t value)
{
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (size < sizeof(uint32_t))
        return VY_BUFFER_TOO_SMALL;
    std::memcpy(buffer, &value, sizeof value);
    return VY_SUCCESS;
}

} // namespace vysim

#endif // SDK_SIM_BUFFERIO_H

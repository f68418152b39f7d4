// sdkquery.h: one typed read through an SDK call that takes a command, a buffer and its size.
#ifndef VYROKIT_SDKQUERY_H
#define VYROKIT_SDKQUERY_H

#include <cstdint>
#include <optional>
#include <type_traits>

#include "sdk/vyro_api.h"

namespace vyrokit {

// Calls fn(handle, command, &value, sizeof value) on a zeroed T, as vy_DeviceInfo, vy_Multicast,
// vy_Func and their like expect; the value when the call succeeds, nothing otherwise.
template <typename T, typename Fn> std::optional<T> query(Fn fn, VY_HCAM handle, uint32_t command)
{
    static_assert(std::is_trivially_copyable<T>::value, "the SDK fills plain records only");
    T value{};
    if (fn(handle, command, &value, static_cast<uint32_t>(sizeof value)) != VY_SUCCESS)
        return std::nullopt;
    return value;
}

} // namespace vyrokit

#endif // VYROKIT_SDKQUERY_H

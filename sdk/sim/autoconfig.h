// autoconfig.h: the automatic IP configuration commands that address adapters and cameras by
// their MAC (vy_IpConfig with VY_ADAPTER_HANDLE).
#ifndef SDK_SIM_AUTOCONFIG_H
#define SDK_SIM_AUTOCONFIG_H

#include <cstdint>

namespace vysim {

// Boot boost keeps the address the camera booted with, so the driver refuses to hand it one
// from the range with this code.
constexpr int32_t autoConfigBootBoostRefusal = 129;

// VY_IPCONFIG_SET_PERSISTENT_IP with an all-zero record for the camera with this MAC (it drops
// its persistent address and takes the first free one of its adapter's range), the second step
// of vy_IpConfig's automatic configuration after the adapter's range. Other commands answer
// VY_NOT_SUPPORTED.
int32_t ipConfigByMac(const uint8_t mac[6], uint32_t command, void *buffer, uint32_t size);

} // namespace vysim

#endif // SDK_SIM_AUTOCONFIG_H

// readonlydevices.h: the driver's read-only network devices, added and removed through the
// driver-wide vy_Multicast commands.
#ifndef SDK_SIM_READONLYDEVICES_H
#define SDK_SIM_READONLYDEVICES_H

#include <cstdint>

namespace vysim {

// Handles the driver-wide read-only device commands of vy_Multicast (handle 0): 0x2003 adds a
// read-only device for the network camera whose IP and multicast address the record names,
// 0x2004 removes the read-only device the record names, 0x2005 commits either. Returns
// VY_NOT_SUPPORTED for every other command. The change goes into the shared world, so every
// program's camera list follows within a second.
int32_t readOnlyDeviceCommand(uint32_t command, const void *buffer, uint32_t size);

} // namespace vysim

#endif // SDK_SIM_READONLYDEVICES_H

// autoconfiguration.cpp: the automatic network configuration worker.
#include "zentara/shell/autoconfiguration.h"

#include <cstring>

#include "sdk/vyro_api.h"
#include "sdk/vyro_device.h"
#include "zentara/inventory/camera.h"

using zentara::Camera;

AutoConfiguration::Input AutoConfiguration::inputOf(const Camera &camera)
{
    using vyrokit::NetworkAddress;
    Input input;
    input.adapterAddress = NetworkAddress::ipv4FromString(camera.adapterIpAddress()).value_or(0);
    input.adapterMask = NetworkAddress::ipv4FromString(camera.adapterSubnetMask()).value_or(0);
    input.adapterMac =
        NetworkAddress::macFromString(camera.adapterMac()).value_or(vyrokit::MacAddress{});
    input.cameraMac =
        NetworkAddress::macFromString(camera.macAddress()).value_or(vyrokit::MacAddress{});
    input.bootBoostUsed = (camera.controlStatus() & vyro::ControlStatusBootBoostUsed) != 0;
    return input;
}

AutoConfiguration::Range AutoConfiguration::range(uint32_t address, uint32_t mask)
{
    return Range{(address & mask) + 1, (address | ~mask) - 1};
}

int AutoConfiguration::cameraFailure(int32_t code, bool bootBoostUsed)
{
    // A camera booting in boot boost keeps the address it booted with; the driver says so with
    // its own code, but any refusal of such a camera has that cause.
    return code == bootBoostRefusal || bootBoostUsed ? BootBoostConflict : Failed;
}

int AutoConfiguration::run(const Input &input)
{
    const Range r = range(input.adapterAddress, input.adapterMask);
    VY_IP_RANGE record{};
    const std::array<uint8_t, 4> begin = vyrokit::NetworkAddress::ipv4Octets(r.begin);
    const std::array<uint8_t, 4> end = vyrokit::NetworkAddress::ipv4Octets(r.end);
    std::memcpy(record.begin, begin.data(), 4);
    std::memcpy(record.end, end.data(), 4);
    record.count = VY_IP_RANGE_COUNT;
    if (vy_IpConfig(VY_ADAPTER_HANDLE, input.adapterMac.data(), VY_IPCONFIG_SET_AUTOCFG_RANGE,
                    &record, sizeof record) != VY_SUCCESS)
        return RangeRefused;
    // No persistent address: the camera takes one from the range.
    VY_IP_RECORD automatic{};
    const int32_t code = vy_IpConfig(VY_ADAPTER_HANDLE, input.cameraMac.data(),
                                     VY_IPCONFIG_SET_PERSISTENT_IP, &automatic, sizeof automatic);
    return code == VY_SUCCESS ? Done : cameraFailure(code, input.bootBoostUsed);
}

// autoconfiguration.h: the automatic network configuration of a camera: its adapter's whole
// subnet becomes the range the driver hands addresses from, and the camera drops its
// persistent address so that it takes one from there.
#ifndef ZENTARA_SHELL_AUTOCONFIGURATION_H
#define ZENTARA_SHELL_AUTOCONFIGURATION_H

#include <QString>

#include <cstdint>

#include "vyrokit/networkaddress.h"

namespace zentara {
class Camera;
}

class AutoConfiguration final
{
public:
    // The worker's results.
    static constexpr int Done = 0;
    static constexpr int Failed = -1;
    static constexpr int BootBoostConflict = -2;
    static constexpr int RangeRefused = -3;
    // What the driver answers when it cannot configure a camera that boots in boot boost.
    static constexpr int32_t bootBoostRefusal = 129;

    struct Input
    {
        uint32_t adapterAddress = 0; // first octet in bits 31..24
        uint32_t adapterMask = 0;
        vyrokit::MacAddress adapterMac{};
        vyrokit::MacAddress cameraMac{};
        bool bootBoostUsed = false;
    };
    struct Range
    {
        uint32_t begin;
        uint32_t end;
    };

    AutoConfiguration() = delete;

    // What the worker needs, read from the camera record in the GUI thread. Texts that do not
    // parse give zero addresses.
    static Input inputOf(const zentara::Camera &camera);
    // The subnet of address and mask without its network and broadcast addresses.
    static Range range(uint32_t address, uint32_t mask);
    // The worker's result for a failed camera call: the boot boost conflict when the driver
    // answered with its refusal code or the camera runs in boot boost, a plain failure else.
    static int cameraFailure(int32_t code, bool bootBoostUsed);

    // The worker: the range for the adapter, then automatic configuration for the camera.
    static int run(const Input &input);
};

#endif // ZENTARA_SHELL_AUTOCONFIGURATION_H

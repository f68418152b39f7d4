// firmwareupload.h: the starter firmware upload of a network camera, as the worker runs it.
#ifndef ZENTARA_SHELL_FIRMWAREUPLOAD_H
#define ZENTARA_SHELL_FIRMWAREUPLOAD_H

#include <cstdint>

#include "sdk/vyro_device.h"

class FirmwareUpload final
{
public:
    FirmwareUpload() = delete;

    // How long an upload may take, in seconds, for a camera's network type code.
    static int uploadSeconds(uint8_t networkTypeCode);
    // Whether the button acts on a camera of this type code (network cameras only).
    static bool appliesTo(uint8_t networkTypeCode) { return vyro::isNetworkType(networkTypeCode); }

    // The worker: opens the device with the upload permission, which makes the library upload
    // the starter firmware, and closes it again. Answers vy_InitCamera's result. Runs on a
    // thread of the pool and touches nothing but its own handle.
    static int run(uint32_t deviceId);
};

#endif // ZENTARA_SHELL_FIRMWAREUPLOAD_H

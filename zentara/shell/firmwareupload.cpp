// firmwareupload.cpp: upload times and the upload worker.
#include "zentara/shell/firmwareupload.h"

#include "sdk/vyro_api.h"

int FirmwareUpload::uploadSeconds(uint8_t networkTypeCode)
{
    switch (networkTypeCode) {
    case 0x81:
    case 0x82:
    case 0x84:
    case 0x86:
    case 0x87:
    case 0x8A:
    case 0x8B:
    case 0x8C:
        return 25;
    case 0x88:
        return 35;
    default: // 0x83, 0x85, 0x89 and every type not known here take the longest
        return 100;
    }
}

int FirmwareUpload::run(uint32_t deviceId)
{
    VY_HCAM handle = static_cast<VY_HCAM>(deviceId | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
    const int32_t result = vy_InitCamera(&handle, nullptr);
    if (result == VY_SUCCESS)
        vy_ExitCamera(handle);
    return result;
}

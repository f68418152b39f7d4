// firmwareupload.cpp: upload times and the upload worker.
#include "zentara/shell/firmwareupload.h"

#include "sdk/vyro_api.h"
#include "vyrokit/scopedcamerahandle.h"

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
    return vyrokit::ScopedCameraHandle(deviceId, VY_ALLOW_FW_UPLOAD).result();
}

// api_capture.cpp: image memory, the capture sequence and starting and stopping capture.
#include "sdk/sim/apicall.h"
#include "sdk/sim/cameraregistry.h"

extern "C" {

VYAPI int32_t vy_AllocImageMem(VY_HCAM hCam, int32_t width, int32_t height, int32_t bitsPerPixel,
                               char **memory, int32_t *memoryId)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_AllocImageMem", hCam, uint32_t(bitsPerPixel), nullptr, 0);
    return call.done(camera->allocate(width, height, bitsPerPixel, memory, memoryId));
}

VYAPI int32_t vy_FreeImageMem(VY_HCAM hCam, char *memory, int32_t memoryId)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_FreeImageMem", hCam, uint32_t(memoryId), nullptr, 0);
    return call.done(camera->release(memory, memoryId));
}

VYAPI int32_t vy_AddToSequence(VY_HCAM hCam, char *memory, int32_t memoryId)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_AddToSequence", hCam, uint32_t(memoryId), nullptr, 0);
    const int32_t code = camera->addToSequence(memory, memoryId);
    if (code == VY_INVALID_PARAMETER)
        return call.fail(code, "The buffer is already in the sequence");
    return call.done(code);
}

VYAPI int32_t vy_ClearSequence(VY_HCAM hCam)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_ClearSequence", hCam, 0, nullptr, 0);
    return call.done(camera->clearSequence());
}

VYAPI int32_t vy_GetActSeqBuf(VY_HCAM hCam, int32_t *number, char **memory, char **lastMemory)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_GetActSeqBuf", hCam, 0, nullptr, 0);
    return call.done(camera->activeBuffer(number, memory, lastMemory));
}

VYAPI int32_t vy_LockSeqBuf(VY_HCAM hCam, int32_t number, char *memory)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_LockSeqBuf", hCam, uint32_t(number), nullptr, 0);
    return call.done(camera->lockBuffer(number, memory));
}

VYAPI int32_t vy_UnlockSeqBuf(VY_HCAM hCam, int32_t number, char *memory)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_UnlockSeqBuf", hCam, uint32_t(number), nullptr, 0);
    return call.done(camera->unlockBuffer(number, memory));
}

VYAPI int32_t vy_CaptureVideo(VY_HCAM hCam, int32_t wait)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_CaptureVideo", hCam, uint32_t(wait), nullptr, 0);
    return call.done(camera->startCapture(true, wait != VY_DONT_WAIT));
}

VYAPI int32_t vy_FreezeVideo(VY_HCAM hCam, int32_t wait)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_FreezeVideo", hCam, uint32_t(wait), nullptr, 0);
    return call.done(camera->startCapture(false, wait != VY_DONT_WAIT));
}

VYAPI int32_t vy_StopLiveVideo(VY_HCAM hCam, int32_t wait)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_StopLiveVideo", hCam, uint32_t(wait), nullptr, 0);
    camera->stopCapture();
    return call.done(VY_SUCCESS);
}

} // extern "C"

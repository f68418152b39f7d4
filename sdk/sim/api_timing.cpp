// api_timing.cpp: pixel clock, frame rate and exposure of an open camera.
#include "sdk/sim/apicall.h"
#include "sdk/sim/cameraregistry.h"

#include <cmath>

extern "C" {

VYAPI int32_t vy_SetPixelClock(VY_HCAM hCam, int32_t clock)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_SetPixelClock", hCam, uint32_t(clock), nullptr, 0);
    if (clock == VY_GET_PIXEL_CLOCK)
        return call.quiet(camera->timing().clock());
    if (clock == VY_GET_DEFAULT_PIXEL_CLOCK)
        return call.quiet(camera->timing().clockDefault());
    if (!camera->setPixelClock(clock))
        return call.fail(VY_INVALID_PARAMETER, "The pixel clock is outside its range");
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetPixelClockRange(VY_HCAM hCam, int32_t *min, int32_t *max)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_GetPixelClockRange", hCam, 0, nullptr, 0);
    if (!min || !max)
        return call.done(VY_INVALID_PARAMETER);
    const vysim::TimingModel timing = camera->timing();
    *min = timing.clockMin();
    *max = timing.clockMax();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetFrameTimeRange(VY_HCAM hCam, double *min, double *max, double *interval)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_GetFrameTimeRange", hCam, 0, nullptr, 0);
    if (!min || !max || !interval)
        return call.done(VY_INVALID_PARAMETER);
    camera->frameTimeRange(min, max, interval);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetFrameRate(VY_HCAM hCam, double fps, double *newFps)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_SetFrameRate", hCam, 0, nullptr, 0);
    if (!newFps || std::isnan(fps) || fps < 0)
        return call.done(VY_INVALID_PARAMETER);
    *newFps = camera->setFrameRate(fps);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetFramesPerSecond(VY_HCAM hCam, double *fps)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_GetFramesPerSecond", hCam, 0, nullptr, 0);
    if (!fps)
        return call.done(VY_INVALID_PARAMETER);
    *fps = camera->framesPerSecond();
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_GetExposureRange(VY_HCAM hCam, double *min, double *max, double *interval)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_GetExposureRange", hCam, 0, nullptr, 0);
    if (!min || !max || !interval)
        return call.done(VY_INVALID_PARAMETER);
    camera->exposureRange(min, max, interval);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetExposureTime(VY_HCAM hCam, double exposure, double *newExposure)
{
    VYSIM_ENTER_CAMERA(call, camera, "vy_SetExposureTime", hCam, 0, nullptr, 0);
    if (exposure == VY_GET_EXPOSURE_TIME) {
        if (!newExposure)
            return call.done(VY_INVALID_PARAMETER);
        *newExposure = camera->exposure();
        return call.done(VY_SUCCESS);
    }
    if (std::isnan(exposure) || exposure < 0)
        return call.done(VY_INVALID_PARAMETER);
    const double actual = camera->setExposure(exposure);
    if (newExposure)
        *newExposure = actual;
    return call.done(VY_SUCCESS);
}

} // extern "C"

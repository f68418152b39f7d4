// framesource.h: the frames and controls of a real camera, behind an open camera of the
// simulated SDK that stands for it.
#ifndef SDK_SIM_FRAMESOURCE_H
#define SDK_SIM_FRAMESOURCE_H

#include "sdk/sim/sensormodel.h"

#include <cstdint>

namespace vysim {

// Called from the open camera's API threads and its capture thread; implementations serialise
// what their camera needs.
class FrameSource
{
public:
    virtual ~FrameSource() = default;

    // Starts and ends the camera's acquisition.
    virtual bool start() = 0;
    virtual void stop() = 0;
    // Waits at most timeoutMs for the camera's next frame and writes the area of it, 8 bits a
    // pixel (grey, or the raw Bayer pattern), into rows of pitch bytes. False when none came.
    virtual bool read(const Area &area, uint8_t *dst, uint32_t pitch, uint32_t columns,
                      uint32_t rows, int timeoutMs) = 0;

    // Each answers what the camera took, within its own limits.
    virtual double setExposure(double ms) = 0;
    virtual double exposure() const = 0;
    virtual double setFrameRate(double fps) = 0;
    virtual double frameRate() const = 0;
    // 0..100 of the camera's own gain range.
    virtual void setGain(int32_t percent) = 0;
    virtual void exposureRange(double *minMs, double *maxMs) const = 0;
    virtual void frameRateRange(double *minFps, double *maxFps) const = 0;
};

} // namespace vysim

#endif // SDK_SIM_FRAMESOURCE_H

// framewriter.h: writes one frame of a simulated sensor into an image buffer in the camera's
// colour mode, with hot pixel correction.
#ifndef SDK_SIM_FRAMEWRITER_H
#define SDK_SIM_FRAMEWRITER_H

#include "sdk/sim/sensormodel.h"

#include <cstdint>
#include <vector>

namespace vysim {

// What a frame needs, taken from the camera while its lock is held.
struct FrameJob
{
    uint64_t index = 0;
    Area area;
    bool lit = false;
    int32_t colorMode = 0;
    std::vector<PixelPos> corrected; // pixels replaced by their neighbours' mean
    const uint8_t *source = nullptr; // a real camera's 8-bit frame of the area, else rendered
    char *memory = nullptr;
    uint32_t bufferWidth = 0;
    uint32_t columns = 0; // of the area, at most the buffer's width
    uint32_t rows = 0;    // of the area, at most the buffer's height
};

// Used by one capture thread at a time; keeps its scratch frame between frames.
class FrameWriter final
{
public:
    // Bits per pixel of a buffer that takes frames in the colour mode.
    static uint32_t bitsPerPixel(int32_t colorMode);

    void write(const SensorModel &model, const FrameJob &job);

private:
    std::vector<uint8_t> m_scratch; // raw frame before conversion to RGB32
};

} // namespace vysim

#endif // SDK_SIM_FRAMEWRITER_H

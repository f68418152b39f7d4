// framewriter.cpp: raw, grey and RGB32 frames of the sensor model.
#include "sdk/sim/framewriter.h"

#include "sdk/vyro_api.h"

#include <cstring>

namespace vysim {

uint32_t FrameWriter::bitsPerPixel(int32_t colorMode)
{
    return colorMode == VY_CM_RGB32 ? 32 : 8;
}

void FrameWriter::write(const SensorModel &model, const FrameJob &job)
{
    const uint32_t columns = job.columns;
    const uint32_t rows = job.rows;
    uint8_t *raw = reinterpret_cast<uint8_t *>(job.memory);
    uint32_t pitch = job.bufferWidth;
    const bool rgb = job.colorMode == VY_CM_RGB32;
    if (rgb) {
        m_scratch.resize(size_t(columns) * rows);
        raw = m_scratch.data();
        pitch = columns;
    }
    if (job.source) {
        for (uint32_t y = 0; y < rows; ++y)
            std::memcpy(raw + size_t(y) * pitch, job.source + size_t(y) * job.area.width, columns);
    } else {
        model.render(job.index, job.area, job.lit, raw, pitch, columns, rows);
    }
    if (!job.corrected.empty())
        model.correct(job.corrected, job.area, raw, pitch, columns, rows);
    if (!rgb)
        return;
    const uint32_t outPitch = job.bufferWidth * 4;
    for (uint32_t y = 0; y < rows; ++y) {
        uint8_t *out = reinterpret_cast<uint8_t *>(job.memory) + size_t(y) * outPitch;
        const uint8_t *in = raw + size_t(y) * pitch;
        for (size_t x = 0; x < columns; ++x) {
            out[4 * x] = out[4 * x + 1] = out[4 * x + 2] = in[x];
            out[4 * x + 3] = 0xFF;
        }
    }
}

} // namespace vysim

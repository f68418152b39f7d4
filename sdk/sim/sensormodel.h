// sensormodel.h: the simulated image sensor: dark (or lit) 8-bit raw frames with a black level,
// noise and a fixed set of hot pixels, all derived from a seed.
#ifndef SDK_SIM_SENSORMODEL_H
#define SDK_SIM_SENSORMODEL_H

#include <cstdint>
#include <vector>

namespace vysim {

struct SensorConfig
{
    uint32_t width = 1280;
    uint32_t height = 1024;
    bool bayer = false;
    uint32_t seed = 1;
    uint32_t hotPixelCount = 0;
    uint8_t blackLevel = 12;
};

struct HotPixel
{
    uint16_t x;
    uint16_t y;
    uint8_t level; // the value the pixel shows in every dark frame
};

struct PixelPos
{
    uint16_t x;
    uint16_t y;
};

// An area of the sensor, in sensor pixels.
struct Area
{
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t width = 0;
    uint32_t height = 0;
};

// Immutable once built, so capture threads share one model without locking.
class SensorModel final
{
public:
    // The noise in a dark frame: black level plus -NoiseAmplitude .. +NoiseAmplitude.
    static constexpr int NoiseAmplitude = 3;

    explicit SensorModel(const SensorConfig &config);

    const SensorConfig &config() const { return m_config; }
    // In generation order; positions are unique and at least three pixels from the border and
    // from each other, so that each has clean neighbours of its own colour.
    const std::vector<HotPixel> &hotPixels() const { return m_hotPixels; }

    // Renders the area of frame `index` into dst (8 bits per pixel, rows `pitch` bytes apart,
    // at most `columns` x `rows` of the area written). The same index always gives the same
    // frame. A lit sensor gives a bright, slightly uneven frame instead of a dark one.
    void render(uint64_t index, const Area &area, bool lit, uint8_t *dst, uint32_t pitch,
                uint32_t columns, uint32_t rows) const;

    // Replaces each listed pixel inside the area by the mean of its nearest same-colour
    // neighbours in the row, as a camera's hot pixel correction does.
    void correct(const std::vector<PixelPos> &pixels, const Area &area, uint8_t *dst,
                 uint32_t pitch, uint32_t columns, uint32_t rows) const;

private:
    void buildNoise();
    void buildHotPixels();
    uint32_t rowOffset(uint64_t index, uint32_t row, bool lit) const;

    SensorConfig m_config;
    // Long runs of precomputed noise; a frame row is a copy from a pseudo-random offset, which
    // keeps a full-size frame at several frames per second far below one core.
    std::vector<uint8_t> m_darkPool;
    std::vector<uint8_t> m_litPool;
    std::vector<HotPixel> m_hotPixels;
    // Hot pixels sorted by row then column, for rendering areas.
    std::vector<HotPixel> m_byRow;
};

} // namespace vysim

#endif // SDK_SIM_SENSORMODEL_H

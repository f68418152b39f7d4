// sensormodel.cpp: deterministic dark frames with noise and hot pixels.
#include "sdk/sim/sensormodel.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace vysim {

namespace {

constexpr uint32_t PoolSize = 1u << 20;
constexpr uint32_t PoolSlack = 65536; // longest row that a copy may take from an offset
constexpr uint32_t Border = 3;

// splitmix64: small, fast, and the same on every platform (unlike the standard distributions).
uint64_t mix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class Random
{
public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    uint64_t next() { return mix(m_state++); }
    uint32_t below(uint32_t n) { return n ? uint32_t(next() % n) : 0; }

private:
    uint64_t m_state;
};

} // namespace

SensorModel::SensorModel(const SensorConfig &config) : m_config(config)
{
    buildNoise();
    buildHotPixels();
}

void SensorModel::buildNoise()
{
    Random random(uint64_t(m_config.seed) << 20 | 0x5EED);
    m_darkPool.resize(PoolSize + PoolSlack);
    m_litPool.resize(PoolSize + PoolSlack);
    for (size_t i = 0; i < m_darkPool.size(); ++i) {
        const uint64_t r = random.next();
        // Two small uniform values: a triangular distribution of -3 .. +3 around the black level.
        const int noise = int(r & 3) + int((r >> 2) & 3) - NoiseAmplitude;
        m_darkPool[i] = uint8_t(std::clamp(int(m_config.blackLevel) + noise, 0, 255));
        m_litPool[i] = uint8_t(150 + (r >> 8) % 61);
    }
}

void SensorModel::buildHotPixels()
{
    const uint32_t w = m_config.width, h = m_config.height;
    if (m_config.hotPixelCount == 0 || w < 2 * Border + 2 || h < 2 * Border + 2)
        return;
    Random random(uint64_t(m_config.seed) * 2654435761u + 17);
    std::unordered_set<uint32_t> taken;
    auto key = [w](uint32_t x, uint32_t y) { return y * w + x; };
    auto clear = [&](uint32_t x, uint32_t y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (taken.count(key(uint32_t(int(x) + dx), uint32_t(int(y) + dy))))
                    return false;
        return true;
    };
    // A sensor has room for only so many separated hot pixels: give up once places keep
    // being taken instead of searching forever.
    uint32_t misses = 0;
    while (m_hotPixels.size() < m_config.hotPixelCount && misses < 10000) {
        const uint32_t x = Border + random.below(w - 2 * Border);
        const uint32_t y = Border + random.below(h - 2 * Border);
        if (!clear(x, y)) {
            ++misses;
            continue;
        }
        misses = 0;
        taken.insert(key(x, y));
        // Varied strength: half far above any threshold, some moderate, some faint ones close
        // to the usual thresholds.
        const uint32_t kind = random.below(10);
        uint32_t level;
        if (kind < 5)
            level = 120 + random.below(136);
        else if (kind < 8)
            level = 60 + random.below(60);
        else
            level = 25 + random.below(35);
        m_hotPixels.push_back({uint16_t(x), uint16_t(y), uint8_t(level)});
    }
    m_byRow = m_hotPixels;
    std::sort(m_byRow.begin(), m_byRow.end(), [](const HotPixel &a, const HotPixel &b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
}

uint32_t SensorModel::rowOffset(uint64_t index, uint32_t row, bool lit) const
{
    const uint64_t k =
        mix((index << 24) ^ (uint64_t(row) << 1) ^ (lit ? 1 : 0) ^ (uint64_t(m_config.seed) << 44));
    return uint32_t(k % PoolSize);
}

void SensorModel::render(uint64_t index, const Area &area, bool lit, uint8_t *dst, uint32_t pitch,
                         uint32_t columns, uint32_t rows) const
{
    if (area.x >= PoolSlack)
        return;
    columns = std::min({columns, area.width, PoolSlack - area.x});
    rows = std::min(rows, area.height);
    const std::vector<uint8_t> &pool = lit ? m_litPool : m_darkPool;
    for (uint32_t r = 0; r < rows; ++r) {
        const uint32_t sensorRow = area.y + r;
        // The offset depends on the sensor row, so an area shows the same noise as the full
        // frame at the same place.
        const uint8_t *src = pool.data() + rowOffset(index, sensorRow, lit);
        std::memcpy(dst + size_t(r) * pitch, src + area.x, columns);
    }
    if (lit)
        return;
    const auto first = std::lower_bound(m_byRow.begin(), m_byRow.end(), area.y,
                                        [](const HotPixel &p, uint32_t y) { return p.y < y; });
    for (auto p = first; p != m_byRow.end() && p->y < area.y + rows; ++p) {
        if (p->x < area.x || p->x >= area.x + columns)
            continue;
        dst[size_t(p->y - area.y) * pitch + (p->x - area.x)] = p->level;
    }
}

void SensorModel::correct(const std::vector<PixelPos> &pixels, const Area &area, uint8_t *dst,
                          uint32_t pitch, uint32_t columns, uint32_t rows) const
{
    columns = std::min(columns, area.width);
    rows = std::min(rows, area.height);
    const uint32_t step = m_config.bayer ? 2 : 1;
    for (const PixelPos &p : pixels) {
        if (p.x < area.x || p.y < area.y)
            continue;
        const uint32_t x = p.x - area.x, y = p.y - area.y;
        if (x >= columns || y >= rows)
            continue;
        uint8_t *row = dst + size_t(y) * pitch;
        uint32_t sum = 0, n = 0;
        if (x >= step) {
            sum += row[x - step];
            ++n;
        }
        if (x + step < columns) {
            sum += row[x + step];
            ++n;
        }
        if (n)
            row[x] = uint8_t(sum / n);
    }
}

} // namespace vysim

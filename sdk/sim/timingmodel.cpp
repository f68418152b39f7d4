// timingmodel.cpp: line-based timing of the simulated sensor.
#include "sdk/sim/timingmodel.h"

#include <algorithm>
#include <cmath>

namespace vysim {

TimingModel::TimingModel(int32_t clockMin, int32_t clockMax, int32_t clockDefault)
    : m_clockMin(std::max(1, clockMin)), m_clockMax(std::max(m_clockMin, clockMax)),
      m_clockDefault(std::clamp(clockDefault, m_clockMin, m_clockMax)), m_clock(m_clockDefault)
{
    m_frameLines = minLines();
    // A 10 ms exposure to start with, as far as the fastest frame allows.
    setExposure(10.0);
}

void TimingModel::setArea(uint32_t width, uint32_t height)
{
    const double frame = frameTime(), exposureMs = exposure();
    m_width = std::max(1u, width);
    m_height = std::max(1u, height);
    setFrameRate(1.0 / frame);
    setExposure(exposureMs);
}

bool TimingModel::setClock(int32_t mhz)
{
    if (mhz < m_clockMin || mhz > m_clockMax)
        return false;
    const double frame = frameTime(), exposureMs = exposure();
    m_clock = mhz;
    setFrameRate(1.0 / frame);
    setExposure(exposureMs);
    return true;
}

uint32_t TimingModel::minLines() const
{
    return m_height + VerticalBlank;
}

double TimingModel::lineTime() const
{
    return double(m_width + HorizontalBlank) / (double(m_clock) * 1e6);
}

double TimingModel::minFrameTime() const
{
    return minLines() * lineTime();
}

double TimingModel::maxFrameTime() const
{
    return std::max(MaxFrameLines, 2 * minLines()) * lineTime();
}

double TimingModel::frameTime() const
{
    return m_frameLines * lineTime();
}

double TimingModel::setFrameRate(double fps)
{
    const uint32_t lo = minLines(), hi = std::max(MaxFrameLines, 2 * minLines());
    uint32_t lines = hi;
    if (fps > 0 && std::isfinite(fps)) {
        const double wanted = 1.0 / (fps * lineTime());
        lines = wanted >= hi ? hi : uint32_t(std::lround(std::max(wanted, double(lo))));
    }
    m_frameLines = std::clamp(lines, lo, hi);
    keepWithinRanges();
    return frameRate();
}

double TimingModel::minExposure() const
{
    return exposureStep();
}

double TimingModel::maxExposure() const
{
    return (m_frameLines - ExposureMarginLines) * exposureStep();
}

double TimingModel::exposure() const
{
    return m_exposureLines * exposureStep();
}

double TimingModel::setExposure(double ms)
{
    const uint32_t hi = m_frameLines - ExposureMarginLines;
    uint32_t lines = 1;
    if (ms > 0 && std::isfinite(ms)) {
        const double wanted = ms / exposureStep();
        lines = wanted >= hi ? hi : uint32_t(std::max(1l, std::lround(wanted)));
    }
    m_exposureLines = std::clamp(lines, 1u, hi);
    return exposure();
}

void TimingModel::keepWithinRanges()
{
    m_exposureLines = std::clamp(m_exposureLines, 1u, m_frameLines - ExposureMarginLines);
}

} // namespace vysim

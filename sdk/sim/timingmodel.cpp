// timingmodel.cpp: line-based timing of the simulated sensor.
#include "sdk/sim/timingmodel.h"

#include <algorithm>
#include <cmath>

namespace vysim {

TimingModel::TimingModel(int32_t clockMin, int32_t clockMax, int32_t clockDefault)
    : clockMin_(std::max(1, clockMin)), clockMax_(std::max(clockMin_, clockMax)),
      clockDefault_(std::clamp(clockDefault, clockMin_, clockMax_)), clock_(clockDefault_)
{
    frameLines_ = minLines();
    // A 10 ms exposure to start with, as far as the fastest frame allows.
    setExposure(10.0);
}

void TimingModel::setArea(uint32_t width, uint32_t height)
{
    const double frame = frameTime(), exposureMs = exposure();
    width_ = std::max(1u, width);
    height_ = std::max(1u, height);
    setFrameRate(1.0 / frame);
    setExposure(exposureMs);
}

bool TimingModel::setClock(int32_t mhz)
{
    if (mhz < clockMin_ || mhz > clockMax_)
        return false;
    const double frame = frameTime(), exposureMs = exposure();
    clock_ = mhz;
    setFrameRate(1.0 / frame);
    setExposure(exposureMs);
    return true;
}

uint32_t TimingModel::minLines() const
{
    return height_ + VerticalBlank;
}

double TimingModel::lineTime() const
{
    return double(width_ + HorizontalBlank) / (double(clock_) * 1e6);
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
    return frameLines_ * lineTime();
}

double TimingModel::setFrameRate(double fps)
{
    const uint32_t lo = minLines(), hi = std::max(MaxFrameLines, 2 * minLines());
    uint32_t lines = hi;
    if (fps > 0 && std::isfinite(fps)) {
        const double wanted = 1.0 / (fps * lineTime());
        lines = wanted >= hi ? hi : uint32_t(std::lround(std::max(wanted, double(lo))));
    }
    frameLines_ = std::clamp(lines, lo, hi);
    keepWithinRanges();
    return frameRate();
}

double TimingModel::minExposure() const
{
    return exposureStep();
}

double TimingModel::maxExposure() const
{
    return (frameLines_ - ExposureMarginLines) * exposureStep();
}

double TimingModel::exposure() const
{
    return exposureLines_ * exposureStep();
}

double TimingModel::setExposure(double ms)
{
    const uint32_t hi = frameLines_ - ExposureMarginLines;
    uint32_t lines = 1;
    if (ms > 0 && std::isfinite(ms)) {
        const double wanted = ms / exposureStep();
        lines = wanted >= hi ? hi : uint32_t(std::max(1l, std::lround(wanted)));
    }
    exposureLines_ = std::clamp(lines, 1u, hi);
    return exposure();
}

void TimingModel::keepWithinRanges()
{
    exposureLines_ = std::clamp(exposureLines_, 1u, frameLines_ - ExposureMarginLines);
}

} // namespace vysim

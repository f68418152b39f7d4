// timingmodel.h: pixel clock, frame time and exposure of a simulated sensor, and how each
// range follows from the others.
#ifndef SDK_SIM_TIMINGMODEL_H
#define SDK_SIM_TIMINGMODEL_H

#include <cstdint>

namespace vysim {

// A sensor reads one line in (width + HorizontalBlank) pixel clocks; a frame takes at least
// (height + VerticalBlank) lines and at most MaxFrameLines lines (the frame length counter), so a
// lower pixel clock gives both slower minimum and slower maximum frame rates. The exposure runs
// within the frame, in whole lines.
class TimingModel final
{
public:
    static constexpr uint32_t HorizontalBlank = 208;
    static constexpr uint32_t VerticalBlank = 32;
    static constexpr uint32_t MaxFrameLines = 16383;
    static constexpr uint32_t ExposureMarginLines = 2;

    TimingModel(int32_t clockMin, int32_t clockMax, int32_t clockDefault);

    // The area being read; a smaller one reads faster. The frame and exposure are kept as far
    // as the new ranges allow.
    void setArea(uint32_t width, uint32_t height);

    int32_t clockMin() const { return m_clockMin; }
    int32_t clockMax() const { return m_clockMax; }
    int32_t clockDefault() const { return m_clockDefault; }
    int32_t clock() const { return m_clock; }
    // False (and nothing changed) when the clock is outside the range.
    bool setClock(int32_t mhz);

    // Seconds.
    double lineTime() const;
    double minFrameTime() const;
    double maxFrameTime() const;
    double frameTime() const;
    double frameRate() const { return 1.0 / frameTime(); }
    // Clamps into the range (0 or less: the slowest rate) and returns the rate set.
    double setFrameRate(double fps);

    // Milliseconds.
    double minExposure() const;
    double maxExposure() const;
    double exposureStep() const { return lineTime() * 1000.0; }
    double exposure() const;
    // Clamps into the range and returns the exposure set.
    double setExposure(double ms);

private:
    uint32_t minLines() const;
    void keepWithinRanges();

    int32_t m_clockMin;
    int32_t m_clockMax;
    int32_t m_clockDefault;
    int32_t m_clock;
    uint32_t m_width = 1280;
    uint32_t m_height = 1024;
    uint32_t m_frameLines = 0;
    uint32_t m_exposureLines = 0;
};

} // namespace vysim

#endif // SDK_SIM_TIMINGMODEL_H

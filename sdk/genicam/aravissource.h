// aravissource.h: the frames and controls of a standard camera, through Aravis.
#ifndef SDK_GENICAM_ARAVISSOURCE_H
#define SDK_GENICAM_ARAVISSOURCE_H

#include "sdk/sim/framesource.h"

#include <QString>

#include <functional>
#include <memory>
#include <mutex>

typedef struct _ArvCamera ArvCamera;
typedef struct _ArvStream ArvStream;

namespace vygenicam {

// Holds the camera's control channel from open to destruction. Frames arrive in the camera's
// pixel format (8-bit grey or Bayer, or deeper, reduced to their upper 8 bits).
class AravisSource final : public vysim::FrameSource
{
public:
    // Null when the camera cannot be opened or another application holds it. closed runs when
    // the source is destroyed.
    static std::unique_ptr<AravisSource> open(const QString &id, std::function<void()> closed);
    ~AravisSource() override;
    AravisSource(const AravisSource &) = delete;
    AravisSource &operator=(const AravisSource &) = delete;

    bool start() override;
    void stop() override;
    bool read(const vysim::Area &area, uint8_t *dst, uint32_t pitch, uint32_t columns,
              uint32_t rows, int timeoutMs) override;
    double setExposure(double ms) override;
    double exposure() const override;
    double setFrameRate(double fps) override;
    double frameRate() const override;
    void setGain(int32_t percent) override;
    void exposureRange(double *minMs, double *maxMs) const override;
    void frameRateRange(double *minFps, double *maxFps) const override;

private:
    AravisSource(ArvCamera *camera, std::function<void()> closed);

    ArvCamera *m_camera;
    std::function<void()> m_closed;
    // Serialises the camera's features; read() does not hold it while it waits.
    mutable std::mutex m_mutex;
    ArvStream *m_stream = nullptr; // while acquiring
    int m_shift = 0;               // bits dropped from each pixel
    int m_bytesPerPixel = 1;
};

} // namespace vygenicam

#endif // SDK_GENICAM_ARAVISSOURCE_H

// Averages a run of 8-bit frames per colour plane into matrices for hot pixel detection.
#ifndef DAPPLIX_DETECTION_BADPIXELDETECTOR_H
#define DAPPLIX_DETECTION_BADPIXELDETECTOR_H

#include "dapplix/detection/matrix.h"
#include "dapplix/detection/pixelpattern.h"

#include <QImage>
#include <QObject>
#include <QVector>
#include <memory>
#include <stdexcept>
#include <vector>

class BadpixelDetector : public QObject
{
    Q_OBJECT
public:
    class ErrColorMode : public std::runtime_error
    {
    public:
        ErrColorMode();
    };

    static constexpr PixelPattern monoPattern{0, 0, 1, 1};
    // Plane 0 even x even y, 1 even x odd y, 2 odd x even y, 3 odd x odd y.
    static constexpr PixelPattern bayerPattern[4] = {
        {0, 0, 2, 2}, {0, 1, 2, 2}, {1, 0, 2, 2}, {1, 1, 2, 2}};

    // A plane holds the truncated per-pixel means, which never exceed the 8-bit pixel values.
    using Plane = Matrix<quint8>;

    explicit BadpixelDetector(QObject *parent = nullptr);
    ~BadpixelDetector() override;

    // The frames are borrowed and must outlive the detection.
    void setImages(int mode, const QVector<QImage> *frames);
    // Fills the plane matrices with the truncated per-pixel means of the frames; throws
    // std::runtime_error (emitting detectionFinished first) on bad input.
    void accumulate();

    const Plane *monoPlane() const { return m_monoMatrix.get(); }
    // The truncated mean of a plane's elements (plane 0 for mono), taken while filling it.
    unsigned planeMean(int plane) const { return m_means[plane]; }
    const Plane *bayerPlane(int plane) const { return m_bayerMatrix[plane].get(); }

signals:
    void detectionFinished();

protected:
    int m_colorMode = 0;
    const QVector<QImage> *m_images = nullptr;
    std::unique_ptr<Plane> m_monoMatrix;
    std::unique_ptr<Plane> m_bayerMatrix[4];
    unsigned m_means[4] = {0, 0, 0, 0};
    // The largest element of each row of a plane: rows without a hot pixel need no second look.
    std::vector<unsigned> m_rowMaxima[4];

private:
    Q_DISABLE_COPY(BadpixelDetector)

    void accumulateImages();
    // Fills each plane with the per-pixel means of its pattern's pixels over the frames.
    void fillPlanes(Plane *const *planes, const PixelPattern *patterns, int count);
    // Fills plane index, and when partner is not -1 that plane too, which lies beside it in the
    // same rows. Sum holds the sum of all frames' values of a pixel: 16 bits for up to 256 frames.
    template <typename Sum>
    void fillPlane(Plane *const *planes, const PixelPattern *patterns, int index, int partner);
};

#endif // DAPPLIX_DETECTION_BADPIXELDETECTOR_H

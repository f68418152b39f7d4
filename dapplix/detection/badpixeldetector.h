// Averages a run of 8-bit frames per colour plane into matrices for hot pixel detection.
#ifndef DAPPLIX_DETECTION_BADPIXELDETECTOR_H
#define DAPPLIX_DETECTION_BADPIXELDETECTOR_H

#include "dapplix/detection/copyiterator.h"
#include "dapplix/detection/matrix.h"
#include "dapplix/detection/pixelpattern.h"
#include "dapplix/detection/sumiterator.h"

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

    explicit BadpixelDetector(QObject *parent = nullptr);
    ~BadpixelDetector() override;

    // The frames are borrowed and must outlive the detection.
    void setImages(int colorMode, const QVector<QImage> *images);
    // Fills the plane matrices with the truncated per-pixel means of the frames; throws
    // std::runtime_error (emitting detectionFinished first) on bad input.
    void accumulate();

    const Matrix<unsigned> *monoPlane() const { return m_monoMatrix.get(); }
    // The truncated mean of a plane's elements (plane 0 for mono), taken while filling it.
    unsigned planeMean(int plane) const { return m_means[plane]; }
    const Matrix<unsigned> *bayerPlane(int plane) const { return m_bayerMatrix[plane].get(); }

signals:
    void detectionFinished();

protected:
    int m_colorMode = 0;
    const QVector<QImage> *m_images = nullptr;
    std::unique_ptr<Matrix<unsigned>> m_monoMatrix;
    std::unique_ptr<Matrix<unsigned>> m_bayerMatrix[4];
    unsigned m_means[4] = {0, 0, 0, 0};
    // The largest element of each row of a plane: rows without a hot pixel need no second look.
    std::vector<unsigned> m_rowMaxima[4];

private:
    Q_DISABLE_COPY(BadpixelDetector)

    void accumulateImages();
    // Fills each matrix with the per-pixel means of its pattern's pixels over the frames.
    void fillPlanes(Matrix<unsigned> *const *matrices, const PixelPattern *patterns, int count);
    // Small: at most 256 frames (see AverageIterator).
    template <bool Small>
    void sumPlanes(Matrix<unsigned> *const *matrices, const PixelPattern *patterns, int count);
    // Copies frame 0 into count matrix rows from top on and adds the other frames.
    template <unsigned Step>
    void walkFrames(Matrix<unsigned> &matrix, const PixelPattern &pattern, CopyIterator &copy,
                    SumIterator &sum, unsigned top, unsigned count);
};

#endif // DAPPLIX_DETECTION_BADPIXELDETECTOR_H

// Averages a run of 8-bit frames per colour plane into matrices for hot pixel detection.
#include "dapplix/detection/badpixeldetector.h"

#include "dapplix/detection/averageiterator.h"
#include "dapplix/detection/imagevalueiterator.h"
#include "sdk/vyro_api.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The frames' rows of one block of matrix rows should stay in the cache while every frame is
// summed into the block, so each frame is read from memory once.
constexpr size_t blockBytes = 256 * 1024;

std::runtime_error error(const char *text)
{
    return std::runtime_error(QCoreApplication::translate("BadpixelDetector", text).toStdString());
}

} // namespace

template <unsigned Step>
void BadpixelDetector::walkFrames(Matrix<unsigned> &matrix, const PixelPattern &pattern,
                                  CopyIterator &copy, SumIterator &sum, unsigned top,
                                  unsigned count)
{
    ImageValueIterator<CopyIterator, Step> copier(m_images->first(), pattern, copy, top);
    matrix.foreach(copier, top, count);
    for (int i = 1; i < m_images->size(); ++i) {
        ImageValueIterator<SumIterator, Step> adder(m_images->at(i), pattern, sum, top);
        matrix.foreach(adder, top, count);
    }
}

BadpixelDetector::ErrColorMode::ErrColorMode()
    : std::runtime_error(
          QCoreApplication::translate("BadpixelDetector",
                                      "Color mode for hot pixel detection not supported.")
              .toStdString())
{
}

BadpixelDetector::BadpixelDetector(QObject *parent) : QObject(parent)
{
}

BadpixelDetector::~BadpixelDetector() = default;

void BadpixelDetector::setImages(int mode, const QVector<QImage> *frames)
{
    m_colorMode = mode;
    m_images = frames;
}

void BadpixelDetector::accumulate()
{
    try {
        accumulateImages();
    } catch (...) {
        emit detectionFinished();
        throw;
    }
}

void BadpixelDetector::accumulateImages()
{
    if (!m_images || m_images->isEmpty())
        throw error(
            QT_TRANSLATE_NOOP("BadpixelDetector", "No images acquired for hot pixel detection."));
    const QImage &first = m_images->first();
    if (first.format() != QImage::Format_Indexed8)
        throw error(QT_TRANSLATE_NOOP("BadpixelDetector",
                                      "Image format for hot pixel detection not supported."));
    const unsigned width = unsigned(first.width());
    const unsigned height = unsigned(first.height());
    if (m_colorMode == VY_CM_BAYER_RG8) {
        Matrix<unsigned> *planes[4];
        for (int plane = 0; plane < 4; ++plane) {
            m_bayerMatrix[plane] = std::make_unique<Matrix<unsigned>>(
                height / 2, width / 2, Matrix<unsigned>::Uninitialised{});
            planes[plane] = m_bayerMatrix[plane].get();
        }
        fillPlanes(planes, bayerPattern, 4);
    } else if (m_colorMode == VY_CM_MONO8) {
        m_monoMatrix =
            std::make_unique<Matrix<unsigned>>(height, width, Matrix<unsigned>::Uninitialised{});
        Matrix<unsigned> *plane = m_monoMatrix.get();
        fillPlanes(&plane, &monoPattern, 1);
    } else {
        throw ErrColorMode();
    }
}

void BadpixelDetector::fillPlanes(Matrix<unsigned> *const *matrices, const PixelPattern *patterns,
                                  int count)
{
    const QImage &first = m_images->first();
    for (const QImage &frame : *m_images) {
        if (frame.width() != first.width() || frame.height() != first.height())
            throw error(
                QT_TRANSLATE_NOOP("BadpixelDetector", "Aqcuired images are not the same size."));
        // Later frames are read as 8-bit pixels too.
        if (frame.format() != QImage::Format_Indexed8)
            throw error(QT_TRANSLATE_NOOP("BadpixelDetector",
                                          "Image format for hot pixel detection not supported."));
    }
    if (m_images->size() <= 256)
        sumPlanes<true>(matrices, patterns, count);
    else
        sumPlanes<false>(matrices, patterns, count);
}

template <bool Small>
void BadpixelDetector::sumPlanes(Matrix<unsigned> *const *matrices, const PixelPattern *patterns,
                                 int count)
{
    // The planes share the rows of a block: all of them are filled before the next block, so
    // each frame row comes from memory once. Every plane has the same number of rows.
    const QImage &first = m_images->first();
    const size_t frameRowBytes = size_t(first.bytesPerLine()) * patterns[0].stepY;
    const unsigned block =
        unsigned(std::max<size_t>(1, blockBytes / (frameRowBytes * size_t(m_images->size()) + 1)));
    CopyIterator copy;
    SumIterator sum;
    std::vector<AverageIterator<Small>> average;
    for (int plane = 0; plane < count; ++plane) {
        m_rowMaxima[plane].clear();
        m_rowMaxima[plane].reserve(matrices[plane]->rows());
        average.emplace_back(unsigned(m_images->size()), m_rowMaxima[plane]);
    }
    for (unsigned top = 0; top < matrices[0]->rows(); top += block) {
        for (int plane = 0; plane < count; ++plane) {
            Matrix<unsigned> &matrix = *matrices[plane];
            const PixelPattern &pattern = patterns[plane];
            switch (pattern.stepX) {
            case 1:
                walkFrames<1>(matrix, pattern, copy, sum, top, block);
                break;
            case 2:
                walkFrames<2>(matrix, pattern, copy, sum, top, block);
                break;
            default:
                walkFrames<0>(matrix, pattern, copy, sum, top, block);
                break;
            }
            // Averaged while the block is still in the cache: saves a pass over the plane.
            matrix.foreach(average[size_t(plane)], top, block);
        }
    }
    for (int plane = 0; plane < count; ++plane)
        m_means[plane] = average[size_t(plane)].mean();
}

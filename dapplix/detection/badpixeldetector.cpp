// Averages a run of 8-bit frames per colour plane into matrices for hot pixel detection.
#include "badpixeldetector.h"

#include "copyiterator.h"
#include "diviterator.h"
#include "imagevalueiterator.h"
#include "sumiterator.h"
#include "vyro_api.h"

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
    colorMode = mode;
    images = frames;
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
    if (!images || images->isEmpty())
        throw error(
            QT_TRANSLATE_NOOP("BadpixelDetector", "No images acquired for hot pixel detection."));
    const QImage &first = images->first();
    if (first.format() != QImage::Format_Indexed8)
        throw error(QT_TRANSLATE_NOOP("BadpixelDetector",
                                      "Image format for hot pixel detection not supported."));
    const unsigned width = unsigned(first.width());
    const unsigned height = unsigned(first.height());
    if (colorMode == VY_CM_BAYER_RG8) {
        for (int plane = 0; plane < 4; ++plane) {
            bayerMatrix[plane] = std::make_unique<Matrix<unsigned>>(height / 2, width / 2);
            fillPlane(*bayerMatrix[plane], bayerPattern[plane]);
        }
    } else if (colorMode == VY_CM_MONO8) {
        monoMatrix = std::make_unique<Matrix<unsigned>>(height, width);
        fillPlane(*monoMatrix, monoPattern);
    } else {
        throw ErrColorMode();
    }
}

void BadpixelDetector::fillPlane(Matrix<unsigned> &matrix, const PixelPattern &pattern)
{
    const QImage &first = images->first();
    for (const QImage &frame : *images) {
        if (frame.width() != first.width() || frame.height() != first.height())
            throw error(
                QT_TRANSLATE_NOOP("BadpixelDetector", "Aqcuired images are not the same size."));
        // Later frames are read as 8-bit pixels too.
        if (frame.format() != QImage::Format_Indexed8)
            throw error(QT_TRANSLATE_NOOP("BadpixelDetector",
                                          "Image format for hot pixel detection not supported."));
    }
    const size_t frameRowBytes = size_t(first.bytesPerLine()) * pattern.stepY;
    const unsigned block =
        unsigned(std::max<size_t>(1, blockBytes / (frameRowBytes * size_t(images->size()) + 1)));
    CopyIterator copy;
    SumIterator sum;
    DivIterator div(unsigned(images->size()));
    for (unsigned top = 0; top < matrix.rows(); top += block) {
        ImageValueIterator<CopyIterator> copier(first, pattern, copy, top);
        matrix.foreach (copier, top, block);
        for (int i = 1; i < images->size(); ++i) {
            ImageValueIterator<SumIterator> adder(images->at(i), pattern, sum, top);
            matrix.foreach (adder, top, block);
        }
        matrix.foreach (div, top, block);
    }
}

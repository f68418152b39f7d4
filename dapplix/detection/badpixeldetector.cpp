// Averages a run of 8-bit frames per colour plane into matrices for hot pixel detection.
#include "dapplix/detection/badpixeldetector.h"

#include "dapplix/detection/diviterator.h"
#include "sdk/vyro_api.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>

namespace {

std::runtime_error error(const char *text)
{
    return std::runtime_error(QCoreApplication::translate("BadpixelDetector", text).toStdString());
}

// Adds count pixels, step bytes apart, to the sums (the first frame sets them). Plain loops over
// a row: with the step known at compile time the compiler vectorises them.
template <size_t Step, typename Sum>
void addRow(Sum *sums, const uchar *pixels, size_t count, bool first, size_t step = Step)
{
    if (Step)
        step = Step;
    if (first)
        for (size_t x = 0; x < count; ++x)
            sums[x] = Sum(pixels[x * step]);
    else
        for (size_t x = 0; x < count; ++x)
            sums[x] = Sum(sums[x] + pixels[x * step]);
}

// The same for two planes side by side in a row (Bayer columns): one read of the row feeds both.
template <typename Sum>
void addRowPair(Sum *even, Sum *odd, const uchar *pixels, size_t count, bool first)
{
    if (first)
        for (size_t x = 0; x < count; ++x) {
            even[x] = Sum(pixels[2 * x]);
            odd[x] = Sum(pixels[2 * x + 1]);
        }
    else
        for (size_t x = 0; x < count; ++x) {
            even[x] = Sum(even[x] + pixels[2 * x]);
            odd[x] = Sum(odd[x] + pixels[2 * x + 1]);
        }
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
        Plane *planes[4];
        for (int plane = 0; plane < 4; ++plane) {
            m_bayerMatrix[plane] =
                std::make_unique<Plane>(height / 2, width / 2, Plane::Uninitialised{});
            planes[plane] = m_bayerMatrix[plane].get();
        }
        fillPlanes(planes, bayerPattern, 4);
    } else if (m_colorMode == VY_CM_MONO8) {
        m_monoMatrix = std::make_unique<Plane>(height, width, Plane::Uninitialised{});
        Plane *plane = m_monoMatrix.get();
        fillPlanes(&plane, &monoPattern, 1);
    } else {
        throw ErrColorMode();
    }
}

void BadpixelDetector::fillPlanes(Plane *const *planes, const PixelPattern *patterns, int count)
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
    // Two planes side by side in the same rows (Bayer columns) are filled together, so that
    // each frame row is read once.
    bool filled[4] = {false, false, false, false};
    for (int plane = 0; plane < count; ++plane) {
        if (filled[plane])
            continue;
        int partner = -1;
        for (int other = plane + 1; other < count && partner < 0; ++other)
            if (patterns[plane].startX == 0 && patterns[plane].stepX == 2 &&
                patterns[other].startX == 1 && patterns[other].stepX == 2 &&
                patterns[other].startY == patterns[plane].startY &&
                patterns[other].stepY == patterns[plane].stepY &&
                planes[other]->cols() == planes[plane]->cols())
                partner = other;
        if (m_images->size() <= 256)
            fillPlane<quint16>(planes, patterns, plane, partner);
        else
            fillPlane<quint32>(planes, patterns, plane, partner);
        filled[plane] = true;
        if (partner >= 0)
            filled[partner] = true;
    }
}

template <typename Sum>
void BadpixelDetector::fillPlane(Plane *const *planes, const PixelPattern *patterns, int index,
                                 int partner)
{
    // A plane row at a time: the frames' rows are summed into one row of sums that stays in the
    // cache, so no matrix of sums is ever allocated, and each frame row is read once.
    const PixelPattern &pattern = patterns[index];
    const int frames = m_images->size();
    const size_t cols = planes[index]->cols();
    std::vector<Sum> sums(cols);
    std::vector<Sum> partnerSums(partner >= 0 ? cols : 0);
    // Up to 256 frames a sum is at most 255 n, and the product with this rounded-up reciprocal
    // stays below 2^32 and truncates exactly; more frames take the exact division.
    const uint32_t multiplier = (1u << 24) / unsigned(frames) + 1;
    DivIterator divide{unsigned(frames)};
    uint64_t totals[2] = {0, 0};
    m_rowMaxima[index].clear();
    m_rowMaxima[index].reserve(planes[index]->rows());
    if (partner >= 0) {
        m_rowMaxima[partner].clear();
        m_rowMaxima[partner].reserve(planes[partner]->rows());
    }
    // Means of one row of sums into the plane, with the row's sum and largest mean.
    const auto finishRow = [&](const Sum *rowSums, Plane &plane, unsigned r, int which) {
        quint8 *means = plane.row(r);
        if (sizeof(Sum) == 2) {
            for (size_t x = 0; x < cols; ++x)
                means[x] = quint8(uint32_t(rowSums[x]) * multiplier >> 24);
        } else {
            for (size_t x = 0; x < cols; ++x) {
                unsigned value = rowSums[x];
                divide(value);
                means[x] = quint8(value);
            }
        }
        // Sum and largest in a loop of their own, which vectorises as a reduction.
        uint32_t rowSum = 0;
        quint8 largest = 0;
        for (size_t x = 0; x < cols; ++x) {
            rowSum += means[x];
            largest = std::max(largest, means[x]);
        }
        totals[which] += rowSum;
        m_rowMaxima[which ? partner : index].push_back(largest);
    };
    for (unsigned r = 0; r < planes[index]->rows(); ++r) {
        const int y = int(pattern.startY + size_t(r) * pattern.stepY);
        for (int f = 0; f < frames; ++f) {
            const uchar *row = m_images->at(f).constScanLine(y);
            if (partner >= 0)
                addRowPair(sums.data(), partnerSums.data(), row, cols, f == 0);
            else if (pattern.stepX == 1)
                addRow<1>(sums.data(), row + pattern.startX, cols, f == 0);
            else if (pattern.stepX == 2)
                addRow<2>(sums.data(), row + pattern.startX, cols, f == 0);
            else
                addRow<0>(sums.data(), row + pattern.startX, cols, f == 0, pattern.stepX);
        }
        finishRow(sums.data(), *planes[index], r, 0);
        if (partner >= 0)
            finishRow(partnerSums.data(), *planes[partner], r, 1);
    }
    const uint64_t count = uint64_t(planes[index]->rows()) * cols;
    m_means[index] = count ? unsigned(totals[0] / count) : 0;
    if (partner >= 0)
        m_means[partner] = count ? unsigned(totals[1] / count) : 0;
}

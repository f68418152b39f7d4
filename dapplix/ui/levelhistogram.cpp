// levelhistogram.cpp: the per-plane means and the level counts of a frame or of frame averages.
#include "dapplix/ui/levelhistogram.h"

#include <algorithm>

namespace {

constexpr int bayerMode = 11;
constexpr int monoMode = 6;

} // namespace

LevelHistogram LevelHistogram::fromFrame(const QImage &frame, int colorMode)
{
    LevelHistogram h;
    if (frame.isNull() || frame.depth() != 8 || (colorMode != bayerMode && colorMode != monoMode))
        return h;
    const bool bayer = colorMode == bayerMode;
    const int step = bayer ? 2 : 1;
    // The Bayer planes cover the even part of the frame, as the detection's plane walk does.
    const int width = frame.width() / step * step;
    const int height = frame.height() / step * step;
    if (width == 0 || height == 0)
        return h;
    const int planes = bayer ? 4 : 1;

    // Plane p = (x mod 2) × 2 + (y mod 2) for Bayer data.
    quint64 sums[4] = {};
    quint64 counts[4] = {};
    for (int y = 0; y < height; ++y) {
        const uchar *row = frame.constScanLine(y);
        const int rowPlane = bayer ? y % 2 : 0;
        if (bayer) {
            quint64 even = 0, odd = 0;
            for (int x = 0; x < width; x += 2) {
                even += row[x];
                odd += row[x + 1];
            }
            sums[rowPlane] += even;
            sums[2 + rowPlane] += odd;
            counts[rowPlane] += quint64(width / 2);
            counts[2 + rowPlane] += quint64(width / 2);
        } else {
            quint64 sum = 0;
            for (int x = 0; x < width; ++x)
                sum += row[x];
            sums[0] += sum;
            counts[0] += quint64(width);
        }
    }
    h.m_means.resize(planes);
    for (int p = 0; p < planes; ++p)
        h.m_means[p] = unsigned(sums[p] / counts[p]);

    h.m_counts.fill(0, levelCount);
    for (int y = 0; y < height; ++y) {
        const uchar *row = frame.constScanLine(y);
        if (bayer) {
            const unsigned meanEven = h.m_means[y % 2];
            const unsigned meanOdd = h.m_means[2 + y % 2];
            for (int x = 0; x < width; x += 2) {
                if (row[x] > meanEven)
                    ++h.m_counts[int(row[x] - meanEven)];
                if (row[x + 1] > meanOdd)
                    ++h.m_counts[int(row[x + 1] - meanOdd)];
            }
        } else {
            const unsigned mean = h.m_means[0];
            for (int x = 0; x < width; ++x) {
                if (row[x] > mean)
                    ++h.m_counts[int(row[x] - mean)];
            }
        }
    }
    h.m_pixels = qint64(width) * height;
    h.m_above.fill(0, levelCount);
    for (int level = levelCount - 2; level >= 0; --level)
        h.m_above[level] = h.m_above[level + 1] + h.m_counts[level + 1];
    h.m_maxCount = *std::max_element(h.m_counts.cbegin(), h.m_counts.cend());
    return h;
}

QImage LevelHistogram::averageFrame(const QVector<QImage> &frames)
{
    if (frames.isEmpty())
        return {};
    const QSize size = frames.first().size();
    for (const QImage &f : frames) {
        if (f.isNull() || f.depth() != 8 || f.size() != size)
            return {};
    }
    QImage average(size, QImage::Format_Grayscale8);
    QVector<unsigned> sums(size.width());
    const unsigned n = unsigned(frames.size());
    for (int y = 0; y < size.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (const QImage &f : frames) {
            const uchar *row = f.constScanLine(y);
            for (int x = 0; x < size.width(); ++x)
                sums[x] += row[x];
        }
        uchar *out = average.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            out[x] = uchar(sums[x] / n);
    }
    return average;
}

LevelHistogram LevelHistogram::fromAverage(const QVector<QImage> &frames, int colorMode)
{
    return fromFrame(averageFrame(frames), colorMode);
}

qint64 LevelHistogram::count(int level) const
{
    if (isEmpty() || level < 0 || level >= levelCount)
        return 0;
    return m_counts[level];
}

qint64 LevelHistogram::countAbove(int threshold) const
{
    if (isEmpty() || threshold >= levelCount - 1)
        return 0;
    return m_above[std::max(threshold, 0)];
}

// levelhistogram.h: how far the pixels of a dark frame lie above the mean of their colour plane,
// counted per level, so that a threshold can be judged by the pixels it would find.
#ifndef DAPPLIX_UI_LEVELHISTOGRAM_H
#define DAPPLIX_UI_LEVELHISTOGRAM_H

#include <QImage>
#include <QVector>
#include <QtGlobal>

class LevelHistogram final
{
public:
    // Levels 1 … 255 above the plane mean; level 0 (at or below the mean) is not counted.
    static constexpr int levelCount = 256;

    LevelHistogram() = default;

    // The pixels of one 8-bit frame. Colour mode 11 splits the even part of the frame into its
    // four Bayer planes, colour mode 6 takes the whole frame as one plane; any other mode or a
    // frame that is not 8 bits deep gives an empty histogram.
    static LevelHistogram fromFrame(const QImage &frame, int colorMode);
    // The same for the truncated per-pixel means of frames of one size, as a detection run
    // compares them; frames of another size than the first make the histogram empty.
    static LevelHistogram fromAverage(const QVector<QImage> &frames, int colorMode);
    // The truncated per-pixel mean of the frames as an 8-bit grey image; null when the frames
    // are empty, not 8 bits deep or not of one size.
    static QImage averageFrame(const QVector<QImage> &frames);

    bool isEmpty() const { return m_pixels == 0; }
    // Every pixel of the planes, also those at or below their mean.
    qint64 pixelCount() const { return m_pixels; }
    // The mean of each plane (sum ÷ count, truncated): one for mono, four for Bayer in the
    // order even x even y, even x odd y, odd x even y, odd x odd y.
    QVector<unsigned> planeMeans() const { return m_means; }
    // The pixels exactly level above their plane mean.
    qint64 count(int level) const;
    // The pixels strictly more than threshold above their plane mean: those a detection with
    // this threshold would find.
    qint64 countAbove(int threshold) const;
    // The largest count of a single level.
    qint64 maxCount() const { return m_maxCount; }

private:
    QVector<qint64> m_counts;
    // m_above[t] = sum of the counts of the levels above t.
    QVector<qint64> m_above;
    QVector<unsigned> m_means;
    qint64 m_pixels = 0;
    qint64 m_maxCount = 0;
};

#endif // DAPPLIX_UI_LEVELHISTOGRAM_H

// tst_levelhistogram.cpp: the level histogram of known frames: plane means, counts per level,
// pixels above a threshold, the averages of several frames, and agreement with the detection.
#include <QtTest>

#include <algorithm>

#include "dapplix/detection/hotpixeldetector.h"
#include "dapplix/ui/levelhistogram.h"
#include "sdk/vyro_api.h"
#include "tests/support/greyframe.h"
#include "tests/support/testmain.h"

namespace {

// level → count, for every level that holds pixels.
using Counts = QMap<int, int>;

// A pixel list of (x, y, value), for data rows.
using Pixels = QVector<QVector<int>>;

QImage paint(QImage image, const Pixels &pixels)
{
    for (const QVector<int> &p : pixels)
        image.scanLine(p[1])[p[0]] = uchar(p[2]);
    return image;
}

// A reproducible noisy dark frame with a few bright pixels.
QImage noisyFrame(int width, int height, quint32 seed)
{
    QImage image = greyFrame(width, height, 0);
    quint32 state = seed;
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = uchar(8 + (state >> 24) % 12 + (x % 2) * 5);
        }
    }
    const QPoint hot[] = {{3, 4}, {17, 9}, {30, 31}, {8, 25}, {21, 2}};
    int level = 40;
    for (const QPoint &p : hot) {
        image.scanLine(p.y())[p.x()] = uchar(level + int(seed % 7));
        level += 35;
    }
    return image;
}

} // namespace

class tst_LevelHistogram : public QObject
{
    Q_OBJECT
private slots:
    void knownFrame_data();
    void knownFrame();
    void countAbove_data();
    void countAbove();
    void average();
    void refused_data();
    void refused();
    void agreesWithDetection_data();
    void agreesWithDetection();
};

void tst_LevelHistogram::knownFrame_data()
{
    QTest::addColumn<int>("colorMode");
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QVector<unsigned>>("means");
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<qint64>("pixels");

    // 4 × 2 mono at 10 with 30 and 70: mean 160 / 8 = 20; 6 × 2 at 5 with 31: mean 86 / 12 = 7.17.
    QTest::newRow("mono") << int(VY_CM_MONO8)
                          << paint(greyFrame(4, 2, 10), {{0, 0, 30}, {3, 1, 70}})
                          << QVector<unsigned>{20} << Counts{{10, 1}, {50, 1}} << qint64(8);
    QTest::newRow("mono_mean_truncated")
        << int(VY_CM_MONO8) << paint(greyFrame(6, 2, 5), {{2, 1, 31}}) << QVector<unsigned>{7}
        << Counts{{24, 1}} << qint64(12);
    QTest::newRow("mono_flat_counts_nothing") << int(VY_CM_MONO8) << greyFrame(6, 3, 50)
                                              << QVector<unsigned>{50} << Counts{} << qint64(18);
    // Bayer 4 × 4 with planes at different levels: each pixel is set against its own plane.
    // Plane 0 (even, even) at 10, plane 1 (even x, odd y) at 20, plane 2 (odd x, even y) at 30,
    // plane 3 (odd, odd) at 40; one pixel per plane raised.
    {
        QImage image = greyFrame(4, 4, 0);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                image.scanLine(y)[x] = uchar(10 + 10 * ((x % 2) * 2 + (y % 2)));
        // Plane 0: 10,10,10,50 → mean 20, 50 is 30 above; plane 1: 20,20,20,24 → mean 21,
        // 24 is 3 above; plane 2 flat 30; plane 3: 40,40,40,200 → mean 80, 200 is 120 above.
        image = paint(image, {{2, 2, 50}, {2, 3, 24}, {3, 3, 200}});
        QTest::newRow("bayer_planes")
            << int(VY_CM_BAYER_RG8) << image << QVector<unsigned>{20, 21, 30, 80}
            << Counts{{30, 1}, {3, 1}, {120, 1}} << qint64(16);
        // The same frame as mono: one mean 37 (604 / 16), every pixel above it counted.
        QTest::newRow("same_frame_mono") << int(VY_CM_MONO8) << image << QVector<unsigned>{37}
                                         << Counts{{3, 3}, {13, 1}, {163, 1}} << qint64(16);
    }
    // Odd size: the Bayer planes cover the even 4 × 2 part; the bright last column is outside.
    QTest::newRow("bayer_odd_size_ignores_edge")
        << int(VY_CM_BAYER_RG8)
        << paint(greyFrame(5, 3, 12), {{4, 0, 250}, {0, 2, 250}, {1, 1, 16}})
        << QVector<unsigned>{12, 12, 12, 14} << Counts{{2, 1}} << qint64(8);
    // A frame whose rows are padded: the padding is no pixel.
    {
        QImage image = greyFrame(3, 2, 0);
        image.scanLine(0)[3] = 255;
        image.scanLine(1)[3] = 255;
        QTest::newRow("mono_padding_ignored")
            << int(VY_CM_MONO8) << paint(image, {{1, 1, 6}}) << QVector<unsigned>{1}
            << Counts{{5, 1}} << qint64(6);
    }
    QTest::newRow("grayscale8_format")
        << int(VY_CM_MONO8)
        << paint(greyFrame(4, 4, 3), {{1, 1, 9}}).convertToFormat(QImage::Format_Grayscale8)
        << QVector<unsigned>{3} << Counts{{6, 1}} << qint64(16);
}

void tst_LevelHistogram::knownFrame()
{
    QFETCH(int, colorMode);
    QFETCH(QImage, image);
    QFETCH(QVector<unsigned>, means);
    QFETCH(Counts, counts);
    QFETCH(qint64, pixels);

    const LevelHistogram h = LevelHistogram::fromFrame(image, colorMode);
    QVERIFY(!h.isEmpty());
    QCOMPARE(h.planeMeans(), means);
    QCOMPARE(h.pixelCount(), pixels);
    qint64 maxCount = 0;
    for (int level = 0; level < LevelHistogram::levelCount; ++level) {
        QCOMPARE(h.count(level), qint64(counts.value(level, 0)));
        maxCount = std::max(maxCount, h.count(level));
    }
    QCOMPARE(h.count(0), qint64(0));
    QCOMPARE(h.maxCount(), maxCount);
}

void tst_LevelHistogram::countAbove_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<qint64>("above");
    // Mono levels above the mean 37: 3 (×3), 13, 163.
    QTest::newRow("zero_counts_every_level") << 0 << qint64(5);
    QTest::newRow("below_the_lowest") << 2 << qint64(5);
    QTest::newRow("at_a_level_excludes_it") << 3 << qint64(2);
    QTest::newRow("between_levels") << 12 << qint64(2);
    QTest::newRow("one_below_the_top") << 162 << qint64(1);
    QTest::newRow("at_the_top") << 163 << qint64(0);
    QTest::newRow("highest_threshold") << 255 << qint64(0);
    QTest::newRow("beyond_the_levels") << 1000 << qint64(0);
}

void tst_LevelHistogram::countAbove()
{
    QFETCH(int, threshold);
    QFETCH(qint64, above);
    QImage image = greyFrame(4, 4, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.scanLine(y)[x] = uchar(10 + 10 * ((x % 2) * 2 + (y % 2)));
    image = paint(image, {{2, 2, 50}, {2, 3, 24}, {3, 3, 200}});
    const LevelHistogram h = LevelHistogram::fromFrame(image, VY_CM_MONO8);
    QCOMPARE(h.countAbove(threshold), above);
}

void tst_LevelHistogram::average()
{
    // Three frames; the pixel (1, 0) averages (10 + 11 + 11) / 3 = 10.67, truncated to 10.
    QVector<QImage> frames{paint(greyFrame(2, 2, 4), {{1, 0, 10}, {0, 1, 30}}),
                           paint(greyFrame(2, 2, 4), {{1, 0, 11}, {0, 1, 30}}),
                           paint(greyFrame(2, 2, 4), {{1, 0, 11}, {0, 1, 0}})};
    const QImage avg = LevelHistogram::averageFrame(frames);
    QCOMPARE(avg.size(), QSize(2, 2));
    QCOMPARE(int(avg.constScanLine(0)[0]), 4);
    QCOMPARE(int(avg.constScanLine(0)[1]), 10);
    QCOMPARE(int(avg.constScanLine(1)[0]), 20);
    QCOMPARE(int(avg.constScanLine(1)[1]), 4);
    // Mono mean (4 + 10 + 20 + 4) / 4 = 9: levels 1 and 11.
    const LevelHistogram h = LevelHistogram::fromAverage(frames, VY_CM_MONO8);
    QCOMPARE(h.planeMeans(), QVector<unsigned>{9});
    QCOMPARE(h.count(1), qint64(1));
    QCOMPARE(h.count(11), qint64(1));
    QCOMPARE(h.countAbove(0), qint64(2));
}

void tst_LevelHistogram::refused_data()
{
    QTest::addColumn<QVector<QImage>>("frames");
    QTest::addColumn<int>("colorMode");
    QTest::newRow("no_frames") << QVector<QImage>{} << int(VY_CM_MONO8);
    QTest::newRow("null_frame") << QVector<QImage>{QImage()} << int(VY_CM_MONO8);
    QTest::newRow("colour_mode_rgb") << QVector<QImage>{greyFrame(4, 4, 1)} << int(VY_CM_RGB32);
    QTest::newRow("32_bit_frame") << QVector<QImage>{QImage(4, 4, QImage::Format_RGB32)}
                                  << int(VY_CM_MONO8);
    QTest::newRow("sizes_differ") << QVector<QImage>{greyFrame(4, 4, 1), greyFrame(4, 5, 1)}
                                  << int(VY_CM_MONO8);
    QTest::newRow("bayer_single_column")
        << QVector<QImage>{greyFrame(1, 8, 1)} << int(VY_CM_BAYER_RG8);
}

void tst_LevelHistogram::refused()
{
    QFETCH(QVector<QImage>, frames);
    QFETCH(int, colorMode);
    const LevelHistogram h = LevelHistogram::fromAverage(frames, colorMode);
    QVERIFY(h.isEmpty());
    QCOMPARE(h.pixelCount(), qint64(0));
    QCOMPARE(h.countAbove(5), qint64(0));
    QCOMPARE(h.count(1), qint64(0));
    QVERIFY(h.planeMeans().isEmpty());
}

void tst_LevelHistogram::agreesWithDetection_data()
{
    QTest::addColumn<int>("colorMode");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QSize>("size");
    for (const int threshold : {5, 20, 40, 100, 255}) {
        QTest::addRow("mono_%d", threshold) << int(VY_CM_MONO8) << threshold << QSize(40, 32);
        QTest::addRow("bayer_%d", threshold) << int(VY_CM_BAYER_RG8) << threshold << QSize(40, 32);
    }
    QTest::newRow("bayer_odd_size") << int(VY_CM_BAYER_RG8) << 20 << QSize(39, 33);
}

void tst_LevelHistogram::agreesWithDetection()
{
    // The number above the threshold is the number of pixels a detection run finds.
    QFETCH(int, colorMode);
    QFETCH(int, threshold);
    QFETCH(QSize, size);
    QVector<QImage> frames;
    for (quint32 i = 0; i < 10; ++i)
        frames.append(noisyFrame(size.width(), size.height(), 17 + i));

    HotpixelDetector detector{unsigned(threshold)};
    detector.setImages(colorMode, &frames);
    const QVector<QPoint> found = detector.detectHotpixels();

    const LevelHistogram h = LevelHistogram::fromAverage(frames, colorMode);
    QCOMPARE(h.countAbove(threshold), qint64(found.size()));
    if (threshold <= 20)
        QVERIFY(!found.isEmpty());
}

VYRO_TEST_GUILESS_MAIN(tst_LevelHistogram)
#include "tst_levelhistogram.moc"

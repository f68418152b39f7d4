// tst_thresholdhistogram.cpp: the drawn histogram: levels above the threshold set off in red,
// the others in the highlight colour, the threshold line moving with the threshold.
#include <QtTest>

#include "dapplix/ui/levelhistogram.h"
#include "dapplix/ui/thresholdhistogram.h"
#include "sdk/vyro_api.h"
#include "tests/support/testmain.h"

namespace {

// Mono 64 × 64 at 0 with 40 pixels at 20 and 40 at 200: mean 8800 / 4096 = 2, so 40 pixels
// 18 and 40 pixels 198 above it.
LevelHistogram twoLevels()
{
    QImage image(64, 64, QImage::Format_Grayscale8);
    image.fill(0);
    for (int i = 0; i < 40; ++i) {
        image.scanLine(i)[0] = 20;
        image.scanLine(i)[1] = 200;
    }
    return LevelHistogram::fromFrame(image, VY_CM_MONO8);
}

int pixelsOf(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// The columns holding the threshold line's colour, left to right.
QVector<int> lineColumns(const QImage &image)
{
    const QColor orange(QStringLiteral("orange"));
    QVector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            n += image.pixelColor(x, y) == orange;
        if (n > image.height() / 3)
            columns.append(x);
    }
    return columns;
}

} // namespace

class tst_ThresholdHistogram : public QObject
{
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void lineFollowsThreshold();
    void emptyHistogram();
};

void tst_ThresholdHistogram::colours_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("belowShown");
    QTest::addColumn<bool>("aboveShown");
    QTest::addColumn<qint64>("countAbove");
    QTest::newRow("both_found") << 5 << false << true << qint64(80);
    QTest::newRow("one_found") << 100 << true << true << qint64(40);
    QTest::newRow("below_the_upper_level") << 197 << true << true << qint64(40);
    QTest::newRow("at_the_upper_level") << 198 << true << false << qint64(0);
    QTest::newRow("none_found") << 255 << true << false << qint64(0);
}

void tst_ThresholdHistogram::colours()
{
    QFETCH(int, threshold);
    QFETCH(bool, belowShown);
    QFETCH(bool, aboveShown);
    QFETCH(qint64, countAbove);
    ThresholdHistogram widget;
    widget.resize(widget.sizeHint());
    const LevelHistogram h = twoLevels();
    QCOMPARE(h.count(18), qint64(40));
    QCOMPARE(h.count(198), qint64(40));
    widget.setHistogram(h);
    widget.setThreshold(threshold);
    QCOMPARE(widget.countAbove(), countAbove);
    const QImage image = widget.grab().toImage();
    const QColor highlight = widget.palette().color(QPalette::Highlight);
    QCOMPARE(pixelsOf(image, highlight) > 0, belowShown);
    QCOMPARE(pixelsOf(image, QColor(Qt::red)) > 0, aboveShown);
}

void tst_ThresholdHistogram::lineFollowsThreshold()
{
    ThresholdHistogram widget;
    widget.resize(widget.sizeHint());
    widget.setHistogram(twoLevels());
    int previous = -1;
    for (const int threshold : {5, 40, 128, 254}) {
        widget.setThreshold(threshold);
        QCOMPARE(widget.threshold(), threshold);
        const QVector<int> columns = lineColumns(widget.grab().toImage());
        QVERIFY2(!columns.isEmpty(), qPrintable(QString::number(threshold)));
        QVERIFY(columns.first() > previous);
        previous = columns.first();
    }
}

void tst_ThresholdHistogram::emptyHistogram()
{
    ThresholdHistogram widget;
    widget.resize(widget.minimumSizeHint());
    widget.setThreshold(40);
    QCOMPARE(widget.countAbove(), qint64(0));
    const QImage image = widget.grab().toImage();
    QCOMPARE(pixelsOf(image, QColor(Qt::red)), 0);
    QCOMPARE(pixelsOf(image, widget.palette().color(QPalette::Highlight)), 0);
    QVERIFY(!lineColumns(image).isEmpty());
}

VYRO_TEST_MAIN(tst_ThresholdHistogram)
#include "tst_thresholdhistogram.moc"

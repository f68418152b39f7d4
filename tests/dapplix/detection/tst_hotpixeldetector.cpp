// HotpixelDetector on synthetic frames: thresholds, planes, sizes and refused input.
#include "dapplix/detection/hotpixeldetector.h"
#include "sdk/vyro_api.h"
#include "tests/support/greyframe.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The detector's positions in reading order.
QVector<QPoint> detected(HotpixelDetector &detector)
{
    QVector<QPoint> found = detector.detectHotpixels();
    std::sort(found.begin(), found.end(), [](const QPoint &a, const QPoint &b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return found;
}

QString failure(HotpixelDetector &detector)
{
    try {
        detector.detectHotpixels();
    } catch (const std::exception &e) {
        return QString(e.what());
    }
    return QString();
}

} // namespace

class tst_HotpixelDetector : public QObject
{
    Q_OBJECT
private slots:
    void workedExample();
    void bayerPlanes_data();
    void bayerPlanes();
    void paddedOddFrame();
    void thresholdTooHigh();
    void refused_data();
    void refused();
};

void tst_HotpixelDetector::workedExample()
{
    // Threshold 40 over a plane mean of 12: a mean of 52 is not hot, 53 is.
    QVector<QImage> frames;
    for (int i = 0; i < 10; ++i) {
        QImage f = greyFrame(100, 100, 12);
        f.setPixel(10, 20, i == 0 ? 52 : 53); // averages 52.9
        f.setPixel(30, 40, 53);
        frames.append(f);
    }
    HotpixelDetector detector(40);
    QSignalSpy finished(&detector, &BadpixelDetector::detectionFinished);
    detector.setImages(VY_CM_MONO8, &frames);
    QCOMPARE(detected(detector), QVector<QPoint>{QPoint(30, 40)});
    QCOMPARE(finished.count(), 1);
}

void tst_HotpixelDetector::bayerPlanes_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("plane");
    QTest::newRow("even_even") << QPoint(0, 0) << 0;
    QTest::newRow("even_odd") << QPoint(2, 1) << 1;
    QTest::newRow("odd_even") << QPoint(1, 0) << 2;
    QTest::newRow("odd_odd") << QPoint(1279, 1023) << 3;
}

void tst_HotpixelDetector::bayerPlanes()
{
    QFETCH(QPoint, pixel);
    QFETCH(int, plane);
    // Planes with different levels: each is judged against its own mean.
    QVector<QImage> frames;
    for (int i = 0; i < 3; ++i) {
        QImage f = greyFrame(1280, 1024, 10);
        for (int y = 1; y < 1024; y += 2)
            for (int x = 1; x < 1280; x += 2)
                f.setPixel(x, y, 60);
        f.setPixel(pixel, f.pixelIndex(pixel) + 50);
        frames.append(f);
    }
    HotpixelDetector detector(30);
    detector.setImages(VY_CM_BAYER_RG8, &frames);
    QCOMPARE(detected(detector), QVector<QPoint>{pixel});
    const BadpixelDetector::Plane *m = detector.bayerPlane(plane);
    QVERIFY(m);
    QCOMPARE(m->cols(), 640u);
    QCOMPARE(m->rows(), 512u);
    QCOMPARE(unsigned((*m)(unsigned(pixel.x() / 2), unsigned(pixel.y() / 2))),
             plane == 3 ? 110u : 60u);
}

void tst_HotpixelDetector::paddedOddFrame()
{
    // Width 5 pads rows to 8 bytes; the walk follows the rows, never the padding.
    QVector<QImage> frames;
    QImage f = greyFrame(5, 7, 20);
    QVERIFY(f.bytesPerLine() > 5);
    f.setPixel(3, 3, 200);
    f.setPixel(4, 6, 200); // the extra column and row of the Bayer planes
    frames.append(f);
    HotpixelDetector bayerDetector(50);
    bayerDetector.setImages(VY_CM_BAYER_RG8, &frames);
    QCOMPARE(detected(bayerDetector), QVector<QPoint>{QPoint(3, 3)});
    HotpixelDetector monoDetector(50);
    monoDetector.setImages(VY_CM_MONO8, &frames);
    QCOMPARE(detected(monoDetector), (QVector<QPoint>{QPoint(3, 3), QPoint(4, 6)}));
}

void tst_HotpixelDetector::thresholdTooHigh()
{
    QVector<QImage> frames{greyFrame(64, 64, 0)};
    frames[0].setPixel(5, 5, 255);
    HotpixelDetector detector(255);
    detector.setImages(VY_CM_MONO8, &frames);
    QVERIFY(detected(detector).isEmpty());
}

void tst_HotpixelDetector::refused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVector<QImage>>("frames");
    QTest::addColumn<QString>("message");
    const QImage mono = greyFrame(8, 8, 1);
    QImage rgb(8, 8, QImage::Format_RGB32);
    rgb.fill(Qt::black);
    QTest::newRow("no_frames") << int(VY_CM_MONO8) << QVector<QImage>()
                               << "No images acquired for hot pixel detection.";
    QTest::newRow("rgb_frames") << int(VY_CM_RGB32) << QVector<QImage>{rgb}
                                << "Image format for hot pixel detection not supported.";
    QTest::newRow("rgb_later") << int(VY_CM_MONO8) << QVector<QImage>{mono, rgb}
                               << "Image format for hot pixel detection not supported.";
    QTest::newRow("mode_0") << int(VY_CM_RGB32) << QVector<QImage>{mono}
                            << "Color mode for hot pixel detection not supported.";
    QTest::newRow("sizes") << int(VY_CM_MONO8) << QVector<QImage>{mono, greyFrame(8, 9, 1)}
                           << "Aqcuired images are not the same size.";
    QTest::newRow("bayer_1px") << int(VY_CM_BAYER_RG8) << QVector<QImage>{greyFrame(1, 1, 0)}
                               << "Matrix has no size";
}

void tst_HotpixelDetector::refused()
{
    QFETCH(int, mode);
    QFETCH(QVector<QImage>, frames);
    QFETCH(QString, message);
    HotpixelDetector detector(40);
    QSignalSpy finished(&detector, &BadpixelDetector::detectionFinished);
    detector.setImages(mode, &frames);
    QCOMPARE(failure(detector), message);
    QCOMPARE(finished.count(), 1);
}

VYRO_TEST_GUILESS_MAIN(tst_HotpixelDetector)
#include "tst_hotpixeldetector.moc"

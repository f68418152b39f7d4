// DetectionRun: frame collection, the light guard, and the hand-over into the hot pixel list.
#include "dapplix/detection/detectionrun.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "sdk/vyro_api.h"
#include "tests/support/greyframe.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage darkFrame(int width = 200, int height = 100)
{
    return greyFrame(width, height, 8);
}

// A frame with exactly count bytes above the bright level (101), the rest at 100.
QImage litFrame(int count)
{
    QImage image = darkFrame();
    image.fill(100);
    for (int i = 0; i < count; ++i)
        image.setPixel(i % image.width(), i / image.width(), 101);
    return image;
}

} // namespace

class tst_DetectionRun : public QObject
{
    Q_OBJECT
private slots:
    void lightGuard_data();
    void lightGuard();
    void paddingIsNotLight();
    void fullRun();
    void ignoreEntryStaysAsItIs();
    void clearFirst();
    void failureMessage();
    void noFrameEndsRun();
};

void tst_DetectionRun::lightGuard_data()
{
    QTest::addColumn<int>("bright");
    QTest::addColumn<bool>("aborts");
    QTest::newRow("dark") << 0 << false;
    QTest::newRow("5000_bright_bytes") << 5000 << false;
    QTest::newRow("5001_bright_bytes") << 5001 << true;
    QTest::newRow("all_bright") << 20000 << true;
}

void tst_DetectionRun::lightGuard()
{
    QFETCH(int, bright);
    QFETCH(bool, aborts);
    BadpixelListModel list;
    DetectionRun run(&list);
    QSignalSpy aborted(&run, &DetectionRun::aborted);
    QSignalSpy progress(&run, &DetectionRun::progressChanged);
    run.start(false, 40, VY_CM_MONO8);
    run.addFrame(darkFrame());
    run.addFrame(darkFrame());
    run.addFrame(litFrame(bright)); // the third frame
    QCOMPARE(run.isDetecting(), !aborts);
    QCOMPARE(aborted.count(), aborts ? 1 : 0);
    if (aborts) {
        QCOMPARE(aborted.at(0).at(0).toString(), QString("Detection failed"));
        QCOMPARE(aborted.at(0).at(1).toString(),
                 QString("Too many hot pixel have been found.\nPlease make sure that the sensor "
                         "is completely obscured and the threshold is not too low."));
        QCOMPARE(run.progress(), 0);
        QCOMPARE(run.collectedFrames(), 0);
        QCOMPARE(progress.last().at(0).toInt(), 0);
    } else {
        QCOMPARE(run.progress(), 30);
        QCOMPARE(run.collectedFrames(), 3);
    }
    // A lit run takes no more frames.
    run.addFrame(darkFrame());
    QCOMPARE(run.collectedFrames(), aborts ? 0 : 4);
}

void tst_DetectionRun::paddingIsNotLight()
{
    // 3 pixels of each row are bright, the row padding (one byte) is bright too.
    QImage frame = darkFrame(3, 3000);
    QCOMPARE(frame.bytesPerLine(), 4);
    for (int y = 0; y < frame.height(); ++y)
        memset(frame.scanLine(y), 255, 4);
    QCOMPARE(DetectionRun::countBrightBytes(frame, 1 << 30), 9000);
}

void tst_DetectionRun::fullRun()
{
    BadpixelListModel list;
    list.setCounts(100, 1);
    // A factory entry at a hot position and a user entry elsewhere.
    list.insertRows(0, 2);
    list.setData(list.index(0, 0), 10);
    list.setData(list.index(0, 1), 10);
    list.setData(list.index(0, 2), "factory");
    list.setData(list.index(1, 0), 50);
    list.setData(list.index(1, 1), 60);
    QVERIFY(list.setData(list.index(1, 2), "user"));
    DetectionRun run(&list);
    QSignalSpy progress(&run, &DetectionRun::progressChanged);
    QSignalSpy finished(&run, &DetectionRun::finished);
    QSignalSpy detected(&run, &DetectionRun::detectionFinished);
    QSignalSpy added(&list, &BadpixelListModel::pixelAdded);
    run.start(false, 40, VY_CM_MONO8);
    QImage frame = darkFrame();
    frame.setPixel(10, 10, 200); // already a factory entry
    frame.setPixel(20, 30, 200); // new
    run.addFrame(QImage());      // a closing camera's null image is no frame
    for (int i = 0; i < 10; ++i)
        run.addFrame(frame);
    QCOMPARE(progress.count(), 10);
    QCOMPARE(progress.last().at(0).toInt(), 100);
    QCOMPARE(finished.count(), 0);
    run.addFrame(frame); // the frame after the tenth starts the detection
    QCOMPARE(finished.count(), 1);
    QCOMPARE(detected.count(), 1);
    QVERIFY(!run.isDetecting());
    QCOMPARE(run.progress(), 0);
    QCOMPARE(added.count(), 1);
    QCOMPARE(list.rowCount(), 3);
    const Badpixel b = list.badpixelAt(2);
    QCOMPARE(QPoint(b.x, b.y), QPoint(20, 30));
    QCOMPARE(b.pixelclass, quint8(Badpixel::User));
}

void tst_DetectionRun::ignoreEntryStaysAsItIs()
{
    // An "ignore" entry on a hot pixel stays as it is; only what the run found is added and
    // counted.
    QTemporaryDir dir;
    QFile file(dir.filePath("ignore.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("40 50 2\n");
    file.close();
    BadpixelListModel list;
    list.importFromFile(file.fileName());
    QCOMPARE(list.rowCount(), 1);
    QSignalSpy added(&list, &BadpixelListModel::pixelAdded);
    DetectionRun run(&list);
    run.start(false, 40, VY_CM_MONO8);
    QImage frame = darkFrame();
    frame.setPixel(40, 50, 200);
    frame.setPixel(60, 70, 200);
    for (int i = 0; i < 11; ++i)
        run.addFrame(frame);
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(added.count(), 1);
    QCOMPARE(list.badpixelAt(0).pixelclass, quint8(Badpixel::Ignore));
    QCOMPARE(QPoint(list.badpixelAt(0).x, list.badpixelAt(0).y), QPoint(40, 50));
    QCOMPARE(list.badpixelAt(1).pixelclass, quint8(Badpixel::User));
    QCOMPARE(QPoint(list.badpixelAt(1).x, list.badpixelAt(1).y), QPoint(60, 70));
    QVERIFY(!list.removeUserBadpixel(0)); // an ignore entry is not deleted as a user entry
}

void tst_DetectionRun::clearFirst()
{
    BadpixelListModel list;
    list.addBadpixel(QPoint(1, 1));
    DetectionRun run(&list);
    run.start(true, 40, VY_CM_MONO8);
    QCOMPARE(list.rowCount(), 0);
}

void tst_DetectionRun::failureMessage()
{
    BadpixelListModel list;
    DetectionRun run(&list);
    QSignalSpy failed(&run, &DetectionRun::failed);
    QSignalSpy finished(&run, &DetectionRun::finished);
    run.start(false, 40, VY_CM_RGB32);
    for (int i = 0; i < 11; ++i)
        run.addFrame(darkFrame());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(),
             QString("Color mode for hot pixel detection not supported. Please restart "
                     "detection."));
    QCOMPARE(finished.count(), 1);
}

void tst_DetectionRun::noFrameEndsRun()
{
    BadpixelListModel list;
    list.addBadpixel(QPoint(3, 4));
    DetectionRun run(&list);
    QCOMPARE(run.frameWait(), DetectionRun::defaultFrameTimeoutMs);
    // Slow frames are waited for: several periods, never less than the bound.
    run.setFramePeriod(2000);
    QCOMPARE(run.frameWait(), DetectionRun::missedFramesAllowed * 2000);
    run.setFrameTimeout(10);
    run.setFramePeriod(1);
    QCOMPARE(run.frameWait(), 10);
    QSignalSpy failed(&run, &DetectionRun::failed);
    QSignalSpy finished(&run, &DetectionRun::finished);
    QSignalSpy progress(&run, &DetectionRun::progressChanged);
    run.start(false, 40, VY_CM_MONO8);
    run.addFrame(darkFrame());
    QVERIFY(finished.wait());
    QVERIFY(!run.isDetecting());
    QCOMPARE(run.collectedFrames(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(),
             QString("No image has been received from the camera. Please restart detection."));
    QCOMPARE(progress.last().at(0).toInt(), 0);
    QCOMPARE(list.rowCount(), 1);
    // A late frame starts nothing.
    run.addFrame(darkFrame());
    QVERIFY(!run.isDetecting());
    QCOMPARE(run.collectedFrames(), 0);
}

VYRO_TEST_GUILESS_MAIN(tst_DetectionRun)
#include "tst_detectionrun.moc"

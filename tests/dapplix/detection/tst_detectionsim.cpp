// Detection end to end on simulator frames: dark frames in, the sensor's hot pixels out.
#include "dapplix/camera/camera.h"
#include "dapplix/detection/detectionrun.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

using dapplix::Camera;

namespace {

using Position = QPair<int, int>;

// The plane means as the detection defines them, computed here straight from the frames.
QVector<unsigned> planeMeans(const QVector<QImage> &frames, bool bayer)
{
    const int step = bayer ? 2 : 1;
    // Bayer planes cover the even part of the frame: an odd last row or column belongs to none.
    const int w = frames[0].width() / step * step, h = frames[0].height() / step * step;
    QVector<unsigned> means;
    for (int plane = 0; plane < (bayer ? 4 : 1); ++plane) {
        const int sx = plane / 2, sy = plane % 2; // planes: (0,0) (0,1) (1,0) (1,1)
        quint64 sum = 0, count = 0;
        for (int y = sy; y < h; y += step) {
            for (int x = sx; x < w; x += step) {
                unsigned pixelSum = 0;
                for (const QImage &f : frames)
                    pixelSum += f.constScanLine(y)[x];
                sum += pixelSum / unsigned(frames.size());
                ++count;
            }
        }
        means.append(unsigned(sum / count));
    }
    return means;
}

} // namespace

class tst_DetectionSim : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(SimWorld::reset()); }
    void darkFrames_data();
    void darkFrames();
    void litSensor();
};

void tst_DetectionSim::darkFrames_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("bayer");
    QTest::addColumn<unsigned>("threshold");
    QTest::newRow("mono") << 1 << false << 20u;
    QTest::newRow("bayer") << 2 << true << 20u;
    QTest::newRow("mono_low_threshold") << 1 << false << 5u;
}

void tst_DetectionSim::darkFrames()
{
    QFETCH(int, device);
    QFETCH(bool, bayer);
    QFETCH(unsigned, threshold);
    Camera camera;
    camera.open(device);
    QCOMPARE(camera.colorMode(), int(bayer ? VY_CM_BAYER_RG8 : VY_CM_MONO8));
    camera.setFramerate(camera.framerateParameter().max);
    BadpixelListModel list;
    QAbstractItemModelTester listTester(&list,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.getBadpixelList(&camera);
    const int factoryRows = list.rowCount();
    QVERIFY(factoryRows > 0);
    QSet<Position> factory;
    for (int row = 0; row < factoryRows; ++row)
        factory.insert({list.badpixelAt(row).x, list.badpixelAt(row).y});

    DetectionRun run(&list);
    QSignalSpy finished(&run, &DetectionRun::finished);
    QSignalSpy failed(&run, &DetectionRun::failed);
    QSignalSpy aborted(&run, &DetectionRun::aborted);
    QSignalSpy added(&list, &BadpixelListModel::pixelAdded);
    QVector<QImage> frames;
    connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
        if (!image.isNull() && frames.size() < DetectionRun::framesPerRun)
            frames.append(image.copy());
        run.addFrame(image);
    });
    run.start(false, threshold, camera.colorMode());
    QVERIFY(finished.wait(30000));
    QCOMPARE(failed.count(), 0);
    QCOMPARE(aborted.count(), 0);
    QCOMPARE(frames.size(), 10);

    const QVector<unsigned> means = planeMeans(frames, bayer);
    std::vector<VYSIM_HOT_PIXEL> truth(4096);
    uint32_t count = 0;
    QCOMPARE(vysim_hot_pixels(uint32_t(device), truth.data(), uint32_t(truth.size()), &count),
             int32_t(VY_SUCCESS));
    truth.resize(count);
    QSet<Position> expected;
    for (const VYSIM_HOT_PIXEL &p : truth) {
        const int plane = bayer ? (p.x % 2) * 2 + (p.y % 2) : 0;
        if (p.level > means[plane] + threshold)
            expected.insert({p.x, p.y});
    }
    QVERIFY(!expected.isEmpty());

    QSet<Position> userFound;
    for (int row = factoryRows; row < list.rowCount(); ++row) {
        const Badpixel b = list.badpixelAt(row);
        QCOMPARE(b.pixelclass, quint8(Badpixel::User));
        userFound.insert({b.x, b.y});
    }
    // Exactly the hot pixels above the threshold; factory entries are not added twice.
    QCOMPARE(userFound, expected - factory);
    QCOMPARE(list.rowCount() - factoryRows, userFound.size());
    QCOMPARE(added.count(), userFound.size());
    QVERIFY2((expected & factory).size() > 0, "no factory entry among the detected pixels");
}

void tst_DetectionSim::litSensor()
{
    QVERIFY(SimWorld::setField(1, "lit", "true"));
    Camera camera;
    camera.open(1);
    BadpixelListModel list;
    QAbstractItemModelTester listTester(&list,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.getBadpixelList(&camera);
    const int rows = list.rowCount();
    DetectionRun run(&list);
    QSignalSpy aborted(&run, &DetectionRun::aborted);
    QSignalSpy finished(&run, &DetectionRun::finished);
    connect(&camera, &Camera::newImage, &run, &DetectionRun::addFrame);
    run.start(false, 40, camera.colorMode());
    QVERIFY(finished.wait(30000));
    QCOMPARE(aborted.count(), 1);
    QVERIFY(!run.isDetecting());
    QCOMPARE(run.progress(), 0);
    QCOMPARE(list.rowCount(), rows);
}

VYRO_TEST_GUILESS_MAIN(tst_DetectionSim)
#include "tst_detectionsim.moc"

// tst_framedrop.cpp: a window that falls behind the camera finds one frame waiting, the newest,
// and every frame is still counted; a frame kept past its emission keeps its pixels.
#include "dapplix/camera/camera.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QElapsedTimer>
#include <QtTest>

using dapplix::Camera;

namespace {

const char *const SmallCamera =
    R"({"deviceId": 1, "serialNumber": "4103012345", "sensorWidth": 320, "sensorHeight": 240})";

qint64 lastDelivered(VY_HCAM handle)
{
    int64_t index = -1;
    if (vysim_frame_index(handle, nullptr, &index) != VY_SUCCESS)
        return -1;
    return index;
}

// The number of the sensor frame that image shows, searched from first to last; -1 for none.
qint64 frameIndexOf(const QImage &image, qint64 first, qint64 last)
{
    const int width = image.width();
    QByteArray sensor(width * image.height(), 0);
    for (qint64 index = first; index <= last; ++index) {
        if (vysim_sensor_frame(1, uint32_t(index), sensor.data(), uint32_t(sensor.size())) !=
            VY_SUCCESS)
            return -1;
        bool same = true;
        for (int y = 0; y < image.height() && same; ++y)
            same =
                memcmp(image.constScanLine(y), sensor.constData() + y * width, size_t(width)) == 0;
        if (same)
            return index;
    }
    return -1;
}

// Keeps the GUI thread busy, as a slow drawing would, until the camera has delivered count more
// frames and the newest waits for the window. Gives up (false) after a minute so that a stalled
// capture fails instead of hanging.
bool stayBusyFor(const Camera &camera, qint64 count)
{
    const qint64 start = lastDelivered(camera.handle());
    QElapsedTimer guard;
    guard.start();
    while (lastDelivered(camera.handle()) < start + count || !camera.frameWaiting()) {
        if (guard.elapsed() > 60000)
            return false;
        QThread::yieldCurrentThread();
    }
    return true;
}

} // namespace

class tst_FrameDrop : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void slowWindowSeesNewestFrame_data();
    void slowWindowSeesNewestFrame();
    void closedCameraIgnoresWaitingFrame();
    void queuedReceiverKeepsFrame();
};

void tst_FrameDrop::init()
{
    QVERIFY(SimWorld::load({QString::fromLatin1(SmallCamera)}));
}

void tst_FrameDrop::slowWindowSeesNewestFrame_data()
{
    QTest::addColumn<int>("framesBehind");
    QTest::newRow("two_frames") << 2;
    QTest::newRow("twenty_frames") << 20;
    QTest::newRow("sixty_frames") << 60;
}

void tst_FrameDrop::slowWindowSeesNewestFrame()
{
    QFETCH(int, framesBehind);
    Camera camera;
    camera.open(1);
    camera.setFramerate(1.0e6); // as fast as the sensor goes
    int shown = 0;
    QImage shownImage;
    connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
        if (image.isNull())
            return;
        ++shown;
        shownImage = image;
    });
    QTRY_VERIFY_WITH_TIMEOUT(shown > 0, 20000);

    // Twice in a row: what waits after a busy spell does not grow with its length or number.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents(&camera, QEvent::MetaCall);
        const quint32 framesBefore = camera.frameCount();
        QVERIFY(stayBusyFor(camera, framesBehind));
        const qint64 newest = lastDelivered(camera.handle());
        const int shownBefore = shown;
        QCoreApplication::sendPostedEvents(&camera, QEvent::MetaCall);
        QCOMPARE(shown - shownBefore, 1);
        const qint64 shownIndex = frameIndexOf(shownImage, newest, lastDelivered(camera.handle()));
        QVERIFY2(
            shownIndex >= newest,
            qPrintable(QStringLiteral("showed frame %1, newest %2").arg(shownIndex).arg(newest)));
        // Merged frames were received: they count, though only one was drawn. (The SDK may
        // fold signals that come while its waiter is not waiting, so not every frame number
        // need have had its event.)
        if (framesBehind > 2)
            QVERIFY(camera.frameCount() - framesBefore > 1);
    }
    camera.close();
}

void tst_FrameDrop::closedCameraIgnoresWaitingFrame()
{
    Camera camera;
    camera.open(1);
    int frames = 0;
    connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
        if (!image.isNull())
            ++frames;
    });
    QTRY_VERIFY_WITH_TIMEOUT(frames > 0, 20000);
    QVERIFY(stayBusyFor(camera, 2));
    camera.close();
    const int before = frames;
    QCoreApplication::sendPostedEvents(&camera, QEvent::MetaCall);
    QCOMPARE(frames, before);

    // Opened again, frames flow again: the merging was re-armed.
    camera.open(1);
    QTRY_VERIFY_WITH_TIMEOUT(frames > before, 20000);
}

void tst_FrameDrop::queuedReceiverKeepsFrame()
{
    Camera camera;
    camera.open(1);
    camera.setFramerate(1.0e6);
    QVector<QImage> atEmission; // copies taken while the frame was emitted
    QVector<QImage> kept;       // the frames as a receiver in a later turn of the loop got them
    connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
        if (!image.isNull())
            atEmission.append(image.copy());
    });
    connect(
        &camera, &Camera::newImage, this,
        [&](const QImage &image) {
            if (!image.isNull())
                kept.append(image);
        },
        Qt::QueuedConnection);
    // More frames than the SDK has buffers, and the buffers filled again before anyone looks.
    QTRY_VERIFY_WITH_TIMEOUT(kept.size() >= 6, 20000);
    QVERIFY(stayBusyFor(camera, 4));
    QVERIFY(atEmission.first() != atEmission.at(5));
    for (int i = 0; i < 6; ++i)
        QVERIFY2(kept.at(i) == atEmission.at(i), qPrintable(QStringLiteral("frame %1").arg(i)));
    camera.close();
    // The SDK's buffers are freed now; the kept frames are not.
    QVERIFY(kept.first() == atEmission.first());
}

VYRO_TEST_MAIN(tst_FrameDrop)
#include "tst_framedrop.moc"

// tst_gigevisionframes.cpp: dapplix on a real GigE Vision stack (Aravis's fake camera, in a
// network namespace of the test's own): live frames at the frame rate asked for, and a hot
// pixel list written, read back after the camera was closed, and applied to its frames.
#include "dapplix/camera/camera.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "tests/support/fakegigecamera.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using dapplix::Camera;

namespace {

// The listed column and rows: the fake camera's diagonal ramp wraps from 255 to 0 twice within
// them in every frame, where an uncorrected pixel differs from its neighbours' mean.
constexpr int Column = 100;
constexpr int Rows = 512;

} // namespace

class tst_GigEVisionFrames : public QObject
{
    Q_OBJECT

private:
    FakeGigECamera m_camera;

private slots:
    void initTestCase()
    {
        if (!FakeGigECamera::unavailable().isEmpty())
            QSKIP(qPrintable(FakeGigECamera::unavailable()));
        QVERIFY(m_camera.start());
    }

    void liveAtTheRateAskedFor()
    {
        Camera camera;
        QImage last;
        int frames = 0;
        connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
            if (!image.isNull()) {
                last = image.copy();
                ++frames;
            }
        });
        camera.open(int(m_camera.deviceId()));
        QVERIFY(camera.isOpen());
        QCOMPARE(camera.serialNumber(), QLatin1String(FakeGigECamera::Serial));
        QTRY_VERIFY_WITH_TIMEOUT(frames >= 3, 20000);
        QVERIFY(last.width() >= 512 && last.height() >= 512);

        camera.setFramerate(10.0);
        QCOMPARE(camera.framerateParameter().value, 10.0);
        QVERIFY(camera.framerateParameter().max > 10.0);
        // The camera itself runs at that rate, as another client reads it.
        QVERIFY2(FakeGigECamera::control(QStringLiteral("AcquisitionFrameRate"))
                     .startsWith(QStringLiteral("AcquisitionFrameRate = 10 ")),
                 qPrintable(FakeGigECamera::control(QStringLiteral("AcquisitionFrameRate"))));
        const int before = frames;
        QTRY_VERIFY_WITH_TIMEOUT(frames >= before + 3, 20000);
    }

    void hotPixelListKeptAndApplied()
    {
        Camera camera;
        camera.open(int(m_camera.deviceId()));
        {
            BadpixelListModel list;
            list.getBadpixelList(&camera);
            QCOMPARE(list.readProblem(), QString());
            for (int y = 0; y < Rows; ++y)
                QVERIFY(list.addBadpixel(QPoint(Column, y)));
            list.writeBadpixelList(&camera);
        }
        camera.close();
        QVERIFY(QFile::exists(QDir(qEnvironmentVariable("XDG_DATA_HOME"))
                                  .filePath(QStringLiteral("vyro/hotpixels/FAKE001.json"))));

        camera.open(int(m_camera.deviceId()));
        BadpixelListModel list;
        list.getBadpixelList(&camera);
        QCOMPARE(list.userBadpixelCount(), Rows);
        QVERIFY(list.findBadpixel(Column, Rows - 1, 1).isValid());

        QImage frame;
        connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
            if (!image.isNull())
                frame = image.copy();
        });
        camera.setBadPixelCorrection(true);
        // A frame may have been on its way before the switch: look at a later one.
        QTRY_VERIFY_WITH_TIMEOUT(!frame.isNull(), 20000);
        frame = QImage();
        QTRY_VERIFY_WITH_TIMEOUT(!frame.isNull(), 20000);
        int wrapsBeside = 0;
        for (int y = 0; y < Rows; ++y) {
            auto mean = [&](int x) {
                return (frame.pixelIndex(x - 1, y) + frame.pixelIndex(x + 1, y)) / 2;
            };
            QCOMPARE(frame.pixelIndex(Column, y), mean(Column));
            wrapsBeside += frame.pixelIndex(Column + 2, y) != mean(Column + 2) ? 1 : 0;
        }
        // Uncorrected, the next column but one differs where the ramp wraps.
        QVERIFY(wrapsBeside > 0);
    }
};

VYRO_GIGE_TEST_MAIN(tst_GigEVisionFrames)
#include "tst_gigevisionframes.moc"

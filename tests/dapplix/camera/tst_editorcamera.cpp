// Camera through the simulator: open, stream, close, refusals, removal and parameters.
#include "dapplix/camera/camera.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QSignalSpy>
#include <QtTest>

using dapplix::Camera;

namespace {

QString openFailure(Camera &camera, int device)
{
    try {
        camera.open(device);
    } catch (const std::runtime_error &e) {
        return QString(e.what());
    }
    return QString();
}

} // namespace

class tst_EditorCamera : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void openStreamClose();
    void closeOrder();
    void openWhileOpen();
    void refusedSensors_data();
    void refusedSensors();
    void initFailure();
    void firmwareUpload();
    void unplugOpenCamera();
    void captureFailures();
    void framerateClamp();
    void correctionSupport();
    void openStepFails_data();
    void openStepFails();
    void setterFailureIsLogged_data();
    void setterFailureIsLogged();
};

void tst_EditorCamera::init()
{
    QVERIFY(SimWorld::reset());
}

void tst_EditorCamera::openStreamClose()
{
    Camera camera;
    QSignalSpy opened(&camera, &Camera::cameraOpened);
    QSize size;
    int bytesPerLine = 0;
    int greyAt200 = -1;
    QImage::Format format = QImage::Format_Invalid;
    connect(&camera, &Camera::newImage, this, [&](const QImage &image) {
        if (image.isNull())
            return;
        size = image.size();
        bytesPerLine = image.bytesPerLine();
        format = image.format();
        greyAt200 = qGray(image.color(200));
    });
    camera.open(1);
    QVERIFY(camera.isOpen());
    QCOMPARE(opened.count(), 1);
    QCOMPARE(camera.openDeviceId(), 1);
    QCOMPARE(camera.serialNumber(), QString("4103012345"));
    QCOMPARE(camera.colorMode(), int(VY_CM_MONO8));
    QCOMPARE(vysim_device_in_use(1), 1);

    // What reached the SDK: the unopened address, raw 8-bit mode, the full sensor area, live.
    QCOMPARE(vysim::callsOf("vy_InitCamera").at(0).handle, int32_t(1 | VY_UNOPENED));
    QCOMPARE(vysim::callsOf("vy_SetColorMode").at(0).command, uint32_t(VY_CM_BAYER_RG8));
    const auto aoi = vysim::callsOf("vy_AOI");
    QVERIFY(aoi.size() >= 2);
    QCOMPARE(aoi.at(1).command, uint32_t(VY_AOI_IMAGE_SET_AOI));
    VY_AOI_RECT rect{};
    QCOMPARE(aoi.at(1).in.size(), sizeof rect);
    memcpy(&rect, aoi.at(1).in.data(), sizeof rect);
    QCOMPARE(QRect(rect.x, rect.y, rect.width, rect.height), QRect(0, 0, 1280, 1024));
    QCOMPARE(int(vysim::callsOf("vy_AddToSequence").size()), 3);
    QCOMPARE(int(vysim::callsOf("vy_CaptureVideo").size()), 1);

    camera.setFramerate(20.0);
    QTRY_VERIFY_WITH_TIMEOUT(camera.frameCount() >= 10, 10000);
    QCOMPARE(size, QSize(1280, 1024));
    QCOMPARE(bytesPerLine, 1280);
    QCOMPARE(format, QImage::Format_Indexed8);
    QCOMPARE(greyAt200, 200);
    const quint32 before = camera.frameCount();
    QTRY_VERIFY_WITH_TIMEOUT(camera.frameCount() >= before + 10, 10000);
    const double rate = camera.framerateParameter().value;
    QVERIFY2(rate > 1.0, qPrintable(QString::number(rate)));
    // The measured rate follows the clock; its accuracy under load is the benchmarks' business.
    QVERIFY(camera.framesPerSecond() > 0.0);

    camera.close();
    QVERIFY(!camera.isOpen());
    QCOMPARE(camera.framesPerSecond(), 0.0);
    QCOMPARE(vysim_device_in_use(1), 0);
    QCOMPARE(int(vysim::callsOf("vy_FreeImageMem").size()), 3);
    // A frame event still queued from before the close is ignored.
    const quint32 frames = camera.frameCount();
    camera.eventReceived(VY_EVENT_FRAME);
    QCOMPARE(camera.frameCount(), frames);
}

void tst_EditorCamera::closeOrder()
{
    Camera camera;
    camera.open(2);
    QStringList order;
    connect(&camera, &Camera::newImage, this,
            [&](const QImage &image) { order << (image.isNull() ? "null image" : "image"); });
    connect(&camera, &Camera::cameraClosed, this, [&] { order << "closed"; });
    camera.close();
    QCOMPARE(order, (QStringList{"null image", "closed"}));
    camera.close(); // closed already: nothing
    QCOMPARE(order.size(), 2);
}

void tst_EditorCamera::openWhileOpen()
{
    Camera camera;
    QSignalSpy closed(&camera, &Camera::cameraClosed);
    camera.open(1);
    camera.open(3);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(camera.openDeviceId(), 3);
    QCOMPARE(vysim_device_in_use(1), 0);
    QCOMPARE(vysim_device_in_use(3), 1);
}

void tst_EditorCamera::refusedSensors_data()
{
    QTest::addColumn<QByteArray>("sensorId");
    QTest::newRow("sensor_77") << QByteArray("77");
    QTest::newRow("sensor_541") << QByteArray("541");
    QTest::newRow("sensor_523") << QByteArray("523");
}

void tst_EditorCamera::refusedSensors()
{
    QFETCH(QByteArray, sensorId);
    QVERIFY(SimWorld::setField(1, "sensorId", sensorId.constData()));
    Camera camera;
    QSignalSpy opened(&camera, &Camera::cameraOpened);
    QCOMPARE(openFailure(camera, 1), QString("Unsupported camera type"));
    QVERIFY(!camera.isOpen());
    QCOMPARE(opened.count(), 0);
    QCOMPARE(vysim_device_in_use(1), 0);
    QCOMPARE(int(vysim::callsOf("vy_ExitCamera").size()), 1);
}

void tst_EditorCamera::initFailure()
{
    Camera camera;
    QCOMPARE(openFailure(camera, 4), QString("Could not initialize camera.")); // in use
    QCOMPARE(openFailure(camera, 9999), QString("Could not initialize camera."));
    // A failing step after the handle exists closes the camera again.
    vysim_force_result("vy_AllocImageMem", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, VY_OUT_OF_MEMORY,
                       0);
    QCOMPARE(openFailure(camera, 1), QString("Can't allocate image memory."));
    QVERIFY(!camera.isOpen());
    QCOMPARE(vysim_device_in_use(1), 0);
    vysim_clear_forced(nullptr);
    vysim_force_result("vy_AddToSequence", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                       VY_INVALID_PARAMETER, 0);
    QCOMPARE(openFailure(camera, 1), QString("Can't add buffer to sequence."));
    QVERIFY(!camera.isOpen());
}

void tst_EditorCamera::firmwareUpload()
{
    QVERIFY(SimWorld::setField(1, "needsFirmwareUpload", "true"));
    Camera camera;
    QSignalSpy messages(&camera, &Camera::displayError);
    camera.open(1);
    QVERIFY(camera.isOpen());
    QCOMPARE(messages.count(), 1);
    QVERIFY(
        messages.at(0).at(0).toString().startsWith("Upload of new firmware required. (approx. "));
    QCOMPARE(messages.at(0).at(1).toInt(), 2000);
    const auto inits = vysim::callsOf("vy_InitCamera");
    QCOMPARE(int(inits.size()), 2);
    QCOMPARE(inits.at(0).result, int32_t(VY_STARTER_FW_UPLOAD_NEEDED));
    QCOMPARE(inits.at(1).handle, int32_t(1 | VY_UNOPENED | VY_ALLOW_FW_UPLOAD));
}

void tst_EditorCamera::unplugOpenCamera()
{
    Camera camera;
    QSignalSpy removed(&camera, &Camera::cameraRemoved);
    QSignalSpy removedDevice(&camera, &Camera::cameraRemovedDevice);
    QSignalSpy newDevice(&camera, &Camera::cameraNewDevice);
    camera.open(1);
    QCOMPARE(vysim_unplug(1), int32_t(VY_SUCCESS));
    QTRY_COMPARE_WITH_TIMEOUT(removed.count(), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(removedDevice.count(), 1, 5000);
    // The device comes back while the handle is still open.
    QSignalSpy reconnect(&camera, &Camera::cameraReconnect);
    char message[256] = {};
    QCOMPARE(
        vysim_plug(R"({"deviceId": 1, "serialNumber": "4103012345"})", message, sizeof message),
        int32_t(VY_SUCCESS));
    QTRY_COMPARE_WITH_TIMEOUT(reconnect.count(), 1, 5000);
    camera.close();
    QCOMPARE(reconnect.count(), 1);
    QCOMPARE(vysim_plug(R"({"deviceId": 77, "cameraId": 9})", message, sizeof message),
             int32_t(VY_SUCCESS));
    QTRY_VERIFY_WITH_TIMEOUT(newDevice.count() >= 2, 5000);
}

void tst_EditorCamera::captureFailures()
{
    QVERIFY(SimWorld::setField(1, "captureFailureEvery", "2"));
    Camera camera;
    camera.open(1);
    QTRY_VERIFY_WITH_TIMEOUT(camera.failedCount() >= 3, 10000);
    QVERIFY(camera.frameCount() >= 1);
}

void tst_EditorCamera::framerateClamp()
{
    Camera camera;
    int changed = 0;
    connect(&camera, &Camera::framerateChanged, this, [&] { ++changed; });
    camera.open(1);
    const double max = camera.framerateParameter().max;
    QVERIFY(max > camera.framerateParameter().min);
    camera.setFramerate(max * 10);
    QVERIFY(qAbs(camera.framerateParameter().value - max) < max * 0.01);
    camera.setFramerate(-5);
    QVERIFY(camera.framerateParameter().value <= camera.framerateParameter().min * 1.01);
    camera.setMastergain(250);
    QCOMPARE(camera.mastergainParameter().value, 100);
    QVERIFY(changed >= 2);
}

void tst_EditorCamera::correctionSupport()
{
    Camera camera;
    camera.open(1);
    QVERIFY(camera.supportsCameraCorrection());
    camera.close();
    QVERIFY(SimWorld::setField(1, "hotPixelCorrectionModes", "4"));
    camera.open(1);
    QVERIFY(!camera.supportsCameraCorrection());
    vysim_log_clear();
    // The camera refuses its own correction: that is said, and the capture goes on.
    QVERIFY_EXCEPTION_THROWN(camera.setBadPixelCorrection(true), std::runtime_error);
    const auto hot = vysim::callsOf("vy_HotPixel");
    QCOMPARE(int(hot.size()), 1);
    QCOMPARE(hot.at(0).command, uint32_t(VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION));
    QCOMPARE(int(vysim::callsOf("vy_CaptureVideo").size()), 1);
}

void tst_EditorCamera::openStepFails_data()
{
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QString>("message");
    QTest::newRow("sensor_info") << QByteArray("vy_GetSensorInfo")
                                 << "The device did not answer (code 187).";
    QTest::newRow("image_size") << QByteArray("vy_AOI") << "The device did not answer (code 187).";
    QTest::newRow("live_video") << QByteArray("vy_CaptureVideo")
                                << "The device did not answer (code 187).";
}

// An open that fails after the handle exists says the SDK's own message, with its code.
void tst_EditorCamera::openStepFails()
{
    QFETCH(QByteArray, function);
    QFETCH(QString, message);
    vysim_force_result(function.constData(), VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, VY_TRANSFER_ERROR,
                       0);
    Camera camera;
    QCOMPARE(openFailure(camera, 1), message);
    QVERIFY(!camera.isOpen());
    QCOMPARE(vysim_device_in_use(1), 0);
}

void tst_EditorCamera::setterFailureIsLogged_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QByteArray>("function");
    QTest::newRow("framerate") << "framerate" << QByteArray("vy_SetFrameRate");
    QTest::newRow("exposure") << "exposure" << QByteArray("vy_SetExposureTime");
    QTest::newRow("gain") << "gain" << QByteArray("vy_SetHardwareGain");
}

// A setter the user moved has no box: its failure is logged with the SDK's own message.
void tst_EditorCamera::setterFailureIsLogged()
{
    QFETCH(QString, setter);
    QFETCH(QByteArray, function);
    Camera camera;
    camera.open(1);
    vysim_force_result(function.constData(), VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                       VY_INVALID_PARAMETER, 1);
    vysim_log_clear();
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QString::fromLatin1(function) +
                                    QStringLiteral(" failed: Invalid parameter (code 125).")));
    if (setter == QLatin1String("framerate"))
        camera.setFramerate(camera.framerateParameter().min);
    else if (setter == QLatin1String("exposure"))
        camera.setExposure(camera.exposureParameter().min);
    else
        camera.setMastergain(10);
    const auto calls = vysim::callsOf(function.constData());
    QVERIFY(!calls.empty());
    QCOMPARE(calls.front().result, int32_t(VY_INVALID_PARAMETER));
    QVERIFY(calls.front().forced);
}

VYRO_TEST_GUILESS_MAIN(tst_EditorCamera)
#include "tst_editorcamera.moc"

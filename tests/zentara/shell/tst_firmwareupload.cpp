// tst_firmwareupload.cpp: the starter firmware upload from the main window on the simulated
// world: progress, printing flag, result messages, failures and an unplugged camera.
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTextDocument>
#include <QtTest>

#include <memory>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/camerastatus.h"
#include "zentara/shell/firmwareupload.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"

using zentara::Camera;

using shelltest::child;

namespace {

const uint32_t StarterFw = 1004; // incompatible starter firmware, type 0x84
const uint32_t UsbCamera = 1;

bool select(QVyroZentara &w, uint32_t deviceId)
{
    return shelltest::selectCamera(w, deviceId);
}

QString statusText(QVyroZentara &w)
{
    return child<QLabel>(w, "statusLabel")->text();
}

QProgressDialog *progress(QVyroZentara &w)
{
    return w.findChild<QProgressDialog *>(QStringLiteral("firmwareUploadProgress"));
}

int uploadOpens()
{
    int n = 0;
    for (const auto &call : vysim::callsOf("vy_InitCamera"))
        n += (uint32_t(call.handle) & VY_ALLOW_FW_UPLOAD) ? 1 : 0;
    return n;
}

} // namespace

class tst_FirmwareUpload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void uploadSeconds_data();
    void uploadSeconds();
    void uploadTurnsTheVerdictReady();
    void dialogPromisesTheTypesTime_data();
    void dialogPromisesTheTypesTime();
    void usbCameraDoesNothing();
    void statusSentencesWaitForTheUpload();
    void failures_data();
    void failures();
    void unpluggedDuringUpload_data();
    void unpluggedDuringUpload();
    void windowWaitsForTheUpload();

private:
    std::unique_ptr<QVyroZentara> window();

    QTemporaryDir m_dir;
    RecordingDialogRunner m_dialogs;
};

void tst_FirmwareUpload::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
}

void tst_FirmwareUpload::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
    // 18 s of the default world become a few tens of milliseconds.
    QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "0.002"));
}

std::unique_ptr<QVyroZentara> tst_FirmwareUpload::window()
{
    auto w = std::make_unique<QVyroZentara>(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
    w->show();
    return w;
}

void tst_FirmwareUpload::uploadSeconds_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("seconds");
    for (int code : {0x81, 0x82, 0x84, 0x86, 0x87, 0x8A, 0x8B, 0x8C})
        QTest::addRow("0x%x", code) << code << 25;
    for (int code : {0x83, 0x85, 0x89, 0x80, 0x8D, 0xF1})
        QTest::addRow("0x%x", code) << code << 100;
    QTest::newRow("0x88") << 0x88 << 35;
}

void tst_FirmwareUpload::uploadSeconds()
{
    QFETCH(int, code);
    QFETCH(int, seconds);
    QCOMPARE(FirmwareUpload::uploadSeconds(uint8_t(code)), seconds);
}

void tst_FirmwareUpload::uploadTurnsTheVerdictReady()
{
    auto w = window();
    QVERIFY(select(*w, StarterFw));
    QVERIFY(statusText(*w).contains(QStringLiteral("incompatible")));
    auto *button = child<QPushButton>(*w, "uploadFirmwareButton");
    QVERIFY(button->isEnabled());
    QSignalSpy finished(w.get(), &QVyroZentara::firmwareUploadFinished);
    ModalAnswerer boxes;
    vysim_log_clear();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(progress(*w));
    QVERIFY(finished.wait(30000) || finished.count() == 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(uploadOpens(), 1);
    const auto opens = vysim::callsOf("vy_InitCamera");
    QCOMPARE(uint32_t(opens.front().handle), StarterFw | 0x18000u);
    QCOMPARE(vysim::callsOf("vy_ExitCamera").size(), size_t(1));
    QTRY_VERIFY(!progress(*w));
    // The camera now runs its required starter firmware, and the window says it is ready.
    const Camera after = shelltest::cameraOf(StarterFw);
    QCOMPARE(after.starterFirmwareVersion(), after.requiredStarterFirmwareVersion());
    const QString ready = QStringLiteral("Status of device %1: The camera is configured "
                                         "correctly and can be opened.")
                              .arg(StarterFw);
    // The result stays above it.
    QTRY_COMPARE(statusText(*w),
                 QStringLiteral("<font color='#000000'>Firmware upload successful!</font><br/>"
                                "<font color='#000000'>%1</font>")
                     .arg(ready));
}

void tst_FirmwareUpload::dialogPromisesTheTypesTime_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("seconds");
    QTest::newRow("0x84") << "\"0x84\"" << 25;
    QTest::newRow("0x88") << "\"0x88\"" << 35;
    QTest::newRow("0x85") << "\"0x85\"" << 100;
}

void tst_FirmwareUpload::dialogPromisesTheTypesTime()
{
    QFETCH(QString, type);
    QFETCH(int, seconds);
    QVERIFY(SimWorld::setField(StarterFw, "deviceType", type.toLatin1().constData()));
    auto w = window();
    QVERIFY(select(*w, StarterFw));
    QSignalSpy finished(w.get(), &QVyroZentara::firmwareUploadFinished);
    QTest::mouseClick(child<QPushButton>(*w, "uploadFirmwareButton"), Qt::LeftButton);
    QProgressDialog *dialog = progress(*w);
    QVERIFY(dialog);
    QCOMPARE(dialog->minimum(), 0);
    QCOMPARE(dialog->maximum(), seconds);
    QCOMPARE(dialog->labelText(),
             QStringLiteral("Uploading firmware...\n\nPlease don't disconnect the device until "
                            "this operation is completed.\nThis may take up to %1 seconds.")
                 .arg(seconds));
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(dialog->findChildren<QPushButton *>().isEmpty());
    QVERIFY(finished.wait(30000) || finished.count() == 1);
}

void tst_FirmwareUpload::usbCameraDoesNothing()
{
    auto w = window();
    QVERIFY(select(*w, UsbCamera));
    QVERIFY(!child<QPushButton>(*w, "uploadFirmwareButton")->isEnabled());
    const QString before = statusText(*w);
    vysim_log_clear();
    w->onUploadFirmware();
    QVERIFY(!progress(*w));
    QCOMPARE(uploadOpens(), 0);
    QCOMPARE(statusText(*w), before);
}

// While the upload runs, other sentences are not shown; afterwards they are again.
void tst_FirmwareUpload::statusSentencesWaitForTheUpload()
{
    QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "1"));
    QVERIFY(SimWorld::setField(StarterFw, "firmwareUploadMs", "600000"));
    auto w = window();
    QVERIFY(select(*w, StarterFw));
    QSignalSpy finished(w.get(), &QVyroZentara::firmwareUploadFinished);
    ModalAnswerer boxes;
    QTest::mouseClick(child<QPushButton>(*w, "uploadFirmwareButton"), Qt::LeftButton);
    const QString running =
        QStringLiteral("<font color='#000000'>Firmware upload in progress ...</font>");
    QCOMPARE(statusText(*w), running);
    QVERIFY(child<QLabel>(*w, "busyLabel")->isVisible());
    w->Printer(QStringLiteral("another sentence"), Qt::red, false);
    w->UpdateControls();
    QCOMPARE(statusText(*w), running);
    // A daemon that stops meanwhile does not take the sentence's place either.
    vysim_set_daemon(VYSIM_DAEMON_USB, 0);
    w->onServiceTimer();
    QCOMPARE(statusText(*w), running);
    vysim_set_daemon(VYSIM_DAEMON_USB, 1);
    // The bar advances once a second meanwhile.
    QProgressDialog *dialog = progress(*w);
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->value() >= 1);
    QVERIFY(dialog->value() < dialog->maximum());
    // End the upload: the camera goes away.
    QCOMPARE(vysim_unplug(StarterFw), VY_SUCCESS);
    QVERIFY(finished.wait(30000) || finished.count() == 1);
    w->Printer(QStringLiteral("another sentence"), Qt::red, false);
    QVERIFY(
        statusText(*w).endsWith(QStringLiteral("<font color='#ff0000'>another sentence</font>")));
}

void tst_FirmwareUpload::failures_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("code");
    // The SDK's own message, taken on the upload's thread, with its code.
    QTest::addColumn<QString>("message");
    QTest::newRow("upload fails in the camera")
        << "field" << 187 << "The device did not answer (code 187).";
    QTest::newRow("open refused") << "forced" << int(VY_DEVICE_IN_USE)
                                  << "The camera is in use by another program (code 4).";
    QTest::newRow("camera in use")
        << "inUse" << int(VY_DEVICE_IN_USE) << "The camera is in use by another program (code 4).";
}

void tst_FirmwareUpload::failures()
{
    QFETCH(QString, how);
    QFETCH(int, code);
    QFETCH(QString, message);
    if (how == QLatin1String("field"))
        QVERIFY(SimWorld::setField(StarterFw, "firmwareUploadResult", "187"));
    auto w = window();
    QVERIFY(select(*w, StarterFw));
    if (how == QLatin1String("forced"))
        vysim_force_result("vy_InitCamera", VYSIM_ANY_COMMAND,
                           int32_t(StarterFw | VY_UNOPENED | VY_ALLOW_FW_UPLOAD), code, 1);
    if (how == QLatin1String("inUse"))
        QVERIFY(SimWorld::setField(StarterFw, "inUse", "true"));
    QSignalSpy finished(w.get(), &QVyroZentara::firmwareUploadFinished);
    ModalAnswerer boxes;
    vysim_log_clear();
    w->onUploadFirmware();
    QVERIFY(finished.wait(30000) || finished.count() == 1);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Firmware upload error! %1").arg(message)});
    QCOMPARE(boxes.titles(), QStringList{QStringLiteral("Error")});
    QCOMPARE(boxes.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(vysim::callsOf("vy_ExitCamera").size(), size_t(0));
    QTRY_VERIFY(!progress(*w));
    // The firmware stays as it was, and so does the verdict.
    const Camera after = shelltest::cameraOf(StarterFw);
    QVERIFY(after.starterFirmwareVersion() != after.requiredStarterFirmwareVersion());
    QTRY_VERIFY(statusText(*w).contains(QStringLiteral("incompatible")) || how == "inUse");
    // The window is usable again: a status sentence shows.
    w->Printer(QStringLiteral("next"), Qt::black, false);
    QVERIFY(statusText(*w).endsWith(QStringLiteral("<font color='#000000'>next</font>")));
}

void tst_FirmwareUpload::unpluggedDuringUpload_data()
{
    QTest::addColumn<bool>("tryToLeave");
    QTest::newRow("waited_for") << false;
    // Escape, the close button and a second click change nothing while the upload runs.
    QTest::newRow("progress_cannot_be_left") << true;
}

void tst_FirmwareUpload::unpluggedDuringUpload()
{
    QFETCH(bool, tryToLeave);
    QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "1"));
    QVERIFY(SimWorld::setField(StarterFw, "firmwareUploadMs", "600000"));
    auto w = window();
    QVERIFY(select(*w, StarterFw));
    QSignalSpy finished(w.get(), &QVyroZentara::firmwareUploadFinished);
    ModalAnswerer boxes;
    vysim_log_clear();
    auto *button = child<QPushButton>(*w, "uploadFirmwareButton");
    QTest::mouseClick(button, Qt::LeftButton);
    QProgressDialog *dialog = progress(*w);
    QVERIFY(dialog);
    if (tryToLeave) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    const bool shown = dialog->isVisible();
    // Unplugged while the upload holds the camera, not before the worker has opened it.
    QTRY_VERIFY((vysim_sync(), SimWorld::listedInUse(StarterFw) == 1));
    QCOMPARE(vysim_unplug(StarterFw), VY_SUCCESS);
    QVERIFY(finished.wait(30000) || finished.count() == 1);
    QCOMPARE(boxes.texts(),
             QStringList{QStringLiteral("Firmware upload error! An I/O request to the driver "
                                        "failed (code %1).")
                             .arg(VY_IO_REQUEST_FAILED)});
    QVERIFY(shown);
    QCOMPARE(uploadOpens(), 1);
    QTRY_VERIFY(!progress(*w));
    // The list has moved on to another camera; its sentence is shown, none is lost.
    auto *list = child<CameraList>(*w, "cameraList");
    QTRY_VERIFY(list->currentCamera() && list->currentCamera()->deviceId() != StarterFw);
    const Camera selected = *list->currentCamera();
    QTRY_COMPARE(statusText(*w), CameraStatus::evaluate(&selected).html());
    QVERIFY(!SimWorld::isListed(StarterFw));
}

void tst_FirmwareUpload::windowWaitsForTheUpload()
{
    QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "0.02"));
    {
        auto w = window();
        QVERIFY(select(*w, StarterFw));
        w->onUploadFirmware();
        QVERIFY(progress(*w));
    }
    // The window has gone only after the upload ended. (The simulator reads the device locks
    // every 100 ms; sync reads them now.)
    QCOMPARE(vysim_sync(), int32_t(VY_SUCCESS));
    QCOMPARE(SimWorld::listedInUse(StarterFw), 0u);
    const Camera after = shelltest::cameraOf(StarterFw);
    QCOMPARE(after.starterFirmwareVersion(), after.requiredStarterFirmwareVersion());
}

VYRO_TEST_MAIN(tst_FirmwareUpload)
#include "tst_firmwareupload.moc"

// tst_qvyrozentara.cpp: the main window on the simulated world: settings, daemon watch,
// viewer start, identify, multicast default, verdicts and refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "tests/zentara/shell/shelltest.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/camerastatus.h"
#include "zentara/shell/startup.h"

using shelltest::child;
using shelltest::TestWindow;

class tst_QVyroZentara : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void picturesLoad_data();
    void picturesLoad();
    void settingsRestore_data();
    void settingsRestore();
    void settingsSavedOnDestruction();
    void expertModeSwitch();
    void daemonTextRules();
    void daemonLineFollowsVyrosim();
    void openCameraStartsViewer_data();
    void openCameraStartsViewer();
    void identifyUnopenableCameraDoesNothing();
    void identifyBlinksAndCloses();
    void multicastDefaultAtConstruction();
    void multicastDefaultFailureSkipsRescan();
    void controlsFollowTheSelection();
    void noCameraList();
    void cameraInfoRefusals_data();
    void cameraInfoRefusals();
    void cameraInfoDialogRestoresRefresh_data();
    void cameraInfoDialogRestoresRefresh();
    void additionalCameraInfoRefusals_data();
    void additionalCameraInfoRefusals();

private:
    QString noLanguages() const { return m_dir.filePath(QStringLiteral("nolang")); }
    QLabel *status(QWidget &w) { return child<QLabel>(w, "statusLabel"); }

    QTemporaryDir m_dir;
};

void tst_QVyroZentara::initTestCase()
{
    QVERIFY(m_dir.isValid());
    shelltest::useOwnSettings(m_dir);
    Startup::initResources();
}

void tst_QVyroZentara::init()
{
    simtest::resetWorld();
    shelltest::clearSettings();
}

void tst_QVyroZentara::picturesLoad_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("frames");
    QTest::newRow("logo") << ":/images/logo_orv.png" << QSize(220, 64) << 1;
    QTest::newRow("window icon") << ":/images/Vyro Manager.ico" << QSize(16, 16) << 6;
    QTest::newRow("indicator") << ":/images/indicator.gif" << QSize(32, 32) << 12;
    QTest::newRow("flag en") << ":/images/lang/en.png" << QSize(24, 16) << 1;
    QTest::newRow("flag de") << ":/images/lang/de.png" << QSize(24, 16) << 1;
}

// Every picture the window names is compiled in and readable with the installed image plugins.
void tst_QVyroZentara::picturesLoad()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(int, frames);
    QImageReader reader(resource);
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QCOMPARE(reader.size(), size);
    QCOMPARE(reader.imageCount(), frames);
    QVERIFY(!reader.read().isNull());
}

void tst_QVyroZentara::settingsRestore_data()
{
    QTest::addColumn<bool>("expert");
    QTest::addColumn<bool>("refresh");
    QTest::newRow("expert off, refresh off") << false << false;
    QTest::newRow("expert off, refresh on") << false << true;
    QTest::newRow("expert on, refresh off") << true << false;
    QTest::newRow("expert on, refresh on") << true << true;
}

void tst_QVyroZentara::settingsRestore()
{
    QFETCH(bool, expert);
    QFETCH(bool, refresh);
    {
        QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
        settings.beginGroup(QStringLiteral("mainWindow"));
        settings.setValue(QStringLiteral("checkExpert"), expert);
        settings.setValue(QStringLiteral("checkRefresh"), refresh);
    }
    TestWindow w(noLanguages());
    w.show();
    auto *expertBox = child<QCheckBox>(w, "expertBox");
    auto *refreshBox = child<QCheckBox>(w, "refreshBox");
    QCOMPARE(expertBox->isChecked(), expert);
    QCOMPARE(refreshBox->isChecked(), refresh);
    QCOMPARE(refreshBox->isEnabled(), expert);
    QCOMPARE(child<CameraList>(w, "cameraList")->autoRefresh(), expert && refresh);
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("deviceInfoView"))->isVisibleTo(&w), expert);
}

void tst_QVyroZentara::settingsSavedOnDestruction()
{
    {
        TestWindow w(noLanguages());
        w.show();
        w.resize(900, 700);
        child<QCheckBox>(w, "expertBox")->setChecked(true);
        child<QCheckBox>(w, "refreshBox")->click();
    }
    QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
    settings.beginGroup(QStringLiteral("mainWindow"));
    QCOMPARE(settings.value(QStringLiteral("checkExpert")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("checkRefresh")).toBool(), true);
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());

    TestWindow again(noLanguages());
    QCOMPARE(again.size(), QSize(900, 700));
    QVERIFY(child<CameraList>(again, "cameraList")->autoRefresh());
}

void tst_QVyroZentara::expertModeSwitch()
{
    TestWindow w(noLanguages());
    w.show();
    auto *expertBox = child<QCheckBox>(w, "expertBox");
    auto *refreshBox = child<QCheckBox>(w, "refreshBox");
    auto *list = child<CameraList>(w, "cameraList");
    QVERIFY(!refreshBox->isEnabled());
    expertBox->setChecked(true);
    QVERIFY(refreshBox->isEnabled());
    QVERIFY(!list->autoRefresh());
    QVERIFY(w.findChild<QWidget *>(QStringLiteral("deviceInfoView"))->isVisible());
    refreshBox->click();
    QVERIFY(list->autoRefresh());
    expertBox->setChecked(false);
    QVERIFY(!refreshBox->isEnabled());
    QVERIFY(refreshBox->isChecked());
    QVERIFY(!list->autoRefresh());
    QVERIFY(!w.findChild<QWidget *>(QStringLiteral("deviceInfoView"))->isVisible());
}

void tst_QVyroZentara::daemonTextRules()
{
    vysim_set_daemon(VYSIM_DAEMON_USB, 0);
    vysim_set_daemon(VYSIM_DAEMON_ETH, 1);
    TestWindow w(noLanguages());
    QCOMPARE(w.daemonStates(), (CoreStates{CoreStates::Stopped, CoreStates::Running}));
    QSignalSpy spy(&w, &QVyroZentara::vyrodStatusChanged);
    const QString marker = QStringLiteral("camera sentence");

    // One daemon up and nothing changed: the camera sentence stays.
    w.Printer(marker, Qt::black, false);
    w.onServiceTimer();
    QCOMPARE(spy.count(), 0);
    QVERIFY(status(w)->text().contains(marker));

    // A flip rewrites the text and is announced.
    vysim_set_daemon(VYSIM_DAEMON_ETH, 0);
    w.onServiceTimer();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CoreStates>(),
             (CoreStates{CoreStates::Stopped, CoreStates::Stopped}));
    QCOMPARE(status(w)->text(),
             QStringLiteral("<font color='#ff0000'>Orv Vyro ETH daemon disconnected!<br/></font>"
                            "<font color='#ff0000'>Orv Vyro USB daemon disconnected!</font>"));

    // Both down: rewritten at every tick, without a new announcement.
    w.Printer(marker, Qt::black, false);
    w.onServiceTimer();
    QCOMPARE(spy.count(), 1);
    QVERIFY(!status(w)->text().contains(marker));
    QVERIFY(status(w)->text().contains(QStringLiteral("USB daemon disconnected")));

    vysim_set_daemon(VYSIM_DAEMON_USB, 1);
    w.onServiceTimer();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).value<CoreStates>(),
             (CoreStates{CoreStates::Running, CoreStates::Stopped}));
    QCOMPARE(status(w)->text(),
             QStringLiteral("<font color='#ff0000'>Orv Vyro ETH daemon disconnected!<br/></font>"
                            "<font color='#000000'>Orv Vyro USB daemon connected!</font>"));
    w.Printer(marker, Qt::black, false);
    w.onServiceTimer();
    QCOMPARE(spy.count(), 2);
    QVERIFY(status(w)->text().contains(marker));
}

// Another process stops the daemon; the running window's own 4 s watch notices.
void tst_QVyroZentara::daemonLineFollowsVyrosim()
{
    const QString vyrosim = qEnvironmentVariable("VYROSIM");
    if (vyrosim.isEmpty())
        QSKIP("VYROSIM is not set (run through ctest)");
    TestWindow w(noLanguages());
    w.show();
    QSignalSpy spy(&w, &QVyroZentara::vyrodStatusChanged);
    QCOMPARE(QProcess::execute(vyrosim, {QStringLiteral("daemon"), QStringLiteral("eth"),
                                         QStringLiteral("stop")}),
             0);
    QTRY_VERIFY_WITH_TIMEOUT(status(w)->text().contains(QStringLiteral("ETH daemon disconnected")),
                             5000);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(w.daemonStates(), (CoreStates{CoreStates::Running, CoreStates::Stopped}));
}

void tst_QVyroZentara::openCameraStartsViewer_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<QString>("expected");
    QTest::newRow("serial") << "4103012345" << false << "-o 4103012345";
    QTest::newRow("empty serial") << "" << false << "-d 1";
    QTest::newRow("unreadable serial") << QString(QChar(0xFFFD)) + "12" << false << "-d 1";
    QTest::newRow("in use") << "4103012345" << true << "";
}

// A fake viewer first on PATH records the arguments it was started with.
void tst_QVyroZentara::openCameraStartsViewer()
{
    QFETCH(QString, serial);
    QFETCH(bool, inUse);
    QFETCH(QString, expected);
    QTemporaryDir bin;
    const QString log = bin.filePath(QStringLiteral("viewer.log"));
    QFile script(bin.filePath(QStringLiteral("vyrodemo")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$*\" >> \"$VYRODEMO_LOG\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + oldPath);
    qputenv("VYRODEMO_LOG", log.toLocal8Bit());

    TestWindow w(noLanguages());
    Camera camera = shelltest::cameraOf(1);
    QCOMPARE(camera.deviceId(), 1u);
    if (inUse)
        shelltest::setField(1, "inUse", "true");
    camera = shelltest::cameraOf(1);
    QCOMPARE(camera.inUse() != 0, inUse);
    // The serial is set on the record the list handed over, as the driver reported it.
    if (!inUse) {
        QByteArray json = QByteArray("\"") + serial.toUtf8() + '"';
        shelltest::setField(1, "serialNumber", json.constData());
        camera = shelltest::cameraOf(1);
        if (serial.startsWith(QChar(0xFFFD)) && !camera.serialNumber().startsWith(QChar(0xFFFD)))
            QSKIP("the simulator does not pass the replacement character through");
        QCOMPARE(camera.serialNumber(), serial);
    }
    // A second camera that is in use must never start a viewer.
    Camera busy = shelltest::cameraOf(4);
    QVERIFY(busy.inUse() != 0);
    w.onOpenCamera({busy, camera});

    if (expected.isEmpty()) {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(log));
    } else {
        QFile file(log);
        QTRY_VERIFY(file.exists() && file.size() > 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).trimmed(), expected);
    }
    qputenv("PATH", oldPath);
}

void tst_QVyroZentara::identifyUnopenableCameraDoesNothing()
{
    TestWindow w(noLanguages());
    const QString before = status(w)->text();
    const Camera camera = shelltest::cameraOf(1);
    vysim_force_result("vy_InitCamera", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, VY_CANT_OPEN_DEVICE,
                       0);
    vysim_log_clear();
    w.onIdentifyCamera(camera);
    QCOMPARE(vysim::callsOf("vy_InitCamera").size(), size_t(1));
    QVERIFY(vysim::callsOf("vy_IO").empty());
    QVERIFY(vysim::callsOf("vy_ExitCamera").empty());
    QCOMPARE(status(w)->text(), before);
}

void tst_QVyroZentara::identifyBlinksAndCloses()
{
    TestWindow w(noLanguages());
    const Camera camera = shelltest::cameraOf(1);
    vysim_log_clear();
    QElapsedTimer timer;
    timer.start();
    // A second request while the first waits with the camera open is ignored.
    bool secondReturned = false;
    QTimer::singleShot(100, this, [&] {
        w.onIdentifyCamera(camera);
        secondReturned = true;
    });
    w.onIdentifyCamera(camera);
    QVERIFY(timer.elapsed() >= 1900);
    QVERIFY(secondReturned);
    const auto init = vysim::callsOf("vy_InitCamera");
    const auto io = vysim::callsOf("vy_IO");
    const auto exit = vysim::callsOf("vy_ExitCamera");
    QCOMPARE(init.size(), size_t(1));
    QCOMPARE(init[0].handle, int32_t(1 | VY_UNOPENED));
    QCOMPARE(init[0].result, VY_SUCCESS);
    QCOMPARE(io.size(), size_t(1));
    QCOMPARE(io[0].command, uint32_t(VY_IO_LED_BLINK));
    QCOMPARE(io[0].in, (std::vector<uint8_t>{6, 0, 0, 0}));
    QCOMPARE(exit.size(), size_t(1));
    QVERIFY(io[0].sequence < exit[0].sequence);
    QCOMPARE(io[0].handle, exit[0].handle);
    QCOMPARE(vysim_device_in_use(1), 0);
}

void tst_QVyroZentara::multicastDefaultAtConstruction()
{
    vysim_log_clear();
    TestWindow w(noLanguages());
    std::vector<uint32_t> driverCommands;
    for (const auto &call : vysim::callsOf("vy_Multicast"))
        if (call.handle == VY_DRIVER_HANDLE)
            driverCommands.push_back(call.command);
    QVERIFY(driverCommands.size() >= 2);
    QCOMPARE(driverCommands[0], uint32_t(VY_MULTICAST_DRIVER_DEFAULT));
    QCOMPARE(driverCommands[1], uint32_t(VY_MULTICAST_RO_RESCAN));
}

void tst_QVyroZentara::multicastDefaultFailureSkipsRescan()
{
    vysim_force_result("vy_Multicast", VY_MULTICAST_DRIVER_DEFAULT, VYSIM_ANY_HANDLE,
                       VY_NOT_SUPPORTED, 0);
    vysim_log_clear();
    TestWindow w(noLanguages());
    for (const auto &call : vysim::callsOf("vy_Multicast"))
        QVERIFY(call.command != VY_MULTICAST_RO_RESCAN);
}

void tst_QVyroZentara::controlsFollowTheSelection()
{
    TestWindow w(noLanguages());
    w.show();
    auto *list = child<CameraList>(w, "cameraList");
    QTRY_VERIFY(list->currentCamera().has_value());
    const Camera selected = *list->currentCamera();
    const CameraVerdict verdict = CameraStatus::evaluate(&selected);
    QCOMPARE(status(w)->text(), verdict.html());
    QVERIFY(!child<QLabel>(w, "pictureLabel")->pixmap(Qt::ReturnByValue).isNull());
    if (verdict.cameraInformation)
        QCOMPARE(child<QPushButton>(w, "cameraInfoButton")->isEnabled(),
                 *verdict.cameraInformation);
    QVERIFY(child<QPushButton>(w, "supportFileButton")->isEnabled());
    QVERIFY(child<QPushButton>(w, "daemonButton")->isEnabled());
    QCOMPARE(child<QLabel>(w, "busyLabel")->isVisible(), false);
    w.Printer(QStringLiteral("working"), Qt::black, true);
    QVERIFY(child<QLabel>(w, "busyLabel")->isVisible());
    QCOMPARE(status(w)->text(), QStringLiteral("<font color='#000000'>working</font>"));
}

void tst_QVyroZentara::noCameraList()
{
    for (const auto &entry : simtest::cameraList())
        vysim_unplug(entry.deviceId);
    QVERIFY(simtest::cameraList().empty());
    TestWindow w(noLanguages());
    w.show();
    QCOMPARE(status(w)->text(),
             QStringLiteral("<font color='#ff0000'>No camera list available</font>"));
    QVERIFY(child<QLabel>(w, "pictureLabel")->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!child<QPushButton>(w, "cameraInfoButton")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "manualEthButton")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "uploadFirmwareButton")->isEnabled());
    QVERIFY(child<QPushButton>(w, "supportFileButton")->isEnabled());
    QVERIFY(!child<QLabel>(w, "discontinuedLabel")->isVisible());
    w.OnCameraInfoDlg();
    QCOMPARE(w.cameraInfo, 0);
}

void tst_QVyroZentara::cameraInfoRefusals_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<bool>("opens");
    QTest::newRow("usb free") << 1u << true;
    QTest::newRow("usb in use") << 4u << false;
    QTest::newRow("usb service firmware") << 6u << false;
    QTest::newRow("usb no fullspeed") << 7u << false;
    QTest::newRow("gige ready") << 1001u << true;
    QTest::newRow("gige other host") << 1003u << false;
    QTest::newRow("vision standard") << 2001u << true;
}

void tst_QVyroZentara::cameraInfoRefusals()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(bool, opens);
    TestWindow w(noLanguages());
    const Camera camera = shelltest::cameraOf(deviceId);
    QCOMPARE(camera.deviceId(), deviceId);
    w.openCameraInfoDialog(camera);
    QCOMPARE(w.cameraInfo, opens ? 1 : 0);
    // After the dialog the refresh follows the box again (off here).
    QVERIFY(!child<CameraList>(w, "cameraList")->autoRefresh());
}

void tst_QVyroZentara::cameraInfoDialogRestoresRefresh_data()
{
    QTest::addColumn<bool>("expert");
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<bool>("autoRefresh");
    QTest::newRow("expert on, refresh on") << true << true << true;
    QTest::newRow("expert on, refresh off") << true << false << false;
    // The box stays checked while expert mode is off; the dialog must not revive the refresh.
    QTest::newRow("expert off, refresh on") << false << true << false;
}

void tst_QVyroZentara::cameraInfoDialogRestoresRefresh()
{
    QFETCH(bool, expert);
    QFETCH(bool, refresh);
    QFETCH(bool, autoRefresh);
    {
        QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
        settings.setValue(QStringLiteral("mainWindow/checkExpert"), expert);
        settings.setValue(QStringLiteral("mainWindow/checkRefresh"), refresh);
    }
    TestWindow w(noLanguages());
    vysim_log_clear();
    w.openCameraInfoDialog(shelltest::cameraOf(1));
    QCOMPARE(w.cameraInfo, 1);
    QCOMPARE(child<CameraList>(w, "cameraList")->autoRefresh(), autoRefresh);
    // The list is read again once after the dialog.
    QVERIFY(!vysim::callsOf("vy_GetCameraList").empty());
}

void tst_QVyroZentara::additionalCameraInfoRefusals_data()
{
    cameraInfoRefusals_data();
}

// The additional camera information works on the selected camera.
void tst_QVyroZentara::additionalCameraInfoRefusals()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(bool, opens);
    TestWindow w(noLanguages());
    w.onCurrentCameraChanged(shelltest::cameraOf(deviceId), true);
    w.onAddCameraInfo();
    QCOMPARE(w.additionalCameraInfo, opens ? 1 : 0);
}

QTEST_MAIN(tst_QVyroZentara)
#include "tst_qvyrozentara.moc"

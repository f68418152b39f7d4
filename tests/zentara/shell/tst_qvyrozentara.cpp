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
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstring>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/camerastatus.h"
#include "zentara/shell/startup.h"

using zentara::Camera;

using shelltest::child;
using Dialog = RecordingDialogRunner::Dialog;

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
    void firstStartSize_data();
    void firstStartSize();
    void firstStartShowsEveryColumn();
    void expertModeSwitch();
    void daemonTextRules();
    void daemonLineFollowsVyrosim();
    void openCameraStartsViewer_data();
    void openCameraStartsViewer();
    void missingViewerIsSaid();
    void readOnlyDeviceChangesAreSaid();
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
    void dialogEntries_data();
    void dialogEntries();
    void noSelectionNoCameraDialog_data();
    void noSelectionNoCameraDialog();
    void daemonControlStartsFromTheWatch();
    void daemonControlIsFollowedClosely();
    void cameraInfoRunsWithTheListQuiet();

private:
    QString noLanguages() const { return m_dir.filePath(QStringLiteral("nolang")); }
    QLabel *status(QWidget &w) { return child<QLabel>(w, "statusLabel"); }

    QTemporaryDir m_dir;
    RecordingDialogRunner m_dialogs;
};

void tst_QVyroZentara::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
}

void tst_QVyroZentara::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
    m_dialogs.runs.clear();
    m_dialogs.whileOpen = nullptr;
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
    QVyroZentara w(m_dialogs, noLanguages());
    w.show();
    auto *expertBox = child<QCheckBox>(w, "expertBox");
    auto *refreshBox = child<QCheckBox>(w, "refreshBox");
    QCOMPARE(expertBox->isChecked(), expert);
    QCOMPARE(refreshBox->isChecked(), refresh);
    QCOMPARE(refreshBox->isEnabled(), expert);
    QCOMPARE(child<CameraList>(w, "cameraList")->autoRefresh(), expert && refresh);
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("deviceInfoView"))->isVisibleTo(&w), expert);
}

void tst_QVyroZentara::firstStartSize_data()
{
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("expected");
    const QSize wide(1180, 700);
    QTest::newRow("large_screen") << wide << QSize(1920, 1080) << QSize(1180, 820);
    QTest::newRow("sxga") << wide << QSize(1280, 1024) << QSize(1180, 820);
    QTest::newRow("short_screen") << wide << QSize(1280, 720) << QSize(1180, 672);
    QTest::newRow("narrow_screen") << wide << QSize(1024, 768) << QSize(1008, 720);
    QTest::newRow("small_contents") << QSize(500, 300) << QSize(1920, 1080) << QSize(800, 820);
    QTest::newRow("tall_contents") << QSize(900, 1000) << QSize(1920, 1080) << QSize(900, 1000);
}

void tst_QVyroZentara::firstStartSize()
{
    QFETCH(QSize, wanted);
    QFETCH(QSize, available);
    QFETCH(QSize, expected);
    QCOMPARE(QVyroZentara::firstStartSize(wanted, QSize(800, 600), available), expected);
}

void tst_QVyroZentara::firstStartShowsEveryColumn()
{
    QVyroZentara w(m_dialogs, noLanguages());
    child<QCheckBox>(w, "expertBox")->setChecked(true);
    // What the window wants holds every column of the list in full.
    QTableView *view = w.findChild<QTableView *>();
    QVERIFY(view);
    int columns = 0;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        columns += view->columnWidth(column);
    QVERIFY(view->sizeHint().width() > columns);
    // On the screen in use the window never exceeds the room there is.
    const QSize room = w.screen()->availableGeometry().size();
    QVERIFY(w.width() <= qMax(room.width(), w.minimumWidth()));
    QVERIFY(w.height() <= qMax(room.height(), w.minimumHeight()));
}

void tst_QVyroZentara::settingsSavedOnDestruction()
{
    {
        QVyroZentara w(m_dialogs, noLanguages());
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

    QVyroZentara again(m_dialogs, noLanguages());
    QCOMPARE(again.size(), QSize(900, 700));
    QVERIFY(child<CameraList>(again, "cameraList")->autoRefresh());
}

void tst_QVyroZentara::expertModeSwitch()
{
    QVyroZentara w(m_dialogs, noLanguages());
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
    QVyroZentara w(m_dialogs, noLanguages());
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
    QVyroZentara w(m_dialogs, noLanguages());
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
    // The serial as the camera reports it, bytes of its list entry.
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<bool>("inUse");
    QTest::addColumn<QString>("expected");
    QTest::newRow("serial") << QByteArray("4103012345") << false << "-o 4103012345";
    QTest::newRow("empty serial") << QByteArray() << false << "-d 1";
    QTest::newRow("unreadable serial") << QByteArray("\xef\xbf\xbd"
                                                     "12")
                                       << false << "-d 1";
    QTest::newRow("blank EEPROM") << QByteArray(16, '\xff') << false << "-d 1";
    QTest::newRow("text beyond ASCII")
        << QByteArray("\xc3\x84-12") << false << QString::fromUtf8("-o \xc3\x84-12");
    QTest::newRow("in use") << QByteArray("4103012345") << true << "";
}

// A fake viewer first on PATH records the arguments it was started with.
void tst_QVyroZentara::openCameraStartsViewer()
{
    QFETCH(QByteArray, serial);
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

    QVyroZentara w(m_dialogs, noLanguages());
    Camera camera = shelltest::cameraOf(1);
    QCOMPARE(camera.deviceId(), 1u);
    if (inUse)
        QVERIFY(SimWorld::setField(1, "inUse", "true"));
    camera = shelltest::cameraOf(1);
    QCOMPARE(camera.inUse() != 0, inUse);
    // The serial is put into the list entry the record is built from, as the driver reports it.
    if (!inUse) {
        for (VY_CAMERA_LIST_ENTRY entry : SimWorld::cameraList()) {
            if (entry.deviceId != 1)
                continue;
            std::memset(entry.serialNumber, 0, sizeof entry.serialNumber);
            std::memcpy(entry.serialNumber, serial.constData(), size_t(serial.size()));
            camera = Camera(entry);
        }
    }
    // A second camera that is in use must never start a viewer. The last camera is a free one
    // whose viewer always starts. The viewers run at once and may write in any order: the test
    // waits for every line it expects.
    Camera busy = shelltest::cameraOf(4);
    QVERIFY(busy.inUse() != 0);
    Camera last = shelltest::cameraOf(1001);
    QVERIFY(last.inUse() == 0 && !last.serialNumber().isEmpty());
    const QString lastLine = QStringLiteral("-o ") + last.serialNumber();
    w.onOpenCamera({busy, camera, last});

    QStringList lines;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QFile file(log);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            return lines.contains(lastLine) && lines.size() >= (expected.isEmpty() ? 1 : 2);
        }(),
        10000);
    lines.removeOne(lastLine);
    QCOMPARE(lines, expected.isEmpty() ? QStringList() : QStringList{expected});
    qputenv("PATH", oldPath);
}

void tst_QVyroZentara::missingViewerIsSaid()
{
    QTemporaryDir bin;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    QVyroZentara w(m_dialogs, noLanguages());
    ModalAnswerer boxes;
    w.onOpenCamera({shelltest::cameraOf(1), shelltest::cameraOf(2)});
    qputenv("PATH", oldPath);
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY2(boxes.texts().at(0).contains(QLatin1String("\"vyrodemo\" could not be started")),
             qPrintable(boxes.texts().at(0)));
}

// Adding and removing a read-only device is said above the status sentence.
void tst_QVyroZentara::readOnlyDeviceChangesAreSaid()
{
    QVyroZentara w(m_dialogs, noLanguages());
    QVERIFY(shelltest::selectCamera(w, 1001));
    m_dialogs.addedCameraId = 7;
    w.onMulticastDialog();
    QVERIFY2(status(w)->text().contains(QLatin1String("camera 1001 was added with camera ID 7")),
             qPrintable(status(w)->text()));
    // Refused in the dialog: nothing said here (the dialog said it).
    m_dialogs.addedCameraId = 0;
    w.onMulticastDialog();
    QVERIFY(!status(w)->text().contains(QLatin1String("added")));

    QVERIFY(shelltest::selectCamera(w, 1500));
    vysim_log_clear();
    emit child<CameraList>(w, "cameraList")->deletePMC(shelltest::cameraOf(1500));
    const auto calls = vysim::callsOf("vy_Multicast");
    QVERIFY(std::any_of(calls.begin(), calls.end(), [](const auto &call) {
        return call.command == uint32_t(VY_MULTICAST_REMOVE_RO_DEVICE) && call.result == 0;
    }));
    QVERIFY2(status(w)->text().contains(
                 QLatin1String("The read-only device 1500 (camera ID 20) was removed.")),
             qPrintable(status(w)->text()));
    // Removed already: the driver's refusal is told.
    ModalAnswerer boxes;
    emit child<CameraList>(w, "cameraList")->deletePMC(shelltest::cameraOf(1500));
    QCOMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().at(0).startsWith(QLatin1String("The read-only device 1500 could not")));
}

void tst_QVyroZentara::identifyUnopenableCameraDoesNothing()
{
    QVyroZentara w(m_dialogs, noLanguages());
    const QString before = status(w)->text();
    const Camera camera = shelltest::cameraOf(1);
    vysim_force_result("vy_InitCamera", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, VY_CANT_OPEN_DEVICE,
                       0);
    vysim_log_clear();
    QSignalSpy finished(&w, &QVyroZentara::identifyFinished);
    w.onIdentifyCamera(camera);
    QVERIFY(finished.wait());
    QCOMPARE(vysim::callsOf("vy_InitCamera").size(), size_t(1));
    QVERIFY(vysim::callsOf("vy_IO").empty());
    QVERIFY(vysim::callsOf("vy_ExitCamera").empty());
    QCOMPARE(status(w)->text(), before);
}

// The camera waits its moment off the GUI thread: the window keeps working, shows that it is
// busy and refuses other actions, a second request included.
void tst_QVyroZentara::identifyBlinksAndCloses()
{
    QVyroZentara w(m_dialogs, noLanguages());
    w.show();
    const Camera camera = shelltest::cameraOf(1);
    vysim_log_clear();
    QSignalSpy finished(&w, &QVyroZentara::identifyFinished);
    w.onIdentifyCamera(camera);
    QVERIFY(finished.isEmpty());
    QVERIFY(child<QLabel>(w, "busyLabel")->isVisible());
    QVERIFY(!child<QPushButton>(w, "generalInfoButton")->isEnabled());
    QVERIFY(!child<CameraList>(w, "cameraList")->isEnabled());
    w.onIdentifyCamera(camera);
    QVERIFY(finished.wait(10000));
    QVERIFY(child<QPushButton>(w, "generalInfoButton")->isEnabled());
    QVERIFY(!child<QLabel>(w, "busyLabel")->isVisible());
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
    QVyroZentara w(m_dialogs, noLanguages());
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
    QVyroZentara w(m_dialogs, noLanguages());
    for (const auto &call : vysim::callsOf("vy_Multicast"))
        QVERIFY(call.command != VY_MULTICAST_RO_RESCAN);
}

void tst_QVyroZentara::controlsFollowTheSelection()
{
    QVyroZentara w(m_dialogs, noLanguages());
    w.show();
    auto *list = child<CameraList>(w, "cameraList");
    QTRY_VERIFY(list->currentCamera().has_value());
    const Camera selected = *list->currentCamera();
    const CameraVerdict verdict = CameraStatus::evaluate(&selected);
    QCOMPARE(status(w)->text(), verdict.html());
    QVERIFY(!child<QLabel>(w, "pictureLabel")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(child<QPushButton>(w, "cameraInfoButton")->isEnabled(), verdict.cameraInformation);
    QVERIFY(child<QPushButton>(w, "supportFileButton")->isEnabled());
    QVERIFY(child<QPushButton>(w, "daemonButton")->isEnabled());
    QCOMPARE(child<QLabel>(w, "busyLabel")->isVisible(), false);
    w.Printer(QStringLiteral("working"), Qt::black, true);
    QVERIFY(child<QLabel>(w, "busyLabel")->isVisible());
    QCOMPARE(status(w)->text(), QStringLiteral("<font color='#000000'>working</font>"));
}

void tst_QVyroZentara::noCameraList()
{
    for (const auto &entry : SimWorld::cameraList())
        vysim_unplug(entry.deviceId);
    QVERIFY(SimWorld::cameraList().empty());
    QVyroZentara w(m_dialogs, noLanguages());
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
    QCOMPARE(m_dialogs.count(Dialog::CameraInformation), 0);
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
    QVyroZentara w(m_dialogs, noLanguages());
    const Camera camera = shelltest::cameraOf(deviceId);
    QCOMPARE(camera.deviceId(), deviceId);
    w.openCameraInfoDialog(camera);
    QCOMPARE(m_dialogs.count(Dialog::CameraInformation), opens ? 1 : 0);
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
    QVyroZentara w(m_dialogs, noLanguages());
    vysim_log_clear();
    w.openCameraInfoDialog(shelltest::cameraOf(1));
    QCOMPARE(m_dialogs.count(Dialog::CameraInformation), 1);
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
    QVyroZentara w(m_dialogs, noLanguages());
    w.onCurrentCameraChanged(shelltest::cameraOf(deviceId), true);
    w.onAddCameraInfo();
    QCOMPARE(m_dialogs.count(Dialog::AdditionalCameraInformation), opens ? 1 : 0);
}

void tst_QVyroZentara::dialogEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("dialog");
    QTest::addColumn<uint32_t>("deviceId");
    const uint32_t selected = 1001;
    QTest::newRow("general information button")
        << "generalInfoButton" << int(Dialog::GeneralInformation) << 0u;
    QTest::newRow("additional functions button")
        << "additionalButton" << int(Dialog::AdditionalFunctions) << 0u;
    QTest::newRow("daemon control button") << "daemonButton" << int(Dialog::DaemonControl) << 0u;
    QTest::newRow("camera information button")
        << "cameraInfoButton" << int(Dialog::CameraInformation) << selected;
    QTest::newRow("manual eth button")
        << "manualEthButton" << int(Dialog::EthConfiguration) << selected;
    QTest::newRow("additional camera info button")
        << "addCameraInfoButton" << int(Dialog::AdditionalCameraInformation) << selected;
    QTest::newRow("list ip settings")
        << "openIPSettings" << int(Dialog::EthConfiguration) << selected;
    QTest::newRow("list read-only device")
        << "openMulticastSettings" << int(Dialog::ReadOnlyDevices) << selected;
    // The list's entry names its own camera, which need not be the selected one.
    QTest::newRow("list camera information")
        << "openCameraInfo" << int(Dialog::CameraInformation) << 1u;
}

// Every way into a tool dialog asks the runner for that dialog, once, over the main window and
// for the camera it concerns.
void tst_QVyroZentara::dialogEntries()
{
    QFETCH(QString, entry);
    QFETCH(int, dialog);
    QFETCH(uint32_t, deviceId);
    QVyroZentara w(m_dialogs, noLanguages());
    w.show();
    auto *list = child<CameraList>(w, "cameraList");
    w.onCurrentCameraChanged(shelltest::cameraOf(1001), true);
    if (entry == QLatin1String("openIPSettings"))
        emit list->openIPSettings(shelltest::cameraOf(1001));
    else if (entry == QLatin1String("openMulticastSettings"))
        emit list->openMulticastSettings(shelltest::cameraOf(1001));
    else if (entry == QLatin1String("openCameraInfo"))
        emit list->openCameraInfo(shelltest::cameraOf(deviceId));
    else {
        auto *button = child<QPushButton>(w, entry.toLatin1().constData());
        // Hidden buttons are wired as well; a disabled one could not be pressed.
        QVERIFY(button->isEnabled());
        button->click();
    }
    QCOMPARE(m_dialogs.runs.size(), 1);
    const RecordingDialogRunner::Run run = m_dialogs.runs.constFirst();
    QCOMPARE(int(run.dialog), dialog);
    QCOMPARE(run.parent, &w);
    QCOMPARE(run.deviceId, deviceId);
    // Without translations the window is English, and so is the download site.
    QCOMPARE(run.language,
             dialog == int(Dialog::GeneralInformation) ? QStringLiteral("en") : QString());
}

void tst_QVyroZentara::noSelectionNoCameraDialog_data()
{
    QTest::addColumn<QString>("slot");
    QTest::newRow("camera information") << "OnCameraInfoDlg";
    QTest::newRow("additional camera information") << "onAddCameraInfo";
    QTest::newRow("manual eth configuration") << "onManualEthConfig";
    QTest::newRow("read-only device") << "onMulticastDialog";
}

// The dialogs of the selected camera do not run without one.
void tst_QVyroZentara::noSelectionNoCameraDialog()
{
    QFETCH(QString, slot);
    QVyroZentara w(m_dialogs, noLanguages());
    w.onCurrentCameraChanged(std::nullopt, true);
    QVERIFY(QMetaObject::invokeMethod(&w, slot.toLatin1().constData()));
    QVERIFY(m_dialogs.runs.isEmpty());
}

// The daemon control gets the states the service timer saw last.
void tst_QVyroZentara::daemonControlStartsFromTheWatch()
{
    vysim_set_daemon(VYSIM_DAEMON_USB, 0);
    vysim_set_daemon(VYSIM_DAEMON_ETH, 1);
    QVyroZentara w(m_dialogs, noLanguages());
    w.onEthDaemonConfig();
    vysim_set_daemon(VYSIM_DAEMON_ETH, 0);
    w.onServiceTimer();
    w.onEthDaemonConfig();
    QCOMPARE(m_dialogs.runs.size(), 2);
    QCOMPARE(m_dialogs.runs.at(0).states, (CoreStates{CoreStates::Stopped, CoreStates::Running}));
    QCOMPARE(m_dialogs.runs.at(1).states, (CoreStates{CoreStates::Stopped, CoreStates::Stopped}));
}

// After Start or Stop the window watches closely until the daemon has changed (through pkexec
// that is when the user has answered), then at its usual pace again.
void tst_QVyroZentara::daemonControlIsFollowedClosely()
{
    QVyroZentara w(m_dialogs, noLanguages());
    const auto *timer = w.findChild<QTimer *>(QStringLiteral("serviceTimer"));
    w.followDaemonControl();
    QCOMPARE(timer->interval(), QVyroZentara::followIntervalMs);
    vysim_set_daemon(VYSIM_DAEMON_ETH, 0);
    QTRY_COMPARE(w.daemonStates().eth, CoreStates::Stopped);
    QCOMPARE(timer->interval(), QVyroZentara::serviceIntervalMs);
}

// While the camera information dialog works on the camera the list neither refreshes nor
// reloads; afterwards it is read again.
void tst_QVyroZentara::cameraInfoRunsWithTheListQuiet()
{
    {
        QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
        settings.setValue(QStringLiteral("mainWindow/checkExpert"), true);
        settings.setValue(QStringLiteral("mainWindow/checkRefresh"), true);
    }
    QVyroZentara w(m_dialogs, noLanguages());
    auto *list = child<CameraList>(w, "cameraList");
    QVERIFY(list->autoRefresh());
    bool refreshWhileOpen = true;
    size_t listReadsWhileOpen = 0;
    m_dialogs.whileOpen = [&](const RecordingDialogRunner::Run &) {
        refreshWhileOpen = list->autoRefresh();
        vysim_log_clear();
        QVERIFY(SimWorld::setField(1, "inUse", "true"));
        QCoreApplication::processEvents();
        listReadsWhileOpen = vysim::callsOf("vy_GetCameraList").size();
    };
    w.openCameraInfoDialog(shelltest::cameraOf(1));
    QCOMPARE(m_dialogs.count(Dialog::CameraInformation), 1);
    QVERIFY(!refreshWhileOpen);
    QCOMPARE(listReadsWhileOpen, size_t(0));
    QVERIFY(list->autoRefresh());
    QVERIFY(!vysim::callsOf("vy_GetCameraList").empty());
}

VYRO_TEST_MAIN(tst_QVyroZentara)
#include "tst_qvyrozentara.moc"

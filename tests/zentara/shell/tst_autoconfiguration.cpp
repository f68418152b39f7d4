// tst_autoconfiguration.cpp: the automatic network configuration: the range it asks for, the
// camera taking an address from it, boot boost, and each call failing.
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <memory>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "vyrokit/networkaddress.h"
#include "zentara/shell/autoconfiguration.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"

using zentara::Camera;

using shelltest::child;
using vyrokit::NetworkAddress;

namespace {

const uint32_t Ready = 1001;     // adapter 192.168.10.1/24, persistent 192.168.10.11
const uint32_t BootBoost = 1002; // "Boot boost used"

uint32_t ip(const char *text)
{
    return *NetworkAddress::ipv4FromString(QLatin1String(text));
}

} // namespace

class tst_AutoConfiguration : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void range_data();
    void range();
    void cameraFailure_data();
    void cameraFailure();
    void configuresAGigECamera();
    void failures_data();
    void failures();

private:
    // Runs the action from the window on the selected device and returns the boxes' texts.
    QStringList runOn(uint32_t deviceId);

    QTemporaryDir m_dir;
    RecordingDialogRunner m_dialogs;
};

void tst_AutoConfiguration::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
}

void tst_AutoConfiguration::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
}

void tst_AutoConfiguration::range_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("begin");
    QTest::addColumn<QString>("end");
    QTest::newRow("/24") << "192.168.1.10"
                         << "255.255.255.0"
                         << "192.168.1.1"
                         << "192.168.1.254";
    QTest::newRow("/30") << "10.0.0.5"
                         << "255.255.255.252"
                         << "10.0.0.5"
                         << "10.0.0.6";
    QTest::newRow("/16") << "172.16.200.3"
                         << "255.255.0.0"
                         << "172.16.0.1"
                         << "172.16.255.254";
}

void tst_AutoConfiguration::range()
{
    QFETCH(QString, address);
    QFETCH(QString, mask);
    QFETCH(QString, begin);
    QFETCH(QString, end);
    const AutoConfiguration::Range r = AutoConfiguration::range(
        *NetworkAddress::ipv4FromString(address), *NetworkAddress::ipv4FromString(mask));
    QCOMPARE(NetworkAddress::ipv4Text(r.begin), begin);
    QCOMPARE(NetworkAddress::ipv4Text(r.end), end);
}

void tst_AutoConfiguration::cameraFailure_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("bootBoostUsed");
    QTest::addColumn<int>("result");
    QTest::newRow("129 in boot boost") << 129 << true << AutoConfiguration::BootBoostConflict;
    QTest::newRow("129 alone") << 129 << false << AutoConfiguration::BootBoostConflict;
    QTest::newRow("other code in boot boost") << 2 << true << AutoConfiguration::BootBoostConflict;
    QTest::newRow("other code") << 2 << false << AutoConfiguration::Failed;
    QTest::newRow("not supported") << 155 << false << AutoConfiguration::Failed;
}

void tst_AutoConfiguration::cameraFailure()
{
    QFETCH(int, code);
    QFETCH(bool, bootBoostUsed);
    QFETCH(int, result);
    QCOMPARE(AutoConfiguration::cameraFailure(code, bootBoostUsed), result);
}

QStringList tst_AutoConfiguration::runOn(uint32_t deviceId)
{
    QVyroZentara w(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
    w.show();
    if (!shelltest::selectCamera(w, deviceId))
        return {QStringLiteral("not selected")};
    ModalAnswerer boxes;
    vysim_log_clear();
    QTest::mouseClick(child<QPushButton>(w, "autoEthButton"), Qt::LeftButton);
    auto *dialog = w.findChild<QProgressDialog *>(QStringLiteral("autoConfigProgress"));
    if (!dialog)
        return {QStringLiteral("no progress dialog")};
    if (dialog->labelText() !=
            QStringLiteral(
                "Setting autoconfiguration. Please wait...\n\nThis operation may take up "
                "to 10 seconds.") ||
        dialog->maximum() != 1 || dialog->windowModality() != Qt::WindowModal)
        return {QStringLiteral("wrong progress dialog")};
    if (!QTest::qWaitFor(
            [&] { return !w.findChild<QProgressDialog *>(QStringLiteral("autoConfigProgress")); }))
        return {QStringLiteral("progress dialog stays")};
    return boxes.texts();
}

void tst_AutoConfiguration::configuresAGigECamera()
{
    const QStringList boxes = runOn(Ready);
    // The adapter's range first, then the camera without a persistent address.
    const auto calls = vysim::callsOf("vy_IpConfig");
    QCOMPARE(calls.size(), size_t(2));
    QCOMPARE(calls[0].handle, VY_ADAPTER_HANDLE);
    QCOMPARE(calls[0].command, VY_IPCONFIG_SET_AUTOCFG_RANGE);
    VY_IP_RANGE range;
    QCOMPARE(calls[0].in.size(), sizeof range);
    std::memcpy(&range, calls[0].in.data(), sizeof range);
    QCOMPARE(NetworkAddress::ipv4FromOctets(range.begin), ip("192.168.10.1"));
    QCOMPARE(NetworkAddress::ipv4FromOctets(range.end), ip("192.168.10.254"));
    QCOMPARE(range.count, 100u);
    QCOMPARE(calls[1].command, VY_IPCONFIG_SET_PERSISTENT_IP);
    QCOMPARE(calls[1].in, std::vector<uint8_t>(12, 0));
    QCOMPARE(calls[1].result, VY_SUCCESS);
    // The camera took a free address of the range; every program sees it.
    const Camera after = shelltest::cameraOf(Ready);
    QCOMPARE(after.persistentIpAddress(), QStringLiteral("0.0.0.0"));
    const uint32_t address = *NetworkAddress::ipv4FromString(after.ipAddress());
    QVERIFY(address >= ip("192.168.10.2") && address <= ip("192.168.10.254"));
    QCOMPARE(after.adapterIpRangeBegin(), QStringLiteral("192.168.10.1"));
    QCOMPARE(after.adapterIpRangeEnd(), QStringLiteral("192.168.10.254"));
    // The user is told which addresses were given.
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].contains(QStringLiteral("192.168.10.1 to 192.168.10.254")) &&
                 boxes[0].contains(QStringLiteral("IP address %1 ").arg(after.ipAddress())),
             qPrintable(boxes[0]));
}

void tst_AutoConfiguration::failures_data()
{
    QTest::addColumn<uint32_t>("device");
    QTest::addColumn<uint32_t>("forcedCommand");
    QTest::addColumn<int>("forced");
    QTest::addColumn<int>("calls");
    QTest::addColumn<QString>("message");
    const QString cannot = QStringLiteral("Automatic configuration can't be applied!");
    const QString bootBoost =
        QStringLiteral("Automatic configuration & Boot boost are not compatible!");
    QTest::newRow("range refused") << Ready << uint32_t(VY_IPCONFIG_SET_AUTOCFG_RANGE)
                                   << int(VY_INVALID_PARAMETER) << 1 << cannot;
    QTest::newRow("camera refused") << Ready << uint32_t(VY_IPCONFIG_SET_PERSISTENT_IP)
                                    << int(VY_IO_REQUEST_FAILED) << 2 << cannot;
    QTest::newRow("driver's boot boost code")
        << Ready << uint32_t(VY_IPCONFIG_SET_PERSISTENT_IP) << 129 << 2 << bootBoost;
    QTest::newRow("camera in boot boost") << BootBoost << uint32_t(0) << 0 << 2 << bootBoost;
}

void tst_AutoConfiguration::failures()
{
    QFETCH(uint32_t, device);
    QFETCH(uint32_t, forcedCommand);
    QFETCH(int, forced);
    QFETCH(int, calls);
    QFETCH(QString, message);
    if (forced)
        vysim_force_result("vy_IpConfig", forcedCommand, VYSIM_ANY_HANDLE, forced, 0);
    const Camera before = shelltest::cameraOf(device);
    QCOMPARE(runOn(device), QStringList{message});
    QCOMPARE(int(vysim::callsOf("vy_IpConfig").size()), calls);
    const Camera after = shelltest::cameraOf(device);
    QCOMPARE(after.ipAddress(), before.ipAddress());
    QCOMPARE(after.persistentIpAddress(), before.persistentIpAddress());
}

VYRO_TEST_MAIN(tst_AutoConfiguration)
#include "tst_autoconfiguration.moc"

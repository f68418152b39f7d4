// tst_ethdaemonconfig.cpp: the daemon control and adapter dialog with given adapters, a
// temporary configuration file and the simulator behind the adapter calls.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <array>
#include <cstring>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/smalldisk.h"
#include "tests/support/testmain.h"
#include "vyrokit/networkaddress.h"
#include "zentara/network/ethdaemonconfig.h"

namespace {

constexpr uint32_t gigeReady = 1001;
const auto broadcastMulticast = QNetworkInterface::IsUp | QNetworkInterface::IsRunning |
                                QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast;

// The MAC of the adapter the simulated cameras are on.
QString cameraAdapterMac()
{
    VY_DEVICE_INFO info;
    std::memset(&info, 0, sizeof info);
    vy_DeviceInfo(VY_HCAM(gigeReady | VY_UNOPENED), VY_DEVICE_INFO_CMD, &info, sizeof info);
    return vyrokit::NetworkAddress::macText(info.control.adapterMac, QLatin1Char(':'));
}

uint32_t controlStatus(uint32_t deviceId)
{
    VY_DEVICE_INFO info;
    std::memset(&info, 0, sizeof info);
    vy_DeviceInfo(VY_HCAM(deviceId | VY_UNOPENED), VY_DEVICE_INFO_CMD, &info, sizeof info);
    return info.control.controlStatus;
}

template <typename T> T *child(const QWidget &dialog, const char *name)
{
    T *w = dialog.findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

QTreeWidgetItem *adapterItem(const EthDaemonConfig &dialog, const QString &name)
{
    QTreeWidgetItem *top = child<QTreeWidget>(dialog, "adapterTree")->topLevelItem(0);
    for (int i = 0; i < top->childCount(); ++i)
        if (top->child(i)->data(0, Qt::UserRole).toString() == name)
            return top->child(i);
    return nullptr;
}

// A daemon configuration file listing the given interfaces.
QByteArray list(const QString &interfaces)
{
    return "[Parameters]\nInterfaces=" + interfaces.toLatin1() + '\n';
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool showsEnabled(const QTreeWidgetItem *item)
{
    return item->icon(0).pixmap(16).toImage() ==
           QIcon(QStringLiteral(":/images/ethadapter.png")).pixmap(16).toImage();
}

std::vector<vysim::LoggedCall> adapterCalls(uint32_t item)
{
    std::vector<vysim::LoggedCall> calls;
    for (auto &c : vysim::callsOf("vy_AccessAdapterCfgByMAC"))
        if (c.command == item)
            calls.push_back(c);
    return calls;
}

} // namespace

class TestEthDaemonConfig : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_oldPath = qgetenv("PATH");
        m_oldRoot = qgetenv("VYRO_SYSROOT");
        // No service tools: the dialog's daemon buttons follow the init scripts alone, which
        // lie below a root of the test's own, never in the machine's /etc.
        QVERIFY(m_emptyBin.isValid());
        QVERIFY(m_root.isValid());
        qputenv("PATH", m_emptyBin.path().toLocal8Bit());
        qputenv("VYRO_SYSROOT", m_root.path().toLocal8Bit());
    }

    void cleanupTestCase()
    {
        qputenv("PATH", m_oldPath);
        qputenv("VYRO_SYSROOT", m_oldRoot);
    }

    void init()
    {
        QVERIFY(SimWorld::reset());
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_config = m_dir->filePath(QStringLiteral("vyroethd.conf"));
        writeConfig(QStringLiteral("eth10"));
        m_mac = cameraAdapterMac();
        m_adapters = {
            NetworkAdapter(QStringLiteral("lo"), QStringLiteral("lo"), QString(),
                           QNetworkInterface::IsUp | QNetworkInterface::IsLoopBack),
            NetworkAdapter(QStringLiteral("eth1"), QStringLiteral("eth1 (onboard)"),
                           QStringLiteral("02:00:00:00:00:11"), broadcastMulticast,
                           QHostAddress(QStringLiteral("10.0.0.5")),
                           QHostAddress(QStringLiteral("255.255.255.0")), false, 1500),
            NetworkAdapter(QStringLiteral("eth10"), QStringLiteral("eth10"), m_mac,
                           broadcastMulticast, QHostAddress(QStringLiteral("192.168.10.1")),
                           QHostAddress(QStringLiteral("255.255.255.0")), false, 1500),
            NetworkAdapter(QStringLiteral("tun0"), QStringLiteral("tun0"), QString(),
                           QNetworkInterface::IsUp | QNetworkInterface::IsPointToPoint),
        };
        vysim_log_clear();
    }

    void cleanup() { vysim_clear_forced(nullptr); }

    void adapterTree()
    {
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Daemon control and network configuration"));
        QCOMPARE(dialog.adapterNames(), (QStringList{"eth1", "eth10"}));
        // eth10 is listed, eth1 is not.
        QCOMPARE(dialog.enabledAdapterCount(), 1);
        QVERIFY(!dialog.isAdapterEnabled(QStringLiteral("eth1")));
        QVERIFY(
            child<QLabel>(dialog, "notesLabel")->text().contains(QLatin1String(" on 1 network")));
        QTreeWidget *tree = child<QTreeWidget>(dialog, "adapterTree");
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Network adapter(s)"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 2);
        QCOMPARE(adapterItem(dialog, "eth1")->text(0), QStringLiteral("eth1 (onboard)"));
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        // Built with the hint, the details hidden, nothing asked of the driver.
        QVERIFY(!child<QLabel>(dialog, "hintLabel")->isHidden());
        QVERIFY(child<QLabel>(dialog, "macLabel")->isHidden());
        QVERIFY(vysim::callsOf("vy_AccessAdapterCfgByMAC").empty());
        // Root: the privilege note is hidden.
        QVERIFY(child<QLabel>(dialog, "privilegeLabel")->isHidden());
    }

    void showEnabledAdapter()
    {
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        QTreeWidget *tree = child<QTreeWidget>(dialog, "adapterTree");
        tree->setCurrentItem(adapterItem(dialog, "eth10"));
        QVERIFY(child<QLabel>(dialog, "hintLabel")->isHidden());
        QVERIFY(!child<QLabel>(dialog, "macLabel")->isHidden());
        QCOMPARE(child<QLabel>(dialog, "macLabel")->text(), m_mac);
        QCOMPARE(child<QPushButton>(dialog, "adapterToggleButton")->text(),
                 QStringLiteral("Disable for adapter"));
        const auto reads = adapterCalls(VY_ADAPTER_ITEM_BLOCK);
        QCOMPARE(int(reads.size()), 1);
        QCOMPARE(reads[0].result, VY_SUCCESS);
        // The cameras' adapter uses jumbo packets and passes all.
        QVERIFY(child<QCheckBox>(dialog, "jumboCheck")->isChecked());
        QCOMPARE(child<QComboBox>(dialog, "packetFilterCombo")->currentData().toInt(), 0);
        QVERIFY(child<QComboBox>(dialog, "packetFilterCombo")->isEnabled());
        QCOMPARE(dialog.currentMac(), *vyrokit::NetworkAddress::macFromString(m_mac));

        // Back to the top: the hint again.
        tree->setCurrentItem(tree->topLevelItem(0));
        QVERIFY(!child<QLabel>(dialog, "hintLabel")->isHidden());
        QVERIFY(child<QLabel>(dialog, "macLabel")->isHidden());
        QVERIFY(child<QLabel>(dialog, "hintLabel")
                    ->text()
                    .contains(QLatin1String("Please choose a network adapter from the list")));
    }

    void showDisabledAdapterReadsNothing()
    {
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth1"));
        QCOMPARE(child<QPushButton>(dialog, "adapterToggleButton")->text(),
                 QStringLiteral("Enable for adapter"));
        QVERIFY(!child<QCheckBox>(dialog, "jumboCheck")->isEnabled());
        QVERIFY(!child<QComboBox>(dialog, "packetFilterCombo")->isEnabled());
        QVERIFY(vysim::callsOf("vy_AccessAdapterCfgByMAC").empty());
    }

    void unreadableBlock_data()
    {
        QTest::addColumn<QString>("mac");
        QTest::addColumn<int>("forced");
        QTest::addColumn<int>("reads");
        QTest::newRow("read_fails") << QString() << int(VY_NO_DAEMON) << 1;
        QTest::newRow("mac_empty") << "" << 0 << 0;
        QTest::newRow("mac_garbage") << "zz:zz:zz:zz:zz:zz" << 0 << 0;
        QTest::newRow("mac_short") << "00:11:22:33:44" << 0 << 0;
        QTest::newRow("mac_long") << "00:11:22:33:44:55:66" << 0 << 0;
        QTest::newRow("mac_trailing_text") << "00:11:22:33:44:55x" << 0 << 0;
    }

    // A block that cannot be read shows jumbo unchecked and no packet filter.
    void unreadableBlock()
    {
        QFETCH(QString, mac);
        QFETCH(int, forced);
        QFETCH(int, reads);
        if (!mac.isNull())
            m_adapters[2] = NetworkAdapter(QStringLiteral("eth10"), QStringLiteral("eth10"), mac,
                                           broadcastMulticast);
        if (forced)
            vysim_force_result("vy_AccessAdapterCfgByMAC", VY_ADAPTER_ITEM_BLOCK, VYSIM_ANY_HANDLE,
                               forced, 0);
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth10"));
        QCOMPARE(int(adapterCalls(VY_ADAPTER_ITEM_BLOCK).size()), reads);
        QVERIFY(!child<QCheckBox>(dialog, "jumboCheck")->isChecked());
        QVERIFY(!child<QComboBox>(dialog, "packetFilterCombo")->isEnabled());
        if (!mac.isNull())
            QCOMPARE(child<QLabel>(dialog, "macLabel")->text(), mac);
    }

    void toggleAdapter_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("adapter");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enable_eth1_beside_eth10")
            << list("eth10") << "eth1" << list("eth10 eth1") << true;
        QTest::newRow("disable_eth1_keeps_eth10")
            << list("eth10 eth1") << "eth1" << list("eth10") << false;
        QTest::newRow("disable_listed_twice")
            << list("eth1 eth10 eth1") << "eth1" << list("eth10") << false;
        QTest::newRow("hash_comment_kept")
            << "# by the administrator\n" + list("eth10") << "eth1"
            << "# by the administrator\n" + list("eth10 eth1") << true;
    }

    void toggleAdapter()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, adapter);
        QFETCH(QByteArray, after);
        QFETCH(bool, enabled);
        writeFile(m_config, before);
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        child<QTreeWidget>(dialog, "adapterTree")->setCurrentItem(adapterItem(dialog, adapter));
        QPushButton *toggle = child<QPushButton>(dialog, "adapterToggleButton");
        QVERIFY(toggle->isEnabled());
        ModalAnswerer answerer;
        toggle->click();
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(readFile(m_config), after);
        QCOMPARE(toggle->text(), enabled ? QStringLiteral("Disable for adapter")
                                         : QStringLiteral("Enable for adapter"));
        QCOMPARE(showsEnabled(adapterItem(dialog, adapter)), enabled);
    }

    // A write that fails keeps the file as it was and says why; the dialog shows the file.
    void fullDiskKeepsTheFile()
    {
        SmallDisk disk;
        if (!disk.isReady())
            QSKIP(qPrintable(disk.problem()));
        const QString path = disk.filePath(QStringLiteral("vyroethd.conf"));
        writeFile(path, list("eth10"));
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(path), ServiceControl(true));
        child<QTreeWidget>(dialog, "adapterTree")->setCurrentItem(adapterItem(dialog, "eth10"));
        QVERIFY(disk.fill());
        ModalAnswerer answerer;
        child<QPushButton>(dialog, "adapterToggleButton")->click();
        disk.drain();
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Failed")});
        QVERIFY2(answerer.texts().value(0).contains(QLatin1String("No space left")),
                 qPrintable(answerer.texts().value(0)));
        QCOMPARE(readFile(path), list("eth10"));
        QVERIFY(dialog.isAdapterEnabled(QStringLiteral("eth10")));
        QVERIFY(showsEnabled(adapterItem(dialog, "eth10")));
        QCOMPARE(child<QPushButton>(dialog, "adapterToggleButton")->text(),
                 QStringLiteral("Disable for adapter"));
    }

    void toggleRefusedWhileEthDaemonRuns()
    {
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.onChangedVyrodStatus({CoreStates::Running, CoreStates::Running});
        dialog.showAdapter(QStringLiteral("eth1"));
        child<QTreeWidget>(dialog, "adapterTree")->setCurrentItem(adapterItem(dialog, "eth1"));
        ModalAnswerer answerer;
        child<QPushButton>(dialog, "adapterToggleButton")->click();
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("root feature")});
        QVERIFY(!dialog.isAdapterEnabled(QStringLiteral("eth1")));
    }

    void unwritableConfigDisablesToggle()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("conf")));
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_dir->filePath("conf")),
                               ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth1"));
        QVERIFY(!child<QPushButton>(dialog, "adapterToggleButton")->isEnabled());
        QCOMPARE(dialog.enableAdapter(QStringLiteral("eth1")), -1);
    }

    void packetFilter_data()
    {
        QTest::addColumn<int>("forced");
        QTest::addColumn<QString>("message");
        QTest::newRow("stored") << 0 << QString();
        QTest::newRow("refused")
            << int(VY_NOT_SUPPORTED)
            << "Setting Packetfilter failed: The command is not supported (code 155).";
        QTest::newRow("negative") << -1 << "Setting Packetfilter failed: General error (code -1).";
    }

    void packetFilter()
    {
        QFETCH(int, forced);
        QFETCH(QString, message);
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth10"));
        if (forced)
            vysim_force_result("vy_AccessAdapterCfgByMAC", VY_ADAPTER_ITEM_PACKET_FILTER,
                               VYSIM_ANY_HANDLE, forced, 0);
        vysim_log_clear();
        ModalAnswerer answerer;
        QComboBox *combo = child<QComboBox>(dialog, "packetFilterCombo");
        combo->setCurrentIndex(2);
        const auto writes = adapterCalls(VY_ADAPTER_ITEM_PACKET_FILTER);
        QCOMPARE(int(writes.size()), 1);
        uint32_t sent = 0;
        std::memcpy(&sent, writes[0].in.data(), sizeof sent);
        QCOMPARE(sent, 2u);
        QCOMPARE(int(vysim::callsOf("vy_FetchTCPIP_Setup").size()), forced ? 0 : 1);
        if (forced) {
            QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Failed")});
            // The SDK's own message of the refusal, with its code.
            QCOMPARE(answerer.texts(), QStringList{message});
            // The combo shows the driver's value again, not the refused one.
            QCOMPARE(combo->currentData().toInt(), 0);
            // Still usable: the next choice is sent again.
            vysim_clear_forced(nullptr);
            combo->setCurrentIndex(1);
            QCOMPARE(int(vysim::callsOf("vy_FetchTCPIP_Setup").size()), 1);
        } else {
            QVERIFY(answerer.texts().isEmpty());
            dialog.showAdapter(QStringLiteral("eth10"));
            QCOMPARE(combo->currentData().toInt(), 2);
        }
    }

    void jumboPackets_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("settingsOk");
        QTest::newRow("ok_writes_1998") << int(QMessageBox::Ok) << true << true;
        QTest::newRow("cancel_writes_nothing") << int(QMessageBox::Cancel) << false << false;
    }

    // From normal packets to jumbo: the warning, then the write that the cameras see.
    void jumboPackets()
    {
        QFETCH(int, answer);
        QFETCH(bool, checked);
        QFETCH(bool, settingsOk);
        uint8_t mac[6];
        std::memcpy(mac, vyrokit::NetworkAddress::macFromString(m_mac)->data(), 6);
        uint32_t normal = 1450;
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac, VY_ADAPTER_WRITE, VY_ADAPTER_ITEM_SET_PACKET_SIZE,
                                          &normal, sizeof normal),
                 VY_SUCCESS);
        QCOMPARE(controlStatus(gigeReady) & 0x80, 0u);
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth10"));
        QCheckBox *jumbo = child<QCheckBox>(dialog, "jumboCheck");
        QVERIFY(!jumbo->isChecked());
        vysim_log_clear();
        ModalAnswerer answerer{QMessageBox::StandardButton(answer)};
        jumbo->click();
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Warning")});
        QCOMPARE(jumbo->isChecked(), checked);
        QCOMPARE(int(adapterCalls(VY_ADAPTER_ITEM_SET_PACKET_SIZE).size()), checked ? 1 : 0);
        QCOMPARE(bool(controlStatus(gigeReady) & 0x80), settingsOk);
        if (!checked)
            return;
        // And back: no question, the normal size.
        jumbo->click();
        QCOMPARE(answerer.titles().size(), 1);
        const auto writes = adapterCalls(VY_ADAPTER_ITEM_SET_PACKET_SIZE);
        QCOMPARE(int(writes.size()), 2);
        uint32_t size = 0;
        std::memcpy(&size, writes[1].in.data(), sizeof size);
        QCOMPARE(size, 1450u);
        QCOMPARE(controlStatus(gigeReady) & 0x80, 0u);
    }

    void mtu_data()
    {
        QTest::addColumn<int>("mtu");
        QTest::addColumn<bool>("jumbo");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("warning");
        QTest::newRow("1500_jumbo") << 1500 << true << "MTU: 1500 bytes" << true;
        QTest::newRow("1500_normal") << 1500 << false << "MTU: 1500 bytes" << false;
        QTest::newRow("9000_jumbo") << 9000 << true << "MTU: 9000 bytes" << false;
        QTest::newRow("1998_jumbo") << 1998 << true << "MTU: 1998 bytes" << false;
        QTest::newRow("unknown_jumbo") << 0 << true << "MTU: unknown" << false;
    }

    void mtu()
    {
        QFETCH(int, mtu);
        QFETCH(bool, jumbo);
        QFETCH(QString, label);
        QFETCH(bool, warning);
        uint8_t mac[6];
        std::memcpy(mac, vyrokit::NetworkAddress::macFromString(m_mac)->data(), 6);
        uint32_t size = jumbo ? 1998 : 1450;
        vy_AccessAdapterCfgByMAC(mac, VY_ADAPTER_WRITE, VY_ADAPTER_ITEM_SET_PACKET_SIZE, &size,
                                 sizeof size);
        m_adapters[2] =
            NetworkAdapter(QStringLiteral("eth10"), QStringLiteral("eth10"), m_mac,
                           broadcastMulticast, QHostAddress(), QHostAddress(), false, mtu);
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth10"));
        QCOMPARE(child<QCheckBox>(dialog, "jumboCheck")->isChecked(), jumbo);
        QCOMPARE(child<QLabel>(dialog, "mtuLabel")->text(), label);
        QLabel *warn = child<QLabel>(dialog, "mtuWarning");
        QCOMPARE(!warn->isHidden(), warning);
        if (warning) {
            QVERIFY(warn->text().contains(QLatin1String("1500 bytes")));
            QVERIFY(warn->text().contains(QLatin1String("1998 bytes")));
        }
    }

    void daemonStates_data()
    {
        QTest::addColumn<int>("usb");
        QTest::addColumn<int>("eth");
        QTest::addColumn<QString>("usbText");
        QTest::addColumn<QString>("ethText");
        QTest::addColumn<bool>("usbEnabled");
        QTest::addColumn<bool>("ethEnabled");
        QTest::newRow("both_running") << 3 << 3 << "Stop USB daemon"
                                      << "Stop ETH daemon" << true << true;
        QTest::newRow("usb_running_eth_stopped") << 3 << 2 << "Stop USB daemon"
                                                 << "Start ETH daemon" << true << true;
        QTest::newRow("unknown_states") << 0 << 7 << "Start USB daemon"
                                        << "Start ETH daemon" << false << false;
    }

    void daemonStates()
    {
        QFETCH(int, usb);
        QFETCH(int, eth);
        QFETCH(QString, usbText);
        QFETCH(QString, ethText);
        QFETCH(bool, usbEnabled);
        QFETCH(bool, ethEnabled);
        installInitScripts();
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.onChangedVyrodStatus({usb, eth});
        QCOMPARE(child<QPushButton>(dialog, "usbButton")->text(), usbText);
        QCOMPARE(child<QPushButton>(dialog, "ethButton")->text(), ethText);
        QCOMPARE(child<QPushButton>(dialog, "usbButton")->isEnabled(), usbEnabled);
        QCOMPARE(child<QPushButton>(dialog, "ethButton")->isEnabled(), ethEnabled);
        QCOMPARE(dialog.usbRunning(), usb == 3);
        QCOMPARE(dialog.ethRunning(), eth == 3);
        QVERIFY(!child<QLabel>(dialog, "ethLed")->pixmap(Qt::ReturnByValue).isNull());
        // Start or Stop asks for the daemons' states at once instead of at the next watch.
        QSignalSpy controlled(&dialog, &EthDaemonConfig::daemonControlled);
        if (ethEnabled)
            QTest::mouseClick(child<QPushButton>(dialog, "ethButton"), Qt::LeftButton);
        QCOMPARE(controlled.count(), ethEnabled ? 1 : 0);
    }

    // Without root and pkexec: told so, the controls disabled, a click refused with a box.
    void withoutPrivileges()
    {
        installInitScripts();
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(false));
        QLabel *privilege = child<QLabel>(dialog, "privilegeLabel");
        QVERIFY(!privilege->isHidden());
        QVERIFY(privilege->text().contains(QLatin1String("elevated privileges")));
        QVERIFY(!child<QPushButton>(dialog, "ethButton")->isEnabled());
        QVERIFY(!child<QPushButton>(dialog, "usbButton")->isEnabled());
        ModalAnswerer answerer;
        dialog.onPushedETH();
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Permission error")});
        QCOMPARE(answerer.texts(),
                 QStringList{QStringLiteral("Don't have enough privileges. Are you root?")});
    }

    void addressesShownNotEdited()
    {
        EthDaemonConfig dialog(m_adapters, DaemonConfigFile(m_config), ServiceControl(true));
        dialog.showAdapter(QStringLiteral("eth1"));
        for (const char *name : {"ipEdit", "maskEdit", "applyIpButton", "dhcpButton"}) {
            QWidget *w = child<QWidget>(dialog, name);
            QVERIFY2(!w->isEnabled(), name);
            QCOMPARE(w->toolTip(), QStringLiteral("Restart with elevated privileges!"));
        }
        ModalAnswerer answerer;
        dialog.onApplyIpSettings();
        dialog.onChangeDhcp();
        QVERIFY(answerer.texts().isEmpty());
    }

private:
    void writeConfig(const QString &interfaces) { writeFile(m_config, list(interfaces)); }

    void installInitScripts()
    {
        const QString initd = m_root.path() + QStringLiteral("/etc/init.d");
        QVERIFY(QDir().mkpath(initd));
        for (const char *name : {"/vyroethdrc", "/vyrousbdrc"}) {
            QFile file(initd + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    QTemporaryDir m_emptyBin;
    QTemporaryDir m_root;
    QByteArray m_oldPath;
    QByteArray m_oldRoot;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
    QString m_mac;
    QList<NetworkAdapter> m_adapters;
};

VYRO_TEST_MAIN(TestEthDaemonConfig)
#include "tst_ethdaemonconfig.moc"

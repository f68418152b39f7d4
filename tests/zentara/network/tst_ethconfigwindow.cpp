// tst_ethconfigwindow.cpp: the camera network configuration from the main window to the
// simulator and back: a persistent IP set in the dialog is what the device information tree and
// the status verdict show afterwards, also when it leaves the camera unreachable.
#include <QtTest>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "zentara/devinfo/deviceinfoview.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/network/ethconfig.h"
#include "zentara/network/qipedit.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/tooldialogrunner.h"

namespace {

const char Device[] =
    R"({"deviceId": 1001, "cameraId": 11, "model": "VY-5240SE-M", "deviceType": "0x82",
        "linkSpeed": 1000, "adapterLinkSpeed": 1000, "starterFirmware": "4.95.8",
        "requiredStarterFirmware": "4.95.8", "deviceStatus": "0x101",
        "controlStatus": "0x080000A7", "dhcpState": "0x1", "mac": "00-1B-2C-40-00-01",
        "ipAddress": "192.168.0.11", "subnetMask": "255.255.255.0",
        "persistentIp": "192.168.0.11", "persistentSubnet": "255.255.255.0",
        "adapterMac": "02-11-22-33-44-55", "adapterIp": "192.168.0.1",
        "adapterSubnet": "255.255.255.0", "adapterIpRangeBegin": "192.168.0.100",
        "adapterIpRangeEnd": "192.168.0.199", "adapterIpRangeValid": true})";

// Acts in the modal widgets as a user would: the configuration dialog gets its action, a
// message box its answer, whose text is kept.
class ModalUser final : public QObject
{
public:
    ModalUser(std::function<void(EthConfig &)> act, QMessageBox::StandardButton answer)
        : m_act(std::move(act)), m_answer(answer)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalUser::look);
        m_timer.start();
    }

    QStringList texts;
    int dialogs = 0;

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            texts << box->text();
            box->button(m_answer)->click();
        } else if (auto *dialog = qobject_cast<EthConfig *>(modal)) {
            if (dialog->property("acted").toBool())
                return;
            dialog->setProperty("acted", true);
            ++dialogs;
            // Run outside this timer's slot: a timer does not fire again while its slot runs,
            // and the action may open a box that needs an answer.
            QMetaObject::invokeMethod(
                dialog, [this, dialog] { m_act(*dialog); }, Qt::QueuedConnection);
        }
    }

    std::function<void(EthConfig &)> m_act;
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};

// The value beside the first row labelled label anywhere in the tree.
QString treeValue(const QAbstractItemModel &model, const QString &label)
{
    const QModelIndexList found = model.match(model.index(0, 0), Qt::DisplayRole, label, 1,
                                              Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? QString() : found.first().siblingAtColumn(1).data().toString();
}

} // namespace

class TestEthConfigWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ToolDialogRunner m_runner;

private slots:
    void init()
    {
        QVERIFY(SimWorld::load({QString::fromUtf8(Device)}));
        vysim_clear_forced(nullptr);
    }

    void persistentIpShows_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("currentAddress");
        QTest::newRow("in_the_subnet") << "192.168.0.77" << QStringList()
                                       << "The camera is configured correctly and can be opened."
                                       << "192.168.0.77";
        QTest::newRow("outside_the_subnet")
            << "10.9.8.7"
            << QStringList{QStringLiteral(
                   "The given address 10.9.8.7 is not a suitable IP for\nthe adapter with "
                   "address 192.168.0.1 / 255.255.255.0!\nDo you want to continue anyway?")}
            << "The camera is not configured properly. Please use the 'Manual ETH "
               "configuration' or 'Automatic ETH configuration' button to set a IP address."
            << "10.9.8.7";
    }

    void persistentIpShows()
    {
        QFETCH(QString, address);
        QFETCH(QStringList, questions);
        QFETCH(QString, verdict);
        QFETCH(QString, currentAddress);
        QVyroZentara window(m_runner, m_dir.filePath(QStringLiteral("nolang")));
        window.show();
        auto *list = window.findChild<CameraList *>(QStringLiteral("cameraList"));
        QVERIFY(list);
        QTRY_VERIFY(list->currentCamera().has_value());
        auto *tree = window.findChild<DeviceInfoView *>(QStringLiteral("deviceInfoView"));
        QVERIFY(tree);
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        QVERIFY(status);
        QTRY_COMPARE(treeValue(*tree->model(), QStringLiteral("Persistent IP address")),
                     QStringLiteral("192.168.0.11"));

        ModalUser user(
            [address](EthConfig &dialog) {
                dialog.persistentIpEdit()->setText(address);
                dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
            },
            QMessageBox::Yes);
        auto *button = window.findChild<QPushButton *>(QStringLiteral("manualEthButton"));
        QVERIFY(button && button->isEnabled());
        button->click();
        QCOMPARE(user.dialogs, 1);
        QCOMPARE(user.texts, questions);

        QTRY_COMPARE(treeValue(*tree->model(), QStringLiteral("Persistent IP address")), address);
        QTRY_COMPARE(treeValue(*tree->model(), QStringLiteral("Current IP address")),
                     currentAddress);
        QTRY_VERIFY2(status->text().contains(verdict), qPrintable(status->text()));
    }

    void cancelAppliesNothing()
    {
        QVyroZentara window(m_runner, m_dir.filePath(QStringLiteral("nolang")));
        window.show();
        auto *list = window.findChild<CameraList *>(QStringLiteral("cameraList"));
        QTRY_VERIFY(list->currentCamera().has_value());
        vysim_log_clear();
        ModalUser user(
            [](EthConfig &dialog) {
                dialog.persistentIpEdit()->setText(QStringLiteral("192.168.0.99"));
                dialog.buttonBox()->button(QDialogButtonBox::Cancel)->click();
            },
            QMessageBox::Ok);
        window.onManualEthConfig();
        QCOMPARE(user.dialogs, 1);
        for (const auto &call : vysim::callsOf("vy_IpConfig"))
            QVERIFY((call.command & 0xFF000000u) != 0x01000000u);
    }
};

VYRO_TEST_MAIN(TestEthConfigWindow)
#include "tst_ethconfigwindow.moc"

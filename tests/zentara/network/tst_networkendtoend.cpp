// tst_networkendtoend.cpp: what a user does in zentara's main window: stop and start the ETH
// daemon from the daemon control, add a read-only device from the list and delete it again,
// against the simulator and the simulated installation "vyrosim sysroot" writes.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/inventory/cameratableview.h"
#include "zentara/network/ethdaemonconfig.h"
#include "zentara/network/multicastdialog.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"
#include "zentara/shell/tooldialogrunner.h"

using zentara::Camera;

namespace {

constexpr uint32_t gigeReady = 1001;

template <typename T> T *child(const QObject &parent, const char *name)
{
    T *w = parent.findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

QList<uint32_t> listedIds(const CameraList &list)
{
    QList<uint32_t> ids;
    for (const Camera &c : list.model()->cameras())
        ids.append(c.deviceId());
    return ids;
}

bool select(CameraList &list, uint32_t deviceId)
{
    const QList<uint32_t> ids = listedIds(list);
    const int row = ids.indexOf(deviceId);
    if (row < 0)
        return false;
    list.view()->selectRow(row);
    return list.currentCamera() && list.currentCamera()->deviceId() == deviceId;
}

QAction *menuAction(QMenu &menu, const QString &text)
{
    for (QAction *a : menu.actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

bool sameImage(const QLabel *label, const char *resource)
{
    return label->pixmap(Qt::ReturnByValue).toImage() == QPixmap(QLatin1String(resource)).toImage();
}

} // namespace

class TestNetworkEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Startup::initResources();
        QVERIFY(m_root.isValid());
        m_oldRoot = qgetenv("VYRO_SYSROOT");
        qputenv("VYRO_SYSROOT", m_root.path().toLocal8Bit());
        QProcess vyrosim;
        vyrosim.start(qEnvironmentVariable("VYROSIM"), {QStringLiteral("sysroot"), m_root.path()});
        QVERIFY(vyrosim.waitForFinished(60000));
        QCOMPARE(vyrosim.exitCode(), 0);
    }

    void cleanupTestCase() { qputenv("VYRO_SYSROOT", m_oldRoot); }

    void init() { QVERIFY(SimWorld::reset()); }

    void stopAndStartEthDaemon()
    {
        ToolDialogRunner runner;
        QVyroZentara window(runner);
        QTRY_COMPARE(window.daemonStates().eth, CoreStates::Running);
        // As the main window runs it, without the modal loop.
        EthDaemonConfig dialog(&window);
        connect(&window, &QVyroZentara::vyrodStatusChanged, &dialog,
                &EthDaemonConfig::onChangedVyrodStatus);
        dialog.onChangedVyrodStatus(window.daemonStates());
        QVERIFY(dialog.services().hasSystemctl());
        QVERIFY(dialog.services().ethServiceInstalled());
        QPushButton *eth = child<QPushButton>(dialog, "ethButton");
        QLabel *led = child<QLabel>(dialog, "ethLed");
        QLabel *status = child<QLabel>(window, "statusLabel");
        QCOMPARE(eth->text(), QStringLiteral("Stop ETH daemon"));
        QVERIFY(sameImage(led, ":/images/led_on.png"));
        QVERIFY(eth->isEnabled());

        eth->click();
        QTRY_COMPARE_WITH_TIMEOUT(eth->text(), QStringLiteral("Start ETH daemon"), 60000);
        QVERIFY(sameImage(led, ":/images/led_off.png"));
        QVERIFY(status->text().contains(QLatin1String("ETH daemon disconnected!")));

        eth->click();
        QTRY_COMPARE_WITH_TIMEOUT(eth->text(), QStringLiteral("Stop ETH daemon"), 60000);
        QVERIFY(sameImage(led, ":/images/led_on.png"));
        QVERIFY(status->text().contains(QLatin1String("ETH daemon connected!")));
    }

    void addAndDeleteReadOnlyDevice()
    {
        ToolDialogRunner runner;
        QVyroZentara window(runner);
        CameraList *list = window.findChild<CameraList *>();
        QVERIFY(list);
        QTRY_VERIFY(listedIds(*list).contains(gigeReady));
        QTRY_VERIFY(select(*list, gigeReady));
        QVERIFY(!listedIds(*list).contains(1501));

        // The list's entry opens the dialog; the user picks camera ID 42 and adds.
        std::unique_ptr<QMenu> menu = list->createContextMenu();
        QAction *add = menuAction(*menu, QStringLiteral("&Add Readonly Device"));
        QVERIFY(add);
        QVERIFY(add->isEnabled());
        bool answered = false;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&answered] {
            auto *dialog = qobject_cast<MulticastDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->cameraIdBox()->setValue(42);
            dialog->addButton()->click();
            answered = true;
        });
        user.start(10);
        add->trigger();
        user.stop();
        QVERIFY(answered);
        QTRY_VERIFY_WITH_TIMEOUT(listedIds(*list).contains(1501), 30000);

        QTRY_VERIFY(select(*list, 1501));
        QCOMPARE(list->currentCamera()->cameraId(), 42u);
        menu = list->createContextMenu();
        QAction *remove = menuAction(*menu, QStringLiteral("&Delete"));
        QVERIFY(remove);
        remove->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!listedIds(*list).contains(1501), 30000);
        QVERIFY(listedIds(*list).contains(1500));
    }

private:
    QTemporaryDir m_root;
    QByteArray m_oldRoot;
};

VYRO_TEST_MAIN(TestNetworkEndToEnd)
#include "tst_networkendtoend.moc"

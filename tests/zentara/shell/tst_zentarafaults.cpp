// tst_zentarafaults.cpp: every SDK call the manager makes on a user's road (start, expert
// mode, selecting a USB and a GigE camera, each tool dialog, identify, closing) failing in
// turn: the window survives, and the manager reads the world again once the SDK answers.
#include <QCheckBox>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/faultinjection.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"
#include "zentara/shell/tooldialogrunner.h"

using shelltest::child;

class tst_ZentaraFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void callFails_data();
    void callFails();

private:
    void buildRoad();

    QTemporaryDir m_dir;
    ToolDialogRunner m_dialogs;
    std::unique_ptr<QVyroZentara> m_window;
    FaultInjection m_road;
};

void tst_ZentaraFaults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
    // The general information window checks for updates: only ever at a closed local port.
    qputenv("VYRO_UPDATE_URL", "http://127.0.0.1:1/update.ini");
    buildRoad();
}

void tst_ZentaraFaults::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
}

void tst_ZentaraFaults::buildRoad()
{
    m_road.addStep(QStringLiteral("start"), [this] {
        m_window =
            std::make_unique<QVyroZentara>(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
        m_window->show();
        QCoreApplication::processEvents();
    });
    m_road.addStep(QStringLiteral("expert mode"), [this] {
        child<QCheckBox>(*m_window, "expertBox")->setChecked(true);
        QCoreApplication::processEvents();
    });
    for (const uint32_t deviceId : {1u, 1001u}) {
        const QString device = QString::number(deviceId);
        m_road.addStep(QStringLiteral("select ") + device, [this, deviceId] {
            m_window->onCurrentCameraChanged(shelltest::cameraOf(deviceId), true);
            QCoreApplication::processEvents();
        });
        for (const char *button : {"cameraInfoButton", "addCameraInfoButton", "manualEthButton",
                                   "additionalButton", "daemonButton", "generalInfoButton"}) {
            m_road.addStep(QStringLiteral("%1 %2").arg(QLatin1String(button), device),
                           [this, button] {
                               // Every box is answered and every dialog closed once it shows.
                               ModalAnswerer answerer(QMessageBox::Cancel);
                               auto *pressed = child<QPushButton>(*m_window, button);
                               if (pressed->isEnabled())
                                   pressed->click();
                               QCoreApplication::processEvents();
                           });
        }
    }
    m_road.addStep(QStringLiteral("identify 1"), [this] {
        ModalAnswerer answerer(QMessageBox::Cancel);
        m_window->onIdentifyCamera(shelltest::cameraOf(1));
    });
    m_road.setClosingStep(QStringLiteral("close"), [this] { m_window.reset(); });
}

void tst_ZentaraFaults::callFails_data()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
    QVERIFY(m_road.addRows() > 10);
}

void tst_ZentaraFaults::callFails()
{
    QFETCH(FaultInjection::Site, site);
    m_road.runFailing(site, VY_IO_REQUEST_FAILED);
    QVERIFY(!m_window);
    // Afterwards the manager starts on the same world and lists every device again.
    QVyroZentara again(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
    again.show();
    const QTableView *view = again.findChild<QTableView *>();
    QVERIFY(view);
    QTRY_COMPARE(view->model()->rowCount(), int(SimWorld::cameraList().size()));
}

VYRO_TEST_MAIN(tst_ZentaraFaults)
#include "tst_zentarafaults.moc"

// tst_mainwindow.cpp: dapplix's window following its camera as it is unplugged, plugged back
// and plugged in later.
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

#include "dapplix/ui/mainwindow.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

namespace {

const char *const UsbCamera = R"({"deviceId": 1, "serialNumber": "4103012345"})";

bool plug(const char *json)
{
    char message[256] = {};
    return vysim_plug(json, message, sizeof message) == VY_SUCCESS;
}

bool showsImage(const MainWindow &window)
{
    const auto *label = window.findChild<QLabel *>(QStringLiteral("imageLabel"));
    return label && !label->pixmap(Qt::ReturnByValue).isNull();
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void cameraPluggedInLaterIsOpened();
    void unpluggedCameraIsReportedAndResumes();
};

void tst_MainWindow::cameraPluggedInLaterIsOpened()
{
    QVERIFY(SimWorld::load({}));
    MainWindow window;
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("No camera found."));
    QVERIFY(!window.camera().isOpen());

    QVERIFY(plug(UsbCamera));
    QTRY_VERIFY_WITH_TIMEOUT(window.camera().isOpen(), 10000);
    QCOMPARE(window.camera().openDeviceId(), 1);
    QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("Camera ")));
    QTRY_VERIFY_WITH_TIMEOUT(showsImage(window), 10000);
}

void tst_MainWindow::unpluggedCameraIsReportedAndResumes()
{
    QVERIFY(SimWorld::load({QString::fromLatin1(UsbCamera)}));
    MainWindow window;
    QVERIFY(window.camera().isOpen());
    QTRY_VERIFY_WITH_TIMEOUT(showsImage(window), 10000);

    QCOMPARE(vysim_unplug(1), VY_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(!showsImage(window), 10000);
    QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("disconnected")));
    const quint32 framesWhileAway = window.camera().frameCount();

    QVERIFY(plug(UsbCamera));
    QTRY_VERIFY_WITH_TIMEOUT(window.camera().frameCount() > framesWhileAway, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(showsImage(window), 10000);
    QCOMPARE(window.camera().openDeviceId(), 1);
}

VYRO_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

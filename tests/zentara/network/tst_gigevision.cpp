// tst_gigevision.cpp: a real GigE Vision stack (Aravis's fake camera, in a network namespace of
// the test's own) as zentara sees it: listed by the command line with its type, IDs, serial and
// verdict, its persistent IP written through the camera ETH dialog, what it does not have
// answered as not supported, and every tool dialog of the window opened over it.
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>

#include "tests/support/fakegigecamera.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/inventory/camera.h"
#include "zentara/network/ethconfig.h"
#include "zentara/network/qipedit.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"
#include "zentara/shell/tooldialogrunner.h"

using zentara::Camera;

class TestGigEVision : public QObject
{
    Q_OBJECT

private:
    FakeGigECamera m_camera;

private slots:
    void initTestCase()
    {
        if (!FakeGigECamera::unavailable().isEmpty())
            QSKIP(qPrintable(FakeGigECamera::unavailable()));
        QVERIFY(m_camera.start());
    }

    void listedByCommandLine()
    {
        QProcess zentara;
        zentara.start(QStringLiteral(ZENTARA_BIN),
                      {QStringLiteral("--list"), QStringLiteral("--json")});
        QVERIFY(zentara.waitForFinished(60000));
        QCOMPARE(zentara.exitCode(), 0);
        const QJsonArray cameras = QJsonDocument::fromJson(zentara.readAllStandardOutput())
                                       .object()
                                       .value(QLatin1String("cameras"))
                                       .toArray();
        QJsonObject fake;
        for (const QJsonValue &c : cameras)
            if (c.toObject().value(QLatin1String("serialNumber")).toString() ==
                QLatin1String(FakeGigECamera::Serial))
                fake = c.toObject();
        QCOMPARE(fake.value(QLatin1String("type")).toString(), QStringLiteral("GEV"));
        QCOMPARE(fake.value(QLatin1String("deviceId")).toInt(), int(m_camera.deviceId()));
        QVERIFY(m_camera.deviceId() >= 2000 && m_camera.deviceId() < 2500);
        QCOMPARE(fake.value(QLatin1String("model")).toString(), QStringLiteral("Aravis Fake"));
        QCOMPARE(fake.value(QLatin1String("verdict")).toString(), QStringLiteral("ready"));
        QCOMPARE(fake.value(QLatin1String("free")).toBool(), true);
    }

    // What the dialog writes is in the camera's persistent registers.
    void persistentIpWritten()
    {
        Camera camera;
        for (const auto &entry : SimWorld::cameraList())
            if (entry.deviceId == m_camera.deviceId())
                camera = Camera(entry);
        ModalAnswerer answerer(QMessageBox::Yes);
        EthConfig dialog(nullptr, &camera);
        QVERIFY(dialog.deviceGroup()->isEnabled());
        dialog.persistentIpEdit()->setText(QStringLiteral("192.168.10.5"));
        dialog.subnetMaskEdit()->setText(QStringLiteral("255.255.255.0"));
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(FakeGigECamera::control(QStringLiteral("R[0x064C]")),
                 QStringLiteral("R[0x0000064c] = 0xc0a80a05"));
        QCOMPARE(FakeGigECamera::control(QStringLiteral("R[0x065C]")),
                 QStringLiteral("R[0x0000065c] = 0xffffff00"));
    }

    // The camera's own memory, FPN and parameter sets are the SDK's cameras' only.
    void unsupportedAnswered()
    {
        const VY_HCAM address = VY_HCAM(m_camera.deviceId() | VY_UNOPENED);
        char eeprom[64] = {};
        QCOMPARE(
            vy_MemContent(address, VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, eeprom, sizeof eeprom),
            VY_NOT_SUPPORTED);
        QCOMPARE(
            vy_PersistentMemory(address, VY_PERSISTENT_MEMORY_READ_USER, eeprom, sizeof eeprom),
            VY_NOT_SUPPORTED);
        uint32_t calibrated = 0;
        QCOMPARE(vy_DeviceFeature(address, VY_FEATURE_GET_FPN_CALIBRATED, &calibrated,
                                  sizeof calibrated),
                 VY_NOT_SUPPORTED);
    }

    // The manager's road over the camera: each tool dialog opens and closes, the window stays.
    void everyDialogOverIt()
    {
        Startup::initResources();
        qputenv("VYRO_UPDATE_URL", "http://127.0.0.1:1/update.ini");
        QTemporaryDir dir;
        ToolDialogRunner dialogs;
        QVyroZentara window(dialogs, dir.filePath(QStringLiteral("nolang")));
        window.show();
        shelltest::child<QCheckBox>(window, "expertBox")->setChecked(true);
        window.onCurrentCameraChanged(shelltest::cameraOf(m_camera.deviceId()), true);
        for (const char *button : {"cameraInfoButton", "addCameraInfoButton", "manualEthButton",
                                   "additionalButton", "daemonButton", "generalInfoButton"}) {
            ModalAnswerer answerer(QMessageBox::Cancel);
            auto *pressed = shelltest::child<QPushButton>(window, button);
            if (pressed->isEnabled())
                pressed->click();
            QCoreApplication::processEvents();
        }
        QVERIFY(window.isVisible());
    }
};

VYRO_GIGE_TEST_MAIN(TestGigEVision)
#include "tst_gigevision.moc"

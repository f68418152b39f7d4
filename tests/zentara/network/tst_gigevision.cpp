// tst_gigevision.cpp: a real GigE Vision stack (Aravis's fake camera, in a network namespace of
// the test's own) as zentara sees it: listed by the command line with its type, IDs, serial and
// verdict, and its persistent IP written through the camera ETH dialog.
#include <QtTest>

#include <QApplication>
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
#include "zentara/inventory/camera.h"
#include "zentara/network/ethconfig.h"
#include "zentara/network/qipedit.h"

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
};

VYRO_GIGE_TEST_MAIN(TestGigEVision)
#include "tst_gigevision.moc"

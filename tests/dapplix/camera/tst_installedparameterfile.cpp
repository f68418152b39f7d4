// The camera parameter file of the simulated installation: written by 'vyrosim sysroot' for the
// world's sensors, and found and applied by the camera when dapplix starts in its folder.
#include "dapplix/camera/camera.h"
#include "dapplix/camera/cameraparameterfile.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using dapplix::Camera;

class tst_InstalledParameterFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everySensorHasItsEntry();
    void openCameraTakesItsEntry();

private:
    QTemporaryDir m_root;
    QString m_previousDir;
    QString m_folder;
};

void tst_InstalledParameterFile::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool (set by CTest)");
    QVERIFY(SimWorld::reset());
    QVERIFY(m_root.isValid());
    QProcess vyrosim;
    vyrosim.start(qEnvironmentVariable("VYROSIM"), {QStringLiteral("sysroot"), m_root.path()});
    QVERIFY(vyrosim.waitForFinished(60000));
    QCOMPARE(vyrosim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vyrosim.exitCode(), 0);
    m_folder = m_root.filePath(QStringLiteral("usr/share/vyro/dapplix"));
    QVERIFY(QFile::exists(QDir(m_folder).filePath(CameraParameterFile::defaultFileName())));
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder));
}

void tst_InstalledParameterFile::cleanupTestCase()
{
    if (!m_previousDir.isEmpty())
        QDir::setCurrent(m_previousDir);
}

void tst_InstalledParameterFile::everySensorHasItsEntry()
{
    const std::vector<VY_CAMERA_LIST_ENTRY> cameras = SimWorld::cameraList();
    QVERIFY(!cameras.empty());
    int sensors = 0;
    for (const VY_CAMERA_LIST_ENTRY &c : cameras) {
        if (!c.sensorId)
            continue;
        ++sensors;
        CameraParameterFile::Settings s;
        QCOMPARE(CameraParameterFile::read(CameraParameterFile::defaultFileName(),
                                           quint16(c.sensorId), &s),
                 CameraParameterFile::Outcome::Found);
        QVERIFY(s.exposure > 0.0);
        QVERIFY(s.framerate > 0.0);
        QVERIFY(s.pixelclock > 0);
    }
    QVERIFY(sensors > 0);
}

void tst_InstalledParameterFile::openCameraTakesItsEntry()
{
    Camera camera;
    QSignalSpy errors(&camera, &Camera::displayError);
    camera.open(1);
    camera.setAutoConfig();
    QCOMPARE(errors.count(), 0);
    CameraParameterFile::Settings s;
    QCOMPARE(CameraParameterFile::read(CameraParameterFile::defaultFileName(),
                                       camera.sensorInfo().sensorId, &s),
             CameraParameterFile::Outcome::Found);
    QCOMPARE(vy_SetPixelClock(camera.handle(), VY_GET_PIXEL_CLOCK),
             camera.pixelclockParameter().clamp(s.pixelclock));
    QCOMPARE(camera.mastergainParameter().value, camera.mastergainParameter().clamp(s.master));
}

VYRO_TEST_MAIN(tst_InstalledParameterFile)
#include "tst_installedparameterfile.moc"

// tst_additionalcamerainfo.cpp: the additional camera information on the simulated world: the
// values it reads, the camera opened with the upload flag and closed again, and each read
// failing in turn.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "zentara/devinfo/additionalcamerainfo.h"
#include "zentara/inventory/camera.h"

using zentara::Camera;

namespace {

Camera cameraOf(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return Camera(entry);
    return Camera();
}

const QStringList DeviceFields = {"deviceId", "cameraId", "model"};
const QStringList UserFields = {"user"};
const QStringList InfoFields = {"serialNumber", "manufacturer", "version", "dateEndtest",
                                "cameraType"};
const QStringList RevisionFields = {"blackfin",    "sensor",    "processingBoard", "dspFirmware",
                                    "sensorBoard", "product",   "cypress",         "logicBoard",
                                    "filter",      "usbBoard",  "memoryBoard",     "housing",
                                    "timingBoard", "powerBoard"};

} // namespace

class tst_AdditionalCameraInfo : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(SimWorld::reset()); }
    void cleanup() { vysim_clear_forced(nullptr); }

    void values_data();
    void values();
    void revisionsInHex();
    void starterFirmwareUploadedOnTheWay();
    void openFails();
    void readFails_data();
    void readFails();
    void closeButton();
};

void tst_AdditionalCameraInfo::values_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<QString>("cameraId");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("type");
    QTest::newRow("usb") << 1u << "1"
                         << "VY-3240CP-M"
                         << "4103012345"
                         << "64 (USB)";
    QTest::newRow("network") << 1001u << "11"
                             << "VY-5240SE-M"
                             << "4104011111"
                             << "128 (ETH)";
}

void tst_AdditionalCameraInfo::values()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(QString, cameraId);
    QFETCH(QString, model);
    QFETCH(QString, serial);
    QFETCH(QString, type);
    QVERIFY(SimWorld::setField(deviceId, "persistentUserText", "\"line 3, left\""));
    QVERIFY(SimWorld::setField(deviceId, "manufacturer", "\"Orv Vyro\""));
    AdditionalCameraInfo dialog(cameraOf(deviceId));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Additional camera information"));
    QCOMPARE(dialog.value("deviceId"), QString::number(deviceId));
    QCOMPARE(dialog.value("cameraId"), cameraId);
    QCOMPARE(dialog.value("model"), model);
    QCOMPARE(dialog.value("user"), QStringLiteral("line 3, left"));
    QCOMPARE(dialog.value("serialNumber"), serial.left(11));
    QCOMPARE(dialog.value("manufacturer"), QStringLiteral("Orv Vyro"));
    QCOMPARE(dialog.value("dateEndtest"), QStringLiteral("2026-01-15"));
    QCOMPARE(dialog.value("cameraType"), type);
    QVERIFY(dialog.value("version").startsWith(QLatin1Char('V')));
    const auto opens = vysim::callsOf("vy_InitCamera");
    QCOMPARE(opens.size(), size_t(1));
    QCOMPARE(uint32_t(opens[0].handle), deviceId | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
    QCOMPARE(vysim::callsOf("vy_ExitCamera").size(), size_t(1));
    const auto user = vysim::callsOf("vy_PersistentMemory");
    QCOMPARE(user.size(), size_t(1));
    QCOMPARE(user[0].command, uint32_t(VY_PERSISTENT_MEMORY_READ_USER));
    QCOMPARE(user[0].in.size(), size_t(64));
}

void tst_AdditionalCameraInfo::revisionsInHex()
{
    QVERIFY(SimWorld::setField(8, "hardwareVariant", "\"0x0D08\""));
    AdditionalCameraInfo dialog(cameraOf(8));
    QCOMPARE(dialog.value("product"), QStringLiteral("0xD08"));
    QCOMPARE(dialog.value("sensor"), QStringLiteral("0x249"));
    QCOMPARE(dialog.value("blackfin"), QStringLiteral("0x20008"));
    QCOMPARE(dialog.value("housing"), QStringLiteral("0xA05"));
    for (const QString &field : RevisionFields) {
        const QString v = dialog.value(field);
        QVERIFY2(v.startsWith(QLatin1String("0x")), qPrintable(field));
        QCOMPARE(v.mid(2), v.mid(2).toUpper());
    }
}

void tst_AdditionalCameraInfo::starterFirmwareUploadedOnTheWay()
{
    // The camera with an old starter firmware opens only with the upload flag.
    AdditionalCameraInfo dialog(cameraOf(1004));
    QCOMPARE(dialog.value("deviceId"), QStringLiteral("1004"));
    QCOMPARE(dialog.value("cameraType"), QStringLiteral("128 (ETH)"));
}

void tst_AdditionalCameraInfo::openFails()
{
    QCOMPARE(vysim_force_result("vy_InitCamera", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                                VY_CANT_OPEN_DEVICE, 0),
             VY_SUCCESS);
    AdditionalCameraInfo dialog(cameraOf(1));
    for (const QStringList &fields : {DeviceFields, UserFields, InfoFields, RevisionFields})
        for (const QString &field : fields)
            QVERIFY2(dialog.value(field).isEmpty(), qPrintable(field));
    QVERIFY(vysim::callsOf("vy_GetCameraInfo").empty());
    QVERIFY(vysim::callsOf("vy_ExitCamera").empty());
}

void tst_AdditionalCameraInfo::readFails_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QStringList>("empty");
    QTest::newRow("persistent memory") << "vy_PersistentMemory" << UserFields;
    QTest::newRow("camera info") << "vy_GetCameraInfo" << InfoFields;
    QTest::newRow("revision info") << "vy_GetRevisionInfo" << RevisionFields;
}

// A failed read leaves its own fields empty and every other one filled.
void tst_AdditionalCameraInfo::readFails()
{
    QFETCH(QString, function);
    QFETCH(QStringList, empty);
    QVERIFY(SimWorld::setField(1, "persistentUserText", "\"user\""));
    QCOMPARE(vysim_force_result(function.toLatin1().constData(), VYSIM_ANY_COMMAND,
                                VYSIM_ANY_HANDLE, VY_TRANSFER_ERROR, 0),
             VY_SUCCESS);
    AdditionalCameraInfo dialog(cameraOf(1));
    for (const QStringList &fields : {DeviceFields, UserFields, InfoFields, RevisionFields})
        for (const QString &field : fields)
            QVERIFY2(dialog.value(field).isEmpty() == empty.contains(field), qPrintable(field));
    QCOMPARE(vysim::callsOf("vy_ExitCamera").size(), size_t(1));
}

void tst_AdditionalCameraInfo::closeButton()
{
    AdditionalCameraInfo dialog(cameraOf(1));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.buttonBox()->button(QDialogButtonBox::Close)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

VYRO_TEST_MAIN(tst_AdditionalCameraInfo)
#include "tst_additionalcamerainfo.moc"

// tst_camerainfo.cpp: the camera information dialog on the simulated world: what it loads, what
// OK writes, the hex view, the FPN calibration, the memory mode, the parameter set, and every
// SDK call failing in turn.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "zentara/devinfo/camerainfo.h"
#include "zentara/inventory/camera.h"

using zentara::Camera;

namespace {

constexpr uint32_t UsbPlain = 1; // usb3-5000, sensor 538
constexpr uint32_t UsbFpn = 8;   // usb3-rwq: FPN sensor 585, lens variant 0x0D08
constexpr uint32_t GigE = 1001;  // gige-ready, current starter firmware
constexpr uint32_t GigEOldFirmware = 1004;
constexpr uint32_t Vision = 2000;

const char *const OpenFailed = "Camera Info could not be opened.\n%1";
const char *const LensUnreadable =
    "Can't read liquid lens configuration, even though it is supported. Disabling control!";
const char *const Unlit = "The lightning conditions are insufficient. Please provide better "
                          "lighting according to the application note.";
const char *const CalibrationFailed =
    "Something went wrong during the calibration process, please try again. If this situation "
    "persists please contact the customer support.";
const char *const MemoryNeeded =
    "The camera internal memory must be enabled for calibration! Please enable in the additional "
    "functions dialog the memory mode before calibration.";

Camera cameraOf(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return Camera(entry);
    return Camera();
}

uint32_t listedCameraId(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return entry.cameraId;
    return 0;
}

VY_HCAM address(uint32_t deviceId)
{
    return VY_HCAM(deviceId | VY_UNOPENED);
}

// The user EEPROM as the camera holds it.
QByteArray eepromOf(uint32_t deviceId)
{
    if (deviceId >= 1000) {
        VY_DEVICECFG_USER block;
        std::memset(&block, 0, sizeof block);
        block.block = VY_DEVICECFG_BLOCK_USER;
        if (vy_AccessDeviceCfg(address(deviceId), VY_DEVICECFG_READ, &block, sizeof block) !=
            VY_SUCCESS)
            return QByteArray();
        return QByteArray(block.userEeprom, int(sizeof block.userEeprom));
    }
    QByteArray bytes(VY_USER_EEPROM_SIZE, '\0');
    if (vy_MemContent(address(deviceId), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, bytes.data(),
                      VY_USER_EEPROM_SIZE) != VY_SUCCESS)
        return QByteArray();
    return bytes;
}

QByteArray block64(const QByteArray &bytes)
{
    QByteArray b = bytes.left(VY_USER_EEPROM_SIZE);
    b.append(QByteArray(VY_USER_EEPROM_SIZE - b.size(), '\0'));
    return b;
}

size_t callCount(const char *function, uint32_t command)
{
    size_t n = 0;
    for (const auto &c : vysim::callsOf(function))
        if (command == VYSIM_ANY_COMMAND || c.command == command)
            ++n;
    return n;
}

// Every camera the dialog opened it closed again.
bool allClosed()
{
    size_t opened = 0;
    for (const auto &c : vysim::callsOf("vy_InitCamera"))
        if (c.result == VY_SUCCESS)
            ++opened;
    size_t closed = 0;
    for (const auto &c : vysim::callsOf("vy_ExitCamera"))
        if (c.result == VY_SUCCESS)
            ++closed;
    return opened == closed;
}

void force(const char *function, uint32_t command, int32_t result)
{
    QCOMPARE(vysim_force_result(function, command, VYSIM_ANY_HANDLE, result, 0), VY_SUCCESS);
}

// Presses OK and tells whether the dialog accepted.
bool pressOk(CameraInfo &dialog)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
    return accepted.count() == 1;
}

} // namespace

class tst_CameraInfo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsUsbCamera();
    void loadsNetworkCamera();
    void loadsNetworkCameraWithOldFirmwareOpened();
    void visionDeviceHasNoEeprom();
    void fpnGroupBySensor_data();
    void fpnGroupBySensor();
    void firmwareUploadQuestion_data();
    void firmwareUploadQuestion();
    void openFailureOnLoad();
    void cameraIdRange();
    void cameraIdChange_data();
    void cameraIdChange();
    void unchangedEepromNotWritten_data();
    void unchangedEepromNotWritten();
    void eepromWritten_data();
    void eepromWritten();
    void eepromRefused_data();
    void eepromRefused();
    void hexView_data();
    void hexView();
    void hexViewRoundTrip();
    void lensLoadedAndWritten_data();
    void lensLoadedAndWritten();
    void lensUnreadable_data();
    void lensUnreadable();
    void writeFailures_data();
    void writeFailures();
    void openFailureOnOk();
    void fpnStates_data();
    void fpnStates();
    void fpnStateQueryFailures_data();
    void fpnStateQueryFailures();
    void calibration_data();
    void calibration();
    void calibrationNeedsMemory();
    void calibrationDeclined();
    void calibrationUnplugged_data();
    void calibrationUnplugged();
    void correctionLoading();
    void memoryModeGroup_data();
    void memoryModeGroup();
    void memoryModeSwitch();
    void memoryModeSwitchFails();
    void parameterSet();
    void otherFailures_data();
    void otherFailures();

private:
    void loadShown(CameraInfo &dialog);
};

void tst_CameraInfo::init()
{
    QVERIFY(SimWorld::reset());
    // Calibrations take a realistic while unless a test says otherwise.
    QVERIFY(SimWorld::setField(UsbFpn, "fpnCalibrationMs", "20"));
}

void tst_CameraInfo::cleanup()
{
    vysim_clear_forced(nullptr);
}

void tst_CameraInfo::loadShown(CameraInfo &dialog)
{
    QVERIFY(dialog.load());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

void tst_CameraInfo::loadsUsbCamera()
{
    // A driver without parameter-set support.
    QVERIFY(SimWorld::setDriverField("configCapabilities", "0"));
    const Camera camera = cameraOf(UsbFpn);
    CameraInfo dialog(camera);
    ModalAnswerer answerer;
    QVERIFY(dialog.load());
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Camera Info - 4103077665"));
    QCOMPARE(dialog.deviceGroup()->title(), QStringLiteral("Device ID: 8"));
    QCOMPARE(dialog.manufacturerEdit()->text(), QStringLiteral("Orv"));
    QCOMPARE(dialog.qcDateEdit()->text(), QStringLiteral("2026-01-15"));
    QCOMPARE(dialog.cameraIdBox()->value(), 8);
    QCOMPARE(dialog.cameraIdBox()->toolTip(), QStringLiteral("Valid range is 1 to 254"));
    QVERIFY(dialog.eepromEdit()->isEnabled());
    QVERIFY(dialog.fpnGroup()->isEnabled());
    QCOMPARE(dialog.fpnStatusLabel()->text(), QStringLiteral("Uncalibrated"));
    QCOMPARE(dialog.fpnIconPath(), QStringLiteral(":/images/delete2.png"));
    QVERIFY(dialog.lensGroup()->isEnabled());
    QCOMPARE(dialog.lensCombo()->count(), 3);
    QCOMPARE(dialog.lensCombo()->currentData().toInt(), VY_LENS_NONE);
    // Without the driver's parameter-set support both radios are off.
    QVERIFY(!dialog.parameterSetRadio()->isEnabled());
    QVERIFY(!dialog.defaultParameterRadio()->isEnabled());
    QVERIFY(dialog.minimumSize().width() >= 400 && dialog.minimumSize().height() >= 600);
    // The FPN-capable camera was opened for the load and closed again.
    QCOMPARE(callCount("vy_InitCamera", VYSIM_ANY_COMMAND), size_t(1));
    QVERIFY(allClosed());
    // The list learns of the close on the simulator's next look at the device locks.
    QTRY_COMPARE(SimWorld::listedInUse(UsbFpn), 0u);
}

void tst_CameraInfo::loadsNetworkCamera()
{
    QVERIFY(SimWorld::setField(GigE, "userEeprom", "\"site 4\""));
    QVERIFY(SimWorld::setField(GigE, "qcDate", "\"2025-11-02\""));
    CameraInfo dialog(cameraOf(GigE));
    QVERIFY(dialog.load());
    QCOMPARE(dialog.eepromEdit()->text(), QStringLiteral("site 4"));
    QCOMPARE(dialog.qcDateEdit()->text(), QStringLiteral("2025-11-02"));
    QCOMPARE(dialog.cameraIdBox()->value(), 11);
    QVERIFY(!dialog.fpnGroup()->isEnabled());
    QVERIFY(!dialog.lensGroup()->isEnabled());
    QCOMPARE(dialog.lensCombo()->count(), 3);
    // A current starter firmware needs no open camera for reading.
    QCOMPARE(callCount("vy_InitCamera", VYSIM_ANY_COMMAND), size_t(0));
    QVERIFY(callCount("vy_AccessDeviceCfg", VY_DEVICECFG_READ) >= 2);
}

void tst_CameraInfo::loadsNetworkCameraWithOldFirmwareOpened()
{
    QVERIFY(SimWorld::setField(GigEOldFirmware, "needsFirmwareUpload", "false"));
    CameraInfo dialog(cameraOf(GigEOldFirmware));
    QVERIFY(dialog.load());
    QCOMPARE(callCount("vy_InitCamera", VYSIM_ANY_COMMAND), size_t(1));
    QVERIFY(allClosed());
}

void tst_CameraInfo::visionDeviceHasNoEeprom()
{
    CameraInfo dialog(cameraOf(Vision));
    QVERIFY(dialog.load());
    QVERIFY(!dialog.eepromEdit()->isEnabled());
    QVERIFY(!dialog.hexCheck()->isEnabled());
    QCOMPARE(dialog.cameraIdBox()->value(), 30);
}

void tst_CameraInfo::fpnGroupBySensor_data()
{
    QTest::addColumn<int>("sensorId");
    QTest::addColumn<bool>("group");
    QTest::newRow("553") << 553 << false;
    QTest::newRow("554") << 554 << true;
    QTest::newRow("559") << 559 << true;
    QTest::newRow("560") << 560 << false;
    QTest::newRow("583") << 583 << false;
    QTest::newRow("584") << 584 << true;
    QTest::newRow("587") << 587 << true;
    QTest::newRow("588") << 588 << false;
}

void tst_CameraInfo::fpnGroupBySensor()
{
    QFETCH(int, sensorId);
    QFETCH(bool, group);
    QVERIFY(SimWorld::setField(UsbPlain, "sensorId", QByteArray::number(sensorId).constData()));
    CameraInfo dialog(cameraOf(UsbPlain));
    QVERIFY(dialog.load());
    QCOMPARE(dialog.fpnGroup()->isEnabled(), group);
    QCOMPARE(CameraInfo::isFpnCapable(uint32_t(sensorId)), group);
    // The simulated camera follows the same rule for its feature bit.
    if (group)
        QCOMPARE(dialog.fpnStatusLabel()->text(), QStringLiteral("Uncalibrated"));
}

void tst_CameraInfo::firmwareUploadQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("shown");
    QTest::newRow("ok") << int(QMessageBox::Ok) << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
}

void tst_CameraInfo::firmwareUploadQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, shown);
    CameraInfo dialog(cameraOf(GigEOldFirmware));
    ModalAnswerer answerer{QMessageBox::StandardButton(answer)};
    QCOMPARE(dialog.load(), shown);
    QCOMPARE(answerer.texts().value(0),
             QStringLiteral("The camera needs a firmware update to continue. The upload may take a "
                            "couple of seconds. Don't disconnect the camera from the PC or turn "
                            "off the power supply in this time!"));
    QCOMPARE(answerer.count(), 1);
    const auto opens = vysim::callsOf("vy_InitCamera");
    QCOMPARE(opens.size(), size_t(shown ? 2 : 1));
    QCOMPARE(opens[0].result, VY_STARTER_FW_UPLOAD_NEEDED);
    if (shown) {
        QCOMPARE(uint32_t(opens[1].handle), GigEOldFirmware | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
        QCOMPARE(opens[1].result, VY_SUCCESS);
    }
    QVERIFY(allClosed());
}

void tst_CameraInfo::openFailureOnLoad()
{
    force("vy_InitCamera", VYSIM_ANY_COMMAND, VY_CANT_OPEN_DEVICE);
    CameraInfo dialog(cameraOf(UsbFpn));
    ModalAnswerer answerer;
    QVERIFY(!dialog.load());
    // The SDK's own message of the refusal, with its code.
    QCOMPARE(answerer.texts(),
             QStringList{QString::fromLatin1(OpenFailed)
                             .arg(QStringLiteral("The camera cannot be opened (code 3)."))});
    QCOMPARE(answerer.icons().value(0), QMessageBox::Critical);
}

void tst_CameraInfo::cameraIdRange()
{
    CameraInfo dialog(cameraOf(UsbPlain));
    QVERIFY(dialog.load());
    dialog.cameraIdBox()->setValue(0);
    QCOMPARE(dialog.cameraIdBox()->value(), 1);
    dialog.cameraIdBox()->setValue(255);
    QCOMPARE(dialog.cameraIdBox()->value(), 254);
}

void tst_CameraInfo::cameraIdChange_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<QString>("function");
    QTest::addColumn<uint32_t>("command");
    QTest::newRow("usb") << UsbPlain << "vy_MemContent" << uint32_t(VY_MEM_WRITE);
    QTest::newRow("usb opened") << UsbFpn << "vy_MemContent" << uint32_t(VY_MEM_WRITE);
    QTest::newRow("network") << GigE << "vy_AccessDeviceCfg" << uint32_t(VY_DEVICECFG_WRITE);
    QTest::newRow("vision") << Vision << "vy_SetCameraID" << 99u;
}

void tst_CameraInfo::cameraIdChange()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(QString, function);
    QFETCH(uint32_t, command);
    const QByteArray eepromBefore = eepromOf(deviceId);
    CameraInfo dialog(cameraOf(deviceId));
    ModalAnswerer answerer;
    QVERIFY(dialog.load());
    vysim_log_clear();
    dialog.cameraIdBox()->setValue(99);
    QVERIFY(pressOk(dialog));
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(listedCameraId(deviceId), 99u);
    QCOMPARE(callCount(function.toLatin1().constData(), command), size_t(1));
    // Only the ID changed: the EEPROM is as it was.
    QCOMPARE(eepromOf(deviceId), eepromBefore);
    QVERIFY(allClosed());
    // An unopened camera is enumerated again; an opened one was closed instead.
    const auto renumerations = vysim::callsOf("vy_Renumerate");
    const bool opened = !vysim::callsOf("vy_InitCamera").empty();
    QCOMPARE(renumerations.size(), size_t(opened ? 0 : 1));
    if (!opened) {
        QCOMPARE(uint32_t(renumerations[0].handle), deviceId | VY_UNOPENED);
        QCOMPARE(renumerations[0].command, 0u);
    }
}

void tst_CameraInfo::unchangedEepromNotWritten_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::newRow("usb") << UsbPlain;
    QTest::newRow("network") << GigE;
    QTest::newRow("usb, opened") << UsbFpn;
}

void tst_CameraInfo::unchangedEepromNotWritten()
{
    QFETCH(uint32_t, deviceId);
    QVERIFY(SimWorld::setField(deviceId, "userEeprom", "\"keep me\""));
    CameraInfo dialog(cameraOf(deviceId));
    QVERIFY(dialog.load());
    // Switching the view back and forth changes nothing either.
    dialog.hexCheck()->setChecked(true);
    dialog.hexCheck()->setChecked(false);
    vysim_log_clear();
    QVERIFY(pressOk(dialog));
    QCOMPARE(callCount("vy_MemContent", VY_MEM_WRITE), size_t(0));
    QCOMPARE(callCount("vy_AccessDeviceCfg", VY_DEVICECFG_WRITE), size_t(0));
    QCOMPARE(callCount("vy_AccessDeviceCfg", VY_DEVICECFG_WRITE | VY_DEVICECFG_PERSISTENT),
             size_t(0));
}

void tst_CameraInfo::eepromWritten_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    const QString sixtyFour(64, QLatin1Char('x'));
    const QString sixtyFive = sixtyFour + QLatin1Char('Y');
    QTest::newRow("usb, 64 bytes") << UsbPlain << false << sixtyFour << sixtyFour.toLatin1();
    QTest::newRow("network, 64 bytes") << GigE << false << sixtyFour << sixtyFour.toLatin1();
    QTest::newRow("latin1 letters") << UsbPlain << false << QStringLiteral("Gr\u00FC\u00DFe")
                                    << QByteArray("Gr\xFC\xDF"
                                                  "e");
    QTest::newRow("empty") << UsbPlain << false << QString() << QByteArray();
    QTest::newRow("hex") << UsbPlain << true << QStringLiteral("414243") << QByteArray("ABC");
    QTest::newRow("hex, lower case")
        << GigE << true << QStringLiteral("e4fc") << QByteArray("\xE4\xFC");
    QTest::newRow("hex, spaced bytes")
        << UsbPlain << true << QStringLiteral(" 41 42 ") << QByteArray("AB");
    QTest::newRow("hex, 64 bytes")
        << UsbPlain << true << QString(128, QLatin1Char('7')) << QByteArray(64, '\x77');
}

void tst_CameraInfo::eepromWritten()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(bool, hex);
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    QVERIFY(SimWorld::setField(deviceId, "userEeprom", "\"old text\""));
    CameraInfo dialog(cameraOf(deviceId));
    ModalAnswerer answerer;
    QVERIFY(dialog.load());
    dialog.hexCheck()->setChecked(hex);
    dialog.eepromEdit()->setText(text);
    QVERIFY(pressOk(dialog));
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(eepromOf(deviceId), block64(stored));
    // What was written reads back the same in a new dialog.
    CameraInfo again(cameraOf(deviceId));
    QVERIFY(again.load());
    QCOMPARE(again.eepromEdit()->text(), CameraInfo::eepromTextOf(block64(stored), false));
}

void tst_CameraInfo::eepromRefused_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString nothing = QStringLiteral("\nNothing has been written.");
    const QString tooLong = QStringLiteral("The EEPROM content is 65 bytes long; at most 64 fit.");
    QTest::newRow("usb, 65 bytes")
        << UsbPlain << false << QString(65, QLatin1Char('x')) << tooLong + nothing;
    QTest::newRow("network, 65 bytes")
        << GigE << false << QString(65, QLatin1Char('x')) << tooLong + nothing;
    QTest::newRow("hex, 65 bytes")
        << UsbPlain << true << QString(130, QLatin1Char('7')) << tooLong + nothing;
    QTest::newRow("beyond latin1")
        << GigE << false << QStringLiteral("\u20AC \u65E5\u672C")
        << QStringLiteral("The EEPROM holds Latin-1 characters only; \"\u20AC\" is not one of "
                          "them.") +
               nothing;
    QTest::newRow("hex, not a digit")
        << UsbPlain << true << QStringLiteral("4142ZZ4")
        << QStringLiteral("\"4142ZZ4\" is not hexadecimal: \"Z\" is no digit 0-9 or A-F.") +
               nothing;
    QTest::newRow("hex, half a byte")
        << GigE << true << QStringLiteral("41424")
        << QStringLiteral("\"41424\" ends in half a byte: each byte takes two hexadecimal "
                          "digits.") +
               nothing;
}

// A line the EEPROM cannot hold as shown is refused before anything is written, the camera ID
// beside it included; the line keeps the text.
void tst_CameraInfo::eepromRefused()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(bool, hex);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QVERIFY(SimWorld::setField(deviceId, "userEeprom", "\"old text\""));
    const uint32_t cameraIdBefore = listedCameraId(deviceId);
    CameraInfo dialog(cameraOf(deviceId));
    QVERIFY(dialog.load());
    dialog.hexCheck()->setChecked(hex);
    dialog.eepromEdit()->setText(text);
    dialog.cameraIdBox()->setValue(77);
    vysim_log_clear();
    ModalAnswerer answerer;
    QVERIFY(!pressOk(dialog));
    QCOMPARE(answerer.texts(), QStringList{message});
    QCOMPARE(callCount("vy_MemContent", VY_MEM_WRITE), size_t(0));
    QCOMPARE(callCount("vy_AccessDeviceCfg", VY_DEVICECFG_WRITE), size_t(0));
    QCOMPARE(callCount("vy_SetCameraID", VYSIM_ANY_COMMAND), size_t(0));
    QCOMPARE(eepromOf(deviceId), block64("old text"));
    QCOMPARE(listedCameraId(deviceId), cameraIdBefore);
    QCOMPARE(dialog.eepromEdit()->text(), text);
}

void tst_CameraInfo::hexView_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::newRow("ascii") << QStringLiteral("Cam 1") << QStringLiteral("43616D2031");
    QTest::newRow("latin1") << QStringLiteral("\u00E4\u00FF") << QStringLiteral("E4FF");
    QTest::newRow("empty") << QString() << QString();
}

void tst_CameraInfo::hexView()
{
    QFETCH(QString, text);
    QFETCH(QString, hex);
    CameraInfo dialog(cameraOf(UsbPlain));
    QVERIFY(dialog.load());
    dialog.eepromEdit()->setText(text);
    dialog.hexCheck()->setChecked(true);
    QCOMPARE(dialog.eepromEdit()->text(), hex);
    dialog.hexCheck()->setChecked(false);
    QCOMPARE(dialog.eepromEdit()->text(), QString::fromLatin1(text.toLatin1()));
}

void tst_CameraInfo::hexViewRoundTrip()
{
    CameraInfo dialog(cameraOf(UsbPlain));
    QVERIFY(dialog.load());
    dialog.hexCheck()->setChecked(true);
    // Text stops at the first zero byte.
    dialog.eepromEdit()->setText(QStringLiteral("41 00 42"));
    dialog.hexCheck()->setChecked(false);
    QCOMPARE(dialog.eepromEdit()->text(), QStringLiteral("A"));
    // A text the other view cannot show stays in its view, with the reason.
    ModalAnswerer answerer;
    dialog.eepromEdit()->setText(QStringLiteral("\u20AC"));
    dialog.hexCheck()->setChecked(true);
    QVERIFY(!dialog.hexCheck()->isChecked());
    QCOMPARE(dialog.eepromEdit()->text(), QStringLiteral("\u20AC"));
    dialog.eepromEdit()->setText(QStringLiteral("A"));
    dialog.hexCheck()->setChecked(true);
    dialog.eepromEdit()->setText(QStringLiteral("4a4"));
    dialog.hexCheck()->setChecked(false);
    QVERIFY(dialog.hexCheck()->isChecked());
    QCOMPARE(dialog.eepromEdit()->text(), QStringLiteral("4a4"));
    QCOMPARE(answerer.texts(),
             (QStringList{QStringLiteral("The EEPROM holds Latin-1 characters only; \"\u20AC\" is "
                                         "not one of them."),
                          QStringLiteral("\"4a4\" ends in half a byte: each byte takes two "
                                         "hexadecimal digits.")}));
}

void tst_CameraInfo::lensLoadedAndWritten_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::newRow("usb") << UsbFpn;
    QTest::newRow("network") << GigE;
}

void tst_CameraInfo::lensLoadedAndWritten()
{
    QFETCH(uint32_t, deviceId);
    // A box would wait for an answer: it is answered, and must not come.
    ModalAnswerer answerer;
    QVERIFY(SimWorld::setField(deviceId, "hardwareVariant", "\"0x0D08\""));
    QVERIFY(SimWorld::setField(deviceId, "lensType", "2"));
    QVERIFY(SimWorld::setField(deviceId, "lensDataLength", "20"));
    CameraInfo dialog(cameraOf(deviceId));
    QVERIFY(dialog.load());
    QVERIFY(dialog.lensGroup()->isEnabled());
    QCOMPARE(dialog.lensCombo()->currentText(), QStringLiteral("Arctic 39 N"));
    vysim_log_clear();
    dialog.lensCombo()->setCurrentIndex(dialog.lensCombo()->findData(VY_LENS_ARCTIC_25H));
    QVERIFY(pressOk(dialog));

    CameraInfo again(cameraOf(deviceId));
    QVERIFY(again.load());
    QCOMPARE(again.lensCombo()->currentData().toInt(), VY_LENS_ARCTIC_25H);
    QCOMPARE(answerer.count(), 0);
    if (deviceId == GigE) {
        // The block keeps its length: 20 bytes of data after the 8-byte header.
        const auto writes = vysim::callsOf("vy_AccessDeviceCfg");
        bool found = false;
        for (const auto &w : writes) {
            if (w.command != (VY_DEVICECFG_WRITE | VY_DEVICECFG_PERSISTENT))
                continue;
            found = true;
            QCOMPARE(w.in.size(), size_t(28));
            QCOMPARE(int(w.in[6] | (w.in[7] << 8)), 20);
            QCOMPARE(int(w.in[8]), VY_LENS_ARCTIC_25H);
        }
        QVERIFY(found);
    }
}

void tst_CameraInfo::lensUnreadable_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<QString>("function");
    QTest::addColumn<uint32_t>("command");
    QTest::newRow("usb") << UsbFpn << "vy_MemContent" << uint32_t(VY_MEM_READ);
    QTest::newRow("network") << GigE << "vy_AccessDeviceCfg"
                             << uint32_t(VY_DEVICECFG_READ | VY_DEVICECFG_PERSISTENT);
}

void tst_CameraInfo::lensUnreadable()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(QString, function);
    QFETCH(uint32_t, command);
    QVERIFY(SimWorld::setField(deviceId, "hardwareVariant", "\"0x0D08\""));
    QVERIFY(SimWorld::setField(deviceId, "lensType", "1"));
    force(function.toLatin1().constData(), command, VY_TRANSFER_ERROR);
    CameraInfo dialog(cameraOf(deviceId));
    ModalAnswerer answerer;
    QVERIFY(dialog.load());
    QVERIFY(answerer.texts().contains(QString::fromLatin1(LensUnreadable)));
    QVERIFY(!dialog.lensGroup()->isEnabled());
    QCOMPARE(dialog.lensCombo()->currentText(), QStringLiteral("None"));
    vysim_clear_forced(nullptr);
    // Nothing is written for the disabled group.
    vysim_log_clear();
    QVERIFY(pressOk(dialog));
    QCOMPARE(callCount("vy_AccessDeviceCfg", VY_DEVICECFG_WRITE | VY_DEVICECFG_PERSISTENT),
             size_t(0));
}

void tst_CameraInfo::writeFailures_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("function");
    QTest::addColumn<uint32_t>("command");
    QTest::addColumn<QString>("message");
    const QString idFailed =
        QStringLiteral("Camera ID could not be set!\nThe device did not answer (code 187).");
    const QString eepromFailed = QStringLiteral("Camera eeprom could not be written!");
    const QString lensFailed = QStringLiteral("Writing liquid lens data failed!");
    QTest::newRow("usb camera ID") << UsbPlain << "id"
                                   << "vy_MemContent" << uint32_t(VY_MEM_WRITE) << idFailed;
    QTest::newRow("network camera ID")
        << GigE << "id"
        << "vy_AccessDeviceCfg" << uint32_t(VY_DEVICECFG_WRITE) << idFailed;
    QTest::newRow("network camera ID, block unreadable")
        << GigE << "id"
        << "vy_AccessDeviceCfg" << uint32_t(VY_DEVICECFG_READ) << idFailed;
    QTest::newRow("vision camera ID") << Vision << "id"
                                      << "vy_SetCameraID" << 77u << idFailed;
    QTest::newRow("usb eeprom") << UsbPlain << "eeprom"
                                << "vy_MemContent" << uint32_t(VY_MEM_WRITE) << eepromFailed;
    QTest::newRow("network eeprom")
        << GigE << "eeprom"
        << "vy_AccessDeviceCfg" << uint32_t(VY_DEVICECFG_WRITE) << eepromFailed;
    QTest::newRow("usb lens") << UsbFpn << "lens"
                              << "vy_MemContent" << uint32_t(VY_MEM_WRITE) << lensFailed;
}

// A failed write shows its message and leaves the dialog open; once the camera answers again,
// OK goes through.
void tst_CameraInfo::writeFailures()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(QString, change);
    QFETCH(QString, function);
    QFETCH(uint32_t, command);
    QFETCH(QString, message);
    CameraInfo dialog(cameraOf(deviceId));
    QVERIFY(dialog.load());
    dialog.show();
    if (change == QLatin1String("id"))
        dialog.cameraIdBox()->setValue(77);
    else if (change == QLatin1String("eeprom"))
        dialog.eepromEdit()->setText(QStringLiteral("new text"));
    else
        dialog.lensCombo()->setCurrentIndex(2);
    force(function.toLatin1().constData(), command, VY_TRANSFER_ERROR);
    {
        ModalAnswerer answerer;
        QVERIFY(!pressOk(dialog));
        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(answerer.icons().value(0), QMessageBox::Warning);
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(allClosed());
    vysim_clear_forced(nullptr);
    ModalAnswerer answerer;
    QVERIFY(pressOk(dialog));
    QCOMPARE(answerer.count(), 0);
    if (change == QLatin1String("id"))
        QCOMPARE(listedCameraId(deviceId), 77u);
}

void tst_CameraInfo::openFailureOnOk()
{
    CameraInfo dialog(cameraOf(UsbFpn));
    QVERIFY(dialog.load());
    dialog.cameraIdBox()->setValue(50);
    force("vy_InitCamera", VYSIM_ANY_COMMAND, VY_DEVICE_IN_USE);
    vysim_log_clear();
    ModalAnswerer answerer;
    QVERIFY(!pressOk(dialog));
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Camera could not be opened!")});
    QCOMPARE(callCount("vy_MemContent", VY_MEM_WRITE), size_t(0));
    QCOMPARE(listedCameraId(UsbFpn), 8u);
}

void tst_CameraInfo::fpnStates_data()
{
    QTest::addColumn<bool>("calibrated");
    QTest::addColumn<bool>("factory");
    QTest::addColumn<bool>("loading");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("runnable");
    const QString check = QStringLiteral(":/images/check.png");
    const QString cross = QStringLiteral(":/images/delete2.png");
    QTest::newRow("uncalibrated") << false << false << false << "Uncalibrated" << cross << true;
    QTest::newRow("calibrated") << true << false << true << "Calibrated" << check << true;
    QTest::newRow("factory calibrated")
        << true << true << false << "Factory calibrated" << check << false;
}

void tst_CameraInfo::fpnStates()
{
    QFETCH(bool, calibrated);
    QFETCH(bool, factory);
    QFETCH(bool, loading);
    QFETCH(QString, status);
    QFETCH(QString, icon);
    QFETCH(bool, runnable);
    QVERIFY(SimWorld::setField(UsbFpn, "fpnCalibrated", calibrated ? "true" : "false"));
    QVERIFY(SimWorld::setField(UsbFpn, "fpnFactoryCalibrated", factory ? "true" : "false"));
    QVERIFY(SimWorld::setField(UsbFpn, "fpnCorrectionLoading", loading ? "true" : "false"));
    CameraInfo dialog(cameraOf(UsbFpn));
    QVERIFY(dialog.load());
    QCOMPARE(dialog.fpnStatusLabel()->text(), status);
    QCOMPARE(dialog.fpnIconPath(), icon);
    QVERIFY(!QPixmap(icon).isNull());
    QCOMPARE(dialog.runFpnButton()->isEnabled(), runnable);
    QCOMPARE(dialog.fpnLoadingCheck()->isChecked(), loading);
}

void tst_CameraInfo::fpnStateQueryFailures_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<uint32_t>("command");
    QTest::newRow("features") << "vy_DeviceFeature" << uint32_t(VY_FEATURE_GET_SUPPORTED);
    QTest::newRow("calibration state")
        << "vy_DeviceFeature" << uint32_t(VY_FEATURE_GET_FPN_CALIBRATED);
    QTest::newRow("factory") << "vy_CalibrateFPN" << uint32_t(VY_FPN_GET_FACTORY_CALIBRATED);
    QTest::newRow("loading flag") << "vy_DeviceFeature" << uint32_t(VY_FEATURE_GET_FPN_LOADING);
}

void tst_CameraInfo::fpnStateQueryFailures()
{
    QFETCH(QString, function);
    QFETCH(uint32_t, command);
    QVERIFY(SimWorld::setField(UsbFpn, "fpnCalibrated", "true"));
    QVERIFY(SimWorld::setField(UsbFpn, "fpnCorrectionLoading", "true"));
    force(function.toLatin1().constData(), command, VY_TRANSFER_ERROR);
    CameraInfo dialog(cameraOf(UsbFpn));
    ModalAnswerer answerer;
    QVERIFY(dialog.load());
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(dialog.fpnStatusLabel()->text(), QStringLiteral("Not supported"));
    QCOMPARE(dialog.fpnIconPath(), QStringLiteral(":/images/delete2.png"));
    QVERIFY(!dialog.runFpnButton()->isEnabled());
    QVERIFY(!dialog.fpnLoadingCheck()->isChecked());
}

void tst_CameraInfo::calibration_data()
{
    QTest::addColumn<bool>("lit");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("messages");
    const QString question = QStringLiteral(
        "For the purpose of calibration the camera should be illuminated with homogeneous light. "
        "For more information about the illumination conditions see the seperate application "
        "note.\n\nThe calibration process may take several minutes, depending on the performance "
        "of the host computer.\n\nStart FPN Calibration?");
    QTest::newRow("lit") << true << VY_SUCCESS << "Calibrated" << QStringList{question};
    QTest::newRow("dark") << false << VY_FPN_INSUFFICIENT_LIGHT << "Uncalibrated"
                          << QStringList{question, QString::fromLatin1(Unlit)};
}

void tst_CameraInfo::calibration()
{
    QFETCH(bool, lit);
    QFETCH(int, result);
    QFETCH(QString, status);
    QFETCH(QStringList, messages);
    QVERIFY(SimWorld::setField(UsbFpn, "lit", lit ? "true" : "false"));
    CameraInfo dialog(cameraOf(UsbFpn));
    loadShown(dialog);
    QSignalSpy finished(&dialog, &CameraInfo::fpnCalibrationFinished);
    ModalAnswerer answerer(QMessageBox::Yes);
    vysim_log_clear();
    QTest::mouseClick(dialog.runFpnButton(), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), result);
    QCOMPARE(answerer.texts(), messages);
    QCOMPARE(dialog.fpnStatusLabel()->text(), status);
    const auto runs = vysim::callsOf("vy_CalibrateFPN");
    QCOMPARE(callCount("vy_CalibrateFPN", VY_FPN_CALIBRATE), size_t(1));
    QVERIFY(!runs.empty());
    QVERIFY(allClosed());
    // The list learns of the close on the simulator's next look at the device locks.
    QTRY_COMPARE(SimWorld::listedInUse(UsbFpn), 0u);
    // No progress dialog is left behind.
    const auto progress = dialog.findChildren<QProgressDialog *>();
    for (const QProgressDialog *p : progress)
        QVERIFY(!p->isVisible());
}

void tst_CameraInfo::calibrationNeedsMemory()
{
    QVERIFY(SimWorld::setField(UsbFpn, "memoryMode", "false"));
    CameraInfo dialog(cameraOf(UsbFpn));
    loadShown(dialog);
    ModalAnswerer answerer(QMessageBox::Yes);
    vysim_log_clear();
    QTest::mouseClick(dialog.runFpnButton(), Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{QString::fromLatin1(MemoryNeeded)});
    QCOMPARE(answerer.icons().value(0), QMessageBox::Information);
    QCOMPARE(callCount("vy_CalibrateFPN", VY_FPN_CALIBRATE), size_t(0));
    QVERIFY(allClosed());
}

void tst_CameraInfo::calibrationDeclined()
{
    QVERIFY(SimWorld::setField(UsbFpn, "lit", "true"));
    CameraInfo dialog(cameraOf(UsbFpn));
    loadShown(dialog);
    ModalAnswerer answerer(QMessageBox::No);
    vysim_log_clear();
    QTest::mouseClick(dialog.runFpnButton(), Qt::LeftButton);
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(callCount("vy_CalibrateFPN", VY_FPN_CALIBRATE), size_t(0));
    QCOMPARE(dialog.fpnStatusLabel()->text(), QStringLiteral("Uncalibrated"));
    QVERIFY(allClosed());
}

void tst_CameraInfo::calibrationUnplugged_data()
{
    QTest::addColumn<bool>("tryToLeave");
    QTest::newRow("waited_for") << false;
    // Escape and the close button leave the progress where it is.
    QTest::newRow("progress_cannot_be_left") << true;
}

void tst_CameraInfo::calibrationUnplugged()
{
    QFETCH(bool, tryToLeave);
    // The calibration would not end by itself: only the camera leaving ends it.
    QVERIFY(SimWorld::setField(UsbFpn, "fpnCalibrationMs", "3600000"));
    QVERIFY(SimWorld::setField(UsbFpn, "lit", "true"));
    CameraInfo dialog(cameraOf(UsbFpn));
    loadShown(dialog);
    QSignalSpy finished(&dialog, &CameraInfo::fpnCalibrationFinished);
    ModalAnswerer answerer(QMessageBox::Yes);
    bool unplugged = false;
    bool left = false;
    // The status line says the calibration is on its way once the user has said yes: the
    // camera is pulled then, while the dialog waits for the calibration to end.
    QTimer pull;
    connect(&pull, &QTimer::timeout, &dialog, [&] {
        if (!unplugged &&
            dialog.fpnStatusLabel()->text() == QStringLiteral("Calibration is running ...")) {
            unplugged = true;
            auto *progress = dialog.findChild<QProgressDialog *>();
            if (tryToLeave && progress) {
                QTest::keyClick(progress, Qt::Key_Escape);
                progress->close();
                left = !progress->isVisible();
            }
            QCOMPARE(vysim_unplug(UsbFpn), VY_SUCCESS);
        }
    });
    pull.start(5);
    QTest::mouseClick(dialog.runFpnButton(), Qt::LeftButton);
    QVERIFY(unplugged);
    QVERIFY(!left);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), VY_IO_REQUEST_FAILED);
    QVERIFY(answerer.texts().contains(QString::fromLatin1(CalibrationFailed)));
    QCOMPARE(dialog.fpnStatusLabel()->text(), QStringLiteral("Not supported"));
    QVERIFY(allClosed());
    // The dialog stays usable: Cancel closes it.
    QVERIFY(dialog.isVisible());
    dialog.buttonBox()->button(QDialogButtonBox::Cancel)->click();
    QVERIFY(!dialog.isVisible());
}

void tst_CameraInfo::correctionLoading()
{
    CameraInfo dialog(cameraOf(UsbFpn));
    loadShown(dialog);
    QVERIFY(!dialog.fpnLoadingCheck()->isChecked());
    vysim_log_clear();
    QTest::mouseClick(dialog.fpnLoadingCheck(), Qt::LeftButton);
    QVERIFY(dialog.fpnLoadingCheck()->isChecked());
    const auto sets = vysim::callsOf("vy_DeviceFeature");
    bool sent = false;
    for (const auto &c : sets)
        if (c.command == VY_FEATURE_SET_FPN_LOADING) {
            sent = true;
            QCOMPARE(c.in, (std::vector<uint8_t>{1, 0, 0, 0}));
            QVERIFY(uint32_t(c.handle) != (UsbFpn | VY_UNOPENED));
        }
    QVERIFY(sent);
    QVERIFY(allClosed());
    // Another dialog reads the stored flag.
    CameraInfo again(cameraOf(UsbFpn));
    QVERIFY(again.load());
    QVERIFY(again.fpnLoadingCheck()->isChecked());
}

void tst_CameraInfo::memoryModeGroup_data()
{
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<bool>("memoryOn");
    QTest::addColumn<bool>("visible");
    QTest::newRow("usb, memory on") << UsbPlain << true << true;
    QTest::newRow("usb, memory off") << UsbPlain << false << false;
    QTest::newRow("network") << GigE << true << false;
}

// Without the driver's compatibility switch a USB camera with its memory on shows it, fixed;
// every other camera hides the group.
void tst_CameraInfo::memoryModeGroup()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(bool, memoryOn);
    QFETCH(bool, visible);
    QVERIFY(SimWorld::setField(deviceId, "memoryMode", memoryOn ? "true" : "false"));
    force("vy_Configuration", VY_CONFIG_GET_MEMORY_COMPAT, VY_NOT_SUPPORTED);
    CameraInfo dialog(cameraOf(deviceId));
    loadShown(dialog);
    QCOMPARE(dialog.memoryGroup()->isVisible(), visible);
    if (visible) {
        QVERIFY(dialog.memoryCheck()->isChecked());
        QVERIFY(!dialog.memoryGroup()->isEnabled());
        QCOMPARE(dialog.memoryCheck()->toolTip(),
                 QStringLiteral("Enable memory compatibility mode in additional functions for "
                                "this to work!"));
    }
}

void tst_CameraInfo::memoryModeSwitch()
{
    // The driver's compatibility mode reads as on (forced success leaves the value 0: off).
    QVERIFY(SimWorld::setField(UsbPlain, "memoryMode", "false"));
    force("vy_Configuration", VY_CONFIG_GET_MEMORY_COMPAT, VY_SUCCESS);
    CameraInfo dialog(cameraOf(UsbPlain));
    loadShown(dialog);
    QVERIFY(dialog.memoryGroup()->isVisible());
    QVERIFY(dialog.memoryCheck()->isEnabled());
    QVERIFY(!dialog.memoryCheck()->isChecked());
    vysim_log_clear();
    ModalAnswerer answerer;
    QTest::mouseClick(dialog.memoryCheck(), Qt::LeftButton);
    QCOMPARE(answerer.count(), 0);
    const auto calls = vysim::callsOf("vy_DeviceFeature");
    QCOMPARE(calls.size(), size_t(1));
    QCOMPARE(calls[0].command, uint32_t(VY_FEATURE_SET_MEMORY_MODE));
    QCOMPARE(uint32_t(calls[0].handle), UsbPlain | VY_UNOPENED);
    QCOMPARE(calls[0].in, (std::vector<uint8_t>{1, 0, 0, 0}));
    uint32_t mode = 0;
    QCOMPARE(vy_DeviceFeature(address(UsbPlain), VY_FEATURE_GET_MEMORY_MODE, &mode, 4), VY_SUCCESS);
    QCOMPARE(mode, 1u);

    // Not supported by the camera: the box is disabled.
    QVERIFY(SimWorld::setField(UsbPlain, "memoryModeSupported", "false"));
    CameraInfo unsupported(cameraOf(UsbPlain));
    QVERIFY(unsupported.load());
    QVERIFY(!unsupported.memoryCheck()->isEnabled());
}

void tst_CameraInfo::memoryModeSwitchFails()
{
    force("vy_Configuration", VY_CONFIG_GET_MEMORY_COMPAT, VY_SUCCESS);
    CameraInfo dialog(cameraOf(UsbPlain));
    loadShown(dialog);
    force("vy_DeviceFeature", VY_FEATURE_SET_MEMORY_MODE, VY_TRANSFER_ERROR);
    ModalAnswerer answerer;
    QTest::mouseClick(dialog.memoryCheck(), Qt::LeftButton);
    QCOMPARE(answerer.texts(),
             QStringList{QStringLiteral("Could not enable or disable memory mode")});
    QCOMPARE(answerer.icons().value(0), QMessageBox::Information);
    // The box shows what the camera holds: its memory is on.
    QVERIFY(dialog.memoryCheck()->isChecked());
    vysim_log_clear();
    // Read back failing too: the box shows off.
    force("vy_DeviceFeature", VY_FEATURE_GET_MEMORY_MODE, VY_TRANSFER_ERROR);
    QTest::mouseClick(dialog.memoryCheck(), Qt::LeftButton);
    QVERIFY(!dialog.memoryCheck()->isChecked());
    QCOMPARE(answerer.count(), 2);
}

void tst_CameraInfo::parameterSet()
{
    CameraInfo dialog(cameraOf(UsbPlain));
    loadShown(dialog);
    vysim_log_clear();
    dialog.defaultParameterRadio()->setChecked(true);
    dialog.onRadioParameterChanged();
    dialog.parameterSetRadio()->setChecked(true);
    dialog.onRadioParameterChanged();
    const auto sets = vysim::callsOf("vy_Configuration");
    QCOMPARE(sets.size(), size_t(2));
    for (const auto &c : sets) {
        QCOMPARE(c.command, uint32_t(VY_CONFIG_SET_PARAMETERSET));
        QCOMPARE(c.handle, VY_DRIVER_HANDLE);
    }
    QCOMPARE(sets[0].in, (std::vector<uint8_t>{0, 0, 0, 0}));
    QCOMPARE(sets[1].in, (std::vector<uint8_t>{1, 0, 0, 0}));

    vysim_log_clear();
    QTest::mouseClick(dialog.eraseParameterButton(), Qt::LeftButton);
    const auto erases = vysim::callsOf("vy_ParameterSet");
    QCOMPARE(erases.size(), size_t(1));
    QCOMPARE(erases[0].command, uint32_t(VY_PARAMETERSET_ERASE));
    QCOMPARE(erases[0].result, VY_SUCCESS);
    QVERIFY(allClosed());
    QCOMPARE(vysim::callsOf("vy_InitCamera").size(), size_t(1));

    // A failing erase shows nothing and leaves the dialog as it was.
    force("vy_ParameterSet", VYSIM_ANY_COMMAND, VY_TRANSFER_ERROR);
    ModalAnswerer answerer;
    QTest::mouseClick(dialog.eraseParameterButton(), Qt::LeftButton);
    QCOMPARE(answerer.count(), 0);
    QVERIFY(allClosed());
}

void tst_CameraInfo::otherFailures_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<uint32_t>("command");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("accepted");
    const QString question = QStringLiteral(
        "For the purpose of calibration the camera should be illuminated with homogeneous light. "
        "For more information about the illumination conditions see the seperate application "
        "note.\n\nThe calibration process may take several minutes, depending on the performance "
        "of the host computer.\n\nStart FPN Calibration?");
    QTest::newRow("calibration run")
        << "vy_CalibrateFPN" << uint32_t(VY_FPN_CALIBRATE) << "calibrate"
        << QStringList{question, QString::fromLatin1(CalibrationFailed)} << false;
    QTest::newRow("memory mode before calibration")
        << "vy_DeviceFeature" << uint32_t(VY_FEATURE_GET_MEMORY_MODE) << "calibrate"
        << QStringList{QString::fromLatin1(MemoryNeeded)} << false;
    QTest::newRow("open for calibration")
        << "vy_InitCamera" << VYSIM_ANY_COMMAND << "calibrate"
        << QStringList{QStringLiteral("Camera could not be opened!")} << false;
    QTest::newRow("open for correction loading")
        << "vy_InitCamera" << VYSIM_ANY_COMMAND << "loading"
        << QStringList{QStringLiteral("Camera could not be opened!")} << false;
    QTest::newRow("correction loading")
        << "vy_DeviceFeature" << uint32_t(VY_FEATURE_SET_FPN_LOADING) << "loading" << QStringList()
        << false;
    QTest::newRow("renumerate") << "vy_Renumerate" << VYSIM_ANY_COMMAND << "ok" << QStringList()
                                << true;
    QTest::newRow("open for erasing")
        << "vy_InitCamera" << VYSIM_ANY_COMMAND << "erase" << QStringList() << false;
}

// Calls that fail after loading: the stated message or none, the camera closed, the dialog
// still there and answering.
void tst_CameraInfo::otherFailures()
{
    QFETCH(QString, function);
    QFETCH(uint32_t, command);
    QFETCH(QString, action);
    QFETCH(QStringList, messages);
    QFETCH(bool, accepted);
    QVERIFY(SimWorld::setField(UsbFpn, "lit", "true"));
    // Renumeration only follows for a camera that was not opened.
    const uint32_t deviceId = action == QLatin1String("ok") ? UsbPlain : UsbFpn;
    CameraInfo dialog(cameraOf(deviceId));
    loadShown(dialog);
    force(function.toLatin1().constData(), command, VY_TRANSFER_ERROR);
    ModalAnswerer answerer(QMessageBox::Yes);
    QSignalSpy accepts(&dialog, &QDialog::accepted);
    if (action == QLatin1String("calibrate")) {
        QTest::mouseClick(dialog.runFpnButton(), Qt::LeftButton);
    } else if (action == QLatin1String("loading")) {
        QTest::mouseClick(dialog.fpnLoadingCheck(), Qt::LeftButton);
        QVERIFY(!dialog.fpnLoadingCheck()->isChecked());
        vysim_clear_forced(nullptr);
        CameraInfo again(cameraOf(deviceId));
        QVERIFY(again.load());
        QVERIFY(!again.fpnLoadingCheck()->isChecked());
    } else if (action == QLatin1String("erase")) {
        QTest::mouseClick(dialog.eraseParameterButton(), Qt::LeftButton);
        QVERIFY(vysim::callsOf("vy_ParameterSet").empty());
    } else {
        dialog.cameraIdBox()->setValue(66);
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(listedCameraId(deviceId), 66u);
    }
    QCOMPARE(answerer.texts(), messages);
    QCOMPARE(accepts.count(), accepted ? 1 : 0);
    QVERIFY(allClosed());
    if (!accepted) {
        QVERIFY(dialog.isVisible());
        vysim_clear_forced(nullptr);
        QVERIFY(pressOk(dialog));
    }
}

VYRO_TEST_MAIN(tst_CameraInfo)
#include "tst_camerainfo.moc"

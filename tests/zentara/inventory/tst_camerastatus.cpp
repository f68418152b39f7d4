// tst_camerastatus.cpp: the status verdicts, list icons and list texts of cameras read from the
// simulator.
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "tests/support/testmain.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/camerastatus.h"

using zentara::Camera;

namespace {

QString merged(const char *base, const char *overrides)
{
    QJsonObject object = QJsonDocument::fromJson(base).object();
    const QJsonObject extra = QJsonDocument::fromJson(overrides).object();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        object.insert(it.key(), it.value());
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

const char *const UsbBase =
    R"({"deviceId": 1, "cameraId": 1, "serialNumber": "4103012345", "model": "VY-3240CP-M",
        "fullModelName": "VY-3240CP-M-GL", "deviceType": "0x63", "busGeneration": 2,
        "linkSpeed": 5000, "starterFirmware": "4.95.21", "runtimeFirmware": "4.95.21",
        "deviceStatus": "0x1", "usbBus": 2, "usbPortPath": "1"})";

const char *const EthBase =
    R"({"deviceId": 1001, "cameraId": 11, "serialNumber": "4104011111", "model": "VY-5240SE-M",
        "fullModelName": "VY-5240SE-M-GL", "deviceType": "0x82", "infoDeviceType": "0x82",
        "linkSpeed": 1000, "adapterLinkSpeed": 1000, "starterFirmware": "4.95.8",
        "requiredStarterFirmware": "4.95.8", "runtimeFirmware": "4.95.8",
        "deviceStatus": "0x101", "controlStatus": "0x080000A7", "mac": "00-1B-2C-40-00-01",
        "ipAddress": "192.168.10.11", "subnetMask": "255.255.255.0", "adapterIp": "192.168.10.1",
        "adapterSubnet": "255.255.255.0"})";

const char *const VisionBase =
    R"({"deviceId": 2001, "cameraId": 21, "serialNumber": "4105000001", "model": "VY-U3V",
        "fullModelName": "VY-U3V-1", "deviceType": 225})";

const QString Black = QStringLiteral("#000000");
const QString Red = QStringLiteral("#ff0000");
const QString DarkGreen = QStringLiteral("#008000");
const QString Orange = QStringLiteral("#ffa500");

const char *const Correct = "Status of device %1: The camera is configured correctly and can be "
                            "opened.";
const char *const LowerSpeed = "Status of device %1: The camera is configured correctly and can "
                               "be opened. Please note that this device currently is using a "
                               "lower speed than supported by it.";
const char *const NoUpload =
    "An upload of the camera firmware is not possible. The hardware of your camera is probably "
    "not compatible to the installed Orv Vyro driver. Your hardware is not supported by driver "
    "versions higher than 3.00.";

QString sentence(const char *text, int deviceId)
{
    return QString::fromUtf8(text).arg(deviceId);
}

QString wrapped(const char *text, int deviceId)
{
    return QStringLiteral("Status of device %1: %2").arg(deviceId).arg(QString::fromUtf8(text));
}

// Buttons in the order Camera information, Manual ETH, Automatic ETH, Upload starter firmware,
// Additional Camera Info: '1' enabled, '0' disabled.
QString buttons(const CameraVerdict &v)
{
    QString s;
    for (const bool b : {v.cameraInformation, v.manualEthConfiguration, v.automaticEthConfiguration,
                         v.uploadStarterFirmware, v.additionalCameraInfo})
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QString picture(const CameraVerdict &v)
{
    switch (v.picture) {
    case CameraVerdict::Picture::Unchanged:
        return QStringLiteral("unchanged");
    case CameraVerdict::Picture::Clear:
        return QStringLiteral("clear");
    case CameraVerdict::Picture::Blank:
        return QStringLiteral("blank");
    case CameraVerdict::Picture::Resource:
        return v.picturePath.mid(QStringLiteral(":/images/").size());
    }
    return QString();
}

} // namespace

class tst_CameraStatus : public QObject
{
    Q_OBJECT
private slots:
    void noCamera();
    void verdict_data();
    void verdict();
    void picture_data();
    void picture();
    void listCells_data();
    void listCells();
    void versionText();
};

void tst_CameraStatus::noCamera()
{
    const CameraVerdict v = CameraStatus::evaluate(nullptr);
    QCOMPARE(v.sentence, QStringLiteral("No camera list available"));
    QCOMPARE(v.colour.name(), Red);
    QCOMPARE(::picture(v), QStringLiteral("clear"));
    QCOMPARE(buttons(v), QStringLiteral("00000"));
    QVERIFY(v.createSupportFile);
    QVERIFY(v.daemonControl);
    QVERIFY(!v.discontinuedVisible);
    QCOMPARE(v.html(), QStringLiteral("<font color='#ff0000'>No camera list available</font>"));
}

void tst_CameraStatus::verdict_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("buttons");

    const char *openedText = "You have opened the camera";

    // Vision-standard devices and everything from 2500 up.
    QTest::newRow("u3v_in_use") << merged(VisionBase, R"({"inUse": true})")
                                << wrapped(openedText, 2001) << DarkGreen << "00000";
    QTest::newRow("gev_service_firmware")
        << merged(VisionBase, R"({"deviceType": 226, "status": "0x1"})")
        << sentence("Status of device %1: The camera cannot be opened because it is running "
                    "with service firmware. Either start the camera in runtime using the "
                    "\"orv_devicecommand\" tool (--reset-to-runtime) or update the camera "
                    "firmware, e.g. using the \"orv_deviceupdate\" tool.\n",
                    2001)
        << Red << "00000";
    QTest::newRow("gev_invalid_ip_range")
        << merged(VisionBase, R"({"deviceType": 226, "status": "0x8"})")
        << wrapped("The camera is using an invalid IP range and can't be opened. Please use the "
                   "'Manual ETH configuration' button to set a valid IP address.",
                   2001)
        << Red << "01000";
    QTest::newRow("gev_ready") << merged(VisionBase, R"({"deviceType": 226})")
                               << sentence(Correct, 2001) << Black << "11001";
    QTest::newRow("u3v_ready") << QString::fromUtf8(VisionBase) << sentence(Correct, 2001) << Black
                               << "10001";
    QTest::newRow("from_2500") << merged(VisionBase, R"({"deviceId": 2600, "deviceType": 0})")
                               << sentence(Correct, 2600) << Black << "10001";

    // USB cameras.
    QTest::newRow("usb_in_use") << merged(UsbBase, R"({"inUse": true})") << wrapped(openedText, 1)
                                << DarkGreen << "00000";
    QTest::newRow("usb3_5000") << QString::fromUtf8(UsbBase) << sentence(Correct, 1) << Black
                               << "10001";
    QTest::newRow("usb3_480") << merged(UsbBase, R"({"linkSpeed": 480})") << sentence(LowerSpeed, 1)
                              << Orange << "10001";
    QTest::newRow("usb2_480_not_third_generation")
        << merged(UsbBase, R"({"deviceType": "0x42", "busGeneration": 0, "linkSpeed": 480})")
        << sentence(Correct, 1) << Black << "10001";
    QTest::newRow("usb_no_fullspeed")
        << merged(UsbBase, R"({"status": "0x2"})")
        << wrapped("This camera does not support Fullspeed USB.", 1) << Red << "00000";
    QTest::newRow("usb_service_firmware")
        << merged(UsbBase, R"({"status": "0x1"})") << wrapped(NoUpload, 1) << Red << "00000";
    QTest::newRow("usb_service_and_no_fullspeed")
        << merged(UsbBase, R"({"status": "0x3"})")
        << QStringLiteral("Status of device 1: %1 In addition, the camera does not support "
                          "Fullspeed USB.")
               .arg(QString::fromUtf8(NoUpload))
        << Red << "00000";

    // Network cameras and read-only devices: not available and paired elsewhere.
    QTest::newRow("eth_other_host")
        << merged(EthBase, R"({"deviceStatus": "0x1", "controlStatus": "0x080000A6"})")
        << wrapped("The camera is being used by another host and cannot be opened at the moment.",
                   1001)
        << Red << "00000";
    QTest::newRow("eth_opened_here")
        << merged(EthBase, R"({"deviceStatus": "0x1", "controlStatus": "0x08001000"})")
        << wrapped(openedText, 1001) << DarkGreen << "00000";
    QTest::newRow("eth_pairing_in_progress")
        << merged(EthBase, R"({"deviceStatus": "0x1", "controlStatus": "0x08000200"})")
        << wrapped(openedText, 1001) << DarkGreen << "00000";
    QTest::newRow("readonly_not_opened")
        << merged(EthBase, R"({"deviceId": 1501, "deviceStatus": "0x1", "controlStatus": "0x0"})")
        << wrapped("The camera is not opened by another host and cannot be opened at the moment.",
                   1501)
        << Red << "00000";

    // Not available but unpaired: the diagnosis, first match wins.
    const char *diag = "01100";
    QTest::newRow("diag_driver_error")
        << merged(EthBase, R"({"controlStatus": "0x0"})")
        << wrapped("Internal driver error. Please reinstall the Orv Vyro setup.", 1001) << Red
        << diag;
    QTest::newRow("diag_to_be_removed")
        << merged(EthBase, R"({"controlStatus": "0x880000A6"})")
        << wrapped("Internal driver error. Please reinstall the Orv Vyro setup.", 1001) << Red
        << diag;
    QTest::newRow("diag_waiting_dhcp")
        << merged(
               EthBase,
               R"({"deviceStatus": "0x100", "controlStatus": "0x080000A6", "dhcpState": "0x11"})")
        << wrapped("Waiting for DHCPOFFER.", 1001) << Red << diag;
    QTest::newRow("diag_dhcp_error")
        << merged(
               EthBase,
               R"({"deviceStatus": "0x100", "controlStatus": "0x080000A6", "dhcpState": "0x12"})")
        << wrapped("Internal device error. Please upload a new starter firmware.", 1001) << Red
        << diag;
    QTest::newRow("diag_runtime_corrupted")
        << merged(EthBase, R"({"deviceStatus": "0x80000101", "controlStatus": "0x080000A6"})")
        << wrapped("Internal device error. The runtime firmware is corrupted.", 1001) << Red
        << diag;
    QTest::newRow("diag_not_compatible")
        << merged(EthBase, R"({"controlStatus": "0x08000086"})")
        << wrapped("The device is not compatible to the driver. Please upload a new starter "
                   "firmware.",
                   1001)
        << Red << diag;
    QTest::newRow("diag_adapter_dhcp")
        << merged(EthBase, R"({"controlStatus": "0x080000E6"})")
        << wrapped("The network adapter is configured to use DHCP. Please assign a static IP "
                   "address and subnetmask via the dialog 'Manual ETH configuration'. DHCP will "
                   "be deactivated automatically.",
                   1001)
        << Red << diag;
    QTest::newRow("diag_packet_size")
        << merged(EthBase, R"({"controlStatus": "0x08000026"})")
        << wrapped("The network adapter is not configured to use packets larger than the normal "
                   "size of 1,5 KB.Please set the packet size to at least 2 KB.",
                   1001)
        << Red << diag;
    QTest::newRow("diag_not_configured")
        << merged(EthBase, R"({"controlStatus": "0x080000A2"})")
        << wrapped("The camera is not configured properly. Please use the 'Manual ETH "
                   "configuration' or 'Automatic ETH configuration' button to set a IP address. "
                   "Or enable the camera DHCP client if a DHCP server is available.",
                   1001)
        << Red << diag;
    QTest::newRow("diag_nothing_found") << merged(EthBase, R"({"controlStatus": "0x080000A6"})")
                                        << wrapped("", 1001) << Red << diag;

    // Available.
    QTest::newRow("readonly_available")
        << merged(EthBase, R"({"deviceId": 1500})") << sentence(Correct, 1500) << Black << "00000";
    QTest::newRow("eth_ready") << QString::fromUtf8(EthBase) << sentence(Correct, 1001) << Black
                               << "11111";
    QTest::newRow("eth_slow_adapter") << merged(EthBase, R"({"adapterLinkSpeed": 100})")
                                      << sentence(LowerSpeed, 1001) << Orange << "11111";
    QTest::newRow("eth_slow_link") << merged(EthBase, R"({"linkSpeed": 100})")
                                   << sentence(LowerSpeed, 1001) << Orange << "11111";
    QTest::newRow("eth_boot_boost")
        << merged(EthBase, R"({"deviceStatus": "0x1", "adapterLinkSpeed": 100})")
        << sentence("Status of device %1: The camera is currently running in the boot boost "
                    "mode. It is configured correctly and can be opened.",
                    1001)
        << Black << "11111";
    QTest::newRow("eth_starter_firmware_differs")
        << merged(EthBase, R"({"infoDeviceType": "0x84", "starterFirmware": "4.60.3",
                              "requiredStarterFirmware": "4.81.7"})")
        << QStringLiteral(
               "The starter firmware of the camera is incompatible to the driver.\nAn automatic "
               "upload will be initiated next time you open the camera. This upload will take "
               "several seconds. Do not switch off the power supply and do not unplug the "
               "camera! It is strongly recommended to upload the firmware over the button "
               "'Starter Firmware Upload'. The requested starter firmware version is 4.81.0007")
        << Red << "11111";
    QTest::newRow("eth_no_firmware_image")
        << merged(EthBase, R"({"requiredStarterFirmware": "0.0.0"})")
        << QStringLiteral("Firmware image is not available or corrupted. Please reinstall the Orv "
                          "Vyro setup.")
        << Red << "11111";
    QTest::newRow("eth_firmware_differs_not_network_type")
        << merged(EthBase, R"({"infoDeviceType": "0x41", "requiredStarterFirmware": "4.81.7"})")
        << QString() << Red << "11111";
    QTest::newRow("eth_transfer_failed")
        << merged(EthBase, R"({"deviceInfoResult": 187})")
        << QStringLiteral("Transfer failed: The device did not answer (code 187). API DLL or "
                          "kernel driver incompatible. Please reinstall the setup.")
        << Red << "00000";
}

void tst_CameraStatus::verdict()
{
    QFETCH(QString, device);
    QFETCH(QString, sentence);
    QFETCH(QString, colour);
    QFETCH(QString, buttons);

    const Camera camera = simworld::single(device);
    QVERIFY2(camera.deviceId() != 0, "the device is listed");
    const CameraVerdict v = CameraStatus::evaluate(&camera);
    QCOMPARE(v.sentence, sentence);
    QCOMPARE(v.colour.name(), colour);
    QCOMPARE(::buttons(v), buttons);
    QVERIFY(v.createSupportFile);
    QVERIFY(v.daemonControl);
}

void tst_CameraStatus::picture_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("discontinued");

    auto usb = [](const char *overrides) { return merged(UsbBase, overrides); };
    auto eth = [](const char *overrides) { return merged(EthBase, overrides); };
    QTest::newRow("vision") << merged(VisionBase, "{}") << "cam_crest.png" << false;
    QTest::newRow("usb_0x40") << usb(R"({"deviceType": "0x40"})") << "cam_usb.png" << false;
    QTest::newRow("usb_0x41") << usb(R"({"deviceType": "0x41"})") << "cam_jo.png" << false;
    QTest::newRow("usb_0x42") << usb(R"({"deviceType": "0x42"})") << "cam_hz.png" << false;
    QTest::newRow("usb_0x43") << usb(R"({"deviceType": "0x43"})") << "cam_gu.png" << false;
    QTest::newRow("usb_0x44") << usb(R"({"deviceType": "0x44"})") << "unchanged" << false;
    QTest::newRow("usb_0x45") << usb(R"({"deviceType": "0x45"})") << "cam_usb_dy.png" << false;
    QTest::newRow("usb_0x60") << usb(R"({"deviceType": "0x60"})") << "cam_vt.png" << false;
    QTest::newRow("usb_0x62") << usb(R"({"deviceType": "0x62"})") << "cam_usb3_hz_dy.png" << false;
    QTest::newRow("usb_0x63") << usb(R"({"deviceType": "0x63"})") << "cam_usb3_fj.png" << false;
    QTest::newRow("usb_0x64_flag") << usb(R"({"deviceType": "0x64", "variantFlags": "0x40",
                                             "hardwareVariant": "0x0D08"})")
                                   << "cam_usb3_qn.png" << false;
    QTest::newRow("usb_0x64_0d08") << usb(R"({"deviceType": "0x64", "hardwareVariant": "0x0D08"})")
                                   << "cam_usb_rwq.png" << false;
    QTest::newRow("usb_0x64") << usb(R"({"deviceType": "0x64"})") << "cam_usb3_qn_rev2.png"
                              << false;
    QTest::newRow("usb_0x65") << usb(R"({"deviceType": "0x65"})") << "cam_usb3_hz_dy.png" << false;
    QTest::newRow("readonly") << eth(R"({"deviceId": 1600, "infoDeviceType": "0x84"})")
                              << "cam_pmc.png" << false;
    QTest::newRow("eth_0x81") << eth(R"({"infoDeviceType": "0x81"})") << "cam_vt.png" << false;
    QTest::newRow("eth_0x81_05xx")
        << eth(R"({"infoDeviceType": "0x81", "hardwareVariant": "0x0510"})") << "cam_wb.png"
        << true;
    QTest::newRow("eth_0x86_0500")
        << eth(R"({"infoDeviceType": "0x86", "hardwareVariant": "0x0500"})") << "cam_wb.png"
        << false;
    QTest::newRow("eth_0x86_0600")
        << eth(R"({"infoDeviceType": "0x86", "hardwareVariant": "0x0600"})") << "cam_vt.png"
        << false;
    QTest::newRow("eth_0x82") << eth(R"({"infoDeviceType": "0x82"})") << "cam_eth_hz.png" << false;
    QTest::newRow("eth_0x83") << eth(R"({"infoDeviceType": "0x83"})") << "cam_eth.png" << false;
    QTest::newRow("eth_0x84") << eth(R"({"infoDeviceType": "0x84"})") << "cam_qn.png" << false;
    QTest::newRow("eth_0x88") << eth(R"({"infoDeviceType": "0x88"})") << "cam_z40.png" << false;
    QTest::newRow("eth_0x8a") << eth(R"({"infoDeviceType": "0x8A"})") << "cam_wb.png" << false;
    QTest::newRow("eth_0x8b") << eth(R"({"infoDeviceType": "0x8B"})") << "cam_vt.png" << false;
    QTest::newRow("eth_0x8c_0d08")
        << eth(R"({"infoDeviceType": "0x8C", "hardwareVariant": "0x0D08"})") << "cam_eth_rwq.png"
        << false;
    QTest::newRow("eth_0x8c") << eth(R"({"infoDeviceType": "0x8C"})") << "cam_usb3_qn_rev2.png"
                              << false;
    QTest::newRow("eth_0xf1") << eth(R"({"infoDeviceType": "0xF1"})") << "blank" << false;
    QTest::newRow("eth_type_128") << eth(R"({"infoDeviceType": 128})") << "cam_eth.png" << true;
    QTest::newRow("eth_type_65") << eth(R"({"infoDeviceType": 65})") << "cam_eth.png" << true;
    QTest::newRow("eth_type_129_0600")
        << eth(R"({"infoDeviceType": 129, "hardwareVariant": "0x0600"})") << "cam_vt.png" << false;
}

void tst_CameraStatus::picture()
{
    QFETCH(QString, device);
    QFETCH(QString, picture);
    QFETCH(bool, discontinued);

    const Camera camera = simworld::single(device);
    QVERIFY2(camera.deviceId() != 0, "the device is listed");
    const CameraVerdict v = CameraStatus::evaluate(&camera);
    QCOMPARE(::picture(v), picture);
    QCOMPARE(v.discontinuedVisible, discontinued);
    QCOMPARE(CameraStatus::isDiscontinued(camera), discontinued);
    if (discontinued) {
        QCOMPARE(v.discontinuedText,
                 QStringLiteral("<font color='red'>Attention: You are using a camera model which "
                                "is no longer supported by the current driver version.</font>"));
    }
}

void tst_CameraStatus::listCells_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("free");
    QTest::addColumn<QString>("available");

    auto usb = [](const char *overrides) { return merged(UsbBase, overrides); };
    auto eth = [](const char *overrides) { return merged(EthBase, overrides); };
    auto vis = [](const char *overrides) { return merged(VisionBase, overrides); };
    QTest::newRow("usb3_5000") << usb("{}") << "usb_connect"
                               << "Yes"
                               << "Yes";
    QTest::newRow("usb3_480") << usb(R"({"linkSpeed": 480})") << "usb_warning"
                              << "Yes"
                              << "Yes";
    QTest::newRow("usb3_480_in_use") << usb(R"({"linkSpeed": 480, "inUse": true})") << "usb_warning"
                                     << "No"
                                     << "No";
    QTest::newRow("usb2_480") << usb(R"({"deviceType": "0x42", "busGeneration": 0,
                                        "linkSpeed": 480})")
                              << "usb_connect"
                              << "Yes"
                              << "Yes";
    QTest::newRow("usb_in_use") << usb(R"({"inUse": true})") << "usb_disconnected"
                                << "No"
                                << "No";
    for (const char *status : {"0x1", "0x2", "0x4", "0x8"}) {
        QTest::addRow("usb_status_%s", status)
            << usb(QStringLiteral("{\"status\": \"%1\"}").arg(status).toUtf8().constData())
            << "usb_connect"
            << "Yes"
            << "No";
    }
    QTest::newRow("u3v_free") << vis("{}") << "usb_connect"
                              << "Yes"
                              << "Yes";
    QTest::newRow("u3v_in_use") << vis(R"({"inUse": true})") << "usb_disconnected"
                                << "No"
                                << "No";
    QTest::newRow("gev_free") << vis(R"({"deviceType": 226})") << "eth_connect"
                              << "Yes"
                              << "Yes";
    QTest::newRow("gev_in_use") << vis(R"({"deviceType": 226, "inUse": true})")
                                << "eth_disconnected"
                                << "No"
                                << "No";
    QTest::newRow("gev_invalid_ip")
        << vis(R"({"deviceType": 226, "status": "0x8"})") << "eth_warning"
        << "Yes"
        << "No";
    QTest::newRow("gev_service_in_use")
        << vis(R"({"deviceType": 226, "status": "0x1", "inUse": true})") << "eth_warning"
        << "No"
        << "No";
    QTest::newRow("eth_ready") << eth("{}") << "eth_connect"
                               << "Yes"
                               << "Yes";
    QTest::newRow("eth_ready_listed_in_use") << eth(R"({"inUse": true})") << "eth_connect"
                                             << "Yes"
                                             << "No";
    QTest::newRow("eth_unpaired_unavailable")
        << eth(R"({"controlStatus": "0x080000A6"})") << "eth_warning"
        << "Yes"
        << "No";
    QTest::newRow("eth_boot_boost") << eth(R"({"deviceStatus": "0x1"})") << "eth_connect"
                                    << "Yes (BB)"
                                    << "Yes";
    QTest::newRow("eth_other_host")
        << eth(R"({"deviceStatus": "0x1", "controlStatus": "0x080000A6"})") << "eth_disconnected"
        << "No"
        << "No";
    QTest::newRow("eth_starter_firmware")
        << eth(R"({"starterFirmware": "4.60.3", "requiredStarterFirmware": "4.81.7"})")
        << "eth_warning2"
        << "Yes"
        << "Yes";
    QTest::newRow("readonly_free") << eth(R"({"deviceId": 1500})") << "eth_connect"
                                   << "Yes"
                                   << "Yes";
    QTest::newRow("readonly_in_use")
        << eth(R"({"deviceId": 1500, "inUse": true})") << "eth_disconnected"
        << "Yes"
        << "No";
    QTest::newRow("from_2500") << vis(R"({"deviceId": 2600})") << "eth_connect"
                               << "No"
                               << "No";
    QTest::newRow("from_2500_in_use")
        << vis(R"({"deviceId": 2600, "inUse": true})") << "eth_disconnected"
        << "No"
        << "No";
}

void tst_CameraStatus::listCells()
{
    QFETCH(QString, device);
    QFETCH(QString, icon);
    QFETCH(QString, free);
    QFETCH(QString, available);

    const Camera camera = simworld::single(device);
    QVERIFY2(camera.deviceId() != 0, "the device is listed");
    QCOMPARE(CameraStatus::listIcon(camera), QStringLiteral(":/images/%1.png").arg(icon));
    QCOMPARE(CameraStatus::freeText(camera), free);
    QCOMPARE(CameraStatus::availableText(camera), available);
}

void tst_CameraStatus::versionText()
{
    QCOMPARE(CameraStatus::versionText((4u << 24) | (81u << 16) | 7u), QStringLiteral("4.81.0007"));
    QCOMPARE(CameraStatus::versionText((12u << 24) | (5u << 16) | 1234u),
             QStringLiteral("12.05.1234"));
}

VYRO_TEST_GUILESS_MAIN(tst_CameraStatus)
#include "tst_camerastatus.moc"

// tst_camera.cpp: the Camera record as built from the simulator's camera list and device
// information.
#include <QNetworkInterface>
#include <QTest>

#include "tests/support/testmain.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/inventory/camera.h"
#include "zentara/inventory/cameralistmodel.h"

using zentara::Camera;
using zentara::CameraListModel;

namespace {

const char *const EthDevice =
    R"({"deviceId": 1001, "cameraId": 11, "sensorId": 538, "serialNumber": "4104011111",
        "model": "VY-5240SE-M", "fullModelName": "VY-KX5240SE-M-GL", "deviceType": "0x82",
        "infoDeviceType": "0x82", "linkSpeed": 1000, "adapterLinkSpeed": 1000,
        "starterFirmware": "4.95.8", "requiredStarterFirmware": "4.95.8",
        "runtimeFirmware": "4.95.8", "deviceStatus": "0x101", "controlStatus": "0x080000A7",
        "dhcpState": "0x11", "mac": "00-1B-2C-40-0A-01", "ipAddress": "192.168.10.11",
        "subnetMask": "255.255.255.0", "persistentIp": "192.168.10.12",
        "multicastIp": "239.10.0.11", "multicastSupported": true, "multicastEnabled": true,
        "adapterMac": "00-00-00-00-00-00", "adapterIp": "192.168.10.1",
        "adapterSubnet": "255.255.255.0", "adapterLinkSpeed": 1000, "knownDevices": 8})";

const char *const UsbDevice =
    R"({"deviceId": 2, "cameraId": 2, "sensorId": 560, "serialNumber": "4103054321",
        "model": "VY-3880CP-C", "fullModelName": "VY-KX3880CP-C-HQ", "deviceType": "0x63",
        "busGeneration": 2, "linkSpeed": 480, "starterFirmware": "4.95.21",
        "runtimeFirmware": "4.95.21", "deviceStatus": "0x1", "usbBus": 1, "usbPortPath": "3.2"})";

uint32_t packed(uint32_t major, uint32_t minor, uint32_t build)
{
    return (major << 24) | (minor << 16) | build;
}

} // namespace

class tst_Camera : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void kind_data();
    void kind();
    void identityFromList();
    void fixedWidthTexts();
    void networkValues();
    void usbValues();
    void failedQueryClearsValues();
    void copyKeepsOldValues();
    void refreshPaths_data();
    void refreshPaths();
    void adapterNameResolves();
    void metaTypes();
};

void tst_Camera::init()
{
    vysim_clear_forced(nullptr);
    vysim_log_clear();
}

void tst_Camera::kind_data()
{
    QTest::addColumn<int>("deviceId");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<int>("interfaceClass");

    QTest::newRow("1") << 1 << 0x40 << "usb"
                       << "USB" << 0;
    QTest::newRow("999") << 999 << 0x40 << "usb"
                         << "USB" << 0;
    QTest::newRow("1000") << 1000 << 0x82 << "eth"
                          << "ETH" << 1;
    QTest::newRow("1499") << 1499 << 0x82 << "eth"
                          << "ETH" << 1;
    QTest::newRow("1500") << 1500 << 0x82 << "readonly"
                          << "PMC" << 4;
    QTest::newRow("1999") << 1999 << 0x82 << "readonly"
                          << "PMC" << 4;
    QTest::newRow("2000_u3v") << 2000 << 225 << "vision"
                              << "U3V" << 5;
    QTest::newRow("2499_gev") << 2499 << 226 << "vision"
                              << "GEV" << 5;
    QTest::newRow("2100_other") << 2100 << 0x40 << "vision"
                                << "UNK" << 5;
    QTest::newRow("2500") << 2500 << 225 << "none"
                          << "UNK" << 6;
}

void tst_Camera::kind()
{
    QFETCH(int, deviceId);
    QFETCH(int, typeCode);
    QFETCH(QString, kind);
    QFETCH(QString, typeText);
    QFETCH(int, interfaceClass);

    QVERIFY(SimWorld::load(
        {QStringLiteral("{\"deviceId\": %1, \"deviceType\": %2}").arg(deviceId).arg(typeCode)}));
    const QList<Camera> cameras = simworld::listedCameras();
    QCOMPARE(cameras.size(), 1);
    const Camera &c = cameras.first();
    QCOMPARE(int(c.deviceId()), deviceId);
    QCOMPARE(c.isUsb(), kind == QLatin1String("usb"));
    QCOMPARE(c.isEth(), kind == QLatin1String("eth"));
    QCOMPARE(c.isReadOnlyDevice(), kind == QLatin1String("readonly"));
    QCOMPARE(c.isVisionStandard(), kind == QLatin1String("vision"));
    QCOMPARE(c.typeText(), typeText);
    QCOMPARE(c.interfaceClass(), interfaceClass);
}

void tst_Camera::identityFromList()
{
    QVERIFY(
        SimWorld::load({QString::fromUtf8(UsbDevice),
                        QStringLiteral("{\"deviceId\": 5, \"cameraId\": 7, \"inUse\": true, "
                                       "\"deviceType\": \"0x40\", \"variantFlags\": 1, "
                                       "\"hardwareVariant\": \"0x0D08\", \"status\": \"0x6\"}")}));
    const QList<Camera> cameras = simworld::listedCameras();
    QCOMPARE(cameras.size(), 2);
    const Camera &usb3 = cameras.at(0);
    QCOMPARE(usb3.cameraId(), 2u);
    QCOMPARE(usb3.sensorId(), 560u);
    QCOMPARE(usb3.serialNumber(), QStringLiteral("4103054321"));
    QCOMPARE(usb3.model(), QStringLiteral("VY-3880CP-C"));
    QCOMPARE(usb3.fullModelName(), QStringLiteral("VY-KX3880CP-C-HQ"));
    QCOMPARE(usb3.deviceTypeCode(), uint8_t(0x63));
    QCOMPARE(usb3.busGeneration(), uint8_t(2));
    QVERIFY(usb3.isThirdGenerationUsb());
    QCOMPARE(usb3.inUse(), 0u);

    const Camera &legacy = cameras.at(1);
    QCOMPARE(legacy.cameraId(), 7u);
    QVERIFY(legacy.inUse() != 0);
    QCOMPARE(legacy.variantFlags(), uint8_t(1));
    QCOMPARE(legacy.hardwareVariant(), uint16_t(0x0D08));
    QCOMPARE(legacy.listStatus(), 0x6u);
    QCOMPARE(legacy.legacyUsbFlag(), uint16_t(1));
    QVERIFY(!legacy.isThirdGenerationUsb());
}

void tst_Camera::fixedWidthTexts()
{
    // Fields that fill their whole width carry no terminating zero.
    QVERIFY(SimWorld::load({QStringLiteral(
        R"({"deviceId": 9, "serialNumber": "ABCDEFGHIJKLMNOP", "model": "0123456789abcdef",
            "fullModelName": "VY-KX0123456789-0123456789-ABCDE"})")}));
    const QList<Camera> cameras = simworld::listedCameras();
    QCOMPARE(cameras.size(), 1);
    QCOMPARE(cameras.first().serialNumber(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    QCOMPARE(cameras.first().model(), QStringLiteral("0123456789abcdef"));
    QCOMPARE(cameras.first().fullModelName(), QStringLiteral("VY-KX0123456789-0123456789-ABCDE"));
}

void tst_Camera::networkValues()
{
    const Camera c = simworld::single(QString::fromUtf8(EthDevice));
    QCOMPARE(c.deviceInfoResult(), 0);
    QCOMPARE(c.networkTypeCode(), uint8_t(0x82));
    QCOMPARE(c.starterFirmwareVersion(), packed(4, 95, 8));
    QCOMPARE(c.requiredStarterFirmwareVersion(), packed(4, 95, 8));
    QVERIFY(c.runsRequiredStarterFirmware());
    QCOMPARE(c.deviceStatus(), 0x101u);
    QCOMPARE(c.controlStatus(), 0x080000A7u);
    QCOMPARE(c.dhcpState(), 0x11u);
    QCOMPARE(c.linkSpeed(), uint16_t(1000));
    QCOMPARE(c.adapterLinkSpeed(), 1000u);
    QCOMPARE(c.macAddress(), QStringLiteral("00-1B-2C-40-0A-01"));
    QCOMPARE(c.ipAddress(), QStringLiteral("192.168.10.11"));
    QCOMPARE(c.subnetMask(), QStringLiteral("255.255.255.0"));
    QCOMPARE(c.persistentIpAddress(), QStringLiteral("192.168.10.12"));
    QCOMPARE(c.multicastIpAddress(), QStringLiteral("239.10.0.11"));
    QCOMPARE(c.pairedHostIp(), QStringLiteral("0.0.0.0"));
    QCOMPARE(c.pairedHostMac(), QStringLiteral("00-00-00-00-00-00"));
    QCOMPARE(c.adapterIpAddress(), QStringLiteral("192.168.10.1"));
    QCOMPARE(c.knownDevices(), 8u);
    QVERIFY(c.multicastSupport() != 0);
    QVERIFY(c.multicastEnable() != 0);
    QVERIFY(c.usbPortPath().isEmpty());

    // What was sent: one 640-byte query and the two multicast reads, all to the unopened address.
    const auto info = vysim::callsOf("vy_DeviceInfo");
    QCOMPARE(info.size(), size_t(1));
    QCOMPARE(info[0].handle, int32_t(1001 | VY_UNOPENED));
    QCOMPARE(info[0].command, uint32_t(VY_DEVICE_INFO_CMD));
    QCOMPARE(info[0].in.size(), size_t(VY_DEVICE_INFO_SIZE));
    const auto multicast = vysim::callsOf("vy_Multicast");
    QCOMPARE(multicast.size(), size_t(2));
    QCOMPARE(multicast[0].command, uint32_t(VY_MULTICAST_GET_SUPPORT));
    QCOMPARE(multicast[1].command, uint32_t(VY_MULTICAST_GET_ENABLE));
    QCOMPARE(multicast[0].handle, int32_t(1001 | VY_UNOPENED));
    QCOMPARE(multicast[0].in.size(), size_t(4));
}

void tst_Camera::usbValues()
{
    const Camera c = simworld::single(QString::fromUtf8(UsbDevice));
    QCOMPARE(c.deviceInfoResult(), 0);
    QCOMPARE(c.usbPortPath(), QStringLiteral("1-3.2"));
    QCOMPARE(c.linkSpeed(), uint16_t(480));
    QCOMPARE(c.starterFirmwareVersion(), packed(4, 95, 21));
    // The third-generation path does not take the network type.
    QCOMPARE(c.networkTypeCode(), uint8_t(0));

    const Camera legacy = simworld::single(QStringLiteral(
        R"({"deviceId": 3, "deviceType": "0x42", "variantFlags": 2, "linkSpeed": 480,
            "starterFirmware": "3.10.4", "usbBus": 1, "usbPortPath": "1"})"));
    QCOMPARE(legacy.networkTypeCode(), uint8_t(0x42));
    QCOMPARE(legacy.legacyUsbFlag(), uint16_t(1));
    QCOMPARE(legacy.usbPortPath(), QStringLiteral("1-1"));
    QCOMPARE(legacy.starterFirmwareVersion(), packed(3, 10, 4));
}

void tst_Camera::failedQueryClearsValues()
{
    QVERIFY(SimWorld::load({QString::fromUtf8(EthDevice)}));
    vysim_force_result("vy_DeviceInfo", VY_DEVICE_INFO_CMD, int32_t(1001 | VY_UNOPENED),
                       VY_TRANSFER_ERROR, 0);
    const QList<Camera> cameras = simworld::listedCameras();
    QCOMPARE(cameras.size(), 1);
    const Camera &c = cameras.first();
    QCOMPARE(c.deviceInfoResult(), VY_TRANSFER_ERROR);
    // Identity stays.
    QCOMPARE(c.deviceId(), 1001u);
    QCOMPARE(c.cameraId(), 11u);
    QCOMPARE(c.serialNumber(), QStringLiteral("4104011111"));
    QCOMPARE(c.fullModelName(), QStringLiteral("VY-KX5240SE-M-GL"));
    QCOMPARE(c.deviceTypeCode(), uint8_t(0x82));
    // Device information is gone.
    for (const QString &text :
         {c.ipAddress(), c.subnetMask(), c.persistentIpAddress(), c.multicastIpAddress(),
          c.macAddress(), c.pairedHostMac(), c.adapterMac(), c.adapterIpAddress(), c.adapterName(),
          c.userEeprom()})
        QVERIFY2(text.isEmpty(), qPrintable(text));
    QCOMPARE(c.controlStatus(), 0u);
    QCOMPARE(c.deviceStatus(), 0u);
    QCOMPARE(c.starterFirmwareVersion(), 0u);
    QCOMPARE(c.linkSpeed(), uint16_t(0));
    QCOMPARE(c.multicastSupport(), 0u);
    // No multicast read follows a failed query.
    QVERIFY(vysim::callsOf("vy_Multicast").empty());
}

void tst_Camera::copyKeepsOldValues()
{
    QVERIFY(SimWorld::load({QString::fromUtf8(EthDevice)}));
    Camera camera = simworld::listedCameras().value(0);
    QCOMPARE(camera.ipAddress(), QStringLiteral("192.168.10.11"));
    const Camera copy = camera;

    QVERIFY(SimWorld::setField(1001, "ipAddress", "\"10.1.2.3\""));
    QVERIFY(SimWorld::setField(1001, "controlStatus", "\"0x080000A6\""));
    camera.refreshDeviceInfo();
    QCOMPARE(camera.ipAddress(), QStringLiteral("10.1.2.3"));
    QCOMPARE(camera.controlStatus(), 0x080000A6u);
    QCOMPARE(copy.ipAddress(), QStringLiteral("192.168.10.11"));
    QCOMPARE(copy.controlStatus(), 0x080000A7u);
}

void tst_Camera::refreshPaths_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("queriesAtConstruction");
    QTest::addColumn<int>("queriesAtRefresh");

    QTest::newRow("usb3") << QString::fromUtf8(UsbDevice) << 1 << 1;
    QTest::newRow("usb2") << QStringLiteral(R"({"deviceId": 3, "deviceType": "0x42"})") << 1 << 0;
    QTest::newRow("eth") << QString::fromUtf8(EthDevice) << 1 << 1;
    QTest::newRow("u3v") << QStringLiteral(R"({"deviceId": 2001, "deviceType": 225})") << 1 << 1;
    QTest::newRow("from_2500") << QStringLiteral(R"({"deviceId": 2600, "deviceType": 225})") << 0
                               << 1;
    QTest::newRow("eth_third_generation_bus")
        << QStringLiteral(R"({"deviceId": 1010, "deviceType": "0x82", "busGeneration": 2})") << 1
        << 2;
}

void tst_Camera::refreshPaths()
{
    QFETCH(QString, device);
    QFETCH(int, queriesAtConstruction);
    QFETCH(int, queriesAtRefresh);

    QVERIFY(SimWorld::load({device}));
    vysim_log_clear();
    Camera camera = simworld::listedCameras().value(0);
    QCOMPARE(int(vysim::callsOf("vy_DeviceInfo").size()), queriesAtConstruction);
    vysim_log_clear();
    camera.refreshDeviceInfo();
    QCOMPARE(int(vysim::callsOf("vy_DeviceInfo").size()), queriesAtRefresh);
}

void tst_Camera::adapterNameResolves()
{
    // The default world gives its network cameras the MAC of a real interface when there is one.
    QVERIFY(SimWorld::reset());
    Camera eth;
    for (const Camera &c : simworld::listedCameras())
        if (c.deviceId() == 1001)
            eth = c;
    QCOMPARE(eth.deviceId(), 1001u);
    QString expected;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces)
        if (iface.hardwareAddress().replace(QLatin1Char(':'), QLatin1Char('-')) == eth.adapterMac())
            expected = iface.name();
    if (expected.isEmpty())
        QSKIP("no local interface carries the adapter MAC of the world");
    QCOMPARE(eth.adapterName(), expected);
    // The list reads the interfaces once for all its cameras and names the same adapter.
    const CameraListModel model;
    const QModelIndex row =
        model.match(model.index(0, 4), Qt::DisplayRole, 1001u, 1, Qt::MatchExactly).value(0);
    QVERIFY(row.isValid());
    QCOMPARE(row.data(Qt::UserRole).value<Camera>().adapterName(), expected);
}

void tst_Camera::metaTypes()
{
    Camera::registerMetaTypes();
    QVERIFY(QMetaType::type("Camera") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("QList<Camera>") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("camera::optional") != QMetaType::UnknownType);
    const Camera c = simworld::single(QString::fromUtf8(EthDevice));
    const QVariant v = QVariant::fromValue(camera::optional(c));
    QCOMPARE(v.value<camera::optional>()->deviceId(), 1001u);
}

VYRO_TEST_GUILESS_MAIN(tst_Camera)
#include "tst_camera.moc"

// tst_vyrodevice.cpp: device kinds from device IDs, and the type families.
#include <QtTest>

#include "sdk/vyro_device.h"
#include "tests/support/testmain.h"

Q_DECLARE_METATYPE(vyro::DeviceKind)

class tst_VyroDevice : public QObject
{
    Q_OBJECT
private slots:
    void kind_data();
    void kind();
    void typeFamilies_data();
    void typeFamilies();
};

void tst_VyroDevice::kind_data()
{
    using vyro::DeviceKind;
    QTest::addColumn<uint32_t>("deviceId");
    QTest::addColumn<DeviceKind>("kind");
    QTest::newRow("usb_first") << 0u << DeviceKind::Usb;
    QTest::newRow("usb_last") << 999u << DeviceKind::Usb;
    QTest::newRow("network_first") << 1000u << DeviceKind::Network;
    QTest::newRow("network_last") << 1499u << DeviceKind::Network;
    QTest::newRow("read_only_first") << 1500u << DeviceKind::ReadOnly;
    QTest::newRow("read_only_last") << 1999u << DeviceKind::ReadOnly;
    QTest::newRow("vision_standard_first") << 2000u << DeviceKind::VisionStandard;
    QTest::newRow("vision_standard_last") << 2499u << DeviceKind::VisionStandard;
    QTest::newRow("other_first") << 2500u << DeviceKind::Other;
    QTest::newRow("other_largest") << 0xFFFFFFFFu << DeviceKind::Other;
}

void tst_VyroDevice::kind()
{
    QFETCH(uint32_t, deviceId);
    QFETCH(vyro::DeviceKind, kind);
    QCOMPARE(vyro::deviceKind(deviceId), kind);
    QCOMPARE(vyro::isUsbDevice(deviceId), kind == vyro::DeviceKind::Usb);
    QCOMPARE(vyro::isNetworkDevice(deviceId), kind == vyro::DeviceKind::Network);
    QCOMPARE(vyro::isReadOnlyDevice(deviceId), kind == vyro::DeviceKind::ReadOnly);
    QCOMPARE(vyro::isVisionStandardDevice(deviceId), kind == vyro::DeviceKind::VisionStandard);
}

void tst_VyroDevice::typeFamilies_data()
{
    QTest::addColumn<uint32_t>("type");
    QTest::addColumn<bool>("usbFamily");
    QTest::addColumn<bool>("thirdGeneration");
    QTest::addColumn<bool>("network");
    QTest::newRow("below_usb") << 0x3Fu << false << false << false;
    QTest::newRow("usb_first") << 0x40u << true << false << false;
    QTest::newRow("usb_last") << 0x45u << true << false << false;
    QTest::newRow("after_usb") << 0x46u << false << false << false;
    QTest::newRow("third_first") << 0x60u << false << true << false;
    QTest::newRow("third_last") << 0x6Fu << false << true << false;
    QTest::newRow("after_third") << 0x70u << false << false << false;
    QTest::newRow("network_0x81") << 0x81u << false << false << true;
    QTest::newRow("network_0xF1") << 0xF1u << false << false << true;
    QTest::newRow("u3v") << uint32_t(vyro::TypeUsb3Vision) << false << false << true;
}

void tst_VyroDevice::typeFamilies()
{
    QFETCH(uint32_t, type);
    QFETCH(bool, usbFamily);
    QFETCH(bool, thirdGeneration);
    QFETCH(bool, network);
    QCOMPARE(vyro::isUsbFamilyType(type), usbFamily);
    QCOMPARE(vyro::isThirdGenerationType(type), thirdGeneration);
    QCOMPARE(vyro::isNetworkType(type), network);
}

VYRO_TEST_GUILESS_MAIN(tst_VyroDevice)
#include "tst_vyrodevice.moc"

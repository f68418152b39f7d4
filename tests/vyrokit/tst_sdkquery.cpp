// tst_sdkquery.cpp: typed reads through command-and-buffer SDK calls.
#include <QtTest>

#include <array>

#include "tests/support/testmain.h"
#include "tests/vyrokit/kittest.h"
#include "vyrokit/sdkquery.h"

class tst_SdkQuery : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { vysim_clear_forced(nullptr); }
    void multicastSwitch_data();
    void multicastSwitch();
    void refusedQueryGivesNothing_data();
    void refusedQueryGivesNothing();
    void recordQuery();
};

void tst_SdkQuery::multicastSwitch_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<uint32_t>("expected");
    QTest::newRow("on") << "true" << 1u;
    QTest::newRow("off") << "false" << 0u;
}

void tst_SdkQuery::multicastSwitch()
{
    QFETCH(QString, value);
    QFETCH(uint32_t, expected);
    QVERIFY(kittest::loadWorld({}));
    char message[256] = {};
    QCOMPARE(vysim_set_driver_field("readOnlyMulticast", value.toLatin1().constData(), message,
                                    sizeof message),
             int32_t(VY_SUCCESS));
    vysim_log_clear();
    const std::optional<uint32_t> on =
        vyrokit::query<uint32_t>(vy_Multicast, VY_DRIVER_HANDLE, VY_MULTICAST_GET_RO_ENABLE);
    QVERIFY(on.has_value());
    QCOMPARE(*on, expected);
    const auto calls = vysim::callsOf("vy_Multicast");
    QCOMPARE(calls.size(), size_t(1));
    QCOMPARE(calls.front().command, uint32_t(VY_MULTICAST_GET_RO_ENABLE));
    QCOMPARE(calls.front().handle, int32_t(VY_DRIVER_HANDLE));
    QCOMPARE(calls.front().out.size(), sizeof(uint32_t));
}

void tst_SdkQuery::refusedQueryGivesNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("not_supported") << VY_NOT_SUPPORTED;
    QTest::newRow("negative") << VY_NO_SUCCESS;
    QTest::newRow("no_daemon") << VY_NO_DAEMON;
}

void tst_SdkQuery::refusedQueryGivesNothing()
{
    QFETCH(int, code);
    QVERIFY(kittest::loadWorld({}));
    vysim_force_result("vy_Multicast", VY_MULTICAST_GET_RO_ENABLE, VYSIM_ANY_HANDLE, code, 1);
    QVERIFY(!vyrokit::query<uint32_t>(vy_Multicast, VY_DRIVER_HANDLE, VY_MULTICAST_GET_RO_ENABLE)
                 .has_value());
}

void tst_SdkQuery::recordQuery()
{
    QVERIFY(
        kittest::loadWorld({QStringLiteral("{\"deviceId\": 1001, \"deviceStatus\": \"0x101\"}")}));
    const std::optional<VY_DEVICE_INFO> info = vyrokit::query<VY_DEVICE_INFO>(
        vy_DeviceInfo, VY_HCAM(1001 | VY_UNOPENED), VY_DEVICE_INFO_CMD);
    QVERIFY(info.has_value());
    QCOMPARE(info->device.deviceStatus, 0x101u);
    // The whole record's size is passed.
    QCOMPARE(vysim::callsOf("vy_DeviceInfo").front().in.size(), size_t(VY_DEVICE_INFO_SIZE));
    // A device that is not listed gives nothing.
    QVERIFY(!vyrokit::query<VY_DEVICE_INFO>(vy_DeviceInfo, VY_HCAM(1400 | VY_UNOPENED),
                                            VY_DEVICE_INFO_CMD)
                 .has_value());
}

VYRO_TEST_GUILESS_MAIN(tst_SdkQuery)
#include "tst_sdkquery.moc"

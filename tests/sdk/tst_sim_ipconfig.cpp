// tst_sim_ipconfig.cpp: vy_IpConfig of the simulator: capabilities per camera, the persistent IP
// and DHCP of a camera, the automatic configuration range of an adapter by its MAC, what the
// device information reads back, reachability, bad buffers and addresses, and the call log.
#include "tests/sdk/simtest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const uint8_t ZeroMac[6] = {0, 0, 0, 0, 0, 0};
const uint8_t AdapterA[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
const uint8_t AdapterB[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x66};

QString gige(int id, const char *adapterMac, const char *extra = "")
{
    return QStringLiteral(R"({"deviceId": %1, "deviceType": "0x82", "deviceStatus": "0x101",
        "controlStatus": "0x080000A7", "dhcpState": "0x1", "mac": "00-1B-2C-40-00-%2",
        "ipAddress": "192.168.0.%2", "subnetMask": "255.255.255.0",
        "persistentIp": "192.168.0.%2", "persistentSubnet": "255.255.255.0",
        "adapterMac": "%3", "adapterIp": "192.168.0.1", "adapterSubnet": "255.255.255.0",
        "adapterIpRangeBegin": "192.168.0.100", "adapterIpRangeEnd": "192.168.0.199"%4})")
        .arg(id)
        .arg(id % 100)
        .arg(QLatin1String(adapterMac), QLatin1String(extra));
}

VY_DEVICE_INFO deviceInfo(uint32_t id)
{
    VY_DEVICE_INFO info;
    std::memset(&info, 0, sizeof info);
    if (vy_DeviceInfo(VY_HCAM(id | VY_UNOPENED), VY_DEVICE_INFO_CMD, &info, sizeof info) !=
        VY_SUCCESS)
        qWarning("no device information of %u", id);
    return info;
}

std::vector<uint8_t> bytes(const uint8_t *p, size_t n)
{
    return std::vector<uint8_t>(p, p + n);
}

} // namespace

class TestSimIpConfig : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(SimWorld::load({gige(1001, "02-11-22-33-44-55"), gige(1002, "02-11-22-33-44-55"),
                                gige(1003, "02-11-22-33-44-66"),
                                R"({"deviceId": 1, "deviceType": "0x63"})"}));
        vysim_clear_forced(nullptr);
        vysim_log_clear();
    }

    void capabilities_data()
    {
        QTest::addColumn<int32_t>("device");
        QTest::addColumn<int32_t>("result");
        QTest::addColumn<uint32_t>("capabilities");
        QTest::newRow("gige") << 1001 << VY_SUCCESS << 7u;
        QTest::newRow("gige_unopened_address") << int32_t(1001 | VY_UNOPENED) << VY_SUCCESS << 7u;
        QTest::newRow("usb") << 1 << VY_NOT_SUPPORTED << 0xAAAAAAAAu;
        QTest::newRow("unlisted") << 1400 << VY_CAMERA_NOT_FOUND << 0xAAAAAAAAu;
        QTest::newRow("zero") << 0 << VY_CAMERA_NOT_FOUND << 0xAAAAAAAAu;
    }

    void capabilities()
    {
        QFETCH(int32_t, device);
        QFETCH(int32_t, result);
        QFETCH(uint32_t, capabilities);
        uint32_t caps = 0xAAAAAAAAu;
        QCOMPARE(vy_IpConfig(device, ZeroMac, VY_IPCONFIG_QUERY_CAPABILITIES, &caps, sizeof caps),
                 result);
        QCOMPARE(caps, capabilities);
    }

    void capabilitiesPerCamera()
    {
        QVERIFY(SimWorld::setField(1002, "ipConfigCapabilities", "\"0x4\""));
        uint32_t caps = 0;
        QCOMPARE(vy_IpConfig(1002, ZeroMac, VY_IPCONFIG_QUERY_CAPABILITIES, &caps, sizeof caps),
                 VY_SUCCESS);
        QCOMPARE(caps, 4u);
        VY_IP_RECORD record = {};
        QCOMPARE(vy_IpConfig(1002, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &record, sizeof record),
                 VY_NOT_SUPPORTED);
        uint32_t dhcp = 1;
        QCOMPARE(vy_IpConfig(1002, ZeroMac, VY_IPCONFIG_SET_DHCP, &dhcp, sizeof dhcp),
                 VY_NOT_SUPPORTED);
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_QUERY_CAPABILITIES, &caps, sizeof caps),
                 VY_SUCCESS);
        QCOMPARE(caps, 7u);
    }

    void persistentIpIsReadBack()
    {
        VY_IP_RECORD record = {{192, 168, 0, 77}, {255, 255, 255, 0}, 0};
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &record, sizeof record),
                 VY_SUCCESS);
        VY_IP_RECORD read;
        std::memset(&read, 0xEE, sizeof read);
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_GET_PERSISTENT_IP, &read, sizeof read),
                 VY_SUCCESS);
        QCOMPARE(bytes(read.address, 4), (std::vector<uint8_t>{192, 168, 0, 77}));
        QCOMPARE(bytes(read.mask, 4), (std::vector<uint8_t>{255, 255, 255, 0}));
        QCOMPARE(read.reserved, 0u);
        const VY_DEVICE_INFO info = deviceInfo(1001);
        QCOMPARE(bytes(info.device.persistentIp, 4), (std::vector<uint8_t>{192, 168, 0, 77}));
        QCOMPARE(bytes(info.device.ipAddress, 4), (std::vector<uint8_t>{192, 168, 0, 77}));
        QCOMPARE(info.control.controlStatus & 0x17u, 0x17u);
        // The other camera is untouched.
        QCOMPARE(bytes(deviceInfo(1002).device.persistentIp, 4),
                 (std::vector<uint8_t>{192, 168, 0, 2}));
    }

    void outsideTheSubnetIsUnreachable()
    {
        VY_IP_RECORD away = {{10, 1, 2, 3}, {255, 0, 0, 0}, 0};
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &away, sizeof away),
                 VY_SUCCESS);
        VY_DEVICE_INFO info = deviceInfo(1001);
        QCOMPARE(info.control.controlStatus & 0x7u, 0u);
        QVERIFY(info.device.deviceStatus & 0x20u);
        QVERIFY(info.device.deviceStatus & 0x100u);
        QCOMPARE(bytes(info.device.ipAddress, 4), (std::vector<uint8_t>{10, 1, 2, 3}));
        // The driver refuses to open it, as it does any camera that is not available.
        VY_HCAM handle = VY_HCAM(1001 | VY_UNOPENED);
        QVERIFY(vy_InitCamera(&handle, nullptr) != VY_SUCCESS);

        // Back into the subnet, and reachable again.
        VY_IP_RECORD home = {{192, 168, 0, 50}, {255, 255, 255, 0}, 0};
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &home, sizeof home),
                 VY_SUCCESS);
        info = deviceInfo(1001);
        QCOMPARE(info.control.controlStatus & 0x7u, 0x7u);
        QCOMPARE(info.device.deviceStatus & 0x20u, 0u);
    }

    void clearedPersistentIpTakesTheRange()
    {
        VY_IP_RECORD away = {{10, 1, 2, 3}, {255, 0, 0, 0}, 0};
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &away, sizeof away),
                 VY_SUCCESS);
        VY_IP_RECORD none = {};
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &none, sizeof none),
                 VY_SUCCESS);
        const VY_DEVICE_INFO info = deviceInfo(1001);
        QCOMPARE(bytes(info.device.persistentIp, 4), (std::vector<uint8_t>{0, 0, 0, 0}));
        QCOMPARE(bytes(info.device.ipAddress, 4), (std::vector<uint8_t>{192, 168, 0, 100}));
        QCOMPARE(info.control.controlStatus & 0x17u, 0x7u);
    }

    void dhcp()
    {
        uint32_t on = 1;
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_DHCP, &on, sizeof on), VY_SUCCESS);
        uint32_t read = 0;
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_GET_DHCP, &read, sizeof read), VY_SUCCESS);
        QCOMPARE(read, 1u);
        QCOMPARE(deviceInfo(1001).device.dhcpState, uint8_t(0x11));
        uint32_t off = 0;
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_DHCP, &off, sizeof off), VY_SUCCESS);
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_GET_DHCP, &read, sizeof read), VY_SUCCESS);
        QCOMPARE(read, 0u);
        QCOMPARE(deviceInfo(1001).device.dhcpState, uint8_t(0x1));
        uint32_t bad = 2;
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_DHCP, &bad, sizeof bad),
                 VY_INVALID_PARAMETER);
    }

    void rangeByAdapterMac()
    {
        VY_IP_RANGE range = {{192, 168, 0, 20}, {192, 168, 0, 30}, VY_IP_RANGE_COUNT};
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, AdapterA, VY_IPCONFIG_SET_AUTOCFG_RANGE, &range,
                             sizeof range),
                 VY_SUCCESS);
        VY_IP_RANGE read;
        std::memset(&read, 0, sizeof read);
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, AdapterA, VY_IPCONFIG_GET_AUTOCFG_RANGE, &read,
                             sizeof read),
                 VY_SUCCESS);
        QCOMPARE(bytes(read.begin, 4), (std::vector<uint8_t>{192, 168, 0, 20}));
        QCOMPARE(bytes(read.end, 4), (std::vector<uint8_t>{192, 168, 0, 30}));
        // Every camera on that adapter shows it; the other adapter keeps its own.
        for (uint32_t id : {1001u, 1002u}) {
            const VY_DEVICE_INFO info = deviceInfo(id);
            QCOMPARE(bytes(info.control.adapterIpRangeBegin, 4),
                     (std::vector<uint8_t>{192, 168, 0, 20}));
            QCOMPARE(bytes(info.control.adapterIpRangeEnd, 4),
                     (std::vector<uint8_t>{192, 168, 0, 30}));
            QCOMPARE(info.control.adapterIpRangeValid, uint8_t(1));
        }
        QCOMPARE(bytes(deviceInfo(1003).control.adapterIpRangeBegin, 4),
                 (std::vector<uint8_t>{192, 168, 0, 100}));
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, AdapterB, VY_IPCONFIG_GET_AUTOCFG_RANGE, &read,
                             sizeof read),
                 VY_SUCCESS);
        QCOMPARE(bytes(read.begin, 4), (std::vector<uint8_t>{192, 168, 0, 100}));
    }

    void adapterOfTheDefaultWorld()
    {
        // Its cameras name this machine's adapter ("auto"); the MAC the device information
        // gives finds the range.
        QVERIFY(SimWorld::reset());
        const VY_DEVICE_INFO info = deviceInfo(1001);
        VY_IP_RANGE read;
        std::memset(&read, 0, sizeof read);
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, info.control.adapterMac,
                             VY_IPCONFIG_GET_AUTOCFG_RANGE, &read, sizeof read),
                 VY_SUCCESS);
        QCOMPARE(bytes(read.begin, 4), (std::vector<uint8_t>{192, 168, 10, 100}));
        QCOMPARE(bytes(read.end, 4), (std::vector<uint8_t>{192, 168, 10, 199}));
    }

    void zeroRangeIsKept()
    {
        VY_IP_RANGE range = {{0, 0, 0, 0}, {0, 0, 0, 0}, VY_IP_RANGE_COUNT};
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, AdapterA, VY_IPCONFIG_SET_AUTOCFG_RANGE, &range,
                             sizeof range),
                 VY_SUCCESS);
        const VY_DEVICE_INFO info = deviceInfo(1001);
        QCOMPARE(bytes(info.control.adapterIpRangeBegin, 4), (std::vector<uint8_t>{0, 0, 0, 0}));
        QCOMPARE(info.control.adapterIpRangeValid, uint8_t(0));
    }

    void refusals_data()
    {
        QTest::addColumn<int32_t>("device");
        QTest::addColumn<bool>("adapterMac");
        QTest::addColumn<uint32_t>("command");
        QTest::addColumn<bool>("nullBuffer");
        QTest::addColumn<uint32_t>("size");
        QTest::addColumn<int32_t>("result");
        QTest::newRow("null_buffer") << 1001 << false << VY_IPCONFIG_GET_PERSISTENT_IP << true
                                     << 12u << VY_INVALID_PARAMETER;
        QTest::newRow("short_record") << 1001 << false << VY_IPCONFIG_SET_PERSISTENT_IP << false
                                      << 11u << VY_BUFFER_TOO_SMALL;
        QTest::newRow("short_range") << VY_ADAPTER_HANDLE << true << VY_IPCONFIG_GET_AUTOCFG_RANGE
                                     << false << 8u << VY_BUFFER_TOO_SMALL;
        QTest::newRow("range_of_a_camera")
            << 1001 << false << VY_IPCONFIG_GET_AUTOCFG_RANGE << false << 12u << VY_NOT_SUPPORTED;
        QTest::newRow("persistent_ip_of_an_adapter")
            << VY_ADAPTER_HANDLE << true << VY_IPCONFIG_GET_PERSISTENT_IP << false << 12u
            << VY_NOT_SUPPORTED;
        QTest::newRow("unknown_adapter")
            << VY_ADAPTER_HANDLE << false << VY_IPCONFIG_GET_AUTOCFG_RANGE << false << 12u
            << VY_INVALID_PARAMETER;
        QTest::newRow("unknown_command")
            << 1001 << false << 0x03000000u << false << 12u << VY_NOT_SUPPORTED;
    }

    void refusals()
    {
        QFETCH(int32_t, device);
        QFETCH(bool, adapterMac);
        QFETCH(uint32_t, command);
        QFETCH(bool, nullBuffer);
        QFETCH(uint32_t, size);
        QFETCH(int32_t, result);
        uint8_t buffer[16];
        std::memset(buffer, 0xEE, sizeof buffer);
        QCOMPARE(vy_IpConfig(device, adapterMac ? AdapterA : ZeroMac, command,
                             nullBuffer ? nullptr : buffer, size),
                 result);
        for (uint8_t b : buffer)
            QCOMPARE(b, uint8_t(0xEE));
    }

    void forcedAndLogged()
    {
        QCOMPARE(vysim_force_result("vy_IpConfig", VY_IPCONFIG_SET_PERSISTENT_IP, VYSIM_ANY_HANDLE,
                                    VY_TRANSFER_ERROR, 0),
                 VY_SUCCESS);
        VY_IP_RECORD record = {{192, 168, 0, 60}, {255, 255, 255, 0}, 0};
        QCOMPARE(vy_IpConfig(1001, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &record, sizeof record),
                 VY_TRANSFER_ERROR);
        QCOMPARE(bytes(deviceInfo(1001).device.persistentIp, 4),
                 (std::vector<uint8_t>{192, 168, 0, 1}));
        const auto calls = vysim::callsOf("vy_IpConfig");
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0].handle, 1001);
        QCOMPARE(calls[0].command, uint32_t(VY_IPCONFIG_SET_PERSISTENT_IP));
        QVERIFY(calls[0].forced);
        QCOMPARE(calls[0].in, bytes(reinterpret_cast<const uint8_t *>(&record), sizeof record));
    }

    void statePersistsInTheWorld()
    {
        VY_IP_RECORD record = {{192, 168, 0, 88}, {255, 255, 255, 0}, 0};
        QCOMPARE(vy_IpConfig(1002, ZeroMac, VY_IPCONFIG_SET_PERSISTENT_IP, &record, sizeof record),
                 VY_SUCCESS);
        uint32_t needed = 0;
        vysim_world_json(nullptr, 0, &needed);
        std::vector<char> text(needed + 1);
        QCOMPARE(vysim_world_json(text.data(), uint32_t(text.size()), &needed), VY_SUCCESS);
        const QJsonArray devices =
            QJsonDocument::fromJson(text.data()).object().value("devices").toArray();
        bool found = false;
        for (const QJsonValue &d : devices) {
            if (d.toObject().value("deviceId").toInt() != 1002)
                continue;
            found = true;
            QCOMPARE(d.toObject().value("persistentIp").toString(), QStringLiteral("192.168.0.88"));
        }
        QVERIFY(found);
    }
};

VYRO_TEST_GUILESS_MAIN(TestSimIpConfig)
#include "tst_sim_ipconfig.moc"

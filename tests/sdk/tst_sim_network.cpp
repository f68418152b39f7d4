// tst_sim_network.cpp: the simulator's read-only devices (vy_Multicast 0x2003..0x2005), the
// multicast switch in the device status, and the adapter configuration by MAC.
#include "tests/sdk/simtest.h"

#include <QProcess>
#include <QTemporaryDir>

#include <array>
#include <cstring>

namespace {

constexpr uint32_t gigeReady = 1001; // multicast supported, on the machine's adapter
constexpr uint32_t gigeBootBoost = 1002;

VY_RO_DEVICE record(std::array<uint8_t, 4> ip, std::array<uint8_t, 4> multicast, uint32_t cameraId,
                    uint32_t mode)
{
    VY_RO_DEVICE r;
    std::memcpy(r.ipAddress, ip.data(), 4);
    std::memcpy(r.multicastIp, multicast.data(), 4);
    r.cameraId = cameraId;
    r.errorMode = mode;
    return r;
}

std::vector<uint32_t> readOnlyIds()
{
    std::vector<uint32_t> ids;
    for (const VY_CAMERA_LIST_ENTRY &e : SimWorld::cameraList())
        if (e.deviceId >= 1500 && e.deviceId < 2000)
            ids.push_back(e.deviceId);
    return ids;
}

uint32_t deviceInfoStatus(uint32_t deviceId, uint32_t *controlStatus)
{
    VY_DEVICE_INFO info;
    std::memset(&info, 0, sizeof info);
    if (vy_DeviceInfo(VY_HCAM(deviceId | VY_UNOPENED), VY_DEVICE_INFO_CMD, &info, sizeof info) !=
        VY_SUCCESS)
        return 0xFFFFFFFF;
    if (controlStatus)
        *controlStatus = info.control.controlStatus;
    return info.device.deviceStatus;
}

// The adapter MAC of a device as its device information gives it.
std::array<uint8_t, 6> adapterMac(uint32_t deviceId)
{
    VY_DEVICE_INFO info;
    std::memset(&info, 0, sizeof info);
    vy_DeviceInfo(VY_HCAM(deviceId | VY_UNOPENED), VY_DEVICE_INFO_CMD, &info, sizeof info);
    std::array<uint8_t, 6> mac{};
    std::memcpy(mac.data(), info.control.adapterMac, 6);
    return mac;
}

} // namespace

class TestSimNetwork : public QObject
{
    Q_OBJECT
private slots:
    void init() { simtest::resetWorld(); }

    void addAndRemoveReadOnlyDevice()
    {
        const std::vector<uint32_t> before = readOnlyIds();
        VY_RO_DEVICE add = record({192, 168, 10, 11}, {239, 10, 0, 11}, 42, VY_RO_ERRORS_IGNORE);
        QCOMPARE(vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_ADD_RO_DEVICE, &add, sizeof add),
                 VY_SUCCESS);
        QCOMPARE(vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_RO_COMMIT, nullptr, 0), VY_SUCCESS);
        const std::vector<uint32_t> after = readOnlyIds();
        QCOMPARE(after.size(), before.size() + 1);
        // The default world holds 1500 already: the new one takes the next free ID.
        QVERIFY(SimWorld::isListed(1501));
        bool found = false;
        for (const VY_CAMERA_LIST_ENTRY &e : SimWorld::cameraList())
            if (e.deviceId == 1501) {
                QCOMPARE(e.cameraId, 42u);
                found = true;
            }
        QVERIFY(found);
        QVERIFY(deviceInfoStatus(1501, nullptr) & 0x80);

        VY_RO_DEVICE remove = record({192, 168, 10, 11}, {239, 10, 0, 11}, 42, VY_RO_REMOVE);
        QCOMPARE(
            vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_REMOVE_RO_DEVICE, &remove, sizeof remove),
            VY_SUCCESS);
        QVERIFY(!SimWorld::isListed(1501));
        QVERIFY(SimWorld::isListed(1500));
        // Nothing left to remove.
        QCOMPARE(
            vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_REMOVE_RO_DEVICE, &remove, sizeof remove),
            VY_CAMERA_NOT_FOUND);
    }

    void refusedRecords_data()
    {
        QTest::addColumn<uint32_t>("command");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("result");
        const auto bytes = [](const VY_RO_DEVICE &r) {
            return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
        };
        QTest::newRow("camera_id_zero")
            << VY_MULTICAST_ADD_RO_DEVICE
            << bytes(record({192, 168, 10, 11}, {239, 10, 0, 11}, 0, 0)) << VY_INVALID_PARAMETER;
        QTest::newRow("camera_id_255")
            << VY_MULTICAST_ADD_RO_DEVICE
            << bytes(record({192, 168, 10, 11}, {239, 10, 0, 11}, 255, 0)) << VY_INVALID_PARAMETER;
        QTest::newRow("mode_4") << VY_MULTICAST_ADD_RO_DEVICE
                                << bytes(record({192, 168, 10, 11}, {239, 10, 0, 11}, 5, 4))
                                << VY_INVALID_PARAMETER;
        QTest::newRow("no_multicast_address")
            << VY_MULTICAST_ADD_RO_DEVICE << bytes(record({192, 168, 10, 11}, {0, 0, 0, 0}, 5, 0))
            << VY_INVALID_PARAMETER;
        QTest::newRow("other_multicast_address")
            << VY_MULTICAST_ADD_RO_DEVICE << bytes(record({192, 168, 10, 11}, {239, 9, 9, 9}, 5, 0))
            << VY_INVALID_PARAMETER;
        QTest::newRow("unknown_camera")
            << VY_MULTICAST_ADD_RO_DEVICE << bytes(record({10, 9, 9, 9}, {239, 10, 0, 11}, 5, 0))
            << VY_CAMERA_NOT_FOUND;
        QTest::newRow("camera_without_multicast")
            << VY_MULTICAST_ADD_RO_DEVICE
            << bytes(record({192, 168, 10, 12}, {239, 10, 0, 11}, 5, 0)) << VY_NOT_SUPPORTED;
        QTest::newRow("short_record")
            << VY_MULTICAST_ADD_RO_DEVICE << QByteArray(15, '\0') << VY_BUFFER_TOO_SMALL;
        QTest::newRow("remove_without_remove_mode")
            << VY_MULTICAST_REMOVE_RO_DEVICE
            << bytes(record({192, 168, 10, 11}, {239, 10, 0, 11}, 20, 0)) << VY_INVALID_PARAMETER;
    }

    void refusedRecords()
    {
        QFETCH(uint32_t, command);
        QFETCH(QByteArray, bytes);
        QFETCH(int, result);
        const size_t listed = SimWorld::cameraList().size();
        QCOMPARE(vy_Multicast(VY_DRIVER_HANDLE, command, bytes.data(), uint32_t(bytes.size())),
                 result);
        QCOMPARE(SimWorld::cameraList().size(), listed);
    }

    void readOnlyDeviceSeenByAnotherProgram()
    {
        VY_RO_DEVICE add = record({192, 168, 10, 11}, {239, 10, 0, 11}, 7, VY_RO_ERRORS_REFUSE);
        QCOMPARE(vy_Multicast(VY_DRIVER_HANDLE, VY_MULTICAST_ADD_RO_DEVICE, &add, sizeof add),
                 VY_SUCCESS);
        QProcess vyrosim;
        vyrosim.start(qEnvironmentVariable("VYROSIM"), {QStringLiteral("list")});
        QVERIFY(vyrosim.waitForFinished(60000));
        QVERIFY(vyrosim.readAllStandardOutput().contains("1501"));
    }

    void multicastEnableSetsDeviceStatus()
    {
        const VY_HCAM camera = VY_HCAM(gigeReady | VY_UNOPENED);
        QCOMPARE(deviceInfoStatus(gigeReady, nullptr) & 0x80, 0u);
        uint32_t on = 1;
        QCOMPARE(vy_Multicast(camera, VY_MULTICAST_SET_ENABLE, &on, sizeof on), VY_SUCCESS);
        QCOMPARE(deviceInfoStatus(gigeReady, nullptr) & 0x80, 0x80u);
        uint32_t off = 0;
        QCOMPARE(vy_Multicast(camera, VY_MULTICAST_SET_ENABLE, &off, sizeof off), VY_SUCCESS);
        QCOMPARE(deviceInfoStatus(gigeReady, nullptr) & 0x80, 0u);
        QCOMPARE(deviceInfoStatus(gigeReady, nullptr) & 0x101, 0x101u);
    }

    void adapterBlock()
    {
        std::array<uint8_t, 6> mac = adapterMac(gigeReady);
        VY_ADAPTER_CONFIG block;
        std::memset(&block, 0, sizeof block);
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_READ, VY_ADAPTER_ITEM_BLOCK,
                                          &block, sizeof block),
                 VY_SUCCESS);
        // The adapter's cameras report its settings as OK: it uses jumbo packets.
        QCOMPARE(block.packetSize, 1998u);
        QCOMPARE(block.packetFilter, uint16_t(0));
        QVERIFY(!std::memcmp(block.mac, mac.data(), 6));

        uint32_t filter = 2;
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_WRITE,
                                          VY_ADAPTER_ITEM_PACKET_FILTER, &filter, sizeof filter),
                 VY_SUCCESS);
        QCOMPARE(vy_FetchTCPIP_Setup(), VY_SUCCESS);
        std::memset(&block, 0, sizeof block);
        vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_READ, VY_ADAPTER_ITEM_BLOCK, &block,
                                 sizeof block);
        QCOMPARE(block.packetFilter, uint16_t(2));
        filter = 3;
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_WRITE,
                                          VY_ADAPTER_ITEM_PACKET_FILTER, &filter, sizeof filter),
                 VY_INVALID_PARAMETER);
    }

    void packetSizeDecidesAdapterSettings()
    {
        std::array<uint8_t, 6> mac = adapterMac(gigeReady);
        uint32_t size = 1450;
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_WRITE,
                                          VY_ADAPTER_ITEM_SET_PACKET_SIZE, &size, sizeof size),
                 VY_SUCCESS);
        uint32_t control = 0;
        deviceInfoStatus(gigeReady, &control);
        QCOMPARE(control & 0x80, 0u);
        deviceInfoStatus(gigeBootBoost, &control);
        QCOMPARE(control & 0x80, 0u);
        VY_ADAPTER_PACKET_SIZE query{VY_ADAPTER_PACKET_SIZE_QUERY, 0};
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_READ, VY_ADAPTER_ITEM_PACKET_SIZE,
                                          &query, sizeof query),
                 VY_SUCCESS);
        QCOMPARE(query.packetSize, 1450u);

        size = 1998;
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_WRITE,
                                          VY_ADAPTER_ITEM_SET_PACKET_SIZE, &size, sizeof size),
                 VY_SUCCESS);
        deviceInfoStatus(gigeReady, &control);
        QCOMPARE(control & 0x80, 0x80u);
        query = {VY_ADAPTER_PACKET_SIZE_QUERY, 0};
        vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_READ, VY_ADAPTER_ITEM_PACKET_SIZE, &query,
                                 sizeof query);
        QCOMPARE(query.packetSize, 1998u);
    }

    void adapterRefusals_data()
    {
        QTest::addColumn<bool>("zeroMac");
        QTest::addColumn<bool>("daemonStopped");
        QTest::addColumn<int>("result");
        QTest::newRow("zero_mac") << true << false << VY_INVALID_PARAMETER;
        QTest::newRow("eth_daemon_stopped") << false << true << VY_NO_DAEMON;
    }

    void adapterRefusals()
    {
        QFETCH(bool, zeroMac);
        QFETCH(bool, daemonStopped);
        QFETCH(int, result);
        std::array<uint8_t, 6> mac = zeroMac ? std::array<uint8_t, 6>{} : adapterMac(gigeReady);
        if (daemonStopped)
            QCOMPARE(vysim_set_daemon(VYSIM_DAEMON_ETH, 0), VY_SUCCESS);
        VY_ADAPTER_CONFIG block;
        QCOMPARE(vy_AccessAdapterCfgByMAC(mac.data(), VY_ADAPTER_READ, VY_ADAPTER_ITEM_BLOCK,
                                          &block, sizeof block),
                 result);
    }
};

VYRO_TEST_GUILESS_MAIN(TestSimNetwork)
#include "tst_sim_network.moc"

// tst_deviceinfomodel.cpp: the device information tree's rows and values for the cameras of a
// simulated world, its refresh and rebuild rules, and the USB chain from the simulated
// installation's USB device tree.
#include <QAbstractItemModelTester>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/testmain.h"
#include "tests/zentara/devinfo/deviceinfotree.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/devinfo/deviceinfomodel.h"
#include "zentara/devinfo/udevhwdb.h"
#include "zentara/devinfo/usbtopology.h"

using zentara::Camera;

using namespace deviceinfotree;

namespace {

const QStringList bitFields{"Device status flags", "Device control status", "DHCP state"};

Camera cameraOf(const QString &deviceJson)
{
    return simworld::single(deviceJson);
}

std::optional<Camera> listed(uint32_t deviceId)
{
    for (const Camera &camera : simworld::listedCameras())
        if (camera.deviceId() == deviceId)
            return camera;
    return std::nullopt;
}

int vyrosim(const QStringList &arguments, const QString &sysroot)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYRO_SYSROOT"), sysroot);
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("VYROSIM"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

// Points the topology at root for as long as it lives.
class SysrootScope final
{
public:
    explicit SysrootScope(const QString &root) : m_previous(qgetenv("VYRO_SYSROOT"))
    {
        qputenv("VYRO_SYSROOT", QFile::encodeName(root));
    }
    ~SysrootScope() { qputenv("VYRO_SYSROOT", m_previous); }

private:
    QByteArray m_previous;
};

} // namespace

class tst_DeviceInfoModel : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void layouts_data();
    void layouts();
    void values_data();
    void values();
    void bitRows_data();
    void bitRows();
    void texts_data();
    void texts();
    void presentation();
    void multicastFromDriver_data();
    void multicastFromDriver();
    void refreshKeepsRows();
    void rebuilds_data();
    void rebuilds();
    void noCamera();
    void usbChainRows_data();
    void usbChainRows();
    void usbChainFollowsRescan();

private:
    // A model of no camera with its first topology scan done, watched by the model tester.
    struct Fixture
    {
        explicit Fixture(const UdevHwdb &hwdb) : model(nullptr, hwdb), tester(&model) {}
        DeviceInfoModel model;
        QAbstractItemModelTester tester;
    };
    bool scanned(const DeviceInfoModel &model);

    UdevHwdb m_fake{QStringLiteral(FAKEUDEV_LIBRARY)};
};

void tst_DeviceInfoModel::init()
{
    QVERIFY(SimWorld::reset());
}

bool tst_DeviceInfoModel::scanned(const DeviceInfoModel &model)
{
    return QTest::qWaitFor([&] { return !model.topology().isRescanning(); });
}

void tst_DeviceInfoModel::layouts_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("paths");

    const QStringList usbCommon{"Device", "Device/General", "Device/General/Sensor ID",
                                "Device/General/Device type"};
    QTest::newRow("usb_third_generation")
        << R"({"deviceId": 1, "deviceType": "0x63", "busGeneration": 2})"
        << usbCommon + QStringList{"Device/General/Camera temperature",
                                   "Device/General/Starter firmware version",
                                   "Device/General/Runtime firmware version",
                                   "Device/General/COM port number",
                                   "Device/USB",
                                   "Device/USB/Link speed",
                                   "Local driver",
                                   "Local driver/USB version",
                                   "Local driver/Min. compatible starter FW",
                                   "Local driver/Max. compatible starter FW"};
    QTest::newRow("usb_second_generation")
        << R"({"deviceId": 3, "deviceType": "0x40", "variantFlags": 1})"
        << usbCommon + QStringList{"Device/General/Starter firmware version",
                                   "Device/General/Runtime firmware version", "Device/USB",
                                   "Local driver", "Local driver/USB version"};
    QTest::newRow("usb3_vision_2100_type_225")
        << R"({"deviceId": 2100, "deviceType": 225})" << usbCommon;
    QTest::newRow("usb_camera_type_225") << R"({"deviceId": 5, "deviceType": 225})" << usbCommon;
    QTest::newRow("gige_vision_2100_type_226")
        << R"({"deviceId": 2100, "deviceType": 226})"
        << QStringList{"Device",
                       "Device/Hardware",
                       "Device/Hardware/Sensor ID",
                       "Device/Network",
                       "Device/Network/MAC address",
                       "Device/Network/Current IP address",
                       "Device/Network/Current Subnetmask",
                       "Device/Network/Paired host MAC address",
                       "Device/Network/Paired host IP address",
                       "Local network adapter",
                       "Local network adapter/General",
                       "Local network adapter/General/Designation",
                       "Local network adapter/General/DHCP enabled",
                       "Local network adapter/Network",
                       "Local network adapter/Network/MAC address",
                       "Local network adapter/Network/IP address",
                       "Local network adapter/Network/IP subnetmask"};
    QTest::newRow("network_camera")
        << R"({"deviceId": 1001, "deviceType": "0x82"})"
        << QStringList{"Device",
                       "Device/General",
                       "Device/General/Starter firmware version",
                       "Device/General/Runtime firmware version",
                       "Device/General/User EEPROM (8 chars)",
                       "Device/General/COM port number",
                       "Device/General/Camera temperature",
                       "Device/General/Device status flags",
                       "Device/General/Device control status",
                       "Device/Hardware",
                       "Device/Hardware/Sensor ID",
                       "Device/Hardware/Image memory size",
                       "Device/Network",
                       "Device/Network/MAC address",
                       "Device/Network/Current IP address",
                       "Device/Network/Current Subnetmask",
                       "Device/Network/Persistent IP address",
                       "Device/Network/Persistent IP subnetmask",
                       "Device/Network/DHCP FSM state",
                       "Device/Network/DHCP state",
                       "Device/Network/DHCP server IP",
                       "Device/Network/DHCP lease time",
                       "Device/Network/DHCP T1 time",
                       "Device/Network/DHCP T2 time",
                       "Device/Network/IP range begin",
                       "Device/Network/IP range end",
                       "Device/Network/Paired host MAC address",
                       "Device/Network/Paired host IP address",
                       "Device/Network/Multicast IP address",
                       "Device/Network/Link",
                       "Local network adapter",
                       "Local network adapter/General",
                       "Local network adapter/General/Designation",
                       "Local network adapter/General/DHCP enabled",
                       "Local network adapter/General/Number of known devices",
                       "Local network adapter/General/Number of paired devices",
                       "Local network adapter/Network",
                       "Local network adapter/Network/MAC address",
                       "Local network adapter/Network/IP address",
                       "Local network adapter/Network/IP subnetmask",
                       "Local network adapter/Network/IP range begin",
                       "Local network adapter/Network/IP range end",
                       "Local network adapter/Network/IP range valid",
                       "Local network adapter/Settings",
                       "Local network adapter/Settings/Multicast Enabled",
                       "Local network adapter/Settings/Adapter link speed",
                       "Local driver",
                       "Local driver/ETH version",
                       "Local driver/Min. compatible starter FW",
                       "Local driver/Max. compatible starter FW"};
    QTest::newRow("other_device_2600")
        << R"({"deviceId": 2600, "deviceType": 226})" << QStringList{};
    QTest::newRow("read_only_device")
        << R"({"deviceId": 1500, "deviceType": "0x82"})" << QStringList{};
    QTest::newRow("vision_standard_unknown_type")
        << R"({"deviceId": 2100, "deviceType": 3})" << QStringList{};
}

void tst_DeviceInfoModel::layouts()
{
    QFETCH(QString, device);
    QFETCH(QStringList, paths);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    const Camera camera = cameraOf(device);
    QVERIFY(camera.deviceId() != 0);
    f.model.Update(&camera);
    QCOMPARE(deviceinfotree::paths(f.model, bitFields), paths);
}

void tst_DeviceInfoModel::values_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("value");

    const QString usb3 = R"({"deviceId": 1, "deviceType": "0x63", "busGeneration": 2, %1})";
    const QString gige = R"({"deviceId": 1001, "deviceType": "0x82", %1})";
    QTest::newRow("sensor_id") << usb3.arg(R"("sensorId": 538)") << "Device/General/Sensor ID"
                               << "538";
    QTest::newRow("device_type") << usb3.arg(R"("sensorId": 1)") << "Device/General/Device type"
                                 << "99";
    QTest::newRow("starter_version") << usb3.arg(R"("starterFirmware": "0x04500012")")
                                     << "Device/General/Starter firmware version"
                                     << "4.80.0018";
    QTest::newRow("runtime_version")
        << usb3.arg(R"("runtimeFirmware": "4.95.21")") << "Device/General/Runtime firmware version"
        << "4.95.0021";
    QTest::newRow("usb_driver_version")
        << usb3.arg(R"("driverVersion": "5.1.300")") << "Local driver/USB version"
        << "5.01.0300";
    QTest::newRow("min_starter") << usb3.arg(R"("minStarterFirmware": "4.60.0")")
                                 << "Local driver/Min. compatible starter FW"
                                 << "4.60.0000";
    QTest::newRow("max_starter") << usb3.arg(R"("maxStarterFirmware": "12.3.45678")")
                                 << "Local driver/Max. compatible starter FW"
                                 << "12.03.45678";
    QTest::newRow("com_port") << usb3.arg(R"("comPort": 5)") << "Device/General/COM port number"
                              << "105";
    QTest::newRow("com_port_negative")
        << usb3.arg(R"("comPort": -1)") << "Device/General/COM port number"
        << "99";
    QTest::newRow("link_high_speed") << usb3.arg(R"("linkSpeed": 480)") << "Device/USB/Link speed"
                                     << "High Speed (USB 2.0)";
    QTest::newRow("link_superspeed") << usb3.arg(R"("linkSpeed": 4000)") << "Device/USB/Link speed"
                                     << "SuperSpeed USB 5 Gbps";
    QTest::newRow("link_other") << usb3.arg(R"("linkSpeed": 5000)") << "Device/USB/Link speed"
                                << "5000";
    QTest::newRow("usb_temperature")
        << usb3.arg(R"("temperature": 25)") << "Device/General/Camera temperature"
        << QString::fromUtf8("25.0\u00B0C (77.0\u00B0F)");

    QTest::newRow("eeprom_ten_letters")
        << gige.arg(R"("userEeprom": "ABCDEFGHIJ")") << "Device/General/User EEPROM (8 chars)"
        << "ABCDEFGH...";
    QTest::newRow("eeprom_eight_letters")
        << gige.arg(R"("userEeprom": "ABCDEFGH")") << "Device/General/User EEPROM (8 chars)"
        << "ABCDEFGH...";
    QTest::newRow("eeprom_three_letters")
        << gige.arg(R"("userEeprom": "ABC")") << "Device/General/User EEPROM (8 chars)"
        << "ABC";
    QTest::newRow("eeprom_empty") << gige.arg(R"("userEeprom": "")")
                                  << "Device/General/User EEPROM (8 chars)"
                                  << "";
    QTest::newRow("device_status")
        << gige.arg(R"("deviceStatus": "0x80000101")") << "Device/General/Device status flags"
        << "0x80000101";
    QTest::newRow("control_status")
        << gige.arg(R"("controlStatus": "0x080000A7")") << "Device/General/Device control status"
        << "0x80000a7";
    QTest::newRow("image_memory") << gige.arg(R"("imageMemorySize": 64)")
                                  << "Device/Hardware/Image memory size"
                                  << "64 MB";
    QTest::newRow("mac") << gige.arg(R"("mac": "00-1B-2C-40-00-01")")
                         << "Device/Network/MAC address"
                         << "00-1B-2C-40-00-01";
    QTest::newRow("mac_sensor_defect")
        << gige.arg(R"("mac": "00-1B-2C-00-00-00")") << "Device/Network/MAC address"
        << "Invalid - temperature sensor defect!";
    QTest::newRow("mac_sensor_too_high")
        << gige.arg(R"("mac": "00-1B-2C-80-00-00")") << "Device/Network/MAC address"
        << "Invalid - temperature sensor to high!";
    QTest::newRow("mac_all_zero") << gige.arg(R"("mac": "00-00-00-00-00-00")")
                                  << "Device/Network/MAC address"
                                  << "00-00-00-00-00-00";
    QTest::newRow("ip") << gige.arg(R"("ipAddress": "192.168.10.11")")
                        << "Device/Network/Current IP address"
                        << "192.168.10.11";
    QTest::newRow("ip_zero") << gige.arg(R"("ipAddress": "0.0.0.0")")
                             << "Device/Network/Current IP address"
                             << "-";
    QTest::newRow("subnet_zero") << gige.arg(R"("subnetMask": "0.0.0.0")")
                                 << "Device/Network/Current Subnetmask"
                                 << "-";
    QTest::newRow("multicast_ip") << gige.arg(R"("multicastIp": "239.10.0.11")")
                                  << "Device/Network/Multicast IP address"
                                  << "239.10.0.11";
    QTest::newRow("dhcp_fsm") << gige.arg(R"("dhcpFsmState": "0xAB")")
                              << "Device/Network/DHCP FSM state"
                              << "0xab";
    QTest::newRow("dhcp_state_zero") << gige.arg(R"("dhcpState": 0)") << "Device/Network/DHCP state"
                                     << "0x0";
    QTest::newRow("dhcp_lease") << gige.arg(R"("dhcpLeaseTime": 4294967295)")
                                << "Device/Network/DHCP lease time"
                                << "4294967295";
    QTest::newRow("paired_mac_none") << gige.arg(R"("pairedHostMac": "00-00-00-00-00-00")")
                                     << "Device/Network/Paired host MAC address"
                                     << "-";
    QTest::newRow("paired_mac") << gige.arg(R"("pairedHostMac": "00-1B-2C-99-00-01")")
                                << "Device/Network/Paired host MAC address"
                                << "00-1B-2C-99-00-01";
    QTest::newRow("paired_ip_none")
        << gige.arg(R"("pairedHostIp": "0.0.0.0")") << "Device/Network/Paired host IP address"
        << "-";
    QTest::newRow("link") << gige.arg(R"("linkSpeed": 1000)") << "Device/Network/Link"
                          << "1000 Mbits/s";
    QTest::newRow("adapter_dhcp_yes")
        << gige.arg(R"("adapterDhcpEnabled": true)") << "Local network adapter/General/DHCP enabled"
        << "Yes";
    QTest::newRow("adapter_dhcp_no") << gige.arg(R"("adapterDhcpEnabled": false)")
                                     << "Local network adapter/General/DHCP enabled"
                                     << "No";
    QTest::newRow("known_devices") << gige.arg(R"("knownDevices": 8)")
                                   << "Local network adapter/General/Number of known devices"
                                   << "8";
    QTest::newRow("adapter_ip_as_is")
        << gige.arg(R"("adapterIp": "0.0.0.0")") << "Local network adapter/Network/IP address"
        << "0.0.0.0";
    QTest::newRow("adapter_mac") << gige.arg(R"("adapterMac": "00-11-22-33-44-55")")
                                 << "Local network adapter/Network/MAC address"
                                 << "00-11-22-33-44-55";
    QTest::newRow("adapter_range_valid") << gige.arg(R"("adapterIpRangeValid": true)")
                                         << "Local network adapter/Network/IP range valid"
                                         << "Yes";
    QTest::newRow("adapter_link") << gige.arg(R"("adapterLinkSpeed": 100)")
                                  << "Local network adapter/Settings/Adapter link speed"
                                  << "100 Mbit/s";
    QTest::newRow("eth_version") << gige.arg(R"("driverVersion": "4.95.8")")
                                 << "Local driver/ETH version"
                                 << "4.95.0008";
    // The camera's own multicast setting is not what the row shows.
    QTest::newRow("multicast_driver_wide")
        << gige.arg(R"("multicastSupported": true, "multicastEnabled": true)")
        << "Local network adapter/Settings/Multicast Enabled"
        << "Yes";
}

void tst_DeviceInfoModel::values()
{
    QFETCH(QString, device);
    QFETCH(QString, path);
    QFETCH(QString, value);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    const Camera camera = cameraOf(device);
    QVERIFY(camera.deviceId() != 0);
    f.model.Update(&camera);
    QCOMPARE(deviceinfotree::value(f.model, path), value);
}

void tst_DeviceInfoModel::bitRows_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");

    const QString gige = R"({"deviceId": 1001, "deviceType": "0x82", %1})";
    QTest::newRow("device_status_ready_unpaired")
        << gige.arg(R"("deviceStatus": "0x101")") << "Device/General/Device status flags" << 26
        << QStringList{"Ready to operate=true", "Testing current IP=false", "Unpaired=true",
                       "Runtime firmware error 0=false"};
    QTest::newRow("device_status_top_bit")
        << gige.arg(R"("deviceStatus": "0x80000000")") << "Device/General/Device status flags" << 26
        << QStringList{"Ready to operate=false", "Runtime firmware error 0=true"};
    QTest::newRow("control_status_default_world")
        << gige.arg(R"("controlStatus": "0x080000A7")") << "Device/General/Device control status"
        << 19 << QStringList{"Available=true",           "Accessible 1=true",
                             "Accessible 2=true",        "Persistent IP address used=false",
                             "Compatible=true",          "Adapter uses DHCP=false",
                             "Adapter settings OK=true", "Initialized=true",
                             "To be removed=false"};
    QTest::newRow("dhcp_supported_enabled")
        << gige.arg(R"("dhcpState": "0x11")") << "Device/Network/DHCP state" << 3
        << QStringList{"Supported=true", "Error=false", "Enabled=true"};
    QTest::newRow("dhcp_error") << gige.arg(R"("dhcpState": "0x2")") << "Device/Network/DHCP state"
                                << 3
                                << QStringList{"Supported=false", "Error=true", "Enabled=false"};
}

void tst_DeviceInfoModel::bitRows()
{
    QFETCH(QString, device);
    QFETCH(QString, path);
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    const Camera camera = cameraOf(device);
    f.model.Update(&camera);
    const QStringList rows = deviceinfotree::children(f.model, path);
    QCOMPARE(rows.size(), count);
    // In table order: each expected row after the one before it.
    int at = -1;
    for (const QString &row : expected) {
        const int found = rows.indexOf(row, at + 1);
        QVERIFY2(found > at, qPrintable(row));
        at = found;
    }
}

void tst_DeviceInfoModel::texts_data()
{
    QTest::addColumn<uint>("temperature");
    QTest::addColumn<QString>("text");
    QTest::newRow("room") << 0x0190u << QString::fromUtf8("25.0\u00B0C (77.0\u00B0F)");
    QTest::newRow("below_zero") << 0xFFF0u << QString::fromUtf8("-1.0\u00B0C (30.2\u00B0F)");
    QTest::newRow("zero") << 0x0u << QString::fromUtf8("0.0\u00B0C (32.0\u00B0F)");
    QTest::newRow("no_sensor_12bit") << 0x0FF9u << "no sensor";
    QTest::newRow("no_sensor_16bit") << 0xFFF9u << "no sensor";
    QTest::newRow("invalid_12bit") << 0x0FFFu << "invalid";
    QTest::newRow("invalid_16bit") << 0xFFFFu << "invalid";
    QTest::newRow("near_marker") << 0x0FF8u << QString::fromUtf8("255.5\u00B0C (491.9\u00B0F)");
}

void tst_DeviceInfoModel::texts()
{
    QFETCH(uint, temperature);
    QFETCH(QString, text);
    QCOMPARE(DeviceInfoModel::temperatureText(uint16_t(temperature)), text);
    // The same through the camera as the simulator reports it.
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    const double celsius = int16_t(uint16_t(temperature)) / 16.0;
    const Camera camera =
        cameraOf(QStringLiteral(R"({"deviceId": 1001, "deviceType": "0x82", "temperature": %1})")
                     .arg(celsius, 0, 'g', 10));
    QCOMPARE(camera.temperature(), uint16_t(temperature));
    f.model.Update(&camera);
    QCOMPARE(deviceinfotree::value(f.model, "Device/General/Camera temperature"), text);
}

void tst_DeviceInfoModel::presentation()
{
    Fixture f(m_fake);
    QCOMPARE(f.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Parameter"));
    QCOMPARE(f.model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Values"));
    QVERIFY(!f.model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!f.model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(scanned(f.model));
    const Camera camera = cameraOf(R"({"deviceId": 1001, "deviceType": "0x82"})");
    f.model.Update(&camera);

    const QModelIndex group = find(f.model, "Device/General");
    const QModelIndex leaf = find(f.model, "Device/General/Starter firmware version");
    QVERIFY(group.isValid() && leaf.isValid());
    QCOMPARE(f.model.data(group, Qt::FontRole).value<QFont>().weight(), 75);
    QVERIFY(!f.model.data(leaf, Qt::FontRole).isValid());
    QCOMPARE(f.model.data(group, DeviceInfoModel::ExpandRole).toBool(), true);
    QCOMPARE(f.model.data(leaf, DeviceInfoModel::ExpandRole).toBool(), false);
    // A bit field row has children but is no group: bold, not expanded.
    const QModelIndex bits = find(f.model, "Device/General/Device status flags");
    QCOMPARE(f.model.data(bits, Qt::FontRole).value<QFont>().weight(), 75);
    QCOMPARE(f.model.data(bits, DeviceInfoModel::ExpandRole).toBool(), false);
    QVERIFY(!f.model.data(leaf, Qt::ToolTipRole).isValid());
    QCOMPARE(f.model.rowCount(leaf.sibling(leaf.row(), 1)), 0);
    QCOMPARE(f.model.rowCount(bits.sibling(bits.row(), 1)), 0);
    QCOMPARE(f.model.flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(f.model.flags(leaf), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void tst_DeviceInfoModel::multicastFromDriver_data()
{
    QTest::addColumn<bool>("driver");
    QTest::addColumn<bool>("camera");
    QTest::addColumn<QString>("shown");
    QTest::newRow("driver_on_camera_off") << true << false << "Yes";
    QTest::newRow("driver_off_camera_on") << false << true << "No";
}

void tst_DeviceInfoModel::multicastFromDriver()
{
    QFETCH(bool, driver);
    QFETCH(bool, camera);
    QFETCH(QString, shown);
    QVERIFY(SimWorld::load({QStringLiteral(R"({"deviceId": 1001, "deviceType": "0x82",
                                               "multicastSupported": true,
                                               "multicastEnabled": %1})")
                                .arg(camera ? "true" : "false")}));
    QVERIFY(SimWorld::setDriverField("readOnlyMulticast", driver ? "true" : "false"));
    const std::optional<Camera> listedCamera = listed(1001);
    QVERIFY(listedCamera);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    vysim_log_clear();
    f.model.Update(&*listedCamera);
    QCOMPARE(value(f.model, "Local network adapter/Settings/Multicast Enabled"), shown);
    // Asked of the driver, not of the camera.
    const auto calls = vysim::callsOf("vy_Multicast");
    QCOMPARE(int(calls.size()), 1);
    QCOMPARE(calls.at(0).handle, int32_t(VY_DRIVER_HANDLE));
    QCOMPARE(calls.at(0).command, uint32_t(VY_MULTICAST_GET_RO_ENABLE));

    // The driver's setting changes: the next refresh shows it.
    QVERIFY(SimWorld::setDriverField("readOnlyMulticast", driver ? "false" : "true"));
    f.model.Update(&*listedCamera);
    QCOMPARE(value(f.model, "Local network adapter/Settings/Multicast Enabled"),
             driver ? QStringLiteral("No") : QStringLiteral("Yes"));
}

void tst_DeviceInfoModel::refreshKeepsRows()
{
    QVERIFY(SimWorld::load({R"({"deviceId": 1001, "deviceType": "0x82", "temperature": 40,
                               "sensorId": 538, "serialNumber": "A1"})",
                            R"({"deviceId": 1002, "deviceType": "0x86", "temperature": 50,
                               "sensorId": 560, "serialNumber": "B2"})"}));
    std::optional<Camera> camera = listed(1001);
    QVERIFY(camera);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    f.model.Update(&*camera);
    const QStringList rows = paths(f.model);
    const QPersistentModelIndex temperature = find(f.model, "Device/General/Camera temperature");
    QVERIFY(temperature.isValid());

    QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&f.model, &QAbstractItemModel::dataChanged);

    // The same values: nothing to report.
    f.model.Update(&*camera);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(changes.count(), 0);

    // The camera warms up: the refresh changes the one value, the rows stay.
    QVERIFY(SimWorld::setField(1001, "temperature", "41"));
    camera->refreshDeviceInfo();
    f.model.Update(&*camera);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(changes.count(), 1);
    const QModelIndex topLeft = changes.at(0).at(0).value<QModelIndex>();
    const QModelIndex bottomRight = changes.at(0).at(1).value<QModelIndex>();
    QCOMPARE(topLeft, temperature.sibling(temperature.row(), 1));
    QCOMPARE(bottomRight, topLeft);
    QCOMPARE(temperature.sibling(temperature.row(), 1).data().toString(),
             QString::fromUtf8("41.0\u00B0C (105.8\u00B0F)"));
    QVERIFY(temperature.isValid());

    // Another network camera: the same rows with its values.
    changes.clear();
    const std::optional<Camera> other = listed(1002);
    QVERIFY(other);
    f.model.Update(&*other);
    QCOMPARE(resets.count(), 0);
    QVERIFY(changes.count() > 0);
    QCOMPARE(paths(f.model), rows);
    QCOMPARE(value(f.model, "Device/Hardware/Sensor ID"), QStringLiteral("560"));
    QCOMPARE(value(f.model, "Device/General/Camera temperature"),
             QString::fromUtf8("50.0\u00B0C (122.0\u00B0F)"));
}

void tst_DeviceInfoModel::rebuilds_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("resets");

    const QString gige = R"({"deviceId": 1001, "deviceType": "0x82", "serialNumber": "A1"})";
    const QString gige2 = R"({"deviceId": 1002, "deviceType": "0x82", "serialNumber": "A2"})";
    const QString usb3 = R"({"deviceId": 1, "deviceType": "0x63", "busGeneration": 2,
                             "serialNumber": "U1"})";
    const QString usb3b = R"({"deviceId": 2, "deviceType": "0x64", "busGeneration": 2,
                              "serialNumber": "U2"})";
    const QString usb2 = R"({"deviceId": 3, "deviceType": "0x40", "serialNumber": "U3"})";
    QTest::newRow("same_network_camera") << gige << gige << false << 0;
    QTest::newRow("same_camera_forced") << gige << gige << true << 1;
    QTest::newRow("other_network_camera") << gige << gige2 << false << 0;
    QTest::newRow("usb_after_network") << gige << usb3 << false << 1;
    QTest::newRow("network_after_usb") << usb3 << gige << false << 1;
    QTest::newRow("other_third_generation_usb") << usb3 << usb3b << false << 0;
    // The same interface class, other rows: the tree must not keep the wrong ones.
    QTest::newRow("second_after_third_generation") << usb3 << usb2 << false << 1;
}

void tst_DeviceInfoModel::rebuilds()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, force);
    QFETCH(int, resets);
    const Camera a = cameraOf(first);
    const Camera b = cameraOf(second);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    f.model.Update(&a);
    QSignalSpy spy(&f.model, &QAbstractItemModel::modelReset);
    f.model.Update(&b, force);
    QCOMPARE(spy.count(), resets);

    // Whatever the way, the rows are those the second camera gets on its own.
    DeviceInfoModel fresh(&b, m_fake);
    QVERIFY(scanned(fresh));
    fresh.Update(&b, true);
    QCOMPARE(paths(f.model), paths(fresh));
}

void tst_DeviceInfoModel::noCamera()
{
    Fixture f(m_fake);
    QCOMPARE(f.model.rowCount(), 0);
    QCOMPARE(f.model.columnCount(), 2);
    QVERIFY(scanned(f.model));
    const Camera camera = cameraOf(R"({"deviceId": 1001, "deviceType": "0x82"})");
    f.model.Update(&camera);
    QVERIFY(f.model.rowCount() > 0);
    QSignalSpy spy(&f.model, &QAbstractItemModel::modelReset);
    f.model.Update(nullptr);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(f.model.rowCount(), 0);
    // The same camera afterwards is built again.
    f.model.Update(&camera);
    QCOMPARE(spy.count(), 2);
    QVERIFY(f.model.rowCount() > 0);
}

void tst_DeviceInfoModel::usbChainRows_data()
{
    QTest::addColumn<uint>("deviceId");
    QTest::addColumn<QStringList>("rows");

    const QString controller = "Controller: =Fresco Logic FL1100 USB 3.0 Host Controller";
    const QString usb2Root = "Root hub: =Bus 1 ID 1d6b:0002 Linux Foundation 2.0 root hub";
    const QString usb3Root = "Root hub: =Bus 2 ID 1d6b:0003 Linux Foundation 3.0 root hub";
    QTest::newRow("third_generation_on_root_port")
        << 1u
        << QStringList{"Link speed=5000", controller, usb3Root,
                       "Device: =Port 1 ID 1209:0001 Generic pid.codes Test PID"};
    QTest::newRow("third_generation_behind_hub")
        << 2u
        << QStringList{"Link speed=High Speed (USB 2.0)", controller, usb2Root,
                       "Hub: =Port 3 ID 05e3:0610 Genesys Logic, Inc. Hub",
                       "Device: =Port 2 ID 1209:0002 Generic pid.codes Test PID"};
    QTest::newRow("second_generation_behind_hub")
        << 7u
        << QStringList{controller, usb2Root, "Hub: =Port 2 ID 05e3:0610 Genesys Logic, Inc. Hub",
                       "Device: =Port 1 ID 1209:0007 Generic pid.codes Test PID"};
    QTest::newRow("second_generation_on_root_port")
        << 3u
        << QStringList{controller, usb2Root,
                       "Device: =Port 1 ID 1209:0003 Generic pid.codes Test PID"};
}

void tst_DeviceInfoModel::usbChainRows()
{
    QFETCH(uint, deviceId);
    QFETCH(QStringList, rows);
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    QTemporaryDir sysroot;
    QVERIFY(sysroot.isValid());
    QCOMPARE(vyrosim({"sysroot", sysroot.path()}, sysroot.path()), 0);
    const SysrootScope scope(sysroot.path());

    const std::optional<Camera> camera = listed(deviceId);
    QVERIFY(camera);
    Fixture f(m_fake);
    f.model.Update(&*camera);
    // The chain follows the first scan, which runs in the background.
    QTRY_COMPARE(deviceinfotree::children(f.model, "Device/USB"), rows);
}

void tst_DeviceInfoModel::usbChainFollowsRescan()
{
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    QTemporaryDir sysroot;
    QVERIFY(sysroot.isValid());
    QCOMPARE(vyrosim({"sysroot", sysroot.path()}, sysroot.path()), 0);
    const SysrootScope scope(sysroot.path());

    std::optional<Camera> camera = listed(7);
    QVERIFY(camera);
    Fixture f(m_fake);
    QVERIFY(scanned(f.model));
    f.model.Update(&*camera);
    QCOMPARE(deviceinfotree::children(f.model, "Device/USB").size(), 4);

    // Unplugged: the rescan runs in the background and the rows follow when it ends.
    QCOMPARE(vyrosim({"unplug", "7"}, sysroot.path()), 0);
    QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
    f.model.UpdateUSBTopology();
    QVERIFY(f.model.topology().isRescanning());
    // A refresh while it runs keeps the rows it shows.
    f.model.Update(&*camera);
    QCOMPARE(resets.count(), 0);
    QTRY_COMPARE(resets.count(), 1);
    QCOMPARE(deviceinfotree::children(f.model, "Device/USB"), QStringList{});

    // A rescan that finds the same chain rebuilds nothing.
    f.model.UpdateUSBTopology();
    QVERIFY(scanned(f.model));
    QCOMPARE(resets.count(), 1);
}

VYRO_TEST_MAIN(tst_DeviceInfoModel)
#include "tst_deviceinfomodel.moc"

// tst_usbtopology.cpp: the scan of the USB device directory, the linking of devices to their true
// hub, the sort, the attribute parsing and the lines, on trees built in a temporary directory.
#include <QtTest>

#include "tests/zentara/devinfo/sysfsfixture.h"
#include "zentara/devinfo/udevhwdb.h"
#include "zentara/devinfo/usbdevice.h"
#include "zentara/devinfo/usbinterface.h"
#include "zentara/devinfo/usbroothub.h"
#include "zentara/devinfo/usbtopology.h"

#include <sys/stat.h>

namespace {

// Where each device and interface hangs: "child>parent", "-" for an unattached one, sorted.
QStringList links(const UsbTopology &topology)
{
    QStringList result;
    for (const UsbDevice *device : topology.devices()) {
        QString parent = QStringLiteral("-");
        if (device->parent())
            parent = device->parent()->name();
        else if (device->rootHub())
            parent = device->rootHub()->name();
        result << device->name() + QLatin1Char('>') + parent;
    }
    for (const UsbInterface *interface : topology.interfaces())
        result << interface->name() + QLatin1Char('>') +
                      (interface->device() ? interface->device()->name() : QStringLiteral("-"));
    result.sort();
    return result;
}

const UsbDevice *deviceNamed(const UsbTopology &topology, const QString &name)
{
    for (const UsbDevice *device : topology.devices())
        if (device->name() == name)
            return device;
    return nullptr;
}

} // namespace

class tst_UsbTopology : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void linking_data();
    void linking();
    void rootHubsSortedByBus_data();
    void rootHubsSortedByBus();
    void childrenSortedByPort();
    void rootHubDevicesKeepScanOrder();
    void parseName_data();
    void parseName();
    void numbers_data();
    void numbers();
    void texts_data();
    void texts();
    void driverText_data();
    void driverText();
    void controllerDescription_data();
    void controllerDescription();
    void lines_data();
    void lines();
    void chains_data();
    void chains();
    void missingDirectory();
    void fileWhereDirectoryExpected();
    void fiveHundredDevices();
    void rescanReplacesRecords();
    void backgroundRescan();
    void destroyedWhileRescanning();
    void readsDuringBackgroundRescans();
    void readHoldsRecords();

private:
    UdevHwdb m_absent{QStringLiteral("libudev-not-installed.so.0")};
    UdevHwdb m_fake{QStringLiteral(FAKEUDEV_LIBRARY)};
};

void tst_UsbTopology::initTestCase()
{
    QVERIFY(!m_absent.isAvailable());
    QVERIFY2(m_fake.isAvailable(), FAKEUDEV_LIBRARY);
}

void tst_UsbTopology::linking_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("example_two_buses")
        << QStringList{"usb1", "usb2", "1-1", "1-1:1.0", "2-1", "2-1.4", "2-1.4:1.0", "2-1.4:1.1"}
        << QStringList{"1-1:1.0>1-1",     "1-1>usb1",  "2-1.4:1.0>2-1.4",
                       "2-1.4:1.1>2-1.4", "2-1.4>2-1", "2-1>usb2"};
    // Port 3 exists on both hubs; a device finds the hub its name names, whatever the order.
    QTest::newRow("same_port_on_two_hubs")
        << QStringList{"usb2",    "2-2",     "2-1",     "2-2.3",      "2-1.3",
                       "2-2.3.1", "2-1.3.1", "2-1.3.2", "2-2.3.1:1.0"}
        << QStringList{"2-1.3.1>2-1.3",       "2-1.3.2>2-1.3", "2-1.3>2-1", "2-1>usb2",
                       "2-2.3.1:1.0>2-2.3.1", "2-2.3.1>2-2.3", "2-2.3>2-2", "2-2>usb2"};
    QTest::newRow("same_port_on_two_buses")
        << QStringList{"usb1", "usb2", "1-4", "2-4", "1-4.2", "2-4.2"}
        << QStringList{"1-4.2>1-4", "1-4>usb1", "2-4.2>2-4", "2-4>usb2"};
    QTest::newRow("parent_missing") << QStringList{"usb2", "2-7.1", "2-7.1.3", "2-7.1:1.0"}
                                    << QStringList{"2-7.1.3>2-7.1", "2-7.1:1.0>2-7.1", "2-7.1>-"};
    QTest::newRow("root_hub_missing")
        << QStringList{"usb1", "3-1", "3-1.2"} << QStringList{"3-1.2>3-1", "3-1>-"};
    QTest::newRow("interface_without_device")
        << QStringList{"usb1", "1-5:1.0", "1-0:1.0"} << QStringList{"1-0:1.0>-", "1-5:1.0>-"};
    QTest::newRow("other_entries_ignored")
        << QStringList{"usb1", "1-1", "port1", "-1", "x1-1"} << QStringList{"1-1>usb1"};
}

void tst_UsbTopology::linking()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    SysfsFixture fixture;
    QVERIFY(fixture.isValid());
    for (const QString &name : entries) {
        if (name.startsWith(QLatin1String("usb")))
            fixture.addEntry(name, {{"busnum", name.mid(3).toLatin1() + '\n'}});
        else
            fixture.addDevice(name, 0x1234, 0xABCD);
    }
    UsbTopology topology(m_absent);
    topology.rescan();
    QCOMPARE(links(topology), expected);
    for (const UsbDevice *device : topology.devices()) {
        if (const UsbDevice *parent = device->parent())
            QVERIFY(parent->children().contains(device));
        if (const UsbRootHub *hub = device->rootHub())
            QVERIFY(hub->devices().contains(device));
        for (const UsbInterface *interface : device->interfaces())
            QCOMPARE(interface->device(), device);
    }
}

void tst_UsbTopology::rootHubsSortedByBus_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<uint>>("buses");
    QTest::newRow("three_one_two") << QStringList{"usb3", "usb1", "usb2"} << QList<uint>{1, 2, 3};
    QTest::newRow("numeric_not_text")
        << QStringList{"usb10", "usb2", "usb1"} << QList<uint>{1, 2, 10};
    QTest::newRow("none") << QStringList{} << QList<uint>{};
}

void tst_UsbTopology::rootHubsSortedByBus()
{
    QFETCH(QStringList, names);
    QFETCH(QList<uint>, buses);
    SysfsFixture fixture;
    for (const QString &name : names)
        fixture.addEntry(name, {{"busnum", name.mid(3).toLatin1() + '\n'}});
    UsbTopology topology(m_absent);
    topology.rescan();
    QList<uint> found;
    for (const UsbRootHub *hub : topology.rootHubs())
        found << hub->busNumber();
    QCOMPARE(found, buses);
    QCOMPARE(topology.controllers().size(), buses.size());
}

void tst_UsbTopology::childrenSortedByPort()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    fixture.addDevice("1-1", 0x05e3, 0x0610, 9);
    for (const char *name : {"1-1.4", "1-1.10", "1-1.1", "1-1.3", "1-1.2"})
        fixture.addDevice(name, 0x1234, 0xABCD);
    UsbTopology topology(m_absent);
    topology.rescan();
    const UsbDevice *hub = deviceNamed(topology, "1-1");
    QVERIFY(hub);
    QList<uint> ports;
    for (const UsbDevice *child : hub->children())
        ports << child->port();
    QCOMPARE(ports, (QList<uint>{1, 2, 3, 4, 10}));
}

void tst_UsbTopology::rootHubDevicesKeepScanOrder()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    for (const char *name : {"1-3", "1-1", "1-2", "1-4"})
        fixture.addDevice(name, 0x1234, 0xABCD);
    UsbTopology topology(m_absent);
    topology.rescan();
    QStringList scanOrder;
    for (const UsbDevice *device : topology.devices())
        scanOrder << device->name();
    QStringList hubOrder;
    for (const UsbDevice *device : topology.rootHubs().at(0)->devices())
        hubOrder << device->name();
    QCOMPARE(hubOrder, scanOrder);
}

void tst_UsbTopology::parseName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("bus");
    QTest::addColumn<uint>("parentPort");
    QTest::addColumn<uint>("port");
    QTest::addColumn<QString>("parentName");
    QTest::newRow("behind_hub") << "2-1.4" << 2u << 1u << 4u << "2-1";
    QTest::newRow("root_port") << "2-3" << 2u << 0u << 3u << "";
    QTest::newRow("three_levels") << "1-3.2.7" << 1u << 2u << 7u << "1-3.2";
    QTest::newRow("two_digit_ports") << "12-10.11" << 12u << 10u << 11u << "12-10";
    QTest::newRow("bus_only") << "7" << 7u << 0u << 0u << "";
    QTest::newRow("separator_without_digits") << "2-1." << 2u << 0u << 1u << "";
    QTest::newRow("stops_at_letter") << "2-1.4x.5" << 2u << 1u << 4u << "2-1";
    QTest::newRow("saturates") << "2-99999999999" << 2u << 0u << 4294967295u << "";
}

void tst_UsbTopology::parseName()
{
    QFETCH(QString, name);
    QFETCH(uint, bus);
    QFETCH(uint, parentPort);
    QFETCH(uint, port);
    QFETCH(QString, parentName);
    const UsbDevice::NameParts parts = UsbDevice::parseName(name);
    QCOMPARE(parts.busNumber, bus);
    QCOMPARE(parts.parentPort, parentPort);
    QCOMPARE(parts.port, port);

    SysfsFixture fixture;
    fixture.addEntry(name);
    UsbTopology topology(m_absent);
    topology.rescan();
    QCOMPARE(topology.devices().size(), 1);
    QCOMPARE(topology.devices().at(0)->parentName(), parentName);
}

void tst_UsbTopology::numbers_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<uint>("expected");
    QTest::newRow("hex_with_line_feed") << "idVendor" << QByteArray("1d6b\n") << 0x1d6bu;
    QTest::newRow("hex_upper_case") << "idProduct" << QByteArray("ABCD\n") << 0xabcdu;
    QTest::newRow("decimal_devnum") << "devnum" << QByteArray("17\n") << 17u;
    QTest::newRow("decimal_not_hex") << "bNumConfigurations" << QByteArray("10\n") << 10u;
    QTest::newRow("hex_not_decimal") << "bDeviceClass" << QByteArray("10\n") << 16u;
    QTest::newRow("leading_blank") << "bNumInterfaces" << QByteArray(" 1\n") << 1u;
    QTest::newRow("missing") << "idVendor" << QByteArray() << 0u;
    QTest::newRow("empty") << "idVendor" << QByteArray("") << 0u;
    QTest::newRow("garbage") << "idVendor" << QByteArray("zzzz\n") << 0u;
    QTest::newRow("trailing_garbage") << "devnum" << QByteArray("12abc\n") << 0u;
    QTest::newRow("negative") << "devnum" << QByteArray("-1\n") << 0u;
    QTest::newRow("overflow") << "devnum" << QByteArray("99999999999999999999\n") << 0u;
    QTest::newRow("letters_in_decimal") << "maxchild" << QByteArray("4a\n") << 0u;
    QTest::newRow("nul_ends_text") << "devnum"
                                   << QByteArray("42\0"
                                                 "77",
                                                 5)
                                   << 42u;
    QTest::newRow("only_nul") << "devnum" << QByteArray("\0", 1) << 0u;
    QTest::newRow("binary") << "bmAttributes" << QByteArray("\xff\xfe\x01", 3) << 0u;
    QTest::newRow("huge_file") << "devnum" << QByteArray(100000, '7') << 0u;
    // A pipe in place of the file would block a reader forever.
    QTest::newRow("pipe") << "idVendor" << QByteArray("<fifo>") << 0u;
    QTest::newRow("directory") << "idProduct" << QByteArray("<dir>") << 0u;
}

void tst_UsbTopology::numbers()
{
    QFETCH(QString, attribute);
    QFETCH(QByteArray, content);
    QFETCH(uint, expected);
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    const QString device = fixture.addEntry("1-1");
    const QString hub = fixture.devices() + QStringLiteral("/usb1");
    for (const QString &dir : {device, hub}) {
        const QString file = dir + QLatin1Char('/') + attribute;
        if (content == "<fifo>")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (content == "<dir>")
            QVERIFY(QDir().mkpath(file));
        else if (!content.isNull())
            QVERIFY(SysfsFixture::writeFile(file, content));
    }
    UsbTopology topology(m_absent);
    topology.rescan();
    QCOMPARE(topology.devices().size(), 1);
    const UsbDevice *d = topology.devices().at(0);
    const UsbRootHub *r = topology.rootHubs().at(0);
    const QMap<QString, uint> deviceValues{
        {"idVendor", d->vendorId()},        {"idProduct", d->productId()},
        {"devnum", d->deviceNumber()},      {"bNumConfigurations", d->numConfigurations()},
        {"bDeviceClass", d->deviceClass()}, {"bNumInterfaces", d->numInterfaces()},
        {"maxchild", d->maxChild()},        {"bmAttributes", d->attributes()},
    };
    QVERIFY(deviceValues.contains(attribute));
    QCOMPARE(deviceValues.value(attribute), expected);
    const QMap<QString, uint> hubValues{{"idVendor", r->vendorId()},
                                        {"idProduct", r->productId()},
                                        {"devnum", r->deviceNumber()},
                                        {"bDeviceClass", r->deviceClass()},
                                        {"maxchild", r->maxChild()}};
    if (hubValues.contains(attribute))
        QCOMPARE(hubValues.value(attribute), expected);
    // The device is still linked: a bad attribute spoils only its own field.
    QCOMPARE(d->rootHub(), r);
}

void tst_UsbTopology::texts_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("speed_trimmed") << "speed" << QByteArray(" 480 \n") << "480";
    QTest::newRow("serial_line_feed") << "serial" << QByteArray("4103012345\n") << "4103012345";
    QTest::newRow("product_line_feed") << "product" << QByteArray("VY-3240CP-M\n") << "VY-3240CP-M";
    QTest::newRow("version_keeps_blank") << "version" << QByteArray(" 3.00\n") << " 3.00";
    QTest::newRow("manufacturer_nul") << "manufacturer" << QByteArray("Orv\0junk\n", 9) << "Orv";
    QTest::newRow("max_power") << "bMaxPower" << QByteArray("896mA\n") << "896mA";
    QTest::newRow("missing") << "product" << QByteArray() << "";
    QTest::newRow("utf8") << "manufacturer" << QByteArray("J\xc3\xbcrgen & S\xc3\xb6hne\n")
                          << "Jürgen & Söhne";
}

void tst_UsbTopology::texts()
{
    QFETCH(QString, attribute);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    SysfsFixture fixture;
    const QString device = fixture.addEntry("4-2");
    if (!content.isNull())
        QVERIFY(SysfsFixture::writeFile(device + QLatin1Char('/') + attribute, content));
    UsbTopology topology(m_absent);
    topology.rescan();
    const UsbDevice *d = topology.devices().value(0);
    QVERIFY(d);
    const QMap<QString, QString> values{{"speed", d->speed()},
                                        {"serial", d->serial()},
                                        {"product", d->product()},
                                        {"version", d->version()},
                                        {"manufacturer", d->manufacturer()},
                                        {"bMaxPower", d->maxPower()}};
    QCOMPARE(values.value(attribute), expected);
}

void tst_UsbTopology::driverText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("link") << "link"
                          << "../../../../bus/usb/drivers/usb";
    QTest::newRow("no_link") << "none"
                             << "--";
    QTest::newRow("regular_file") << "file"
                                  << "--";
    QTest::newRow("dangling") << "dangling"
                              << "../nowhere/at/all";
    QTest::newRow("loop_to_itself") << "self"
                                    << "driver";
    QTest::newRow("loop_of_two") << "pair"
                                 << "other";
}

void tst_UsbTopology::driverText()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    QStringList dirs{fixture.addEntry("usb1"), fixture.addEntry("1-1"),
                     fixture.addEntry("1-1:1.0")};
    for (const QString &dir : dirs) {
        const QString driver = dir + QStringLiteral("/driver");
        if (kind == QLatin1String("link"))
            QVERIFY(SysfsFixture::link(expected, driver));
        else if (kind == QLatin1String("file"))
            QVERIFY(SysfsFixture::writeFile(driver, "usb\n"));
        else if (kind == QLatin1String("dangling"))
            QVERIFY(SysfsFixture::link(expected, driver));
        else if (kind == QLatin1String("self"))
            QVERIFY(SysfsFixture::link("driver", driver));
        else if (kind == QLatin1String("pair")) {
            QVERIFY(SysfsFixture::link("other", driver));
            QVERIFY(SysfsFixture::link("driver", dir + QStringLiteral("/other")));
        }
    }
    UsbTopology topology(m_fake);
    topology.rescan();
    QCOMPARE(topology.rootHubs().value(0)->driver(), expected);
    QCOMPARE(topology.devices().value(0)->driver(), expected);
    QCOMPARE(topology.interfaces().value(0)->driver(), expected);
    // No controller is reachable through any of these.
    QCOMPARE(topology.rootHubs().value(0)->controllerDescription(), QString());
}

void tst_UsbTopology::controllerDescription_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("withUdev");
    QTest::addColumn<QString>("expected");
    QTest::newRow("kernel_shape") << "kernel" << true << "Test Controllers Test xHCI";
    QTest::newRow("kernel_shape_without_udev") << "kernel" << false << " ";
    QTest::newRow("pci_controller")
        << "fresco" << true << "Fresco Logic FL1100 USB 3.0 Host Controller";
    QTest::newRow("unknown_controller") << "unknown" << true << " ";
    QTest::newRow("modalias_missing") << "no_modalias" << true << " ";
    QTest::newRow("no_driver_link") << "no_driver" << true << "";
    QTest::newRow("driver_dangling") << "dangling" << true << "";
    QTest::newRow("driver_links_back_to_hub") << "driver_loop" << true << "";
    QTest::newRow("driver_link_cycle") << "driver_cycle" << true << "";
    QTest::newRow("no_link_back") << "no_back_link" << true << "";
    QTest::newRow("link_back_is_directory") << "back_dir" << true << "";
    QTest::newRow("link_back_dangling") << "back_dangling" << true << " ";
}

void tst_UsbTopology::controllerDescription()
{
    QFETCH(QString, shape);
    QFETCH(bool, withUdev);
    QFETCH(QString, expected);
    SysfsFixture fixture;
    QByteArray modalias = "pci:v0000AAAAd0000BBBBsv00000000sd00000000bc0Csc03i30\n";
    if (shape == QLatin1String("fresco"))
        modalias = "pci:v00001B73d00001100sv00001B73sd00001100bc0Csc03i30\n";
    else if (shape == QLatin1String("unknown"))
        modalias = "pci:v0000FFFFd00000001sv00000000sd00000000bc0Csc03i30\n";
    else if (shape == QLatin1String("no_modalias"))
        modalias = QByteArray();
    const QString hub =
        fixture.addControllerRootHub("0000:00:14.0", modalias, 3, {{"busnum", "3\n"}});
    const QString driver = hub + QStringLiteral("/driver");
    const QString back = fixture.sys() + QStringLiteral("/bus/usb/drivers/usb/usb3");
    if (shape == QLatin1String("no_driver")) {
        QFile::remove(driver);
    } else if (shape == QLatin1String("dangling")) {
        QFile::remove(driver);
        QVERIFY(SysfsFixture::link("../../../../bus/usb/drivers/gone", driver));
    } else if (shape == QLatin1String("driver_loop")) {
        QFile::remove(driver);
        QVERIFY(SysfsFixture::link("../usb3", driver));
    } else if (shape == QLatin1String("driver_cycle")) {
        QFile::remove(driver);
        QVERIFY(SysfsFixture::link("../../../../bus/usb/drivers/usb/driver", driver));
        QVERIFY(SysfsFixture::link("../../../../devices/pci0000:00/0000:00:14.0/usb3/driver",
                                   fixture.sys() + QStringLiteral("/bus/usb/drivers/usb/driver")));
    } else if (shape == QLatin1String("no_back_link")) {
        QFile::remove(back);
    } else if (shape == QLatin1String("back_dir")) {
        QFile::remove(back);
        QVERIFY(QDir().mkpath(back));
    } else if (shape == QLatin1String("back_dangling")) {
        QFile::remove(back);
        QVERIFY(SysfsFixture::link("../../../../devices/pci0000:00/0000:00:99.0/usb3", back));
    }
    UsbTopology topology(withUdev ? m_fake : m_absent);
    topology.rescan();
    QCOMPARE(topology.rootHubs().size(), 1);
    QCOMPARE(topology.rootHubs().at(0)->controllerDescription(), expected);
    QCOMPARE(topology.controllers().at(0).description(), expected);
}

void tst_UsbTopology::lines_data()
{
    QTest::addColumn<bool>("withUdev");
    QTest::addColumn<QString>("rootHubLine");
    QTest::addColumn<QString>("deviceLine");
    QTest::addColumn<bool>("vendorFile");
    QTest::newRow("names") << true << "Bus 2 ID 1d6b:0003 Linux Foundation 3.0 root hub"
                           << "Port 4 ID 1234:abcd Vyro Test Vendor Test Camera" << true;
    QTest::newRow("without_udev") << false << "Bus 2 ID 1d6b:0003  "
                                  << "Port 4 ID 1234:abcd  " << true;
    QTest::newRow("vendor_file_missing") << false << "Bus 2 ID 1d6b:0003  "
                                         << "Port 4 ID 0000:abcd  " << false;
}

void tst_UsbTopology::lines()
{
    QFETCH(bool, withUdev);
    QFETCH(QString, rootHubLine);
    QFETCH(QString, deviceLine);
    QFETCH(bool, vendorFile);
    SysfsFixture fixture;
    fixture.addEntry("usb2", {{"busnum", "2\n"}, {"idVendor", "1d6b\n"}, {"idProduct", "0003\n"}});
    fixture.addDevice("2-1", 0x05e3, 0x0626, 9);
    const QString camera = fixture.addDevice("2-1.4", 0x1234, 0xabcd);
    if (!vendorFile)
        QVERIFY(QFile::remove(camera + QStringLiteral("/idVendor")));
    UsbTopology topology(withUdev ? m_fake : m_absent);
    topology.rescan();
    QCOMPARE(topology.rootHubLine(*topology.rootHubs().at(0)), rootHubLine);
    const UsbDevice *device = deviceNamed(topology, "2-1.4");
    QVERIFY(device);
    QCOMPARE(topology.deviceLine(*device), deviceLine);
}

void tst_UsbTopology::chains_data()
{
    QTest::addColumn<QString>("portPath");
    QTest::addColumn<QStringList>("hubNames");
    QTest::addColumn<QString>("deviceLine");
    QTest::newRow("root_port") << "2-2" << QStringList{}
                               << "Port 2 ID 1234:abcd Vyro Test Vendor Test Camera";
    QTest::newRow("behind_two_hubs") << "2-1.4.2" << QStringList{"2-1.4", "2-1"}
                                     << "Port 2 ID 1234:abcd Vyro Test Vendor Test Camera";
    QTest::newRow("hub_itself") << "2-1.4" << QStringList{"2-1"}
                                << "Port 4 ID 05e3:0626 Genesys Logic, Inc. Hub";
    // A composite device in between is no hub and gets no row.
    QTest::newRow("ancestor_not_a_hub")
        << "2-3.1" << QStringList{} << "Port 1 ID 1234:abcd Vyro Test Vendor Test Camera";
    QTest::newRow("other_bus") << "1-2" << QStringList{}
                               << "Port 2 ID 1234:abcd Vyro Test Vendor Test Camera";
    QTest::newRow("ninth_level")
        << "2-5.1.1.1.1.1.1.1.1"
        << QStringList{"2-5.1.1.1.1.1.1.1", "2-5.1.1.1.1.1.1", "2-5.1.1.1.1.1", "2-5.1.1.1.1",
                       "2-5.1.1.1",         "2-5.1.1",         "2-5.1",         "2-5"}
        << "Port 1 ID 1234:abcd Vyro Test Vendor Test Camera";
}

void tst_UsbTopology::chains()
{
    QFETCH(QString, portPath);
    QFETCH(QStringList, hubNames);
    QFETCH(QString, deviceLine);
    SysfsFixture fixture;
    const QString usb1 = fixture.addControllerRootHub(
        "0000:00:14.0", "pci:v0000AAAAd0000BBBB\n", 1,
        {{"busnum", "1\n"}, {"idVendor", "1d6b\n"}, {"idProduct", "0002\n"}});
    const QString usb2 = fixture.addControllerRootHub(
        "0000:00:14.0", "pci:v0000AAAAd0000BBBB\n", 2,
        {{"busnum", "2\n"}, {"idVendor", "1d6b\n"}, {"idProduct", "0003\n"}});
    fixture.addDevice("1-2", 0x1234, 0xabcd);
    fixture.addDevice("2-1", 0x05e3, 0x0626, 9);
    fixture.addDevice("2-1.4", 0x05e3, 0x0626, 9);
    fixture.addDevice("2-1.4.2", 0x1234, 0xabcd);
    fixture.addDevice("2-2", 0x1234, 0xabcd);
    fixture.addDevice("2-3", 0x1234, 0x0001, 0);
    fixture.addDevice("2-3.1", 0x1234, 0xabcd);
    QString deep = "2-5";
    fixture.addDevice(deep, 0x05e3, 0x0626, 9);
    for (int level = 2; level <= 10; ++level) {
        deep += ".1";
        const bool hub = level < 9;
        fixture.addDevice(deep, hub ? 0x05e3 : 0x1234, hub ? 0x0626 : 0xabcd, hub ? 9 : 0);
    }
    UsbTopology topology(m_fake);
    topology.rescan();
    const QVector<UsbChain> chains = topology.chains(portPath);
    QCOMPARE(chains.size(), 1);
    const UsbChain &chain = chains.at(0);
    QCOMPARE(chain.busNumber(), portPath.left(1).toUInt());
    QCOMPARE(chain.controllerDescription(), QStringLiteral("Test Controllers Test xHCI"));
    QCOMPARE(chain.rootHubLine(),
             chain.busNumber() == 1
                 ? QStringLiteral("Bus 1 ID 1d6b:0002 Linux Foundation 2.0 root hub")
                 : QStringLiteral("Bus 2 ID 1d6b:0003 Linux Foundation 3.0 root hub"));
    QCOMPARE(chain.hubNames(), hubNames);
    QCOMPARE(chain.hubLines().size(), hubNames.size());
    for (const QString &line : chain.hubLines())
        QVERIFY(line.endsWith(QLatin1String("ID 05e3:0626 Genesys Logic, Inc. Hub")));
    QCOMPARE(chain.deviceName(), portPath);
    QCOMPARE(chain.deviceLine(), deviceLine);

    // What no search may find: beyond the depth limit, nothing, another bus, no bus at all.
    QVERIFY(topology.chains(deep).isEmpty());
    QVERIFY(topology.chains("2-9").isEmpty());
    QVERIFY(topology.chains("").isEmpty());
    QVERIFY(topology.chains("2").isEmpty());
    QVERIFY(topology.chains("3-2").isEmpty());
    QVERIFY(!usb1.isEmpty() && !usb2.isEmpty());
}

void tst_UsbTopology::missingDirectory()
{
    SysfsFixture fixture;
    QVERIFY(QDir(fixture.sys()).removeRecursively());
    UsbTopology topology(m_fake);
    topology.rescan();
    QVERIFY(topology.rootHubs().isEmpty());
    QVERIFY(topology.devices().isEmpty());
    QVERIFY(topology.interfaces().isEmpty());
    QVERIFY(topology.chains("2-1").isEmpty());
    QVERIFY(topology.controllers().isEmpty());
}

void tst_UsbTopology::fileWhereDirectoryExpected()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    QVERIFY(SysfsFixture::writeFile(fixture.devices() + QStringLiteral("/1-1"), "not a dir\n"));
    QVERIFY(SysfsFixture::link("../nowhere", fixture.devices() + QStringLiteral("/1-2")));
    QVERIFY(SysfsFixture::link("1-3", fixture.devices() + QStringLiteral("/1-3")));
    UsbTopology topology(m_absent);
    topology.rescan();
    QCOMPARE(topology.rootHubs().size(), 1);
    QVERIFY(topology.devices().isEmpty());
}

void tst_UsbTopology::fiveHundredDevices()
{
    // 10 hubs on root ports, 7 hubs on each, 6 devices on each of those: 500 devices.
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    int count = 0;
    for (int a = 1; a <= 10; ++a) {
        fixture.addDevice(QStringLiteral("1-%1").arg(a), 0x05e3, 0x0610, 9);
        ++count;
        for (int b = 1; b <= 7; ++b) {
            fixture.addDevice(QStringLiteral("1-%1.%2").arg(a).arg(b), 0x05e3, 0x0610, 9);
            ++count;
            for (int c = 1; c <= 6; ++c) {
                const QString name = QStringLiteral("1-%1.%2.%3").arg(a).arg(b).arg(c);
                fixture.addDevice(name, 0x1234, 0xabcd);
                fixture.addEntry(name + QStringLiteral(":1.0"));
                ++count;
            }
        }
    }
    QCOMPARE(count, 500);
    UsbTopology topology(m_absent);
    topology.rescan();
    QCOMPARE(topology.devices().size(), 500);
    QCOMPARE(topology.interfaces().size(), 420);
    QCOMPARE(topology.rootHubs().at(0)->devices().size(), 10);
    for (const UsbDevice *device : topology.devices()) {
        QVERIFY(device->parent() || device->rootHub());
        if (device->parent())
            QCOMPARE(device->parent()->name(), device->parentName());
        QCOMPARE(device->children().size(), device->isHub() ? (device->parent() ? 6 : 7) : 0);
    }
    const QVector<UsbChain> chains = topology.chains("1-10.7.6");
    QCOMPARE(chains.size(), 1);
    QCOMPARE(chains.at(0).hubNames(), (QStringList{"1-10.7", "1-10"}));
    QCOMPARE(chains.at(0).deviceLine(), QStringLiteral("Port 6 ID 1234:abcd  "));
}

void tst_UsbTopology::rescanReplacesRecords()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    fixture.addDevice("1-1", 0x1234, 0xabcd);
    UsbTopology topology(m_absent);
    QVERIFY(topology.rootHubs().isEmpty());
    topology.rescan();
    QCOMPARE(links(topology), QStringList{"1-1>usb1"});
    QVERIFY(QDir(fixture.devices() + QStringLiteral("/1-1")).removeRecursively());
    fixture.addDevice("1-2", 0x1234, 0xabcd);
    topology.rescan();
    QCOMPARE(links(topology), QStringList{"1-2>usb1"});
    QCOMPARE(topology.rootHubs().at(0)->devices().size(), 1);
}

void tst_UsbTopology::backgroundRescan()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    fixture.addDevice("1-1", 0x1234, 0xabcd);
    UsbTopology topology(m_absent);
    QSignalSpy finished(&topology, &UsbTopology::rescanFinished);
    topology.startRescan();
    // A second request while the first may still run: one more scan, one signal at the end.
    topology.startRescan();
    QVERIFY(topology.isRescanning());
    QTRY_VERIFY(!topology.isRescanning());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(links(topology), QStringList{"1-1>usb1"});

    fixture.addDevice("1-2", 0x1234, 0xabcd);
    topology.startRescan();
    QVERIFY(finished.wait());
    QCOMPARE(finished.count(), 2);
    QCOMPARE(links(topology), (QStringList{"1-1>usb1", "1-2>usb1"}));
}

void tst_UsbTopology::destroyedWhileRescanning()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    for (int i = 1; i <= 50; ++i)
        fixture.addDevice(QStringLiteral("1-%1").arg(i), 0x1234, 0xabcd);
    auto topology = std::make_unique<UsbTopology>(m_absent);
    QSignalSpy finished(topology.get(), &UsbTopology::rescanFinished);
    topology->startRescan();
    topology.reset();
    QCOMPARE(finished.count(), 0);
}

void tst_UsbTopology::readsDuringBackgroundRescans()
{
    // Readers on this thread and scans on the pool take turns on the lock: every read sees a
    // whole snapshot, never records a rescan is replacing.
    SysfsFixture fixture;
    fixture.addEntry("usb2", {{"busnum", "2\n"}, {"idVendor", "1d6b\n"}, {"idProduct", "0003\n"}});
    fixture.addDevice("2-1", 0x05e3, 0x0626, 9);
    fixture.addDevice("2-1.4", 0x1234, 0xabcd);
    for (int i = 1; i <= 40; ++i)
        fixture.addDevice(QStringLiteral("2-1.4.%1").arg(i), 0x1234, 0xabcd);
    UsbTopology topology(m_fake);
    topology.rescan();
    const QVector<UsbChain> expected = topology.chains("2-1.4");
    QCOMPARE(expected.size(), 1);
    QSignalSpy finished(&topology, &UsbTopology::rescanFinished);
    for (int round = 0; round < 20; ++round) {
        topology.startRescan();
        QCOMPARE(topology.chains("2-1.4"), expected);
        QCOMPARE(topology.controllers().size(), 1);
        int children = -1;
        topology.read([&children](const QList<const UsbRootHub *> &hubs) {
            children = hubs.at(0)->devices().at(0)->children().at(0)->children().size();
        });
        QCOMPARE(children, 40);
        QVERIFY(finished.wait() || !topology.isRescanning());
    }
    QTRY_VERIFY(!topology.isRescanning());
}

void tst_UsbTopology::readHoldsRecords()
{
    SysfsFixture fixture;
    fixture.addEntry("usb1", {{"busnum", "1\n"}});
    fixture.addDevice("1-1", 0x1234, 0xabcd);
    UsbTopology topology(m_absent);
    topology.rescan();
    QStringList seen;
    topology.read([&seen](const QList<const UsbRootHub *> &hubs) {
        for (const UsbRootHub *hub : hubs)
            for (const UsbDevice *device : hub->devices())
                seen << hub->name() + QLatin1Char('/') + device->name();
    });
    QCOMPARE(seen, QStringList{"usb1/1-1"});
}

QTEST_GUILESS_MAIN(tst_UsbTopology)
#include "tst_usbtopology.moc"

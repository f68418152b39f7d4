// tst_usbsysfstree.cpp: the simulated installation's USB device tree: what zentara's topology
// finds in it for each camera of the world, its replacement when the world changes, and
// vyrosim's sysroot command.
#include <QtTest>

#include "sdk/sim/sysfs/usbsysfstree.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/zentara/devinfo/sysfsfixture.h"
#include "tests/zentara/inventory/simworld.h"
#include "zentara/devinfo/udevhwdb.h"
#include "zentara/devinfo/usbdevice.h"
#include "zentara/devinfo/usbtopology.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using zentara::Camera;

namespace {

QJsonArray worldDevices()
{
    uint32_t needed = 0;
    vysim_world_json(nullptr, 0, &needed);
    QByteArray buffer(int(needed) + 1, '\0');
    if (vysim_world_json(buffer.data(), uint32_t(buffer.size()), &needed) != VY_SUCCESS)
        return QJsonArray();
    return QJsonDocument::fromJson(buffer.constData())
        .object()
        .value(QStringLiteral("devices"))
        .toArray();
}

std::optional<Camera> listedCamera(uint32_t deviceId)
{
    for (const Camera &camera : simworld::listedCameras())
        if (camera.deviceId() == deviceId)
            return camera;
    return std::nullopt;
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run vyrosim(const QStringList &arguments, const QString &sysroot = QString())
{
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (sysroot.isEmpty())
        environment.remove(QStringLiteral("VYRO_SYSROOT"));
    else
        environment.insert(QStringLiteral("VYRO_SYSROOT"), sysroot);
    p.setProcessEnvironment(environment);
    p.start(qEnvironmentVariable("VYROSIM"), arguments);
    Run r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class tst_UsbSysfsTree : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void defaultWorldChains_data();
    void defaultWorldChains();
    void defaultWorldEntries();
    void controllers();
    void speeds_data();
    void speeds();
    void networkCamerasHaveNoChain();
    void treeFollowsWorld();
    void badPortPathsSkipped();
    void refusals_data();
    void refusals();
    void vyrosimSysroot();

private:
    UdevHwdb m_fake{QStringLiteral(FAKEUDEV_LIBRARY)};
};

void tst_UsbSysfsTree::init()
{
    QVERIFY(SimWorld::reset());
}

void tst_UsbSysfsTree::defaultWorldChains_data()
{
    QTest::addColumn<uint>("deviceId");
    QTest::addColumn<QString>("portPath");
    QTest::addColumn<QString>("rootHubLine");
    QTest::addColumn<QStringList>("hubLines");
    QTest::addColumn<QString>("deviceLine");

    const QString usb2Root = "Bus 1 ID 1d6b:0002 Linux Foundation 2.0 root hub";
    const QString usb3Root = "Bus 2 ID 1d6b:0003 Linux Foundation 3.0 root hub";
    QTest::newRow("usb3-5000") << 1u << "2-1" << usb3Root << QStringList{}
                               << "Port 1 ID 1209:0001 Generic pid.codes Test PID";
    QTest::newRow("usb3-480") << 2u << "1-3.2" << usb2Root
                              << QStringList{"Port 3 ID 05e3:0610 Genesys Logic, Inc. Hub"}
                              << "Port 2 ID 1209:0002 Generic pid.codes Test PID";
    QTest::newRow("usb2-legacy") << 3u << "1-1" << usb2Root << QStringList{}
                                 << "Port 1 ID 1209:0003 Generic pid.codes Test PID";
    QTest::newRow("usb3-in-use") << 4u << "2-2" << usb3Root << QStringList{}
                                 << "Port 2 ID 1209:0004 Generic pid.codes Test PID";
    QTest::newRow("usb-in-use") << 5u << "1-4" << usb2Root << QStringList{}
                                << "Port 4 ID 1209:0005 Generic pid.codes Test PID";
    QTest::newRow("usb3-service-fw") << 6u << "2-3" << usb3Root << QStringList{}
                                     << "Port 3 ID 1209:0006 Generic pid.codes Test PID";
    QTest::newRow("usb-no-fullspeed")
        << 7u << "1-2.1" << usb2Root << QStringList{"Port 2 ID 05e3:0610 Genesys Logic, Inc. Hub"}
        << "Port 1 ID 1209:0007 Generic pid.codes Test PID";
    QTest::newRow("usb3-rwq") << 8u << "2-4.1" << usb3Root
                              << QStringList{"Port 4 ID 05e3:0626 Genesys Logic, Inc. Hub"}
                              << "Port 1 ID 1209:0008 Generic pid.codes Test PID";
    QTest::newRow("u3v") << 2000u << "2-5" << usb3Root << QStringList{}
                         << "Port 5 ID 1209:0010 Generic pid.codes Test PID";
}

void tst_UsbSysfsTree::defaultWorldChains()
{
    QFETCH(uint, deviceId);
    QFETCH(QString, portPath);
    QFETCH(QString, rootHubLine);
    QFETCH(QStringList, hubLines);
    QFETCH(QString, deviceLine);

    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QString message;
    QVERIFY2(vysim::UsbSysfsTree(worldDevices()).write(fixture.root(), &message),
             qPrintable(message));
    // The camera as zentara lists it gives the port path that leads into the tree.
    const std::optional<Camera> camera = listedCamera(deviceId);
    QVERIFY(camera);
    QCOMPARE(camera->usbPortPath(), portPath);

    UsbTopology topology(m_fake);
    topology.rescan();
    const QVector<UsbChain> chains = topology.chains(camera->usbPortPath());
    QCOMPARE(chains.size(), 1);
    const UsbChain &chain = chains.at(0);
    QCOMPARE(chain.controllerDescription(),
             QStringLiteral("Fresco Logic FL1100 USB 3.0 Host Controller"));
    QCOMPARE(chain.rootHubLine(), rootHubLine);
    QCOMPARE(chain.hubLines(), hubLines);
    QCOMPARE(chain.deviceName(), portPath);
    QCOMPARE(chain.deviceLine(), deviceLine);
}

void tst_UsbSysfsTree::defaultWorldEntries()
{
    const QStringList expected{"1-0:1.0",   "1-1",     "1-1:1.0",   "1-2",     "1-2.1",
                               "1-2.1:1.0", "1-2:1.0", "1-3",       "1-3.2",   "1-3.2:1.0",
                               "1-3:1.0",   "1-4",     "1-4:1.0",   "2-0:1.0", "2-1",
                               "2-1:1.0",   "2-2",     "2-2:1.0",   "2-3",     "2-3:1.0",
                               "2-4",       "2-4.1",   "2-4.1:1.0", "2-4:1.0", "2-5",
                               "2-5:1.0",   "2-5:1.1", "2-5:1.2",   "usb1",    "usb2"};
    const vysim::UsbSysfsTree tree(worldDevices());
    QCOMPARE(tree.entryNames(), expected);
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QVERIFY(tree.write(fixture.root(), nullptr));
    QStringList written =
        QDir(fixture.devices()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    written.sort();
    QCOMPARE(written, expected);

    UsbTopology topology(m_fake);
    topology.rescan();
    QCOMPARE(topology.devices().size(), 12);
    QCOMPARE(topology.interfaces().size(), 16);
    for (const UsbDevice *device : topology.devices()) {
        QVERIFY2(device->parent() || device->rootHub(), qPrintable(device->name()));
        QCOMPARE(device->interfaces().size(), device->name() == QLatin1String("2-5") ? 3 : 1);
        // Relative to the device's own directory, five levels below sys plus one per hub.
        const int depth = 5 + device->name().count(QLatin1Char('.'));
        QCOMPARE(device->driver(),
                 QStringLiteral("../").repeated(depth) + QStringLiteral("bus/usb/drivers/usb"));
    }
}

void tst_UsbSysfsTree::controllers()
{
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QVERIFY(vysim::UsbSysfsTree(worldDevices()).write(fixture.root(), nullptr));
    UsbTopology topology(m_fake);
    topology.rescan();
    const QVector<UsbHostController> controllers = topology.controllers();
    QCOMPARE(controllers.size(), 2);
    QCOMPARE(controllers.at(0).rootHubName(), QStringLiteral("usb1"));
    QCOMPARE(controllers.at(0).speed(), QStringLiteral("480"));
    QCOMPARE(controllers.at(1).rootHubName(), QStringLiteral("usb2"));
    QCOMPARE(controllers.at(1).speed(), QStringLiteral("5000"));
    for (const UsbHostController &controller : controllers)
        QCOMPARE(controller.description(),
                 QStringLiteral("Fresco Logic FL1100 USB 3.0 Host Controller"));

    // Without the database the controller is still found, only without names.
    UdevHwdb absent(QStringLiteral("libudev-not-installed.so.0"));
    UsbTopology plain(absent);
    plain.rescan();
    QCOMPARE(plain.controllers().at(0).description(), QStringLiteral(" "));
    QCOMPARE(plain.controllers().at(0).rootHubLine(), QStringLiteral("Bus 1 ID 1d6b:0002  "));
}

void tst_UsbSysfsTree::speeds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<uint>("deviceClass");
    QTest::newRow("superspeed_camera") << "2-1"
                                       << "5000" << 0u;
    QTest::newRow("usb3_camera_on_usb2_bus") << "1-3.2"
                                             << "480" << 0u;
    QTest::newRow("full_speed_camera") << "1-2.1"
                                       << "12" << 0u;
    QTest::newRow("usb2_hub") << "1-3"
                              << "480" << 9u;
    QTest::newRow("usb3_hub") << "2-4"
                              << "5000" << 9u;
    QTest::newRow("vision_device") << "2-5"
                                   << "5000" << 0xefu;
}

void tst_UsbSysfsTree::speeds()
{
    QFETCH(QString, name);
    QFETCH(QString, speed);
    QFETCH(uint, deviceClass);
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QVERIFY(vysim::UsbSysfsTree(worldDevices()).write(fixture.root(), nullptr));
    UsbTopology topology(m_fake);
    topology.rescan();
    const UsbDevice *found = nullptr;
    for (const UsbDevice *device : topology.devices())
        if (device->name() == name)
            found = device;
    QVERIFY(found);
    QCOMPARE(found->speed(), speed);
    QCOMPARE(found->deviceClass(), deviceClass);
}

void tst_UsbSysfsTree::networkCamerasHaveNoChain()
{
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QVERIFY(vysim::UsbSysfsTree(worldDevices()).write(fixture.root(), nullptr));
    UsbTopology topology(m_fake);
    topology.rescan();
    int network = 0;
    for (const Camera &camera : simworld::listedCameras()) {
        if (!camera.isEth())
            continue;
        ++network;
        QCOMPARE(camera.usbPortPath(), QString());
        QVERIFY(topology.chains(camera.usbPortPath()).isEmpty());
    }
    QVERIFY(network > 0);
}

void tst_UsbSysfsTree::treeFollowsWorld()
{
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QVERIFY(vysim::UsbSysfsTree(worldDevices()).write(fixture.root(), nullptr));
    UsbTopology topology(m_fake);
    topology.rescan();
    QCOMPARE(topology.chains("1-3.2").size(), 1);

    // Unplugged, the camera and the hub only it needed are gone; a camera moved shows at its
    // new place, behind a new hub.
    QCOMPARE(vysim_unplug(2), VY_SUCCESS);
    QCOMPARE(vysim_set_device_field(3, "usbPortPath", "\"6.3\"", nullptr, 0), VY_SUCCESS);
    vysim_sync();
    QString message;
    QVERIFY2(vysim::UsbSysfsTree(worldDevices()).write(fixture.root(), &message),
             qPrintable(message));
    QVERIFY(!QFileInfo::exists(fixture.sys() + QStringLiteral(".new")));
    QVERIFY(!QFileInfo::exists(fixture.sys() + QStringLiteral(".old")));
    topology.rescan();
    QVERIFY(topology.chains("1-3.2").isEmpty());
    QVERIFY(!QFileInfo::exists(fixture.devices() + QStringLiteral("/1-3")));
    QVERIFY(topology.chains("1-1").isEmpty());
    const QVector<UsbChain> moved = topology.chains("1-6.3");
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.at(0).hubNames(), QStringList{"1-6"});
}

void tst_UsbSysfsTree::badPortPathsSkipped()
{
    const QJsonArray devices = QJsonDocument::fromJson(R"([
        {"deviceId": 1, "usbBus": 1, "usbPortPath": "2"},
        {"deviceId": 2, "usbBus": 1, "usbPortPath": "2"},
        {"deviceId": 3, "usbBus": 1, "usbPortPath": "0.1"},
        {"deviceId": 4, "usbBus": 1, "usbPortPath": "1..2"},
        {"deviceId": 5, "usbBus": 1, "usbPortPath": "x"},
        {"deviceId": 6, "usbBus": 0, "usbPortPath": "3"},
        {"deviceId": 7, "usbBus": 1, "usbPortPath": ""},
        {"deviceId": 8, "usbBus": 1, "usbPortPath": "256"},
        {"deviceId": 9, "usbBus": "0x3", "usbPortPath": "1.2.3.4.5"}
    ])")
                                   .array();
    const vysim::UsbSysfsTree tree(devices);
    QCOMPARE(tree.entryNames(),
             (QStringList{"1-0:1.0", "1-2", "1-2:1.0", "2-0:1.0", "3-0:1.0", "3-1", "3-1.2",
                          "3-1.2.3", "3-1.2.3.4", "3-1.2.3.4.5", "3-1.2.3.4.5:1.0", "3-1.2.3.4:1.0",
                          "3-1.2.3:1.0", "3-1.2:1.0", "3-1:1.0", "usb1", "usb2", "usb3"}));
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    QVERIFY(tree.write(fixture.root(), nullptr));
    UsbTopology topology(m_fake);
    topology.rescan();
    const QVector<UsbChain> chains = topology.chains("3-1.2.3.4.5");
    QCOMPARE(chains.size(), 1);
    QCOMPARE(chains.at(0).hubNames(), (QStringList{"3-1.2.3.4", "3-1.2.3", "3-1.2", "3-1"}));
    // Bus 3 is the high-speed half of the second controller.
    QCOMPARE(chains.at(0).rootHubLine(),
             QStringLiteral("Bus 3 ID 1d6b:0002 Linux Foundation 2.0 root hub"));
}

void tst_UsbSysfsTree::refusals_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("system_root") << "root";
    QTest::newRow("empty_name") << "empty";
    QTest::newRow("foreign_sys_directory") << "foreign";
    QTest::newRow("sys_is_a_file") << "file";
}

void tst_UsbSysfsTree::refusals()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const vysim::UsbSysfsTree tree(worldDevices());
    QString message;
    QString root = dir.path();
    if (what == QLatin1String("root"))
        root = QStringLiteral("/");
    else if (what == QLatin1String("empty"))
        root = QString();
    else if (what == QLatin1String("foreign"))
        QVERIFY(SysfsFixture::writeFile(dir.path() + QStringLiteral("/sys/keep"), "mine\n") ||
                (QDir().mkpath(dir.path() + QStringLiteral("/sys")) &&
                 SysfsFixture::writeFile(dir.path() + QStringLiteral("/sys/keep"), "mine\n")));
    else if (what == QLatin1String("file"))
        QVERIFY(SysfsFixture::writeFile(dir.path() + QStringLiteral("/sys"), "mine\n"));
    QVERIFY(!tree.write(root, &message));
    QVERIFY(!message.isEmpty());
    if (what == QLatin1String("foreign")) {
        QVERIFY(QFileInfo::exists(dir.path() + QStringLiteral("/sys/keep")));
        QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/sys/bus")));
    }
    if (what == QLatin1String("file"))
        QVERIFY(QFileInfo(dir.path() + QStringLiteral("/sys")).isFile());
}

void tst_UsbSysfsTree::vyrosimSysroot()
{
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    SysfsFixture fixture(SysfsFixture::Layout::Empty);
    const Run written = vyrosim({"sysroot", fixture.root()});
    QCOMPARE(written.exitCode, 0);
    QCOMPARE(written.out.trimmed(), QFile::encodeName(fixture.devices()));
    UsbTopology topology(m_fake);
    topology.rescan();
    QCOMPARE(topology.chains("1-2.1").size(), 1);

    // With VYRO_SYSROOT naming the tree, a change of the world rewrites it.
    QCOMPARE(vyrosim({"unplug", "7"}, fixture.root()).exitCode, 0);
    topology.rescan();
    QVERIFY(topology.chains("1-2.1").isEmpty());
    // Without it, the tree stays as it is.
    QCOMPARE(vyrosim({"set", "1", "usbPortPath", "\"7\""}).exitCode, 0);
    topology.rescan();
    QCOMPARE(topology.chains("2-1").size(), 1);
    QVERIFY(topology.chains("2-7").isEmpty());

    QCOMPARE(vyrosim({"sysroot"}).exitCode, 2);
    const Run refused = vyrosim({"sysroot", "/"});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY(refused.err.contains("refusing"));
}

QTEST_GUILESS_MAIN(tst_UsbSysfsTree)
#include "tst_usbsysfstree.moc"

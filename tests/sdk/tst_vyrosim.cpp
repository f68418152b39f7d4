// vyrosim, the command-line tool over the shared world: its commands, messages and exit codes,
// and that the running test process sees what it changes.
#include "tests/sdk/simtest.h"
#include "tests/support/smalldisk.h"
#include "tests/support/testmain.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <QTemporaryDir>

#include "vyro_version.h"

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run vyrosim(const QStringList &arguments,
            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), arguments);
    Run r;
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class tst_Vyrosim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VYROSIM"))
            QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    }
    void init() { simtest::resetWorld(); }

    void answersWithoutWorld_data();
    void answersWithoutWorld();
    void listsDefaultWorld();
    void errors_data();
    void errors();
    void setIsSeenHere();
    void plugPreset();
    void daemonAndDriver();
    void worldAndReset();
    void burstOfPlugsAndUnplugs();
    void fullDisk_data();
    void fullDisk();
};

// Help and version answer on the terminal, exit 0 and neither read nor create a state directory;
// no arguments at all is a usage error.
void tst_Vyrosim::answersWithoutWorld_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const QByteArray usage("usage: vyrosim <command>");
    const QByteArray version("vyrosim " VYRO_SDK_VERSION_TEXT "\n");
    QTest::newRow("long_help") << QStringList{"--help"} << 0 << usage << QByteArray();
    QTest::newRow("short_help") << QStringList{"-h"} << 0 << usage << QByteArray();
    QTest::newRow("help_command") << QStringList{"help"} << 0 << usage << QByteArray();
    QTest::newRow("long_version") << QStringList{"--version"} << 0 << version << QByteArray();
    QTest::newRow("short_version") << QStringList{"-V"} << 0 << version << QByteArray();
    QTest::newRow("nothing") << QStringList() << 2 << QByteArray() << usage;
}

void tst_Vyrosim::answersWithoutWorld()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString home = scratch.filePath(QStringLiteral("simhome"));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VYRO_SIM_HOME"), home);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), arguments);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), exitCode);
    const QByteArray stdOut = p.readAllStandardOutput();
    const QByteArray stdErr = p.readAllStandardError();
    if (out.isEmpty())
        QVERIFY(stdOut.isEmpty());
    else
        QVERIFY2(stdOut.startsWith(out), stdOut.constData());
    if (err.isEmpty())
        QVERIFY(stdErr.isEmpty());
    else
        QVERIFY2(stdErr.startsWith(err), stdErr.constData());
    QVERIFY(!QFileInfo::exists(home));
}

void tst_Vyrosim::listsDefaultWorld()
{
    const Run r = vyrosim({"list"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("19 device(s)"));
    QVERIFY(r.out.contains("VY-KX5240SE-M-GL"));
    QVERIFY(r.out.contains("gige-bootboost"));
    // In use: the two cameras the world marks, plus one this process opens.
    VY_HCAM h = 1 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    const Run again = vyrosim({"list"});
    const QList<QByteArray> lines = again.out.split('\n');
    int inUse = 0;
    for (const QByteArray &line : lines)
        inUse += line.simplified().split(' ').value(3) == "yes";
    QCOMPARE(inUse, 3);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
}

void tst_Vyrosim::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no command") << QStringList() << 2 << QByteArray("usage");
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << 2 << QByteArray("unknown command \"frobnicate\"");
    QTest::newRow("unplug unknown")
        << QStringList{"unplug", "4242"} << 1 << QByteArray("no device with ID 4242");
    QTest::newRow("unplug not a number")
        << QStringList{"unplug", "abc"} << 2 << QByteArray("not a device ID");
    QTest::newRow("set unknown field") << QStringList{"set", "1001", "colour", "red"} << 1
                                       << QByteArray("unknown field \"colour\"");
    QTest::newRow("set wrong type") << QStringList{"set", "1001", "cameraId", "one"} << 1
                                    << QByteArray("\"cameraId\" must be an integer");
    QTest::newRow("set missing value")
        << QStringList{"set", "1001", "cameraId"} << 2 << QByteArray("wrong arguments");
    QTest::newRow("plug bad json")
        << QStringList{"plug", "{\"deviceId\": "} << 1 << QByteArray("not a JSON value");
    QTest::newRow("plug taken id")
        << QStringList{"plug", "{\"deviceId\": 1}"} << 1 << QByteArray("already plugged in");
    QTest::newRow("plug unknown preset")
        << QStringList{"plug", "toaster"} << 2 << QByteArray("no preset \"toaster\"");
    QTest::newRow("daemon bad") << QStringList{"daemon", "usb", "pause"} << 2
                                << QByteArray("wrong arguments");
    QTest::newRow("load missing file")
        << QStringList{"load", "/nonexistent/w.json"} << 1 << QByteArray("/nonexistent/w.json");
}

void tst_Vyrosim::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    const Run r = vyrosim(arguments);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message), r.err.constData());
    // Nothing changed.
    vysim_sync();
    QCOMPARE(simtest::cameraList().size(), size_t(19));
}

void tst_Vyrosim::setIsSeenHere()
{
    QCOMPARE(vyrosim({"set", "1001", "deviceStatus", "0x100"}).exitCode, 0);
    QCOMPARE(vyrosim({"set", "1001", "model", "VY-RENAMED"}).exitCode, 0);
    QCOMPARE(vyrosim({"set", "1001", "inUse", "true"}).exitCode, 0);
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(1001)), 1u);
    for (const auto &e : simtest::cameraList())
        if (e.deviceId == 1001)
            QCOMPARE(QByteArray(e.model), QByteArray("VY-RENAMED"));
    VY_DEVICE_INFO info;
    QCOMPARE(vy_DeviceInfo(1001 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info), VY_SUCCESS);
    QCOMPARE(info.device.deviceStatus, 0x100u);
}

void tst_Vyrosim::plugPreset()
{
    Run r = vyrosim({"plug", "gige-ready"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains("as device 1009"), r.out.constData());
    r = vyrosim({"plug", "usb3-5000", "321"});
    QCOMPARE(r.exitCode, 0);
    vysim_sync();
    QVERIFY(simtest::listed(1009));
    QVERIFY(simtest::listed(321));
    // The copy has a serial of its own.
    QByteArray serial1001, serial1009;
    for (const auto &e : simtest::cameraList()) {
        if (e.deviceId == 1001)
            serial1001 = QByteArray(e.serialNumber, 16);
        if (e.deviceId == 1009)
            serial1009 = QByteArray(e.serialNumber, 16);
    }
    QVERIFY(serial1001 != serial1009);
    QCOMPARE(vyrosim({"presets"}).exitCode, 0);
}

void tst_Vyrosim::daemonAndDriver()
{
    QCOMPARE(vyrosim({"daemon", "eth", "stop"}).exitCode, 0);
    QTRY_COMPARE((vysim_sync(), vy_Func(0, VY_FUNC_ETH_DAEMON_INFO, nullptr, 0)), VY_NO_DAEMON);
    QCOMPARE(vyrosim({"daemon", "eth", "start"}).exitCode, 0);
    QTRY_COMPARE((vysim_sync(), vy_Func(0, VY_FUNC_ETH_DAEMON_INFO, nullptr, 0)), VY_SUCCESS);
    QCOMPARE(vyrosim({"set", "driver", "libraryVersion", "4.80.3"}).exitCode, 0);
    QTRY_COMPARE((vysim_sync(), vy_GetDLLVersion()), 0x04500003u);
}

void tst_Vyrosim::worldAndReset()
{
    QCOMPARE(vyrosim({"unplug", "1"}).exitCode, 0);
    const Run w = vyrosim({"world"});
    QCOMPARE(w.exitCode, 0);
    const QJsonObject world = QJsonDocument::fromJson(w.out).object();
    QCOMPARE(world.value("devices").toArray().size(), 18);
    // The printed world loads as a world file.
    QTemporaryDir dir;
    QFile file(dir.filePath("saved.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(w.out);
    file.close();
    QCOMPARE(vyrosim({"reset"}).exitCode, 0);
    vysim_sync();
    QCOMPARE(simtest::cameraList().size(), size_t(19));
    QCOMPARE(vyrosim({"load", file.fileName()}).exitCode, 0);
    vysim_sync();
    QCOMPARE(simtest::cameraList().size(), size_t(18));
    QVERIFY(!simtest::listed(1));
}

// Many changes from another process in a short time: no crash, events keep coming, and the
// final list is right.
void tst_Vyrosim::burstOfPlugsAndUnplugs()
{
    simtest::enableEvents(0, {130, 129});
    QList<QProcess *> running;
    for (int i = 0; i < 20; ++i) {
        auto *p = new QProcess(this);
        const QString id = QString::number(1100 + i);
        p->start("sh", {"-c", QStringLiteral("\"$VYROSIM\" plug '{\"deviceId\": %1}' && "
                                             "\"$VYROSIM\" unplug %1 && "
                                             "\"$VYROSIM\" plug '{\"deviceId\": %1}'")
                                  .arg(id)});
        running.append(p);
    }
    int events = 0;
    for (QProcess *p : running) {
        QVERIFY(p->waitForFinished(30000));
        QCOMPARE(p->exitCode(), 0);
        uint32_t signalled = 0;
        if (simtest::waitFor(0, {130, 129}, 0, &signalled) == VY_SUCCESS)
            ++events;
    }
    uint32_t signalled = 0;
    QTRY_COMPARE((vysim_sync(), simtest::cameraList().size()), size_t(39));
    if (simtest::waitFor(0, {130, 129}, 1000, &signalled) == VY_SUCCESS)
        ++events;
    QVERIFY(events > 0);
    qDeleteAll(running);
    simtest::removeEvents(0, {130, 129});
}

// On a full disk a world change and the simulated installation fail with the reason and leave
// what was written before as it was.
void tst_Vyrosim::fullDisk_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("world change") << QStringList{"set", "1001", "model", "VY-FULL"};
    QTest::newRow("installation") << QStringList{"sysroot", "root"};
}

void tst_Vyrosim::fullDisk()
{
    QFETCH(QStringList, arguments);
    SmallDisk disk(64);
    if (!disk.isReady())
        QSKIP(qPrintable(disk.problem()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VYRO_SIM_HOME", disk.filePath("sim"));
    QCOMPARE(vyrosim({"list"}, env).exitCode, 0);
    QFile state(disk.filePath("sim/state.json"));
    QVERIFY(state.open(QIODevice::ReadOnly));
    const QByteArray before = state.readAll();
    state.close();
    QVERIFY(disk.fill());
    if (arguments.first() == "sysroot")
        arguments.last() = disk.filePath(arguments.last());
    const Run r = vyrosim(arguments, env);
    QVERIFY(r.exitCode != 0);
    QVERIFY2(r.err.contains("No space left on device"), r.err.constData());
    QVERIFY(state.open(QIODevice::ReadOnly));
    QCOMPARE(state.readAll(), before);
}

VYRO_TEST_GUILESS_MAIN(tst_Vyrosim)
#include "tst_vyrosim.moc"

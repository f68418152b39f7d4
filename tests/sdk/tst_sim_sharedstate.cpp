// The shared state directory tampered with while programs run: pipes, devices, garbage and
// oversized files in place of the state, a read-only or deleted directory, and world texts the
// SDK's char fields cannot carry.
#include "tests/sdk/simholder.h"
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using simtest::Holder;

namespace {

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// vyrosim on this test's state directory, or on another one.
Run vyrosim(const QStringList &arguments, const QString &stateDirectory = QString())
{
    QProcess p;
    if (!stateDirectory.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VYRO_SIM_HOME"), stateDirectory);
        p.setProcessEnvironment(env);
    }
    p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), arguments);
    Run r;
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit) {
        if (p.state() == QProcess::Running && p.processId() > 0) {
            p.kill();
            p.waitForFinished(5000);
        }
        return r;
    }
    r.finished = true;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString home()
{
    return QFile::decodeName(qgetenv("VYRO_SIM_HOME"));
}

QString stateFile()
{
    return home() + QStringLiteral("/state.json");
}

// Whether vyrosim list's table has a row for the device.
bool shows(const QByteArray &table, int deviceId)
{
    for (const QByteArray &line : table.split('\n'))
        if (line.simplified().split(' ').value(0) == QByteArray::number(deviceId))
            return true;
    return false;
}

// Puts what make creates at the path it is given in the state file's place in one step: this
// program writes a state file that has gone missing again, so it must never see it missing.
bool replaceState(const std::function<bool(const QString &path)> &make)
{
    const QString staged = stateFile() + QStringLiteral(".staged");
    if (!make(staged))
        return false;
    if (::renameat2(AT_FDCWD, QFile::encodeName(staged).constData(), AT_FDCWD,
                    QFile::encodeName(stateFile()).constData(), RENAME_EXCHANGE) != 0)
        return false;
    return QFile::remove(staged); // the former state file
}

bool makePipe(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// The generation the state file carries in its first member; 0 when it has none.
quint64 generation()
{
    QFile f(stateFile());
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = f.read(64);
    const QByteArray prefix("{\"generation\":");
    if (!head.startsWith(prefix))
        return 0;
    return head.mid(prefix.size()).split(',').value(0).toULongLong();
}

QByteArray lastProblem()
{
    char text[512] = {};
    vysim_last_problem(text, sizeof text);
    return QByteArray(text);
}

void makeWritable(const QString &directory)
{
    ::chmod(QFile::encodeName(directory).constData(), 0755);
}

} // namespace

class tst_SimSharedState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VYROSIM") || home().isEmpty())
            QSKIP("VYROSIM and VYRO_SIM_HOME come from ctest");
    }
    void init() { simtest::resetWorld(); }
    void cleanup()
    {
        makeWritable(home());
        QDir().mkpath(home());
        for (const QString &name : QDir(home()).entryList(QDir::Files | QDir::NoDotAndDotDot))
            ::chmod(QFile::encodeName(home() + QLatin1Char('/') + name).constData(), 0644);
        QFile::remove(stateFile());
        QDir(stateFile() + QStringLiteral(".tmp")).removeRecursively();
        QDir(stateFile()).removeRecursively();
        QVERIFY(SimWorld::reset());
    }

    void namedPipeNeverBlocks();
    void nonRegularStateRefused_data();
    void nonRegularStateRefused();
    void damagedStateKeepsLastGoodWorld_data();
    void damagedStateKeepsLastGoodWorld();
    void badGenerationIsDamage_data();
    void badGenerationIsDamage();
    void inUseOutlivesTampering_data();
    void inUseOutlivesTampering();
    void unwritableStateNamesReason();
    void unrepresentableTextsRefused_data();
    void unrepresentableTextsRefused();
    void unrepresentableWorldFileRefused();
};

void tst_SimSharedState::namedPipeNeverBlocks()
{
    QVERIFY(replaceState(makePipe));
    // Would wait for a writer forever if the pipe were opened for reading.
    vysim_sync();
    QVERIFY(simtest::listed(2));
    QCOMPARE(vysim_unplug(5), VY_SUCCESS);
    QVERIFY(!simtest::listed(5));

    QVERIFY(replaceState(makePipe));
    const Run list = vyrosim({"list"});
    QVERIFY(list.finished);
    QCOMPARE(list.exitCode, 0);
    QVERIFY2(list.err.contains(QFile::encodeName(stateFile()) + " could not be read: it is not a "
                                                                "regular file"),
             list.err.constData());

    // A valid file is back: changes made elsewhere are seen again.
    const Run unplug = vyrosim({"unplug", "2"});
    QCOMPARE(unplug.exitCode, 0);
    QTRY_VERIFY((vysim_sync(), !simtest::listed(2)));
}

void tst_SimSharedState::nonRegularStateRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("endless device") << "device" << QByteArray("is not a regular file");
    QTest::newRow("directory") << "directory" << QByteArray("is a folder");
    QTest::newRow("oversized file") << "oversized" << QByteArray("is larger than");
}

void tst_SimSharedState::nonRegularStateRefused()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, reason);
    QCOMPARE(vysim_unplug(5), VY_SUCCESS);
    QVERIFY(replaceState([&kind](const QString &path) {
        if (kind == QLatin1String("device"))
            return QFile::link(QStringLiteral("/dev/zero"), path);
        if (kind == QLatin1String("directory"))
            return QDir().mkdir(path);
        QFile big(path);
        return big.open(QIODevice::WriteOnly) &&
               big.write("{\"generation\":1,\"world\":{\"devices\":[\"") > 0 &&
               big.resize(qint64(64) * 1024 * 1024); // sparse: costs no disk
    }));

    vysim_sync();
    QVERIFY(!simtest::listed(5)); // the last good world stays here

    const Run list = vyrosim({"list"});
    QVERIFY(list.finished);
    QCOMPARE(list.exitCode, 0);
    QVERIFY2(list.err.contains(QFile::encodeName(stateFile()) + " could not be read: it " + reason),
             list.err.constData());
    QVERIFY(!list.err.contains("bad_alloc"));
    QVERIFY(list.out.contains("device(s)"));

    QFile::remove(stateFile());
    QDir(stateFile()).removeRecursively();
    const Run load = vyrosim({"load", "/dev/zero"});
    QVERIFY(load.finished);
    QCOMPARE(load.exitCode, 1);
    QVERIFY2(load.err.contains("/dev/zero could not be read: it is not a regular file"),
             load.err.constData());
}

void tst_SimSharedState::damagedStateKeepsLastGoodWorld_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("running"); // this program holds the world meanwhile
    QTest::newRow("garbage") << "garbage" << true;
    QTest::newRow("truncated") << "truncated" << true;
    QTest::newRow("unreadable") << "unreadable" << true;
    QTest::newRow("deleted") << "deleted" << true;
    QTest::newRow("deleted, nobody running") << "deleted" << false;
}

void tst_SimSharedState::damagedStateKeepsLastGoodWorld()
{
    QFETCH(QString, damage);
    QFETCH(bool, running);
    if (damage == QLatin1String("unreadable") && ::geteuid() == 0)
        QSKIP("root reads a file of mode 000");
    // Nobody running: a state directory of its own that only vyrosim processes use.
    QTemporaryDir other;
    const QString directory = running ? home() : other.path();
    const QString state = directory + QStringLiteral("/state.json");
    QCOMPARE(vyrosim({"unplug", "5"}, directory).exitCode, 0);
    QCOMPARE(vyrosim({"unplug", "2"}, directory).exitCode, 0);
    if (running)
        vysim_sync();

    if (damage == QLatin1String("garbage")) {
        put(state, "\x01\x02 not json");
    } else if (damage == QLatin1String("truncated")) {
        QFile f(state);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() / 2));
    } else if (damage == QLatin1String("unreadable")) {
        QCOMPARE(::chmod(QFile::encodeName(state).constData(), 0), 0);
    } else {
        QVERIFY(QFile::remove(state));
    }
    if (running) {
        vysim_sync();
        QVERIFY(!simtest::listed(5));
        QVERIFY(simtest::listed(1));
        // A deleted state is written again at once by the program that holds the world.
        if (damage == QLatin1String("deleted"))
            QVERIFY(QFile::exists(state));
    }

    // A program starting now finds the good world, not the default one, and says so.
    const Run list = vyrosim({"list"}, directory);
    QCOMPARE(list.exitCode, 0);
    QVERIFY2(shows(list.out, 1) && !shows(list.out, 2) && !shows(list.out, 5),
             list.out.constData());
    if (!running || damage != QLatin1String("deleted"))
        QVERIFY2(list.err.contains(QFile::encodeName(state)) &&
                     list.err.contains("restored the last good world"),
                 list.err.constData());
}

void tst_SimSharedState::badGenerationIsDamage_data()
{
    QTest::addColumn<QByteArray>("value"); // the state file's generation; empty: the lock's
    QTest::newRow("negative") << QByteArray("-1");
    QTest::newRow("huge") << QByteArray("1e300");
    QTest::newRow("fraction") << QByteArray("2.5");
    QTest::newRow("not a number") << QByteArray("\"NaN\"");
    QTest::newRow("lock all ones") << QByteArray();
}

// A generation that is not a whole number in range is damage: its world is not taken, and the
// count goes on from the last good generation instead of wrapping to 0.
void tst_SimSharedState::badGenerationIsDamage()
{
    QFETCH(QByteArray, value);
    QCOMPARE(vysim_unplug(5), VY_SUCCESS);
    const quint64 before = generation();
    if (value.isEmpty()) {
        QFile lock(home() + QStringLiteral("/state.lock"));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QCOMPARE(lock.write(QByteArray(8, '\xFF')), qint64(8));
    } else {
        put(stateFile(), "{\"generation\":" + value + ",\"source\":\"default\",\"world\":{}}");
    }
    vysim_sync();
    QVERIFY(simtest::listed(1));
    QVERIFY(!simtest::listed(5));
    QCOMPARE(vysim_unplug(1), VY_SUCCESS);
    QCOMPARE(generation(), before + 1);
}

void tst_SimSharedState::inUseOutlivesTampering_data()
{
    QTest::addColumn<QString>("tampering");
    QTest::newRow("files read-only") << "files read-only";
    QTest::newRow("directory read-only") << "directory read-only";
    QTest::newRow("directory deleted") << "directory deleted";
}

void tst_SimSharedState::inUseOutlivesTampering()
{
    QFETCH(QString, tampering);
    Holder holder(2);
    QVERIFY(holder.answer().startsWith("opened"));
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(2)), 1u);

    if (tampering == QLatin1String("directory deleted")) {
        // Gone at once (this program makes it again as soon as it misses the state file).
        const QString gone = home() + QStringLiteral(".gone");
        QVERIFY(QDir().rename(home(), gone));
        QVERIFY(QDir(gone).removeRecursively());
    } else {
        const QStringList entries =
            QDir(home()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &name : entries)
            ::chmod(QFile::encodeName(home() + QLatin1Char('/') + name).constData(), 0444);
        if (tampering == QLatin1String("directory read-only"))
            ::chmod(QFile::encodeName(home()).constData(), 0555);
    }

    const Run list = vyrosim({"list"});
    QCOMPARE(list.exitCode, 0);
    bool shownInUse = false;
    for (const QByteArray &line : list.out.split('\n')) {
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.value(0) == "2")
            shownInUse = columns.value(3) == "yes";
    }
    QVERIFY2(shownInUse, list.out.constData());
    vysim_sync();
    QCOMPARE(simtest::listedInUse(2), 1u);
    VY_HCAM h = 2 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_DEVICE_IN_USE);

    holder.closeNormally();
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(2)), 0u);
}

void tst_SimSharedState::unwritableStateNamesReason()
{
    // A directory in the state's place fails the write even for root, whom a read-only
    // directory does not stop.
    QVERIFY(replaceState([](const QString &path) {
        return QDir().mkdir(path) &&
               QFile(path + QStringLiteral("/keep")).open(QIODevice::WriteOnly);
    }));
    ::chmod(QFile::encodeName(home()).constData(), 0555);
    const QByteArray expected = "cannot write the state: The file " + QFile::encodeName(home());

    const Run unplug = vyrosim({"unplug", "2"});
    QCOMPARE(unplug.exitCode, 1);
    QVERIFY2(unplug.err.contains(expected), unplug.err.constData());
    QVERIFY(!unplug.err.contains("no device"));

    const Run daemon = vyrosim({"daemon", "usb", "stop"});
    QCOMPARE(daemon.exitCode, 1);
    QVERIFY2(daemon.err.contains(expected), daemon.err.constData());

    // The same through the controls of this process.
    QCOMPARE(vysim_unplug(2), VY_IO_REQUEST_FAILED);
    QVERIFY2(lastProblem().startsWith(expected), lastProblem().constData());
    QVERIFY(simtest::listed(2));
    // A device that is really missing is still told apart.
    QCOMPARE(vysim_unplug(777), VY_CAMERA_NOT_FOUND);
    QCOMPARE(lastProblem(), QByteArray("no device with ID 777"));
    makeWritable(home());
    QVERIFY(QDir(stateFile()).removeRecursively());
    QCOMPARE(vysim_unplug(2), VY_SUCCESS);
    QVERIFY(lastProblem().isEmpty());
}

void tst_SimSharedState::unrepresentableTextsRefused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("detail");
    QTest::newRow("set: lone high surrogate")
        << "set" << QByteArray("model") << QByteArray("\"VY\\ud800\"")
        << QByteArray("without unpaired surrogates");
    QTest::newRow("set: lone low surrogate")
        << "set" << QByteArray("label") << QByteArray("\"\\udc00x\"")
        << QByteArray("without unpaired surrogates");
    QTest::newRow("set: embedded NUL")
        << "set" << QByteArray("serialNumber") << QByteArray("\"AB\\u0000CD\"")
        << QByteArray("without NUL characters");
    QTest::newRow("set: too long")
        << "set" << QByteArray("model") << QByteArray("\"12345678901234567\"")
        << QByteArray("of at most 16 bytes");
    QTest::newRow("set: too long in UTF-8") << "set" << QByteArray("model")
                                            << QByteArray("\"\\u00e4\\u00e4\\u00e4\\u00e4\\u00e4"
                                                          "\\u00e4\\u00e4\\u00e4\\u00e4\"")
                                            << QByteArray("of at most 16 bytes");
    QTest::newRow("plug: embedded NUL")
        << "plug" << QByteArray("serialNumber") << QByteArray("\"X\\u0000\"")
        << QByteArray("without NUL characters");
    QTest::newRow("plug: lone surrogate")
        << "plug" << QByteArray("fullModelName") << QByteArray("\"\\ud83d\"")
        << QByteArray("without unpaired surrogates");
    QTest::newRow("world: embedded NUL")
        << "world" << QByteArray("model") << QByteArray("\"\\u0000\"")
        << QByteArray("without NUL characters");
    QTest::newRow("vyrosim set: lone surrogate")
        << "vyrosim" << QByteArray("model") << QByteArray("\"a\\ud800\"")
        << QByteArray("without unpaired surrogates");
    QTest::newRow("driver: embedded NUL")
        << "driver" << QByteArray("usbDaemonVersion") << QByteArray("\"1\\u0000\"")
        << QByteArray("without NUL characters");
}

void tst_SimSharedState::unrepresentableTextsRefused()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, detail);
    const quint64 before = generation();
    char message[512] = {};
    int32_t r = VY_SUCCESS;
    QByteArray text;
    if (how == QLatin1String("set")) {
        r = vysim_set_device_field(2, field.constData(), json.constData(), message, sizeof message);
    } else if (how == QLatin1String("driver")) {
        r = vysim_set_driver_field(field.constData(), json.constData(), message, sizeof message);
    } else if (how == QLatin1String("plug")) {
        const QByteArray device = "{\"deviceId\":77,\"" + field + "\":" + json + "}";
        r = vysim_plug(device.constData(), message, sizeof message);
    } else if (how == QLatin1String("world")) {
        const QByteArray world = "{\"devices\":[{\"deviceId\":1,\"" + field + "\":" + json + "}]}";
        r = vysim_load_world_json(world.constData(), message, sizeof message);
    } else {
        const Run set =
            vyrosim({"set", "2", QString::fromLatin1(field), QString::fromLatin1(json)});
        r = set.exitCode == 1 ? VY_INVALID_PARAMETER : VY_SUCCESS;
        std::strncpy(message, set.err.constData(), sizeof message - 1);
    }
    text = message;
    QCOMPARE(r, VY_INVALID_PARAMETER);
    QVERIFY2(text.contains("field \"" + field + "\""), text.constData());
    QVERIFY2(text.contains(detail), text.constData());
    QCOMPARE(generation(), before); // nothing was written
    QVERIFY(!simtest::listed(77));
}

void tst_SimSharedState::unrepresentableWorldFileRefused()
{
    const QString path = home() + QStringLiteral("/bad-world.json");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write("{\"devices\":[{\"deviceId\":3,\"label\":\"cam\\ud800\"}]}") > 0);
    }
    const Run load = vyrosim({"load", path});
    QCOMPARE(load.exitCode, 1);
    QVERIFY2(load.err.contains("field \"label\""), load.err.constData());
    QVERIFY(load.err.contains(QFile::encodeName(path)));
    QFile::remove(path);
    QVERIFY(simtest::listed(1));
}

VYRO_TEST_GUILESS_MAIN(tst_SimSharedState)
#include "tst_sim_sharedstate.moc"

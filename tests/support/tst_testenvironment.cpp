// tst_testenvironment.cpp: every test program keeps away from the user's settings, data and
// simulator state, whether CTest starts it or a developer runs it by hand.
#include <QDirIterator>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/testmain.h"

namespace {

// Every file and directory below path, relative to it.
QStringList contents(const QString &path)
{
    QStringList names;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(path).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace

class tst_TestEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void ownProcessIsolated();
    void runByHand_data();
    void runByHand();
    void runByCTest();
};

// This program itself went through the main function under test.
void tst_TestEnvironment::ownProcessIsolated()
{
    const QString own = TestEnvironment::directory();
    QVERIFY(!own.isEmpty());
    QVERIFY(!qEnvironmentVariableIsEmpty("VYRO_SIM_HOME"));
    QVERIFY(qEnvironmentVariableIsEmpty("VYRO_SIM_WORLD"));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        QVERIFY2(qEnvironmentVariable(name).startsWith(own), name);
    QVERIFY(QStandardPaths::isTestModeEnabled());
    const QSettings settings(QStringLiteral("Orv"), QStringLiteral("Zentara"));
    QVERIFY2(settings.fileName().startsWith(own), qPrintable(settings.fileName()));
}

void tst_TestEnvironment::runByHand_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    // Each writes what it isolates: the window its settings, all of them the simulator state.
    QTest::newRow("main window settings")
        << TST_QVYROZENTARA << QStringList{"settingsSavedOnDestruction", "settingsRestore"};
    QTest::newRow("simulator world") << TST_SIM_WORLD << QStringList{"setField"};
    QTest::newRow("editor camera") << TST_EDITORCAMERA << QStringList{"openStreamClose"};
}

// A developer starts one test program in a shell without VYRO_SIM_HOME: the simulator state
// it would find by default ($XDG_DATA_HOME/vyrosim, else ~/.local/share/vyrosim), the settings
// and the caches all stay untouched, and the program removes what it wrote.
void tst_TestEnvironment::runByHand()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QTemporaryDir home;
    QTemporaryDir temp;
    QVERIFY(home.isValid() && temp.isValid());
    // Something the user already has: a simulator state of their own.
    const QString userState = home.filePath(QStringLiteral(".local/share/vyrosim"));
    QVERIFY(QDir().mkpath(userState));
    QFile state(userState + QStringLiteral("/marker"));
    QVERIFY(state.open(QIODevice::WriteOnly));
    state.write("the user's own");
    state.close();
    const QStringList before = contents(home.path());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"VYRO_SIM_HOME", "VYRO_SIM_WORLD", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    QVERIFY2(process.waitForFinished(120000), qPrintable(program));
    const QByteArray output = process.readAll();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, output.constData());

    QCOMPARE(contents(home.path()), before);
    QCOMPARE(contents(temp.path()), QStringList());
}

// Under CTest the state directory the runner names is the one the program uses.
void tst_TestEnvironment::runByCTest()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString simHome = dir.filePath(QStringLiteral("simhome"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("VYRO_SIM_HOME"), simHome);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(TST_SIM_WORLD), {QStringLiteral("setField")});
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitCode() == 0, process.readAll().constData());
    QVERIFY(QFile::exists(simHome + QStringLiteral("/state.json")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("home"))));
}

VYRO_TEST_GUILESS_MAIN(tst_TestEnvironment)
#include "tst_testenvironment.moc"

// tst_systempaths.cpp: system paths and programs as they are, and relocated below VYRO_SYSROOT.
#include <QtTest>

#include "vyrokit/systempaths.h"

using vyrokit::SystemPaths;

namespace {

// Sets or clears a variable for one test and puts the previous state back.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value, bool set)
        : m_name(name), m_hadValue(qEnvironmentVariableIsSet(name)), m_value(qgetenv(name))
    {
        if (set)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~ScopedVariable()
    {
        if (m_hadValue)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_hadValue;
    QByteArray m_value;
};

} // namespace

class tst_SystemPaths : public QObject
{
    Q_OBJECT
private slots:
    void path_data();
    void path();
    void relativeRoot();
    void program_data();
    void program();
};

void tst_SystemPaths::path_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<QString>("systemPath");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unset") << false << QByteArray() << "/sys/bus/usb/devices"
                           << "/sys/bus/usb/devices";
    QTest::newRow("empty") << true << QByteArray() << "/sys/bus/usb/devices"
                           << "/sys/bus/usb/devices";
    QTest::newRow("slash_is_real_system") << true << QByteArray("/") << "/proc/net/arp"
                                          << "/proc/net/arp";
    QTest::newRow("relocated") << true << QByteArray("/tmp/simroot") << "/sys/bus/usb/devices"
                               << "/tmp/simroot/sys/bus/usb/devices";
    QTest::newRow("root_trailing_slash")
        << true << QByteArray("/tmp/simroot/") << "/etc/orv/vyro/vyroethd.conf"
        << "/tmp/simroot/etc/orv/vyro/vyroethd.conf";
    QTest::newRow("path_cleaned") << true << QByteArray("/tmp/simroot") << "/sys//bus/./usb/"
                                  << "/tmp/simroot/sys/bus/usb";
    QTest::newRow("no_escape_upwards") << true << QByteArray("/tmp/simroot") << "/../etc/passwd"
                                       << "/tmp/simroot/etc/passwd";
    QTest::newRow("relative_unchanged") << true << QByteArray("/tmp/simroot") << "lang/zentara"
                                        << "lang/zentara";
}

void tst_SystemPaths::path()
{
    QFETCH(bool, set);
    QFETCH(QByteArray, root);
    QFETCH(QString, systemPath);
    QFETCH(QString, expected);
    const ScopedVariable variable(SystemPaths::rootVariable(), root, set);
    QCOMPARE(SystemPaths::path(systemPath), expected);
}

void tst_SystemPaths::relativeRoot()
{
    const ScopedVariable variable(SystemPaths::rootVariable(), "simroot", true);
    QCOMPARE(SystemPaths::root(), QDir::current().absoluteFilePath("simroot"));
    QCOMPARE(SystemPaths::path("/sys"), QDir::current().absoluteFilePath("simroot/sys"));
}

void tst_SystemPaths::program_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("found_in_path") << false << "fakeprogram"
                                   << "%1/bin/fakeprogram";
    QTest::newRow("found_in_path_with_root") << true << "fakeprogram"
                                             << "%1/bin/fakeprogram";
    QTest::newRow("root_before_path") << true << "rootprogram"
                                      << "%1/root/usr/bin/rootprogram";
    QTest::newRow("root_ignored_without_variable") << false << "rootprogram"
                                                   << "";
    QTest::newRow("not_in_path") << false << "no-such-program-here"
                                 << "";
    QTest::newRow("absolute_real") << false << "/usr/bin/vyroreport"
                                   << "/usr/bin/vyroreport";
    QTest::newRow("absolute_relocated") << true << "/usr/bin/vyroreport"
                                        << "%1/root/usr/bin/vyroreport";
    QTest::newRow("relative_with_slash") << true << "bin/tool"
                                         << "bin/tool";
}

void tst_SystemPaths::program()
{
    QFETCH(bool, set);
    QFETCH(QString, program);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir().mkpath(dir.filePath("bin")));
    QVERIFY(QDir().mkpath(dir.filePath("root/usr/bin")));
    for (const char *name : {"bin/fakeprogram", "root/usr/bin/rootprogram"}) {
        QFile tool(dir.filePath(name));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n");
        tool.close();
        QVERIFY(tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner));
    }
    const ScopedVariable path("PATH", QFile::encodeName(dir.filePath("bin")), true);
    const ScopedVariable root(SystemPaths::rootVariable(), QFile::encodeName(dir.filePath("root")),
                              set);
    QCOMPARE(SystemPaths::program(program),
             expected.contains("%1") ? expected.arg(dir.path()) : expected);
}

QTEST_GUILESS_MAIN(tst_SystemPaths)
#include "tst_systempaths.moc"

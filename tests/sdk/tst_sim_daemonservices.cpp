// tst_sim_daemonservices.cpp: the service scripts, units, systemctl and pkexec that
// "vyrosim sysroot" writes, and the simulated daemons they start and stop.
#include "tests/sdk/simtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace {

int run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool daemonRuns(uint32_t command)
{
    vysim_sync();
    return vy_Func(VY_DRIVER_HANDLE, command, nullptr, 0) == VY_SUCCESS;
}

} // namespace

class TestSimDaemonServices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QCOMPARE(run(qEnvironmentVariable("VYROSIM"), {QStringLiteral("sysroot"), m_root.path()}),
                 0);
    }

    void init() { simtest::resetWorld(); }

    void filesWritten()
    {
        for (const char *path :
             {"/etc/init.d/vyroethdrc", "/etc/init.d/vyrousbdrc", "/usr/sbin/vyroethdrc",
              "/usr/sbin/vyrousbdrc", "/usr/bin/systemctl", "/usr/bin/pkexec"}) {
            const QFileInfo info(m_root.path() + QLatin1String(path));
            QVERIFY2(info.isFile() && info.isExecutable(), path);
        }
        for (const char *unit : {"vyroethdrc.service", "vyrousbdrc.service"}) {
            const QFileInfo link(m_root.path() +
                                 QStringLiteral("/etc/systemd/system/multi-user.target.wants/") +
                                 QLatin1String(unit));
            QVERIFY2(link.isSymLink() && link.exists(), unit);
        }
        QVERIFY(QFileInfo(m_root.path() + QStringLiteral("/etc/orv/vyro/vyroethd.conf")).isFile());
    }

    void versionProbes_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::newRow("systemctl") << "systemctl";
        QTest::newRow("pkexec") << "pkexec";
    }

    void versionProbes()
    {
        QFETCH(QString, tool);
        QCOMPARE(
            run(m_root.path() + QStringLiteral("/usr/bin/") + tool, {QStringLiteral("--version")}),
            0);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<uint32_t>("daemon");
        QTest::addColumn<bool>("running");
        const uint32_t eth = VY_FUNC_ETH_DAEMON_INFO;
        const uint32_t usb = VY_FUNC_USB_DAEMON_INFO;
        QTest::newRow("systemctl_stop_eth")
            << "usr/bin/systemctl" << QStringList{"stop", "vyroethdrc"} << eth << false;
        QTest::newRow("systemctl_stop_usb_unit")
            << "usr/bin/systemctl" << QStringList{"stop", "vyrousbdrc.service"} << usb << false;
        QTest::newRow("pkexec_systemctl_stop_eth")
            << "usr/bin/pkexec" << QStringList{"--user", "root", "systemctl", "stop", "vyroethdrc"}
            << eth << false;
        QTest::newRow("script_force_stop_usb")
            << "etc/init.d/vyrousbdrc" << QStringList{"force-stop"} << usb << false;
        QTest::newRow("script_stop_eth")
            << "usr/sbin/vyroethdrc" << QStringList{"stop"} << eth << false;
    }

    // Each command stops its daemon; starting it again through the same tool brings it back.
    void commands()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(uint32_t, daemon);
        QFETCH(bool, running);
        QVERIFY(daemonRuns(daemon));
        const QString path = m_root.path() + QLatin1Char('/') + program;
        QCOMPARE(run(path, arguments), 0);
        QCOMPARE(daemonRuns(daemon), running);
        QStringList start = arguments;
        start.replaceInStrings(QRegularExpression(QStringLiteral("^(force-)?stop$")),
                               QStringLiteral("start"));
        QCOMPARE(run(path, start), 0);
        QVERIFY(daemonRuns(daemon));
    }

    void unknownUnitRefused()
    {
        QCOMPARE(run(m_root.path() + QStringLiteral("/usr/bin/systemctl"),
                     {QStringLiteral("stop"), QStringLiteral("sshd")}),
                 5);
        QVERIFY(daemonRuns(VY_FUNC_ETH_DAEMON_INFO));
        QVERIFY(daemonRuns(VY_FUNC_USB_DAEMON_INFO));
    }

    // The file is the user's once written: a new sysroot keeps its choices.
    void configurationKeptOnRewrite()
    {
        const QString path = m_root.path() + QStringLiteral("/etc/orv/vyro/vyroethd.conf");
        {
            QSettings settings(path, QSettings::IniFormat);
            QCOMPARE(settings.status(), QSettings::NoError);
            QVERIFY(settings.contains(QStringLiteral("Parameters/Interfaces")));
            settings.setValue(QStringLiteral("Parameters/Interfaces"), QStringLiteral("eth7"));
        }
        QCOMPARE(run(qEnvironmentVariable("VYROSIM"), {QStringLiteral("sysroot"), m_root.path()}),
                 0);
        const QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("Parameters/Interfaces")).toString(),
                 QStringLiteral("eth7"));
    }

private:
    QTemporaryDir m_root;
};

VYRO_TEST_GUILESS_MAIN(TestSimDaemonServices)
#include "tst_sim_daemonservices.moc"

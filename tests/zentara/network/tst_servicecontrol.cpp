// tst_servicecontrol.cpp: finding systemctl, pkexec and the services, and the commands that
// start and stop the daemons, with fake tools that record their calls.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/testmain.h"
#include "zentara/network/servicecontrol.h"

namespace {

// A fake tool: records its name and arguments, one call a line, and exits with the code given.
void writeTool(const QString &path, const QString &log, int exitCode)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("#!/bin/sh\necho \"${0##*/} $*\" >> '%1'\nexit %2\n")
                   .arg(log)
                   .arg(exitCode)
                   .toUtf8());
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
}

void touch(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList calls(const QString &log)
{
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Tools are absent (-1), succeed (0) or fail (1).
enum Tool
{
    Absent = -1,
    Works = 0,
    Fails = 1
};

} // namespace

class TestServiceControl : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_root = m_dir->filePath(QStringLiteral("root"));
        m_bin = m_dir->filePath(QStringLiteral("bin"));
        m_log = m_dir->filePath(QStringLiteral("calls.log"));
        QVERIFY(QDir().mkpath(m_root));
        QVERIFY(QDir().mkpath(m_bin));
        m_oldRoot = qgetenv("VYRO_SYSROOT");
        m_oldPath = qgetenv("PATH");
        // Nothing of the machine's own: only the fakes are found.
        qputenv("VYRO_SYSROOT", m_root.toLocal8Bit());
        qputenv("PATH", m_bin.toLocal8Bit());
    }

    void cleanup()
    {
        qputenv("VYRO_SYSROOT", m_oldRoot);
        qputenv("PATH", m_oldPath);
    }

    void detection_data()
    {
        QTest::addColumn<int>("systemctl");
        QTest::addColumn<int>("pkexec");
        QTest::addColumn<bool>("initScripts");
        QTest::addColumn<bool>("units");
        QTest::addColumn<bool>("hasSystemctl");
        QTest::addColumn<bool>("hasPkexec");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("probes");
        const QString sv = QStringLiteral("systemctl --version");
        const QString pv = QStringLiteral("pkexec --version");
        QTest::newRow("no_systemctl_never_probes_pkexec")
            << int(Absent) << int(Works) << true << true << false << false << true << QStringList();
        QTest::newRow("failing_systemctl_never_probes_pkexec")
            << int(Fails) << int(Works) << true << false << false << false << true
            << QStringList{sv};
        QTest::newRow("no_systemctl_no_scripts") << int(Absent) << int(Absent) << false << true
                                                 << false << false << false << QStringList();
        QTest::newRow("systemctl_and_pkexec") << int(Works) << int(Works) << false << true << true
                                              << true << true << QStringList{sv, pv};
        QTest::newRow("systemctl_units_missing") << int(Works) << int(Works) << true << false
                                                 << true << true << false << QStringList{sv, pv};
        QTest::newRow("systemctl_failing_pkexec") << int(Works) << int(Fails) << false << true
                                                  << true << false << true << QStringList{sv, pv};
    }

    void detection()
    {
        QFETCH(int, systemctl);
        QFETCH(int, pkexec);
        QFETCH(bool, initScripts);
        QFETCH(bool, units);
        QFETCH(bool, hasSystemctl);
        QFETCH(bool, hasPkexec);
        QFETCH(bool, installed);
        QFETCH(QStringList, probes);
        if (systemctl != Absent)
            writeTool(m_bin + QStringLiteral("/systemctl"), m_log, systemctl);
        if (pkexec != Absent)
            writeTool(m_bin + QStringLiteral("/pkexec"), m_log, pkexec);
        for (const QString &service :
             {QStringLiteral("vyroethdrc"), QStringLiteral("vyrousbdrc")}) {
            if (initScripts)
                touch(m_root + QStringLiteral("/etc/init.d/") + service);
            if (units)
                touch(m_root +
                      QStringLiteral("/etc/systemd/system/multi-user.target.wants/%1.service")
                          .arg(service));
        }
        const ServiceControl services(false);
        QCOMPARE(services.hasSystemctl(), hasSystemctl);
        QCOMPARE(services.hasPkexec(), hasPkexec);
        QCOMPARE(services.ethServiceInstalled(), installed);
        QCOMPARE(services.usbServiceInstalled(), installed);
        QCOMPARE(calls(m_log), probes);
    }

    void control_data()
    {
        QTest::addColumn<int>("systemctl");
        QTest::addColumn<int>("pkexec");
        QTest::addColumn<bool>("root");
        QTest::addColumn<QString>("service");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("call");
        QTest::newRow("script_start_as_root") << int(Absent) << int(Works) << true << "vyroethdrc"
                                              << false << true << "vyroethdrc start";
        QTest::newRow("script_force_stop_as_root")
            << int(Absent) << int(Works) << true << "vyrousbdrc" << true << true
            << "vyrousbdrc force-stop";
        QTest::newRow("script_refused_without_root")
            << int(Absent) << int(Works) << false << "vyroethdrc" << true << false << "";
        QTest::newRow("systemctl_start_as_root") << int(Works) << int(Works) << true << "vyroethdrc"
                                                 << false << true << "systemctl start vyroethdrc";
        QTest::newRow("systemctl_stop_as_root") << int(Works) << int(Absent) << true << "vyrousbdrc"
                                                << true << true << "systemctl stop vyrousbdrc";
        QTest::newRow("pkexec_stop") << int(Works) << int(Works) << false << "vyroethdrc" << true
                                     << true << "pkexec --user root systemctl stop vyroethdrc";
        QTest::newRow("pkexec_start") << int(Works) << int(Works) << false << "vyrousbdrc" << false
                                      << true << "pkexec --user root systemctl start vyrousbdrc";
        QTest::newRow("no_pkexec_refused")
            << int(Works) << int(Absent) << false << "vyroethdrc" << false << false << "";
    }

    void control()
    {
        QFETCH(int, systemctl);
        QFETCH(int, pkexec);
        QFETCH(bool, root);
        QFETCH(QString, service);
        QFETCH(bool, stop);
        QFETCH(bool, allowed);
        QFETCH(QString, call);
        if (systemctl != Absent)
            writeTool(m_bin + QStringLiteral("/systemctl"), m_log, systemctl);
        if (pkexec != Absent)
            writeTool(m_bin + QStringLiteral("/pkexec"), m_log, pkexec);
        // The scripts are run by their bare name, from the program path.
        writeTool(m_bin + QStringLiteral("/vyroethdrc"), m_log, 0);
        writeTool(m_bin + QStringLiteral("/vyrousbdrc"), m_log, 0);
        const ServiceControl services(root);
        const int probes = calls(m_log).size();
        QCOMPARE(services.control(service, stop), allowed);
        if (call.isEmpty()) {
            QCOMPARE(calls(m_log).size(), probes);
        } else {
            // pkexec runs detached: its call arrives when it has run.
            QTRY_COMPARE_WITH_TIMEOUT(calls(m_log).size(), probes + 1, 30000);
            QCOMPARE(calls(m_log).constLast(), call);
        }
    }

    void runAndWait_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("result");
        QTest::newRow("exit_0") << "exit 0" << 30000 << 0;
        QTest::newRow("exit_3") << "exit 3" << 30000 << 3;
        QTest::newRow("killed") << "kill -9 $$" << 30000 << -1;
        QTest::newRow("too_slow") << "while :; do :; done" << 200 << -1;
        QTest::newRow("missing") << "" << 30000 << -1;
    }

    void runAndWait()
    {
        QFETCH(QString, script);
        QFETCH(int, timeoutMs);
        QFETCH(int, result);
        if (!script.isEmpty()) {
            QFile file(m_bin + QStringLiteral("/tool"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(("#!/bin/sh\n" + script + "\n").toUtf8());
            file.close();
            QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
        }
        QCOMPARE(ServiceControl::runAndWait(QStringLiteral("tool"), {}, timeoutMs), result);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QString m_bin;
    QString m_log;
    QByteArray m_oldRoot;
    QByteArray m_oldPath;
};

VYRO_TEST_GUILESS_MAIN(TestServiceControl)
#include "tst_servicecontrol.moc"

// tst_daemonconfigfile.cpp: the GigE daemon's interface list in its configuration file: reading,
// enabling and disabling adapters, and files that are missing, foreign or unwritable.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/testmain.h"
#include "zentara/network/daemonconfigfile.h"

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

const QByteArray withOtherGroups = "[Logging]\nLevel=3\nFile=/var/log/vyroethd.log\n\n"
                                   "[Parameters]\nInterfaces=eth0 eth10\nTimeout=250\n\n"
                                   "[Pairing]\nTrusted=true\n";

} // namespace

class TestDaemonConfigFile : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("vyroethd.conf"));
    }

    void systemPathIsRelocated()
    {
        const QByteArray old = qgetenv("VYRO_SYSROOT");
        qputenv("VYRO_SYSROOT", m_dir->path().toLocal8Bit());
        const QString path = DaemonConfigFile::systemPath();
        qputenv("VYRO_SYSROOT", old);
        QCOMPARE(path, m_dir->path() + QStringLiteral("/etc/orv/vyro/vyroethd.conf"));
    }

    void isAdapterEnabled_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("listed") << QByteArray("[Parameters]\nInterfaces=eth0 eth2\n") << "eth2"
                                << true;
        QTest::newRow("eth1_is_not_eth10")
            << QByteArray("[Parameters]\nInterfaces=eth10\n") << "eth1" << false;
        QTest::newRow("eth10_is_not_eth1")
            << QByteArray("[Parameters]\nInterfaces=eth1\n") << "eth10" << false;
        QTest::newRow("case_matters")
            << QByteArray("[Parameters]\nInterfaces=ETH0\n") << "eth0" << false;
        QTest::newRow("extra_spaces")
            << QByteArray("[Parameters]\nInterfaces=\"  eth0   eth3 \"\n") << "eth3" << true;
        QTest::newRow("key_missing") << QByteArray("[Parameters]\nOther=eth0\n") << "eth0" << false;
        QTest::newRow("other_group")
            << QByteArray("[Logging]\nInterfaces=eth0\n") << "eth0" << false;
        QTest::newRow("empty_name") << QByteArray("[Parameters]\nInterfaces=eth0\n") << "" << false;
    }

    void isAdapterEnabled()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        writeAll(m_path, content);
        QCOMPARE(DaemonConfigFile(m_path).isAdapterEnabled(name), enabled);
    }

    void enableAndDisable_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("after");
        QTest::newRow("enable_appends") << "eth0" << true << "eth2"
                                        << "eth0 eth2";
        QTest::newRow("enable_listed_once") << "eth0 eth2" << true << "eth2"
                                            << "eth0 eth2";
        QTest::newRow("enable_other_case") << "ETH2" << true << "eth2"
                                           << "ETH2 eth2";
        QTest::newRow("enable_eth1_beside_eth10") << "eth10" << true << "eth1"
                                                  << "eth10 eth1";
        QTest::newRow("enable_into_empty") << "" << true << "eth0"
                                           << "eth0";
        QTest::newRow("enable_drops_empty_parts") << "eth0   eth3" << true << "eth4"
                                                  << "eth0 eth3 eth4";
        QTest::newRow("disable_removes") << "eth0 eth2" << false << "eth0"
                                         << "eth2";
        QTest::newRow("disable_eth1_leaves_eth10") << "eth10 eth1" << false << "eth1"
                                                   << "eth10";
        QTest::newRow("disable_listed_twice") << "eth1 eth0 eth1" << false << "eth1"
                                              << "eth0";
        QTest::newRow("disable_any_case") << "ETH1 eth0 Eth1" << false << "eth1"
                                          << "eth0";
        QTest::newRow("disable_not_listed") << "eth0" << false << "eth5"
                                            << "eth0";
        QTest::newRow("disable_last") << "eth0" << false << "eth0"
                                      << "";
    }

    void enableAndDisable()
    {
        QFETCH(QString, before);
        QFETCH(bool, enable);
        QFETCH(QString, name);
        QFETCH(QString, after);
        {
            QSettings settings(m_path, QSettings::NativeFormat);
            settings.setValue(QStringLiteral("Parameters/Interfaces"), before);
        }
        const DaemonConfigFile file(m_path);
        QCOMPARE(enable ? file.enableAdapter(name) : file.disableAdapter(name), 0);
        const QSettings settings(m_path, QSettings::NativeFormat);
        QCOMPARE(settings.value(QStringLiteral("Parameters/Interfaces")).toString(), after);
    }

    void otherGroupsSurviveAWrite()
    {
        writeAll(m_path, withOtherGroups);
        const DaemonConfigFile file(m_path);
        QCOMPARE(file.enableAdapter(QStringLiteral("eth1")), 0);
        QCOMPARE(file.disableAdapter(QStringLiteral("eth0")), 0);
        const QSettings settings(m_path, QSettings::NativeFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.value(QStringLiteral("Parameters/Interfaces")).toString(),
                 QStringLiteral("eth10 eth1"));
        QCOMPARE(settings.value(QStringLiteral("Parameters/Timeout")).toInt(), 250);
        QCOMPARE(settings.value(QStringLiteral("Logging/Level")).toInt(), 3);
        QCOMPARE(settings.value(QStringLiteral("Logging/File")).toString(),
                 QStringLiteral("/var/log/vyroethd.log"));
        QCOMPARE(settings.value(QStringLiteral("Pairing/Trusted")).toString(),
                 QStringLiteral("true"));
        QCOMPARE(settings.allKeys().size(), 5);
    }

    void missingFileIsCreated()
    {
        const DaemonConfigFile file(m_path);
        QVERIFY(!QFile::exists(m_path));
        QVERIFY(file.isWritable());
        QVERIFY(!file.isAdapterEnabled(QStringLiteral("eth0")));
        QCOMPARE(file.enableAdapter(QStringLiteral("eth0")), 0);
        QVERIFY(QFile::exists(m_path));
        QVERIFY(file.isAdapterEnabled(QStringLiteral("eth0")));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("binary_garbage") << "garbage";
        QTest::newRow("not_ini_text") << "text";
        QTest::newRow("directory_missing_under_a_file") << "underfile";
        QTest::newRow("a_directory") << "directory";
        QTest::newRow("latin1_bytes") << "latin1";
        QTest::newRow("line_without_key") << "nokey";
        QTest::newRow("line_without_key_after_a_carriage_return") << "crnokey";
    }

    // A file that is not settings, or a place that cannot take one, is never written.
    void refusedFiles()
    {
        QFETCH(QString, kind);
        QString path = m_path;
        QByteArray bytes;
        if (kind == QLatin1String("garbage")) {
            for (int i = 0; i < 4096; ++i)
                bytes.append(char((i * 7919) & 0xFF));
            writeAll(path, bytes);
        } else if (kind == QLatin1String("text")) {
            bytes = "Interfaces = [\"eth0\",\n  { \"unterminated\n";
            writeAll(path, bytes);
        } else if (kind == QLatin1String("latin1")) {
            bytes = "[Parameters]\nInterfaces=eth0\nName=M\xFCller\n";
            writeAll(path, bytes);
        } else if (kind == QLatin1String("nokey")) {
            bytes = "[Parameters]\nInterfaces=eth0\n=eth1\n";
            writeAll(path, bytes);
        } else if (kind == QLatin1String("crnokey")) {
            bytes = "[Parameters]\nInterfaces\r=eth0 eth3\n";
            writeAll(path, bytes);
        } else if (kind == QLatin1String("underfile")) {
            writeAll(m_dir->filePath(QStringLiteral("file")), "x");
            path = m_dir->filePath(QStringLiteral("file/vyroethd.conf"));
        } else {
            QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("conf")));
            path = m_dir->filePath(QStringLiteral("conf"));
        }
        const DaemonConfigFile file(path);
        QVERIFY(!file.isWritable());
        QCOMPARE(file.enableAdapter(QStringLiteral("eth0")), -1);
        QCOMPARE(file.disableAdapter(QStringLiteral("eth0")), -1);
        if (!bytes.isEmpty())
            QCOMPARE(readAll(path), bytes);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

VYRO_TEST_GUILESS_MAIN(TestDaemonConfigFile)
#include "tst_daemonconfigfile.moc"

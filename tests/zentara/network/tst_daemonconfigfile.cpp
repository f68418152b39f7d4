// tst_daemonconfigfile.cpp: the GigE daemon's interface list in its configuration file: reading,
// enabling and disabling adapters, and files that are missing, foreign or unwritable.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
        // Every name the kernel allows is kept as it is.
        QTest::newRow("kernel_names_kept") << R"(eth\d+ a;b "q" x,y)" << true << "c#1"
                                           << R"(eth\d+ a;b "q" x,y c#1)";
    }

    void enableAndDisable()
    {
        QFETCH(QString, before);
        QFETCH(bool, enable);
        QFETCH(QString, name);
        QFETCH(QString, after);
        writeAll(m_path, "[Parameters]\nInterfaces=" + before.toLatin1() + '\n');
        const DaemonConfigFile file(m_path);
        QCOMPARE(enable ? file.enableAdapter(name) : file.disableAdapter(name), 0);
        QCOMPARE(readAll(m_path), "[Parameters]\nInterfaces=" + after.toLatin1() + '\n');
    }

    void keepsEveryOtherByte_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray others = "; the daemon's settings\n"
                                  "# by the administrator\n"
                                  "[Zeta]\nExclude=eth5;eth6\nPattern=^eth\\d+$\n"
                                  "Name=Caf\xc3\xa9 M\xfcller\n"
                                  "key with spaces=1\nmail@host=2\npath/key=3\n\n"
                                  "[Adapter/eth0]\nMtu = 9000\n";
        QTest::newRow("other_groups_comments_and_encodings")
            << others + "[Parameters]\nInterfaces = eth0 \nTimeout=5\n"
            << others + "[Parameters]\nInterfaces = eth0 eth7 \nTimeout=5\n";
        QTest::newRow("carriage_returns")
            << QByteArray("[Parameters]\r\nInterfaces=eth0\r\n;x\r\n")
            << QByteArray("[Parameters]\r\nInterfaces=eth0 eth7\r\n;x\r\n");
        QTest::newRow("key_added_at_the_group_end")
            << QByteArray("[Parameters]\nTimeout=5\n\n; next\n[Other]\na=1\n")
            << QByteArray("[Parameters]\nTimeout=5\nInterfaces=eth7\n\n; next\n[Other]\na=1\n");
        QTest::newRow("group_added_at_the_end")
            << QByteArray("[Other]\r\na=1")
            << QByteArray("[Other]\r\na=1\r\n\r\n[Parameters]\r\n"
                          "Interfaces=eth7\r\n");
        QTest::newRow("last_of_two_keys")
            << QByteArray("[Parameters]\nInterfaces=eth0\n[Parameters]\nInterfaces=eth1\n")
            << QByteArray("[Parameters]\nInterfaces=eth0\n[Parameters]\nInterfaces=eth1 eth7\n");
    }

    // The daemon's file is its administrator's: only the interface list changes.
    void keepsEveryOtherByte()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        writeAll(m_path, before);
        const DaemonConfigFile file(m_path);
        QCOMPARE(file.enableAdapter(QStringLiteral("eth7")), 0);
        QCOMPARE(readAll(m_path), after);
        QCOMPARE(file.disableAdapter(QStringLiteral("eth7")), 0);
        if (before.contains("Interfaces"))
            QCOMPARE(readAll(m_path), before);
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
        QTest::newRow("named_pipe") << "pipe";
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
        } else if (kind == QLatin1String("pipe")) {
            // Opening it for reading would wait for a writer for good.
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
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
        QVERIFY(file.interfaces().isEmpty());
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

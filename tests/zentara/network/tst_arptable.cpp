// tst_arptable.cpp: looking addresses up in ARP table files: the kernel's layout, headers
// without the expected column names, short lines, a huge table, binary garbage and no file.
#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "tests/support/testmain.h"
#include "zentara/network/arptable.h"

namespace {

const QByteArray KernelHeader =
    "IP address       HW type     Flags       HW address            Mask     Device\n";

QByteArray line(const QByteArray &ip, const QByteArray &mac)
{
    return ip.leftJustified(16, ' ') + " 0x1         0x2         " + mac.leftJustified(17, ' ') +
           "     *        eth0\n";
}

} // namespace

class TestArpTable : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QByteArray &content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QStringLiteral("arp%1").arg(++n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void lookup_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("state");
        const QByteArray table = KernelHeader + line("192.168.0.2", "00:1b:2c:40:00:01") +
                                 line("192.168.0.3", "00:00:00:00:00:00") +
                                 line("192.168.0.30", "00:1b:2c:40:00:30");
        QTest::newRow("in_use") << table << "192.168.0.2" << int(ArpTable::ArpInUse);
        QTest::newRow("incomplete") << table << "192.168.0.3" << int(ArpTable::ArpIncomplete);
        QTest::newRow("not_listed") << table << "192.168.0.4" << int(ArpTable::ArpNotFound);
        QTest::newRow("prefix_is_no_match") << table << "192.168.0.30" << int(ArpTable::ArpInUse);
        QTest::newRow("own_address_not_listed")
            << table << "192.168.0.1" << int(ArpTable::ArpNotFound);
        QTest::newRow("header_only") << KernelHeader << "192.168.0.2" << int(ArpTable::ArpNotFound);
        QTest::newRow("empty_file") << QByteArray() << "192.168.0.2" << int(ArpTable::ArpNotFound);
        // Columns found by name wherever they stand.
        QTest::newRow("columns_by_name") << QByteArray("HW address         Device  IP address\n"
                                                       "00:00:00:00:00:00  eth0    10.0.0.9\n")
                                         << "10.0.0.9" << int(ArpTable::ArpIncomplete);
        // Without the names, the kernel's columns 0 and 3.
        QTest::newRow("missing_header_columns")
            << QByteArray("foo  bar\n") + line("10.0.0.7", "00:00:00:00:00:00") << "10.0.0.7"
            << int(ArpTable::ArpIncomplete);
        QTest::newRow("missing_ip_column")
            << QByteArray("Flags  HW type  x  HW address\n10.0.0.7  0x1  0x2  aa:bb:cc:dd:ee:ff\n")
            << "10.0.0.7" << int(ArpTable::ArpInUse);
        QTest::newRow("short_lines") << KernelHeader + "192.168.0.5\n192.168.0.5  0x1\n\n" +
                                            line("192.168.0.6", "00:00:00:00:00:00")
                                     << "192.168.0.5" << int(ArpTable::ArpNotFound);
        QTest::newRow("short_line_then_entry")
            << KernelHeader + "192.168.0.5  0x1\n" + line("192.168.0.5", "00:00:00:00:00:00")
            << "192.168.0.5" << int(ArpTable::ArpIncomplete);
        QTest::newRow("single_spaces_are_one_field")
            << KernelHeader + "192.168.0.8 0x1 0x2 00:00:00:00:00:00 * eth0\n"
            << "192.168.0.8" << int(ArpTable::ArpNotFound);
        QByteArray garbage;
        for (int i = 0; i < 70000; ++i)
            garbage += char((i * 7919 + 13) % 256);
        QTest::newRow("binary_garbage") << garbage << "192.168.0.2" << int(ArpTable::ArpNotFound);
        QTest::newRow("garbage_after_header")
            << KernelHeader + garbage + "\n" + line("192.168.0.9", "00:1b:2c:40:00:09")
            << "192.168.0.9" << int(ArpTable::ArpInUse);
    }

    void lookup()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, address);
        QFETCH(int, state);
        QCOMPARE(int(ArpTable::lookup(write(content), address)), state);
    }

    void hugeTable()
    {
        QByteArray content = KernelHeader;
        content.reserve(100001 * 80);
        for (int i = 0; i < 100000; ++i)
            content +=
                line(QByteArray("10.") + QByteArray::number(i >> 16) + '.' +
                         QByteArray::number((i >> 8) & 0xFF) + '.' + QByteArray::number(i & 0xFF),
                     "00:1b:2c:40:00:01");
        content += line("172.16.0.1", "00:00:00:00:00:00");
        const QString path = write(content);
        QCOMPARE(ArpTable::lookup(path, QStringLiteral("172.16.0.1")), ArpTable::ArpIncomplete);
        QCOMPARE(ArpTable::lookup(path, QStringLiteral("10.1.134.159")), ArpTable::ArpInUse);
        QCOMPARE(ArpTable::lookup(path, QStringLiteral("172.16.0.2")), ArpTable::ArpNotFound);
    }

    void missingFile()
    {
        QCOMPARE(
            ArpTable::lookup(m_dir.filePath(QStringLiteral("none")), QStringLiteral("192.168.0.2")),
            ArpTable::ArpNotFound);
        QCOMPARE(ArpTable::lookup(m_dir.path(), QStringLiteral("192.168.0.2")),
                 ArpTable::ArpNotFound);
    }

    void systemTableIsRelocated()
    {
        QTemporaryDir root;
        qputenv("VYRO_SYSROOT", QFile::encodeName(root.path()));
        QCOMPARE(ArpTable::systemTablePath(), root.path() + QStringLiteral("/proc/net/arp"));
    }
};

VYRO_TEST_MAIN(TestArpTable)
#include "tst_arptable.moc"

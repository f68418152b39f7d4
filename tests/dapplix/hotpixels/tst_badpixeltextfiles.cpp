// Text export and import of hot pixel lists: format, parsing, refusals and bounded reading.
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/hotpixels/badpixelsfile.h"
#include "dapplix/hotpixels/badpixeltextfile.h"
#include "tests/support/smalldisk.h"
#include "tests/support/testmain.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QString writeFile(const QString &folder, const char *name, const QByteArray &content)
{
    const QString path = folder + '/' + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return QString();
    return path;
}

QString failure(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::runtime_error &e) {
        return QString(e.what());
    }
    return QString();
}

// The model with one factory entry and two unsaved user entries.
void fill(BadpixelListModel &m)
{
    m.insertRows(0, 1);
    m.setData(m.index(0, 0), 3);
    m.setData(m.index(0, 1), 4);
    m.setData(m.index(0, 2), "factory");
    m.addBadpixel(QPoint(12, 345));
    m.addBadpixel(QPoint(65535, 0));
}

QString entries(const BadpixelListModel &m)
{
    QStringList out;
    for (int row = 0; row < m.rowCount(); ++row) {
        const Badpixel b = m.badpixelAt(row);
        out << QString("%1,%2,%3").arg(b.x).arg(b.y).arg(b.pixelclass);
    }
    return out.join(' ');
}

long maxRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class tst_BadpixelTextFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<QPersistentModelIndex>>();
        qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
    }
    void exportFormat();
    void exportFactoryOnly();
    void exportUnwritable();
    void roundTrip();
    void importLines_data();
    void importLines();
    void importKeepsEntriesOnFailure_data();
    void importKeepsEntriesOnFailure();
    void exportOnFullDisk_data();
    void exportOnFullDisk();
    void importTenMillionLines();
    void importAtTheLimit();

private:
    QTemporaryDir dir;
};

void tst_BadpixelTextFiles::exportFormat()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(m);
    const QString path = dir.filePath("export.txt");
    m.exportAsFile(path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("12 345 1\n65535 0 1\n"));
}

void tst_BadpixelTextFiles::exportFactoryOnly()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(m);
    m.clearUserBadpixelList();
    const QString path = dir.filePath("factory.txt");
    m.exportAsFile(path);
    QCOMPARE(QFileInfo(path).size(), 0);
}

void tst_BadpixelTextFiles::exportUnwritable()
{
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(failure([&] {
                m.exportAsFile(dir.filePath("missing/dir/x.txt"));
            }).endsWith("was not written: No such file or directory."));
}

void tst_BadpixelTextFiles::roundTrip()
{
    BadpixelListModel source;
    QAbstractItemModelTester sourceTester(&source,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(source);
    for (int i = 0; i < 500; ++i)
        source.addBadpixel(QPoint(i * 7, i * 3 + 1));
    const QString path = dir.filePath("roundtrip.txt");
    source.exportAsFile(path);
    BadpixelListModel target;
    QAbstractItemModelTester targetTester(&target,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    target.insertRows(0, 1);
    target.setData(target.index(0, 2), "factory");
    target.addBadpixel(QPoint(99, 99)); // replaced by the file's entries
    QSignalSpy layout(&target, &QAbstractItemModel::layoutChanged);
    target.importFromFile(path);
    QCOMPARE(layout.count(), 1);
    QCOMPARE(target.rowCount(), 1 + 502);
    for (int row = 1; row < target.rowCount(); ++row) {
        const Badpixel a = source.badpixelAt(row);
        const Badpixel b = target.badpixelAt(row);
        QCOMPARE(b.x, a.x);
        QCOMPARE(b.y, a.y);
        QCOMPARE(b.pixelclass, quint8(Badpixel::User));
    }
}

void tst_BadpixelTextFiles::importLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty_file") << QByteArray() << "3,4,0";
    QTest::newRow("two_fields") << QByteArray("12 34\n") << "3,4,0 12,34,0";
    QTest::newRow("empty_lines_and_comments")
        << QByteArray("# list of camera 7, gemessen bei 20 \xC2\xB0"
                      "C\n1 2 1\n\n   \n5 6 1 # hot\n")
        << "3,4,0 1,2,1 5,6,1";
    QTest::newRow("byte_order_mark") << QByteArray("\xEF\xBB\xBF"
                                                   "7 8 1\n")
                                     << "3,4,0 7,8,1";
    QTest::newRow("bases") << QByteArray("0x10 010 0b11\n") << "3,4,0 16,8,3";
    QTest::newRow("ignore_class") << QByteArray("7 8 2\n9 9 7") << "3,4,0 7,8,2 9,9,7";
    QTest::newRow("tabs_and_crlf") << QByteArray("7\t8 1\r\n") << "3,4,0 7,8,1";
    QTest::newRow("within_the_sensor") << QByteArray("1279 1023 1\n") << "3,4,0 1279,1023,1";
}

void tst_BadpixelTextFiles::importLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(m);
    m.importFromFile(writeFile(dir.path(), "lines.txt", content), QSize(1280, 1024));
    QCOMPARE(entries(m), expected);
}

void tst_BadpixelTextFiles::importKeepsEntriesOnFailure_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind"); // what lies at the path
    QTest::addColumn<QString>("message");
    QByteArray garbage(200000, '\0');
    quint32 seed = 12345;
    for (char &c : garbage) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 24);
    }
    QTest::newRow("unreadable") << QByteArray("1 2 1\n") << "missing"
                                << "could not be read: No such file or directory.";
    // Neither waits for a writer nor reads for ever.
    QTest::newRow("named_pipe") << QByteArray() << "fifo"
                                << "a device or a pipe.";
    QTest::newRow("device") << QByteArray() << "/dev/zero"
                            << "a device or a pipe.";
    QTest::newRow("binary_garbage") << garbage << "file"
                                    << "The file is not a hot pixel text file (line 1).";
    QTest::newRow("nul_byte") << QByteArray("1 2 1\n3 4\0 1\n", 13) << "file"
                              << "The file is not a hot pixel text file (line 2).";
    QTest::newRow("endless_line") << QByteArray(5000000, '7') << "file"
                                  << "it is larger than 2560000 bytes.";
    QTest::newRow("long_line") << QByteArray(300, '7') << "file"
                               << "The file is not a hot pixel text file (line 1).";
    // Any line that is not an entry refuses the whole file, naming the line.
    QTest::newRow("words") << QByteArray("1 2 1\nhot pixel\n") << "file"
                           << "Line 2 is not an \"x y\" or \"x y class\" line: hot pixel";
    QTest::newRow("above_16_bits") << QByteArray("70000 5 1\n") << "file"
                                   << "Line 1 is not an \"x y\" or \"x y class\" line: 70000 5 1";
    QTest::newRow("negative") << QByteArray("-1 5 1\n") << "file"
                              << "Line 1 is not an \"x y\" or \"x y class\" line: -1 5 1";
    QTest::newRow("four_fields") << QByteArray("1 5 1 1\n") << "file"
                                 << "Line 1 is not an \"x y\" or \"x y class\" line: 1 5 1 1";
    QTest::newRow("outside_the_sensor")
        << QByteArray("1 1 1\n1280 5 1\n") << "file"
        << "Line 2 lies outside the sensor of 1280 × 1024 pixels: 1280 5 1";
}

void tst_BadpixelTextFiles::importKeepsEntriesOnFailure()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QString path = writeFile(dir.path(), "bad.txt", content);
    if (kind == "missing")
        path = dir.filePath("does-not-exist.txt");
    if (kind == "fifo") {
        path = dir.filePath("pipe.txt");
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    if (kind.startsWith('/'))
        path = kind;
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(m);
    const QString before = entries(m);
    const QString got = failure([&] { m.importFromFile(path, QSize(1280, 1024)); });
    QVERIFY2(got.endsWith(message), qPrintable(got));
    QCOMPARE(entries(m), before);
}

// A failed export leaves the user's earlier file as it was and says why.
void tst_BadpixelTextFiles::exportOnFullDisk_data()
{
    QTest::addColumn<bool>("rawConverter");
    QTest::newRow("text") << false;
    QTest::newRow("raw converter") << true;
}

void tst_BadpixelTextFiles::exportOnFullDisk()
{
    QFETCH(bool, rawConverter);
    SmallDisk disk;
    if (!disk.isReady())
        QSKIP(qPrintable(disk.problem()));
    const QString path = disk.filePath("list.txt");
    QVERIFY(!writeFile(disk.path(), "list.txt", "1 2 1\n").isEmpty());
    BadpixelListModel m;
    for (int i = 0; i < 2000; ++i)
        m.addBadpixel(QPoint(i, i));
    QVERIFY(disk.fill());
    const QString got = failure([&] {
        if (rawConverter)
            BadpixelsFile::write(path, QVector<QPoint>(2000, QPoint(1, 1)));
        else
            m.exportAsFile(path);
    });
    QVERIFY2(got.contains("No space left on device"), qPrintable(got));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1 2 1\n"));
}

void tst_BadpixelTextFiles::importTenMillionLines()
{
    // 10 million lines, written in large blocks to stay fast.
    const QString path = dir.filePath("huge.txt");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray("1 2 1\n").repeated(100000);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(f.write(block), qint64(block.size()));
    }
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(m);
    const QString before = entries(m);
    const long rssBefore = maxRssKiB();
    QVERIFY(failure([&] { m.importFromFile(path); }).endsWith("larger than 2560000 bytes."));
    QCOMPARE(entries(m), before);
    // Refused after the limit, without reading the rest: no growth on the scale of the file.
    // (AddressSanitizer's quarantine keeps freed memory, so its builds cannot tell.)
#ifndef __SANITIZE_ADDRESS__
    QVERIFY2(maxRssKiB() - rssBefore < 20 * 1024, "import grew the memory");
#else
    Q_UNUSED(rssBefore)
#endif
}

void tst_BadpixelTextFiles::importAtTheLimit()
{
    const QString path = writeFile(dir.path(), "limit.txt",
                                   QByteArray("4 5 1\n").repeated(BadpixelTextFile::maxEntries));
    BadpixelListModel m;
    QAbstractItemModelTester mTester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.importFromFile(path);
    QCOMPARE(m.rowCount(), BadpixelTextFile::maxEntries);
}

VYRO_TEST_GUILESS_MAIN(tst_BadpixelTextFiles)
#include "tst_badpixeltextfiles.moc"

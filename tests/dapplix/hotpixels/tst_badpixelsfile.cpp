// The raw converters' hot pixel list: what is read, what is refused and what is written.
#include "dapplix/hotpixels/badpixelsfile.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include <stdexcept>

namespace {

const QSize Sensor(1280, 1024);

QString readFailure(const QString &path, QVector<QPoint> *pixels = nullptr)
{
    try {
        const QVector<QPoint> read = BadpixelsFile::read(path, Sensor);
        if (pixels)
            *pixels = read;
    } catch (const std::runtime_error &e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

} // namespace

class tst_BadpixelsFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void read_data();
    void read();
    void millionLines_data();
    void millionLines();
    void longLine();
    void missingFile();
    void writeAndReadBack();
    void writeEmpty();
    void writeRefused();

private:
    QString file(const QByteArray &content);

    QTemporaryDir m_dir;
    int m_files = 0;
};

void tst_BadpixelsFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString tst_BadpixelsFile::file(const QByteArray &content)
{
    const QString path = m_dir.filePath(QStringLiteral("list%1.badpixels").arg(++m_files));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return QString();
    return path;
}

void tst_BadpixelsFile::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QVector<QPoint>>("pixels");
    // Empty when read; otherwise the start of the message.
    QTest::addColumn<QString>("failure");

    QTest::newRow("empty") << QByteArray() << QVector<QPoint>{} << QString();
    QTest::newRow("three_lines") << QByteArray("10 20 0\n1279 1023 0\n0 0 1234567890\n")
                                 << QVector<QPoint>{{10, 20}, {1279, 1023}, {0, 0}} << QString();
    QTest::newRow("comments_and_blank_lines")
        << QByteArray("# dark frame 2026-12-08\n\n   \n5 6 0 # warm pixel\n#7 8 0\n\t\n9 10 0")
        << QVector<QPoint>{{5, 6}, {9, 10}} << QString();
    QTest::newRow("tabs_crlf_and_spaces") << QByteArray("  5\t6\t0\r\n7   8  0  \r\n")
                                          << QVector<QPoint>{{5, 6}, {7, 8}} << QString();
    QTest::newRow("negative_time")
        << QByteArray("5 6 -1\n") << QVector<QPoint>{{5, 6}} << QString();
    QTest::newRow("negative_column") << QByteArray("5 6 0\n-1 6 0\n") << QVector<QPoint>{}
                                     << QStringLiteral("Line 2 lies outside the sensor");
    QTest::newRow("negative_row") << QByteArray("5 -6 0\n") << QVector<QPoint>{}
                                  << QStringLiteral("Line 1 lies outside the sensor");
    QTest::newRow("column_at_width") << QByteArray("\n# x\n1280 0 0\n") << QVector<QPoint>{}
                                     << QStringLiteral("Line 3 lies outside the sensor");
    QTest::newRow("row_at_height") << QByteArray("0 1024 0\n") << QVector<QPoint>{}
                                   << QStringLiteral("Line 1 lies outside the sensor");
    QTest::newRow("huge") << QByteArray("4294967301 5 0\n") << QVector<QPoint>{}
                          << QStringLiteral("Line 1 lies outside the sensor");
    QTest::newRow("beyond_64_bits")
        << QByteArray("1 2 0\n99999999999999999999999 5 0\n") << QVector<QPoint>{}
        << QStringLiteral("Line 2 is not a \"column row time\" line");
    QTest::newRow("text") << QByteArray("1 2 0\nhot pixels of camera 4103012345\n")
                          << QVector<QPoint>{}
                          << QStringLiteral("Line 2 is not a \"column row time\" line");
    QTest::newRow("two_fields") << QByteArray("1 2\n") << QVector<QPoint>{}
                                << QStringLiteral("Line 1 is not a \"column row time\" line");
    QTest::newRow("four_fields") << QByteArray("1 2 0 4\n") << QVector<QPoint>{}
                                 << QStringLiteral("Line 1 is not a \"column row time\" line");
    QTest::newRow("fraction") << QByteArray("1.5 2 0\n") << QVector<QPoint>{}
                              << QStringLiteral("Line 1 is not a \"column row time\" line");
    QTest::newRow("hex") << QByteArray("0x10 2 0\n") << QVector<QPoint>{}
                         << QStringLiteral("Line 1 is not a \"column row time\" line");
    QTest::newRow("nul_bytes") << QByteArray("1 2 0\n\0\0\0\n", 10) << QVector<QPoint>{}
                               << QStringLiteral("Line 2 is not a \"column row time\" line");
}

void tst_BadpixelsFile::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QVector<QPoint>, pixels);
    QFETCH(QString, failure);
    const QString path = file(content);
    QVERIFY(!path.isEmpty());
    QVector<QPoint> read;
    const QString message = readFailure(path, &read);
    if (failure.isEmpty()) {
        QCOMPARE(message, QString());
        QCOMPARE(read, pixels);
    } else {
        QVERIFY2(message.startsWith(failure), qPrintable(message));
    }
}

void tst_BadpixelsFile::millionLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("lines");
    QTest::newRow("blank") << QByteArray("\n") << QString() << 0 << 1000000;
    // Refused by its size before a line is parsed.
    QTest::newRow("comments") << QByteArray("# 1 2 0\n") << QStringLiteral("The file ") << 0
                              << 1000000;
    QTest::newRow("pixels") << QByteArray("3 4 0\n")
                            << QStringLiteral("Line %1: the file holds more than %2 hot pixels.")
                                   .arg(BadpixelsFile::maxPixels + 1)
                                   .arg(BadpixelsFile::maxPixels)
                            << 0 << 20000;
}

void tst_BadpixelsFile::millionLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, failure);
    QFETCH(int, pixels);
    QFETCH(int, lines);
    const QString path = file(line.repeated(lines) + "7 8 0\n");
    QVERIFY(!path.isEmpty());
    QVector<QPoint> read;
    const QString message = readFailure(path, &read);
    QVERIFY2(failure.isEmpty() ? message.isEmpty() : message.startsWith(failure),
             qPrintable(message));
    if (failure.isEmpty())
        QCOMPARE(read.size(), pixels + 1);
}

void tst_BadpixelsFile::longLine()
{
    const QByteArray longest = "1 2 0 #" + QByteArray(BadpixelsFile::maxLineLength - 7, 'x') + "\n";
    QCOMPARE(longest.size(), BadpixelsFile::maxLineLength + 1);
    QCOMPARE(readFailure(file(longest)), QString());
    QCOMPARE(readFailure(file("5 5 0\n" + longest.left(longest.size() - 1) + "y\n6 6 0\n")),
             QStringLiteral("Line 2 is too long for a hot pixel line."));
    QCOMPARE(readFailure(file(QByteArray(100000, '7'))),
             QStringLiteral("Line 1 is too long for a hot pixel line."));
}

void tst_BadpixelsFile::missingFile()
{
    QVERIFY(readFailure(m_dir.filePath(QStringLiteral("absent.badpixels")))
                .endsWith(QStringLiteral("could not be read: No such file or directory.")));
    QVERIFY(readFailure(m_dir.path()).endsWith(QStringLiteral("it is a folder.")));
    // A named pipe is refused at once instead of waiting for a writer.
    const QString pipe = m_dir.filePath(QStringLiteral("pipe.badpixels"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(readFailure(pipe).endsWith(QStringLiteral("a device or a pipe.")));
}

void tst_BadpixelsFile::writeAndReadBack()
{
    const QVector<QPoint> pixels{{0, 0}, {1279, 1023}, {17, 4}};
    const QString path = m_dir.filePath(QStringLiteral("out.badpixels"));
    BadpixelsFile::write(path, pixels);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // Undated entries, which the converters apply to every photo.
    QCOMPARE(f.readAll(), QByteArray("# column row time\n0 0 0\n1279 1023 0\n17 4 0\n"));
    QCOMPARE(BadpixelsFile::read(path, Sensor), pixels);
}

void tst_BadpixelsFile::writeEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("empty.badpixels"));
    BadpixelsFile::write(path, {});
    QCOMPARE(BadpixelsFile::read(path, Sensor), QVector<QPoint>());
}

void tst_BadpixelsFile::writeRefused()
{
    QString message;
    try {
        BadpixelsFile::write(m_dir.filePath(QStringLiteral("no/such/folder/x.badpixels")),
                             {{1, 2}});
    } catch (const std::runtime_error &e) {
        message = QString::fromUtf8(e.what());
    }
    QVERIFY(message.endsWith(QStringLiteral("was not written: No such file or directory.")));
}

VYRO_TEST_GUILESS_MAIN(tst_BadpixelsFile)
#include "tst_badpixelsfile.moc"

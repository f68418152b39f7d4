// tst_files.cpp: the one way to write a file (whole or not at all) and to read a user's file.
#include <QtTest>

#include "tests/support/smalldisk.h"
#include "tests/support/testmain.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <sys/stat.h>
#include <unistd.h>

using vyrokit::FileReader;
using vyrokit::FileWriter;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class tst_Files : public QObject
{
    Q_OBJECT
private slots:
    void fullDiskKeepsTheTarget();
    void replacesAndKeepsModeAndLink();
    void unwritableFolder();
    void refusesWhatIsNotAFile_data();
    void refusesWhatIsNotAFile();
    void sizeBound();
};

void tst_Files::fullDiskKeepsTheTarget()
{
    SmallDisk disk;
    if (!disk.isReady())
        QSKIP(qPrintable(disk.problem()));
    const QString target = disk.filePath(QStringLiteral("list.txt"));
    put(target, "old contents\n");
    QVERIFY(disk.fill());
    QString problem;
    QVERIFY(!FileWriter::write(target, QByteArray(64 * 1024, 'x'), &problem));
    QVERIFY2(problem.contains(QLatin1String("No space left")), qPrintable(problem));
    QVERIFY(problem.contains(target));
    QCOMPARE(contents(target), QByteArray("old contents\n"));
    // Nothing is left behind: the folder holds the target and the filler only.
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    disk.drain();
    QVERIFY2(FileWriter::write(target, "new\n", &problem), qPrintable(problem));
    QCOMPARE(contents(target), QByteArray("new\n"));
}

void tst_Files::replacesAndKeepsModeAndLink()
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.conf"));
    const QString link = dir.filePath(QStringLiteral("link.conf"));
    put(real, "a=1\n");
    QVERIFY(::chmod(QFile::encodeName(real).constData(), 0640) == 0);
    QVERIFY(QFile::link(real, link));
    QString problem;
    QVERIFY2(FileWriter::write(link, "a=2\n", &problem), qPrintable(problem));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(contents(real), QByteArray("a=2\n"));
    struct stat st;
    QVERIFY(::stat(QFile::encodeName(real).constData(), &st) == 0);
    QCOMPARE(int(st.st_mode & 0777), 0640);
}

void tst_Files::unwritableFolder()
{
    if (::geteuid() == 0)
        QSKIP("root writes into any folder");
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("a.txt"));
    put(target, "keep");
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0500) == 0);
    QString problem;
    QVERIFY(!FileWriter::write(target, "lost", &problem));
    QVERIFY2(problem.contains(QLatin1String("Permission denied")), qPrintable(problem));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    QCOMPARE(contents(target), QByteArray("keep"));
}

void tst_Files::refusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << "fifo"
                                << "not a regular file";
    QTest::newRow("device") << "device"
                            << "not a regular file";
    QTest::newRow("folder") << "folder"
                            << "is a folder";
    QTest::newRow("missing") << "missing"
                             << "No such file";
}

void tst_Files::refusesWhatIsNotAFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("x"));
    if (kind == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (kind == QLatin1String("device"))
        path = QStringLiteral("/dev/zero");
    else if (kind == QLatin1String("folder"))
        path = dir.path();
    QByteArray bytes("untouched");
    QString problem;
    bool missing = false;
    QVERIFY(!FileReader::read(path, 1024, &bytes, &problem, &missing));
    QVERIFY2(problem.contains(path) && problem.contains(reason), qPrintable(problem));
    QCOMPARE(missing, kind == QLatin1String("missing"));
    QCOMPARE(bytes, QByteArray("untouched"));
    // Writing over a pipe or a folder is refused too, and never waits for a reader.
    if (kind == QLatin1String("fifo") || kind == QLatin1String("folder"))
        QVERIFY(!FileWriter::write(path, "x", &problem));
}

void tst_Files::sizeBound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a"));
    put(path, QByteArray(100, 'a'));
    QByteArray bytes;
    QString problem;
    QVERIFY(FileReader::read(path, 100, &bytes, &problem));
    QCOMPARE(bytes.size(), 100);
    QVERIFY(!FileReader::read(path, 99, &bytes, &problem));
    QVERIFY(problem.contains(QLatin1String("larger than 99 bytes")));
}

VYRO_TEST_GUILESS_MAIN(tst_Files)
#include "tst_files.moc"

// tst_librarysearch.cpp: the linker's directories from ldconfig's output, and the search through
// them with a stand-in ldconfig first on PATH and the files below a private system root.
#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "tests/support/testmain.h"
#include "tests/zentara/devinfo/sysfsfixture.h"
#include "zentara/devinfo/librarysearch.h"

namespace {

const char *const Crest = "liborv_crest.so";

// A directory with an executable "ldconfig" that prints output, put first on PATH for as long
// as it lives.
class FakeLdconfig final
{
public:
    explicit FakeLdconfig(const QByteArray &output) : m_oldPath(qgetenv("PATH"))
    {
        QFile data(m_dir.filePath(QStringLiteral("output.txt")));
        QFile script(m_dir.filePath(QStringLiteral("ldconfig")));
        m_valid = m_dir.isValid() && data.open(QIODevice::WriteOnly) &&
                  data.write(output) == output.size() && script.open(QIODevice::WriteOnly) &&
                  script.write("#!/bin/sh\ncat \"" + data.fileName().toLocal8Bit() + "\"\n") > 0;
        data.close();
        script.close();
        m_valid = m_valid &&
                  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_oldPath);
    }
    ~FakeLdconfig() { qputenv("PATH", m_oldPath); }
    bool isValid() const { return m_valid; }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    bool m_valid = false;
};

// ldconfig -v as a machine prints it: directory lines with comments, library lines indented.
const QByteArray MachineOutput = "/opt/orv/lib: (from /etc/ld.so.conf.d/orv.conf:1)\n"
                                 "\tliborv_crest.so -> liborv_crest.so.2\n"
                                 "/usr/lib/x86_64-linux-gnu: (from /etc/ld.so.conf.d/x86.conf:3)\n"
                                 "\tlibc.so.6 -> libc.so.6\n"
                                 "/usr/lib: (system)\n"
                                 "/opt/orv/lib:\n"
                                 "/opt/second/lib:\n";

} // namespace

class tst_LibrarySearch : public QObject
{
    Q_OBJECT
private slots:
    void directories_data();
    void directories();
    void find_data();
    void find();
    void locateWithLdconfig();
    void locateWithoutLdconfig();
};

void tst_LibrarySearch::directories_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("added");

    QTest::newRow("nothing") << QByteArray() << QStringList();
    QTest::newRow("comment_after_colon")
        << QByteArray("/opt/orv/lib: (from /etc/ld.so.conf.d/orv.conf:1)\n")
        << QStringList{"/opt/orv/lib"};
    QTest::newRow("repeated_directory")
        << QByteArray("/opt/a:\n/opt/b:\n/opt/a: (again)\n") << QStringList{"/opt/a", "/opt/b"};
    QTest::newRow("default_repeated") << QByteArray("/usr/lib: (system)\n/lib:\n") << QStringList();
    QTest::newRow("library_lines_skipped")
        << QByteArray("/opt/a:\n\tlibx.so.1 -> libx.so.1.0\n  liby.so -> liby.so.2\n")
        << QStringList{"/opt/a"};
    QTest::newRow("case_sensitive")
        << QByteArray("/Opt/A:\n/opt/a:\n") << QStringList{"/Opt/A", "/opt/a"};
    QTest::newRow("no_colon_no_newline") << QByteArray("/opt/last") << QStringList{"/opt/last"};
    QTest::newRow("empty_before_colon") << QByteArray(": (from nowhere)\n\n") << QStringList();
    QTest::newRow("machine") << MachineOutput
                             << QStringList{"/opt/orv/lib", "/usr/lib/x86_64-linux-gnu",
                                            "/opt/second/lib"};
}

void tst_LibrarySearch::directories()
{
    QFETCH(QByteArray, output);
    QFETCH(QStringList, added);

    QCOMPARE(LibrarySearch::directories(output), LibrarySearch::defaultDirectories() + added);
    QCOMPARE(LibrarySearch::defaultDirectories(),
             (QStringList{"/lib", "/usr/lib", "/usr/local/lib"}));
}

void tst_LibrarySearch::find_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("default_first")
        << QStringList{"/usr/local/lib", "/opt/orv/lib"} << "/usr/local/lib/liborv_crest.so";
    QTest::newRow("list_order") << QStringList{"/opt/second/lib", "/opt/orv/lib"}
                                << "/opt/orv/lib/liborv_crest.so";
    QTest::newRow("only_last") << QStringList{"/opt/second/lib"}
                               << "/opt/second/lib/liborv_crest.so";
}

void tst_LibrarySearch::find()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);

    const SysfsFixture root(SysfsFixture::Layout::Empty);
    QVERIFY(root.isValid());
    for (const QString &directory : present) {
        QVERIFY(QDir().mkpath(root.root() + directory));
        QVERIFY(SysfsFixture::writeFile(root.root() + directory + '/' + Crest, "ELF"));
    }
    // A directory named like the library is no hit for another name.
    QVERIFY(QDir().mkpath(root.root() + "/usr/lib/liborv_other.so"));

    QCOMPARE(LibrarySearch::find(Crest, LibrarySearch::directories(MachineOutput)), found);
}

void tst_LibrarySearch::locateWithLdconfig()
{
    const FakeLdconfig ldconfig(MachineOutput);
    QVERIFY(ldconfig.isValid());
    const SysfsFixture root(SysfsFixture::Layout::Empty);
    QVERIFY(QDir().mkpath(root.root() + "/opt/second/lib"));
    QVERIFY(SysfsFixture::writeFile(root.root() + "/opt/second/lib/" + Crest, "ELF"));

    const QStringList directories = LibrarySearch::directories(LibrarySearch::ldconfigOutput());
    const QStringList added = {"/opt/orv/lib", "/usr/lib/x86_64-linux-gnu", "/opt/second/lib"};
    QCOMPARE(directories, LibrarySearch::defaultDirectories() + added);
    QCOMPARE(LibrarySearch::locate(Crest), QStringLiteral("/opt/second/lib/liborv_crest.so"));
}

void tst_LibrarySearch::locateWithoutLdconfig()
{
    // An ldconfig that fails and says nothing leaves the default directories.
    const FakeLdconfig ldconfig("");
    QVERIFY(ldconfig.isValid());
    const SysfsFixture root(SysfsFixture::Layout::Empty);
    QCOMPARE(LibrarySearch::ldconfigOutput(), QByteArray());
    QCOMPARE(LibrarySearch::locate(Crest), QString());

    QVERIFY(QDir().mkpath(root.root() + "/lib"));
    QVERIFY(SysfsFixture::writeFile(root.root() + "/lib/" + Crest, "ELF"));
    QCOMPARE(LibrarySearch::locate(Crest), QStringLiteral("/lib/liborv_crest.so"));
}

VYRO_TEST_GUILESS_MAIN(tst_LibrarySearch)
#include "tst_librarysearch.moc"

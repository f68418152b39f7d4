// tst_translationdirectory.cpp: the catalogue folder of a built and of an installed program.
#include <QtTest>

#include "vyrokit/translationdirectory.h"

using vyrokit::TranslationDirectory;

class tst_TranslationDirectory : public QObject
{
    Q_OBJECT

private slots:
    // Folders (relative to a scratch prefix) that exist, the program's directory, and the
    // folder expected.
    void locate_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build_tree") << QStringList{"bin/lang/zentara"} << "bin"
                                    << "bin/lang/zentara";
        QTest::newRow("installed") << QStringList{"bin", "share/zentara/lang"} << "bin"
                                   << "share/zentara/lang";
        QTest::newRow("build_tree_wins")
            << QStringList{"bin/lang/dapplix", "share/dapplix/lang"} << "bin"
            << "bin/lang/dapplix";
        QTest::newRow("other_program_built_beside")
            << QStringList{"bin/lang/dapplix", "share/zentara/lang"} << "bin"
            << "share/zentara/lang";
        QTest::newRow("nothing_anywhere_gives_installed") << QStringList{"bin"} << "bin"
                                                          << "share/zentara/lang";
        QTest::newRow("deeper_prefix")
            << QStringList{"usr/bin", "usr/share/zentara/lang"} << "usr/bin"
            << "usr/share/zentara/lang";
    }

    void locate()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, programDir);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        for (const QString &folder : folders)
            QVERIFY(QDir().mkpath(prefix.filePath(folder)));
        const QString program = expected.contains(QLatin1String("dapplix"))
                                    ? QStringLiteral("dapplix")
                                    : QStringLiteral("zentara");
        QCOMPARE(TranslationDirectory::locate(prefix.filePath(programDir), program),
                 QDir::cleanPath(prefix.filePath(expected)));
    }

    // The installed folder is the data directory's, reached from the program directory.
    void installedRelative()
    {
        QCOMPARE(TranslationDirectory::installedRelative(QStringLiteral("zentara")),
                 QStringLiteral("../share/zentara/lang"));
    }

    // A test executable has no catalogues of its own: the installed folder beside its own.
    void forRunningProgram()
    {
        const QString programDir = QCoreApplication::applicationDirPath();
        QCOMPARE(TranslationDirectory::forProgram(QStringLiteral("nosuchprogram")),
                 QDir::cleanPath(programDir + QStringLiteral("/../share/nosuchprogram/lang")));
    }
};

QTEST_GUILESS_MAIN(tst_TranslationDirectory)
#include "tst_translationdirectory.moc"

// tst_emulatedtest.cpp: the armhf suite's test launcher leaves out exactly the test functions its
// skip list names, and only under emulation.
#include "tests/support/testmain.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Launch
{
    int exitCode = -1;
    QStringList lines;
};

// A stand-in test program: lists three functions for -functions, else prints its arguments.
const char fakeProgram[] = "#!/bin/sh\n"
                           "if [ \"$1\" = -functions ]; then\n"
                           "  printf 'first()\\nsecond()\\nthird()\\n'; exit 0\n"
                           "fi\n"
                           "echo \"ran:$*\"\n"
                           "exit 3\n";

} // namespace

class tst_EmulatedTest : public QObject
{
    Q_OBJECT

private slots:
    void launch_data()
    {
        QTest::addColumn<bool>("emulated");
        QTest::addColumn<QString>("skipList");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");

        const QString two = QStringLiteral("# comment\n"
                                           "tst_fake second needs a child process\n"
                                           "tst_other first belongs to another program\n"
                                           "tst_fake third also a child\n");
        QTest::newRow("native_ignores_list")
            << false << two << QStringList() << 3 << QStringList{"ran:"};
        QTest::newRow("emulated_leaves_out_named")
            << true << two << QStringList() << 3
            << QStringList{"SKIP   : tst_fake::second() under emulation: needs a child process",
                           "SKIP   : tst_fake::third() under emulation: also a child", "ran:first"};
        QTest::newRow("emulated_nothing_named_runs_all")
            << true << QStringLiteral("tst_other * not this one\n") << QStringList() << 3
            << QStringList{"ran:"};
        QTest::newRow("emulated_whole_program")
            << true << QStringLiteral("tst_fake * starts processes everywhere\n") << QStringList()
            << 0 << QStringList{"SKIP   : tst_fake under emulation: starts processes everywhere"};
        QTest::newRow("emulated_every_function_named")
            << true << QStringLiteral("tst_fake first a\ntst_fake second b\ntst_fake third c\n")
            << QStringList() << 0
            << QStringList{"SKIP   : tst_fake::first() under emulation: a",
                           "SKIP   : tst_fake::second() under emulation: b",
                           "SKIP   : tst_fake::third() under emulation: c"};
        QTest::newRow("explicit_arguments_pass_through")
            << true << two << QStringList{"second"} << 3 << QStringList{"ran:second"};
    }

    void launch()
    {
        QFETCH(bool, emulated);
        QFETCH(QString, skipList);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile program(dir.filePath(QStringLiteral("tst_fake")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(fakeProgram);
        program.close();
        QVERIFY(program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner));
        QFile skips(dir.filePath(QStringLiteral("skips")));
        QVERIFY(skips.open(QIODevice::WriteOnly));
        skips.write(skipList.toUtf8());
        skips.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("VYRO_EMULATED"));
        if (emulated)
            env.insert(QStringLiteral("VYRO_EMULATED"), QStringLiteral("qemu-arm"));
        env.insert(QStringLiteral("VYRO_EMULATED_SKIPS"), skips.fileName());
        QProcess launcher;
        launcher.setProcessEnvironment(env);
        launcher.start(QStringLiteral(EMULATED_TEST), QStringList{program.fileName()} + arguments);
        QVERIFY(launcher.waitForFinished(60000));
        QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launcher.exitCode(), exitCode);
        const QString out = QString::fromUtf8(launcher.readAllStandardOutput()).trimmed();
        QCOMPARE(out.split(QLatin1Char('\n')), lines);
    }
};

VYRO_TEST_GUILESS_MAIN(tst_EmulatedTest)
#include "tst_emulatedtest.moc"

// tst_consoleoptions.cpp: help and version answered on the terminal, without a display.
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include <vector>

#include "tests/support/testmain.h"
#include "vyrokit/consoleoptions.h"

#include "vyro_version.h"

class tst_ConsoleOptions : public QObject
{
    Q_OBJECT
private slots:
    void askForTextOnly_data();
    void askForTextOnly();
    void programsAnswerWithoutDisplay_data();
    void programsAnswerWithoutDisplay();
};

void tst_ConsoleOptions::askForTextOnly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("textOnly");
    QTest::newRow("none") << QStringList{} << false;
    QTest::newRow("help") << QStringList{"--help"} << true;
    QTest::newRow("short_help") << QStringList{"-h"} << true;
    QTest::newRow("question_mark") << QStringList{"-?"} << true;
    QTest::newRow("help_all") << QStringList{"--help-all"} << true;
    QTest::newRow("version") << QStringList{"--version"} << true;
    QTest::newRow("short_version") << QStringList{"-v"} << true;
    QTest::newRow("after_other_options") << QStringList{"-a", "--version"} << true;
    QTest::newRow("after_double_dash") << QStringList{"--", "--help"} << false;
    QTest::newRow("qt_option") << QStringList{"-platform", "offscreen"} << false;
    QTest::newRow("prefix_only") << QStringList{"--helpme", "-vv"} << false;
    QTest::newRow("program_option") << QStringList{"-d"} << false;
}

void tst_ConsoleOptions::askForTextOnly()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, textOnly);
    std::vector<QByteArray> storage{QByteArray("program")};
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<const char *> argv;
    for (const QByteArray &argument : storage)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);
    QCOMPARE(vyrokit::ConsoleOptions::askForTextOnly(int(storage.size()), argv.data()), textOnly);
}

void tst_ConsoleOptions::programsAnswerWithoutDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("expected");
    const QString zentara = QStringLiteral(ZENTARA_BIN), dapplix = QStringLiteral(DAPPLIX_BIN);
    const QString version = QStringLiteral(VYRO_VERSION_TEXT);
    QTest::newRow("zentara_version") << zentara << "--version" << version;
    QTest::newRow("zentara_help") << zentara << "--help"
                                  << "--daemon-config";
    QTest::newRow("dapplix_version") << dapplix << "--version" << version;
    QTest::newRow("dapplix_short_version") << dapplix << "-v" << version;
    QTest::newRow("dapplix_help") << dapplix << "--help"
                                  << "--version";
}

void tst_ConsoleOptions::programsAnswerWithoutDisplay()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, expected);
    // No display at all, and a platform that needs one: a program that made a window now would
    // abort instead of answering.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {option});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(output.contains(expected), qPrintable(output));
}

VYRO_TEST_GUILESS_MAIN(tst_ConsoleOptions)
#include "tst_consoleoptions.moc"

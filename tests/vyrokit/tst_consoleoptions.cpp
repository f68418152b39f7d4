// tst_consoleoptions.cpp: help, version and wrong options answered on the terminal, without a
// display; every option the help names is in the manual.
#include <QCommandLineParser>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
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
    void withoutQtOptions_data();
    void withoutQtOptions();
    void answersOnTerminal_data();
    void answersOnTerminal();
    void programsAnswerWithoutDisplay_data();
    void programsAnswerWithoutDisplay();
    void unknownOptionWithoutDisplay_data();
    void unknownOptionWithoutDisplay();
    void helpInGerman_data();
    void helpInGerman();
    void manualNamesEveryOption_data();
    void manualNamesEveryOption();
};

namespace {

// argv of "program" and the arguments; the storage must outlive argv.
std::vector<const char *> argvOf(const QStringList &arguments, std::vector<QByteArray> &storage)
{
    storage = {QByteArray("program")};
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<const char *> argv;
    for (const QByteArray &argument : storage)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);
    return argv;
}

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The program as over SSH: no display, a platform that needs one, the given locale. A program
// that made a window first would abort instead of answering.
Result runWithoutDisplay(const QString &program, const QStringList &arguments,
                         const QString &locale = QStringLiteral("C"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Result r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

} // namespace

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
    std::vector<QByteArray> storage;
    const std::vector<const char *> argv = argvOf(arguments, storage);
    QCOMPARE(vyrokit::ConsoleOptions::askForTextOnly(int(storage.size()), argv.data()), textOnly);
}

void tst_ConsoleOptions::withoutQtOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("platform") << QStringList{"-platform", "offscreen", "-a"} << QStringList{"-a"};
    QTest::newRow("double_dash_platform")
        << QStringList{"--platform", "offscreen", "--list"} << QStringList{"--list"};
    QTest::newRow("inline_value") << QStringList{"-style=fusion", "-d"} << QStringList{"-d"};
    QTest::newRow("flag") << QStringList{"-reverse", "--json"} << QStringList{"--json"};
    QTest::newRow("unknown_stays") << QStringList{"--bogus", "-x"} << QStringList{"--bogus", "-x"};
    QTest::newRow("after_double_dash")
        << QStringList{"--", "-platform", "x"} << QStringList{"--", "-platform", "x"};
}

void tst_ConsoleOptions::withoutQtOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, remaining);
    std::vector<QByteArray> storage;
    const std::vector<const char *> argv = argvOf(arguments, storage);
    QCOMPARE(vyrokit::ConsoleOptions::withoutQtOptions(int(storage.size()), argv.data()),
             QStringList{"program"} + remaining);
}

void tst_ConsoleOptions::answersOnTerminal_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("none") << QStringList{} << false;
    QTest::newRow("own_option") << QStringList{"-a"} << false;
    QTest::newRow("qt_option") << QStringList{"-platform", "offscreen", "-a"} << false;
    QTest::newRow("help") << QStringList{"--help"} << true;
    QTest::newRow("unknown_long") << QStringList{"--bogus"} << true;
    QTest::newRow("unknown_short") << QStringList{"-x"} << true;
    QTest::newRow("unknown_after_own") << QStringList{"-a", "--bogus"} << true;
}

void tst_ConsoleOptions::answersOnTerminal()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, terminal);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(QCommandLineOption(QStringLiteral("a"), QStringLiteral("A")));
    std::vector<QByteArray> storage;
    const std::vector<const char *> argv = argvOf(arguments, storage);
    QCOMPARE(vyrokit::ConsoleOptions::answersOnTerminal(parser, int(storage.size()), argv.data()),
             terminal);
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
    const Result r = runWithoutDisplay(program, {option});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains(expected), qPrintable(r.out));
}

// A wrong option is named with the usage and exit code 1, as the manuals say.
void tst_ConsoleOptions::unknownOptionWithoutDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QString zentara = QStringLiteral(ZENTARA_BIN), dapplix = QStringLiteral(DAPPLIX_BIN);
    QTest::newRow("zentara") << zentara << QStringList{"--bogus"} << "Unknown option 'bogus'.";
    QTest::newRow("zentara_with_own")
        << zentara << QStringList{"-a", "-x"} << "Unknown option 'x'.";
    QTest::newRow("zentara_missing_value")
        << zentara << QStringList{"--json", "--lang"} << "Missing value after '--lang'.";
    QTest::newRow("dapplix") << dapplix << QStringList{"--bogus"} << "Unknown option 'bogus'.";
    QTest::newRow("dapplix_after_qt_option")
        << dapplix << QStringList{"-platform", "offscreen", "-q"} << "Unknown option 'q'.";
}

void tst_ConsoleOptions::unknownOptionWithoutDisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Result r = runWithoutDisplay(program, arguments);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.startsWith(error + QLatin1Char('\n')), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("Usage: ")), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("--help")), qPrintable(r.err));
    QCOMPARE(r.out, QString());
}

// German help is German throughout, the parser's own words included.
void tst_ConsoleOptions::helpInGerman_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("own");
    QTest::newRow("zentara") << QStringLiteral(ZENTARA_BIN) << "Zusatzfunktionen öffnen";
    QTest::newRow("dapplix") << QStringLiteral(DAPPLIX_BIN) << "Hotpixel-Editor";
}

void tst_ConsoleOptions::helpInGerman()
{
    QFETCH(QString, program);
    QFETCH(QString, own);
    const Result r =
        runWithoutDisplay(program, {QStringLiteral("--help")}, QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(r.exitCode, 0);
    for (const QString &text : {QStringLiteral("Aufruf: "), QStringLiteral("Optionen:"),
                                QStringLiteral("Zeigt Hilfe zu den Kommandozeilenoptionen an."),
                                QStringLiteral("Zeigt Versionsinformation an."), own})
        QVERIFY2(r.out.contains(text), qPrintable(text + QStringLiteral(" in:\n") + r.out));
    for (const QString &english :
         {QStringLiteral("Usage:"), QStringLiteral("Options:"), QStringLiteral("Displays")})
        QVERIFY2(!r.out.contains(english), qPrintable(r.out));
}

// Every option --help prints appears in the program's manual page.
void tst_ConsoleOptions::manualNamesEveryOption_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("page");
    QTest::newRow("zentara") << QStringLiteral(ZENTARA_BIN) << QStringLiteral(MAN_DIR "/zentara.1");
    QTest::newRow("dapplix") << QStringLiteral(DAPPLIX_BIN) << QStringLiteral(MAN_DIR "/dapplix.1");
}

void tst_ConsoleOptions::manualNamesEveryOption()
{
    QFETCH(QString, program);
    QFETCH(QString, page);
    const Result r = runWithoutDisplay(program, {QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QFile file(page);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
    const QString manual =
        QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    static const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[A-Za-z?][-A-Za-z]*)"));
    int seen = 0;
    for (const QString &line : r.out.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("  -")))
            continue;
        const QString names = line.trimmed().section(QStringLiteral("  "), 0, 0);
        auto it = option.globalMatch(names);
        while (it.hasNext()) {
            const QString name = it.next().captured(1);
            ++seen;
            QVERIFY2(QRegularExpression(QStringLiteral("(^|[^-A-Za-z])") +
                                            QRegularExpression::escape(name) +
                                            QStringLiteral("($|[^-A-Za-z])"),
                                        QRegularExpression::MultilineOption)
                         .match(manual)
                         .hasMatch(),
                     qPrintable(name + QStringLiteral(" is not in ") + page));
        }
    }
    QVERIFY(seen >= 4);
}

VYRO_TEST_GUILESS_MAIN(tst_ConsoleOptions)
#include "tst_consoleoptions.moc"

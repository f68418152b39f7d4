// main.cpp: dapplix, the hot pixel editor.
#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

#include "dapplix/ui/mainwindow.h"
#include "vyrokit/consoleoptions.h"
#include "vyrokit/translationdirectory.h"

#include "vyro_version.h"

namespace {

void setIdentity()
{
    // The name --version prints is the window's; the window keeps its settings under
    // "Vyro/Dapplix" by name, so the application name does not move them.
    QCoreApplication::setOrganizationName(QStringLiteral("Vyro"));
    QCoreApplication::setApplicationName(QStringLiteral("Vyro Dapplix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VYRO_VERSION_TEXT));
}

void installTranslators(QCoreApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    auto *own = new QTranslator(&app);
    if (own->load(QLocale(), QStringLiteral("dapplix"), QStringLiteral("_"),
                  vyrokit::TranslationDirectory::forProgram(QStringLiteral("dapplix"))))
        app.installTranslator(own);
}

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Vyro Dapplix, the hot pixel editor: finds, edits "
                                            "and stores the hot pixels of Vyro cameras."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// Help, version and wrong options end the program; no value means it goes on.
std::optional<int> processCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    return vyrokit::ConsoleOptions::process(parser, arguments);
}

} // namespace

int main(int argc, char *argv[])
{
    setIdentity();
    QCommandLineParser check;
    describe(check);
    if (vyrokit::ConsoleOptions::answersOnTerminal(check, argc, argv)) {
        const QStringList arguments = vyrokit::ConsoleOptions::withoutQtOptions(argc, argv);
        QCoreApplication console(argc, argv);
        installTranslators(console);
        return processCommandLine(arguments).value_or(0);
    }

    QApplication app(argc, argv);
    installTranslators(app);
    if (const std::optional<int> code = processCommandLine(QCoreApplication::arguments()))
        return *code;
    MainWindow window;
    window.show();
    return app.exec();
}

// main.cpp: dapplix, the hot pixel editor.
#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "dapplix/ui/mainwindow.h"
#include "vyrokit/consoleoptions.h"
#include "vyrokit/translationdirectory.h"

#include "vyro_version.h"

namespace {

void setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vyro"));
    QCoreApplication::setApplicationName(QStringLiteral("Dapplix"));
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

// Help, version and wrong options end the program here, as the parser does.
void processCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Vyro Dapplix, the hot pixel editor: finds, edits "
                                            "and stores the hot pixels of Vyro cameras."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

} // namespace

int main(int argc, char *argv[])
{
    setIdentity();
    if (vyrokit::ConsoleOptions::askForTextOnly(argc, argv)) {
        QCoreApplication console(argc, argv);
        installTranslators(console);
        processCommandLine(console);
        return 0;
    }

    QApplication app(argc, argv);
    installTranslators(app);
    processCommandLine(app);
    MainWindow window;
    window.show();
    return app.exec();
}

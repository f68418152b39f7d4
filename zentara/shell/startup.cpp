// startup.cpp: zentara's start-up sequence.
#include "zentara/shell/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "vyrokit/productinfo.h"
#include "zentara/devinfo/libraryversion.h"
#include "zentara/shell/cameratable.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/tooldialogrunner.h"

#include "vyro_version.h"

const char *const Startup::ApplicationVersion = VYRO_VERSION_TEXT;

void Startup::initResources()
{
    Q_INIT_RESOURCE(zentara_inventory);
    Q_INIT_RESOURCE(zentara_shell);
}

void Startup::setIdentity(QCoreApplication &app)
{
    // The settings organisation stays "Orv" whatever the maker text says.
    app.setOrganizationName(QStringLiteral("Orv"));
    app.setOrganizationDomain(QStringLiteral("orv.example"));
    app.setApplicationName(QStringLiteral("%1 Zentara").arg(vyrokit::ProductInfo::maker()));
    app.setApplicationVersion(QLatin1String(ApplicationVersion));
}

void Startup::loadConsoleTranslation(QCoreApplication &app, const QString &language)
{
    // They live as long as the program's answer on the terminal, which ends with main().
    static QTranslator own;
    static QTranslator qt;
    QString name = language;
    if (name.isEmpty()) {
        name = QLocale::system().name();
        const int cut = name.lastIndexOf(QLatin1Char('_'));
        if (cut > 0)
            name.truncate(cut);
    }
    if (own.load(QStringLiteral("zentara_%1").arg(name),
                 QVyroZentara::defaultTranslationDirectory()))
        app.installTranslator(&own);
    // The parser's own texts (Usage, Options, help and version) come from Qt's catalogue.
    if (qt.load(QStringLiteral("qtbase_%1").arg(name),
                QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt);
}

int Startup::answerOnTerminal(QCoreApplication &app, const QStringList &arguments)
{
    setIdentity(app);
    // The language is known only after parsing, the texts of the options are needed before:
    // a first parser finds it, the translated one answers. JSON is English unless asked.
    QString language;
    {
        CommandLine untranslated;
        untranslated.parse(arguments);
        language = untranslated.language();
        if (language.isEmpty() && untranslated.json())
            language = QStringLiteral("en");
    }
    loadConsoleTranslation(app, language);
    CommandLine commandLine;
    if (const std::optional<int> code = commandLine.process(arguments))
        return *code;
    if (commandLine.listing())
        return CameraTable::print(commandLine.json());
    return 0;
}

int Startup::run(QApplication &app, const QStringList &arguments)
{
    setIdentity(app);
    CommandLine commandLine;
    if (const std::optional<int> code = commandLine.process(arguments))
        return *code;

    if (!LibraryVersion::check())
        return 1;

    ToolDialogRunner dialogs;
    QVyroZentara window(dialogs);
    window.show();
    commandLine.apply(window);
    return app.exec();
}

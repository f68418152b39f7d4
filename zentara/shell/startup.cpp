// startup.cpp: zentara's start-up sequence.
#include "zentara/shell/startup.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include "vyrokit/productinfo.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/libraryversion.h"
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

void Startup::loadConsoleTranslation(QCoreApplication &app)
{
    // Lives as long as the program's answer on the terminal, which ends with main().
    static QTranslator translator;
    const QString name = QLocale::system().name();
    const int cut = name.lastIndexOf(QLatin1Char('_'));
    const QString language = cut > 0 ? name.left(cut) : name;
    if (translator.load(QStringLiteral("zentara_%1").arg(language),
                        QVyroZentara::defaultTranslationDirectory()))
        app.installTranslator(&translator);
}

int Startup::run(QApplication &app, const QStringList &arguments)
{
    setIdentity(app);
    CommandLine commandLine;
    commandLine.process(arguments);

    if (!LibraryVersion::check())
        return 0;

    ToolDialogRunner dialogs;
    QVyroZentara window(dialogs);
    window.show();
    commandLine.apply(window);
    return app.exec();
}

// startup.cpp: zentara's start-up sequence.
#include "startup.h"

#include <QApplication>
#include <QTimer>

#include "commandline.h"
#include "libraryversion.h"
#include "qvyrozentara.h"

const char *const Startup::ApplicationVersion = "4.95.1.0";

void Startup::initResources()
{
    Q_INIT_RESOURCE(zentara_inventory);
    Q_INIT_RESOURCE(zentara_shell);
}

void Startup::setIdentity(QApplication &app)
{
    app.setOrganizationName(QStringLiteral("Orv"));
    app.setOrganizationDomain(QStringLiteral("orv.example"));
    app.setApplicationName(QStringLiteral("%1 Zentara").arg(QStringLiteral("Orv")));
    app.setApplicationVersion(QLatin1String(ApplicationVersion));
}

int Startup::run(QApplication &app, const QStringList &arguments)
{
    setIdentity(app);
    CommandLine commandLine;
    commandLine.process(arguments);

    if (!LibraryVersion::check())
        return 0;

    QVyroZentara window;
    window.show();
    // The start-up benchmark measures the way to the first shown window and stops there.
    if (qEnvironmentVariableIsSet("ZENTARA_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    commandLine.apply(window);
    return app.exec();
}

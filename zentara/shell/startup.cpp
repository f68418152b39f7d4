// startup.cpp: zentara's start-up sequence.
#include "zentara/shell/startup.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "vyrokit/productinfo.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/libraryversion.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/tooldialogrunner.h"

namespace {

// Ends the event loop once the window has painted itself for the first time.
class QuitAfterFirstPaint final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

const char *const Startup::ApplicationVersion = "4.95.1.0";

void Startup::initResources()
{
    Q_INIT_RESOURCE(zentara_inventory);
    Q_INIT_RESOURCE(zentara_shell);
}

void Startup::setIdentity(QApplication &app)
{
    // The settings organisation stays "Orv" whatever the maker text says.
    app.setOrganizationName(QStringLiteral("Orv"));
    app.setOrganizationDomain(QStringLiteral("orv.example"));
    app.setApplicationName(QStringLiteral("%1 Zentara").arg(vyrokit::ProductInfo::maker()));
    app.setApplicationVersion(QLatin1String(ApplicationVersion));
}

int Startup::run(QApplication &app, const QStringList &arguments)
{
    setIdentity(app);
    CommandLine commandLine;
    commandLine.process(arguments);

    if (!LibraryVersion::check())
        return 0;

    // The start-up benchmark measures the way to the first painted window and stops there.
    QuitAfterFirstPaint quitter;
    ToolDialogRunner dialogs;
    QVyroZentara window(dialogs);
    if (qEnvironmentVariableIsSet("ZENTARA_EXIT_AFTER_SHOW"))
        window.installEventFilter(&quitter);
    window.show();
    commandLine.apply(window);
    return app.exec();
}

// startup.h: zentara's start-up sequence between the application object and the event loop.
#ifndef ZENTARA_SHELL_STARTUP_H
#define ZENTARA_SHELL_STARTUP_H

#include <QString>
#include <QStringList>

class QApplication;
class QCoreApplication;

class Startup final
{
public:
    static const char *const ApplicationVersion;

    Startup() = delete;

    // Registers the pictures compiled into zentara's libraries.
    static void initResources();
    // Sets the application identity on app.
    static void setIdentity(QCoreApplication &app);
    // Installs the translation of the system's language for answers on the terminal.
    static void loadConsoleTranslation(QCoreApplication &app);
    // Identity, command line, library check, main window, the dialog the options ask for, then
    // the event loop. Returns the program's exit code: 0 when the library is refused.
    static int run(QApplication &app, const QStringList &arguments);
};

#endif // ZENTARA_SHELL_STARTUP_H

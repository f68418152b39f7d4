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
    // Installs zentara's and Qt's translations of language ("de"; empty: the system's) for
    // answers on the terminal.
    static void loadConsoleTranslation(QCoreApplication &app, const QString &language = {});
    // Help, version, a wrong option or the camera list, on the terminal without a GUI; the
    // arguments are the program's without Qt's own options. Returns the program's exit code.
    static int answerOnTerminal(QCoreApplication &app, const QStringList &arguments);
    // Identity, command line, library check, main window, the dialog the options ask for, then
    // the event loop. Returns the program's exit code: 1 when the library is refused or an
    // option is wrong.
    static int run(QApplication &app, const QStringList &arguments);
};

#endif // ZENTARA_SHELL_STARTUP_H

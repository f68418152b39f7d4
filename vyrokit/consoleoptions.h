// consoleoptions.h: the command-line options a program answers on the terminal alone.
#ifndef VYROKIT_CONSOLEOPTIONS_H
#define VYROKIT_CONSOLEOPTIONS_H

#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace vyrokit {

class ConsoleOptions final
{
public:
    ConsoleOptions() = delete;

    // True when the arguments ask for help or the version. Such a request needs no window, so
    // the program answers it before any GUI exists and it works over SSH without a display.
    static bool askForTextOnly(int argc, const char *const *argv);

    // The arguments of argv as QStringList, without the options Qt's GUI application takes for
    // itself (-platform, -style, ...) and their values: what the program's own parser sees once
    // the application object has removed them.
    static QStringList withoutQtOptions(int argc, const char *const *argv);

    // True when the program must answer on the terminal alone: help, version, or a command line
    // its parser refuses (an unknown option, a missing value). Creating a GUI first would abort
    // without a display before the mistake could be named.
    static bool answersOnTerminal(QCommandLineParser &parser, int argc, const char *const *argv);

    // Parses the arguments (the application's, Qt's own options already removed). Help and
    // version print their text and end the program, as QCommandLineParser does; a refused
    // command line prints the parser's error and the usage on standard error and gives the
    // exit code 1. No value: the program goes on.
    static std::optional<int> process(QCommandLineParser &parser, const QStringList &arguments);
};

} // namespace vyrokit

#endif // VYROKIT_CONSOLEOPTIONS_H

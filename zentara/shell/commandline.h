// commandline.h: zentara's command line: help, version, the camera list on the terminal and the
// two dialogs to open at start.
#ifndef ZENTARA_SHELL_COMMANDLINE_H
#define ZENTARA_SHELL_COMMANDLINE_H

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <optional>

class QVyroZentara;

class CommandLine final
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    CommandLine();

    // Processes arguments (Qt's own options removed) as the program's own command line: help
    // and version end the program here, as the parser does; a wrong option prints its error and
    // the usage and gives the exit code 1. No value: the program goes on.
    std::optional<int> process(const QStringList &arguments);
    // Parses without acting on help, version or errors; false on an error.
    bool parse(const QStringList &arguments);

    bool additionalFunctions() const;
    bool daemonConfig() const;
    // The camera list on standard output, as a table or (with --json) as JSON.
    bool listing() const;
    bool json() const;
    // The language --lang asks for ("de", "en"), empty without it.
    QString language() const;

    // True when the arguments ask for the camera list on the terminal: that needs no window,
    // so the program answers it before any GUI exists, without a display.
    static bool asksForListing(int argc, const char *const *argv);
    // True when the program answers on the terminal alone: help, version, the camera list or a
    // command line it refuses. A GUI made first would abort without a display.
    static bool answersOnTerminal(int argc, const char *const *argv);

    // Opens the dialog the options ask for on the shown main window; with both, only the
    // additional functions.
    void apply(QVyroZentara &window) const;

private:
    Q_DISABLE_COPY(CommandLine)

    QCommandLineParser m_parser;
    QCommandLineOption m_additional;
    QCommandLineOption m_daemon;
    QCommandLineOption m_list;
    QCommandLineOption m_json;
    QCommandLineOption m_language;
};

#endif // ZENTARA_SHELL_COMMANDLINE_H

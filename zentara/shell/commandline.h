// commandline.h: zentara's command line: help, version and the two dialogs to open at start.
#ifndef ZENTARA_SHELL_COMMANDLINE_H
#define ZENTARA_SHELL_COMMANDLINE_H

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

class QVyroZentara;

class CommandLine final
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    CommandLine();

    // Processes arguments as the program's own command line; help, version and errors end the
    // program here, as the parser does.
    void process(const QStringList &arguments);
    // Parses without acting on help, version or errors; false on an error.
    bool parse(const QStringList &arguments);

    bool additionalFunctions() const;
    bool daemonConfig() const;

    // Opens the dialog the options ask for on the shown main window; with both, only the
    // additional functions.
    void apply(QVyroZentara &window) const;

private:
    Q_DISABLE_COPY(CommandLine)

    QCommandLineParser m_parser;
    QCommandLineOption m_additional;
    QCommandLineOption m_daemon;
};

#endif // ZENTARA_SHELL_COMMANDLINE_H

// commandline.cpp: zentara's command line.
#include "zentara/shell/commandline.h"

#include <cstring>

#include "vyrokit/consoleoptions.h"
#include "vyrokit/productinfo.h"
#include "zentara/shell/qvyrozentara.h"

CommandLine::CommandLine()
    : m_additional({QStringLiteral("a"), QStringLiteral("additional-func")},
                   tr("Open Additional functions")),
      m_daemon({QStringLiteral("d"), QStringLiteral("daemon-config")}, tr("Open Daemon control")),
      m_list(QStringLiteral("list"),
             tr("Print every camera with its status on the terminal and exit")),
      m_json(QStringLiteral("json"), tr("Print the camera list as JSON and exit")),
      m_language(QStringLiteral("lang"),
                 tr("The language of --list and --json (en or de); without it --list follows the "
                    "system and --json is English"),
                 tr("language"))
{
    m_parser.setApplicationDescription(
        tr("%1 Zentara command line helper").arg(vyrokit::ProductInfo::maker()));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(m_additional);
    m_parser.addOption(m_daemon);
    m_parser.addOption(m_list);
    m_parser.addOption(m_json);
    m_parser.addOption(m_language);
}

std::optional<int> CommandLine::process(const QStringList &arguments)
{
    return vyrokit::ConsoleOptions::process(m_parser, arguments);
}

bool CommandLine::parse(const QStringList &arguments)
{
    return m_parser.parse(arguments);
}

bool CommandLine::additionalFunctions() const
{
    return m_parser.isSet(m_additional);
}

bool CommandLine::daemonConfig() const
{
    return m_parser.isSet(m_daemon);
}

bool CommandLine::listing() const
{
    return m_parser.isSet(m_list) || m_parser.isSet(m_json);
}

bool CommandLine::json() const
{
    return m_parser.isSet(m_json);
}

bool CommandLine::asksForListing(int argc, const char *const *argv)
{
    for (int i = 1; i < argc && argv[i]; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--list") == 0 || std::strcmp(argv[i], "--json") == 0)
            return true;
    }
    return false;
}

QString CommandLine::language() const
{
    return m_parser.value(m_language);
}

bool CommandLine::answersOnTerminal(int argc, const char *const *argv)
{
    CommandLine commandLine;
    return vyrokit::ConsoleOptions::answersOnTerminal(commandLine.m_parser, argc, argv) ||
           commandLine.listing();
}

void CommandLine::apply(QVyroZentara &window) const
{
    if (additionalFunctions())
        window.OnAdditionalFunctionsDlg();
    else if (daemonConfig())
        window.onEthDaemonConfig();
}

// commandline.cpp: zentara's command line.
#include "zentara/shell/commandline.h"

#include "vyrokit/productinfo.h"
#include "zentara/shell/qvyrozentara.h"

CommandLine::CommandLine()
    : m_additional({QStringLiteral("a"), QStringLiteral("additional-func")},
                   tr("Open Additional functions")),
      m_daemon({QStringLiteral("d"), QStringLiteral("daemon-config")}, tr("Open Daemon control"))
{
    m_parser.setApplicationDescription(
        tr("%1 Zentara command line helper").arg(vyrokit::ProductInfo::maker()));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(m_additional);
    m_parser.addOption(m_daemon);
}

void CommandLine::process(const QStringList &arguments)
{
    m_parser.process(arguments);
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

void CommandLine::apply(QVyroZentara &window) const
{
    if (additionalFunctions())
        window.OnAdditionalFunctionsDlg();
    else if (daemonConfig())
        window.onEthDaemonConfig();
}

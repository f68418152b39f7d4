// supportfile.h: the support file, written by the installation's report generator with the
// superuser's rights.
#ifndef ZENTARA_SHELL_SUPPORTFILE_H
#define ZENTARA_SHELL_SUPPORTFILE_H

#include <QString>
#include <QStringList>

class SupportFile final
{
public:
    static const char *const ReportGenerator; // "/usr/bin/vyroreport"
    static const char *const Elevation;       // "pkexec"
    static const char *const ProposedName;    // "/tmp/vyrod_support.log"

    // A program and its arguments.
    struct Command
    {
        QString program;
        QStringList arguments;
    };

    SupportFile() = delete;

    // Whether pkexec can be used: "pkexec --version" ends with exit code 0.
    static bool elevationAvailable();
    // The report generator's command for fileName, through pkexec when elevate is set.
    static Command command(const QString &fileName, bool elevate);
    // Runs the command and waits for it; true when it ended with exit code 0.
    static bool write(const QString &fileName, bool elevate);
};

#endif // ZENTARA_SHELL_SUPPORTFILE_H

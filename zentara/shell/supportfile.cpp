// supportfile.cpp: starting the report generator.
#include "zentara/shell/supportfile.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "vyrokit/systempaths.h"

const char *const SupportFile::ReportGenerator = "/usr/bin/vyroreport";
const char *const SupportFile::Elevation = "pkexec";
const char *const SupportFile::ProposedName = "/tmp/vyrod_support.log";

namespace {

// Long enough for a report over a slow system; the program waits as the user asked it to.
const int reportTimeoutMs = 300000;
const int versionTimeoutMs = 30000;

bool exitedWithZero(QProcess &process, int timeoutMs)
{
    if (!process.waitForStarted(timeoutMs))
        return false;
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(versionTimeoutMs);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

bool SupportFile::elevationAvailable()
{
    const QString program = vyrokit::SystemPaths::program(QLatin1String(Elevation));
    if (program.isEmpty())
        return false;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {QStringLiteral("--version")});
    return exitedWithZero(process, versionTimeoutMs);
}

SupportFile::Command SupportFile::command(const QString &fileName, bool elevate)
{
    const QString report = vyrokit::SystemPaths::program(QLatin1String(ReportGenerator));
    const QString output = QStringLiteral("-o ") + fileName;
    if (elevate)
        return {vyrokit::SystemPaths::program(QLatin1String(Elevation)), {report, output}};
    return {report, {output}};
}

bool SupportFile::write(const QString &fileName, bool elevate)
{
    const Command c = command(fileName, elevate);
    if (c.program.isEmpty())
        return false;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    // The window keeps painting while the report is written (pkexec may ask for a password
    // meanwhile); user input waits until it is done.
    QEventLoop loop;
    QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(reportTimeoutMs, &loop, &QEventLoop::quit);
    process.start(c.program, c.arguments);
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(versionTimeoutMs);
        return false;
    }
    return process.error() != QProcess::FailedToStart &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// servicecontrol.cpp: service tool detection and the daemon start and stop commands.
#include "zentara/network/servicecontrol.h"

#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

#include "vyrokit/systempaths.h"

namespace {

constexpr int probeTimeoutMs = 1000;
constexpr int serviceTimeoutMs = 1000;

void silence(QProcess &process)
{
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
}

} // namespace

const QString ServiceControl::ethService = QStringLiteral("vyroethdrc");
const QString ServiceControl::usbService = QStringLiteral("vyrousbdrc");

ServiceControl::ServiceControl() : ServiceControl(::getuid() == 0)
{
}

ServiceControl::ServiceControl(bool isRoot) : m_isRoot(isRoot)
{
    detect();
}

QString ServiceControl::systemdUnitPath(const QString &service)
{
    return vyrokit::SystemPaths::path(
        QStringLiteral("/etc/systemd/system/multi-user.target.wants/%1.service").arg(service));
}

QString ServiceControl::initScriptPath(const QString &service)
{
    return vyrokit::SystemPaths::path(QStringLiteral("/etc/init.d/%1").arg(service));
}

void ServiceControl::detect()
{
    m_hasSystemctl =
        runAndWait(QStringLiteral("systemctl"), {QStringLiteral("--version")}, probeTimeoutMs) == 0;
    if (!m_hasSystemctl) {
        m_usbServiceInstalled = QFileInfo::exists(initScriptPath(usbService));
        m_ethServiceInstalled = QFileInfo::exists(initScriptPath(ethService));
        return;
    }
    m_hasPkexec =
        runAndWait(QStringLiteral("pkexec"), {QStringLiteral("--version")}, probeTimeoutMs) == 0;
    m_usbServiceInstalled = QFileInfo::exists(systemdUnitPath(usbService));
    m_ethServiceInstalled = QFileInfo::exists(systemdUnitPath(ethService));
}

bool ServiceControl::control(const QString &service, bool stop) const
{
    const QString action = stop ? QStringLiteral("stop") : QStringLiteral("start");
    if (!m_hasSystemctl) {
        if (!m_isRoot)
            return false;
        // The scripts' own stop would wait for cameras to be released; force-stop does not.
        runAndWait(service, {stop ? QStringLiteral("force-stop") : action}, serviceTimeoutMs);
        return true;
    }
    if (m_isRoot) {
        runAndWait(QStringLiteral("systemctl"), {action, service}, serviceTimeoutMs);
        return true;
    }
    if (!m_hasPkexec)
        return false;
    // pkexec asks for the password in a window of its own; the dialog must not wait for it.
    startDetached(QStringLiteral("pkexec"), {QStringLiteral("--user"), QStringLiteral("root"),
                                             QStringLiteral("systemctl"), action, service});
    return true;
}

int ServiceControl::runAndWait(const QString &program, const QStringList &arguments, int timeoutMs)
{
    const QString path = vyrokit::SystemPaths::program(program);
    if (path.isEmpty())
        return -1;
    QProcess process;
    silence(process);
    process.start(path, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(-1);
        }
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool ServiceControl::startDetached(const QString &program, const QStringList &arguments)
{
    const QString path = vyrokit::SystemPaths::program(program);
    if (path.isEmpty())
        return false;
    // Detached: the program goes on whatever becomes of this one, and nothing is left to free.
    QProcess process;
    silence(process);
    process.setProgram(path);
    process.setArguments(arguments);
    return process.startDetached();
}

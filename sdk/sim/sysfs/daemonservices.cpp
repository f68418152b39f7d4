// daemonservices.cpp: the service scripts, units and tools of the simulated installation.
#include "sdk/sim/sysfs/daemonservices.h"

#include "sdk/sim/sysfs/shellquoted.h"
#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vysim {

namespace {

bool writeFile(const QString &path, const QByteArray &content, bool executable, QString *message)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *message = QStringLiteral("cannot make the directory of %1").arg(path);
        return false;
    }
    QString problem;
    if (!vyrokit::FileWriter::write(path, content, &problem)) {
        *message = problem;
        return false;
    }
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup |
                                        QFile::ExeOther);
    return true;
}

QByteArray initScript(const QString &vyrosim, const char *daemon)
{
    return QStringLiteral(
               "#!/bin/sh\n"
               "# Service script of the simulated installation: the simulator's %2 daemon.\n"
               "case \"$1\" in\n"
               "  start|restart) exec %1 daemon %2 start ;;\n"
               "  stop|force-stop) exec %1 daemon %2 stop ;;\n"
               "  *) echo \"usage: $0 {start|stop|force-stop|restart}\" >&2; exit 2 ;;\n"
               "esac\n")
        .arg(shellQuoted(vyrosim), QLatin1String(daemon))
        .toUtf8();
}

QByteArray systemctlScript(const QString &vyrosim)
{
    return QStringLiteral(
               "#!/bin/sh\n"
               "# systemctl of the simulated installation: starts and stops the simulator's\n"
               "# driver daemons.\n"
               "case \"$1\" in\n"
               "  --version) echo 'systemd (vyrosim)'; exit 0 ;;\n"
               "  start|restart) action=start ;;\n"
               "  stop) action=stop ;;\n"
               "  *) echo \"systemctl: $1 is not simulated\" >&2; exit 1 ;;\n"
               "esac\n"
               "case \"$2\" in\n"
               "  vyroethdrc|vyroethdrc.service) daemon=eth ;;\n"
               "  vyrousbdrc|vyrousbdrc.service) daemon=usb ;;\n"
               "  *) echo \"Unit $2 not found.\" >&2; exit 5 ;;\n"
               "esac\n"
               "exec %1 daemon \"$daemon\" \"$action\"\n")
        .arg(shellQuoted(vyrosim))
        .toUtf8();
}

QByteArray pkexecScript()
{
    return QByteArrayLiteral(
        "#!/bin/sh\n"
        "# pkexec of the simulated installation: grants at once and runs the program, the\n"
        "# installation's own first.\n"
        "case \"$1\" in\n"
        "  --version) echo 'pkexec version (vyrosim)'; exit 0 ;;\n"
        "  --user) shift 2 ;;\n"
        "esac\n"
        "[ $# -gt 0 ] || exit 127\n"
        "here=$(dirname \"$0\")\n"
        "program=$1\n"
        "shift\n"
        "case \"$program\" in\n"
        "  */*) ;;\n"
        "  *) [ -x \"$here/$program\" ] && program=\"$here/$program\" ;;\n"
        "esac\n"
        "exec \"$program\" \"$@\"\n");
}

QByteArray unit(const char *description, const char *script)
{
    return QStringLiteral("[Unit]\nDescription=%1 (simulated)\n\n[Service]\nType=forking\n"
                          "ExecStart=/etc/init.d/%2 start\nExecStop=/etc/init.d/%2 stop\n\n"
                          "[Install]\nWantedBy=multi-user.target\n")
        .arg(QLatin1String(description), QLatin1String(script))
        .toUtf8();
}

bool linkUnit(const QString &root, const QString &name, QString *message)
{
    const QString wants = root + QStringLiteral("/etc/systemd/system/multi-user.target.wants");
    if (!QDir().mkpath(wants)) {
        *message = QStringLiteral("cannot make %1").arg(wants);
        return false;
    }
    const QString link = wants + QLatin1Char('/') + name;
    QFile::remove(link);
    if (!QFile::link(QStringLiteral("../") + name, link)) {
        *message = QStringLiteral("cannot link %1").arg(link);
        return false;
    }
    return true;
}

} // namespace

DaemonServices::DaemonServices(const QString &vyrosim) : m_vyrosim(vyrosim)
{
}

QString DaemonServices::machineInterface()
{
    const QDir net(QStringLiteral("/sys/class/net"));
    const QStringList names = net.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        if (name == QLatin1String("lo"))
            continue;
        QFile file(net.filePath(name + QStringLiteral("/address")));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromLatin1(file.readAll()).trimmed();
        if (!text.isEmpty() && text != QLatin1String("00:00:00:00:00:00"))
            return name;
    }
    return QString();
}

bool DaemonServices::write(const QString &root, QString *message) const
{
    const QString base = QFileInfo(root).absoluteFilePath();
    if (QDir(base).isRoot()) {
        *message = QStringLiteral("refusing to write the daemon services into /");
        return false;
    }
    const QString bin = base + QStringLiteral("/usr/bin/");
    const QString initd = base + QStringLiteral("/etc/init.d/");
    const QString units = base + QStringLiteral("/etc/systemd/system/");
    // The scripts are also where programs that run a service by its bare name look.
    const QString sbin = base + QStringLiteral("/usr/sbin/");
    if (!writeFile(initd + QStringLiteral("vyroethdrc"), initScript(m_vyrosim, "eth"), true,
                   message) ||
        !writeFile(initd + QStringLiteral("vyrousbdrc"), initScript(m_vyrosim, "usb"), true,
                   message) ||
        !writeFile(sbin + QStringLiteral("vyroethdrc"), initScript(m_vyrosim, "eth"), true,
                   message) ||
        !writeFile(sbin + QStringLiteral("vyrousbdrc"), initScript(m_vyrosim, "usb"), true,
                   message) ||
        !writeFile(bin + QStringLiteral("systemctl"), systemctlScript(m_vyrosim), true, message) ||
        !writeFile(bin + QStringLiteral("pkexec"), pkexecScript(), true, message) ||
        !writeFile(units + QStringLiteral("vyroethdrc.service"),
                   unit("GigE camera daemon", "vyroethdrc"), false, message) ||
        !writeFile(units + QStringLiteral("vyrousbdrc.service"),
                   unit("USB camera daemon", "vyrousbdrc"), false, message) ||
        !linkUnit(base, QStringLiteral("vyroethdrc.service"), message) ||
        !linkUnit(base, QStringLiteral("vyrousbdrc.service"), message))
        return false;
    const QString config = base + QStringLiteral("/etc/orv/vyro/vyroethd.conf");
    if (QFileInfo::exists(config))
        return true;
    // Groups of the daemon's own besides the interfaces, as a real file has them.
    const QByteArray text = QStringLiteral("[Parameters]\nInterfaces=%1\n\n[Logging]\nLevel=1\n"
                                           "File=/var/log/vyroethd.log\n")
                                .arg(m_defaultInterface)
                                .toUtf8();
    return writeFile(config, text, false, message);
}

} // namespace vysim

// systempaths.cpp: system paths relocated below VYRO_SYSROOT when it is set.
#include "vyrokit/systempaths.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace vyrokit {

const char *SystemPaths::rootVariable()
{
    return "VYRO_SYSROOT";
}

QString SystemPaths::root()
{
    const QString root = qEnvironmentVariable(rootVariable());
    if (root.isEmpty())
        return QString();
    const QString clean = QDir::cleanPath(QDir(root).absolutePath());
    // "/" as the root is the real system; keeping it would double the leading slash.
    return clean == QLatin1String("/") ? QString() : clean;
}

QString SystemPaths::path(const QString &systemPath)
{
    if (!QDir::isAbsolutePath(systemPath))
        return systemPath;
    QString base = root();
    if (base.isEmpty())
        return systemPath;
    // ".." above "/" stays at "/", as it does on the real system, so nothing leaves the root.
    QString clean = QDir::cleanPath(systemPath);
    while (clean == QLatin1String("/..") || clean.startsWith(QLatin1String("/../")))
        clean = clean.mid(3);
    if (clean.isEmpty() || clean == QLatin1String("/"))
        return base;
    return base + clean;
}

QString SystemPaths::program(const QString &program)
{
    if (QDir::isAbsolutePath(program))
        return path(program);
    if (program.contains(QLatin1Char('/')))
        return program;
    // The simulated installation brings its own systemctl, pkexec, ping and service tools in
    // the root's program directories; they come before the machine's own.
    const QString base = root();
    if (!base.isEmpty()) {
        static const char *const directories[] = {"/usr/local/sbin", "/usr/local/bin", "/usr/sbin",
                                                  "/usr/bin",        "/sbin",          "/bin"};
        QStringList paths;
        for (const char *directory : directories)
            paths << base + QLatin1String(directory);
        QString found = QStandardPaths::findExecutable(program, paths);
        if (!found.isEmpty())
            return found;
    }
    return QStandardPaths::findExecutable(program);
}

} // namespace vyrokit

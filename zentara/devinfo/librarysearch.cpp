// librarysearch.cpp: the linker's directories from ldconfig and the search through them.
#include "zentara/devinfo/librarysearch.h"

#include <QFileInfo>
#include <QProcess>

#include "vyrokit/systempaths.h"

QStringList LibrarySearch::defaultDirectories()
{
    return {QStringLiteral("/lib"), QStringLiteral("/usr/lib"), QStringLiteral("/usr/local/lib")};
}

QStringList LibrarySearch::directories(const QByteArray &ldconfigOutput)
{
    QStringList found = defaultDirectories();
    const QList<QByteArray> lines = ldconfigOutput.split('\n');
    for (const QByteArray &line : lines) {
        // The shell's filter drops the library lines only where it knows $'\t'; dash does not.
        if (line.isEmpty() || line.startsWith('\t') || line.startsWith(' '))
            continue;
        const QString directory =
            QString::fromLocal8Bit(
                line.left(line.indexOf(':') < 0 ? line.size() : line.indexOf(':')))
                .trimmed();
        if (!directory.isEmpty() && !found.contains(directory))
            found.append(directory);
    }
    return found;
}

QByteArray LibrarySearch::ldconfigOutput(int timeoutMs)
{
    const QString shell = vyrokit::SystemPaths::program(QStringLiteral("sh"));
    if (shell.isEmpty())
        return QByteArray();
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(
        shell, {QStringLiteral("-c"), QStringLiteral("ldconfig -v 2>/dev/null | grep -v ^$'\\t'")});
    if (!process.waitForStarted(timeoutMs))
        return QByteArray();
    if (!process.waitForFinished(timeoutMs)) {
        // Too slow: go on with what it wrote so far.
        QByteArray partial = process.readAllStandardOutput();
        process.kill();
        process.waitForFinished(1000);
        return partial;
    }
    return process.readAllStandardOutput();
}

QString LibrarySearch::find(const QString &fileName, const QStringList &directories)
{
    for (const QString &directory : directories) {
        QString systemPath = directory + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(vyrokit::SystemPaths::path(systemPath)))
            return systemPath;
    }
    return QString();
}

QString LibrarySearch::locate(const QString &fileName, int timeoutMs)
{
    return find(fileName, directories(ldconfigOutput(timeoutMs)));
}

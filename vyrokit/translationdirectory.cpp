// translationdirectory.cpp: the build's catalogue folder first, then the installed one.
#include "vyrokit/translationdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vyrokit {

QString TranslationDirectory::installedRelative(const QString &program)
{
    // The build states the data directory relative to the program directory (GNUInstallDirs).
    return QStringLiteral(VYRO_DATADIR_FROM_BINDIR "/%1/lang").arg(program);
}

QString TranslationDirectory::locate(const QString &programDir, const QString &program)
{
    const QDir dir(programDir);
    QString built = dir.filePath(QStringLiteral("lang/") + program);
    if (QFileInfo(built).isDir())
        return built;
    return QDir::cleanPath(dir.filePath(installedRelative(program)));
}

QString TranslationDirectory::forProgram(const QString &program)
{
    return locate(QCoreApplication::applicationDirPath(), program);
}

} // namespace vyrokit

// supporttools.cpp: the report generator of the simulated installation.
#include "sdk/sim/sysfs/supporttools.h"

#include "sdk/sim/sysfs/shellquoted.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vysim {

namespace {

bool writeScript(const QString &path, const QString &text, QString *message)
{
    if (QFileInfo::exists(path)) {
        // Someone else's program (another writer of the installation, or the user's own) is
        // kept as it is; so is anything that is not a file of ours, a pipe say.
        QByteArray existing;
        QString problem;
        if (!vyrokit::FileReader::read(path, qint64(64) * 1024, &existing, &problem) ||
            !existing.left(4096).contains(SupportTools::markerLine()))
            return true;
    }
    QString problem;
    if (!vyrokit::FileWriter::write(path, text.toUtf8(), &problem)) {
        *message = problem;
        return false;
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther);
    return true;
}

} // namespace

SupportTools::SupportTools(QString vyrosim) : m_vyrosim(std::move(vyrosim))
{
}

const char *SupportTools::markerLine()
{
    return "# Written by vyrosim for the simulated installation.";
}

QString SupportTools::reportScript() const
{
    return QStringLiteral(
               "#!/bin/sh\n"
               "%1\n"
               "# The report generator: writes the support file named by its argument \"-o "
               "<file>\".\n"
               "out=\n"
               "while [ $# -gt 0 ]; do\n"
               "  case \"$1\" in\n"
               "    '-o '*) out=${1#-o } ;;\n"
               "    -o) shift; out=$1 ;;\n"
               "  esac\n"
               "  [ $# -gt 0 ] && shift\n"
               "done\n"
               "if [ -z \"$out\" ]; then\n"
               "  echo \"usage: vyroreport '-o <file>'\" >&2\n"
               "  exit 2\n"
               "fi\n"
               "vyrosim=%2\n"
               "{\n"
               "  echo '# Support file of the simulated Orv Vyro installation'\n"
               "  echo \"Written: $(date -u '+%Y-%m-%d %H:%M:%S UTC')\"\n"
               "  echo \"System: $(uname -srvm)\"\n"
               "  echo \"Host: $(uname -n)\"\n"
               "  echo \"User ID: $(id -u)\"\n"
               "  echo \"Library: $(\"$vyrosim\" world | sed -n 's/.*\"libraryVersion\": "
               "*\\(\"[^\"]*\"\\|[0-9]*\\).*/\\1/p' | head -n 1)\"\n"
               "  echo\n"
               "  echo '## Cameras'\n"
               "  \"$vyrosim\" list\n"
               "  echo\n"
               "  echo '## World'\n"
               "  \"$vyrosim\" world\n"
               "} > \"$out\" || exit 1\n")
        .arg(QLatin1String(markerLine()), shellQuoted(m_vyrosim));
}

bool SupportTools::write(const QString &root, QString *message) const
{
    const QString absolute = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
    if (absolute == QLatin1String("/")) {
        *message = QStringLiteral("refusing to write programs below \"/\"");
        return false;
    }
    const QString bin = absolute + QStringLiteral("/usr/bin");
    if (!QDir().mkpath(bin)) {
        *message = QStringLiteral("cannot create %1").arg(bin);
        return false;
    }
    return writeScript(bin + QStringLiteral("/vyroreport"), reportScript(), message);
}

} // namespace vysim

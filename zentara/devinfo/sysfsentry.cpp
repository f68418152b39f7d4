// sysfsentry.cpp: bounded reads of attribute files and links.
#include "zentara/devinfo/sysfsentry.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace {

// Kernel attributes fit into one page; a larger file is no attribute and is not read further.
constexpr qint64 maxAttributeSize = 4096;

} // namespace

SysfsEntry::SysfsEntry(const QString &path) : m_path(path)
{
}

QString SysfsEntry::name() const
{
    return m_path.mid(m_path.lastIndexOf(QLatin1Char('/')) + 1);
}

QByteArray SysfsEntry::read(const char *attribute) const
{
    const QString path = m_path + QLatin1Char('/') + QLatin1String(attribute);
    // Attributes are regular files; a pipe or device in their place could block the scan.
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QByteArray();
    QByteArray data = file.read(maxAttributeSize);
    const int nul = data.indexOf('\0');
    if (nul >= 0)
        data.truncate(nul);
    return data;
}

uint SysfsEntry::number(const char *attribute, int base) const
{
    const QByteArray text = read(attribute).trimmed();
    bool ok = false;
    const uint value = text.toUInt(&ok, base);
    return ok ? value : 0;
}

QString SysfsEntry::text(const char *attribute) const
{
    QByteArray data = read(attribute);
    if (data.endsWith('\n'))
        data.chop(1);
    return QString::fromUtf8(data);
}

QString SysfsEntry::trimmedText(const char *attribute) const
{
    return QString::fromUtf8(read(attribute).trimmed());
}

QString SysfsEntry::driver() const
{
    const QString link = m_path + QLatin1String("/driver");
    if (!isSymLink(link))
        return QStringLiteral("--");
    return readLink(link);
}

bool SysfsEntry::isSymLink(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

QString SysfsEntry::readLink(const QString &path)
{
    std::vector<char> buffer(PATH_MAX);
    const ssize_t length =
        ::readlink(QFile::encodeName(path).constData(), buffer.data(), buffer.size());
    if (length <= 0 || size_t(length) >= buffer.size())
        return QString();
    return QFile::decodeName(QByteArray(buffer.data(), int(length)));
}

// daemonconfigfile.cpp: the interface list of the GigE daemon's configuration file.
#include "zentara/network/daemonconfigfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTextCodec>
#include <QVariant>

#include <algorithm>

#include "vyrokit/systempaths.h"

namespace {

const QString interfacesKey = QStringLiteral("Parameters/Interfaces");

// A configuration file is small text: sections, keys with values, comments and blank lines.
// Anything else is not one QSettings would write back as it was, so it is never written.
constexpr qint64 maxFileSize = 1024 * 1024;

bool looksLikeSettings(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileSize)
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.contains('\0'))
        return false;
    QTextCodec::ConverterState state;
    const QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0)
        return false;
    // QSettings ends a line at a carriage return too.
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const QStringList lines = text.split(lineBreak);
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            continue;
        if (line.indexOf(QLatin1Char('=')) > 0)
            continue;
        return false;
    }
    return true;
}

} // namespace

DaemonConfigFile::DaemonConfigFile() : m_path(systemPath())
{
}

DaemonConfigFile::DaemonConfigFile(const QString &path) : m_path(path)
{
}

QString DaemonConfigFile::systemPath()
{
    return vyrokit::SystemPaths::path(QStringLiteral("/etc/orv/vyro/vyroethd.conf"));
}

QStringList DaemonConfigFile::interfaces() const
{
    const QSettings settings(m_path, QSettings::NativeFormat);
    // A value without spaces reads as text; one the file wrote with commas reads as a list.
    const QVariant value = settings.value(interfacesKey);
    const QString text = value.type() == QVariant::StringList
                             ? value.toStringList().join(QLatin1Char(' '))
                             : value.toString();
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool DaemonConfigFile::isAdapterEnabled(const QString &name) const
{
    return interfaces().contains(name, Qt::CaseSensitive);
}

int DaemonConfigFile::enableAdapter(const QString &name) const
{
    if (!isWritable())
        return -1;
    QStringList names = interfaces();
    if (!names.contains(name, Qt::CaseSensitive))
        names.append(name);
    return writeInterfaces(names);
}

int DaemonConfigFile::disableAdapter(const QString &name) const
{
    if (!isWritable())
        return -1;
    QStringList names = interfaces();
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&name](const QString &entry) {
                                   return entry.compare(name, Qt::CaseInsensitive) == 0;
                               }),
                names.end());
    return writeInterfaces(names);
}

bool DaemonConfigFile::isWritable() const
{
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;
    if (!info.exists() && !QFileInfo(info.absolutePath()).isWritable())
        return false;
    if (!looksLikeSettings(m_path))
        return false;
    const QSettings settings(m_path, QSettings::NativeFormat);
    // A file that does not read as settings would lose its content on a write.
    return settings.isWritable() && settings.status() == QSettings::NoError;
}

int DaemonConfigFile::writeInterfaces(const QStringList &names) const
{
    QSettings settings(m_path, QSettings::NativeFormat);
    settings.setValue(interfacesKey, names.join(QLatin1Char(' ')));
    settings.sync();
    return settings.status() == QSettings::NoError ? 0 : -1;
}

// hostpixellist.cpp: hot pixel lists of standard cameras in the user's data directory.
#include "sdk/genicam/hostpixellist.h"

#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace vygenicam {

namespace {

// 65535 entries of "[65535,65535]," and a margin.
constexpr qint64 MaxFileSize = qint64(2) * 1024 * 1024;

QString directory()
{
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    const QString base = data.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share")
                                        : QFile::decodeName(data);
    return base + QStringLiteral("/vyro/hotpixels");
}

} // namespace

QString HostPixelList::path(const QString &serial)
{
    // A serial number is the camera's own text: only safe characters reach the file name.
    QString name = serial;
    for (QChar &c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('.') &&
            c != QLatin1Char('_') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QLatin1Char('_'));
    return directory() + QLatin1Char('/') + name + QStringLiteral(".json");
}

QJsonArray HostPixelList::read(const QString &serial)
{
    QByteArray bytes;
    QString problem;
    if (!QFile::exists(path(serial)) ||
        !vyrokit::FileReader::read(path(serial), MaxFileSize, &bytes, &problem))
        return QJsonArray();
    return QJsonDocument::fromJson(bytes).array();
}

bool HostPixelList::write(const QString &serial, const QJsonArray &list, QString *problem)
{
    QDir().mkpath(directory());
    return vyrokit::FileWriter::write(path(serial),
                                      QJsonDocument(list).toJson(QJsonDocument::Compact), problem);
}

} // namespace vygenicam

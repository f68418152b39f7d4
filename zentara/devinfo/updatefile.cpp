// updatefile.cpp: reading the update file through Qt's INI reader.
#include "zentara/devinfo/updatefile.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVector>

namespace {

std::optional<QVector<uint>> versionFields(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    QVector<uint> fields;
    for (const QString &part : parts) {
        bool ok = false;
        const uint field = part.toUInt(&ok, 10);
        // toUInt accepts a sign and surrounding blanks; a version field is digits only.
        if (!ok || part.isEmpty() || !part.at(0).isDigit() || !part.back().isDigit())
            return std::nullopt;
        fields.append(field);
    }
    return fields;
}

} // namespace

UpdateFile::Status UpdateFile::parse(const QByteArray &body, Table &table)
{
    table.clear();
    if (body.trimmed().isEmpty())
        return Status::Empty;

    // Qt reads INI from files only.
    QTemporaryFile file;
    if (!file.open() || file.write(body) != body.size() || !file.flush())
        return Status::NotIni;
    QSettings settings(file.fileName(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return Status::NotIni;

    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        settings.beginGroup(group);
        const QStringList keys = settings.childKeys();
        for (const QString &key : keys) {
            // A value with a comma comes back as a list; the file meant the text.
            const QVariant value = settings.value(key);
            table[group][key] = value.type() == QVariant::StringList
                                    ? value.toStringList().join(QStringLiteral(", "))
                                    : value.toString();
        }
        settings.endGroup();
    }
    // Keys outside any group land in "General".
    const QStringList topKeys = settings.childKeys();
    for (const QString &key : topKeys)
        table[QStringLiteral("General")][key] = settings.value(key).toString();

    if (table.isEmpty())
        return Status::NotIni;
    return Status::Ok;
}

std::optional<QString> UpdateFile::latestVersion(const Table &table, const QString &group)
{
    const auto groupIt = table.constFind(group);
    if (groupIt == table.constEnd())
        return std::nullopt;
    const auto keyIt = groupIt->constFind(versionKey());
    if (keyIt == groupIt->constEnd() || keyIt->trimmed().isEmpty())
        return std::nullopt;
    return keyIt->trimmed();
}

std::optional<int> UpdateFile::compare(const QString &installed, const QString &latest)
{
    const std::optional<QVector<uint>> a = versionFields(installed);
    const std::optional<QVector<uint>> b = versionFields(latest);
    if (!a || !b)
        return std::nullopt;
    const int count = std::max(a->size(), b->size());
    for (int i = 0; i < count; ++i) {
        const uint x = i < a->size() ? a->at(i) : 0;
        const uint y = i < b->size() ? b->at(i) : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// packedversion.cpp: the text of a packed version word and reading it back.
#include "vyrokit/packedversion.h"

#include <QStringList>

namespace vyrokit {

QString PackedVersion::text() const
{
    return QStringLiteral("%1.%2.%3")
        .arg(majorNumber())
        .arg(minorNumber(), 2, 10, QLatin1Char('0'))
        .arg(buildNumber(), 4, 10, QLatin1Char('0'));
}

std::optional<PackedVersion> PackedVersion::fromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    const uint32_t limits[3] = {0xFF, 0xFF, 0xFFFF};
    uint32_t fields[3] = {};
    for (int i = 0; i < 3; ++i) {
        const QString &part = parts.at(i);
        // toUInt would accept a sign or surrounding blanks; a version field holds digits only.
        if (part.isEmpty() || part.size() > 5)
            return std::nullopt;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        }
        fields[i] = part.toUInt();
        if (fields[i] > limits[i])
            return std::nullopt;
    }
    return PackedVersion(fields[0], fields[1], fields[2]);
}

} // namespace vyrokit

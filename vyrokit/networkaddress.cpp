// networkaddress.cpp: texts of IPv4 and MAC addresses, and reading them back.
#include "vyrokit/networkaddress.h"

#include <QRegularExpression>
#include <QStringList>

namespace vyrokit {

QString NetworkAddress::ipv4Text(const uint8_t (&octets)[4])
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(octets[0])
        .arg(octets[1])
        .arg(octets[2])
        .arg(octets[3]);
}

QString NetworkAddress::ipv4Text(uint32_t address)
{
    const std::array<uint8_t, 4> o = ipv4Octets(address);
    const uint8_t octets[4] = {o[0], o[1], o[2], o[3]};
    return ipv4Text(octets);
}

std::optional<uint32_t> NetworkAddress::ipv4FromString(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    uint32_t address = 0;
    for (int group = 1; group <= 4; ++group) {
        const uint octet = match.capturedRef(group).toUInt();
        if (octet > 255)
            return std::nullopt;
        address = (address << 8) | octet;
    }
    return address;
}

std::array<uint8_t, 4> NetworkAddress::ipv4Octets(uint32_t address)
{
    return {uint8_t(address >> 24), uint8_t(address >> 16), uint8_t(address >> 8),
            uint8_t(address)};
}

uint32_t NetworkAddress::ipv4FromOctets(const uint8_t (&octets)[4])
{
    return (uint32_t(octets[0]) << 24) | (uint32_t(octets[1]) << 16) | (uint32_t(octets[2]) << 8) |
           uint32_t(octets[3]);
}

QString NetworkAddress::macText(const uint8_t (&bytes)[6], QChar separator)
{
    QStringList parts;
    for (uint8_t byte : bytes)
        parts << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(separator);
}

QString NetworkAddress::macText(const MacAddress &bytes, QChar separator)
{
    const uint8_t raw[6] = {bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5]};
    return macText(raw, separator);
}

std::optional<MacAddress> NetworkAddress::macFromString(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^([A-Fa-f0-9]{2})(?:[\\-\\:\\s])?([A-Fa-f0-9]{2})(?:[\\-\\:\\s])?([A-Fa-f0-9]{2})"
        "(?:[\\-\\:\\s])?([A-Fa-f0-9]{2})(?:[\\-\\:\\s])?([A-Fa-f0-9]{2})(?:[\\-\\:\\s])?"
        "([A-Fa-f0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    MacAddress bytes{};
    for (int group = 1; group <= 6; ++group)
        bytes[size_t(group - 1)] = uint8_t(match.capturedRef(group).toUInt(nullptr, 16));
    return bytes;
}

} // namespace vyrokit

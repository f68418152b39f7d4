// networkaddress.h: texts of IPv4 and MAC addresses, and reading them back.
#ifndef VYROKIT_NETWORKADDRESS_H
#define VYROKIT_NETWORKADDRESS_H

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace vyrokit {

using MacAddress = std::array<uint8_t, 6>;

// The address texts the SDK's records are shown and edited as. An IPv4 address as u32 has its
// first octet in bits 31..24, as QHostAddress::toIPv4Address has it.
class NetworkAddress final
{
public:
    NetworkAddress() = delete;

    // "%1.%2.%3.%4", each octet in decimal.
    static QString ipv4Text(const uint8_t (&octets)[4]);
    static QString ipv4Text(uint32_t address);
    // Four decimal octets 0..255 separated by "."; nothing for any other text.
    static std::optional<uint32_t> ipv4FromString(const QString &text);
    // The octets of a u32 address in record order, first octet first, and back.
    static std::array<uint8_t, 4> ipv4Octets(uint32_t address);
    static uint32_t ipv4FromOctets(const uint8_t (&octets)[4]);

    // Six upper-case two-digit hex groups joined by the separator ("-" for display, ":" for
    // comparing with the host's interfaces).
    static QString macText(const uint8_t (&bytes)[6], QChar separator = QLatin1Char('-'));
    static QString macText(const MacAddress &bytes, QChar separator = QLatin1Char('-'));
    // Six hex pairs, each optionally followed by "-", ":" or one white-space character, nothing
    // after the last pair; either case. Nothing for any other text.
    static std::optional<MacAddress> macFromString(const QString &text);
};

} // namespace vyrokit

#endif // VYROKIT_NETWORKADDRESS_H

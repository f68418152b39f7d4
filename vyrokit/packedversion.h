// packedversion.h: the SDK's packed version word and its "major.minor.build" text.
#ifndef VYROKIT_PACKEDVERSION_H
#define VYROKIT_PACKEDVERSION_H

#include <QString>

#include <cstdint>
#include <optional>

namespace vyrokit {

// A version packed into one u32: major in bits 31..24, minor in 23..16, build in 15..0.
class PackedVersion final
{
public:
    constexpr PackedVersion() = default;
    constexpr explicit PackedVersion(uint32_t packed) : m_packed(packed) {}
    constexpr PackedVersion(uint32_t majorNo, uint32_t minorNo, uint32_t buildNo)
        : m_packed(((majorNo & 0xFF) << 24) | ((minorNo & 0xFF) << 16) | (buildNo & 0xFFFF))
    {
    }

    constexpr uint32_t packed() const { return m_packed; }
    constexpr uint32_t majorNumber() const { return m_packed >> 24; }
    constexpr uint32_t minorNumber() const { return (m_packed >> 16) & 0xFF; }
    constexpr uint32_t buildNumber() const { return m_packed & 0xFFFF; }

    // True when this version is major.minor or newer; the build is not compared.
    constexpr bool isAtLeast(uint32_t majorNo, uint32_t minorNo) const
    {
        return majorNumber() > majorNo || (majorNumber() == majorNo && minorNumber() >= minorNo);
    }

    // "%1.%2.%3" with the minor zero-filled to two digits and the build to four ("4.81.0007").
    QString text() const;
    static QString text(uint32_t packed) { return PackedVersion(packed).text(); }

    // Reads "major.minor.build" (decimal, fields in range, padding allowed); nothing for any
    // other text.
    static std::optional<PackedVersion> fromText(const QString &text);

    constexpr bool operator==(PackedVersion other) const { return m_packed == other.m_packed; }
    constexpr bool operator!=(PackedVersion other) const { return m_packed != other.m_packed; }

private:
    uint32_t m_packed = 0;
};

} // namespace vyrokit

#endif // VYROKIT_PACKEDVERSION_H

// fuzz_address_text.cpp: IPv4 and MAC texts as users type them and files hold them.
#include "vyrokit/networkaddress.h"

#include <cstdint>
#include <cstdlib>

using vyrokit::NetworkAddress;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    // Whatever is accepted is written back as a text that reads as the same value.
    if (const std::optional<uint32_t> address = NetworkAddress::ipv4FromString(text)) {
        if (NetworkAddress::ipv4FromString(NetworkAddress::ipv4Text(*address)) != address)
            std::abort();
    }
    if (const auto mac = NetworkAddress::macFromString(text)) {
        if (NetworkAddress::macFromString(NetworkAddress::macText(*mac)) != mac ||
            NetworkAddress::macFromString(NetworkAddress::macText(*mac, QLatin1Char(':'))) != mac)
            std::abort();
    }
    return 0;
}

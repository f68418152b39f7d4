// gvcpforceip.cpp: the FORCEIP command and its acknowledgement, over UDP.
#include "sdk/genicam/gvcpforceip.h"

#include "sdk/genicam/standardfields.h"
#include "sdk/vyro_api.h"

#include <QRegularExpression>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>

namespace vygenicam {

namespace {

constexpr uint8_t Key = 0x42;
constexpr uint8_t AckRequired = 0x01;
// Asks the camera to answer by broadcast: an address outside the host's subnet cannot be
// answered to otherwise.
constexpr uint8_t BroadcastAck = 0x10;
constexpr uint16_t ForceIpCommand = 0x0004;
constexpr uint16_t ForceIpAck = 0x0005;
constexpr uint16_t PayloadSize = 56;
constexpr int AckWaitMs = 1000;

void put16(QByteArray &b, int at, uint16_t v)
{
    b[at] = char(v >> 8);
    b[at + 1] = char(v);
}

void put32(QByteArray &b, int at, uint32_t v)
{
    put16(b, at, uint16_t(v >> 16));
    put16(b, at + 2, uint16_t(v));
}

uint16_t get16(const uint8_t *p)
{
    return uint16_t(p[0] << 8 | p[1]);
}

} // namespace

QByteArray GvcpForceIp::packet(const QString &mac, const QString &ip, const QString &mask,
                               const QString &gateway, uint16_t requestId)
{
    QByteArray b(8 + PayloadSize, '\0');
    b[0] = char(Key);
    b[1] = char(AckRequired | BroadcastAck);
    put16(b, 2, ForceIpCommand);
    put16(b, 4, PayloadSize);
    put16(b, 6, requestId);
    const QStringList bytes = mac.split(QRegularExpression(QStringLiteral("[-:]")));
    uint64_t m = 0;
    for (const QString &byte : bytes)
        m = m << 8 | byte.toUInt(nullptr, 16);
    put16(b, 8 + 2, uint16_t(m >> 32));
    put32(b, 8 + 4, uint32_t(m));
    put32(b, 8 + 20, ipv4(ip));
    put32(b, 8 + 36, ipv4(mask));
    put32(b, 8 + 52, ipv4(gateway));
    return b;
}

int32_t GvcpForceIp::send(const StandardCamera &camera, const QString &ip, const QString &mask,
                          const QString &gateway, const QString &target, uint16_t port)
{
    static std::atomic<uint16_t> nextRequest{1};
    const uint16_t requestId = nextRequest++ | 1; // never 0
    const QByteArray command = packet(camera.mac, ip, mask, gateway, requestId);

    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return VY_IO_REQUEST_FAILED;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(ipv4(camera.hostIp));
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(target.isEmpty() ? INADDR_BROADCAST : ipv4(target));
    int32_t result = VY_IO_REQUEST_FAILED;
    if (bind(fd, reinterpret_cast<const sockaddr *>(&local), sizeof local) == 0 &&
        sendto(fd, command.constData(), size_t(command.size()), 0,
               reinterpret_cast<const sockaddr *>(&to), sizeof to) == command.size()) {
        result = VY_TIMED_OUT;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(AckWaitMs);
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            pollfd p{fd, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0)
                break;
            uint8_t ack[64];
            const ssize_t n = recv(fd, ack, sizeof ack, 0);
            // status, answer, length, request ID: an acknowledgement of this request
            if (n >= 8 && get16(ack + 2) == ForceIpAck && get16(ack + 6) == requestId) {
                result = get16(ack) == 0 ? VY_SUCCESS : VY_IO_REQUEST_FAILED;
                break;
            }
        }
    }
    close(fd);
    return result;
}

} // namespace vygenicam

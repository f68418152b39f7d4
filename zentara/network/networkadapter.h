// networkadapter.h: one local network interface as the network dialogs list it.
#ifndef ZENTARA_NETWORK_NETWORKADAPTER_H
#define ZENTARA_NETWORK_NETWORKADAPTER_H

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QString>

// A value taken from the platform's interface list: the system name ("eth0"), the readable
// name, the hardware address text, the interface flags and the first IPv4 address with its
// netmask (both null when the interface has none).
class NetworkAdapter final
{
public:
    NetworkAdapter() = default;
    NetworkAdapter(const QString &name, const QString &humanReadableName,
                   const QString &hardwareAddress, QNetworkInterface::InterfaceFlags flags,
                   const QHostAddress &ipAddress = QHostAddress(),
                   const QHostAddress &netmask = QHostAddress(), bool dhcp = false, int mtu = 0);

    // The adapter of one platform interface.
    static NetworkAdapter fromInterface(const QNetworkInterface &interface);
    // Every interface the platform reports, in its order.
    static QList<NetworkAdapter> all();
    // The adapters of adapters that can both broadcast and multicast, in their order: the ones
    // a camera network can be on (loopback and point-to-point links are not).
    static QList<NetworkAdapter> broadcastAndMulticast(const QList<NetworkAdapter> &adapters);

    QString name() const { return m_name; }
    QString humanReadableName() const { return m_humanReadableName; }
    QString hardwareAddress() const { return m_hardwareAddress; }
    QNetworkInterface::InterfaceFlags flags() const { return m_flags; }
    bool canBroadcastAndMulticast() const;
    bool hasIpv4() const { return !m_ipAddress.isNull(); }
    QHostAddress ipAddress() const { return m_ipAddress; }
    QHostAddress netmask() const { return m_netmask; }
    // True when the IPv4 address has a limited lifetime, as a DHCP lease gives it; a static
    // address is permanent.
    bool dhcp() const { return m_dhcp; }
    // The largest packet the interface sends, in bytes; 0 when the platform does not say.
    int mtu() const { return m_mtu; }

private:
    QString m_name;
    QString m_humanReadableName;
    QString m_hardwareAddress;
    QNetworkInterface::InterfaceFlags m_flags;
    QHostAddress m_ipAddress;
    QHostAddress m_netmask;
    bool m_dhcp = false;
    int m_mtu = 0;
};

#endif // ZENTARA_NETWORK_NETWORKADAPTER_H

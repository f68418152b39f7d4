// networkadapter.cpp: the adapter records and their filter.
#include "zentara/network/networkadapter.h"

#include <QNetworkAddressEntry>

NetworkAdapter::NetworkAdapter(const QString &name, const QString &humanReadableName,
                               const QString &hardwareAddress,
                               QNetworkInterface::InterfaceFlags flags,
                               const QHostAddress &ipAddress, const QHostAddress &netmask,
                               bool dhcp, int mtu)
    : m_name(name), m_humanReadableName(humanReadableName), m_hardwareAddress(hardwareAddress),
      m_flags(flags), m_ipAddress(ipAddress), m_netmask(netmask), m_dhcp(dhcp), m_mtu(mtu)
{
}

NetworkAdapter NetworkAdapter::fromInterface(const QNetworkInterface &interface)
{
    QHostAddress ip;
    QHostAddress mask;
    bool dhcp = false;
    const QList<QNetworkAddressEntry> entries = interface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries) {
        if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        ip = entry.ip();
        mask = entry.netmask();
        dhcp = entry.isLifetimeKnown() && !entry.isPermanent();
        break;
    }
    return NetworkAdapter(interface.name(), interface.humanReadableName(),
                          interface.hardwareAddress(), interface.flags(), ip, mask, dhcp,
                          interface.maximumTransmissionUnit());
}

QList<NetworkAdapter> NetworkAdapter::all()
{
    QList<NetworkAdapter> adapters;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces)
        adapters.append(fromInterface(interface));
    return adapters;
}

QList<NetworkAdapter> NetworkAdapter::broadcastAndMulticast(const QList<NetworkAdapter> &adapters)
{
    QList<NetworkAdapter> shown;
    for (const NetworkAdapter &adapter : adapters)
        if (adapter.canBroadcastAndMulticast())
            shown.append(adapter);
    return shown;
}

bool NetworkAdapter::canBroadcastAndMulticast() const
{
    return m_flags.testFlag(QNetworkInterface::CanBroadcast) &&
           m_flags.testFlag(QNetworkInterface::CanMulticast);
}

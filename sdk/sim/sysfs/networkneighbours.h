// networkneighbours.h: the simulated installation's view of the camera network: a ping that
// answers for the simulated cameras and the kernel's ARP table it fills.
#ifndef SDK_SIM_SYSFS_NETWORKNEIGHBOURS_H
#define SDK_SIM_SYSFS_NETWORKNEIGHBOURS_H

#include <QJsonArray>
#include <QList>
#include <QString>

namespace vysim {

// Writes, below a system root, "usr/bin/ping", "proc/net/arp" and the table of the world's
// reachable addresses the ping reads ("var/lib/vyrosim/neighbours").
//
// The ping never sends a packet. For an address of a reachable camera (a network device whose
// current address lies in its adapter's subnet) it answers and lists the camera's MAC in the ARP
// table; for an adapter's own address it answers without an entry, as the kernel keeps none for
// its own addresses; any other address gets the incomplete entry (all-zero MAC) of a neighbour
// that did not answer, and the ping fails. The ARP table starts with the reachable cameras. The
// table of addresses is the world's when it was written: "vyrosim sysroot" writes it again.
class NetworkNeighbours final
{
public:
    struct Neighbour
    {
        QString address; // dotted
        QString mac;     // "00:1b:2c:40:00:01"; empty for an adapter's own address
    };

    // The neighbours of the world's devices (the "devices" array of the world JSON).
    explicit NetworkNeighbours(const QJsonArray &devices);

    QList<Neighbour> neighbours() const { return m_neighbours; }

    // The header line of the kernel's ARP table and one entry line, as the kernel writes them.
    static QString arpHeader();
    static QString arpLine(const QString &address, const QString &mac, const QString &device);

    // Writes the three files below root. Refuses the root "/" and a ping that this class did
    // not write. On failure message says why.
    bool write(const QString &root, QString *message) const;

private:
    QList<Neighbour> m_neighbours;
};

} // namespace vysim

#endif // SDK_SIM_SYSFS_NETWORKNEIGHBOURS_H

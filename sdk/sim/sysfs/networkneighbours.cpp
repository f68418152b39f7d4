// networkneighbours.cpp: the simulated ping and ARP table of the simulated installation.
#include "sdk/sim/sysfs/networkneighbours.h"

#include "sdk/sim/sysfs/shellquoted.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

namespace vysim {

namespace {

// The line that marks a ping as written here; only such a ping is ever replaced.
const char PingMarker[] = "# vyrosim: simulated ping";
// Larger than any ping written here: a bigger file is someone else's.
constexpr qint64 ExistingScriptMax = qint64(64) * 1024;
// The interface the simulated cameras are listed on.
const char ArpDevice[] = "eth0";

// The dotted address as a number, first octet most significant; 0 for anything else.
uint32_t ipValue(const QJsonValue &value)
{
    const QStringList parts = value.toString().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return 0;
    uint32_t address = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const uint octet = part.toUInt(&ok, 10);
        if (!ok || octet > 255)
            return 0;
        address = address << 8 | octet;
    }
    return address;
}

bool writeText(const QString &path, const QByteArray &text, bool executable, QString *problem)
{
    *problem = QStringLiteral("cannot write %1").arg(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
        !vyrokit::FileWriter::write(path, text, problem))
        return false;
    if (executable)
        return QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner |
                                               QFile::ExeGroup | QFile::ExeOther);
    return true;
}

} // namespace

NetworkNeighbours::NetworkNeighbours(const QJsonArray &devices)
{
    QSet<QString> seen;
    for (const QJsonValue &value : devices) {
        const QJsonObject device = value.toObject();
        const int id = device.value(QLatin1String("deviceId")).toInt();
        const uint32_t adapterIp = ipValue(device.value(QLatin1String("adapterIp")));
        const uint32_t adapterMask = ipValue(device.value(QLatin1String("adapterSubnet")));
        if (adapterIp != 0 && !seen.contains(device.value(QLatin1String("adapterIp")).toString())) {
            const QString self = device.value(QLatin1String("adapterIp")).toString();
            seen.insert(self);
            m_neighbours.append({self, QString()});
        }
        // Network cameras, read-only devices and vision-standard devices are on a network.
        if (id < 1000)
            continue;
        const QString addressText = device.value(QLatin1String("ipAddress")).toString();
        const uint32_t address = ipValue(addressText);
        if (address == 0 || seen.contains(addressText))
            continue;
        if (adapterMask != 0 && (address & adapterMask) != (adapterIp & adapterMask))
            continue;
        QString mac = device.value(QLatin1String("mac")).toString().toLower();
        mac.replace(QLatin1Char('-'), QLatin1Char(':'));
        seen.insert(addressText);
        m_neighbours.append({addressText, mac});
    }
}

QString NetworkNeighbours::arpHeader()
{
    return QStringLiteral(
        "IP address       HW type     Flags       HW address            Mask     Device");
}

QString NetworkNeighbours::arpLine(const QString &address, const QString &mac,
                                   const QString &device)
{
    const bool complete = mac != QLatin1String("00:00:00:00:00:00");
    return QStringLiteral("%1 0x1         %2         %3     *        %4")
        .arg(address, -16)
        .arg(complete ? QStringLiteral("0x2") : QStringLiteral("0x0"))
        .arg(mac, -17)
        .arg(device);
}

bool NetworkNeighbours::write(const QString &root, QString *message) const
{
    auto failed = [message](const QString &text) {
        if (message)
            *message = text;
        return false;
    };
    if (root.isEmpty())
        return failed(QStringLiteral("no directory given"));
    const QString base = QDir::cleanPath(QDir(root).absolutePath());
    if (base == QLatin1String("/"))
        return failed(QStringLiteral("refusing to write the system's own ping and ARP table"));

    const QString ping = base + QStringLiteral("/usr/bin/ping");
    const QString arp = base + QStringLiteral("/proc/net/arp");
    const QString table = base + QStringLiteral("/var/lib/vyrosim/neighbours");
    if (QFileInfo(ping).exists() || QFileInfo(ping).isSymLink()) {
        QByteArray existing;
        QString problem;
        if (QFileInfo(ping).isSymLink() ||
            !vyrokit::FileReader::read(ping, ExistingScriptMax, &existing, &problem) ||
            !existing.left(4096).contains(PingMarker))
            return failed(QStringLiteral("%1 exists and was not written by vyrosim").arg(ping));
    }

    QByteArray tableText;
    QByteArray arpText = arpHeader().toUtf8() + '\n';
    for (const Neighbour &n : m_neighbours) {
        tableText += n.address.toUtf8() + ' ' + (n.mac.isEmpty() ? "self" : n.mac.toUtf8()) + '\n';
        if (!n.mac.isEmpty())
            arpText += arpLine(n.address, n.mac, QLatin1String(ArpDevice)).toUtf8() + '\n';
    }

    // The ping takes the address as its last argument, as "ping -c 1 <address>" passes it.
    const QByteArray script =
        QByteArray("#!/bin/sh\n") + PingMarker +
        " for the simulated installation: it sends nothing.\n"
        "# It answers for the simulated cameras and records them in the ARP table below.\n"
        "root=" +
        shellQuoted(base).toUtf8() +
        "\n"
        "table=\"$root/var/lib/vyrosim/neighbours\"\n"
        "arp=\"$root/proc/net/arp\"\n"
        "address=\n"
        "for argument; do address=$argument; done\n"
        "mac=\n"
        "while read -r ip hw; do\n"
        "  if [ \"$ip\" = \"$address\" ]; then mac=$hw; break; fi\n"
        "done < \"$table\"\n"
        "echo \"PING $address ($address) 56(84) bytes of data.\"\n"
        "[ \"$mac\" = self ] && exit 0\n"
        "answered=$mac\n"
        "[ -n \"$mac\" ] || mac=00:00:00:00:00:00\n"
        "tmp=\"$arp.$$\"\n"
        "awk -v a=\"$address\" 'NR == 1 || $1 != a' \"$arp\" > \"$tmp\" &&\n"
        "  if [ -n \"$answered\" ]; then flags=0x2; else flags=0x0; fi &&\n"
        "  printf '%-16s 0x1         %s         %-17s     *        " +
        ArpDevice +
        "\\n' "
        "\"$address\" \"$flags\" \"$mac\" >> \"$tmp\" &&\n"
        "  mv \"$tmp\" \"$arp\"\n"
        "[ -n \"$answered\" ]\n";

    QString problem;
    if (!writeText(table, tableText, false, &problem) ||
        !writeText(arp, arpText, false, &problem) || !writeText(ping, script, true, &problem))
        return failed(problem);
    return true;
}

} // namespace vysim

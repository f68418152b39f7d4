// arptable.cpp: the ARP table lookup of the free-address search.
#include "zentara/network/arptable.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include "vyrokit/systempaths.h"

namespace {

// Columns of the kernel's table when the header does not name them.
constexpr int defaultIpColumn = 0;
constexpr int defaultHardwareColumn = 3;
// The longest line taken in one piece; the kernel's lines are well below it, and a file without
// line breaks must not be read whole.
constexpr qint64 maxLineLength = 4096;

} // namespace

QString ArpTable::systemTablePath()
{
    return vyrokit::SystemPaths::path(QStringLiteral("/proc/net/arp"));
}

ArpTable::State ArpTable::lookup(const QString &path, const QString &address)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return ArpNotFound;
    QTextStream stream(&file);
    static const QRegularExpression separator(QStringLiteral("\\s\\s+"));

    const QStringList header = stream.readLine(maxLineLength).split(separator);
    int ipColumn = header.indexOf(QStringLiteral("IP address"));
    int hardwareColumn = header.indexOf(QStringLiteral("HW address"));
    if (ipColumn < 0)
        ipColumn = defaultIpColumn;
    if (hardwareColumn < 0)
        hardwareColumn = defaultHardwareColumn;
    const int needed = qMax(ipColumn, hardwareColumn) + 1;

    while (!stream.atEnd()) {
        const QStringList fields = stream.readLine(maxLineLength).split(separator);
        if (fields.size() < needed)
            continue; // an empty address matches no probed address
        if (fields.at(ipColumn) != address)
            continue;
        return fields.at(hardwareColumn) == QLatin1String("00:00:00:00:00:00") ? ArpIncomplete
                                                                               : ArpInUse;
    }
    return ArpNotFound;
}

// arptable.h: looking one address up in the kernel's ARP table.
#ifndef ZENTARA_NETWORK_ARPTABLE_H
#define ZENTARA_NETWORK_ARPTABLE_H

#include <QString>

// The table is the kernel's text file: a header line naming the columns, then one line per
// neighbour, the fields separated by runs of white space. A neighbour that did not answer is
// listed with the all-zero hardware address.
class ArpTable final
{
public:
    enum State
    {
        ArpIncomplete = 1, // listed without a hardware address: nobody answered
        ArpInUse = 2,      // listed with a hardware address: somebody has it
        ArpNotFound = 3    // not listed, or the table cannot be read
    };

    ArpTable() = delete;

    // "/proc/net/arp" as the system paths relocate it.
    static QString systemTablePath();

    // The state of address (dotted text, compared as text) in the table file at path. Missing
    // column names fall back to the kernel's column order; a line with too few fields matches
    // nothing. Lines are read one at a time, so a huge file costs time but little memory.
    static State lookup(const QString &path, const QString &address);
};

#endif // ZENTARA_NETWORK_ARPTABLE_H

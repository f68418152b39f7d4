// fuzz_arp_table.cpp: the kernel's ARP table the free-address search reads.
#include "zentara/network/arptable.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir directory;
    if (!directory.isValid())
        std::abort();
    const QString path = directory.filePath(QStringLiteral("arp"));
    const QByteArray content(reinterpret_cast<const char *>(data), int(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(content) != content.size())
            std::abort();
    }
    // The probed addresses: a fixed one and the first words of the first lines.
    QStringList addresses{QStringLiteral("192.168.0.10")};
    const QList<QByteArray> lines = content.left(4096).split('\n');
    for (int i = 0; i < lines.size() && i < 4; ++i) {
        const QList<QByteArray> words = lines.at(i).simplified().split(' ');
        if (!words.isEmpty() && !words.first().isEmpty())
            addresses << QString::fromUtf8(words.first());
    }
    // Read as text, carriage returns may drop out of the lines.
    const QString text = QString::fromUtf8(content.constData(), content.size());
    const QString withoutReturns = QString(text).remove(QLatin1Char('\r'));
    for (const QString &address : addresses) {
        const ArpTable::State state = ArpTable::lookup(path, address);
        if (state != ArpTable::ArpIncomplete && state != ArpTable::ArpInUse &&
            state != ArpTable::ArpNotFound)
            std::abort();
        // An address is only found where the table names it, and only an all-zero hardware
        // address counts as no answer.
        if (state != ArpTable::ArpNotFound && !text.contains(address) &&
            !withoutReturns.contains(address))
            std::abort();
        if (state == ArpTable::ArpIncomplete &&
            !withoutReturns.contains(QLatin1String("00:00:00:00:00:00")))
            std::abort();
    }
    return 0;
}

// interfacenames.h: this machine's network interface names by hardware address.
#ifndef ZENTARA_INVENTORY_INTERFACENAMES_H
#define ZENTARA_INVENTORY_INTERFACENAMES_H

#include <QHash>
#include <QString>

// Asking the system for its interfaces costs more than reading a camera's device information,
// so a list reload reads them once for all its network cameras. Read at the first lookup: a
// list of USB cameras never asks.
class InterfaceNames final
{
public:
    // The name of the interface with this hardware address ("00:11:22:33:44:55", any case), or
    // an empty text.
    QString nameOf(const QString &colonMac) const;

private:
    mutable bool m_read = false;
    mutable QHash<QString, QString> m_names; // upper-case address -> name
};

#endif // ZENTARA_INVENTORY_INTERFACENAMES_H

// interfacenames.cpp: the interfaces read once, looked up by address.
#include "zentara/inventory/interfacenames.h"

#include <QNetworkInterface>

QString InterfaceNames::nameOf(const QString &colonMac) const
{
    if (!m_read) {
        const auto interfaces = QNetworkInterface::allInterfaces();
        for (const QNetworkInterface &iface : interfaces) {
            // Several interfaces may share an address; the first one listed names it.
            const QString key = iface.hardwareAddress().toUpper();
            if (!m_names.contains(key))
                m_names.insert(key, iface.name());
        }
        m_read = true;
    }
    return m_names.value(colonMac.toUpper());
}

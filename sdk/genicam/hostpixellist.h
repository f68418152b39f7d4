// hostpixellist.h: the user hot pixel list of a standard camera, kept on the host.
#ifndef SDK_GENICAM_HOSTPIXELLIST_H
#define SDK_GENICAM_HOSTPIXELLIST_H

#include <QJsonArray>
#include <QString>

namespace vygenicam {

// A standard camera has no memory for a hot pixel list, so the list the user writes to it is
// kept per serial number in the user's data directory ($XDG_DATA_HOME/vyro/hotpixels, else
// ~/.local/share/vyro/hotpixels), one file a camera, written whole or not at all.
class HostPixelList final
{
public:
    HostPixelList() = delete;

    // The stored list ([[x, y], ...]); empty when none was written or the file is unusable.
    static QJsonArray read(const QString &serial);
    static bool write(const QString &serial, const QJsonArray &list, QString *problem);
    static QString path(const QString &serial);
};

} // namespace vygenicam

#endif // SDK_GENICAM_HOSTPIXELLIST_H

// The hot pixel lists an open camera holds: reading the factory and user lists, writing the
// user list, and the SDK's binary list files. Each call returns what it did; none throws.
#ifndef DAPPLIX_HOTPIXELS_CAMERABADPIXELLIST_H
#define DAPPLIX_HOTPIXELS_CAMERABADPIXELLIST_H

#include "dapplix/hotpixels/badpixel.h"
#include "sdk/vyro_api.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class CameraBadpixelList final
{
    Q_DECLARE_TR_FUNCTIONS(CameraBadpixelList)
public:
    // The software list's count word is 15 bits wide.
    static constexpr int maxSoftwareListEntries = 0x7FFF;

    struct Lists
    {
        int maxUser = 0;
        std::vector<Badpixel> factory;
        std::vector<Badpixel> user;
        // Empty when both lists were read whole; otherwise what went wrong. What was read
        // is kept all the same.
        QString problem;
    };

    static Lists read(VY_HCAM handle);
    // Stores the positions as the camera's user list; none deletes it.
    static bool write(VY_HCAM handle, const std::vector<QPoint> &user, QString *problem);
    // Lets the SDK store the positions in the named file as a software list; the camera's
    // software list is put back afterwards.
    static bool saveToFile(VY_HCAM handle, const std::vector<QPoint> &user, const QString &filename,
                           QString *problem);
    // The entries the SDK loads from the named file, as user entries, once they were read;
    // problem is set on every failure, including one to put the camera's software list back
    // after the read.
    static std::optional<std::vector<Badpixel>>
    loadFromFile(VY_HCAM handle, const QString &filename, QString *problem);

    // Copies the camera's software list (word 0 the count, then the pairs) into list.
    static int readSoftwareBadpixelList(VY_HCAM handle, std::vector<quint16> &list);
};

#endif // DAPPLIX_HOTPIXELS_CAMERABADPIXELLIST_H

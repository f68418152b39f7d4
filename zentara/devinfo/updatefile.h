// updatefile.h: the update file the maker publishes, read into a table of versions.
#ifndef ZENTARA_DEVINFO_UPDATEFILE_H
#define ZENTARA_DEVINFO_UPDATEFILE_H

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

// The file is an INI file: one group per published component, each with the key "Version"
// holding the latest version as dotted decimal numbers. The groups read are
//
//     [Zentara]      the program, "4.96.1.0"
//     [Library]      the camera library, "4.96.0002"
//     [UsbDaemon]    the USB driver daemon
//     [EthDaemon]    the GigE driver daemon
//
// Other groups and keys are kept in the table but not shown; lines starting with ";" or "#"
// are comments. A missing group means the file says nothing about that component.
class UpdateFile final
{
public:
    using Table = QMap<QString, QMap<QString, QString>>;

    enum class Status
    {
        Ok,
        Empty,
        NotIni
    };

    // Bodies beyond this size are refused while they arrive; the real file is a few hundred
    // bytes.
    static constexpr qint64 maximumSize = qint64(1024) * 1024;

    UpdateFile() = delete;

    static QString versionKey() { return QStringLiteral("Version"); }

    // Reads body as an INI file into table (emptied first). Empty for a body of only white
    // space, NotIni when the INI reader refuses it or it holds no key at all.
    static Status parse(const QByteArray &body, Table &table);

    // table[group]["Version"], nothing when the file did not say.
    static std::optional<QString> latestVersion(const Table &table, const QString &group);

    // Compares two dotted decimal versions field by field, a missing field counting as 0
    // ("4.95.1" equals "4.95.0001.0"): negative when installed is older, 0 when equal, positive
    // when newer; nothing when either is not such a version ("-", "4.96-beta").
    static std::optional<int> compare(const QString &installed, const QString &latest);
};

#endif // ZENTARA_DEVINFO_UPDATEFILE_H

// daemonconfigfile.h: the GigE daemon's configuration file as far as zentara touches it: the
// adapters the daemon serves.
#ifndef ZENTARA_NETWORK_DAEMONCONFIGFILE_H
#define ZENTARA_NETWORK_DAEMONCONFIGFILE_H

#include <QString>
#include <QStringList>

// "/etc/orv/vyro/vyroethd.conf" (relocated by vyrokit::SystemPaths) read and written through
// QSettings in its native format, INI on Linux. The key "Parameters/Interfaces" holds the names
// of the interfaces the daemon is active on, separated by single spaces. Every operation opens
// the file anew; a write changes only that key, every other group and key keeps its value.
class DaemonConfigFile final
{
public:
    // The file at its system path.
    DaemonConfigFile();
    // Any other file, for tools and tests.
    explicit DaemonConfigFile(const QString &path);

    static QString systemPath();
    QString path() const { return m_path; }

    // Whether the key lists name, compared with case.
    bool isAdapterEnabled(const QString &name) const;
    // Appends name unless it is listed with that case; 0, or -1 when the file is not writable.
    int enableAdapter(const QString &name) const;
    // Removes every entry equal to name without regard to case; 0, or -1 when not writable.
    int disableAdapter(const QString &name) const;
    // Whether a write would succeed and keep the rest of the file: the file (or, when it is
    // missing, its directory) is writable and what is there reads as a settings file.
    bool isWritable() const;

    // The listed interface names, empty parts dropped.
    QStringList interfaces() const;

private:
    int writeInterfaces(const QStringList &names) const;

    QString m_path;
};

#endif // ZENTARA_NETWORK_DAEMONCONFIGFILE_H

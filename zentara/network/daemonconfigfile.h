// daemonconfigfile.h: the GigE daemon's configuration file as far as zentara touches it: the
// adapters the daemon serves.
#ifndef ZENTARA_NETWORK_DAEMONCONFIGFILE_H
#define ZENTARA_NETWORK_DAEMONCONFIGFILE_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// "/etc/orv/vyro/vyroethd.conf" (relocated by vyrokit::SystemPaths), an INI text of the daemon
// and its administrator. The value of the key "Interfaces" in the group "[Parameters]" holds the
// names of the interfaces the daemon is active on, separated by spaces. The file is edited, not
// regenerated: a write replaces the bytes of that one value (or adds the key, and the group,
// when missing) and keeps every other byte. Every operation reads the file anew, without
// blocking (a named pipe or a device is refused).
//
// The format as read here: lines end with "\n" or "\r\n"; a line is blank, a comment (";" or
// "#" first), a group "[name]" or "key=value", with blanks around key and value ignored. The
// value is taken as it stands (no quotes, escapes or lists): every name the kernel allows for an
// interface is kept exactly. Interface names reach Qt as Latin-1, so they are written as the
// kernel's own bytes. The last "Interfaces" of a "[Parameters]" group counts, as a later line
// overrides an earlier one. A file of any other shape is read as listing nothing and is never
// written.
class DaemonConfigFile final
{
    Q_DECLARE_TR_FUNCTIONS(DaemonConfigFile)
public:
    // The file at its system path.
    DaemonConfigFile();
    // Any other file, for tools and tests.
    explicit DaemonConfigFile(const QString &path);

    static QString systemPath();
    QString path() const { return m_path; }

    // Whether the value lists name, compared with case.
    bool isAdapterEnabled(const QString &name) const;
    // Appends name unless it is listed with that case; 0, or -1 with *problem telling why.
    int enableAdapter(const QString &name, QString *problem = nullptr) const;
    // Removes every entry equal to name without regard to case; 0, or -1 with *problem.
    int disableAdapter(const QString &name, QString *problem = nullptr) const;
    // Whether a write can succeed: the file (or, when it is missing, its folder) is writable,
    // the folder takes the temporary file of a write, and the file has the shape above.
    bool isWritable(QString *problem = nullptr) const;

    // The listed interface names.
    QStringList interfaces() const;

private:
    int changeInterfaces(const QString &name, bool enable, QString *problem) const;

    QString m_path;
};

#endif // ZENTARA_NETWORK_DAEMONCONFIGFILE_H

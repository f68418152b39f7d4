// sharedstate.h: the state directory that every process using the simulator shares: the world
// state file (rewritten atomically under a lock, with a generation counter) and, per device, an
// abstract Unix socket name bound by the process that has the device open.
#ifndef SDK_SIM_SHAREDSTATE_H
#define SDK_SIM_SHAREDSTATE_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vysim {

class SharedState final
{
public:
    // Identity of the state file as seen by stat(); a rewrite (rename) changes it.
    struct FileId
    {
        ino_t inode = 0;
        int64_t mtimeNs = 0;
        int64_t size = -1;
        bool operator==(const FileId &o) const
        {
            return inode == o.inode && mtimeNs == o.mtimeNs && size == o.size;
        }
        bool operator!=(const FileId &o) const { return !(*this == o); }
    };

    struct State
    {
        quint64 generation = 0;
        QString source; // the world file it came from, "default" for the built-in one
        QJsonObject world;
    };

    // Largest state or world file read; anything bigger is not one.
    static constexpr qint64 maxFileSize = qint64(8) * 1024 * 1024;
    // Generations are JSON numbers: beyond 2^53 they would no longer count one by one. Anything
    // else (negative, fractional, huge) in the state or the lock file is damage.
    static constexpr quint64 maxGeneration = (quint64(1) << 53) - 1;

    // The directory: VYRO_SIM_HOME, else $XDG_DATA_HOME/vyrosim, else ~/.local/share/vyrosim.
    static QString defaultDirectory();

    explicit SharedState(const QString &directory);
    const QString &directory() const { return m_directory; }
    QString stateFile() const;
    // The last state written, kept whole beside it: what a damaged or deleted state file is
    // restored from.
    QString previousFile() const;

    FileId fileId() const;
    // The generation of the state file from its first bytes, without parsing the rest (the
    // file is written with "generation" as its first member); 0 when unknown. Generations grow
    // with every rewrite, so unlike the file's time stamps they never repeat.
    quint64 peekGeneration() const;
    // Reads the state file; false (with *problem) when it is missing or unreadable, *missing
    // telling the two apart.
    bool read(State *state, FileId *id, QString *problem, bool *missing = nullptr) const;
    bool readPrevious(State *state, QString *problem) const;
    // Under the state lock: reads the latest state (missing: valid = false), lets change edit
    // it, and when change returns true writes it with the next generation. The result tells
    // whether the state was written; *written receives what was.
    using Change = std::function<bool(State &state, bool valid, QString *problem)>;
    bool update(const Change &change, State *written, QString *problem);

    // Device locks. lockDevice returns a descriptor that holds the lock, heldElsewhere, or
    // noLock when no socket can be made (the camera is then opened for this process only).
    // Closing the descriptor releases the lock, as does the death of the process; nothing on
    // disk takes part, so neither file modes nor a deleted state directory can free it.
    static constexpr int heldElsewhere = -1;
    static constexpr int noLock = -2;
    int lockDevice(uint32_t deviceId) const;
    static void unlockDevice(int fd);
    // The devices among deviceIds whose lock some open file description (any process, this one
    // included) holds.
    std::set<uint32_t> lockedAmong(const std::vector<uint32_t> &deviceIds) const;
    // Opening and closing a camera rewrite the lock stamp, so that other processes look at
    // every lock only when one may have changed: at rest a poll costs the same for any number
    // of cameras. Only a hint: the locks themselves stay in the kernel.
    void announceLockChange() const;
    FileId lockStamp() const;

private:
    QByteArray lockName(uint32_t deviceId) const;
    static FileId fileIdOf(const QString &path);
    bool readFile(const QString &path, State *state, QString *problem, bool *missing) const;
    bool writeAtomically(const QString &path, const QByteArray &bytes, QString *problem) const;

    QString m_directory;
    QByteArray m_lockPrefix; // of the abstract socket names, one namespace per directory
    // The state last read or written, so that a rewrite need not read the file again when
    // nobody else changed it. Used by one thread at a time (the owner serialises all calls).
    mutable State m_cache;
    mutable bool m_cacheValid = false;
    bool m_tidied = false; // temporary files of killed writers removed
};

} // namespace vysim

#endif // SDK_SIM_SHAREDSTATE_H

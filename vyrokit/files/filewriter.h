// filewriter.h: a file written whole or not at all.
#ifndef VYROKIT_FILES_FILEWRITER_H
#define VYROKIT_FILES_FILEWRITER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace vyrokit {

// Every file the programs and the simulated installation write goes through here: the bytes go
// to a new file beside the target, every write and the close are checked, the data reaches the
// disk (fsync), and only then does a rename put the file in the target's place. Whatever fails
// (a full disk, a missing permission), the target keeps every byte it had and the caller learns
// the reason. A target that exists keeps its permissions; a symbolic link keeps pointing where
// it did and the file it names is replaced.
//
// Safe to call from any thread.
class FileWriter final
{
    Q_DECLARE_TR_FUNCTIONS(FileWriter)
public:
    enum class Durability
    {
        // fsync before the rename: the new file survives a power cut once write() returns.
        Synced,
        // Atomic for other processes but not flushed to the disk; only for files that are
        // rewritten many times a second and may be rebuilt (the simulator's state).
        Unsynced
    };

    FileWriter() = delete;

    // Replaces path by bytes. On failure returns false and sets *problem to a sentence naming
    // the file and the reason ("The file /tmp/a.txt was not written: No space left on device.").
    static bool write(const QString &path, const QByteArray &bytes, QString *problem,
                      Durability durability = Durability::Synced);
};

} // namespace vyrokit

#endif // VYROKIT_FILES_FILEWRITER_H

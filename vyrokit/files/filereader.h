// filereader.h: reading a file the user named, without blocking and within bounds.
#ifndef VYROKIT_FILES_FILEREADER_H
#define VYROKIT_FILES_FILEREADER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace vyrokit {

// Every file a user names, and every shared file another process may have replaced, is read
// through here: only a regular file is read (a named pipe, a device or a directory is refused
// with the file's name, never waited on), it is opened without blocking, and it is read only up
// to a size bound, also when it grows while being read.
//
// Safe to call from any thread.
class FileReader final
{
    Q_DECLARE_TR_FUNCTIONS(FileReader)
public:
    FileReader() = delete;

    // Reads the whole of path into *bytes. On failure returns false and sets *problem to a sentence
    // naming the file and the reason; *missing (when given) tells whether the file does not exist.
    static bool read(const QString &path, qint64 maxSize, QByteArray *bytes, QString *problem,
                     bool *missing = nullptr);
};

} // namespace vyrokit

#endif // VYROKIT_FILES_FILEREADER_H

// filewriter.cpp: a temporary file beside the target, checked writes, fsync, rename.
#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vyrokit {

namespace {

// The file a write replaces: a symbolic link is followed, so that it keeps pointing there.
QString resolvedTarget(const QString &path)
{
    QString target = path;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        target = info.symLinkTarget();
    }
    return target;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

bool FileWriter::write(const QString &path, const QByteArray &bytes, QString *problem,
                       Durability durability)
{
    const QString target = resolvedTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QFileInfo info(target);
    const QByteArray directory = QFile::encodeName(info.absolutePath());

    struct stat existing;
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        *problem = tr("The file %1 was not written: %2.").arg(path, tr("it is not a regular file"));
        return false;
    }

    // A fresh name beside the target, on the same file system; the mode 0666 less the umask is
    // what a new file gets, an existing one's mode is copied below.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = directory + "/." + QFile::encodeName(info.fileName()) + ".tmp" +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *problem = tr("The file %1 was not written: %2.").arg(path, qt_error_string(errno));
        return false;
    }

    bool ok = writeAll(fd, bytes);
    if (ok && exists) {
        // Keep the target's permissions and, where allowed (root), its owner.
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
        if (ok && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()))
            (void)!::fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (ok && durability == Durability::Synced)
        ok = ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.constData(), targetName.constData()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        *problem = tr("The file %1 was not written: %2.").arg(path, qt_error_string(error));
        return false;
    }
    if (durability == Durability::Synced) {
        // The rename itself reaches the disk with the directory; best effort.
        const int dir = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return true;
}

} // namespace vyrokit

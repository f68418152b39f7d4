// filereader.cpp: a regular file read without blocking and within a size bound.
#include "vyrokit/files/filereader.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vyrokit {

namespace {

// Closes the descriptor on every way out.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

bool FileReader::read(const QString &path, qint64 maxSize, QByteArray *bytes, QString *problem,
                      bool *missing)
{
    if (missing)
        *missing = false;
    auto failed = [&](const QString &reason) {
        *problem = tr("The file %1 could not be read: %2.").arg(path, reason);
        return false;
    };
    // Without O_NONBLOCK, opening a named pipe would wait for a writer for good.
    Descriptor file;
    file.fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file.fd < 0) {
        if (missing)
            *missing = errno == ENOENT;
        return failed(qt_error_string(errno));
    }
    struct stat st;
    if (::fstat(file.fd, &st) != 0)
        return failed(qt_error_string(errno));
    if (S_ISDIR(st.st_mode))
        return failed(tr("it is a folder"));
    if (!S_ISREG(st.st_mode))
        return failed(tr("it is not a regular file but a device or a pipe"));
    auto tooLarge = [&] { return failed(tr("it is larger than %1 bytes").arg(maxSize)); };
    if (st.st_size > maxSize)
        return tooLarge();
    // The file may grow while it is read: one byte more than allowed tells.
    QByteArray data(int(std::min<qint64>(maxSize, st.st_size) + 1), Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        const ssize_t n = ::read(file.fd, data.data() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(qt_error_string(errno));
        if (n == 0)
            break;
        done += n;
        if (done > maxSize)
            return tooLarge();
        if (done == data.size())
            data.resize(int(std::min<qint64>(maxSize + 1, qint64(data.size()) * 2)));
    }
    data.resize(int(done));
    *bytes = data;
    return true;
}

} // namespace vyrokit

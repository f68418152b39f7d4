// smalldisk.cpp: a private mount namespace and a small tmpfs.
#include "tests/support/smalldisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString errorText(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// One private mount namespace for the whole test program; later disks mount into it.
bool enterMountNamespace(QString *problem)
{
    static int state = 0; // 0 not tried, 1 entered, -1 failed
    static QString reason;
    if (state == 0) {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        bool entered = ::unshare(CLONE_NEWNS) == 0;
        if (!entered && (errno == EPERM)) {
            // Without root: a user namespace of our own (only while single-threaded).
            entered = ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0;
            if (entered) {
                auto put = [](const char *file, const QByteArray &text) {
                    QFile f{QString::fromLatin1(file)};
                    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
                };
                put("/proc/self/setgroups", "deny");
                put("/proc/self/uid_map",
                    QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1");
                put("/proc/self/gid_map",
                    QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1");
            }
        }
        if (!entered)
            reason = errorText("no mount namespace of our own (unshare)");
        else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            reason = errorText("cannot make the mounts private");
        state = reason.isEmpty() ? 1 : -1;
    }
    *problem = reason;
    return state == 1;
}

} // namespace

SmallDisk::SmallDisk(int pages)
{
    if (!m_dir.isValid()) {
        m_problem = QStringLiteral("no temporary directory");
        return;
    }
    if (!enterMountNamespace(&m_problem))
        return;
    const QByteArray options = "size=" + QByteArray::number(pages * 4096) + ",mode=0777";
    if (::mount("vyrotest", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        m_problem = errorText("cannot mount a tmpfs");
        return;
    }
    m_ready = true;
}

SmallDisk::~SmallDisk()
{
    if (m_ready)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill()
{
    if (!m_ready)
        return false;
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    bool full = false;
    for (int i = 0; i < 1 << 20 && !full; ++i) {
        if (::write(fd, block.constData(), size_t(block.size())) < 0)
            full = errno == ENOSPC;
    }
    // Pages are allocated page by page; the last bytes of a page may still be free.
    while (full && ::write(fd, block.constData(), 1) == 1) {
    }
    ::close(fd);
    return full;
}

void SmallDisk::drain()
{
    QFile::remove(filePath(QStringLiteral(".filler")));
}

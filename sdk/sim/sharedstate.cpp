// sharedstate.cpp: files of the state directory, their locks and atomic rewrites.
#include "sdk/sim/sharedstate.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vysim {

namespace {

// Holds the state lock for one read-modify-write; the kernel drops it if the process dies.
class StateLock final
{
public:
    explicit StateLock(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~StateLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool held() const { return m_fd >= 0; }

private:
    Q_DISABLE_COPY(StateLock)
    int m_fd = -1;
};

} // namespace

QString SharedState::defaultDirectory()
{
    const QByteArray home = qgetenv("VYRO_SIM_HOME");
    if (!home.isEmpty())
        return QFile::decodeName(home);
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (!data.isEmpty())
        return QFile::decodeName(data) + QStringLiteral("/vyrosim");
    return QDir::homePath() + QStringLiteral("/.local/share/vyrosim");
}

SharedState::SharedState(const QString &directory) : m_directory(directory)
{
    QDir().mkpath(m_directory + QStringLiteral("/locks"));
}

QString SharedState::stateFile() const
{
    return m_directory + QStringLiteral("/state.json");
}

QString SharedState::lockPath(uint32_t deviceId) const
{
    return m_directory + QStringLiteral("/locks/%1.lock").arg(deviceId);
}

SharedState::FileId SharedState::fileId() const
{
    FileId id;
    struct stat st;
    if (::stat(QFile::encodeName(stateFile()).constData(), &st) == 0) {
        id.inode = st.st_ino;
        id.mtimeNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        id.size = st.st_size;
    }
    return id;
}

bool SharedState::read(State *state, FileId *id, QString *problem) const
{
    // The identity is taken before reading: a rewrite in between shows up at the next poll.
    if (id)
        *id = fileId();
    QFile file(stateFile());
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject() ||
        !doc.object().value(QLatin1String("world")).isObject()) {
        *problem = QStringLiteral("%1: not a simulator state file").arg(file.fileName());
        return false;
    }
    const QJsonObject o = doc.object();
    state->generation = quint64(o.value(QLatin1String("generation")).toDouble());
    state->source = o.value(QLatin1String("source")).toString();
    state->world = o.value(QLatin1String("world")).toObject();
    m_cache = *state;
    m_cacheValid = true;
    return true;
}

quint64 SharedState::peekGeneration() const
{
    const int fd = ::open(QFile::encodeName(stateFile()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char head[64];
    const ssize_t n = ::read(fd, head, sizeof head - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    head[n] = '\0';
    static const char prefix[] = "{\"generation\":";
    if (std::strncmp(head, prefix, sizeof prefix - 1) != 0)
        return 0;
    return std::strtoull(head + sizeof prefix - 1, nullptr, 10);
}

bool SharedState::update(const Change &change, State *written, QString *problem)
{
    StateLock lock(m_directory + QStringLiteral("/state.lock"));
    if (!lock.held()) {
        *problem = QStringLiteral("cannot lock the simulator state in %1").arg(m_directory);
        return false;
    }
    State state;
    QString readProblem;
    const quint64 current = peekGeneration();
    bool valid = false;
    if (m_cacheValid && current != 0 && current == m_cache.generation) {
        state = m_cache;
        valid = true;
    } else {
        valid = read(&state, nullptr, &readProblem);
    }
    const quint64 generation = valid ? state.generation : 0;
    if (!change(state, valid, problem))
        return false;
    state.generation = generation + 1;

    QJsonObject o;
    o.insert(QStringLiteral("generation"), double(state.generation));
    o.insert(QStringLiteral("source"), state.source);
    o.insert(QStringLiteral("world"), state.world);
    if (!writeAtomically(QJsonDocument(o).toJson(QJsonDocument::Compact), problem))
        return false;
    m_cache = state;
    m_cacheValid = true;
    if (written)
        *written = state;
    return true;
}

// Device locks are open-file-description locks: like flock() they belong to the descriptor and
// vanish with the process, and unlike flock() they can be tested without being taken, so that
// polling never makes another process's open fail.
// Write and rename, under the state lock: readers see the old file or the new one, never a
// part. No fsync: the state must be consistent between processes, not survive a power cut.
bool SharedState::writeAtomically(const QByteArray &bytes, QString *problem) const
{
    const QByteArray target = QFile::encodeName(stateFile());
    const QByteArray temporary = target + ".tmp";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = fd >= 0;
    for (qint64 done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += n;
    }
    const int error = ok ? 0 : errno;
    if (fd >= 0 && ::close(fd) != 0 && ok)
        ok = false;
    if (ok && ::rename(temporary.constData(), target.constData()) != 0)
        ok = false;
    if (!ok) {
        *problem = QStringLiteral("%1: %2").arg(
            stateFile(), QString::fromLocal8Bit(std::strerror(error ? error : errno)));
        ::unlink(temporary.constData());
    }
    return ok;
}

int SharedState::lockDevice(uint32_t deviceId) const
{
    const int fd = ::open(QFile::encodeName(lockPath(deviceId)).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return noLock;
    struct flock fl = {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &fl) != 0) {
        const bool held = errno == EAGAIN || errno == EACCES;
        ::close(fd);
        return held ? heldElsewhere : noLock;
    }
    return fd;
}

void SharedState::unlockDevice(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

bool SharedState::isDeviceLocked(uint32_t deviceId) const
{
    const int fd = ::open(QFile::encodeName(lockPath(deviceId)).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false; // never opened by anyone
    struct flock fl = {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    const bool locked = ::fcntl(fd, F_OFD_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
    ::close(fd);
    return locked;
}

} // namespace vysim

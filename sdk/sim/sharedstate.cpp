// sharedstate.cpp: files of the state directory, their locks and atomic rewrites.
#include "sdk/sim/sharedstate.h"

#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vysim {

namespace {

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Holds the state lock for one read-modify-write; the kernel drops it if the process dies. The
// lock file also keeps the last generation written, so that a damaged or replaced state file
// never makes the count start again.
class StateLock final
{
public:
    explicit StateLock(const QString &path) : m_path(path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
        if (m_fd < 0) {
            m_error = errno;
            return;
        }
        struct stat st;
        const bool known = ::fstat(m_fd, &st) == 0;
        if (!known || !S_ISREG(st.st_mode)) {
            m_error = known ? EINVAL : errno;
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~StateLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool held() const { return m_fd >= 0; }
    QString problem() const
    {
        return QStringLiteral("cannot write the state: %1: %2")
            .arg(m_path,
                 m_error == EINVAL ? QStringLiteral("not a regular file") : reason(m_error));
    }
    // 0 when the file holds none or one out of range (damage, which must not wrap the count).
    quint64 generation() const
    {
        quint64 g = 0;
        if (::pread(m_fd, &g, sizeof g, 0) != ssize_t(sizeof g))
            return 0;
        return g <= SharedState::maxGeneration ? g : 0;
    }
    void setGeneration(quint64 g) const
    {
        // Best effort: the state file carries the generation too.
        if (::pwrite(m_fd, &g, sizeof g, 0) != ssize_t(sizeof g))
            return;
    }

private:
    Q_DISABLE_COPY(StateLock)
    QString m_path;
    int m_fd = -1;
    int m_error = 0;
};

// Opens a file for reading without blocking (a named pipe would wait for a writer) and accepts
// only a regular file; -1 with *error (EINVAL: not a regular file) otherwise.
int openRegular(const QByteArray &path, struct stat *st, int *error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    const bool known = ::fstat(fd, st) == 0;
    if (!known || !S_ISREG(st->st_mode)) {
        *error = known ? EINVAL : errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

// The generation of a state file: a whole number from 1 to maxGeneration, else damage.
bool validGeneration(const QJsonValue &value, quint64 *generation)
{
    const double g = value.toDouble(-1);
    if (!value.isDouble() || !std::isfinite(g) || g < 1 || g > double(SharedState::maxGeneration) ||
        g != std::floor(g))
        return false;
    *generation = quint64(g);
    return true;
}

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
    QDir().mkpath(m_directory);
    // The name must not depend on the directory existing, so the path is not resolved.
    const QByteArray key = QFile::encodeName(QDir::cleanPath(QDir(m_directory).absolutePath()));
    m_lockPrefix = QByteArrayLiteral("vyrosim/") +
                   QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex() + '/';
}

QString SharedState::stateFile() const
{
    return m_directory + QStringLiteral("/state.json");
}

QString SharedState::previousFile() const
{
    return m_directory + QStringLiteral("/state.json.prev");
}

QByteArray SharedState::lockName(uint32_t deviceId) const
{
    return m_lockPrefix + QByteArray::number(deviceId);
}

SharedState::FileId SharedState::fileId() const
{
    return fileIdOf(stateFile());
}

SharedState::FileId SharedState::fileIdOf(const QString &path)
{
    FileId id;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        id.inode = st.st_ino;
        id.mtimeNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        id.size = st.st_size;
    }
    return id;
}

bool SharedState::read(State *state, FileId *id, QString *problem, bool *missing) const
{
    // The identity is taken before reading: a rewrite in between shows up at the next poll.
    if (id)
        *id = fileId();
    if (!readFile(stateFile(), state, problem, missing))
        return false;
    m_cache = *state;
    m_cacheValid = true;
    return true;
}

bool SharedState::readPrevious(State *state, QString *problem) const
{
    return readFile(previousFile(), state, problem, nullptr);
}

bool SharedState::readFile(const QString &path, State *state, QString *problem, bool *missing) const
{
    QByteArray bytes;
    if (!vyrokit::FileReader::read(path, maxFileSize, &bytes, problem, missing))
        return false;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject() ||
        !doc.object().value(QLatin1String("world")).isObject()) {
        *problem = QStringLiteral("%1: not a simulator state file").arg(path);
        return false;
    }
    const QJsonObject o = doc.object();
    if (!validGeneration(o.value(QLatin1String("generation")), &state->generation)) {
        *problem = QStringLiteral("%1: no valid generation").arg(path);
        return false;
    }
    state->source = o.value(QLatin1String("source")).toString();
    state->world = o.value(QLatin1String("world")).toObject();
    return true;
}

quint64 SharedState::peekGeneration() const
{
    struct stat st;
    int error = 0;
    const int fd = openRegular(QFile::encodeName(stateFile()), &st, &error);
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
    // Digits up to the next member; anything else ("-1", "1e300", "1.5") is for read() to
    // refuse.
    quint64 g = 0;
    const char *p = head + sizeof prefix - 1;
    for (; *p >= '0' && *p <= '9'; ++p) {
        g = g * 10 + quint64(*p - '0');
        if (g > maxGeneration)
            return 0;
    }
    return *p == ',' || *p == '}' ? g : 0;
}

bool SharedState::update(const Change &change, State *written, QString *problem)
{
    // A deleted state directory is made again: the programs still hold the world.
    if (!QFileInfo::exists(m_directory))
        QDir().mkpath(m_directory);
    StateLock lock(m_directory + QStringLiteral("/state.lock"));
    if (!lock.held()) {
        *problem = lock.problem();
        return false;
    }
    if (!m_tidied) {
        // Under the lock no other writer is halfway: a temporary file is a killed writer's.
        const QDir dir(m_directory);
        for (const QString &name : dir.entryList({QStringLiteral(".state.json*.tmp*")},
                                                 QDir::Files | QDir::Hidden | QDir::System))
            QFile::remove(dir.filePath(name));
        m_tidied = true;
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
    // Never backwards, whatever became of the file: programs take a generation they have seen
    // before for the world they already have.
    const quint64 generation = std::max(valid ? state.generation : 0, lock.generation());
    if (!change(state, valid, problem))
        return false;
    state.generation = generation + 1;

    QJsonObject o;
    o.insert(QStringLiteral("generation"), double(state.generation));
    o.insert(QStringLiteral("source"), state.source);
    o.insert(QStringLiteral("world"), state.world);
    const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Compact);
    if (!writeAtomically(stateFile(), bytes, problem)) {
        *problem = QStringLiteral("cannot write the state: %1").arg(*problem);
        return false;
    }
    // Best effort: the previous copy only ever matters when the state itself is lost.
    QString ignored;
    writeAtomically(previousFile(), bytes, &ignored);
    lock.setGeneration(state.generation);
    m_cache = state;
    m_cacheValid = true;
    if (written)
        *written = state;
    return true;
}

// Under the state lock. A pipe or a link someone put in the file's place goes, as a rename
// would replace it; the writer refuses to write into anything but a regular file.
bool SharedState::writeAtomically(const QString &path, const QByteArray &bytes,
                                  QString *problem) const
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
            ::unlink(name.constData());
        // The writer keeps the mode of the file it replaces: one made unreadable becomes the
        // simulator's own again.
        else if (S_ISREG(st.st_mode) && (st.st_mode & 0600) != 0600)
            ::chmod(name.constData(), (st.st_mode & 07777) | 0600);
    }
    // Unsynced: the state is rewritten many times a second and must be consistent between
    // processes (atomic: the old file or the new one, never a part), not survive a power cut.
    return vyrokit::FileWriter::write(path, bytes, problem,
                                      vyrokit::FileWriter::Durability::Unsynced);
}

// Device locks are abstract Unix socket names (Linux): bound by the holder, gone with its last
// descriptor or its death, and tested by connecting, which neither takes the name nor depends
// on anything in the file system.
namespace {

socklen_t lockAddress(const QByteArray &name, sockaddr_un *address)
{
    *address = sockaddr_un();
    address->sun_family = AF_UNIX;
    const int length = std::min<int>(name.size(), int(sizeof address->sun_path) - 1);
    std::memcpy(address->sun_path + 1, name.constData(), size_t(length)); // leading NUL: abstract
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(length));
}

} // namespace

int SharedState::lockDevice(uint32_t deviceId) const
{
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return noLock;
    sockaddr_un address;
    const socklen_t length = lockAddress(lockName(deviceId), &address);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        const bool held = errno == EADDRINUSE;
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

std::set<uint32_t> SharedState::lockedAmong(const std::vector<uint32_t> &deviceIds) const
{
    std::set<uint32_t> locked;
    if (deviceIds.empty())
        return locked;
    // One socket for all: a datagram socket may connect again, each time to another name.
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return locked;
    for (uint32_t deviceId : deviceIds) {
        sockaddr_un address;
        const socklen_t length = lockAddress(lockName(deviceId), &address);
        int result;
        while ((result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length)) !=
                   0 &&
               errno == EINTR) {
        }
        // Refused: nobody has the name bound.
        if (result == 0 || errno != ECONNREFUSED)
            locked.insert(deviceId);
    }
    ::close(fd);
    return locked;
}

void SharedState::announceLockChange() const
{
    // Each rewrite is a new file (a new inode), which is what the others compare.
    static std::atomic<quint64> count{0};
    const QByteArray bytes =
        QByteArray::number(qint64(::getpid())) + ' ' + QByteArray::number(++count) + '\n';
    QString ignored; // a read-only directory: the others still find the change, only later
    vyrokit::FileWriter::write(m_directory + QStringLiteral("/locks"), bytes, &ignored,
                               vyrokit::FileWriter::Durability::Unsynced);
}

SharedState::FileId SharedState::lockStamp() const
{
    return fileIdOf(m_directory + QStringLiteral("/locks"));
}

} // namespace vysim

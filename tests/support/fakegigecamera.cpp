// fakegigecamera.cpp: a network namespace, its loopback and the fake camera in it.
#include "tests/support/fakegigecamera.h"

#include "sdk/vyro_api.h"

#include <QStandardPaths>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {

QString reason;
const char FakeCamera[] = "arv-fake-gv-camera-0.8";
const char Tool[] = "arv-tool-0.8";

bool loopbackUp()
{
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = short(request.ifr_flags | IFF_UP);
    up = up && ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    close(fd);
    return up;
}

} // namespace

void FakeGigECamera::enterNamespace()
{
    if (QStandardPaths::findExecutable(QLatin1String(FakeCamera)).isEmpty() ||
        QStandardPaths::findExecutable(QLatin1String(Tool)).isEmpty()) {
        reason = QStringLiteral("%1 and %2 are not installed (aravis-tools, aravis-tools-cli)")
                     .arg(QLatin1String(FakeCamera), QLatin1String(Tool));
        return;
    }
    if (unshare(CLONE_NEWNET) != 0) {
        reason = QStringLiteral("no network namespace of its own: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    if (!loopbackUp()) {
        reason = QStringLiteral("the namespace's loopback does not come up");
        return;
    }
    qputenv("VYRO_GENICAM", "1");
}

QString FakeGigECamera::unavailable()
{
    return reason;
}

FakeGigECamera::~FakeGigECamera()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool FakeGigECamera::start()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QLatin1String(FakeCamera), {QStringLiteral("-i"), QStringLiteral("127.0.0.1"),
                                                QStringLiteral("-s"), QLatin1String(Serial)});
    if (!m_process.waitForStarted())
        return false;
    // The SDK searches every few seconds.
    return QTest::qWaitFor(
        [this] {
            int32_t count = 0;
            if (vy_GetNumberOfCameras(&count) != VY_SUCCESS || count <= 0)
                return false;
            std::vector<char> bytes(VY_CAMERA_LIST_SIZE(count));
            auto *list = reinterpret_cast<VY_CAMERA_LIST *>(bytes.data());
            list->count = uint32_t(count);
            if (vy_GetCameraList(list) != VY_SUCCESS)
                return false;
            for (uint32_t i = 0; i < list->count; ++i) {
                const VY_CAMERA_LIST_ENTRY &e = list->entries[i];
                if (qstrncmp(e.serialNumber, Serial, sizeof e.serialNumber) == 0) {
                    m_deviceId = e.deviceId;
                    return true;
                }
            }
            return false;
        },
        15000);
}

QString FakeGigECamera::control(const QString &feature)
{
    QProcess tool;
    tool.start(QLatin1String(Tool),
               {QStringLiteral("-n"), QLatin1String(AravisId), QStringLiteral("control"), feature});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

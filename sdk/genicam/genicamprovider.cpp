// genicamprovider.cpp: the search thread and the writes of standard cameras.
#include "sdk/genicam/genicamprovider.h"

#include "sdk/genicam/aravisdiscovery.h"
#include "sdk/genicam/aravissource.h"
#include "sdk/genicam/gvcpforceip.h"
#include "sdk/genicam/hostpixellist.h"
#include "sdk/genicam/standardfields.h"
#include "sdk/sim/simengine.h"

#include <QJsonArray>

#include <chrono>
#include <cstdlib>

namespace vygenicam {

namespace {

constexpr std::chrono::seconds SearchInterval(3);
// A search answers within about a second; a program that waits for the first never waits
// longer than this.
constexpr std::chrono::seconds FirstSearchLimit(3);
constexpr int OpenAttempts = 3;
constexpr std::chrono::milliseconds OpenRetryDelay(150);

} // namespace

GenicamProvider *GenicamProvider::m_instance = nullptr;

void GenicamProvider::start(vysim::SimEngine &engine)
{
    if (qgetenv("VYRO_GENICAM") == "0" || m_instance)
        return;
    // Never destroyed, like the engine: SDK calls of other threads may still reach it at exit.
    m_instance = new GenicamProvider(engine);
    m_instance->m_thread = std::thread(&GenicamProvider::run, m_instance);
    std::atexit(&GenicamProvider::stopAtExit);
}

GenicamProvider::GenicamProvider(vysim::SimEngine &engine) : m_engine(engine)
{
}

void GenicamProvider::stopAtExit()
{
    GenicamProvider *p = m_instance;
    if (p->m_stopped.exchange(true))
        return;
    {
        std::lock_guard<std::mutex> lock(p->m_mutex);
        p->m_stopping = true;
    }
    p->m_wake.notify_all();
    if (p->m_thread.joinable())
        p->m_thread.join();
}

void GenicamProvider::waitForFirstSearch()
{
    GenicamProvider *p = m_instance;
    // After the first search a list call costs one atomic load.
    if (!p || p->m_firstSearchDone.load(std::memory_order_acquire))
        return;
    std::unique_lock<std::mutex> lock(p->m_mutex);
    p->m_wake.wait_for(lock, FirstSearchLimit, [p] { return p->m_searched || p->m_stopping; });
}

void GenicamProvider::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        lock.unlock();
        search();
        lock.lock();
        if (!m_searched) {
            // Qt's statics that a search uses (created by the first one) are destroyed at exit
            // before the handlers registered earlier run: a handler registered now ends the
            // search thread before them.
            std::atexit(&GenicamProvider::stopAtExit);
        }
        m_searched = true;
        m_firstSearchDone.store(true, std::memory_order_release);
        m_wake.notify_all();
        m_wake.wait_for(lock, SearchInterval, [this] { return m_stopping; });
    }
}

void GenicamProvider::search()
{
    std::map<QString, StandardCamera> held;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (uint32_t id : m_open)
            held.emplace(m_cameras.at(id).id, m_cameras.at(id));
    }
    std::vector<StandardCamera> found;
    {
        std::lock_guard<std::mutex> aravis(m_aravis);
        found = AravisDiscovery::scan(held);
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // The simulated world's devices keep their IDs; a real camera keeps the one it had.
        std::set<uint32_t> taken;
        for (uint32_t id : vysim::deviceIds())
            if (!m_cameras.count(id))
                taken.insert(id);
        std::map<uint32_t, StandardCamera> cameras;
        for (const StandardCamera &c : found) {
            auto known = m_ids.find(c.serial);
            uint32_t id = known != m_ids.end() && !taken.count(known->second)
                              ? known->second
                              : standardDeviceId(c.serial, taken);
            if (id == 0)
                continue;
            taken.insert(id);
            m_ids[c.serial] = id;
            cameras[id] = c;
        }
        // An open camera that did not answer has left; its handle learns it from the engine.
        m_cameras = cameras;
    }
    publish();
}

void GenicamProvider::publish()
{
    // The engine runs its hooks while it takes the devices, so no lock of ours is held then;
    // publishing in turn keeps the last one the newest.
    std::lock_guard<std::mutex> turn(m_publishing);
    std::vector<QJsonObject> devices;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &c : m_cameras) {
            QJsonObject f = standardFields(c.second, c.first);
            f.insert(QStringLiteral("userHotPixels"), HostPixelList::read(c.second.serial));
            devices.push_back(f);
        }
    }
    m_engine.setExternalDevices(this, devices);
}

int32_t GenicamProvider::setFields(uint32_t deviceId, const QJsonObject &fields, QString *problem)
{
    StandardCamera camera;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto c = m_cameras.find(deviceId);
        if (c == m_cameras.end())
            return VY_CAMERA_NOT_FOUND;
        camera = c->second;
    }
    bool network = false;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString &name = it.key();
        if (name == QLatin1String("userHotPixels")) {
            if (!HostPixelList::write(camera.serial, it.value().toArray(), problem))
                return VY_IO_REQUEST_FAILED;
        } else if (name == QLatin1String("persistentIp")) {
            camera.persistentIp = it.value().toString();
            camera.persistentIpEnabled = true;
            network = true;
        } else if (name == QLatin1String("persistentSubnet")) {
            camera.persistentMask = it.value().toString();
            network = true;
        } else if (name == QLatin1String("dhcpState")) {
            camera.dhcpEnabled = (it.value().toInt() & 0x10) != 0;
            network = true;
        } else if (name == QLatin1String("ipAddress") || name == QLatin1String("subnetMask") ||
                   name == QLatin1String("controlStatus") ||
                   name == QLatin1String("deviceStatus")) {
            // What the SDK expects the camera to do next; the next search reads what it did.
        } else {
            *problem = QStringLiteral("a standard camera has no \"%1\"").arg(name);
            return VY_NOT_SUPPORTED;
        }
    }
    if (network && !reachable(camera) && !camera.persistentIp.isEmpty()) {
        // Out of the host's subnet the camera takes no register writes: FORCEIP gives it the
        // new address at once, then the persistent one is written to it there.
        const int32_t forced = GvcpForceIp::send(camera, camera.persistentIp, camera.persistentMask,
                                                 camera.persistentGateway);
        if (forced != VY_SUCCESS)
            return forced;
        camera.ip = camera.persistentIp;
        camera.mask = camera.persistentMask;
    }
    if (network) {
        std::lock_guard<std::mutex> aravis(m_aravis);
        const int32_t result = AravisDiscovery::writeNetwork(camera);
        if (result != VY_SUCCESS)
            return result;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_cameras.count(deviceId))
            m_cameras[deviceId] = camera;
    }
    publish();
    return VY_SUCCESS;
}

std::unique_ptr<vysim::FrameSource> GenicamProvider::openSource(uint32_t deviceId)
{
    QString id;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto c = m_cameras.find(deviceId);
        if (c == m_cameras.end() || m_open.count(deviceId))
            return nullptr;
        id = c->second.id;
    }
    std::unique_ptr<AravisSource> source;
    // Another program's search may hold the control channel for a moment while it reads the
    // camera: a few tries tell that from a camera another program has open.
    for (int attempt = 0; attempt < OpenAttempts && !source; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(OpenRetryDelay);
        std::lock_guard<std::mutex> aravis(m_aravis);
        source = AravisSource::open(id, [this, deviceId] {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_open.erase(deviceId);
        });
    }
    if (!source)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open.insert(deviceId);
    return source;
}

} // namespace vygenicam

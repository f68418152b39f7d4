// cameraregistry.cpp: open cameras by handle, sensor models by configuration.
#include "sdk/sim/cameraregistry.h"

#include "sdk/sim/sensorfields.h"
#include "sdk/sim/simengine.h"

namespace vysim {

namespace {

// Keeps at most this many sensor models: each holds about 2 MB of noise.
constexpr size_t MaxModels = 8;

} // namespace

CameraRegistry &CameraRegistry::instance()
{
    // Ends the capture threads when the program exits; the registry itself stays, like the
    // engine, for threads still inside SDK calls.
    struct Shutdown
    {
        CameraRegistry *registry = nullptr;
        ~Shutdown()
        {
            if (registry)
                registry->stopAll();
        }
    };
    static Shutdown shutdown;
    static CameraRegistry *registry = [] {
        auto *r = new CameraRegistry;
        shutdown.registry = r;
        addHandleHook(
            [r](HandleEvent event, VY_HCAM handle, uint32_t) { r->onHandleEvent(event, handle); });
        return r;
    }();
    return *registry;
}

std::shared_ptr<SimCamera> CameraRegistry::camera(VY_HCAM handle)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto c = m_cameras.find(handle);
        if (c != m_cameras.end())
            return c->second;
    }
    // One camera a handle, also when two threads make their first call at once: the frame
    // source of a real camera is handed over only once.
    std::lock_guard<std::mutex> creating(m_creating);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto c = m_cameras.find(handle);
        if (c != m_cameras.end())
            return c->second;
    }
    const uint32_t deviceId = deviceOfHandle(handle);
    if (!deviceId)
        return nullptr;
    const QJsonObject fields = deviceFields(deviceId);
    if (fields.isEmpty())
        return nullptr;
    auto camera = std::make_shared<SimCamera>(handle, deviceId, fields,
                                              SimEngine::instance().takeSource(handle));
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cameras.emplace(handle, camera).first->second;
}

std::shared_ptr<const SensorModel> CameraRegistry::model(const QJsonObject &fields)
{
    const SensorConfig c = sensorConfig(fields);
    const Key key =
        std::make_tuple(c.width, c.height, c.bayer, c.seed, c.hotPixelCount, c.blackLevel);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &m : m_models)
        if (m.first == key)
            return m.second;
    if (m_models.size() >= MaxModels)
        m_models.pop_front();
    m_models.emplace_back(key, std::make_shared<const SensorModel>(c));
    return m_models.back().second;
}

void CameraRegistry::onHandleEvent(HandleEvent event, VY_HCAM handle)
{
    std::shared_ptr<SimCamera> camera;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto c = m_cameras.find(handle);
        if (c == m_cameras.end())
            return;
        camera = c->second;
        if (event == HandleEvent::Closing)
            m_cameras.erase(c);
    }
    switch (event) {
    case HandleEvent::Closing:
        camera->stopCapture();
        break;
    case HandleEvent::DeviceRemoved:
        camera->setGone(true);
        break;
    case HandleEvent::DeviceReturned:
        camera->setGone(false);
        break;
    }
}

void CameraRegistry::stopAll()
{
    std::map<VY_HCAM, std::shared_ptr<SimCamera>> cameras;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        cameras = m_cameras;
    }
    for (auto &c : cameras)
        c.second->stopCapture();
}

} // namespace vysim

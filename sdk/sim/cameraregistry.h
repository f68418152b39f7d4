// cameraregistry.h: the open cameras of this process and the sensor models they share, and
// the prologue of every vy_ function that acts on an open camera.
#ifndef SDK_SIM_CAMERAREGISTRY_H
#define SDK_SIM_CAMERAREGISTRY_H

#include "sdk/sim/apicall.h"
#include "sdk/sim/sensormodel.h"
#include "sdk/sim/simcamera.h"
#include "sdk/sim/simcore.h"
#include "sdk/vyro_api.h"

#include <QJsonObject>

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>

namespace vysim {

// Thread-safe. A camera is made on the first call on its handle and dropped when the handle
// closes; its device leaving and returning reach it through the core's handle hooks.
class CameraRegistry final
{
public:
    static CameraRegistry &instance();

    // The camera of an open handle; null when the handle is not open (or its device was never
    // seen).
    std::shared_ptr<SimCamera> camera(VY_HCAM handle);
    // The sensor model of a device's fields; models are cached by their configuration.
    std::shared_ptr<const SensorModel> model(const QJsonObject &fields);

private:
    using Key = std::tuple<uint32_t, uint32_t, bool, uint32_t, uint32_t, uint8_t>;

    CameraRegistry() = default;
    CameraRegistry(const CameraRegistry &) = delete;
    CameraRegistry &operator=(const CameraRegistry &) = delete;

    void onHandleEvent(HandleEvent event, VY_HCAM handle);
    // Ends the capture threads when the program exits.
    void stopAll();

    std::mutex m_creating; // serialises making cameras; taken before m_mutex
    // Protects m_cameras and m_models.
    std::mutex m_mutex;
    std::map<VY_HCAM, std::shared_ptr<SimCamera>> m_cameras;
    std::deque<std::pair<Key, std::shared_ptr<const SensorModel>>> m_models;
};

} // namespace vysim

// The prologue of a vy_ function on an open camera: VYSIM_ENTER, then `camera`, the
// std::shared_ptr<SimCamera> of the handle, or VY_INVALID_HANDLE when the handle is not open.
// call and camera name the variables the prologue declares, so they take no parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define VYSIM_ENTER_CAMERA(call, camera, function, handle, command, buffer, size)                  \
    VYSIM_ENTER(call, function, handle, command, buffer, size);                                    \
    const std::shared_ptr<vysim::SimCamera> camera =                                               \
        vysim::CameraRegistry::instance().camera(handle);                                          \
    if (!camera)                                                                                   \
    return call.done(VY_INVALID_HANDLE)
// NOLINTEND(bugprone-macro-parentheses)

#endif // SDK_SIM_CAMERAREGISTRY_H

// controls_sensor.cpp: the sensor's test controls of vyro_sim.h: true hot pixels, frames as the
// sensor makes them, and the frame a buffer holds.
#include "sdk/sim/cameraregistry.h"
#include "sdk/sim/sensorfields.h"
#include "sdk/sim/simcore.h"
#include "sdk/sim/vyro_sim.h"

extern "C" {

VYAPI int32_t vysim_hot_pixels(uint32_t deviceId, VYSIM_HOT_PIXEL *pixels, uint32_t capacity,
                               uint32_t *count)
{
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return VY_CAMERA_NOT_FOUND;
    const auto model = vysim::CameraRegistry::instance().model(f);
    const auto &hot = model->hotPixels();
    if (count)
        *count = uint32_t(hot.size());
    if (!pixels && capacity)
        return VY_INVALID_PARAMETER;
    const size_t factory = vysim::factoryHotPixelCount(f, hot.size());
    for (uint32_t i = 0; i < capacity && i < hot.size(); ++i) {
        pixels[i].x = hot[i].x;
        pixels[i].y = hot[i].y;
        pixels[i].level = hot[i].level;
        pixels[i].factory = i < factory ? 1 : 0;
        pixels[i].reserved = 0;
    }
    return capacity >= hot.size() ? VY_SUCCESS : VY_BUFFER_TOO_SMALL;
}

VYAPI int32_t vysim_sensor_frame(uint32_t deviceId, uint32_t index, void *buffer, uint32_t size)
{
    const QJsonObject f = vysim::deviceFields(deviceId);
    if (f.isEmpty())
        return VY_CAMERA_NOT_FOUND;
    const auto model = vysim::CameraRegistry::instance().model(f);
    const vysim::SensorConfig &c = model->config();
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (uint64_t(size) < uint64_t(c.width) * c.height)
        return VY_BUFFER_TOO_SMALL;
    model->render(index, {0, 0, c.width, c.height}, f.value(QLatin1String("lit")).toBool(),
                  static_cast<uint8_t *>(buffer), c.width, c.width, c.height);
    return VY_SUCCESS;
}

VYAPI int32_t vysim_frame_index(VY_HCAM hCam, const char *memory, int64_t *index)
{
    const auto camera = vysim::CameraRegistry::instance().camera(hCam);
    if (!camera)
        return VY_INVALID_HANDLE;
    if (!index)
        return VY_INVALID_PARAMETER;
    return camera->frameIndex(memory, index);
}

} // extern "C"

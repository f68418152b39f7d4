// sensorfields.cpp: the sensor's device fields, declared in the schema, and their readings.
#include "sdk/sim/sensorfields.h"

#include "sdk/sim/simcore.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace vysim {

namespace {

const bool sensorFields = addDeviceFields({
    {"blackLevel", FieldType::Int, 12, 0, 200, "black level of dark frames"},
    {"lit", FieldType::Bool, false, 0, 0, "the sensor sees light: bright frames"},
    {"factoryHotPixelCount", FieldType::Int, -1, -1, 1000000,
     "how many of the true hot pixels form the factory list; -1: a quarter of them"},
    {"captureFailureEvery", FieldType::Int, 0, 0, 1000000,
     "every n-th frame fails (event 8 instead of 2); 0: none"},
    {"pixelClockMin", FieldType::Int, 5, 1, 1000, "lowest pixel clock in MHz"},
    {"pixelClockMax", FieldType::Int, 0, 0, 1000, "highest pixel clock in MHz; 0: by sensor size"},
    {"pixelClockDefault", FieldType::Int, 0, 0, 1000, "default pixel clock; 0: the highest"},
    {"pixelSize", FieldType::Int, 530, 0, 65535, "pixel size in 1/100 um"},
    {"globalShutter", FieldType::Bool, false, 0, 0, "the sensor has a global shutter"},
    {"hotPixelCorrectionModes", FieldType::Int, 6, 0, 6,
     "supported correction modes: 0x2 camera, 0x4 software"},
});

} // namespace

int fieldInt(const QJsonObject &fields, const char *name)
{
    return fields.value(QLatin1String(name)).toInt();
}

bool isBayer(const QJsonObject &fields)
{
    return fields.value(QLatin1String("colorMode")).toString() == QLatin1String("bayer");
}

SensorConfig sensorConfig(const QJsonObject &fields)
{
    SensorConfig c;
    c.width = uint32_t(std::max(0, fieldInt(fields, "sensorWidth")));
    c.height = uint32_t(std::max(0, fieldInt(fields, "sensorHeight")));
    c.bayer = isBayer(fields);
    c.seed = uint32_t(fieldInt(fields, "hotPixelSeed"));
    c.hotPixelCount = uint32_t(std::max(0, fieldInt(fields, "hotPixelCount")));
    c.blackLevel = uint8_t(std::clamp(fieldInt(fields, "blackLevel"), 0, 255));
    return c;
}

TimingModel timingFor(const QJsonObject &fields)
{
    const int width = fieldInt(fields, "sensorWidth");
    const int lo = std::max(1, fieldInt(fields, "pixelClockMin"));
    int hi = fieldInt(fields, "pixelClockMax");
    if (hi <= 0)
        hi = width <= 1600 ? 43 : width <= 3000 ? 96 : 200;
    hi = std::max(hi, lo);
    int def = fieldInt(fields, "pixelClockDefault");
    if (def <= 0)
        def = hi;
    TimingModel t(lo, hi, def);
    t.setArea(uint32_t(std::max(1, width)),
              uint32_t(std::max(1, fieldInt(fields, "sensorHeight"))));
    t.setFrameRate(1.0 / t.minFrameTime());
    t.setExposure(10.0);
    return t;
}

size_t factoryHotPixelCount(const QJsonObject &fields, size_t hotPixels)
{
    const int n = fieldInt(fields, "factoryHotPixelCount");
    return n < 0 ? hotPixels / 4 : size_t(n);
}

std::vector<PixelPos> pixelArray(const QJsonObject &fields, const char *name, uint32_t width,
                                 uint32_t height)
{
    std::vector<PixelPos> result;
    for (const QJsonValue v : fields.value(QLatin1String(name)).toArray()) {
        const QJsonArray pair = v.toArray();
        if (pair.size() != 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble())
            continue;
        const double x = pair.at(0).toDouble(), y = pair.at(1).toDouble();
        if (x < 0 || y < 0 || x >= width || y >= height || x != std::floor(x) || y != std::floor(y))
            continue;
        result.push_back({uint16_t(x), uint16_t(y)});
    }
    return result;
}

std::vector<PixelPos> factoryList(const QJsonObject &fields, const SensorModel &model)
{
    const auto &hot = model.hotPixels();
    const size_t n = factoryHotPixelCount(fields, hot.size());
    std::vector<PixelPos> result;
    for (size_t i = 0; i < hot.size() && i < n; ++i)
        result.push_back({hot[i].x, hot[i].y});
    const auto extra =
        pixelArray(fields, "factoryHotPixels", model.config().width, model.config().height);
    result.insert(result.end(), extra.begin(), extra.end());
    return result;
}

std::vector<PixelPos> userList(const QJsonObject &fields)
{
    return pixelArray(fields, "userHotPixels",
                      uint32_t(std::max(0, fieldInt(fields, "sensorWidth"))),
                      uint32_t(std::max(0, fieldInt(fields, "sensorHeight"))));
}

} // namespace vysim

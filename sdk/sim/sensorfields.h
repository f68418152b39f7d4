// sensorfields.h: the device fields of a simulated sensor and what follows from them: the
// sensor's configuration, its timing and its hot pixel lists.
#ifndef SDK_SIM_SENSORFIELDS_H
#define SDK_SIM_SENSORFIELDS_H

#include "sdk/sim/sensormodel.h"
#include "sdk/sim/timingmodel.h"

#include <QJsonObject>

#include <cstddef>
#include <vector>

namespace vysim {

int fieldInt(const QJsonObject &fields, const char *name);
bool isBayer(const QJsonObject &fields);

SensorConfig sensorConfig(const QJsonObject &fields);
// The timing an open camera starts with: the default pixel clock, the full sensor, the fastest
// frame rate and an exposure of 10 ms.
TimingModel timingFor(const QJsonObject &fields);

// How many of a sensor's true hot pixels (the first ones made) form its factory list.
size_t factoryHotPixelCount(const QJsonObject &fields, size_t hotPixels);
// The device's hot pixel lists as stored in its EEPROM (fields of the world): the factory list
// (the first factoryHotPixelCount true hot pixels, then the explicit factoryHotPixels) and the
// user list. Entries that are not [x, y] pairs on the sensor are skipped.
std::vector<PixelPos> factoryList(const QJsonObject &fields, const SensorModel &model);
std::vector<PixelPos> userList(const QJsonObject &fields);
// Positions of a [[x, y], ...] array that lie on a sensor of the size.
std::vector<PixelPos> pixelArray(const QJsonObject &fields, const char *name, uint32_t width,
                                 uint32_t height);

} // namespace vysim

#endif // SDK_SIM_SENSORFIELDS_H

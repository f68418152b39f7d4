// simworld.h: one world of the simulator: the driver values and the devices, parsed, checked
// and cooked into the SDK records that the vy_ functions hand out.
#ifndef SDK_SIM_SIMWORLD_H
#define SDK_SIM_SIMWORLD_H

#include "sdk/vyro_api.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <vector>

namespace vysim {

struct SimDevice
{
    uint32_t id = 0;
    QJsonObject fields;         // every schema field
    VY_CAMERA_LIST_ENTRY entry; // inUse left 0: the engine adds the live state
    VY_DEVICE_INFO info;
    bool inUseInWorld = false; // the "inUse" field, read once
    bool external = false;     // a real camera (DeviceProvider), never written to a state
};

class SimWorld final
{
public:
    // The most devices a world may hold; more is refused as a problem of the file.
    static constexpr int maxDevices = 1000;

    QJsonObject driver; // every driver field
    std::vector<SimDevice> devices;

    // Parses a world text ({"driver": {...}, "devices": [...]}); on failure *problem names
    // the problem (position of a syntax error, the device and field of a bad value).
    static bool parse(const QByteArray &json, SimWorld *world, QString *problem);
    static bool fromJson(const QJsonObject &object, SimWorld *world, QString *problem);
    // Checks one device object, fills in its defaults and cooks its records.
    static bool makeDevice(const QJsonObject &given, SimDevice *device, QString *problem);

    QJsonObject toJson() const;
    const SimDevice *find(uint32_t id) const;
    uint32_t libraryVersion() const;

    // The built-in default world as JSON text.
    static QByteArray defaultJson();
    // The machine's first non-loopback interface with a nonzero MAC ("auto" adapter MACs).
    static QString machineMac();
};

} // namespace vysim

#endif // SDK_SIM_SIMWORLD_H

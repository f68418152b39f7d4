// api_devicecfg.cpp: a camera's own memory: the configuration blocks of GigE cameras, the
// memory areas of USB cameras, revisions, the persistent user text, camera ID changes,
// re-enumeration and the stored parameter set. Everything written persists in the shared world.
#include "sdk/sim/apicall.h"
#include "sdk/sim/fieldschema.h"
#include "sdk/sim/simcore.h"
#include "sdk/vyro_device.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cstring>

namespace {

using vysim::FieldType;

const bool deviceCfgFields = vysim::addDeviceFields({
    {"userEepromData", FieldType::String, QString(), 0, qint64(2) * VY_USER_EEPROM_SIZE,
     "user EEPROM bytes as hexadecimal digits; empty: the bytes of userEeprom"},
    {"manufacturer", FieldType::String, QStringLiteral("Orv"), 0, 19, "manufacturer"},
    {"qcDate", FieldType::String, QStringLiteral("2026-01-15"), 0, 11,
     "date of the quality control"},
    {"lensType", FieldType::Int, 0, 0, 255,
     "liquid lens type: 0 none, 1 Arctic 25 H, 2 Arctic 39 N"},
    {"lensDataLength", FieldType::Int, VY_LENS_DATA_SIZE, VY_LENS_DATA_SIZE,
     VY_DEVICECFG_LENS_BUFFER_SIZE - VY_DEVICECFG_LENS_HEADER_SIZE,
     "length of the lens data block"},
    {"persistentUserText", FieldType::String, QString(), 0, 63,
     "user text of the persistent memory"},
    {"parameterSetStored", FieldType::Bool, true, 0, 0, "a parameter set is stored"},
});

// Hardware variant whose cameras carry a liquid lens controller.
constexpr int LensVariant = 0x0D08;

QJsonObject fieldsOf(uint32_t deviceId)
{
    return vysim::deviceFields(deviceId);
}

QString text(const QJsonObject &f, const char *name)
{
    return f.value(QLatin1String(name)).toString();
}

// The 64 bytes of the user EEPROM.
QByteArray eepromBytes(const QJsonObject &f)
{
    const QString hex = text(f, "userEepromData");
    QByteArray bytes =
        hex.isEmpty() ? text(f, "userEeprom").toUtf8() : QByteArray::fromHex(hex.toLatin1());
    bytes.truncate(VY_USER_EEPROM_SIZE);
    bytes.append(QByteArray(VY_USER_EEPROM_SIZE - bytes.size(), '\0'));
    return bytes;
}

// The fields that store the EEPROM bytes: the raw bytes, and the text the device information
// shows (Latin-1 up to the first zero byte, cut to what the text field holds).
QJsonObject eepromFields(const QByteArray &bytes)
{
    const int end = bytes.indexOf('\0');
    QString shown = QString::fromLatin1(bytes.left(end < 0 ? bytes.size() : end));
    while (shown.toUtf8().size() > VY_USER_EEPROM_SIZE)
        shown.chop(1);
    QJsonObject o;
    o.insert(QStringLiteral("userEepromData"), QString::fromLatin1(bytes.toHex().toUpper()));
    o.insert(QStringLiteral("userEeprom"), shown);
    return o;
}

void putText(char *dst, size_t size, const QString &value)
{
    const QByteArray b = value.toLatin1();
    std::memcpy(dst, b.constData(), std::min(size, size_t(b.size())));
}

VY_LENS_DATA lensData(const QJsonObject &f)
{
    VY_LENS_DATA d;
    std::memset(&d, 0, sizeof d);
    d.lensType = uint8_t(vysim::integerField(f, "lensType"));
    // The lens driver's values follow from the type, as a lens of that type would report them.
    for (size_t i = 0; i < sizeof d.parameters; ++i)
        d.parameters[i] = uint8_t(size_t(d.lensType) * 16 + i);
    return d;
}

bool hasLens(const QJsonObject &f)
{
    return vysim::integerField(f, "hardwareVariant") == LensVariant;
}

int32_t setFields(vysim::ApiCall &call, uint32_t deviceId, const QJsonObject &fields)
{
    std::string message;
    const int32_t result = vysim::setDeviceFields(deviceId, fields, &message);
    if (result != VY_SUCCESS)
        return call.fail(result, message.c_str());
    return call.done(VY_SUCCESS);
}

// A network camera's configuration block, read or written whole.
int32_t accessBlock(vysim::ApiCall &call, uint32_t deviceId, uint32_t direction, uint8_t *buffer,
                    uint32_t size)
{
    const QJsonObject f = fieldsOf(deviceId);
    uint32_t block = 0;
    std::memcpy(&block, buffer, sizeof block);
    const bool write = direction == VY_DEVICECFG_WRITE;
    switch (block) {
    case VY_DEVICECFG_BLOCK_USER: {
        if (size < VY_DEVICECFG_BLOCK_SIZE)
            return call.done(VY_BUFFER_TOO_SMALL);
        VY_DEVICECFG_USER u;
        if (!write) {
            std::memset(&u, 0, sizeof u);
            u.block = block;
            const QByteArray eeprom = eepromBytes(f);
            std::memcpy(u.userEeprom, eeprom.constData(), sizeof u.userEeprom);
            u.cameraId = uint8_t(vysim::integerField(f, "cameraId"));
            std::memcpy(buffer, &u, sizeof u);
            return call.done(VY_SUCCESS);
        }
        std::memcpy(&u, buffer, sizeof u);
        if (u.cameraId < 1 || u.cameraId > 254)
            return call.fail(VY_INVALID_PARAMETER, "The camera ID lies between 1 and 254");
        QJsonObject changed = eepromFields(QByteArray(u.userEeprom, int(sizeof u.userEeprom)));
        changed.insert(QStringLiteral("cameraId"), int(u.cameraId));
        return setFields(call, deviceId, changed);
    }
    case VY_DEVICECFG_BLOCK_FACTORY: {
        if (write)
            return call.fail(VY_INVALID_PARAMETER, "The factory block is read-only");
        if (size < VY_DEVICECFG_BLOCK_SIZE)
            return call.done(VY_BUFFER_TOO_SMALL);
        VY_DEVICECFG_FACTORY b;
        std::memset(&b, 0, sizeof b);
        b.block = block;
        putText(b.manufacturer, sizeof b.manufacturer, text(f, "manufacturer"));
        putText(b.qcDate, sizeof b.qcDate, text(f, "qcDate"));
        b.hardwareVariant = uint16_t(vysim::integerField(f, "hardwareVariant"));
        std::memcpy(buffer, &b, sizeof b);
        return call.done(VY_SUCCESS);
    }
    case VY_DEVICECFG_BLOCK_LENS: {
        if (!hasLens(f))
            return call.fail(VY_NOT_SUPPORTED, "The camera has no liquid lens controller");
        if (size < VY_DEVICECFG_LENS_HEADER_SIZE + VY_LENS_DATA_SIZE)
            return call.done(VY_BUFFER_TOO_SMALL);
        if (!write) {
            const uint32_t length = uint32_t(vysim::integerField(f, "lensDataLength"));
            if (size < VY_DEVICECFG_LENS_HEADER_SIZE + length)
                return call.done(VY_BUFFER_TOO_SMALL);
            std::memset(buffer + 4, 0, size - 4);
            const uint16_t length16 = uint16_t(length);
            std::memcpy(buffer + 6, &length16, sizeof length16);
            const VY_LENS_DATA d = lensData(f);
            std::memcpy(buffer + VY_DEVICECFG_LENS_HEADER_SIZE, &d, sizeof d);
            return call.done(VY_SUCCESS);
        }
        uint16_t length = 0;
        std::memcpy(&length, buffer + 6, sizeof length);
        if (length < VY_LENS_DATA_SIZE ||
            length > VY_DEVICECFG_LENS_BUFFER_SIZE - VY_DEVICECFG_LENS_HEADER_SIZE ||
            VY_DEVICECFG_LENS_HEADER_SIZE + uint32_t(length) > size)
            return call.fail(VY_INVALID_PARAMETER, "The lens data length does not fit the block");
        QJsonObject changed;
        changed.insert(QStringLiteral("lensType"), int(buffer[VY_DEVICECFG_LENS_HEADER_SIZE]));
        changed.insert(QStringLiteral("lensDataLength"), int(length));
        return setFields(call, deviceId, changed);
    }
    default:
        return call.fail(VY_INVALID_PARAMETER, "No such configuration block");
    }
}

// The bytes of a USB camera's memory area as far as the simulator keeps them.
QByteArray areaBytes(const QJsonObject &f, uint32_t area)
{
    switch (area) {
    case VY_MEM_AREA_FACTORY: {
        VY_FACTORY_INFO info;
        std::memset(&info, 0, sizeof info);
        putText(info.manufacturer, sizeof info.manufacturer, text(f, "manufacturer"));
        putText(info.qcDate, sizeof info.qcDate, text(f, "qcDate"));
        return QByteArray(int(VY_MEM_FACTORY_OFFSET), '\0') +
               QByteArray(reinterpret_cast<const char *>(&info), int(sizeof info));
    }
    case VY_MEM_AREA_CAMERA_ID:
        return QByteArray(1, char(vysim::integerField(f, "cameraId")));
    case VY_MEM_AREA_USER_EEPROM:
        return eepromBytes(f);
    case VY_MEM_AREA_MEMORY_CONFIG: {
        VY_MEMORY_CONFIG c;
        std::memset(&c, 0, sizeof c);
        c.memoryFlags =
            f.value(QLatin1String("memoryMode")).toBool() ? VY_MEMORY_MODE_CAMERA : 0x100u;
        return QByteArray(reinterpret_cast<const char *>(&c), int(sizeof c));
    }
    case VY_MEM_AREA_LENS: {
        if (!hasLens(f))
            return QByteArray();
        const VY_LENS_DATA d = lensData(f);
        return QByteArray(reinterpret_cast<const char *>(&d), int(sizeof d));
    }
    default:
        return QByteArray();
    }
}

} // namespace

extern "C" {

VYAPI int32_t vy_AccessDeviceCfg(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_AccessDeviceCfg", hCam, command, buffer, size);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    if (!vyro::isNetworkDevice(deviceId))
        return call.fail(VY_NOT_SUPPORTED, "Only network cameras have configuration blocks");
    const uint32_t direction = command & ~VY_DEVICECFG_PERSISTENT;
    if (direction != VY_DEVICECFG_READ && direction != VY_DEVICECFG_WRITE)
        return call.done(VY_INVALID_PARAMETER);
    if (!buffer)
        return call.done(VY_INVALID_PARAMETER);
    if (size < 4)
        return call.done(VY_BUFFER_TOO_SMALL);
    return accessBlock(call, deviceId, direction, static_cast<uint8_t *>(buffer), size);
}

VYAPI int32_t vy_MemContent(VY_HCAM hCam, uint32_t command, uint32_t area, uint32_t offset,
                            void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_MemContent", hCam, command, buffer, size);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    // A standard camera has no memory of the SDK's cameras, nor their FPN or parameter sets.
    if (vysim::isStandardCamera(deviceId))
        return call.done(VY_NOT_SUPPORTED);
    if (vyro::isNetworkDevice(deviceId) || vyro::isReadOnlyDevice(deviceId))
        return call.fail(VY_NOT_SUPPORTED, "Network cameras keep their memory in blocks");
    if (command != VY_MEM_READ && command != VY_MEM_WRITE)
        return call.done(VY_INVALID_PARAMETER);
    if (!buffer || size == 0)
        return call.done(VY_INVALID_PARAMETER);
    const QJsonObject f = fieldsOf(deviceId);
    QByteArray bytes = areaBytes(f, area);
    if (bytes.isEmpty())
        return call.fail(VY_NOT_SUPPORTED, "The camera has no such memory area");
    if (uint64_t(offset) + size > uint64_t(bytes.size()))
        return call.fail(VY_INVALID_PARAMETER, "The range lies outside the memory area");
    if (command == VY_MEM_READ) {
        std::memcpy(buffer, bytes.constData() + offset, size);
        return call.done(VY_SUCCESS);
    }
    std::memcpy(bytes.data() + offset, buffer, size);
    switch (area) {
    case VY_MEM_AREA_CAMERA_ID: {
        const int id = uint8_t(bytes.at(0));
        if (id < 1 || id > 254)
            return call.fail(VY_INVALID_PARAMETER, "The camera ID lies between 1 and 254");
        QJsonObject changed;
        changed.insert(QStringLiteral("cameraId"), id);
        return setFields(call, deviceId, changed);
    }
    case VY_MEM_AREA_USER_EEPROM:
        return setFields(call, deviceId, eepromFields(bytes));
    case VY_MEM_AREA_LENS: {
        QJsonObject changed;
        changed.insert(QStringLiteral("lensType"), int(uint8_t(bytes.at(0))));
        return setFields(call, deviceId, changed);
    }
    default:
        return call.fail(VY_INVALID_PARAMETER, "The memory area is read-only");
    }
}

VYAPI int32_t vy_GetRevisionInfo(VY_HCAM hCam, VY_REVISIONINFO *info)
{
    VYSIM_ENTER(call, "vy_GetRevisionInfo", hCam, 0, nullptr, 0);
    call.setOutput(info, info ? uint32_t(sizeof *info) : 0);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    if (!info)
        return call.done(VY_INVALID_PARAMETER);
    if (info->size < sizeof *info)
        return call.done(VY_BUFFER_TOO_SMALL);
    const QJsonObject f = fieldsOf(deviceId);
    VY_REVISIONINFO r;
    std::memset(&r, 0, sizeof r);
    r.size = uint16_t(sizeof r);
    // Revisions follow from the device, so that every run shows the same values; the product
    // revision is the hardware variant.
    const uint16_t d = uint16_t(deviceId & 0xFF);
    r.sensor = uint16_t(vysim::integerField(f, "sensorId"));
    r.cypress = uint16_t(0x0100 + d);
    r.blackfin = 0x00020000u + d;
    r.dspFirmware = uint16_t(0x0403);
    r.usbBoard = uint16_t(0x0010 + d % 4);
    r.sensorBoard = uint16_t(0x0020 + d % 3);
    r.processingBoard = uint16_t(0x0031);
    r.memoryBoard = uint16_t(0x0040 + d % 2);
    r.housing = uint16_t(0x0A05);
    r.filter = uint16_t(0x0002);
    r.timingBoard = uint16_t(0x0061);
    r.product = uint16_t(vysim::integerField(f, "hardwareVariant"));
    r.powerBoard = uint16_t(0x0072);
    r.logicBoard = uint16_t(0x0083);
    std::memcpy(info, &r, sizeof r);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_PersistentMemory(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_PersistentMemory", hCam, command, buffer, size);
    const uint32_t deviceId = vysim::resolveDevice(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    // A standard camera has no memory of the SDK's cameras, nor their FPN or parameter sets.
    if (vysim::isStandardCamera(deviceId))
        return call.done(VY_NOT_SUPPORTED);
    if (command != VY_PERSISTENT_MEMORY_READ_USER)
        return call.done(VY_NOT_SUPPORTED);
    if (!buffer)
        return call.done(VY_INVALID_PARAMETER);
    if (size < VY_PERSISTENT_MEMORY_USER_SIZE)
        return call.done(VY_BUFFER_TOO_SMALL);
    std::memset(buffer, 0, VY_PERSISTENT_MEMORY_USER_SIZE);
    const QByteArray t = text(fieldsOf(deviceId), "persistentUserText").toUtf8();
    std::memcpy(buffer, t.constData(), std::min(size_t(t.size()), size_t(63)));
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_SetCameraID(VY_HCAM hCam, int32_t id)
{
    VYSIM_ENTER(call, "vy_SetCameraID", hCam, uint32_t(id), nullptr, 0);
    const uint32_t deviceId = vysim::deviceOfHandle(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    // A standard camera has no memory of the SDK's cameras, nor their FPN or parameter sets.
    if (vysim::isStandardCamera(deviceId))
        return call.done(VY_NOT_SUPPORTED);
    if (id < 1 || id > 254)
        return call.fail(VY_INVALID_PARAMETER, "The camera ID lies between 1 and 254");
    QJsonObject changed;
    changed.insert(QStringLiteral("cameraId"), int(id));
    return setFields(call, deviceId, changed);
}

VYAPI int32_t vy_Renumerate(VY_HCAM hCam, int32_t mode)
{
    VYSIM_ENTER(call, "vy_Renumerate", hCam, uint32_t(mode), nullptr, 0);
    // The world already lists every device as it is: enumerating again changes nothing.
    if (!vysim::resolveDevice(hCam))
        return call.done(VY_CAMERA_NOT_FOUND);
    return call.done(VY_SUCCESS);
}

VYAPI int32_t vy_ParameterSet(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    VYSIM_ENTER(call, "vy_ParameterSet", hCam, command, buffer, size);
    const uint32_t deviceId = vysim::deviceOfHandle(hCam);
    if (!deviceId)
        return call.done(VY_INVALID_HANDLE);
    // A standard camera has no memory of the SDK's cameras, nor their FPN or parameter sets.
    if (vysim::isStandardCamera(deviceId))
        return call.done(VY_NOT_SUPPORTED);
    if (command != VY_PARAMETERSET_ERASE)
        return call.done(VY_NOT_SUPPORTED);
    QJsonObject changed;
    changed.insert(QStringLiteral("parameterSetStored"), false);
    return setFields(call, deviceId, changed);
}

} // extern "C"

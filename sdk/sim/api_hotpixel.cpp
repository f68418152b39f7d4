// api_hotpixel.cpp: vy_HotPixel: correction modes, the factory list, the user list in the
// camera's EEPROM (kept in the shared world), and the software list with its files.
#include "sdk/sim/apicall.h"
#include "sdk/sim/cameraregistry.h"
#include "sdk/sim/hotpixelfile.h"
#include "sdk/sim/sensorfields.h"
#include "sdk/sim/simcore.h"

#include <QJsonArray>

#include <cstring>

namespace {

using vysim::PixelPos;

// Longest file name accepted when the caller gives no size.
constexpr size_t MaxNameChars = 4096;

int32_t writeI32(void *buffer, uint32_t size, int32_t value)
{
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (size < sizeof value)
        return VY_BUFFER_TOO_SMALL;
    std::memcpy(buffer, &value, sizeof value);
    return VY_SUCCESS;
}

// Word 0 the number of entries, then the pairs; nothing is written when it does not fit.
int32_t writeList(void *buffer, uint32_t size, const std::vector<PixelPos> &list)
{
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (list.size() > 0xFFFF)
        return VY_NOT_SUPPORTED;
    if (size_t(size) < 2 + 4 * list.size())
        return VY_BUFFER_TOO_SMALL;
    std::vector<uint16_t> words;
    words.reserve(1 + 2 * list.size());
    words.push_back(uint16_t(list.size()));
    for (const PixelPos &p : list) {
        words.push_back(p.x);
        words.push_back(p.y);
    }
    std::memcpy(buffer, words.data(), words.size() * sizeof(uint16_t));
    return VY_SUCCESS;
}

int32_t readList(const void *buffer, uint32_t size, uint32_t width, uint32_t height,
                 std::vector<PixelPos> *list)
{
    if (!buffer)
        return VY_INVALID_PARAMETER;
    if (size < 2)
        return VY_BUFFER_TOO_SMALL;
    uint16_t n = 0;
    std::memcpy(&n, buffer, sizeof n);
    if (size_t(size) < 2 + 4 * size_t(n))
        return VY_BUFFER_TOO_SMALL;
    std::vector<uint16_t> words(2 * size_t(n));
    if (n)
        std::memcpy(words.data(), static_cast<const uint8_t *>(buffer) + 2, words.size() * 2);
    list->clear();
    for (size_t i = 0; i < n; ++i) {
        const PixelPos p{words[2 * i], words[2 * i + 1]};
        if (p.x >= width || p.y >= height)
            return VY_INVALID_PARAMETER;
        list->push_back(p);
    }
    return VY_SUCCESS;
}

QJsonArray toJson(const std::vector<PixelPos> &list)
{
    QJsonArray a;
    for (const PixelPos &p : list)
        a.append(QJsonArray{int(p.x), int(p.y)});
    return a;
}

int32_t fileNameOf(const void *buffer, uint32_t size, std::string *name)
{
    const size_t maxChars = size ? size / sizeof(wchar_t) : MaxNameChars;
    return vysim::hotpixelfile::fileName(static_cast<const wchar_t *>(buffer), maxChars, name)
               ? VY_SUCCESS
               : VY_INVALID_PARAMETER;
}

} // namespace

extern "C" {

VYAPI int32_t vy_HotPixel(VY_HCAM hCam, uint32_t command, void *buffer, uint32_t size)
{
    // The file name commands pass no size: log the name with its terminator.
    const bool fileCommand =
        command == VY_HOTPIXEL_SAVE_SOFTWARE_LIST || command == VY_HOTPIXEL_LOAD_SOFTWARE_LIST;
    const uint32_t logged = fileCommand && size == 0
                                ? uint32_t(vysim::hotpixelfile::fileNameBytes(
                                      static_cast<const wchar_t *>(buffer), MaxNameChars))
                                : size;
    VYSIM_ENTER_CAMERA(call, camera, "vy_HotPixel", hCam, command, buffer, logged);
    const QJsonObject fields = vysim::deviceFields(camera->deviceId());
    if (fields.isEmpty())
        return call.done(VY_IO_REQUEST_FAILED); // the device is gone
    const uint32_t width = camera->model().config().width;
    const uint32_t height = camera->model().config().height;
    const uint32_t supported =
        uint32_t(fields.value(QLatin1String("hotPixelCorrectionModes")).toInt());

    std::vector<PixelPos> list;
    switch (command) {
    case VY_HOTPIXEL_DISABLE_CORRECTION:
    case VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION:
    case VY_HOTPIXEL_ENABLE_SOFTWARE_CORRECTION: {
        if (command != VY_HOTPIXEL_DISABLE_CORRECTION && !(supported & command))
            return call.done(VY_NOT_SUPPORTED);
        camera->setCorrectionMode(command);
        return call.done(VY_SUCCESS);
    }
    case VY_HOTPIXEL_GET_CORRECTION_MODE:
        return call.done(writeI32(buffer, size, int32_t(camera->correctionMode())));
    case VY_HOTPIXEL_GET_SUPPORTED_MODES:
        return call.done(writeI32(buffer, size, int32_t(supported)));

    case VY_HOTPIXEL_SOFTWARE_LIST_EXISTS:
        return call.done(camera->softwareList(&list) ? VY_SUCCESS : VY_NO_DATA);
    case VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER:
        camera->softwareList(&list);
        return call.done(writeI32(buffer, size, int32_t(list.size())));
    case VY_HOTPIXEL_GET_SOFTWARE_LIST:
        camera->softwareList(&list);
        return call.done(writeList(buffer, size, list));
    case VY_HOTPIXEL_SET_SOFTWARE_LIST: {
        const int32_t r = readList(buffer, size, width, height, &list);
        if (r != VY_SUCCESS)
            return call.done(r);
        camera->setSoftwareList(std::move(list));
        return call.done(VY_SUCCESS);
    }

    case VY_HOTPIXEL_GET_FACTORY_LIST_NUMBER:
        return call.done(
            writeI32(buffer, size, int32_t(vysim::factoryList(fields, camera->model()).size())));
    case VY_HOTPIXEL_GET_FACTORY_LIST:
        return call.done(writeList(buffer, size, vysim::factoryList(fields, camera->model())));

    case VY_HOTPIXEL_GET_USER_LIST_NUMBER:
        return call.done(writeI32(buffer, size, int32_t(vysim::userList(fields).size())));
    case VY_HOTPIXEL_GET_USER_LIST:
        return call.done(writeList(buffer, size, vysim::userList(fields)));
    case VY_HOTPIXEL_GET_USER_LIST_MAX_NUMBER:
        return call.done(
            writeI32(buffer, size, fields.value(QLatin1String("userHotPixelCapacity")).toInt()));
    case VY_HOTPIXEL_SET_USER_LIST: {
        const int32_t r = readList(buffer, size, width, height, &list);
        if (r != VY_SUCCESS)
            return call.done(r);
        const int capacity = fields.value(QLatin1String("userHotPixelCapacity")).toInt();
        if (list.size() > size_t(capacity))
            return call.fail(VY_INVALID_PARAMETER,
                             "The camera's user hot pixel list cannot hold that many entries");
        return call.done(vysim::setDeviceField(camera->deviceId(), QStringLiteral("userHotPixels"),
                                               toJson(list)));
    }
    case VY_HOTPIXEL_DELETE_USER_LIST:
        return call.done(vysim::setDeviceField(camera->deviceId(), QStringLiteral("userHotPixels"),
                                               QJsonArray()));

    case VY_HOTPIXEL_SAVE_SOFTWARE_LIST: {
        std::string name;
        if (fileNameOf(buffer, size, &name) != VY_SUCCESS)
            return call.fail(VY_INVALID_PARAMETER, "No valid file name");
        if (!camera->softwareList(&list))
            return call.done(VY_NO_DATA);
        const int32_t r = vysim::hotpixelfile::save(name, list);
        if (r != VY_SUCCESS)
            return call.fail(r, "The hot pixel file cannot be written");
        return call.done(VY_SUCCESS);
    }
    case VY_HOTPIXEL_LOAD_SOFTWARE_LIST: {
        std::string name;
        if (fileNameOf(buffer, size, &name) != VY_SUCCESS)
            return call.fail(VY_INVALID_PARAMETER, "No valid file name");
        std::string problem;
        const int32_t r = vysim::hotpixelfile::load(name, &list, &problem);
        if (r != VY_SUCCESS)
            return call.fail(r, problem.c_str());
        for (const PixelPos &p : list)
            if (p.x >= width || p.y >= height)
                return call.fail(VY_FILE_FORMAT_ERROR,
                                 "The hot pixel file holds pixels outside the sensor");
        camera->setSoftwareList(std::move(list));
        return call.done(VY_SUCCESS);
    }
    default:
        return call.done(VY_NOT_SUPPORTED);
    }
}

} // extern "C"

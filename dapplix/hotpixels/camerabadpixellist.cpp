// Reading and writing the hot pixel lists of an open camera through the SDK.
#include "dapplix/hotpixels/camerabadpixellist.h"

#include "vyrokit/sdkerror.h"

#include <algorithm>
#include <string>

namespace {

// A camera list's count word is 16 bits wide: no camera list holds more.
constexpr int maxCameraListEntries = 0xFFFF;
// How often a camera list that changed while it was read is read again.
constexpr int maxReadAttempts = 3;

// Word 0 the count, then the pairs: the SDK's list buffer.
std::vector<quint16> listBuffer(const std::vector<QPoint> &positions)
{
    std::vector<quint16> buffer{quint16(positions.size())};
    for (const QPoint &p : positions) {
        buffer.push_back(quint16(p.x()));
        buffer.push_back(quint16(p.y()));
    }
    return buffer;
}

quint32 bufferBytes(const std::vector<quint16> &buffer)
{
    return quint32(2 + 4 * size_t(buffer[0]));
}

// Appends the camera list of the commands; empty, or why it could not be read.
QString readList(VY_HCAM handle, quint32 countCommand, quint32 listCommand, quint8 pixelclass,
                 std::vector<Badpixel> *entries)
{
    // The list may change between the count and the read (another program writes it): the
    // read is repeated until the count and the list agree.
    for (int attempt = 0; attempt < maxReadAttempts; ++attempt) {
        int32_t count = 0;
        int ret = vy_HotPixel(handle, countCommand, &count, sizeof count);
        if (ret != VY_SUCCESS)
            return CameraBadpixelList::tr("asking for the number of entries failed: %1")
                .arg(vyrokit::SdkError::text(handle, ret));
        if (count < 0 || count > maxCameraListEntries)
            return CameraBadpixelList::tr(
                       "the camera reports %1 entries, more than the %2 this program can read")
                .arg(count)
                .arg(maxCameraListEntries);
        if (count == 0)
            return QString();
        std::vector<quint16> buffer(size_t(2 * count + 1), 0);
        buffer[0] = quint16(count);
        ret = vy_HotPixel(handle, listCommand, buffer.data(), quint32(2 + 4 * count));
        if (ret == VY_BUFFER_TOO_SMALL || (ret == VY_SUCCESS && buffer[0] != count))
            continue; // grown or shrunk since the count
        if (ret != VY_SUCCESS)
            return CameraBadpixelList::tr("reading the entries failed: %1")
                .arg(vyrokit::SdkError::text(handle, ret));
        for (size_t i = 0; i < size_t(count); ++i)
            entries->push_back({buffer[1 + 2 * i], buffer[2 + 2 * i], pixelclass});
        return QString();
    }
    return CameraBadpixelList::tr("the list kept changing while it was read");
}

} // namespace

CameraBadpixelList::Lists CameraBadpixelList::read(VY_HCAM handle)
{
    Lists lists;
    int32_t value = 0;
    vy_HotPixel(handle, VY_HOTPIXEL_GET_USER_LIST_MAX_NUMBER, &value, sizeof value);
    lists.maxUser = value;
    QStringList problems;
    QString problem = readList(handle, VY_HOTPIXEL_GET_FACTORY_LIST_NUMBER,
                               VY_HOTPIXEL_GET_FACTORY_LIST, Badpixel::Factory, &lists.factory);
    if (!problem.isEmpty())
        problems << tr("factory list: %1").arg(problem);
    problem = readList(handle, VY_HOTPIXEL_GET_USER_LIST_NUMBER, VY_HOTPIXEL_GET_USER_LIST,
                       Badpixel::User, &lists.user);
    if (!problem.isEmpty())
        problems << tr("user list: %1").arg(problem);
    lists.problem = problems.join(QStringLiteral("; "));
    return lists;
}

bool CameraBadpixelList::write(VY_HCAM handle, const std::vector<QPoint> &user, QString *problem)
{
    // The count word is 16 bits: more entries could never be written correctly.
    if (user.size() > 0xFFFF) {
        *problem = tr("Can't write more than %1 hot pixel entries.").arg(0xFFFF);
        return false;
    }
    int ret = VY_SUCCESS;
    if (user.empty()) {
        ret = vy_HotPixel(handle, VY_HOTPIXEL_DELETE_USER_LIST, nullptr, 0);
    } else {
        std::vector<quint16> buffer = listBuffer(user);
        ret = vy_HotPixel(handle, VY_HOTPIXEL_SET_USER_LIST, buffer.data(), bufferBytes(buffer));
    }
    if (ret != VY_SUCCESS)
        *problem = tr("Error writing hotpixel list");
    return ret == VY_SUCCESS;
}

int CameraBadpixelList::readSoftwareBadpixelList(VY_HCAM handle, std::vector<quint16> &list)
{
    list.clear();
    if (vy_HotPixel(handle, VY_HOTPIXEL_SOFTWARE_LIST_EXISTS, nullptr, 0) != VY_SUCCESS) {
        list.push_back(0);
        return VY_SUCCESS;
    }
    int32_t n = 0;
    int ret = vy_HotPixel(handle, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, &n, sizeof n);
    if (ret != VY_SUCCESS)
        return ret;
    // A count the list buffer cannot describe is not a list.
    if (n < 0 || n > 0xFFFF)
        return VY_INVALID_PARAMETER;
    list.assign(2 * size_t(n) + 1, 0);
    list[0] = quint16(n);
    ret = vy_HotPixel(handle, VY_HOTPIXEL_GET_SOFTWARE_LIST, list.data(), bufferBytes(list));
    // Never trust a count word larger than what was read.
    list[0] = quint16(std::min<int>(list[0], n));
    return ret;
}

bool CameraBadpixelList::saveToFile(VY_HCAM handle, const std::vector<QPoint> &user,
                                    const QString &filename, QString *problem)
{
    // Each failure's text is taken right after its call: later calls may fail otherwise.
    auto failed = [problem](const QString &error) {
        *problem = tr("write to file failed: %1").arg(error) + QLatin1Char('\n');
        return false;
    };
    std::vector<quint16> previous;
    int ret = readSoftwareBadpixelList(handle, previous);
    if (ret != VY_SUCCESS)
        return failed(vyrokit::SdkError::text(handle, ret));
    if (user.size() > size_t(maxSoftwareListEntries)) {
        *problem = tr("Can't write more than %1 hot pixel entries.").arg(maxSoftwareListEntries);
        return false;
    }
    std::vector<quint16> list = listBuffer(user);
    ret = vy_HotPixel(handle, VY_HOTPIXEL_SET_SOFTWARE_LIST, list.data(), bufferBytes(list));
    if (ret != VY_SUCCESS)
        return failed(vyrokit::SdkError::text(handle, ret));
    std::wstring name = filename.toStdWString();
    const int saved = vy_HotPixel(handle, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, name.data(), 0);
    const QString saveError =
        saved == VY_SUCCESS ? QString() : vyrokit::SdkError::text(handle, saved);
    const int restored =
        vy_HotPixel(handle, VY_HOTPIXEL_SET_SOFTWARE_LIST, previous.data(), bufferBytes(previous));
    if (saved != VY_SUCCESS)
        return failed(saveError);
    if (restored != VY_SUCCESS)
        return failed(vyrokit::SdkError::text(handle, restored));
    return true;
}

std::optional<std::vector<Badpixel>>
CameraBadpixelList::loadFromFile(VY_HCAM handle, const QString &filename, QString *problem)
{
    // Each failure's text is taken right after its call: later calls may fail otherwise.
    auto fail = [problem](const QString &error) {
        *problem = tr("load from file failed: %1").arg(error) + QLatin1Char('\n');
    };
    std::vector<quint16> previous;
    int ret = readSoftwareBadpixelList(handle, previous);
    if (ret != VY_SUCCESS) {
        fail(vyrokit::SdkError::text(handle, ret));
        return std::nullopt;
    }
    std::wstring name = filename.toStdWString();
    ret = vy_HotPixel(handle, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, name.data(), 0);
    if (ret != VY_SUCCESS) {
        fail(vyrokit::SdkError::text(handle, ret));
        return std::nullopt;
    }
    std::vector<quint16> loaded;
    ret = readSoftwareBadpixelList(handle, loaded);
    const QString readError = ret == VY_SUCCESS ? QString() : vyrokit::SdkError::text(handle, ret);
    // The camera's software list goes back as it was in every case once the file replaced it.
    const int restored =
        vy_HotPixel(handle, VY_HOTPIXEL_SET_SOFTWARE_LIST, previous.data(), bufferBytes(previous));
    if (ret != VY_SUCCESS) {
        fail(readError);
        return std::nullopt;
    }
    if (restored != VY_SUCCESS)
        fail(vyrokit::SdkError::text(handle, restored));
    std::vector<Badpixel> entries;
    entries.reserve(loaded[0]);
    for (size_t i = 0; i < loaded[0]; ++i)
        entries.push_back({loaded[1 + 2 * i], loaded[2 + 2 * i], Badpixel::User});
    return entries;
}

// fuzz_camera_parameter_file.cpp: the camera parameter XML the editor reads its start values from.
#include "dapplix/camera/cameraparameterfile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool same(const CameraParameterFile::Settings &a, const CameraParameterFile::Settings &b)
{
    // Compared bytewise so that NaN values read from the file count as equal to themselves.
    return std::memcmp(&a.exposure, &b.exposure, sizeof a.exposure) == 0 &&
           a.pixelclock == b.pixelclock &&
           std::memcmp(&a.framerate, &b.framerate, sizeof a.framerate) == 0 &&
           a.master == b.master && a.red == b.red && a.green == b.green && a.blue == b.blue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first two bytes choose the sensor looked up, the rest is the file.
    if (size < 2)
        return 0;
    const quint16 sensorId = quint16(data[0] << 8 | data[1]);
    const QByteArray content(reinterpret_cast<const char *>(data + 2), int(size - 2));

    CameraParameterFile::Settings marker;
    marker.pixelclock = -12345;
    CameraParameterFile::Settings settings = marker;
    const CameraParameterFile::Outcome outcome =
        CameraParameterFile::parse(content, sensorId, &settings);
    // Only a found entry fills the settings in.
    if (outcome != CameraParameterFile::Outcome::Found && !same(settings, marker))
        std::abort();
    // Reading the same bytes from a file gives the same answer.
    static QTemporaryDir directory;
    if (!directory.isValid())
        std::abort();
    const QString path = directory.filePath(CameraParameterFile::defaultFileName());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(content) != content.size())
            std::abort();
    }
    CameraParameterFile::Settings fromFile = marker;
    if (CameraParameterFile::read(path, sensorId, &fromFile) != outcome ||
        !same(fromFile, settings))
        std::abort();
    // Without a place for the settings the outcome stays the same.
    if (CameraParameterFile::parse(content, sensorId, nullptr) != outcome)
        std::abort();
    return 0;
}

// fuzz_badpixels_file.cpp: the raw converters' hot pixel list as the editor imports it.
#include "dapplix/hotpixels/badpixelsfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir directory;
    if (!directory.isValid())
        std::abort();
    const QString path = directory.filePath(QStringLiteral("input.badpixels"));
    const QString copy = directory.filePath(QStringLiteral("copy.badpixels"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    const QSize sensor(2048, 1536);
    QVector<QPoint> pixels;
    try {
        pixels = BadpixelsFile::read(path, sensor);
    } catch (const std::runtime_error &error) {
        // A refused file names its reason.
        if (QString::fromStdString(error.what()).isEmpty())
            std::abort();
        return 0;
    }
    // What is taken lies on the sensor, and a written list reads back as it was.
    if (pixels.size() > BadpixelsFile::maxPixels)
        std::abort();
    for (const QPoint &p : pixels) {
        if (p.x() < 0 || p.y() < 0 || p.x() >= sensor.width() || p.y() >= sensor.height())
            std::abort();
    }
    try {
        BadpixelsFile::write(copy, pixels);
        if (BadpixelsFile::read(copy, sensor) != pixels)
            std::abort();
    } catch (const std::runtime_error &) {
        std::abort();
    }
    return 0;
}

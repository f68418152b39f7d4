// The settings the camera parameter file stores for one sensor type, and how they are found.
#ifndef DAPPLIX_CAMERA_CAMERAPARAMETERFILE_H
#define DAPPLIX_CAMERA_CAMERAPARAMETERFILE_H

#include <QString>

class QByteArray;

class CameraParameterFile final
{
public:
    // The file is looked up by this relative name in the working directory, where the
    // installation places it beside the program's start directory.
    static const QString &defaultFileName();
    // Larger files and deeper element nesting are no parameter file: they are refused before
    // the document is built, so a runaway file cannot exhaust memory or stack.
    static constexpr qint64 maxFileSize = qint64(1024) * 1024;
    static constexpr int maxDepth = 32;

    enum class Outcome
    {
        // The file could not be opened or parsed; the caller reports it.
        Unreadable,
        // A readable file without a usable entry for the sensor.
        NoEntry,
        Found
    };

    struct Settings
    {
        double exposure = 0.0;
        int pixelclock = 0;
        double framerate = 0.0;
        int master = 0;
        int red = 0;
        int green = 0;
        int blue = 0;
    };

    // Reads the file at path and looks up sensorId.
    static Outcome read(const QString &path, quint16 sensorId, Settings *settings);
    // The same for the file's content.
    static Outcome parse(const QByteArray &content, quint16 sensorId, Settings *settings);

private:
    static bool withinDepth(const QByteArray &content);
};

#endif // DAPPLIX_CAMERA_CAMERAPARAMETERFILE_H

// cameraparameterxml.h: the camera parameter file the simulated installation ships for dapplix.
#ifndef SDK_SIM_SYSFS_CAMERAPARAMETERXML_H
#define SDK_SIM_SYSFS_CAMERAPARAMETERXML_H

#include <QByteArray>
#include <QJsonArray>
#include <QString>

namespace vysim {

// One Sensor entry per sensor type of the world's devices, with settings for dark frames: a
// slow frame rate, a long exposure and a raised gain. dapplix reads the file by its relative
// name from its working directory, which 'make run' sets to the file's folder.
class CameraParameterXml final
{
public:
    // The folder below the root and the file name.
    static const char *folder();
    static const char *fileName();

    explicit CameraParameterXml(const QJsonArray &devices);

    QByteArray text() const;
    // Writes root/folder()/fileName(), replacing an earlier one. On failure message says why.
    bool write(const QString &root, QString *message) const;

private:
    QJsonArray m_devices;
};

} // namespace vysim

#endif // SDK_SIM_SYSFS_CAMERAPARAMETERXML_H

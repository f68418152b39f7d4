// cameraparameterxml.cpp: writing the simulated installation's camera parameter file.
#include "sdk/sim/sysfs/cameraparameterxml.h"

#include "vyrokit/files/filewriter.h"

#include <QDir>
#include <QJsonObject>
#include <QMap>

namespace vysim {

const char *CameraParameterXml::folder()
{
    return "usr/share/vyro/dapplix";
}

const char *CameraParameterXml::fileName()
{
    return "cameraparameter.xml";
}

CameraParameterXml::CameraParameterXml(const QJsonArray &devices) : m_devices(devices)
{
}

QByteArray CameraParameterXml::text() const
{
    QMap<int, QString> sensors;
    for (const QJsonValue &v : m_devices) {
        const QJsonObject device = v.toObject();
        const int id = device.value(QStringLiteral("sensorId")).toInt(-1);
        // Devices without a sensor (ID 0) have nothing to configure.
        if (id > 0 && id <= 0xFFFF && !sensors.contains(id))
            sensors.insert(id, device.value(QStringLiteral("sensorName")).toString());
    }
    QByteArray xml("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CameraSettings>\n");
    for (auto it = sensors.cbegin(); it != sensors.cend(); ++it) {
        // Sensor names come from the world file: keep them out of the markup.
        QString name = it.value();
        name.replace(QLatin1String("--"), QLatin1String("- -"));
        if (!name.isEmpty())
            xml += "  <!-- " + name.toHtmlEscaped().toUtf8() + " -->\n";
        xml += "  <Sensor ID=\"" + QByteArray::number(it.key(), 16).toUpper() + "\">\n";
        xml += "    <Timing exposure=\"400.0\" pixelclock=\"10\" framerate=\"2.0\"/>\n";
        xml += "    <Gain master=\"60\" red=\"0\" green=\"0\" blue=\"0\"/>\n";
        xml += "  </Sensor>\n";
    }
    xml += "</CameraSettings>\n";
    return xml;
}

bool CameraParameterXml::write(const QString &root, QString *message) const
{
    const QDir dir(QDir(root).filePath(QLatin1String(folder())));
    if (!QDir().mkpath(dir.path())) {
        if (message)
            *message = QStringLiteral("cannot create %1").arg(dir.path());
        return false;
    }
    QString problem;
    if (!vyrokit::FileWriter::write(dir.filePath(QLatin1String(fileName())), text(), &problem)) {
        if (message)
            *message = problem;
        return false;
    }
    return true;
}

} // namespace vysim

// Reading the camera parameter file with the DOM classes.
#include "dapplix/camera/cameraparameterfile.h"

#include <QDomDocument>
#include <QDomElement>
#include <QXmlStreamReader>

#include "vyrokit/files/filereader.h"

namespace {

// A missing attribute reads as "0" and a value that does not convert as 0.
int intAttribute(const QDomElement &e, const QString &name)
{
    return e.attribute(name, QStringLiteral("0")).toInt();
}

double doubleAttribute(const QDomElement &e, const QString &name)
{
    return e.attribute(name, QStringLiteral("0")).toDouble();
}

} // namespace

const QString &CameraParameterFile::defaultFileName()
{
    static const QString name = QStringLiteral("cameraparameter.xml");
    return name;
}

CameraParameterFile::Outcome CameraParameterFile::read(const QString &path, quint16 sensorId,
                                                       Settings *settings)
{
    // A named pipe in the file's place must not keep the camera from opening.
    QByteArray content;
    QString problem;
    if (!vyrokit::FileReader::read(path, maxFileSize, &content, &problem))
        return Outcome::Unreadable;
    return parse(content, sensorId, settings);
}

bool CameraParameterFile::withinDepth(const QByteArray &content)
{
    // The stream reader works without recursion; the document built afterwards does not.
    QXmlStreamReader reader(content);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return !reader.hasError();
}

CameraParameterFile::Outcome CameraParameterFile::parse(const QByteArray &content, quint16 sensorId,
                                                        Settings *settings)
{
    if (!withinDepth(content))
        return Outcome::Unreadable;
    QDomDocument document;
    if (!document.setContent(content))
        return Outcome::Unreadable;
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("CameraSettings"))
        return Outcome::NoEntry;

    QDomElement sensor;
    for (QDomNode n = root.firstChild(); !n.isNull(); n = n.nextSibling()) {
        const QDomElement e = n.toElement();
        if (e.isNull() || e.tagName() != QLatin1String("Sensor"))
            continue;
        QString text = e.attribute(QStringLiteral("ID")).trimmed();
        if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            text.remove(0, 2);
        bool ok = false;
        const uint id = text.toUInt(&ok, 16);
        if (ok && id == sensorId) {
            sensor = e;
            break;
        }
    }
    if (sensor.isNull())
        return Outcome::NoEntry;
    const QDomElement timing = sensor.firstChildElement(QStringLiteral("Timing"));
    if (timing.isNull())
        return Outcome::NoEntry;

    Settings s;
    s.exposure = doubleAttribute(timing, QStringLiteral("exposure"));
    s.pixelclock = intAttribute(timing, QStringLiteral("pixelclock"));
    s.framerate = doubleAttribute(timing, QStringLiteral("framerate"));
    const QDomElement gain = sensor.firstChildElement(QStringLiteral("Gain"));
    if (!gain.isNull()) {
        s.master = intAttribute(gain, QStringLiteral("master"));
        s.red = intAttribute(gain, QStringLiteral("red"));
        s.green = intAttribute(gain, QStringLiteral("green"));
        s.blue = intAttribute(gain, QStringLiteral("blue"));
    }
    if (settings)
        *settings = s;
    return Outcome::Found;
}

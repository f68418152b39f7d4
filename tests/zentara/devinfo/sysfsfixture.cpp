// sysfsfixture.cpp: the fixture's files and links.
#include "tests/zentara/devinfo/sysfsfixture.h"

#include "vyrokit/systempaths.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

SysfsFixture::SysfsFixture(Layout layout)
{
    const char *variable = vyrokit::SystemPaths::rootVariable();
    m_hadPrevious = qEnvironmentVariableIsSet(variable);
    m_previous = qgetenv(variable);
    if (layout == Layout::UsbDirectories) {
        QDir().mkpath(devices());
        QDir().mkpath(sys() + QStringLiteral("/bus/usb/drivers/usb"));
    }
    qputenv(variable, QFile::encodeName(root()));
}

SysfsFixture::~SysfsFixture()
{
    const char *variable = vyrokit::SystemPaths::rootVariable();
    if (m_hadPrevious)
        qputenv(variable, m_previous);
    else
        qunsetenv(variable);
}

bool SysfsFixture::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

bool SysfsFixture::link(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) ==
           0;
}

QString SysfsFixture::addEntry(const QString &name, const Attributes &attributes)
{
    const QString path = devices() + QLatin1Char('/') + name;
    QDir().mkpath(path);
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        writeFile(path + QLatin1Char('/') + it.key(), it.value());
    return path;
}

QString SysfsFixture::addDevice(const QString &name, uint vendorId, uint productId,
                                uint deviceClass)
{
    const QString bus = name.left(name.indexOf(QLatin1Char('-')));
    return addEntry(
        name,
        {{"busnum", bus.toLatin1() + '\n'},
         {"idVendor", QByteArray::number(vendorId, 16).rightJustified(4, '0') + '\n'},
         {"idProduct", QByteArray::number(productId, 16).rightJustified(4, '0') + '\n'},
         {"bDeviceClass", QByteArray::number(deviceClass, 16).rightJustified(2, '0') + '\n'}});
}

QString SysfsFixture::addControllerRootHub(const QString &address, const QByteArray &modalias,
                                           uint bus, const Attributes &attributes)
{
    const QString name = QStringLiteral("usb%1").arg(bus);
    const QString controller = sys() + QStringLiteral("/devices/pci0000:00/") + address;
    const QString hub = controller + QLatin1Char('/') + name;
    QDir().mkpath(hub);
    if (!modalias.isNull())
        writeFile(controller + QStringLiteral("/modalias"), modalias);
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
        writeFile(hub + QLatin1Char('/') + it.key(), it.value());
    link(QStringLiteral("../../../devices/pci0000:00/%1/%2").arg(address, name),
         devices() + QLatin1Char('/') + name);
    link(QStringLiteral("../../../../bus/usb/drivers/usb"), hub + QStringLiteral("/driver"));
    link(QStringLiteral("../../../../devices/pci0000:00/%1/%2").arg(address, name),
         sys() + QStringLiteral("/bus/usb/drivers/usb/") + name);
    return hub;
}

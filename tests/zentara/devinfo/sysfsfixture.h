// sysfsfixture.h: USB device directories built by a test in a temporary directory, and the
// system root pointed at them for as long as the fixture lives.
#ifndef TESTS_ZENTARA_DEVINFO_SYSFSFIXTURE_H
#define TESTS_ZENTARA_DEVINFO_SYSFSFIXTURE_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

using Attributes = QMap<QString, QByteArray>;

class SysfsFixture final
{
public:
    enum class Layout
    {
        UsbDirectories, // sys/bus/usb/devices and the usb driver's directory
        Empty,          // nothing: for a tree written by someone else
    };

    // Sets VYRO_SYSROOT to the fixture's directory (restored by the destructor).
    explicit SysfsFixture(Layout layout = Layout::UsbDirectories);
    ~SysfsFixture();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString sys() const { return m_dir.path() + QStringLiteral("/sys"); }
    QString devices() const { return sys() + QStringLiteral("/bus/usb/devices"); }

    // A directory named name in the USB device directory, with one file per attribute.
    QString addEntry(const QString &name, const Attributes &attributes = {});
    // A device on a bus with its identity: busnum, idVendor, idProduct, bDeviceClass.
    QString addDevice(const QString &name, uint vendorId, uint productId, uint deviceClass = 0);
    static bool writeFile(const QString &path, const QByteArray &content);
    // A symbolic link at path holding target exactly as given.
    static bool link(const QString &target, const QString &path);

    // A root hub the way the kernel lays it out: its directory below the PCI controller at
    // address (holding modalias), linked from the USB device directory, with its driver link
    // to the usb driver, which links back to it by name.
    QString addControllerRootHub(const QString &address, const QByteArray &modalias, uint bus,
                                 const Attributes &attributes = {});

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

#endif // TESTS_ZENTARA_DEVINFO_SYSFSFIXTURE_H

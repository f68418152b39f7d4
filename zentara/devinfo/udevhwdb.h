// udevhwdb.h: readable names for USB and PCI identifiers from the udev hardware database.
#ifndef ZENTARA_DEVINFO_UDEVHWDB_H
#define ZENTARA_DEVINFO_UDEVHWDB_H

#include <QString>

#include <mutex>

struct udev;
struct udev_hwdb;
struct udev_list_entry;

// libudev is not linked: the runtime library is loaded by name on the first lookup, so the
// program runs (without names) where it is missing and needs no development package where it is
// present. Lookups return an empty text when the library, one of its entry points or the
// database is missing, or when nothing matches.
//
// Thread-safe: the library is loaded once under a one-time guard; each lookup creates and
// releases its own udev and hwdb handles and takes no lock.
class UdevHwdb final
{
public:
    // The process's instance over the runtime library "libudev.so.1", created on first use and
    // never released.
    static const UdevHwdb &instance();
    static const char *defaultLibrary();

    // An instance over another library file or name, for tests (a stand-in, or one that does
    // not exist to check that everything works without names).
    explicit UdevHwdb(const QString &library);
    ~UdevHwdb();

    // True when the library and all ten entry points were found (loads it first).
    bool isAvailable() const;

    // ID_VENDOR_FROM_DATABASE for key "usb:v%04X*".
    QString vendorName(uint vendorId) const;
    // ID_MODEL_FROM_DATABASE for key "usb:v%04Xp%04X*".
    QString productName(uint vendorId, uint productId) const;
    // The value of property for match key modalias (at most 63 bytes of it are used).
    QString lookup(const QString &modalias, const char *property) const;

private:
    Q_DISABLE_COPY(UdevHwdb)

    using HwdbGetPropertiesListEntry = udev_list_entry *(*)(udev_hwdb *, const char *, unsigned);
    using HwdbNew = udev_hwdb *(*)(udev *);
    using HwdbRef = udev_hwdb *(*)(udev_hwdb *);
    using UdevNew = udev *(*)();
    using HwdbUnref = udev_hwdb *(*)(udev_hwdb *);
    using UdevUnref = udev *(*)(udev *);
    using UdevRef = udev *(*)(udev *);
    using ListEntryGetValue = const char *(*)(udev_list_entry *);
    using ListEntryGetName = const char *(*)(udev_list_entry *);
    using ListEntryGetNext = udev_list_entry *(*)(udev_list_entry *);

    void load() const;
    void loadOnce() const;
    QString lookupKey(const char *key, const char *property) const;

    const QByteArray m_library;
    mutable std::once_flag m_loaded;
    // Written only inside the one-time load, read only after it.
    mutable void *m_handle = nullptr;
    mutable bool m_available = false;
    mutable HwdbGetPropertiesListEntry m_hwdbGetPropertiesListEntry = nullptr;
    mutable HwdbNew m_hwdbNew = nullptr;
    mutable HwdbRef m_hwdbRef = nullptr;
    mutable UdevNew m_udevNew = nullptr;
    mutable HwdbUnref m_hwdbUnref = nullptr;
    mutable UdevUnref m_udevUnref = nullptr;
    mutable UdevRef m_udevRef = nullptr;
    mutable ListEntryGetValue m_listEntryGetValue = nullptr;
    mutable ListEntryGetName m_listEntryGetName = nullptr;
    mutable ListEntryGetNext m_listEntryGetNext = nullptr;
};

#endif // ZENTARA_DEVINFO_UDEVHWDB_H

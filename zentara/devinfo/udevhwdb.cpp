// udevhwdb.cpp: libudev loaded at run time and the hardware database walk.
#include "zentara/devinfo/udevhwdb.h"

#include <QFile>

#include <dlfcn.h>

#include <cstdio>
#include <cstring>

namespace {

// Match keys are short printf results; a longer modalias is cut, and the database's patterns
// end in "*" anyway.
constexpr size_t maxKeyLength = 63;

template <typename Function> bool resolve(void *handle, const char *name, Function *function)
{
    *function = reinterpret_cast<Function>(::dlsym(handle, name));
    return ::dlerror() == nullptr && *function != nullptr;
}

} // namespace

const UdevHwdb &UdevHwdb::instance()
{
    // Never released: lookups may still run on pool threads while the program exits.
    static const UdevHwdb *const hwdb = new UdevHwdb(QString::fromLatin1(defaultLibrary()));
    return *hwdb;
}

const char *UdevHwdb::defaultLibrary()
{
    return "libudev.so.1";
}

UdevHwdb::UdevHwdb(const QString &library) : m_library(QFile::encodeName(library))
{
}

UdevHwdb::~UdevHwdb()
{
    if (m_handle)
        ::dlclose(m_handle);
}

void UdevHwdb::loadOnce() const
{
    std::call_once(m_loaded, [this] { load(); });
}

void UdevHwdb::load() const
{
    m_handle = ::dlopen(m_library.constData(), RTLD_NOW);
    if (!m_handle)
        return;
    ::dlerror();
    const bool all =
        resolve(m_handle, "udev_hwdb_get_properties_list_entry", &m_hwdbGetPropertiesListEntry) &&
        resolve(m_handle, "udev_hwdb_new", &m_hwdbNew) &&
        resolve(m_handle, "udev_hwdb_ref", &m_hwdbRef) &&
        resolve(m_handle, "udev_new", &m_udevNew) &&
        resolve(m_handle, "udev_hwdb_unref", &m_hwdbUnref) &&
        resolve(m_handle, "udev_unref", &m_udevUnref) &&
        resolve(m_handle, "udev_ref", &m_udevRef) &&
        resolve(m_handle, "udev_list_entry_get_value", &m_listEntryGetValue) &&
        resolve(m_handle, "udev_list_entry_get_name", &m_listEntryGetName) &&
        resolve(m_handle, "udev_list_entry_get_next", &m_listEntryGetNext);
    m_available = all;
}

bool UdevHwdb::isAvailable() const
{
    loadOnce();
    return m_available;
}

QString UdevHwdb::vendorName(uint vendorId) const
{
    char key[maxKeyLength + 1];
    std::snprintf(key, sizeof key, "usb:v%04X*", vendorId);
    return lookupKey(key, "ID_VENDOR_FROM_DATABASE");
}

QString UdevHwdb::productName(uint vendorId, uint productId) const
{
    char key[maxKeyLength + 1];
    std::snprintf(key, sizeof key, "usb:v%04Xp%04X*", vendorId, productId);
    return lookupKey(key, "ID_MODEL_FROM_DATABASE");
}

QString UdevHwdb::lookup(const QString &modalias, const char *property) const
{
    const QByteArray key = modalias.toUtf8().left(int(maxKeyLength));
    return lookupKey(key.constData(), property);
}

QString UdevHwdb::lookupKey(const char *key, const char *property) const
{
    if (!isAvailable())
        return QString();
    udev *context = m_udevNew();
    if (!context)
        return QString();
    udev_hwdb *hwdb = m_hwdbNew(context);
    if (!hwdb) {
        m_udevUnref(context);
        return QString();
    }
    QString result;
    for (udev_list_entry *entry = m_hwdbGetPropertiesListEntry(hwdb, key, 0); entry;
         entry = m_listEntryGetNext(entry)) {
        const char *name = m_listEntryGetName(entry);
        if (name && std::strcmp(name, property) == 0) {
            result = QString::fromUtf8(m_listEntryGetValue(entry));
            break;
        }
    }
    m_hwdbUnref(hwdb);
    m_udevUnref(context);
    return result;
}

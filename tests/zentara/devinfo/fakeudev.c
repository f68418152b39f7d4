/* fakeudev.c: a stand-in for the runtime udev library with a small fixed hardware database,
 * loaded by the tests in place of libudev.so.1. It counts its live handles and keeps the last
 * match key, so tests see how the program used it. FAKEUDEV_FAIL=udev_new or hwdb_new makes
 * that call fail. Built once more without udev_list_entry_get_next, as a library that lacks an
 * entry point. */
#include <fnmatch.h>
#include <stdlib.h>
#include <string.h>

struct udev
{
    int refs;
};

struct udev_list_entry
{
    const char *name;
    const char *value;
    struct udev_list_entry *next;
};

struct udev_hwdb
{
    int refs;
    struct udev_list_entry *list;
};

struct record
{
    const char *pattern;
    const char *name;
    const char *value;
};

/* Like the real database: every pattern that matches the key adds its properties, in order. */
static const struct record database[] = {
    {"usb:v1234*", "ID_VENDOR_FROM_DATABASE", "Vyro Test Vendor"},
    {"usb:v1234pABCD*", "ID_MODEL_FROM_DATABASE", "Test Camera"},
    {"usb:v1D6B*", "ID_VENDOR_FROM_DATABASE", "Linux Foundation"},
    {"usb:v1D6Bp0002*", "ID_MODEL_FROM_DATABASE", "2.0 root hub"},
    {"usb:v1D6Bp0003*", "ID_MODEL_FROM_DATABASE", "3.0 root hub"},
    {"usb:v05E3*", "ID_VENDOR_FROM_DATABASE", "Genesys Logic, Inc."},
    {"usb:v05E3p0610*", "ID_MODEL_FROM_DATABASE", "Hub"},
    {"usb:v05E3p0626*", "ID_MODEL_FROM_DATABASE", "Hub"},
    {"usb:v1209*", "ID_VENDOR_FROM_DATABASE", "Generic"},
    {"usb:v1209p00[01]?*", "ID_MODEL_FROM_DATABASE", "pid.codes Test PID"},
    {"usb:v4321*", "ID_VENDOR_FROM_DATABASE", NULL},
    {"usb:v4321*", "ID_VENDOR_FROM_DATABASE_LONG", "Not This One"},
    {"pci:v00001B73*", "ID_VENDOR_FROM_DATABASE", "Fresco Logic"},
    {"pci:v00001B73d00001100*", "ID_MODEL_FROM_DATABASE", "FL1100 USB 3.0 Host Controller"},
    {"pci:v0000AAAA*", "ID_PCI_CLASS_FROM_DATABASE", "Serial bus controller"},
    {"pci:v0000AAAA*", "ID_VENDOR_FROM_DATABASE", "Test Controllers"},
    {"pci:v0000AAAAd0000BBBB*", "ID_MODEL_FROM_DATABASE", "Test xHCI"},
};

static int live;
static int lookups;
static char lastKey[256];

static int failing(const char *call)
{
    const char *fail = getenv("FAKEUDEV_FAIL");
    return fail && strcmp(fail, call) == 0;
}

__attribute__((visibility("default"))) int fakeudev_live(void)
{
    return __atomic_load_n(&live, __ATOMIC_SEQ_CST);
}

__attribute__((visibility("default"))) int fakeudev_lookups(void)
{
    return __atomic_load_n(&lookups, __ATOMIC_SEQ_CST);
}

__attribute__((visibility("default"))) const char *fakeudev_last_key(void)
{
    return lastKey;
}

__attribute__((visibility("default"))) struct udev *udev_new(void)
{
    if (failing("udev_new"))
        return NULL;
    struct udev *u = calloc(1, sizeof *u);
    u->refs = 1;
    __atomic_add_fetch(&live, 1, __ATOMIC_SEQ_CST);
    return u;
}

__attribute__((visibility("default"))) struct udev *udev_ref(struct udev *u)
{
    if (u)
        ++u->refs;
    return u;
}

__attribute__((visibility("default"))) struct udev *udev_unref(struct udev *u)
{
    if (u && --u->refs == 0) {
        free(u);
        __atomic_sub_fetch(&live, 1, __ATOMIC_SEQ_CST);
    }
    return NULL;
}

static void freeList(struct udev_hwdb *hwdb)
{
    while (hwdb->list) {
        struct udev_list_entry *next = hwdb->list->next;
        free(hwdb->list);
        hwdb->list = next;
    }
}

__attribute__((visibility("default"))) struct udev_hwdb *udev_hwdb_new(struct udev *u)
{
    if (!u || failing("hwdb_new"))
        return NULL;
    struct udev_hwdb *hwdb = calloc(1, sizeof *hwdb);
    hwdb->refs = 1;
    __atomic_add_fetch(&live, 1, __ATOMIC_SEQ_CST);
    return hwdb;
}

__attribute__((visibility("default"))) struct udev_hwdb *udev_hwdb_ref(struct udev_hwdb *hwdb)
{
    if (hwdb)
        ++hwdb->refs;
    return hwdb;
}

__attribute__((visibility("default"))) struct udev_hwdb *udev_hwdb_unref(struct udev_hwdb *hwdb)
{
    if (hwdb && --hwdb->refs == 0) {
        freeList(hwdb);
        free(hwdb);
        __atomic_sub_fetch(&live, 1, __ATOMIC_SEQ_CST);
    }
    return NULL;
}

__attribute__((visibility("default"))) struct udev_list_entry *
udev_hwdb_get_properties_list_entry(struct udev_hwdb *hwdb, const char *modalias,
                                    unsigned int flags)
{
    (void)flags;
    __atomic_add_fetch(&lookups, 1, __ATOMIC_SEQ_CST);
    strncpy(lastKey, modalias, sizeof lastKey - 1);
    freeList(hwdb);
    struct udev_list_entry **tail = &hwdb->list;
    for (size_t i = 0; i < sizeof database / sizeof database[0]; ++i) {
        if (fnmatch(database[i].pattern, modalias, 0) != 0)
            continue;
        struct udev_list_entry *entry = calloc(1, sizeof *entry);
        entry->name = database[i].name;
        entry->value = database[i].value;
        *tail = entry;
        tail = &entry->next;
    }
    return hwdb->list;
}

__attribute__((visibility("default"))) const char *
udev_list_entry_get_name(struct udev_list_entry *entry)
{
    return entry ? entry->name : NULL;
}

__attribute__((visibility("default"))) const char *
udev_list_entry_get_value(struct udev_list_entry *entry)
{
    return entry ? entry->value : NULL;
}

#ifndef FAKEUDEV_WITHOUT_LIST_NEXT
__attribute__((visibility("default"))) struct udev_list_entry *
udev_list_entry_get_next(struct udev_list_entry *entry)
{
    return entry ? entry->next : NULL;
}
#endif

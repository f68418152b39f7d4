// tst_udevhwdb.cpp: the hardware database lookups through a udev library loaded at run time: the
// match keys, the walk to the wanted property, the handles released, and everything working
// without names when the library or an entry point is missing or a call fails.
#include <QtConcurrent>
#include <QtTest>

#include "zentara/devinfo/udevhwdb.h"

#include <dlfcn.h>

namespace {

// The stand-in's own counters, read from the same loaded copy the lookups use.
struct FakeUdev
{
    explicit FakeUdev(const char *path)
    {
        handle = ::dlopen(path, RTLD_NOW);
        if (handle) {
            live = reinterpret_cast<int (*)()>(::dlsym(handle, "fakeudev_live"));
            lookups = reinterpret_cast<int (*)()>(::dlsym(handle, "fakeudev_lookups"));
            lastKey = reinterpret_cast<const char *(*)()>(::dlsym(handle, "fakeudev_last_key"));
        }
    }
    ~FakeUdev()
    {
        if (handle)
            ::dlclose(handle);
    }
    bool isValid() const { return live && lookups && lastKey; }

    void *handle = nullptr;
    int (*live)() = nullptr;
    int (*lookups)() = nullptr;
    const char *(*lastKey)() = nullptr;
};

class FailingCall
{
public:
    explicit FailingCall(const QByteArray &call)
    {
        if (!call.isEmpty())
            qputenv("FAKEUDEV_FAIL", call);
    }
    ~FailingCall() { qunsetenv("FAKEUDEV_FAIL"); }
};

} // namespace

class tst_UdevHwdb : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void defaultLibraryIsTheRuntimeOne();
    void names_data();
    void names();
    void modaliasLookup_data();
    void modaliasLookup();
    void failingCalls_data();
    void failingCalls();
    void unavailable_data();
    void unavailable();
    void concurrentFirstUse();

private:
    FakeUdev m_counters{FAKEUDEV_LIBRARY};
    UdevHwdb m_fake{QStringLiteral(FAKEUDEV_LIBRARY)};
};

void tst_UdevHwdb::initTestCase()
{
    QVERIFY2(m_counters.isValid(), FAKEUDEV_LIBRARY);
    QVERIFY(m_fake.isAvailable());
}

void tst_UdevHwdb::defaultLibraryIsTheRuntimeOne()
{
    // The runtime package installs only the versioned name; the unversioned one comes with the
    // development package, which a user's machine lacks.
    QCOMPARE(QByteArray(UdevHwdb::defaultLibrary()), QByteArray("libudev.so.1"));
    // One per process; taking it loads nothing yet.
    QCOMPARE(&UdevHwdb::instance(), &UdevHwdb::instance());
}

void tst_UdevHwdb::names_data()
{
    QTest::addColumn<uint>("vendorId");
    QTest::addColumn<uint>("productId");
    QTest::addColumn<QString>("vendorName");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<QByteArray>("productKey");
    QTest::newRow("known") << 0x1234u << 0xabcdu << "Vyro Test Vendor"
                           << "Test Camera" << QByteArray("usb:v1234pABCD*");
    QTest::newRow("root_hub") << 0x1d6bu << 0x0002u << "Linux Foundation"
                              << "2.0 root hub" << QByteArray("usb:v1D6Bp0002*");
    QTest::newRow("vendor_only") << 0x1234u << 0x0001u << "Vyro Test Vendor"
                                 << "" << QByteArray("usb:v1234p0001*");
    QTest::newRow("unknown") << 0x0001u << 0x0001u << ""
                             << "" << QByteArray("usb:v0001p0001*");
    QTest::newRow("null_value_then_other_name") << 0x4321u << 0x0001u << ""
                                                << "" << QByteArray("usb:v4321p0001*");
    QTest::newRow("zero") << 0u << 0u << ""
                          << "" << QByteArray("usb:v0000p0000*");
}

void tst_UdevHwdb::names()
{
    QFETCH(uint, vendorId);
    QFETCH(uint, productId);
    QFETCH(QString, vendorName);
    QFETCH(QString, productName);
    QFETCH(QByteArray, productKey);
    const int lookups = m_counters.lookups();
    QCOMPARE(m_fake.vendorName(vendorId), vendorName);
    QCOMPARE(m_fake.productName(vendorId, productId), productName);
    QCOMPARE(QByteArray(m_counters.lastKey()), productKey);
    QCOMPARE(m_counters.lookups(), lookups + 2);
    QCOMPARE(m_counters.live(), 0);
}

void tst_UdevHwdb::modaliasLookup_data()
{
    QTest::addColumn<QString>("modalias");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("key");
    const QString fresco = "pci:v00001B73d00001100sv00001B73sd00001100bc0Csc03i30";
    QTest::newRow("vendor") << fresco << QByteArray("ID_VENDOR_FROM_DATABASE") << "Fresco Logic"
                            << fresco.toLatin1();
    QTest::newRow("model") << fresco << QByteArray("ID_MODEL_FROM_DATABASE")
                           << "FL1100 USB 3.0 Host Controller" << fresco.toLatin1();
    // The class property comes first in the list; the walk goes on to the vendor.
    QTest::newRow("past_other_property")
        << "pci:v0000AAAAd0000BBBB" << QByteArray("ID_VENDOR_FROM_DATABASE") << "Test Controllers"
        << QByteArray("pci:v0000AAAAd0000BBBB");
    QTest::newRow("property_absent")
        << fresco << QByteArray("ID_NOTHING") << "" << fresco.toLatin1();
    QTest::newRow("empty_key") << "" << QByteArray("ID_VENDOR_FROM_DATABASE") << "" << QByteArray();
    const QString longKey = "pci:v00001B73d00001100" + QString(80, QLatin1Char('x'));
    QTest::newRow("cut_to_63_bytes")
        << longKey << QByteArray("ID_MODEL_FROM_DATABASE") << "FL1100 USB 3.0 Host Controller"
        << longKey.left(63).toLatin1();
}

void tst_UdevHwdb::modaliasLookup()
{
    QFETCH(QString, modalias);
    QFETCH(QByteArray, property);
    QFETCH(QString, expected);
    QFETCH(QByteArray, key);
    QCOMPARE(m_fake.lookup(modalias, property.constData()), expected);
    QCOMPARE(QByteArray(m_counters.lastKey()), key);
    QCOMPARE(m_counters.live(), 0);
}

void tst_UdevHwdb::failingCalls_data()
{
    QTest::addColumn<QByteArray>("failing");
    QTest::addColumn<int>("lookups");
    QTest::newRow("udev_new") << QByteArray("udev_new") << 0;
    QTest::newRow("hwdb_new") << QByteArray("hwdb_new") << 0;
    QTest::newRow("none") << QByteArray() << 1;
}

void tst_UdevHwdb::failingCalls()
{
    QFETCH(QByteArray, failing);
    QFETCH(int, lookups);
    const FailingCall failure(failing);
    const int before = m_counters.lookups();
    const QString name = m_fake.vendorName(0x1234);
    QCOMPARE(name, lookups ? QStringLiteral("Vyro Test Vendor") : QString());
    QCOMPARE(m_counters.lookups(), before + lookups);
    // Whatever failed, the handles made are released.
    QCOMPARE(m_counters.live(), 0);
    QVERIFY(m_fake.isAvailable());
}

void tst_UdevHwdb::unavailable_data()
{
    QTest::addColumn<QString>("library");
    QTest::newRow("library_missing") << "libudev-not-installed.so.0";
    QTest::newRow("entry_point_missing") << FAKEUDEV_PARTIAL_LIBRARY;
    QTest::newRow("not_a_library") << QFINDTESTDATA("tst_udevhwdb.cpp");
}

void tst_UdevHwdb::unavailable()
{
    QFETCH(QString, library);
    const UdevHwdb hwdb(library);
    QCOMPARE(hwdb.vendorName(0x1234), QString());
    QCOMPARE(hwdb.productName(0x1234, 0xabcd), QString());
    QCOMPARE(hwdb.lookup("pci:v00001B73d00001100", "ID_VENDOR_FROM_DATABASE"), QString());
    QVERIFY(!hwdb.isAvailable());
}

void tst_UdevHwdb::concurrentFirstUse()
{
    // The first lookups come from several threads at once; the library is loaded once and every
    // one of them gets its name.
    const UdevHwdb hwdb{QStringLiteral(FAKEUDEV_LIBRARY)};
    QList<QFuture<QString>> futures;
    for (int i = 0; i < 16; ++i)
        futures << QtConcurrent::run([&hwdb] { return hwdb.productName(0x1234, 0xabcd); });
    for (QFuture<QString> &future : futures)
        QCOMPARE(future.result(), QStringLiteral("Test Camera"));
    QVERIFY(hwdb.isAvailable());
    QCOMPARE(m_counters.live(), 0);
}

QTEST_GUILESS_MAIN(tst_UdevHwdb)
#include "tst_udevhwdb.moc"

// The SDK's records as C and C++ compile them: every field at the byte offset and with the size
// its callers rely on, no record with a gap the compiler fills, and the buffer sizes the
// header's macros compute.
#include "sdk/vyro_api.h"
#include "tests/support/testmain.h"

#include <QMap>
#include <QVector>
#include <QtTest>

#include <algorithm>
#include <cstring>

extern "C" {
// Filled by tst_sdk_records_c.c, the header compiled as C.
struct SdkCFieldLayout
{
    const char *record;
    const char *field;
    size_t offset;
    size_t size;
};
extern const SdkCFieldLayout sdkCFieldLayouts[];
extern const size_t sdkCFieldLayoutCount;
}

namespace {

// One field (or, with an empty field name, a whole record) as the C++ compiler lays it out
// and as the callers expect it.
struct FieldLayout
{
    const char *record;
    const char *field;
    size_t offset;
    size_t size;
    size_t expectedOffset;
    size_t expectedSize;
    size_t tailPadding;
};

const QVector<FieldLayout> &cppLayouts()
{
#define VY_RECORD(type, size, tailPadding) {#type, "", 0, sizeof(type), 0, (size), (tailPadding)},
#define VY_FIELD(type, field, offset, size)                                                        \
    {#type, #field, offsetof(type, field), sizeof(((type *)nullptr)->field), (offset), (size), 0},
    static const QVector<FieldLayout> layouts = {
#include "tests/sdk/sdkrecords.def"
    };
#undef VY_RECORD
#undef VY_FIELD
    return layouts;
}

const SdkCFieldLayout *cLayout(const char *record, const char *field)
{
    for (size_t i = 0; i < sdkCFieldLayoutCount; ++i) {
        const SdkCFieldLayout &l = sdkCFieldLayouts[i];
        if (std::strcmp(l.record, record) == 0 && std::strcmp(l.field, field) == 0)
            return &l;
    }
    return nullptr;
}

QByteArray rowName(const FieldLayout &l)
{
    return *l.field ? QByteArray(l.record) + '.' + l.field : QByteArray(l.record);
}

} // namespace

Q_DECLARE_METATYPE(FieldLayout)

class tst_SdkRecords : public QObject
{
    Q_OBJECT

private slots:
    void recordSize_data();
    void recordSize();
    void fieldLayout_data();
    void fieldLayout();
    void noGaps_data();
    void noGaps();
    void bufferSizes_data();
    void bufferSizes();
};

void tst_SdkRecords::recordSize_data()
{
    QTest::addColumn<qulonglong>("cppSize");
    QTest::addColumn<qulonglong>("cSize");
    QTest::addColumn<qulonglong>("expected");
    for (const FieldLayout &l : cppLayouts()) {
        if (*l.field)
            continue;
        const SdkCFieldLayout *c = cLayout(l.record, l.field);
        QTest::newRow(rowName(l).constData())
            << qulonglong(l.size) << qulonglong(c ? c->size : 0) << qulonglong(l.expectedSize);
    }
}

void tst_SdkRecords::recordSize()
{
    QFETCH(qulonglong, cppSize);
    QFETCH(qulonglong, cSize);
    QFETCH(qulonglong, expected);
    QCOMPARE(cppSize, expected);
    QCOMPARE(cSize, expected);
}

void tst_SdkRecords::fieldLayout_data()
{
    QTest::addColumn<qulonglong>("cppOffset");
    QTest::addColumn<qulonglong>("cppSize");
    QTest::addColumn<bool>("inC");
    QTest::addColumn<qulonglong>("cOffset");
    QTest::addColumn<qulonglong>("cSize");
    QTest::addColumn<qulonglong>("expectedOffset");
    QTest::addColumn<qulonglong>("expectedSize");
    for (const FieldLayout &l : cppLayouts()) {
        if (!*l.field)
            continue;
        const SdkCFieldLayout *c = cLayout(l.record, l.field);
        QTest::newRow(rowName(l).constData())
            << qulonglong(l.offset) << qulonglong(l.size) << (c != nullptr)
            << qulonglong(c ? c->offset : 0) << qulonglong(c ? c->size : 0)
            << qulonglong(l.expectedOffset) << qulonglong(l.expectedSize);
    }
}

void tst_SdkRecords::fieldLayout()
{
    QFETCH(qulonglong, cppOffset);
    QFETCH(qulonglong, cppSize);
    QFETCH(bool, inC);
    QFETCH(qulonglong, cOffset);
    QFETCH(qulonglong, cSize);
    QFETCH(qulonglong, expectedOffset);
    QFETCH(qulonglong, expectedSize);
    QCOMPARE(cppOffset, expectedOffset);
    QCOMPARE(cppSize, expectedSize);
    QVERIFY(inC);
    QCOMPARE(cOffset, expectedOffset);
    QCOMPARE(cSize, expectedSize);
}

// The fields of each record, in offset order, follow one another without a gap and end where
// the record ends: every byte belongs to a named field (a reserved one where unused), so the
// layout does not depend on the compiler's alignment rules and no field is missing from the
// table above.
void tst_SdkRecords::noGaps_data()
{
    QTest::addColumn<QVector<FieldLayout>>("fields");
    QTest::addColumn<qulonglong>("recordSize");
    QTest::addColumn<qulonglong>("tailPadding");
    QMap<QByteArray, QVector<FieldLayout>> fields;
    QVector<FieldLayout> records;
    for (const FieldLayout &l : cppLayouts()) {
        if (*l.field)
            fields[l.record].append(l);
        else
            records.append(l);
    }
    for (const FieldLayout &r : records)
        QTest::newRow(r.record) << fields.value(r.record) << qulonglong(r.size)
                                << qulonglong(r.tailPadding);
}

void tst_SdkRecords::noGaps()
{
    QFETCH(QVector<FieldLayout>, fields);
    QFETCH(qulonglong, recordSize);
    QFETCH(qulonglong, tailPadding);
    QVERIFY(!fields.isEmpty());
    std::sort(fields.begin(), fields.end(),
              [](const FieldLayout &a, const FieldLayout &b) { return a.offset < b.offset; });
    size_t end = 0;
    for (const FieldLayout &f : fields) {
        QVERIFY2(f.offset == end, qPrintable(QStringLiteral("%1 starts at %2, the field before "
                                                            "it ends at %3")
                                                 .arg(QLatin1String(f.field))
                                                 .arg(f.offset)
                                                 .arg(end)));
        end = f.offset + f.size;
    }
    QCOMPARE(qulonglong(end) + tailPadding, recordSize);
}

// What the callers allocate for variable-length records.
void tst_SdkRecords::bufferSizes_data()
{
    QTest::addColumn<qulonglong>("actual");
    QTest::addColumn<qulonglong>("expected");
    QTest::newRow("camera list of 0") << qulonglong(VY_CAMERA_LIST_SIZE(0)) << 4ull;
    QTest::newRow("camera list of 1") << qulonglong(VY_CAMERA_LIST_SIZE(1)) << 116ull;
    QTest::newRow("camera list of 3") << qulonglong(VY_CAMERA_LIST_SIZE(3)) << 340ull;
    QTest::newRow("camera list entry stride")
        << qulonglong(VY_CAMERA_LIST_SIZE(2) - VY_CAMERA_LIST_SIZE(1))
        << qulonglong(sizeof(VY_CAMERA_LIST_ENTRY));
    QTest::newRow("boot boost list of 0") << qulonglong(VY_BOOTBOOST_IDS_SIZE(0)) << 7ull;
    QTest::newRow("boot boost list of 1") << qulonglong(VY_BOOTBOOST_IDS_SIZE(1)) << 8ull;
    QTest::newRow("boot boost list of 254") << qulonglong(VY_BOOTBOOST_IDS_SIZE(254)) << 261ull;
    QTest::newRow("boot boost record holds one ID")
        << qulonglong(sizeof(VY_BOOTBOOST_IDS)) << qulonglong(VY_BOOTBOOST_IDS_SIZE(1));
    QTest::newRow("lens block written at least")
        << qulonglong(VY_DEVICECFG_LENS_HEADER_SIZE + VY_LENS_DATA_SIZE) << 23ull;
    QTest::newRow("device information") << qulonglong(VY_DEVICE_INFO_SIZE) << 640ull;
    QTest::newRow("adapter block") << qulonglong(VY_ADAPTER_BLOCK_SIZE) << 160ull;
    QTest::newRow("device configuration block") << qulonglong(VY_DEVICECFG_BLOCK_SIZE) << 140ull;
    QTest::newRow("user EEPROM in the device information")
        << qulonglong(sizeof(VY_DEVICE_INFO_DEVICE::userEeprom)) << qulonglong(VY_USER_EEPROM_SIZE);
    QTest::newRow("user EEPROM in the user block")
        << qulonglong(sizeof(VY_DEVICECFG_USER::userEeprom)) << qulonglong(VY_USER_EEPROM_SIZE);
}

void tst_SdkRecords::bufferSizes()
{
    QFETCH(qulonglong, actual);
    QFETCH(qulonglong, expected);
    QCOMPARE(actual, expected);
}

VYRO_TEST_GUILESS_MAIN(tst_SdkRecords)
#include "tst_sdk_records.moc"

// tst_packedversion.cpp: the packed version word, its text and reading the text back.
#include <QtTest>

#include "tests/support/testmain.h"
#include "vyrokit/packedversion.h"

using vyrokit::PackedVersion;

class tst_PackedVersion : public QObject
{
    Q_OBJECT
private slots:
    void parts_data();
    void parts();
    void text_data();
    void text();
    void fromText_data();
    void fromText();
    void isAtLeast_data();
    void isAtLeast();
};

void tst_PackedVersion::parts_data()
{
    QTest::addColumn<uint32_t>("packed");
    QTest::addColumn<uint32_t>("majorNumber");
    QTest::addColumn<uint32_t>("minorNumber");
    QTest::addColumn<uint32_t>("buildNumber");
    QTest::newRow("zero") << 0u << 0u << 0u << 0u;
    QTest::newRow("4.81.7") << 0x04510007u << 4u << 81u << 7u;
    QTest::newRow("all_ones") << 0xFFFFFFFFu << 255u << 255u << 65535u;
    QTest::newRow("build_high_bit") << 0x01028000u << 1u << 2u << 32768u;
}

void tst_PackedVersion::parts()
{
    QFETCH(uint32_t, packed);
    QFETCH(uint32_t, majorNumber);
    QFETCH(uint32_t, minorNumber);
    QFETCH(uint32_t, buildNumber);
    const PackedVersion v(packed);
    QCOMPARE(v.majorNumber(), majorNumber);
    QCOMPARE(v.minorNumber(), minorNumber);
    QCOMPARE(v.buildNumber(), buildNumber);
    QCOMPARE(PackedVersion(majorNumber, minorNumber, buildNumber).packed(), packed);
}

void tst_PackedVersion::text_data()
{
    QTest::addColumn<uint32_t>("packed");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "0.00.0000";
    QTest::newRow("minor_and_build_padded") << 0x04510007u << "4.81.0007";
    QTest::newRow("one_digit_minor") << 0x04050001u << "4.05.0001";
    QTest::newRow("major_not_padded") << 0x0A000000u << "10.00.0000";
    QTest::newRow("largest") << 0xFFFFFFFFu << "255.255.65535";
    QTest::newRow("build_four_digits") << 0x045F1234u << "4.95.4660";
}

void tst_PackedVersion::text()
{
    QFETCH(uint32_t, packed);
    QFETCH(QString, text);
    QCOMPARE(PackedVersion(packed).text(), text);
    QCOMPARE(PackedVersion::text(packed), text);
}

void tst_PackedVersion::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<uint32_t>("packed");
    QTest::newRow("padded") << "4.81.0007" << true << 0x04510007u;
    QTest::newRow("unpadded") << "4.81.7" << true << 0x04510007u;
    QTest::newRow("zero") << "0.0.0" << true << 0u;
    QTest::newRow("largest") << "255.255.65535" << true << 0xFFFFFFFFu;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("two_fields") << "4.81" << false << 0u;
    QTest::newRow("four_fields") << "4.95.1.0" << false << 0u;
    QTest::newRow("major_too_big") << "256.0.0" << false << 0u;
    QTest::newRow("minor_too_big") << "4.256.0" << false << 0u;
    QTest::newRow("build_too_big") << "4.81.65536" << false << 0u;
    QTest::newRow("empty_field") << "4..7" << false << 0u;
    QTest::newRow("letters") << "4.8a.7" << false << 0u;
    QTest::newRow("hex") << "0x4.81.7" << false << 0u;
    QTest::newRow("sign") << "+4.81.7" << false << 0u;
    QTest::newRow("negative") << "4.-1.7" << false << 0u;
    QTest::newRow("blank_around") << " 4.81.7" << false << 0u;
    QTest::newRow("trailing_dot") << "4.81.7." << false << 0u;
    QTest::newRow("long_digit_run") << "4.81.000007" << false << 0u;
}

void tst_PackedVersion::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(uint32_t, packed);
    const std::optional<PackedVersion> v = PackedVersion::fromText(text);
    QCOMPARE(v.has_value(), valid);
    if (valid) {
        QCOMPARE(v->packed(), packed);
        // What the text shows reads back as the same version.
        QCOMPARE(PackedVersion::fromText(v->text()), v);
    }
}

void tst_PackedVersion::isAtLeast_data()
{
    QTest::addColumn<uint32_t>("packed");
    QTest::addColumn<bool>("atLeast481");
    QTest::newRow("equal") << PackedVersion(4, 81, 0).packed() << true;
    QTest::newRow("build_ignored") << PackedVersion(4, 80, 9999).packed() << false;
    QTest::newRow("newer_minor") << PackedVersion(4, 95, 1).packed() << true;
    QTest::newRow("newer_major_small_minor") << PackedVersion(5, 0, 0).packed() << true;
    QTest::newRow("older_major_big_minor") << PackedVersion(3, 99, 0).packed() << false;
    QTest::newRow("zero") << 0u << false;
}

void tst_PackedVersion::isAtLeast()
{
    QFETCH(uint32_t, packed);
    QFETCH(bool, atLeast481);
    QCOMPARE(PackedVersion(packed).isAtLeast(4, 81), atLeast481);
}

VYRO_TEST_GUILESS_MAIN(tst_PackedVersion)
#include "tst_packedversion.moc"

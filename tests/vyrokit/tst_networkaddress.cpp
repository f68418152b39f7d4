// tst_networkaddress.cpp: IPv4 and MAC address texts and reading them back.
#include <QtTest>

#include "tests/support/testmain.h"
#include "vyrokit/networkaddress.h"

using vyrokit::MacAddress;
using vyrokit::NetworkAddress;

Q_DECLARE_METATYPE(MacAddress)

class tst_NetworkAddress : public QObject
{
    Q_OBJECT
private slots:
    void ipv4Text_data();
    void ipv4Text();
    void ipv4FromString_data();
    void ipv4FromString();
    void macText_data();
    void macText();
    void macFromString_data();
    void macFromString();
};

void tst_NetworkAddress::ipv4Text_data()
{
    QTest::addColumn<uint32_t>("address");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "0.0.0.0";
    QTest::newRow("private") << 0xC0A80A0Bu << "192.168.10.11";
    QTest::newRow("broadcast") << 0xFFFFFFFFu << "255.255.255.255";
    QTest::newRow("first_octet_high") << 0x0A000001u << "10.0.0.1";
    QTest::newRow("no_padding") << 0x01020304u << "1.2.3.4";
}

void tst_NetworkAddress::ipv4Text()
{
    QFETCH(uint32_t, address);
    QFETCH(QString, text);
    QCOMPARE(NetworkAddress::ipv4Text(address), text);
    // The record's four bytes, first octet first, give the same text.
    const std::array<uint8_t, 4> o = NetworkAddress::ipv4Octets(address);
    const uint8_t octets[4] = {o[0], o[1], o[2], o[3]};
    QCOMPARE(NetworkAddress::ipv4Text(octets), text);
    QCOMPARE(NetworkAddress::ipv4FromOctets(octets), address);
}

void tst_NetworkAddress::ipv4FromString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<uint32_t>("address");
    QTest::newRow("private") << "192.168.10.11" << true << 0xC0A80A0Bu;
    QTest::newRow("zero") << "0.0.0.0" << true << 0u;
    QTest::newRow("broadcast") << "255.255.255.255" << true << 0xFFFFFFFFu;
    QTest::newRow("leading_zeros") << "010.001.000.009" << true << 0x0A010009u;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("three_octets") << "192.168.10" << false << 0u;
    QTest::newRow("five_octets") << "1.2.3.4.5" << false << 0u;
    QTest::newRow("octet_256") << "192.168.256.1" << false << 0u;
    QTest::newRow("four_digits") << "1.2.3.0004" << false << 0u;
    QTest::newRow("negative") << "1.2.-3.4" << false << 0u;
    QTest::newRow("empty_octet") << "1..3.4" << false << 0u;
    QTest::newRow("letters") << "1.2.3.a" << false << 0u;
    QTest::newRow("trailing_blank") << "1.2.3.4 " << false << 0u;
    QTest::newRow("leading_blank") << " 1.2.3.4" << false << 0u;
    QTest::newRow("trailing_dot") << "1.2.3.4." << false << 0u;
    QTest::newRow("non_ascii_digits") << QString::fromUtf8("1.2.3.\xd9\xa4") << false << 0u;
}

void tst_NetworkAddress::ipv4FromString()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(uint32_t, address);
    const std::optional<uint32_t> parsed = NetworkAddress::ipv4FromString(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, address);
}

void tst_NetworkAddress::macText_data()
{
    QTest::addColumn<MacAddress>("mac");
    QTest::addColumn<QString>("dashes");
    QTest::addColumn<QString>("colons");
    QTest::newRow("zero") << MacAddress{} << "00-00-00-00-00-00"
                          << "00:00:00:00:00:00";
    QTest::newRow("upper_case_hex")
        << MacAddress{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e} << "00-1A-2B-3C-4D-5E"
        << "00:1A:2B:3C:4D:5E";
    QTest::newRow("zero_filled") << MacAddress{1, 2, 3, 4, 5, 6} << "01-02-03-04-05-06"
                                 << "01:02:03:04:05:06";
    QTest::newRow("all_ones") << MacAddress{0xff, 0xff, 0xff, 0xff, 0xff, 0xff}
                              << "FF-FF-FF-FF-FF-FF"
                              << "FF:FF:FF:FF:FF:FF";
}

void tst_NetworkAddress::macText()
{
    QFETCH(MacAddress, mac);
    QFETCH(QString, dashes);
    QFETCH(QString, colons);
    QCOMPARE(NetworkAddress::macText(mac), dashes);
    QCOMPARE(NetworkAddress::macText(mac, QLatin1Char(':')), colons);
    const uint8_t raw[6] = {mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]};
    QCOMPARE(NetworkAddress::macText(raw), dashes);
    // Each text reads back as the same address.
    QCOMPARE(NetworkAddress::macFromString(dashes), std::optional<MacAddress>(mac));
    QCOMPARE(NetworkAddress::macFromString(colons), std::optional<MacAddress>(mac));
}

void tst_NetworkAddress::macFromString_data()
{
    const MacAddress mac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<MacAddress>("expected");
    QTest::newRow("dashes") << "00-1A-2B-3C-4D-5E" << true << mac;
    QTest::newRow("colons") << "00:1A:2B:3C:4D:5E" << true << mac;
    QTest::newRow("spaces") << "00 1A 2B 3C 4D 5E" << true << mac;
    QTest::newRow("tabs") << "00\t1A\t2B\t3C\t4D\t5E" << true << mac;
    QTest::newRow("no_separator") << "001A2B3C4D5E" << true << mac;
    QTest::newRow("mixed_separators") << "00-1A:2B 3C4D-5E" << true << mac;
    QTest::newRow("lower_case") << "00-1a-2b-3c-4d-5e" << true << mac;
    QTest::newRow("mixed_case") << "00-1a-2B-3c-4D-5e" << true << mac;
    QTest::newRow("all_ff") << "ff:FF:fF:Ff:ff:FF" << true
                            << MacAddress{0xff, 0xff, 0xff, 0xff, 0xff, 0xff};
    QTest::newRow("empty") << "" << false << MacAddress{};
    QTest::newRow("five_pairs") << "00-1A-2B-3C-4D" << false << MacAddress{};
    QTest::newRow("seven_pairs") << "00-1A-2B-3C-4D-5E-6F" << false << MacAddress{};
    QTest::newRow("odd_digit_count") << "00-1A-2B-3C-4D-5" << false << MacAddress{};
    QTest::newRow("single_digit_group") << "0-1A-2B-3C-4D-5E" << false << MacAddress{};
    QTest::newRow("bad_hex") << "00-1G-2B-3C-4D-5E" << false << MacAddress{};
    QTest::newRow("trailing_separator") << "00-1A-2B-3C-4D-5E-" << false << MacAddress{};
    QTest::newRow("trailing_junk") << "00-1A-2B-3C-4D-5Ex" << false << MacAddress{};
    QTest::newRow("leading_blank") << " 00-1A-2B-3C-4D-5E" << false << MacAddress{};
    QTest::newRow("double_separator") << "00--1A-2B-3C-4D-5E" << false << MacAddress{};
    QTest::newRow("dot_separator") << "00.1A.2B.3C.4D.5E" << false << MacAddress{};
    QTest::newRow("hex_prefix") << "0x001A2B3C4D5E" << false << MacAddress{};
}

void tst_NetworkAddress::macFromString()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(MacAddress, expected);
    const std::optional<MacAddress> parsed = NetworkAddress::macFromString(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, expected);
}

VYRO_TEST_GUILESS_MAIN(tst_NetworkAddress)
#include "tst_networkaddress.moc"

// tst_networkadapter.cpp: the adapter records taken from the platform and the filter that keeps
// the adapters a camera network can be on.
#include <QtTest>

#include "tests/support/testmain.h"
#include "zentara/network/networkadapter.h"

using Flags = QNetworkInterface::InterfaceFlags;
Q_DECLARE_METATYPE(Flags)

class tst_NetworkAdapter : public QObject
{
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void keepsPlatformOrder();
    void loopbackFromPlatform();
    void values();
};

void tst_NetworkAdapter::filter_data()
{
    QTest::addColumn<Flags>("flags");
    QTest::addColumn<bool>("listed");

    const Flags upRunning = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    QTest::newRow("ethernet") << (upRunning | QNetworkInterface::CanBroadcast |
                                  QNetworkInterface::CanMulticast)
                              << true;
    QTest::newRow("ethernet_down")
        << Flags(QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast) << true;
    QTest::newRow("no_multicast") << (upRunning | QNetworkInterface::CanBroadcast) << false;
    QTest::newRow("no_broadcast") << (upRunning | QNetworkInterface::CanMulticast) << false;
    QTest::newRow("loopback") << (upRunning | QNetworkInterface::IsLoopBack) << false;
    QTest::newRow("point_to_point")
        << (upRunning | QNetworkInterface::IsPointToPoint | QNetworkInterface::CanMulticast)
        << false;
    QTest::newRow("no_flags") << Flags() << false;
}

void tst_NetworkAdapter::filter()
{
    QFETCH(Flags, flags);
    QFETCH(bool, listed);

    const NetworkAdapter adapter(QStringLiteral("eth7"), QStringLiteral("Camera network"),
                                 QStringLiteral("00:11:22:33:44:55"), flags);
    QCOMPARE(adapter.canBroadcastAndMulticast(), listed);
    const QList<NetworkAdapter> shown = NetworkAdapter::broadcastAndMulticast({adapter});
    QCOMPARE(shown.size(), listed ? 1 : 0);
}

void tst_NetworkAdapter::keepsPlatformOrder()
{
    const Flags both = QNetworkInterface::CanBroadcast | QNetworkInterface::CanMulticast;
    const QList<NetworkAdapter> adapters = {
        NetworkAdapter(QStringLiteral("eth2"), QStringLiteral("second"), QString(), both),
        NetworkAdapter(QStringLiteral("lo"), QStringLiteral("lo"), QString(),
                       QNetworkInterface::IsLoopBack),
        NetworkAdapter(QStringLiteral("eth0"), QStringLiteral("first"), QString(), both),
    };
    const QList<NetworkAdapter> shown = NetworkAdapter::broadcastAndMulticast(adapters);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(0).name(), QStringLiteral("eth2"));
    QCOMPARE(shown.at(1).name(), QStringLiteral("eth0"));
}

void tst_NetworkAdapter::loopbackFromPlatform()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    const auto loopback = std::find_if(interfaces.cbegin(), interfaces.cend(), [](const auto &i) {
        return i.flags().testFlag(QNetworkInterface::IsLoopBack);
    });
    if (loopback == interfaces.cend())
        QSKIP("this machine has no loopback interface");

    const NetworkAdapter adapter = NetworkAdapter::fromInterface(*loopback);
    QCOMPARE(adapter.name(), loopback->name());
    QCOMPARE(adapter.humanReadableName(), loopback->humanReadableName());
    QVERIFY(!adapter.canBroadcastAndMulticast());
    if (adapter.hasIpv4()) {
        QCOMPARE(adapter.ipAddress(), QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(adapter.netmask(), QHostAddress(QStringLiteral("255.0.0.0")));
        QVERIFY(!adapter.dhcp());
    }

    const QList<NetworkAdapter> all = NetworkAdapter::all();
    QCOMPARE(all.size(), interfaces.size());
    for (const NetworkAdapter &listed : NetworkAdapter::broadcastAndMulticast(all))
        QVERIFY2(listed.name() != loopback->name(), "loopback listed");
}

void tst_NetworkAdapter::values()
{
    const NetworkAdapter without(QStringLiteral("eth1"), QStringLiteral("eth1"),
                                 QStringLiteral("AA:BB:CC:DD:EE:FF"),
                                 QNetworkInterface::CanBroadcast);
    QVERIFY(!without.hasIpv4());
    QVERIFY(without.ipAddress().isNull());
    QVERIFY(without.netmask().isNull());
    QVERIFY(!without.dhcp());

    const NetworkAdapter with(QStringLiteral("eth1"), QStringLiteral("Wired"),
                              QStringLiteral("AA:BB:CC:DD:EE:FF"), QNetworkInterface::CanBroadcast,
                              QHostAddress(QStringLiteral("192.168.3.4")),
                              QHostAddress(QStringLiteral("255.255.255.0")), true);
    QVERIFY(with.hasIpv4());
    QCOMPARE(with.ipAddress().toString(), QStringLiteral("192.168.3.4"));
    QCOMPARE(with.netmask().toString(), QStringLiteral("255.255.255.0"));
    QCOMPARE(with.hardwareAddress(), QStringLiteral("AA:BB:CC:DD:EE:FF"));
    QVERIFY(with.dhcp());
}

VYRO_TEST_GUILESS_MAIN(tst_NetworkAdapter)
#include "tst_networkadapter.moc"

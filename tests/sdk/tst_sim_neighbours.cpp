// tst_sim_neighbours.cpp: the simulated installation's ping and ARP table as "vyrosim sysroot"
// writes them: answers for reachable cameras only, ARP entries as the kernel writes them, and
// the refusal to replace files it did not write.
#include "tests/sdk/simtest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "sdk/sim/sysfs/networkneighbours.h"

namespace {

QString device(int id, const char *ip, const char *extra = "")
{
    return QStringLiteral(R"({"deviceId": %1, "mac": "00-1B-2C-40-00-%2", "ipAddress": "%3",
        "subnetMask": "255.255.255.0", "adapterMac": "02-11-22-33-44-55",
        "adapterIp": "192.168.0.1", "adapterSubnet": "255.255.255.0"%4})")
        .arg(id)
        .arg(id % 100, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(ip), QLatin1String(extra));
}

int run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestSimNeighbours : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VYROSIM"))
            QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    }

    void init()
    {
        QVERIFY(SimWorld::load(
            {device(1001, "192.168.0.11"), device(1002, "10.0.0.12"), device(5, "192.168.0.5")}));
        QCOMPARE(run(QString::fromLocal8Bit(qgetenv("VYROSIM")), {"sysroot", m_root.path()}), 0);
    }

    void neighboursOfTheWorld()
    {
        const vysim::NetworkNeighbours neighbours(
            QJsonArray{QJsonDocument::fromJson(device(1001, "192.168.0.11").toUtf8()).object(),
                       QJsonDocument::fromJson(device(1002, "10.0.0.12").toUtf8()).object()});
        const auto list = neighbours.neighbours();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].address, QStringLiteral("192.168.0.1"));
        QVERIFY(list[0].mac.isEmpty());
        QCOMPARE(list[1].address, QStringLiteral("192.168.0.11"));
        QCOMPARE(list[1].mac, QStringLiteral("00:1b:2c:40:00:01"));
    }

    void arpTableStartsWithTheCameras()
    {
        const QStringList lines =
            readAll(m_root.filePath("proc/net/arp")).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], vysim::NetworkNeighbours::arpHeader());
        QCOMPARE(lines[1],
                 vysim::NetworkNeighbours::arpLine("192.168.0.11", "00:1b:2c:40:00:01", "eth0"));
    }

    void ping_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("entry");
        QTest::newRow("camera") << "192.168.0.11" << 0
                                << vysim::NetworkNeighbours::arpLine("192.168.0.11",
                                                                     "00:1b:2c:40:00:01", "eth0");
        QTest::newRow("nobody") << "192.168.0.77" << 1
                                << vysim::NetworkNeighbours::arpLine("192.168.0.77",
                                                                     "00:00:00:00:00:00", "eth0");
        QTest::newRow("own_adapter") << "192.168.0.1" << 0 << QString();
        QTest::newRow("camera_outside_its_subnet")
            << "10.0.0.12" << 1
            << vysim::NetworkNeighbours::arpLine("10.0.0.12", "00:00:00:00:00:00", "eth0");
        QTest::newRow("usb_camera")
            << "192.168.0.5" << 1
            << vysim::NetworkNeighbours::arpLine("192.168.0.5", "00:00:00:00:00:00", "eth0");
    }

    void ping()
    {
        QFETCH(QString, address);
        QFETCH(int, exitCode);
        QFETCH(QString, entry);
        const QString ping = m_root.filePath("usr/bin/ping");
        QCOMPARE(run(ping, {"-c", "1", address}), exitCode);
        // A second ping leaves one entry.
        QCOMPARE(run(ping, {"-c", "1", address}), exitCode);
        const QStringList lines =
            readAll(m_root.filePath("proc/net/arp")).split('\n', Qt::SkipEmptyParts);
        QStringList mine;
        for (const QString &line : lines)
            if (line.startsWith(address + ' '))
                mine << line;
        QCOMPARE(mine, entry.isEmpty() ? QStringList() : QStringList{entry});
        QCOMPARE(lines.first(), vysim::NetworkNeighbours::arpHeader());
    }

    void refusals()
    {
        QString message;
        QVERIFY(!vysim::NetworkNeighbours(QJsonArray()).write(QStringLiteral("/"), &message));
        QVERIFY(message.contains("refusing"));
        QTemporaryDir other;
        QVERIFY(QDir().mkpath(other.filePath("usr/bin")));
        QFile foreign(other.filePath("usr/bin/ping"));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("#!/bin/sh\nexit 0\n");
        foreign.close();
        QVERIFY(!vysim::NetworkNeighbours(QJsonArray()).write(other.path(), &message));
        QVERIFY(message.contains("not written by vyrosim"));
        QCOMPARE(readAll(other.filePath("usr/bin/ping")), QStringLiteral("#!/bin/sh\nexit 0\n"));
        QVERIFY(!QFile::exists(other.filePath("proc/net/arp")));
    }
};

VYRO_TEST_GUILESS_MAIN(TestSimNeighbours)
#include "tst_sim_neighbours.moc"

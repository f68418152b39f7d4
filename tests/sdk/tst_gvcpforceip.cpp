// GigE Vision's FORCEIP: the command's bytes, and its exchange with a camera that answers on
// loopback (or does not).
#include "sdk/genicam/gvcpforceip.h"
#include "sdk/vyro_api.h"
#include "tests/support/testmain.h"

#include <QUdpSocket>
#include <QtConcurrent>

using vygenicam::GvcpForceIp;
using vygenicam::StandardCamera;

class tst_GvcpForceIp : public QObject
{
    Q_OBJECT

private slots:
    void packet();
    void exchange_data();
    void exchange();
};

void tst_GvcpForceIp::packet()
{
    const QByteArray p = GvcpForceIp::packet(
        QStringLiteral("00-11-22-33-44-55"), QStringLiteral("192.168.10.5"),
        QStringLiteral("255.255.255.0"), QStringLiteral("192.168.10.1"), 0x1234);
    QCOMPARE(p.size(), 64);
    QCOMPARE(p.left(8).toHex(), QByteArray("4211000400381234"));
    QCOMPARE(p.mid(8 + 2, 6).toHex(), QByteArray("001122334455"));
    QCOMPARE(p.mid(8 + 20, 4).toHex(), QByteArray("c0a80a05"));
    QCOMPARE(p.mid(8 + 36, 4).toHex(), QByteArray("ffffff00"));
    QCOMPARE(p.mid(8 + 52, 4).toHex(), QByteArray("c0a80a01"));
}

void tst_GvcpForceIp::exchange_data()
{
    QTest::addColumn<int>("ackStatus"); // -1: the camera does not answer
    QTest::addColumn<int32_t>("result");
    QTest::newRow("acknowledged") << 0 << VY_SUCCESS;
    QTest::newRow("refused") << 0x8006 << VY_IO_REQUEST_FAILED;
    QTest::newRow("no answer") << -1 << VY_TIMED_OUT;
}

// A camera on loopback takes the command and acknowledges it with the request's ID.
void tst_GvcpForceIp::exchange()
{
    QFETCH(int, ackStatus);
    QFETCH(int32_t, result);
    QUdpSocket camera;
    QVERIFY(camera.bind(QHostAddress(QHostAddress::LocalHost), 0));
    StandardCamera c;
    c.mac = QStringLiteral("00-11-22-33-44-55");
    c.hostIp = QStringLiteral("127.0.0.1");
    QFuture<int32_t> sent = QtConcurrent::run([&c, port = camera.localPort()] {
        return GvcpForceIp::send(c, QStringLiteral("10.0.0.5"), QStringLiteral("255.0.0.0"),
                                 QStringLiteral("0.0.0.0"), QStringLiteral("127.0.0.1"), port);
    });
    QTRY_VERIFY(camera.hasPendingDatagrams());
    QHostAddress from;
    quint16 fromPort = 0;
    QByteArray command(camera.pendingDatagramSize(), '\0');
    camera.readDatagram(command.data(), command.size(), &from, &fromPort);
    QCOMPARE(command.mid(8 + 20, 4).toHex(), QByteArray("0a000005"));
    if (ackStatus >= 0) {
        QByteArray ack(8, '\0');
        ack[0] = char(ackStatus >> 8);
        ack[1] = char(ackStatus);
        ack[3] = 0x05;
        ack[6] = command[6];
        ack[7] = command[7];
        // An answer to another request first: it is not taken for this one.
        QByteArray other = ack;
        other[7] = char(command[7] ^ 0x40);
        camera.writeDatagram(other, from, fromPort);
        camera.writeDatagram(ack, from, fromPort);
    }
    sent.waitForFinished();
    QCOMPARE(sent.result(), result);
}

VYRO_TEST_GUILESS_MAIN(tst_GvcpForceIp)
#include "tst_gvcpforceip.moc"

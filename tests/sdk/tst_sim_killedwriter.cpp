// tst_sim_killedwriter.cpp: a process killed while it writes the shared world leaves a world
// every other process reads: the last complete write or the one before, never a damaged one,
// and the next write goes on from there.
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

#include <csignal>

namespace {

QString modelOf(uint32_t deviceId)
{
    for (const auto &entry : SimWorld::cameraList())
        if (entry.deviceId == deviceId)
            return QString::fromLatin1(entry.model, int(qstrnlen(entry.model, sizeof entry.model)));
    return QString();
}

} // namespace

class tst_SimKilledWriter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void killedWhileWriting_data();
    void killedWhileWriting();
};

void tst_SimKilledWriter::init()
{
    QVERIFY(SimWorld::reset());
}

void tst_SimKilledWriter::killedWhileWriting_data()
{
    QTest::addColumn<int>("writes");
    for (const int writes : {0, 1, 2, 5, 10, 25, 60})
        QTest::newRow(qPrintable(QStringLiteral("after %1 writes").arg(writes))) << writes;
}

void tst_SimKilledWriter::killedWhileWriting()
{
    QFETCH(int, writes);
    const QString first = modelOf(1);
    QProcess writer;
    writer.start(QStringLiteral(SIM_WRITER), QStringList());
    QVERIFY(writer.waitForStarted());
    const qint64 pid = writer.processId();
    QVERIFY(pid > 0);
    // Kill it while it writes: after the given number of complete writes.
    QByteArray printed;
    QTRY_VERIFY_WITH_TIMEOUT(
        (printed += writer.readAllStandardOutput(), printed.count('\n') >= writes), 60000);
    QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
    QVERIFY(writer.waitForFinished());
    printed += writer.readAllStandardOutput();
    const int done = printed.count('\n');

    // The state file is whole, and this process reads a world the writer completed.
    QFile state(QDir(QString::fromUtf8(vysim_state_dir())).filePath(QStringLiteral("state.json")));
    QVERIFY(state.open(QIODevice::ReadOnly));
    QJsonParseError error;
    QVERIFY(!QJsonDocument::fromJson(state.readAll(), &error).isNull());
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(vysim_sync(), int32_t(VY_SUCCESS));
    const QString model = modelOf(1);
    const QString last = done == 0 ? first : QStringLiteral("W%1").arg(done);
    QVERIFY2(model == last || model == QStringLiteral("W%1").arg(done + 1), qPrintable(model));

    // And the world goes on: the next write is seen.
    QVERIFY(SimWorld::setField(1, "model", "\"after\""));
    QCOMPARE(vysim_sync(), int32_t(VY_SUCCESS));
    QCOMPARE(modelOf(1), QStringLiteral("after"));
}

VYRO_TEST_GUILESS_MAIN(tst_SimKilledWriter)
#include "tst_sim_killedwriter.moc"

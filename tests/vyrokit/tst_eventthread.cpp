// tst_eventthread.cpp: the event thread and its exit event pool: limits, waking and stopping.
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "vyrokit/eventnumberpool.h"
#include "vyrokit/eventthread.h"

using vyrokit::EventThread;

namespace {

// Lives on the test thread: the thread's signals reach it queued, so a spy on it is filled by
// the test thread alone.
class EventRelay : public QObject
{
    Q_OBJECT
signals:
    void relayed(uint event);
};

} // namespace

class tst_EventThread : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(SimWorld::reset()); }
    void twoHundredOneThreads();
    void numbersAreReused();
    void deviceEventsAndStop();
    void stopEndsWithoutTheExitEvent();
    void failingWaitDoesNotSpin();
    void refusedStartLeavesNothingRegistered_data();
    void refusedStartLeavesNothingRegistered();
};

void tst_EventThread::twoHundredOneThreads()
{
    std::vector<std::unique_ptr<EventThread>> threads;
    for (int i = 0; i < 200; ++i)
        threads.push_back(std::make_unique<EventThread>());
    try {
        EventThread extra;
        QFAIL("a 201st event thread was created");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString(e.what()), QString("Too many events :D"));
    }
    threads.pop_back();
    EventThread again; // a released number can be taken again
    QVERIFY(again.exitEventNumber() >= 10000 && again.exitEventNumber() < 10200);
}

void tst_EventThread::numbersAreReused()
{
    quint32 first = 0;
    {
        EventThread a;
        first = a.exitEventNumber();
    }
    EventThread b;
    QCOMPARE(b.exitEventNumber(), first); // last in, first out
}

void tst_EventThread::deviceEventsAndStop()
{
    EventThread thread;
    EventRelay relay;
    connect(&thread, &EventThread::eventhappen, &relay, &EventRelay::relayed, Qt::QueuedConnection);
    QSignalSpy events(&relay, &EventRelay::relayed);
    QCOMPARE(thread.start(VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE, VY_EVENT_REMOVE}), 0);
    QVERIFY(thread.isListening());
    QCOMPARE(vysim_unplug(1), int32_t(VY_SUCCESS));
    QTRY_VERIFY_WITH_TIMEOUT(!events.isEmpty(), 5000);
    QCOMPARE(events.at(0).at(0).toUInt(), uint(VY_EVENT_REMOVE));
    vysim_log_clear();
    thread.stop();
    // The wait has no time-out: only the exit event can end it.
    QVERIFY(thread.wait(30000));
    QVERIFY(!thread.isListening());
    bool exitSet = false;
    for (const auto &call : vysim::callsOf("vy_Event")) {
        uint32_t id = 0;
        if (call.command == VY_EVENT_CMD_SET && call.in.size() >= sizeof id)
            std::memcpy(&id, call.in.data(), sizeof id);
        exitSet = exitSet || id == thread.exitEventNumber();
    }
    QVERIFY(exitSet);
}

// Should the SDK fail to signal the exit event, the thread still sees the stop within one wait
// slice and ends by itself.
void tst_EventThread::stopEndsWithoutTheExitEvent()
{
    EventThread thread;
    QCOMPARE(thread.start(VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE}), int32_t(VY_SUCCESS));
    vysim_force_result("vy_Event", VY_EVENT_CMD_SET, VYSIM_ANY_HANDLE, VY_IO_REQUEST_FAILED, 0);
    thread.finish();
    QVERIFY(thread.isFinished());
    vysim_clear_forced(nullptr);
}

void tst_EventThread::failingWaitDoesNotSpin()
{
    vysim_force_result("vy_Event", VY_EVENT_CMD_WAIT, VYSIM_ANY_HANDLE, VY_IO_REQUEST_FAILED, 0);
    vysim_log_clear();
    EventThread thread;
    QCOMPARE(thread.start(VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE}), int32_t(VY_SUCCESS));
    auto waits = [] {
        int n = 0;
        for (const auto &c : vysim::callsOf("vy_Event"))
            n += c.command == VY_EVENT_CMD_WAIT;
        return n;
    };
    // After a failed wait the thread pauses; a busy loop would have made thousands of waits by
    // the time the third one is seen.
    QTRY_VERIFY(waits() >= 3);
    thread.finish();
    QVERIFY2(waits() < 100, qPrintable(QString::number(waits())));
    vysim_clear_forced(nullptr);
}

void tst_EventThread::refusedStartLeavesNothingRegistered_data()
{
    QTest::addColumn<uint32_t>("command");
    QTest::addColumn<int>("result");
    QTest::newRow("init_refused") << uint32_t(VY_EVENT_CMD_INIT) << int(VY_INVALID_PARAMETER);
    QTest::newRow("enable_refused") << uint32_t(VY_EVENT_CMD_ENABLE) << int(VY_INVALID_PARAMETER);
}

void tst_EventThread::refusedStartLeavesNothingRegistered()
{
    QFETCH(uint32_t, command);
    QFETCH(int, result);
    vysim_log_clear();
    vysim_force_result("vy_Event", command, VYSIM_ANY_HANDLE, VY_INVALID_PARAMETER, 1);
    EventThread thread;
    QCOMPARE(thread.start(VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE, VY_EVENT_REMOVE}), result);
    QVERIFY(!thread.isListening());
    // Every event the library initialised was removed again before start returned.
    std::map<uint32_t, int> held;
    for (const auto &c : vysim::callsOf("vy_Event")) {
        if (c.result != VY_SUCCESS || c.in.size() < sizeof(quint32))
            continue;
        quint32 id = 0;
        std::memcpy(&id, c.in.data(), sizeof id);
        if (c.command == VY_EVENT_CMD_INIT)
            ++held[id];
        else if (c.command == VY_EVENT_CMD_EXIT)
            --held[id];
    }
    for (const auto &h : held)
        QCOMPARE(h.second, 0);
    vysim_clear_forced(nullptr);
}

VYRO_TEST_GUILESS_MAIN(tst_EventThread)
#include "tst_eventthread.moc"

// tst_asyncevent.cpp: the device event thread against the simulator's event calls.
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>

#include <atomic>
#include <cstring>

#include "tests/zentara/inventory/simworld.h"
#include "zentara/inventory/asyncevent.h"
#include "zentara/inventory/eventregistration.h"
#include "zentara/inventory/vyroexception.h"

namespace {

struct EventCall
{
    uint32_t command;
    uint32_t eventId;
};

// The vy_Event calls of the log other than waits, with the event ID each carried.
std::vector<EventCall> eventCalls()
{
    std::vector<EventCall> calls;
    for (const auto &c : vysim::callsOf("vy_Event")) {
        if (c.command == VY_EVENT_CMD_WAIT || c.in.size() < 4)
            continue;
        uint32_t id = 0;
        std::memcpy(&id, c.in.data(), 4);
        calls.push_back({c.command, id});
    }
    return calls;
}

bool workerWaits()
{
    for (const auto &c : vysim::callsOf("vy_Event"))
        if (c.command == VY_EVENT_CMD_WAIT)
            return true;
    return false;
}

void signalEvent(uint32_t id)
{
    QCOMPARE(vy_Event(VY_DRIVER_HANDLE, VY_EVENT_CMD_SET, &id, sizeof id), VY_SUCCESS);
}

} // namespace

class TestAsyncEvent : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void registersInOrder();
    void stopReturnsWithinOneTimeout();
    void handlerCalledForItsEvent();
    void eventWithoutHandlerIgnored();
    void handlerAddedWhileWaiting();
    void lastHandlerRemovedStops();
    void failingWaitDoesNotSpin();
    void failingEnableThrows_data();
    void failingEnableThrows();
    void failingUnregisterLogs();
    void waitTimesOutAndReturnsSignalled();
};

void TestAsyncEvent::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(simworld::load({}));
}

void TestAsyncEvent::init()
{
    vysim_clear_forced(nullptr);
    vysim_log_clear();
}

void TestAsyncEvent::registersInOrder()
{
    {
        AsyncEvent events;
        events.start();
        QVERIFY(events.isRunning());
        const auto calls = eventCalls();
        const std::vector<uint32_t> order{10000, 130, 129, 131};
        QCOMPARE(calls.size(), size_t(8));
        for (size_t i = 0; i < order.size(); ++i) {
            QCOMPARE(calls[2 * i].command, uint32_t(VY_EVENT_CMD_INIT));
            QCOMPARE(calls[2 * i].eventId, order[i]);
            QCOMPARE(calls[2 * i + 1].command, uint32_t(VY_EVENT_CMD_ENABLE));
            QCOMPARE(calls[2 * i + 1].eventId, order[i]);
        }
        // Initialisation carries the ID and two zeros, on the driver handle.
        const auto raw = vysim::callsOf("vy_Event");
        QCOMPARE(raw[0].handle, int32_t(VY_DRIVER_HANDLE));
        QCOMPARE(raw[0].in.size(), size_t(12));
        const uint8_t expected[12] = {0x10, 0x27, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QVERIFY(std::memcmp(raw[0].in.data(), expected, 12) == 0);
        vysim_log_clear();
    }
    // Destruction: the exit event, then disable and remove of each registration.
    const auto calls = eventCalls();
    QVERIFY(calls.size() >= 9);
    QCOMPARE(calls[0].command, uint32_t(VY_EVENT_CMD_SET));
    QCOMPARE(calls[0].eventId, 10000u);
    int disabled = 0, removed = 0;
    for (const EventCall &c : calls) {
        disabled += c.command == VY_EVENT_CMD_DISABLE;
        removed += c.command == VY_EVENT_CMD_EXIT;
    }
    QCOMPARE(disabled, 4);
    QCOMPARE(removed, 4);
}

void TestAsyncEvent::stopReturnsWithinOneTimeout()
{
    AsyncEvent events;
    std::atomic<int> calls{0};
    events.addHandler(VY_EVENT_STATUS_CHANGED, [&calls] { ++calls; });
    QTRY_VERIFY(workerWaits());
    QElapsedTimer timer;
    timer.start();
    events.stop();
    QVERIFY2(timer.elapsed() < qint64(AsyncEvent::WaitTimeoutMs),
             qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!events.isRunning());
    QCOMPARE(calls.load(), 0);
}

void TestAsyncEvent::handlerCalledForItsEvent()
{
    AsyncEvent events;
    std::atomic<int> added{0};
    events.addHandler(VY_EVENT_NEW_DEVICE, [&added] { ++added; });
    QTRY_VERIFY(workerWaits());
    char message[128] = {};
    QCOMPARE(vysim_plug(R"({"deviceId": 42, "deviceType": "0x40"})", message, sizeof message),
             VY_SUCCESS);
    vysim_sync();
    QTRY_COMPARE(added.load(), 1);
    QCOMPARE(vysim_unplug(42), VY_SUCCESS);
    vysim_sync();
}

void TestAsyncEvent::eventWithoutHandlerIgnored()
{
    AsyncEvent events;
    std::atomic<int> added{0};
    events.addHandler(VY_EVENT_NEW_DEVICE, [&added] { ++added; });
    QTRY_VERIFY(workerWaits());
    signalEvent(VY_EVENT_STATUS_CHANGED);
    signalEvent(VY_EVENT_NEW_DEVICE);
    QTRY_COMPARE(added.load(), 1);
    QVERIFY(events.isRunning());
}

void TestAsyncEvent::handlerAddedWhileWaiting()
{
    AsyncEvent events;
    std::atomic<int> first{0}, second{0};
    events.addHandler(VY_EVENT_NEW_DEVICE, [&first] { ++first; });
    QTRY_VERIFY(workerWaits());
    events.addHandler(VY_EVENT_REMOVE, [&second] { ++second; });
    signalEvent(VY_EVENT_REMOVE);
    QTRY_COMPARE(second.load(), 1);
    // A later handler for the same ID replaces the earlier one.
    std::atomic<int> replaced{0};
    events.addHandler(VY_EVENT_REMOVE, [&replaced] { ++replaced; });
    signalEvent(VY_EVENT_REMOVE);
    QTRY_COMPARE(replaced.load(), 1);
    QCOMPARE(second.load(), 1);
    QCOMPARE(first.load(), 0);
}

void TestAsyncEvent::lastHandlerRemovedStops()
{
    AsyncEvent events;
    events.addHandler(VY_EVENT_NEW_DEVICE, [] {});
    events.addHandler(VY_EVENT_REMOVE, [] {});
    QVERIFY(events.isRunning());
    events.removeHandler(VY_EVENT_NEW_DEVICE);
    QVERIFY(events.isRunning());
    events.removeHandler(VY_EVENT_REMOVE);
    QVERIFY(!events.isRunning());
    // Adding again starts a new worker.
    std::atomic<int> calls{0};
    events.addHandler(VY_EVENT_STATUS_CHANGED, [&calls] { ++calls; });
    QVERIFY(events.isRunning());
    signalEvent(VY_EVENT_STATUS_CHANGED);
    QTRY_COMPARE(calls.load(), 1);
}

void TestAsyncEvent::failingWaitDoesNotSpin()
{
    vysim_force_result("vy_Event", VY_EVENT_CMD_WAIT, VYSIM_ANY_HANDLE, VY_IO_REQUEST_FAILED, 0);
    AsyncEvent events;
    QElapsedTimer timer;
    timer.start();
    events.start();
    auto waits = [] {
        int n = 0;
        for (const auto &c : vysim::callsOf("vy_Event"))
            n += c.command == VY_EVENT_CMD_WAIT;
        return n;
    };
    QTRY_VERIFY(waits() >= 2);
    // One wait per time-out at most, not a busy loop.
    QVERIFY2(waits() <= timer.elapsed() / qint64(AsyncEvent::WaitTimeoutMs) + 2,
             qPrintable(QString::number(waits())));
    // Stopping does not wait out the pause.
    timer.restart();
    events.stop();
    QVERIFY(timer.elapsed() < qint64(AsyncEvent::WaitTimeoutMs));
    vysim_clear_forced(nullptr);
}

void TestAsyncEvent::failingEnableThrows_data()
{
    QTest::addColumn<uint32_t>("command");
    QTest::addColumn<int>("code");
    QTest::newRow("enable_not_supported") << uint32_t(VY_EVENT_CMD_ENABLE) << VY_NOT_SUPPORTED;
    QTest::newRow("init_invalid_parameter") << uint32_t(VY_EVENT_CMD_INIT) << VY_INVALID_PARAMETER;
    QTest::newRow("enable_negative") << uint32_t(VY_EVENT_CMD_ENABLE) << VY_NO_SUCCESS;
}

void TestAsyncEvent::failingEnableThrows()
{
    QFETCH(uint32_t, command);
    QFETCH(int, code);

    vysim_force_result("vy_Event", command, VYSIM_ANY_HANDLE, code, 1);
    AsyncEvent events;
    bool thrown = false;
    try {
        events.addHandler(VY_EVENT_NEW_DEVICE, [] {});
    } catch (const VyroException &e) {
        thrown = true;
        QCOMPARE(e.ret(), code);
        QCOMPARE(QString::fromLatin1(e.what()),
                 QStringLiteral("Custom exception: ret=%1").arg(code));
    }
    QVERIFY(thrown);
    QVERIFY(!events.isRunning());
    // Nothing stays registered: an initialised exit event is removed again.
    const auto calls = eventCalls();
    QVERIFY(!calls.empty());
    QCOMPARE(calls.front().command, uint32_t(VY_EVENT_CMD_INIT));
    if (command == VY_EVENT_CMD_ENABLE) {
        QCOMPARE(calls.back().command, uint32_t(VY_EVENT_CMD_EXIT));
        QCOMPARE(calls.back().eventId, 10000u);
    } else {
        QCOMPARE(calls.size(), size_t(1));
    }
    // And a later start works.
    vysim_clear_forced(nullptr);
    events.start();
    QVERIFY(events.isRunning());
}

void TestAsyncEvent::failingUnregisterLogs()
{
    {
        EventRegistration registration(VY_DRIVER_HANDLE, 10020);
        vysim_force_result("vy_Event", VY_EVENT_CMD_DISABLE, VYSIM_ANY_HANDLE, VY_NOT_SUPPORTED, 0);
        vysim_force_result("vy_Event", VY_EVENT_CMD_EXIT, VYSIM_ANY_HANDLE, VY_INVALID_PARAMETER,
                           0);
        QTest::ignoreMessage(QtDebugMsg, "VY_EVENT_CMD_DISABLE: 155");
        QTest::ignoreMessage(QtDebugMsg, "VY_EVENT_CMD_EXIT: 125");
        vysim_log_clear();
    }
    // The removal is still sent after the failed disable.
    const auto calls = eventCalls();
    QCOMPARE(calls.size(), size_t(2));
    QCOMPARE(calls[0].command, uint32_t(VY_EVENT_CMD_DISABLE));
    QCOMPARE(calls[1].command, uint32_t(VY_EVENT_CMD_EXIT));
    vysim_clear_forced(nullptr);
    // Not removed for real: take it away now.
    uint32_t id = 10020;
    vy_Event(VY_DRIVER_HANDLE, VY_EVENT_CMD_DISABLE, &id, sizeof id);
    vy_Event(VY_DRIVER_HANDLE, VY_EVENT_CMD_EXIT, &id, sizeof id);
}

void TestAsyncEvent::waitTimesOutAndReturnsSignalled()
{
    AsyncEvent events;
    EventRegistration registration(VY_DRIVER_HANDLE, 10011);
    uint32_t id = 10011;
    QCOMPARE(events.wait(&id, 1, 20), -1);
    signalEvent(10011);
    QCOMPARE(events.wait(&id, 1, 1000), 10011);
    // Auto-reset: the wait that returned it cleared it.
    QCOMPARE(events.wait(&id, 1, 20), -1);
}

QTEST_GUILESS_MAIN(TestAsyncEvent)
#include "tst_asyncevent.moc"

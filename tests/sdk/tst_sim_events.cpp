// vy_Event as the programs' event threads use it: time-outs, exit events, auto reset, several
// waiters at once, and driver events raised by changes in this and in other processes.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QProcess>

#include <atomic>
#include <thread>

namespace {

constexpr uint32_t exitEvent = 10000;

// A blocking wait on its own thread, as the programs' event threads make it.
class Waiter
{
public:
    Waiter(VY_HCAM handle, std::vector<uint32_t> ids, uint32_t timeoutMs)
        : thread_([this, handle, ids, timeoutMs] {
              uint32_t signalled = 0;
              result_ = simtest::waitFor(handle, ids, timeoutMs, &signalled);
              signalled_ = signalled;
              done_ = true;
          })
    {
    }
    ~Waiter()
    {
        if (thread_.joinable())
            thread_.join();
    }
    bool done() const { return done_; }
    int32_t result() const { return result_; }
    uint32_t signalled() const { return signalled_; }

private:
    std::atomic<bool> done_{false};
    std::atomic<int32_t> result_{-1000};
    std::atomic<uint32_t> signalled_{0};
    std::thread thread_;
};

void runVyrosim(const QStringList &arguments)
{
    QProcess p;
    p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), arguments);
    QVERIFY2(p.waitForFinished(10000), "vyrosim did not finish");
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
             p.readAllStandardError().constData());
}

} // namespace

class tst_SimEvents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VYROSIM"))
            QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    }
    void init()
    {
        simtest::resetWorld();
        simtest::enableEvents(0, {exitEvent, 130, 129, 131});
    }
    void cleanup() { simtest::removeEvents(0, {exitEvent, 130, 129, 131}); }

    void waitTimesOut();
    void exitEventWakesBlockedWait();
    void autoAndManualReset();
    void severalWaitersAtOnce();
    void driverEventsFromThisProcess_data();
    void driverEventsFromThisProcess();
    void plugFromAnotherProcess();
    void disabledEventIsNotRaised();
    void badRecords_data();
    void badRecords();
    void closingHandleEndsItsWaits();
    void openCameraRemovedAndBack();
    void twoRegistrationsOfOneEvent();
};

void tst_SimEvents::waitTimesOut()
{
    // How long the wait lasts is the benchmarks' business; here only what it returns.
    uint32_t signalled = 99;
    QCOMPARE(simtest::waitFor(0, {exitEvent, 130}, 200, &signalled), VY_TIMED_OUT);
    QCOMPARE(signalled, 0u);
    // A zero time-out only looks.
    QCOMPARE(simtest::waitFor(0, {exitEvent}, 0, &signalled), VY_TIMED_OUT);
}

void tst_SimEvents::exitEventWakesBlockedWait()
{
    Waiter waiter(0, {exitEvent, 130, 129, 131}, VY_EVENT_INFINITE);
    // Whether the waiter already blocks or is about to does not change the result.
    QVERIFY(!waiter.done());
    // The wait has no time-out: only the exit event can end it.
    uint32_t id = exitEvent;
    QCOMPARE(vy_Event(0, VY_EVENT_CMD_SET, &id, sizeof id), VY_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(waiter.done(), 5000);
    QCOMPARE(waiter.result(), VY_SUCCESS);
    QCOMPARE(waiter.signalled(), exitEvent);
}

void tst_SimEvents::autoAndManualReset()
{
    uint32_t id = exitEvent;
    uint32_t signalled = 0;
    QCOMPARE(vy_Event(0, VY_EVENT_CMD_SET, &id, sizeof id), VY_SUCCESS);
    QCOMPARE(simtest::waitFor(0, {exitEvent}, 0, &signalled), VY_SUCCESS);
    QCOMPARE(simtest::waitFor(0, {exitEvent}, 0, &signalled), VY_TIMED_OUT);

    VY_EVENT_INIT manual = {10001, 1, 1}; // manual reset, initially set
    QCOMPARE(vy_Event(0, VY_EVENT_CMD_INIT, &manual, sizeof manual), VY_SUCCESS);
    QCOMPARE(simtest::waitFor(0, {10001}, 0, &signalled), VY_SUCCESS);
    QCOMPARE(simtest::waitFor(0, {10001}, 0, &signalled), VY_SUCCESS);
    id = 10001;
    QCOMPARE(vy_Event(0, VY_EVENT_CMD_RESET, &id, sizeof id), VY_SUCCESS);
    QCOMPARE(simtest::waitFor(0, {10001}, 0, &signalled), VY_TIMED_OUT);
    QCOMPARE(vy_Event(0, VY_EVENT_CMD_EXIT, &id, sizeof id), VY_SUCCESS);
}

void tst_SimEvents::severalWaitersAtOnce()
{
    VY_HCAM camera = 1 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&camera, nullptr), VY_SUCCESS);
    simtest::enableEvents(camera, {2, 9, 128, 10005});
    simtest::enableEvents(0, {10002, 10003});
    {
        Waiter a(0, {10002, 130}, VY_EVENT_INFINITE);
        Waiter b(0, {10003}, VY_EVENT_INFINITE);
        Waiter c(camera, {2, 128, 10005}, VY_EVENT_INFINITE);
        uint32_t id = 10003;
        QCOMPARE(vy_Event(0, VY_EVENT_CMD_SET, &id, sizeof id), VY_SUCCESS);
        QTRY_VERIFY(b.done());
        QCOMPARE(b.signalled(), 10003u);
        QVERIFY(!a.done());
        QVERIFY(!c.done());
        id = 10005;
        QCOMPARE(vy_Event(camera, VY_EVENT_CMD_SET, &id, sizeof id), VY_SUCCESS);
        QTRY_VERIFY(c.done());
        QCOMPARE(c.signalled(), 10005u);
        QVERIFY(!a.done());
        id = 10002;
        QCOMPARE(vy_Event(0, VY_EVENT_CMD_SET, &id, sizeof id), VY_SUCCESS);
        QTRY_VERIFY(a.done());
        QCOMPARE(a.signalled(), 10002u);
    }
    simtest::removeEvents(0, {10002, 10003});
    QCOMPARE(vy_ExitCamera(camera), VY_SUCCESS);
}

using Change = std::function<void()>;
Q_DECLARE_METATYPE(Change)

void tst_SimEvents::driverEventsFromThisProcess_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<uint32_t>("event");
    QTest::newRow("plug") << Change([] {
        QCOMPARE(vysim_plug(R"({"deviceId": 1100})", nullptr, 0), VY_SUCCESS);
    }) << 130u;
    QTest::newRow("unplug") << Change([] { QCOMPARE(vysim_unplug(1001), VY_SUCCESS); }) << 129u;
    QTest::newRow("field") << Change([] {
        QCOMPARE(vysim_set_device_field(1001, "cameraId", "42", nullptr, 0), VY_SUCCESS);
    }) << 131u;
    QTest::newRow("open") << Change([] {
        VY_HCAM h = 3 | VY_UNOPENED;
        QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
        QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    }) << 131u;
}

void tst_SimEvents::driverEventsFromThisProcess()
{
    QFETCH(Change, change);
    QFETCH(uint32_t, event);
    uint32_t signalled = 0;
    change();
    QCOMPARE(simtest::waitFor(0, {exitEvent, 130, 129, 131}, 1000, &signalled), VY_SUCCESS);
    QCOMPARE(signalled, event);
}

void tst_SimEvents::plugFromAnotherProcess()
{
    // Nothing here asks the simulator to look: its own thread notices the change.
    Waiter waiter(0, {exitEvent, 130, 129, 131}, 10000);
    runVyrosim({"plug", R"({"deviceId": 1200, "model": "FROM-OUTSIDE"})"});
    QTRY_VERIFY_WITH_TIMEOUT(waiter.done(), 10000);
    QCOMPARE(waiter.result(), VY_SUCCESS);
    QCOMPARE(waiter.signalled(), 130u);
    QVERIFY(simtest::listed(1200));

    Waiter removed(0, {exitEvent, 130, 129, 131}, 10000);
    runVyrosim({"unplug", "1200"});
    QTRY_VERIFY_WITH_TIMEOUT(removed.done(), 10000);
    QCOMPARE(removed.signalled(), 129u);
    QVERIFY(!simtest::listed(1200));
}

void tst_SimEvents::disabledEventIsNotRaised()
{
    uint32_t id = 130;
    QCOMPARE(vy_Event(0, VY_EVENT_CMD_DISABLE, &id, sizeof id), VY_SUCCESS);
    QCOMPARE(vysim_plug(R"({"deviceId": 1101})", nullptr, 0), VY_SUCCESS);
    uint32_t signalled = 0;
    QCOMPARE(simtest::waitFor(0, {130}, 100, &signalled), VY_TIMED_OUT);
}

using Raw = std::function<int32_t()>;
Q_DECLARE_METATYPE(Raw)

void tst_SimEvents::badRecords_data()
{
    QTest::addColumn<Raw>("call");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("enable unknown event") << Raw([] {
        uint32_t id = 4242;
        return vy_Event(0, VY_EVENT_CMD_ENABLE, &id, sizeof id);
    }) << VY_INVALID_PARAMETER;
    QTest::newRow("set unknown event") << Raw([] {
        uint32_t id = 4242;
        return vy_Event(0, VY_EVENT_CMD_SET, &id, sizeof id);
    }) << VY_INVALID_PARAMETER;
    QTest::newRow("enable odd size") << Raw([] {
        uint32_t ids[2] = {130, 129};
        return vy_Event(0, VY_EVENT_CMD_ENABLE, ids, 6);
    }) << VY_INVALID_PARAMETER;
    QTest::newRow("wait without events") << Raw([] {
        VY_EVENT_WAIT w = {nullptr, 1, 0, 10, 0, 0};
        return vy_Event(0, VY_EVENT_CMD_WAIT, &w, sizeof w);
    }) << VY_INVALID_PARAMETER;
    QTest::newRow("wait zero count") << Raw([] {
        uint32_t id = 130;
        VY_EVENT_WAIT w = {&id, 0, 0, 10, 0, 0};
        return vy_Event(0, VY_EVENT_CMD_WAIT, &w, sizeof w);
    }) << VY_INVALID_PARAMETER;
    QTest::newRow("wait on unknown events only") << Raw([] {
        uint32_t ids[2] = {4242, 4243};
        VY_EVENT_WAIT w = {ids, 2, 0, VY_EVENT_INFINITE, 0, 0};
        return vy_Event(0, VY_EVENT_CMD_WAIT, &w, sizeof w);
    }) << VY_INVALID_PARAMETER;
    QTest::newRow("init on unopened address") << Raw([] {
        VY_EVENT_INIT init = {2, 0, 0};
        return vy_Event(1 | VY_UNOPENED, VY_EVENT_CMD_INIT, &init, sizeof init);
    }) << VY_INVALID_HANDLE;
    QTest::newRow("unknown command") << Raw([] {
        uint32_t id = 130;
        return vy_Event(0, 99, &id, sizeof id);
    }) << VY_NOT_SUPPORTED;
    QTest::newRow("null buffer") << Raw([] { return vy_Event(0, VY_EVENT_CMD_INIT, nullptr, 12); })
                                 << VY_INVALID_PARAMETER;
}

void tst_SimEvents::badRecords()
{
    QFETCH(Raw, call);
    QFETCH(int32_t, expected);
    QCOMPARE(call(), expected);
}

void tst_SimEvents::closingHandleEndsItsWaits()
{
    VY_HCAM camera = 2 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&camera, nullptr), VY_SUCCESS);
    simtest::enableEvents(camera, {2, 10010});
    Waiter waiter(camera, {2, 10010}, VY_EVENT_INFINITE);
    // A wait begun before the close ends with it; one begun after finds the handle gone.
    QCOMPARE(vy_ExitCamera(camera), VY_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(waiter.done(), 2000);
    QCOMPARE(waiter.result(), VY_INVALID_HANDLE);
}

// The open camera's own events: 128 when its device leaves, 9 when it comes back; the handle
// stays open until the program closes it.
void tst_SimEvents::openCameraRemovedAndBack()
{
    VY_HCAM camera = 3 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&camera, nullptr), VY_SUCCESS);
    simtest::enableEvents(camera, {2, 9, 128, 8});
    QCOMPARE(vysim_unplug(3), VY_SUCCESS);
    uint32_t signalled = 0;
    QCOMPARE(simtest::waitFor(camera, {2, 9, 128, 8}, 1000, &signalled), VY_SUCCESS);
    QCOMPARE(signalled, uint32_t(VY_EVENT_DEVICE_REMOVAL));
    QCOMPARE(simtest::waitFor(0, {129}, 1000, &signalled), VY_SUCCESS);
    QVERIFY(!simtest::listed(3));

    runVyrosim({"plug", R"({"deviceId": 3, "model": "BACK"})"});
    QCOMPARE(simtest::waitFor(camera, {2, 9, 128, 8}, 3000, &signalled), VY_SUCCESS);
    QCOMPARE(signalled, uint32_t(VY_EVENT_DEVICE_RECONNECT));
    // Still open here, so listed as in use.
    QCOMPARE(simtest::listedInUse(3), 1u);
    QCOMPARE(vy_ExitCamera(camera), VY_SUCCESS);
    QCOMPARE(simtest::listedInUse(3), 0u);
}

// Two parts of one program watching the same driver event: one leaving does not deafen the
// other.
void tst_SimEvents::twoRegistrationsOfOneEvent()
{
    simtest::enableEvents(0, {130});
    simtest::removeEvents(0, {130});
    QCOMPARE(vysim_plug(R"({"deviceId": 1102})", nullptr, 0), VY_SUCCESS);
    uint32_t signalled = 0;
    QCOMPARE(simtest::waitFor(0, {130}, 1000, &signalled), VY_SUCCESS);
    QCOMPARE(signalled, 130u);
}

VYRO_TEST_GUILESS_MAIN(tst_SimEvents)
#include "tst_sim_events.moc"

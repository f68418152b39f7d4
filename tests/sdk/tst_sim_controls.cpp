// Test controls: forced results, the call log, daemon states, driver values and the
// multicast commands zentara makes.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include "vyro_version.h"

#include <QScopeGuard>

#include <thread>

class tst_SimControls : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void forcedResults_data();
    void forcedResults();
    void forcedResultCountsAndClears();
    void forcedFailureIsLastError();
    void callLogRecordsBuffers();
    void callLogIsBounded();
    void daemons();
    void libraryVersion();
    void driverMulticast();
    void deviceMulticast();
    void lastErrorPerHandle();
    void lastErrorPerThread();
};

void tst_SimControls::forcedResults_data()
{
    QTest::addColumn<uint32_t>("command");
    QTest::addColumn<int32_t>("handle");
    QTest::addColumn<int32_t>("forUsb");
    QTest::addColumn<int32_t>("forEth");
    QTest::addColumn<int32_t>("forOtherHandle");
    // vy_Func on handle 0 for both daemons, and on handle 5 (not the driver).
    QTest::newRow("any") << VYSIM_ANY_COMMAND << VYSIM_ANY_HANDLE << 77 << 77 << 77;
    QTest::newRow("one command") << uint32_t(VY_FUNC_ETH_DAEMON_INFO) << VYSIM_ANY_HANDLE
                                 << VY_SUCCESS << 77 << 77;
    QTest::newRow("one handle") << VYSIM_ANY_COMMAND << 5 << VY_SUCCESS << VY_SUCCESS << 77;
}

void tst_SimControls::forcedResults()
{
    QFETCH(uint32_t, command);
    QFETCH(int32_t, handle);
    QFETCH(int32_t, forUsb);
    QFETCH(int32_t, forEth);
    QFETCH(int32_t, forOtherHandle);
    char text[VY_FUNC_DAEMON_INFO_SIZE];
    QCOMPARE(vysim_force_result("vy_Func", command, handle, 77, 0), VY_SUCCESS);
    QCOMPARE(vy_Func(0, VY_FUNC_USB_DAEMON_INFO, text, sizeof text), forUsb);
    QCOMPARE(vy_Func(0, VY_FUNC_ETH_DAEMON_INFO, text, sizeof text), forEth);
    QCOMPARE(vy_Func(5, VY_FUNC_ETH_DAEMON_INFO, text, sizeof text), forOtherHandle);
    const auto calls = vysim::callsOf("vy_Func");
    QCOMPARE(calls.size(), size_t(3));
    QCOMPARE(calls[0].forced, forUsb == 77);
    QCOMPARE(calls[1].forced, forEth == 77);
}

void tst_SimControls::forcedResultCountsAndClears()
{
    // The most specific rule wins; a counted rule ends by itself.
    vysim_force_result("vy_GetNumberOfCameras", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, 3, 0);
    vysim_force_result("vy_GetNumberOfCameras", 0, 0, 4, 2);
    int32_t n = 0;
    QCOMPARE(vy_GetNumberOfCameras(&n), 4);
    QCOMPARE(vy_GetNumberOfCameras(&n), 4);
    QCOMPARE(vy_GetNumberOfCameras(&n), 3);
    vysim_clear_forced("vy_GetNumberOfCameras");
    QCOMPARE(vy_GetNumberOfCameras(&n), VY_SUCCESS);
    QCOMPARE(n, 19);
    vysim_force_result("vy_GetNumberOfCameras", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, 3, 0);
    vysim_clear_forced(nullptr);
    QCOMPARE(vy_GetNumberOfCameras(&n), VY_SUCCESS);
    QCOMPARE(vysim_force_result(nullptr, 0, 0, 1, 0), VY_INVALID_PARAMETER);
}

void tst_SimControls::forcedFailureIsLastError()
{
    vysim_force_result("vy_Multicast", VY_MULTICAST_DRIVER_DEFAULT, 0, VY_NO_SUCCESS, 1);
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_DRIVER_DEFAULT, nullptr, 0), VY_NO_SUCCESS);
    int32_t code = 0;
    char *text = nullptr;
    QCOMPARE(vy_GetError(0, &code, &text), VY_SUCCESS);
    QCOMPARE(code, VY_NO_SUCCESS);
    QVERIFY(text && *text);
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_DRIVER_DEFAULT, nullptr, 0), VY_SUCCESS);
}

void tst_SimControls::callLogRecordsBuffers()
{
    VY_DEVICE_INFO info;
    std::memset(&info, 0x11, sizeof info);
    QCOMPARE(vy_DeviceInfo(1001 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info), VY_SUCCESS);
    VY_HCAM h = 1001 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);

    const auto calls = vysim::callLog();
    QCOMPARE(calls.size(), size_t(3));
    QCOMPARE(calls[0].function, std::string("vy_DeviceInfo"));
    QCOMPARE(calls[0].handle, VY_HCAM(1001 | VY_UNOPENED));
    QCOMPARE(calls[0].command, VY_DEVICE_INFO_CMD);
    QCOMPARE(calls[0].in.size(), size_t(VY_DEVICE_INFO_SIZE));
    QCOMPARE(int(calls[0].in[0]), 0x11);  // as passed in
    QCOMPARE(int(calls[0].out[0]), 0x82); // as returned: the device type
    QCOMPARE(calls[1].function, std::string("vy_InitCamera"));
    QCOMPARE(calls[1].handle, VY_HCAM(1001 | VY_UNOPENED));
    VY_HCAM returned = 0;
    std::memcpy(&returned, calls[1].out.data(), sizeof returned);
    QCOMPARE(returned, h);
    QCOMPARE(calls[2].function, std::string("vy_ExitCamera"));
    QCOMPARE(calls[2].handle, h);
    QVERIFY(calls[1].sequence < calls[2].sequence);

    VYSIM_CALL entry;
    QCOMPARE(vysim_log_entry(3, &entry), VY_INVALID_PARAMETER);
    vysim_log_clear();
    QCOMPARE(vysim_log_count(), 0u);
    vysim_log_enable(0);
    int32_t n = 0;
    vy_GetNumberOfCameras(&n);
    QCOMPARE(vysim_log_count(), 0u);
    vysim_log_enable(1);
}

void tst_SimControls::callLogIsBounded()
{
    int32_t n = 0;
    for (int i = 0; i < VYSIM_LOG_MAX_ENTRIES + 100; ++i)
        vy_GetNumberOfCameras(&n);
    QCOMPARE(vysim_log_count(), uint32_t(VYSIM_LOG_MAX_ENTRIES));
    VYSIM_CALL first, last;
    QCOMPARE(vysim_log_entry(0, &first), VY_SUCCESS);
    QCOMPARE(vysim_log_entry(VYSIM_LOG_MAX_ENTRIES - 1, &last), VY_SUCCESS);
    QCOMPARE(last.sequence - first.sequence, uint64_t(VYSIM_LOG_MAX_ENTRIES - 1));

    // Large buffers: the bytes held are bounded too (32 MiB), the newest calls kept.
    vysim_log_clear();
    std::vector<char> big(VYSIM_LOG_MAX_BYTES);
    for (int i = 0; i < 600; ++i)
        vy_Func(0, VY_FUNC_USB_DAEMON_INFO, big.data(), uint32_t(big.size()));
    const uint32_t held = vysim_log_count();
    QVERIFY2(held >= 200 && held <= 257, qPrintable(QString::number(held)));
    QCOMPARE(vysim_log_entry(held - 1, &last), VY_SUCCESS);
    QCOMPARE(QByteArray(last.function), QByteArray("vy_Func"));
    QCOMPARE(last.inSize, uint32_t(VYSIM_LOG_MAX_BYTES));

    // A program's log (not the suite's full one): the recent calls, their sizes, no bytes.
    vysim_log_full(0);
    const auto restore = qScopeGuard([] { vysim_log_full(1); });
    for (int i = 0; i < VYSIM_LOG_RECENT_ENTRIES + 10; ++i)
        vy_Func(0, VY_FUNC_USB_DAEMON_INFO, big.data(), uint32_t(big.size()));
    QCOMPARE(vysim_log_count(), uint32_t(VYSIM_LOG_RECENT_ENTRIES));
    QCOMPARE(vysim_log_entry(VYSIM_LOG_RECENT_ENTRIES - 1, &last), VY_SUCCESS);
    QCOMPARE(last.inSize, uint32_t(VYSIM_LOG_MAX_BYTES));
    uint32_t copied = 1;
    QCOMPARE(
        vysim_log_bytes(VYSIM_LOG_RECENT_ENTRIES - 1, 0, big.data(), uint32_t(big.size()), &copied),
        VY_SUCCESS);
    QCOMPARE(copied, 0u);
}

void tst_SimControls::daemons()
{
    char text[VY_FUNC_DAEMON_INFO_SIZE];
    std::memset(text, 0x7F, sizeof text);
    QCOMPARE(vy_Func(0, VY_FUNC_USB_DAEMON_INFO, text, sizeof text), VY_SUCCESS);
    QCOMPARE(QByteArray(text), QByteArray(VYRO_SDK_VERSION_TEXT));
    QCOMPARE(vysim_set_daemon(VYSIM_DAEMON_ETH, 0), VY_SUCCESS);
    QCOMPARE(vy_Func(0, VY_FUNC_ETH_DAEMON_INFO, text, sizeof text), VY_NO_DAEMON);
    QCOMPARE(vy_Func(0, VY_FUNC_USB_DAEMON_INFO, text, sizeof text), VY_SUCCESS);
    QCOMPARE(vysim_set_driver_field("usbDaemonVersion", "\"5.0.2 beta\"", nullptr, 0), VY_SUCCESS);
    QCOMPARE(vy_Func(0, VY_FUNC_USB_DAEMON_INFO, text, sizeof text), VY_SUCCESS);
    QCOMPARE(QByteArray(text), QByteArray("5.0.2 beta"));
    QCOMPARE(vysim_set_daemon(VYSIM_DAEMON_USB, 0), VY_SUCCESS);
    QCOMPARE(vy_Func(0, VY_FUNC_USB_DAEMON_INFO, text, sizeof text), VY_NO_DAEMON);
    QCOMPARE(vysim_set_daemon(VYSIM_DAEMON_ETH, 1), VY_SUCCESS);
    QCOMPARE(vy_Func(0, VY_FUNC_ETH_DAEMON_INFO, nullptr, 0), VY_SUCCESS);
    QCOMPARE(vysim_set_daemon(7, 1), VY_INVALID_PARAMETER);
    QCOMPARE(vy_Func(0, 0x10000009, text, sizeof text), VY_NOT_SUPPORTED);
}

void tst_SimControls::libraryVersion()
{
    QCOMPARE(vy_GetDLLVersion(), 0x045F0001u);
    char message[256] = {};
    QCOMPARE(vysim_set_driver_field("libraryVersion", "\"4.80.12\"", message, sizeof message),
             VY_SUCCESS);
    QCOMPARE(vy_GetDLLVersion(), 0x0450000Cu);
    QCOMPARE(vysim_set_driver_field("libraryVersion", "\"four\"", message, sizeof message),
             VY_INVALID_PARAMETER);
    QVERIFY(QByteArray(message).contains("libraryVersion"));
}

void tst_SimControls::driverMulticast()
{
    uint32_t on = 7;
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_GET_RO_ENABLE, &on, sizeof on), VY_SUCCESS);
    QCOMPARE(on, 1u);
    uint32_t off = 0;
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_SET_RO_ENABLE, &off, sizeof off), VY_SUCCESS);
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_GET_RO_ENABLE, &on, sizeof on), VY_SUCCESS);
    QCOMPARE(on, 0u);
    uint32_t bad = 2;
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_SET_RO_ENABLE, &bad, sizeof bad), VY_INVALID_PARAMETER);
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_DRIVER_DEFAULT, nullptr, 0), VY_SUCCESS);
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_RO_RESCAN, nullptr, 0), VY_SUCCESS);
    // A registration needs its record.
    QCOMPARE(vy_Multicast(0, VY_MULTICAST_ADD_RO_DEVICE, nullptr, 0), VY_INVALID_PARAMETER);
    QCOMPARE(vy_Multicast(0, 0x2FFFu, nullptr, 0), VY_NOT_SUPPORTED);
}

void tst_SimControls::deviceMulticast()
{
    uint32_t value = 9;
    QCOMPARE(vy_Multicast(1001 | VY_UNOPENED, VY_MULTICAST_GET_SUPPORT, &value, 4), VY_SUCCESS);
    QCOMPARE(value, 1u);
    QCOMPARE(vy_Multicast(1001 | VY_UNOPENED, VY_MULTICAST_GET_ENABLE, &value, 4), VY_SUCCESS);
    QCOMPARE(value, 0u);
    uint32_t on = 1;
    QCOMPARE(vy_Multicast(1001 | VY_UNOPENED, VY_MULTICAST_SET_ENABLE, &on, 4), VY_SUCCESS);
    const uint8_t address[4] = {239, 1, 2, 3};
    QCOMPARE(vy_Multicast(1001 | VY_UNOPENED, VY_MULTICAST_SET_ADDRESS,
                          const_cast<uint8_t *>(address), 4),
             VY_SUCCESS);
    QCOMPARE(vy_Multicast(1001 | VY_UNOPENED, VY_MULTICAST_GET_ENABLE, &value, 4), VY_SUCCESS);
    QCOMPARE(value, 1u);
    VY_DEVICE_INFO info;
    QCOMPARE(vy_DeviceInfo(1001 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info), VY_SUCCESS);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(info.device.multicastIp), 4),
             QByteArray("\xEF\x01\x02\x03", 4));
    // A camera without multicast refuses the writes.
    QCOMPARE(vy_Multicast(1003 | VY_UNOPENED, VY_MULTICAST_SET_ENABLE, &on, 4), VY_NOT_SUPPORTED);
    QCOMPARE(vy_Multicast(1003 | VY_UNOPENED, VY_MULTICAST_GET_SUPPORT, &value, 4), VY_SUCCESS);
    QCOMPARE(value, 0u);
    QCOMPARE(vy_Multicast(4444 | VY_UNOPENED, VY_MULTICAST_GET_SUPPORT, &value, 4),
             VY_CAMERA_NOT_FOUND);
}

void tst_SimControls::lastErrorPerHandle()
{
    int32_t code = -5;
    char *text = nullptr;
    VY_HCAM a = 1 | VY_UNOPENED, b = 2 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&a, nullptr), VY_SUCCESS);
    QCOMPARE(vy_InitCamera(&b, nullptr), VY_SUCCESS);
    uint32_t blinks = 1;
    QCOMPARE(vy_IO(a, 0x77, &blinks, 4), VY_NOT_SUPPORTED);
    QCOMPARE(vy_GetError(a, &code, &text), VY_SUCCESS);
    QCOMPARE(code, VY_NOT_SUPPORTED);
    QCOMPARE(vy_GetError(b, &code, &text), VY_SUCCESS);
    QCOMPARE(code, VY_SUCCESS);
    QCOMPARE(vy_GetError(b, nullptr, nullptr), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(a), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(b), VY_SUCCESS);
    QVERIFY(vy_GetError(a, &code, &text) != VY_SUCCESS);
}

// Another thread's failure does not replace this thread's last error.
void tst_SimControls::lastErrorPerThread()
{
    QCOMPARE(vy_Multicast(0, 0x2FFFu, nullptr, 0), VY_NOT_SUPPORTED);
    int32_t otherCode = 0;
    std::thread other([&otherCode] {
        uint32_t id = 14242;
        VY_EVENT_INIT init = {id, 0, 0};
        vy_Event(0, VY_EVENT_CMD_INIT, &init, sizeof init);
        VY_EVENT_WAIT wait = {&id, 1, 0, 0, 0, 0};
        vy_Event(0, VY_EVENT_CMD_WAIT, &wait, sizeof wait); // times out: nothing signals it
        char *text = nullptr;
        vy_GetError(0, &otherCode, &text);
        vy_Event(0, VY_EVENT_CMD_EXIT, &id, sizeof id);
    });
    other.join();
    QCOMPARE(otherCode, VY_TIMED_OUT);
    int32_t code = 0;
    char *text = nullptr;
    QCOMPARE(vy_GetError(0, &code, &text), VY_SUCCESS);
    QCOMPARE(code, VY_NOT_SUPPORTED);
}

VYRO_TEST_GUILESS_MAIN(tst_SimControls)
#include "tst_sim_controls.moc"

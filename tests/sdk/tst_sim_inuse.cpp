// Opening and closing: in-use state shared across processes, a crashed holder, the open
// flags and the refusals of cameras that cannot be opened.
#include "tests/sdk/simholder.h"
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

using simtest::Holder;

class tst_SimInUse : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void inUseAcrossProcesses();
    void crashedHolderFreesCamera();
    void openRefusals_data();
    void openRefusals();
    void firmwareUploadFlag();
    void openByCameraId();
    void ownOpenIsInUse();
    void closeUnknownHandle();
    void identify();
};

void tst_SimInUse::inUseAcrossProcesses()
{
    QCOMPARE(simtest::listedInUse(1001), 0u);
    Holder holder(1001);
    QVERIFY(holder.answer().startsWith("opened"));
    // Another process's open shows within the poll interval; sync makes it immediate.
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(1001)), 1u);
    QCOMPARE(vysim_device_in_use(1001), 1);
    VY_HCAM h = 1001 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_DEVICE_IN_USE);
    QCOMPARE(h, VY_HCAM(1001 | VY_UNOPENED));

    holder.closeNormally();
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(1001)), 0u);
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
}

void tst_SimInUse::crashedHolderFreesCamera()
{
    simtest::enableEvents(0, {131});
    Holder holder(2);
    QVERIFY(holder.answer().startsWith("opened"));
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(2)), 1u);
    uint32_t signalled = 0;
    // The open elsewhere raised "listed device changed" here.
    QCOMPARE(simtest::waitFor(0, {131}, 2000, &signalled), VY_SUCCESS);

    QVERIFY(holder.crash());
    QTRY_COMPARE((vysim_sync(), simtest::listedInUse(2)), 0u);
    QCOMPARE(simtest::waitFor(0, {131}, 2000, &signalled), VY_SUCCESS);
    VY_HCAM h = 2 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    simtest::removeEvents(0, {131});
}

void tst_SimInUse::openRefusals_data()
{
    QTest::addColumn<uint32_t>("address");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("in use in the world") << (4u | VY_UNOPENED) << VY_DEVICE_IN_USE;
    QTest::newRow("service firmware") << (6u | VY_UNOPENED) << VY_CANT_OPEN_DEVICE;
    QTest::newRow("used by another host") << (1003u | VY_UNOPENED) << VY_DEVICE_IN_USE;
    QTest::newRow("adapter on DHCP") << (1005u | VY_UNOPENED) << VY_CANT_OPEN_DEVICE;
    QTest::newRow("starter firmware upload")
        << (1004u | VY_UNOPENED) << VY_STARTER_FW_UPLOAD_NEEDED;
    QTest::newRow("not listed") << (777u | VY_UNOPENED) << VY_CAMERA_NOT_FOUND;
    QTest::newRow("no camera ID 200") << 200u << VY_CAMERA_NOT_FOUND;
}

void tst_SimInUse::openRefusals()
{
    QFETCH(uint32_t, address);
    QFETCH(int32_t, expected);
    VY_HCAM h = VY_HCAM(address);
    QCOMPARE(vy_InitCamera(&h, nullptr), expected);
    QCOMPARE(uint32_t(h), address);
    int32_t code = 0;
    char *text = nullptr;
    QCOMPARE(vy_GetError(0, &code, &text), VY_SUCCESS);
    QCOMPARE(code, expected);
    QVERIFY(text && *text);
}

void tst_SimInUse::firmwareUploadFlag()
{
    int32_t duration = 0;
    QCOMPARE(vy_GetDuration(1004 | VY_UNOPENED, VY_DURATION_FIRMWARE_UPLOAD, &duration),
             VY_SUCCESS);
    QCOMPARE(duration, 18000);
    VY_HCAM h = 1004 | VY_UNOPENED | VY_ALLOW_FW_UPLOAD;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QVERIFY(h > 0 && h < 0x8000);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    // The upload brought the required starter firmware: a plain open works now.
    VY_DEVICE_INFO info;
    QCOMPARE(vy_DeviceInfo(1004 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info), VY_SUCCESS);
    QCOMPARE(info.device.starterFirmware, info.control.requiredStarterFirmware);
    h = 1004 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
}

void tst_SimInUse::openByCameraId()
{
    VY_HCAM h = 12; // camera ID of device 1002
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QCOMPARE(vysim_device_in_use(1002), 1);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
}

void tst_SimInUse::ownOpenIsInUse()
{
    VY_HCAM h = 1 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    QCOMPARE(simtest::listedInUse(1), 1u);
    VY_HCAM again = 1 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&again, nullptr), VY_DEVICE_IN_USE);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    QCOMPARE(simtest::listedInUse(1), 0u);
    QCOMPARE(vy_ExitCamera(h), VY_INVALID_HANDLE);
}

void tst_SimInUse::closeUnknownHandle()
{
    QCOMPARE(vy_ExitCamera(4711), VY_INVALID_HANDLE);
    int32_t code = 0;
    char *text = nullptr;
    QVERIFY(vy_GetError(4711, &code, &text) != VY_SUCCESS);
}

void tst_SimInUse::identify()
{
    uint32_t blinks = 6;
    QCOMPARE(vy_IO(1 | VY_UNOPENED, VY_IO_LED_BLINK, &blinks, sizeof blinks), VY_NOT_OPEN);
    VY_HCAM h = 1 | VY_UNOPENED;
    QCOMPARE(vy_InitCamera(&h, nullptr), VY_SUCCESS);
    vysim_log_clear();
    QCOMPARE(vy_IO(h, VY_IO_LED_BLINK, &blinks, sizeof blinks), VY_SUCCESS);
    QCOMPARE(vy_IO(h, VY_IO_LED_BLINK, &blinks, 2), VY_BUFFER_TOO_SMALL);
    const auto calls = vysim::callsOf("vy_IO");
    QCOMPARE(calls.size(), size_t(2));
    QCOMPARE(calls[0].handle, h);
    QCOMPARE(calls[0].command, uint32_t(VY_IO_LED_BLINK));
    QCOMPARE(calls[0].in, std::vector<uint8_t>({6, 0, 0, 0}));
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
}

VYRO_TEST_GUILESS_MAIN(tst_SimInUse)
#include "tst_sim_inuse.moc"

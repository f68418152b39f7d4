// Camera list and device information as a program reads them: byte layout, counts, and
// buffers too small for a record.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QJsonDocument>
#include <QJsonObject>

class tst_SimCameraList : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void listLayout();
    void listFillsAtMostCount_data();
    void listFillsAtMostCount();
    void fullLengthTexts();
    void deviceInfoRecord();
    void deviceInfoFailure();
    void tooSmallBuffers_data();
    void tooSmallBuffers();
    void defaultWorldCoversEveryKind();
};

// Reads the entry bytes at the documented offsets, not through the struct, so that the test
// fails if the struct and the documented layout ever drift apart.
void tst_SimCameraList::listLayout()
{
    QVERIFY(vysim_plug(R"({"deviceId": 1234, "cameraId": 77, "sensorId": 4660,
                           "serialNumber": "SER-1234", "model": "VY-TEST",
                           "fullModelName": "VY-KX-TEST-FULL", "status": "0x8",
                           "deviceType": "0x82", "variantFlags": "0x40",
                           "hardwareVariant": "0x0D08", "busGeneration": 2})",
                       nullptr, 0) == VY_SUCCESS);
    int32_t n = 0;
    QCOMPARE(vy_GetNumberOfCameras(&n), VY_SUCCESS);
    QCOMPARE(n, 20);
    std::vector<unsigned char> buffer(VY_CAMERA_LIST_SIZE(n), 0xAB);
    const uint32_t count = uint32_t(n);
    std::memcpy(buffer.data(), &count, 4);
    QCOMPARE(vy_GetCameraList(reinterpret_cast<VY_CAMERA_LIST *>(buffer.data())), VY_SUCCESS);

    const unsigned char *e = nullptr;
    for (int i = 0; i < n; ++i) {
        const unsigned char *candidate = buffer.data() + 4 + 112 * i;
        uint32_t id;
        std::memcpy(&id, candidate + 4, 4);
        if (id == 1234)
            e = candidate;
    }
    QVERIFY(e);
    auto u32 = [&](int offset) {
        uint32_t v;
        std::memcpy(&v, e + offset, 4);
        return v;
    };
    QCOMPARE(u32(0), 77u);
    QCOMPARE(u32(8), 4660u);
    QCOMPARE(u32(12), 0u);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(e + 16)), QByteArray("SER-1234"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(e + 32)), QByteArray("VY-TEST"));
    QCOMPARE(u32(48), 0x8u);
    QCOMPARE(int(e[52]), 0x82);
    QCOMPARE(int(e[53]), 0x40);
    QCOMPARE(int(e[54] | (e[55] << 8)), 0x0D08);
    QCOMPARE(int(e[57]), 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(e + 60)), QByteArray("VY-KX-TEST-FULL"));
    for (int offset = 92; offset < 112; ++offset)
        QCOMPARE(int(e[offset]), 0);

    // The call log holds the returned list bytes, as the program saw them.
    const auto calls = vysim::callsOf("vy_GetCameraList");
    QCOMPARE(calls.size(), size_t(1));
    QCOMPARE(calls[0].out.size(), size_t(VY_CAMERA_LIST_SIZE(n)));
    QVERIFY(std::equal(calls[0].out.begin(), calls[0].out.end(), buffer.begin()));
}

void tst_SimCameraList::listFillsAtMostCount_data()
{
    QTest::addColumn<uint32_t>("given");
    QTest::addColumn<uint32_t>("expected");
    QTest::newRow("none asked") << 0u << 0u;
    QTest::newRow("fewer than listed") << 3u << 3u;
    QTest::newRow("exactly listed") << 19u << 19u;
    QTest::newRow("more than listed") << 25u << 19u;
}

void tst_SimCameraList::listFillsAtMostCount()
{
    QFETCH(uint32_t, given);
    QFETCH(uint32_t, expected);
    // Guard bytes behind the room the caller gave must stay untouched.
    std::vector<unsigned char> buffer(VY_CAMERA_LIST_SIZE(given) + 64, 0xCD);
    std::memcpy(buffer.data(), &given, 4);
    QCOMPARE(vy_GetCameraList(reinterpret_cast<VY_CAMERA_LIST *>(buffer.data())), VY_SUCCESS);
    uint32_t count;
    std::memcpy(&count, buffer.data(), 4);
    QCOMPARE(count, expected);
    for (size_t i = VY_CAMERA_LIST_SIZE(expected); i < buffer.size(); ++i)
        QCOMPARE(int(buffer[i]), 0xCD);
}

// Texts that fill their field completely have no terminator; nothing spills into the next one.
void tst_SimCameraList::fullLengthTexts()
{
    QCOMPARE(vysim_plug(R"({"deviceId": 900, "serialNumber": "1234567890ABCDEF",
                           "model": "MODEL-6789ABCDEF",
                           "fullModelName": "FULL-MODEL-NAME-0123456789ABCDEF"})",
                        nullptr, 0),
             VY_SUCCESS);
    for (const auto &e : simtest::cameraList()) {
        if (e.deviceId != 900)
            continue;
        QCOMPARE(QByteArray(e.serialNumber, 16), QByteArray("1234567890ABCDEF"));
        QCOMPARE(QByteArray(e.model, 16), QByteArray("MODEL-6789ABCDEF"));
        QCOMPARE(QByteArray(e.fullModelName, 32), QByteArray("FULL-MODEL-NAME-0123456789ABCDEF"));
        QCOMPARE(e.status, 0u);
        return;
    }
    QFAIL("device 900 not listed");
}

void tst_SimCameraList::deviceInfoRecord()
{
    std::vector<unsigned char> buffer(VY_DEVICE_INFO_SIZE + 32, 0xEE);
    QCOMPARE(
        vy_DeviceInfo(1001 | VY_UNOPENED, VY_DEVICE_INFO_CMD, buffer.data(), VY_DEVICE_INFO_SIZE),
        VY_SUCCESS);
    VY_DEVICE_INFO info;
    std::memcpy(&info, buffer.data(), sizeof info);
    QCOMPARE(int(info.device.deviceType), 0x82);
    QCOMPARE(int(info.device.linkSpeed), 1000);
    QCOMPARE(info.device.deviceStatus, 0x101u);
    QCOMPARE(info.control.controlStatus, 0x080000A7u);
    QCOMPARE(info.device.starterFirmware, 0x045F0008u);
    QCOMPARE(info.control.requiredStarterFirmware, 0x045F0008u);
    QCOMPARE(info.control.driverVersion, vy_GetDLLVersion());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(info.device.ipAddress), 4),
             QByteArray("\xC0\xA8\x0A\x0B", 4));
    QCOMPARE(info.device.temperature, uint16_t(47.25 * 16));
    // The adapter MAC is a real interface of this machine when it has one.
    bool nonzero = false;
    for (uint8_t b : info.control.adapterMac)
        nonzero = nonzero || b;
    QVERIFY(nonzero);
    for (size_t i = VY_DEVICE_INFO_SIZE; i < buffer.size(); ++i)
        QCOMPARE(int(buffer[i]), 0xEE);

    // USB devices: bus and port path.
    QCOMPARE(vy_DeviceInfo(2 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info), VY_SUCCESS);
    QCOMPARE(int(info.usb.busNumber), 1);
    QCOMPARE(int(info.usb.portPath[0]), 3);
    QCOMPARE(int(info.usb.portPath[1]), 2);
    QCOMPARE(int(info.usb.portPath[2]), 0);
    QCOMPARE(int(info.usb.linkSpeed), 480);
}

void tst_SimCameraList::deviceInfoFailure()
{
    std::vector<unsigned char> buffer(VY_DEVICE_INFO_SIZE, 0x5A);
    QCOMPARE(vy_DeviceInfo(1006 | VY_UNOPENED, VY_DEVICE_INFO_CMD, buffer.data(),
                           uint32_t(buffer.size())),
             VY_TRANSFER_ERROR);
    for (unsigned char b : buffer)
        QCOMPARE(int(b), 0x5A);
    int32_t code = 0;
    char *text = nullptr;
    QCOMPARE(vy_GetError(1006 | VY_UNOPENED, &code, &text), VY_SUCCESS);
    QCOMPARE(code, VY_TRANSFER_ERROR);
    QVERIFY(text && *text);
    // The identity stays listed.
    QVERIFY(simtest::listed(1006));
    QCOMPARE(vy_DeviceInfo(4321 | VY_UNOPENED, VY_DEVICE_INFO_CMD, buffer.data(),
                           uint32_t(buffer.size())),
             VY_CAMERA_NOT_FOUND);
    QCOMPARE(vy_DeviceInfo(1001 | VY_UNOPENED, 0x1234, buffer.data(), uint32_t(buffer.size())),
             VY_NOT_SUPPORTED);
}

using Call = std::function<int32_t(void *buffer, uint32_t size)>;
Q_DECLARE_METATYPE(Call)

void tst_SimCameraList::tooSmallBuffers_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<uint32_t>("size");
    QTest::newRow("device info 639") << Call([](void *b, uint32_t s) {
        return vy_DeviceInfo(1001 | VY_UNOPENED, VY_DEVICE_INFO_CMD, b, s);
    }) << 639u;
    QTest::newRow("device info 0") << Call([](void *b, uint32_t s) {
        return vy_DeviceInfo(1 | VY_UNOPENED, VY_DEVICE_INFO_CMD, b, s);
    }) << 0u;
    QTest::newRow("daemon text 127")
        << Call([](void *b, uint32_t s) { return vy_Func(0, VY_FUNC_USB_DAEMON_INFO, b, s); })
        << 127u;
    QTest::newRow("event init 11")
        << Call([](void *b, uint32_t s) { return vy_Event(0, VY_EVENT_CMD_INIT, b, s); }) << 11u;
    QTest::newRow("event wait short")
        << Call([](void *b, uint32_t s) { return vy_Event(0, VY_EVENT_CMD_WAIT, b, s); })
        << uint32_t(sizeof(VY_EVENT_WAIT) - 1);
    QTest::newRow("event set 3") << Call([](void *b, uint32_t s) {
        return vy_Event(0, VY_EVENT_CMD_SET, b, s);
    }) << 3u;
    QTest::newRow("multicast enable read 3") << Call([](void *b, uint32_t s) {
        return vy_Multicast(0, VY_MULTICAST_GET_RO_ENABLE, b, s);
    }) << 3u;
    QTest::newRow("device multicast support 2") << Call([](void *b, uint32_t s) {
        return vy_Multicast(1001 | VY_UNOPENED, VY_MULTICAST_GET_SUPPORT, b, s);
    }) << 2u;
}

void tst_SimCameraList::tooSmallBuffers()
{
    QFETCH(Call, call);
    QFETCH(uint32_t, size);
    std::vector<unsigned char> buffer(size + 64, 0x77);
    const std::vector<unsigned char> before = buffer;
    const int32_t result = call(buffer.data(), size);
    QVERIFY2(result == VY_BUFFER_TOO_SMALL || result == VY_INVALID_PARAMETER,
             qPrintable(QString::number(result)));
    QVERIFY(buffer == before);
}

void tst_SimCameraList::defaultWorldCoversEveryKind()
{
    int usb = 0, eth = 0, readOnly = 0, u3v = 0, gev = 0, inUse = 0;
    for (const auto &e : simtest::cameraList()) {
        usb += e.deviceId < 1000;
        eth += e.deviceId >= 1000 && e.deviceId < 1500;
        readOnly += e.deviceId >= 1500 && e.deviceId < 2000;
        u3v += e.deviceId >= 2000 && e.deviceType == 225;
        gev += e.deviceId >= 2000 && e.deviceType == 226;
        inUse += e.inUse != 0;
    }
    QVERIFY(usb + eth + readOnly + u3v + gev >= 12);
    QVERIFY(usb >= 6);
    QVERIFY(eth >= 6);
    QCOMPARE(readOnly, 1);
    QCOMPARE(u3v, 1);
    QCOMPARE(gev, 1);
    QCOMPARE(inUse, 2);
}

VYRO_TEST_GUILESS_MAIN(tst_SimCameraList)
#include "tst_sim_cameralist.moc"

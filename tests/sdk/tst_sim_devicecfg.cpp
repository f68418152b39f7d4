// tst_sim_devicecfg.cpp: the camera's own memory in the simulator: configuration blocks of
// network cameras, memory areas of USB cameras, revisions, identity changes, the memory mode and
// the FPN calibration, each persisting in the shared world.
#include "tests/sdk/simtest.h"

#include <QFuture>
#include <QtConcurrent>

#include <cstring>

namespace {

constexpr uint32_t UsbLens = 8;   // usb3-rwq: variant 0x0D08, FPN sensor 585
constexpr uint32_t UsbPlain = 1;  // usb3-5000
constexpr uint32_t GigE = 1001;   // gige-ready
constexpr uint32_t Vision = 2000; // u3v

VY_HCAM address(uint32_t deviceId)
{
    return VY_HCAM(deviceId | VY_UNOPENED);
}

VY_HCAM open(uint32_t deviceId)
{
    VY_HCAM h = address(deviceId);
    if (vy_InitCamera(&h, nullptr) != VY_SUCCESS)
        return 0;
    return h;
}

const VY_CAMERA_LIST_ENTRY *entryOf(const std::vector<VY_CAMERA_LIST_ENTRY> &list, uint32_t id)
{
    for (const auto &e : list)
        if (e.deviceId == id)
            return &e;
    return nullptr;
}

} // namespace

class tst_SimDeviceCfg : public QObject
{
    Q_OBJECT
private slots:
    void init() { simtest::resetWorld(); }

    void userBlockRoundTrip();
    void userBlockRefusesInvalidCameraId_data();
    void userBlockRefusesInvalidCameraId();
    void factoryBlock();
    void lensBlock();
    void lensBlockOnlyWithLensController();
    void usbAreas();
    void usbEepromKeepsAnyBytes();
    void usbAreaRangeChecked();
    void memoryOutlivesUnplug();
    void networkCamerasHaveNoAreas();
    void revisionInfo();
    void setCameraIdNeedsOpenHandle();
    void eraseParameterSet();
    void memoryMode();
    void fpnState();
    void calibrationLitAndDark_data();
    void calibrationLitAndDark();
    void calibrationEndsWhenUnplugged();
};

void tst_SimDeviceCfg::userBlockRoundTrip()
{
    VY_DEVICECFG_USER block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_USER;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_READ, &block, sizeof block),
             VY_SUCCESS);
    QCOMPARE(int(block.cameraId), 11);
    std::memset(block.userEeprom, 0, sizeof block.userEeprom);
    std::memcpy(block.userEeprom, "line \xE4\xF6", 7);
    block.cameraId = 42;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_WRITE, &block, sizeof block),
             VY_SUCCESS);

    const auto list = simtest::cameraList();
    const VY_CAMERA_LIST_ENTRY *e = entryOf(list, GigE);
    QVERIFY(e);
    QCOMPARE(e->cameraId, 42u);
    VY_DEVICECFG_USER again;
    std::memset(&again, 0, sizeof again);
    again.block = VY_DEVICECFG_BLOCK_USER;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_READ, &again, sizeof again),
             VY_SUCCESS);
    QCOMPARE(QByteArray(again.userEeprom, 8), QByteArray("line \xE4\xF6\0", 8));
    QCOMPARE(int(again.cameraId), 42);
}

void tst_SimDeviceCfg::userBlockRefusesInvalidCameraId_data()
{
    QTest::addColumn<int>("cameraId");
    QTest::newRow("zero") << 0;
    QTest::newRow("255") << 255;
}

void tst_SimDeviceCfg::userBlockRefusesInvalidCameraId()
{
    QFETCH(int, cameraId);
    VY_DEVICECFG_USER block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_USER;
    block.cameraId = uint8_t(cameraId);
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_WRITE, &block, sizeof block),
             VY_INVALID_PARAMETER);
    QCOMPARE(entryOf(simtest::cameraList(), GigE)->cameraId, 11u);
}

void tst_SimDeviceCfg::factoryBlock()
{
    QVERIFY(SimWorld::setField(GigE, "manufacturer", "\"Orv Test\""));
    VY_DEVICECFG_FACTORY block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_FACTORY;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_READ, &block, sizeof block),
             VY_SUCCESS);
    QCOMPARE(QString::fromLatin1(block.manufacturer), QStringLiteral("Orv Test"));
    QCOMPARE(QString::fromLatin1(block.qcDate), QStringLiteral("2026-01-15"));
    QCOMPARE(block.hardwareVariant, entryOf(simtest::cameraList(), GigE)->hardwareVariant);
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_WRITE, &block, sizeof block),
             VY_INVALID_PARAMETER);
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_READ, &block, 100),
             VY_BUFFER_TOO_SMALL);
}

void tst_SimDeviceCfg::lensBlock()
{
    QVERIFY(SimWorld::setField(GigE, "hardwareVariant", "\"0x0D08\""));
    VY_DEVICECFG_LENS block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_LENS;
    const uint32_t read = VY_DEVICECFG_READ | VY_DEVICECFG_PERSISTENT;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), read, &block, sizeof block), VY_SUCCESS);
    QCOMPARE(int(block.dataLength), VY_LENS_DATA_SIZE);
    QCOMPARE(int(block.data.lensType), VY_LENS_NONE);

    block.data.lensType = VY_LENS_ARCTIC_39N;
    block.dataLength = 20;
    QCOMPARE(
        vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_WRITE | VY_DEVICECFG_PERSISTENT, &block, 28),
        VY_SUCCESS);
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_LENS;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), read, &block, sizeof block), VY_SUCCESS);
    QCOMPARE(int(block.data.lensType), VY_LENS_ARCTIC_39N);
    QCOMPARE(int(block.dataLength), 20);

    // A length that the size given does not hold is refused.
    block.dataLength = 100;
    QCOMPARE(
        vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_WRITE | VY_DEVICECFG_PERSISTENT, &block, 28),
        VY_INVALID_PARAMETER);
}

void tst_SimDeviceCfg::lensBlockOnlyWithLensController()
{
    VY_DEVICECFG_LENS block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_LENS;
    QCOMPARE(vy_AccessDeviceCfg(address(GigE), VY_DEVICECFG_READ | VY_DEVICECFG_PERSISTENT, &block,
                                sizeof block),
             VY_NOT_SUPPORTED);
    uint8_t data[VY_LENS_DATA_SIZE] = {};
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_READ, VY_MEM_AREA_LENS, 0, data, sizeof data),
             VY_NOT_SUPPORTED);
}

void tst_SimDeviceCfg::usbAreas()
{
    VY_FACTORY_INFO info;
    std::memset(&info, 0, sizeof info);
    QCOMPARE(vy_MemContent(address(UsbLens), VY_MEM_READ, VY_MEM_AREA_FACTORY,
                           VY_MEM_FACTORY_OFFSET, &info, sizeof info),
             VY_SUCCESS);
    QCOMPARE(QString::fromLatin1(info.manufacturer), QStringLiteral("Orv"));

    uint8_t id = 77;
    QCOMPARE(vy_MemContent(address(UsbLens), VY_MEM_WRITE, VY_MEM_AREA_CAMERA_ID, 0, &id, 1),
             VY_SUCCESS);
    QCOMPARE(entryOf(simtest::cameraList(), UsbLens)->cameraId, 77u);

    uint8_t lens[VY_LENS_DATA_SIZE] = {VY_LENS_ARCTIC_25H};
    QCOMPARE(vy_MemContent(address(UsbLens), VY_MEM_WRITE, VY_MEM_AREA_LENS, 0, lens, sizeof lens),
             VY_SUCCESS);
    std::memset(lens, 0xFF, sizeof lens);
    QCOMPARE(vy_MemContent(address(UsbLens), VY_MEM_READ, VY_MEM_AREA_LENS, 0, lens, sizeof lens),
             VY_SUCCESS);
    QCOMPARE(int(lens[0]), VY_LENS_ARCTIC_25H);

    VY_MEMORY_CONFIG config;
    std::memset(&config, 0, sizeof config);
    QCOMPARE(vy_MemContent(address(UsbLens), VY_MEM_READ, VY_MEM_AREA_MEMORY_CONFIG, 0, &config,
                           sizeof config),
             VY_SUCCESS);
    QCOMPARE(config.memoryFlags & VY_MEMORY_MODE_MASK, VY_MEMORY_MODE_CAMERA);
    QVERIFY(SimWorld::setField(UsbLens, "memoryMode", "false"));
    QCOMPARE(vy_MemContent(address(UsbLens), VY_MEM_READ, VY_MEM_AREA_MEMORY_CONFIG, 0, &config,
                           sizeof config),
             VY_SUCCESS);
    QVERIFY((config.memoryFlags & VY_MEMORY_MODE_MASK) != VY_MEMORY_MODE_CAMERA);
}

void tst_SimDeviceCfg::usbEepromKeepsAnyBytes()
{
    QByteArray bytes(VY_USER_EEPROM_SIZE, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(0xC0 + i);
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_WRITE, VY_MEM_AREA_USER_EEPROM, 0,
                           bytes.data(), VY_USER_EEPROM_SIZE),
             VY_SUCCESS);
    QByteArray read(VY_USER_EEPROM_SIZE, '\0');
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, read.data(),
                           VY_USER_EEPROM_SIZE),
             VY_SUCCESS);
    QCOMPARE(read, bytes);
    // The device information shows what fits its text field.
    VY_DEVICE_INFO dev;
    std::memset(&dev, 0, sizeof dev);
    QCOMPARE(vy_DeviceInfo(address(UsbPlain), VY_DEVICE_INFO_CMD, &dev, sizeof dev), VY_SUCCESS);
    const QString shown =
        QString::fromUtf8(dev.device.userEeprom, int(qstrnlen(dev.device.userEeprom, 64)));
    QCOMPARE(shown.left(2), QStringLiteral("\u00C0\u00C1"));
}

// The memory belongs to the camera: unplugged and plugged back (the same serial number), it
// has its user hot pixel list, EEPROM and camera ID again.
void tst_SimDeviceCfg::memoryOutlivesUnplug()
{
    const QByteArray eeprom(VY_USER_EEPROM_SIZE, 'e');
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_WRITE, VY_MEM_AREA_USER_EEPROM, 0,
                           const_cast<char *>(eeprom.constData()), VY_USER_EEPROM_SIZE),
             VY_SUCCESS);
    uint8_t id = 42;
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_WRITE, VY_MEM_AREA_CAMERA_ID, 0, &id, 1),
             VY_SUCCESS);
    const uint16_t list[] = {2, 10, 20, 30, 40};
    VY_HCAM h = open(UsbPlain);
    QVERIFY(h);
    QCOMPARE(vy_HotPixel(h, VY_HOTPIXEL_SET_USER_LIST, const_cast<uint16_t *>(list), sizeof list),
             VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    const QByteArray serial = entryOf(simtest::cameraList(), UsbPlain)->serialNumber;

    QCOMPARE(vysim_unplug(UsbPlain), VY_SUCCESS);
    const QByteArray plugged = "{\"deviceId\": 1, \"serialNumber\": \"" + serial + "\"}";
    QCOMPARE(vysim_plug(plugged.constData(), nullptr, 0), VY_SUCCESS);

    QCOMPARE(entryOf(simtest::cameraList(), UsbPlain)->cameraId, 42u);
    QByteArray read(VY_USER_EEPROM_SIZE, '\0');
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, read.data(),
                           VY_USER_EEPROM_SIZE),
             VY_SUCCESS);
    QCOMPARE(read, eeprom);
    h = open(UsbPlain);
    QVERIFY(h);
    uint16_t back[5] = {};
    QCOMPARE(vy_HotPixel(h, VY_HOTPIXEL_GET_USER_LIST, back, sizeof back), VY_SUCCESS);
    QCOMPARE(std::memcmp(back, list, sizeof list), 0);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
}

void tst_SimDeviceCfg::usbAreaRangeChecked()
{
    uint8_t buffer[80] = {};
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, buffer, 65),
             VY_INVALID_PARAMETER);
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_READ, 99, 0, buffer, 4), VY_NOT_SUPPORTED);
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_WRITE, VY_MEM_AREA_FACTORY,
                           VY_MEM_FACTORY_OFFSET, buffer, 4),
             VY_INVALID_PARAMETER);
    uint8_t id = 0;
    QCOMPARE(vy_MemContent(address(UsbPlain), VY_MEM_WRITE, VY_MEM_AREA_CAMERA_ID, 0, &id, 1),
             VY_INVALID_PARAMETER);
    QCOMPARE(vy_MemContent(VY_HCAM(4711 | VY_UNOPENED), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0,
                           buffer, 64),
             VY_INVALID_HANDLE);
}

void tst_SimDeviceCfg::networkCamerasHaveNoAreas()
{
    uint8_t buffer[64] = {};
    QCOMPARE(vy_MemContent(address(GigE), VY_MEM_READ, VY_MEM_AREA_USER_EEPROM, 0, buffer, 64),
             VY_NOT_SUPPORTED);
    VY_DEVICECFG_USER block;
    std::memset(&block, 0, sizeof block);
    block.block = VY_DEVICECFG_BLOCK_USER;
    QCOMPARE(vy_AccessDeviceCfg(address(UsbPlain), VY_DEVICECFG_READ, &block, sizeof block),
             VY_NOT_SUPPORTED);
}

void tst_SimDeviceCfg::revisionInfo()
{
    VY_REVISIONINFO r;
    std::memset(&r, 0, sizeof r);
    QCOMPARE(vy_GetRevisionInfo(address(UsbLens), &r), VY_BUFFER_TOO_SMALL);
    r.size = sizeof r;
    QCOMPARE(vy_GetRevisionInfo(address(UsbLens), &r), VY_SUCCESS);
    QCOMPARE(int(r.product), 0x0D08);
    QCOMPARE(int(r.sensor), 585);
}

void tst_SimDeviceCfg::setCameraIdNeedsOpenHandle()
{
    QCOMPARE(vy_SetCameraID(address(Vision), 5), VY_INVALID_HANDLE);
    const VY_HCAM h = open(Vision);
    QVERIFY(h);
    QCOMPARE(vy_SetCameraID(h, 255), VY_INVALID_PARAMETER);
    QCOMPARE(vy_SetCameraID(h, 5), VY_SUCCESS);
    QCOMPARE(vy_ExitCamera(h), VY_SUCCESS);
    QCOMPARE(entryOf(simtest::cameraList(), Vision)->cameraId, 5u);
    QCOMPARE(vy_Renumerate(address(Vision), 0), VY_SUCCESS);
    QCOMPARE(vy_Renumerate(VY_HCAM(4711 | VY_UNOPENED), 0), VY_CAMERA_NOT_FOUND);
}

void tst_SimDeviceCfg::eraseParameterSet()
{
    QCOMPARE(vy_ParameterSet(address(UsbPlain), VY_PARAMETERSET_ERASE, nullptr, 0),
             VY_INVALID_HANDLE);
    const VY_HCAM h = open(UsbPlain);
    QVERIFY(h);
    QCOMPARE(vy_ParameterSet(h, VY_PARAMETERSET_ERASE, nullptr, 0), VY_SUCCESS);
    vy_ExitCamera(h);
}

void tst_SimDeviceCfg::memoryMode()
{
    uint32_t v = 7;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_GET_MEMORY_MODE_SUPPORT, &v, 4),
             VY_SUCCESS);
    QCOMPARE(v, 1u);
    v = 0;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_SET_MEMORY_MODE, &v, 4), VY_SUCCESS);
    v = 7;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_GET_MEMORY_MODE, &v, 4), VY_SUCCESS);
    QCOMPARE(v, 0u);
    v = 2;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_SET_MEMORY_MODE, &v, 4),
             VY_INVALID_PARAMETER);
    QVERIFY(SimWorld::setField(UsbLens, "memoryModeSupported", "false"));
    v = 1;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_SET_MEMORY_MODE, &v, 4),
             VY_NOT_SUPPORTED);
}

void tst_SimDeviceCfg::fpnState()
{
    uint32_t v = 0;
    QCOMPARE(vy_DeviceFeature(address(UsbPlain), VY_FEATURE_GET_SUPPORTED, &v, 4), VY_SUCCESS);
    QCOMPARE(v & VY_FEATURE_FPN, 0u);
    QCOMPARE(vy_DeviceFeature(address(UsbPlain), VY_FEATURE_GET_FPN_CALIBRATED, &v, 4),
             VY_NOT_SUPPORTED);
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_GET_SUPPORTED, &v, 4), VY_SUCCESS);
    QCOMPARE(v & VY_FEATURE_FPN, VY_FEATURE_FPN);
    v = 1;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_SET_FPN_LOADING, &v, 4), VY_SUCCESS);
    v = 0;
    QCOMPARE(vy_DeviceFeature(address(UsbLens), VY_FEATURE_GET_FPN_LOADING, &v, 4), VY_SUCCESS);
    QCOMPARE(v, 1u);

    const VY_HCAM h = open(UsbLens);
    QVERIFY(h);
    QVERIFY(SimWorld::setField(UsbLens, "fpnCalibrated", "true"));
    QVERIFY(SimWorld::setField(UsbLens, "fpnFactoryCalibrated", "true"));
    v = 0;
    QCOMPARE(vy_CalibrateFPN(h, VY_FPN_GET_FACTORY_CALIBRATED, &v, 4), VY_SUCCESS);
    QCOMPARE(v, 1u);
    QCOMPARE(vy_CalibrateFPN(h, VY_FPN_CALIBRATE, &v, 4), VY_INVALID_PARAMETER);
    vy_ExitCamera(h);
}

void tst_SimDeviceCfg::calibrationLitAndDark_data()
{
    QTest::addColumn<bool>("lit");
    QTest::addColumn<int>("result");
    QTest::newRow("lit") << true << VY_SUCCESS;
    QTest::newRow("dark") << false << VY_FPN_INSUFFICIENT_LIGHT;
}

void tst_SimDeviceCfg::calibrationLitAndDark()
{
    QFETCH(bool, lit);
    QFETCH(int, result);
    QVERIFY(SimWorld::setField(UsbLens, "fpnCalibrationMs", "10"));
    QVERIFY(SimWorld::setField(UsbLens, "lit", lit ? "true" : "false"));
    uint32_t v = 0;
    QCOMPARE(vy_CalibrateFPN(address(UsbLens), VY_FPN_CALIBRATE, &v, 4), VY_INVALID_HANDLE);
    const VY_HCAM h = open(UsbLens);
    QVERIFY(h);
    QCOMPARE(vy_CalibrateFPN(h, VY_FPN_CALIBRATE, &v, 4), result);
    uint32_t calibrated = 7;
    QCOMPARE(vy_DeviceFeature(h, VY_FEATURE_GET_FPN_CALIBRATED, &calibrated, 4), VY_SUCCESS);
    QCOMPARE(calibrated, lit ? 1u : 0u);
    vy_ExitCamera(h);

    // Without the camera memory nothing starts.
    QVERIFY(SimWorld::setField(UsbLens, "memoryMode", "false"));
    const VY_HCAM again = open(UsbLens);
    QCOMPARE(vy_CalibrateFPN(again, VY_FPN_CALIBRATE, &v, 4), VY_INVALID_PARAMETER);
    vy_ExitCamera(again);
}

void tst_SimDeviceCfg::calibrationEndsWhenUnplugged()
{
    // Long enough never to end by itself within the test.
    QVERIFY(SimWorld::setField(UsbLens, "fpnCalibrationMs", "3600000"));
    QVERIFY(SimWorld::setField(UsbLens, "lit", "true"));
    const VY_HCAM h = open(UsbLens);
    QVERIFY(h);
    QFuture<int32_t> run = QtConcurrent::run([h] {
        uint32_t v = 0;
        return vy_CalibrateFPN(h, VY_FPN_CALIBRATE, &v, 4);
    });
    // Whether the call is already waiting or only about to start, the device leaving ends it.
    QVERIFY(!run.isFinished());
    QCOMPARE(vysim_unplug(UsbLens), VY_SUCCESS);
    run.waitForFinished();
    QCOMPARE(run.result(), VY_IO_REQUEST_FAILED);
    vy_ExitCamera(h);
}

VYRO_TEST_GUILESS_MAIN(tst_SimDeviceCfg)
#include "tst_sim_devicecfg.moc"

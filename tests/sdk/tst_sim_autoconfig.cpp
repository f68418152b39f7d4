// tst_sim_autoconfig.cpp: the simulated automatic configuration by MAC and the starter firmware
// upload of an open with the upload permission.
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>
#include <thread>

#include "tests/sdk/simtest.h"

namespace {

const uint32_t Ready = 1001;     // on adapter "auto", 192.168.10.1/24
const uint32_t BootBoost = 1002; // "Boot boost used"
const uint32_t StarterFw = 1004; // needs an upload: 4.60.3, 4.81.7 required

struct Mac
{
    uint8_t b[6];
};

Mac mac(const char *text)
{
    Mac m{};
    std::sscanf(text, "%hhx-%hhx-%hhx-%hhx-%hhx-%hhx", &m.b[0], &m.b[1], &m.b[2], &m.b[3], &m.b[4],
                &m.b[5]);
    return m;
}

VY_DEVICE_INFO info(uint32_t deviceId)
{
    VY_DEVICE_INFO i{};
    vy_DeviceInfo(VY_HCAM(deviceId | VY_UNOPENED), VY_DEVICE_INFO_CMD, &i, sizeof i);
    return i;
}

Mac adapterMac(uint32_t deviceId)
{
    Mac m{};
    const VY_DEVICE_INFO i = info(deviceId);
    std::memcpy(m.b, i.control.adapterMac, 6);
    return m;
}

VY_IP_RANGE range(const char *begin, const char *end)
{
    VY_IP_RANGE r{};
    std::sscanf(begin, "%hhu.%hhu.%hhu.%hhu", &r.begin[0], &r.begin[1], &r.begin[2], &r.begin[3]);
    std::sscanf(end, "%hhu.%hhu.%hhu.%hhu", &r.end[0], &r.end[1], &r.end[2], &r.end[3]);
    r.count = VY_IP_RANGE_COUNT;
    return r;
}

QString field(uint32_t deviceId, const char *name)
{
    std::vector<char> world(1 << 22);
    vysim_world_json(world.data(), uint32_t(world.size()), nullptr);
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(world.data()));
    for (const QJsonValue &d : doc.object().value(QStringLiteral("devices")).toArray()) {
        const QJsonObject o = d.toObject();
        if (o.value(QStringLiteral("deviceId")).toInt() == int(deviceId)) {
            const QJsonValue v = o.value(QLatin1String(name));
            if (v.isBool())
                return QLatin1String(v.toBool() ? "true" : "false");
            return v.isString() ? v.toString() : QString::number(v.toDouble());
        }
    }
    return QStringLiteral("<no device>");
}

int32_t configure(uint32_t deviceId)
{
    const QString text = field(deviceId, "mac");
    const Mac m = mac(text.toLatin1().constData());
    VY_IP_RECORD automatic{};
    return vy_IpConfig(VY_ADAPTER_HANDLE, m.b, VY_IPCONFIG_SET_PERSISTENT_IP, &automatic,
                       sizeof automatic);
}

} // namespace

class tst_SimAutoConfig : public QObject
{
    Q_OBJECT
private slots:
    void init() { simtest::resetWorld(); }

    void rangeThenCamera()
    {
        VY_IP_RANGE r = range("192.168.10.1", "192.168.10.254");
        const Mac adapter = adapterMac(Ready);
        QCOMPARE(
            vy_IpConfig(VY_ADAPTER_HANDLE, adapter.b, VY_IPCONFIG_SET_AUTOCFG_RANGE, &r, sizeof r),
            VY_SUCCESS);
        QCOMPARE(field(Ready, "adapterIpRangeBegin"), QStringLiteral("192.168.10.1"));
        QCOMPARE(field(BootBoost, "adapterIpRangeEnd"), QStringLiteral("192.168.10.254"));
        QCOMPARE(configure(Ready), VY_SUCCESS);
        QCOMPARE(field(Ready, "persistentIp"), QStringLiteral("0.0.0.0"));
        // The adapter's own address is not handed out.
        QCOMPARE(field(Ready, "ipAddress"), QStringLiteral("192.168.10.2"));
        QCOMPARE(field(Ready, "subnetMask"), QStringLiteral("255.255.255.0"));
        // The device information says so as well.
        const VY_DEVICE_INFO i = info(Ready);
        QCOMPARE(int(i.device.ipAddress[3]), 2);
    }

    void bootBoostCameraRefuses()
    {
        VY_IP_RANGE r = range("192.168.10.1", "192.168.10.254");
        const Mac adapter = adapterMac(BootBoost);
        QCOMPARE(
            vy_IpConfig(VY_ADAPTER_HANDLE, adapter.b, VY_IPCONFIG_SET_AUTOCFG_RANGE, &r, sizeof r),
            VY_SUCCESS);
        const QString before = field(BootBoost, "ipAddress");
        QCOMPARE(configure(BootBoost), 129);
        QCOMPARE(field(BootBoost, "ipAddress"), before);
    }

    void refusals()
    {
        const Mac unknown = mac("02-00-00-00-00-99");
        VY_IP_RANGE r = range("10.0.0.1", "10.0.0.9");
        // No network camera has this adapter.
        QCOMPARE(
            vy_IpConfig(VY_ADAPTER_HANDLE, unknown.b, VY_IPCONFIG_SET_AUTOCFG_RANGE, &r, sizeof r),
            VY_INVALID_PARAMETER);
        const Mac adapter = adapterMac(Ready);
        VY_IP_RANGE reversed = range("10.0.0.9", "10.0.0.1");
        // A reversed range is taken, as the driver does, but is no valid range to configure from.
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, adapter.b, VY_IPCONFIG_SET_AUTOCFG_RANGE, &reversed,
                             sizeof reversed),
                 VY_SUCCESS);
        QCOMPARE(field(Ready, "adapterIpRangeValid"), QStringLiteral("false"));
        QCOMPARE(configure(Ready), VY_NO_DATA);
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, adapter.b, VY_IPCONFIG_SET_AUTOCFG_RANGE, &r, 8),
                 VY_BUFFER_TOO_SMALL);
        VY_IP_RECORD automatic{};
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, unknown.b, VY_IPCONFIG_SET_PERSISTENT_IP,
                             &automatic, sizeof automatic),
                 VY_CAMERA_NOT_FOUND);
        QCOMPARE(vy_IpConfig(VY_ADAPTER_HANDLE, nullptr, VY_IPCONFIG_SET_PERSISTENT_IP, &automatic,
                             sizeof automatic),
                 VY_INVALID_PARAMETER);
        // Without a valid range on its adapter the camera gets nothing.
        QVERIFY(SimWorld::setField(Ready, "adapterIpRangeValid", "false"));
        QCOMPARE(configure(Ready), VY_NO_DATA);
    }

    void uploadTakesItsTimeAndLeavesTheRequiredFirmware()
    {
        QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "0.01")); // 180 ms
        VY_HCAM handle = VY_HCAM(StarterFw | VY_UNOPENED);
        QCOMPARE(vy_InitCamera(&handle, nullptr), VY_STARTER_FW_UPLOAD_NEEDED);
        handle = VY_HCAM(StarterFw | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
        QCOMPARE(vy_InitCamera(&handle, nullptr), VY_SUCCESS);
        QVERIFY(handle > 0 && handle < 0x8000);
        QCOMPARE(vy_ExitCamera(handle), VY_SUCCESS);
        const VY_DEVICE_INFO i = info(StarterFw);
        QCOMPARE(i.device.starterFirmware, i.control.requiredStarterFirmware);
        // It opens without the permission now.
        handle = VY_HCAM(StarterFw | VY_UNOPENED);
        QCOMPARE(vy_InitCamera(&handle, nullptr), VY_SUCCESS);
        QCOMPARE(vy_ExitCamera(handle), VY_SUCCESS);
    }

    void uploadHoldsTheCamera()
    {
        QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "1"));
        QVERIFY(SimWorld::setField(StarterFw, "firmwareUploadMs", "600000"));
        std::atomic<int32_t> result{-1};
        std::thread uploader([&] {
            VY_HCAM handle = VY_HCAM(StarterFw | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
            result = vy_InitCamera(&handle, nullptr);
        });
        QTRY_COMPARE(vysim_device_in_use(StarterFw), 1);
        VY_HCAM other = VY_HCAM(StarterFw | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
        QCOMPARE(vy_InitCamera(&other, nullptr), VY_DEVICE_IN_USE);
        // Unplugging ends the upload with an I/O failure; nothing stays open.
        QCOMPARE(vysim_unplug(StarterFw), VY_SUCCESS);
        uploader.join();
        QCOMPARE(result.load(), VY_IO_REQUEST_FAILED);
        QCOMPARE(vysim_device_in_use(StarterFw), -1);
    }

    void forcedUploadFailure()
    {
        QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "0"));
        QVERIFY(SimWorld::setField(StarterFw, "firmwareUploadResult", "187"));
        VY_HCAM handle = VY_HCAM(StarterFw | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
        QCOMPARE(vy_InitCamera(&handle, nullptr), 187);
        QCOMPARE(vysim_device_in_use(StarterFw), 0);
        const VY_DEVICE_INFO i = info(StarterFw);
        QVERIFY(i.device.starterFirmware != i.control.requiredStarterFirmware);
    }

    void compatibleCameraOpensAtOnce()
    {
        // A long upload time set, yet no upload is needed: the open returns at once.
        QVERIFY(SimWorld::setDriverField("firmwareUploadScale", "1"));
        QVERIFY(SimWorld::setField(Ready, "firmwareUploadMs", "3600000"));
        VY_HCAM handle = VY_HCAM(Ready | VY_UNOPENED | VY_ALLOW_FW_UPLOAD);
        QCOMPARE(vy_InitCamera(&handle, nullptr), VY_SUCCESS);
        QCOMPARE(vy_ExitCamera(handle), VY_SUCCESS);
    }
};

VYRO_TEST_GUILESS_MAIN(tst_SimAutoConfig)
#include "tst_sim_autoconfig.moc"

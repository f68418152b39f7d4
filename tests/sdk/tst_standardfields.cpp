// Standard cameras in the SDK's terms: the device fields of GigE Vision and USB3 Vision cameras
// (a USB3 Vision camera from a recorded description), as the simulated SDK lists them, and
// their device IDs.
#include "sdk/genicam/standardfields.h"
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using vygenicam::StandardCamera;

Q_DECLARE_METATYPE(StandardCamera)

namespace {

StandardCamera gige(const QString &ip, const QString &hostIp, const QString &hostMask)
{
    StandardCamera c;
    c.protocol = StandardCamera::Protocol::GigEVision;
    c.id = QStringLiteral("Aravis-Fake-GEV1");
    c.vendor = QStringLiteral("Aravis");
    c.model = QStringLiteral("Fake");
    c.serial = QStringLiteral("GEV1");
    c.mac = QStringLiteral("00-11-22-33-44-55");
    c.ip = ip;
    c.mask = QStringLiteral("255.255.255.0");
    c.hostIp = hostIp;
    c.hostMask = hostMask;
    c.width = 2048;
    c.height = 2048;
    return c;
}

// A camera as Aravis described it, recorded in tests/sdk/data.
StandardCamera recorded(const QString &name)
{
    QFile file(QStringLiteral(TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(file.errorString()));
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    StandardCamera c;
    c.protocol = o.value(QLatin1String("protocol")).toString() == QLatin1String("USB3Vision")
                     ? StandardCamera::Protocol::Usb3Vision
                     : StandardCamera::Protocol::GigEVision;
    c.id = o.value(QLatin1String("id")).toString();
    c.vendor = o.value(QLatin1String("vendor")).toString();
    c.model = o.value(QLatin1String("model")).toString();
    c.serial = o.value(QLatin1String("serial")).toString();
    c.width = uint32_t(o.value(QLatin1String("widthMax")).toInt());
    c.height = uint32_t(o.value(QLatin1String("heightMax")).toInt());
    c.bayer = !o.value(QLatin1String("pixelFormats")).toArray().contains(QStringLiteral("Mono8"));
    return c;
}

} // namespace

class tst_StandardFields : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void listed_data();
    void listed();
    void stableIds();
};

void tst_StandardFields::listed_data()
{
    QTest::addColumn<StandardCamera>("camera");
    QTest::addColumn<int>("type");
    QTest::addColumn<uint32_t>("status");
    QTest::addColumn<QString>("fullModel");

    QTest::newRow("GigE Vision in the host's subnet")
        << gige("192.168.5.20", "192.168.5.1", "255.255.255.0") << 226 << 0u << "Aravis Fake";
    QTest::newRow("GigE Vision in another subnet")
        << gige("10.0.0.20", "192.168.5.1", "255.255.255.0") << 226 << 0x8u << "Aravis Fake";
    QTest::newRow("GigE Vision without an address")
        << gige("0.0.0.0", "192.168.5.1", "255.255.255.0") << 226 << 0x8u << "Aravis Fake";
    QTest::newRow("GigE Vision answering on loopback")
        << gige("127.0.0.1", "", "") << 226 << 0u << "Aravis Fake";
    QTest::newRow("USB3 Vision, recorded")
        << recorded("u3v-camera.json") << 225 << 0u << "Basler daA1920-160um";
}

// The fields pass the world's schema, and the list entry carries what the verdicts read.
void tst_StandardFields::listed()
{
    QFETCH(StandardCamera, camera);
    QFETCH(int, type);
    QFETCH(uint32_t, status);
    QFETCH(QString, fullModel);

    const QJsonObject fields = vygenicam::standardFields(camera, 2345);
    char message[256] = {};
    const QByteArray json = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    QCOMPARE(vysim_plug(json.constData(), message, sizeof message), VY_SUCCESS);

    VY_CAMERA_LIST_ENTRY entry{};
    for (const VY_CAMERA_LIST_ENTRY &e : simtest::cameraList())
        if (e.deviceId == 2345)
            entry = e;
    QCOMPARE(entry.deviceId, 2345u);
    QCOMPARE(int(entry.deviceType), type);
    QCOMPARE(entry.status, status);
    QCOMPARE(QString::fromLatin1(entry.serialNumber, int(qstrnlen(entry.serialNumber, 16))),
             camera.serial);
    QCOMPARE(QString::fromLatin1(entry.fullModelName), fullModel);

    VY_DEVICE_INFO info{};
    QCOMPARE(vy_DeviceInfo(2345 | VY_UNOPENED, VY_DEVICE_INFO_CMD, &info, sizeof info), VY_SUCCESS);
    QCOMPARE(info.device.linkSpeed, uint16_t(type == 226 ? 1000 : 5000));
    uint32_t caps = 0xFFFFFFFF;
    const int32_t capsResult =
        vy_IpConfig(2345, nullptr, VY_IPCONFIG_QUERY_CAPABILITIES, &caps, sizeof caps);
    if (type == 226) {
        QCOMPARE(capsResult, VY_SUCCESS);
        QCOMPARE(caps, VY_IPCONFIG_CAP_PERSISTENT_IP | VY_IPCONFIG_CAP_DHCP);
        const QStringList ip = camera.ip.split(QLatin1Char('.'));
        QCOMPARE(int(info.device.ipAddress[0]), ip.at(0).toInt());
        QCOMPARE(int(info.device.ipAddress[3]), ip.at(3).toInt());
    } else {
        // A USB3 Vision camera has no network configuration.
        QCOMPARE(capsResult, VY_NOT_SUPPORTED);
    }
}

void tst_StandardFields::stableIds()
{
    const uint32_t id = vygenicam::standardDeviceId(QStringLiteral("FAKE001"), {});
    QVERIFY(id >= 2000 && id < 2500);
    QCOMPARE(vygenicam::standardDeviceId(QStringLiteral("FAKE001"), {}), id);
    // Taken by another camera: the next one, wrapping within the range.
    const uint32_t next = id == 2499 ? 2000 : id + 1;
    QCOMPARE(vygenicam::standardDeviceId(QStringLiteral("FAKE001"), {id}), next);
    std::set<uint32_t> all;
    for (uint32_t i = 2000; i < 2500; ++i)
        all.insert(i);
    QCOMPARE(vygenicam::standardDeviceId(QStringLiteral("FAKE001"), all), 0u);
}

VYRO_TEST_GUILESS_MAIN(tst_StandardFields)
#include "tst_standardfields.moc"

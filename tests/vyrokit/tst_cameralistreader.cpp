// tst_cameralistreader.cpp: reading the camera list through the simulator, as both programs do.
#include <QtTest>

#include <cstring>

#include "tests/support/testmain.h"
#include "tests/vyrokit/kittest.h"
#include "vyrokit/cameralistreader.h"

using vyrokit::CameraListReader;
using vyrokit::ListedCamera;

Q_DECLARE_METATYPE(CameraListReader::Step)

namespace {

// What the count-then-list readers below do between their two calls.
uint32_t unplugBetween = 0;
QByteArray plugBetween;

int32_t countThenUnplug(int32_t *count)
{
    const int32_t ret = vy_GetNumberOfCameras(count);
    vysim_unplug(unplugBetween);
    return ret;
}

int32_t countThenPlug(int32_t *count)
{
    const int32_t ret = vy_GetNumberOfCameras(count);
    char message[256] = {};
    vysim_plug(plugBetween.constData(), message, sizeof message);
    return ret;
}

QStringList deviceIds(const CameraListReader &reader)
{
    QStringList ids;
    for (const ListedCamera &c : reader.cameras())
        ids << QString::number(c.deviceId);
    return ids;
}

// The count the program announced to vy_GetCameraList, from the call log.
uint32_t announcedCount()
{
    const auto calls = vysim::callsOf("vy_GetCameraList");
    if (calls.size() != 1 || calls.front().in.size() < 4)
        return 0xFFFFFFFFu;
    uint32_t count = 0;
    std::memcpy(&count, calls.front().in.data(), 4);
    return count;
}

} // namespace

class tst_CameraListReader : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { vysim_clear_forced(nullptr); }
    void listsInOrder_data();
    void listsInOrder();
    void entryFields();
    void texts_data();
    void texts();
    void fieldTextStopsAtFieldEnd_data();
    void fieldTextStopsAtFieldEnd();
    void shrinkingList();
    void growingList();
    void failures_data();
    void failures();
};

void tst_CameraListReader::listsInOrder_data()
{
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("zero_devices") << QStringList() << QStringList();
    QTest::newRow("one_usb") << QStringList{kittest::usbCamera(3)} << QStringList{"3"};
    QTest::newRow("three_kinds") << QStringList{kittest::usbCamera(7),
                                                QStringLiteral("{\"deviceId\": 1001}"),
                                                QStringLiteral(
                                                    "{\"deviceId\": 2001, \"deviceType\": 226}")}
                                 << QStringList{"7", "1001", "2001"};
}

void tst_CameraListReader::listsInOrder()
{
    QFETCH(QStringList, devices);
    QFETCH(QStringList, ids);
    QVERIFY(kittest::loadWorld(devices));
    CameraListReader reader;
    QVERIFY(reader.read());
    QCOMPARE(reader.failedStep(), CameraListReader::Step::None);
    QCOMPARE(reader.result(), int32_t(VY_SUCCESS));
    QCOMPARE(deviceIds(reader), ids);
    QCOMPARE(vysim::callsOf("vy_GetNumberOfCameras").size(), size_t(1));
    // No list call for an empty list; otherwise one, sized for what was counted.
    if (ids.isEmpty()) {
        QVERIFY(vysim::callsOf("vy_GetCameraList").empty());
    } else {
        QCOMPARE(announcedCount(), uint32_t(ids.size()));
    }
}

void tst_CameraListReader::entryFields()
{
    QVERIFY(kittest::loadWorld({QStringLiteral(
        "{\"deviceId\": 12, \"cameraId\": 5, \"sensorId\": 521, \"inUse\": true, "
        "\"serialNumber\": \"4103012345\", \"model\": \"VY-3240CP-M\", \"fullModelName\": "
        "\"VY-3240CP-M-GL\", \"status\": 10, \"deviceType\": \"0x64\", \"variantFlags\": "
        "\"0x40\", \"hardwareVariant\": \"0x0D08\", \"busGeneration\": 2}")}));
    CameraListReader reader;
    QVERIFY(reader.read());
    QCOMPARE(reader.cameras().size(), size_t(1));
    const ListedCamera &c = reader.cameras().front();
    QCOMPARE(c.deviceId, 12u);
    QCOMPARE(c.cameraId, 5u);
    QCOMPARE(c.sensorId, 521u);
    QVERIFY(c.inUse != 0);
    QCOMPARE(c.serialNumber, QStringLiteral("4103012345"));
    QCOMPARE(c.model, QStringLiteral("VY-3240CP-M"));
    QCOMPARE(c.fullModelName, QStringLiteral("VY-3240CP-M-GL"));
    QCOMPARE(c.status, 10u);
    QCOMPARE(c.deviceType, uint8_t(0x64));
    QCOMPARE(c.variantFlags, uint8_t(0x40));
    QCOMPARE(c.hardwareVariant, uint16_t(0x0D08));
    QCOMPARE(c.busGeneration, uint8_t(2));
}

void tst_CameraListReader::texts_data()
{
    // The simulator stores a world's texts as UTF-8 bytes; the reader takes each byte as one
    // Latin-1 character.
    QTest::addColumn<QString>("worldSerial");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << "4103012345"
                           << "4103012345";
    QTest::newRow("non_ascii_bytes")
        << QString::fromUtf8("K\xc3\xa4m1") << QString::fromUtf8("K\xc3\xa4m1");
    QTest::newRow("full_field_without_nul") << "0123456789ABCDEF"
                                            << "0123456789ABCDEF";
    QTest::newRow("multibyte_fills_field") << QString::fromUtf8("0123456789ABCD\xc3\xa4")
                                           << QString::fromUtf8("0123456789ABCD\xc3\xa4");
    QTest::newRow("empty") << ""
                           << "";
}

void tst_CameraListReader::texts()
{
    QFETCH(QString, worldSerial);
    QFETCH(QString, shown);
    QVERIFY(kittest::loadWorld(
        {QStringLiteral("{\"deviceId\": 4, \"serialNumber\": \"%1\"}").arg(worldSerial)}));
    CameraListReader reader;
    QVERIFY(reader.read());
    QCOMPARE(reader.cameras().size(), size_t(1));
    QCOMPARE(reader.cameras().front().serialNumber, shown);
    // The field after the serial number is read on its own.
    QCOMPARE(reader.cameras().front().model, QString());
}

void tst_CameraListReader::fieldTextStopsAtFieldEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("nul_in_middle") << QByteArray("AB\0CD", 5) << "AB";
    QTest::newRow("no_nul") << QByteArray("ABCD") << "ABCD";
    QTest::newRow("utf8_text") << QByteArray("Caf\xc3\xa9") << QString::fromUtf8("Caf\xc3\xa9");
    QTest::newRow("latin1_byte") << QByteArray("Caf\xe9") << QString::fromUtf8("Caf\xef\xbf\xbd");
    QTest::newRow("blank_eeprom") << QByteArray(16, '\xff') << QString(16, QChar(0xFFFD));
    QTest::newRow("leading_nul") << QByteArray("\0AB", 3) << "";
    QTest::newRow("utf8_lead_byte_at_end")
        << QByteArray("AB\xc3") << QString::fromUtf8("AB\xef\xbf\xbd");
}

void tst_CameraListReader::fieldTextStopsAtFieldEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    // A field followed by bytes that must not be read.
    QByteArray memory = bytes + QByteArray("XYZ");
    QCOMPARE(ListedCamera::fieldText(memory.constData(), size_t(bytes.size())), text);
}

void tst_CameraListReader::shrinkingList()
{
    QVERIFY(
        kittest::loadWorld({kittest::usbCamera(1), kittest::usbCamera(2), kittest::usbCamera(3)}));
    unplugBetween = 2;
    CameraListReader reader(countThenUnplug);
    QVERIFY(reader.read());
    QCOMPARE(announcedCount(), 3u);
    QCOMPARE(deviceIds(reader), (QStringList{"1", "3"}));
}

void tst_CameraListReader::growingList()
{
    QVERIFY(kittest::loadWorld({kittest::usbCamera(1)}));
    plugBetween = kittest::usbCamera(2).toUtf8();
    CameraListReader reader(countThenPlug);
    QVERIFY(reader.read());
    // The library fills no more entries than were counted: the buffer is never overrun.
    QCOMPARE(announcedCount(), 1u);
    QCOMPARE(reader.cameras().size(), size_t(1));
    // The next read sees both.
    QVERIFY(reader.read());
    QCOMPARE(deviceIds(reader), (QStringList{"1", "2"}));
}

void tst_CameraListReader::failures_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("code");
    QTest::addColumn<CameraListReader::Step>("step");
    QTest::newRow("count_no_daemon")
        << "vy_GetNumberOfCameras" << VY_NO_DAEMON << CameraListReader::Step::Count;
    QTest::newRow("count_negative")
        << "vy_GetNumberOfCameras" << VY_NO_SUCCESS << CameraListReader::Step::Count;
    QTest::newRow("list_io_failed")
        << "vy_GetCameraList" << VY_IO_REQUEST_FAILED << CameraListReader::Step::List;
}

void tst_CameraListReader::failures()
{
    QFETCH(QString, function);
    QFETCH(int, code);
    QFETCH(CameraListReader::Step, step);
    QVERIFY(kittest::loadWorld({kittest::usbCamera(1), kittest::usbCamera(2)}));
    CameraListReader reader;
    QVERIFY(reader.read());
    QCOMPARE(reader.cameras().size(), size_t(2));
    vysim_force_result(function.toLatin1().constData(), VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, code,
                       1);
    // A failed read drops what an earlier one found.
    QVERIFY(!reader.read());
    QCOMPARE(reader.failedStep(), step);
    QCOMPARE(reader.result(), int32_t(code));
    QVERIFY(reader.cameras().empty());
}

VYRO_TEST_GUILESS_MAIN(tst_CameraListReader)
#include "tst_cameralistreader.moc"

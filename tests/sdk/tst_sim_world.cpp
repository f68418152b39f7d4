// World files: malformed, truncated, unknown fields, wrong types, empty and large worlds, and
// the world file named by VYRO_SIM_WORLD at start-up.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

class tst_SimWorld : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void badWorld_data();
    void badWorld();
    void badFile();
    void emptyWorld();
    void largeWorld();
    void badDevice_data();
    void badDevice();
    void setField_data();
    void setField();
    void namedWorldAtStartup();
    void badNamedWorldAtStartup();
};

void tst_SimWorld::badWorld_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem");
    QTest::newRow("truncated") << QByteArray(R"({"devices": [{"deviceId": 1, "model": "A)")
                               << "line 1";
    QTest::newRow("malformed") << QByteArray("{\n\"devices\": [\n{\"deviceId\": 1,,}]}")
                               << "line 3";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "JSON object";
    QTest::newRow("empty text") << QByteArray("") << "line 1";
    QTest::newRow("unknown top-level")
        << QByteArray(R"({"devices": [], "cameras": []})") << "\"cameras\"";
    QTest::newRow("unknown device field")
        << QByteArray(R"({"devices": [{"deviceId": 5, "colour": "red"}]})") << "\"colour\"";
    QTest::newRow("unknown driver field")
        << QByteArray(R"({"driver": {"libaryVersion": "4.95.1"}})") << "\"libaryVersion\"";
    QTest::newRow("wrong type") << QByteArray(R"({"devices": [{"deviceId": "one"}]})")
                                << "\"deviceId\" must be an integer";
    QTest::newRow("bool as text") << QByteArray(R"({"devices": [{"deviceId": 1, "inUse": "yes"}]})")
                                  << "\"inUse\" must be true or false";
    QTest::newRow("devices not array")
        << QByteArray(R"({"devices": {"deviceId": 1}})") << "\"devices\" must be an array";
    QTest::newRow("device not object") << QByteArray(R"({"devices": [7]})") << "device 1";
    QTest::newRow("missing id") << QByteArray(R"({"devices": [{"model": "X"}]})")
                                << "\"deviceId\" is missing";
    QTest::newRow("duplicate id") << QByteArray(
                                         R"({"devices": [{"deviceId": 3}, {"deviceId": 3}]})")
                                  << "listed twice";
    QTest::newRow("id out of range")
        << QByteArray(R"({"devices": [{"deviceId": 40000}]})") << "from 1 to 32767";
    QTest::newRow("serial too long")
        << QByteArray(R"({"devices": [{"deviceId": 1, "serialNumber": "12345678901234567"}]})")
        << "at most 16";
    QTest::newRow("bad address")
        << QByteArray(R"({"devices": [{"deviceId": 1001, "ipAddress": "192.168.1"}]})")
        << "\"ipAddress\"";
    QTest::newRow("bad port path")
        << QByteArray(R"({"devices": [{"deviceId": 1, "usbPortPath": "1.x"}]})")
        << "\"usbPortPath\"";
    QTest::newRow("bad colour mode")
        << QByteArray(R"({"devices": [{"deviceId": 1, "colorMode": "rgb"}]})") << "\"colorMode\"";
}

void tst_SimWorld::badWorld()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    char message[512] = {};
    QCOMPARE(vysim_load_world_json(json.constData(), message, sizeof message),
             VY_INVALID_PARAMETER);
    QVERIFY2(QString::fromUtf8(message).contains(problem), message);
    // The world in use stays as it was.
    QCOMPARE(simtest::cameraList().size(), size_t(19));
    QCOMPARE(vysim_check_world_json(json.constData(), nullptr, 0), VY_INVALID_PARAMETER);
}

void tst_SimWorld::badFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("world.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(R"({"devices": [{"deviceId": 1, )"));
    file.close();
    char message[512] = {};
    QCOMPARE(vysim_load_world_file(path.toLocal8Bit().constData(), message, sizeof message),
             VY_INVALID_PARAMETER);
    QVERIFY2(QString::fromUtf8(message).contains(path), message);
    QVERIFY2(QString::fromUtf8(message).contains("line 1"), message);
    QCOMPARE(vysim_load_world_file(dir.filePath("missing.json").toLocal8Bit().constData(), message,
                                   sizeof message),
             VY_INVALID_PARAMETER);
    QVERIFY2(QString::fromUtf8(message).contains("missing.json"), message);
    // A message buffer of one byte gets the terminator only.
    char tiny[1] = {'x'};
    QCOMPARE(vysim_load_world_json("{", tiny, 1), VY_INVALID_PARAMETER);
    QCOMPARE(tiny[0], '\0');
}

void tst_SimWorld::emptyWorld()
{
    QCOMPARE(vysim_load_world_json(R"({"devices": []})", nullptr, 0), VY_SUCCESS);
    int32_t n = -1;
    QCOMPARE(vy_GetNumberOfCameras(&n), VY_SUCCESS);
    QCOMPARE(n, 0);
    VY_CAMERA_LIST list = {};
    list.count = 1;
    QCOMPARE(vy_GetCameraList(&list), VY_SUCCESS);
    QCOMPARE(list.count, 0u);
    // The driver values fall back to their defaults.
    QCOMPARE(vy_GetDLLVersion(), 0x045F0001u);
    QCOMPARE(vysim_load_world_json("{}", nullptr, 0), VY_SUCCESS);
    QCOMPARE(vy_GetNumberOfCameras(&n), VY_SUCCESS);
    QCOMPARE(n, 0);
}

void tst_SimWorld::largeWorld()
{
    QJsonArray devices;
    for (int i = 0; i < 200; ++i)
        devices.append(QJsonObject{{"deviceId", 1 + i * 7},
                                   {"cameraId", i % 250},
                                   {"serialNumber", QString::number(100000 + i)}});
    const QByteArray json = QJsonDocument(QJsonObject{{"devices", devices}}).toJson();
    QCOMPARE(vysim_load_world_json(json.constData(), nullptr, 0), VY_SUCCESS);
    const auto list = simtest::cameraList();
    QCOMPARE(list.size(), size_t(200));
    QCOMPARE(list[199].deviceId, 1u + 199 * 7);
    QCOMPARE(QByteArray(list[199].serialNumber), QByteArray("100199"));

    QJsonArray tooMany;
    for (int i = 0; i < 1001; ++i)
        tooMany.append(QJsonObject{{"deviceId", i + 1}});
    char message[256] = {};
    const QByteArray big = QJsonDocument(QJsonObject{{"devices", tooMany}}).toJson();
    QCOMPARE(vysim_load_world_json(big.constData(), message, sizeof message), VY_INVALID_PARAMETER);
    QVERIFY2(QString::fromUtf8(message).contains("too many devices"), message);
}

void tst_SimWorld::badDevice_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem");
    QTest::newRow("taken id") << QByteArray(R"({"deviceId": 1001})") << "already plugged";
    QTest::newRow("unknown field")
        << QByteArray(R"({"deviceId": 1100, "speed": 1})") << "\"speed\"";
    QTest::newRow("no object") << QByteArray("17") << "JSON object";
    QTest::newRow("broken") << QByteArray(R"({"deviceId": )") << "not a JSON value";
}

void tst_SimWorld::badDevice()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    char message[256] = {};
    QCOMPARE(vysim_plug(json.constData(), message, sizeof message), VY_INVALID_PARAMETER);
    QVERIFY2(QString::fromUtf8(message).contains(problem), message);
    QCOMPARE(simtest::cameraList().size(), size_t(19));
}

void tst_SimWorld::setField_data()
{
    QTest::addColumn<uint32_t>("device");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("hex status") << 1001u << QByteArray("deviceStatus") << QByteArray("\"0x100\"")
                                << VY_SUCCESS;
    QTest::newRow("text") << 1u << QByteArray("model") << QByteArray("\"NEW\"") << VY_SUCCESS;
    QTest::newRow("unknown field")
        << 1u << QByteArray("modell") << QByteArray("\"X\"") << VY_INVALID_PARAMETER;
    QTest::newRow("wrong type") << 1u << QByteArray("cameraId") << QByteArray("\"one\"")
                                << VY_INVALID_PARAMETER;
    QTest::newRow("device id") << 1u << QByteArray("deviceId") << QByteArray("9")
                               << VY_INVALID_PARAMETER;
    QTest::newRow("unknown device")
        << 999u << QByteArray("model") << QByteArray("\"X\"") << VY_CAMERA_NOT_FOUND;
    QTest::newRow("not json") << 1u << QByteArray("model") << QByteArray("NEW")
                              << VY_INVALID_PARAMETER;
}

void tst_SimWorld::setField()
{
    QFETCH(uint32_t, device);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, value);
    QFETCH(int32_t, expected);
    char message[256] = {};
    QCOMPARE(vysim_set_device_field(device, field.constData(), value.constData(), message,
                                    sizeof message),
             expected);
    if (expected != VY_SUCCESS)
        QVERIFY(message[0] != '\0');
}

// A program started with VYRO_SIM_WORLD on a fresh state directory sees that world.
void tst_SimWorld::namedWorldAtStartup()
{
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    QTemporaryDir dir;
    QFile file(dir.filePath("two.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"devices": [{"deviceId": 11, "model": "ONE"}, {"deviceId": 1011}]})");
    file.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VYRO_SIM_HOME", dir.filePath("home"));
    env.insert("VYRO_SIM_WORLD", file.fileName());
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), {"list"});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const QByteArray out = p.readAllStandardOutput();
    QVERIFY2(out.contains("ONE") && out.contains("2 device(s)"), out.constData());
}

void tst_SimWorld::badNamedWorldAtStartup()
{
    if (qEnvironmentVariableIsEmpty("VYROSIM"))
        QSKIP("VYROSIM names the vyrosim tool; run through ctest");
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"devices": [{"deviceId": 11, "model": "ONE"}, {"deviceId": 1011, "x": 1}]})");
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VYRO_SIM_HOME", dir.filePath("home"));
    env.remove("VYRO_SIM_WORLD");
    // A state from the default world exists; the bad file must not fall back to it silently.
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), {"list"});
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(first.readAllStandardOutput().contains("19 device(s)"));

    QProcess p;
    env.insert("VYRO_SIM_WORLD", file.fileName());
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(qgetenv("VYROSIM")), {"list"});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    const QByteArray err = p.readAllStandardError();
    QVERIFY2(err.contains("bad.json") && err.contains("device 2 (deviceId 1011)") &&
                 err.contains("\"x\""),
             err.constData());
    QVERIFY(p.readAllStandardOutput().contains("0 device(s)"));
}

VYRO_TEST_GUILESS_MAIN(tst_SimWorld)
#include "tst_sim_world.moc"

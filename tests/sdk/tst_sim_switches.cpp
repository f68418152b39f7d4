// tst_sim_switches.cpp: the simulated driver switches: configuration commands, boot boost and
// its ID list, re-reading the settings; shared with other processes.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "tests/sdk/simtest.h"

Q_DECLARE_METATYPE(std::vector<uint8_t>)

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t readU32(int32_t (*function)(VY_HCAM, uint32_t, void *, uint32_t), uint32_t command,
                 int32_t *result)
{
    uint32_t value = 0xDEADBEEF;
    *result = function(VY_DRIVER_HANDLE, command, &value, sizeof value);
    return value;
}

int32_t writeU32(int32_t (*function)(VY_HCAM, uint32_t, void *, uint32_t), uint32_t command,
                 uint32_t value)
{
    return function(VY_DRIVER_HANDLE, command, &value, sizeof value);
}

Bytes idRecord(const std::vector<uint8_t> &ids, uint32_t count)
{
    Bytes record(VY_BOOTBOOST_IDS_SIZE(ids.size()), 0);
    std::memcpy(record.data(), &count, 4);
    std::copy(ids.begin(), ids.end(), record.begin() + 4);
    return record;
}

std::vector<uint8_t> readIds(int32_t *result)
{
    uint32_t count = 0;
    vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_GET_ID_COUNT, &count, sizeof count);
    Bytes record = idRecord(std::vector<uint8_t>(count, 0), count);
    *result = vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_GET_IDS, record.data(),
                           uint32_t(record.size()));
    uint32_t written = 0;
    std::memcpy(&written, record.data(), 4);
    return std::vector<uint8_t>(record.begin() + 4, record.begin() + 4 + written);
}

} // namespace

class tst_SimSwitches : public QObject
{
    Q_OBJECT
private slots:
    void init() { simtest::resetWorld(); }

    void configurationRoundTrips_data()
    {
        QTest::addColumn<uint32_t>("get");
        QTest::addColumn<uint32_t>("set");
        QTest::addColumn<uint32_t>("value");
        QTest::addColumn<uint32_t>("readBack");
        QTest::newRow("parameter set") << uint32_t(VY_CONFIG_GET_PARAMETERSET)
                                       << uint32_t(VY_CONFIG_SET_PARAMETERSET) << 1u << 1u;
        QTest::newRow("memory compatibility") << uint32_t(VY_CONFIG_GET_MEMORY_COMPAT)
                                              << uint32_t(VY_CONFIG_SET_MEMORY_COMPAT) << 1u << 1u;
        QTest::newRow("trusted pairing") << uint32_t(VY_CONFIG_GET_TRUSTED_PAIRING)
                                         << uint32_t(VY_CONFIG_SET_TRUSTED_PAIRING) << 5u << 1u;
    }

    void configurationRoundTrips()
    {
        QFETCH(uint32_t, get);
        QFETCH(uint32_t, set);
        QFETCH(uint32_t, value);
        QFETCH(uint32_t, readBack);
        int32_t result = -1;
        QCOMPARE(readU32(vy_Configuration, get, &result), 0u);
        QCOMPARE(result, VY_SUCCESS);
        QCOMPARE(writeU32(vy_Configuration, set, value), VY_SUCCESS);
        QCOMPARE(readU32(vy_Configuration, get, &result), readBack);
        QCOMPARE(writeU32(vy_Configuration, set, 0), VY_SUCCESS);
        QCOMPARE(readU32(vy_Configuration, get, &result), 0u);
    }

    void configurationRefusals()
    {
        int32_t result = 0;
        QCOMPARE(readU32(vy_Configuration, VY_CONFIG_GET_CAPABILITIES, &result),
                 uint32_t(VY_CONFIG_CAP_PARAMETERSET));
        QCOMPARE(writeU32(vy_Configuration, VY_CONFIG_SET_PARAMETERSET, 2), VY_INVALID_PARAMETER);
        uint32_t value = 0;
        QCOMPARE(vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_GET_MEMORY_COMPAT, &value, 2),
                 VY_BUFFER_TOO_SMALL);
        QCOMPARE(vy_Configuration(VY_DRIVER_HANDLE, VY_CONFIG_GET_MEMORY_COMPAT, nullptr, 4),
                 VY_INVALID_PARAMETER);
        QCOMPARE(vy_Configuration(0x8001, VY_CONFIG_GET_MEMORY_COMPAT, &value, 4),
                 VY_INVALID_HANDLE);
        QCOMPARE(vy_Configuration(VY_DRIVER_HANDLE, 0x77, &value, 4), VY_NOT_SUPPORTED);
        QVERIFY(SimWorld::setDriverField("trustedPairingSupported", "false"));
        readU32(vy_Configuration, VY_CONFIG_GET_TRUSTED_PAIRING, &result);
        QCOMPARE(result, VY_NOT_SUPPORTED);
        QCOMPARE(writeU32(vy_Configuration, VY_CONFIG_SET_TRUSTED_PAIRING, 1), VY_NOT_SUPPORTED);
    }

    void bootBoostSwitch()
    {
        int32_t result = -1;
        QCOMPARE(readU32(vy_BootBoost, VY_BOOTBOOST_GET_ENABLE, &result), 0u);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_ENABLE, nullptr, 0), VY_SUCCESS);
        QCOMPARE(readU32(vy_BootBoost, VY_BOOTBOOST_GET_ENABLE, &result), 1u);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_DISABLE, nullptr, 0), VY_SUCCESS);
        QCOMPARE(readU32(vy_BootBoost, VY_BOOTBOOST_GET_ENABLE, &result), 0u);
        QCOMPARE(vy_BootBoost(0x8001, VY_BOOTBOOST_ENABLE, nullptr, 0), VY_INVALID_HANDLE);
    }

    void idList()
    {
        Bytes record = idRecord({9, 3, 3, 200}, 4);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_SET_IDS, record.data(),
                              uint32_t(record.size())),
                 VY_SUCCESS);
        int32_t result = -1;
        QCOMPARE(readU32(vy_BootBoost, VY_BOOTBOOST_GET_ID_COUNT, &result), 3u);
        QCOMPARE(readIds(&result), (std::vector<uint8_t>{3, 9, 200}));
        QCOMPARE(result, VY_SUCCESS);
        uint8_t id = 4;
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_ADD_ID, &id, 1), VY_SUCCESS);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_ADD_ID, &id, 1), VY_SUCCESS);
        id = 9;
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_REMOVE_ID, &id, 1), VY_SUCCESS);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_REMOVE_ID, &id, 1), VY_NO_DATA);
        QCOMPARE(readIds(&result), (std::vector<uint8_t>{3, 4, 200}));
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_CLEAR_IDS, nullptr, 0), VY_SUCCESS);
        QCOMPARE(readU32(vy_BootBoost, VY_BOOTBOOST_GET_ID_COUNT, &result), 0u);
    }

    void idListRefusals_data()
    {
        QTest::addColumn<uint32_t>("command");
        QTest::addColumn<Bytes>("buffer");
        QTest::addColumn<int>("result");
        QTest::newRow("ID 0 in a list")
            << uint32_t(VY_BOOTBOOST_SET_IDS) << idRecord({0}, 1) << int(VY_INVALID_PARAMETER);
        QTest::newRow("ID 255 in a list")
            << uint32_t(VY_BOOTBOOST_SET_IDS) << idRecord({255}, 1) << int(VY_INVALID_PARAMETER);
        QTest::newRow("count beyond the buffer")
            << uint32_t(VY_BOOTBOOST_SET_IDS) << Bytes{20, 0, 0, 0, 1, 2}
            << int(VY_BUFFER_TOO_SMALL);
        QTest::newRow("count beyond 254")
            << uint32_t(VY_BOOTBOOST_SET_IDS) << idRecord(std::vector<uint8_t>(255, 1), 255)
            << int(VY_INVALID_PARAMETER);
        QTest::newRow("add 0") << uint32_t(VY_BOOTBOOST_ADD_ID) << Bytes{0}
                               << int(VY_INVALID_PARAMETER);
        QTest::newRow("add 255") << uint32_t(VY_BOOTBOOST_ADD_ID) << Bytes{255}
                                 << int(VY_INVALID_PARAMETER);
        QTest::newRow("add nothing")
            << uint32_t(VY_BOOTBOOST_ADD_ID) << Bytes{} << int(VY_INVALID_PARAMETER);
        QTest::newRow("read into no room")
            << uint32_t(VY_BOOTBOOST_GET_IDS) << idRecord({}, 0) << int(VY_BUFFER_TOO_SMALL);
    }

    // A refused record leaves the list as it was.
    void idListRefusals()
    {
        QFETCH(uint32_t, command);
        QFETCH(Bytes, buffer);
        QFETCH(int, result);
        QVERIFY(SimWorld::setDriverField("bootBoostIds", "[5, 6]"));
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, command, buffer.empty() ? nullptr : buffer.data(),
                              uint32_t(buffer.size())),
                 result);
        int32_t r = -1;
        QCOMPARE(readIds(&r), (std::vector<uint8_t>{5, 6}));
    }

    void fetchRegistryValuesCounts()
    {
        QCOMPARE(vy_FetchRegistryValues(), VY_SUCCESS);
        QCOMPARE(vy_FetchRegistryValues(), VY_SUCCESS);
        std::vector<char> world(1 << 22);
        QCOMPARE(vysim_world_json(world.data(), uint32_t(world.size()), nullptr), VY_SUCCESS);
        const QJsonObject driver = QJsonDocument::fromJson(QByteArray(world.data()))
                                       .object()
                                       .value(QStringLiteral("driver"))
                                       .toObject();
        QCOMPARE(driver.value(QStringLiteral("registryFetches")).toInt(), 2);
    }

    // Another program sees what this one switched.
    void sharedWithOtherPrograms()
    {
        Bytes record = idRecord({1, 2, 3}, 3);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_SET_IDS, record.data(),
                              uint32_t(record.size())),
                 VY_SUCCESS);
        QCOMPARE(vy_BootBoost(VY_DRIVER_HANDLE, VY_BOOTBOOST_ENABLE, nullptr, 0), VY_SUCCESS);
        QCOMPARE(writeU32(vy_Configuration, VY_CONFIG_SET_TRUSTED_PAIRING, 1), VY_SUCCESS);
        QProcess vyrosim;
        vyrosim.start(qEnvironmentVariable("VYROSIM"), {QStringLiteral("world")});
        QVERIFY(vyrosim.waitForFinished(30000));
        QCOMPARE(vyrosim.exitCode(), 0);
        const QJsonObject driver = QJsonDocument::fromJson(vyrosim.readAllStandardOutput())
                                       .object()
                                       .value(QStringLiteral("driver"))
                                       .toObject();
        QCOMPARE(driver.value(QStringLiteral("bootBoostIds")).toArray(), (QJsonArray{1, 2, 3}));
        QCOMPARE(driver.value(QStringLiteral("bootBoost")).toBool(), true);
        QCOMPARE(driver.value(QStringLiteral("trustedPairing")).toInt(), 1);
    }
};

VYRO_TEST_GUILESS_MAIN(tst_SimSwitches)
#include "tst_sim_switches.moc"

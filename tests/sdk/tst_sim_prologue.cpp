// Every exported vy_ function, simulated or not, goes through the common prologue: each call is
// logged under its function and handle, a forced result is answered without acting, and a
// forced failure becomes the last error of the handle it concerns.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <functional>
#include <map>

namespace {

using Call = std::function<int32_t()>;

// A handle that is never open, and the address of a device that is never listed.
constexpr VY_HCAM Bad = 4711;
constexpr VY_HCAM Unlisted = 4711 | VY_UNOPENED;
// A result no simulated call answers by itself.
constexpr int32_t Forced = 4242;

QSet<QString> declaredFunctions()
{
    QFile file(QStringLiteral(VYRO_API_HEADER));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> names;
    const QRegularExpression re(QStringLiteral("VYAPI\\s+[^;(]*?\\b(vy_\\w+)\\s*\\("));
    auto it = re.globalMatch(QString::fromUtf8(file.readAll()));
    while (it.hasNext())
        names.insert(it.next().captured(1));
    return names;
}

struct Row
{
    Call call;
    int32_t handle; // as the log holds it
};

// One harmless call of each function: nothing is open, so none of them acts.
const std::map<QString, Row> &rows()
{
    static VY_HCAM address = Unlisted;
    static const std::map<QString, Row> table = {
        {"vy_GetDLLVersion", {[] { return int32_t(vy_GetDLLVersion()); }, VY_DRIVER_HANDLE}},
        {"vy_GetError", {[] { return vy_GetError(Bad, nullptr, nullptr); }, Bad}},
        {"vy_Func", {[] { return vy_Func(Bad, VY_FUNC_USB_DAEMON_INFO, nullptr, 0); }, Bad}},
        {"vy_Configuration",
         {[] { return vy_Configuration(Bad, VY_CONFIG_GET_CAPABILITIES, nullptr, 0); }, Bad}},
        {"vy_FetchRegistryValues", {[] { return vy_FetchRegistryValues(); }, VY_DRIVER_HANDLE}},
        {"vy_FetchTCPIP_Setup", {[] { return vy_FetchTCPIP_Setup(); }, VY_DRIVER_HANDLE}},
        {"vy_GetNumberOfCameras",
         {[] { return vy_GetNumberOfCameras(nullptr); }, VY_DRIVER_HANDLE}},
        {"vy_GetCameraList", {[] { return vy_GetCameraList(nullptr); }, VY_DRIVER_HANDLE}},
        {"vy_InitCamera",
         {[] {
              address = Unlisted;
              return vy_InitCamera(&address, nullptr);
          },
          Unlisted}},
        {"vy_ExitCamera", {[] { return vy_ExitCamera(Bad); }, Bad}},
        {"vy_GetDuration",
         {[] { return vy_GetDuration(Bad, VY_DURATION_FIRMWARE_UPLOAD, nullptr); }, Bad}},
        {"vy_DeviceInfo",
         {[] { return vy_DeviceInfo(Unlisted, VY_DEVICE_INFO_CMD, nullptr, 0); }, Unlisted}},
        {"vy_Event", {[] { return vy_Event(Bad, VY_EVENT_CMD_WAIT, nullptr, 0); }, Bad}},
        {"vy_Multicast",
         {[] { return vy_Multicast(Unlisted, VY_MULTICAST_GET_SUPPORT, nullptr, 0); }, Unlisted}},
        {"vy_IpConfig",
         {[] { return vy_IpConfig(1001, nullptr, VY_IPCONFIG_GET_PERSISTENT_IP, nullptr, 0); },
          1001}},
        {"vy_AccessAdapterCfg",
         {[] { return vy_AccessAdapterCfg(0, VY_ADAPTER_READ, 0, nullptr, 0); }, VY_DRIVER_HANDLE}},
        {"vy_AccessAdapterCfgByMAC",
         {[] { return vy_AccessAdapterCfgByMAC(nullptr, VY_ADAPTER_READ, 0, nullptr, 0); },
          VY_DRIVER_HANDLE}},
        {"vy_AccessDeviceCfg",
         {[] { return vy_AccessDeviceCfg(Bad, VY_DEVICECFG_READ, nullptr, 0); }, Bad}},
        {"vy_IO", {[] { return vy_IO(Bad, VY_IO_LED_BLINK, nullptr, 0); }, Bad}},
        {"vy_DeviceFeature", {[] { return vy_DeviceFeature(Bad, 1, nullptr, 0); }, Bad}},
        {"vy_CalibrateFPN", {[] { return vy_CalibrateFPN(Bad, 1, nullptr, 0); }, Bad}},
        {"vy_ParameterSet", {[] { return vy_ParameterSet(Bad, 1, nullptr, 0); }, Bad}},
        {"vy_PersistentMemory", {[] { return vy_PersistentMemory(Bad, 1, nullptr, 0); }, Bad}},
        {"vy_BootBoost", {[] { return vy_BootBoost(Bad, 1, nullptr, 0); }, Bad}},
        {"vy_MemContent", {[] { return vy_MemContent(Bad, VY_MEM_READ, 0, 0, nullptr, 0); }, Bad}},
        {"vy_SetCameraID", {[] { return vy_SetCameraID(Bad, 3); }, Bad}},
        {"vy_Renumerate", {[] { return vy_Renumerate(Bad, 0); }, Bad}},
        {"vy_GetCameraInfo", {[] { return vy_GetCameraInfo(Bad, nullptr); }, Bad}},
        {"vy_GetRevisionInfo", {[] { return vy_GetRevisionInfo(Bad, nullptr); }, Bad}},
        {"vy_GetSensorInfo", {[] { return vy_GetSensorInfo(Bad, nullptr); }, Bad}},
        {"vy_SetColorMode", {[] { return vy_SetColorMode(Bad, VY_CM_MONO8); }, Bad}},
        {"vy_AOI", {[] { return vy_AOI(Bad, VY_AOI_IMAGE_GET_AOI, nullptr, 0); }, Bad}},
        {"vy_AllocImageMem",
         {[] { return vy_AllocImageMem(Bad, 640, 480, 8, nullptr, nullptr); }, Bad}},
        {"vy_FreeImageMem", {[] { return vy_FreeImageMem(Bad, nullptr, 1); }, Bad}},
        {"vy_AddToSequence", {[] { return vy_AddToSequence(Bad, nullptr, 1); }, Bad}},
        {"vy_ClearSequence", {[] { return vy_ClearSequence(Bad); }, Bad}},
        {"vy_CaptureVideo", {[] { return vy_CaptureVideo(Bad, VY_DONT_WAIT); }, Bad}},
        {"vy_FreezeVideo", {[] { return vy_FreezeVideo(Bad, VY_DONT_WAIT); }, Bad}},
        {"vy_StopLiveVideo", {[] { return vy_StopLiveVideo(Bad, VY_DONT_WAIT); }, Bad}},
        {"vy_GetActSeqBuf", {[] { return vy_GetActSeqBuf(Bad, nullptr, nullptr, nullptr); }, Bad}},
        {"vy_LockSeqBuf", {[] { return vy_LockSeqBuf(Bad, 1, nullptr); }, Bad}},
        {"vy_UnlockSeqBuf", {[] { return vy_UnlockSeqBuf(Bad, 1, nullptr); }, Bad}},
        {"vy_SetPixelClock", {[] { return vy_SetPixelClock(Bad, VY_GET_PIXEL_CLOCK); }, Bad}},
        {"vy_GetPixelClockRange",
         {[] { return vy_GetPixelClockRange(Bad, nullptr, nullptr); }, Bad}},
        {"vy_GetFrameTimeRange",
         {[] { return vy_GetFrameTimeRange(Bad, nullptr, nullptr, nullptr); }, Bad}},
        {"vy_SetFrameRate", {[] { return vy_SetFrameRate(Bad, 10.0, nullptr); }, Bad}},
        {"vy_GetFramesPerSecond", {[] { return vy_GetFramesPerSecond(Bad, nullptr); }, Bad}},
        {"vy_GetExposureRange",
         {[] { return vy_GetExposureRange(Bad, nullptr, nullptr, nullptr); }, Bad}},
        {"vy_SetExposureTime", {[] { return vy_SetExposureTime(Bad, 10.0, nullptr); }, Bad}},
        {"vy_SetHardwareGain", {[] { return vy_SetHardwareGain(Bad, 10, -1, -1, -1); }, Bad}},
        {"vy_LoadParameters", {[] { return vy_LoadParameters(Bad, nullptr); }, Bad}},
        {"vy_HotPixel",
         {[] { return vy_HotPixel(Bad, VY_HOTPIXEL_GET_CORRECTION_MODE, nullptr, 0); }, Bad}},
    };
    return table;
}

} // namespace

Q_DECLARE_METATYPE(Call)

class TestSimPrologue : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }
    void cleanup() { vysim_clear_forced(nullptr); }

    void everyDeclaredFunctionIsCovered();
    void callIsLogged_data();
    void callIsLogged();
    void forcedResultIsAnswered_data();
    void forcedResultIsAnswered();
    void forcedFailureIsTheDriversLastError_data();
    void forcedFailureIsTheDriversLastError();

private:
    static void addRows();
};

void TestSimPrologue::addRows()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<Call>("call");
    QTest::addColumn<int32_t>("handle");
    for (const auto &row : rows())
        QTest::newRow(qPrintable(row.first)) << row.first << row.second.call << row.second.handle;
}

// A function added to the SDK header without a row here would go untested.
void TestSimPrologue::everyDeclaredFunctionIsCovered()
{
    const QSet<QString> declared = declaredFunctions();
    QVERIFY(declared.size() > 40);
    QSet<QString> covered;
    for (const auto &row : rows())
        covered.insert(row.first);
    for (const QString &name : declared)
        QVERIFY2(covered.contains(name), qPrintable(name + " has no row"));
    for (const QString &name : covered)
        QVERIFY2(declared.contains(name), qPrintable(name + " is not declared"));
}

void TestSimPrologue::callIsLogged_data()
{
    addRows();
}

void TestSimPrologue::callIsLogged()
{
    QFETCH(QString, function);
    QFETCH(Call, call);
    QFETCH(int32_t, handle);

    const int32_t result = call();
    const auto calls = vysim::callsOf(function.toStdString());
    QCOMPARE(int(calls.size()), 1);
    QCOMPARE(calls[0].handle, handle);
    QVERIFY(!calls[0].forced);
    if (function == QLatin1String("vy_GetDLLVersion")) {
        // It answers the version itself, not a code: the log holds the version it returned.
        QCOMPARE(calls[0].result, VY_SUCCESS);
        uint32_t version = 0;
        QCOMPARE(calls[0].out.size(), sizeof version);
        std::memcpy(&version, calls[0].out.data(), sizeof version);
        QCOMPARE(int32_t(version), result);
    } else {
        QCOMPARE(calls[0].result, result);
    }
}

void TestSimPrologue::forcedResultIsAnswered_data()
{
    addRows();
}

void TestSimPrologue::forcedResultIsAnswered()
{
    QFETCH(QString, function);
    QFETCH(Call, call);
    QFETCH(int32_t, handle);

    const QByteArray name = function.toUtf8();
    QCOMPARE(vysim_force_result(name.constData(), VYSIM_ANY_COMMAND, handle, Forced, 1),
             VY_SUCCESS);
    QCOMPARE(call(), Forced);
    // Forced for one call only: the next one acts again.
    QVERIFY(call() != Forced);

    const auto calls = vysim::callsOf(name.toStdString());
    QCOMPARE(int(calls.size()), 2);
    QCOMPARE(calls[0].handle, handle);
    QCOMPARE(calls[0].result, Forced);
    QVERIFY(calls[0].forced);
    QVERIFY(calls[1].result != Forced);
    QVERIFY(!calls[1].forced);
}

// Calls that address no open camera report a forced failure as the driver's last error, which
// is what a caller holding no handle asks for.
void TestSimPrologue::forcedFailureIsTheDriversLastError_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<Call>("call");
    for (const char *function :
         {"vy_FetchRegistryValues", "vy_FetchTCPIP_Setup", "vy_IpConfig", "vy_AccessAdapterCfg",
          "vy_AccessAdapterCfgByMAC", "vy_DeviceInfo", "vy_GetCameraList"})
        QTest::newRow(function) << QString::fromLatin1(function)
                                << rows().at(QString::fromLatin1(function)).call;
}

void TestSimPrologue::forcedFailureIsTheDriversLastError()
{
    QFETCH(QString, function);
    QFETCH(Call, call);

    QCOMPARE(vysim_force_result(function.toUtf8().constData(), VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE,
                                VY_TRANSFER_ERROR, 0),
             VY_SUCCESS);
    // Another failure first, so that an earlier row's error cannot pass for this one.
    QCOMPARE(vy_GetNumberOfCameras(nullptr), VY_INVALID_PARAMETER);
    QCOMPARE(call(), VY_TRANSFER_ERROR);
    int32_t code = 0;
    char *text = nullptr;
    QCOMPARE(vy_GetError(VY_DRIVER_HANDLE, &code, &text), VY_SUCCESS);
    QCOMPARE(code, VY_TRANSFER_ERROR);
    QVERIFY(text);
}

VYRO_TEST_GUILESS_MAIN(TestSimPrologue)
#include "tst_sim_prologue.moc"

// The simulator as a library: its SONAME, that it exports every declared SDK function and
// control (and nothing of its insides), and that no function crashes on null or nonsense
// arguments.
#include "tests/sdk/simtest.h"
#include "tests/support/testmain.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <functional>

namespace {

QSet<QString> declaredFunctions(const QString &header)
{
    QFile file(header);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> names;
    const QRegularExpression re(QStringLiteral("VYAPI\\s+[^;(]*?\\b(vy(?:sim)?_\\w+)\\s*\\("));
    auto it = re.globalMatch(QString::fromUtf8(file.readAll()));
    while (it.hasNext())
        names.insert(it.next().captured(1));
    return names;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(10000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

using Call = std::function<int32_t()>;
Q_DECLARE_METATYPE(Call)

class tst_SimLibrary : public QObject
{
    Q_OBJECT

private slots:
    void init() { simtest::resetWorld(); }

    void soname();
    void exports();
    void nonsenseArguments_data();
    void nonsenseArguments();
};

void tst_SimLibrary::soname()
{
    const QString out = run(QStringLiteral("readelf"), {"-d", QStringLiteral(VYRO_API_LIBRARY)});
    if (out.isEmpty())
        QSKIP("readelf is not available");
    QVERIFY2(out.contains(QStringLiteral("Library soname: [libvyro_api.so.1]")), qPrintable(out));
}

void tst_SimLibrary::exports()
{
    const QString out =
        run(QStringLiteral("nm"), {"-D", "--defined-only", QStringLiteral(VYRO_API_LIBRARY)});
    if (out.isEmpty())
        QSKIP("nm is not available");
    QSet<QString> exported;
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        const QStringList parts = line.simplified().split(QLatin1Char(' '));
        if (parts.size() == 3 && (parts[1] == QLatin1String("T") || parts[1] == QLatin1String("W")))
            exported.insert(parts[2]);
    }
    const QSet<QString> sdk = declaredFunctions(QStringLiteral(VYRO_API_HEADER));
    const QSet<QString> controls = declaredFunctions(QStringLiteral(VYRO_SIM_HEADER));
    QVERIFY(sdk.size() > 40);
    QVERIFY(controls.size() > 15);
    for (const QString &name : sdk)
        QVERIFY2(exported.contains(name), qPrintable(name + " is declared but not exported"));
    for (const QString &name : controls)
        QVERIFY2(exported.contains(name), qPrintable(name + " is declared but not exported"));
    // The simulator's own C++ code stays inside (no vysim:: symbols).
    for (const QString &name : exported)
        QVERIFY2(!name.startsWith(QLatin1String("_ZN5vysim")), qPrintable(name));
}

// Null pointers, zero sizes, handles that are not open: an error code, never a crash.
void tst_SimLibrary::nonsenseArguments_data()
{
    QTest::addColumn<Call>("call");
    const VY_HCAM bad = 4711;
    const VY_HCAM address = 1 | VY_UNOPENED;
#define ROW(name, expr) QTest::newRow(name) << Call([=]() -> int32_t { return int32_t(expr); })
    ROW("GetError", vy_GetError(bad, nullptr, nullptr));
    ROW("Func", vy_Func(bad, VY_FUNC_USB_DAEMON_INFO, nullptr, 500));
    ROW("Configuration", vy_Configuration(0, VY_CONFIG_GET_CAPABILITIES, nullptr, 4));
    ROW("GetNumberOfCameras", vy_GetNumberOfCameras(nullptr));
    ROW("GetCameraList", vy_GetCameraList(nullptr));
    ROW("InitCamera", vy_InitCamera(nullptr, nullptr));
    ROW("ExitCamera", vy_ExitCamera(bad));
    ROW("GetDuration", vy_GetDuration(address, VY_DURATION_FIRMWARE_UPLOAD, nullptr));
    ROW("DeviceInfo", vy_DeviceInfo(address, VY_DEVICE_INFO_CMD, nullptr, VY_DEVICE_INFO_SIZE));
    ROW("Event", vy_Event(bad, VY_EVENT_CMD_WAIT, nullptr, sizeof(VY_EVENT_WAIT)));
    ROW("Multicast", vy_Multicast(address, VY_MULTICAST_GET_SUPPORT, nullptr, 4));
    ROW("IpConfig", vy_IpConfig(1001, nullptr, VY_IPCONFIG_GET_PERSISTENT_IP, nullptr, 12));
    ROW("AccessAdapterCfg", vy_AccessAdapterCfg(0, VY_ADAPTER_READ, 0, nullptr, 160));
    ROW("AccessAdapterCfgByMAC", vy_AccessAdapterCfgByMAC(nullptr, VY_ADAPTER_READ, 0, nullptr, 4));
    ROW("AccessDeviceCfg", vy_AccessDeviceCfg(address, VY_DEVICECFG_READ, nullptr, 140));
    ROW("IO", vy_IO(bad, VY_IO_LED_BLINK, nullptr, 4));
    ROW("DeviceFeature", vy_DeviceFeature(bad, 1, nullptr, 4));
    ROW("CalibrateFPN", vy_CalibrateFPN(bad, 1, nullptr, 4));
    ROW("ParameterSet", vy_ParameterSet(bad, 1, nullptr, 4));
    ROW("PersistentMemory", vy_PersistentMemory(bad, 1, nullptr, 4));
    ROW("BootBoost", vy_BootBoost(bad, 1, nullptr, 4));
    ROW("MemContent", vy_MemContent(bad, VY_MEM_READ, 0, 0, nullptr, 64));
    ROW("SetCameraID", vy_SetCameraID(bad, 3));
    ROW("Renumerate", vy_Renumerate(bad, 0));
    ROW("GetCameraInfo", vy_GetCameraInfo(bad, nullptr));
    ROW("GetRevisionInfo", vy_GetRevisionInfo(bad, nullptr));
    ROW("GetSensorInfo", vy_GetSensorInfo(bad, nullptr));
    ROW("SetColorMode", vy_SetColorMode(bad, VY_CM_MONO8));
    ROW("AOI", vy_AOI(bad, VY_AOI_IMAGE_GET_AOI, nullptr, 16));
    ROW("AllocImageMem", vy_AllocImageMem(bad, 640, 480, 8, nullptr, nullptr));
    ROW("FreeImageMem", vy_FreeImageMem(bad, nullptr, 0));
    ROW("AddToSequence", vy_AddToSequence(bad, nullptr, 0));
    ROW("ClearSequence", vy_ClearSequence(bad));
    ROW("CaptureVideo", vy_CaptureVideo(bad, VY_DONT_WAIT));
    ROW("FreezeVideo", vy_FreezeVideo(bad, VY_WAIT));
    ROW("StopLiveVideo", vy_StopLiveVideo(bad, VY_WAIT));
    ROW("GetActSeqBuf", vy_GetActSeqBuf(bad, nullptr, nullptr, nullptr));
    ROW("LockSeqBuf", vy_LockSeqBuf(bad, -1, nullptr));
    ROW("UnlockSeqBuf", vy_UnlockSeqBuf(bad, -1, nullptr));
    ROW("SetPixelClock", vy_SetPixelClock(bad, VY_GET_PIXEL_CLOCK));
    ROW("GetPixelClockRange", vy_GetPixelClockRange(bad, nullptr, nullptr));
    ROW("GetFrameTimeRange", vy_GetFrameTimeRange(bad, nullptr, nullptr, nullptr));
    ROW("SetFrameRate", vy_SetFrameRate(bad, 10.0, nullptr));
    ROW("GetFramesPerSecond", vy_GetFramesPerSecond(bad, nullptr));
    ROW("GetExposureRange", vy_GetExposureRange(bad, nullptr, nullptr, nullptr));
    ROW("SetExposureTime", vy_SetExposureTime(bad, 10.0, nullptr));
    ROW("SetHardwareGain", vy_SetHardwareGain(bad, 10, -1, -1, -1));
    ROW("LoadParameters", vy_LoadParameters(bad, nullptr));
    ROW("HotPixel", vy_HotPixel(bad, VY_HOTPIXEL_GET_USER_LIST, nullptr, 1000));
#undef ROW
}

void tst_SimLibrary::nonsenseArguments()
{
    QFETCH(Call, call);
    QVERIFY(call() != VY_SUCCESS);
}

VYRO_TEST_GUILESS_MAIN(tst_SimLibrary)
#include "tst_sim_library.moc"

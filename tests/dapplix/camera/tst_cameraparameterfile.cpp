// The camera parameter file: what a file says for a sensor, and what the open camera is set to
// from it, through the simulator.
#include "dapplix/camera/camera.h"
#include "dapplix/camera/cameraparameterfile.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using dapplix::Camera;

Q_DECLARE_METATYPE(CameraParameterFile::Outcome)

namespace {

// Device 1 of the default world carries sensor 0x21A.
constexpr int Device = 1;
constexpr quint16 SensorId = 0x21A;

QByteArray settings(const QByteArray &sensors)
{
    return "<?xml version=\"1.0\"?>\n<CameraSettings>\n" + sensors + "</CameraSettings>\n";
}

QByteArray sensor(const QByteArray &id, const QByteArray &exposure = "250.5",
                  const QByteArray &pixelclock = "20", const QByteArray &framerate = "3.5",
                  const QByteArray &gain = "<Gain master=\"40\" red=\"1\" green=\"2\" blue=\"3\"/>")
{
    return "<Sensor ID=\"" + id + "\"><Timing exposure=\"" + exposure + "\" pixelclock=\"" +
           pixelclock + "\" framerate=\"" + framerate + "\"/>" + gain + "</Sensor>\n";
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The camera's values as the simulator holds them, asked past the program's own records.
int sdkPixelclock(VY_HCAM h)
{
    return vy_SetPixelClock(h, VY_GET_PIXEL_CLOCK);
}

int sdkMastergain(VY_HCAM h)
{
    return vy_SetHardwareGain(h, VY_GET_MASTER_GAIN, VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER,
                              VY_IGNORE_PARAMETER);
}

double sdkExposure(VY_HCAM h)
{
    double exposure = -1.0;
    vy_SetExposureTime(h, VY_GET_EXPOSURE_TIME, &exposure);
    return exposure;
}

} // namespace

class tst_CameraParameterFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void parse_data();
    void parse();
    void deepNesting_data();
    void deepNesting();
    void readRefusals();
    void missingFileGivesDarkFrameDefaults();
    void defaults_data();
    void defaults();
    void matchingEntryIsApplied();
    void valuesOutOfRangeAreClamped();
    void firstOfDuplicateIdsIsApplied();

private:
    // Opens the camera with the working directory at a fresh folder holding content as the
    // parameter file (no file for a null content), then applies it.
    void openWith(Camera &camera, const QByteArray &content);

    QTemporaryDir m_dir;
    QString m_previousDir;
};

void tst_CameraParameterFile::init()
{
    QVERIFY(SimWorld::reset());
    QVERIFY(m_dir.isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QFile::remove(CameraParameterFile::defaultFileName());
}

void tst_CameraParameterFile::cleanup()
{
    QDir::setCurrent(m_previousDir);
}

void tst_CameraParameterFile::openWith(Camera &camera, const QByteArray &content)
{
    if (!content.isNull())
        QVERIFY(writeFile(CameraParameterFile::defaultFileName(), content));
    camera.open(Device);
    QVERIFY(camera.isOpen());
    // A setting the file or the defaults change is seen as a change, not as the start value.
    camera.setMastergain(7);
    vysim_log_clear();
    camera.setAutoConfig();
}

void tst_CameraParameterFile::parse_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<CameraParameterFile::Outcome>("outcome");
    QTest::addColumn<double>("exposure");
    QTest::addColumn<int>("pixelclock");
    QTest::addColumn<double>("framerate");
    QTest::addColumn<QVector<int>>("gains");

    using O = CameraParameterFile::Outcome;
    const QVector<int> none{0, 0, 0, 0};
    QTest::newRow("empty") << QByteArray("") << O::Unreadable << 0.0 << 0 << 0.0 << none;
    QTest::newRow("not_xml") << QByteArray("exposure=300\n") << O::Unreadable << 0.0 << 0 << 0.0
                             << none;
    QTest::newRow("truncated") << QByteArray("<CameraSettings><Sensor ID=\"21A\">") << O::Unreadable
                               << 0.0 << 0 << 0.0 << none;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01", 5) << O::Unreadable << 0.0 << 0
                            << 0.0 << none;
    QTest::newRow("wrong_root") << ("<Settings>" + sensor("21A") + "</Settings>") << O::NoEntry
                                << 0.0 << 0 << 0.0 << none;
    QTest::newRow("root_case_differs") << ("<camerasettings>" + sensor("21A") + "</camerasettings>")
                                       << O::NoEntry << 0.0 << 0 << 0.0 << none;
    QTest::newRow("other_sensors")
        << settings(sensor("21B") + sensor("62")) << O::NoEntry << 0.0 << 0 << 0.0 << none;
    QTest::newRow("no_sensors") << settings("") << O::NoEntry << 0.0 << 0 << 0.0 << none;
    QTest::newRow("match") << settings(sensor("62") + sensor("21A")) << O::Found << 250.5 << 20
                           << 3.5 << QVector<int>{40, 1, 2, 3};
    QTest::newRow("match_lower_case_hex")
        << settings(sensor("21a")) << O::Found << 250.5 << 20 << 3.5 << QVector<int>{40, 1, 2, 3};
    QTest::newRow("match_0x_prefix")
        << settings(sensor("0x21A")) << O::Found << 250.5 << 20 << 3.5 << QVector<int>{40, 1, 2, 3};
    QTest::newRow("match_decimal_look_alike")
        << settings(sensor("538")) << O::NoEntry << 0.0 << 0 << 0.0 << none;
    QTest::newRow("matching_without_timing")
        << settings("<Sensor ID=\"21A\"><Gain master=\"40\"/></Sensor>") << O::NoEntry << 0.0 << 0
        << 0.0 << none;
    QTest::newRow("timing_case_differs")
        << settings("<Sensor ID=\"21A\"><timing exposure=\"5\"/></Sensor>") << O::NoEntry << 0.0
        << 0 << 0.0 << none;
    QTest::newRow("without_gain") << settings(sensor("21A", "100", "10", "2", "")) << O::Found
                                  << 100.0 << 10 << 2.0 << none;
    QTest::newRow("missing_attributes")
        << settings("<Sensor ID=\"21A\"><Timing pixelclock=\"12\"/><Gain red=\"9\"/></Sensor>")
        << O::Found << 0.0 << 12 << 0.0 << QVector<int>{0, 9, 0, 0};
    QTest::newRow("values_not_numbers")
        << settings(sensor("21A", "long", "fast", "1e", "<Gain master=\"x\" red=\"1.5\"/>"))
        << O::Found << 0.0 << 0 << 0.0 << none;
    QTest::newRow("id_not_hex_skipped") << settings(sensor("XYZ") + sensor("21A", "77")) << O::Found
                                        << 77.0 << 20 << 3.5 << QVector<int>{40, 1, 2, 3};
    QTest::newRow("id_missing_skipped")
        << settings("<Sensor><Timing exposure=\"1\"/></Sensor>" + sensor("21A", "78")) << O::Found
        << 78.0 << 20 << 3.5 << QVector<int>{40, 1, 2, 3};
    QTest::newRow("id_too_large") << settings(sensor("1021A")) << O::NoEntry << 0.0 << 0 << 0.0
                                  << none;
    QTest::newRow("duplicate_ids_first_wins")
        << settings(sensor("21A", "111") + sensor("21A", "222")) << O::Found << 111.0 << 20 << 3.5
        << QVector<int>{40, 1, 2, 3};
    QTest::newRow("other_nodes_skipped")
        << settings("<!-- c --><Camera ID=\"21A\"/>text<?pi x?>" + sensor("21A", "5")) << O::Found
        << 5.0 << 20 << 3.5 << QVector<int>{40, 1, 2, 3};
    QTest::newRow("nested_sensor_not_seen") << settings("<Group>" + sensor("21A") + "</Group>")
                                            << O::NoEntry << 0.0 << 0 << 0.0 << none;
    QTest::newRow("values_out_of_range")
        << settings(sensor("21A", "1e300", "99999999999", "-5",
                           "<Gain master=\"-40\" red=\"500\" green=\"0\" blue=\"0\"/>"))
        << O::Found << 1e300 << 0 << -5.0 << QVector<int>{-40, 500, 0, 0};
}

void tst_CameraParameterFile::parse()
{
    QFETCH(QByteArray, content);
    QFETCH(CameraParameterFile::Outcome, outcome);
    QFETCH(double, exposure);
    QFETCH(int, pixelclock);
    QFETCH(double, framerate);
    QFETCH(QVector<int>, gains);

    CameraParameterFile::Settings s;
    s.master = -1;
    QCOMPARE(CameraParameterFile::parse(content, SensorId, &s), outcome);
    if (outcome != CameraParameterFile::Outcome::Found) {
        QCOMPARE(s.master, -1);
        return;
    }
    QCOMPARE(s.exposure, exposure);
    QCOMPARE(s.pixelclock, pixelclock);
    QCOMPARE(s.framerate, framerate);
    QCOMPARE((QVector<int>{s.master, s.red, s.green, s.blue}), gains);
}

void tst_CameraParameterFile::deepNesting_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("asFile");
    // Ten megabytes of opening tags, as a file (larger than any parameter file) and as content.
    QTest::newRow("10MB_file") << 10 * 1024 * 1024 / 3 << true;
    QTest::newRow("10MB_content") << 10 * 1024 * 1024 / 3 << false;
    QTest::newRow("deep_within_size") << 100000 << true;
    QTest::newRow("just_too_deep") << CameraParameterFile::maxDepth << false;
}

void tst_CameraParameterFile::deepNesting()
{
    QFETCH(int, levels);
    QFETCH(bool, asFile);
    // The root and a sensor entry at the bottom, so that only the depth makes it wrong.
    QByteArray content = "<CameraSettings>" + sensor("21A");
    content.reserve(levels * 3 + 64);
    for (int i = 0; i < levels; ++i)
        content += "<a>";
    for (int i = 0; i < levels && content.size() < 2 * 1024 * 1024; ++i)
        content += "</a>";
    content += "</CameraSettings>";
    CameraParameterFile::Settings s;
    if (asFile) {
        QVERIFY(writeFile(CameraParameterFile::defaultFileName(), content));
        QCOMPARE(CameraParameterFile::read(CameraParameterFile::defaultFileName(), SensorId, &s),
                 CameraParameterFile::Outcome::Unreadable);
    } else {
        QCOMPARE(CameraParameterFile::parse(content, SensorId, &s),
                 CameraParameterFile::Outcome::Unreadable);
    }
}

void tst_CameraParameterFile::readRefusals()
{
    CameraParameterFile::Settings s;
    QCOMPARE(CameraParameterFile::read(QStringLiteral("absent.xml"), SensorId, &s),
             CameraParameterFile::Outcome::Unreadable);
    QVERIFY(QDir().mkdir(QStringLiteral("folder.xml")));
    QCOMPARE(CameraParameterFile::read(QStringLiteral("folder.xml"), SensorId, &s),
             CameraParameterFile::Outcome::Unreadable);
    // A named pipe in its place must not keep "Open camera" waiting for a writer.
    QVERIFY(::mkfifo("pipe.xml", 0600) == 0);
    QCOMPARE(CameraParameterFile::read(QStringLiteral("pipe.xml"), SensorId, &s),
             CameraParameterFile::Outcome::Unreadable);
    // Just within the size limit and well formed: read.
    QByteArray padded = settings(sensor("21A", "12"));
    padded.insert(padded.indexOf("<CameraSettings>"),
                  "<!--" +
                      QByteArray(int(CameraParameterFile::maxFileSize) - padded.size() - 7, 'x') +
                      "-->");
    QCOMPARE(padded.size(), int(CameraParameterFile::maxFileSize));
    QVERIFY(writeFile(QStringLiteral("big.xml"), padded));
    QCOMPARE(CameraParameterFile::read(QStringLiteral("big.xml"), SensorId, &s),
             CameraParameterFile::Outcome::Found);
    QCOMPARE(s.exposure, 12.0);
    QVERIFY(writeFile(QStringLiteral("big.xml"), padded.insert(0, ' ')));
    QCOMPARE(CameraParameterFile::read(QStringLiteral("big.xml"), SensorId, &s),
             CameraParameterFile::Outcome::Unreadable);
}

void tst_CameraParameterFile::missingFileGivesDarkFrameDefaults()
{
    Camera camera;
    QSignalSpy errors(&camera, &Camera::displayError);
    openWith(camera, QByteArray());
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("Can't open camera parameter file."));
    QCOMPARE(errors.at(0).at(1).toInt(), 2000);

    const VY_HCAM h = camera.handle();
    // One frame per second is reachable on this sensor once the clock is lowered.
    QVERIFY(camera.framerateParameter().min <= 1.0);
    QVERIFY(qAbs(camera.framerateParameter().value - 1.0) < 0.01);
    QVERIFY(sdkPixelclock(h) < camera.pixelclockParameter().max);
    QCOMPARE(sdkPixelclock(h), camera.pixelclockParameter().value);
    QVERIFY(camera.exposureParameter().value >= 300.0 - camera.exposureParameter().inc);
    QCOMPARE(sdkExposure(h), camera.exposureParameter().value);
    QCOMPARE(camera.mastergainParameter().value, 50);
    QCOMPARE(sdkMastergain(h), 50);
    // The clock was halved step by step, each step a call of its own.
    std::vector<uint32_t> clocks;
    for (const auto &call : vysim::callsOf("vy_SetPixelClock"))
        if (call.command < VY_GET_PIXEL_CLOCK)
            clocks.push_back(call.command);
    QVERIFY(!clocks.empty());
    for (size_t i = 1; i < clocks.size(); ++i)
        QCOMPARE(clocks[i], clocks[i - 1] / 2);
}

void tst_CameraParameterFile::defaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("reported");
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("not_xml") << QByteArray("<<<") << true;
    QTest::newRow("wrong_root") << ("<Settings>" + sensor("21A") + "</Settings>") << false;
    QTest::newRow("other_sensors") << settings(sensor("62") + sensor("230")) << false;
    QTest::newRow("matching_without_timing")
        << settings("<Sensor ID=\"21A\"><Gain master=\"5\"/></Sensor>") << false;
}

void tst_CameraParameterFile::defaults()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, reported);
    Camera camera;
    QSignalSpy errors(&camera, &Camera::displayError);
    openWith(camera, content);
    QCOMPARE(errors.count(), reported ? 1 : 0);
    QVERIFY(qAbs(camera.framerateParameter().value - 1.0) < 0.01);
    QVERIFY(camera.exposureParameter().value >= 300.0 - camera.exposureParameter().inc);
    QCOMPARE(sdkMastergain(camera.handle()), 50);
}

void tst_CameraParameterFile::matchingEntryIsApplied()
{
    Camera camera;
    QSignalSpy errors(&camera, &Camera::displayError);
    openWith(camera, settings(sensor("21A", "40", "20", "3.5")));
    QCOMPARE(errors.count(), 0);
    const VY_HCAM h = camera.handle();
    QCOMPARE(sdkPixelclock(h), 20);
    QCOMPARE(camera.pixelclockParameter().value, 20);
    QVERIFY(qAbs(camera.framerateParameter().value - 3.5) < 0.05);
    QVERIFY(qAbs(sdkExposure(h) - 40.0) <= camera.exposureParameter().inc);
    QCOMPARE(sdkMastergain(h), 40);
    QCOMPARE(camera.mastergainParameter().value, 40);
    const auto clocks = vysim::callsOf("vy_SetPixelClock");
    QVERIFY(!clocks.empty());
    QCOMPARE(clocks.front().command, uint32_t(20));
}

void tst_CameraParameterFile::valuesOutOfRangeAreClamped()
{
    Camera camera;
    openWith(camera, settings(sensor("21A", "1e9", "100000", "1000",
                                     "<Gain master=\"500\" red=\"0\" green=\"0\" blue=\"0\"/>")));
    const VY_HCAM h = camera.handle();
    QCOMPARE(sdkPixelclock(h), camera.pixelclockParameter().max);
    QCOMPARE(camera.framerateParameter().value, camera.framerateParameter().max);
    QCOMPARE(camera.exposureParameter().value, sdkExposure(h));
    QVERIFY(camera.exposureParameter().value <= camera.exposureParameter().max);
    QCOMPARE(sdkMastergain(h), camera.mastergainParameter().max);

    Camera low;
    camera.close();
    openWith(low, settings(sensor("21A", "-3", "-7", "0.0001",
                                  "<Gain master=\"-9\" red=\"0\" green=\"0\" blue=\"0\"/>")));
    QCOMPARE(sdkPixelclock(low.handle()), low.pixelclockParameter().min);
    QCOMPARE(low.framerateParameter().value, low.framerateParameter().min);
    QCOMPARE(sdkMastergain(low.handle()), low.mastergainParameter().min);
}

void tst_CameraParameterFile::firstOfDuplicateIdsIsApplied()
{
    Camera camera;
    openWith(camera, settings(sensor("21A", "40", "18") + sensor("21A", "90", "30")));
    QCOMPARE(sdkPixelclock(camera.handle()), 18);
    QVERIFY(qAbs(sdkExposure(camera.handle()) - 40.0) <= camera.exposureParameter().inc);
}

VYRO_TEST_MAIN(tst_CameraParameterFile)
#include "tst_cameraparameterfile.moc"

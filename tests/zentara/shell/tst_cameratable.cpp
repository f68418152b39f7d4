// tst_cameratable.cpp: "zentara --list" and "--json" without a display, against what the
// window shows for every camera.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTextDocument>
#include <QtTest>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/inventory/camerastatus.h"
#include "zentara/shell/cameratable.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"

using zentara::Camera;

using shelltest::child;

namespace {

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// zentara as over SSH: no display, no platform chosen, the given language.
Result runZentara(const QStringList &arguments, const QString &language)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), language);
    env.insert(QStringLiteral("LC_ALL"), language);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZENTARA_BIN), arguments);
    Result r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

QString plain(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

} // namespace

class tst_CameraTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void jsonMatchesTheWindow();
    void listMatchesTheJson();
    void listInGerman();
    void jsonIsStable_data();
    void jsonIsStable();
    void oldLibraryIsRefused_data();
    void oldLibraryIsRefused();
    void emptyListSaysWhy_data();
    void emptyListSaysWhy();
    void helpNamesTheOptions();
    void plainText_data();
    void plainText();
    void unreadableLibraryFails();

private:
    QTemporaryDir m_dir;
    RecordingDialogRunner m_dialogs;
};

void tst_CameraTable::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
}

void tst_CameraTable::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
}

void tst_CameraTable::jsonMatchesTheWindow()
{
    const Result r = runZentara({QStringLiteral("--json")}, QStringLiteral("C"));
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonArray cameras = doc.object().value(QStringLiteral("cameras")).toArray();
    QVERIFY(!doc.object().contains(QStringLiteral("error")));
    const auto listed = SimWorld::cameraList();
    QCOMPARE(cameras.size(), int(listed.size()));

    QVyroZentara w(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
    w.show();
    for (int i = 0; i < cameras.size(); ++i) {
        const QJsonObject c = cameras.at(i).toObject();
        const uint32_t deviceId = uint32_t(c.value(QStringLiteral("deviceId")).toInt());
        QCOMPARE(deviceId, listed[size_t(i)].deviceId);
        const Camera camera = shelltest::cameraOf(deviceId);
        QCOMPARE(c.value(QStringLiteral("cameraId")).toInt(), int(camera.cameraId()));
        QCOMPARE(c.value(QStringLiteral("type")).toString(), camera.typeText());
        QCOMPARE(c.value(QStringLiteral("serialNumber")).toString(), camera.serialNumber());
        QCOMPARE(c.value(QStringLiteral("free")), QJsonValue(CameraStatus::isFree(camera)));
        QCOMPARE(c.value(QStringLiteral("bootBoost")),
                 QJsonValue(CameraStatus::isFreeInBootBoost(camera)));
        QCOMPARE(c.value(QStringLiteral("available")),
                 QJsonValue(CameraStatus::isAvailable(camera)));
        QCOMPARE(c.value(QStringLiteral("verdict")).toString(),
                 CameraStatus::evaluate(&camera).key);
        QVERIFY(!c.value(QStringLiteral("model")).toString().isNull());
        // The sentence the window shows for this camera, without its markup.
        QVERIFY2(shelltest::selectCamera(w, deviceId), qPrintable(QString::number(deviceId)));
        const QString shown = plain(child<QLabel>(w, "statusLabel")->text());
        QCOMPARE(c.value(QStringLiteral("status")).toString(), shown);
        QVERIFY(!shown.contains(QLatin1Char('<')));
    }
}

void tst_CameraTable::listMatchesTheJson()
{
    const Result text = runZentara({QStringLiteral("--list")}, QStringLiteral("C"));
    QVERIFY2(text.exitCode == 0, text.err.constData());
    const Result json = runZentara({QStringLiteral("--json")}, QStringLiteral("C"));
    const QJsonArray cameras =
        QJsonDocument::fromJson(json.out).object().value(QStringLiteral("cameras")).toArray();
    QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), cameras.size() + 1);
    const QStringList header = lines.takeFirst().simplified().split(QLatin1Char(' '));
    QCOMPARE(header, (QStringList{"Type", "Cam.", "ID", "Dev.", "ID", "Model", "Ser.", "No.",
                                  "Free", "Avail.", "Status"}));
    for (int i = 0; i < cameras.size(); ++i) {
        const QJsonObject c = cameras.at(i).toObject();
        const QString line = lines.at(i);
        QVERIFY2(line.startsWith(c.value(QStringLiteral("type")).toString()), qPrintable(line));
        QVERIFY2(line.endsWith(c.value(QStringLiteral("status")).toString()), qPrintable(line));
        QVERIFY(line.contains(QString::number(c.value(QStringLiteral("deviceId")).toInt())));
        QVERIFY(!line.contains(QLatin1String("<font")));
    }
    // Every status starts in the same column.
    QVERIFY(text.out.contains("Status of device 1004: ") || text.out.contains("incompatible"));
}

void tst_CameraTable::listInGerman()
{
    const Result r = runZentara({QStringLiteral("--list")}, QStringLiteral("de_DE.UTF-8"));
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString out = QString::fromUtf8(r.out);
    QVERIFY2(out.startsWith(QStringLiteral("Typ ")), qPrintable(out.left(200)));
    QVERIFY(out.contains(QStringLiteral(" Ja ")));
    // The list's column titles read as in the window.
    const QStringList header = out.section(QLatin1Char('\n'), 0, 0).simplified().split(' ');
    QCOMPARE(header, (QStringList{QStringLiteral("Typ"), QStringLiteral("Kam.-ID"),
                                  QStringLiteral("Geräte-ID"), QStringLiteral("Modell"),
                                  QStringLiteral("Ser.-Nr."), QStringLiteral("Frei"),
                                  QStringLiteral("Verfügb."), QStringLiteral("Status")}));
    QVERIFY(!out.contains(QStringLiteral("Status of device")));
}

// The JSON is a stable interface: the same keys, types and English sentences in every locale
// unless --lang asks for another language.
void tst_CameraTable::jsonIsStable_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("german");
    QTest::newRow("C") << "C" << QStringList{"--json"} << false;
    QTest::newRow("German locale") << "de_DE.UTF-8" << QStringList{"--json"} << false;
    QTest::newRow("German locale, --lang en")
        << "de_DE.UTF-8" << QStringList{"--json", "--lang", "en"} << false;
    QTest::newRow("--lang de") << "C" << QStringList{"--json", "--lang=de"} << true;
}

void tst_CameraTable::jsonIsStable()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(bool, german);
    const Result r = runZentara(arguments, locale);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(root.value(QStringLiteral("version")), QJsonValue(CameraTable::jsonVersion));
    const QJsonArray cameras = root.value(QStringLiteral("cameras")).toArray();
    QVERIFY(!cameras.isEmpty());
    const QStringList keys{"available", "bootBoost",    "cameraId", "deviceId", "free",
                           "model",     "serialNumber", "status",   "type",     "verdict"};
    bool sawReady = false;
    for (const QJsonValue &value : cameras) {
        const QJsonObject c = value.toObject();
        QCOMPARE(c.keys(), keys);
        for (const char *flag : {"free", "bootBoost", "available"})
            QVERIFY2(c.value(QLatin1String(flag)).isBool(), flag);
        QVERIFY(c.value(QStringLiteral("cameraId")).isDouble());
        QVERIFY(c.value(QStringLiteral("deviceId")).isDouble());
        const QString verdict = c.value(QStringLiteral("verdict")).toString();
        QVERIFY(!verdict.isEmpty());
        const QString status = c.value(QStringLiteral("status")).toString();
        if (verdict == QLatin1String("ready")) {
            sawReady = true;
            QCOMPARE(status.startsWith(QStringLiteral("Status of device")), !german);
            QCOMPARE(status.contains(QStringLiteral("Gerät")), german);
        }
    }
    QVERIFY(sawReady);
}

// A library the window refuses is refused on the terminal too, with the window's message.
void tst_CameraTable::oldLibraryIsRefused_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("--list") << "--list";
    QTest::newRow("--json") << "--json";
}

void tst_CameraTable::oldLibraryIsRefused()
{
    QFETCH(QString, option);
    QVERIFY(SimWorld::setDriverField("libraryVersion", "\"4.80.3\""));
    const Result r = runZentara({option}, QStringLiteral("C"));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("doesn't work with libOrv Vyro_api < 4.81!"), r.err.constData());
    if (option == QLatin1String("--json")) {
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(root.value(QStringLiteral("error")).toString(), QStringLiteral("library-too-old"));
        QVERIFY(root.value(QStringLiteral("cameras")).toArray().isEmpty());
    } else {
        QCOMPARE(r.out, QByteArray());
    }
}

// An empty list says why in one line: below the header, or on standard error beside JSON.
void tst_CameraTable::emptyListSaysWhy_data()
{
    QTest::addColumn<bool>("daemonsStopped");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("why");
    const QString none = QStringLiteral("No camera is connected.");
    const QString stopped =
        QStringLiteral("No camera: the USB and the GigE driver daemons are both stopped.");
    QTest::newRow("no camera, --list") << false << "--list" << none;
    QTest::newRow("no camera, --json") << false << "--json" << none;
    QTest::newRow("daemons stopped, --list") << true << "--list" << stopped;
    QTest::newRow("daemons stopped, --json") << true << "--json" << stopped;
}

void tst_CameraTable::emptyListSaysWhy()
{
    QFETCH(bool, daemonsStopped);
    QFETCH(QString, option);
    QFETCH(QString, why);
    QVERIFY(SimWorld::load({}));
    if (daemonsStopped) {
        QCOMPARE(vysim_set_daemon(VYSIM_DAEMON_USB, 0), VY_SUCCESS);
        QCOMPARE(vysim_set_daemon(VYSIM_DAEMON_ETH, 0), VY_SUCCESS);
    }
    const Result r = runZentara({option}, QStringLiteral("C"));
    QVERIFY2(r.exitCode == 0, r.err.constData());
    if (option == QLatin1String("--json")) {
        QCOMPARE(QString::fromUtf8(r.err), why + QLatin1Char('\n'));
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        QVERIFY(root.value(QStringLiteral("cameras")).toArray().isEmpty());
        QVERIFY(!root.contains(QStringLiteral("error")));
    } else {
        const QStringList lines = QString::fromUtf8(r.out).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("Type")), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(1), why);
        QCOMPARE(r.err, QByteArray());
    }
}

void tst_CameraTable::helpNamesTheOptions()
{
    const Result r = runZentara({QStringLiteral("--help")}, QStringLiteral("C"));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains("--list"));
    QVERIFY(r.out.contains("--json"));
}

void tst_CameraTable::plainText_data()
{
    QTest::addColumn<QString>("rich");
    QTest::addColumn<QString>("plain");
    QTest::newRow("coloured") << "<font color='#ff0000'>Red &amp; bold</font>"
                              << "Red & bold";
    QTest::newRow("line breaks") << "one<br/>two\nthree"
                                 << "one two three";
    QTest::newRow("entities") << "a &lt;b&gt; &quot;c&quot;"
                              << "a <b> \"c\"";
    QTest::newRow("plain") << "Status of device 5: "
                           << "Status of device 5:";
}

void tst_CameraTable::plainText()
{
    QFETCH(QString, rich);
    QFETCH(QString, plain);
    QCOMPARE(CameraTable::plainText(rich), plain);
}

void tst_CameraTable::unreadableLibraryFails()
{
    vysim_force_result("vy_GetNumberOfCameras", VYSIM_ANY_COMMAND, VYSIM_ANY_HANDLE, VY_NO_DAEMON,
                       0);
    CameraTable table;
    QVERIFY(!table.read());
    QCOMPARE(table.result(), VY_NO_DAEMON);
    QVERIFY(table.rows().isEmpty());
    QCOMPARE(table.failure(), CameraTable::Failure::ListFailed);
    const QJsonObject o = QJsonDocument::fromJson(table.json()).object();
    QCOMPARE(o.value(QStringLiteral("error")).toString(), QStringLiteral("list-failed"));
    QCOMPARE(o.value(QStringLiteral("errorCode")).toInt(), VY_NO_DAEMON);
    // The SDK's own message, with its code.
    QCOMPARE(o.value(QStringLiteral("message")).toString(),
             QStringLiteral("The camera list could not be read: The driver daemon is not running "
                            "(code 7)."));
    QCOMPARE(o.value(QStringLiteral("cameras")).toArray().size(), 0);
    vysim_clear_forced(nullptr);
    QVERIFY(table.read());
    QCOMPARE(table.rows().size(), int(SimWorld::cameraList().size()));
}

VYRO_TEST_MAIN(tst_CameraTable)
#include "tst_cameratable.moc"

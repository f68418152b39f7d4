// tst_startup.cpp: the start-up sequence: library version check, command line, the window.
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/devinfo/libraryversion.h"
#include "zentara/shell/commandline.h"
#include "zentara/shell/startup.h"

#include "vyro_version.h"

using Dialog = RecordingDialogRunner::Dialog;

namespace {

uint32_t packed(uint32_t major, uint32_t minor, uint32_t build)
{
    return (major << 24) | (minor << 16) | build;
}

bool setLibraryVersion(const char *version)
{
    const QByteArray json = QByteArray("\"") + version + '"';
    return SimWorld::setDriverField("libraryVersion", json.constData());
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void isSupported_data();
    void isSupported();
    void refusedLibraryShowsTheMessage_data();
    void refusedLibraryShowsTheMessage();
    void refusedLibraryEndsWithOne();
    void acceptedLibraryShowsTheWindow_data();
    void acceptedLibraryShowsTheWindow();
    void versionDoesNotTouchTheLibrary();
    void options_data();
    void options();

private:
    QTemporaryDir m_dir;
};

void tst_Startup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
    Startup::setIdentity(*qApp);
}

void tst_Startup::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
}

void tst_Startup::isSupported_data()
{
    QTest::addColumn<uint32_t>("version");
    QTest::addColumn<bool>("supported");
    QTest::newRow("4.80.0") << packed(4, 80, 0) << false;
    QTest::newRow("4.80.65535") << packed(4, 80, 0xFFFF) << false;
    QTest::newRow("4.81.0") << packed(4, 81, 0) << true;
    QTest::newRow("4.95.1") << packed(4, 95, 1) << true;
    QTest::newRow("5.0.0") << packed(5, 0, 0) << true;
    QTest::newRow("3.99.0") << packed(3, 99, 0) << false;
    QTest::newRow("0.0.0") << uint32_t(0) << false;
}

void tst_Startup::isSupported()
{
    QFETCH(uint32_t, version);
    QFETCH(bool, supported);
    QCOMPARE(LibraryVersion::isSupported(version), supported);
}

void tst_Startup::refusedLibraryShowsTheMessage_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("4.80.9 refused") << "4.80.9" << false;
    QTest::newRow("4.81.0 accepted") << "4.81.0" << true;
    QTest::newRow("5.0.0 accepted") << "5.0.0" << true;
}

// The check asks the library itself and shows the box only on a refusal.
void tst_Startup::refusedLibraryShowsTheMessage()
{
    QFETCH(QString, version);
    QFETCH(bool, accepted);
    QVERIFY(setLibraryVersion(version.toLatin1().constData()));
    ModalAnswerer answerer;
    QCOMPARE(LibraryVersion::check(), accepted);
    QCOMPARE(answerer.count(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});
        QCOMPARE(answerer.texts().constFirst(),
                 QStringLiteral("Orv Vyro Zentara " VYRO_VERSION_TEXT " doesn't work with\n"
                                "libOrv Vyro_api < 4.81!\nuse a newer libOrv Vyro!"));
    }
    QCOMPARE(vysim::callsOf("vy_GetDLLVersion").size(), size_t(1));
}

void tst_Startup::refusedLibraryEndsWithOne()
{
    QVERIFY(setLibraryVersion("4.80.0"));
    ModalAnswerer answerer;
    QCOMPARE(Startup::run(*qApp, {QStringLiteral("zentara")}), 1);
    QCOMPARE(answerer.count(), 1);
    // No window was built after the refusal.
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QVyroZentara *>(w));
    QVERIFY(vysim::callsOf("vy_GetCameraList").empty());
}

void tst_Startup::acceptedLibraryShowsTheWindow_data()
{
    QTest::addColumn<QString>("version");
    QTest::newRow("4.81.0") << "4.81.0";
    QTest::newRow("5.0.0") << "5.0.0";
}

void tst_Startup::acceptedLibraryShowsTheWindow()
{
    QFETCH(QString, version);
    QVERIFY(setLibraryVersion(version.toLatin1().constData()));
    bool windowShown = false;
    QTimer::singleShot(0, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QVyroZentara *>(w) && w->isVisible())
                windowShown = true;
        QCoreApplication::exit(7);
    });
    QCOMPARE(Startup::run(*qApp, {QStringLiteral("zentara")}), 7);
    QVERIFY(windowShown);
}

// The probe runs the program's start-up in a process of its own and reports at exit how many
// calls that process made into the library.
void tst_Startup::versionDoesNotTouchTheLibrary()
{
    for (const char *program : {ZENTARA_PROBE, ZENTARA_BIN}) {
        QProcess process;
        process.start(QString::fromLocal8Bit(program), {QStringLiteral("--version")});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput().trimmed(),
                 QByteArray("Orv Zentara " VYRO_VERSION_TEXT));
        if (QByteArray(program) == ZENTARA_PROBE)
            QVERIFY2(process.readAllStandardError().contains("sdk-calls=0"), "library called");
    }

    // Without --version the same probe does reach the library, so the count means something.
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTARA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.start(QString::fromLocal8Bit(ZENTARA_PROBE), QStringList());
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("sdk-calls=") && !err.contains("sdk-calls=0\n"), err.constData());
}

void tst_Startup::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("additional");
    QTest::addColumn<int>("daemon");
    QTest::newRow("none") << QStringList() << 0 << 0;
    QTest::newRow("-a") << QStringList{"-a"} << 1 << 0;
    QTest::newRow("-d") << QStringList{"-d"} << 0 << 1;
    QTest::newRow("-a -d") << QStringList{"-a", "-d"} << 1 << 0;
    QTest::newRow("-d -a") << QStringList{"-d", "-a"} << 1 << 0;
    QTest::newRow("-ad") << QStringList{"-ad"} << 1 << 0;
    QTest::newRow("long forms") << QStringList{"--daemon-config", "--additional-func"} << 1 << 0;
    QTest::newRow("--daemon-config") << QStringList{"--daemon-config"} << 0 << 1;
}

void tst_Startup::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, additional);
    QFETCH(int, daemon);
    CommandLine commandLine;
    QVERIFY(commandLine.parse(QStringList{QStringLiteral("zentara")} + arguments));
    RecordingDialogRunner dialogs;
    QVyroZentara window(dialogs, m_dir.filePath(QStringLiteral("nolang")));
    commandLine.apply(window);
    QCOMPARE(dialogs.count(Dialog::AdditionalFunctions), additional);
    QCOMPARE(dialogs.count(Dialog::DaemonControl), daemon);
    QCOMPARE(dialogs.runs.size(), additional + daemon);
    for (const auto &run : dialogs.runs)
        QCOMPARE(run.parent, &window);
}

VYRO_TEST_MAIN(tst_Startup)
#include "tst_startup.moc"

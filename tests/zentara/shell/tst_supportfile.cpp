// tst_supportfile.cpp: the support file through the report generator, with pkexec or as root,
// on a relocated installation whose programs are scripts of the test (or vyrosim's).
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QtTest>

#include <memory>

#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/recordingdialogrunner.h"
#include "tests/zentara/shell/shelltest.h"
#include "vyrokit/privileges.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"
#include "zentara/shell/supportfile.h"

using shelltest::child;

namespace {

const QString PrivilegeWarning = QStringLiteral(
    "To use this feature, \nstart the Orv Vyro with\nelevated privileges e.g root or admin!");
const QString MissingGenerator =
    QStringLiteral("The report generator `vyroreport` is not in its installation directory!\n"
                   "Please check the script path:\n\n/usr/bin/vyroreport and try again.");

bool writeScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n" + body);
    file.close();
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner);
}

QStringList recordedArguments(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<not run>")};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

} // namespace

class tst_SupportFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void writes_data();
    void writes();
    void withoutElevationOnlyWarns();
    void cancelStartsNoReport();
    void typedNameGetsTheSuffix();
    void simulatedInstallationWritesARealFile();

private:
    QString bin() const { return m_root->path() + QStringLiteral("/usr/bin"); }
    QString report() const { return bin() + QStringLiteral("/vyroreport"); }
    QString pkexec() const { return bin() + QStringLiteral("/pkexec"); }
    // Runs the action on a fresh window; question answers the save dialog.
    QStringList run(const QString &answer, QString *status = nullptr);

    std::unique_ptr<QTemporaryDir> m_root;
    QByteArray m_savedRoot;
    RecordingDialogRunner m_dialogs;
    QString m_asked;
};

void tst_SupportFile::initTestCase()
{
    Startup::initResources();
    m_savedRoot = qgetenv("VYRO_SYSROOT");
}

void tst_SupportFile::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir().mkpath(bin()));
    qputenv("VYRO_SYSROOT", m_root->path().toLocal8Bit());
    m_asked.clear();
}

void tst_SupportFile::cleanup()
{
    vyrokit::Privileges::setRootOverride(std::nullopt);
    qputenv("VYRO_SYSROOT", m_savedRoot);
}

QStringList tst_SupportFile::run(const QString &answer, QString *status)
{
    QVyroZentara w(m_dialogs, m_root->filePath(QStringLiteral("nolang")));
    w.setSupportFileQuestion([this, answer](QWidget *) {
        m_asked = QStringLiteral("asked");
        return answer;
    });
    ModalAnswerer boxes;
    w.onWriteSupportFile();
    if (status)
        *status = child<QLabel>(w, "statusLabel")->text();
    return boxes.texts();
}

void tst_SupportFile::writes_data()
{
    QTest::addColumn<bool>("pkexecWorks");
    QTest::addColumn<bool>("root");
    QTest::addColumn<int>("reportExit");
    QTest::addColumn<bool>("reportExists");
    QTest::addColumn<bool>("elevated");
    QTest::addColumn<QString>("message");
    QTest::newRow("through pkexec") << true << false << 0 << true << true << QString();
    QTest::newRow("as root") << false << true << 0 << true << false << QString();
    QTest::newRow("generator fails") << true << false << 3 << true << true << MissingGenerator;
    QTest::newRow("generator missing") << true << true << 0 << false << true << MissingGenerator;
}

void tst_SupportFile::writes()
{
    QFETCH(bool, pkexecWorks);
    QFETCH(bool, root);
    QFETCH(int, reportExit);
    QFETCH(bool, reportExists);
    QFETCH(bool, elevated);
    QFETCH(QString, message);
    vyrokit::Privileges::setRootOverride(root);
    QVERIFY(writeScript(pkexec(), QByteArray("if [ \"$1\" = --version ]; then exit ") +
                                      (pkexecWorks ? "0" : "1") +
                                      "; fi\nprintf '%s\\n' \"$@\" > \"$0.args\"\nexec \"$@\"\n"));
    if (reportExists)
        QVERIFY(writeScript(report(), "printf '%s\\n' \"$@\" > \"$0.args\"\n"
                                      "out=${1#-o }\necho report > \"$out\"\nexit " +
                                          QByteArray::number(reportExit) + "\n"));
    const QString file = m_root->filePath(QStringLiteral("support file.log"));
    QString status;
    QCOMPARE(run(file, &status), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(m_asked, QStringLiteral("asked"));
    const QString output = QStringLiteral("-o ") + file;
    if (elevated)
        QCOMPARE(recordedArguments(pkexec() + QStringLiteral(".args")),
                 (QStringList{report(), output}));
    else
        QCOMPARE(recordedArguments(pkexec() + QStringLiteral(".args")),
                 QStringList{QStringLiteral("<not run>")});
    if (reportExists)
        QCOMPARE(recordedArguments(report() + QStringLiteral(".args")), QStringList{output});
    if (message.isEmpty()) {
        QVERIFY(QFile::exists(file));
        QCOMPARE(status, QStringLiteral("<font color='#008000'>Support file %1 successfully "
                                        "written!</font>")
                             .arg(file));
    }
}

void tst_SupportFile::withoutElevationOnlyWarns()
{
    vyrokit::Privileges::setRootOverride(false);
    QVERIFY(writeScript(pkexec(), "exit 1\n"));
    QVERIFY(writeScript(report(), "printf '%s\\n' \"$@\" > \"$0.args\"\n"));
    QCOMPARE(run(m_root->filePath(QStringLiteral("x.log"))), QStringList{PrivilegeWarning});
    QCOMPARE(m_asked, QString());
    QVERIFY(!QFile::exists(report() + QStringLiteral(".args")));
}

void tst_SupportFile::cancelStartsNoReport()
{
    vyrokit::Privileges::setRootOverride(true);
    QVERIFY(writeScript(pkexec(), "if [ \"$1\" = --version ]; then exit 0; fi\n"
                                  "printf '%s\\n' \"$@\" > \"$0.args\"\nexec \"$@\"\n"));
    QVERIFY(writeScript(report(), "printf '%s\\n' \"$@\" > \"$0.args\"\n"));
    QCOMPARE(run(QString()), QStringList());
    QCOMPARE(m_asked, QStringLiteral("asked"));
    QVERIFY(!QFile::exists(pkexec() + QStringLiteral(".args")));
    QVERIFY(!QFile::exists(report() + QStringLiteral(".args")));
}

// The save dialog itself: a name typed without a suffix is written as a .log file.
void tst_SupportFile::typedNameGetsTheSuffix()
{
    vyrokit::Privileges::setRootOverride(true);
    QVERIFY(writeScript(pkexec(), "exit 1\n"));
    QVERIFY(writeScript(report(), "printf '%s\\n' \"$@\" > \"$0.args\"\n"));
    QVyroZentara w(m_dialogs, m_root->filePath(QStringLiteral("nolang")));
    const QString typed = m_root->filePath(QStringLiteral("support"));
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w.onWriteSupportFile();
    QCOMPARE(recordedArguments(report() + QStringLiteral(".args")),
             QStringList{QStringLiteral("-o ") + typed + QStringLiteral(".log")});
}

// vyrosim's own installation: its pkexec and report generator write the simulated world.
void tst_SupportFile::simulatedInstallationWritesARealFile()
{
    const QString vyrosim = qEnvironmentVariable("VYROSIM");
    QVERIFY2(!vyrosim.isEmpty(), "VYROSIM names the simulator tool");
    QCOMPARE(QProcess::execute(vyrosim, {QStringLiteral("sysroot"), m_root->path()}), 0);
    QVERIFY(QFileInfo(pkexec()).isExecutable());
    QVERIFY(QFileInfo(report()).isExecutable());
    vyrokit::Privileges::setRootOverride(false);
    const QString file = m_root->filePath(QStringLiteral("vyrod_support.log"));
    QCOMPARE(run(file), QStringList());
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    QVERIFY2(text.contains(QStringLiteral("## Cameras")), qPrintable(text.left(400)));
    QVERIFY(text.contains(QStringLiteral("gige-starter-fw")));
    QVERIFY(text.contains(QStringLiteral("\"libraryVersion\"")));
    QVERIFY(text.contains(QStringLiteral("System: ")));
    // Writing the installation again keeps working; a program it did not write is kept.
    QCOMPARE(QProcess::execute(vyrosim, {QStringLiteral("sysroot"), m_root->path()}), 0);
    QVERIFY(QFile::remove(report()));
    QVERIFY(writeScript(report(), "exit 0\n"));
    QCOMPARE(QProcess::execute(vyrosim, {QStringLiteral("sysroot"), m_root->path()}), 0);
    QFile own(report());
    QVERIFY(own.open(QIODevice::ReadOnly));
    QCOMPARE(own.readAll(), QByteArray("#!/bin/sh\nexit 0\n"));
}

VYRO_TEST_MAIN(tst_SupportFile)
#include "tst_supportfile.moc"

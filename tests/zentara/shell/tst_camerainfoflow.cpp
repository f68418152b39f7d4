// tst_camerainfoflow.cpp: the camera information dialog reached from the main window, as a user
// reaches it: a changed camera ID shows in the window's list and in another program's, and FPN
// calibration runs on a lit and on a dark sensor.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"
#include "tests/zentara/shell/shelltest.h"
#include "zentara/devinfo/camerainfo.h"
#include "zentara/inventory/cameralist.h"
#include "zentara/inventory/cameralistmodel.h"
#include "zentara/shell/qvyrozentara.h"
#include "zentara/shell/startup.h"
#include "zentara/shell/tooldialogrunner.h"

using zentara::CameraListModel;

using shelltest::child;

namespace {

// Acts on the modal widgets that come up while a dialog runs: the camera information dialog is
// handed to the given step once, message boxes are answered, progress dialogs are left alone.
class ModalDriver final : public QObject
{
public:
    std::function<void(CameraInfo &)> step;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QStringList texts;

    ModalDriver()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::look);
        m_timer.start(10);
    }

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            texts << box->text();
            QAbstractButton *button = box->button(answer);
            if (!button)
                button = box->buttons().value(0);
            if (button)
                button->click();
            return;
        }
        auto *dialog = qobject_cast<CameraInfo *>(modal);
        if (dialog && step) {
            // Run outside this timer's slot: a timer is not re-entered, and the step's own
            // message boxes need it.
            auto run = std::move(step);
            step = nullptr;
            QTimer::singleShot(0, dialog, [run, dialog] { run(*dialog); });
        }
    }

    QTimer m_timer;
};

int rowOf(const CameraListModel *model, uint32_t deviceId)
{
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, CameraListModel::ColDeviceId).data().toUInt() == deviceId)
            return row;
    return -1;
}

QString listedCameraId(const CameraListModel *model, uint32_t deviceId)
{
    const int row = rowOf(model, deviceId);
    return row < 0 ? QString() : model->index(row, CameraListModel::ColCameraId).data().toString();
}

} // namespace

class tst_CameraInfoFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void changedCameraIdShowsEverywhere();
    void calibrationFromTheWindow_data();
    void calibrationFromTheWindow();

private:
    void select(QVyroZentara &w, uint32_t deviceId);

    QTemporaryDir m_dir;
    ToolDialogRunner m_dialogs;
};

void tst_CameraInfoFlow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Startup::initResources();
}

void tst_CameraInfoFlow::init()
{
    QVERIFY(SimWorld::reset());
    shelltest::clearSettings();
}

void tst_CameraInfoFlow::select(QVyroZentara &w, uint32_t deviceId)
{
    auto *list = child<CameraList>(w, "cameraList");
    auto *table = w.findChild<QTableView *>();
    QVERIFY(table);
    const int row = rowOf(list->model(), deviceId);
    QVERIFY(row >= 0);
    table->selectRow(row);
    QTRY_VERIFY(list->currentCamera() && list->currentCamera()->deviceId() == deviceId);
}

void tst_CameraInfoFlow::changedCameraIdShowsEverywhere()
{
    QVyroZentara w(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    select(w, 1001);
    auto *model = child<CameraList>(w, "cameraList")->model();
    QCOMPARE(listedCameraId(model, 1001), QStringLiteral("11"));

    ModalDriver driver;
    bool stepped = false;
    driver.step = [&](CameraInfo &dialog) {
        stepped = true;
        dialog.cameraIdBox()->setValue(42);
        dialog.buttonBox()->button(QDialogButtonBox::Ok)->click();
    };
    QTest::mouseClick(child<QPushButton>(w, "cameraInfoButton"), Qt::LeftButton);
    QVERIFY(stepped);
    QVERIFY(driver.texts.isEmpty());
    QTRY_COMPARE(listedCameraId(model, 1001), QStringLiteral("42"));

    // Another program sees the new ID too.
    QProcess vyrosim;
    vyrosim.start(qEnvironmentVariable("VYROSIM"), {QStringLiteral("list")});
    QVERIFY(vyrosim.waitForFinished(60000));
    QCOMPARE(vyrosim.exitCode(), 0);
    bool found = false;
    for (const QByteArray &line : vyrosim.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> cells = line.simplified().split(' ');
        if (cells.size() > 1 && cells[0] == "1001") {
            found = true;
            QCOMPARE(cells[1], QByteArray("42"));
        }
    }
    QVERIFY(found);
}

void tst_CameraInfoFlow::calibrationFromTheWindow_data()
{
    QTest::addColumn<bool>("lit");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("warnings");
    QTest::newRow("lit") << true << "Calibrated" << 0;
    QTest::newRow("dark") << false << "Uncalibrated" << 1;
}

void tst_CameraInfoFlow::calibrationFromTheWindow()
{
    QFETCH(bool, lit);
    QFETCH(QString, status);
    QFETCH(int, warnings);
    QVERIFY(SimWorld::setField(8, "lit", lit ? "true" : "false"));
    QVERIFY(SimWorld::setField(8, "fpnCalibrationMs", "200"));
    QVyroZentara w(m_dialogs, m_dir.filePath(QStringLiteral("nolang")));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    select(w, 8);

    ModalDriver driver;
    QString shown;
    int results = -1;
    driver.step = [&](CameraInfo &dialog) {
        connect(&dialog, &CameraInfo::fpnCalibrationFinished, &dialog, [&](int result) {
            results = result;
            shown = dialog.fpnStatusLabel()->text();
            dialog.reject();
        });
        dialog.runFpnButton()->click();
    };
    QTest::mouseClick(child<QPushButton>(w, "cameraInfoButton"), Qt::LeftButton);
    QCOMPARE(results, lit ? VY_SUCCESS : VY_FPN_INSUFFICIENT_LIGHT);
    QCOMPARE(shown, status);
    // The start question, then the warning of a dark sensor.
    QCOMPARE(driver.texts.size(), 1 + warnings);
    // The list learns of the close on the simulator's next look at the device locks.
    QTRY_COMPARE(SimWorld::listedInUse(8), 0u);
}

VYRO_TEST_MAIN(tst_CameraInfoFlow)
#include "tst_camerainfoflow.moc"

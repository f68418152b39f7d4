// dapplix's window over the simulator: the camera actions and their states, the focus pixel,
// zoom, selection, the raw converter files, and a detection run from the dialog to the camera's
// memory and back.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "dapplix/ui/detectiondialogue.h"
#include "dapplix/ui/displaywidget.h"
#include "dapplix/ui/magnifiercontrol.h"
#include "dapplix/ui/mainwindow.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

using dapplix::CameraListModel;

namespace {

// Devices of the default world: a free monochrome camera of 1280 × 1024 and one in use.
constexpr quint32 FreeCamera = 1;
constexpr quint32 InUseCamera = 4;

const char *const CameraActions[] = {
    "actionOpenCamera",    "actionCloseCamera", "actionSaveList",    "actionLoadList",
    "actionWriteBadpixel", "actionCorrection",  "actionAddBadpixel", "actionDeleteBadpixel",
    "actionDetect",        "actionZoom",        "actionZoomToFit"};

QAction *action(const MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QLatin1String(name));
}

QString labelText(const MainWindow &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QString();
}

int rowOfDevice(MainWindow &window, quint32 deviceId)
{
    CameraListModel &model = window.cameraListModel();
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.entry(row).deviceId == deviceId)
            return row;
    return -1;
}

bool selectDevice(MainWindow &window, quint32 deviceId)
{
    const int row = rowOfDevice(window, deviceId);
    if (row < 0)
        return false;
    window.cameraListSelection().select(window.cameraListModel().index(row, 0),
                                        QItemSelectionModel::ClearAndSelect |
                                            QItemSelectionModel::Rows);
    return true;
}

QSet<QPair<int, int>> userEntries(MainWindow &window)
{
    QSet<QPair<int, int>> entries;
    BadpixelListModel &list = window.badpixelListModel();
    for (int row = 0; row < list.rowCount(); ++row) {
        const Badpixel b = list.badpixelAt(row);
        if (b.pixelclass == Badpixel::User)
            entries.insert({b.x, b.y});
    }
    return entries;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cameralessStart();
    void openingInUseRowDoesNothing();
    void openAndCloseFollowTheSelection();
    void unwrittenChangesAsk_data();
    void unwrittenChangesAsk();
    void saveAddsTheSuffix_data();
    void saveAddsTheSuffix();
    void hotPixelListColumns();
    void docksAcrossRestart();
    void firmwareUploadKeepsPainting();
    void listReadFailureOffersRetry();
    void focusIsClamped_data();
    void focusIsClamped();
    void clickOutsideImageClampsFocus();
    void zoom_data();
    void zoom();
    void selectingScrollsOnlyWhenZoomed_data();
    void selectingScrollsOnlyWhenZoomed();
    void displayReducedTheScale_data();
    void displayReducedTheScale();
    void rawConverterFiles();
    void rawConverterImportRefused();
    void usageNamesTheShortcuts();
    void softwareCorrectionOnly();
    void refusedCorrectionSwitchesBack();
    void detectionToCameraAndBack();
    void unplugDuringDetection();
    void unplugAndReturn();
    void framesStopDuringDetection_data();
    void framesStopDuringDetection();

private:
    // Opens the free camera through its row and the open action, and lets it stream fast.
    bool openFreeCamera(MainWindow &window);
};

void tst_MainWindow::init()
{
    QVERIFY(SimWorld::reset());
}

bool tst_MainWindow::openFreeCamera(MainWindow &window)
{
    if (!selectDevice(window, FreeCamera) || !action(window, "actionOpenCamera")->isEnabled())
        return false;
    action(window, "actionOpenCamera")->trigger();
    if (!window.camera().isOpen())
        return false;
    window.camera().setFramerate(window.camera().framerateParameter().max);
    return true;
}

void tst_MainWindow::cameralessStart()
{
    QVERIFY(SimWorld::load({}));
    MainWindow window;
    window.show();
    QCOMPARE(window.cameraListModel().rowCount(), 0);
    for (const char *name : CameraActions) {
        QVERIFY2(action(window, name), name);
        QVERIFY2(!action(window, name)->isEnabled(), name);
    }
    // What works without a camera.
    QVERIFY(action(window, "actionHighlight")->isEnabled());
    QVERIFY(action(window, "actionHighlight")->isChecked());
    QVERIFY(action(window, "actionZoom1to1")->isChecked());
    QVERIFY(action(window, "actionExit")->isEnabled());
    QCOMPARE(labelText(window, "userCountLabel"), QStringLiteral("U: 0"));
    QCOMPARE(labelText(window, "fpsLabel"), QStringLiteral("FPS: 0"));
    window.openCamera();
    window.closeCamera();
    QVERIFY(!window.camera().isOpen());
}

void tst_MainWindow::openingInUseRowDoesNothing()
{
    MainWindow window;
    QVERIFY(selectDevice(window, InUseCamera));
    QCOMPARE(window.cameraListModel().data(window.cameraListModel().index(
                 rowOfDevice(window, InUseCamera), CameraListModel::StatusColumn)),
             QVariant(QStringLiteral("in use")));
    QVERIFY(!action(window, "actionOpenCamera")->isEnabled());
    vysim_log_clear();
    window.openCamera();
    QVERIFY(!window.camera().isOpen());
    QVERIFY(vysim::callsOf("vy_InitCamera").empty());
}

void tst_MainWindow::openAndCloseFollowTheSelection()
{
    MainWindow window;
    QSignalSpy opened(&window, &MainWindow::cameraOpened);
    ModalAnswerer answerer;
    QVERIFY(openFreeCamera(window));
    QCOMPARE(answerer.count(), 0);
    QCOMPARE(opened.count(), 1);
    // A monochrome sensor has no Bayer colour to name.
    QCOMPARE(window.magnifierControl()->bayerColorText(), QString());
    QCOMPARE(opened.at(0).at(0).toBool(), true);
    QCOMPARE(window.camera().openDeviceId(), int(FreeCamera));
    QTRY_VERIFY(action(window, "actionCloseCamera")->isEnabled());
    for (const char *name : {"actionSaveList", "actionLoadList", "actionCorrection", "actionDetect",
                             "actionAddBadpixel", "actionWriteBadpixel", "actionZoom"})
        QVERIFY2(action(window, name)->isEnabled(), name);
    QVERIFY(!action(window, "actionOpenCamera")->isEnabled());
    QTRY_VERIFY(labelText(window, "framesLabel") != QStringLiteral("Frames: 0"));
    QVERIFY(labelText(window, "factoryCountLabel") != QStringLiteral("F: 0"));

    // Another row selected: the open camera's actions go, and closing does nothing.
    QVERIFY(selectDevice(window, 2));
    QVERIFY(!action(window, "actionCloseCamera")->isEnabled());
    QVERIFY(action(window, "actionOpenCamera")->isEnabled());
    window.closeCamera();
    QVERIFY(window.camera().isOpen());

    QVERIFY(selectDevice(window, FreeCamera));
    action(window, "actionCloseCamera")->trigger();
    QVERIFY(!window.camera().isOpen());
    QCOMPARE(opened.count(), 2);
    QCOMPARE(opened.at(1).at(0).toBool(), false);
    QCOMPARE(labelText(window, "framesLabel"), QStringLiteral("Frames: 0"));
    QCOMPARE(labelText(window, "failedLabel"), QStringLiteral("Failed: 0"));
    QCOMPARE(labelText(window, "fpsLabel"), QStringLiteral("FPS: 0"));
    QCOMPARE(window.badpixelListModel().rowCount(), 0);
    QTRY_VERIFY(action(window, "actionOpenCamera")->isEnabled());
    QVERIFY(!action(window, "actionCloseCamera")->isEnabled());
}

// Entries never written into the camera are not thrown away without asking.
void tst_MainWindow::unwrittenChangesAsk_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("close, cancel") << "close" << int(QMessageBox::Cancel) << false;
    QTest::newRow("close, write") << "close" << int(QMessageBox::Save) << true;
    QTest::newRow("switch, discard") << "switch" << int(QMessageBox::Discard) << true;
    QTest::newRow("quit, cancel") << "quit" << int(QMessageBox::Cancel) << false;
    QTest::newRow("quit, write") << "quit" << int(QMessageBox::Save) << true;
}

void tst_MainWindow::unwrittenChangesAsk()
{
    QFETCH(QString, step);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    window.setMagnifierPosition(QPoint(100, 101));
    action(window, "actionAddBadpixel")->trigger();
    QVERIFY(window.badpixelListModel().hasUnwrittenChanges());
    ModalAnswerer answerer{QMessageBox::StandardButton(answer)};
    vysim_log_clear();
    bool wentOn = false;
    if (step == "close") {
        action(window, "actionCloseCamera")->trigger();
        wentOn = !window.camera().isOpen();
    } else if (step == "switch") {
        QVERIFY(selectDevice(window, 2));
        action(window, "actionOpenCamera")->trigger();
        wentOn = window.camera().sensorInfo().sensorId == 560;
    } else {
        wentOn = window.close();
    }
    QCOMPARE(answerer.texts(),
             QStringList{"The hot pixel list has changes that are not written to the camera."});
    QCOMPARE(wentOn, goesOn);
    bool written = false;
    for (const auto &call : vysim::callsOf("vy_HotPixel"))
        written |= call.command == VY_HOTPIXEL_SET_USER_LIST && call.result == VY_SUCCESS;
    QCOMPARE(written, answer == QMessageBox::Save);
    if (!goesOn)
        QCOMPARE(userEntries(window), (QSet<QPair<int, int>>{{100, 101}}));
}

// A name typed without a suffix gets the format's own, so one format never replaces another's.
void tst_MainWindow::saveAddsTheSuffix_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("binary") << "actionSaveList"
                            << "bin";
    QTest::newRow("text") << "actionExportList"
                          << "txt";
    QTest::newRow("raw converters") << "actionExportBadpixels"
                                    << "badpixels";
}

void tst_MainWindow::saveAddsTheSuffix()
{
    QFETCH(QString, actionName);
    QFETCH(QString, suffix);
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    QTemporaryDir dir;
    QTimer::singleShot(0, this, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(dir.filePath("hp1"));
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    action(window, qPrintable(actionName))->trigger();
    QVERIFY(QFileInfo::exists(dir.filePath("hp1." + suffix)));
    QVERIFY(!QFileInfo::exists(dir.filePath("hp1")));
}

// Four-digit coordinates are read whole, and a double-click changes a user entry's class.
void tst_MainWindow::hotPixelListColumns()
{
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    window.setMagnifierPosition(QPoint(1279, 1023));
    action(window, "actionAddBadpixel")->trigger();
    auto *view = window.findChild<QTableView *>("badpixelListView");
    QVERIFY(view);
    const int row = window.badpixelListModel().rowCount() - 1;
    for (int column : {0, 1})
        QVERIFY(view->columnWidth(column) > view->fontMetrics().horizontalAdvance("65535"));
    const QModelIndex cls = window.badpixelListModel().index(row, 2);
    view->scrollTo(cls);
    const QPoint centre = view->visualRect(cls).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    auto *combo = view->viewport()->findChild<QComboBox *>();
    QVERIFY(combo);
    combo->setCurrentIndex(combo->findData("ignore"));
    QVERIFY(QMetaObject::invokeMethod(view, "commitData", Q_ARG(QWidget *, combo)));
    QCOMPARE(window.badpixelListModel().badpixelAt(row).pixelclass, quint8(Badpixel::Ignore));
}

// The first start shows the whole camera list; a restart keeps the docks as they were left.
void tst_MainWindow::docksAcrossRestart()
{
    QSettings(QStringLiteral("Vyro"), QStringLiteral("Dapplix")).clear(); // a first start
    int width = 0;
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QTableView *>("cameraListView");
        QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
        width = window.findChild<QDockWidget *>("CameraListDock")->width();
    }
    MainWindow again;
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.findChild<QDockWidget *>("CameraListDock")->width(), width);
}

// Opening a camera that needs its firmware first shows a progress and keeps the window alive.
void tst_MainWindow::firmwareUploadKeepsPainting()
{
    QVERIFY(SimWorld::setField(FreeCamera, "needsFirmwareUpload", "true"));
    QVERIFY(SimWorld::setField(FreeCamera, "firmwareUploadMs", "300"));
    MainWindow window;
    window.show();
    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *progress = window.findChild<QProgressDialog *>("longCallProgress"))
            shown = progress->labelText();
    });
    poll.start(0);
    QVERIFY(openFreeCamera(window));
    poll.stop();
    QCOMPARE(shown, QStringLiteral("Uploading the camera's firmware. Please wait…"));
    QVERIFY(!window.findChild<QProgressDialog *>("longCallProgress"));
}

// A camera list that could not be read is said, and Retry reads it again.
void tst_MainWindow::listReadFailureOffersRetry()
{
    QVERIFY(SimWorld::setField(FreeCamera, "userHotPixels", "[[5, 6]]"));
    vysim_force_result("vy_HotPixel", VY_HOTPIXEL_GET_USER_LIST, VYSIM_ANY_HANDLE,
                       VY_IO_REQUEST_FAILED, 1);
    MainWindow window;
    window.show();
    ModalAnswerer retry(QMessageBox::Retry);
    QVERIFY(openFreeCamera(window));
    QTRY_COMPARE(retry.count(), 1);
    QVERIFY(retry.texts().at(0).startsWith("The hot pixel list of the camera could not be read"));
    QCOMPARE(userEntries(window), (QSet<QPair<int, int>>{{5, 6}}));
    QCOMPARE(window.badpixelListModel().readProblem(), QString());
}

void tst_MainWindow::focusIsClamped_data()
{
    QTest::addColumn<QPoint>("asked");
    QTest::addColumn<QPoint>("focus");
    QTest::newRow("inside") << QPoint(17, 33) << QPoint(17, 33);
    QTest::newRow("corner") << QPoint(1279, 1023) << QPoint(1279, 1023);
    QTest::newRow("negative") << QPoint(-5, -1) << QPoint(0, 0);
    QTest::newRow("right_of_sensor") << QPoint(1280, 500) << QPoint(1279, 500);
    QTest::newRow("below_sensor") << QPoint(12, 99999) << QPoint(12, 1023);
    QTest::newRow("far_out") << QPoint(INT_MAX, INT_MIN) << QPoint(1279, 0);
}

void tst_MainWindow::focusIsClamped()
{
    QFETCH(QPoint, asked);
    QFETCH(QPoint, focus);
    MainWindow window;
    QVERIFY(openFreeCamera(window));
    QSignalSpy moved(&window, &MainWindow::magnifierPositionChanged);
    // The display reports a click where the user clicked, in image pixels.
    emit window.display()->positionClicked(asked);
    QCOMPARE(window.magnifierPosition(), focus);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toPoint(), focus);
    QCOMPARE(labelText(window, "xLabel"), QStringLiteral("x: %1").arg(focus.x()));
    QCOMPARE(labelText(window, "yLabel"), QStringLiteral("y: %1").arg(focus.y()));
    QCOMPARE(window.display()->magnifierPosition(), focus);
}

void tst_MainWindow::clickOutsideImageClampsFocus()
{
    MainWindow window;
    window.resize(1000, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(openFreeCamera(window));
    // At 1:4 the image is far smaller than the view: a click at the view's far corner lies
    // beyond the image's last pixel.
    action(window, "actionZoom1to4")->trigger();
    QTRY_VERIFY(!window.display()->image().isNull());
    QWidget *viewport = window.display()->viewport();
    QVERIFY(viewport->width() > 1280 / 4 + 10 && viewport->height() > 1024 / 4 + 10);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier,
                      QPoint(viewport->width() - 2, viewport->height() - 2));
    QCOMPARE(window.magnifierPosition(), QPoint(1279, 1023));
}

void tst_MainWindow::zoom_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QString>("text");
    QTest::newRow("1:4") << "actionZoom1to4" << 0.25 << 1 << "1:4";
    QTest::newRow("1:2") << "actionZoom1to2" << 0.5 << 1 << "1:2";
    QTest::newRow("1:1") << "actionZoom1to1" << 1.0 << 1 << "1:1";
    QTest::newRow("2:1") << "actionZoom2to1" << 2.0 << 2 << "2:1";
    QTest::newRow("4:1") << "actionZoom4to1" << 4.0 << 4 << "4:1";
    QTest::newRow("to_fit") << "actionZoomToFit" << 0.0 << 0 << "To fit";
}

void tst_MainWindow::zoom()
{
    QFETCH(QString, name);
    QFETCH(double, scale);
    QFETCH(int, factor);
    QFETCH(QString, text);
    MainWindow window;
    QVERIFY(openFreeCamera(window));
    QAction *chosen = action(window, qPrintable(name));
    // Start from another zoom, so that the chosen one is a change.
    action(window, name == "actionZoom2to1" ? "actionZoom4to1" : "actionZoom2to1")->trigger();
    chosen->trigger();
    QCOMPARE(window.display()->scale(), scale);
    QCOMPARE(window.zoomFactor(), factor);
    QCOMPARE(action(window, "actionZoom")->text(), text);
    QVERIFY(chosen->isChecked());
    int checked = 0;
    for (const char *n : {"actionZoom1to4", "actionZoom1to2", "actionZoom1to1", "actionZoom2to1",
                          "actionZoom4to1", "actionZoomToFit"})
        checked += action(window, n)->isChecked();
    QCOMPARE(checked, 1);
}

void tst_MainWindow::selectingScrollsOnlyWhenZoomed_data()
{
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("to_fit") << "actionZoomToFit" << QPoint(1200, 1000) << false;
    QTest::newRow("4:1") << "actionZoom4to1" << QPoint(1200, 1000) << true;
    // A pixel in view already leaves the image still for the next click.
    QTest::newRow("4:1_in_view") << "actionZoom4to1" << QPoint(20, 30) << false;
}

void tst_MainWindow::selectingScrollsOnlyWhenZoomed()
{
    QFETCH(QString, zoom);
    QFETCH(QPoint, pixel);
    QFETCH(bool, scrolls);
    MainWindow window;
    window.resize(900, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(openFreeCamera(window));
    action(window, qPrintable(zoom))->trigger();
    QTRY_VERIFY(!window.display()->image().isNull());
    QScrollBar *h = window.display()->horizontalScrollBar();
    QScrollBar *v = window.display()->verticalScrollBar();
    h->setValue(0);
    v->setValue(0);

    window.setMagnifierPosition(pixel);
    window.addNewBadpixel();
    const QModelIndex added = window.badpixelListModel().findBadpixel(pixel.x(), pixel.y(), 1);
    QVERIFY(added.isValid());
    QVERIFY(action(window, "actionDeleteBadpixel")->isEnabled());
    window.setMagnifierPosition(QPoint(0, 0));
    QVERIFY(!window.badpixelSelection().hasSelection());
    h->setValue(0);
    v->setValue(0);

    window.badpixelSelection().select(added, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    QCOMPARE(window.magnifierPosition(), pixel);
    QVERIFY(action(window, "actionDeleteBadpixel")->isEnabled());
    if (scrolls) {
        QVERIFY(h->value() > 0);
        QVERIFY(v->value() > 0);
    } else {
        QCOMPARE(h->value(), 0);
        QCOMPARE(v->value(), 0);
    }
    action(window, "actionDeleteBadpixel")->trigger();
    QVERIFY(!window.badpixelListModel().findBadpixel(pixel.x(), pixel.y(), 1).isValid());
}

void tst_MainWindow::displayReducedTheScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("message");
    QTest::newRow("4_to_2") << 2.0 << 2 << "actionZoom2to1" << true;
    QTest::newRow("2_to_1") << 1.0 << 1 << "actionZoom1to1" << true;
    // Half of 1:1 converts to a zoom factor of 0: selecting must then neither scroll nor fail.
    QTest::newRow("1_to_half") << 0.5 << 0 << "actionZoom4to1" << false;
}

void tst_MainWindow::displayReducedTheScale()
{
    QFETCH(double, scale);
    QFETCH(int, factor);
    QFETCH(QString, checked);
    QFETCH(bool, message);
    MainWindow window;
    QVERIFY(openFreeCamera(window));
    action(window, "actionZoom4to1")->trigger();
    // The display could not make an image this large and halved its scale.
    emit window.display()->scaleChanged(scale);
    QCOMPARE(window.zoomFactor(), factor);
    QVERIFY(action(window, qPrintable(checked))->isChecked());
    QCOMPARE(window.statusBar()->currentMessage() ==
                 QStringLiteral("The image is too big and will be resized"),
             message);
    window.setMagnifierPosition(QPoint(700, 600));
    window.addNewBadpixel();
    QCOMPARE(window.magnifierPosition(), QPoint(700, 600));
    QVERIFY(window.badpixelSelection().hasSelection());
}

void tst_MainWindow::rawConverterFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MainWindow window;
    QVERIFY(openFreeCamera(window));
    ModalAnswerer answerer;
    const int factoryRows = window.badpixelListModel().rowCount();
    for (const QPoint &p : {QPoint(3, 4), QPoint(1279, 1023), QPoint(640, 0)}) {
        window.setMagnifierPosition(p);
        window.addNewBadpixel();
    }
    const QSet<QPair<int, int>> written = userEntries(window);
    QCOMPARE(written.size(), 3);
    const QString path = dir.filePath(QStringLiteral("VY-3240CP.badpixels"));
    QVERIFY(window.exportBadpixelsFileTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // A comment, the three user entries undated, and the end of the last line.
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.at(0).startsWith('#'));
    QCOMPARE(lines.at(1), QByteArray("3 4 0"));

    window.clearBadpixel();
    QCOMPARE(window.badpixelListModel().rowCount(), factoryRows);
    QVERIFY(window.importBadpixelsFileFrom(path));
    QCOMPARE(userEntries(window), written);
    QCOMPARE(window.badpixelListModel().rowCount(), factoryRows + 3);
    // Read again: the entries are there already and are not doubled.
    QVERIFY(window.importBadpixelsFileFrom(path));
    QCOMPARE(window.badpixelListModel().rowCount(), factoryRows + 3);
    QCOMPARE(answerer.count(), 0);
}

void tst_MainWindow::rawConverterImportRefused()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MainWindow window;
    QVERIFY(openFreeCamera(window));
    window.setMagnifierPosition(QPoint(9, 9));
    window.addNewBadpixel();
    const int rows = window.badpixelListModel().rowCount();
    const QString path = dir.filePath(QStringLiteral("other.badpixels"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A list of a larger sensor: the first entries fit, the fourth line does not.
    file.write("# from a 24 MP camera\n10 10 0\n20 20 0\n4000 3000 1640995200\n30 30 0\n");
    file.close();
    ModalAnswerer answerer;
    QVERIFY(!window.importBadpixelsFileFrom(path));
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(answerer.icons().at(0), QMessageBox::Critical);
    QVERIFY2(answerer.texts().at(0).startsWith(QStringLiteral("Line 4 lies outside the sensor")),
             qPrintable(answerer.texts().at(0)));
    QCOMPARE(window.badpixelListModel().rowCount(), rows);
    QCOMPARE(userEntries(window), (QSet<QPair<int, int>>{{9, 9}}));
}

void tst_MainWindow::usageNamesTheShortcuts()
{
    MainWindow window;
    ModalAnswerer answerer;
    action(window, "actionUsage")->trigger();
    QCOMPARE(answerer.count(), 1);
    const QString text = answerer.texts().at(0);
    QVERIFY(text.startsWith(QStringLiteral("Vyro Dapplix - Usage")));
    QVERIFY(text.contains(QStringLiteral("Ctrl+A\t Add a hot pixel to the list")));
    QVERIFY(text.contains(QStringLiteral("Del\t Removes a hot pixel from the list")));
}

void tst_MainWindow::softwareCorrectionOnly()
{
    // Software correction only (mode 0x4): the list cannot go into the camera's memory.
    QVERIFY(SimWorld::setField(FreeCamera, "hotPixelCorrectionModes", "4"));
    MainWindow window;
    ModalAnswerer answerer;
    QVERIFY(openFreeCamera(window));
    QCOMPARE(answerer.texts(),
             QStringList{QStringLiteral("This camera only supports software correction and "
                                        "therefore can't save inside the camera memory.")});
    QCOMPARE(answerer.icons().at(0), QMessageBox::Warning);
    QVERIFY(!action(window, "actionWriteBadpixel")->isEnabled());
    QVERIFY(action(window, "actionDetect")->isEnabled());
    vysim_log_clear();
    window.writeBadpixelList();
    QCOMPARE(answerer.count(), 2);
    QCOMPARE(answerer.icons().at(1), QMessageBox::Critical);
    QCOMPARE(answerer.texts().at(1),
             QStringLiteral("This camera only supports software correction and can't be saved "
                            "inside the camera memory!"));
    for (const auto &call : vysim::callsOf("vy_HotPixel"))
        QVERIFY(call.command != VY_HOTPIXEL_SET_USER_LIST);
}

void tst_MainWindow::refusedCorrectionSwitchesBack()
{
    MainWindow window;
    QVERIFY(openFreeCamera(window));
    QAction *correction = action(window, "actionCorrection");
    QVERIFY(!correction->isChecked());
    vysim_force_result("vy_HotPixel", VY_HOTPIXEL_ENABLE_CAMERA_CORRECTION, VYSIM_ANY_HANDLE,
                       VY_IO_REQUEST_FAILED, 1);
    correction->trigger();
    // The switch shows what the camera does, the refusal is said, and the live image goes on.
    QVERIFY(!correction->isChecked());
    QVERIFY(!window.statusBar()->currentMessage().isEmpty());
    const quint32 frames = window.camera().frameCount();
    QTRY_VERIFY(window.camera().frameCount() > frames);
}

void tst_MainWindow::detectionToCameraAndBack()
{
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    const int factoryRows = window.badpixelListModel().rowCount();
    QVERIFY(factoryRows > 0);

    // The user presses Start in the dialog; it is closed once the run has ended.
    int detected = -1;
    QString counter;
    QTimer::singleShot(0, this, [&] {
        DetectionDialogue *dialog = window.detectionDialogue();
        if (!dialog)
            return;
        connect(&window.detectionRun(), &DetectionRun::finished, dialog, [&, dialog] {
            detected = dialog->detectedCount();
            QTimer::singleShot(0, dialog, &QDialog::accept);
        });
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    action(window, "actionDetect")->trigger();
    QVERIFY(!window.detectionRun().isDetecting());

    const QSet<QPair<int, int>> found = userEntries(window);
    QVERIFY(!found.isEmpty());
    QCOMPARE(detected, found.size());
    QCOMPARE(window.badpixelListModel().rowCount(), factoryRows + found.size());
    // Each found pixel is one of the sensor's true hot pixels that is not in the factory list,
    // and the brightest of those are all found.
    std::vector<VYSIM_HOT_PIXEL> truth(4096);
    uint32_t count = 0;
    QCOMPARE(vysim_hot_pixels(FreeCamera, truth.data(), uint32_t(truth.size()), &count),
             int32_t(VY_SUCCESS));
    truth.resize(count);
    QSet<QPair<int, int>> hot, bright;
    for (const VYSIM_HOT_PIXEL &p : truth) {
        if (p.factory)
            continue;
        hot.insert({p.x, p.y});
        if (p.level >= 200)
            bright.insert({p.x, p.y});
    }
    QVERIFY(!bright.isEmpty());
    QVERIFY(found.contains(bright));
    QVERIFY(hot.contains(found));
    window.updateStatus();
    QCOMPARE(labelText(window, "userCountLabel"), QStringLiteral("U: %1").arg(found.size()));
    QCOMPARE(labelText(window, "factoryCountLabel"), QStringLiteral("F: %1").arg(factoryRows));

    // Written into the camera's memory after the warning is answered with Yes.
    {
        ModalAnswerer yes(QMessageBox::Yes);
        action(window, "actionWriteBadpixel")->trigger();
        QCOMPARE(yes.count(), 1);
    }
    // ... and the window says so.
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("User entries written into the camera: %1").arg(found.size()));
    QVERIFY(selectDevice(window, FreeCamera));
    action(window, "actionCloseCamera")->trigger();
    QVERIFY(!window.camera().isOpen());
    QCOMPARE(window.badpixelListModel().rowCount(), 0);

    QTRY_VERIFY(action(window, "actionOpenCamera")->isEnabled());
    QVERIFY(openFreeCamera(window));
    QCOMPARE(userEntries(window), found);
}

void tst_MainWindow::unplugDuringDetection()
{
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    const int rows = window.badpixelListModel().rowCount();
    QString error;
    bool idleAgain = false;
    QTimer::singleShot(0, this, [&] {
        DetectionDialogue *dialog = window.detectionDialogue();
        if (!dialog)
            return;
        // Unplugged once the run has taken its second frame.
        connect(&window, &MainWindow::detectionProgress, dialog, [](int progress) {
            if (progress == 2 * DetectionRun::progressPerFrame)
                vysim_unplug(FreeCamera);
        });
        connect(&window.detectionRun(), &DetectionRun::finished, dialog, [&, dialog] {
            const auto labels = dialog->findChildren<QLabel *>();
            for (QLabel *label : labels)
                if (label->text().contains(QStringLiteral("disconnected")))
                    error = label->text();
            idleAgain = !dialog->isDetecting();
            QTimer::singleShot(0, dialog, &QDialog::accept);
        });
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    action(window, "actionDetect")->trigger();
    QVERIFY(idleAgain);
    QVERIFY(!window.detectionRun().isDetecting());
    QVERIFY2(error.endsWith(QStringLiteral("Please restart detection.")), qPrintable(error));
    QCOMPARE(window.badpixelListModel().rowCount(), rows);
}

// The window says when its camera is gone, disables what needs it and takes the camera back.
void tst_MainWindow::unplugAndReturn()
{
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    auto *parameters = window.findChild<QWidget *>("parameterBlock");
    const QString waiting = QStringLiteral("Camera 1 was disconnected — waiting for it…");
    QCOMPARE(vysim_unplug(FreeCamera), int32_t(VY_SUCCESS));
    QTRY_COMPARE_WITH_TIMEOUT(window.statusBar()->currentMessage(), waiting, 5000);
    QCOMPARE(window.display()->message(), waiting);
    QVERIFY(!parameters->isEnabled());
    QVERIFY(!action(window, "actionDetect")->isEnabled());
    QVERIFY(!action(window, "actionAddBadpixel")->isEnabled());
    QVERIFY(action(window, "actionCloseCamera")->isEnabled());

    char message[256] = {};
    QCOMPARE(
        vysim_plug(R"({"deviceId": 1, "serialNumber": "4103012345"})", message, sizeof message),
        int32_t(VY_SUCCESS));
    QTRY_VERIFY_WITH_TIMEOUT(parameters->isEnabled(), 5000);
    QCOMPARE(window.display()->message(), QString());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Camera 1 is back."));
    // Its own row is selected again, not another camera in use.
    const QModelIndexList rows = window.cameraListSelection().selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(window.cameraListModel().entry(rows.first().row()).deviceId, FreeCamera);
    QVERIFY(action(window, "actionDetect")->isEnabled());
}

void tst_MainWindow::framesStopDuringDetection_data()
{
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<uint>("command");
    QTest::newRow("frame_wait") << QByteArray("vy_Event") << uint(VY_EVENT_CMD_WAIT);
    QTest::newRow("active_buffer") << QByteArray("vy_GetActSeqBuf") << uint(VYSIM_ANY_COMMAND);
    QTest::newRow("lock") << QByteArray("vy_LockSeqBuf") << uint(VYSIM_ANY_COMMAND);
    QTest::newRow("unlock") << QByteArray("vy_UnlockSeqBuf") << uint(VYSIM_ANY_COMMAND);
}

void tst_MainWindow::framesStopDuringDetection()
{
    QFETCH(QByteArray, function);
    QFETCH(uint, command);
    MainWindow window;
    window.show();
    QVERIFY(openFreeCamera(window));
    window.detectionRun().setFrameTimeout(500);
    window.setMagnifierPosition(QPoint(30, 40));
    window.addNewBadpixel();
    const QSet<QPair<int, int>> before = userEntries(window);
    QCOMPARE(before.size(), 1);
    QString error;
    bool idleAgain = false;
    QTimer::singleShot(0, this, [&] {
        DetectionDialogue *dialog = window.detectionDialogue();
        if (!dialog)
            return;
        // The camera stops delivering once the run has taken its second frame.
        connect(&window, &MainWindow::detectionProgress, dialog, [&](int progress) {
            if (progress == 2 * DetectionRun::progressPerFrame)
                vysim_force_result(function.constData(), command, VYSIM_ANY_HANDLE,
                                   VY_IO_REQUEST_FAILED, 0);
        });
        connect(&window.detectionRun(), &DetectionRun::finished, dialog, [&, dialog] {
            error = dialog->findChild<QLabel *>(QStringLiteral("errorLabel"))->text();
            idleAgain = !dialog->isDetecting();
            QTimer::singleShot(0, dialog, &QDialog::accept);
        });
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    action(window, "actionDetect")->trigger();
    vysim_clear_forced(function.constData());
    QVERIFY(idleAgain);
    QVERIFY(!window.detectionRun().isDetecting());
    QVERIFY2(error.startsWith(QStringLiteral("No image has been received")), qPrintable(error));
    QVERIFY2(error.endsWith(QStringLiteral("Please restart detection.")), qPrintable(error));
    QCOMPARE(userEntries(window), before);
}

VYRO_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

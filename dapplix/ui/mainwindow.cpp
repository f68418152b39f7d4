// dapplix's window: actions, docks and status bar around the camera, the list and the display.
#include "dapplix/ui/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <exception>

#include "dapplix/hotpixels/badpixelsfile.h"
#include "dapplix/ui/detectiondialogue.h"
#include "dapplix/ui/dialog_about.h"
#include "dapplix/ui/displaywidget.h"
#include "dapplix/ui/magnifier.h"
#include "dapplix/ui/magnifiercontrol.h"
#include "dapplix/ui/parameterblockwidget.h"
#include "dapplix/ui/resourceicon.h"
#include "vyrokit/runoffthread.h"

using dapplix::Camera;
using dapplix::CameraListModel;

namespace {

constexpr int statusIntervalMs = 1500;
constexpr int openFailureMs = 5000;
constexpr int shortMessageMs = 2000;

QString errorText(const std::exception &e)
{
    return QString::fromStdString(e.what());
}

QAction *viewAction(QDockWidget *dock, const QString &name, const QString &icon)
{
    QAction *action = dock->toggleViewAction();
    action->setObjectName(name);
    action->setIcon(ResourceIcon::get(icon));
    return action;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_cameraListModel(nullptr, 1000),
      m_cameraListSelection(&m_cameraListModel), m_badpixelSelection(&m_badpixelListModel),
      m_detectionRun(&m_badpixelListModel)
{
    setObjectName(QStringLiteral("MainWindow"));
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    m_display = new DisplayWidget(central);
    m_display->setObjectName(QStringLiteral("display"));
    m_display->setModel(&m_badpixelListModel);
    m_display->setSelectionModel(&m_badpixelSelection);
    grid->addWidget(m_display, 0, 0);
    setCentralWidget(central);
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setWindowTitle(tr("Vyro Dapplix"));
    setWindowIcon(ResourceIcon::programIcon());

    createActions();
    createDocks();
    createMenus();
    createStatusLabels();
    connectCamera();
    m_camera.setSlowOpenRunner(
        [this](const std::function<Camera::Opened()> &open) { return runSlowOpen(open); });
    m_statusTimer.setInterval(statusIntervalMs);
    connect(&m_statusTimer, &QTimer::timeout, this, &MainWindow::updateStatus);
    restoreSettings();
    if (m_cameraListDock)
        m_cameraListDock->raise();
    m_cameraListModel.updateList();
    m_cameraListView->resizeColumnsToContents();
    updateCameraActions();
}

MainWindow::~MainWindow()
{
    saveSettings();
    m_detectionRun.disconnect(this);
    m_camera.disconnect(this);
    m_camera.close();
}

DetectionDialogue *MainWindow::detectionDialogue() const
{
    return m_detectionDialogue;
}

MagnifierControl *MainWindow::magnifierControl() const
{
    return m_magnifierControl;
}

void MainWindow::createActions()
{
    Actions &a = m_actions;
    auto make = [this](const QString &name, const QString &icon, const QString &text) {
        auto *act = new QAction(text, this);
        act->setObjectName(name);
        if (!icon.isEmpty())
            act->setIcon(ResourceIcon::get(icon));
        return act;
    };
    a.open =
        make(QStringLiteral("actionOpenCamera"), QStringLiteral("openplay"), tr("&Open camera"));
    a.close =
        make(QStringLiteral("actionCloseCamera"), QStringLiteral("camclose"), tr("&Close camera"));
    a.saveList = make(QStringLiteral("actionSaveList"), QStringLiteral("writeList"),
                      tr("&Save hot pixel list"));
    a.loadList = make(QStringLiteral("actionLoadList"), QStringLiteral("openList"),
                      tr("&Load hot pixel list"));
    a.highlight =
        make(QStringLiteral("actionHighlight"), QStringLiteral("highlight"), tr("&Highlight"));
    a.write = make(QStringLiteral("actionWriteBadpixel"), QStringLiteral("writeBadpixel"),
                   tr("&Write hot pixel"));
    a.correction = make(QStringLiteral("actionCorrection"), QStringLiteral("badpixelCorrection"),
                        tr("Hot pixel correction"));
    a.add = make(QStringLiteral("actionAddBadpixel"), QStringLiteral("addBadpixel"),
                 tr("&Add hot pixel"));
    a.remove = make(QStringLiteral("actionDeleteBadpixel"), QStringLiteral("deleteBadpixel"),
                    tr("&Delete hot pixel"));
    a.clearUser = make(QStringLiteral("actionClearUser"), QString(), tr("Clear user hot pixel"));
    a.detect = make(QStringLiteral("actionDetect"), QStringLiteral("detectBadpixel"),
                    tr("Detec&t hot pixel"));
    a.zoom1to1 = make(QStringLiteral("actionZoom1to1"), QString(), tr("1:1"));
    a.zoom2to1 = make(QStringLiteral("actionZoom2to1"), QString(), tr("2:1"));
    a.zoom4to1 = make(QStringLiteral("actionZoom4to1"), QString(), tr("4:1"));
    a.zoom1to2 = make(QStringLiteral("actionZoom1to2"), QString(), tr("1:2"));
    a.zoom1to4 = make(QStringLiteral("actionZoom1to4"), QString(), tr("1:4"));
    a.zoomToFit = make(QStringLiteral("actionZoomToFit"), QString(), tr("To fit"));
    a.zoomMenu = make(QStringLiteral("actionZoom"), QStringLiteral("zoom"), tr("1:1"));
    a.usage = make(QStringLiteral("actionUsage"), QStringLiteral("help"), tr("&Usage"));
    a.about = make(QStringLiteral("actionAbout"), QStringLiteral("information"), tr("&About..."));
    a.exportList = make(QStringLiteral("actionExportList"), QStringLiteral("exportList"),
                        tr("&Export hot pixel list"));
    a.importList = make(QStringLiteral("actionImportList"), QStringLiteral("importList"),
                        tr("&Import hot pixel list"));
    a.exportBadpixels = make(QStringLiteral("actionExportBadpixels"), QStringLiteral("exportList"),
                             tr("Export for raw &converters..."));
    a.importBadpixels = make(QStringLiteral("actionImportBadpixels"), QStringLiteral("importList"),
                             tr("Import from raw co&nverters..."));
    a.exit = make(QStringLiteral("actionExit"), QStringLiteral("exit"), tr("E&xit"));

    for (QAction *act : {a.open, a.close, a.saveList, a.loadList, a.write, a.correction, a.add,
                         a.remove, a.detect, a.zoomToFit, a.zoomMenu})
        act->setEnabled(false);
    a.highlight->setCheckable(true);
    a.highlight->setChecked(true);
    a.correction->setCheckable(true);
    a.add->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_A));
    a.remove->setShortcut(QKeySequence(Qt::Key_Delete));

    m_zoomGroup = new QActionGroup(this);
    m_zoomGroup->setExclusive(true);
    for (QAction *act : {a.zoom1to4, a.zoom1to2, a.zoom1to1, a.zoom2to1, a.zoom4to1, a.zoomToFit}) {
        act->setCheckable(true);
        m_zoomGroup->addAction(act);
    }
    a.zoom1to1->setChecked(true);
    auto *zoomMenu = new QMenu(this);
    zoomMenu->addActions(m_zoomGroup->actions());
    a.zoomMenu->setMenu(zoomMenu);

    connect(a.open, &QAction::triggered, this, &MainWindow::openCamera);
    connect(a.close, &QAction::triggered, this, &MainWindow::closeCamera);
    connect(a.saveList, &QAction::triggered, this, &MainWindow::saveBadpixelList);
    connect(a.loadList, &QAction::triggered, this, &MainWindow::loadBadpixelList);
    connect(a.write, &QAction::triggered, this, &MainWindow::writeBadpixelList);
    connect(a.correction, &QAction::triggered, this, &MainWindow::onHotpixelCorrection);
    connect(a.add, &QAction::triggered, this, &MainWindow::addNewBadpixel);
    connect(a.remove, &QAction::triggered, this, &MainWindow::deleteBadpixel);
    connect(a.clearUser, &QAction::triggered, this, &MainWindow::clearBadpixel);
    connect(a.detect, &QAction::triggered, this, &MainWindow::openDetectDialog);
    connect(a.usage, &QAction::triggered, this, &MainWindow::openHelpUsageWindow);
    connect(a.about, &QAction::triggered, this, &MainWindow::openHelpAboutWindow);
    connect(a.exportList, &QAction::triggered, this, &MainWindow::exportBadpixelList);
    connect(a.importList, &QAction::triggered, this, &MainWindow::importBadpixelList);
    connect(a.exportBadpixels, &QAction::triggered, this, &MainWindow::exportBadpixelsFile);
    connect(a.importBadpixels, &QAction::triggered, this, &MainWindow::importBadpixelsFile);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_zoomGroup, &QActionGroup::triggered, this, &MainWindow::onZoomChanged);
    connect(a.highlight, &QAction::toggled, m_display, &DisplayWidget::setHighlight);
    // The zoom button opens its menu on a plain click: it has no action of its own.
    connect(a.zoomMenu, &QAction::triggered, this, [this] {
        if (auto *button =
                qobject_cast<QToolButton *>(m_toolBar->widgetForAction(m_actions.zoomMenu)))
            button->showMenu();
    });
}

void MainWindow::createMenus()
{
    const Actions &a = m_actions;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    file->addActions({a.open, a.close});
    file->addSeparator();
    file->addActions({a.saveList, a.loadList});
    file->addSeparator();
    file->addActions({a.exportList, a.importList});
    file->addSeparator();
    file->addActions({a.exportBadpixels, a.importBadpixels});
    file->addSeparator();
    file->addAction(a.exit);

    m_viewMenu = menuBar()->addMenu(tr("&View"));
    m_viewMenu->setObjectName(QStringLiteral("menuView"));
    m_viewMenu->addActions(
        {a.viewCameraList, a.viewBadpixelList, a.viewMagnifier, a.viewCameraProperties});
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(a.highlight);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(a.usage);
    help->addSeparator();
    help->addAction(a.about);

    m_toolBar->addActions({a.open, a.close});
    m_toolBar->addSeparator();
    m_toolBar->addActions({a.correction, a.detect, a.write, a.add, a.remove});
    m_toolBar->addSeparator();
    m_toolBar->addActions({a.highlight, a.zoomMenu});
    if (auto *button = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(a.zoomMenu)))
        button->setPopupMode(QToolButton::InstantPopup);
}

void MainWindow::createDocks()
{
    createCameraListDock();
    createBadpixelListDock();
    createMagnifierDock();
    createCameraSliderDock();
    tabifyDockWidget(m_cameraListDock, m_badpixelListDock);

    // Each dock's own toggle action shows and hides it, checked while the dock shows.
    Actions &a = m_actions;
    a.viewCameraList = viewAction(m_cameraListDock, QStringLiteral("actionViewCameraList"),
                                  QStringLiteral("cameraList"));
    a.viewBadpixelList = viewAction(m_badpixelListDock, QStringLiteral("actionViewBadpixelList"),
                                    QStringLiteral("badpixelList"));
    a.viewMagnifier = viewAction(m_magnifierDock, QStringLiteral("actionViewMagnifier"),
                                 QStringLiteral("window_view"));
    a.viewCameraProperties =
        viewAction(m_cameraSliderDock, QStringLiteral("actionViewCameraProperties"),
                   QStringLiteral("cameraproperties"));
}

void MainWindow::createCameraListDock()
{
    m_cameraListDock = new QDockWidget(tr("Camera list"), this);
    m_cameraListDock->setObjectName(QStringLiteral("CameraListDock"));
    m_cameraListDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto *view = new QTableView(m_cameraListDock);
    view->setObjectName(QStringLiteral("cameraListView"));
    view->setModel(&m_cameraListModel);
    view->setSelectionModel(&m_cameraListSelection);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setSortIndicatorShown(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->verticalHeader()->minimumSectionSize());
    view->horizontalHeader()->setStretchLastSection(true);
    view->resizeColumnsToContents();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &pos) {
        QMenu menu(this);
        menu.addActions({m_actions.open, m_actions.close});
        menu.exec(view->viewport()->mapToGlobal(pos));
    });
    connect(view, &QAbstractItemView::doubleClicked, this, &MainWindow::openCamera);
    // The columns fit the cameras listed, which arrive after the view is made.
    connect(&m_cameraListModel, &QAbstractItemModel::modelReset, view,
            &QTableView::resizeColumnsToContents);
    connect(&m_cameraListModel, &QAbstractItemModel::rowsInserted, view,
            &QTableView::resizeColumnsToContents);
    m_cameraListView = view;
    m_cameraListDock->setWidget(view);
    addDockWidget(Qt::LeftDockWidgetArea, m_cameraListDock);
}

void MainWindow::createBadpixelListDock()
{
    m_badpixelListDock = new QDockWidget(tr("Hot pixel list"), this);
    m_badpixelListDock->setObjectName(QStringLiteral("BadpixelListDock"));
    m_badpixelListDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto *view = new QTableView(m_badpixelListDock);
    view->setObjectName(QStringLiteral("badpixelListView"));
    view->setModel(&m_badpixelListModel);
    view->setSelectionModel(&m_badpixelSelection);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setSortIndicatorShown(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setItemDelegateForColumn(BadpixelListModel::ClassColumn, &m_pixelclassDelegate);
    view->verticalHeader()->hide();
    // Wide enough for the largest coordinate, which the counting never changes.
    const int coordinateWidth = view->fontMetrics().horizontalAdvance(QStringLiteral("65535")) +
                                2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    view->horizontalHeader()->resizeSection(BadpixelListModel::XColumn, coordinateWidth);
    view->horizontalHeader()->resizeSection(BadpixelListModel::YColumn, coordinateWidth);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &pos) {
        QMenu menu(this);
        menu.addAction(m_actions.add);
        if (m_badpixelSelection.hasSelection())
            menu.addAction(m_actions.remove);
        if (m_badpixelListModel.rowCount() > m_badpixelListModel.factoryBadpixelCount())
            menu.addAction(m_actions.clearUser);
        menu.exec(view->viewport()->mapToGlobal(pos));
    });
    m_badpixelListView = view;
    m_badpixelListDock->setWidget(view);
    addDockWidget(Qt::LeftDockWidgetArea, m_badpixelListDock);
}

void MainWindow::createMagnifierDock()
{
    m_magnifierDock = new QDockWidget(tr("Magnifier"), this);
    m_magnifierDock->setObjectName(QStringLiteral("MagnifierDock"));
    m_magnifierControl = new MagnifierControl(m_magnifierDock);
    m_magnifierControl->setObjectName(QStringLiteral("magnifierControl"));
    m_magnifierDock->setWidget(m_magnifierControl);
    Magnifier *magnifier = m_magnifierControl->magnifier();
    connect(magnifier, &Magnifier::changePosition, this, &MainWindow::setMagnifierPosition);
    connect(this, &MainWindow::magnifierPositionChanged, magnifier, &Magnifier::setPosition);
    addDockWidget(Qt::LeftDockWidgetArea, m_magnifierDock);
}

void MainWindow::createCameraSliderDock()
{
    m_cameraSliderDock = new QDockWidget(tr("Camera properties"), this);
    m_cameraSliderDock->setObjectName(QStringLiteral("CameraSliderDock"));
    m_parameterBlock = new ParameterBlockWidget(m_cameraSliderDock);
    m_parameterBlock->setCamera(&m_camera);
    m_parameterBlock->setObjectName(QStringLiteral("parameterBlock"));
    m_parameterBlock->setEnabled(m_camera.isOpen());
    connect(this, &MainWindow::cameraOpened, m_parameterBlock, &QWidget::setEnabled);
    m_cameraSliderDock->setWidget(m_parameterBlock);
    addDockWidget(Qt::LeftDockWidgetArea, m_cameraSliderDock);
}

void MainWindow::createStatusLabels()
{
    auto label = [this](const QString &name, const QString &text, int minimumWidth) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        l->setMinimumWidth(minimumWidth);
        statusBar()->addPermanentWidget(l);
        return l;
    };
    m_userCountLabel = label(QStringLiteral("userCountLabel"), tr("U: %1").arg(0), 40);
    m_factoryCountLabel = label(QStringLiteral("factoryCountLabel"), tr("F: %1").arg(0), 40);
    m_xLabel = label(QStringLiteral("xLabel"), tr("x: %1").arg(0), 44);
    m_yLabel = label(QStringLiteral("yLabel"), tr("y: %1").arg(0), 44);
    m_framesLabel = label(QStringLiteral("framesLabel"), tr("Frames: %1").arg(0), 64);
    m_failedLabel = label(QStringLiteral("failedLabel"), tr("Failed: %1").arg(0), 64);
    m_fpsLabel = label(QStringLiteral("fpsLabel"), tr("FPS: ") + QStringLiteral("0"), 72);
}

void MainWindow::connectCamera()
{
    connect(&m_camera, &Camera::newImage, this, &MainWindow::newImage);
    connect(&m_camera, &Camera::cameraOpened, &m_cameraListModel, &CameraListModel::setOpenCamera);
    connect(&m_camera, &Camera::cameraOpened, &m_badpixelListModel,
            &BadpixelListModel::getBadpixelList);
    connect(&m_camera, &Camera::cameraOpened, this, &MainWindow::onCameraOpened);
    connect(&m_camera, &Camera::cameraOpened, &m_cameraListModel, &CameraListModel::updateList);
    connect(&m_camera, &Camera::cameraClosed, &m_cameraListModel,
            &CameraListModel::clearOpenCamera);
    connect(&m_camera, &Camera::cameraClosed, &m_cameraListModel, &CameraListModel::updateList);
    connect(&m_camera, &Camera::cameraClosed, &m_badpixelListModel,
            &BadpixelListModel::clearBadpixelList);
    // Queued: the box waits until the camera has opened, and a retry reads outside the read.
    connect(&m_badpixelListModel, &BadpixelListModel::readFailed, this,
            &MainWindow::onListReadFailed, Qt::QueuedConnection);
    connect(&m_camera, &Camera::cameraClosed, this, &MainWindow::onCameraClosed);
    connect(&m_camera, &Camera::cameraNewDevice, &m_cameraListModel, &CameraListModel::updateList);
    connect(&m_camera, &Camera::cameraRemovedDevice, &m_cameraListModel,
            &CameraListModel::updateList);
    connect(&m_camera, &Camera::cameraReconnect, this, &MainWindow::onCameraReconnect);
    connect(&m_camera, &Camera::cameraRemoved, this, &MainWindow::onCameraDisconnect);
    connect(&m_camera, &Camera::displayError, statusBar(), &QStatusBar::showMessage);

    connect(&m_cameraListModel, &CameraListModel::somethingChanged, this,
            &MainWindow::updateCameraActions);
    connect(&m_cameraListModel, &CameraListModel::rowToSelect, this,
            &MainWindow::onSelectCameraRow);
    connect(&m_cameraListSelection, &QItemSelectionModel::selectionChanged, this,
            &MainWindow::updateCameraActions);
    connect(&m_cameraListModel, &QAbstractItemModel::modelReset, this,
            &MainWindow::updateCameraActions);

    connect(&m_badpixelListModel, &QAbstractItemModel::dataChanged, this,
            &MainWindow::setSelection);
    connect(&m_badpixelSelection, &QItemSelectionModel::selectionChanged, this,
            &MainWindow::updateSelection);

    connect(m_display, &DisplayWidget::positionClicked, this, &MainWindow::setMagnifierPosition);
    connect(m_display, &DisplayWidget::scaleChanged, this, &MainWindow::updateScaleFactor);
    connect(this, &MainWindow::magnifierPositionChanged, m_display,
            &DisplayWidget::updateMagnifierPosition);
    connect(this, &MainWindow::magnifierPositionChanged, this, &MainWindow::updateStatusPosition);

    connect(&m_detectionRun, &DetectionRun::progressChanged, this, &MainWindow::detectionProgress);
    connect(&m_detectionRun, &DetectionRun::detectionFinished, this,
            &MainWindow::detectionFinished);
    connect(&m_detectionRun, &DetectionRun::progressChanged, this, [this](int progress) {
        if (m_detectionDialogue)
            m_detectionDialogue->updateProgress(progress);
    });
    connect(&m_detectionRun, &DetectionRun::aborted, this,
            [this](const QString &title, const QString &message) {
                QMessageBox::critical(this, title, message, QMessageBox::Ok);
                if (m_detectionDialogue)
                    m_detectionDialogue->abortDetect();
            });
    connect(&m_detectionRun, &DetectionRun::failed, this, [this](const QString &message) {
        if (m_detectionDialogue)
            m_detectionDialogue->showDetectionError(message);
    });
    connect(&m_detectionRun, &DetectionRun::finished, this, [this] {
        // An aborted run has reset the bar already; finishing keeps its value.
        if (m_detectionDialogue)
            m_detectionDialogue->finishDetect();
    });
}

void MainWindow::restoreSettings()
{
    QSettings settings(QStringLiteral("Vyro"), QStringLiteral("Dapplix"));
    settings.beginGroup(QStringLiteral("mainWindow"));
    const QByteArray geometry = settings.value(QStringLiteral("geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1180, 800);
    m_savedState = settings.value(QStringLiteral("state")).toByteArray();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_stateRestored)
        return;
    m_stateRestored = true;
    // Dock sizes restored before the window has its own size shrink to their minimum: they are
    // restored once it is shown. The first start shows the whole camera list.
    if (restoreState(m_savedState) || !m_cameraListView)
        return;
    const QAbstractItemView *view = m_cameraListView;
    const QHeaderView *header = m_cameraListView->horizontalHeader();
    // The columns as resized to their contents, the stretched last one at least at its default
    // size, the scroll bar, and the frames of view and dock.
    int listWidth = m_cameraListView->verticalScrollBar()->sizeHint().width() +
                    2 * m_cameraListView->frameWidth() + 24;
    for (int column = 0; column < header->count(); ++column)
        listWidth += std::max({view->sizeHintForColumn(column), header->sectionSizeHint(column),
                               column == header->count() - 1 ? header->defaultSectionSize() : 0});
    resizeDocks({m_cameraListDock}, {std::max(380, listWidth)}, Qt::Horizontal);
}

void MainWindow::saveSettings() const
{
    QSettings settings(QStringLiteral("Vyro"), QStringLiteral("Dapplix"));
    settings.beginGroup(QStringLiteral("mainWindow"));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("state"), saveState());
}

int MainWindow::selectedCameraRow() const
{
    const QModelIndexList rows = m_cameraListSelection.selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.first().row();
    return row < m_cameraListModel.rowCount() ? row : -1;
}

bool MainWindow::selectedIsOpenCamera() const
{
    const int row = selectedCameraRow();
    if (row < 0 || !m_camera.isOpen())
        return false;
    const CameraListEntry entry = m_cameraListModel.entry(row);
    return !entry.serial.isEmpty() && entry.serial == m_camera.serialNumber();
}

void MainWindow::openCamera()
{
    const int row = selectedCameraRow();
    if (row < 0)
        return;
    const CameraListEntry entry = m_cameraListModel.entry(row);
    if (entry.inUse || entry.serial.isEmpty() || !settleUnwrittenChanges())
        return;
    try {
        m_openCameraId = entry.cameraId;
        m_camera.open(int(entry.deviceId));
        onHotpixelCorrection();
        if (QAction *zoom = m_zoomGroup->checkedAction())
            onZoomChanged(zoom);
        m_camera.setAutoConfig();
        m_display->clear();
        m_display->setBufferSize(m_camera.imageInfo());
        m_display->setHighlight(m_actions.highlight->isChecked());
        if (m_magnifierControl)
            m_magnifierControl->setBayerSensor(m_camera.colorMode() == VY_CM_BAYER_RG8);
        m_display->setImageAreaVisible(true);
        m_statusTimer.start();
        setMagnifierPosition(QPoint(0, 0));
        const bool inCamera = m_camera.supportsCameraCorrection();
        m_actions.write->setEnabled(inCamera);
        if (!inCamera)
            QMessageBox::warning(this, tr("Please note!"),
                                 tr("This camera only supports software correction and therefore "
                                    "can't save inside the camera memory."));
    } catch (const std::exception &e) {
        statusBar()->showMessage(errorText(e), openFailureMs);
    }
}

void MainWindow::closeCamera()
{
    if (!m_camera.isOpen() || (!m_cameraAway && !selectedIsOpenCamera()) ||
        !settleUnwrittenChanges())
        return;
    m_camera.close();
    setCameraAway(false);
    m_statusTimer.stop();
    m_display->clear();
    m_display->setImageAreaVisible(false);
    if (m_magnifierControl) {
        m_magnifierControl->magnifier()->setImage(QImage());
        m_magnifierControl->magnifier()->clear();
    }
    setMagnifierPosition(QPoint(0, 0));
    resetStatusCounters();
}

void MainWindow::resetStatusCounters()
{
    m_framesLabel->setText(tr("Frames: %1").arg(0));
    m_failedLabel->setText(tr("Failed: %1").arg(0));
    m_fpsLabel->setText(tr("FPS: ") + QStringLiteral("0"));
}

void MainWindow::newImage(const QImage &image)
{
    if (m_magnifierControl)
        m_magnifierControl->magnifier()->setImage(image);
    m_display->setImage(image);
    m_detectionRun.addFrame(image);
    // The dialog's histogram follows the live frame; the run's frames are its averages.
    if (m_detectionDialogue)
        m_detectionDialogue->setFrame(image, m_camera.colorMode());
}

void MainWindow::updateStatus()
{
    const int user = m_badpixelListModel.userBadpixelCount();
    m_userCountLabel->setText(tr("U: %1").arg(user));
    m_factoryCountLabel->setText(tr("F: %1").arg(m_badpixelListModel.rowCount() - user));
    m_framesLabel->setText(tr("Frames: %1").arg(m_camera.frameCount()));
    m_failedLabel->setText(tr("Failed: %1").arg(m_camera.failedCount()));
    m_fpsLabel->setText(tr("FPS: ") + QString::number(m_camera.framesPerSecond(), 'f', 2));
}

void MainWindow::updateCameraActions()
{
    const int row = selectedCameraRow();
    bool free = false;
    if (row >= 0) {
        const CameraListEntry entry = m_cameraListModel.entry(row);
        free = !entry.inUse && !entry.serial.isEmpty();
    }
    m_actions.open->setEnabled(free);
    // An unplugged camera can only be closed until it returns.
    m_actions.close->setEnabled(m_camera.isOpen() && (m_cameraAway || selectedIsOpenCamera()));
    const bool open = selectedIsOpenCamera() && !m_cameraAway;
    for (QAction *act :
         {m_actions.saveList, m_actions.loadList, m_actions.correction, m_actions.detect,
          m_actions.add, m_actions.write, m_actions.zoomMenu, m_actions.zoomToFit})
        act->setEnabled(open);
    if (open && !m_camera.supportsCameraCorrection())
        m_actions.write->setEnabled(false);
}

void MainWindow::onCameraOpened(Camera *)
{
    emit cameraOpened(true);
}

void MainWindow::onCameraClosed()
{
    emit cameraOpened(false);
}

void MainWindow::setSelection(const QModelIndex &topLeft, const QModelIndex &)
{
    if (!topLeft.isValid() || topLeft.row() >= m_badpixelListModel.rowCount()) {
        m_actions.remove->setEnabled(false);
        m_display->redrawImage();
        return;
    }
    const Badpixel entry = m_badpixelListModel.badpixelAt(topLeft.row());
    setMagnifierPosition(QPoint(entry.x, entry.y));
    m_display->ensurePixelVisible(QPoint(entry.x, entry.y));
    if (m_badpixelListView)
        m_badpixelListView->scrollTo(topLeft);
    m_actions.remove->setEnabled(entry.pixelclass == Badpixel::User);
    m_display->redrawImage();
}

void MainWindow::updateSelection(const QItemSelection &, const QItemSelection &)
{
    const QModelIndexList selected = m_badpixelSelection.selectedIndexes();
    setSelection(selected.isEmpty() ? QModelIndex() : selected.first(), QModelIndex());
}

void MainWindow::setMagnifierPosition(QPoint position)
{
    const VY_SENSORINFO &sensor = m_camera.sensorInfo();
    const int right = qMax(0, int(sensor.maxWidth) - 1);
    const int bottom = qMax(0, int(sensor.maxHeight) - 1);
    m_magnifierPosition = QPoint(qBound(0, position.x(), right), qBound(0, position.y(), bottom));
    const QModelIndex found =
        m_badpixelListModel.findBadpixel(m_magnifierPosition.x(), m_magnifierPosition.y(), 1);
    // Selecting comes back here through updateSelection with the same position, where the
    // unchanged selection emits nothing more.
    if (found.isValid()) {
        m_badpixelSelection.select(found,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_actions.remove->setEnabled(m_badpixelListModel.badpixelAt(found.row()).pixelclass ==
                                     Badpixel::User);
    } else {
        m_badpixelSelection.clearSelection();
        m_actions.remove->setEnabled(false);
    }
    emit magnifierPositionChanged(m_magnifierPosition);
}

void MainWindow::updateStatusPosition(QPoint position)
{
    m_xLabel->setText(tr("x: %1").arg(position.x()));
    m_yLabel->setText(tr("y: %1").arg(position.y()));
}

void MainWindow::updateScaleFactor(double scale)
{
    m_zoomFactor = int(scale);
    QAction *zoom = nullptr;
    if (m_zoomFactor == 2)
        zoom = m_actions.zoom2to1;
    else if (m_zoomFactor == 1)
        zoom = m_actions.zoom1to1;
    if (!zoom)
        return;
    zoom->setChecked(true);
    m_actions.zoomMenu->setText(zoom->text());
    statusBar()->showMessage(tr("The image is too big and will be resized"), shortMessageMs);
}

void MainWindow::onZoomChanged(QAction *action)
{
    const Actions &a = m_actions;
    struct Zoom
    {
        QAction *action;
        double scale;
        int factor;
    };
    const Zoom zooms[] = {{a.zoom1to1, 1.0, 1}, {a.zoom2to1, 2.0, 2},  {a.zoom4to1, 4.0, 4},
                          {a.zoom1to2, 0.5, 1}, {a.zoom1to4, 0.25, 1}, {a.zoomToFit, 0.0, 0}};
    for (const Zoom &z : zooms) {
        if (z.action != action)
            continue;
        action->setChecked(true);
        a.zoomMenu->setText(action->text());
        m_zoomFactor = z.factor;
        m_display->setScale(z.scale);
        m_display->redrawImage();
        return;
    }
}

void MainWindow::writeBadpixelList()
{
    if (!m_camera.supportsCameraCorrection()) {
        QMessageBox::critical(this, tr("Not supported!"),
                              tr("This camera only supports software correction and can't be "
                                 "saved inside the camera memory!"));
        return;
    }
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    tr("This action will completely overwrite the user defined hot pixel list in "
                       "the EEPROM of the camera."),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setInformativeText(tr("Do you want to continue?"));
    if (box.exec() != QMessageBox::Yes)
        return;
    writeToCamera();
}

bool MainWindow::writeToCamera()
{
    try {
        m_badpixelListModel.writeBadpixelList(&m_camera);
        statusBar()->showMessage(tr("User entries written into the camera: %1")
                                     .arg(m_badpixelListModel.userBadpixelCount()),
                                 openFailureMs);
        return true;
    } catch (const std::exception &e) {
        QMessageBox::critical(this, tr("Write failed"), errorText(e));
        statusBar()->showMessage(errorText(e), shortMessageMs);
        return false;
    }
}

bool MainWindow::settleUnwrittenChanges()
{
    if (!m_camera.isOpen() || !m_badpixelListModel.hasUnwrittenChanges() ||
        (!m_cameraAway && !m_camera.supportsCameraCorrection()))
        return true;
    // An unplugged camera cannot be written: the user may still wait for it to return.
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    tr("The hot pixel list has changes that are not written to the camera."),
                    QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unwrittenChangesBox"));
    if (m_cameraAway) {
        box.setInformativeText(tr("The camera is disconnected; they can be written once it is "
                                  "back."));
        box.setDefaultButton(QMessageBox::Cancel);
    } else {
        box.addButton(QMessageBox::Save)->setText(tr("Write"));
        box.setInformativeText(
            tr("Write them into the camera's memory before the list is closed?"));
        box.setDefaultButton(QMessageBox::Save);
    }
    switch (box.exec()) {
    case QMessageBox::Save:
        return writeToCamera();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

Camera::Opened MainWindow::runSlowOpen(const std::function<Camera::Opened()> &open)
{
    // The window keeps painting while the call runs on the thread pool; what the user does
    // meanwhile waits, so nothing else reaches the camera before it is open.
    QProgressDialog progress(tr("Uploading the camera's firmware. Please wait…"), QString(), 0, 0,
                             this);
    progress.setObjectName(QStringLiteral("longCallProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.show();
    return vyrokit::runOffThread(open, QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::onListReadFailed(const QString &message)
{
    if (!m_camera.isOpen() || m_badpixelListModel.readProblem().isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, windowTitle(), message,
                    QMessageBox::Retry | QMessageBox::Ignore, this);
    box.setObjectName(QStringLiteral("listReadFailedBox"));
    box.setEscapeButton(QMessageBox::Ignore);
    if (box.exec() == QMessageBox::Retry)
        m_badpixelListModel.getBadpixelList(&m_camera);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (settleUnwrittenChanges())
        event->accept();
    else
        event->ignore();
}

QString MainWindow::askSaveName(const QString &title, const QString &filter, const QString &suffix)
{
    // The dialog adds the format's suffix to a name typed without one before it asks about
    // replacing a file, so that one format never replaces another's file of the same name.
    QFileDialog dialog(this, title, QDir::homePath(), filter);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString MainWindow::askOpenName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(this, title, QDir::homePath(), filter);
}

void MainWindow::showFailure(const std::exception &e)
{
    QMessageBox box(QMessageBox::Critical, windowTitle(), errorText(e), QMessageBox::Ok);
    box.exec();
}

void MainWindow::saveBadpixelList()
{
    const QString name =
        askSaveName(tr("Save hot pixel list"), tr("Binary files (*.bin)"), QStringLiteral("bin"));
    if (!name.isEmpty())
        saveBadpixelListTo(name);
}

void MainWindow::loadBadpixelList()
{
    const QString name = askOpenName(tr("Open hot pixel list"), tr("Binary files (*.bin)"));
    if (!name.isEmpty())
        loadBadpixelListFrom(name);
}

void MainWindow::exportBadpixelList()
{
    const QString name =
        askSaveName(tr("Export hot pixel list"), tr("Text files (*.txt)"), QStringLiteral("txt"));
    if (!name.isEmpty())
        exportBadpixelListTo(name);
}

void MainWindow::importBadpixelList()
{
    const QString name = askOpenName(tr("Import hot pixel list"), tr("Text files (*.txt)"));
    if (!name.isEmpty())
        importBadpixelListFrom(name);
}

void MainWindow::exportBadpixelsFile()
{
    const QString name =
        askSaveName(tr("Export for raw converters"), tr("Raw converter lists (*.badpixels)"),
                    BadpixelsFile::suffix());
    if (!name.isEmpty())
        exportBadpixelsFileTo(name);
}

void MainWindow::importBadpixelsFile()
{
    const QString name = askOpenName(tr("Import from raw converters"),
                                     tr("Raw converter lists (*.badpixels);;All files (*)"));
    if (!name.isEmpty())
        importBadpixelsFileFrom(name);
}

bool MainWindow::runFileOperation(const std::function<void()> &operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception &e) {
        showFailure(e);
        return false;
    }
}

bool MainWindow::saveBadpixelListTo(const QString &filename)
{
    return runFileOperation([&] { m_badpixelListModel.saveAsFile(&m_camera, filename); });
}

bool MainWindow::loadBadpixelListFrom(const QString &filename)
{
    return runFileOperation([&] { m_badpixelListModel.loadFromFile(&m_camera, filename); });
}

bool MainWindow::exportBadpixelListTo(const QString &filename)
{
    return runFileOperation([&] { m_badpixelListModel.exportAsFile(filename); });
}

bool MainWindow::importBadpixelListFrom(const QString &filename)
{
    return runFileOperation([&] {
        // With a camera open, every entry must lie on its sensor.
        const VY_SENSORINFO &sensor = m_camera.sensorInfo();
        m_badpixelListModel.importFromFile(
            filename,
            m_camera.isOpen() ? QSize(int(sensor.maxWidth), int(sensor.maxHeight)) : QSize());
    });
}

bool MainWindow::exportBadpixelsFileTo(const QString &filename)
{
    QVector<QPoint> pixels;
    for (int row = 0; row < m_badpixelListModel.rowCount(); ++row) {
        const Badpixel b = m_badpixelListModel.badpixelAt(row);
        if (b.pixelclass == Badpixel::User)
            pixels.append(QPoint(b.x, b.y));
    }
    return runFileOperation([&] { BadpixelsFile::write(filename, pixels); });
}

bool MainWindow::importBadpixelsFileFrom(const QString &filename)
{
    const VY_SENSORINFO &sensor = m_camera.sensorInfo();
    return runFileOperation([&] {
        // The whole file is checked before the first entry goes into the list.
        const QVector<QPoint> pixels =
            BadpixelsFile::read(filename, QSize(int(sensor.maxWidth), int(sensor.maxHeight)));
        for (const QPoint &p : pixels)
            m_badpixelListModel.addBadpixel(p);
        statusBar()->showMessage(tr("%n hot pixel(s) read.", nullptr, pixels.size()),
                                 openFailureMs);
    });
}

void MainWindow::addNewBadpixel()
{
    try {
        if (!m_badpixelListModel.addBadpixel(m_magnifierPosition))
            return;
        const QModelIndex found =
            m_badpixelListModel.findBadpixel(m_magnifierPosition.x(), m_magnifierPosition.y(), 1);
        if (found.isValid())
            m_badpixelSelection.select(found, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    } catch (const std::exception &e) {
        statusBar()->showMessage(errorText(e), shortMessageMs);
    }
}

void MainWindow::deleteBadpixel()
{
    const QModelIndexList selected = m_badpixelSelection.selectedIndexes();
    if (!selected.isEmpty())
        m_badpixelListModel.removeUserBadpixel(selected.first().row());
}

void MainWindow::clearBadpixel()
{
    m_badpixelListModel.clearUserBadpixelList();
}

void MainWindow::openDetectDialog()
{
    if (m_detectionDialogue)
        m_detectionDialogue->deleteLater();
    m_detectionDialogue = new DetectionDialogue(this);
    m_detectionDialogue->setObjectName(QStringLiteral("detectionDialogue"));
    m_detectionDialogue->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_detectionDialogue, &DetectionDialogue::startDetect, this,
            [this](bool clear, int threshold) { startDetectingBadpixel(clear, uint(threshold)); });
    connect(&m_badpixelListModel, &BadpixelListModel::pixelAdded, m_detectionDialogue,
            &DetectionDialogue::addDetectedPixel);
    connect(m_detectionDialogue, &DetectionDialogue::cancelDetect, &m_detectionRun,
            &DetectionRun::cancel);
    connect(&m_camera, &Camera::cameraRemoved, m_detectionDialogue,
            &DetectionDialogue::cameraRemoved);
    m_detectionDialogue->exec();
}

void MainWindow::startDetectingBadpixel(bool clear, uint threshold)
{
    // A long exposure or a low frame rate spaces the frames: the run waits for them.
    const double fps = m_camera.framerateParameter().value;
    const double period = qMax(fps > 0 ? 1000.0 / fps : 0.0, m_camera.exposureParameter().value);
    m_detectionRun.setFramePeriod(int(qMin(period, 3600000.0)));
    m_detectionRun.start(clear, threshold, m_camera.colorMode());
}

void MainWindow::detectBadpixel()
{
    m_detectionRun.detectBadpixel();
}

void MainWindow::onSelectCameraRow(int row)
{
    if (m_cameraListSelection.hasSelection() || row < 0 || row >= m_cameraListModel.rowCount())
        return;
    m_cameraListSelection.select(m_cameraListModel.index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindow::onCameraReconnect()
{
    setCameraAway(false);
    statusBar()->showMessage(tr("Camera %1 is back.").arg(m_openCameraId), shortMessageMs);
}

void MainWindow::onCameraDisconnect()
{
    setCameraAway(true);
    newImage(QImage());
}

void MainWindow::setCameraAway(bool away)
{
    m_cameraAway = away;
    const QString waiting =
        away ? tr("Camera %1 was disconnected — waiting for it…").arg(m_openCameraId) : QString();
    if (away)
        statusBar()->showMessage(waiting);
    m_display->setImageAreaVisible(!away);
    m_display->setMessage(waiting);
    if (m_parameterBlock)
        m_parameterBlock->setEnabled(!away && m_camera.isOpen());
    if (!away) {
        // The user's own camera is selected again, wherever its row now is.
        m_cameraListModel.updateList();
        for (int row = 0; row < m_cameraListModel.rowCount(); ++row) {
            if (int(m_cameraListModel.entry(row).deviceId) != m_camera.openDeviceId())
                continue;
            const QModelIndex index = m_cameraListModel.index(row, 0);
            m_cameraListSelection.select(index, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
            if (m_cameraListView)
                m_cameraListView->scrollTo(index);
        }
    }
    updateCameraActions();
}

void MainWindow::onHotpixelCorrection()
{
    try {
        m_camera.setBadPixelCorrection(m_actions.correction->isChecked());
    } catch (const std::exception &e) {
        // The switch shows what the camera does, which did not change.
        m_actions.correction->setChecked(!m_actions.correction->isChecked());
        statusBar()->showMessage(errorText(e), openFailureMs);
    }
}

void MainWindow::openHelpUsageWindow()
{
    QMessageBox box(QMessageBox::NoIcon, tr("Usage"),
                    tr("Vyro Dapplix - Usage\n\nNavigation:\n\nRight mouse button: Drag to move "
                       "image\nArrow keys: Click once into magnifier to move focus pixel by "
                       "pixel\n\nShortcuts:\n\n%1\t Add a hot pixel to the list\n%2\t Removes a "
                       "hot pixel from the list\n")
                        .arg(m_actions.add->shortcut().toString(QKeySequence::PortableText),
                             m_actions.remove->shortcut().toString(QKeySequence::PortableText)),
                    QMessageBox::Close, this);
    box.setObjectName(QStringLiteral("usageBox"));
    box.exec();
}

void MainWindow::openHelpAboutWindow()
{
    Dialog_About about(windowTitle(), this);
    connect(&about, &Dialog_About::usageRequested, this, &MainWindow::openHelpUsageWindow);
    about.exec();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    setWindowTitle(tr("Dapplix"));
    m_toolBar->setWindowTitle(tr("Toolbar"));
}

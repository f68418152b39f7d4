// mainwindow.cpp: dapplix's window and how it follows its camera.
#include "dapplix/ui/mainwindow.h"

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <exception>

#include "dapplix/hotpixels/pixelclassdelegate.h"

namespace {

constexpr int StatusIntervalMs = 1500;
constexpr int MessageMs = 5000;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Vyro Dapplix"));
    createWidgets();

    connect(&m_camera, &Camera::newImage, this, &MainWindow::onNewImage);
    connect(&m_camera, &Camera::cameraOpened, &m_badpixels, &BadpixelListModel::getBadpixelList);
    connect(&m_camera, &Camera::cameraClosed, &m_badpixels, &BadpixelListModel::clearBadpixelList);
    connect(&m_camera, &Camera::displayError, statusBar(), &QStatusBar::showMessage);
    connect(&m_camera, &Camera::cameraRemoved, this, &MainWindow::onCameraDisconnect);
    connect(&m_camera, &Camera::cameraReconnect, this, &MainWindow::onCameraReconnect);
    connect(&m_camera, &Camera::cameraNewDevice, this, &MainWindow::onDeviceListChanged);
    connect(&m_camera, &Camera::cameraRemovedDevice, this, &MainWindow::onDeviceListChanged);
    connect(m_statusTimer, &QTimer::timeout, this, &MainWindow::onStatusTimer);
    m_statusTimer->start(StatusIntervalMs);

    m_cameras.updateList();
    openFirstFreeCamera();
    resize(1100, 750);
}

MainWindow::~MainWindow()
{
    m_camera.close();
}

void MainWindow::createWidgets()
{
    auto *splitter = new QSplitter(this);
    auto *scroll = new QScrollArea(splitter);
    m_imageLabel = new QLabel(scroll);
    m_imageLabel->setObjectName(QStringLiteral("imageLabel"));
    m_imageLabel->setAlignment(Qt::AlignCenter);
    scroll->setWidget(m_imageLabel);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);

    auto *listView = new QTableView(splitter);
    listView->setModel(&m_badpixels);
    listView->setItemDelegateForColumn(BadpixelListModel::ClassColumn,
                                       new PixelclassDelegate(listView));
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->verticalHeader()->hide();
    listView->horizontalHeader()->setDefaultSectionSize(60);
    listView->horizontalHeader()->setStretchLastSection(true);

    splitter->addWidget(scroll);
    splitter->addWidget(listView);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({800, 260});
    setCentralWidget(splitter);

    m_framesLabel = new QLabel(tr("Frames: %1").arg(0), this);
    statusBar()->addPermanentWidget(m_framesLabel);
    m_statusTimer = new QTimer(this);
}

void MainWindow::openFirstFreeCamera()
{
    int row = 0;
    while (row < m_cameras.rowCount() &&
           (m_cameras.entry(row).inUse || m_cameras.entry(row).serial.isEmpty()))
        ++row;
    if (row == m_cameras.rowCount()) {
        statusBar()->showMessage(tr("No camera found."));
        return;
    }
    const CameraListEntry entry = m_cameras.entry(row);
    try {
        m_camera.open(int(entry.deviceId));
        m_cameras.setOpenCamera(&m_camera);
        statusBar()->showMessage(tr("Camera %1 (%2) open").arg(entry.model, entry.serial),
                                 MessageMs);
    } catch (const std::exception &e) {
        statusBar()->showMessage(
            tr("The camera could not be opened: %1").arg(QString::fromStdString(e.what())));
    }
}

void MainWindow::onNewImage(QImage &image)
{
    // The frame is only valid during the signal: the pixmap takes its own copy.
    if (image.isNull())
        m_imageLabel->clear();
    else
        m_imageLabel->setPixmap(QPixmap::fromImage(image));
}

void MainWindow::onCameraDisconnect()
{
    m_imageLabel->clear();
    statusBar()->showMessage(
        tr("The camera was disconnected. The image continues when it is connected again."));
}

void MainWindow::onCameraReconnect()
{
    m_cameras.updateList();
    statusBar()->showMessage(tr("The camera is connected again."), MessageMs);
}

void MainWindow::onDeviceListChanged()
{
    m_cameras.updateList();
    if (!m_camera.isOpen())
        openFirstFreeCamera();
}

void MainWindow::onStatusTimer()
{
    m_framesLabel->setText(tr("Frames: %1").arg(m_camera.frameCount()));
}

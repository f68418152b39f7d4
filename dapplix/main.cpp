// dapplix, the hot pixel editor: for now a plain window with the first free camera's live image
// and its hot pixel list.
#include "dapplix/camera/camera.h"
#include "dapplix/camera/cameralistmodel.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/hotpixels/pixelclassdelegate.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QTranslator>
#include <exception>

#include "vyro_version.h"

namespace {

void installTranslators(QApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    auto *own = new QTranslator(&app);
    const QString dir =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lang/dapplix"));
    if (own->load(QLocale(), QStringLiteral("dapplix"), QStringLiteral("_"), dir))
        app.installTranslator(own);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vyro"));
    QCoreApplication::setApplicationName(QStringLiteral("Dapplix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VYRO_VERSION_TEXT));
    installTranslators(app);

    Camera camera;
    BadpixelListModel badpixels;
    CameraListModel cameras;

    QMainWindow window;
    window.setWindowTitle(QCoreApplication::translate("main", "Vyro Dapplix"));
    auto *splitter = new QSplitter(&window);
    auto *scroll = new QScrollArea(splitter);
    auto *imageLabel = new QLabel(scroll);
    imageLabel->setAlignment(Qt::AlignCenter);
    scroll->setWidget(imageLabel);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto *listView = new QTableView(splitter);
    listView->setModel(&badpixels);
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
    window.setCentralWidget(splitter);
    auto *frames = new QLabel(QCoreApplication::translate("main", "Frames: %1").arg(0), &window);
    window.statusBar()->addPermanentWidget(frames);

    // The frame is only valid during the signal: the pixmap takes its own copy.
    QObject::connect(&camera, &Camera::newImage, imageLabel, [imageLabel](QImage &image) {
        if (image.isNull())
            imageLabel->clear();
        else
            imageLabel->setPixmap(QPixmap::fromImage(image));
    });
    QObject::connect(&camera, &Camera::cameraOpened, &badpixels,
                     &BadpixelListModel::getBadpixelList);
    QObject::connect(&camera, &Camera::cameraClosed, &badpixels,
                     &BadpixelListModel::clearBadpixelList);
    QObject::connect(&camera, &Camera::displayError, window.statusBar(), &QStatusBar::showMessage);
    QTimer status;
    QObject::connect(&status, &QTimer::timeout, frames, [&] {
        frames->setText(QCoreApplication::translate("main", "Frames: %1").arg(camera.frameCount()));
    });
    status.start(1500);

    cameras.updateList();
    int row = 0;
    while (row < cameras.rowCount() &&
           (cameras.entry(row).inUse || cameras.entry(row).serial.isEmpty()))
        ++row;
    if (row == cameras.rowCount()) {
        window.statusBar()->showMessage(QCoreApplication::translate("main", "No camera found."));
    } else {
        const CameraListEntry entry = cameras.entry(row);
        try {
            camera.open(int(entry.deviceId));
            cameras.setOpenCamera(&camera);
            window.statusBar()->showMessage(
                QCoreApplication::translate("main", "Camera %1 (%2) open")
                    .arg(entry.model, entry.serial),
                5000);
        } catch (const std::exception &e) {
            window.statusBar()->showMessage(
                QCoreApplication::translate("main", "The camera could not be opened: %1")
                    .arg(QString::fromStdString(e.what())));
        }
    }

    window.resize(1100, 750);
    window.show();
    const int result = app.exec();
    camera.close();
    return result;
}

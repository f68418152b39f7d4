// dapplix's window: the camera list, the live image with its magnifier, the hot pixel list and
// every action on them.
#ifndef DAPPLIX_UI_MAINWINDOW_H
#define DAPPLIX_UI_MAINWINDOW_H

#include <QItemSelection>
#include <QItemSelectionModel>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include "dapplix/camera/camera.h"
#include "dapplix/camera/cameralistmodel.h"
#include "dapplix/detection/detectionrun.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/hotpixels/pixelclassdelegate.h"

#include <functional>

class DetectionDialogue;
class DisplayWidget;
class Magnifier;
class MagnifierControl;
class ParameterBlockWidget;
class QAction;
class QActionGroup;
class QDockWidget;
class QGridLayout;
class QLabel;
class QMenu;
class QTableView;
class QToolBar;
class QToolButton;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    dapplix::Camera &camera() { return m_camera; }
    const dapplix::Camera &camera() const { return m_camera; }
    dapplix::CameraListModel &cameraListModel() { return m_cameraListModel; }
    BadpixelListModel &badpixelListModel() { return m_badpixelListModel; }
    QItemSelectionModel &cameraListSelection() { return m_cameraListSelection; }
    QItemSelectionModel &badpixelSelection() { return m_badpixelSelection; }
    DisplayWidget *display() const { return m_display; }
    QPoint magnifierPosition() const { return m_magnifierPosition; }
    int zoomFactor() const { return m_zoomFactor; }
    DetectionRun &detectionRun() { return m_detectionRun; }
    const DetectionRun &detectionRun() const { return m_detectionRun; }
    DetectionDialogue *detectionDialogue() const;
    MagnifierControl *magnifierControl() const;

    // The file steps behind the File menu, for a name already chosen. Failures are shown in a
    // message box; the return value says whether the step succeeded.
    bool saveBadpixelListTo(const QString &filename);
    bool loadBadpixelListFrom(const QString &filename);
    bool exportBadpixelListTo(const QString &filename);
    bool importBadpixelListFrom(const QString &filename);
    bool exportBadpixelsFileTo(const QString &filename);
    bool importBadpixelsFileFrom(const QString &filename);

signals:
    void cameraOpened(bool opened);
    void magnifierPositionChanged(QPoint position);
    void detectionFinished();
    void detectionProgress(int progress);

public slots:
    void openCamera();
    void closeCamera();
    void newImage(const QImage &image);
    void updateStatus();
    void updateCameraActions();
    void onCameraOpened(dapplix::Camera *camera);
    void onCameraClosed();
    void setSelection(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void updateSelection(const QItemSelection &selected, const QItemSelection &deselected);
    void setMagnifierPosition(QPoint position);
    void updateStatusPosition(QPoint position);
    void updateScaleFactor(double scale);
    void writeBadpixelList();
    void saveBadpixelList();
    void loadBadpixelList();
    void exportBadpixelList();
    void importBadpixelList();
    void exportBadpixelsFile();
    void importBadpixelsFile();
    void addNewBadpixel();
    void deleteBadpixel();
    void clearBadpixel();
    void openDetectDialog();
    void startDetectingBadpixel(bool clear, uint threshold);
    void detectBadpixel();
    void onZoomChanged(QAction *action);
    void onSelectCameraRow(int row);
    void onCameraReconnect();
    void onCameraDisconnect();
    void onHotpixelCorrection();
    void openHelpUsageWindow();
    void openHelpAboutWindow();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Q_DISABLE_COPY(MainWindow)

    // Before the open camera's list goes (close, switch, quit): asks what becomes of edits not
    // yet written to the camera. True when the caller may go on.
    bool settleUnwrittenChanges();
    // Writes the user entries into the camera; a failure is shown. True when written.
    bool writeToCamera();
    void onListReadFailed(const QString &message);
    dapplix::Camera::Opened runSlowOpen(const std::function<dapplix::Camera::Opened()> &open);
    // The open camera was unplugged and is waited for; what needs it is disabled meanwhile.
    void setCameraAway(bool away);

    // The actions of the tool bar and the menus, in the order they are created.
    struct Actions
    {
        QAction *open = nullptr;
        QAction *close = nullptr;
        QAction *saveList = nullptr;
        QAction *loadList = nullptr;
        QAction *highlight = nullptr;
        QAction *write = nullptr;
        QAction *correction = nullptr;
        QAction *add = nullptr;
        QAction *remove = nullptr;
        QAction *clearUser = nullptr;
        QAction *detect = nullptr;
        QAction *zoom1to1 = nullptr;
        QAction *zoom2to1 = nullptr;
        QAction *zoom4to1 = nullptr;
        QAction *zoom1to2 = nullptr;
        QAction *zoom1to4 = nullptr;
        QAction *zoomToFit = nullptr;
        QAction *zoomMenu = nullptr;
        QAction *usage = nullptr;
        QAction *about = nullptr;
        QAction *exportList = nullptr;
        QAction *importList = nullptr;
        QAction *exportBadpixels = nullptr;
        QAction *importBadpixels = nullptr;
        QAction *exit = nullptr;
        QAction *viewCameraList = nullptr;
        QAction *viewBadpixelList = nullptr;
        QAction *viewMagnifier = nullptr;
        QAction *viewCameraProperties = nullptr;
    };

    void createActions();
    void createMenus();
    void createDocks();
    void createCameraListDock();
    void createBadpixelListDock();
    void createMagnifierDock();
    void createCameraSliderDock();
    void createStatusLabels();
    void connectCamera();
    void restoreSettings();
    void saveSettings() const;
    void retranslate();
    bool selectedIsOpenCamera() const;
    int selectedCameraRow() const;
    void showFailure(const std::exception &e);
    // Runs a list or file operation; a failure is shown, and the answer is false.
    bool runFileOperation(const std::function<void()> &operation);
    void resetStatusCounters();
    // The file name the user chose, empty when cancelled; a save adds suffix to a bare name.
    QString askSaveName(const QString &title, const QString &filter, const QString &suffix);
    QString askOpenName(const QString &title, const QString &filter);

    dapplix::Camera m_camera;
    dapplix::CameraListModel m_cameraListModel;
    BadpixelListModel m_badpixelListModel;
    QItemSelectionModel m_cameraListSelection;
    QItemSelectionModel m_badpixelSelection;
    PixelclassDelegate m_pixelclassDelegate;
    DetectionRun m_detectionRun;
    QPoint m_magnifierPosition;
    quint32 m_openCameraId = 0;
    bool m_cameraAway = false;
    QByteArray m_savedState;
    bool m_stateRestored = false;
    // 1, 2 or 4; 1 for the reductions too; 0 while the image is fitted into the view.
    int m_zoomFactor = 1;
    QTimer m_statusTimer;

    DisplayWidget *m_display = nullptr;
    QPointer<MagnifierControl> m_magnifierControl;
    QPointer<ParameterBlockWidget> m_parameterBlock;
    QPointer<DetectionDialogue> m_detectionDialogue;
    QTableView *m_cameraListView = nullptr;
    QTableView *m_badpixelListView = nullptr;
    QPointer<QDockWidget> m_cameraListDock;
    QPointer<QDockWidget> m_badpixelListDock;
    QPointer<QDockWidget> m_magnifierDock;
    QPointer<QDockWidget> m_cameraSliderDock;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_viewMenu = nullptr;
    QActionGroup *m_zoomGroup = nullptr;
    Actions m_actions;

    QLabel *m_userCountLabel = nullptr;
    QLabel *m_factoryCountLabel = nullptr;
    QLabel *m_xLabel = nullptr;
    QLabel *m_yLabel = nullptr;
    QLabel *m_framesLabel = nullptr;
    QLabel *m_failedLabel = nullptr;
    QLabel *m_fpsLabel = nullptr;
};

#endif // DAPPLIX_UI_MAINWINDOW_H

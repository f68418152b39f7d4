// mainwindow.h: dapplix's window: the first free camera's live image and its hot pixel list,
// following cameras as they come and go.
#ifndef DAPPLIX_UI_MAINWINDOW_H
#define DAPPLIX_UI_MAINWINDOW_H

#include <QMainWindow>

#include "dapplix/camera/camera.h"
#include "dapplix/camera/cameralistmodel.h"
#include "dapplix/hotpixels/badpixellistmodel.h"

class QImage;
class QLabel;
class QTimer;

class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const Camera &camera() const { return m_camera; }

private slots:
    void onNewImage(QImage &image);
    void onCameraDisconnect();
    void onCameraReconnect();
    // A camera joined or left the list: show it, and open one if none is open yet.
    void onDeviceListChanged();
    void onStatusTimer();

private:
    Q_DISABLE_COPY(MainWindow)

    void createWidgets();
    void openFirstFreeCamera();

    Camera m_camera;
    BadpixelListModel m_badpixels;
    CameraListModel m_cameras;
    QLabel *m_imageLabel = nullptr;
    QLabel *m_framesLabel = nullptr;
    QTimer *m_statusTimer = nullptr;
};

#endif // DAPPLIX_UI_MAINWINDOW_H

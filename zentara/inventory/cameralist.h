// cameralist.h: the camera list widget of the main window: sorted table, refresh, context menu.
#ifndef ZENTARA_INVENTORY_CAMERALIST_H
#define ZENTARA_INVENTORY_CAMERALIST_H

#include <QWidget>

#include <memory>

#include "zentara/inventory/camera.h"

namespace zentara {
class CameraListModel;
}
class CameraTableView;
class QMenu;
class QSortFilterProxyModel;
class QTimer;

class CameraList final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int refreshIntervalMs = 900;

    explicit CameraList(QWidget *parent = nullptr);
    ~CameraList() override;

    camera::optional currentCamera() const { return m_camera; }
    // Starts or stops the periodic refresh of the selected camera's device information.
    void setAutoRefresh(bool on);
    bool autoRefresh() const;

    zentara::CameraListModel *model() const { return m_model; }
    CameraTableView *view() const { return m_view; }

    // While blocked, driver events do not reload the list (a dialog works on a camera).
    void setListUpdatesBlocked(bool blocked);
    // Reloads the list once, as a driver event would.
    void reloadList();

    // The context menu for the selected camera, as onCustomContextMenu shows it.
    std::unique_ptr<QMenu> createContextMenu();

signals:
    void cameraChanged(const camera::optional &camera, bool clicked);
    void openCamera(const QList<zentara::Camera> &cameras);
    void identCamera(const zentara::Camera &camera);
    void openIPSettings(const zentara::Camera &camera);
    void openMulticastSettings(const zentara::Camera &camera);
    void openCameraInfo(const zentara::Camera &camera);
    void deletePMC(const zentara::Camera &camera);
    void cameraListChanged();
    void openComportDlg();

public slots:
    void onSelectedCameraChanged(const camera::optional &camera);
    void onTimeout();
    void onCustomContextMenu(const QPoint &pos);

private:
    Q_DISABLE_COPY(CameraList)

    void onActivated();
    static bool driverMulticastEnabled();

    zentara::CameraListModel *m_model;
    QSortFilterProxyModel *m_proxy;
    CameraTableView *m_view;
    QTimer *m_refreshTimer;
    camera::optional m_camera;
};

#endif // ZENTARA_INVENTORY_CAMERALIST_H

// deviceinfoview.h: the tree of what is known about the selected camera (expert mode).
#ifndef ZENTARA_DEVINFO_DEVICEINFOVIEW_H
#define ZENTARA_DEVINFO_DEVICEINFOVIEW_H

#include <QTreeView>

#include <optional>

#include "zentara/inventory/camera.h"

class QStandardItemModel;

// For now the view shows the camera's identity rows; it keeps its own copy of the camera so
// that a language change can rebuild the labels without asking the caller again.
class DeviceInfoView final : public QTreeView
{
    Q_OBJECT
public:
    explicit DeviceInfoView(QWidget *parent = nullptr);
    ~DeviceInfoView() override;

public slots:
    // Shows the values of camera (null: no camera). force_reset rebuilds the tree from scratch.
    void Update(const Camera *camera, bool force_reset);
    void Update(const Camera *camera);
    // Re-reads the USB chain of the selected camera.
    void UpdateUsbTopology();

protected:
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(DeviceInfoView)

    void rebuild();

    QStandardItemModel *m_model;
    std::optional<Camera> m_camera;
};

#endif // ZENTARA_DEVINFO_DEVICEINFOVIEW_H

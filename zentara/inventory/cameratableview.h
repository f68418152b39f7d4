// cameratableview.h: the camera table, keeping the selected camera across reloads.
#ifndef ZENTARA_INVENTORY_CAMERATABLEVIEW_H
#define ZENTARA_INVENTORY_CAMERATABLEVIEW_H

#include <QTableView>

#include "zentara/inventory/camera.h"

class CameraTableView final : public QTableView
{
    Q_OBJECT
public:
    explicit CameraTableView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // Wide enough for every column's contents and header, so a new window shows them all.
    QSize sizeHint() const override;

    // The camera of the current row, as taken when the row became current.
    camera::optional selectedCamera() const { return m_camera; }

signals:
    void selectedCameraChanged(const camera::optional &camera);
    void languageChanged();

public slots:
    // Re-selects the camera with the same device ID after a reload, or row 0.
    void onModelReset();
    void onCurrentChanged(const QModelIndex &current);

protected:
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(CameraTableView)

    camera::optional cameraAt(int row) const;
    int wantedColumnWidth(int column) const;
    void widenColumns();

    camera::optional m_camera;
    // Set while onModelReset selects a row, which announces the selection once itself.
    bool m_reselecting = false;
};

#endif // ZENTARA_INVENTORY_CAMERATABLEVIEW_H

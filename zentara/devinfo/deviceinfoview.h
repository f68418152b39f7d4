// deviceinfoview.h: the tree of what is known about the selected camera (expert mode).
#ifndef ZENTARA_DEVINFO_DEVICEINFOVIEW_H
#define ZENTARA_DEVINFO_DEVICEINFOVIEW_H

#include <QTreeView>

namespace zentara {
class Camera;
}
class DeviceInfoModel;
class QAction;
class QMenu;

// Shows a DeviceInfoModel it owns, with its groups expanded, and copies the selected rows as
// tab-separated text (context menu and the copy key).
class DeviceInfoView final : public QTreeView
{
    Q_OBJECT
public:
    explicit DeviceInfoView(QWidget *parent = nullptr);
    ~DeviceInfoView() override;

    DeviceInfoModel *deviceInfoModel() const { return m_model; }

public slots:
    // Shows the values of pCamera (null: no camera); force_reset rebuilds the rows.
    void Update(const zentara::Camera *pCamera, bool force_reset);
    void Update(const zentara::Camera *pCamera);
    // Re-reads the USB topology in the background; the chain rows follow when it is read.
    void UpdateUsbTopology();
    void onCustomContextMenu(const QPoint &pos);
    // Puts the selected rows on the clipboard: cells of one row joined by tabs, rows by line
    // feeds, in the order the rows are shown.
    void copyValues();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Q_DISABLE_COPY(DeviceInfoView)

    void onModelReset();
    void expandMarked(const QModelIndex &parent);
    // An opened group may hold longer labels than those shown so far: widen, never narrow.
    void widenLabels();

    DeviceInfoModel *m_model;
    QMenu *m_menu;
    QAction *m_copyAction;
};

#endif // ZENTARA_DEVINFO_DEVICEINFOVIEW_H

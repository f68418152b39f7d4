// The connected cameras for dapplix's camera list, refreshed by a timer; marks the open one.
#ifndef DAPPLIX_CAMERA_CAMERALISTMODEL_H
#define DAPPLIX_CAMERA_CAMERALISTMODEL_H

#include "dapplix/camera/cameralistentry.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>
#include <QVector>

namespace dapplix {

class Camera;

class CameraListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        CameraIdColumn,
        DeviceIdColumn,
        ModelColumn,
        SerialColumn,
        StatusColumn
    };

    explicit CameraListModel(QObject *parent = nullptr, int refreshInterval = 1000);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The entry of a valid row.
    CameraListEntry entry(int row) const { return m_entries.at(row); }
    QString statusText(const CameraListEntry &e) const;

signals:
    void somethingChanged();
    void rowToSelect(int row);

public slots:
    void setOpenCamera(Camera *cam);
    void clearOpenCamera();
    // Throws "Sort Error" for an unknown column or order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    void updateList();

private:
    Q_DISABLE_COPY(CameraListModel)

    QVector<CameraListEntry> readList() const;
    void merge(const QVector<CameraListEntry> &fresh, bool &changed);

    QVector<CameraListEntry> m_entries;
    QStringList m_headers;
    QTimer m_refreshTimer;
    QString m_openSerial;
};

} // namespace dapplix

#endif // DAPPLIX_CAMERA_CAMERALISTMODEL_H

// cameralistmodel.h: the table of every device the camera library lists.
#ifndef ZENTARA_INVENTORY_CAMERALISTMODEL_H
#define ZENTARA_INVENTORY_CAMERALISTMODEL_H

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QVector>

#include "vyrokit/eventthread.h"
#include "zentara/inventory/camera.h"

namespace zentara {

// Holds one Camera per listed device and reloads itself, in the GUI thread, whenever the
// driver reports a device joining, leaving or changing.
class CameraListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        ColFree,
        ColAvail,
        ColType,
        ColCameraId,
        ColDeviceId,
        ColModel,
        ColSerial
    };
    enum Role
    {
        CameraRole = Qt::UserRole
    };
    static constexpr int columnTotal = 7;

    // Loads the list once and starts watching driver events. When the library refuses the event
    // registration the list still loads, but only reloads on request (see eventError).
    explicit CameraListModel(QObject *parent = nullptr);
    ~CameraListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cameras in list order.
    QList<Camera> cameras() const;

    // The library's code when the driver events could not be registered, else 0.
    int eventError() const { return m_eventError; }

    // A column's title in the current language (the terminal list shows the same titles).
    static QString columnTitle(Column column);

    // The "Model" column text: every "KX" becomes "KX-".
    static QString displayModelName(const QString &fullModelName);

signals:
    // Emitted from the event thread when the driver reports a change of the list, so
    // every receiver gets it queued, this model's reload first.
    void listChanged();

public slots:
    void retranslate();
    // Reloads the list inside a model reset.
    void onCameraListChanged();

private:
    Q_DISABLE_COPY(CameraListModel)

    void reload();
    QIcon icon(const QString &path) const;

    QVector<Camera> m_cameras;
    mutable QHash<QString, QIcon> m_icons;
    vyrokit::EventThread m_events;
    int m_eventError = 0;
};

} // namespace zentara

#endif // ZENTARA_INVENTORY_CAMERALISTMODEL_H

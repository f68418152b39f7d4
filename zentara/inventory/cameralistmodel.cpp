// cameralistmodel.cpp: loading the camera list and presenting it in seven columns.
#include "zentara/inventory/cameralistmodel.h"

#include <vector>

#include "vyrokit/cameralistreader.h"
#include "vyrokit/sdkerror.h"
#include "zentara/inventory/camerastatus.h"
#include "zentara/inventory/interfacenames.h"
#include "zentara/inventory/zentaralogging.h"

namespace {

const char *const headerTexts[zentara::CameraListModel::columnTotal] = {
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Free"),
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Avail."),
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Type"),
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Cam. ID"),
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Dev. ID"),
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Model"),
    QT_TRANSLATE_NOOP("zentara::CameraListModel", "Ser. No."),
};

} // namespace

// The pictures live in this static library; make sure the linker keeps them. Outside any
// namespace, as the resource initialiser is declared where this expands.
static void initResources()
{
    Q_INIT_RESOURCE(zentara_inventory);
}

namespace zentara {

CameraListModel::CameraListModel(QObject *parent) : QAbstractTableModel(parent)
{
    initResources();
    Camera::registerMetaTypes();
    connect(this, &CameraListModel::listChanged, this, &CameraListModel::onCameraListChanged,
            Qt::QueuedConnection);
    connect(&m_events, &vyrokit::EventThread::eventhappen, this, &CameraListModel::listChanged,
            Qt::DirectConnection);
    if (const int32_t ret = m_events.start(
            VY_DRIVER_HANDLE, {VY_EVENT_NEW_DEVICE, VY_EVENT_REMOVE, VY_EVENT_STATUS_CHANGED});
        ret != VY_SUCCESS) {
        // Without driver events the program still works on the list as loaded; the owner
        // decides how to tell the user.
        m_eventError = ret;
        qCWarning(lcZentara, "Device events unavailable: %s",
                  qPrintable(vyrokit::SdkError::text(VY_DRIVER_HANDLE, ret)));
    }
    reload();
}

CameraListModel::~CameraListModel()
{
    // No reload may be asked for once the cameras are gone.
    m_events.finish();
}

int CameraListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cameras.size();
}

int CameraListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columnTotal;
}

QVariant CameraListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_cameras.size() ||
        index.column() < 0 || index.column() >= columnTotal)
        return QVariant();
    const Camera &camera = m_cameras.at(index.row());
    if (role == CameraRole)
        return QVariant::fromValue(camera);
    if (role == Qt::DecorationRole)
        return index.column() == ColFree ? QVariant(icon(CameraStatus::listIcon(camera)))
                                         : QVariant();
    if (role == Qt::ToolTipRole)
        return index.column() == ColFree ? QVariant(CameraStatus::listToolTip(camera)) : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case ColFree:
        return CameraStatus::freeText(camera);
    case ColAvail:
        return CameraStatus::availableText(camera);
    case ColType:
        return camera.typeText();
    case ColCameraId:
        return camera.cameraId();
    case ColDeviceId:
        return camera.deviceId();
    case ColModel:
        return displayModelName(camera.fullModelName());
    case ColSerial:
        return camera.serialNumber();
    default:
        return QVariant();
    }
}

QVariant CameraListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section;
    if (section < 0 || section >= columnTotal)
        return QVariant();
    return columnTitle(Column(section));
}

QString CameraListModel::columnTitle(Column column)
{
    return tr(headerTexts[column]);
}

QList<Camera> CameraListModel::cameras() const
{
    return m_cameras.toList();
}

QString CameraListModel::displayModelName(const QString &fullModelName)
{
    QString name = fullModelName;
    return name.replace(QStringLiteral("KX"), QStringLiteral("KX-"), Qt::CaseSensitive);
}

void CameraListModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnTotal - 1);
}

void CameraListModel::onCameraListChanged()
{
    beginResetModel();
    reload();
    endResetModel();
}

void CameraListModel::reload()
{
    QVector<Camera> cameras;
    vyrokit::CameraListReader reader;
    // A failed read shows an empty list until the next driver event.
    if (reader.read()) {
        cameras.reserve(static_cast<int>(reader.cameras().size()));
        const InterfaceNames interfaces;
        for (const vyrokit::ListedCamera &listed : reader.cameras())
            cameras.append(Camera(listed, interfaces));
    }
    m_cameras = std::move(cameras);
}

QIcon CameraListModel::icon(const QString &path) const
{
    auto it = m_icons.find(path);
    if (it == m_icons.end())
        it = m_icons.insert(path, QIcon(path));
    return it.value();
}

} // namespace zentara

// The connected cameras for dapplix's camera list, refreshed by a timer; marks the open one.
#include "dapplix/camera/cameralistmodel.h"

#include "dapplix/camera/camera.h"
#include "vyrokit/cameralistreader.h"

#include <algorithm>
#include <stdexcept>

namespace dapplix {

CameraListModel::CameraListModel(QObject *parent, int refreshInterval)
    : QAbstractTableModel(parent), m_headers{tr("Cam"), tr("Dev"), tr("Model"), tr("SerNo"),
                                             tr("Status")}
{
    connect(&m_refreshTimer, &QTimer::timeout, this, &CameraListModel::updateList);
    m_refreshTimer.start(refreshInterval);
}

// A flat table: only the invisible root has rows and columns.
int CameraListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int CameraListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_headers.size();
}

QString CameraListModel::statusText(const CameraListEntry &e) const
{
    if (!e.inUse)
        return tr("free");
    return e.opened ? tr("opened") : tr("in use");
}

QVariant CameraListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_entries.size())
        return QVariant();
    const CameraListEntry &e = m_entries.at(index.row());
    switch (index.column()) {
    case CameraIdColumn:
        return quint64(e.cameraId);
    case DeviceIdColumn:
        return quint64(e.deviceId);
    case ModelColumn:
        return e.model;
    case SerialColumn:
        return e.serial;
    case StatusColumn:
        return statusText(e);
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
    return section >= 0 && section < m_headers.size() ? QVariant(m_headers.at(section))
                                                      : QVariant();
}

void CameraListModel::setOpenCamera(Camera *cam)
{
    m_openSerial = cam ? cam->serialNumber() : QString();
}

void CameraListModel::clearOpenCamera()
{
    m_openSerial.clear();
}

QVector<CameraListEntry> CameraListModel::readList() const
{
    vyrokit::CameraListReader reader;
    if (!reader.read()) {
        if (reader.failedStep() == vyrokit::CameraListReader::Step::Count)
            throw std::runtime_error(tr("Can't get number of cameras.").toStdString());
        throw std::runtime_error(tr("Can't get camera list.").toStdString());
    }
    QVector<CameraListEntry> fresh;
    for (const vyrokit::ListedCamera &c : reader.cameras()) {
        CameraListEntry e;
        e.cameraId = c.cameraId;
        e.deviceId = c.deviceId;
        e.sensorId = c.sensorId;
        e.inUse = c.inUse;
        e.serial = c.serialNumber;
        e.model = c.model;
        e.opened = !m_openSerial.isEmpty() && e.serial == m_openSerial;
        fresh.append(e);
    }
    return fresh;
}

void CameraListModel::merge(const QVector<CameraListEntry> &freshList, bool &changed)
{
    QVector<CameraListEntry> fresh = freshList;
    int row = 0;
    while (row < m_entries.size()) {
        const quint32 id = m_entries.at(row).deviceId;
        auto *it = std::find_if(fresh.begin(), fresh.end(),
                                [id](const CameraListEntry &e) { return e.deviceId == id; });
        if (it == fresh.end()) {
            beginRemoveRows(QModelIndex(), row, row);
            m_entries.remove(row);
            endRemoveRows();
            changed = true;
            continue;
        }
        if (*it != m_entries.at(row)) {
            m_entries[row] = *it;
            emit dataChanged(index(row, 0), index(row, m_headers.size() - 1));
            changed = true;
        }
        fresh.erase(it);
        ++row;
    }
    if (!fresh.isEmpty()) {
        beginInsertRows(QModelIndex(), m_entries.size(), m_entries.size() + fresh.size() - 1);
        m_entries += fresh;
        endInsertRows();
        changed = true;
    }
}

void CameraListModel::updateList()
{
    bool changed = false;
    try {
        merge(readList(), changed);
    } catch (const std::exception &) {
        // The list stays as it is until the next refresh.
    }
    if (changed)
        emit somethingChanged();
    emit rowToSelect(0);
}

void CameraListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column > StatusColumn ||
        (order != Qt::AscendingOrder && order != Qt::DescendingOrder))
        throw std::runtime_error(tr("Sort Error").toStdString());
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QVector<quint32> ids;
    for (const QModelIndex &i : before)
        ids.append(m_entries.at(i.row()).deviceId);
    auto less = [this, column](const CameraListEntry &a, const CameraListEntry &b) {
        switch (column) {
        case CameraIdColumn:
            return a.cameraId < b.cameraId;
        case DeviceIdColumn:
            return a.deviceId < b.deviceId;
        case ModelColumn:
            return a.model < b.model;
        case SerialColumn:
            return a.serial < b.serial;
        default:
            return QString::localeAwareCompare(statusText(a), statusText(b)) < 0;
        }
    };
    if (order == Qt::AscendingOrder)
        std::sort(m_entries.begin(), m_entries.end(), less);
    else
        std::sort(
            m_entries.begin(), m_entries.end(),
            [&less](const CameraListEntry &a, const CameraListEntry &b) { return less(b, a); });
    // Keep selections on their devices.
    QModelIndexList after;
    for (int k = 0; k < before.size(); ++k) {
        int row = 0;
        while (row < m_entries.size() && m_entries.at(row).deviceId != ids.at(k))
            ++row;
        after.append(index(row, before.at(k).column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

} // namespace dapplix

// The hot pixel list of the open camera: factory and user entries, and what the camera and the
// files hold of it.
#include "dapplix/hotpixels/badpixellistmodel.h"

#include "dapplix/camera/camera.h"
#include "dapplix/hotpixels/badpixeltextfile.h"
#include "dapplix/hotpixels/camerabadpixellist.h"
#include "dapplix/hotpixels/failure.h"

#include <algorithm>

using dapplix::Camera;

namespace {

VY_HCAM handleOf(const Camera *camera)
{
    return camera ? camera->handle() : 0;
}

} // namespace

BadpixelListModel::BadpixelListModel(QObject *parent)
    : QAbstractTableModel(parent), m_headers{tr("x"), tr("y"), tr("class")}
{
}

BadpixelListModel::~BadpixelListModel() = default;

void BadpixelListModel::setCounts(int maxUserBadpixels, int factoryBadpixelCount)
{
    m_maxUser = maxUserBadpixels;
    m_factoryCount = factoryBadpixelCount;
}

// A flat table: only the invisible root has rows and columns.
int BadpixelListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int BadpixelListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_headers.size();
}

QVariant BadpixelListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= int(m_entries.size()) ||
        index.column() < 0 || index.column() >= m_headers.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const Badpixel &b = *m_entries[size_t(index.row())];
    switch (index.column()) {
    case XColumn:
        return int(b.x);
    case YColumn:
        return int(b.y);
    default:
        // Untranslated: the delegate and setData compare these texts.
        if (b.pixelclass == Badpixel::User)
            return QStringLiteral("user");
        if (b.pixelclass == Badpixel::Factory)
            return QStringLiteral("factory");
        return QStringLiteral("ignore");
    }
}

QVariant BadpixelListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section;
    return section >= 0 && section < m_headers.size() ? QVariant(m_headers.at(section))
                                                      : QVariant();
}

Qt::ItemFlags BadpixelListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The class of the user's own entries can be changed in the view (user or ignore); the
    // camera's factory entries stay as the camera holds them.
    if (index.column() == ClassColumn && index.row() < int(m_entries.size()) &&
        m_entries[size_t(index.row())]->pixelclass != Badpixel::Factory)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

bool BadpixelListModel::setData(const QModelIndex &index, const QVariant &value, int)
{
    if (!index.isValid() || index.row() < 0 || index.row() >= int(m_entries.size()))
        return false;
    Badpixel &b = *m_entries[size_t(index.row())];
    bool ok = false;
    switch (index.column()) {
    case XColumn:
    case YColumn: {
        const int v = value.toInt(&ok);
        if (!ok)
            return false;
        (index.column() == XColumn ? b.x : b.y) = quint16(v);
        break;
    }
    case ClassColumn: {
        const QString text = value.toString();
        if (text == QLatin1String("factory"))
            b.pixelclass = Badpixel::Factory;
        else if (text == QLatin1String("user"))
            b.pixelclass = Badpixel::User;
        else if (text == QLatin1String("ignore"))
            b.pixelclass = Badpixel::Ignore;
        else
            return false;
        break;
    }
    default:
        return false;
    }
    emit dataChanged(index, index, {});
    return true;
}

bool BadpixelListModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (count < 1 || row < 0 || row > int(m_entries.size()))
        return false;
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_entries.insert(m_entries.begin() + row, std::make_unique<Badpixel>());
    endInsertRows();
    return true;
}

bool BadpixelListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (count < 1 || row < 0 || row >= int(m_entries.size()))
        return false;
    const int last = std::min(row + count, int(m_entries.size())) - 1;
    beginRemoveRows(parent, row, last);
    m_entries.erase(m_entries.begin() + row, m_entries.begin() + last + 1);
    endRemoveRows();
    return true;
}

bool BadpixelListModel::addBadpixel(QPoint pos)
{
    Badpixel b;
    b.x = quint16(pos.x());
    b.y = quint16(pos.y());
    b.pixelclass = Badpixel::User;
    for (const auto &e : m_entries)
        if (e->x == b.x && e->y == b.y &&
            (e->pixelclass == Badpixel::Factory || e->pixelclass == Badpixel::User))
            return false;
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back(std::make_unique<Badpixel>(b));
    endInsertRows();
    emit pixelAdded(1);
    return true;
}

bool BadpixelListModel::removeUserBadpixel(int row)
{
    if (m_entries.empty() || row < 0 || row >= int(m_entries.size()) ||
        m_entries[size_t(row)]->pixelclass != Badpixel::User)
        return false;
    return removeRows(row, 1);
}

int BadpixelListModel::userBadpixelCount() const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(),
                             [](const auto &e) { return e->pixelclass == Badpixel::User; }));
}

Badpixel BadpixelListModel::badpixelAt(int row) const
{
    return *m_entries.at(size_t(row));
}

QModelIndex BadpixelListModel::findBadpixel(int x, int y, int distance) const
{
    for (size_t row = 0; row < m_entries.size(); ++row) {
        const int ex = m_entries[row]->x;
        const int ey = m_entries[row]->y;
        if (x - distance < ex && ex < x + distance && y - distance < ey && ey < y + distance)
            return index(int(row), 0);
    }
    return QModelIndex();
}

void BadpixelListModel::getBadpixelList(Camera *cam)
{
    clearBadpixelList();
    if (!cam)
        return;
    const CameraBadpixelList::Lists lists = CameraBadpixelList::read(cam->handle());
    m_maxUser = lists.maxUser;
    m_factoryCount = int(lists.factory.size());
    appendEntries(lists.factory);
    appendEntries(lists.user);
    if (!lists.problem.isEmpty()) {
        // What was read stays on show, but it is not the camera's list: writing it back would
        // delete or shorten the camera's list.
        m_readProblem =
            tr("The hot pixel list of the camera could not be read (%1). The list shown may be "
               "incomplete; it is not written to the camera until it has been read.")
                .arg(lists.problem);
        emit readFailed(m_readProblem);
        return;
    }
    m_cameraUserList = sortedUserPositions();
}

void BadpixelListModel::appendEntries(const std::vector<Badpixel> &entries)
{
    if (entries.empty())
        return;
    const int first = int(m_entries.size());
    beginInsertRows(QModelIndex(), first, first + int(entries.size()) - 1);
    for (const Badpixel &b : entries)
        m_entries.push_back(std::make_unique<Badpixel>(b));
    endInsertRows();
}

std::vector<QPoint> BadpixelListModel::userPositions() const
{
    std::vector<QPoint> positions;
    for (const auto &e : m_entries)
        if (e->pixelclass == Badpixel::User)
            positions.emplace_back(e->x, e->y);
    return positions;
}

std::vector<QPoint> BadpixelListModel::sortedUserPositions() const
{
    std::vector<QPoint> positions = userPositions();
    std::sort(positions.begin(), positions.end(),
              [](QPoint a, QPoint b) { return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y(); });
    return positions;
}

bool BadpixelListModel::hasUnwrittenChanges() const
{
    return m_readProblem.isEmpty() && sortedUserPositions() != m_cameraUserList;
}

void BadpixelListModel::writeBadpixelList(Camera *cam)
{
    if (!m_readProblem.isEmpty())
        throwFailure(m_readProblem);
    if (int(m_entries.size()) - m_factoryCount > m_maxUser)
        throwFailure(tr("Can't write more than %1 hot pixel entries.").arg(m_maxUser));
    QString problem;
    if (!CameraBadpixelList::write(handleOf(cam), userPositions(), &problem))
        throwFailure(problem);
    m_cameraUserList = sortedUserPositions();
}

void BadpixelListModel::clearUserBadpixelList()
{
    size_t row = 0;
    while (row < m_entries.size()) {
        if (m_entries[row]->pixelclass == Badpixel::User)
            removeRows(int(row), 1);
        else
            ++row;
    }
}

void BadpixelListModel::clearBadpixelList()
{
    // No camera list any more: nothing is unwritten, nothing unread.
    m_cameraUserList.clear();
    m_readProblem.clear();
    if (m_entries.empty())
        return;
    beginRemoveRows(QModelIndex(), 0, int(m_entries.size()) - 1);
    m_entries.clear();
    endRemoveRows();
}

void BadpixelListModel::replaceUserEntries(const std::vector<Badpixel> &fresh)
{
    clearUserBadpixelList();
    appendEntries(fresh);
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

void BadpixelListModel::saveAsFile(Camera *cam, const QString &filename)
{
    QString problem;
    if (!CameraBadpixelList::saveToFile(handleOf(cam), userPositions(), filename, &problem))
        throwFailure(problem);
}

void BadpixelListModel::loadFromFile(Camera *cam, const QString &filename)
{
    // The user's entries stay until the file's entries are in hand.
    QString problem;
    const auto loaded = CameraBadpixelList::loadFromFile(handleOf(cam), filename, &problem);
    if (loaded)
        replaceUserEntries(*loaded);
    if (!problem.isEmpty())
        throwFailure(problem);
}

void BadpixelListModel::exportAsFile(const QString &filename)
{
    BadpixelTextFile::write(filename, userPositions());
}

void BadpixelListModel::importFromFile(const QString &filename, QSize sensor)
{
    // The user entries stay when the file is refused.
    replaceUserEntries(BadpixelTextFile::read(filename, sensor));
}

void BadpixelListModel::sort(int column, Qt::SortOrder order)
{
    if (column < XColumn || column > ClassColumn ||
        (order != Qt::AscendingOrder && order != Qt::DescendingOrder))
        throwFailure(tr("Sort Error"));
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<const Badpixel *> keep;
    for (const QModelIndex &i : before)
        keep.push_back(m_entries[size_t(i.row())].get());
    auto key = [column](const Badpixel &b) -> int {
        return column == XColumn ? b.x : (column == YColumn ? b.y : b.pixelclass);
    };
    if (order == Qt::AscendingOrder)
        std::sort(m_entries.begin(), m_entries.end(),
                  [&key](const auto &a, const auto &b) { return key(*a) < key(*b); });
    else
        std::sort(m_entries.begin(), m_entries.end(),
                  [&key](const auto &a, const auto &b) { return key(*a) > key(*b); });
    QModelIndexList after;
    for (int k = 0; k < before.size(); ++k) {
        const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                     [&](const auto &e) { return e.get() == keep[size_t(k)]; });
        after.append(index(int(it - m_entries.begin()), before.at(k).column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

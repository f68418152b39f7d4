// The hot pixel list of the open camera: factory and user entries, camera reads and writes,
// and the list files.
#include "dapplix/hotpixels/badpixellistmodel.h"

#include "dapplix/camera/camera.h"
#include "dapplix/hotpixels/failure.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"
#include "vyrokit/sdkerror.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

// A camera list's count word is 16 bits wide: no camera list holds more.
constexpr int maxCameraListEntries = 0xFFFF;
// How often a camera list that changed while it was read is read again.
constexpr int maxReadAttempts = 3;
// The software list's count word is 15 bits wide.
constexpr int maxSoftwareListEntries = 0x7FFF;

std::wstring wideFileName(const QString &filename)
{
    return filename.toStdWString();
}

// A whole number in C notation (0x hexadecimal, 0b binary, a leading 0 octal) up to max.
bool parseNumber(const QByteArray &field, uint max, uint *value)
{
    bool ok = false;
    const bool binary = field.startsWith("0b") || field.startsWith("0B");
    const qulonglong v = binary ? field.mid(2).toULongLong(&ok, 2) : field.toULongLong(&ok, 0);
    // toULongLong takes a sign; an entry never has one.
    ok = ok && !field.startsWith('-') && !field.startsWith('+') && v <= max;
    *value = uint(v);
    return ok;
}

// "x y" (a factory entry, as the list's class 0) or "x y class".
bool parseEntry(const QByteArray &line, Badpixel *entry)
{
    const QList<QByteArray> fields = line.split(' ');
    uint x = 0, y = 0, pixelclass = Badpixel::Factory;
    if (fields.size() < 2 || fields.size() > 3 || !parseNumber(fields[0], 0xFFFF, &x) ||
        !parseNumber(fields[1], 0xFFFF, &y) ||
        (fields.size() == 3 && !parseNumber(fields[2], 0xFF, &pixelclass)))
        return false;
    *entry = {quint16(x), quint16(y), quint8(pixelclass)};
    return true;
}

bool isTextByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x20 && u < 0x7F) || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
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

QString BadpixelListModel::readCameraList(VY_HCAM handle, quint32 countCommand, quint32 listCommand,
                                          quint8 pixelclass)
{
    // The list may change between the count and the read (another program writes it): the
    // read is repeated until the count and the list agree.
    for (int attempt = 0; attempt < maxReadAttempts; ++attempt) {
        int32_t count = 0;
        int ret = vy_HotPixel(handle, countCommand, &count, sizeof count);
        if (ret != VY_SUCCESS)
            return tr("asking for the number of entries failed: %1")
                .arg(vyrokit::SdkError::text(handle, ret));
        if (count < 0 || count > maxCameraListEntries)
            return tr("the camera reports %1 entries, more than the %2 this program can read")
                .arg(count)
                .arg(maxCameraListEntries);
        if (count == 0)
            return QString();
        std::vector<quint16> buffer(size_t(2 * count + 1), 0);
        buffer[0] = quint16(count);
        ret = vy_HotPixel(handle, listCommand, buffer.data(), quint32(2 + 4 * count));
        if (ret == VY_BUFFER_TOO_SMALL || (ret == VY_SUCCESS && buffer[0] != count))
            continue; // grown or shrunk since the count
        if (ret != VY_SUCCESS)
            return tr("reading the entries failed: %1").arg(vyrokit::SdkError::text(handle, ret));
        const int first = int(m_entries.size());
        beginInsertRows(QModelIndex(), first, first + count - 1);
        for (int i = 0; i < count; ++i)
            m_entries.push_back(std::make_unique<Badpixel>(
                Badpixel{buffer[1 + 2 * size_t(i)], buffer[2 + 2 * size_t(i)], pixelclass}));
        endInsertRows();
        return QString();
    }
    return tr("the list kept changing while it was read");
}

void BadpixelListModel::getBadpixelList(Camera *cam)
{
    clearBadpixelList();
    if (!cam)
        return;
    const VY_HCAM h = cam->handle();
    int32_t value = 0;
    vy_HotPixel(h, VY_HOTPIXEL_GET_USER_LIST_MAX_NUMBER, &value, sizeof value);
    m_maxUser = value;
    QString problem = readCameraList(h, VY_HOTPIXEL_GET_FACTORY_LIST_NUMBER,
                                     VY_HOTPIXEL_GET_FACTORY_LIST, Badpixel::Factory);
    if (!problem.isEmpty())
        problem = tr("factory list: %1").arg(problem);
    m_factoryCount = rowCount();
    const QString userProblem = readCameraList(h, VY_HOTPIXEL_GET_USER_LIST_NUMBER,
                                               VY_HOTPIXEL_GET_USER_LIST, Badpixel::User);
    if (!userProblem.isEmpty())
        problem += (problem.isEmpty() ? QString() : QStringLiteral("; ")) +
                   tr("user list: %1").arg(userProblem);
    if (!problem.isEmpty()) {
        // What was read stays on show, but it is not the camera's list: writing it back would
        // delete or shorten the camera's list.
        m_readProblem =
            tr("The hot pixel list of the camera could not be read (%1). The list shown may be "
               "incomplete; it is not written to the camera until it has been read.")
                .arg(problem);
        emit readFailed(m_readProblem);
        return;
    }
    m_cameraUserList = userPositions();
}

std::vector<QPoint> BadpixelListModel::userPositions() const
{
    std::vector<QPoint> positions;
    for (const auto &e : m_entries)
        if (e->pixelclass == Badpixel::User)
            positions.emplace_back(e->x, e->y);
    std::sort(positions.begin(), positions.end(),
              [](QPoint a, QPoint b) { return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y(); });
    return positions;
}

bool BadpixelListModel::hasUnwrittenChanges() const
{
    return m_readProblem.isEmpty() && userPositions() != m_cameraUserList;
}

std::vector<quint16> BadpixelListModel::userListBuffer() const
{
    std::vector<quint16> buffer(1, 0);
    for (const auto &e : m_entries) {
        if (e->pixelclass != Badpixel::User)
            continue;
        buffer.push_back(e->x);
        buffer.push_back(e->y);
    }
    buffer[0] = quint16((buffer.size() - 1) / 2);
    return buffer;
}

void BadpixelListModel::writeBadpixelList(Camera *cam)
{
    const int users = userBadpixelCount();
    if (!m_readProblem.isEmpty())
        throwFailure(m_readProblem);
    // The count word is 16 bits: more entries could never be written correctly.
    if (int(m_entries.size()) - m_factoryCount > m_maxUser || users > 0xFFFF)
        throwFailure(tr("Can't write more than %1 hot pixel entries.").arg(m_maxUser));
    const VY_HCAM h = cam ? cam->handle() : 0;
    if (users == 0) {
        if (vy_HotPixel(h, VY_HOTPIXEL_DELETE_USER_LIST, nullptr, 0) != VY_SUCCESS)
            throwFailure(tr("Error writing hotpixel list"));
    } else {
        std::vector<quint16> buffer = userListBuffer();
        if (vy_HotPixel(h, VY_HOTPIXEL_SET_USER_LIST, buffer.data(), quint32(4 * users + 2)) !=
            VY_SUCCESS)
            throwFailure(tr("Error writing hotpixel list"));
    }
    m_cameraUserList = userPositions();
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
    if (!fresh.empty()) {
        const int first = int(m_entries.size());
        beginInsertRows(QModelIndex(), first, first + int(fresh.size()) - 1);
        for (const Badpixel &b : fresh)
            m_entries.push_back(std::make_unique<Badpixel>(b));
        endInsertRows();
    }
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

int BadpixelListModel::readSoftwareBadpixelList(VY_HCAM handle, std::vector<quint16> &list)
{
    list.clear();
    if (vy_HotPixel(handle, VY_HOTPIXEL_SOFTWARE_LIST_EXISTS, nullptr, 0) != VY_SUCCESS) {
        list.push_back(0);
        return VY_SUCCESS;
    }
    int32_t n = 0;
    int ret = vy_HotPixel(handle, VY_HOTPIXEL_GET_SOFTWARE_LIST_NUMBER, &n, sizeof n);
    if (ret != VY_SUCCESS)
        return ret;
    // A count the list buffer cannot describe is not a list.
    if (n < 0 || n > 0xFFFF)
        return VY_INVALID_PARAMETER;
    list.assign(2 * size_t(n) + 1, 0);
    list[0] = quint16(n);
    ret = vy_HotPixel(handle, VY_HOTPIXEL_GET_SOFTWARE_LIST, list.data(), quint32(4 * n + 2));
    // Never trust a count word larger than what was read.
    list[0] = quint16(std::min<int>(list[0], n));
    return ret;
}

void BadpixelListModel::saveAsFile(Camera *cam, const QString &filename)
{
    const VY_HCAM h = cam ? cam->handle() : 0;
    // Each failure's text is taken right after its call: later calls may fail otherwise.
    auto failed = [](const QString &error) {
        throwFailure(tr("write to file failed: %1").arg(error) + QLatin1Char('\n'));
    };
    std::vector<quint16> previous;
    int ret = readSoftwareBadpixelList(h, previous);
    if (ret != VY_SUCCESS)
        failed(vyrokit::SdkError::text(h, ret));
    std::vector<quint16> list = userListBuffer();
    if (list[0] > maxSoftwareListEntries)
        throwFailure(tr("Can't write more than %1 hot pixel entries.").arg(maxSoftwareListEntries));
    ret = vy_HotPixel(h, VY_HOTPIXEL_SET_SOFTWARE_LIST, list.data(),
                      quint32(list.size() * sizeof(quint16)));
    if (ret != VY_SUCCESS)
        failed(vyrokit::SdkError::text(h, ret));
    std::wstring name = wideFileName(filename);
    const int saved = vy_HotPixel(h, VY_HOTPIXEL_SAVE_SOFTWARE_LIST, name.data(), 0);
    const QString saveError = saved == VY_SUCCESS ? QString() : vyrokit::SdkError::text(h, saved);
    const int restored = vy_HotPixel(h, VY_HOTPIXEL_SET_SOFTWARE_LIST, previous.data(),
                                     quint32(2 + 4 * previous[0]));
    if (saved != VY_SUCCESS)
        failed(saveError);
    if (restored != VY_SUCCESS)
        failed(vyrokit::SdkError::text(h, restored));
}

void BadpixelListModel::loadFromFile(Camera *cam, const QString &filename)
{
    const VY_HCAM h = cam ? cam->handle() : 0;
    // Each failure's text is taken right after its call: later calls may fail otherwise.
    auto failed = [](const QString &error) {
        throwFailure(tr("load from file failed: %1").arg(error) + QLatin1Char('\n'));
    };
    // The user's entries stay until the file's entries are in hand.
    std::vector<quint16> previous;
    int ret = readSoftwareBadpixelList(h, previous);
    if (ret != VY_SUCCESS)
        failed(vyrokit::SdkError::text(h, ret));
    std::wstring name = wideFileName(filename);
    ret = vy_HotPixel(h, VY_HOTPIXEL_LOAD_SOFTWARE_LIST, name.data(), 0);
    if (ret != VY_SUCCESS)
        failed(vyrokit::SdkError::text(h, ret));
    std::vector<quint16> loaded;
    ret = readSoftwareBadpixelList(h, loaded);
    const QString readError = ret == VY_SUCCESS ? QString() : vyrokit::SdkError::text(h, ret);
    // The camera's software list goes back as it was in every case once the file replaced it.
    const int restored = vy_HotPixel(h, VY_HOTPIXEL_SET_SOFTWARE_LIST, previous.data(),
                                     quint32(2 + 4 * previous[0]));
    if (ret != VY_SUCCESS)
        failed(readError);
    std::vector<Badpixel> fresh;
    fresh.reserve(loaded[0]);
    for (size_t i = 0; i < loaded[0]; ++i)
        fresh.push_back({loaded[1 + 2 * i], loaded[2 + 2 * i], Badpixel::User});
    replaceUserEntries(fresh);
    if (restored != VY_SUCCESS)
        failed(vyrokit::SdkError::text(h, restored));
}

void BadpixelListModel::exportAsFile(const QString &filename)
{
    QByteArray text;
    for (const auto &e : m_entries)
        if (e->pixelclass == Badpixel::User)
            text += QByteArray::number(e->x) + ' ' + QByteArray::number(e->y) + " 1\n";
    QString problem;
    if (!vyrokit::FileWriter::write(filename, text, &problem))
        throwFailure(problem);
}

void BadpixelListModel::importFromFile(const QString &filename, QSize sensor)
{
    // A line is at most maxLineLength bytes and its line feed.
    QByteArray content;
    QString problem;
    if (!vyrokit::FileReader::read(filename, qint64(maxFileEntries) * (maxLineLength + 1), &content,
                                   &problem))
        throwFailure(problem);
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3); // a UTF-8 byte-order mark
    // Read into a separate list first: the user entries stay when the file is refused.
    std::vector<Badpixel> fresh;
    int lineNumber = 0;
    for (QByteArray line : content.split('\n')) {
        ++lineNumber;
        if (line.size() > maxLineLength)
            throwFailure(tr("The file is not a hot pixel text file (line %1).").arg(lineNumber));
        // A comment may hold any text; the entry before it only what an entry is made of.
        const int comment = line.indexOf('#');
        if (comment >= 0)
            line.truncate(comment);
        if (!std::all_of(line.begin(), line.end(), isTextByte))
            throwFailure(tr("The file is not a hot pixel text file (line %1).").arg(lineNumber));
        line = line.simplified();
        if (line.isEmpty())
            continue;
        Badpixel b;
        if (!parseEntry(line, &b))
            throwFailure(tr("Line %1 is not an \"x y\" or \"x y class\" line: %2")
                             .arg(lineNumber)
                             .arg(QString::fromLatin1(line.left(60))));
        if (sensor.isValid() && (b.x >= sensor.width() || b.y >= sensor.height()))
            throwFailure(tr("Line %1 lies outside the sensor of %2 × %3 pixels: %4")
                             .arg(lineNumber)
                             .arg(sensor.width())
                             .arg(sensor.height())
                             .arg(QString::fromLatin1(line.left(60))));
        if (int(fresh.size()) == maxFileEntries)
            throwFailure(tr("The file holds more than %1 hot pixel entries.").arg(maxFileEntries));
        fresh.push_back(b);
    }
    replaceUserEntries(fresh);
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

// The hot pixel list of the open camera: factory and user entries, and what the camera and the
// files hold of it.
#ifndef DAPPLIX_HOTPIXELS_BADPIXELLISTMODEL_H
#define DAPPLIX_HOTPIXELS_BADPIXELLISTMODEL_H

#include "dapplix/hotpixels/badpixel.h"

#include <QAbstractTableModel>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <memory>
#include <vector>

namespace dapplix {
class Camera;
}

class BadpixelListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        XColumn,
        YColumn,
        ClassColumn
    };

    explicit BadpixelListModel(QObject *parent = nullptr);
    ~BadpixelListModel() override;

    int maxUserBadpixels() const { return m_maxUser; }
    int factoryBadpixelCount() const { return m_factoryCount; }
    void setCounts(int maxUserBadpixels, int factoryBadpixelCount);

    bool addBadpixel(QPoint pos);
    bool removeUserBadpixel(int row);
    Badpixel badpixelAt(int row) const;
    int userBadpixelCount() const;
    QModelIndex findBadpixel(int x, int y, int distance) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // The user entries differ from what the camera holds since its list was read or written:
    // closing would lose them. False while the camera's list is unread.
    bool hasUnwrittenChanges() const;
    // Empty when the camera's lists were read whole; otherwise why not. Writing is refused then.
    QString readProblem() const { return m_readProblem; }

signals:
    void pixelAdded(int count);
    // A read of the camera's lists failed or did not agree with itself; message for the user.
    void readFailed(const QString &message);

public slots:
    void getBadpixelList(dapplix::Camera *cam);
    // The slots below throw std::runtime_error with the user message on failure.
    void writeBadpixelList(dapplix::Camera *cam);
    void clearUserBadpixelList();
    void clearBadpixelList();
    void saveAsFile(dapplix::Camera *cam, const QString &filename);
    void loadFromFile(dapplix::Camera *cam, const QString &filename);
    void exportAsFile(const QString &filename);
    // Replaces the user entries by the text file's; see BadpixelTextFile::read().
    void importFromFile(const QString &filename, QSize sensor = QSize());
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    Q_DISABLE_COPY(BadpixelListModel)

    void appendEntries(const std::vector<Badpixel> &entries);
    // Replaces the user entries by the given ones, appended after the others.
    void replaceUserEntries(const std::vector<Badpixel> &fresh);
    // The user entries' positions in list order, and sorted: what a write puts into the
    // camera, in any order.
    std::vector<QPoint> userPositions() const;
    std::vector<QPoint> sortedUserPositions() const;

    int m_maxUser = 0;
    int m_factoryCount = 0;
    std::vector<std::unique_ptr<Badpixel>> m_entries;
    std::vector<QPoint> m_cameraUserList; // sortedUserPositions() as last read or written
    QString m_readProblem;
    QStringList m_headers;
};

#endif // DAPPLIX_HOTPIXELS_BADPIXELLISTMODEL_H

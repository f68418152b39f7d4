// deviceinfotree.h: reading a device information model back the way the tree shows it.
#ifndef TESTS_ZENTARA_DEVINFO_DEVICEINFOTREE_H
#define TESTS_ZENTARA_DEVINFO_DEVICEINFOTREE_H

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>

namespace deviceinfotree {

// The labels of all rows, depth first, each as its path ("Device/General/Sensor ID"); the
// children of the rows named in leavesOnly are left out.
inline QStringList paths(const QAbstractItemModel &model, const QStringList &leavesOnly = {},
                         const QModelIndex &parent = QModelIndex(),
                         const QString &prefix = QString())
{
    QStringList result;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString label = index.data().toString();
        const QString path = prefix.isEmpty() ? label : prefix + QLatin1Char('/') + label;
        result << path;
        if (!leavesOnly.contains(label))
            result << paths(model, leavesOnly, index, path);
    }
    return result;
}

// The row at path, column 0; invalid when there is none.
inline QModelIndex find(const QAbstractItemModel &model, const QString &path)
{
    QModelIndex parent;
    const QStringList labels = path.split(QLatin1Char('/'));
    for (const QString &label : labels) {
        QModelIndex found;
        for (int row = 0; row < model.rowCount(parent) && !found.isValid(); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            if (index.data().toString() == label)
                found = index;
        }
        if (!found.isValid())
            return QModelIndex();
        parent = found;
    }
    return parent;
}

// The value shown at path; "<missing>" when there is no such row.
inline QString value(const QAbstractItemModel &model, const QString &path)
{
    const QModelIndex index = find(model, path);
    if (!index.isValid())
        return QStringLiteral("<missing>");
    return index.sibling(index.row(), 1).data().toString();
}

// The label and value of every child of path, "label=value".
inline QStringList children(const QAbstractItemModel &model, const QString &path)
{
    const QModelIndex parent = find(model, path);
    QStringList result;
    if (!parent.isValid())
        return result;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        result << index.data().toString() + QLatin1Char('=') +
                      index.sibling(row, 1).data().toString();
    }
    return result;
}

} // namespace deviceinfotree

#endif // TESTS_ZENTARA_DEVINFO_DEVICEINFOTREE_H

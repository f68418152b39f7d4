// deviceinfoview.cpp: the device information tree of the main window.
#include "zentara/devinfo/deviceinfoview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

#include "zentara/devinfo/deviceinfomodel.h"

using zentara::Camera;

namespace {

// The rows from the root down to index, so that indexes compare in the order they are shown.
QVector<int> pathOf(QModelIndex index)
{
    QVector<int> path;
    for (; index.isValid(); index = index.parent())
        path.prepend(index.row());
    return path;
}

} // namespace

DeviceInfoView::DeviceInfoView(QWidget *parent)
    : QTreeView(parent), m_model(new DeviceInfoModel(nullptr, this)), m_menu(new QMenu(this)),
      m_copyAction(m_menu->addAction(tr("Copy item values")))
{
    setMinimumSize(94, 194);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setStretchLastSection(true);

    connect(m_model, &QAbstractItemModel::modelReset, this, &DeviceInfoView::onModelReset);
    connect(this, &QWidget::customContextMenuRequested, this, &DeviceInfoView::onCustomContextMenu);
    connect(m_copyAction, &QAction::triggered, this, &DeviceInfoView::copyValues);
    connect(this, &QTreeView::expanded, this, &DeviceInfoView::widenLabels);
    onModelReset();
}

DeviceInfoView::~DeviceInfoView() = default;

void DeviceInfoView::Update(const Camera *pCamera, bool force_reset)
{
    m_model->Update(pCamera, force_reset);
    viewport()->update();
}

void DeviceInfoView::Update(const Camera *pCamera)
{
    Update(pCamera, false);
}

void DeviceInfoView::UpdateUsbTopology()
{
    m_model->UpdateUSBTopology();
}

void DeviceInfoView::onCustomContextMenu(const QPoint &pos)
{
    if (indexAt(pos).isValid())
        m_menu->popup(viewport()->mapToGlobal(pos));
}

void DeviceInfoView::copyValues()
{
    QModelIndexList indexes = selectionModel()->selectedIndexes();
    std::sort(indexes.begin(), indexes.end(), [](const QModelIndex &a, const QModelIndex &b) {
        const QVector<int> pa = pathOf(a.sibling(a.row(), 0));
        const QVector<int> pb = pathOf(b.sibling(b.row(), 0));
        return pa != pb ? pa < pb : a.column() < b.column();
    });
    QString text;
    for (int i = 0; i < indexes.size(); ++i) {
        const QModelIndex &index = indexes.at(i);
        if (i > 0) {
            const QModelIndex &previous = indexes.at(i - 1);
            const bool sameRow =
                index.row() == previous.row() && index.parent() == previous.parent();
            text += sameRow ? QLatin1Char('\t') : QLatin1Char('\n');
        }
        text += index.data(Qt::DisplayRole).toString();
    }
    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void DeviceInfoView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_copyAction->setText(tr("Copy item values"));
        m_model->retranslate();
        for (int column = 0; column < m_model->columnCount(); ++column)
            resizeColumnToContents(column);
    }
    QTreeView::changeEvent(event);
}

void DeviceInfoView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copyValues();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void DeviceInfoView::onModelReset()
{
    expandMarked(QModelIndex());
    resizeColumnToContents(0);
}

void DeviceInfoView::widenLabels()
{
    if (columnWidth(0) < sizeHintForColumn(0))
        resizeColumnToContents(0);
}

void DeviceInfoView::expandMarked(const QModelIndex &parent)
{
    for (int row = 0; row < m_model->rowCount(parent); ++row) {
        const QModelIndex index = m_model->index(row, 0, parent);
        if (index.data(DeviceInfoModel::ExpandRole).toBool())
            expand(index);
        expandMarked(index);
    }
}

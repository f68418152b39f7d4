// cameratableview.cpp: keeping the selection by device ID across model resets.
#include "zentara/inventory/cameratableview.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include "zentara/inventory/cameralistmodel.h"

using zentara::Camera;
using zentara::CameraListModel;

CameraTableView::CameraTableView(QWidget *parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
}

void CameraTableView::setModel(QAbstractItemModel *model)
{
    if (this->model())
        disconnect(this->model(), nullptr, this, nullptr);
    QTableView::setModel(model);
    if (!model)
        return;
    connect(model, &QAbstractItemModel::modelReset, this, &CameraTableView::onModelReset);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CameraTableView::onCurrentChanged);
    if (model->rowCount() > 0)
        selectRow(0);
}

QSize CameraTableView::sizeHint() const
{
    QSize hint = QTableView::sizeHint();
    if (!model())
        return hint;
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < model()->columnCount(); ++column)
        width += wantedColumnWidth(column);
    hint.setWidth(qMax(hint.width(), width));
    return hint;
}

camera::optional CameraTableView::cameraAt(int row) const
{
    const QVariant value = model()->index(row, 0).data(CameraListModel::CameraRole);
    if (!value.canConvert<Camera>())
        return std::nullopt;
    return value.value<Camera>();
}

void CameraTableView::onModelReset()
{
    QAbstractItemModel *m = model();
    const int rows = m ? m->rowCount() : 0;
    int row = -1;
    if (m_camera && rows > 0) {
        for (int r = 0; r < rows; ++r) {
            if (m->index(r, CameraListModel::ColDeviceId).data().toUInt() == m_camera->deviceId()) {
                row = r;
                break;
            }
        }
    }
    if (row < 0) {
        resizeColumnsToContents();
        row = 0;
    } else {
        // The kept row may now show longer texts than before: widen, never narrow.
        widenColumns();
    }
    m_reselecting = true;
    if (rows > 0) {
        selectRow(row);
        m_camera = cameraAt(row);
    } else {
        m_camera.reset();
    }
    m_reselecting = false;
    emit selectedCameraChanged(m_camera);
}

void CameraTableView::onCurrentChanged(const QModelIndex &current)
{
    if (m_reselecting)
        return;
    m_camera = current.isValid() ? cameraAt(current.row()) : camera::optional();
    emit selectedCameraChanged(m_camera);
    widenColumns();
}

int CameraTableView::wantedColumnWidth(int column) const
{
    return qMax(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
}

void CameraTableView::widenColumns()
{
    if (!model())
        return;
    for (int column = 0; column < model()->columnCount(); ++column) {
        const int wanted = wantedColumnWidth(column);
        if (columnWidth(column) < wanted)
            setColumnWidth(column, wanted);
    }
}

void CameraTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        emit languageChanged();
    QTableView::changeEvent(event);
}

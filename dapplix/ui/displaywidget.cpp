// The live image in the centre of the editor: scrollable, zoomable, with the hot pixels marked.
#include "dapplix/ui/displaywidget.h"

#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/ui/imagelabel.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// A click this close to a listed pixel (in both directions) picks that entry.
constexpr int pickDistance = 7;

} // namespace

DisplayWidget::DisplayWidget(QWidget *parent) : QScrollArea(parent)
{
    m_label = new ImageLabel(m_renderer);
    m_label->setObjectName(QStringLiteral("imageLabel"));
    m_label->setBackgroundRole(QPalette::Base);
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_label->resize(0, 0);
    setBackgroundRole(QPalette::Dark);
    setWidget(m_label);
    m_message = new QLabel(viewport());
    m_message->setObjectName(QStringLiteral("displayMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->hide();
    // Scrolling exposes parts that were never drawn: draw them from the last frame.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_label,
            qOverload<>(&QWidget::update));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_label, qOverload<>(&QWidget::update));
}

DisplayWidget::~DisplayWidget() = default;

QLabel *DisplayWidget::imageLabel() const
{
    return m_label;
}

void DisplayWidget::setImageAreaVisible(bool visible)
{
    m_label->setVisible(visible);
}

void DisplayWidget::setMessage(const QString &text)
{
    m_message->setText(text);
    m_message->setGeometry(viewport()->rect());
    m_message->setVisible(!text.isEmpty());
    m_message->raise();
}

QString DisplayWidget::message() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

void DisplayWidget::ensurePixelVisible(QPoint pixel)
{
    // At "To fit" the whole image is in view.
    if (m_scale <= 0.0)
        return;
    const int margin = int(m_scale) + 2;
    ensureVisible(int(pixel.x() * m_scale), int(pixel.y() * m_scale), margin, margin);
}

void DisplayWidget::setModel(BadpixelListModel *model)
{
    m_model = model;
    m_renderer.setModel(model);
}

void DisplayWidget::setSelectionModel(QItemSelectionModel *selectionModel)
{
    if (m_selectionModel)
        disconnect(m_selectionModel, nullptr, this, nullptr);
    m_selectionModel = selectionModel;
    if (m_selectionModel)
        connect(m_selectionModel, &QItemSelectionModel::selectionChanged, this,
                &DisplayWidget::onSelectionChanged);
}

void DisplayWidget::onSelectionChanged()
{
    // The selected entry's ring moves even while no frame arrives.
    if (m_highlight)
        redrawImage();
}

void DisplayWidget::setBufferSize(ImageInfo info)
{
    m_info = info;
}

void DisplayWidget::setImage(const QImage &image)
{
    m_renderer.setImage(image);
    redrawImage();
}

void DisplayWidget::clear()
{
    m_renderer.clear();
    m_label->resize(0, 0);
    m_label->update();
}

void DisplayWidget::setHighlight(bool enabled)
{
    m_highlight = enabled;
}

void DisplayWidget::setScale(double scale)
{
    m_scale = scale;
}

void DisplayWidget::updateMagnifierPosition(QPoint pos)
{
    m_magnifierPos = pos;
}

void DisplayWidget::redrawImage()
{
    if (m_renderer.isNull())
        return;
    int selected = -1;
    if (m_selectionModel) {
        const QModelIndexList rows = m_selectionModel->selectedIndexes();
        if (!rows.isEmpty())
            selected = rows.first().row();
    }
    m_renderer.setHighlight(m_highlight);
    m_renderer.setSelectedRow(selected);
    m_renderer.setFocusPixel(m_magnifierPos);
    m_renderer.setViewportSize(viewport()->size());
    m_renderer.setScale(m_scale);
    QSize target = m_renderer.targetSize();
    if (DisplayRenderer::tooLarge(target)) {
        m_scale /= 2.0;
        m_renderer.setScale(m_scale);
        target = m_renderer.targetSize();
        emit scaleChanged(m_scale);
    }
    if (m_label->size() != target)
        m_label->resize(target);
    // Only the part inside the viewport is painted.
    m_label->update();
}

void DisplayWidget::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    m_message->setGeometry(viewport()->rect());
    if (m_scale == 0.0)
        redrawImage();
}

void DisplayWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        m_dragStart = event->localPos().toPoint();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QScrollArea::mousePressEvent(event);
        return;
    }
    // Mouse events reach the scroll area through its viewport, in viewport coordinates.
    const QPoint inLabel = m_label->mapFrom(viewport(), event->pos());
    const double scale = m_scale == 0.0 && !m_renderer.isNull() && m_label->width() > 0
                             ? double(m_label->width()) / m_renderer.image().width()
                             : m_scale;
    if (scale <= 0.0)
        return;
    const int x = int(inLabel.x() / scale);
    const int y = int(inLabel.y() / scale);
    if (m_model) {
        const QModelIndex hit = m_model->findBadpixel(x, y, pickDistance);
        if (hit.isValid()) {
            if (m_selectionModel)
                m_selectionModel->select(hit, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
            return;
        }
    }
    if (m_selectionModel)
        m_selectionModel->clearSelection();
    emit positionClicked(QPoint(x, y));
}

void DisplayWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::RightButton)) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint pos = event->localPos().toPoint();
    const QPoint delta = m_dragStart - pos;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + delta.y());
    m_dragStart = pos;
}

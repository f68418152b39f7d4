// An enlarged view of the pixels around the focus pixel, with the focus pixel framed.
#include "dapplix/ui/magnifier.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace {

constexpr int tickLength = 16;

// Made odd and larger, so that the focus pixel has a centre cell with neighbours on each side.
int oddCells(int n)
{
    return n % 2 == 0 ? n + 3 : n + 2;
}

} // namespace

Magnifier::Magnifier(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Base);
}

QString Magnifier::bayerColor(const QPoint &pos)
{
    const bool evenX = pos.x() % 2 == 0;
    const bool evenY = pos.y() % 2 == 0;
    if (evenX && evenY)
        return QStringLiteral("R");
    if (!evenX && !evenY)
        return QStringLiteral("B");
    return QStringLiteral("G");
}

QSize Magnifier::cells() const
{
    const int zoom = qMax(1, m_zoom);
    return QSize(oddCells(width() / zoom), oddCells(height() / zoom));
}

void Magnifier::setImage(const QImage &image)
{
    if (image.isNull()) {
        m_image = QImage();
        clear();
        return;
    }
    // Shared with the camera, which never writes into a frame again: only the magnified part
    // is ever converted.
    m_image = image;
    redrawImage();
}

void Magnifier::setPosition(QPoint position)
{
    m_position = position;
    redrawImage();
    emitPixelInfo();
}

void Magnifier::setZoom(int zoom)
{
    m_zoom = zoom;
    redrawImage();
}

void Magnifier::emitPixelInfo()
{
    int value = 0;
    if (!m_image.isNull() && m_image.valid(m_position))
        value = int(m_image.pixel(m_position) & 0xff);
    emit pixelInfoChanged(bayerColor(m_position), value);
}

void Magnifier::redrawImage()
{
    if (m_image.isNull() || m_zoom < 1)
        return;
    const QSize n = cells();
    const QRect region(m_position.x() - n.width() / 2, m_position.y() - n.height() / 2, n.width(),
                       n.height());
    const QImage part = m_image.copy(region).convertToFormat(QImage::Format_RGB32);
    QImage shown = part.scaled(m_zoom * n.width(), m_zoom * n.height(), Qt::KeepAspectRatio,
                               Qt::FastTransformation);
    if (shown.width() > 20 && shown.height() > 20) {
        QPainter p(&shown);
        p.setPen(Qt::green);
        const int left = (n.width() / 2) * m_zoom;
        const int top = (n.height() / 2) * m_zoom;
        const QRect frame(left - 1, top - 1, m_zoom + 1, m_zoom + 1);
        p.drawRect(frame);
        const int midX = left + m_zoom / 2;
        const int midY = top + m_zoom / 2;
        p.drawLine(frame.left() - tickLength, midY, frame.left() - 1, midY);
        p.drawLine(frame.right() + 1, midY, frame.right() + tickLength, midY);
        p.drawLine(midX, frame.top() - tickLength, midX, frame.top() - 1);
        p.drawLine(midX, frame.bottom() + 1, midX, frame.bottom() + tickLength);
    }
    setPixmap(QPixmap::fromImage(shown));
}

void Magnifier::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    redrawImage();
}

void Magnifier::keyPressEvent(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = QPoint(-1, 0);
        break;
    case Qt::Key_Up:
        step = QPoint(0, -1);
        break;
    case Qt::Key_Right:
        step = QPoint(1, 0);
        break;
    case Qt::Key_Down:
        step = QPoint(0, 1);
        break;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
    emit changePosition(m_position + step);
}

void Magnifier::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_zoom < 1) {
        QLabel::mousePressEvent(event);
        return;
    }
    // The centre cell spans half a cell on each side of the label's centre.
    const QPointF offset = event->localPos() - QPointF(width() / 2.0, height() / 2.0);
    const int dx = int(std::floor((offset.x() + m_zoom / 2.0) / m_zoom));
    const int dy = int(std::floor((offset.y() + m_zoom / 2.0) / m_zoom));
    emit changePosition(m_position + QPoint(dx, dy));
}

// The display's image label: paints only the part of the scaled image that is exposed.
#include "dapplix/ui/imagelabel.h"

#include "dapplix/ui/displayrenderer.h"

#include <QPaintEvent>
#include <QPainter>

ImageLabel::ImageLabel(DisplayRenderer &renderer, QWidget *parent)
    : QLabel(parent), m_renderer(renderer)
{
    setScaledContents(true);
    // Every exposed pixel is painted from the image: nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageLabel::paintEvent(QPaintEvent *event)
{
    const QRect exposed = event->rect() & rect();
    if (m_renderer.isNull() || exposed.isEmpty()) {
        QPainter p(this);
        p.fillRect(exposed, palette().window());
        return;
    }
    m_renderer.render(exposed, m_part);
    QPainter p(this);
    p.drawImage(exposed.topLeft(), m_part);
}

// The display's image label: paints only the part of the scaled image that is exposed.
#include "dapplix/ui/imagelabel.h"

#include "dapplix/ui/displayrenderer.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

namespace {

// The image a painter draws into when the part can be written there directly: a 32-bit raster
// surface without scaling (the window's backing store, or an image being grabbed into).
QImage *directSurface(QPainter &p)
{
    QPaintEngine *engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return nullptr;
    QPaintDevice *device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto *image = static_cast<QImage *>(device);
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
        f != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    if (image->devicePixelRatio() != 1.0 || p.deviceTransform().type() > QTransform::TxTranslate)
        return nullptr;
    return image;
}

} // namespace

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
    QPainter p(this);
    if (m_renderer.isNull() || exposed.isEmpty()) {
        p.fillRect(exposed, palette().window());
        return;
    }
    // Written straight into the surface, the part skips a copy of the size of the viewport.
    if (QImage *surface = directSurface(p)) {
        const QPoint offset(qRound(p.deviceTransform().dx()), qRound(p.deviceTransform().dy()));
        QRect target = exposed.translated(offset) & surface->rect();
        const QRegion clip = p.paintEngine()->systemClip();
        if (!clip.isEmpty())
            target &= clip.boundingRect();
        if (!target.isEmpty()) {
            p.end();
            m_renderer.renderInto(target.translated(-offset), *surface, target.topLeft());
        }
        return;
    }
    m_renderer.render(exposed, m_part);
    p.drawImage(exposed.topLeft(), m_part);
}

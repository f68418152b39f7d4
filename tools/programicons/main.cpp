// Draws zentara's and dapplix's menu icons at the hicolor theme's usual sizes.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

const QColor Blue(0x2b, 0x57, 0x97);
const QColor Dark(0x4a, 0x4a, 0x4a);
const QColor Light(0xe0, 0xe0, 0xe0);
const QColor Green(0x2e, 0x8b, 0x57);
const QColor Amber(0xf0, 0xad, 0x4e);
const QColor Sensor(0x26, 0x2b, 0x33);
const QColor HotRed(0xe0, 0x3c, 0x31);

QImage blank(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// zentara: the camera mark of its window icon, a blue tile with a white camera body.
QImage zentara(int size)
{
    QImage img = blank(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size >= 32 ? size * 0.03 : 0;
    const QRectF r(m, m, size - 2 * m, size - 2 * m);
    const qreal s = r.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(r, s * 0.18, s * 0.18);
    const QRectF body(r.left() + s * 0.14, r.top() + s * 0.30, s * 0.72, s * 0.48);
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, s * 0.07, s * 0.07);
    const QPointF c = body.center() + QPointF(0, s * 0.01);
    p.setBrush(Dark);
    if (s < 24) {
        p.drawEllipse(c, s * 0.16, s * 0.16);
        return img;
    }
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + s * 0.24, r.top() + s * 0.22, s * 0.18, s * 0.10));
    p.setBrush(Dark);
    p.drawEllipse(c, s * 0.17, s * 0.17);
    p.setBrush(Light);
    p.drawEllipse(c, s * 0.10, s * 0.10);
    p.setBrush(Blue);
    p.drawEllipse(c, s * 0.05, s * 0.05);
    p.setBrush(Green);
    p.drawEllipse(QPointF(body.right() - s * 0.10, body.top() + s * 0.09), s * 0.04, s * 0.04);
    return img;
}

// dapplix: a dark sensor with a pixel grid, a few hot pixels in red, one of them ringed in
// amber as the editor marks a selected entry.
QImage dapplix(int size)
{
    QImage img = blank(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size >= 32 ? size * 0.04 : 0;
    const QRectF r(m, m, size - 2 * m, size - 2 * m);
    const qreal s = r.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Sensor);
    p.drawRoundedRect(r, s * 0.16, s * 0.16);

    // Fewer cells at small sizes, so each stays at least three pixels wide.
    const int cells = size >= 48 ? 8 : size >= 24 ? 6 : 4;
    const QRectF grid = r.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12);
    const qreal cell = grid.width() / cells;
    if (size >= 24) {
        p.setPen(QPen(QColor(0x3c, 0x44, 0x50), qMax<qreal>(1.0, s / 96)));
        for (int i = 0; i <= cells; ++i) {
            p.drawLine(QPointF(grid.left() + i * cell, grid.top()),
                       QPointF(grid.left() + i * cell, grid.bottom()));
            p.drawLine(QPointF(grid.left(), grid.top() + i * cell),
                       QPointF(grid.right(), grid.top() + i * cell));
        }
        p.setPen(Qt::NoPen);
    }
    const QPoint hot[] = {{1, 1}, {cells - 2, 2}, {2, cells - 2}, {cells - 3, cells - 3}};
    const qreal inset = cell * 0.12;
    p.setBrush(HotRed);
    for (const QPoint &h : hot)
        p.drawRect(QRectF(grid.left() + h.x() * cell + inset, grid.top() + h.y() * cell + inset,
                          cell - 2 * inset, cell - 2 * inset));
    const QPoint marked = hot[3];
    const QPointF centre(grid.left() + (marked.x() + 0.5) * cell,
                         grid.top() + (marked.y() + 0.5) * cell);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Amber, qMax<qreal>(1.0, s * 0.06)));
    p.drawEllipse(centre, cell * 1.05, cell * 1.05);
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: programicons <hicolor folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = out.filePath(QStringLiteral("%1x%1/apps").arg(size));
        ok = ok && QDir().mkpath(dir);
        ok = ok && zentara(size).save(dir + QStringLiteral("/zentara.png"));
        ok = ok && dapplix(size).save(dir + QStringLiteral("/dapplix.png"));
    }
    if (!ok)
        QTextStream(stderr) << "programicons: could not write the icons\n";
    return ok ? 0 : 1;
}

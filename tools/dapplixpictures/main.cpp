// Draws dapplix's action icons, program icon and about logo in the house palette and writes them
// to a folder: <name>.png at 32 pixels, 16/<name>.png and 22/<name>.png for small buttons.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

const QColor Blue(0x2b, 0x57, 0x97);
const QColor Dark(0x4a, 0x4a, 0x4a);
const QColor Light(0xe0, 0xe0, 0xe0);
const QColor Green(0x2e, 0x8b, 0x57);
const QColor Amber(0xf0, 0xad, 0x4e);
const QColor Red(0xc8, 0x3a, 0x2c);
const QColor Paper(0xfa, 0xfa, 0xfa);

// Every picture is drawn on a 32 × 32 grid; small sizes get thicker lines and fewer details.
struct Canvas
{
    QPainter &p;
    bool small;
};

using Drawing = std::function<void(Canvas &)>;

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QPen pen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The camera shape of zentara's pictures: a body, a lens and the viewfinder bump.
void camera(Canvas &c, const QRectF &body)
{
    QPainter &p = c.p;
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(body.left() + body.width() * 0.14, body.top() - body.height() * 0.18,
                             body.width() * 0.28, body.height() * 0.25),
                      1, 1);
    p.drawRoundedRect(body, 3, 3);
    const QPointF centre = body.center();
    const qreal r = body.height() * 0.34;
    p.setBrush(Paper);
    p.drawEllipse(centre, r, r);
    p.setBrush(Dark);
    p.drawEllipse(centre, r * 0.62, r * 0.62);
    if (!c.small) {
        p.setBrush(Light);
        p.drawEllipse(centre - QPointF(r * 0.2, r * 0.2), r * 0.18, r * 0.18);
    }
}

// A sheet of paper with list lines; dots in the given colour mark the entries when set.
void sheet(Canvas &c, const QRectF &r, const QColor &dots = QColor())
{
    QPainter &p = c.p;
    p.setPen(pen(Dark, c.small ? 2.0 : 1.5));
    p.setBrush(Paper);
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.drawPath(path);
    const int lines = c.small ? 3 : 4;
    const qreal step = (r.height() - fold) / (lines + 0.5);
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + fold * 0.9 + step * (i + 0.6);
        const qreal left = r.left() + r.width() * (dots.isValid() ? 0.38 : 0.2);
        p.setPen(pen(Blue, c.small ? 2.2 : 2.0));
        p.drawLine(QPointF(left, y), QPointF(r.right() - r.width() * 0.18, y));
        if (dots.isValid()) {
            p.setPen(Qt::NoPen);
            p.setBrush(dots);
            p.drawEllipse(QPointF(r.left() + r.width() * 0.22, y), 1.8, 1.8);
        }
    }
}

// An arrow from a to b with a filled head.
void arrow(Canvas &c, QPointF a, QPointF b, const QColor &colour)
{
    QPainter &p = c.p;
    const qreal w = c.small ? 3.6 : 3.0;
    const QLineF line(a, b);
    const QLineF unit = line.unitVector();
    const QPointF d(unit.dx(), unit.dy());
    const QPointF n(-d.y(), d.x());
    const qreal head = c.small ? 6.5 : 6.0;
    p.setPen(pen(colour, w));
    p.drawLine(a, b - d * head * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({b, b - d * head + n * head * 0.75, b - d * head - n * head * 0.75}));
}

// A pixel grid with one hot pixel, the subject of the list actions.
void hotPixel(Canvas &c, const QRectF &r, const QColor &hot = Red, bool fine = false)
{
    QPainter &p = c.p;
    const int cells = c.small && !fine ? 2 : 3;
    const int hotCell = (cells - 1) / 2;
    const qreal s = r.width() / cells;
    p.setPen(pen(Dark, 1.0));
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x) {
            const bool centre = x == hotCell && y == hotCell;
            p.setBrush(centre ? hot : ((x + y) % 2 ? Light : QColor(0xb8, 0xb8, 0xb8)));
            p.drawRect(QRectF(r.left() + x * s, r.top() + y * s, s, s));
        }
}

// A plus or minus badge in a filled circle.
void badge(Canvas &c, QPointF centre, const QColor &colour, bool plus)
{
    QPainter &p = c.p;
    const qreal r = c.small ? 8.0 : 7.5;
    p.setPen(pen(Qt::white, 1.5));
    p.setBrush(colour);
    p.drawEllipse(centre, r, r);
    p.setPen(pen(Qt::white, c.small ? 3.5 : 3.0));
    const qreal a = r * 0.55;
    p.drawLine(centre - QPointF(a, 0), centre + QPointF(a, 0));
    if (plus)
        p.drawLine(centre - QPointF(0, a), centre + QPointF(0, a));
}

// A magnifying glass with its lens centred on centre.
void glass(Canvas &c, QPointF centre, qreal radius, const QColor &inside = QColor())
{
    QPainter &p = c.p;
    const qreal w = c.small ? 3.6 : 3.0;
    p.setPen(pen(Dark, w + 2.5));
    p.drawLine(centre + QPointF(radius * 0.72, radius * 0.72),
               centre + QPointF(radius * 1.75, radius * 1.75));
    p.setPen(pen(Blue, w));
    p.setBrush(inside.isValid() ? inside : QColor(255, 255, 255, 200));
    p.drawEllipse(centre, radius, radius);
}

// A blue disc with a letter, for help and information.
void letterDisc(Canvas &c, const QString &letter)
{
    QPainter &p = c.p;
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(c.small ? 24 : 22);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, letter);
}

std::map<QString, Drawing> drawings()
{
    std::map<QString, Drawing> d;
    d["openplay"] = [](Canvas &c) {
        camera(c, QRectF(1, 9, 22, 16));
        c.p.setPen(pen(Qt::white, 1.5));
        c.p.setBrush(Green);
        c.p.drawPolygon(QPolygonF({QPointF(17, 14), QPointF(31, 22), QPointF(17, 30)}));
    };
    d["camclose"] = [](Canvas &c) {
        camera(c, QRectF(1, 9, 22, 16));
        c.p.setPen(pen(Qt::white, 1.5));
        c.p.setBrush(Red);
        c.p.drawRoundedRect(QRectF(18, 16, 13, 13), 2, 2);
    };
    d["writeList"] = [](Canvas &c) {
        sheet(c, QRectF(3, 2, 20, 26));
        arrow(c, QPointF(24, 8), QPointF(24, 30), Green);
    };
    d["openList"] = [](Canvas &c) {
        QPainter &p = c.p;
        sheet(c, QRectF(9, 1, 18, 20));
        p.setPen(pen(QColor(0xb0, 0x7a, 0x20), 1.5));
        p.setBrush(Amber);
        QPainterPath folder;
        folder.moveTo(2, 12);
        folder.lineTo(9, 12);
        folder.lineTo(11, 15);
        folder.lineTo(30, 15);
        folder.lineTo(28, 30);
        folder.lineTo(3, 30);
        folder.closeSubpath();
        p.drawPath(folder);
    };
    d["highlight"] = [](Canvas &c) {
        QPainter &p = c.p;
        hotPixel(c, QRectF(4, 4, 24, 24), Dark, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(Amber, c.small ? 4.0 : 3.0));
        p.drawEllipse(QPointF(16, 16), 11, 11);
        if (!c.small) {
            p.setPen(pen(Green, 2.0));
            p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
        }
    };
    d["writeBadpixel"] = [](Canvas &c) {
        QPainter &p = c.p;
        // The camera's memory chip with its pins, an arrow writing into it.
        p.setPen(pen(Dark, 2.0));
        for (int i = 0; i < (c.small ? 3 : 4); ++i) {
            const qreal x = 8 + i * (c.small ? 8.0 : 5.5);
            p.drawLine(QPointF(x, 16), QPointF(x, 31));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Dark);
        p.drawRoundedRect(QRectF(4, 18, 24, 11), 2, 2);
        p.setBrush(Amber);
        p.drawEllipse(QPointF(8, 23.5), 1.6, 1.6);
        arrow(c, QPointF(16, 1), QPointF(16, 17), Green);
    };
    d["badpixelCorrection"] = [](Canvas &c) {
        QPainter &p = c.p;
        hotPixel(c, QRectF(1, 1, 24, 24), Light);
        p.setPen(pen(Qt::white, c.small ? 7 : 6));
        QPainterPath tick;
        tick.moveTo(13, 22);
        tick.lineTo(19, 28);
        tick.lineTo(30, 13);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        p.setPen(pen(Green, c.small ? 4 : 3.5));
        p.drawPath(tick);
    };
    d["addBadpixel"] = [](Canvas &c) {
        hotPixel(c, QRectF(1, 1, 22, 22));
        badge(c, QPointF(23, 23), Green, true);
    };
    d["deleteBadpixel"] = [](Canvas &c) {
        hotPixel(c, QRectF(1, 1, 22, 22));
        badge(c, QPointF(23, 23), Red, false);
    };
    d["detectBadpixel"] = [](Canvas &c) {
        QPainter &p = c.p;
        glass(c, QPointF(13, 13), 10);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        const qreal s = c.small ? 7 : 6;
        p.drawRect(QRectF(13 - s / 2, 13 - s / 2, s, s));
        if (!c.small) {
            p.setBrush(QColor(0xb8, 0xb8, 0xb8));
            p.drawRect(QRectF(4, 10, 6, 6));
            p.drawRect(QRectF(16, 10, 6, 6));
        }
    };
    d["zoom"] = [](Canvas &c) {
        QPainter &p = c.p;
        glass(c, QPointF(13, 13), 10);
        p.setPen(pen(Dark, c.small ? 3.5 : 3));
        p.drawLine(QPointF(8, 13), QPointF(18, 13));
        p.drawLine(QPointF(13, 8), QPointF(13, 18));
    };
    d["help"] = [](Canvas &c) { letterDisc(c, QStringLiteral("?")); };
    d["information"] = [](Canvas &c) { letterDisc(c, QStringLiteral("i")); };
    d["exportList"] = [](Canvas &c) {
        sheet(c, QRectF(2, 2, 20, 27));
        arrow(c, QPointF(13, 20), QPointF(31, 20), Blue);
    };
    d["importList"] = [](Canvas &c) {
        sheet(c, QRectF(10, 2, 20, 27));
        arrow(c, QPointF(1, 20), QPointF(20, 20), Green);
    };
    d["exit"] = [](Canvas &c) {
        QPainter &p = c.p;
        p.setPen(pen(Dark, 2.0));
        p.setBrush(Light);
        p.drawRect(QRectF(3, 2, 16, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawPolygon(QPolygonF({QPointF(3, 2), QPointF(13, 6), QPointF(13, 31), QPointF(3, 30)}));
        p.setBrush(Amber);
        p.drawEllipse(QPointF(11, 17), 1.5, 1.5);
        arrow(c, QPointF(15, 16), QPointF(31, 16), Red);
    };
    d["cameraList"] = [](Canvas &c) {
        QPainter &p = c.p;
        camera(c, QRectF(1, 5, 18, 13));
        p.setPen(pen(Blue, c.small ? 3 : 2.5));
        for (int i = 0; i < 3; ++i) {
            const qreal y = 22 + i * 4;
            p.drawLine(QPointF(3, y), QPointF(c.small ? 29 : 29, y));
            if (c.small)
                break;
        }
        if (c.small)
            p.drawLine(QPointF(3, 28), QPointF(29, 28));
        p.setPen(pen(Dark, 2));
        p.drawLine(QPointF(22, 8), QPointF(30, 8));
        p.drawLine(QPointF(22, 13), QPointF(30, 13));
    };
    d["badpixelList"] = [](Canvas &c) { sheet(c, QRectF(4, 1, 24, 30), Red); };
    d["window_view"] = [](Canvas &c) {
        QPainter &p = c.p;
        // A window showing pixels, with the magnifier's enlarged cell in front.
        p.setPen(pen(Dark, 1.5));
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 3.5, 29, 25));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRect(QRectF(1.5, 3.5, 29, 5));
        glass(c, QPointF(13, 17), 7.5, QColor(0xb8, 0xb8, 0xb8));
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawRect(QRectF(10, 14, 6, 6));
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(Green, 1.2));
        if (!c.small)
            p.drawRect(QRectF(9, 13, 8, 8));
    };
    d["cameraproperties"] = [](Canvas &c) {
        QPainter &p = c.p;
        const qreal knobs[3] = {22, 10, 17};
        const int rows = c.small ? 2 : 3;
        for (int i = 0; i < rows; ++i) {
            const qreal y = c.small ? 9 + i * 14 : 6 + i * 10;
            p.setPen(pen(Dark, c.small ? 3 : 2.5));
            p.drawLine(QPointF(3, y), QPointF(29, y));
            p.setPen(pen(Qt::white, 1.5));
            p.setBrush(i == 0 ? Amber : Blue);
            p.drawRoundedRect(QRectF(knobs[i] - 3.5, y - 5, 7, 10), 2, 2);
        }
    };
    return d;
}

// The program's picture: a sensor tile with its pixel grid, one hot pixel, and the ring that
// marks a listed pixel.
void drawProgram(QPainter &p, qreal size)
{
    p.save();
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 11, 11);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRoundedRect(QRectF(11, 11, 42, 42), 3, 3);
    const bool fine = size >= 40;
    const int cells = fine ? 6 : 3;
    const qreal step = 42.0 / cells;
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x) {
            const int level = 0x38 + ((x * 7 + y * 5) % 4) * 0x0c;
            p.setBrush(QColor(level, level, level));
            p.drawRect(QRectF(11 + x * step + 0.8, 11 + y * step + 0.8, step - 1.6, step - 1.6));
        }
    const int hx = fine ? 3 : 1, hy = fine ? 2 : 1;
    const QRectF hot(11 + hx * step + 0.8, 11 + hy * step + 0.8, step - 1.6, step - 1.6);
    p.setBrush(Qt::white);
    p.drawRect(hot);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Amber, fine ? 3.5 : 5.0));
    p.drawEllipse(hot.center(), fine ? 10.5 : 13.0, fine ? 10.5 : 13.0);
    p.restore();
}

QImage programImage(int size)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawProgram(p, size);
    return img;
}

QImage aboutLogo()
{
    QImage img = blank(220, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.save();
    p.translate(2, 2);
    drawProgram(p, 60);
    p.restore();
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(36);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Blue);
    p.drawText(QRectF(72, 0, 148, 44), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("VYRO"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(small);
    p.setPen(Dark);
    p.drawText(QRectF(74, 44, 146, 18), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("DAPPLIX"));
    p.setPen(QPen(Amber, 2));
    p.drawLine(QPointF(74, 44), QPointF(96, 44));
    return img;
}

QImage actionImage(const Drawing &draw, int size)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    Canvas c{p, size < 24};
    draw(c);
    return img;
}

bool save(const QImage &img, const QString &path)
{
    if (!img.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: dapplixpictures <images folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = QDir().mkpath(out.filePath(QStringLiteral("16"))) &&
              QDir().mkpath(out.filePath(QStringLiteral("22")));
    for (const auto &[name, draw] : drawings()) {
        ok = ok && save(actionImage(draw, 32), out.filePath(name + QStringLiteral(".png")));
        for (int size : {16, 22})
            ok = ok && save(actionImage(draw, size),
                            out.filePath(QStringLiteral("%1/%2.png").arg(size).arg(name)));
    }
    ok = ok && save(aboutLogo(), out.filePath(QStringLiteral("about_logo_vyro.png")));
    ok = ok && save(programImage(256), out.filePath(QStringLiteral("dapplix-256.png")));
    ok = ok && save(programImage(512), out.filePath(QStringLiteral("dapplix-512.png")));

    QTemporaryDir tmp;
    QStringList icoArgs;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        const QString f = tmp.filePath(QStringLiteral("icon%1.png").arg(size));
        ok = ok && save(programImage(size), f);
        icoArgs << f;
    }
    icoArgs << out.filePath(QStringLiteral("main.ico"));
    if (ok && QProcess::execute(QStringLiteral("convert"), icoArgs) != 0) {
        QTextStream(stderr) << "convert failed\n";
        ok = false;
    }
    return ok ? 0 : 1;
}

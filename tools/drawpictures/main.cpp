// drawpictures: draws zentara's camera pictures (170x80) and list icons (16x16) as PNG files.
// Flat style, one palette: blue #2b5797, dark grey #4a4a4a, light grey #e0e0e0, accents
// green #2e8b57, red #d9534f, orange #f0ad4e.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

const QColor Blue(0x2b, 0x57, 0x97);
const QColor Dark(0x4a, 0x4a, 0x4a);
const QColor Light(0xe0, 0xe0, 0xe0);
const QColor Green(0x2e, 0x8b, 0x57);
const QColor Red(0xd9, 0x53, 0x4f);
const QColor Orange(0xf0, 0xad, 0x4e);
const QColor Steel(0x9a, 0xa3, 0xad);
const QColor Board(0x3c, 0x7a, 0x4e);

enum class Body
{
    Cube,
    Box,
    Long,
    Board,
    Rugged,
    Crest,
    Node
};
enum class Lens
{
    Small,
    Medium,
    Large,
    Zoom,
    Mount
};
enum class Plug
{
    UsbB,
    Usb3,
    UsbC,
    Rj45,
    Rj45Gpio,
    None
};

struct Picture
{
    const char *name;
    Body body;
    QColor colour;
    Lens lens;
    Plug plug;
    const char *label;
};

void drawLens(QPainter &p, Lens lens, const QRectF &body)
{
    const qreal cy = body.center().y();
    qreal r = 0, len = 0;
    switch (lens) {
    case Lens::Small:
        r = 10;
        len = 12;
        break;
    case Lens::Medium:
        r = 15;
        len = 20;
        break;
    case Lens::Large:
        r = 21;
        len = 30;
        break;
    case Lens::Zoom:
        r = 24;
        len = 46;
        break;
    case Lens::Mount:
        r = 13;
        len = 6;
        break;
    }
    const qreal right = body.left();
    QRectF barrel(right - len, cy - r, len, 2 * r);
    p.setPen(QPen(Dark, 1.5));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRoundedRect(barrel, 2, 2);
    // Grip rings tell a zoom lens from a fixed one.
    const int rings = lens == Lens::Zoom ? 4 : (lens == Lens::Large ? 2 : 1);
    p.setPen(QPen(Steel, 1.2));
    for (int i = 1; i <= rings; ++i) {
        const qreal x = barrel.left() + barrel.width() * i / (rings + 1);
        p.drawLine(QPointF(x, barrel.top() + 2), QPointF(x, barrel.bottom() - 2));
    }
    // Front glass.
    p.setPen(QPen(Dark, 1));
    p.setBrush(Blue.lighter(150));
    p.drawEllipse(QRectF(barrel.left() - 3, cy - r + 3, 6, 2 * r - 6));
}

void drawPlug(QPainter &p, Plug plug, const QRectF &body)
{
    if (plug == Plug::None)
        return;
    const qreal cy = body.center().y();
    const qreal x = body.right();
    // Cable leaving to the right.
    p.setPen(QPen(Dark, 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable;
    cable.moveTo(x + 12, cy);
    cable.cubicTo(x + 20, cy, x + 18, 70, 168, 72);
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    p.setPen(QPen(Dark, 1));
    switch (plug) {
    case Plug::UsbB:
        p.setBrush(Light);
        p.drawRect(QRectF(x, cy - 6, 12, 12));
        p.setBrush(Dark);
        p.drawRect(QRectF(x + 3, cy - 3, 6, 6));
        break;
    case Plug::Usb3:
        p.setBrush(Light);
        p.drawRect(QRectF(x, cy - 7, 12, 14));
        p.setBrush(Blue);
        p.drawRect(QRectF(x + 3, cy - 5, 6, 4));
        p.drawRect(QRectF(x + 3, cy + 1, 6, 4));
        break;
    case Plug::UsbC:
        p.setBrush(Light);
        p.drawRoundedRect(QRectF(x, cy - 4, 12, 8), 4, 4);
        p.setBrush(Dark);
        p.drawRoundedRect(QRectF(x + 3, cy - 1.5, 6, 3), 1.5, 1.5);
        break;
    case Plug::Rj45:
    case Plug::Rj45Gpio:
        p.setBrush(Light);
        p.drawRect(QRectF(x, cy - 8, 12, 16));
        p.setBrush(Dark);
        p.drawRect(QRectF(x + 2, cy - 5, 8, 10));
        p.setPen(QPen(Orange, 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(x + 3 + i * 2, cy - 4), QPointF(x + 3 + i * 2, cy - 1));
        p.setPen(QPen(Green, 2));
        p.drawPoint(QPointF(x + 3, cy + 6));
        if (plug == Plug::Rj45Gpio) {
            // A round I/O connector below the network jack.
            p.setPen(QPen(Dark, 1));
            p.setBrush(Steel);
            p.drawEllipse(QRectF(x - 2, body.bottom() - 13, 10, 10));
        }
        break;
    case Plug::None:
        break;
    }
}

void drawBody(QPainter &p, const Picture &pic, QRectF &body)
{
    switch (pic.body) {
    case Body::Cube:
        body = QRectF(62, 18, 46, 46);
        break;
    case Body::Box:
        body = QRectF(58, 16, 62, 50);
        break;
    case Body::Long:
        body = QRectF(52, 20, 84, 42);
        break;
    case Body::Board:
        body = QRectF(66, 10, 54, 62);
        break;
    case Body::Rugged:
        body = QRectF(56, 14, 66, 54);
        break;
    case Body::Crest:
        body = QRectF(58, 16, 60, 50);
        break;
    case Body::Node:
        body = QRectF(62, 16, 52, 50);
        break;
    }
    p.setPen(QPen(Dark, 1.5));
    if (pic.body == Body::Board) {
        // A bare circuit board: green, with mounting holes and two chips.
        p.setBrush(Board);
        p.drawRect(body);
        p.setBrush(Light);
        for (const QPointF &c :
             {body.topLeft() + QPointF(5, 5), body.topRight() + QPointF(-5, 5),
              body.bottomLeft() + QPointF(5, -5), body.bottomRight() + QPointF(-5, -5)})
            p.drawEllipse(c, 2.5, 2.5);
        p.setBrush(Dark);
        p.drawRect(QRectF(body.left() + 30, body.top() + 12, 14, 14));
        p.drawRect(QRectF(body.left() + 30, body.top() + 36, 14, 10));
        return;
    }
    // Top face for depth, then the front.
    QPolygonF top;
    top << body.topLeft() << body.topLeft() + QPointF(8, -6) << body.topRight() + QPointF(8, -6)
        << body.topRight();
    p.setBrush(pic.colour.lighter(130));
    p.drawPolygon(top);
    QPolygonF side;
    side << body.topRight() << body.topRight() + QPointF(8, -6)
         << body.bottomRight() + QPointF(8, -6) << body.bottomRight();
    p.setBrush(pic.colour.darker(130));
    p.drawPolygon(side);
    p.setBrush(pic.colour);
    p.drawRect(body);
    if (pic.body == Body::Rugged) {
        // Cooling ribs of the sealed housing.
        p.setPen(QPen(pic.colour.darker(150), 2));
        for (qreal x = body.left() + 8; x < body.right() - 4; x += 8)
            p.drawLine(QPointF(x, body.top() + 4), QPointF(x, body.bottom() - 4));
    }
    if (pic.body == Body::Crest) {
        // The standard's crest: a shield on the front.
        QPainterPath shield;
        const QPointF c = body.center();
        shield.moveTo(c + QPointF(-11, -14));
        shield.lineTo(c + QPointF(11, -14));
        shield.lineTo(c + QPointF(11, 0));
        shield.quadTo(c + QPointF(11, 12), c + QPointF(0, 17));
        shield.quadTo(c + QPointF(-11, 12), c + QPointF(-11, 0));
        shield.closeSubpath();
        p.setPen(QPen(Light, 1.5));
        p.setBrush(Orange);
        p.drawPath(shield);
    }
    if (pic.body == Body::Node) {
        // A device seen only on the network: an eye on the front.
        const QPointF c = body.center();
        p.setPen(QPen(Light, 2));
        p.setBrush(Qt::white);
        QPainterPath eye;
        eye.moveTo(c + QPointF(-16, 0));
        eye.quadTo(c + QPointF(0, -14), c + QPointF(16, 0));
        eye.quadTo(c + QPointF(0, 14), c + QPointF(-16, 0));
        p.drawPath(eye);
        p.setBrush(Blue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, 5, 5);
    }
}

QImage drawPicture(const Picture &pic)
{
    QImage image(170, 80, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF body;
    drawBody(p, pic, body);
    drawLens(p, pic.lens, body);
    drawPlug(p, pic.plug, body);
    if (pic.label && *pic.label && pic.body != Body::Crest && pic.body != Body::Node) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(pic.body == Body::Board ? Light : Qt::white);
        QRectF labelRect(body.left(), body.bottom() - 16, body.width(), 14);
        p.drawText(labelRect, Qt::AlignCenter, QString::fromLatin1(pic.label));
    }
    return image;
}

// The small status badge at the lower right of a list icon.
enum class Badge
{
    Ok,
    InUse,
    Warning,
    Firmware
};

void drawBadge(QPainter &p, Badge badge)
{
    const QRectF r(8.5, 8.5, 7, 7);
    p.setPen(QPen(Qt::white, 1));
    switch (badge) {
    case Badge::Ok:
        p.setBrush(Green);
        p.drawEllipse(r);
        p.setPen(QPen(Qt::white, 1.3));
        p.drawLine(QPointF(10.3, 12), QPointF(11.6, 13.3));
        p.drawLine(QPointF(11.6, 13.3), QPointF(13.8, 10.6));
        break;
    case Badge::InUse:
        p.setBrush(Red);
        p.drawEllipse(r);
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(QPointF(10.3, 12), QPointF(13.7, 12));
        break;
    case Badge::Warning: {
        QPolygonF tri;
        tri << QPointF(12, 7.5) << QPointF(16, 15.5) << QPointF(8, 15.5);
        p.setBrush(Orange);
        p.drawPolygon(tri);
        p.setPen(QPen(Dark, 1.2));
        p.drawLine(QPointF(12, 10), QPointF(12, 12.8));
        p.drawPoint(QPointF(12, 14.3));
        break;
    }
    case Badge::Firmware:
        p.setBrush(Orange);
        p.drawEllipse(r);
        p.setPen(QPen(Dark, 1.2));
        p.drawLine(QPointF(12, 10), QPointF(12, 14));
        p.drawLine(QPointF(10.3, 11.7), QPointF(12, 10));
        p.drawLine(QPointF(13.7, 11.7), QPointF(12, 10));
        break;
    }
}

QImage drawListIcon(bool usb, Badge badge)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Dark, 1));
    if (usb) {
        // A USB plug pointing up: metal shell, blue body, cable.
        p.setBrush(Light);
        p.drawRect(QRectF(3.5, 0.5, 6, 4));
        p.setBrush(Dark);
        p.drawRect(QRectF(5, 1.8, 1, 1));
        p.drawRect(QRectF(7, 1.8, 1, 1));
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(2.5, 4.5, 8, 6), 1, 1);
        p.setPen(QPen(Dark, 2));
        p.drawLine(QPointF(6.5, 10.5), QPointF(6.5, 15));
    } else {
        // A network jack seen from the front.
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(0.5, 1.5, 12, 10), 1, 1);
        p.setBrush(Dark);
        QPolygonF jack;
        jack << QPointF(3, 4) << QPointF(10, 4) << QPointF(10, 8) << QPointF(8, 8)
             << QPointF(8, 9.5) << QPointF(5, 9.5) << QPointF(5, 8) << QPointF(3, 8);
        p.drawPolygon(jack);
        p.setPen(QPen(Orange, 0.8));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(4.2 + i * 1.6, 4.5), QPointF(4.2 + i * 1.6, 6));
    }
    drawBadge(p, badge);
    return image;
}

QImage drawOpenPlay()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Green.darker(120), 1));
    p.setBrush(Green);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPolygonF play;
    play << QPointF(6, 4) << QPointF(12, 8) << QPointF(6, 12);
    p.drawPolygon(play);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("images");
    QDir().mkpath(out);

    const QColor Grey = Dark;
    const QColor Silver = Steel;
    const Picture pictures[] = {
        {"cam_crest", Body::Crest, Grey, Lens::Medium, Plug::UsbC, ""},
        {"cam_usb", Body::Box, Blue, Lens::Medium, Plug::UsbB, "USB"},
        {"cam_jo", Body::Cube, Blue, Lens::Small, Plug::UsbB, "JO"},
        {"cam_hz", Body::Box, Silver, Lens::Large, Plug::UsbB, "HZ"},
        {"cam_gu", Body::Board, Board, Lens::Mount, Plug::UsbB, "GU"},
        {"cam_usb_dy", Body::Cube, Grey, Lens::Medium, Plug::UsbB, "DY"},
        {"cam_vt", Body::Long, Blue, Lens::Medium, Plug::Usb3, "VT"},
        {"cam_usb3_hz_dy", Body::Box, Grey, Lens::Large, Plug::Usb3, "HZ3"},
        {"cam_usb3_fj", Body::Cube, Silver, Lens::Small, Plug::Usb3, "FJ"},
        {"cam_usb3_qn", Body::Cube, Blue, Lens::Medium, Plug::UsbC, "QN"},
        {"cam_usb_rwq", Body::Rugged, Grey, Lens::Medium, Plug::UsbC, "RWQ"},
        {"cam_usb3_qn_rev2", Body::Cube, Grey, Lens::Medium, Plug::UsbC, "QN2"},
        {"cam_pmc", Body::Node, Blue, Lens::Small, Plug::Rj45, ""},
        {"cam_wb", Body::Long, Silver, Lens::Large, Plug::Rj45Gpio, "WB"},
        {"cam_eth_hz", Body::Box, Silver, Lens::Large, Plug::Rj45, "HZ"},
        {"cam_qn", Body::Cube, Blue, Lens::Medium, Plug::Rj45, "QN"},
        {"cam_z40", Body::Box, Grey, Lens::Zoom, Plug::Rj45Gpio, "Z40"},
        {"cam_eth_rwq", Body::Rugged, Blue, Lens::Medium, Plug::Rj45Gpio, "RWQ"},
        {"cam_eth", Body::Box, Blue, Lens::Medium, Plug::Rj45, "ETH"},
    };
    bool ok = true;
    for (const Picture &pic : pictures)
        ok &= drawPicture(pic).save(out + QLatin1Char('/') + pic.name + ".png");

    struct Icon
    {
        const char *name;
        bool usb;
        Badge badge;
    };
    const Icon icons[] = {
        {"usb_connect", true, Badge::Ok},          {"usb_disconnected", true, Badge::InUse},
        {"usb_warning", true, Badge::Warning},     {"eth_connect", false, Badge::Ok},
        {"eth_disconnected", false, Badge::InUse}, {"eth_warning", false, Badge::Warning},
        {"eth_warning2", false, Badge::Firmware},
    };
    for (const Icon &icon : icons)
        ok &= drawListIcon(icon.usb, icon.badge).save(out + QLatin1Char('/') + icon.name + ".png");
    ok &= drawOpenPlay().save(out + QStringLiteral("/openplay.png"));
    return ok ? 0 : 1;
}

// Draws the pictures of zentara's main window in the house palette and writes them to a folder.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtMath>

namespace {

const QColor Blue(0x2b, 0x57, 0x97);
const QColor Dark(0x4a, 0x4a, 0x4a);
const QColor Light(0xe0, 0xe0, 0xe0);
const QColor Green(0x2e, 0x8b, 0x57);
const QColor Amber(0xf0, 0xad, 0x4e);

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// The camera mark: a blue tile with a white camera body, its lens and a green ready light.
void drawMark(QPainter &p, const QRectF &r)
{
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
        // Small sizes keep only the body and a plain lens so the shape stays readable.
        p.drawEllipse(c, s * 0.16, s * 0.16);
        return;
    }
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + s * 0.24, r.top() + s * 0.22, s * 0.18, s * 0.10));
    p.setBrush(Dark);
    p.drawEllipse(c, s * 0.17, s * 0.17);
    p.setBrush(Light);
    p.drawEllipse(c, s * 0.10, s * 0.10);
    p.setBrush(Blue);
    p.drawEllipse(c, s * 0.05, s * 0.05);
    if (s >= 24) {
        p.setBrush(Green);
        p.drawEllipse(QPointF(body.right() - s * 0.10, body.top() + s * 0.09), s * 0.04, s * 0.04);
    }
}

QImage icon(int size)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size >= 32 ? size * 0.03 : 0;
    drawMark(p, QRectF(m, m, size - 2 * m, size - 2 * m));
    return img;
}

QImage logo()
{
    QImage img = blank(220, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawMark(p, QRectF(4, 4, 56, 56));
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(38);
    big.setBold(true);
    p.setFont(big);
    p.setPen(Blue);
    p.drawText(QRectF(72, 0, 148, 44), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("ORV"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(small);
    p.setPen(Dark);
    p.drawText(QRectF(74, 44, 146, 18), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("VYRO CAMERAS"));
    p.setPen(QPen(Amber, 2));
    p.drawLine(QPointF(74, 44), QPointF(96, 44));
    return img;
}

// One frame of the busy indicator: twelve dots on a ring, the lead dot blue, the tail fading.
QImage indicatorFrame(int frame, int frames)
{
    const int size = 32;
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c(size / 2.0, size / 2.0);
    for (int i = 0; i < frames; ++i) {
        const int age = (frame - i + frames) % frames;
        const qreal t = qreal(age) / frames;
        QColor col;
        col.setRgbF(Blue.redF() + (Light.redF() - Blue.redF()) * t,
                    Blue.greenF() + (Light.greenF() - Blue.greenF()) * t,
                    Blue.blueF() + (Light.blueF() - Blue.blueF()) * t);
        p.setBrush(col);
        const qreal a = 2 * M_PI * i / frames - M_PI / 2;
        const qreal radius = age == 0 ? 3.2 : 2.6;
        p.drawEllipse(c + QPointF(qCos(a) * 11.5, qSin(a) * 11.5), radius, radius);
    }
    return img;
}

QImage flagDe()
{
    QImage img = blank(24, 16);
    QPainter p(&img);
    p.fillRect(0, 0, 24, 5, QColor(0, 0, 0));
    p.fillRect(0, 5, 24, 6, QColor(0xdd, 0, 0));
    p.fillRect(0, 11, 24, 5, QColor(0xff, 0xce, 0));
    p.setPen(QColor(0, 0, 0, 60));
    p.drawRect(0, 0, 23, 15);
    return img;
}

// English: the flag of the United States, the country Qt names for the "en" locale.
QImage flagEn()
{
    QImage img = blank(24, 16);
    QPainter p(&img);
    const QColor red(0xb2, 0x22, 0x34), navy(0x3c, 0x3b, 0x6e);
    p.fillRect(0, 0, 24, 16, Qt::white);
    for (int i = 0; i < 8; ++i)
        p.fillRect(0, i * 2, 24, 1, red);
    p.fillRect(0, 15, 24, 1, red);
    p.fillRect(0, 0, 11, 9, navy);
    for (int y = 1; y < 9; y += 2)
        for (int x = 1 + (y / 2) % 2; x < 11; x += 2)
            p.fillRect(x, y, 1, 1, Qt::white);
    p.setPen(QColor(0, 0, 0, 60));
    p.drawRect(0, 0, 23, 15);
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

bool convert(const QStringList &args)
{
    if (QProcess::execute(QStringLiteral("convert"), args) != 0) {
        QTextStream(stderr) << "convert failed: " << args.join(' ') << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zentarapictures <images folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.filePath(QStringLiteral("lang")));
    QTemporaryDir tmp;
    bool ok = save(logo(), out.filePath(QStringLiteral("logo_orv.png"))) &&
              save(flagEn(), out.filePath(QStringLiteral("lang/en.png"))) &&
              save(flagDe(), out.filePath(QStringLiteral("lang/de.png")));

    QStringList icoArgs;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        const QString f = tmp.filePath(QStringLiteral("icon%1.png").arg(size));
        ok = ok && save(icon(size), f);
        icoArgs << f;
    }
    ok = ok && convert(icoArgs << out.filePath(QStringLiteral("Vyro Manager.ico")));

    const int frames = 12;
    QStringList gifArgs{QStringLiteral("-dispose"), QStringLiteral("background"),
                        QStringLiteral("-delay"),   QStringLiteral("8"),
                        QStringLiteral("-loop"),    QStringLiteral("0")};
    for (int i = 0; i < frames; ++i) {
        const QString f =
            tmp.filePath(QStringLiteral("frame%1.png").arg(i, 2, 10, QLatin1Char('0')));
        ok = ok && save(indicatorFrame(i, frames), f);
        gifArgs << f;
    }
    ok = ok && convert(gifArgs << out.filePath(QStringLiteral("indicator.gif")));
    return ok ? 0 : 1;
}

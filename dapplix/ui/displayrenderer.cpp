// Draws the live image as the display shows it: converted, marked and scaled, for any part of
// the scaled image without producing the rest.
#include "dapplix/ui/displayrenderer.h"

#include "dapplix/hotpixels/badpixellistmodel.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace {

constexpr int markerRadius = 4;
constexpr int selectionRadius = 6;
constexpr int selectionWidth = 3;
// How far the largest marker reaches from its centre.
constexpr int markerReach = selectionRadius + selectionWidth + 4;
constexpr double crossHairOpacity = 0.3;

// Painting mixes a drawn pixel into the image channel by channel, as a function of the old
// channel value alone: the mix is read from Qt by drawing over every grey level once.
inline quint32 mix(quint32 pixel, const uchar *table)
{
    return 0xff000000u | (quint32(table[qRed(pixel)]) << 16) |
           (quint32(table[256 + qGreen(pixel)]) << 8) | quint32(table[512 + qBlue(pixel)]);
}

QColor markerColor(quint8 pixelclass)
{
    switch (pixelclass) {
    case 0:
        return Qt::yellow;
    case 1:
        return Qt::green;
    default:
        return Qt::red;
    }
}

int markerStyle(quint8 pixelclass)
{
    return pixelclass == 0 ? 0 : (pixelclass == 1 ? 1 : 2);
}

QRect markerRect(int x, int y, int radius)
{
    return QRect(QPoint(x - radius, y - radius), QPoint(x + radius, y + radius));
}

} // namespace

DisplayRenderer::DisplayRenderer()
{
    m_markers[0] = markerOverlay(markerColor(0), markerRadius, 1);
    m_markers[1] = markerOverlay(markerColor(1), markerRadius, 1);
    m_markers[2] = markerOverlay(markerColor(2), markerRadius, 1);
    m_selection = markerOverlay(Qt::blue, selectionRadius, selectionWidth);

    // The cross hair over each grey level, one row per level.
    QImage probe(3, 256, QImage::Format_RGB32);
    for (int v = 0; v < 256; ++v)
        for (int x = 0; x < probe.width(); ++x)
            probe.setPixel(x, v, qRgb(v, v, v));
    {
        QPainter p(&probe);
        p.setOpacity(crossHairOpacity);
        p.setPen(Qt::red);
        p.drawLine(1, 0, 1, probe.height());
    }
    m_crossHair = int(m_tables.size());
    m_tables.emplace_back();
    for (int v = 0; v < 256; ++v) {
        const QRgb px = probe.pixel(1, v);
        m_tables.back()[size_t(v)] = uchar(qRed(px));
        m_tables.back()[256 + size_t(v)] = uchar(qGreen(px));
        m_tables.back()[512 + size_t(v)] = uchar(qBlue(px));
    }
}

std::vector<DisplayRenderer::Overlay> DisplayRenderer::markerOverlay(const QColor &color,
                                                                     int radius, int width)
{
    // One tile per grey level, the marker drawn in each; a pixel that changes in any tile is
    // part of the marker, and its tiles give its mix.
    const int centre = radius + width + 4;
    const int side = 2 * centre + 1;
    QImage probe(side, side * 256, QImage::Format_RGB32);
    for (int v = 0; v < 256; ++v)
        for (int y = 0; y < side; ++y) {
            auto *line = reinterpret_cast<quint32 *>(probe.scanLine(v * side + y));
            std::fill(line, line + side, quint32(qRgb(v, v, v)));
        }
    {
        QPainter p(&probe);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(color, width));
        for (int v = 0; v < 256; ++v)
            p.drawEllipse(markerRect(centre, v * side + centre, radius));
    }
    std::vector<Overlay> overlay;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            bool changed = false;
            for (int v = 0; v < 256 && !changed; ++v)
                changed = probe.pixel(x, v * side + y) != qRgb(v, v, v);
            if (!changed)
                continue;
            std::array<uchar, 768> table{};
            for (int v = 0; v < 256; ++v) {
                const QRgb px = probe.pixel(x, v * side + y);
                table[size_t(v)] = uchar(qRed(px));
                table[256 + size_t(v)] = uchar(qGreen(px));
                table[512 + size_t(v)] = uchar(qBlue(px));
            }
            overlay.push_back({x - centre, y - centre, int(m_tables.size())});
            m_tables.push_back(table);
        }
    return overlay;
}

void DisplayRenderer::setImage(const QImage &frame)
{
    if (frame.isNull()) {
        clear();
        return;
    }
    const QImage::Format format = frame.format();
    m_eightBit = format == QImage::Format_Indexed8 || format == QImage::Format_Grayscale8;
    // The frame is shared, not copied: its owner never writes into it again.
    m_frame = m_eightBit || format == QImage::Format_RGB32
                  ? frame
                  : frame.convertToFormat(QImage::Format_RGB32);
    if (!m_eightBit)
        return;
    QVector<QRgb> colors;
    if (format == QImage::Format_Indexed8)
        colors = frame.colorTable();
    else
        for (int i = 0; i < 256; ++i)
            colors.append(qRgb(i, i, i));
    // The camera hands every frame the same table: most frames skip this.
    if (colors == m_colors && !m_table.isEmpty())
        return;
    m_colors = colors;
    QVector<QRgb> table = colors;
    if (table.size() < 256)
        table.resize(256);
    // Converted to 32 bits, an 8-bit pixel is opaque.
    for (QRgb &c : table)
        c |= 0xff000000;
    m_table = table;
    m_greyTable = true;
    for (int i = 0; i < 256 && m_greyTable; ++i)
        m_greyTable = m_table[i] == qRgb(i, i, i);
}

void DisplayRenderer::clear()
{
    m_frame = QImage();
}

void DisplayRenderer::convertRow(const uchar *src, quint32 *line, int width) const
{
    if (m_greyTable) {
        // Grey levels are computed rather than looked up, so that the loop vectorises.
        for (int i = 0; i < width; ++i)
            line[i] = 0xff000000u | quint32(src[i]) * 0x010101u;
        return;
    }
    const QRgb *table = m_table.constData();
    for (int i = 0; i < width; ++i)
        line[i] = table[src[i]];
}

bool DisplayRenderer::tooLarge(const QSize &size)
{
    return qint64(size.width()) * 4 * qint64(size.height()) > qint64(INT_MAX);
}

QSize DisplayRenderer::targetSize() const
{
    if (m_frame.isNull())
        return QSize();
    const QSize source = m_frame.size();
    const QSize wanted = m_scale == 0.0
                             ? m_viewport - QSize(2, 2)
                             : QSize(int(m_scale * source.width()), int(m_scale * source.height()));
    if (wanted.isEmpty())
        return QSize();
    const QSize target = source.scaled(wanted, Qt::KeepAspectRatio);
    return target.isEmpty() ? QSize() : target;
}

void DisplayRenderer::paintMarkers(QImage &image) const
{
    if (!m_highlight || !m_model)
        return;
    QPainter p(&image);
    if (m_scale >= 1.0 && m_focus.x() >= 0 && m_focus.y() >= 0) {
        p.setOpacity(crossHairOpacity);
        p.setPen(Qt::red);
        p.drawLine(0, m_focus.y(), image.width(), m_focus.y());
        p.drawLine(m_focus.x(), 0, m_focus.x(), image.height());
    }
    p.setOpacity(1.0);
    p.setRenderHint(QPainter::Antialiasing);
    const int rows = m_model->rowCount();
    for (int row = 0; row < rows; ++row) {
        const Badpixel b = m_model->badpixelAt(row);
        p.setPen(markerColor(b.pixelclass));
        p.drawEllipse(markerRect(b.x, b.y, markerRadius));
    }
    if (m_selectedRow >= 0 && m_selectedRow < rows) {
        const Badpixel b = m_model->badpixelAt(m_selectedRow);
        p.setPen(QPen(Qt::blue, selectionWidth));
        p.drawEllipse(markerRect(b.x, b.y, selectionRadius));
    }
}

bool DisplayRenderer::isReduced(const QSize &target) const
{
    return target.width() < m_frame.width() || target.height() < m_frame.height();
}

void DisplayRenderer::paintReducedMarkers(QImage &image, const QPoint &origin,
                                          const QRect &clip) const
{
    if (!m_highlight || !m_model || clip.isEmpty())
        return;
    const QSize target = targetSize();
    const QSize source = m_frame.size();
    auto centre = [&](const Badpixel &b) {
        return QPoint(int(qint64(b.x) * target.width() / source.width()),
                      int(qint64(b.y) * target.height() / source.height()));
    };
    // Each marker pixel is mixed in on its own, as painting would mix it, so a marker cut by the
    // clip looks in every part as it does in the whole image.
    uchar *bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const auto stamp = [&](const std::vector<Overlay> &overlay, const QPoint &c) {
        for (const Overlay &o : overlay) {
            const int x = c.x() + o.dx;
            const int y = c.y() + o.dy;
            if (!clip.contains(x, y))
                continue;
            quint32 &pixel =
                reinterpret_cast<quint32 *>(bits + (y - origin.y()) * bytesPerLine)[x - origin.x()];
            pixel = mix(pixel, m_tables[size_t(o.table)].data());
        }
    };
    const QRect area = clip.adjusted(-markerReach, -markerReach, markerReach, markerReach);
    const int rows = m_model->rowCount();
    for (int row = 0; row < rows; ++row) {
        const Badpixel b = m_model->badpixelAt(row);
        const QPoint c = centre(b);
        if (area.contains(c))
            stamp(m_markers[markerStyle(b.pixelclass)], c);
    }
    if (m_selectedRow >= 0 && m_selectedRow < rows) {
        const QPoint c = centre(m_model->badpixelAt(m_selectedRow));
        if (area.contains(c))
            stamp(m_selection, c);
    }
}

QImage DisplayRenderer::renderFull() const
{
    if (m_frame.isNull())
        return QImage();
    QImage image = m_frame.convertToFormat(QImage::Format_RGB32);
    const QSize source = image.size();
    const QSize wanted = m_scale == 0.0
                             ? m_viewport - QSize(2, 2)
                             : QSize(int(m_scale * source.width()), int(m_scale * source.height()));
    const QSize target = targetSize();
    if (isReduced(target)) {
        image = image.scaled(wanted, Qt::KeepAspectRatio, Qt::FastTransformation);
        paintReducedMarkers(image, QPoint(0, 0), image.rect());
        return image;
    }
    paintMarkers(image);
    return image.scaled(wanted, Qt::KeepAspectRatio, Qt::FastTransformation);
}

QVector<int> DisplayRenderer::probeMap(int length, double factor, bool alongX, bool painterPath)
{
    // Nearest-neighbour scaling picks source columns independently of rows and vice versa, and
    // the pick depends on the factor and on which of its two ways Qt takes (painting for
    // moderate factors, its own sampler for strong reductions). A strip whose pixels carry
    // their index, scaled the same way, reads the pick back.
    const int across = painterPath ? 1 : 4;
    const double acrossFactor = painterPath ? 1.0 : 0.25;
    QImage strip(alongX ? length : across, alongX ? across : length, QImage::Format_RGB32);
    for (int a = 0; a < across; ++a)
        for (int i = 0; i < length; ++i)
            strip.setPixel(alongX ? i : a, alongX ? a : i, 0xff000000u | quint32(i + 1));
    const QTransform transform = alongX ? QTransform::fromScale(factor, acrossFactor)
                                        : QTransform::fromScale(acrossFactor, factor);
    const QImage picked = strip.transformed(transform, Qt::FastTransformation);
    const int n = alongX ? picked.width() : picked.height();
    QVector<int> map(n);
    for (int i = 0; i < n; ++i) {
        const quint32 v = picked.pixel(alongX ? i : 0, alongX ? 0 : i) & 0xffffff;
        map[i] = int(v) - 1;
    }
    return map;
}

void DisplayRenderer::spans(const QVector<int> &map, int sourceLength, QVector<int> &begin,
                            QVector<int> &end)
{
    begin.fill(0, sourceLength);
    end.fill(0, sourceLength);
    for (int t = 0; t < map.size(); ++t) {
        const int s = map[t];
        if (s < 0 || s >= sourceLength)
            continue;
        if (begin[s] == end[s])
            begin[s] = t;
        end[s] = t + 1;
    }
}

void DisplayRenderer::updateMaps(const QSize &target)
{
    const QSize source = m_frame.size();
    if (source == m_mapSource && target == m_mapTarget)
        return;
    m_mapSource = source;
    m_mapTarget = target;
    const bool painterPath =
        !(target.height() * 2 < source.height() || target.width() * 2 < source.width());
    const double fx = double(target.width()) / source.width();
    const double fy = double(target.height()) / source.height();
    m_columns = probeMap(source.width(), fx, true, painterPath);
    m_rows = probeMap(source.height(), fy, false, painterPath);
    // Unchanged sizes are not scaled at all.
    if (target == source) {
        for (int i = 0; i < m_columns.size(); ++i)
            m_columns[i] = i;
        for (int i = 0; i < m_rows.size(); ++i)
            m_rows[i] = i;
    }
    m_columns.resize(target.width());
    m_rows.resize(target.height());
    spans(m_columns, source.width(), m_columnBegin, m_columnEnd);
    m_identityColumns = true;
    for (int i = 0; i < m_columns.size() && m_identityColumns; ++i)
        m_identityColumns = m_columns[i] == i;
    spans(m_rows, source.height(), m_rowBegin, m_rowEnd);
}

void DisplayRenderer::blend(const Canvas &canvas, const QRect &rect, int sx, int sy,
                            int table) const
{
    if (sx < 0 || sy < 0 || sx >= m_mapSource.width() || sy >= m_mapSource.height())
        return;
    const int x0 = std::max(m_columnBegin[sx], rect.left());
    const int x1 = std::min(m_columnEnd[sx], rect.right() + 1);
    const int y0 = std::max(m_rowBegin[sy], rect.top());
    const int y1 = std::min(m_rowEnd[sy], rect.bottom() + 1);
    const uchar *mixTable = m_tables[size_t(table)].data();
    for (int y = y0; y < y1; ++y) {
        quint32 *line = canvas.row(y);
        for (int x = x0; x < x1; ++x)
            line[x - canvas.left] = mix(line[x - canvas.left], mixTable);
    }
}

void DisplayRenderer::render(const QRect &wanted, QImage &out)
{
    if (out.size() != wanted.size() || out.format() != QImage::Format_RGB32)
        out = QImage(wanted.size(), QImage::Format_RGB32);
    renderInto(wanted, out, QPoint(0, 0));
}

void DisplayRenderer::renderInto(const QRect &wanted, QImage &dest, const QPoint &at)
{
    const Canvas canvas{dest.bits(), dest.bytesPerLine(), wanted.left(), at.x(),
                        at.y() - wanted.top()};
    const QSize target = targetSize();
    const QRect rect = wanted & QRect(QPoint(0, 0), target);
    if (rect != wanted || rect.isEmpty())
        for (int y = wanted.top(); y <= wanted.bottom(); ++y)
            std::fill(canvas.row(y), canvas.row(y) + wanted.width(), 0u);
    if (rect.isEmpty())
        return;
    updateMaps(target);

    const int offX = rect.left() - wanted.left();
    const int *columns = m_columns.constData() + rect.left();
    const int width = rect.width();
    const bool eightBit = m_eightBit;
    const QRgb *table = m_table.constData();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        quint32 *line = canvas.row(y) + offX;
        const int sy = m_rows[y];
        if (sy < 0) {
            std::fill(line, line + width, 0u);
            continue;
        }
        if (eightBit && m_identityColumns) {
            // 1:1 across: the row is read straight, without the column map.
            convertRow(m_frame.constScanLine(sy) + rect.left(), line, width);
        } else if (m_identityColumns) {
            std::memcpy(line, m_frame.constScanLine(sy) + 4 * ptrdiff_t(rect.left()),
                        size_t(width) * 4);
        } else if (eightBit) {
            const uchar *src = m_frame.constScanLine(sy);
            if (m_greyTable)
                for (int i = 0; i < width; ++i) {
                    const int sx = columns[i];
                    line[i] = sx < 0 ? 0u : 0xff000000u | quint32(src[sx]) * 0x010101u;
                }
            else
                for (int i = 0; i < width; ++i) {
                    const int sx = columns[i];
                    line[i] = sx < 0 ? 0u : table[src[sx]];
                }
        } else {
            const auto *src = reinterpret_cast<const quint32 *>(m_frame.constScanLine(sy));
            for (int i = 0; i < width; ++i) {
                const int sx = columns[i];
                line[i] = sx < 0 ? 0u : src[sx];
            }
        }
    }

    if (!m_highlight || !m_model)
        return;
    if (isReduced(target)) {
        // Scaled down with the image, markers would shrink to a pixel or two: they are drawn at
        // their own size over the reduced image.
        QImage part(dest.bits() + ptrdiff_t(at.y()) * dest.bytesPerLine() + 4 * ptrdiff_t(at.x()),
                    wanted.width(), wanted.height(), dest.bytesPerLine(), QImage::Format_RGB32);
        paintReducedMarkers(part, wanted.topLeft(), rect);
        return;
    }
    // Overlays are blended in the target, in the order the full image is painted: cross hair,
    // markers in list order, selection. A source pixel's target span lies inside the target,
    // so clipping to the wanted part is enough.
    if (m_scale >= 1.0 && m_focus.x() >= 0 && m_focus.y() >= 0) {
        const uchar *crossHair = m_tables[size_t(m_crossHair)].data();
        const int fx = m_focus.x();
        const int fy = m_focus.y();
        if (fy < m_mapSource.height()) {
            const int y0 = std::max(m_rowBegin[fy], rect.top());
            const int y1 = std::min(m_rowEnd[fy], rect.bottom() + 1);
            for (int y = y0; y < y1; ++y) {
                quint32 *line = canvas.row(y);
                for (int x = rect.left(); x <= rect.right(); ++x)
                    if (m_columns[x] >= 0)
                        line[x - canvas.left] = mix(line[x - canvas.left], crossHair);
            }
        }
        if (fx < m_mapSource.width()) {
            const int x0 = std::max(m_columnBegin[fx], rect.left());
            const int x1 = std::min(m_columnEnd[fx], rect.right() + 1);
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                if (m_rows[y] < 0)
                    continue;
                quint32 *line = canvas.row(y);
                for (int x = x0; x < x1; ++x)
                    line[x - canvas.left] = mix(line[x - canvas.left], crossHair);
            }
        }
    }

    // The source area this part shows, widened by the largest marker.
    int firstColumn = INT_MAX, lastColumn = -1, firstRow = INT_MAX, lastRow = -1;
    for (int x = rect.left(); x <= rect.right(); ++x)
        if (m_columns[x] >= 0) {
            firstColumn = std::min(firstColumn, m_columns[x]);
            lastColumn = std::max(lastColumn, m_columns[x]);
        }
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        if (m_rows[y] >= 0) {
            firstRow = std::min(firstRow, m_rows[y]);
            lastRow = std::max(lastRow, m_rows[y]);
        }
    if (lastColumn < 0 || lastRow < 0)
        return;
    const QRect shown(QPoint(firstColumn - markerReach, firstRow - markerReach),
                      QPoint(lastColumn + markerReach, lastRow + markerReach));
    const int rows = m_model->rowCount();
    for (int row = 0; row < rows; ++row) {
        const Badpixel b = m_model->badpixelAt(row);
        if (!shown.contains(b.x, b.y))
            continue;
        for (const Overlay &o : m_markers[markerStyle(b.pixelclass)])
            blend(canvas, wanted, b.x + o.dx, b.y + o.dy, o.table);
    }
    if (m_selectedRow >= 0 && m_selectedRow < rows) {
        const Badpixel b = m_model->badpixelAt(m_selectedRow);
        if (shown.contains(b.x, b.y))
            for (const Overlay &o : m_selection)
                blend(canvas, wanted, b.x + o.dx, b.y + o.dy, o.table);
    }
}

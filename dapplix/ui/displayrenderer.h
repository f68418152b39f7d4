// Draws the live image as the display shows it: converted, marked and scaled, for any part of
// the scaled image without producing the rest.
#ifndef DAPPLIX_UI_DISPLAYRENDERER_H
#define DAPPLIX_UI_DISPLAYRENDERER_H

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

#include <array>
#include <vector>

class BadpixelListModel;

class DisplayRenderer final
{
public:
    DisplayRenderer();

    // Keeps the frame, shared with its owner, who must not write into it any more (the
    // camera's frames are such). 8-bit frames are kept as they are, others as 32-bit RGB.
    void setImage(const QImage &frame);
    void clear();
    const QImage &image() const { return m_frame; }
    bool isNull() const { return m_frame.isNull(); }

    // 0.0 fits the image into the viewport.
    void setScale(double scale) { m_scale = scale; }
    double scale() const { return m_scale; }
    void setViewportSize(const QSize &size) { m_viewport = size; }
    void setHighlight(bool enabled) { m_highlight = enabled; }
    bool highlight() const { return m_highlight; }
    // The list whose entries are marked; borrowed.
    void setModel(const BadpixelListModel *model) { m_model = model; }
    // The row drawn as selected, -1 for none.
    void setSelectedRow(int row) { m_selectedRow = row; }
    // (-1, -1) while no focus pixel is set.
    void setFocusPixel(const QPoint &pos) { m_focus = pos; }

    // The size of the whole scaled image for the current scale and viewport; empty without an
    // image.
    QSize targetSize() const;
    // True when the whole scaled image would be too large to exist as one image: the display
    // then halves its scale.
    static bool tooLarge(const QSize &size);

    // Fills out with the part of the scaled image inside wanted (target coordinates).
    void render(const QRect &wanted, QImage &out);
    // Writes that part into a 32-bit image (opaque pixels) with its top left corner at at;
    // the part must fit there.
    void renderInto(const QRect &wanted, QImage &dest, const QPoint &at);
    // The whole scaled image the straightforward way: convert, paint the markers on the full
    // frame, scale it. render() gives the same pixels.
    QImage renderFull() const;

private:
    // Where target pixels go: row(y)[x - left] for target coordinates x and y.
    struct Canvas
    {
        uchar *bits;
        qsizetype bytesPerLine;
        int left;
        int destLeft;
        int rowShift;
        quint32 *row(int y) const
        {
            return reinterpret_cast<quint32 *>(bits + (y + rowShift) * bytesPerLine) + destLeft;
        }
    };

    struct Overlay
    {
        int dx;
        int dy;
        int table; // index of its mix in m_tables
    };

    void updateMaps(const QSize &target);
    // One row of 8-bit pixels to 32-bit colours.
    void convertRow(const uchar *src, quint32 *line, int width) const;
    void blend(const Canvas &canvas, const QRect &rect, int sx, int sy, int table) const;
    void paintMarkers(QImage &image) const;
    // Whether the image is shown smaller than the sensor (1:2, 1:4, most "To fit").
    bool isReduced(const QSize &target) const;
    // The markers at their own size over a reduced image whose pixel (0, 0) shows the target
    // point origin, clipped to the target rectangle clip.
    void paintReducedMarkers(QImage &image, const QPoint &origin, const QRect &clip) const;
    std::vector<Overlay> markerOverlay(const QColor &color, int radius, int width);
    static QVector<int> probeMap(int sourceLength, double factor, bool alongX, bool painterPath);
    static void spans(const QVector<int> &map, int sourceLength, QVector<int> &begin,
                      QVector<int> &end);

    QImage m_frame;
    bool m_eightBit = false;
    QVector<QRgb> m_colors;   // the 8-bit frame's own colour table
    QVector<QRgb> m_table;    // 8-bit frames: value to 32-bit colour
    bool m_greyTable = false; // the table maps each value v to the grey (v, v, v)
    double m_scale = 1.0;
    QSize m_viewport;
    bool m_highlight = false;
    const BadpixelListModel *m_model = nullptr;
    int m_selectedRow = -1;
    QPoint m_focus{-1, -1};

    // Target column and row to source column and row (-1: nothing drawn), and for each source
    // column and row the span of target ones showing it; rebuilt when the geometry changes.
    QSize m_mapSource;
    QSize m_mapTarget;
    QVector<int> m_columns;
    QVector<int> m_rows;
    QVector<int> m_columnBegin;
    QVector<int> m_columnEnd;
    QVector<int> m_rowBegin;
    QVector<int> m_rowEnd;
    bool m_identityColumns = false;

    // For each drawn pixel, the new red, green and blue channel for each old value.
    std::vector<std::array<uchar, 768>> m_tables;
    std::vector<Overlay> m_markers[3]; // factory, user, other
    std::vector<Overlay> m_selection;
    int m_crossHair = 0;
};

#endif // DAPPLIX_UI_DISPLAYRENDERER_H

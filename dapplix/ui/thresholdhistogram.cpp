// thresholdhistogram.cpp: the histogram's drawing: decades of pixel counts upwards, levels above
// the plane mean to the right.
#include "dapplix/ui/thresholdhistogram.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

// The count axis always shows at least three decades, so that a few hot pixels stay visible
// next to the many pixels just above the mean.
constexpr int minDecades = 3;
// log10(2): the count axis begins at 0.5.
constexpr double axisFloor = 0.30103;

QString decadeText(int decade)
{
    static const char *const texts[] = {"1", "10", "100", "1k", "10k", "100k", "1M", "10M", "100M"};
    if (decade >= 0 && decade < int(sizeof texts / sizeof *texts))
        return QString::fromLatin1(texts[decade]);
    return QStringLiteral("1e%1").arg(decade);
}

} // namespace

ThresholdHistogram::ThresholdHistogram(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

QSize ThresholdHistogram::sizeHint() const
{
    return {440, 260};
}

QSize ThresholdHistogram::minimumSizeHint() const
{
    return {300, 220};
}

void ThresholdHistogram::setHistogram(const LevelHistogram &histogram)
{
    m_histogram = histogram;
    update();
}

void ThresholdHistogram::setThreshold(int threshold)
{
    if (threshold == m_threshold)
        return;
    m_threshold = threshold;
    update();
}

void ThresholdHistogram::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics fm(font());
    const QColor textColor = palette().color(QPalette::Text);
    QColor gridColor = textColor;
    gridColor.setAlpha(40);

    const QString countTitle = tr("Pixels (logarithmic)");
    const QString levelTitle = tr("Level above the colour plane's mean");
    const int left = fm.horizontalAdvance(QStringLiteral("100k")) + 10;
    const int top = fm.height() + 6;
    const int bottom = 2 * fm.height() + 10;
    const int right = 12;
    const QRect plot(left, top, std::max(width() - left - right, 10),
                     std::max(height() - top - bottom, 10));

    painter.setPen(textColor);
    painter.drawText(QRect(left, 2, plot.width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     countTitle);
    painter.drawText(QRect(left, plot.bottom() + fm.height() + 8, plot.width(), fm.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter, levelTitle);

    const int decades = std::max(
        minDecades,
        int(std::ceil(std::log10(double(std::max<qint64>(m_histogram.maxCount(), 1)) + 1.0))));
    // The count axis starts at half a pixel, so that a single pixel still shows as a bar.
    const auto yOf = [&](double count) {
        const double l = (std::log10(count) + axisFloor) / (decades + axisFloor);
        return plot.bottom() - l * plot.height();
    };
    const double levelWidth = double(plot.width()) / LevelHistogram::levelCount;
    const auto xOf = [&](double level) { return plot.left() + level * levelWidth; };

    // Grid: one line per decade of counts, labelled as often as the height allows, and one
    // line per 50 levels.
    const double decadeHeight = double(plot.height()) / (decades + axisFloor);
    const int labelEvery = std::max(1, int(std::ceil((fm.height() + 2) / decadeHeight)));
    for (int d = 0; d <= decades; ++d) {
        const int y = int(std::lround(yOf(std::pow(10.0, d))));
        painter.setPen(gridColor);
        painter.drawLine(plot.left(), y, plot.right(), y);
        if (d % labelEvery != 0)
            continue;
        painter.setPen(textColor);
        painter.drawText(QRect(0, y - fm.height() / 2, left - 4, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter, decadeText(d));
    }
    for (int level = 0; level < LevelHistogram::levelCount; level += 50) {
        const int x = int(std::lround(xOf(level)));
        painter.setPen(gridColor);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(textColor);
        painter.drawText(QRect(x - 20, plot.bottom() + 3, 40, fm.height()), Qt::AlignCenter,
                         QString::number(level));
    }

    // The threshold sits between its own level and the next: pixels above it are found. The
    // line lies under the bars, so that a bar just above the threshold stays visible.
    const int tx = int(std::lround(xOf(m_threshold + 1)));
    QPen thresholdPen(QColor(QStringLiteral("orange")), 2);
    painter.setPen(thresholdPen);
    painter.drawLine(tx, plot.top(), tx, plot.bottom());

    if (m_histogram.isEmpty()) {
        painter.setPen(textColor);
        painter.drawText(plot, Qt::AlignCenter, tr("No image"));
    } else {
        // Levels that a detection with this threshold would find are drawn in red.
        const QColor below = palette().color(QPalette::Highlight);
        const QColor above(Qt::red);
        for (int level = 1; level < LevelHistogram::levelCount; ++level) {
            const qint64 n = m_histogram.count(level);
            if (n == 0)
                continue;
            const QRectF bar(QPointF(xOf(level), yOf(double(n))),
                             QPointF(xOf(level + 1), plot.bottom() + 1));
            painter.fillRect(bar, level > m_threshold ? above : below);
        }
    }

    painter.setPen(textColor);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    painter.setPen(thresholdPen);
    const QString label = QString::number(m_threshold);
    const int labelWidth = fm.horizontalAdvance(label) + 6;
    const int lx = tx + labelWidth + 2 <= plot.right() ? tx + 2 : tx - labelWidth - 2;
    painter.drawText(QRect(lx, plot.top() + 2, labelWidth, fm.height()), Qt::AlignCenter, label);
}

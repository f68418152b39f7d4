// thresholdhistogram.h: draws a level histogram with logarithmic counts and the threshold as a
// line, the levels a detection would find set off in colour.
#ifndef DAPPLIX_UI_THRESHOLDHISTOGRAM_H
#define DAPPLIX_UI_THRESHOLDHISTOGRAM_H

#include <QWidget>

#include "dapplix/ui/levelhistogram.h"

class ThresholdHistogram final : public QWidget
{
    Q_OBJECT
public:
    explicit ThresholdHistogram(QWidget *parent = nullptr);

    const LevelHistogram &histogram() const { return m_histogram; }
    int threshold() const { return m_threshold; }
    // The pixels above the threshold in the shown histogram.
    qint64 countAbove() const { return m_histogram.countAbove(m_threshold); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setHistogram(const LevelHistogram &histogram);
    void setThreshold(int threshold);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY(ThresholdHistogram)

    LevelHistogram m_histogram;
    int m_threshold = 0;
};

#endif // DAPPLIX_UI_THRESHOLDHISTOGRAM_H

// The magnifier dock's content: the magnifier, its zoom slider, and the focus pixel's Bayer
// colour and value.
#ifndef DAPPLIX_UI_MAGNIFIERCONTROL_H
#define DAPPLIX_UI_MAGNIFIERCONTROL_H

#include <QWidget>

class Magnifier;
class QLabel;
class QSlider;

class MagnifierControl final : public QWidget
{
    Q_OBJECT
public:
    explicit MagnifierControl(QWidget *parent = nullptr);

    Magnifier *magnifier() const { return m_magnifier; }
    QSlider *zoomSlider() const { return m_slider; }
    // The focus pixel's Bayer colour; empty for a monochrome sensor, which has none.
    QString bayerColorText() const;
    QString valueText() const;
    // Whether the sensor has a Bayer pattern: a monochrome one shows no colour.
    void setBayerSensor(bool bayer);

public slots:
    void setPixelInfo(const QString &bayerColor, int value);

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(MagnifierControl)

    void retranslate();

    Magnifier *m_magnifier = nullptr;
    QLabel *m_bayerTitle = nullptr;
    QLabel *m_bayerColor = nullptr;
    QLabel *m_valueTitle = nullptr;
    QLabel *m_value = nullptr;
    QSlider *m_slider = nullptr;
};

#endif // DAPPLIX_UI_MAGNIFIERCONTROL_H

// The magnifier dock's content: the magnifier, its zoom slider, and the focus pixel's Bayer
// colour and value.
#include "dapplix/ui/magnifiercontrol.h"

#include "dapplix/ui/magnifier.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <QWheelEvent>

MagnifierControl::MagnifierControl(QWidget *parent) : QWidget(parent)
{
    m_magnifier = new Magnifier(this);
    m_magnifier->setMinimumSize(160, 120);
    m_bayerTitle = new QLabel(this);
    m_bayerColor = new QLabel(this);
    m_valueTitle = new QLabel(this);
    m_value = new QLabel(this);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(5, 100);
    m_slider->setValue(m_magnifier->zoom());

    auto *info = new QHBoxLayout;
    info->addWidget(m_bayerTitle);
    info->addWidget(m_bayerColor);
    info->addStretch();
    info->addWidget(m_valueTitle);
    info->addWidget(m_value);
    info->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_magnifier, 1);
    layout->addLayout(info);
    layout->addWidget(m_slider);

    // The wheel moves the zoom the same way wherever it turns over the control, the slider
    // included (which would otherwise step by several lines at a time).
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::valueChanged, m_magnifier, &Magnifier::setZoom);
    connect(m_magnifier, &Magnifier::pixelInfoChanged, this, &MagnifierControl::setPixelInfo);
    retranslate();
}

QString MagnifierControl::bayerColorText() const
{
    return m_bayerColor->isHidden() ? QString() : m_bayerColor->text();
}

void MagnifierControl::setBayerSensor(bool bayer)
{
    m_bayerTitle->setVisible(bayer);
    m_bayerColor->setVisible(bayer);
}

QString MagnifierControl::valueText() const
{
    return m_value->text();
}

void MagnifierControl::setPixelInfo(const QString &bayerColor, int value)
{
    m_bayerColor->setText(bayerColor);
    m_value->setText(QString::number(value));
}

void MagnifierControl::wheelEvent(QWheelEvent *event)
{
    const int degrees = event->angleDelta().y() / 8;
    if (degrees == 0) {
        event->ignore();
        return;
    }
    m_slider->setValue(m_slider->value() + degrees / 15 * m_slider->singleStep());
    event->accept();
}

bool MagnifierControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_slider && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MagnifierControl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MagnifierControl::retranslate()
{
    m_magnifier->setToolTip(tr("Click to center"));
    m_bayerTitle->setText(tr("Bayer Color:"));
    m_valueTitle->setText(tr("Value: "));
}

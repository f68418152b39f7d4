// A fractional camera setting as a row of label, slider and spin box; the slider counts the
// setting's increments from its minimum.
#include "dapplix/ui/doubleparameterwidget.h"

#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSlider>

#include <climits>

namespace {

// Moving one widget moves the other, whose signal would come back here.
bool changingRelative = false;
bool changingValue = false;
bool emittingValue = false;

} // namespace

DoubleParameterWidget::DoubleParameterWidget(QWidget *parent) : BaseParameterWidget(parent)
{
    m_spinBox = new QDoubleSpinBox(parent);
    m_spinBox->setDecimals(3);
    connect(m_slider, &QSlider::valueChanged, this, &DoubleParameterWidget::onSliderMoved);
    connect(m_slider, &QSlider::sliderReleased, this, &DoubleParameterWidget::emitValueChanged);
    connect(m_spinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &DoubleParameterWidget::changeValue);
    connect(m_spinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &DoubleParameterWidget::emitValueChanged);
}

double DoubleParameterWidget::value() const
{
    return m_spinBox->value();
}

void DoubleParameterWidget::setParam(const CameraParameter<double> &param)
{
    m_param = param;
    const QSignalBlocker blockSpin(m_spinBox);
    const QSignalBlocker blockSlider(m_slider);
    const double span = param.max - param.min;
    m_spinBox->setRange(param.min, param.max);
    m_spinBox->setSingleStep(span / 100.0);
    m_spinBox->setValue(param.value);
    // A setting without a range or step leaves the slider at a single position.
    const double steps = param.inc > 0.0 ? span / param.inc : 0.0;
    m_slider->setRange(0, steps > 0.0 && steps < INT_MAX ? int(steps) : 0);
    const double pos = param.inc > 0.0 ? (param.value - param.min) / param.inc : 0.0;
    m_slider->setValue(pos > 0.0 && pos < INT_MAX ? int(pos) : 0);
}

void DoubleParameterWidget::onSliderMoved(int pos)
{
    changeValueRelative(pos);
    // Keys and clicks beside the handle move the slider without a release.
    if (!m_slider->isSliderDown())
        emitValueChanged();
}

void DoubleParameterWidget::changeValueRelative(int pos)
{
    if (changingRelative || m_slider->maximum() == 0)
        return;
    changingRelative = true;
    m_userChange = false;
    {
        const QSignalBlocker block(m_spinBox);
        m_spinBox->setValue(m_param.min + (m_param.max - m_param.min) * pos / m_slider->maximum());
    }
    m_userChange = true;
    changingRelative = false;
}

void DoubleParameterWidget::changeValue(double value)
{
    if (changingValue)
        return;
    const double span = m_param.max - m_param.min;
    if (span <= 0.0)
        return;
    changingValue = true;
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(int((value - m_param.min) / span * m_slider->maximum()));
    }
    changingValue = false;
}

void DoubleParameterWidget::emitValueChanged()
{
    if (emittingValue || !m_userChange)
        return;
    emittingValue = true;
    emit valueChanged(m_spinBox->value());
    emittingValue = false;
}

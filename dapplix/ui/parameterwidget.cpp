// A whole-number camera setting as a row of label, slider and spin box.
#include "dapplix/ui/parameterwidget.h"

#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {

// Moving one widget moves the other, whose signal would come back here.
bool changingValue = false;
bool emittingValue = false;

} // namespace

ParameterWidget::ParameterWidget(QWidget *parent) : BaseParameterWidget(parent)
{
    m_spinBox = new QSpinBox(parent);
    connect(m_slider, &QSlider::valueChanged, this, &ParameterWidget::onSliderMoved);
    connect(m_slider, &QSlider::sliderReleased, this, &ParameterWidget::emitValueChanged);
    connect(m_spinBox, qOverload<int>(&QSpinBox::valueChanged), this,
            &ParameterWidget::changeValue);
    connect(m_spinBox, qOverload<int>(&QSpinBox::valueChanged), this,
            &ParameterWidget::emitValueChanged);
}

int ParameterWidget::value() const
{
    return m_spinBox->value();
}

void ParameterWidget::setParam(const CameraParameter<int> &param)
{
    m_param = param;
    const QSignalBlocker blockSpin(m_spinBox);
    const QSignalBlocker blockSlider(m_slider);
    m_spinBox->setRange(param.min, param.max);
    m_spinBox->setSingleStep(param.inc);
    m_spinBox->setValue(param.value);
    m_slider->setRange(param.min, param.max);
    m_slider->setValue(param.value);
}

void ParameterWidget::onSliderMoved(int value)
{
    changeValue(value);
    // Keys and clicks beside the handle move the slider without a release.
    if (!m_slider->isSliderDown())
        emitValueChanged();
}

void ParameterWidget::changeValue(int value)
{
    if (changingValue)
        return;
    changingValue = true;
    m_userChange = false;
    {
        const QSignalBlocker blockSpin(m_spinBox);
        const QSignalBlocker blockSlider(m_slider);
        m_slider->setValue(value);
        m_spinBox->setValue(value);
    }
    m_userChange = true;
    changingValue = false;
}

void ParameterWidget::emitValueChanged()
{
    if (emittingValue || !m_userChange)
        return;
    emittingValue = true;
    emit valueChanged(m_spinBox->value());
    emittingValue = false;
}

// The parts every camera setting row shares: its label, its slider and whether a change comes
// from the user.
#include "dapplix/ui/baseparameterwidget.h"

#include <QLabel>
#include <QSlider>

BaseParameterWidget::BaseParameterWidget(QWidget *parent) : QObject(parent)
{
    m_label = new QLabel(parent);
    m_slider = new QSlider(Qt::Horizontal, parent);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(4);
    // Long labels (German) must not squeeze the slider to nothing.
    m_slider->setMinimumWidth(100);
}

void BaseParameterWidget::setText(const QString &text)
{
    m_label->setText(text);
}

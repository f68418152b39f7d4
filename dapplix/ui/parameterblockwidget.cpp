// The camera properties: frame rate, exposure and master gain, each a row of label, slider and
// spin box, kept in step with the camera.
#include "dapplix/ui/parameterblockwidget.h"

#include "dapplix/camera/camera.h"
#include "dapplix/ui/doubleparameterwidget.h"
#include "dapplix/ui/parameterwidget.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using dapplix::Camera;

ParameterBlockWidget::ParameterBlockWidget(QWidget *parent) : QWidget(parent)
{
    m_framerate = new DoubleParameterWidget(this);
    m_exposure = new DoubleParameterWidget(this);
    m_mastergain = new ParameterWidget(this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_framerate->label(), 0, 0);
    grid->addWidget(m_framerate->slider(), 0, 1);
    grid->addWidget(m_framerate->spinBox(), 0, 2);
    grid->addWidget(m_exposure->label(), 1, 0);
    grid->addWidget(m_exposure->slider(), 1, 1);
    grid->addWidget(m_exposure->spinBox(), 1, 2);
    grid->addWidget(m_mastergain->label(), 2, 0);
    grid->addWidget(m_mastergain->slider(), 2, 1);
    grid->addWidget(m_mastergain->spinBox(), 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    retranslate();
}

void ParameterBlockWidget::setCamera(Camera *camera)
{
    if (m_camera) {
        disconnect(m_camera, nullptr, this, nullptr);
        disconnect(m_camera, nullptr, m_framerate, nullptr);
        disconnect(m_camera, nullptr, m_exposure, nullptr);
        disconnect(m_camera, nullptr, m_mastergain, nullptr);
        disconnect(m_framerate, nullptr, m_camera, nullptr);
        disconnect(m_exposure, nullptr, m_camera, nullptr);
        disconnect(m_mastergain, nullptr, m_camera, nullptr);
    }
    m_camera = camera;
    if (!m_camera)
        return;
    connect(m_framerate, &DoubleParameterWidget::valueChanged, m_camera, &Camera::setFramerate);
    connect(m_exposure, &DoubleParameterWidget::valueChanged, m_camera, &Camera::setExposure);
    connect(m_mastergain, &ParameterWidget::valueChanged, m_camera, &Camera::setMastergain);
    connect(m_camera, &Camera::framerateChanged, m_framerate, &DoubleParameterWidget::setParam);
    connect(m_camera, &Camera::exposureChanged, m_exposure, &DoubleParameterWidget::setParam);
    connect(m_camera, &Camera::mastergainChanged, m_mastergain, &ParameterWidget::setParam);
    // The camera may be open already: show its settings as they are.
    if (m_camera->isOpen()) {
        m_framerate->setParam(m_camera->framerateParameter());
        m_exposure->setParam(m_camera->exposureParameter());
        m_mastergain->setParam(m_camera->mastergainParameter());
    }
}

void ParameterBlockWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ParameterBlockWidget::retranslate()
{
    m_framerate->setText(tr("Framerate"));
    m_exposure->setText(tr("Exposure"));
    m_mastergain->setText(tr("Mastergain"));
}

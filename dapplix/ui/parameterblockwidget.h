// The camera properties: frame rate, exposure and master gain, each a row of label, slider and
// spin box, kept in step with the camera.
#ifndef DAPPLIX_UI_PARAMETERBLOCKWIDGET_H
#define DAPPLIX_UI_PARAMETERBLOCKWIDGET_H

#include <QWidget>

namespace dapplix {
class Camera;
}
class DoubleParameterWidget;
class ParameterWidget;

class ParameterBlockWidget final : public QWidget
{
    Q_OBJECT
public:
    explicit ParameterBlockWidget(QWidget *parent = nullptr);

    // Value changes go to the camera, the camera's changes come back to the rows. The camera is
    // borrowed and must outlive this widget or be set to null first.
    void setCamera(dapplix::Camera *camera);

    DoubleParameterWidget *framerate() const { return m_framerate; }
    DoubleParameterWidget *exposure() const { return m_exposure; }
    ParameterWidget *mastergain() const { return m_mastergain; }

protected:
    void changeEvent(QEvent *event) override;

private:
    Q_DISABLE_COPY(ParameterBlockWidget)

    void retranslate();

    dapplix::Camera *m_camera = nullptr;
    DoubleParameterWidget *m_framerate = nullptr;
    DoubleParameterWidget *m_exposure = nullptr;
    ParameterWidget *m_mastergain = nullptr;
};

#endif // DAPPLIX_UI_PARAMETERBLOCKWIDGET_H

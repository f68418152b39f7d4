// A whole-number camera setting as a row of label, slider and spin box.
#ifndef DAPPLIX_UI_PARAMETERWIDGET_H
#define DAPPLIX_UI_PARAMETERWIDGET_H

#include "dapplix/camera/cameraparameter.h"
#include "dapplix/ui/baseparameterwidget.h"

class QSpinBox;

class ParameterWidget final : public BaseParameterWidget
{
    Q_OBJECT
public:
    explicit ParameterWidget(QWidget *parent);

    QSpinBox *spinBox() const { return m_spinBox; }
    const CameraParameter<int> &param() const { return m_param; }
    int value() const;

signals:
    // The user chose a value.
    void valueChanged(int value);

public slots:
    void setParam(const CameraParameter<int> &param);
    void changeValue(int value);
    void emitValueChanged();

private:
    Q_DISABLE_COPY(ParameterWidget)

    void onSliderMoved(int value);

    QSpinBox *m_spinBox = nullptr;
    CameraParameter<int> m_param;
};

#endif // DAPPLIX_UI_PARAMETERWIDGET_H

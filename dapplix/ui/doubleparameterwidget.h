// A fractional camera setting as a row of label, slider and spin box; the slider counts the
// setting's increments from its minimum.
#ifndef DAPPLIX_UI_DOUBLEPARAMETERWIDGET_H
#define DAPPLIX_UI_DOUBLEPARAMETERWIDGET_H

#include "dapplix/camera/cameraparameter.h"
#include "dapplix/ui/baseparameterwidget.h"

class QDoubleSpinBox;

class DoubleParameterWidget final : public BaseParameterWidget
{
    Q_OBJECT
public:
    explicit DoubleParameterWidget(QWidget *parent);

    QDoubleSpinBox *spinBox() const { return m_spinBox; }
    const CameraParameter<double> &param() const { return m_param; }
    double value() const;

signals:
    // The user chose a value.
    void valueChanged(double value);

public slots:
    void setParam(const CameraParameter<double> &param);
    void changeValueRelative(int pos);
    void changeValue(double value);
    void emitValueChanged();

private:
    Q_DISABLE_COPY(DoubleParameterWidget)

    void onSliderMoved(int pos);

    QDoubleSpinBox *m_spinBox = nullptr;
    CameraParameter<double> m_param;
};

#endif // DAPPLIX_UI_DOUBLEPARAMETERWIDGET_H

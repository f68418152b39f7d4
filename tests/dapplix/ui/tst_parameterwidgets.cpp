// tst_parameterwidgets.cpp: the camera setting rows: ranges from the camera, slider and spin
// box in step, the user's choices passed on once, and the properties block driving the camera.
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "dapplix/camera/camera.h"
#include "dapplix/ui/doubleparameterwidget.h"
#include "dapplix/ui/parameterblockwidget.h"
#include "dapplix/ui/parameterwidget.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

using dapplix::Camera;

namespace {

CameraParameter<int> intParam(int min, int max, int inc, int value)
{
    CameraParameter<int> p;
    p.min = min;
    p.max = max;
    p.inc = inc;
    p.value = value;
    return p;
}

CameraParameter<double> doubleParam(double min, double max, double inc, double value)
{
    CameraParameter<double> p;
    p.min = min;
    p.max = max;
    p.inc = inc;
    p.value = value;
    return p;
}

double shown(double value)
{
    return QString::number(value, 'f', 3).toDouble();
}

} // namespace

class tst_ParameterWidgets : public QObject
{
    Q_OBJECT
private slots:
    void intRowTakesParameter();
    void intSliderMovesSpinBox();
    void intSpinBoxEditIsPassedOn();
    void intSliderReleaseIsPassedOn();
    void doubleRowTakesParameter_data();
    void doubleRowTakesParameter();
    void doubleSliderMovesSpinBox();
    void doubleSpinBoxMovesSlider();
    void doubleRowWithoutRange();
    void blockDrivesCamera();
};

void tst_ParameterWidgets::intRowTakesParameter()
{
    QWidget parent;
    ParameterWidget row(&parent);
    QSignalSpy changed(&row, &ParameterWidget::valueChanged);
    row.setParam(intParam(0, 100, 2, 40));
    QCOMPARE(row.spinBox()->minimum(), 0);
    QCOMPARE(row.spinBox()->maximum(), 100);
    QCOMPARE(row.spinBox()->singleStep(), 2);
    QCOMPARE(row.spinBox()->value(), 40);
    QCOMPARE(row.slider()->minimum(), 0);
    QCOMPARE(row.slider()->maximum(), 100);
    QCOMPARE(row.slider()->value(), 40);
    QCOMPARE(row.slider()->singleStep(), 1);
    QCOMPARE(row.slider()->pageStep(), 4);
    // The camera's own values are not the user's choice.
    QCOMPARE(changed.count(), 0);
    row.setText(QStringLiteral("Gain"));
    QCOMPARE(row.label()->text(), QStringLiteral("Gain"));
}

void tst_ParameterWidgets::intSliderMovesSpinBox()
{
    QWidget parent;
    ParameterWidget row(&parent);
    row.setParam(intParam(0, 100, 1, 40));
    QSignalSpy changed(&row, &ParameterWidget::valueChanged);
    row.slider()->setSliderDown(true); // dragging
    row.slider()->setValue(70);
    QCOMPARE(row.spinBox()->value(), 70);
    QCOMPARE(changed.count(), 0);
    row.slider()->setSliderDown(false); // released
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toInt(), 70);
}

void tst_ParameterWidgets::intSpinBoxEditIsPassedOn()
{
    QWidget parent;
    ParameterWidget row(&parent);
    row.setParam(intParam(0, 100, 1, 40));
    QSignalSpy changed(&row, &ParameterWidget::valueChanged);
    row.spinBox()->setValue(55);
    QCOMPARE(row.slider()->value(), 55);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toInt(), 55);
}

void tst_ParameterWidgets::intSliderReleaseIsPassedOn()
{
    QWidget parent;
    ParameterWidget row(&parent);
    row.setParam(intParam(0, 100, 1, 40));
    QSignalSpy changed(&row, &ParameterWidget::valueChanged);
    // A page step by click or key moves the slider without dragging: passed on at once.
    row.slider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(row.spinBox()->value(), 44);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toInt(), 44);
}

void tst_ParameterWidgets::doubleRowTakesParameter_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("inc");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("sliderMax");
    QTest::addColumn<int>("sliderValue");
    QTest::newRow("framerate") << 1.0 << 31.0 << 0.5 << 10.0 << 60 << 18;
    QTest::newRow("exposure") << 0.05 << 33.3 << 0.01 << 10.0 << 3325 << 995;
    QTest::newRow("value_at_minimum") << 2.0 << 4.0 << 1.0 << 2.0 << 2 << 0;
}

void tst_ParameterWidgets::doubleRowTakesParameter()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, inc);
    QFETCH(double, value);
    QFETCH(int, sliderMax);
    QFETCH(int, sliderValue);
    QWidget parent;
    DoubleParameterWidget row(&parent);
    QSignalSpy changed(&row, &DoubleParameterWidget::valueChanged);
    row.setParam(doubleParam(min, max, inc, value));
    QCOMPARE(row.spinBox()->minimum(), min);
    QCOMPARE(row.spinBox()->maximum(), max);
    QCOMPARE(row.spinBox()->singleStep(), (max - min) / 100);
    QCOMPARE(row.spinBox()->value(), value);
    QCOMPARE(row.slider()->minimum(), 0);
    QVERIFY(qAbs(row.slider()->maximum() - sliderMax) <= 1);
    QVERIFY(qAbs(row.slider()->value() - sliderValue) <= 1);
    QCOMPARE(changed.count(), 0);
}

void tst_ParameterWidgets::doubleSliderMovesSpinBox()
{
    QWidget parent;
    DoubleParameterWidget row(&parent);
    row.setParam(doubleParam(1.0, 31.0, 0.5, 10.0)); // slider 0 ... 60
    QSignalSpy changed(&row, &DoubleParameterWidget::valueChanged);
    row.slider()->setSliderDown(true);
    row.slider()->setValue(30);
    QCOMPARE(row.spinBox()->value(), 16.0); // 1 + 30 * 30 / 60
    QCOMPARE(changed.count(), 0);
    row.slider()->setSliderDown(false);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toDouble(), 16.0);
}

void tst_ParameterWidgets::doubleSpinBoxMovesSlider()
{
    QWidget parent;
    DoubleParameterWidget row(&parent);
    row.setParam(doubleParam(1.0, 31.0, 0.5, 10.0));
    QSignalSpy changed(&row, &DoubleParameterWidget::valueChanged);
    row.spinBox()->setValue(25.0);
    QCOMPARE(row.slider()->value(), 48); // (25 - 1) / 30 * 60
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toDouble(), 25.0);
}

void tst_ParameterWidgets::doubleRowWithoutRange()
{
    // Before a camera is open the settings have no range: nothing divides by zero.
    QWidget parent;
    DoubleParameterWidget row(&parent);
    QSignalSpy changed(&row, &DoubleParameterWidget::valueChanged);
    row.setParam(doubleParam(0.0, 0.0, 0.0, 0.0));
    QCOMPARE(row.slider()->maximum(), 0);
    row.slider()->setValue(5);
    row.spinBox()->setValue(1.0);
    QCOMPARE(row.spinBox()->value(), 0.0);
}

void tst_ParameterWidgets::blockDrivesCamera()
{
    QVERIFY(SimWorld::load({QStringLiteral(
        R"({"deviceId": 1, "serialNumber": "4103012345", "sensorWidth": 320, "sensorHeight": 240})")}));
    Camera camera;
    ParameterBlockWidget block;
    block.setCamera(&camera);
    QCOMPARE(block.framerate()->label()->text(), QStringLiteral("Framerate"));
    QCOMPARE(block.exposure()->label()->text(), QStringLiteral("Exposure"));
    QCOMPARE(block.mastergain()->label()->text(), QStringLiteral("Mastergain"));

    camera.open(1);
    // Opening announced the camera's ranges and values to the rows.
    QCOMPARE(block.mastergain()->spinBox()->maximum(), 100);
    QCOMPARE(block.mastergain()->spinBox()->value(), camera.mastergainParameter().value);
    // The spin boxes show three decimals.
    QCOMPARE(block.framerate()->spinBox()->maximum(), shown(camera.framerateParameter().max));
    QCOMPARE(block.framerate()->spinBox()->value(), shown(camera.framerateParameter().value));
    QCOMPARE(block.exposure()->spinBox()->value(), shown(camera.exposureParameter().value));

    block.mastergain()->spinBox()->setValue(37);
    QCOMPARE(camera.mastergainParameter().value, 37);
    QCOMPARE(vy_SetHardwareGain(camera.handle(), VY_GET_MASTER_GAIN, VY_IGNORE_PARAMETER,
                                VY_IGNORE_PARAMETER, VY_IGNORE_PARAMETER),
             37);

    // A frame rate the camera rounds comes back into the row as the camera set it.
    const double wanted = (camera.framerateParameter().min + camera.framerateParameter().max) / 2;
    block.framerate()->spinBox()->setValue(wanted);
    QCOMPARE(block.framerate()->spinBox()->value(), shown(camera.framerateParameter().value));
    QVERIFY(qAbs(camera.framerateParameter().value - wanted) < 1.0);

    block.setCamera(nullptr);
    block.mastergain()->spinBox()->setValue(12);
    QCOMPARE(camera.mastergainParameter().value, 37);
    camera.close();
}

VYRO_TEST_MAIN(tst_ParameterWidgets)
#include "tst_parameterwidgets.moc"

// tst_detectiondialogue.cpp: the detection dialog alone and driven by detection runs on the
// simulator, wired as the editor's window wires it: threshold limits, progress and count, the
// light guard, an empty run, the histogram of a known frame and of a run, and an unplug.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "dapplix/camera/camera.h"
#include "dapplix/detection/detectionrun.h"
#include "dapplix/hotpixels/badpixellistmodel.h"
#include "dapplix/ui/detectiondialogue.h"
#include "dapplix/ui/levelhistogram.h"
#include "dapplix/ui/thresholdhistogram.h"
#include "sdk/sim/vyro_sim.h"
#include "tests/support/greyframe.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/simworld.h"
#include "tests/support/testmain.h"

using dapplix::Camera;

namespace {

constexpr int MonoDevice = 1;
constexpr int BayerDevice = 2;
constexpr int RunTimeoutMs = 30000;

const QString LightMessage =
    QStringLiteral("Too many hot pixel have been found.\nPlease make sure that the sensor is "
                   "completely obscured and the threshold is not too low.");

template <typename T> T *child(const DetectionDialogue &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

QString labelText(const DetectionDialogue &dialog, const char *name)
{
    return child<QLabel>(dialog, name)->text();
}

int progress(const DetectionDialogue &dialog)
{
    return child<QProgressBar>(dialog, "progressBar")->value();
}

QDialogButtonBox *buttonBox(const DetectionDialogue &dialog)
{
    return dialog.findChild<QDialogButtonBox *>();
}

bool inputsEnabled(const DetectionDialogue &dialog)
{
    return buttonBox(dialog)->isEnabled() &&
           child<QCheckBox>(dialog, "clearCheckBox")->isEnabled() &&
           child<QSlider>(dialog, "thresholdSlider")->isEnabled() &&
           child<QSpinBox>(dialog, "thresholdSpinBox")->isEnabled();
}

bool inputsDisabled(const DetectionDialogue &dialog)
{
    return !buttonBox(dialog)->isEnabled() &&
           !child<QCheckBox>(dialog, "clearCheckBox")->isEnabled() &&
           !child<QSlider>(dialog, "thresholdSlider")->isEnabled() &&
           !child<QSpinBox>(dialog, "thresholdSpinBox")->isEnabled();
}

// Mono 16 × 16 at 10 with pixels 5, 20, 20, 60 and 200 levels above: mean 11 after the
// raised pixels (sum 2560 + 305 = 2865, / 256 = 11), so levels 4, 19, 19, 59 and 199.
QImage knownFrame()
{
    QImage image = greyFrame(16, 16, 10);
    image.scanLine(1)[1] = 15;
    image.scanLine(2)[2] = 30;
    image.scanLine(3)[3] = 30;
    image.scanLine(4)[4] = 70;
    image.scanLine(5)[5] = 210;
    return image;
}

// The camera, its hot pixel list, a detection run and the dialog, connected the way the
// editor's window connects them; the frames of each run are kept for comparison.
class Editor final : public QObject
{
public:
    explicit Editor(int device)
    {
        camera.open(device);
        camera.setFramerate(camera.framerateParameter().max);
        list.getBadpixelList(&camera);
        connect(&camera, &Camera::newImage, this, [this](const QImage &image) {
            dialog.setFrame(image, camera.colorMode());
            if (run.isDetecting() && !image.isNull() &&
                runFrames.size() < DetectionRun::framesPerRun)
                runFrames.append(image.copy());
            run.addFrame(image);
        });
        connect(&dialog, &DetectionDialogue::startDetect, this, [this](bool clear, int threshold) {
            runFrames.clear();
            run.start(clear, unsigned(threshold), camera.colorMode());
        });
        connect(&list, &BadpixelListModel::pixelAdded, &dialog,
                &DetectionDialogue::addDetectedPixel);
        connect(&run, &DetectionRun::progressChanged, &dialog, &DetectionDialogue::updateProgress);
        connect(&run, &DetectionRun::aborted, this,
                [this](const QString &title, const QString &message) {
                    QMessageBox::critical(&dialog, title, message);
                    dialog.abortDetect();
                });
        connect(&run, &DetectionRun::failed, &dialog, &DetectionDialogue::showDetectionError);
        connect(&run, &DetectionRun::finished, &dialog, &DetectionDialogue::finishDetect);
        connect(&camera, &Camera::cameraRemoved, &dialog, &DetectionDialogue::cameraRemoved);
        connect(&dialog, &DetectionDialogue::cancelDetect, &run, &DetectionRun::cancel);
    }
    ~Editor() override { camera.close(); }

    Camera camera;
    BadpixelListModel list;
    DetectionRun run{&list};
    DetectionDialogue dialog;
    QVector<QImage> runFrames;
};

} // namespace

class tst_DetectionDialogue : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(SimWorld::reset()); }
    void idleState();
    void thresholdLimits_data();
    void thresholdLimits();
    void sliderLimits_data();
    void sliderLimits();
    void detectStartsRun_data();
    void detectStartsRun();
    void staysModalWhileRunning();
    void errorShown();
    void progressAndCount_data();
    void progressAndCount();
    void runAddsNothing();
    void lightGuardAborts();
    void histogramOfKnownFrame_data();
    void histogramOfKnownFrame();
    void noImageEmptiesHistogram();
    void liveFramesThrottled();
    void liveHistogram_data();
    void liveHistogram();
    void unplugDuringRun();
};

void tst_DetectionDialogue::idleState()
{
    DetectionDialogue dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Hot pixel detection"));
    QCOMPARE(dialog.minimumWidth(), 400);
    QCOMPARE(dialog.threshold(), 40);
    QVERIFY(!dialog.clearOldList());
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 0"));
    QCOMPARE(labelText(dialog, "statusLabel"), QString());
    QCOMPARE(labelText(dialog, "errorLabel"), QString());
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: -"));
    QCOMPARE(labelText(dialog, "sourceLabel"), QStringLiteral("Live frame"));
    const auto *bar = child<QProgressBar>(dialog, "progressBar");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(buttonBox(dialog)->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Start"));
    QVERIFY(buttonBox(dialog)->button(QDialogButtonBox::Cancel));
    QVERIFY(inputsEnabled(dialog));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(dialog.histogramWidget()->histogram().isEmpty());
    QCOMPARE(dialog.histogramWidget()->threshold(), 40);
}

void tst_DetectionDialogue::thresholdLimits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("lowest") << QStringLiteral("5") << 5;
    QTest::newRow("highest") << QStringLiteral("255") << 255;
    QTest::newRow("middle") << QStringLiteral("123") << 123;
    QTest::newRow("below_lowest_keeps_value") << QStringLiteral("4") << 40;
    QTest::newRow("zero_keeps_value") << QStringLiteral("0") << 40;
    QTest::newRow("negative_refused") << QStringLiteral("-7") << 7;
    QTest::newRow("above_highest_refused") << QStringLiteral("256") << 25;
    QTest::newRow("thousand_refused") << QStringLiteral("1000") << 100;
    QTest::newRow("letters_refused") << QStringLiteral("x9") << 9;
}

void tst_DetectionDialogue::thresholdLimits()
{
    QFETCH(QString, typed);
    QFETCH(int, value);
    DetectionDialogue dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *spin = child<QSpinBox>(dialog, "thresholdSpinBox");
    QCOMPARE(spin->minimum(), 5);
    QCOMPARE(spin->maximum(), 255);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, typed);
    // Leaving the field settles what was typed.
    child<QCheckBox>(dialog, "clearCheckBox")->setFocus();
    QTRY_VERIFY(!spin->hasFocus());
    QCOMPARE(spin->value(), value);
    QCOMPARE(dialog.threshold(), value);
    QCOMPARE(child<QSlider>(dialog, "thresholdSlider")->value(), value);
    QCOMPARE(dialog.histogramWidget()->threshold(), value);

    QSignalSpy started(&dialog, &DetectionDialogue::startDetect);
    dialog.detect();
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(1).toInt(), value);
}

void tst_DetectionDialogue::sliderLimits_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("value");
    QTest::newRow("below") << 1 << 5;
    QTest::newRow("lowest") << 5 << 5;
    QTest::newRow("inside") << 77 << 77;
    QTest::newRow("highest") << 255 << 255;
    QTest::newRow("above") << 400 << 255;
}

void tst_DetectionDialogue::sliderLimits()
{
    QFETCH(int, set);
    QFETCH(int, value);
    DetectionDialogue dialog;
    auto *slider = child<QSlider>(dialog, "thresholdSlider");
    slider->setValue(set);
    QCOMPARE(slider->value(), value);
    QCOMPARE(child<QSpinBox>(dialog, "thresholdSpinBox")->value(), value);
    QCOMPARE(dialog.threshold(), value);
}

void tst_DetectionDialogue::detectStartsRun_data()
{
    QTest::addColumn<bool>("clear");
    QTest::addColumn<int>("threshold");
    QTest::newRow("keep_default") << false << 40;
    QTest::newRow("clear_lowest") << true << 5;
    QTest::newRow("keep_highest") << false << 255;
}

void tst_DetectionDialogue::detectStartsRun()
{
    QFETCH(bool, clear);
    QFETCH(int, threshold);
    DetectionDialogue dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QCheckBox>(dialog, "clearCheckBox")->setChecked(clear);
    child<QSpinBox>(dialog, "thresholdSpinBox")->setValue(threshold);
    // Leftovers of an earlier run are reset by the start.
    dialog.showDetectionError(QStringLiteral("old failure"));
    dialog.updateProgress(70);

    QSignalSpy started(&dialog, &DetectionDialogue::startDetect);
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(buttonBox(dialog)->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(0).toBool(), clear);
    QCOMPARE(started.at(0).at(1).toInt(), threshold);
    QVERIFY(dialog.isDetecting());
    QVERIFY(inputsDisabled(dialog));
    QVERIFY(dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QCOMPARE(labelText(dialog, "statusLabel"), QStringLiteral("Please Wait..."));
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 0"));
    QCOMPARE(labelText(dialog, "errorLabel"), QString());
    QCOMPARE(dialog.detectedCount(), 0);

    // Neither Escape nor closing the window ends a running detection.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);

    dialog.updateProgress(30);
    dialog.addDetectedPixel(2);
    dialog.addDetectedPixel(1);
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 3"));
    QCOMPARE(dialog.detectedCount(), 3);
    dialog.finishDetect();
    QVERIFY(!dialog.isDetecting());
    QVERIFY(inputsEnabled(dialog));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(dialog.isVisible());
    QCOMPARE(labelText(dialog, "statusLabel"), QString());
    QCOMPARE(progress(dialog), 30);
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 3"));

    // Idle again, Cancel closes it.
    QTest::mouseClick(buttonBox(dialog)->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void tst_DetectionDialogue::staysModalWhileRunning()
{
    // The decoration changes of a run must not end the modal loop the window runs it in.
    DetectionDialogue dialog;
    bool sawRunning = false;
    bool sawIdle = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.detect();
        QTimer::singleShot(0, &dialog, [&] {
            sawRunning = dialog.isVisible() && dialog.isDetecting();
            dialog.finishDetect();
            QTimer::singleShot(0, &dialog, [&] {
                sawIdle = dialog.isVisible() && !dialog.isDetecting();
                dialog.done(QDialog::Accepted);
            });
        });
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(sawRunning);
    QVERIFY(sawIdle);
}

void tst_DetectionDialogue::errorShown()
{
    DetectionDialogue dialog;
    dialog.detect();
    dialog.addDetectedPixel(4);
    const QString message =
        QStringLiteral("Image format for hot pixel detection not supported. Please restart "
                       "detection.");
    dialog.showDetectionError(message);
    dialog.finishDetect();
    QCOMPARE(labelText(dialog, "errorLabel"), message);
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: -"));
    QVERIFY(inputsEnabled(dialog));
    // The next run starts clean.
    dialog.detect();
    QCOMPARE(labelText(dialog, "errorLabel"), QString());
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 0"));
}

void tst_DetectionDialogue::progressAndCount_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<int>("threshold");
    QTest::newRow("mono") << MonoDevice << false << 20;
    QTest::newRow("bayer") << BayerDevice << false << 20;
    QTest::newRow("bayer_clear_first") << BayerDevice << true << 40;
}

void tst_DetectionDialogue::progressAndCount()
{
    QFETCH(int, device);
    QFETCH(bool, clear);
    QFETCH(int, threshold);
    Editor editor(device);
    DetectionDialogue &dialog = editor.dialog;
    const int rowsBefore = editor.list.rowCount();
    const int factoryRows = editor.list.factoryBadpixelCount();
    QVERIFY(rowsBefore > 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QCheckBox>(dialog, "clearCheckBox")->setChecked(clear);
    child<QSpinBox>(dialog, "thresholdSpinBox")->setValue(threshold);

    QSignalSpy bar(child<QProgressBar>(dialog, "progressBar"), &QProgressBar::valueChanged);
    QSignalSpy added(&editor.list, &BadpixelListModel::pixelAdded);
    QSignalSpy runFinished(&editor.run, &DetectionRun::finished);
    QSignalSpy histogram(&dialog, &DetectionDialogue::histogramUpdated);
    dialog.detect();
    QVERIFY(runFinished.wait(RunTimeoutMs));
    QVERIFY(!dialog.isDetecting());

    // Ten frames of ten each; the bar keeps 100 after the run.
    QList<int> values;
    for (const QList<QVariant> &args : bar)
        values.append(args.at(0).toInt());
    QCOMPARE(values, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    QCOMPARE(progress(dialog), 100);

    int count = 0;
    for (const QList<QVariant> &args : added)
        count += args.at(0).toInt();
    QVERIFY(count > 0);
    QCOMPARE(editor.list.rowCount(), (clear ? factoryRows : rowsBefore) + count);
    QCOMPARE(dialog.detectedCount(), count);
    QCOMPARE(labelText(dialog, "counterLabel"),
             QStringLiteral("Hot pixel detected: %1").arg(count));
    QCOMPARE(labelText(dialog, "statusLabel"), QString());
    QCOMPARE(labelText(dialog, "errorLabel"), QString());
    QVERIFY(inputsEnabled(dialog));

    // After the run the histogram shows the averages of the run's ten frames.
    QVERIFY(dialog.showsRunAverages());
    QCOMPARE(labelText(dialog, "sourceLabel"),
             QStringLiteral("Averages of the last run's 10 frames"));
    QCOMPARE(editor.runFrames.size(), DetectionRun::framesPerRun);
    const LevelHistogram expected =
        LevelHistogram::fromAverage(editor.runFrames, editor.camera.colorMode());
    QTRY_VERIFY_WITH_TIMEOUT(
        dialog.histogramWidget()->histogram().pixelCount() == expected.pixelCount() &&
            dialog.histogramWidget()->histogram().planeMeans() == expected.planeMeans() &&
            dialog.histogramWidget()->countAbove() == expected.countAbove(threshold),
        RunTimeoutMs);
    QCOMPARE(dialog.histogramWidget()->histogram().planeMeans().size(),
             device == BayerDevice ? 4 : 1);
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: %1").arg(expected.countAbove(threshold)));
    // Every pixel the run added lies above the threshold in the averages.
    QVERIFY(expected.countAbove(threshold) >= count);
    // Live frames no longer replace the run's histogram.
    histogram.clear();
    const quint32 frames = editor.camera.frameCount();
    QTRY_VERIFY_WITH_TIMEOUT(editor.camera.frameCount() > frames + 3, RunTimeoutMs);
    QVERIFY(histogram.isEmpty());
    QVERIFY(dialog.showsRunAverages());
}

void tst_DetectionDialogue::runAddsNothing()
{
    Editor editor(MonoDevice);
    DetectionDialogue &dialog = editor.dialog;
    const int rowsBefore = editor.list.rowCount();
    child<QSpinBox>(dialog, "thresholdSpinBox")->setValue(255);
    QSignalSpy added(&editor.list, &BadpixelListModel::pixelAdded);
    QSignalSpy runFinished(&editor.run, &DetectionRun::finished);
    dialog.detect();
    QVERIFY(runFinished.wait(RunTimeoutMs));
    QCOMPARE(added.count(), 0);
    QCOMPARE(editor.list.rowCount(), rowsBefore);
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 0"));
    QCOMPARE(labelText(dialog, "errorLabel"), QString());
    QCOMPARE(progress(dialog), 100);
    QVERIFY(inputsEnabled(dialog));
    // The run's results stay whatever the button: it says Close now, not Cancel.
    QCOMPARE(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text(),
             QStringLiteral("Close"));
    QTRY_COMPARE_WITH_TIMEOUT(labelText(dialog, "aboveThresholdLabel"),
                              QStringLiteral("Pixels above the threshold: 0"), RunTimeoutMs);
}

void tst_DetectionDialogue::lightGuardAborts()
{
    QVERIFY(SimWorld::setField(MonoDevice, "lit", "true"));
    Editor editor(MonoDevice);
    DetectionDialogue &dialog = editor.dialog;
    const int rowsBefore = editor.list.rowCount();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ModalAnswerer answerer(QMessageBox::Ok);
    QSignalSpy bar(child<QProgressBar>(dialog, "progressBar"), &QProgressBar::valueChanged);
    QSignalSpy runFinished(&editor.run, &DetectionRun::finished);
    dialog.detect();
    QVERIFY(runFinished.wait(RunTimeoutMs));
    QCOMPARE(answerer.texts(), QStringList{LightMessage});
    QCOMPARE(answerer.icons(), QList<QMessageBox::Icon>{QMessageBox::Critical});

    // The first lit frame counted 10, the abort set the bar back to 0.
    QCOMPARE(bar.count(), 2);
    QCOMPARE(bar.at(0).at(0).toInt(), 10);
    QCOMPARE(progress(dialog), 0);
    QVERIFY(!dialog.isDetecting());
    QVERIFY(inputsEnabled(dialog));
    QCOMPARE(labelText(dialog, "statusLabel"), QString());
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: 0"));
    QCOMPARE(editor.list.rowCount(), rowsBefore);
    // Nothing averaged: the histogram goes on with live frames.
    QVERIFY(!dialog.showsRunAverages());
    QCOMPARE(labelText(dialog, "sourceLabel"), QStringLiteral("Live frame"));
}

void tst_DetectionDialogue::histogramOfKnownFrame_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<int>("above");
    // Levels above the mean 11: 4, 19, 19, 59, 199.
    QTest::newRow("lowest") << 5 << 4;
    QTest::newRow("below_a_level") << 18 << 4;
    QTest::newRow("at_a_level") << 19 << 2;
    QTest::newRow("default") << 40 << 2;
    QTest::newRow("just_below_top") << 198 << 1;
    QTest::newRow("at_top") << 199 << 0;
    QTest::newRow("highest") << 255 << 0;
}

void tst_DetectionDialogue::histogramOfKnownFrame()
{
    QFETCH(int, threshold);
    QFETCH(int, above);
    DetectionDialogue dialog;
    QSignalSpy updated(&dialog, &DetectionDialogue::histogramUpdated);
    dialog.setFrame(knownFrame(), VY_CM_MONO8);
    QVERIFY(updated.count() == 1 || updated.wait(RunTimeoutMs));
    const LevelHistogram &h = dialog.histogramWidget()->histogram();
    QCOMPARE(h.planeMeans(), QVector<unsigned>{11});
    QCOMPARE(h.count(4), qint64(1));
    QCOMPARE(h.count(19), qint64(2));
    QCOMPARE(h.count(59), qint64(1));
    QCOMPARE(h.count(199), qint64(1));
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: 2"));

    // The line and the number follow the slider as the user drags it.
    auto *slider = child<QSlider>(dialog, "thresholdSlider");
    slider->setSliderDown(true);
    slider->setSliderPosition(threshold);
    QCOMPARE(dialog.histogramWidget()->threshold(), threshold);
    QCOMPARE(dialog.histogramWidget()->countAbove(), qint64(above));
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: %1").arg(above));
    slider->setSliderDown(false);
    // And the spin box moves them too.
    child<QSpinBox>(dialog, "thresholdSpinBox")->setValue(40);
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: 2"));
}

void tst_DetectionDialogue::noImageEmptiesHistogram()
{
    DetectionDialogue dialog;
    QSignalSpy updated(&dialog, &DetectionDialogue::histogramUpdated);
    dialog.setFrame(knownFrame(), VY_CM_MONO8);
    QVERIFY(updated.count() == 1 || updated.wait(RunTimeoutMs));
    QVERIFY(!dialog.histogramWidget()->histogram().isEmpty());
    dialog.setFrame(QImage(), VY_CM_MONO8);
    QVERIFY(dialog.histogramWidget()->histogram().isEmpty());
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: -"));
    // A colour mode the detection does not know shows nothing either.
    QTRY_VERIFY_WITH_TIMEOUT((dialog.setFrame(knownFrame(), VY_CM_RGB32), updated.count() == 3),
                             RunTimeoutMs);
    QVERIFY(dialog.histogramWidget()->histogram().isEmpty());
}

void tst_DetectionDialogue::liveFramesThrottled()
{
    // A burst of frames yields one histogram, of the first; a later frame is taken once the
    // refresh interval has passed.
    DetectionDialogue dialog;
    QSignalSpy updated(&dialog, &DetectionDialogue::histogramUpdated);
    const QImage first = knownFrame();
    QImage other = greyFrame(16, 16, 10);
    other.scanLine(7)[7] = 110; // mean 2660 / 256 = 10: level 100
    dialog.setFrame(first, VY_CM_MONO8);
    for (int i = 0; i < 5; ++i)
        dialog.setFrame(other, VY_CM_MONO8);
    QVERIFY(updated.count() == 1 || updated.wait(RunTimeoutMs));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(dialog.histogramWidget()->histogram().count(199), qint64(1));

    QTRY_VERIFY_WITH_TIMEOUT((dialog.setFrame(other, VY_CM_MONO8),
                              dialog.histogramWidget()->histogram().count(100) == 1),
                             RunTimeoutMs);
    QCOMPARE(dialog.histogramWidget()->histogram().count(199), qint64(0));
    QCOMPARE(labelText(dialog, "aboveThresholdLabel"),
             QStringLiteral("Pixels above the threshold: 1"));
}

void tst_DetectionDialogue::liveHistogram_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("planes");
    QTest::addColumn<bool>("lit");
    QTest::newRow("mono") << MonoDevice << 1 << false;
    QTest::newRow("bayer") << BayerDevice << 4 << false;
    // The preview warns of light before Start is pressed.
    QTest::newRow("lit") << MonoDevice << 1 << true;
}

void tst_DetectionDialogue::liveHistogram()
{
    QFETCH(int, device);
    QFETCH(int, planes);
    QFETCH(bool, lit);
    if (lit)
        QVERIFY(SimWorld::setField(device, "lit", "true"));
    Editor editor(device);
    DetectionDialogue &dialog = editor.dialog;
    QSignalSpy updated(&dialog, &DetectionDialogue::histogramUpdated);
    // Refreshed again and again from the running camera.
    QTRY_VERIFY_WITH_TIMEOUT(updated.count() >= 2, RunTimeoutMs);
    const LevelHistogram &h = dialog.histogramWidget()->histogram();
    QVERIFY(!h.isEmpty());
    QCOMPARE(h.planeMeans().size(), planes);
    QCOMPARE(child<QLabel>(dialog, "litLabel")->isVisibleTo(&dialog), lit);
    if (lit)
        return;
    // Dark frames: the plane means sit near the black level, the hot pixels far above it.
    for (const unsigned mean : h.planeMeans())
        QVERIFY2(mean >= 9 && mean <= 15, qPrintable(QString::number(mean)));
    QVERIFY(h.countAbove(40) > 0);
    QVERIFY(labelText(dialog, "aboveThresholdLabel") !=
            QStringLiteral("Pixels above the threshold: -"));
}

void tst_DetectionDialogue::unplugDuringRun()
{
    Editor editor(MonoDevice);
    DetectionDialogue &dialog = editor.dialog;
    const int rowsBefore = editor.list.rowCount();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy cancelled(&dialog, &DetectionDialogue::cancelDetect);
    QSignalSpy added(&editor.list, &BadpixelListModel::pixelAdded);
    dialog.detect();
    QTRY_VERIFY_WITH_TIMEOUT(progress(dialog) >= 20, RunTimeoutMs);
    QCOMPARE(vysim_unplug(MonoDevice), VY_SUCCESS);

    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isDetecting(), RunTimeoutMs);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!editor.run.isDetecting());
    QCOMPARE(editor.run.progress(), 0);
    QCOMPARE(progress(dialog), 0);
    QCOMPARE(labelText(dialog, "errorLabel"),
             QStringLiteral("The camera was disconnected during the detection. Please restart "
                            "detection."));
    QCOMPARE(labelText(dialog, "counterLabel"), QStringLiteral("Hot pixel detected: -"));
    QVERIFY(inputsEnabled(dialog));
    QVERIFY(!dialog.showsRunAverages());
    QCOMPARE(added.count(), 0);
    QCOMPARE(editor.list.rowCount(), rowsBefore);
    // Idle again: the dialog can be closed.
    QVERIFY(dialog.close());
}

VYRO_TEST_MAIN(tst_DetectionDialogue)
#include "tst_detectiondialogue.moc"

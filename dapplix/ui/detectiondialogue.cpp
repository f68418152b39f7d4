// detectiondialogue.cpp: the detection dialog's layout, its idle and running states, and the
// histogram fed from the camera frames off the GUI thread.
#include "dapplix/ui/detectiondialogue.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QtConcurrent>

#include <utility>

#include "dapplix/camera/cameraparameter.h"
#include "dapplix/detection/detectionrun.h"
#include "dapplix/ui/levelhistogram.h"
#include "dapplix/ui/parameterwidget.h"
#include "dapplix/ui/thresholdhistogram.h"

namespace {

constexpr Qt::WindowFlags idleFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;

} // namespace

DetectionDialogue::DetectionDialogue(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Hot pixel detection"));
    setMinimumWidth(400);
    createWidgets();
    setWindowFlags(idleFlags);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setInterval(refreshIntervalMs);
    connect(m_refreshTimer, &QTimer::timeout, this, [this] { m_wantFrame = true; });
    m_refreshTimer->start();
}

DetectionDialogue::~DetectionDialogue() = default;

void DetectionDialogue::createWidgets()
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Cover the sensor completely during capturing!\n"), this));

    auto *preferences = new QGroupBox(tr("Preferences"), this);
    auto *prefLayout = new QGridLayout(preferences);
    m_threshold = new ParameterWidget(preferences);
    m_threshold->setText(tr("Threshold"));
    CameraParameter<int> thresholdParam;
    thresholdParam.min = thresholdMin;
    thresholdParam.max = thresholdMax;
    thresholdParam.inc = 1;
    thresholdParam.value = thresholdDefault;
    m_threshold->setParam(thresholdParam);
    m_threshold->slider()->setObjectName(QStringLiteral("thresholdSlider"));
    m_threshold->spinBox()->setObjectName(QStringLiteral("thresholdSpinBox"));
    m_threshold->label()->setBuddy(m_threshold->spinBox());
    m_clearCheck = new QCheckBox(tr("Clear old hot pixel list"), preferences);
    m_clearCheck->setObjectName(QStringLiteral("clearCheckBox"));
    m_sourceLabel = new QLabel(preferences);
    m_sourceLabel->setObjectName(QStringLiteral("sourceLabel"));
    m_histogram = new ThresholdHistogram(preferences);
    m_histogram->setObjectName(QStringLiteral("histogram"));
    m_aboveLabel = new QLabel(preferences);
    m_aboveLabel->setObjectName(QStringLiteral("aboveThresholdLabel"));
    // Why "above the threshold" and "detected" may differ.
    auto *note = new QLabel(tr("Counted against the mean of each colour plane; pixels already in "
                               "the hot pixel list are not detected again."),
                            preferences);
    note->setWordWrap(true);
    m_litLabel =
        new QLabel(tr("The sensor is not dark: cover it completely, or the detection will stop."),
                   preferences);
    m_litLabel->setObjectName(QStringLiteral("litLabel"));
    m_litLabel->setWordWrap(true);
    m_litLabel->setVisible(false);
    prefLayout->addWidget(m_threshold->label(), 0, 0);
    prefLayout->addWidget(m_threshold->slider(), 0, 1);
    prefLayout->addWidget(m_threshold->spinBox(), 0, 2);
    prefLayout->addWidget(m_clearCheck, 1, 0, 1, 3);
    prefLayout->addWidget(m_sourceLabel, 2, 0, 1, 3);
    prefLayout->addWidget(m_histogram, 3, 0, 1, 3);
    prefLayout->addWidget(m_aboveLabel, 4, 0, 1, 3);
    prefLayout->addWidget(note, 5, 0, 1, 3);
    prefLayout->addWidget(m_litLabel, 6, 0, 1, 3);
    prefLayout->setColumnStretch(1, 1);
    layout->addWidget(preferences, 1);

    auto *detection = new QGroupBox(tr("Detection"), this);
    auto *detLayout = new QVBoxLayout(detection);
    m_statusLabel = new QLabel(detection);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_progressBar = new QProgressBar(detection);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_counterLabel = new QLabel(tr("Hot pixel detected: %1").arg(0), detection);
    m_counterLabel->setObjectName(QStringLiteral("counterLabel"));
    m_errorLabel = new QLabel(detection);
    m_errorLabel->setObjectName(QStringLiteral("errorLabel"));
    m_errorLabel->setWordWrap(true);
    QPalette errorPalette = m_errorLabel->palette();
    errorPalette.setColor(QPalette::WindowText, Qt::red);
    m_errorLabel->setPalette(errorPalette);
    m_litLabel->setPalette(errorPalette);
    detLayout->addWidget(m_statusLabel);
    detLayout->addWidget(m_progressBar);
    detLayout->addWidget(m_counterLabel);
    detLayout->addWidget(m_errorLabel);
    layout->addWidget(detection);

    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Start"));
    layout->addWidget(m_buttonBox);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &DetectionDialogue::detect);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &DetectionDialogue::reject);
    // The histogram follows the slider while it is dragged, not only when it is released.
    connect(m_threshold->slider(), &QSlider::valueChanged, this,
            &DetectionDialogue::onThresholdChanged);
    connect(m_threshold->spinBox(), qOverload<int>(&QSpinBox::valueChanged), this,
            &DetectionDialogue::onThresholdChanged);

    onThresholdChanged(thresholdDefault);
    updateSourceLabel();
}

int DetectionDialogue::threshold() const
{
    return m_threshold->value();
}

bool DetectionDialogue::clearOldList() const
{
    return m_clearCheck->isChecked();
}

void DetectionDialogue::onThresholdChanged(int value)
{
    m_histogram->setThreshold(value);
    updateAboveLabel();
}

void DetectionDialogue::updateAboveLabel()
{
    if (m_histogram->histogram().isEmpty())
        m_aboveLabel->setText(tr("Pixels above the threshold: -"));
    else
        m_aboveLabel->setText(tr("Pixels above the threshold: %1").arg(m_histogram->countAbove()));
}

void DetectionDialogue::updateSourceLabel()
{
    m_sourceLabel->setText(m_showsAverages
                               ? tr("Averages of the last run's %1 frames").arg(framesPerRun)
                               : tr("Live frame"));
}

void DetectionDialogue::setInputsEnabled(bool enabled)
{
    m_buttonBox->setEnabled(enabled);
    m_clearCheck->setEnabled(enabled);
    m_threshold->label()->setEnabled(enabled);
    m_threshold->slider()->setEnabled(enabled);
    m_threshold->spinBox()->setEnabled(enabled);
}

void DetectionDialogue::applyWindowFlags(Qt::WindowFlags flags)
{
    // setWindowFlags() hides a shown window, and hiding a dialog ends its modal exec(): a shown
    // dialog keeps its window and only the window system learns the new decoration.
    if (!isVisible()) {
        setWindowFlags(flags);
        return;
    }
    overrideWindowFlags(flags);
    if (QWindow *window = windowHandle())
        window->setFlags(flags);
    show();
}

void DetectionDialogue::detect()
{
    applyWindowFlags(idleFlags | Qt::CustomizeWindowHint);
    setInputsEnabled(false);
    m_statusLabel->setText(tr("Please Wait..."));
    m_counterLabel->setText(tr("Hot pixel detected: %1").arg(0));
    m_errorLabel->clear();
    m_detectedCount = 0;
    m_detecting = true;
    m_runFailed = false;
    m_runFrames.clear();
    ++m_generation;
    emit startDetect(m_clearCheck->isChecked(), m_threshold->value());
}

void DetectionDialogue::updateProgress(int value)
{
    m_progressBar->setValue(value);
}

void DetectionDialogue::addDetectedPixel(int count)
{
    m_detectedCount += count;
    m_counterLabel->setText(tr("Hot pixel detected: %1").arg(m_detectedCount));
}

void DetectionDialogue::finishDetect()
{
    applyWindowFlags(idleFlags);
    setInputsEnabled(true);
    m_statusLabel->clear();
    if (!m_detecting)
        return;
    m_detecting = false;
    // The run's results are in the list already: nothing is left to cancel.
    m_buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Close"));
    if (!m_runFailed && m_runFrames.size() == framesPerRun) {
        computeAverages();
    } else {
        m_runFrames.clear();
        m_showsAverages = false;
        updateSourceLabel();
    }
}

void DetectionDialogue::abortDetect()
{
    // An aborted run has no averages worth showing.
    m_runFrames.clear();
    m_runFailed = true;
    finishDetect();
    m_progressBar->setValue(0);
}

void DetectionDialogue::showDetectionError(const QString &message)
{
    m_runFailed = true;
    m_errorLabel->setText(message);
    m_counterLabel->setText(tr("Hot pixel detected: -"));
}

void DetectionDialogue::reject()
{
    // A run cannot be left half way: its frames and results still come in.
    if (m_detecting)
        return;
    QDialog::reject();
}

void DetectionDialogue::closeEvent(QCloseEvent *event)
{
    if (m_detecting) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void DetectionDialogue::cameraRemoved()
{
    if (!m_detecting)
        return;
    showDetectionError(tr("The camera was disconnected during the detection.") +
                       tr(" Please restart detection."));
    abortDetect();
    emit cancelDetect();
}

void DetectionDialogue::setFrame(const QImage &frame, int colorMode)
{
    if (frame.isNull()) {
        // No camera image: the live histogram has nothing to show.
        if (!m_detecting && !m_showsAverages) {
            ++m_generation;
            showHistogram(LevelHistogram(), m_generation);
        }
        return;
    }
    if (m_detecting) {
        // The run takes the frames that follow its start, as the detection does.
        if (m_runFrames.size() < framesPerRun) {
            m_runFrames.append(frame);
            m_colorMode = colorMode;
        }
        return;
    }
    if (m_showsAverages || !m_wantFrame || m_liveBusy)
        return;
    m_wantFrame = false;
    computeLive(frame, colorMode);
}

void DetectionDialogue::computeLive(const QImage &frame, int colorMode)
{
    m_liveBusy = true;
    const int generation = m_generation;
    using Preview = std::pair<LevelHistogram, bool>; // the histogram, and whether it is lit
    auto *watcher = new QFutureWatcher<Preview>(this);
    // The slot holds the frame until the worker is done with it: the camera reuses a frame's
    // storage once nobody holds it, and that must come after the worker's reads.
    connect(watcher, &QFutureWatcher<Preview>::finished, this, [this, watcher, generation, frame] {
        Q_UNUSED(frame)
        m_liveBusy = false;
        const Preview preview = watcher->result();
        // The same rule a run applies to its frames, said before the user presses Start.
        if (generation == m_generation)
            m_litLabel->setVisible(preview.second);
        showHistogram(preview.first, generation);
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run([frame, colorMode] {
        return Preview(LevelHistogram::fromFrame(frame, colorMode),
                       DetectionRun::countBrightBytes(frame) > DetectionRun::maxBrightBytes);
    }));
}

void DetectionDialogue::computeAverages()
{
    QVector<QImage> frames;
    std::swap(frames, m_runFrames);
    const int colorMode = m_colorMode;
    m_showsAverages = true;
    updateSourceLabel();
    const int generation = ++m_generation;
    auto *watcher = new QFutureWatcher<LevelHistogram>(this);
    // Held until the worker is done, as the live frame is.
    connect(watcher, &QFutureWatcher<LevelHistogram>::finished, this,
            [this, watcher, generation, frames] {
                Q_UNUSED(frames)
                showHistogram(watcher->result(), generation);
                watcher->deleteLater();
            });
    watcher->setFuture(QtConcurrent::run(
        [frames, colorMode] { return LevelHistogram::fromAverage(frames, colorMode); }));
}

void DetectionDialogue::showHistogram(const LevelHistogram &histogram, int generation)
{
    if (generation != m_generation)
        return;
    m_histogram->setHistogram(histogram);
    updateAboveLabel();
    emit histogramUpdated();
}

// detectiondialogue.h: the dialog that starts a hot pixel detection run, follows its progress
// and count, and shows by a histogram of the dark frame which threshold finds what.
#ifndef DAPPLIX_UI_DETECTIONDIALOGUE_H
#define DAPPLIX_UI_DETECTIONDIALOGUE_H

#include <QDialog>
#include <QImage>
#include <QVector>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QTimer;
class LevelHistogram;
class ParameterWidget;
class ThresholdHistogram;

class DetectionDialogue final : public QDialog
{
    Q_OBJECT
public:
    static constexpr int thresholdMin = 5;
    static constexpr int thresholdMax = 255;
    static constexpr int thresholdDefault = 40;
    // Frames averaged by a run, and how often the live histogram takes a new frame.
    static constexpr int framesPerRun = 10;
    static constexpr int refreshIntervalMs = 250;

    explicit DetectionDialogue(QWidget *parent = nullptr);
    ~DetectionDialogue() override;

    // The message of a failed run; the count is then unknown.
    void showDetectionError(const QString &message);

    int threshold() const;
    bool clearOldList() const;
    bool isDetecting() const { return m_detecting; }
    int detectedCount() const { return m_detectedCount; }
    // True while the histogram shows the averages of the last run rather than the live frame.
    bool showsRunAverages() const { return m_showsAverages; }
    const ThresholdHistogram *histogramWidget() const { return m_histogram; }

signals:
    void startDetect(bool clear, int threshold);
    // The run must end without detecting: its camera went away.
    void cancelDetect();
    // A new histogram is shown, live or of a run.
    void histogramUpdated();

public slots:
    void updateProgress(int value);
    void finishDetect();
    void abortDetect();
    void addDetectedPixel(int count);
    void detect();
    // Every camera frame while the dialog is open; the histogram takes one a few times a
    // second and a run's ten frames for their averages. colorMode is the camera's.
    void setFrame(const QImage &frame, int colorMode);
    // The camera went away: a running detection ends with a message and cancelDetect().
    void cameraRemoved();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    Q_DISABLE_COPY(DetectionDialogue)

    void createWidgets();
    void setInputsEnabled(bool enabled);
    void applyWindowFlags(Qt::WindowFlags flags);
    void onThresholdChanged(int value);
    void updateAboveLabel();
    void updateSourceLabel();
    void computeLive(const QImage &frame, int colorMode);
    void computeAverages();
    void showHistogram(const LevelHistogram &histogram, int generation);

    ParameterWidget *m_threshold = nullptr;
    QCheckBox *m_clearCheck = nullptr;
    QLabel *m_sourceLabel = nullptr;
    ThresholdHistogram *m_histogram = nullptr;
    QLabel *m_aboveLabel = nullptr;
    QLabel *m_litLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_counterLabel = nullptr;
    QLabel *m_errorLabel = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QTimer *m_refreshTimer = nullptr;

    int m_detectedCount = 0;
    bool m_detecting = false;
    bool m_runFailed = false;
    bool m_showsAverages = false;
    // The live histogram wants a frame; set by the refresh timer.
    bool m_wantFrame = true;
    bool m_liveBusy = false;
    // Results of an earlier generation (a live frame computed while a run began) are dropped.
    int m_generation = 0;
    int m_colorMode = 0;
    QVector<QImage> m_runFrames;
};

#endif // DAPPLIX_UI_DETECTIONDIALOGUE_H

// One hot pixel detection run: collects dark frames, guards against light, then detects and
// adds the found pixels to the hot pixel list.
#ifndef DAPPLIX_DETECTION_DETECTIONRUN_H
#define DAPPLIX_DETECTION_DETECTIONRUN_H

#include <QImage>
#include <QObject>
#include <QTimer>
#include <QVector>

class BadpixelListModel;

class DetectionRun final : public QObject
{
    Q_OBJECT
public:
    static constexpr int framesPerRun = 10;
    static constexpr int progressPerFrame = 10;
    // A frame with more bytes above the bright level than this was not taken in the dark.
    static constexpr int brightLevel = 100;
    static constexpr int maxBrightBytes = 5000;
    // A run that receives no frame for this long, and for this many frame periods, ends: the
    // camera delivers nothing.
    static constexpr int defaultFrameTimeoutMs = 5000;
    static constexpr int missedFramesAllowed = 5;

    // The model receives the found pixels; it must outlive the run.
    explicit DetectionRun(BadpixelListModel *model, QObject *parent = nullptr);

    // Starts collecting; clear removes the user entries first.
    void start(bool clear, unsigned threshold, int colorMode);
    // Ends a collecting run without detecting, as when the camera goes away; emits
    // progressChanged(0) and finished(). Nothing happens when no run is collecting.
    void cancel();
    bool isDetecting() const { return m_detecting; }
    // How long a collecting run waits at least for its next frame before it fails.
    void setFrameTimeout(int ms) { m_frameTimeoutMs = ms; }
    int frameTimeout() const { return m_frameTimeoutMs; }
    // The camera's time between frames, so that slow frames are waited for long enough.
    void setFramePeriod(int ms) { m_framePeriodMs = ms; }
    // The wait the next start uses.
    int frameWait() const { return qMax(m_frameTimeoutMs, missedFramesAllowed * m_framePeriodMs); }
    int progress() const { return m_progressCounter; }
    int collectedFrames() const { return m_frames.size(); }

    // The number of pixel bytes above brightLevel, counted only until it passes stopAbove.
    static int countBrightBytes(const QImage &frame, int stopAbove = maxBrightBytes);

signals:
    void progressChanged(int progress);
    // The run ended at a lit frame; the window shows title and message.
    void aborted(const QString &title, const QString &message);
    // Detection failed; the message ends with the request to restart.
    void failed(const QString &message);
    // The run ended, with or without a failure.
    void finished();
    // Relayed from the detector.
    void detectionFinished();

public slots:
    // The frame handler: takes frames while detecting, detects on the one after the last.
    void addFrame(const QImage &frame);
    void detectBadpixel();

private:
    Q_DISABLE_COPY(DetectionRun)

    void abort();
    void frameTimedOut();

    BadpixelListModel *m_list;
    QVector<QImage> m_frames;
    bool m_detecting = false;
    unsigned m_threshold = 0;
    int m_colorMode = 0;
    int m_progressCounter = 0;
    QTimer m_watchdog;
    int m_frameTimeoutMs = defaultFrameTimeoutMs;
    int m_framePeriodMs = 0;
};

#endif // DAPPLIX_DETECTION_DETECTIONRUN_H

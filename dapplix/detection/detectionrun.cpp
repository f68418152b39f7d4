// One hot pixel detection run: collects dark frames, guards against light, then detects and
// adds the found pixels to the hot pixel list.
#include "dapplix/detection/detectionrun.h"

#include "dapplix/detection/hotpixeldetector.h"
#include "dapplix/hotpixels/badpixellistmodel.h"

#include <exception>
#include <unordered_set>

DetectionRun::DetectionRun(BadpixelListModel *model, QObject *parent)
    : QObject(parent), m_list(model)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, &DetectionRun::frameTimedOut);
}

void DetectionRun::start(bool clear, unsigned threshold, int colorMode)
{
    m_threshold = threshold;
    m_colorMode = colorMode;
    m_frames.clear();
    m_progressCounter = 0;
    if (clear)
        m_list->clearUserBadpixelList();
    m_detecting = true;
    m_watchdog.start(frameWait());
}

int DetectionRun::countBrightBytes(const QImage &frame, int stopAbove)
{
    // Only the pixels of each row: row padding holds no light.
    const int rowBytes = int((qint64(frame.width()) * frame.depth() + 7) / 8);
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const uchar *row = frame.constScanLine(y);
        int rowCount = 0;
        for (int x = 0; x < rowBytes; ++x)
            rowCount += row[x] > brightLevel;
        count += rowCount;
        if (count > stopAbove)
            return count;
    }
    return count;
}

void DetectionRun::addFrame(const QImage &frame)
{
    // The null image of a closing camera is no frame.
    if (!m_detecting || frame.isNull())
        return;
    m_watchdog.start();
    if (m_frames.size() < framesPerRun) {
        // Kept as delivered: the camera never writes into a frame that someone holds.
        m_frames.append(frame);
        m_progressCounter += progressPerFrame;
        emit progressChanged(m_progressCounter);
        if (countBrightBytes(frame) > maxBrightBytes)
            abort();
        return;
    }
    m_detecting = false;
    m_watchdog.stop();
    m_progressCounter = 0;
    detectBadpixel();
}

void DetectionRun::cancel()
{
    if (!m_detecting)
        return;
    m_frames.clear();
    m_detecting = false;
    m_watchdog.stop();
    m_progressCounter = 0;
    emit progressChanged(0);
    emit finished();
}

void DetectionRun::frameTimedOut()
{
    if (!m_detecting)
        return;
    // Waiting on would keep the dialog locked for good; the frames so far are too few.
    m_frames.clear();
    m_detecting = false;
    m_progressCounter = 0;
    emit progressChanged(0);
    emit failed(tr("No image has been received from the camera. Please restart detection."));
    emit finished();
}

void DetectionRun::abort()
{
    m_frames.clear();
    m_detecting = false;
    m_watchdog.stop();
    m_progressCounter = 0;
    emit progressChanged(0);
    emit aborted(tr("Detection failed"),
                 tr("Too many hot pixel have been found.\nPlease make sure that the sensor is "
                    "completely obscured and the threshold is not too low."));
    emit finished();
}

void DetectionRun::detectBadpixel()
{
    HotpixelDetector detector(m_threshold);
    connect(&detector, &BadpixelDetector::detectionFinished, this,
            &DetectionRun::detectionFinished);
    try {
        detector.setImages(m_colorMode, &m_frames);
        const QVector<QPoint> found = detector.detectHotpixels();
        // The list's positions, whatever their class, are not added again: an "ignore" entry
        // stays as it is.
        std::unordered_set<quint32> known;
        const auto key = [](int x, int y) { return quint32(x) << 16 | quint32(y); };
        for (int row = 0; row < m_list->rowCount(); ++row) {
            const Badpixel b = m_list->badpixelAt(row);
            known.insert(key(b.x, b.y));
        }
        for (const QPoint &p : found)
            if (known.count(key(p.x(), p.y())) == 0)
                m_list->addBadpixel(p);
    } catch (const std::exception &e) {
        emit failed(QString::fromStdString(e.what()) + tr(" Please restart detection."));
    }
    m_frames.clear();
    emit finished();
}

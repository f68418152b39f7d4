// One hot pixel detection run: collects dark frames, guards against light, then detects and
// adds the found pixels to the hot pixel list.
#include "dapplix/detection/detectionrun.h"

#include "dapplix/detection/hotpixeldetector.h"
#include "dapplix/hotpixels/badpixellistmodel.h"

#include <exception>

DetectionRun::DetectionRun(BadpixelListModel *model, QObject *parent) : QObject(parent), list(model)
{
}

void DetectionRun::start(bool clear, unsigned limit, int mode)
{
    threshold = limit;
    colorMode = mode;
    frames.clear();
    progressCounter = 0;
    if (clear)
        list->clearUserBadpixelList();
    detecting = true;
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
    if (!detecting || frame.isNull())
        return;
    if (frames.size() < framesPerRun) {
        frames.append(frame.copy());
        progressCounter += progressPerFrame;
        emit progressChanged(progressCounter);
        if (countBrightBytes(frame) > maxBrightBytes)
            abort();
        return;
    }
    detecting = false;
    progressCounter = 0;
    detectBadpixel();
}

void DetectionRun::abort()
{
    frames.clear();
    detecting = false;
    progressCounter = 0;
    emit progressChanged(0);
    emit aborted(tr("Detection failed"),
                 tr("Too many hot pixel have been found.\nPlease make sure that the sensor is "
                    "completely obscured and the threshold is not too low."));
    emit finished();
}

void DetectionRun::detectBadpixel()
{
    BadpixelListModel found;
    HotpixelDetector detector(threshold);
    connect(&detector, &BadpixelDetector::detectionFinished, this,
            &DetectionRun::detectionFinished);
    try {
        detector.setImages(colorMode, &frames);
        found.setCounts(list->maxUserBadpixels(), list->factoryBadpixelCount());
        for (int row = 0; row < list->rowCount(); ++row) {
            const Badpixel b = list->badpixelAt(row);
            found.addBadpixel(QPoint(b.x, b.y));
        }
        detector.detectHotpixels(&found);
        for (int row = 0; row < found.rowCount(); ++row) {
            const Badpixel b = found.badpixelAt(row);
            list->addBadpixel(QPoint(b.x, b.y));
        }
    } catch (const std::exception &e) {
        emit failed(QString::fromStdString(e.what()) + tr(" Please restart detection."));
    }
    frames.clear();
    emit finished();
}

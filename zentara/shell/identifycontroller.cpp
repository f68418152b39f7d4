// identifycontroller.cpp: the identification's pool task.
#include "zentara/shell/identifycontroller.h"

#include <QThread>
#include <QtConcurrent>

#include "sdk/vyro_api.h"
#include "vyrokit/scopedcamerahandle.h"

namespace {

// The camera needs a moment after opening before it takes the blink command.
const int identifyDelayMs = 2000;
const uint32_t identifyBlinks = 6;

} // namespace

IdentifyController::IdentifyController(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &IdentifyController::finished);
}

IdentifyController::~IdentifyController()
{
    m_watcher.waitForFinished();
}

bool IdentifyController::start(uint32_t deviceId)
{
    if (isRunning())
        return false;
    m_watcher.setFuture(QtConcurrent::run([deviceId] {
        const vyrokit::ScopedCameraHandle opened(deviceId);
        if (!opened.isOpen())
            return;
        QThread::msleep(identifyDelayMs);
        uint32_t blinks = identifyBlinks;
        vy_IO(opened.handle(), VY_IO_LED_BLINK, &blinks, sizeof(blinks));
    }));
    return true;
}

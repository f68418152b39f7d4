// firmwareuploadcontroller.cpp: the uploads' pool tasks and their progress dialog.
#include "zentara/shell/firmwareuploadcontroller.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent>

#include "sdk/vyro_api.h"
#include "vyrokit/sdkerror.h"
#include "zentara/devinfo/uncancellableprogressdialog.h"
#include "zentara/shell/firmwareupload.h"

namespace {

const int uploadTickMs = 1000;

} // namespace

FirmwareUploadController::FirmwareUploadController(QWidget *window)
    : QObject(window), m_window(window)
{
}

FirmwareUploadController::~FirmwareUploadController()
{
    m_uploads.waitForFinished();
}

bool FirmwareUploadController::start(uint32_t deviceId, int seconds)
{
    // A second open with the upload permission would fail while the first one uploads.
    if (m_uploading.contains(deviceId))
        return false;
    m_uploading.insert(deviceId);
    if (!m_progress)
        showProgress(seconds);

    auto *watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher, deviceId] {
        const Outcome outcome = watcher->result();
        watcher->deleteLater();
        m_uploading.remove(deviceId);
        if (m_uploading.isEmpty()) {
            m_uploads.clearFutures();
            m_progress->setValue(m_progress->maximum());
            m_progress->deleteLater();
            m_progress = nullptr;
        }
        emit finished(deviceId, outcome.result, outcome.message);
    });
    const QFuture<Outcome> future = QtConcurrent::run([deviceId] {
        Outcome outcome;
        outcome.result = FirmwareUpload::run(deviceId);
        // The SDK keeps its last error per thread: the text is taken here, on the upload's.
        if (outcome.result != VY_SUCCESS)
            outcome.message = vyrokit::SdkError::text(VY_DRIVER_HANDLE, outcome.result);
        return outcome;
    });
    watcher->setFuture(future);
    m_uploads.addFuture(future);
    return true;
}

void FirmwareUploadController::showProgress(int seconds)
{
    m_progress = new UncancellableProgressDialog(m_window);
    m_progress->setObjectName(QStringLiteral("firmwareUploadProgress"));
    m_progress->setLabelText(tr("Uploading firmware...\n\nPlease don't disconnect the device "
                                "until this operation is completed.\nThis may take up to %1 "
                                "seconds.")
                                 .arg(seconds));
    m_progress->setRange(0, seconds);
    m_progress->setValue(0);
    m_progress->show();
    auto *tick = new QTimer(m_progress);
    connect(tick, &QTimer::timeout, m_progress, [progress = m_progress] {
        // The bar never reaches its end by itself: only the finished upload fills it.
        if (progress->value() < progress->maximum() - 1)
            progress->setValue(progress->value() + 1);
    });
    tick->start(uploadTickMs);
}

// firmwareuploadcontroller.h: starter firmware uploads, each on a pool thread, under one progress
// dialog.
#ifndef ZENTARA_SHELL_FIRMWAREUPLOADCONTROLLER_H
#define ZENTARA_SHELL_FIRMWAREUPLOADCONTROLLER_H

#include <QFutureSynchronizer>
#include <QObject>
#include <QSet>
#include <QString>

#include <cstdint>

class QProgressDialog;
class QWidget;

// Runs FirmwareUpload on a pool thread per camera, one upload per camera at a time. While any
// upload runs, a progress dialog that cannot be cancelled blocks the window: cut short, an
// upload would leave the camera without a starter firmware. For the same reason the destructor
// waits for every upload.
class FirmwareUploadController final : public QObject
{
    Q_OBJECT
public:
    // The progress dialog shows over window.
    explicit FirmwareUploadController(QWidget *window);
    ~FirmwareUploadController() override;

    // Starts the upload to the camera, which may take up to seconds; false while one runs for it.
    bool start(uint32_t deviceId, int seconds);
    bool isRunning() const { return !m_uploading.isEmpty(); }

signals:
    // result is VY_SUCCESS or the SDK's code, message the SDK's text for it. When the last
    // upload has ended, its progress dialog is gone before the signal.
    void finished(uint32_t deviceId, int result, const QString &message);

private:
    struct Outcome
    {
        int result = 0;
        QString message;
    };

    void showProgress(int seconds);

    QWidget *m_window;
    QProgressDialog *m_progress = nullptr;
    QSet<uint32_t> m_uploading;
    QFutureSynchronizer<Outcome> m_uploads;
};

#endif // ZENTARA_SHELL_FIRMWAREUPLOADCONTROLLER_H

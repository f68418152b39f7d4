// identifycontroller.h: a camera's LED made to blink, off the GUI thread.
#ifndef ZENTARA_SHELL_IDENTIFYCONTROLLER_H
#define ZENTARA_SHELL_IDENTIFYCONTROLLER_H

#include <QFutureWatcher>
#include <QObject>

#include <cstdint>

// Opens the camera, waits the moment it needs and makes its LED blink, on a pool thread; one
// identification at a time. The destructor waits for a running one.
class IdentifyController final : public QObject
{
    Q_OBJECT
public:
    explicit IdentifyController(QObject *parent = nullptr);
    ~IdentifyController() override;

    // Starts identifying the camera; false while an identification runs.
    bool start(uint32_t deviceId);
    bool isRunning() const { return m_watcher.isRunning(); }

signals:
    void finished();

private:
    QFutureWatcher<void> m_watcher;
};

#endif // ZENTARA_SHELL_IDENTIFYCONTROLLER_H

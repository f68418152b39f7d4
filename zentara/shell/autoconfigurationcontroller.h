// autoconfigurationcontroller.h: the automatic network configuration of a camera, on a pool
// thread under a progress dialog.
#ifndef ZENTARA_SHELL_AUTOCONFIGURATIONCONTROLLER_H
#define ZENTARA_SHELL_AUTOCONFIGURATIONCONTROLLER_H

#include <QFutureWatcher>
#include <QObject>

#include "zentara/shell/autoconfiguration.h"

class QProgressDialog;
class QWidget;

// Runs AutoConfiguration for one camera at a time while a window-modal progress dialog without
// a cancel button shows over the window. The destructor waits for a running configuration.
class AutoConfigurationController final : public QObject
{
    Q_OBJECT
public:
    // The progress dialog shows over window.
    explicit AutoConfigurationController(QWidget *window);
    ~AutoConfigurationController() override;

    // Starts configuring the camera that input describes; false while a configuration runs.
    bool start(const AutoConfiguration::Input &input);
    bool isRunning() const { return m_watcher.isRunning(); }
    // What the last configuration was started with.
    const AutoConfiguration::Input &input() const { return m_input; }

signals:
    // result is one of AutoConfiguration's results; the progress dialog is gone.
    void finished(int result);

private:
    QWidget *m_window;
    QProgressDialog *m_progress = nullptr;
    AutoConfiguration::Input m_input;
    QFutureWatcher<int> m_watcher;
};

#endif // ZENTARA_SHELL_AUTOCONFIGURATIONCONTROLLER_H

// autoconfigurationcontroller.cpp: the configuration's pool task and its progress dialog.
#include "zentara/shell/autoconfigurationcontroller.h"

#include <QProgressDialog>
#include <QtConcurrent>

AutoConfigurationController::AutoConfigurationController(QWidget *window)
    : QObject(window), m_window(window)
{
    connect(&m_watcher, &QFutureWatcher<int>::finished, this, [this] {
        if (m_progress) {
            m_progress->hide();
            m_progress->deleteLater();
            m_progress = nullptr;
        }
        emit finished(m_watcher.result());
    });
}

AutoConfigurationController::~AutoConfigurationController()
{
    m_watcher.waitForFinished();
}

bool AutoConfigurationController::start(const AutoConfiguration::Input &input)
{
    if (isRunning())
        return false;
    m_progress = new QProgressDialog(m_window);
    m_progress->setObjectName(QStringLiteral("autoConfigProgress"));
    m_progress->setLabelText(tr("Setting autoconfiguration. Please wait...\n\nThis operation "
                                "may take up to 10 seconds."));
    m_progress->setCancelButton(nullptr);
    m_progress->setRange(0, 1);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setValue(0);
    m_progress->show();
    m_input = input;
    m_watcher.setFuture(QtConcurrent::run([input] { return AutoConfiguration::run(input); }));
    return true;
}

// zentara_probe.cpp: zentara's start-up as the program runs it, reporting at exit how many
// calls this process made into the simulated library ("sdk-calls=N" on standard error). With
// ZENTARA_EXIT_AFTER_SHOW set it quits once the main window has painted itself.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "sdk/sim/vyro_sim.h"
#include "zentara/shell/startup.h"

namespace {

void reportCalls()
{
    std::fprintf(stderr, "sdk-calls=%u\n", vysim_log_count());
}

// Watches every object of the application: the first paint of a top-level window ends the
// event loop, so the start-up runs unchanged up to its first picture.
class QuitAfterFirstPaint final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // Touching the log first makes it outlive this exit handler.
    vysim_log_count();
    std::atexit(reportCalls);
    Startup::initResources();
    QApplication app(argc, argv);
    QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIsSet("ZENTARA_EXIT_AFTER_SHOW"))
        app.installEventFilter(&quitter);
    return Startup::run(app, QApplication::arguments());
}

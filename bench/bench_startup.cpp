// bench_startup.cpp: zentara's start-up, from process start to the main window shown, on the
// default simulated world (offscreen, with settings and simulator state of its own). Each run
// is a new process of this program that goes through zentara's start-up and quits after the
// window's first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "zentara/shell/startup.h"

extern char **environ;

namespace {

// The first argument that turns this program into one start-up of zentara.
const char ChildFlag[] = "--zentara-child";

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

// zentara's main() with the quitter in place; argv[0] is the program name zentara would see.
int runChild(int argc, char *argv[])
{
    Startup::initResources();
    QApplication app(argc, argv);
    QuitAfterFirstPaint quitter;
    app.installEventFilter(&quitter);
    return Startup::run(app, QApplication::arguments());
}

std::string selfPath()
{
    char self[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    return std::string(self, n > 0 ? size_t(n) : 0);
}

std::string scratchDir()
{
    static std::string dir = [] {
        char pattern[] = "/tmp/bench_startup.XXXXXX";
        const char *made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return dir;
}

// Runs zentara's start-up once in a new process with arguments; returns its exit status, or -1
// when it could not start.
int runZentara(const std::vector<std::string> &arguments)
{
    const std::string program = selfPath();
    std::string flag = ChildFlag;
    std::string name = "zentara";
    std::vector<char *> argv{const_cast<char *>(program.c_str()), flag.data(), name.data()};
    for (const auto &a : arguments)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("VYRO_SIM_HOME=", 0) != 0 &&
            entry.rfind("XDG_CONFIG_HOME=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("VYRO_SIM_HOME=" + scratchDir() + "/sim");
    env.push_back("XDG_CONFIG_HOME=" + scratchDir() + "/config");
    std::vector<char *> envp;
    for (auto &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void BM_StartupToMainWindow(benchmark::State &state)
{
    // One unmeasured run creates the simulator state so every measured run finds it ready.
    if (runZentara({}) != 0) {
        state.SkipWithError("zentara did not start and quit cleanly");
        return;
    }
    for (auto _ : state) {
        if (runZentara({}) != 0) {
            state.SkipWithError("zentara failed");
            break;
        }
    }
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The floor: the same process started and ended by the command-line parser, before any window
// or library call.
void BM_StartupVersionOnly(benchmark::State &state)
{
    for (auto _ : state) {
        if (runZentara({"--version"}) != 0) {
            state.SkipWithError("zentara --version failed");
            break;
        }
    }
}
BENCHMARK(BM_StartupVersionOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], ChildFlag) == 0)
        return runChild(argc - 2, argv + 2);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

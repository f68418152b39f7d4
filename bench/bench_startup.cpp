// bench_startup.cpp: zentara's start-up, from process start to the main window shown, on the
// default simulated world (offscreen, with settings and simulator state of its own).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// zentara lies next to this program in the build's bin folder.
std::string zentaraPath()
{
    char self[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof(self) - 1);
    std::string path(self, n > 0 ? size_t(n) : 0);
    return path.substr(0, path.rfind('/') + 1) + "zentara";
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

// Runs zentara once with arguments; returns its exit status, or -1 when it could not start.
int runZentara(const std::vector<std::string> &arguments, bool exitAfterShow)
{
    const std::string program = zentaraPath();
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const auto &a : arguments)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("VYRO_SIM_HOME=", 0) != 0 &&
            entry.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
            entry.rfind("ZENTARA_EXIT_AFTER_SHOW=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("VYRO_SIM_HOME=" + scratchDir() + "/sim");
    env.push_back("XDG_CONFIG_HOME=" + scratchDir() + "/config");
    if (exitAfterShow)
        env.push_back("ZENTARA_EXIT_AFTER_SHOW=1");
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
    if (runZentara({}, true) != 0) {
        state.SkipWithError("zentara did not start and quit cleanly");
        return;
    }
    for (auto _ : state) {
        if (runZentara({}, true) != 0) {
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
        if (runZentara({"--version"}, false) != 0) {
            state.SkipWithError("zentara --version failed");
            break;
        }
    }
}
BENCHMARK(BM_StartupVersionOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();

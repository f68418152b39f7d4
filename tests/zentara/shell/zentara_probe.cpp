// zentara_probe.cpp: zentara's start-up as the program runs it, reporting at exit how many
// calls this process made into the simulated library ("sdk-calls=N" on standard error).
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "sdk/sim/vyro_sim.h"
#include "zentara/shell/startup.h"

namespace {

void reportCalls()
{
    std::fprintf(stderr, "sdk-calls=%u\n", vysim_log_count());
}

} // namespace

int main(int argc, char *argv[])
{
    // Touching the log first makes it outlive this exit handler.
    vysim_log_count();
    std::atexit(reportCalls);
    Startup::initResources();
    QApplication app(argc, argv);
    return Startup::run(app, QApplication::arguments());
}

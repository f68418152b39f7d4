// systempaths.h: where the programs find the system's files and programs, relocatable for tests
// and the simulated installation.
#ifndef VYROKIT_SYSTEMPATHS_H
#define VYROKIT_SYSTEMPATHS_H

#include <QString>

namespace vyrokit {

// The one place that turns a system path or program name into the one to use.
//
// A real installation uses the real paths. When the environment variable VYRO_SYSROOT names a
// directory, every absolute system path is looked up below it instead: path("/sys/bus/usb/devices")
// gives "$VYRO_SYSROOT/sys/bus/usb/devices". Tests and the simulated installation point it at a
// tree of their own (vyrosim writes one with "vyrosim sysroot <dir>"), so that nothing reads the
// machine's own files. A bare program name is looked up in the root's /usr/local/sbin,
// /usr/local/bin, /usr/sbin, /usr/bin, /sbin and /bin first (where the simulated installation
// keeps its systemctl, pkexec, ping and report generator), then in PATH as usual; an absolute
// program path is relocated like any other path.
//
// The variable is read on every call, so a test may set it before it acts. Safe to call from
// any thread as long as nobody changes the environment at the same time.
class SystemPaths final
{
public:
    SystemPaths() = delete;

    // The name of the environment variable that relocates system paths.
    static const char *rootVariable();

    // The root that system paths are relocated to, as an absolute path without a trailing
    // "/"; empty when system paths are used as they are.
    static QString root();

    // The path to read for the absolute system path systemPath. A relative path is returned
    // unchanged.
    static QString path(const QString &systemPath);

    // The program to start for program: a bare name is searched in the root's program
    // directories, then in PATH (empty when not found); an absolute path is relocated like path().
    static QString program(const QString &program);
};

} // namespace vyrokit

#endif // VYROKIT_SYSTEMPATHS_H

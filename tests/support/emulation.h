// emulation.h: what a test does when the armhf suite runs under user-mode emulation.
#ifndef TESTS_SUPPORT_EMULATION_H
#define TESTS_SUPPORT_EMULATION_H

#include <QtGlobal>

namespace Emulation {

// True when the suite runs under an emulator (make cross-test sets VYRO_EMULATED to its name).
inline bool active()
{
    return qEnvironmentVariableIsSet("VYRO_EMULATED");
}

} // namespace Emulation

// Skips the current test function under emulation only, saying why; natively it runs.
#define VYRO_SKIP_UNDER_EMULATION(reason)                                                          \
    do {                                                                                           \
        if (Emulation::active())                                                                   \
            QSKIP("not under emulation: " reason);                                                 \
    } while (false)

#endif // TESTS_SUPPORT_EMULATION_H

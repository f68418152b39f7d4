// consoleoptions.h: the command-line options a program answers on the terminal alone.
#ifndef VYROKIT_CONSOLEOPTIONS_H
#define VYROKIT_CONSOLEOPTIONS_H

namespace vyrokit {

class ConsoleOptions final
{
public:
    ConsoleOptions() = delete;

    // True when the arguments ask for help or the version. Such a request needs no window, so
    // the program answers it before any GUI exists and it works over SSH without a display.
    static bool askForTextOnly(int argc, const char *const *argv);
};

} // namespace vyrokit

#endif // VYROKIT_CONSOLEOPTIONS_H

// consoleoptions.cpp: recognising help and version requests before the application exists.
#include "vyrokit/consoleoptions.h"

#include <cstring>

namespace vyrokit {

bool ConsoleOptions::askForTextOnly(int argc, const char *const *argv)
{
    // The names QCommandLineParser's help and version options answer to.
    static const char *const names[] = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc && argv[i]; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *name : names) {
            if (std::strcmp(argv[i], name) == 0)
                return true;
        }
    }
    return false;
}

} // namespace vyrokit

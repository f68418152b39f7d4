// privileges.cpp: the process's user ID, or the answer a test fixed.
#include "vyrokit/privileges.h"

#include <unistd.h>

namespace vyrokit {

namespace {

std::optional<bool> &rootOverride()
{
    static std::optional<bool> value;
    return value;
}

} // namespace

bool Privileges::isRoot()
{
    if (rootOverride())
        return *rootOverride();
    return getuid() == 0;
}

void Privileges::setRootOverride(std::optional<bool> root)
{
    rootOverride() = root;
}

} // namespace vyrokit

// privileges.h: whether the process may do what needs the superuser.
#ifndef VYROKIT_PRIVILEGES_H
#define VYROKIT_PRIVILEGES_H

#include <optional>

namespace vyrokit {

class Privileges final
{
public:
    Privileges() = delete;

    // True when the process runs with user ID 0, unless an override is set.
    static bool isRoot();
    // Makes isRoot() answer a fixed value (tests, which may well run as root); nullopt goes
    // back to the process's user ID. GUI thread only.
    static void setRootOverride(std::optional<bool> root);
};

} // namespace vyrokit

#endif // VYROKIT_PRIVILEGES_H

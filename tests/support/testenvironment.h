// testenvironment.h: keeps every test program away from the user's own settings, data and
// simulator state, also when it is started by hand outside CTest.
#ifndef TESTS_SUPPORT_TESTENVIRONMENT_H
#define TESTS_SUPPORT_TESTENVIRONMENT_H

#include <QString>

class TestEnvironment final
{
public:
    TestEnvironment() = delete;

    // Points the simulator (unless the test runner chose its state directory), the settings
    // store and the XDG locations at a private temporary directory. Runs before the
    // application object, the first SDK call and the first QSettings; calling it again does
    // nothing.
    static void isolate();

    // The private directory of this process; empty before isolate().
    static QString directory();
};

#endif // TESTS_SUPPORT_TESTENVIRONMENT_H

// testmain.h: the main functions of the test programs: QTEST_MAIN and QTEST_GUILESS_MAIN with
// the isolation of TestEnvironment done first.
#ifndef TESTS_SUPPORT_TESTMAIN_H
#define TESTS_SUPPORT_TESTMAIN_H

#include <QApplication>
#include <QCoreApplication>
#include <QtTest>

#include "tests/support/testenvironment.h"

// prepare runs first of all, while the process has one thread.
#define VYRO_TEST_MAIN_PREPARED(TestObject, prepare)                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepare;                                                                                   \
        TestEnvironment::isolate();                                                                \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define VYRO_TEST_MAIN(TestObject) VYRO_TEST_MAIN_PREPARED(TestObject, (void)0)

#define VYRO_TEST_GUILESS_MAIN(TestObject)                                                         \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestEnvironment::isolate();                                                                \
        QCoreApplication app(argc, argv);                                                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#endif // TESTS_SUPPORT_TESTMAIN_H

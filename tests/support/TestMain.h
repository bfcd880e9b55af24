#pragma once
// main() for the suites: the program's own application object, offscreen.
#include "platform/ShellApplication.h"
#include "tests/support/TestDatabase.h"
#include <QTest>

#define SHELL_TEST_MAIN(TestClass)                                   \
    int main(int argc, char** argv)                                  \
    {                                                                \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM")); \
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                 \
        ShellApplication::prepare();                                 \
        ShellApplication app(argc, argv);                            \
        enterSampleCourse();                                         \
        TestClass tc;                                                \
        return QTest::qExec(&tc, argc, argv);                        \
    }

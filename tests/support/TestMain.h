// SPDX-License-Identifier: MIT
#pragma once
// Like QTEST_MAIN, but with the program's own application object, so that
// errors escaping a handler reach the (fake) error box as in the program.

#include "platform/Application.h"
#include <QtTest>

#define QUINDLE_TEST_MAIN(TestObject)                                                  \
    int main(int argc, char **argv)                                                    \
    {                                                                                  \
        QuindleApplication app(argc, argv);                                            \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                       \
        TestObject test;                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                     \
        return QTest::qExec(&test, argc, argv);                                        \
    }

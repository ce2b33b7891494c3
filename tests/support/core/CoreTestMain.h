// main() of the tests of pure logic: a GUI application without windows (the
// report engine needs fonts and painters), the program's number and date
// formats, and none of the window libraries linked.
#pragma once

#include "base/core/Formats.h"

#include <QGuiApplication>
#include <QtTest>

#define SELVORA_CORE_TEST_MAIN(TestObject)                                                                             \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QGuiApplication app(argc, argv);                                                                               \
        app.setApplicationName(QStringLiteral("Selvora"));                                                             \
        Formats::apply();                                                                                              \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }

// Start-up: a fresh process from its start to the login window on screen,
// linked and started like the program, beside a fresh process of a
// one-window Qt Widgets program, alternately in the same run.
#include "Bench.h"

#include <cstdio>

#ifndef SELVORA_PROGRAM_DIR
#define SELVORA_PROGRAM_DIR ""
#endif

SELVORA_BENCHMARK("startup: process start to login window shown")
{
    const QString probe = Bench::siblingProgram(QStringLiteral("selvora_startup_probe"));
    const QString plain = Bench::siblingProgram(QStringLiteral("selvora_startup_baseline"));
    const QString folder = QStringLiteral(SELVORA_PROGRAM_DIR) + QLatin1Char('/');
    if (!Bench::runProgram(probe, {folder}) || !Bench::runProgram(plain, {})) {
        std::printf("  the start-up probes do not run\n");
        return;
    }
    Bench::compare(QStringLiteral("startup"), QStringLiteral("process start to login window shown"),
                   [&] { Bench::runProgram(probe, {folder}); },
                   {QStringLiteral("one-window Qt program"), [&] { Bench::runProgram(plain, {}); }});
}

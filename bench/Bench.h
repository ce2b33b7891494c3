// The benchmark program's registry: each bench file registers its
// measurements by name, and main() runs them all (or those named on the
// command line) and prints their figures.
#pragma once

#include <QString>

#include <functional>

namespace Bench {

using Function = std::function<void()>;

// Adds a measurement; returns true so it can initialise a static.
bool registerBenchmark(const char* name, Function function);

// Milliseconds taken by fn, the best of repeat runs.
double timeMs(const Function& fn, int repeat = 3);

// Prints one figure: "  label  12.3 ms" and, given a reference, the ratio.
void report(const QString& label, double ms, double referenceMs = 0.0);

// Reads a file from start to end in 4 MB blocks and returns the bytes read:
// the plain sequential read every figure is compared with.
qint64 plainRead(const QString& path);

// The child side of the start-up measurement (bench_startup.cpp).
int startupChild(int argc, char** argv);

} // namespace Bench

#define SELVORA_BENCH_CONCAT2(a, b) a##b
#define SELVORA_BENCH_CONCAT(a, b) SELVORA_BENCH_CONCAT2(a, b)
// SELVORA_BENCHMARK("name") { ...body... }
#define SELVORA_BENCHMARK(name)                                                                                        \
    static void SELVORA_BENCH_CONCAT(benchBody_, __LINE__)();                                                          \
    static const bool SELVORA_BENCH_CONCAT(benchRegistered_, __LINE__) =                                               \
        Bench::registerBenchmark(name, &SELVORA_BENCH_CONCAT(benchBody_, __LINE__));                                   \
    static void SELVORA_BENCH_CONCAT(benchBody_, __LINE__)()

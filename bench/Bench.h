// The benchmark program's shared parts: the registry of measurements, the
// figure table (each figure beside a baseline measured in the same run, with
// the ratio, printed and written by --json), the baselines, and the generated
// archives and sessions that every figure reuses.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Bench {

using Function = std::function<void()>;

// Adds a measurement; returns true so it can initialise a static.
bool registerBenchmark(const char* name, Function function);

// --- figures ---------------------------------------------------------------------

// What a figure is compared with: its name in the table and how to run it.
struct Baseline
{
    QString name;
    Function run;
};

// One row of the table and one object of the --json file.
struct Figure
{
    QString figure; // stable name: "search.nofilter.100k"
    QString label; // for people: what the program does
    double projectMs = 0.0;
    QString baseline;
    double baselineMs = 0.0;
    double ratio() const { return baselineMs > 0 ? projectMs / baselineMs : 0.0; }
};

// The one call a figure needs: runs project and baseline alternately,
// repeat times each, and adds the figure with both medians to the table.
// project is whatever the user waits for (window opened, filled and laid
// out); the baseline does the same job with plain tools.
void compare(const QString& figure, const QString& label, const Function& project, const Baseline& baseline,
             int repeat = 5);
// Adds a figure measured some other way.
void addFigure(const Figure& figure);
// The figures so far, in the order they were added.
const QList<Figure>& figures();

// Median milliseconds of repeat runs of fn.
double medianMs(const Function& fn, int repeat = 5);

// --- baselines -------------------------------------------------------------------

// `grep -a -c -i -F needle path` run as a process to its end.
Baseline grep(const QString& needle, const QString& path);
// `cp path <temporary file>` run as a process to its end.
Baseline copy(const QString& path);
// Runs a program with the benchmark's environment, output discarded, and
// waits for its end; false when it cannot start or does not end with 0.
bool runProgram(const QString& program, const QStringList& arguments);
// A program built beside the benchmark (the start-up probes).
QString siblingProgram(const QString& name);

// --- shared data -----------------------------------------------------------------

// The run's temporary folder, removed at the end.
QString workFolder();
// A program folder holding a generated candidate archive of `cards` cards,
// made once per run; the archive has every field filled, accented names,
// 20 surnames x 10 names, 20 towns, 7 sectors and one card in ten flagged
// for recontact.
QString candidateFolder(int cards);
// A generated session file of `cards` interview cards, made once per run
// (one card in ten without a score, some scores unnormalised).
QString sessionFile(int cards);
// n summary lines as the lists show them (names repeat, some lines equal,
// some accented).
QStringList summaryLines(int n);
// "100k", "300k", "10k".
QString thousands(int n);

// --- older helpers (a figure without a baseline, or printed only) ---------------

// Milliseconds taken by fn, the best of repeat runs.
double timeMs(const Function& fn, int repeat = 3);
// Prints one measurement: "  label  12.3 ms" and, given a reference, the
// ratio. Not part of the figure table.
void report(const QString& label, double ms, double referenceMs = 0.0);
// Reads a file from start to end in 4 MB blocks and returns the bytes read.
qint64 plainRead(const QString& path);

} // namespace Bench

#define SELVORA_BENCH_CONCAT2(a, b) a##b
#define SELVORA_BENCH_CONCAT(a, b) SELVORA_BENCH_CONCAT2(a, b)
// SELVORA_BENCHMARK("name") { ...body... }
#define SELVORA_BENCHMARK(name)                                                                                        \
    static void SELVORA_BENCH_CONCAT(benchBody_, __LINE__)();                                                          \
    static const bool SELVORA_BENCH_CONCAT(benchRegistered_, __LINE__) =                                               \
        Bench::registerBenchmark(name, &SELVORA_BENCH_CONCAT(benchBody_, __LINE__));                                   \
    static void SELVORA_BENCH_CONCAT(benchBody_, __LINE__)()

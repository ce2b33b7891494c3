// The benchmark program: runs every registered measurement, or only those
// whose names contain one of the words given on the command line, prints
// each figure beside its same-run baseline and the ratio, and with
// "--json FILE" writes the figures for machines to read. Runs headless
// unless a display platform is chosen.
#include "Bench.h"

#include "app/ui/Application.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

std::vector<std::pair<QString, Bench::Function>>& registry()
{
    static std::vector<std::pair<QString, Bench::Function>> list;
    return list;
}

QList<Bench::Figure>& table()
{
    static QList<Bench::Figure> list;
    return list;
}

double elapsedMs(const Bench::Function& fn)
{
    QElapsedTimer timer;
    timer.start();
    fn();
    return timer.nsecsElapsed() / 1e6;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2.0;
}

QString row(const Bench::Figure& f)
{
    return QStringLiteral("  %1 %2 %3  x%4  %5 | %6")
        .arg(f.figure.leftJustified(26, QLatin1Char(' ')))
        .arg(f.projectMs, 10, 'f', 1)
        .arg(f.baselineMs, 10, 'f', 1)
        .arg(f.ratio(), 5, 'f', 2)
        .arg(f.baseline.leftJustified(40, QLatin1Char(' ')), f.label);
}

QString header()
{
    return QStringLiteral("  %1 %2 %3  %4  %5 | %6")
        .arg(QStringLiteral("figure").leftJustified(26, QLatin1Char(' ')))
        .arg(QStringLiteral("project ms"), 10)
        .arg(QStringLiteral("base ms"), 10)
        .arg(QStringLiteral(" ratio"))
        .arg(QStringLiteral("baseline").leftJustified(40, QLatin1Char(' ')), QStringLiteral("what is measured"));
}

void printLine(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

bool writeJson(const QString& path)
{
    QJsonArray list;
    for (const Bench::Figure& f : table()) {
        QJsonObject o;
        o.insert(QStringLiteral("figure"), f.figure);
        o.insert(QStringLiteral("project_ms"), f.projectMs);
        o.insert(QStringLiteral("baseline"), f.baseline);
        o.insert(QStringLiteral("baseline_ms"), f.baselineMs);
        o.insert(QStringLiteral("ratio"), f.ratio());
        list.append(o);
    }
    const QByteArray bytes = QJsonDocument(list).toJson(QJsonDocument::Indented);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

namespace Bench {

bool registerBenchmark(const char* name, Function function)
{
    registry().emplace_back(QString::fromUtf8(name), std::move(function));
    return true;
}

double medianMs(const Function& fn, int repeat)
{
    QList<double> times;
    for (int i = 0; i < qMax(1, repeat); ++i)
        times.append(elapsedMs(fn));
    return median(times);
}

void compare(const QString& figure, const QString& label, const Function& project, const Baseline& baseline, int repeat)
{
    // Alternated, so that a busy moment of the machine weighs on both.
    QList<double> projectTimes;
    QList<double> baselineTimes;
    for (int i = 0; i < qMax(1, repeat); ++i) {
        projectTimes.append(elapsedMs(project));
        baselineTimes.append(elapsedMs(baseline.run));
    }
    addFigure({figure, label, median(projectTimes), baseline.name, median(baselineTimes)});
}

void addFigure(const Figure& figure)
{
    table().append(figure);
    printLine(row(figure));
}

const QList<Figure>& figures()
{
    return table();
}

bool runProgram(const QString& program, const QStringList& arguments)
{
    QList<QByteArray> args;
    args.append(QFile::encodeName(program));
    for (const QString& a : arguments)
        args.append(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QString siblingProgram(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

Baseline grep(const QString& needle, const QString& path)
{
    // grep -c ends with 1 when nothing matches: the exit code is not checked.
    return {QStringLiteral("grep -a -c -i -F '%1'").arg(needle), [needle, path] {
                runProgram(QStringLiteral("grep"),
                           {QStringLiteral("-a"), QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-F"),
                            needle, path});
            }};
}

Baseline copy(const QString& path)
{
    const QString target = workFolder() + QStringLiteral("/copy.bin");
    return {QStringLiteral("cp of the archive"), [path, target] {
                QFile::remove(target);
                runProgram(QStringLiteral("cp"), {path, target});
            }};
}

QString thousands(int n)
{
    return n % 1000 == 0 ? QString::number(n / 1000) + QLatin1Char('k') : QString::number(n);
}

// --- older helpers ---------------------------------------------------------------

double timeMs(const Function& fn, int repeat)
{
    double best = -1;
    for (int i = 0; i < qMax(1, repeat); ++i) {
        const double ms = elapsedMs(fn);
        if (best < 0 || ms < best)
            best = ms;
    }
    return best;
}

void report(const QString& label, double ms, double referenceMs)
{
    QString line = QStringLiteral("  %1 %2 ms").arg(label.leftJustified(58, QLatin1Char(' '))).arg(ms, 9, 'f', 2);
    if (referenceMs > 0)
        line += QStringLiteral("   (x%1 of the baseline)").arg(ms / referenceMs, 0, 'f', 1);
    printLine(line);
}

qint64 plainRead(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QByteArray block(4 * 1024 * 1024, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 n = file.read(block.data(), block.size());
        if (n <= 0)
            break;
        total += n;
    }
    return total;
}

} // namespace Bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SelvoraApplication app(argc, argv);
    AppSetup::apply(app);

    QStringList wanted = app.arguments().mid(1);
    QString jsonPath;
    const qsizetype json = wanted.indexOf(QStringLiteral("--json"));
    if (json >= 0) {
        if (json + 1 >= wanted.size()) {
            std::fprintf(stderr, "usage: selvora_bench [--json FILE] [word...]\n");
            return 2;
        }
        jsonPath = wanted.at(json + 1);
        wanted.remove(json, 2);
    }

    printLine(QStringLiteral("Medians of 5 runs, project and baseline alternately; best of 3 of each for the long jobs "
                             "(sheets, duplicates, official ranking). Baselines measured in the same run."));
    printLine(header());
    for (const auto& [name, fn] : registry()) {
        bool run = wanted.isEmpty();
        for (const QString& w : wanted)
            run = run || name.contains(w, Qt::CaseInsensitive);
        if (!run)
            continue;
        printLine(name);
        fn();
    }

    printLine(QString());
    printLine(QStringLiteral("Summary"));
    printLine(header());
    for (const Bench::Figure& f : table())
        printLine(row(f));

    if (!jsonPath.isEmpty() && !writeJson(jsonPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(jsonPath));
        return 1;
    }
    return 0;
}

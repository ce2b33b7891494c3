// The benchmark program: runs every registered measurement, or only those
// whose names contain one of the words given on the command line. Runs
// headless unless a display platform is chosen.
#include "Bench.h"

#include "app/ui/Application.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<QString, Bench::Function>>& registry()
{
    static std::vector<std::pair<QString, Bench::Function>> list;
    return list;
}
} // namespace

namespace Bench {

bool registerBenchmark(const char* name, Function function)
{
    registry().emplace_back(QString::fromUtf8(name), std::move(function));
    return true;
}

double timeMs(const Function& fn, int repeat)
{
    double best = -1;
    for (int i = 0; i < qMax(1, repeat); ++i) {
        QElapsedTimer timer;
        timer.start();
        fn();
        const double ms = timer.nsecsElapsed() / 1e6;
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
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
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
    // The start-up measurement runs this program again as a child that starts
    // like the real program, shows its first window and ends at once.
    if (argc >= 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return Bench::startupChild(argc, argv);
    SelvoraApplication app(argc, argv);
    AppSetup::apply(app);
    const QStringList wanted = app.arguments().mid(1);
    for (const auto& [name, fn] : registry()) {
        bool run = wanted.isEmpty();
        for (const QString& w : wanted)
            run = run || name.contains(w, Qt::CaseInsensitive);
        if (!run)
            continue;
        std::printf("%s\n", qPrintable(name));
        std::fflush(stdout);
        fn();
    }
    return 0;
}

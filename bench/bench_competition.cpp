// The merit ranking of a competition of 10,000 candidates over four sessions
// (two written tests, an oral test, the qualifications), beside a plain read
// of the same four files.
#include "Bench.h"

#include "base/core/Clock.h"
#include "competition/core/CompetitionStore.h"
#include "sessions/core/SchedaColloquio.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A valid fiscal code for person i: letters from i, a birth date that
// repeats (so that ages break some ties and not others), Rome.
QString code(int i)
{
    QString letters;
    for (int k = 0, v = i; k < 6; ++k, v /= 26)
        letters += QChar('A' + v % 26);
    const QString first15 = letters + QStringLiteral("%1").arg(60 + i % 40, 2, 10, QLatin1Char('0')) +
        QChar("ABCDEHLMPRST"[i % 12]) + QStringLiteral("%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')) +
        QStringLiteral("H501");
    return first15 + FiscalCodeCheckLetter::carattereDiControllo(first15);
}

// Each session holds every person in its own order; one in twenty has no
// code (matched by name and flagged), one in fifteen falls under the pass
// mark of the first written test, scores tie often.
bool writeSession(const QString& path, int people, int test)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int n = 0; n < people; ++n) {
        const int i = int((qint64(n) * 7919 + test * 31) % people);
        TSchedaColloquio rec;
        rec.Candidato = QStringLiteral("Candidato %1").arg(i);
        rec.CodiceFiscale = i % 20 == 19 ? QString() : code(i);
        const int points = test == 3 ? i % 10 : 18 + (i * (test + 3)) % 12;
        rec.Punteggio = QStringLiteral("%1,%2").arg(points).arg((i % 4) * 25, 2, 10, QLatin1Char('0'));
        rec.Idoneo = QStringLiteral("Sì");
        const QByteArray bytes = rec.encode();
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.flush();
}

} // namespace

SELVORA_BENCHMARK("competition: merit ranking of 10,000 candidates over four sessions")
{
    QTemporaryDir dir;
    Competition c;
    c.name = QStringLiteral("Bench");
    c.posts = 50;
    c.reserves = {{QStringLiteral("Interni"), 0, 20}};
    c.preferenceTitles = CompetitionRules::defaultPreferenceTitles();
    const QList<CompetitionTest::Role> roles {CompetitionTest::Role::Written, CompetitionTest::Role::Written,
                                              CompetitionTest::Role::Oral, CompetitionTest::Role::Titles};
    QStringList paths;
    for (int t = 0; t < 4; ++t) {
        CompetitionTest test;
        test.session = QStringLiteral("Prova %1.vai").arg(t + 1);
        test.role = roles.at(t);
        test.maximum = t == 3 ? 1000 : 3000;
        test.passMark = t == 3 ? -1 : 2100;
        c.tests.append(test);
        paths << dir.filePath(test.session);
        if (!writeSession(paths.last(), 10000, t)) {
            std::printf("  cannot write the session files\n");
            return;
        }
    }
    for (int i = 0; i < 10000; i += 37)
        c.facts[code(i)] = {{c.preferenceTitles.value(i % 5)}, i % 3, {i % 2 ? QStringLiteral("Interni") : QString()}};

    const double read = Bench::timeMs(
        [&] {
            for (const QString& p : paths)
                Bench::plainRead(p);
        },
        5);
    Bench::report(QStringLiteral("plain read of the four session files"), read);
    int ranked = 0;
    const double ranking = Bench::timeMs(
        [&] {
            const CompetitionStore::Outcome outcome =
                CompetitionStore::rank(dir.path(), dir.filePath(QStringLiteral("Candidati.dat")), c, Clock::today());
            ranked = int(outcome.result.ranked.size());
            if (!outcome.problems.isEmpty())
                std::printf("  %s\n", qPrintable(outcome.problems.first()));
        },
        5);
    Bench::report(QStringLiteral("competition: read, match, pass marks, tie-breaks, winners"), ranking, read);
    Bench::addFigure({QStringLiteral("ranking.competition.10k"),
                      QStringLiteral("competition ranking: four sessions read, people matched, ties broken"), ranking,
                      QStringLiteral("plain read of the four session files"), read});
    std::printf("  (%d candidates ranked)\n", ranked);
}

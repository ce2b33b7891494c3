// The official ranking of a 10,000-card session whose side file holds a
// committee grid for every card, beside a plain read of both files.
#include "Bench.h"

#include "base/core/Clock.h"
#include "rankings/core/OfficialRanking.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/ScoringGrid.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Cards with scores that tie often, valid and missing fiscal codes, one in
// six not suitable; a grid of three criteria by three voting members for
// every card, with both tie-breaks chosen.
bool writeFiles(const QString& path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QStringList codes {"RSSMRA80A01H501U",
                             "VRDGLI01T45L219T",
                             "BNCMRC90E10H501O",
                             "NREPLA88B20A944Z",
                             "BNCNNA95C41F205F",
                             "RSSMRAULALMHRVMN",
                             ""};
    ScoringGrid grid;
    grid.sessionFile = QFileInfo(path).fileName();
    grid.criteria = {{QStringLiteral("Competenze tecniche"), 10.0, 2.0},
                     {QStringLiteral("Comunicazione"), 10.0, 1.0},
                     {QStringLiteral("Motivazione"), 5.0, 1.0}};
    grid.members = {{QStringLiteral("Galli"), GridMember::Role::President},
                    {QStringLiteral("Fontana"), GridMember::Role::Member},
                    {QStringLiteral("Ricci"), GridMember::Role::Member},
                    {QStringLiteral("Conti"), GridMember::Role::Secretary}};
    grid.scale = {true, 30.0};
    grid.tieBreaks = {ScoringGrid::TieBreak::YoungerFirst, ScoringGrid::TieBreak::ManualOrder};
    for (int i = 0; i < n; ++i) {
        CardScores scores;
        for (int m = 0; m < 3; ++m) {
            for (int c = 0; c < 3; ++c)
                scores[grid.members.at(m).name].insert(grid.criteria.at(c).name, double((i + m * 3 + c) % 6));
        }
        grid.cards.insert(i + 1, scores);
        TSchedaColloquio rec;
        rec.Candidato = QStringLiteral("Candidato %1").arg(i);
        rec.CodiceFiscale = codes.at(i % codes.size());
        rec.DataColloquio = QStringLiteral("01/12/2026");
        rec.Dettagli = QStringLiteral("Colloquio svolto regolarmente.");
        rec.Punteggio = GridMath::totalText(GridMath::total(grid, scores).total);
        rec.Idoneo = i % 6 == 5 ? QStringLiteral("No") : QStringLiteral("Sì");
        const QByteArray bytes = rec.encode();
        if (file.write(bytes) != bytes.size())
            return false;
    }
    if (!file.flush())
        return false;
    file.close();
    QString error;
    return GridFile::write(path, grid, &error);
}

} // namespace

SELVORA_BENCHMARK("grid: official ranking of 10,000 cards with a grid for every card")
{
    QTemporaryDir dir;
    const QString session = dir.filePath(QStringLiteral("Concorso.vai"));
    if (!writeFiles(session, 10000)) {
        std::printf("  cannot write the session and grid files\n");
        return;
    }
    const QString side = GridFile::pathFor(session);
    std::printf("  session %.1f MB, grid %.1f MB\n", QFileInfo(session).size() / 1e6, QFileInfo(side).size() / 1e6);
    const double read = Bench::timeMs(
        [&] {
            Bench::plainRead(session);
            Bench::plainRead(side);
        },
        5);
    Bench::report(QStringLiteral("plain read of the session and grid files"), read);
    // Where the time goes.
    {
        QList<OfficialCandidate> cards;
        const double readCards = Bench::timeMs([&] { OfficialRanking::readSession(session, &cards); }, 3);
        Bench::report(QStringLiteral("  of which: read the session's cards"), readCards, read);
        ScoringGrid grid;
        const double readGrid = Bench::timeMs([&] { GridFile::read(session, &grid, nullptr, false); }, 3);
        Bench::report(QStringLiteral("  of which: read the grid without its scores"), readGrid, read);
        const double build = Bench::timeMs([&] { OfficialRanking::build(cards, grid, Clock::today()); }, 3);
        Bench::report(QStringLiteral("  of which: positions and tie-breaks"), build, read);
    }
    int ranked = 0;
    const double ranking = Bench::timeMs(
        [&] {
            QList<OfficialCandidate> cards;
            OfficialRanking::readSession(session, &cards);
            ScoringGrid grid;
            GridFile::read(session, &grid, nullptr, false);
            const OfficialResult result = OfficialRanking::build(cards, grid, Clock::today());
            ranked = int(result.ranked.size());
        },
        5);
    Bench::report(QStringLiteral("official ranking: read both, tie-breaks, positions"), ranking, read);
    Bench::addFigure({QStringLiteral("ranking.official.10k"),
                      QStringLiteral("official ranking: session and grid read, tie-breaks, positions"), ranking,
                      QStringLiteral("plain read of the session and grid files"), read});
    std::printf("  (%d candidates ranked)\n", ranked);
}

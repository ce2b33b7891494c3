// Builds the minutes of a card from its grid.
#include "sessions/core/GridReport.h"

#include "output/core/DocumentReport.h"
#include "report/core/Report.h"

namespace {

QString left(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString right(const QString& text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '), true) + QLatin1Char(' ');
}

} // namespace

namespace GridReport {

QStringList tableLines(const ScoringGrid& grid, const CardScores& scores)
{
    const QList<GridMember> voters = grid.votingMembers();
    // The members' columns share what the portrait page leaves: whole names
    // for a small committee, cut for a large one.
    int longest = 7;
    for (const GridMember& m : voters)
        longest = qMax(longest, int(m.name.size()));
    const int memberWidth = voters.isEmpty() ? 8 : qBound(7, qMin(longest, 52 / int(voters.size()) - 1), 24);
    QString header =
        left(QStringLiteral("Criterio"), 26) + right(QStringLiteral("Max"), 5) + right(QStringLiteral("Peso"), 5);
    for (const GridMember& m : voters)
        header += right(m.name.left(memberWidth), memberWidth);
    header += right(QStringLiteral("Media"), 7) + right(QStringLiteral("Ponderato"), 9);
    QStringList out {header, QString(header.size(), QLatin1Char('-'))};
    for (const GridCriterion& c : grid.criteria) {
        QString line =
            left(c.name, 26) + right(GridMath::scoreText(c.maxPoints), 5) + right(GridMath::scoreText(c.weight), 5);
        for (const GridMember& m : voters) {
            const auto byMember = scores.value(m.name);
            line += right(byMember.contains(c.name) ? GridMath::scoreText(byMember.value(c.name)) : QStringLiteral("-"),
                          memberWidth);
        }
        double mean = 0.0;
        if (GridMath::mean(grid, scores, c, &mean))
            line += right(GridMath::totalText(mean), 7) + right(GridMath::totalText(mean * c.weight), 9);
        else
            line += right(QStringLiteral("-"), 7) + right(QStringLiteral("-"), 9);
        out << line;
    }
    out << QString(header.size(), QLatin1Char('-'));
    const GridMath::Total t = GridMath::total(grid, scores);
    out << QStringLiteral("Somma ponderata delle medie: %1 su %2")
               .arg(GridMath::totalText(t.weightedSum), GridMath::totalText(t.bestPossible));
    if (grid.scale.scaled)
        out << QStringLiteral("Totale riportato su %1").arg(GridMath::scoreText(grid.scale.maximum));
    out << QStringLiteral("PUNTEGGIO TOTALE: %1").arg(GridMath::totalText(t.total));
    if (!t.complete)
        out << QStringLiteral("(griglia incompleta: non tutti i componenti hanno valutato ogni criterio)");
    return out;
}

std::unique_ptr<Report> create(const ScoringGrid& grid, const Card& card)
{
    DocumentReport::Content c;
    c.reportName = QStringLiteral("Verbale di valutazione");
    c.orientation = QPageLayout::Portrait;
    c.title = QStringLiteral("Verbale di valutazione - ") + card.sessionName;
    c.heading
        << QStringLiteral("Candidato: %1").arg(card.candidato.trimmed())
        << QStringLiteral("Codice fiscale: %1").arg(card.codiceFiscale.trimmed())
        << QStringLiteral("Data del colloquio: %1   Scheda n. %2").arg(card.dataColloquio.trimmed()).arg(card.position);
    c.body = tableLines(grid, grid.cards.value(card.position));
    c.closing << QStringLiteral("La commissione:") << QString();
    for (const GridMember& m : grid.members)
        c.closing
            << QStringLiteral("%1 (%2)   ____________________________________").arg(m.name, GridMath::roleText(m.role))
            << QString();
    return DocumentReport::create(c);
}

} // namespace GridReport

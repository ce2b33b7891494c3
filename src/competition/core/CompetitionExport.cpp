#include "competition/core/CompetitionExport.h"

#include "sessions/core/SessionCatalogue.h"
#include "sheets/core/CsvExport.h"
#include "sheets/core/XlsxExport.h"

namespace CompetitionExport {

QList<SpreadsheetExport::Column> columns(const Competition& competition)
{
    QList<SpreadsheetExport::Column> out {
        {QStringLiteral("Posizione"), 10}, {QStringLiteral("Candidato"), 34}, {QStringLiteral("Codice fiscale"), 18}};
    for (const CompetitionTest& t : competition.tests)
        out.append({SessionCatalogue::sessionName(t.session), 12});
    out.append({QStringLiteral("Punteggio finale"), 14});
    out.append({QStringLiteral("Titoli di preferenza"), 40});
    out.append({QStringLiteral("Figli a carico"), 8});
    out.append({QStringLiteral("Esito"), 30});
    out.append({QStringLiteral("Note"), 50});
    return out;
}

int scoreColumn(const Competition& competition)
{
    return 3 + int(competition.tests.size());
}

ExportTable table(const Competition& competition, const CompetitionResult& result)
{
    const int tests = int(competition.tests.size());
    ExportTable out(int(columns(competition).size()));
    auto row = [&](const CompetitionLine& l, const QString& position, const QString& outcome, const QString& note) {
        QStringList values {position, l.name, l.codiceFiscale};
        for (int t = 0; t < tests; ++t) {
            const qint64 s = l.scores.value(t, -1);
            values << (s < 0 ? QString() : CompetitionRanking::scoreText(s));
        }
        const CandidateFacts facts = competition.facts.value(l.person);
        values << l.finalScore.text() << facts.titles.join(QStringLiteral("; ")) << QString::number(facts.children)
               << outcome << note;
        out.appendRow(values);
    };
    for (const CompetitionLine& l : result.ranked) {
        QString outcome =
            l.outcome == CompetitionLine::Outcome::Winner ? QStringLiteral("vincitore") : QStringLiteral("idoneo");
        if (!l.reserveUsed.isEmpty())
            outcome += QStringLiteral(" (riserva ") + l.reserveUsed + QLatin1Char(')');
        QStringList notes;
        if (!l.placedBy.isEmpty())
            notes << QStringLiteral("precede per ") + l.placedBy;
        if (!l.overrideReason.isEmpty())
            notes << QStringLiteral("decisione della commissione: ") + l.overrideReason;
        row(l, QString::number(l.position) + (l.exAequo ? QStringLiteral(" ex aequo") : QString()), outcome,
            notes.join(QStringLiteral("; ")));
    }
    for (const CompetitionLine& l : result.notAdmitted)
        row(l, QString(), QStringLiteral("non ammesso"), l.notAdmittedReason);
    return out;
}

bool write(const QString& path, const Competition& competition, const CompetitionResult& result, QString* error)
{
    const ExportTable rows = table(competition, result);
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return CsvExport::write(path, columns(competition), rows, scoreColumn(competition), error);
    return XlsxExport::write(path, QStringLiteral("Concorso"), columns(competition), rows, scoreColumn(competition),
                             error);
}

} // namespace CompetitionExport

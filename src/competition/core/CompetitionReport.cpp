#include "competition/core/CompetitionReport.h"

#include "output/core/DocumentReport.h"
#include "report/core/Report.h"
#include "sessions/core/GridMath.h"
#include "sessions/core/SessionCatalogue.h"

namespace {

QString column(const QString& text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString right(const QString& text, int width)
{
    return text.left(width).rightJustified(width, QLatin1Char(' '));
}

QString outcome(const CompetitionLine& line)
{
    QString text =
        line.outcome == CompetitionLine::Outcome::Winner ? QStringLiteral("vincitore") : QStringLiteral("idoneo");
    if (!line.reserveUsed.isEmpty())
        text += QStringLiteral(" (riserva ") + line.reserveUsed + QLatin1Char(')');
    return text;
}

QString note(const CompetitionLine& line)
{
    QStringList parts;
    if (!line.placedBy.isEmpty())
        parts << QStringLiteral("precede per ") + line.placedBy;
    if (line.flagged)
        parts << QStringLiteral("data di nascita mancante");
    if (line.tiedForLastPost)
        parts << QStringLiteral("pari merito con l'ultimo vincitore");
    if (!line.overrideReason.isEmpty())
        parts << QStringLiteral("decisione della commissione: ") + line.overrideReason;
    return parts.join(QStringLiteral("; "));
}

} // namespace

namespace CompetitionReport {

QStringList tableLines(const Competition& competition, const CompetitionResult& result)
{
    const int width = DocumentReport::bodyColumns(QPageLayout::Landscape);
    const int tests = int(competition.tests.size());
    const int scoreWidth = 10;
    const int fixedWidth = 10 + 34 + tests * scoreWidth + 10 + 3;
    const int noteRoom = std::max(20, width - fixedWidth);
    QStringList out;
    auto line = [&](const QString& pos, const QString& name, const QStringList& scores, const QString& final,
                    const QString& text) {
        QString fixed = column(pos, 10) + column(name, 34);
        for (int t = 0; t < tests; ++t)
            fixed += right(scores.value(t), scoreWidth);
        fixed += right(final, 10) + QStringLiteral("   ");
        const QStringList pieces = DocumentReport::wrapWords(text, noteRoom);
        out << fixed + pieces.first();
        for (qsizetype i = 1; i < pieces.size(); ++i)
            out << QString(fixed.size(), QLatin1Char(' ')) + pieces.at(i);
    };
    QStringList heads;
    for (const CompetitionTest& t : competition.tests)
        heads << SessionCatalogue::sessionName(t.session);
    line(QStringLiteral("Pos."), QStringLiteral("Candidato"), heads, QStringLiteral("Finale"),
         QStringLiteral("Esito e note"));
    const QString rule(std::min(width, 150), QLatin1Char('-'));
    out << rule;
    for (const CompetitionLine& l : result.ranked) {
        QStringList scores;
        for (int t = 0; t < tests; ++t) {
            const qint64 s = l.scores.value(t, -1);
            scores << (s < 0 ? QStringLiteral("-") : CompetitionRanking::scoreText(s));
        }
        const QString n = note(l);
        line(QString::number(l.position) + (l.exAequo ? QStringLiteral(" ex aeq.") : QString()), l.name, scores,
             l.finalScore.text(), outcome(l) + (n.isEmpty() ? QString() : QStringLiteral(" - ") + n));
    }
    out << rule << QStringLiteral("Candidati in graduatoria: %1").arg(result.ranked.size());

    out << QString() << QStringLiteral("VINCITORI") << rule;
    for (const CompetitionLine& l : result.ranked) {
        if (l.outcome == CompetitionLine::Outcome::Winner)
            out << column(QString::number(l.position), 10) + column(l.name, 34) + right(l.finalScore.text(), 10) +
                    QStringLiteral("   ") +
                    (l.reserveUsed.isEmpty() ? QStringLiteral("merito") : QStringLiteral("riserva ") + l.reserveUsed);
    }
    out << rule;
    for (const QString& piece : DocumentReport::wrapWords(result.winnerRule, std::min(width, 150)))
        out << piece;

    if (!result.notAdmitted.isEmpty()) {
        out << QString() << QStringLiteral("CANDIDATI NON AMMESSI") << rule;
        for (const CompetitionLine& l : result.notAdmitted) {
            const QStringList pieces = DocumentReport::wrapWords(l.notAdmittedReason, std::max(20, width - 46));
            out << column(QStringLiteral("-"), 10) + column(l.name, 34) + QStringLiteral("  ") + pieces.first();
            for (qsizetype i = 1; i < pieces.size(); ++i)
                out << QString(46, QLatin1Char(' ')) + pieces.at(i);
        }
        out << rule;
    }
    return out;
}

std::unique_ptr<Report> rankingReport(const Competition& competition, const CompetitionResult& result,
                                      const QList<GridMember>& committee, const QDate& date)
{
    DocumentReport::Content c;
    c.reportName = QStringLiteral("Graduatoria di merito del concorso");
    c.title = QStringLiteral("Graduatoria di merito - ") + competition.name;
    QStringList tests;
    for (const CompetitionTest& t : competition.tests)
        tests << QStringLiteral("%1 (%2, massimo %3%4)")
                     .arg(SessionCatalogue::sessionName(t.session), CompetitionRules::roleName(t.role).toLower(),
                          CompetitionRanking::scoreText(t.maximum),
                          t.passMark >= 0 ? QStringLiteral(", minimo %1").arg(CompetitionRanking::scoreText(t.passMark))
                                          : QString());
    c.heading << QStringLiteral("Concorso: %1").arg(competition.name)
              << QStringLiteral("Data: %1").arg(date.toString(QStringLiteral("dd/MM/yyyy")))
              << QStringLiteral("Prove: %1").arg(tests.join(QStringLiteral("; ")))
              << (competition.rule == Competition::Rule::Weighted
                      ? QStringLiteral("Punteggio finale: somma dei punteggi moltiplicati per i pesi")
                      : QStringLiteral("Punteggio finale: media delle prove scritte e pratiche, più la prova "
                                       "orale e i titoli"))
              << QStringLiteral("Spareggi: titoli di preferenza, figli a carico, minore età, ordine stabilito "
                                "dalla commissione");
    if (!committee.isEmpty()) {
        QStringList names;
        for (const GridMember& m : committee)
            names << QStringLiteral("%1 (%2)").arg(m.name, GridMath::roleText(m.role));
        c.heading << QStringLiteral("Commissione: %1").arg(names.join(QStringLiteral(", ")));
    }
    c.body = tableLines(competition, result);
    c.closing << QStringLiteral("Firme della commissione:") << QString();
    for (const GridMember& m : committee)
        c.closing
            << QStringLiteral("%1 (%2)   ____________________________________").arg(m.name, GridMath::roleText(m.role))
            << QString();
    if (committee.isEmpty())
        c.closing << QStringLiteral("Il presidente   ____________________________________") << QString()
                  << QStringLiteral("I componenti    ____________________________________") << QString()
                  << QStringLiteral("                ____________________________________") << QString()
                  << QStringLiteral("Il segretario   ____________________________________");
    return DocumentReport::create(c);
}

} // namespace CompetitionReport

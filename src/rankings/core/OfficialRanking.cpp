// The official ranking: order by score, shared positions, tie-breaks in the
// session's order, and its print, publication copy and seal.
#include "rankings/core/OfficialRanking.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "output/core/DocumentReport.h"
#include "rankings/core/Rankings.h"
#include "report/core/Report.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/SessionSearch.h"

#include "tools/core/FiscalCode.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

QString column(const QString& text, int width)
{
    return TextRules::trimmed(text).leftJustified(width, QLatin1Char(' '), true);
}

void addNote(RankedLine& line, const QString& note)
{
    if (!line.tieNote.isEmpty())
        line.tieNote += QStringLiteral("; ");
    line.tieNote += note;
}

using Group = QList<RankedLine>;

// Splits one group of equal scores by birth date, the younger first. A group
// with any candidate whose birth date is unknown is not split: nobody can be
// placed before or after that candidate, so all stay ex aequo.
QList<Group> byAge(Group group)
{
    bool missing = false;
    for (RankedLine& line : group) {
        if (!line.birthDate.isValid()) {
            missing = true;
            line.flagged = true;
            addNote(line, QStringLiteral("data di nascita non ricavabile dal codice fiscale: resta ex aequo"));
        }
    }
    if (missing) {
        for (RankedLine& line : group) {
            if (line.birthDate.isValid())
                addNote(line,
                        QStringLiteral("spareggio per età non applicabile: nel gruppo manca una data di nascita"));
        }
        return {group};
    }
    std::stable_sort(group.begin(), group.end(),
                     [](const RankedLine& a, const RankedLine& b) { return a.birthDate > b.birthDate; });
    QList<Group> out;
    for (RankedLine& line : group) {
        if (out.isEmpty() || out.last().first().birthDate != line.birthDate)
            out.append(Group());
        out.last().append(line);
    }
    for (Group& g : out) {
        for (RankedLine& line : g) {
            if (out.size() > 1)
                addNote(line, QStringLiteral("spareggio per età: nato/a il %1").arg(dateText(line.birthDate)));
            else
                addNote(line,
                        QStringLiteral("stessa data di nascita (%1): spareggio per età non risolutivo")
                            .arg(dateText(line.birthDate)));
        }
    }
    return out;
}

// Splits a group by the committee's order when every card of it is placed.
QList<Group> byManualOrder(Group group, const QHash<qint64, int>& order, int groupNumber)
{
    bool complete = true;
    for (RankedLine& line : group) {
        line.manualGroup = groupNumber;
        if (!order.contains(line.candidate.card))
            complete = false;
    }
    if (!complete) {
        for (RankedLine& line : group)
            addNote(line, QStringLiteral("in attesa dell'ordine della commissione"));
        return {group};
    }
    std::stable_sort(group.begin(), group.end(), [&](const RankedLine& a, const RankedLine& b) {
        return order.value(a.candidate.card) < order.value(b.candidate.card);
    });
    QList<Group> out;
    for (RankedLine& line : group) {
        addNote(line, QStringLiteral("spareggio: ordine stabilito dalla commissione"));
        out.append(Group {line});
    }
    return out;
}

QList<RankedLine> sortedByScore(const QList<OfficialCandidate>& cards, const QDate& today)
{
    struct Keyed
    {
        Rankings::Score score;
        RankedLine line;
    };
    QList<Keyed> keyed;
    keyed.reserve(cards.size());
    for (const OfficialCandidate& c : cards) {
        Keyed k;
        k.score = Rankings::scoreValue(c.punteggio);
        k.line.candidate = c;
        keyed.append(k);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int c = Rankings::compareScores(a.score, b.score);
        return c != 0 ? c > 0 : a.line.candidate.card < b.line.candidate.card;
    });
    QList<RankedLine> out;
    out.reserve(keyed.size());
    Q_UNUSED(today);
    for (Keyed& k : keyed)
        out.append(std::move(k.line));
    return out;
}

} // namespace

namespace OfficialRanking {

bool readSession(const QString& path, QList<OfficialCandidate>* cards, qint64* count)
{
    cards->clear();
    if (count)
        *count = 0;
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    RecordFile file(path, TSchedaColloquio::Size);
    if (!file.open())
        return false;
    cards->reserve(int(file.count()));
    const bool ok = file.scan([&](qint64 n, const char* record) {
        OfficialCandidate c;
        c.card = n;
        c.candidato = TSchedaColloquio::candidato(record);
        c.codiceFiscale = TSchedaColloquio::codiceFiscale(record);
        c.punteggio = TSchedaColloquio::punteggio(record);
        // The suitable list's rule: a card is left out only when it says "No".
        c.suitable = SessionSearch::isSuitable(TSchedaColloquio::idoneo(record));
        cards->append(c);
        return true;
    });
    if (count)
        *count = file.count();
    file.close();
    if (!ok)
        cards->clear();
    return ok;
}

QDate birthDate(const QString& codiceFiscale, const QDate& today)
{
    // Only a code whose check letter is right is trusted for a date: a typing
    // mistake must not move a candidate up or down the ranking.
    const QString code = FiscalCodeCheckLetter::maiuscoleAZ(TextRules::trimmed(codiceFiscale));
    if (!FiscalCodeCheckLetter::valido(code))
        return QDate();
    const FiscalCode::Decoded d = FiscalCode::decode(code, today);
    return d.ok ? d.birthDate : QDate();
}

OfficialResult build(const QList<OfficialCandidate>& cards, const ScoringGrid& choices, const QDate& today)
{
    QList<OfficialCandidate> suitable;
    QList<OfficialCandidate> others;
    for (const OfficialCandidate& c : cards)
        (c.suitable ? suitable : others).append(c);

    const bool needAge = choices.tieBreaks.contains(ScoringGrid::TieBreak::YoungerFirst);
    QList<RankedLine> lines = sortedByScore(suitable, today);

    // Groups of equal scores.
    QList<Group> groups;
    Rankings::Score previous;
    for (RankedLine& line : lines) {
        const Rankings::Score score = Rankings::scoreValue(line.candidate.punteggio);
        if (groups.isEmpty() || Rankings::compareScores(score, previous) != 0)
            groups.append(Group());
        previous = score;
        groups.last().append(line);
    }
    if (needAge) {
        // Only tied candidates need their date: decode those alone.
        for (Group& g : groups) {
            if (g.size() < 2)
                continue;
            for (RankedLine& line : g)
                line.birthDate = birthDate(line.candidate.codiceFiscale, today);
        }
    }

    QHash<qint64, int> order;
    for (int i = 0; i < choices.manualOrder.size(); ++i)
        order.insert(choices.manualOrder.at(i), i);
    int manualGroups = 0;
    for (ScoringGrid::TieBreak tieBreak : choices.tieBreaks) {
        QList<Group> next;
        for (Group& g : groups) {
            if (g.size() < 2) {
                next.append(g);
                continue;
            }
            if (tieBreak == ScoringGrid::TieBreak::YoungerFirst)
                next.append(byAge(std::move(g)));
            else
                next.append(byManualOrder(std::move(g), order, ++manualGroups));
        }
        groups = std::move(next);
    }

    OfficialResult result;
    int before = 0;
    for (Group& g : groups) {
        for (RankedLine& line : g) {
            line.position = before + 1;
            line.exAequo = g.size() > 1;
            result.ranked.append(std::move(line));
        }
        before += int(g.size());
    }
    if (choices.nonSuitable == ScoringGrid::NonSuitable::SeparateBlock)
        result.nonSuitable = sortedByScore(others, today);
    return result;
}

QList<qint64> moved(const OfficialResult& result, const QList<qint64>& manualOrder, qint64 card, int step)
{
    int group = 0;
    for (const RankedLine& line : result.ranked) {
        if (line.candidate.card == card)
            group = line.manualGroup;
    }
    if (group == 0)
        return manualOrder;
    QList<qint64> members;
    for (const RankedLine& line : result.ranked) {
        if (line.manualGroup == group)
            members.append(line.candidate.card);
    }
    const int at = int(members.indexOf(card));
    const int to = at + step;
    if (at < 0 || to < 0 || to >= members.size())
        return manualOrder;
    members.swapItemsAt(at, to);
    QList<qint64> out;
    for (qint64 c : manualOrder) {
        if (!members.contains(c))
            out.append(c);
    }
    out.append(members);
    return out;
}

QStringList tableLines(const OfficialResult& result)
{
    // The notes start after the fixed columns and take the rest of the
    // printed line; a longer note goes on in the same column on the lines
    // below, cut at blanks, so that it is printed whole.
    constexpr int kNoteColumn = 12 + 40 + 2 + 16 + 2 + 10 + 3;
    const int noteRoom = DocumentReport::bodyColumns(QPageLayout::Landscape) - kNoteColumn;
    QStringList out;
    auto line = [&out, noteRoom](const QString& pos, const QString& name, const QString& cf, const QString& score,
                                 const QString& note) {
        const QString fixed = column(pos, 12) + column(name, 40) + QStringLiteral("  ") + column(cf, 16) +
            QStringLiteral("  ") + TextRules::trimmed(score).rightJustified(10, QLatin1Char(' '), true) +
            QStringLiteral("   ");
        const QStringList pieces = DocumentReport::wrapWords(TextRules::trimmed(note), noteRoom);
        out << fixed + pieces.first();
        for (qsizetype i = 1; i < pieces.size(); ++i)
            out << QString(fixed.size(), QLatin1Char(' ')) + pieces.at(i);
    };
    line(QStringLiteral("Pos."), QStringLiteral("Candidato"), QStringLiteral("Codice fiscale"),
         QStringLiteral("Punteggio"), QStringLiteral("Note"));
    out << QString(150, QLatin1Char('-'));
    for (const RankedLine& r : result.ranked) {
        const QString pos = QString::number(r.position) + (r.exAequo ? QStringLiteral(" ex aequo") : QString());
        line(pos, r.candidate.candidato, r.candidate.codiceFiscale, r.candidate.punteggio, r.tieNote);
    }
    if (!result.nonSuitable.isEmpty()) {
        out << QString() << QStringLiteral("CANDIDATI NON IDONEI (non inseriti in graduatoria)")
            << QString(150, QLatin1Char('-'));
        for (const RankedLine& r : result.nonSuitable)
            line(QStringLiteral("-"), r.candidate.candidato, r.candidate.codiceFiscale, r.candidate.punteggio,
                 QString());
    }
    out << QString(150, QLatin1Char('-')) << QStringLiteral("Candidati in graduatoria: %1").arg(result.ranked.size());
    return out;
}

QString identifier(qint64 card)
{
    return QStringLiteral("Candidato n. %1").arg(card, 4, 10, QLatin1Char('0'));
}

QStringList publicationLines(const OfficialResult& result, ScoringGrid::PublishedName name)
{
    auto line = [](const QString& pos, const QString& who, const QString& score, const QString& mark) {
        return column(pos, 8) + column(who, 50) + QStringLiteral("  ") +
            TextRules::trimmed(score).rightJustified(10, QLatin1Char(' '), true) + QStringLiteral("   ") + mark;
    };
    QStringList out;
    out << line(QStringLiteral("Pos."),
                name == ScoringGrid::PublishedName::FullName ? QStringLiteral("Cognome e nome")
                                                             : QStringLiteral("Identificativo"),
                QStringLiteral("Punteggio"), QString());
    out << QString(80, QLatin1Char('-'));
    for (const RankedLine& r : result.ranked) {
        const QString who =
            name == ScoringGrid::PublishedName::FullName ? r.candidate.candidato : identifier(r.candidate.card);
        out << line(QString::number(r.position), who, r.candidate.punteggio,
                    r.exAequo ? QStringLiteral("ex aequo") : QString());
    }
    out << QString(80, QLatin1Char('-'));
    return out;
}

namespace {

QStringList headingLines(const Heading& h, bool withCommittee)
{
    QStringList out;
    out << QStringLiteral("Sessione: %1").arg(h.sessionName);
    out << QStringLiteral("Data: %1").arg(dateText(h.date));
    if (withCommittee && !h.members.isEmpty()) {
        QStringList names;
        for (const GridMember& m : h.members)
            names << QStringLiteral("%1 (%2)").arg(m.name, GridMath::roleText(m.role));
        out << QStringLiteral("Commissione: %1").arg(names.join(QStringLiteral(", ")));
    }
    return out;
}

} // namespace

std::unique_ptr<Report> rankingReport(const OfficialResult& result, const Heading& heading)
{
    DocumentReport::Content c;
    c.reportName = QStringLiteral("Graduatoria finale");
    c.title = QStringLiteral("Graduatoria finale ") + heading.sessionName;
    c.heading = headingLines(heading, true);
    c.body = tableLines(result);
    c.closing << QStringLiteral("Firme dei componenti della commissione:") << QString();
    for (const GridMember& m : heading.members)
        c.closing
            << QStringLiteral("%1 (%2)   ____________________________________").arg(m.name, GridMath::roleText(m.role))
            << QString();
    if (heading.members.isEmpty())
        c.closing << QStringLiteral("____________________________________") << QString();
    return DocumentReport::create(c);
}

std::unique_ptr<Report> publicationReport(const OfficialResult& result, const Heading& heading,
                                          ScoringGrid::PublishedName name, const QString& sessionSha256,
                                          const QString& gridSha256)
{
    DocumentReport::Content c;
    c.reportName = QStringLiteral("Graduatoria finale - pubblicazione");
    c.orientation = QPageLayout::Portrait;
    c.title = QStringLiteral("Graduatoria finale ") + heading.sessionName;
    c.heading = headingLines(heading, false);
    c.body = publicationLines(result, name);
    c.closing << QStringLiteral("Impronte SHA-256 dei file al momento della pubblicazione:")
              << QStringLiteral("file della sessione: %1").arg(sessionSha256)
              << QStringLiteral("griglia di valutazione: %1").arg(gridSha256)
              << QStringLiteral("(l'impronta della griglia riguarda il suo contenuto, esclusi i dati della "
                                "pubblicazione)");
    return DocumentReport::create(c);
}

SealState checkSeal(const QString& sessionPath, const ScoringGrid& grid)
{
    if (!grid.seal.isSet())
        return SealState::NotPublished;
    const QString session = GridFile::fileSha256(sessionPath);
    const QString content = grid.storedContentSha256.isEmpty() ? grid.contentSha256() : grid.storedContentSha256;
    if (session.isEmpty() || session != grid.seal.sessionSha256 || content != grid.seal.gridSha256)
        return SealState::Changed;
    return SealState::Intact;
}

SealState sessionSeal(const QString& sessionPath)
{
    ScoringGrid grid;
    QString problem;
    if (GridFile::read(sessionPath, &grid, &problem, false) != GridFile::Status::Read)
        return SealState::NotPublished;
    return checkSeal(sessionPath, grid);
}

QString storeBreaksSealQuestion()
{
    return QStringLiteral("Attenzione: la graduatoria finale di questa sessione è stata pubblicata ed è sigillata.\n\n"
                          "Salvando la scheda, la graduatoria pubblicata non corrisponderà più ai dati della "
                          "sessione e il sigillo della pubblicazione risulterà violato.\n\n"
                          "Salvare comunque la scheda?");
}

QString sealText(SealState state)
{
    switch (state) {
    case SealState::Intact:
        return QStringLiteral("Graduatoria sigillata");
    case SealState::Changed:
        return QStringLiteral("Attenzione: i file della sessione sono stati modificati dopo la pubblicazione "
                              "della graduatoria.");
    case SealState::NotPublished:
        break;
    }
    return QStringLiteral("Graduatoria non ancora pubblicata");
}

} // namespace OfficialRanking

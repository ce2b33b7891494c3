// The candidate search and the recontact summary over the archive file.
#include "candidates/core/CandidateSearch.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"

namespace CandidateSearch {

RecordSearch::Field field(TSchedaCandidato::Campo c)
{
    return {TSchedaCandidato::fieldOffset(c), TSchedaCandidato::maxChars(c), RecordSearch::Layout::LengthPrefixed};
}

RecordSearch::Criteria criteria(const QList<Filter>& filters)
{
    RecordSearch::Criteria criteria;
    for (const Filter& f : filters)
        criteria.add(field(f.field), f.text);
    return criteria;
}

QString line(const TSchedaCandidato& s)
{
    QString line;
    line.reserve(160);
    TextRules::appendColumn(line, s.Candidato, 30);
    line += QLatin1String("  C.F. ");
    TextRules::appendColumn(line, s.CodFisc, 16);
    line += QLatin1String("  Cel. ");
    TextRules::appendColumn(line, s.Cel, 16);
    line += QLatin1String("  Settore: ");
    TextRules::appendColumn(line, s.Settore, 24);
    line += QLatin1String("  Note: ");
    TextRules::appendTrimmed(line, s.Note);
    return line;
}

QString line(const char* record)
{
    using S = TSchedaCandidato;
    TSchedaCandidato s;
    s.Candidato = S::candidato(record);
    s.CodFisc = S::codFisc(record);
    s.Cel = S::cel(record);
    s.Settore = S::settore(record);
    s.Note = S::note(record);
    return line(s);
}

QString countText(int n)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(n) + QStringLiteral(" schede");
}

bool toRecontact(const QString& flag)
{
    return TextRules::trimmed(flag) != TSchedaCandidato::no();
}

bool toRecontact(const char* record)
{
    return !RecordSearch::isNo(record, field(TSchedaCandidato::fRicontatta));
}

bool search(const QString& path, const RecordSearch::Criteria& criteria, RecordSearch::Listing* listing)
{
    return RecordSearch::scan(
        path, TSchedaCandidato::Size, listing, [&criteria](const char* record) { return criteria.accepts(record); },
        [](const char* record) { return line(record); });
}

bool recontactList(const QString& path, RecordSearch::Listing* listing)
{
    return RecordSearch::scan(
        path, TSchedaCandidato::Size, listing, [](const char* record) { return toRecontact(record); },
        [](const char* record) { return line(record); });
}

bool cardOfLine(const QString& path, qint64 position, const QString& chosenLine, TSchedaCandidato* card)
{
    return RecordSearch::cardOfLine(
        path, TSchedaCandidato::Size, position, chosenLine, card,
        [](const QByteArray& r) { return TSchedaCandidato::decode(r); },
        [](const TSchedaCandidato& c) { return line(c); });
}

TSchedaCandidato trimmed(const TSchedaCandidato& card)
{
    TSchedaCandidato s;
    for (int i = 0; i < TSchedaCandidato::CampoCount; ++i) {
        const auto c = TSchedaCandidato::Campo(i);
        s.field(c) = TextRules::trimmed(card.field(c));
    }
    return s;
}

} // namespace CandidateSearch

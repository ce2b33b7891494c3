// The session search and the suitable list over a session file.
#include "sessions/core/SessionSearch.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"

namespace {

using RecordSearch::Layout;

// Offsets and widths in the 5865-byte interview card.
constexpr RecordSearch::Field kCandidato {0, 121, Layout::ZeroTerminated};
constexpr RecordSearch::Field kCodiceFiscale {121, 121, Layout::ZeroTerminated};
constexpr RecordSearch::Field kProvenienza {242, 51, Layout::ZeroTerminated};
constexpr RecordSearch::Field kDataColloquio {293, 51, Layout::ZeroTerminated};
constexpr RecordSearch::Field kDettagli {344, 5001, Layout::ZeroTerminated};
constexpr RecordSearch::Field kPunteggio {5345, 16, Layout::ZeroTerminated};
constexpr RecordSearch::Field kNote {5361, 501, Layout::ZeroTerminated};
constexpr RecordSearch::Field kIdoneo {5862, 3, Layout::ZeroTerminated};

inline QString read(const char* record, const RecordSearch::Field& f)
{
    return FixedText::read(record + f.offset, f.width);
}

} // namespace

namespace SessionSearch {

RecordSearch::Field field(Field f)
{
    switch (f) {
    case Field::Candidato:
        return kCandidato;
    case Field::CodiceFiscale:
        return kCodiceFiscale;
    case Field::Provenienza:
        return kProvenienza;
    case Field::DataColloquio:
        return kDataColloquio;
    case Field::Dettagli:
        return kDettagli;
    case Field::Note:
        return kNote;
    }
    return kCandidato;
}

int offset(Field f)
{
    return field(f).offset;
}

int width(Field f)
{
    return field(f).width;
}

RecordSearch::Criteria criteria(const QList<Filter>& filters)
{
    RecordSearch::Criteria criteria;
    for (const Filter& f : filters)
        criteria.add(field(f.field), f.text);
    return criteria;
}

QString line(const TSchedaColloquio& s)
{
    QString line;
    line.reserve(160);
    TextRules::appendColumn(line, s.Candidato, 34);
    line += QLatin1String("  C.F. ");
    TextRules::appendColumn(line, s.CodiceFiscale, 16);
    line += QLatin1String("  Data: ");
    TextRules::appendColumn(line, s.DataColloquio, 10);
    line += QLatin1String("  Note: ");
    TextRules::appendColumn(line, s.Note, 54);
    line += QLatin1String("  Punti: ");
    TextRules::appendTrimmed(line, s.Punteggio);
    return line;
}

QString line(const char* record)
{
    TSchedaColloquio s;
    s.Candidato = read(record, kCandidato);
    s.CodiceFiscale = read(record, kCodiceFiscale);
    s.DataColloquio = read(record, kDataColloquio);
    s.Note = read(record, kNote);
    s.Punteggio = read(record, kPunteggio);
    return line(s);
}

QString countText(int n)
{
    return QStringLiteral("Il presente riepilogo contiene ") + QString::number(n) + QStringLiteral(" schede.");
}

bool isSuitable(const QString& flag)
{
    return TextRules::trimmed(flag) != QStringLiteral("No");
}

bool isSuitable(const char* record)
{
    return !RecordSearch::isNo(record, kIdoneo);
}

bool search(const QString& path, const RecordSearch::Criteria& criteria, RecordSearch::Listing* listing)
{
    return RecordSearch::scan(
        path, TSchedaColloquio::Size, listing, [&criteria](const char* record) { return criteria.accepts(record); },
        [](const char* record) { return line(record); });
}

bool suitableList(const QString& path, RecordSearch::Listing* listing)
{
    return RecordSearch::scan(
        path, TSchedaColloquio::Size, listing, [](const char* record) { return isSuitable(record); },
        [](const char* record) { return line(record); });
}

bool cardOfLine(const QString& path, qint64 position, const QString& chosenLine, TSchedaColloquio* card)
{
    return RecordSearch::cardOfLine(
        path, TSchedaColloquio::Size, position, chosenLine, card,
        [](const QByteArray& r) { return TSchedaColloquio::decode(r); },
        [](const TSchedaColloquio& c) { return line(c); });
}

} // namespace SessionSearch

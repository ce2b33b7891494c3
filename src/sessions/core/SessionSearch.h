// The session search and the list of suitable candidates without their
// windows: the six filters over the interview card fields, the summary line
// of a card, the count line, the scans of a session file, and the card a
// chosen line stands for.
#pragma once

#include "base/core/RecordSearch.h"
#include "sessions/core/SchedaColloquio.h"

#include <QList>
#include <QString>

namespace SessionSearch {

// The interview card fields a filter can search.
enum class Field
{
    Candidato,
    CodiceFiscale,
    Provenienza,
    DataColloquio,
    Dettagli,
    Note
};

// Where a searchable field lies in the record: offset and width, its
// zero-terminated text running to its first zero byte or its whole width.
RecordSearch::Field field(Field f);
int offset(Field f);
int width(Field f);

struct Filter
{
    Field field;
    QString text; // as typed
};

// The active filters, ready to test records.
RecordSearch::Criteria criteria(const QList<Filter>& filters);

// The summary line of an interview card, shared with the suitable list:
// name 34, "  C.F. ", fiscal code 16, "  Data: ", date 10, "  Note: ",
// notes 54, "  Punti: ", score whole.
QString line(const TSchedaColloquio& card);
QString line(const char* record);

// "Il presente riepilogo contiene <n> schede." (with the full stop)
QString countText(int n);

// Whether the suitable list shows the card: its flag, trimmed, is anything
// but "No".
bool isSuitable(const QString& flag);
bool isSuitable(const char* record);

// The cards of the session file at path that the criteria accept (the file
// is created empty when missing). False when it cannot be opened or read;
// listing then holds the cards read before the failure.
bool search(const QString& path, const RecordSearch::Criteria& criteria, RecordSearch::Listing* listing);

// The cards marked suitable, in the same way.
bool suitableList(const QString& path, RecordSearch::Listing* listing);

// The card a chosen line stands for: card `position` of the session, as long
// as its line is still the chosen one (compared trimmed, exactly).
bool cardOfLine(const QString& path, qint64 position, const QString& chosenLine, TSchedaColloquio* card);

} // namespace SessionSearch

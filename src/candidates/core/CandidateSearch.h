// The candidate search and the recontact summary without their windows: the
// filters over the archive's card fields, the summary line of a card, the
// count line, the scans of the archive, and the card a chosen line stands for.
#pragma once

#include "base/core/RecordSearch.h"
#include "candidates/core/SchedaCandidato.h"

#include <QList>
#include <QString>

namespace CandidateSearch {

// One filter field of the search window: the card field it searches and the
// text as typed.
struct Filter
{
    TSchedaCandidato::Campo field;
    QString text;
};

// Where a card field lies, for the search engine.
RecordSearch::Field field(TSchedaCandidato::Campo c);

// The active filters, ready to test records.
RecordSearch::Criteria criteria(const QList<Filter>& filters);

// The summary line of a card: name 30, "  C.F. ", fiscal code 16,
// "  Cel. ", mobile 16, "  Settore: ", sector 24, "  Note: ", notes whole.
QString line(const TSchedaCandidato& card);
QString line(const char* record);

// "Il presente riepilogo contiene <n> schede"
QString countText(int n);

// Whether the recontact summary lists the card: its flag, trimmed, is
// anything but "No".
bool toRecontact(const QString& flag);
bool toRecontact(const char* record);

// The cards the criteria accept, read from the archive at path (created
// empty when missing). False when the archive cannot be opened or read;
// listing then holds the cards read before the failure.
bool search(const QString& path, const RecordSearch::Criteria& criteria, RecordSearch::Listing* listing);

// The cards flagged for recontact, in the same way.
bool recontactList(const QString& path, RecordSearch::Listing* listing);

// The card a chosen line stands for: card `position` of the archive, as long
// as its line is still the chosen one (compared trimmed, exactly), so that a
// card is never handed over in place of the one the user saw.
bool cardOfLine(const QString& path, qint64 position, const QString& chosenLine, TSchedaCandidato* card);

// The card as the hand-over shows it: every field trimmed.
TSchedaCandidato trimmed(const TSchedaCandidato& card);

} // namespace CandidateSearch

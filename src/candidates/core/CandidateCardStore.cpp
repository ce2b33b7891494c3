// Storing the candidate card of the card window.
#include "candidates/core/CandidateCardStore.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "candidates/core/CandidateCardRules.h"
#include "candidates/core/CardDates.h"
#include "candidates/core/CardPhoto.h"

namespace CandidateCardStore {

Outcome store(const TSchedaCandidato& card, const QImage& photo, const QString& position, const QDate& today)
{
    Outcome out;
    out.error = RecordFile::accessMessage();
    RecordFile file(CandidateArchive::path(), TSchedaCandidato::Size);
    if (!file.open())
        return out;
    const QByteArray record = card.encode();
    const QString shown = TextRules::trimmed(position);
    if (!shown.isEmpty()) {
        const qint64 n = CardNavigation::positionOf(shown);
        if (n < 1 || !file.rewrite(n, record))
            return out;
        out.position = n;
    } else {
        const qint64 n = file.append(record);
        if (n < 1)
            return out;
        out.position = n;
        out.appended = true;
    }
    file.close();
    out.ok = true;
    out.error.clear();
    // The record is the card; its date and photo follow it.
    QString datesError;
    CardDates::stored(out.position, today, &datesError);
    out.photoStored = CardPhoto::save(out.position, photo);
    return out;
}

} // namespace CandidateCardStore

// Storing an interview card in its session file.
#include "sessions/core/InterviewStore.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "sessions/core/ScoreText.h"

namespace InterviewStore {

Outcome store(const TSchedaColloquio& card, const QString& sessionPath, const QString& position)
{
    Outcome out;
    out.error = RecordFile::accessMessage();
    // The rankings order scores by their text.
    TSchedaColloquio stored = card;
    stored.Punteggio = ScoreText::normalizza(stored.Punteggio);
    const QByteArray record = stored.encode();

    const qint64 p = InterviewStore::position(position);
    if (p < 0)
        return out;
    RecordFile file(TextRules::trimmed(sessionPath), TSchedaColloquio::Size);
    if (!file.open())
        return out;
    if (p > 0) {
        // A position beyond the end of the file is refused by the record
        // file: the card is never written past the last one.
        const bool written = file.rewrite(p, record);
        file.close();
        if (!written)
            return out;
        out.position = p;
    } else {
        const qint64 n = file.append(record);
        file.close();
        if (n == 0)
            return out;
        out.appended = true;
        out.position = n;
    }
    out.ok = true;
    out.error.clear();
    out.score = stored.Punteggio;
    return out;
}

} // namespace InterviewStore

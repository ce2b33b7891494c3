// Storing an interview card in its session file: the card the window holds,
// written in place of the card shown or after the last card, through the
// record file. The window asks its questions first, then makes this one call
// and turns the outcome into its messages.
#pragma once

#include "sessions/core/InterviewCardRules.h"
#include "sessions/core/SchedaColloquio.h"

#include <QString>

namespace InterviewStore {

struct Outcome
{
    bool ok = false;
    QString error; // Italian, when not ok: the record file's access message
    bool appended = false; // a new card, rather than one written over
    qint64 position = 0; // the card's number in the file once stored
    QString score; // the score as stored
};

// Writes the card into the session file: over card n when position (the
// position label's text) holds n, else after the last whole card. The score
// is stored as leaving its field leaves it (ScoreText::normalizza), whether
// or not the field was left. A position that is not a card number, or one
// beyond the last card, is refused and nothing is written.
Outcome store(const TSchedaColloquio& card, const QString& sessionPath, const QString& position);

} // namespace InterviewStore

// Storing the candidate card the card window holds: the record in the
// candidate archive (written over the card shown, or after the last card),
// then the day it was stored in the dates file and its photo in the photo
// folder, all in the program folder. The window asks its questions first,
// then makes this one call and turns the outcome into its messages.
#pragma once

#include "candidates/core/SchedaCandidato.h"

#include <QDate>
#include <QImage>
#include <QString>

namespace CandidateCardStore {

struct Outcome
{
    bool ok = false;
    QString error; // Italian, when not ok: the record file's access message
    bool appended = false; // a new card, rather than one written over
    qint64 position = 0; // the card's number in the archive once stored
    bool photoStored = false; // false: the card is stored, its photo is not
};

// Writes the card over card n when position (the position label's text)
// holds n, else after the last whole card. A position that is not a card
// number, or one beyond the last card, is refused and nothing is written.
// Once the record is written, the card is dated `today` (a dates file that
// cannot be written does not undo the store) and the photo is written as
// the card's photo file.
Outcome store(const TSchedaCandidato& card, const QImage& photo, const QString& position, const QDate& today);

} // namespace CandidateCardStore

// Rules of the interview card window that need no window: which card a
// browsing command shows, the three required fields of a store, and the line
// breaks of the interview details.
#pragma once

#include <QString>

namespace InterviewNavigation {

enum class Command
{
    First,
    Back,
    Forward,
    Last
};

// What a browsing command does, in the words of the candidate card's rules
// (CardNavigation) with the one outcome only this window has: an error.
struct Step
{
    enum Kind
    {
        Nothing, // nothing happens and nothing is shown
        EmptyArchive, // "L'archivio non contiene nessuna scheda."
        Show, // show card `card`
        Error // the position cannot be used: the access message
    };
    Kind kind = Nothing;
    qint64 card = 0;
    bool clearPosition = false; // Next on an empty file also empties it
};

// Previous on card "1" does nothing without looking at the file at all.
bool needsNoFile(Command command, const QString& position);

// The outcome of a command with the position label's text and the number of
// cards in the file.
Step decide(Command command, const QString& position, qint64 count);

} // namespace InterviewNavigation

namespace InterviewStore {

enum class Missing
{
    None,
    Candidate,
    Date,
    Score
};

// The first required field that is empty once trimmed, in the order the
// store checks them: candidate, interview date, score.
Missing firstMissing(const QString& candidate, const QString& date, const QString& score);

// The card's position as stored in the position label: 0 for a new card,
// -1 when the label holds no usable card number.
qint64 position(const QString& text);

} // namespace InterviewStore

namespace InterviewDetails {

// The details field shows one paragraph per line; the record joins the lines
// with CR LF.
QString toRecord(const QString& field);
QString fromRecord(const QString& record);
// Characters the record needs for the text: each line break takes two.
int lengthInRecord(const QString& field);

} // namespace InterviewDetails

// The repair, at start, of a record file whose end a crash or a power cut
// has left damaged. Two cases:
// - the note of an append cut short is there (AppendJournal): the file is put
//   back exactly as it was before that append, partial tail included;
// - no note, but the file ends in a piece shorter than a card or in cards
//   made only of zero bytes (which the program never writes: every card has
//   its "Da ricontattare" flag), as a disk leaves after a power cut: that end
//   is cut after the last whole card.
// What is cut is never lost: it is first kept, byte for byte, in a file
// beside the record file, named in the message for the user.
#pragma once

#include <QString>

namespace TailRepair {

struct Result
{
    enum class Kind
    {
        Nothing,
        InterruptedAppend,
        DamagedTail,
        Failed, // a repair was needed but could not be done; nothing changed
    };
    Kind kind = Kind::Nothing;
    qint64 cardsKept = 0; // whole cards the file holds after the repair
    qint64 bytesCut = 0;
    qint64 cardsCut = 0; // whole cards among the bytes cut
    bool partialCard = false; // the bytes cut end in a piece of a card
    QString savedTo; // the file that keeps the bytes cut
    QString error; // Italian, when Failed
};

Result run(const QString& path, int recordSize);

// What to tell the user, in Italian; empty for Nothing. what names the file
// as the message says it ("l'archivio dei candidati").
QString message(const Result& result, const QString& what);

} // namespace TailRepair

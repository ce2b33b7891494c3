// The side file "Nome.griglia.json" beside the session file: where it is,
// its reading and safe writing, and what is said about it.
#pragma once

#include "sessions/core/ScoringGrid.h"

#include <QString>

namespace GridFile {

// "Nome.griglia.json" beside "Nome.vai".
QString pathFor(const QString& sessionPath);

enum class Status
{
    Missing, // no side file yet: an empty grid
    Read,
    Damaged, // unreadable, hand-edited into nonsense, or another session's
    Failed // the file exists but cannot be read
};
// Reads the side file of the session; problem says why it was not read.
Status read(const QString& sessionPath, ScoringGrid* grid, QString* problem, bool withScores = true);
// Writes the whole side file safely; error says why it failed.
bool write(const QString& sessionPath, const ScoringGrid& grid, QString* error);
// Keeps a damaged side file aside ("....json.danneggiato", numbered when
// taken) before the user starts again; the new name, or empty on failure.
QString setAside(const QString& sessionPath);

// The SHA-256 of a whole file in hexadecimal, read in large blocks; empty
// when it cannot be read.
QString fileSha256(const QString& path);

// Italian messages about the side file.
QString damagedMessage(const QString& sidePath, const QString& problem);
QString writeFailedMessage(const QString& error);
// The side file holds scores of cards beyond the last card of the session.
QString staleCardsMessage(qint64 highestCard, qint64 cardCount);

} // namespace GridFile

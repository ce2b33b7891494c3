// A competition's side file, "Nome.concorso.json" beside the sessions: its
// reading with every hand edit judged, and its writing in one safe step. The
// sessions' own files are never touched.
#pragma once

#include "competition/core/Competition.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace CompetitionFile {

inline constexpr char Format[] = "selvora-concorso";

// "<folder>/<name>.concorso.json".
QString pathFor(const QString& folder, const QString& name);
// The names of the competitions kept in folder, sorted.
QStringList list(const QString& folder);

QByteArray toJson(const Competition& competition);
// False, with the reason in Italian, for a file that is not a competition,
// was written by a newer version, or holds values that make no sense.
bool fromJson(const QByteArray& bytes, Competition* competition, QString* problem);

enum class Status
{
    Missing,
    Read,
    Damaged,
    Failed // exists but cannot be read
};
Status read(const QString& path, Competition* competition, QString* problem);
// Writes the whole file safely; error says why it failed, and the file
// before stays as it was.
bool write(const QString& path, const Competition& competition, QString* error);

// Italian messages.
QString damagedMessage(const QString& path, const QString& problem);
QString writeFailedMessage(const QString& error);

} // namespace CompetitionFile

// Erasure of one candidate's personal data on request: the card's fields are
// blanked in place (the record stays, so the positions and photo names of
// the other cards never move), its photo and attached files are deleted and,
// when asked, the interview cards of the same person in every session are
// anonymised, keeping their date, score and outcome for the rankings.
#pragma once

#include "candidates/core/SchedaCandidato.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Report;

namespace Erasure {

// One interview card of the same person in a session file.
struct Interview
{
    QString sessionFile; // file name in the program folder
    qint64 card = 0;
    QString candidato;
    QString data;
};

// "Candidato cancellato il 10/12/2026": what an erased card and an
// anonymised interview card show instead of the name.
QString erasedName(const QDate& day);
// Whether a card or interview name is that of an erased candidate.
bool isErased(const QString& name);

// How interview cards are matched to a candidate card: by fiscal code when
// the card has one, otherwise by name, both compared trimmed, without regard
// to case and with runs of spaces as one.
QString matchKey(const QString& codFisc, const QString& name);

// Every interview card of the same person in every session of the folder.
QList<Interview> interviewsOf(const QString& folder, const TSchedaCandidato& card);

struct Result
{
    QString candidato; // the name as it was
    QString codFisc;
    qint64 position = 0;
    QDate day;
    bool cardBlanked = false;
    QStringList filesDeleted; // photo and attachments, names as shown
    QStringList filesKept; // attachments another card still names
    QStringList failures; // what could not be done, in Italian
    QList<Interview> anonymised;
    // Files of the program folder that still name the person (the exports,
    // the import summaries, the archive pieces kept after a repair), found
    // after the card was blanked; what became of them once the user chose.
    QStringList leftovers;
    QStringList leftoversDeleted;
    QStringList leftoversKept;

    bool complete() const { return cardBlanked && failures.isEmpty(); }
    // The printable report of what was erased.
    QString report() const;
};

// The report (as Result::report() gives it) laid out for print, preview
// and PDF: portrait A4, its first line as the title and every other line in
// a block that wraps at word boundaries and continues over as many pages as
// it needs. Prepared, ready for output.
std::unique_ptr<Report> printout(const QString& report);

// Files directly in folder, other than the data, that hold the name or the
// fiscal code: the spreadsheet exports (.xls, .xlsx, .csv), text reports
// (.txt, as the import summaries) and the archive pieces kept by a repair.
// Names as in the folder, sorted.
QStringList filesNaming(const QString& folder, const QString& name, const QString& codFisc);

// Deletes the leftovers (remove) or records that the user kept them.
void settleLeftovers(Result* result, bool remove);

// Erases card n of the archive in folder. interviews are the cards to
// anonymise (from interviewsOf, or empty to leave them).
Result erase(qint64 position, const QList<Interview>& interviews, const QDate& day);

} // namespace Erasure

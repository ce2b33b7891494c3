// Importing candidate cards from a spreadsheet table (.csv or .xlsx): the
// matching of the file's columns to the card's fields, the verdict of every
// row before anything is stored, and the store itself, in one pass through
// the record file, all or nothing.
#pragma once

#include "candidates/core/SchedaCandidato.h"
#include "sheets/core/SheetTable.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace CandidateImport {

// What a column of the file fills: a card field (a TSchedaCandidato::Campo
// from fCandidato to fRicontatta) or one of these.
enum Target : int
{
    Ignore = -1,
    Surname = -2, // "Cognome": with "Nome", fills the name field as "Cognome Nome"
    GivenName = -3,
};

struct Choice
{
    int target;
    QString label;
};
// Every target a column can be given, "(non importare)" first, then
// "Cognome", "Nome" and the card's fields with their captions.
QList<Choice> choices();
QString targetLabel(int target);

// The target of a heading ("Codice Fiscale", "E-mail", "Cellulare"...), or
// Ignore for one that matches nothing.
int targetForHeading(const QString& heading);
// One target per heading; a target already taken by an earlier column is
// not given twice.
QVector<int> mapHeadings(const QStringList& headings);

// One sentence per column that looks like a field (its heading holds one of
// the usual words for it, as "Data di nascita (gg/mm/aaaa)" or a second
// "Telefono") but is left "(non importare)": its values would be lost
// without a word.
QStringList columnWarnings(const QStringList& headings, const QVector<int>& mapping);

enum class Verdict : quint8
{
    Ready,
    Warning,
    Refused,
    Duplicate,
};
QString verdictText(Verdict verdict);

// What was found on a row, beyond its verdict.
struct RowNotes
{
    Verdict verdict = Verdict::Ready;
    QStringList reasons; // Italian, one per finding
};

// The cards already in the archive, by the two duplicate keys.
struct ArchiveKeys
{
    QSet<QByteArray> fiscalCodes;
    QSet<QByteArray> namesAndBirths;
    qint64 cards = 0;
};
// Reads the archive once. False (with the reason) when it cannot be read.
bool readArchiveKeys(const QString& archivePath, ArchiveKeys* keys, QString* error);

struct Options
{
    bool fromCsv = false; // values may carry the formula guard's apostrophe
};

// The card a data row gives (row 1 is the first row after the headings) and,
// in *notes, every warning about it. The duplicate check is not done here.
TSchedaCandidato cardOf(const SheetTable& table, const QVector<int>& mapping, int row, const Options& options,
                        RowNotes* notes);

// The verdict of every data row, in file order, with duplicates against the
// archive and earlier rows.
struct Preview
{
    QVector<RowNotes> rows; // rows[i] is data row i + 1
    QStringList columns; // columnWarnings() of the headings and the mapping
    int ready = 0;
    int warned = 0;
    int refused = 0;
    int duplicates = 0;
};
Preview preview(const SheetTable& table, const QVector<int>& mapping, const Options& options,
                const ArchiveKeys& archive);

// Adds the ready rows (and the warned ones when includeWarned) to the
// archive as new cards, in one pass. On failure nothing is added.
struct Outcome
{
    bool ok = false;
    QString error; // Italian, when not ok
    qint64 firstPosition = 0;
    int added = 0;
    int skippedWarned = 0;
    int skippedRefused = 0;
    int skippedDuplicates = 0;
};
Outcome store(const QString& archivePath, const SheetTable& table, const QVector<int>& mapping, const Options& options,
              const Preview& preview, bool includeWarned);

// The summary shown after the import, and the text report that can be saved
// (the summary, then every row not added or added with warnings, and why).
QString summary(const Outcome& outcome);
QString report(const QString& fileName, const SheetTable& table, const QVector<int>& mapping, const Options& options,
               const Preview& preview, const Outcome& outcome);

// A date cell written as a spreadsheet serial number ("45123") as the card
// keeps dates ("15/07/2023"); null when the text is not such a number.
QString dateFromSerial(const QString& text);

// The sex an Italian fiscal code tells ("M" or "F"), or empty when the code
// does not pass its check.
QString sexFromFiscalCode(const QString& code);

} // namespace CandidateImport

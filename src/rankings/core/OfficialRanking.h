// The official ranking of a session ("Graduatoria finale"): suitable
// candidates numbered by score with shared positions for equal scores, the
// session's tie-breaks applied in order, the non-suitable block, and the
// printed and published forms of it with the seal of the publication.
#pragma once

#include "sessions/core/ScoringGrid.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Report;

// What the official ranking needs of one interview card.
struct OfficialCandidate
{
    qint64 card = 0;
    QString candidato;
    QString codiceFiscale;
    QString punteggio;
    bool suitable = false; // "Idoneo" is anything but "No", as in the suitable list
};

struct RankedLine
{
    OfficialCandidate candidate;
    int position = 0; // 0 in the non-suitable block
    bool exAequo = false; // shares its position with another line
    QString tieNote; // how a tie-break placed it, or why it could not
    bool flagged = false; // a tie-break needed a birth date that is missing
    QDate birthDate; // decoded from the fiscal code, when it could be
    // Lines that stood equal when the manual order came to them share a
    // group number (from 1); 0 for the others.
    int manualGroup = 0;
};

struct OfficialResult
{
    QList<RankedLine> ranked;
    QList<RankedLine> nonSuitable; // empty when they are left out
};

namespace OfficialRanking {

// Every card of the session in file order; false when the file cannot be
// read (a missing file is read as empty and left missing).
bool readSession(const QString& path, QList<OfficialCandidate>* cards, qint64* count = nullptr);

// The birth date of a fiscal code (letters in place of digits allowed);
// invalid when the code is not a valid fiscal code.
QDate birthDate(const QString& codiceFiscale, const QDate& today);

// The ranking with the session's choices (tie-breaks, manual order,
// non-suitable block).
OfficialResult build(const QList<OfficialCandidate>& cards, const ScoringGrid& choices, const QDate& today);

// The manual order after moving a card one place up (-1) or down (+1) among
// the lines of its manual group; unchanged when it cannot move.
QList<qint64> moved(const OfficialResult& result, const QList<qint64>& manualOrder, qint64 card, int step);

// The printed table: a header line, a rule, one line per candidate.
QStringList tableLines(const OfficialResult& result);

// The anonymous identifier of a card in the publication copy.
QString identifier(qint64 card);
// The published table: position, name or identifier, score, "ex aequo".
QStringList publicationLines(const OfficialResult& result, ScoringGrid::PublishedName name);

struct Heading
{
    QString sessionName;
    QDate date;
    QList<GridMember> members;
};

// Landscape A4 print of the ranking with the committee's signature lines.
std::unique_ptr<Report> rankingReport(const OfficialResult& result, const Heading& heading);
// The publication copy; its footer carries the two fingerprints.
std::unique_ptr<Report> publicationReport(const OfficialResult& result, const Heading& heading,
                                          ScoringGrid::PublishedName name, const QString& sessionSha256,
                                          const QString& gridSha256);

// The seal of a publication compared with the files as they are now.
enum class SealState
{
    NotPublished,
    Intact,
    Changed
};
SealState checkSeal(const QString& sessionPath, const ScoringGrid& grid);
QString sealText(SealState state);
// The seal of the session's publication, its side file read afresh; a
// session whose side file is missing or cannot be read has none.
SealState sessionSeal(const QString& sessionPath);
// The question before a card of a sealed session is stored.
QString storeBreaksSealQuestion();

} // namespace OfficialRanking

// What the competition window asks of the files: the cards of every test's
// session, the birth dates the candidate archive gives, the checks of the
// scores against the tests' maximums, the ranking in one call, and the
// side file stored in one call.
#pragma once

#include "competition/core/CompetitionRanking.h"
#include "sessions/core/ScoringGrid.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace CompetitionStore {

// The cards of each test's session in the folder; problems says, in
// Italian, which session is missing or cannot be read.
bool readTests(const QString& folder, const Competition& competition, QList<QList<TestCard>>* cards,
               QStringList* problems);

// A score above its test's maximum, or one that is not a number.
QStringList scoreProblems(const Competition& competition, const QList<QList<TestCard>>& cards);

// Names of the archive with exactly one birth date ("gg/mm/aaaa" on the
// card), upper case and with single blanks; a missing archive gives none.
QHash<QString, QDate> archiveBirthDates(const QString& archivePath);

// The committee as the tests' scoring grids name it: every member once, in
// the order they first appear; empty when no test has a grid.
QList<GridMember> committee(const QString& folder, const Competition& competition);

struct Outcome
{
    CompetitionResult result;
    QList<GridMember> committee;
    QStringList problems; // when not empty, there is no result
};
// Everything the ranking needs, read and checked, then the ranking.
Outcome rank(const QString& folder, const QString& archivePath, const Competition& competition, const QDate& today);

// The competitions in folder that have the session (its file name) among
// their tests, by name; a competition file that cannot be read counts as
// none.
QStringList competitionsUsing(const QString& folder, const QString& sessionFile);

// Checks and writes the side file of the competition in folder; false with
// the Italian message when the set-up is not valid or the write failed.
// storedAs is the name the competition was read under (empty for a new
// one): a competition is never written over another one's file, nor over a
// file that could not be read.
bool store(const QString& folder, const Competition& competition, const QString& storedAs, QString* message);

} // namespace CompetitionStore

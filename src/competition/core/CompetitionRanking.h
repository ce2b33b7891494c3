// The merit ranking of a competition, worked out from its sessions: one
// person per candidate across the tests, the final score by the call's rule,
// who is not admitted and why, shared positions, the tie-breaks in their
// legal order (preference titles, dependent children, the younger age, the
// committee's order), and the winners with the reserved posts.
#pragma once

#include "competition/core/Competition.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

// One interview card of a test's session, as the ranking needs it.
struct TestCard
{
    qint64 card = 0; // from 1, in file order
    QString candidato;
    QString codiceFiscale;
    QString punteggio; // "27,50"
};

// A final score kept exactly: num / den hundredths of a point (the average
// of three written tests is not a whole number of hundredths).
struct FinalScore
{
    qint64 num = 0;
    qint64 den = 1;
    int compare(const FinalScore& other) const;
    // "27,50", or three decimals when two would hide a difference ("27,667").
    QString text() const;
};

struct CompetitionLine
{
    QString person; // the person key
    QString name;
    QString codiceFiscale;
    QDate birthDate; // from the fiscal code, else from the archive
    QList<qint64> scores; // hundredths, one per test; -1 when absent
    FinalScore finalScore;
    bool admitted = false; // passed every test it had to
    QString notAdmittedReason; // "assente alla prova orale", ...
    int position = 0; // 0 when not admitted
    bool exAequo = false;
    QString placedBy; // the rule that placed it among equals
    bool flagged = false; // a tie-break needed a birth date that is missing
    // Lines that stood equal when the committee's order came to them share
    // a group number (from 1); 0 for the others.
    int manualGroup = 0;
    // Shares its position with the last winner, and no rule told them apart.
    bool tiedForLastPost = false;
    enum class Outcome
    {
        None,
        Winner,
        Eligible
    };
    Outcome outcome = Outcome::None;
    QString reserveUsed; // the reserve whose post it won
    QString overrideReason; // the committee's reason, when it overrode
};

// Cards that could not be matched for sure: the same name without a fiscal
// code to confirm it, or one card matched to two people.
struct DoubtfulMatch
{
    QString cardA; // "session#card"
    QString cardB;
    QString reason;
    // The two cards as the sessions hold them, to be shown side by side.
    TestCard a;
    TestCard b;
};

struct CompetitionResult
{
    QList<CompetitionLine> ranked; // admitted, in merit order
    QList<CompetitionLine> notAdmitted;
    QList<DoubtfulMatch> doubtful;
    QString winnerRule; // how the winners were chosen, for the print
};

namespace CompetitionRanking {

// The birth date the archive gives for a name, when exactly one archive
// card has it; an invalid date otherwise.
using ArchiveBirthDate = std::function<QDate(const QString& name)>;

// cards holds, for each test of the competition in order, its session's
// cards. The competition must have no problems().
CompetitionResult build(const Competition& competition, const QList<QList<TestCard>>& cards,
                        const ArchiveBirthDate& archive, const QDate& today);

// The committee's order after moving a person one place up (-1) or down
// (+1) among the lines of its group; unchanged when it cannot move.
QStringList moved(const CompetitionResult& result, const QStringList& manualOrder, const QString& person, int step);

// The key of a card: "<session>#<card>".
QString cardKey(const QString& session, qint64 card);

// A score text ("27,50") in hundredths; -1 when it is not a number.
qint64 hundredths(const QString& punteggio);
// Hundredths as the program writes a score: "27,50".
QString scoreText(qint64 hundredths);

} // namespace CompetitionRanking

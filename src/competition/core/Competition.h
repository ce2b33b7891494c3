// A public competition ("concorso") made of sessions: each session is one of
// its tests, with a maximum and a pass mark; the call's rule for the final
// score; the posts and their reserves; the ordered preference titles; and,
// for each candidate, what the committee recorded beside the scores (titles
// declared, dependent children, reserves, links between cards, the manual
// order of candidates still tied, the outcomes it overrode).
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct CompetitionTest
{
    enum class Role
    {
        Written, // "Prova scritta", one or more
        Practical, // "Prova pratica"
        Oral, // "Prova orale"
        Titles // "Titoli"
    };
    QString session; // the session's file name, in the sessions folder
    Role role = Role::Written;
    qint64 maximum = 3000; // hundredths of a point
    qint64 passMark = -1; // hundredths of a point; -1 when not given
    qint64 weight = 100; // hundredths, for the weighted rule
};

// Posts kept for candidates of a category: a number of posts, or a
// percentage of the posts (a fraction of a post goes to merit).
struct CompetitionReserve
{
    QString name;
    int posts = 0;
    int percent = 0;
};

// What the committee recorded for a candidate.
struct CandidateFacts
{
    QStringList titles; // preference titles declared, as named in the list
    int children = 0; // dependent children ("figli a carico")
    QStringList reserves; // the reserves the candidate is entitled to
};

// The committee's own decision on a candidate's outcome, with its reason.
struct OutcomeOverride
{
    enum class Outcome
    {
        Winner,
        Eligible,
        Excluded
    };
    Outcome outcome = Outcome::Eligible;
    QString reason;
};

struct Competition
{
    static constexpr int Version = 1;

    enum class Rule
    {
        // the average of the written and practical tests, plus the oral
        // test, plus the qualifications
        Usual,
        // each test's score times its weight, summed
        Weighted
    };

    QString name;
    QList<CompetitionTest> tests;
    Rule rule = Rule::Usual;
    int posts = 0;
    QList<CompetitionReserve> reserves;
    QStringList preferenceTitles; // highest first
    QString titlesSource; // where the list comes from, and its date

    // Candidates are known by their person key (see CompetitionRanking).
    QHash<QString, CandidateFacts> facts;
    // Cards ("session#card") the committee said are one person, and pairs it
    // said are two people.
    QList<QStringList> links;
    QList<QStringList> separations;
    // Person keys in the committee's order, for candidates still tied.
    QStringList manualOrder;
    QHash<QString, OutcomeOverride> overrides;

    // What is wrong with the set-up, in Italian, one sentence each; empty when
    // the competition can be ranked.
    QStringList problems() const;
};

namespace CompetitionRules {

// The test names the user sees: "Prova scritta", "Prova pratica", ...
QString roleName(CompetitionTest::Role role);

// The default list of preference titles and the note of its source and date.
QStringList defaultPreferenceTitles();
QString defaultTitlesSource();

// The posts a reserve takes: its number, or its percentage of the posts with
// the fraction dropped.
int reservedPosts(const CompetitionReserve& reserve, int posts);

} // namespace CompetitionRules

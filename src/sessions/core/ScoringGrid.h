// The committee's scoring grid of a session: its criteria, members and scale,
// the members' scores of each card, the ranking choices, and the side file
// "Nome.griglia.json" beside the session file that keeps them all.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct GridCriterion
{
    QString name;
    double maxPoints = 10.0;
    double weight = 1.0;
};

struct GridMember
{
    enum class Role
    {
        President,
        Member,
        Secretary // takes the minutes, does not vote
    };
    QString name;
    Role role = Role::Member;
    bool votes() const { return role != Role::Secretary; }
};

// How the weighted sum becomes the card's total: the sum itself, or the sum
// scaled so that the best possible grid gives `maximum`.
struct GridScale
{
    bool scaled = false;
    double maximum = 0.0;
};

// One card's scores: member name -> criterion name -> points. Kept by name so
// that removing or reordering a member never moves scores to someone else.
using CardScores = QMap<QString, QMap<QString, double>>;

// What the publication stored: the fingerprints of both files at the time
// the publication copy was written.
struct PublicationSeal
{
    QString sessionSha256;
    QString gridSha256;
    QDateTime when;
    bool isSet() const { return !sessionSha256.isEmpty(); }
};

struct ScoringGrid
{
    static constexpr const char* Format = "selvora-griglia-di-valutazione";
    static constexpr int Version = 1;

    enum class TieBreak
    {
        YoungerFirst,
        ManualOrder
    };
    enum class NonSuitable
    {
        SeparateBlock,
        LeftOut
    };
    enum class PublishedName
    {
        FullName,
        Identifier
    };

    QString sessionFile; // the session's file name, "Nome.vai"
    QList<GridCriterion> criteria;
    QList<GridMember> members;
    GridScale scale;
    QMap<qint64, CardScores> cards; // by card position
    QList<TieBreak> tieBreaks; // applied in this order
    QList<qint64> manualOrder; // card positions, first ranks first
    NonSuitable nonSuitable = NonSuitable::SeparateBlock;
    PublishedName publishedName = PublishedName::FullName;
    PublicationSeal seal;
    // Filled when read from a sealed file: the fingerprint of the content as
    // it stands on disk, taken from the file itself (so it is right even when
    // the scores were not read).
    QString storedContentSha256;
    // The highest card holding scores in a file read without its scores.
    qint64 skippedHighestCard = 0;

    QList<GridMember> votingMembers() const;
    int criterionIndex(const QString& name) const;
    int memberIndex(const QString& name) const;
    // Cards holding scores given by a member, or for a criterion.
    QList<qint64> cardsScoredBy(const QString& member) const;
    QList<qint64> cardsScoredFor(const QString& criterion) const;
    qint64 highestCard() const;

    // The side file's content, and its reading: problem receives an Italian
    // sentence saying what is wrong with the text (and the grid is empty).
    QByteArray toJson() const;
    // Without scores, the cards' scores are neither read nor judged: what
    // the rankings need is the rest. Such a grid must never be written back.
    static bool fromJson(const QByteArray& bytes, const QString& expectedSession, ScoringGrid* grid, QString* problem,
                         bool withScores = true);
    // The fingerprint of the grid's content, all but the publication seal
    // itself (which cannot hold its own fingerprint): SHA-256 of the compact
    // JSON with its keys in order, in hexadecimal.
    QString contentSha256() const;
};

namespace GridMath {

// A criterion's mean over the voting members who scored it; false when
// nobody did.
bool mean(const ScoringGrid& grid, const CardScores& scores, const GridCriterion& criterion, double* value);

struct Total
{
    double weightedSum = 0.0; // sum of weight x mean
    double bestPossible = 0.0; // sum of weight x maximum
    double total = 0.0; // after the scale
    bool complete = false; // every voting member scored every criterion
    bool any = false; // at least one score
};
Total total(const ScoringGrid& grid, const CardScores& scores);

// The total as it goes into the score field: rounded to two decimals and
// written with the program's number rules ("27,5").
QString totalText(double total);

// A score typed or pasted into a cell: a number with a decimal comma from 0
// to the criterion's maximum. Empty problem means accepted; an empty text is
// "no score".
double parseScore(const QString& text, const GridCriterion& criterion, bool* empty, QString* problem);
QString scoreText(double value);

// Criteria and members as the committee defined them: names present and
// different, maxima and weights above zero, at least one voting member.
QString checkSetup(const QList<GridCriterion>& criteria, const QList<GridMember>& members, const GridScale& scale);

QString roleText(GridMember::Role role);
bool roleFromText(const QString& text, GridMember::Role* role);

} // namespace GridMath

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

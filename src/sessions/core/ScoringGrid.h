// The committee's scoring grid of a session: its criteria, members and scale,
// the members' scores of each card and the ranking choices. The side file
// that keeps them is GridFile, the arithmetic on them GridMath.
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

    // The side file's content, and its reading (both in GridFile.cpp):
    // problem receives an Italian sentence saying what is wrong with the
    // text (and the grid is empty).
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

// The arithmetic and the side file come with the grid: who knows the grid
// alone reaches them too.
#include "sessions/core/GridFile.h"
#include "sessions/core/GridMath.h"

// The scoring grid's model: the questions it answers about its criteria,
// members and cards. The arithmetic is in GridMath.cpp, the side file and the
// grid's JSON in GridFile.cpp.
#include "sessions/core/ScoringGrid.h"

QList<GridMember> ScoringGrid::votingMembers() const
{
    QList<GridMember> out;
    for (const GridMember& m : members) {
        if (m.votes())
            out.append(m);
    }
    return out;
}

int ScoringGrid::criterionIndex(const QString& name) const
{
    for (int i = 0; i < criteria.size(); ++i) {
        if (criteria.at(i).name == name)
            return i;
    }
    return -1;
}

int ScoringGrid::memberIndex(const QString& name) const
{
    for (int i = 0; i < members.size(); ++i) {
        if (members.at(i).name == name)
            return i;
    }
    return -1;
}

QList<qint64> ScoringGrid::cardsScoredBy(const QString& member) const
{
    QList<qint64> out;
    for (auto c = cards.cbegin(); c != cards.cend(); ++c) {
        if (!c->value(member).isEmpty())
            out.append(c.key());
    }
    return out;
}

QList<qint64> ScoringGrid::cardsScoredFor(const QString& criterion) const
{
    QList<qint64> out;
    for (auto c = cards.cbegin(); c != cards.cend(); ++c) {
        for (const auto& byCriterion : *c) {
            if (byCriterion.contains(criterion)) {
                out.append(c.key());
                break;
            }
        }
    }
    return out;
}

qint64 ScoringGrid::highestCard() const
{
    return qMax(skippedHighestCard, cards.isEmpty() ? qint64(0) : cards.lastKey());
}

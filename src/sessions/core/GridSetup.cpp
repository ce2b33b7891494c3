// The set-up rules: the typed numbers, the committee's checks, a maximum that
// must still hold the scores given, the scores lost with a removed criterion
// or member, and the scores carried over to new names.
#include "sessions/core/GridSetup.h"

#include "base/core/NumberText.h"
#include "sessions/core/GridMath.h"

namespace GridSetup {

namespace {

// Old name -> new name of every row that was shown, changed or not.
QMap<QString, QString> carried(const QList<CriterionRow>& rows)
{
    QMap<QString, QString> out;
    for (const CriterionRow& row : rows) {
        if (!row.previous.isEmpty())
            out.insert(row.previous, row.name);
    }
    return out;
}

QMap<QString, QString> carried(const QList<MemberRow>& rows)
{
    QMap<QString, QString> out;
    for (const MemberRow& row : rows) {
        if (!row.previous.isEmpty())
            out.insert(row.previous, row.name);
    }
    return out;
}

QMap<QString, QString> changesOnly(const QMap<QString, QString>& names)
{
    QMap<QString, QString> out;
    for (auto n = names.cbegin(); n != names.cend(); ++n) {
        if (n.key() != n.value())
            out.insert(n.key(), n.value());
    }
    return out;
}

} // namespace

QString Result::lossQuestion() const
{
    return QStringLiteral("Si stanno eliminando %1.\r\n\r\nI punteggi già assegnati saranno "
                          "cancellati dalla griglia. Si conferma?")
        .arg(losses.join(QStringLiteral(", ")));
}

Result apply(const ScoringGrid& current, const Proposal& proposed)
{
    Result result;
    auto refuse = [&](const QString& problem) {
        result.problem = problem;
        return result;
    };

    QList<GridCriterion> criteria;
    for (int r = 0; r < proposed.criteria.size(); ++r) {
        const CriterionRow& row = proposed.criteria.at(r);
        GridCriterion c;
        c.name = row.name;
        const QString label =
            c.name.isEmpty() ? QStringLiteral("n. %1").arg(r + 1) : QStringLiteral("\"%1\"").arg(c.name);
        if (!NumberText::parse(row.maximum, &c.maxPoints))
            return refuse(
                QStringLiteral("Attenzione: il punteggio massimo del criterio %1 non è un numero.").arg(label));
        if (!NumberText::parse(row.weight, &c.weight))
            return refuse(QStringLiteral("Attenzione: il peso del criterio %1 non è un numero.").arg(label));
        criteria.append(c);
    }
    QList<GridMember> members;
    for (const MemberRow& row : proposed.members)
        members.append(GridMember {row.name, row.role});
    const QString problem = GridMath::checkSetup(criteria, members, proposed.scale);
    if (!problem.isEmpty())
        return refuse(problem);

    const QMap<QString, QString> criterionNames = carried(proposed.criteria);
    const QMap<QString, QString> memberNames = carried(proposed.members);

    // A lower maximum must still hold every score given.
    for (const GridCriterion& c : criteria) {
        const QString old = criterionNames.key(c.name);
        if (old.isEmpty())
            continue;
        for (const CardScores& card : current.cards) {
            for (const auto& byCriterion : card) {
                if (byCriterion.value(old, 0.0) > c.maxPoints) {
                    result.lowered = c.name;
                    return refuse(QStringLiteral("Attenzione: alcuni punteggi già assegnati per il criterio "
                                                 "\"%1\" superano il nuovo massimo %2. Correggere prima i "
                                                 "punteggi oppure indicare un massimo più alto.")
                                      .arg(c.name, GridMath::scoreText(c.maxPoints)));
                }
            }
        }
    }

    // Removing a criterion or a member who already scored loses scores.
    for (const GridCriterion& c : current.criteria) {
        const int n = int(current.cardsScoredFor(c.name).size());
        if (!criterionNames.contains(c.name) && n > 0)
            result.losses << QStringLiteral("il criterio \"%1\" (punteggi in %2 schede)").arg(c.name).arg(n);
    }
    for (const GridMember& m : current.members) {
        const int n = int(current.cardsScoredBy(m.name).size());
        if (!memberNames.contains(m.name) && n > 0)
            result.losses << QStringLiteral("il componente \"%1\" (punteggi in %2 schede)").arg(m.name).arg(n);
    }
    result.renamedCriteria = changesOnly(criterionNames);
    result.renamedMembers = changesOnly(memberNames);

    ScoringGrid& next = result.grid;
    next = current;
    next.criteria = criteria;
    next.members = members;
    next.scale = proposed.scale;
    for (auto card = next.cards.begin(); card != next.cards.end();) {
        CardScores renamed;
        for (auto m = card->cbegin(); m != card->cend(); ++m) {
            // Scores under names the grid does not know (a hand edit) stay.
            if (!memberNames.contains(m.key()) && current.memberIndex(m.key()) >= 0)
                continue; // removed
            const QString member = memberNames.value(m.key(), m.key());
            for (auto c = m->cbegin(); c != m->cend(); ++c) {
                if (!criterionNames.contains(c.key()) && current.criterionIndex(c.key()) >= 0)
                    continue;
                renamed[member].insert(criterionNames.value(c.key(), c.key()), c.value());
            }
        }
        if (renamed.isEmpty()) {
            card = next.cards.erase(card);
        } else {
            *card = renamed;
            ++card;
        }
    }
    return result;
}

} // namespace GridSetup

// The scoring grid's arithmetic: the criteria's means over the voting
// members, the weighted total and its scale, and the checks of the scores and
// of the set-up the committee types in.
#include "sessions/core/GridMath.h"

#include "base/core/NumberText.h"
#include "sessions/core/ScoreText.h"

#include <QSet>

namespace {

QString number(double v)
{
    return NumberText::general(v);
}

} // namespace

namespace GridMath {

bool mean(const ScoringGrid& grid, const CardScores& scores, const GridCriterion& criterion, double* value)
{
    double sum = 0.0;
    int count = 0;
    for (const GridMember& m : grid.members) {
        if (!m.votes())
            continue;
        const auto byMember = scores.constFind(m.name);
        if (byMember == scores.cend())
            continue;
        const auto points = byMember->constFind(criterion.name);
        if (points == byMember->cend())
            continue;
        sum += *points;
        ++count;
    }
    if (count == 0)
        return false;
    *value = sum / count;
    return true;
}

Total total(const ScoringGrid& grid, const CardScores& scores)
{
    Total t;
    const int voters = int(grid.votingMembers().size());
    t.complete = voters > 0 && !grid.criteria.isEmpty();
    for (const GridCriterion& c : grid.criteria) {
        t.bestPossible += c.weight * c.maxPoints;
        double m = 0.0;
        if (mean(grid, scores, c, &m)) {
            t.weightedSum += c.weight * m;
            t.any = true;
        }
        int given = 0;
        for (const GridMember& member : grid.members) {
            if (member.votes() && scores.value(member.name).contains(c.name))
                ++given;
        }
        if (given < voters)
            t.complete = false;
    }
    t.total = t.weightedSum;
    if (grid.scale.scaled && t.bestPossible > 0.0)
        t.total = t.weightedSum / t.bestPossible * grid.scale.maximum;
    return t;
}

QString totalText(double total)
{
    return NumberText::general(ArrotondaDueDecimali(total));
}

double parseScore(const QString& text, const GridCriterion& criterion, bool* empty, QString* problem)
{
    problem->clear();
    *empty = text.trimmed().isEmpty();
    if (*empty)
        return 0.0;
    double value = 0.0;
    if (!NumberText::parse(text, &value) || !(value >= 0.0) || value > criterion.maxPoints) {
        *problem = QStringLiteral("Attenzione: il punteggio \"%1\" non è valido per il criterio \"%2\".\r\n\r\n"
                                  "Indicare un numero da 0 a %3, con la virgola per i decimali.")
                       .arg(text.trimmed(), criterion.name, number(criterion.maxPoints));
        return 0.0;
    }
    return value;
}

QString scoreText(double value)
{
    return number(value);
}

QString checkSetup(const QList<GridCriterion>& criteria, const QList<GridMember>& members, const GridScale& scale)
{
    if (criteria.isEmpty())
        return QStringLiteral("Attenzione: indicare almeno un criterio di valutazione.");
    QSet<QString> names;
    for (int i = 0; i < criteria.size(); ++i) {
        const GridCriterion& c = criteria.at(i);
        if (c.name.trimmed().isEmpty())
            return QStringLiteral("Attenzione: il criterio n. %1 non ha un nome.").arg(i + 1);
        if (names.contains(c.name))
            return QStringLiteral("Attenzione: il criterio \"%1\" è indicato più di una volta.").arg(c.name);
        names.insert(c.name);
        if (!(c.maxPoints > 0.0))
            return QStringLiteral("Attenzione: il punteggio massimo del criterio \"%1\" deve essere maggiore di zero.")
                .arg(c.name);
        if (!(c.weight > 0.0))
            return QStringLiteral("Attenzione: il peso del criterio \"%1\" deve essere maggiore di zero.").arg(c.name);
    }
    names.clear();
    int voters = 0;
    for (int i = 0; i < members.size(); ++i) {
        const GridMember& m = members.at(i);
        if (m.name.trimmed().isEmpty())
            return QStringLiteral("Attenzione: il componente n. %1 della commissione non ha un nome.").arg(i + 1);
        if (names.contains(m.name))
            return QStringLiteral("Attenzione: il componente \"%1\" è indicato più di una volta.").arg(m.name);
        names.insert(m.name);
        if (m.votes())
            ++voters;
    }
    if (voters == 0)
        return QStringLiteral("Attenzione: indicare almeno un componente della commissione con diritto di voto.");
    if (scale.scaled && !(scale.maximum > 0.0))
        return QStringLiteral("Attenzione: il punteggio massimo della scala deve essere maggiore di zero.");
    return QString();
}

QString roleText(GridMember::Role role)
{
    switch (role) {
    case GridMember::Role::President:
        return QStringLiteral("presidente");
    case GridMember::Role::Secretary:
        return QStringLiteral("segretario");
    case GridMember::Role::Member:
        break;
    }
    return QStringLiteral("componente");
}

bool roleFromText(const QString& text, GridMember::Role* role)
{
    for (GridMember::Role r : {GridMember::Role::President, GridMember::Role::Member, GridMember::Role::Secretary}) {
        if (roleText(r) == text) {
            *role = r;
            return true;
        }
    }
    return false;
}

} // namespace GridMath

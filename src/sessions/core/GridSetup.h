// The committee's set-up of the grid as typed into the set-up page, judged
// against the grid as it stands: what is refused, which criteria and members
// would go with their scores, which are renamed (their scores follow them),
// and the grid it becomes.
#pragma once

#include "sessions/core/ScoringGrid.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace GridSetup {

// A criterion's row as typed: maximum and weight are still text. previous is
// the name the row had when the grid was shown, empty for a row added since.
struct CriterionRow
{
    QString name;
    QString maximum;
    QString weight;
    QString previous;
};

struct MemberRow
{
    QString name;
    GridMember::Role role = GridMember::Role::Member;
    QString previous;
};

struct Proposal
{
    QList<CriterionRow> criteria;
    QList<MemberRow> members;
    GridScale scale;
};

struct Result
{
    // The set-up is refused: the Italian warning to show. Nothing else is
    // filled then.
    QString problem;
    // A criterion whose new maximum is below a score already given (the
    // reason of the refusal).
    QString lowered;
    // Criteria and members removed with their scores, as the question names
    // them: the grid loses those scores only with the user's word.
    QStringList losses;
    // Old name -> new name, only the names that change.
    QMap<QString, QString> renamedCriteria;
    QMap<QString, QString> renamedMembers;
    // The grid once the set-up is applied.
    ScoringGrid grid;

    // The question that asks for the user's word on the losses.
    QString lossQuestion() const;
};

Result apply(const ScoringGrid& current, const Proposal& proposed);

} // namespace GridSetup

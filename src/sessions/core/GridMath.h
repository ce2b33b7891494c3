// The scoring grid's arithmetic: means, weighted totals and the scale, the
// score typed into a cell, and the checks of the committee's set-up.
#pragma once

#include "sessions/core/ScoringGrid.h"

#include <QList>
#include <QString>

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

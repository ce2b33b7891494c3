// The competition's merit ranking on paper: landscape A4 with one column per
// test, the final score, the rule that placed each tied line and the
// outcome; then the winners, how they were chosen, the candidates not
// admitted with why, and the committee's signatures.
#pragma once

#include "competition/core/CompetitionRanking.h"
#include "sessions/core/ScoringGrid.h"

#include <QDate>
#include <QStringList>

#include <memory>

class Report;

namespace CompetitionReport {

// The printed table, a line each.
QStringList tableLines(const Competition& competition, const CompetitionResult& result);

// The committee signs under the ranking: its members by name when the
// tests' grids name them, else blank lines for the president, members and
// secretary.
std::unique_ptr<Report> rankingReport(const Competition& competition, const CompetitionResult& result,
                                      const QList<GridMember>& committee, const QDate& date);

} // namespace CompetitionReport

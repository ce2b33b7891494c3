// The committee's minutes of one card ("verbale di valutazione"): the
// criteria by members table, the means, the total and the signature lines,
// on an A4 portrait page of the report engine.
#pragma once

#include "sessions/core/ScoringGrid.h"

#include <QString>
#include <QStringList>

#include <memory>

class Report;

namespace GridReport {

struct Card
{
    QString sessionName;
    qint64 position = 0;
    QString candidato;
    QString codiceFiscale;
    QString dataColloquio;
};

// The table lines of the minutes.
QStringList tableLines(const ScoringGrid& grid, const CardScores& scores);

std::unique_ptr<Report> create(const ScoringGrid& grid, const Card& card);

} // namespace GridReport

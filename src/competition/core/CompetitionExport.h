// The competition's table for a spreadsheet: one row per candidate (ranked,
// then not admitted), a column per test, the final score, the position, the
// titles declared and the outcome; written as .xlsx or .csv with the rules
// the other exports follow.
#pragma once

#include "competition/core/CompetitionRanking.h"
#include "sheets/core/SpreadsheetExport.h"

#include <QList>
#include <QString>

namespace CompetitionExport {

QList<SpreadsheetExport::Column> columns(const Competition& competition);
ExportTable table(const Competition& competition, const CompetitionResult& result);
// The column of the final score, written as a number.
int scoreColumn(const Competition& competition);

// Writes path as .csv when it ends so, else as .xlsx; false with the reason.
bool write(const QString& path, const Competition& competition, const CompetitionResult& result, QString* error);

} // namespace CompetitionExport

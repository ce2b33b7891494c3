// The summary-list template shared by every list window and by the rankings:
// an A4 landscape page, the window's title once at the top, one block of
// monospaced lines that continues over as many pages as it needs, and the
// print date once below the last line.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Report;

namespace SummaryReport {

// Height of one summary line and the space below the block, in units.
constexpr double LineHeight = 12.822; // 3.39 mm
constexpr double BlockExtra = 10.0; // 2.65 mm

// A new template with its report name ("Riepilogo dati", "Graduatoria di
// merito", ...): bands "ReportTitle", "MasterData", "Footer"; text boxes
// "txtTitolo", "txtRiepilogo", "txtPagina".
std::unique_ptr<Report> create(const QString& reportName);

// Fills the template for a print: the title into "txtTitolo", the lines into
// "txtRiepilogo" (one line each), then the box height to lines x LineHeight
// and the block height to that plus BlockExtra. The caller then prepares.
void fill(Report& report, const QString& title, const QStringList& lines);

} // namespace SummaryReport

// The summary print of a list window: the window's title and the lines of its
// summary list on the summary-list template, through the printer dialog.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class Report;

namespace SummaryPrint {

// Fills the template (title, lines, heights), prepares it and prints it
// through the printer dialog. True when it was printed.
bool print(QWidget* parent, Report& report, const QString& title, const QStringList& lines);

} // namespace SummaryPrint

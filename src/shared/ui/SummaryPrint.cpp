#include "shared/ui/SummaryPrint.h"

#include "output/core/SummaryReport.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"

namespace SummaryPrint {

bool print(QWidget* parent, Report& report, const QString& title, const QStringList& lines)
{
    SummaryReport::fill(report, title, lines);
    report.prepare();
    return ReportPrinter::print(parent, report);
}

} // namespace SummaryPrint

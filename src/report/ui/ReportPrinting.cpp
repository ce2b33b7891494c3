// Prepared report pages on a real printer.
#include "report/ui/ReportPrinting.h"

#include "report/core/Report.h"

#include <QPainter>
#include <QPrinter>

namespace ReportPrinting {

void applyPageLayout(const Report& report, QPrinter* printer)
{
    const QPageSize size(report.paperSize(), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    printer->setFullPage(true);
    printer->setPageLayout(QPageLayout(size, report.orientation(), QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool printTo(const Report& report, QPrinter* printer)
{
    printer->setFullPage(true);
    QList<int> order;
    const bool ranged = printer->printRange() == QPrinter::PageRange && !printer->pageRanges().isEmpty();
    for (int i = 0; i < report.pageCount(); ++i)
        if (!ranged || printer->pageRanges().contains(i + 1))
            order.append(i);
    if (order.isEmpty())
        return true;
    // Printers that cannot make copies themselves get them one by one.
    const int copies = printer->supportsMultipleCopies() ? 1 : qMax(1, printer->copyCount());
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const double s = printer->resolution() / 96.0;
    bool first = true;
    for (int c = 0; c < copies; ++c) {
        for (int i : order) {
            if (!first && !printer->newPage()) {
                painter.end();
                return false;
            }
            first = false;
            report.render(&painter, i, s);
        }
    }
    return painter.end();
}

} // namespace ReportPrinting

#include "output/core/SummaryReport.h"

#include "report/core/Report.h"

namespace {
const QColor kSlateGray(0x70, 0x80, 0x90);
}

namespace SummaryReport {

std::unique_ptr<Report> create(const QString& reportName)
{
    using ReportUnits::mm;
    using ReportUnits::mmRect;

    auto report = std::make_unique<Report>(reportName);
    report->setPaperSize(QSizeF(210.0, 297.0));
    report->setOrientation(QPageLayout::Landscape);
    report->setMargins(QMarginsF(10.0, 10.0, 10.0, 10.0));

    Band* title = report->addBand(Band::Type::ReportTitle, QStringLiteral("ReportTitle"), mm(8.0));
    MemoView* txtTitolo = report->addMemo(QStringLiteral("txtTitolo"), mmRect(2.0, 1.0, 273.0, 5.0), title);
    txtTitolo->setFont(QStringLiteral("Verdana"), 9.0, true);
    txtTitolo->textColour = Qt::white;
    txtTitolo->background = kSlateGray;
    txtTitolo->hAlign = MemoView::HAlign::Center;
    txtTitolo->vAlign = MemoView::VAlign::Center;
    // Titles and summary lines hold names and notes as typed: brackets in
    // them print as they stand.
    txtTitolo->allowExpressions = false;
    txtTitolo->setText(QStringLiteral("Riepilogo"));

    Band* master = report->addBand(Band::Type::MasterData, QStringLiteral("MasterData"), mm(28.0));
    master->allowSplit = true;
    MemoView* txtRiepilogo = report->addMemo(QStringLiteral("txtRiepilogo"), mmRect(3.0, 0.0, 273.0, 25.0), master);
    txtRiepilogo->setFont(QStringLiteral("Courier New"), 8.0);
    txtRiepilogo->textColour = Qt::black;
    txtRiepilogo->wordWrap = false;
    txtRiepilogo->allowExpressions = false;
    // Lines stand exactly LineHeight apart, so that a box of n x LineHeight
    // holds n lines whatever the metrics of the installed monospaced font.
    txtRiepilogo->linePitch = LineHeight;
    txtRiepilogo->gapY = 0.0;

    Band* footer = report->addBand(Band::Type::Footer, QStringLiteral("Footer"), mm(8.0));
    MemoView* txtPagina = report->addMemo(QStringLiteral("txtPagina"), mmRect(3.0, 2.0, 272.0, 5.0), footer);
    txtPagina->setFont(QStringLiteral("Verdana"), 8.0, true);
    txtPagina->textColour = Qt::white;
    txtPagina->background = kSlateGray;
    txtPagina->hAlign = MemoView::HAlign::Center;
    txtPagina->vAlign = MemoView::VAlign::Center;
    txtPagina->allowExpressions = true;
    txtPagina->setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    return report;
}

void fill(Report& report, const QString& title, const QStringList& lines)
{
    report.memo(QStringLiteral("txtTitolo"))->setText(title);
    MemoView* txtRiepilogo = report.memo(QStringLiteral("txtRiepilogo"));
    txtRiepilogo->clearLines();
    for (const QString& line : lines)
        txtRiepilogo->appendLine(line);
    Band* master = report.band(QStringLiteral("MasterData"));
    txtRiepilogo->setHeight(txtRiepilogo->lineCount() * LineHeight);
    master->setHeight(txtRiepilogo->height() + BlockExtra);
}

} // namespace SummaryReport

// Builds the plain document template and fills it in one go.
#include "output/core/DocumentReport.h"

#include "output/core/SummaryReport.h"
#include "report/core/Report.h"

namespace {
const QColor kSlateGray(0x70, 0x80, 0x90);
constexpr double kHeadingLine = 18.0; // units per Verdana 9 pt line
} // namespace

namespace DocumentReport {

int bodyColumns(QPageLayout::Orientation orientation)
{
    // Courier New 8 pt advances 0.6 em = 4.8 pt = 1.693 mm per character.
    const double width = orientation == QPageLayout::Landscape ? 271.0 : 184.0;
    return int(width / 1.694);
}

QStringList wrapWords(const QString& text, int columns)
{
    columns = qMax(1, columns);
    QStringList out;
    QString rest = text;
    while (rest.size() > columns) {
        // The last blank that leaves the piece no longer than columns.
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), columns);
        qsizetype next = cut + 1;
        if (cut <= 0) {
            cut = columns;
            next = columns;
        }
        QString piece = rest.left(cut);
        while (piece.endsWith(QLatin1Char(' ')))
            piece.chop(1);
        if (!piece.isEmpty())
            out << piece;
        rest = rest.mid(next);
        while (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
    }
    if (!rest.isEmpty() || out.isEmpty())
        out << rest;
    return out;
}

std::unique_ptr<Report> create(const Content& content)
{
    using ReportUnits::mm;
    using ReportUnits::mmRect;

    auto report = std::make_unique<Report>(content.reportName);
    report->setPaperSize(QSizeF(210.0, 297.0));
    report->setOrientation(content.orientation);
    report->setMargins(QMarginsF(10.0, 10.0, 10.0, 10.0));
    const double width = content.orientation == QPageLayout::Landscape ? 273.0 : 186.0;

    Band* title = report->addBand(Band::Type::ReportTitle, QStringLiteral("ReportTitle"), mm(9.0));
    MemoView* txtTitolo = report->addMemo(QStringLiteral("txtTitolo"), mmRect(2.0, 1.0, width, 6.0), title);
    txtTitolo->setFont(QStringLiteral("Verdana"), 10.0, true);
    txtTitolo->textColour = Qt::white;
    txtTitolo->background = kSlateGray;
    txtTitolo->hAlign = MemoView::HAlign::Center;
    txtTitolo->vAlign = MemoView::VAlign::Center;
    txtTitolo->setText(content.title);

    const double headingHeight = content.heading.size() * kHeadingLine + 6.0;
    Band* heading = report->addBand(Band::Type::MasterData, QStringLiteral("Heading"), headingHeight);
    MemoView* txtIntestazione =
        report->addMemo(QStringLiteral("txtIntestazione"), QRectF(mm(2.0), 0.0, mm(width), headingHeight), heading);
    txtIntestazione->setFont(QStringLiteral("Verdana"), 9.0);
    txtIntestazione->linePitch = kHeadingLine;
    txtIntestazione->setLines(content.heading);

    const double bodyHeight = content.body.size() * SummaryReport::LineHeight;
    Band* master =
        report->addBand(Band::Type::MasterData, QStringLiteral("MasterData"), bodyHeight + SummaryReport::BlockExtra);
    master->allowSplit = true;
    MemoView* txtRiepilogo =
        report->addMemo(QStringLiteral("txtRiepilogo"), QRectF(mm(3.0), 0.0, mm(width), bodyHeight), master);
    txtRiepilogo->setFont(QStringLiteral("Courier New"), 8.0);
    txtRiepilogo->linePitch = SummaryReport::LineHeight;
    txtRiepilogo->gapY = 0.0;
    txtRiepilogo->setLines(content.body);

    QStringList closing = content.closing;
    const double closingHeight = closing.size() * kHeadingLine + 4.0;
    Band* footer = report->addBand(Band::Type::Footer, QStringLiteral("Footer"), closingHeight + mm(9.0));
    MemoView* txtChiusura =
        report->addMemo(QStringLiteral("txtChiusura"), QRectF(mm(2.0), 0.0, mm(width), closingHeight), footer);
    txtChiusura->setFont(QStringLiteral("Verdana"), 9.0);
    txtChiusura->linePitch = kHeadingLine;
    txtChiusura->setLines(closing);
    MemoView* txtPagina = report->addMemo(QStringLiteral("txtPagina"),
                                          QRectF(mm(3.0), closingHeight + mm(2.0), mm(width - 1.0), mm(5.0)), footer);
    txtPagina->setFont(QStringLiteral("Verdana"), 8.0, true);
    txtPagina->textColour = Qt::white;
    txtPagina->background = kSlateGray;
    txtPagina->hAlign = MemoView::HAlign::Center;
    txtPagina->vAlign = MemoView::VAlign::Center;
    txtPagina->allowExpressions = true;
    txtPagina->setText(content.printDate ? QStringLiteral("Stampa eseguita in data [DATE]") : QString());
    txtPagina->setVisible(content.printDate);
    return report;
}

} // namespace DocumentReport

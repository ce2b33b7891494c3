// A plain document on the report engine: a title strip, a few heading lines,
// one block of monospaced lines that continues over as many pages as it
// needs, and a closing block (signatures, fingerprints) with the print date.
// The committee's minutes and the official rankings print this way.
#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

class Report;

namespace DocumentReport {

struct Content
{
    QString reportName;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    QString title;
    QStringList heading; // Verdana, under the title
    QStringList body; // Courier New, one line each, splits across pages
    QStringList closing; // Verdana, after the body, kept on one page
    bool printDate = true; // "Stampa eseguita in data dd/mm/yyyy" last
};

// Bands "ReportTitle", "Heading", "MasterData", "Footer"; text boxes
// "txtTitolo", "txtIntestazione", "txtRiepilogo", "txtChiusura", "txtPagina".
std::unique_ptr<Report> create(const Content& content);

// Characters of Courier New 8 pt across the printable width.
int bodyColumns(QPageLayout::Orientation orientation);

// A text cut at blanks into pieces of at most columns characters (blanks at
// a cut are dropped); a word longer than a piece is cut where the piece
// ends. An empty text is one empty piece.
QStringList wrapWords(const QString& text, int columns);

} // namespace DocumentReport

// The .xlsx export of an export grid, written with libxlsxwriter: every value
// a text cell (so "00184" stays "00184") except the score, a number cell with
// two decimals; the heading row bold and frozen, with an autofilter; column
// widths fitted to the longest value.
#pragma once

#include "sheets/core/SpreadsheetExport.h"

#include <QList>
#include <QString>

namespace XlsxExport {

// Writes the whole file safely: the workbook is built in a temporary folder
// and then copied through a temporary file beside path, which replaces the
// old file only when complete. scoreColumn is the exported column holding the
// score (-1 for none). On failure returns false with the reason in *error.
bool write(const QString& path, const QString& sheetName, const QList<SpreadsheetExport::Column>& columns,
           const ExportTable& table, int scoreColumn, QString* error = nullptr);

// The width, in characters, a column gets for its longest value.
int fittedWidth(int longest);

// Tests give the writer files that fail on purpose.
void setFileFactory(SpreadsheetExport::FileFactory factory);

} // namespace XlsxExport

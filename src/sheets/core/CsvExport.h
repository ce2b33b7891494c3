// The .csv export of an export grid, as Italian spreadsheet programs expect
// it: UTF-8 with a byte-order mark, ";" between values, CR LF after every
// row, quotes only where a value needs them, the score with a decimal comma,
// and a leading apostrophe on any value a spreadsheet would run as a formula.
#pragma once

#include "sheets/core/SpreadsheetExport.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace CsvExport {

// A value that starts with "=", "+", "-", "@", a tab or a carriage return
// would be taken as a formula: it gets a leading apostrophe. So that the
// apostrophe can be taken off again on import without doubt, a value that
// already starts with apostrophes followed by one of those characters gets
// one more.
bool needsGuard(QStringView text);
QString guarded(const QString& text);
// The inverse: one leading apostrophe taken off where guarded() put one.
QString unguarded(const QString& text);

// One value as it goes into the file (UTF-8 in, UTF-8 out): guarded, then
// quoted if it holds ";", a quotation mark, a carriage return or a line
// feed, quotation marks doubled.
void appendField(QByteArrayView utf8, QByteArray* out);

// Writes the whole file safely: a temporary file beside path receives every
// byte and only a complete file replaces the old one. scoreColumn is the
// exported column holding the score (-1 for none). On failure returns false
// with the reason in *error.
bool write(const QString& path, const QList<SpreadsheetExport::Column>& columns, const ExportTable& table,
           int scoreColumn, QString* error = nullptr);

// Tests give the writer files that fail on purpose.
void setFileFactory(SpreadsheetExport::FileFactory factory);

} // namespace CsvExport

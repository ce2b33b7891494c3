// The cells of an export grid as UTF-8 text, for the .xlsx and .csv exports:
// stored Windows-1252 bytes are converted straight to UTF-8 without passing
// through QString, and an edited cell is taken as typed (trimmed).
#pragma once

#include "sheets/core/SpreadsheetExport.h"

#include <QByteArray>
#include <QByteArrayView>

namespace ExportCells {

// Appends the UTF-8 form of Windows-1252 bytes.
void appendUtf8(QByteArrayView cp1252, QByteArray* out);

// The cell's text in UTF-8 (replacing *out).
void cellUtf8(const ExportTable& table, int row, int column, QByteArray* out);

// The score as a number: "12,50" or "12.50" gives 12.5. False for anything
// that is not a plain decimal number (an empty cell, a typed word).
bool scoreValue(QByteArrayView utf8, double* value);

} // namespace ExportCells

namespace ExportCells {

// The messages of the .xlsx and .csv export commands; fileName is the file's
// name without its folder.
QString successMessage(const QString& fileName);
QString failureMessage(const QString& fileName, const QString& reason);

} // namespace ExportCells

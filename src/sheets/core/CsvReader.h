// Reads a .csv file into a SheetTable: the encoding (UTF-8 with or without a
// byte-order mark, UTF-16 with a mark, otherwise Windows-1252) and the
// separator (";", "," or tab, whichever the heading line uses most) are
// found from the file itself.
#pragma once

#include "sheets/core/SheetTable.h"

#include <QByteArray>
#include <QString>

namespace CsvReader {

// The largest file read; a larger one is refused with a message.
constexpr qint64 MaxBytes = 200 * 1024 * 1024;

// On failure returns false with an Italian message in *error saying what is
// wrong with the file; the table is then empty.
bool read(const QString& path, SheetTable* table, QString* error);
bool parse(const QByteArray& bytes, SheetTable* table, QString* error);

// What detection found, for the window and the tests.
QString decode(const QByteArray& bytes, QString* encodingName);
QChar detectSeparator(QStringView text);

} // namespace CsvReader

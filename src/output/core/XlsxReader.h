// Reads the first worksheet of an .xlsx file into a SheetTable: libarchive
// opens the zip, QXmlStreamReader reads the workbook, its relationships, the
// shared strings and the sheet. Number cells become their plain decimal text
// ("184", "12.5"); a formula cell gives the value last computed and is marked.
#pragma once

#include "output/core/SheetTable.h"

#include <QString>

namespace XlsxReader {

// The largest unpacked part read; a larger one is refused with a message.
constexpr qint64 MaxPartBytes = 1024LL * 1024 * 1024;

// On failure returns false with an Italian message in *error; the table is
// then empty.
bool read(const QString& path, SheetTable* table, QString* error);

// "A" is 0, "Z" 25, "AA" 26: the column of a cell reference such as "AB12".
int columnOfReference(QStringView reference);

// A number cell's text as the reader gives it: whole numbers without
// decimals, others with a point and no trailing zeros.
QString numberText(QStringView stored);

} // namespace XlsxReader

// Reads the first worksheet of an .xlsx file into a SheetTable: libarchive
// opens the zip, QXmlStreamReader reads the workbook, its relationships, the
// shared strings and the sheet, the last two as they are unpacked. Number cells become their plain decimal text
// ("184", "12.5"); a formula cell gives the value last computed and is marked.
#pragma once

#include "sheets/core/SheetTable.h"

#include <QString>

namespace XlsxReader {

// Only the workbook, its relationships, the shared strings and the one
// worksheet read are unpacked, streamed a block at a time. All they unpack
// to together is limited: at most MaxUnpackedBytes, and at most MaxRatio
// times the size of the file (but always MinRatioAllowance), so a small
// file that would unpack to gigabytes is refused at once with a message.
constexpr qint64 MaxUnpackedBytes = 512LL * 1024 * 1024;
constexpr qint64 MaxRatio = 100;
constexpr qint64 MinRatioAllowance = 16LL * 1024 * 1024;
// The workbook and its relationships are read whole: they are small.
constexpr qint64 MaxSmallPartBytes = 16LL * 1024 * 1024;

// On failure returns false with an Italian message in *error; the table is
// then empty.
bool read(const QString& path, SheetTable* table, QString* error);

// "A" is 0, "Z" 25, "AA" 26: the column of a cell reference such as "AB12".
int columnOfReference(QStringView reference);

// A number cell's text as the reader gives it: whole numbers without
// decimals, others with a point and no trailing zeros.
QString numberText(QStringView stored);

} // namespace XlsxReader

// The spreadsheet export file: a one-line HTML page in Windows-1252 that
// spreadsheet programs open as a worksheet, with the workbook settings in a
// conditional comment. Both export windows write it from the values of their
// grid, held in an ExportTable.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class QSaveFile;

// The values of an export grid, without its row-number column. Values read
// from a record file are kept trimmed, as Windows-1252 bytes in one buffer (an
// archive of a hundred thousand cards stays a few tens of megabytes); the
// cells the user edits in the grid are kept apart as typed, so the record file
// is never touched by an edit.
class ExportTable
{
public:
    explicit ExportTable(int columns);

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    void clear();
    void reserve(int rows, qsizetype bytes);

    // One row of column values; each is trimmed (codes up to 32 at both ends).
    void appendRow(const QStringList& values);
    // The same for values that are already Windows-1252 bytes.
    void appendRow(const QVector<QByteArrayView>& values);

    QString value(int row, int column) const;
    // An edit made in the grid: kept as typed.
    void setValue(int row, int column, const QString& text);
    bool isEdited(int row, int column) const;

    // The cell as it goes into the file: trimmed and escaped, Windows-1252.
    void appendCellBytes(int row, int column, QByteArray* out) const;

    // The text typed in the grid for that cell, or null if it was not edited.
    const QString* edit(int row, int column) const;
    // The trimmed Windows-1252 bytes of a cell as read from the record file.
    QByteArrayView storedBytes(int row, int column) const;

private:
    int m_columns;
    int m_rows = 0;
    QByteArray m_bytes;
    QVector<qint64> m_ends; // end offset in m_bytes of every stored cell
    QHash<qint64, QString> m_edits;
};

namespace SpreadsheetExport {

struct Column
{
    QString title;
    int width;
};

// Value escaping: "&", "<" and ">" become entities, so that text typed in a
// card can never turn into markup in the worksheet. A character that
// Windows-1252 cannot hold becomes a numeric character reference.
QByteArray escape(const QString& text);
// The same for text that is already Windows-1252 bytes.
void appendEscaped(QByteArrayView cp1252, QByteArray* out);

// The file from its first byte to the header row's end, and its tail.
QByteArray head(const QString& sheetName, const QList<Column>& columns);
QByteArray tail();

// Writes the whole file: a temporary file beside path receives every byte and
// only a complete file replaces the old one, so a failure leaves the previous
// export whole. On failure returns false with the reason in *error.
bool write(const QString& path, const QString& sheetName, const QList<Column>& columns, const ExportTable& table,
           QString* error = nullptr);

// The messages of the export command.
QString confirmMessage();
QString successMessage();
QString failureMessage();

// Information bar texts of the export windows.
QString idleText();
QString esportaText();
QString guidaText();
QString esciText();

// Tests give the writer files that fail on purpose.
using FileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;
void setFileFactory(FileFactory factory);

} // namespace SpreadsheetExport

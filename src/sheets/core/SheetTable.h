// A table read from a spreadsheet file (.csv or .xlsx): rows of text cells,
// the first row being the headings. Rows may hold different numbers of cells.
// All text lives in one buffer, so a file of a hundred thousand rows stays a
// few tens of megabytes in memory.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class SheetTable
{
public:
    void clear();

    // Building: cells are added to the current row; endRow() closes it.
    void appendCell(QStringView text, bool formula = false);
    // sourceRow is the row's number in the file as a spreadsheet shows it
    // (empty rows are not kept, so it can be larger than the row's index + 1).
    void endRow(int sourceRow = 0);

    // Rows, the heading row included.
    int rowCount() const { return int(m_rowEnds.size()); }
    int cellCount(int row) const;
    QStringView cell(int row, int column) const; // empty past the row's end
    // The cell held a formula (only .xlsx files tell); its value is the one
    // the spreadsheet last computed.
    bool isFormula(int row, int column) const;
    QStringList row(int row) const;
    int sourceRow(int row) const { return m_sourceRows.value(row, row + 1); }

private:
    qint64 index(int row, int column) const;

    QString m_text;
    QVector<qsizetype> m_cellEnds;
    QVector<qint64> m_rowEnds; // end index in m_cellEnds of every row
    QSet<qint64> m_formulas;
    QVector<int> m_sourceRows;
};

// A table read from a spreadsheet file.
#include "sheets/core/SheetTable.h"

void SheetTable::clear()
{
    m_text.clear();
    m_cellEnds.clear();
    m_rowEnds.clear();
    m_formulas.clear();
    m_sourceRows.clear();
}

void SheetTable::appendCell(QStringView text, bool formula)
{
    if (formula)
        m_formulas.insert(m_cellEnds.size());
    m_text.append(text);
    m_cellEnds.append(m_text.size());
}

void SheetTable::endRow(int sourceRow)
{
    m_sourceRows.append(sourceRow > 0 ? sourceRow : int(m_rowEnds.size()) + 1);
    m_rowEnds.append(m_cellEnds.size());
}

int SheetTable::cellCount(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    const qint64 begin = row == 0 ? 0 : m_rowEnds.at(row - 1);
    return int(m_rowEnds.at(row) - begin);
}

qint64 SheetTable::index(int row, int column) const
{
    if (column < 0 || column >= cellCount(row))
        return -1;
    return (row == 0 ? 0 : m_rowEnds.at(row - 1)) + column;
}

QStringView SheetTable::cell(int row, int column) const
{
    const qint64 i = index(row, column);
    if (i < 0)
        return QStringView();
    const qsizetype begin = i == 0 ? 0 : m_cellEnds.at(i - 1);
    return QStringView(m_text).mid(begin, m_cellEnds.at(i) - begin);
}

bool SheetTable::isFormula(int row, int column) const
{
    const qint64 i = index(row, column);
    return i >= 0 && m_formulas.contains(i);
}

QStringList SheetTable::row(int row) const
{
    QStringList out;
    const int n = cellCount(row);
    out.reserve(n);
    for (int c = 0; c < n; ++c)
        out.append(cell(row, c).toString());
    return out;
}

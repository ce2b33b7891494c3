// Summary lines: building a fixed-width line column by column, the list
// order, and the find command's search through a list.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A summary line built from left to right. Every column but the last is
// trimmed and padded with blanks or cut to its width; the last is trimmed
// and neither padded nor cut.
class SummaryLine
{
public:
    SummaryLine() { m_text.reserve(160); }
    SummaryLine& column(const QString& text, int width);
    SummaryLine& literal(const QString& text);
    // Appends the last column and gives the line.
    QString last(const QString& text) const;
    QString text() const { return m_text; }

private:
    QString m_text;
};

namespace SummaryLines {

// The list order: the letters a to z compared as A to Z, every other
// character by its code, a prefix first. Equal texts keep their order.
void sort(QStringList& lines);
// The order of the rows of lines, for lists that carry data with each line:
// result[k] is the row that goes to place k.
QList<int> sortedOrder(const QStringList& lines);

// Whether foldedNeedle (already with A to Z turned into a to z) occurs in
// haystack with A to Z turned into a to z; an empty needle never matches.
bool containsFolded(const QString& haystack, const QString& foldedNeedle);

// The find command over a list of count items. selected is the selected
// item (the caller selects the first when none is). A text equal to the
// last one searched starts after the selected item; a new text tests the
// first item first. The search wraps round and stops at its starting item.
// Returns the item to select, or -1 to leave the selection as it is, and
// stores the folded text as the last searched.
int find(int count, const std::function<QString(int)>& itemText, int selected, const QString& typed,
         QString* lastSearched);

} // namespace SummaryLines

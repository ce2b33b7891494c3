#include "output/core/SummaryLines.h"

#include "base/core/TextRules.h"

#include <algorithm>
#include <cstring>
#include <vector>

SummaryLine& SummaryLine::column(const QString& text, int width)
{
    TextRules::appendColumn(m_text, text, width);
    return *this;
}

SummaryLine& SummaryLine::literal(const QString& text)
{
    m_text += text;
    return *this;
}

QString SummaryLine::last(const QString& text) const
{
    QString line;
    line.reserve(m_text.size() + text.size());
    line += m_text;
    TextRules::appendTrimmed(line, text);
    return line;
}

namespace SummaryLines {

namespace {
inline char16_t listKey(char16_t u)
{
    return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
}

// One line to sort: its text, the list keys of its first four characters
// packed into one number (a missing character counts as 0, so a prefix comes
// first), and its row, which breaks ties so that equal lines keep their
// order. Most comparisons end on the packed keys without touching the text.
struct SortEntry
{
    quint64 head;
    const char16_t* text;
    qsizetype size;
    int row;
};

quint64 packedHead(const char16_t* p, qsizetype n)
{
    quint64 head = 0;
    for (qsizetype i = 0; i < 4; ++i)
        head = (head << 16) | (i < n ? listKey(p[i]) : 0);
    return head;
}

// The list order on the texts themselves: -1, 0 or 1. Runs of equal
// characters are skipped four at a time; only differing characters are
// folded.
int listCompareRaw(const char16_t* pa, qsizetype na, const char16_t* pb, qsizetype nb)
{
    const qsizetype n = qMin(na, nb);
    qsizetype i = 0;
    for (;;) {
        for (; i + 4 <= n; i += 4) {
            quint64 x;
            quint64 y;
            std::memcpy(&x, pa + i, sizeof x);
            std::memcpy(&y, pb + i, sizeof y);
            if (x != y)
                break;
        }
        while (i < n && pa[i] == pb[i])
            ++i;
        if (i >= n)
            break;
        const char16_t ka = listKey(pa[i]);
        const char16_t kb = listKey(pb[i]);
        if (ka != kb)
            return ka < kb ? -1 : 1;
        ++i;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

inline bool entryLess(const SortEntry& a, const SortEntry& b)
{
    if (a.head != b.head)
        return a.head < b.head;
    const int c = listCompareRaw(a.text, a.size, b.text, b.size);
    return c != 0 ? c < 0 : a.row < b.row;
}
} // namespace

QList<int> sortedOrder(const QStringList& lines)
{
    // The keys are made once per line, in one pass; the sort then moves
    // small entries and reads the texts only where the heads tie.
    std::vector<SortEntry> entries;
    entries.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const auto* p = reinterpret_cast<const char16_t*>(line.constData());
        entries.push_back({packedHead(p, line.size()), p, line.size(), int(i)});
    }
    std::sort(entries.begin(), entries.end(), entryLess);
    QList<int> order;
    order.reserve(lines.size());
    for (const SortEntry& e : entries)
        order.append(e.row);
    return order;
}

void sort(QStringList& lines)
{
    const QList<int> order = sortedOrder(lines);
    QStringList out;
    out.reserve(lines.size());
    for (int i : order)
        out.append(lines.at(i));
    lines = out;
}

bool containsFolded(const QString& haystack, const QString& needle)
{
    const qsizetype n = needle.size();
    const qsizetype h = haystack.size();
    if (n == 0 || n > h)
        return false;
    const QChar* hs = haystack.constData();
    const QChar* ns = needle.constData();
    const auto fold = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; };
    for (qsizetype i = 0; i + n <= h; ++i) {
        qsizetype k = 0;
        while (k < n && fold(hs[i + k].unicode()) == ns[k].unicode())
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

int find(int count, const std::function<QString(int)>& itemText, int selected, const QString& typed,
         QString* lastSearched)
{
    if (count <= 0)
        return -1;
    const QString s = TextRules::foldAZ(typed);
    int item;
    bool testNow;
    if (lastSearched && s == *lastSearched) {
        item = qBound(0, selected, count - 1);
        testNow = false;
    } else {
        item = 0;
        testNow = true;
    }
    if (lastSearched)
        *lastSearched = s;
    if (s.isEmpty())
        return -1; // an empty text never matches
    const int start = item;
    if (testNow && containsFolded(itemText(item), s))
        return item;
    for (;;) {
        item = (item + 1) % count;
        if (containsFolded(itemText(item), s))
            return item;
        if (item == start)
            return -1;
    }
}

} // namespace SummaryLines

#include "output/core/SummaryLines.h"

#include "app/core/TextRules.h"

#include <algorithm>
#include <numeric>

SummaryLine& SummaryLine::column(const QString& text, int width)
{
    m_text += TextRules::column(text, width);
    return *this;
}

SummaryLine& SummaryLine::literal(const QString& text)
{
    m_text += text;
    return *this;
}

QString SummaryLine::last(const QString& text) const
{
    return m_text + TextRules::trimmed(text);
}

namespace SummaryLines {

namespace {
inline char16_t listKey(char16_t u)
{
    return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
}

// The list order on the texts themselves, without building folded copies:
// for long lists the copies cost more than the folding.
inline bool listLessRaw(const QString& a, const QString& b)
{
    const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const char16_t ka = listKey(pa[i]);
        const char16_t kb = listKey(pb[i]);
        if (ka != kb)
            return ka < kb;
    }
    return a.size() < b.size();
}
} // namespace

QList<int> sortedOrder(const QStringList& lines)
{
    QList<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&lines](int a, int b) { return listLessRaw(lines.at(a), lines.at(b)); });
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

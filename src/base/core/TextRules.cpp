#include "base/core/TextRules.h"

namespace {
inline char16_t foldChar(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}
inline char16_t listKey(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}
} // namespace

namespace TextRules {

QString trimmed(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    if (begin == 0 && end == text.size())
        return text;
    return text.mid(begin, end - begin);
}

QString foldAZ(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = QChar(foldChar(c.unicode()));
    return out;
}

bool matches(const QString& haystack, const QString& needle)
{
    if (needle.isEmpty())
        return false;
    return foldAZ(haystack).contains(foldAZ(needle));
}

bool soloCifre(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString column(const QString& text, int width)
{
    QString t = trimmed(text);
    if (t.size() >= width)
        return t.left(width);
    return t + QString(width - t.size(), QLatin1Char(' '));
}

namespace {
// The bounds of text trimmed of characters with codes up to 32.
inline void trimBounds(const QString& text, qsizetype* begin, qsizetype* end)
{
    const QChar* p = text.constData();
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && p[b].unicode() <= 32)
        ++b;
    while (e > b && p[e - 1].unicode() <= 32)
        --e;
    *begin = b;
    *end = e;
}
} // namespace

void appendColumn(QString& line, const QString& text, int width)
{
    qsizetype begin;
    qsizetype end;
    trimBounds(text, &begin, &end);
    const qsizetype n = qMin<qsizetype>(end - begin, width);
    line.append(text.constData() + begin, n);
    if (n < width)
        line.resize(line.size() + width - n, QLatin1Char(' '));
}

void appendTrimmed(QString& line, const QString& text)
{
    qsizetype begin;
    qsizetype end;
    trimBounds(text, &begin, &end);
    line.append(text.constData() + begin, end - begin);
}

int listCompare(const QString& a, const QString& b)
{
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ka = listKey(a.at(i).unicode());
        const char16_t kb = listKey(b.at(i).unicode());
        if (ka != kb)
            return ka < kb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool listLess(const QString& a, const QString& b)
{
    return listCompare(a, b) < 0;
}

} // namespace TextRules

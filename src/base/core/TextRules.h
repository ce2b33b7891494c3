// Text rules shared by every window: trimming, the case folding used by
// searches and finds, the digits-only test and the fixed-width column rule.
#pragma once

#include <QString>

namespace TextRules {

// Leading and trailing characters with codes up to 32 removed.
QString trimmed(const QString& text);

// The letters A to Z turned into a to z; every other character unchanged
// (accented capitals stay capitals).
QString foldAZ(const QString& text);

// The search and find test: needle occurs in haystack after folding A to Z.
// An empty needle never matches.
bool matches(const QString& haystack, const QString& needle);

// Every character is one of 0 to 9; true for an empty text.
bool soloCifre(const QString& text);

// A column of width n: the trimmed text padded with blanks to n, or cut to n.
QString column(const QString& text, int width);
// The same column appended to line, without a copy of its own: the summary
// lines of long lists are built this way.
void appendColumn(QString& line, const QString& text, int width);
// The trimmed text appended to line.
void appendTrimmed(QString& line, const QString& text);

// List order: character by character, a to z compared as A to Z and every
// other character by its code; a prefix sorts first.
bool listLess(const QString& a, const QString& b);
int listCompare(const QString& a, const QString& b);

} // namespace TextRules

// The name the design gives the digits-only test.
inline bool SoloCifre(const QString& text)
{
    return TextRules::soloCifre(text);
}

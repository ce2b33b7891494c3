// The text test of the search filters, made on the record bytes themselves so
// that a search decodes nothing but the lines it lists.
//
// A filter matches when its text as typed, with A to Z turned into a to z,
// occurs in the card field with A to Z turned into a to z; every other
// character, accented letters included, must be equal. Record text is
// Windows-1252, one byte per character, and that code page maps each of its
// 256 bytes to a character of its own, so the same test on the bytes gives
// the same answer as on the decoded text. A filter holding a character the
// code page lacks can never occur in a record: it matches nothing (it must
// not turn into "?" and match a stored question mark).
#pragma once

#include "base/core/Cp1252.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace TextFilter {

inline char fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

// A typed filter text, ready for the test.
struct Needle
{
    QByteArray folded; // Windows-1252 bytes, A to Z folded to a to z
    bool possible = true; // false: a character the code page lacks
};

inline Needle prepare(const QString& typed)
{
    Needle needle;
    const qsizetype n = typed.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = typed.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && typed.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(typed.at(i), typed.at(i + 1));
            ++i;
        }
        if (!Cp1252::canEncode(cp)) {
            needle.possible = false;
            needle.folded.clear();
            return needle;
        }
    }
    needle.folded = Cp1252::encode(typed);
    for (char& c : needle.folded)
        c = fold(c);
    return needle;
}

// Whether the needle occurs in the len bytes at text. An empty
// needle matches everything: callers keep only the active filters.
inline bool contains(const char* text, qsizetype len, const Needle& needle)
{
    if (!needle.possible)
        return false;
    const qsizetype n = needle.folded.size();
    if (n == 0)
        return true;
    if (n > len)
        return false;
    const char* folded = needle.folded.constData();
    const char first = folded[0];
    // The first byte may be a folded capital: look for both forms.
    const bool letter = first >= 'a' && first <= 'z';
    const char capital = letter ? char(first - 32) : first;
    for (qsizetype i = 0; i + n <= len; ++i) {
        const char c = text[i];
        if (c != first && c != capital)
            continue;
        qsizetype k = 1;
        while (k < n && fold(text[i + k]) == folded[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

// The text length of a zero-terminated field of the given width: up to its
// first zero byte, or the whole width.
inline qsizetype terminatedLength(const char* field, int width)
{
    const void* zero = std::memchr(field, 0, size_t(width));
    return zero ? static_cast<const char*>(zero) - field : width;
}

// Whether the len bytes at text, trimmed of bytes up to 32 at both ends,
// are exactly "No". Those bytes are the characters with codes up to 32 in
// Windows-1252 too, so this is the trimmed text compared with "No".
inline bool isNo(const char* text, qsizetype len)
{
    qsizetype a = 0;
    while (a < len && static_cast<unsigned char>(text[a]) <= 32)
        ++a;
    while (len > a && static_cast<unsigned char>(text[len - 1]) <= 32)
        --len;
    return len - a == 2 && text[a] == 'N' && text[a + 1] == 'o';
}

} // namespace TextFilter

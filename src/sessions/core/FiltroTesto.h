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

#include "app/core/Cp1252.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace FiltroTesto {

inline char piega(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

// A typed filter text, ready for the test.
struct Ago
{
    QByteArray piegato; // Windows-1252 bytes, A to Z folded to a to z
    bool possibile = true; // false: a character the code page lacks
};

inline Ago prepara(const QString& digitato)
{
    Ago ago;
    const qsizetype n = digitato.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = digitato.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && digitato.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(digitato.at(i), digitato.at(i + 1));
            ++i;
        }
        if (!Cp1252::canEncode(cp)) {
            ago.possibile = false;
            ago.piegato.clear();
            return ago;
        }
    }
    ago.piegato = Cp1252::encode(digitato);
    for (char& c : ago.piegato)
        c = piega(c);
    return ago;
}

// Whether the needle occurs in the len bytes of text at testo. An empty
// needle matches everything: callers keep only the active filters.
inline bool contiene(const char* testo, qsizetype len, const Ago& ago)
{
    if (!ago.possibile)
        return false;
    const qsizetype n = ago.piegato.size();
    if (n == 0)
        return true;
    if (n > len)
        return false;
    const char* ag = ago.piegato.constData();
    const char primo = ag[0];
    // The first byte may be a folded capital: look for both forms.
    const bool lettera = primo >= 'a' && primo <= 'z';
    const char maiuscola = lettera ? char(primo - 32) : primo;
    for (qsizetype i = 0; i + n <= len; ++i) {
        const char c = testo[i];
        if (c != primo && c != maiuscola)
            continue;
        qsizetype k = 1;
        while (k < n && piega(testo[i + k]) == ag[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

// The text length of a zero-terminated field of the given width: up to its
// first zero byte, or the whole width.
inline qsizetype lunghezzaTerminata(const char* campo, int larghezza)
{
    const void* zero = std::memchr(campo, 0, size_t(larghezza));
    return zero ? static_cast<const char*>(zero) - campo : larghezza;
}

// Whether the len bytes at testo, trimmed of bytes up to 32 at both ends,
// are exactly "No". Those bytes are the characters with codes up to 32 in
// Windows-1252 too, so this is the trimmed text compared with "No".
inline bool eNo(const char* testo, qsizetype len)
{
    qsizetype a = 0;
    while (a < len && static_cast<unsigned char>(testo[a]) <= 32)
        ++a;
    while (len > a && static_cast<unsigned char>(testo[len - 1]) <= 32)
        --len;
    return len - a == 2 && testo[a] == 'N' && testo[a + 1] == 'o';
}

} // namespace FiltroTesto

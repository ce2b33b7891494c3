#include "tools/core/FiscalCodeCheckLetter.h"

#include "base/core/TextRules.h"

namespace {

// Indexed by character code - 48, from "0" (48) to "Z" (90). The seven
// characters ":" to "@" (58 to 64) count 0 in both tables.
constexpr unsigned char kDispari[43] = {
    // 0   1  2  3  4   5   6   7   8   9
    1,
    0,
    5,
    7,
    9,
    13,
    15,
    17,
    19,
    21,
    // : ; < = > ? @
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // A  B  C  D  E   F   G   H   I   J  K  L   M   N   O  P  Q  R   S   T   U   V   W   X   Y   Z
    1,
    0,
    5,
    7,
    9,
    13,
    15,
    17,
    19,
    21,
    2,
    4,
    18,
    20,
    11,
    3,
    6,
    8,
    12,
    14,
    16,
    10,
    22,
    25,
    24,
    23,
};
constexpr unsigned char kPari[43] = {
    0, 1, 2, 3, 4, 5,  6,  7,  8,  9,  0,  0,  0,  0,  0,  0,  0,  0,  1,  2,  3,  4,
    5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
};

int indice(QChar c)
{
    const int code = c.unicode();
    return (code >= 48 && code <= 90) ? code - 48 : -1;
}

} // namespace

namespace FiscalCodeCheckLetter {

int oddValue(QChar c)
{
    const int i = indice(c);
    return i < 0 ? -1 : kDispari[i];
}

int evenValue(QChar c)
{
    const int i = indice(c);
    return i < 0 ? -1 : kPari[i];
}

QChar carattereDiControllo(const QString& primiQuindici)
{
    if (primiQuindici.size() < 15)
        return QChar();
    int somma = 0;
    for (int pos = 1; pos <= 15; ++pos) {
        const QChar c = primiQuindici.at(pos - 1);
        // Positions count from 1: 1, 3, ..., 15 are odd.
        const int v = (pos % 2 == 1) ? oddValue(c) : evenValue(c);
        if (v < 0)
            return QChar();
        somma += v;
    }
    return QChar(65 + somma % 26);
}

bool valido(const QString& codice)
{
    if (codice.size() != 16)
        return false;
    // A character outside the tables cannot be part of a fiscal code: such a
    // code is wrong rather than judged on whatever the tables would give.
    const QChar atteso = carattereDiControllo(codice.left(15));
    return !atteso.isNull() && codice.at(15) == atteso;
}

QString maiuscoleAZ(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    }
    return out;
}

QString digitato(const QString& text)
{
    return maiuscoleAZ(TextRules::trimmed(text));
}

} // namespace FiscalCodeCheckLetter

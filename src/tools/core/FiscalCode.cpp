// Decoding of the Italian fiscal code: positions 7-8 year, 9 month letter,
// 10-11 day (plus 40 for women), 12-15 birthplace, letters allowed in place
// of the digits.
#include "tools/core/FiscalCode.h"

#include "base/core/TextRules.h"

namespace {

const QString kSubstitutes = QStringLiteral("LMNPQRSTUV");
const QString kMonthLetters = QStringLiteral("ABCDEHLMPRST");

// 1-based positions that hold digits (or their substitute letters).
constexpr int kDigitPositions[] = {7, 8, 10, 11, 13, 14, 15};

bool isAZ(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

bool isDigitPosition(int pos)
{
    for (int p : kDigitPositions) {
        if (p == pos)
            return true;
    }
    return false;
}

QString shown(QChar c)
{
    if (c.unicode() < 33)
        return QStringLiteral("spazio");
    return QStringLiteral("«%1»").arg(c);
}

const char* const kMonthNames[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                   "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

QString monthName(int month)
{
    return QString::fromLatin1(kMonthNames[month - 1]);
}

} // namespace

namespace FiscalCode {

int digitValue(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    return kSubstitutes.indexOf(c);
}

int monthOfLetter(QChar c)
{
    const int i = kMonthLetters.indexOf(c);
    return i < 0 ? 0 : i + 1;
}

Decoded decode(const QString& typed, const QDate& today)
{
    Decoded d;
    const QString code = TextRules::foldAZ(TextRules::trimmed(typed)).toUpper();
    if (code.isEmpty()) {
        d.problem = QStringLiteral("Il codice fiscale è vuoto.");
        return d;
    }
    if (code.size() == 11 && TextRules::soloCifre(code)) {
        d.problem = QStringLiteral("Il codice di 11 cifre è un codice fiscale provvisorio (o una partita IVA): "
                                   "non contiene sesso, data e luogo di nascita.");
        return d;
    }
    if (code.size() != 16) {
        d.problem =
            QStringLiteral("Il codice fiscale deve avere 16 caratteri: quello digitato ne ha %1.").arg(code.size());
        return d;
    }
    for (int pos = 1; pos <= 16; ++pos) {
        const QChar c = code.at(pos - 1);
        if (isDigitPosition(pos)) {
            if (digitValue(c) < 0) {
                d.problem = QStringLiteral("Il carattere %1 in posizione %2 non è ammesso: ci vuole una cifra "
                                           "o una delle lettere L, M, N, P, Q, R, S, T, U, V.")
                                .arg(shown(c))
                                .arg(pos);
                return d;
            }
        } else if (!isAZ(c)) {
            d.problem = QStringLiteral("Il carattere %1 in posizione %2 non è ammesso: ci vuole una lettera.")
                            .arg(shown(c))
                            .arg(pos);
            return d;
        }
    }

    d.surnameLetters = code.mid(0, 3);
    d.nameLetters = code.mid(3, 3);
    d.placeCode = QString(code.at(11)) + QChar('0' + digitValue(code.at(12))) + QChar('0' + digitValue(code.at(13))) +
        QChar('0' + digitValue(code.at(14)));

    const int yy = digitValue(code.at(6)) * 10 + digitValue(code.at(7));
    const int month = monthOfLetter(code.at(8));
    if (month == 0) {
        d.problem = QStringLiteral("La lettera del mese %1 non corrisponde a nessun mese: sono ammesse "
                                   "A, B, C, D, E, H, L, M, P, R, S, T.")
                        .arg(shown(code.at(8)));
        return d;
    }
    int day = digitValue(code.at(9)) * 10 + digitValue(code.at(10));
    QChar sex = QLatin1Char('M');
    if (day > 40) {
        sex = QLatin1Char('F');
        day -= 40;
    }
    if (day < 1 || day > 31) {
        d.problem = QStringLiteral("Il giorno %1 non è possibile: va da 01 a 31 per gli uomini e da 41 a 71 per "
                                   "le donne.")
                        .arg(code.mid(9, 2));
        return d;
    }
    if (day > QDate(2000, month, 1).daysInMonth()) {
        d.problem =
            QStringLiteral("Il codice indica il %1 %2, un giorno che non esiste.").arg(day).arg(monthName(month));
        return d;
    }

    // The latest year ending in yy whose date has come: the holder is then
    // between 0 and 100 years old. A 29 February that year lacks goes back a
    // century too, to the leap year it must belong to.
    const QDate ref = today.isValid() ? today : QDate::currentDate();
    int year = ref.year() - ((ref.year() % 100 - yy + 100) % 100);
    const QDate latest(year, month, day);
    if (!latest.isValid() || latest > ref)
        year -= 100;
    const QDate born(year, month, day);
    if (!born.isValid()) {
        d.problem = QStringLiteral("Il codice indica il 29 febbraio %1, un giorno che non esiste: quell'anno "
                                   "non era bisestile.")
                        .arg(year);
        return d;
    }
    d.sex = sex;
    d.birthDate = born;
    d.ok = true;
    return d;
}

} // namespace FiscalCode

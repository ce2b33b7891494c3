#include "base/core/NumberText.h"

#include "base/core/TextRules.h"

#include <QLocale>

#include <cmath>

namespace NumberText {

bool parse(const QString& text, double* value)
{
    const QString t = TextRules::trimmed(text);
    qsizetype i = 0;
    const qsizetype n = t.size();
    QString c; // the same number in the C locale's spelling
    auto isDigit = [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); };
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        c += t.at(i++);
    int mantissaDigits = 0;
    while (i < n && isDigit(t.at(i))) {
        c += t.at(i++);
        ++mantissaDigits;
    }
    if (i < n && t.at(i) == QLatin1Char(',')) {
        c += QLatin1Char('.');
        ++i;
        while (i < n && isDigit(t.at(i))) {
            c += t.at(i++);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (t.at(i) == QLatin1Char('E') || t.at(i) == QLatin1Char('e'))) {
        c += QLatin1Char('e');
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            c += t.at(i++);
        int exponentDigits = 0;
        while (i < n && isDigit(t.at(i))) {
            c += t.at(i++);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

QString general(double value, int digits)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // "d.ddddde+XX" rounded to the wanted significant digits.
    const QString sci = QString::number(std::fabs(value), 'e', digits - 1);
    const qsizetype ePos = sci.indexOf(QLatin1Char('e'));
    QString mantissa = sci.left(ePos);
    mantissa.remove(QLatin1Char('.'));
    const int exponent = sci.mid(ePos + 1).toInt();
    while (mantissa.size() > 1 && mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= -4 && exponent < digits) {
        if (exponent >= 0) {
            const int whole = exponent + 1;
            if (mantissa.size() <= whole) {
                out += mantissa + QString(whole - mantissa.size(), QLatin1Char('0'));
            } else {
                out += mantissa.left(whole) + QLatin1Char(',') + mantissa.mid(whole);
            }
        } else {
            out += QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + mantissa;
        }
        return out;
    }
    out += mantissa.left(1);
    if (mantissa.size() > 1)
        out += QLatin1Char(',') + mantissa.mid(1);
    out += QLatin1Char('E') + QString::number(exponent);
    return out;
}

bool pointIsComma(const QString& rest)
{
    return !rest.contains(QLatin1Char(','));
}

QString pointRefusedMessage()
{
    return QStringLiteral("Attenzione: il numero ha già la virgola dei decimali; il punto non è ammesso.\r\n\r\n"
                          "I decimali si scrivono dopo la virgola, senza separatore delle migliaia: "
                          "ad esempio 27,45.");
}

} // namespace NumberText

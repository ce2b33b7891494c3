#include "sessions/core/ScoreText.h"

#include "base/core/NumberText.h"
#include "base/core/TextRules.h"

#include <cmath>
#include <cstdint>

double ArrotondaDueDecimali(double x)
{
    if (!std::isfinite(x) || x == 0)
        return x == 0 ? 0.0 : x;
    // x = m x 2^e with an integral m of at most 53 bits; x x 100 + 0,5 and its
    // whole part are worked out on integers, so no rounding happens on the
    // way and a binary value just below a half stays below it on every
    // compiler (2,675 is 2,67499999... in binary and gives 2,67).
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent; // |x| = m / 2^shift
    // A value whose last binary digit is worth 1/64 or more is already as
    // near to its cents as a double can be: it comes back unchanged.
    if (shift <= 6)
        return x;
    if (shift > 61) // below 1/2 cent
        return x < 0 ? -0.0 : 0.0;
    const std::uint64_t scaled = m * 100; // < 2^60
    const std::uint64_t whole = (scaled + (std::uint64_t(1) << (shift - 1))) >> shift; // < 2^53
    // One division, rounded once: the nearest double to whole / 100.
    const double cents = static_cast<double>(whole) / 100.0;
    return x < 0 ? -cents : cents;
}

namespace ScoreText {

bool isScoreChar(QChar c)
{
    return c == QLatin1Char(',') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

QString normalizza(const QString& text)
{
    if (TextRules::trimmed(text).isEmpty())
        return Zero;
    double value = 0;
    if (!NumberText::parse(text, &value))
        return Zero;
    const double rounded = ArrotondaDueDecimali(value);
    QString out = NumberText::general(rounded == 0 ? 0.0 : rounded);
    if (!out.contains(QLatin1Char(',')))
        out += QStringLiteral(",00");
    else if (out.size() >= 2 && out.at(out.size() - 2) == QLatin1Char(','))
        out += QLatin1Char('0');
    return out;
}

} // namespace ScoreText

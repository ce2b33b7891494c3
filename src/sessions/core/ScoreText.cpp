#include "sessions/core/ScoreText.h"

#include "app/core/NumberText.h"
#include "app/core/TextRules.h"

#include <cmath>

double ArrotondaDueDecimali(double x)
{
    // long double is the x87 extended format here: x x 100 is exact in it, so
    // a binary value just below a half stays below it.
    const long double scaled = static_cast<long double>(x) * 100.0L;
    if (x < 0) {
        // Half away from zero, so that -2,5 stays -2,50 instead of -2,49.
        const long double whole = std::trunc(-scaled + 0.5L);
        return static_cast<double>(-whole / 100.0L);
    }
    const long double whole = std::trunc(scaled + 0.5L);
    return static_cast<double>(whole / 100.0L);
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

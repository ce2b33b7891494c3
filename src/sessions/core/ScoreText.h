// The total score of an interview card: what may be typed into the score
// field and how its text is normalised to a decimal comma and two decimals
// ("12,50"), the form the rankings read back.
#pragma once

#include <QString>

// x rounded to two decimals: x x 100 + 0,5 worked out exactly, fraction
// dropped, divided by 100 (the same result with every compiler). Halves go up (7,125 gives 7,13), but a typed value
// whose binary form lies just below a half goes down (2,675 gives 2,67).
// A negative value is rounded half away from zero and stays negative.
double ArrotondaDueDecimali(double x);

namespace ScoreText {

inline const QString Zero = QStringLiteral("0,00");

// The characters the score field lets through: the digits 0 to 9 and ",".
bool isScoreChar(QChar c);

// The text of the score field once it is left: "0,00" for an empty text or
// one that is not a number; otherwise the rounded value with a comma and two
// decimals ("7" gives "7,00", "0012,3" gives "12,30", "1,2,3" gives "0,00").
QString normalizza(const QString& text);

} // namespace ScoreText

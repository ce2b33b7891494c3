// Numbers as the program reads and writes them: a decimal comma, no thousands
// separator, and the general format with up to 15 significant digits (the
// score field and the calculator display).
#pragma once

#include <QString>

namespace NumberText {

// An optional sign, digits with at most one decimal comma, and an optional
// exponent ("1,5E-7"); blanks and control characters around it are ignored.
// Anything else, or a value too large for a double, is not a number.
bool parse(const QString& text, double* value);

// The shortest text with up to `digits` significant digits: no trailing
// zeros, a comma only when needed, fixed notation for 0 and for magnitudes
// from 0,0001 up to `digits` digits before the comma, otherwise scientific
// notation without plus sign or leading zeros ("1E15", "5E-5", "1,5E-7").
QString general(double value, int digits = 15);

// A point typed in a number field (the habit of a numeric keypad): it is the
// decimal comma when the rest of the text, less what the typing replaces,
// has no comma yet; otherwise it is refused with pointRefusedMessage(). The
// point is never dropped silently, so "27.456" never becomes 27456.
bool pointIsComma(const QString& rest);
QString pointRefusedMessage();

} // namespace NumberText

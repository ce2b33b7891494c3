// The check letter of an Italian fiscal code: sixteen characters whose last
// one is computed from the first fifteen by the published odd and even
// position tables.
#pragma once

#include <QString>

namespace FiscalCodeCheckLetter {

// The value of a character ("0" to "Z") in an odd position (1, 3, ..., 15)
// or in an even one (2, 4, ..., 14); the characters ":" to "@" count 0.
// -1 for a character outside "0" to "Z".
int oddValue(QChar c);
int evenValue(QChar c);

// The expected sixteenth character of a code whose first fifteen are given;
// a null QChar when one of them is outside "0" to "Z".
QChar carattereDiControllo(const QString& primiQuindici);

// Sixteen characters whose last is the check letter of the first fifteen.
bool valido(const QString& codice);

// The letters a to z turned into A to Z, every other character unchanged.
QString maiuscoleAZ(const QString& text);

// What a fiscal code field holds after the user types in it: trimmed of
// characters up to code 32 at both ends, a to z in capitals.
QString digitato(const QString& text);

} // namespace FiscalCodeCheckLetter

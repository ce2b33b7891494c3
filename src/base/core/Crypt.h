// Scrambling of the access password as it is kept in the password file: each
// character becomes one byte mixed with a running 16-bit key, written as two
// upper-case hexadecimal digits.
#pragma once

#include <QString>

namespace Crypt {

// Only the low 8 bits of each character enter the scrambling.
QString EncryptToHex(const QString& text);

// Pairs of hexadecimal digits (either case) back to the clear text, one
// character (code 0 to 255) per pair; a last unpaired digit is ignored. A
// pair that is not two hexadecimal digits makes the whole conversion fail:
// *ok is set to false and the result is empty.
QString DecryptFromHex(const QString& hex, bool* ok = nullptr);

// Whether every character has a code up to 255, so that the scrambled form
// keeps it whole.
bool canKeep(const QString& text);

} // namespace Crypt

// The routine names the program's password windows use.
using Crypt::DecryptFromHex;
using Crypt::EncryptToHex;

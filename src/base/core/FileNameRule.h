// The names Windows refuses for a file, checked wherever the user types a
// name the program turns into a file (a new session, a file to save), so a
// folder made on Linux still opens on Windows and a Windows copy gives a
// clear message instead of a system error.
#pragma once

#include <QString>

namespace FileNameRule {

// Why Windows would refuse name (one file name, without folder) as an
// Italian message, or an empty text when the name can be used:
// - the characters " * / : < > ? \ | and the control characters;
// - a name ending in a dot or a blank;
// - the device names CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, alone
//   or before an extension ("aux.vai"), in any case.
QString refusal(const QString& name);

} // namespace FileNameRule

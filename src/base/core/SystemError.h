// The system's own words for a failure (a full disk, a missing permission, a
// file in use) in Italian. The C library and Qt give them in English ("No
// space left on device", "Unknown error"); every message of the program that
// carries one passes it through here, and every message box does too, so no
// English sentence is left inside an Italian message.
#pragma once

#include <QString>

class QFileDevice;

namespace SystemError {

// The Italian words for a system error number (errno): "disco pieno", "non si
// hanno i permessi necessari"... A number without words of its own gives
// "errore di sistema n. <n>".
QString text(int code);

// The default error report of a file failure: "I/O error <n>", followed by
// the Italian words for it.
QString ioError(int code);

// A system text, as Qt or the C library gave it, in Italian; a text that is
// not one is given back unchanged.
QString italian(const QString& systemText);
// The same for every system text found inside a longer message.
QString italianized(const QString& message);

// Why the file's last operation failed, in Italian.
QString of(const QFileDevice& file);

} // namespace SystemError

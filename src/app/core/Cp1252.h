// Conversion between program text and Windows-1252, the one-byte code page of
// every record file and export. A character the code page cannot hold is
// written as "?".
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp1252 {

QByteArray encode(const QString& text);
QString decode(const char* data, qsizetype length);
inline QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// Whether the character has a byte of its own in the code page.
bool canEncode(char32_t codePoint);

} // namespace Cp1252

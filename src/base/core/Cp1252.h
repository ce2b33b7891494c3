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

// The characters of text the code page cannot hold, each once, in the order
// they first appear ("Łukasz Wałęsa" gives "Łłę"); empty when it can hold
// them all. The card windows and the import check a text with this.
QString unencodable(const QString& text);

// text with every character the code page cannot hold replaced by its
// nearest plain letters: accents and marks dropped when the bare letter can
// be held (ő gives o, ę gives e), a few letters by their usual spelling (Ł
// gives L, đ gives d, ı gives i), and "?" (what storing would write) when
// there is none.
QString nearestEncodable(const QString& text);

// Calls each with the code points of text in order, a pair of surrogates as
// one.
template <typename Each>
void forEachCodePoint(const QString& text, Each each)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        each(cp);
    }
}

} // namespace Cp1252

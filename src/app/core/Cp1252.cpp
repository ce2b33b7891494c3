#include "app/core/Cp1252.h"

#include <array>

namespace {

// Bytes 0x80 to 0x9F; the five bytes Windows leaves undefined map to the C1
// control character of the same number, as the system conversion does.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace Cp1252 {

bool canEncode(char32_t codePoint)
{
    return byteFor(codePoint) >= 0;
}

QByteArray encode(const QString& text)
{
    // Never more bytes than characters: written in place, cut to size once.
    const qsizetype n = text.size();
    QByteArray out(n, Qt::Uninitialized);
    char* dst = out.data();
    const QChar* src = text.constData();
    qsizetype length = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = src[i].unicode();
        // A character outside the basic plane is one "?", not two.
        if (QChar::isHighSurrogate(cp) && i + 1 < n && src[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(src[i], src[i + 1]);
            ++i;
        }
        const int b = byteFor(cp);
        dst[length++] = b < 0 ? '?' : char(b);
    }
    out.truncate(length);
    return out;
}

QString decode(const char* data, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

} // namespace Cp1252

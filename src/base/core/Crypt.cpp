// The password scrambling routines.
#include "base/core/Crypt.h"

#include <QVector>

namespace {
constexpr quint16 kStartKey = 3917;
constexpr quint16 kMul = 40361;
constexpr quint16 kAdd = 28063;

inline quint16 nextKey(quint8 b, quint16 key)
{
    // In unsigned 32-bit arithmetic: two 16-bit values would be multiplied as
    // int, which overflows; only the low 16 bits are kept either way.
    return quint16((quint32(b) + quint32(key)) * quint32(kMul) + quint32(kAdd));
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}
} // namespace

namespace Crypt {

QString EncryptToHex(const QString& text)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = kStartKey;
    for (QChar c : text) {
        // The key moves on with the scrambled byte, not the clear one.
        const quint8 b = quint8(quint8(c.unicode() & 0xFF) ^ quint8(key >> 8));
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 0x0F]);
        key = nextKey(b, key);
    }
    return out;
}

QString DecryptFromHex(const QString& hex, bool* ok)
{
    const qsizetype n = hex.size() / 2;
    QVector<quint8> bytes(n);
    // Every pair is converted before anything is unscrambled: one bad pair
    // and there is no result at all.
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexDigit(hex.at(2 * i));
        const int lo = hexDigit(hex.at(2 * i + 1));
        if (hi < 0 || lo < 0) {
            if (ok)
                *ok = false;
            return QString();
        }
        bytes[i] = quint8(hi * 16 + lo);
    }
    QString out;
    out.reserve(n);
    quint16 key = kStartKey;
    for (quint8 b : bytes) {
        out += QChar(char16_t(quint8(b ^ quint8(key >> 8))));
        key = nextKey(b, key);
    }
    if (ok)
        *ok = true;
    return out;
}

bool canKeep(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() > 255)
            return false;
    }
    return true;
}

} // namespace Crypt

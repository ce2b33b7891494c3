#include "base/core/Cp1252.h"

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

namespace {

// Letters whose plain spelling Unicode does not give by decomposition.
QString spelled(char32_t cp)
{
    switch (cp) {
    case 0x0110: // Đ
        return QStringLiteral("D");
    case 0x0111: // đ
        return QStringLiteral("d");
    case 0x0126: // Ħ
        return QStringLiteral("H");
    case 0x0127: // ħ
        return QStringLiteral("h");
    case 0x0131: // ı
        return QStringLiteral("i");
    case 0x0141: // Ł
        return QStringLiteral("L");
    case 0x0142: // ł
        return QStringLiteral("l");
    case 0x0166: // Ŧ
        return QStringLiteral("T");
    case 0x0167: // ŧ
        return QStringLiteral("t");
    case 0x017F: // ſ
        return QStringLiteral("s");
    case 0x018F: // Ə
        return QStringLiteral("E");
    case 0x0259: // ə
        return QStringLiteral("e");
    case 0x0132: // Ĳ
        return QStringLiteral("IJ");
    case 0x0133: // ĳ
        return QStringLiteral("ij");
    case 0x2010: // hyphens and the minus sign
    case 0x2011:
    case 0x2012:
    case 0x2015:
    case 0x2212:
        return QStringLiteral("-");
    case 0x2032: // prime, used as an apostrophe
    case 0x02BC:
        return QStringLiteral("'");
    default:
        return QString();
    }
}

} // namespace

QString unencodable(const QString& text)
{
    QString out;
    forEachCodePoint(text, [&out](char32_t cp) {
        if (canEncode(cp))
            return;
        const QString c = QString::fromUcs4(&cp, 1);
        if (!out.contains(c))
            out += c;
    });
    return out;
}

QString nearestEncodable(const QString& text)
{
    QString out;
    out.reserve(text.size());
    forEachCodePoint(text, [&out](char32_t cp) {
        const QString c = QString::fromUcs4(&cp, 1);
        if (canEncode(cp)) {
            out += c;
            return;
        }
        QString plain = spelled(cp);
        if (plain.isEmpty()) {
            // The decomposed form less its marks, when all of it can be held.
            const QString decomposed = c.normalized(QString::NormalizationForm_KD);
            bool whole = true;
            forEachCodePoint(decomposed, [&plain, &whole](char32_t d) {
                if (QChar::category(d) == QChar::Mark_NonSpacing ||
                    QChar::category(d) == QChar::Mark_SpacingCombining || QChar::category(d) == QChar::Mark_Enclosing)
                    return;
                if (canEncode(d))
                    plain += QString::fromUcs4(&d, 1);
                else
                    whole = false;
            });
            // A lone mark (a combining accent) goes without trace.
            if (whole && plain.isEmpty())
                return;
            if (!whole)
                plain.clear();
        }
        out += plain.isEmpty() ? QStringLiteral("?") : plain;
    });
    return out;
}

} // namespace Cp1252

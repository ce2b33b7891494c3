// The cells of an export grid as UTF-8 text.
#include "sheets/core/ExportCells.h"

#include "base/core/Cp1252.h"
#include "base/core/TextRules.h"

#include <array>
#include <cstring>

namespace {

// The UTF-8 bytes of every Windows-1252 byte, built once.
struct Utf8Table
{
    std::array<std::array<char, 4>, 256> bytes;
    std::array<quint8, 256> length;

    Utf8Table()
    {
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QByteArray utf8 = Cp1252::decode(&c, 1).toUtf8();
            length[b] = quint8(utf8.size());
            bytes[b] = {0, 0, 0, 0};
            std::memcpy(bytes[b].data(), utf8.constData(), size_t(utf8.size()));
        }
    }
};

const Utf8Table& utf8Table()
{
    static const Utf8Table table;
    return table;
}

} // namespace

namespace ExportCells {

void appendUtf8(QByteArrayView cp1252, QByteArray* out)
{
    const Utf8Table& t = utf8Table();
    const qsizetype n = cp1252.size();
    const char* p = cp1252.data();
    qsizetype at = out->size();
    out->resize(at + n * 3);
    char* dst = out->data();
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if (b < 0x80) {
            dst[at++] = char(b);
        } else {
            std::memcpy(dst + at, t.bytes[b].data(), t.length[b]);
            at += t.length[b];
        }
    }
    out->resize(at);
}

void cellUtf8(const ExportTable& table, int row, int column, QByteArray* out)
{
    out->clear();
    if (const QString* typed = table.edit(row, column))
        *out = TextRules::trimmed(*typed).toUtf8();
    else
        appendUtf8(table.storedBytes(row, column), out);
}

bool scoreValue(QByteArrayView utf8, double* value)
{
    // Digits with at most one decimal separator and an optional sign: a
    // score is never written with thousands separators.
    if (utf8.isEmpty() || utf8.size() > 32)
        return false;
    char buffer[40];
    int n = 0;
    bool digits = false;
    bool separator = false;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8.at(i);
        if (c >= '0' && c <= '9') {
            digits = true;
            buffer[n++] = c;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
            buffer[n++] = '.';
        } else if ((c == '-' || c == '+') && i == 0) {
            buffer[n++] = c;
        } else {
            return false;
        }
    }
    if (!digits)
        return false;
    // QByteArray's conversion ignores the system locale (strtod would not).
    bool ok = false;
    const double v = QByteArray(buffer, n).toDouble(&ok);
    if (ok)
        *value = v;
    return ok;
}

} // namespace ExportCells

namespace ExportCells {

QString successMessage(const QString& fileName)
{
    return QStringLiteral("Le schede sono state esportate nel file \"%1\" nella cartella del programma.\r\n\r\n"
                          "Si vuole aprire il file?")
        .arg(fileName);
}

QString failureMessage(const QString& fileName, const QString& reason)
{
    QString text = QStringLiteral("Attenzione: il sistema non permette di esportare i dati nel file \"%1\".\n\r\n\r"
                                  "Il file precedente, se c'era, è rimasto com'era. Accertarsi che il file non sia "
                                  "già aperto e che la cartella del programma sia scrivibile.")
                       .arg(fileName);
    if (!reason.isEmpty())
        text += QStringLiteral("\n\r\n\rDettaglio: ") + reason;
    return text;
}

} // namespace ExportCells

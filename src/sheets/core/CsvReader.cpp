// Reads a .csv file into a SheetTable.
#include "sheets/core/CsvReader.h"
#include "base/core/SystemError.h"

#include "base/core/Cp1252.h"

#include <QFile>
#include <QStringDecoder>

namespace CsvReader {

QString decode(const QByteArray& bytes, QString* encodingName)
{
    auto named = [encodingName](const char* name) {
        if (encodingName)
            *encodingName = QString::fromLatin1(name);
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        named("UTF-8");
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        named("UTF-16");
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        named("UTF-8");
        return text;
    }
    named("Windows-1252");
    return Cp1252::decode(bytes);
}

QChar detectSeparator(QStringView text)
{
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == u'\n' || c == u'\r')
                break;
            if (c == u';')
                ++semicolons;
            else if (c == u',')
                ++commas;
            else if (c == u'\t')
                ++tabs;
        }
    }
    // Ties go to ";", the separator of Italian spreadsheets.
    if (semicolons >= commas && semicolons >= tabs)
        return u';';
    return tabs >= commas ? QChar(u'\t') : QChar(u',');
}

bool parse(const QByteArray& bytes, SheetTable* table, QString* error)
{
    table->clear();
    auto fail = [&](const QString& why) {
        table->clear();
        if (error)
            *error = why;
        return false;
    };
    if (bytes.isEmpty())
        return fail(QStringLiteral("Il file è vuoto: non contiene nessuna riga."));
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    // A text file never holds a zero byte (UTF-16 aside): a file that does is
    // a binary file with a .csv name, refused before anything is shown.
    if (!utf16 && bytes.contains('\0'))
        return fail(QStringLiteral("Il file non è un file di testo CSV: contiene dati binari."));
    const QString text = decode(bytes, nullptr);
    const QChar separator = detectSeparator(text);

    const QChar* p = text.constData();
    const qsizetype n = text.size();
    QString field;
    field.reserve(256);
    qsizetype i = 0;
    int line = 1;
    bool rowHasText = false;
    int record = 0; // rows of the file, empty ones included

    // Rows are built here cell by cell and handed to the table only when
    // they end, so that an empty line can be dropped.
    QStringList cells;
    auto closeCell = [&]() {
        if (!field.isEmpty())
            rowHasText = true;
        cells.append(field);
        field.clear();
    };
    auto closeRow = [&]() {
        closeCell();
        ++record;
        // A line with nothing but separators is an empty row of the
        // spreadsheet that wrote the file: no row at all.
        if (rowHasText) {
            for (const QString& c : std::as_const(cells))
                table->appendCell(c);
            table->endRow(record);
        }
        cells.clear();
        rowHasText = false;
    };

    while (i < n) {
        const QChar c = p[i];
        if (c == u'"' && field.isEmpty()) {
            // A quoted value: runs to the closing quote, "" standing for one
            // quotation mark; separators and line breaks inside are text.
            const int opened = line;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar q = p[i];
                if (q == u'"') {
                    if (i + 1 < n && p[i + 1] == u'"') {
                        field.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (q == u'\n')
                    ++line;
                field.append(q);
                ++i;
            }
            if (!closed)
                return fail(QStringLiteral("Il file contiene un valore tra virgolette che non viene mai chiuso "
                                           "(dalla riga %1): controllare le virgolette nel file.")
                                .arg(opened));
            // Anything between the closing quote and the separator is kept.
            continue;
        }
        if (c == separator) {
            closeCell();
            ++i;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            closeRow();
            if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
                ++i;
            ++i;
            ++line;
            continue;
        }
        field.append(c);
        ++i;
    }
    if (!field.isEmpty() || !cells.isEmpty())
        closeRow();
    if (table->rowCount() == 0)
        return fail(QStringLiteral("Il file è vuoto: non contiene nessuna riga."));
    return true;
}

bool read(const QString& path, SheetTable* table, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Il file non può essere letto: %1").arg(SystemError::of(file));
        return false;
    }
    if (file.size() > MaxBytes) {
        if (error)
            *error = QStringLiteral("Il file è troppo grande per essere importato (%1 MB; al massimo %2 MB).")
                         .arg(file.size() / (1024 * 1024))
                         .arg(MaxBytes / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        if (error)
            *error = QStringLiteral("Il file non può essere letto per intero: %1").arg(SystemError::of(file));
        return false;
    }
    return parse(bytes, table, error);
}

} // namespace CsvReader

// Reads the first worksheet of an .xlsx file.
#include "output/core/XlsxReader.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <archive.h>
#include <archive_entry.h>

#include <cmath>
#include <memory>

namespace {

QString notWorkbook()
{
    return QStringLiteral("Il file non è un foglio di lavoro Excel (.xlsx) leggibile.");
}

// The parts of the zip this reader needs, unpacked.
struct Parts
{
    QHash<QString, QByteArray> files;
};

bool unpack(const QString& path, Parts* parts, QString* error)
{
    std::unique_ptr<archive, decltype(&archive_read_free)> zip(archive_read_new(), &archive_read_free);
    archive_read_support_format_zip(zip.get());
    const QByteArray name = QFile::encodeName(path);
    if (archive_read_open_filename(zip.get(), name.constData(), 1 << 16) != ARCHIVE_OK) {
        *error = notWorkbook();
        return false;
    }
    archive_entry* entry = nullptr;
    int entries = 0;
    for (;;) {
        const int r = archive_read_next_header(zip.get(), &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
            *error = entries == 0 ? notWorkbook()
                                  : QStringLiteral("Il file .xlsx è danneggiato: %1")
                                        .arg(QString::fromUtf8(archive_error_string(zip.get())));
            return false;
        }
        ++entries;
        const QString member = QString::fromUtf8(archive_entry_pathname_utf8(entry) ? archive_entry_pathname_utf8(entry)
                                                                                    : archive_entry_pathname(entry));
        const bool wanted = member == QLatin1String("xl/workbook.xml") ||
            member == QLatin1String("xl/_rels/workbook.xml.rels") || member == QLatin1String("xl/sharedStrings.xml") ||
            member.startsWith(QLatin1String("xl/worksheets/"));
        if (!wanted)
            continue;
        QByteArray bytes;
        if (archive_entry_size_is_set(entry))
            bytes.reserve(qMin<qint64>(archive_entry_size(entry), XlsxReader::MaxPartBytes));
        char block[1 << 16];
        for (;;) {
            const la_ssize_t got = archive_read_data(zip.get(), block, sizeof block);
            if (got < 0) {
                *error = QStringLiteral("Il file .xlsx è danneggiato: %1")
                             .arg(QString::fromUtf8(archive_error_string(zip.get())));
                return false;
            }
            if (got == 0)
                break;
            if (bytes.size() + got > XlsxReader::MaxPartBytes) {
                *error = QStringLiteral("Il foglio di lavoro è troppo grande per essere importato.");
                return false;
            }
            bytes.append(block, got);
        }
        parts->files.insert(member, bytes);
    }
    if (!parts->files.contains(QStringLiteral("xl/workbook.xml"))) {
        *error = notWorkbook();
        return false;
    }
    return true;
}

} // namespace

namespace {

// Spreadsheet text keeps characters XML cannot carry (a carriage return, other
// control codes) as "_xHHHH_".
QString unescaped(const QString& text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'_' && i + 6 < text.size() && text.at(i + 1) == u'x' && text.at(i + 6) == u'_') {
            bool ok = false;
            const ushort code = QStringView(text).mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out.append(QChar(code));
                i += 6;
                continue;
            }
        }
        out.append(text.at(i));
    }
    return out;
}

QString unreadable()
{
    return QStringLiteral("Il foglio di lavoro del file .xlsx non è leggibile (contenuto XML non valido).");
}

// The part of the first sheet named in the workbook.
QString firstSheetPart(const Parts& parts)
{
    QString relation;
    QXmlStreamReader book(parts.files.value(QStringLiteral("xl/workbook.xml")));
    while (!book.atEnd() && relation.isEmpty()) {
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet")) {
            for (const QXmlStreamAttribute& a : book.attributes())
                if (a.name() == QLatin1String("id"))
                    relation = a.value().toString();
        }
    }
    QString target;
    QXmlStreamReader rels(parts.files.value(QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!rels.atEnd() && target.isEmpty() && !relation.isEmpty()) {
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == QLatin1String("Relationship") &&
            rels.attributes().value(QLatin1String("Id")) == relation)
            target = rels.attributes().value(QLatin1String("Target")).toString();
    }
    if (target.startsWith(QLatin1Char('/')))
        target = target.mid(1);
    else if (!target.isEmpty())
        target = QStringLiteral("xl/") + target;
    if (target.isEmpty() || !parts.files.contains(target))
        target = QStringLiteral("xl/worksheets/sheet1.xml");
    return target;
}

bool sharedStrings(const Parts& parts, QStringList* strings)
{
    const auto found = parts.files.constFind(QStringLiteral("xl/sharedStrings.xml"));
    if (found == parts.files.constEnd())
        return true;
    QXmlStreamReader xml(found.value());
    QString current;
    bool inItem = false;
    int phonetic = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == QLatin1String("si")) {
                inItem = true;
                current.clear();
            } else if (xml.name() == QLatin1String("rPh")) {
                ++phonetic; // reading aids of East Asian text, not the value
            } else if (inItem && phonetic == 0 && xml.name() == QLatin1String("t")) {
                current += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == QLatin1String("si")) {
                strings->append(unescaped(current));
                inItem = false;
            } else if (xml.name() == QLatin1String("rPh")) {
                --phonetic;
            }
            break;
        default:
            break;
        }
    }
    return !xml.hasError();
}

} // namespace

namespace XlsxReader {

int columnOfReference(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (const QChar c : reference) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            column = column * 26 + (u - u'A' + 1);
        else if (u >= u'a' && u <= u'z')
            column = column * 26 + (u - u'a' + 1);
        else
            break;
        if (++letters > 3)
            return -1;
    }
    return letters == 0 ? -1 : column - 1;
}

QString numberText(QStringView stored)
{
    bool ok = false;
    const double v = stored.toDouble(&ok);
    if (!ok)
        return stored.toString();
    if (std::isfinite(v) && std::fabs(v) < 1e15 && v == std::floor(v))
        return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

bool read(const QString& path, SheetTable* table, QString* error)
{
    table->clear();
    QString why;
    auto fail = [&](const QString& text) {
        table->clear();
        if (error)
            *error = text;
        return false;
    };
    Parts parts;
    if (!unpack(path, &parts, &why))
        return fail(why);
    QStringList strings;
    if (!sharedStrings(parts, &strings))
        return fail(unreadable());
    const QString sheetPart = firstSheetPart(parts);
    const auto sheet = parts.files.constFind(sheetPart);
    if (sheet == parts.files.constEnd())
        return fail(notWorkbook());

    QXmlStreamReader xml(sheet.value());
    QStringList row;
    QVector<bool> formulas;
    bool inRow = false;
    // The cell being read.
    int column = -1;
    QString type;
    QString value;
    QString inlineText;
    bool formula = false;
    bool any = false;
    int rowNumber = 0;
    auto closeRow = [&]() {
        bool hasText = false;
        for (const QString& c : std::as_const(row))
            hasText = hasText || !c.isEmpty();
        // Rows with nothing in them are skipped, as in a .csv file.
        if (hasText) {
            for (int c = 0; c < row.size(); ++c)
                table->appendCell(row.at(c), formulas.at(c));
            table->endRow(rowNumber);
        }
        row.clear();
        formulas.clear();
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const auto name = xml.name();
            if (name == QLatin1String("row")) {
                inRow = true;
                bool numbered = false;
                const int r = xml.attributes().value(QLatin1String("r")).toInt(&numbered);
                rowNumber = numbered && r > rowNumber ? r : rowNumber + 1;
                row.clear();
                formulas.clear();
            } else if (name == QLatin1String("c") && inRow) {
                const auto attributes = xml.attributes();
                const auto reference = attributes.value(QLatin1String("r"));
                column = reference.isEmpty() ? int(row.size()) : columnOfReference(reference);
                if (column < 0 || column > 16383)
                    return fail(unreadable());
                type = attributes.value(QLatin1String("t")).toString();
                value.clear();
                inlineText.clear();
                formula = false;
            } else if (name == QLatin1String("v")) {
                value = xml.readElementText();
            } else if (name == QLatin1String("f")) {
                formula = true;
            } else if (name == QLatin1String("t") && column >= 0) {
                inlineText += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const auto name = xml.name();
            if (name == QLatin1String("c") && column >= 0) {
                QString text;
                if (type == QLatin1String("s")) {
                    bool ok = false;
                    const int i = value.toInt(&ok);
                    if (!ok || i < 0 || i >= strings.size())
                        return fail(unreadable());
                    text = strings.at(i);
                } else if (type == QLatin1String("inlineStr")) {
                    text = unescaped(inlineText);
                } else if (type == QLatin1String("str")) {
                    text = unescaped(value);
                } else if (type == QLatin1String("e") || type == QLatin1String("b")) {
                    text = value;
                } else {
                    text = numberText(value);
                }
                while (row.size() < column) {
                    row.append(QString());
                    formulas.append(false);
                }
                if (row.size() == column) {
                    row.append(text);
                    formulas.append(formula);
                } else {
                    row[column] = text;
                    formulas[column] = formula;
                }
                any = true;
                column = -1;
            } else if (name == QLatin1String("row")) {
                closeRow();
                inRow = false;
            }
        }
    }
    if (xml.hasError())
        return fail(unreadable());
    if (!any || table->rowCount() == 0)
        return fail(QStringLiteral("Il foglio di lavoro è vuoto: non contiene nessuna riga."));
    return true;
}

} // namespace XlsxReader

// Reads the first worksheet of an .xlsx file, streamed.
#include "sheets/core/XlsxReader.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <archive.h>
#include <archive_entry.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

QString notWorkbook()
{
    return QStringLiteral("Il file non è un foglio di lavoro Excel (.xlsx) leggibile.");
}

// The zip is read as a stream: only the parts needed (the workbook, its
// relationships, the shared strings and the one worksheet used) are
// unpacked, a block at a time, and no worksheet is ever held whole in
// memory. What is unpacked is counted against two limits, the absolute one
// and one proportional to the size of the file, so that a small file that
// unpacks to gigabytes (a "zip bomb") is refused early.
class ZipParts
{
public:
    ZipParts(const QString& path, qint64 packedBytes)
        : m_path(path)
        , m_budget(qMin(XlsxReader::MaxUnpackedBytes,
                        qMax(XlsxReader::MinRatioAllowance, packedBytes * XlsxReader::MaxRatio)))
        , m_ratioBound(m_budget < XlsxReader::MaxUnpackedBytes)
    {
    }

    // The names of every member, in zip order. False (with *error) when the
    // file is not a readable zip.
    bool list(QStringList* names, QString* error) { return walk(nullptr, nullptr, names, error); }

    // Hands the unpacked bytes of member name to take(), a block at a time;
    // take() returns false to stop early. A member that is not there gives
    // no block.
    bool stream(const QString& name, const std::function<bool(const char*, qint64)>& take, QString* error)
    {
        return walk(&name, &take, nullptr, error);
    }

    // A small member whole (the workbook and its relationships).
    bool whole(const QString& name, QByteArray* bytes, QString* error)
    {
        bool tooBig = false;
        const bool ok = stream(
            name,
            [bytes, &tooBig](const char* data, qint64 n) {
                tooBig = bytes->size() + n > XlsxReader::MaxSmallPartBytes;
                if (!tooBig)
                    bytes->append(data, n);
                return !tooBig;
            },
            error);
        if (ok && tooBig)
            *error = tooLarge();
        return ok && !tooBig;
    }

private:
    bool walk(const QString* wanted, const std::function<bool(const char*, qint64)>* take, QStringList* names,
              QString* error)
    {
        std::unique_ptr<archive, decltype(&archive_read_free)> zip(archive_read_new(), &archive_read_free);
        archive_read_support_format_zip(zip.get());
        const QByteArray file = QFile::encodeName(m_path);
        if (archive_read_open_filename(zip.get(), file.constData(), 1 << 16) != ARCHIVE_OK) {
            *error = notWorkbook();
            return false;
        }
        archive_entry* entry = nullptr;
        int entries = 0;
        for (;;) {
            const int r = archive_read_next_header(zip.get(), &entry);
            if (r == ARCHIVE_EOF)
                return true;
            if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
                *error = entries == 0 ? notWorkbook()
                                      : QStringLiteral("Il file .xlsx è danneggiato: %1")
                                            .arg(QString::fromUtf8(archive_error_string(zip.get())));
                return false;
            }
            ++entries;
            const char* utf8 = archive_entry_pathname_utf8(entry);
            const QString member = QString::fromUtf8(utf8 ? utf8 : archive_entry_pathname(entry));
            if (names)
                names->append(member);
            if (!wanted || member != *wanted)
                continue;
            // A size the zip declares beyond what is left is refused before
            // a byte is unpacked.
            if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > m_budget - m_used) {
                *error = tooLarge();
                return false;
            }
            char block[1 << 16];
            for (;;) {
                const la_ssize_t got = archive_read_data(zip.get(), block, sizeof block);
                if (got < 0) {
                    *error = QStringLiteral("Il file .xlsx è danneggiato: %1")
                                 .arg(QString::fromUtf8(archive_error_string(zip.get())));
                    return false;
                }
                if (got == 0)
                    return true;
                m_used += got;
                if (m_used > m_budget) {
                    *error = tooLarge();
                    return false;
                }
                if (!(*take)(block, got))
                    return true;
            }
        }
    }

    QString tooLarge() const
    {
        if (m_ratioBound)
            return QStringLiteral("Il file .xlsx non viene importato: una volta decompresso diventerebbe più di %1 "
                                  "volte più grande (oltre %2 MB), cosa che un foglio di lavoro normale non fa. "
                                  "Potrebbe essere danneggiato o costruito apposta.\n\nAprirlo con il programma "
                                  "di fogli di calcolo e salvarlo di nuovo, oppure salvarlo in formato .csv, e "
                                  "ripetere l'importazione.")
                .arg(XlsxReader::MaxRatio)
                .arg(m_budget / (1024 * 1024));
        return QStringLiteral("Il file .xlsx è troppo grande per essere importato: una volta decompresso supera "
                              "%1 MB.\n\nDividerlo in più file, oppure salvarlo in formato .csv, e ripetere "
                              "l'importazione.")
            .arg(XlsxReader::MaxUnpackedBytes / (1024 * 1024));
    }

    QString m_path;
    qint64 m_budget;
    bool m_ratioBound;
    qint64 m_used = 0;
};

// An XML part read as it is unpacked: the reader is fed one block after
// another and never sees the whole part.
class XmlStream
{
public:
    XmlStream(ZipParts* zip, const QString& name)
        : m_zip(zip)
        , m_name(name)
    {
    }

    // Runs visit() on every token of the part. visit() returns false to
    // stop (with its own message already set).
    bool run(const std::function<bool(QXmlStreamReader&)>& visit, QString* error, bool* visitStopped)
    {
        *visitStopped = false;
        bool stopped = false;
        const bool ok = m_zip->stream(
            m_name,
            [&](const char* data, qint64 n) {
                m_xml.addData(QByteArray::fromRawData(data, n));
                return drain(visit, &stopped);
            },
            error);
        if (!ok)
            return false;
        if (stopped) {
            *visitStopped = true;
            return false;
        }
        if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError || m_xml.hasError() || !m_xml.atEnd()) {
            return false;
        }
        return true;
    }

private:
    // Reads every token the data so far holds.
    bool drain(const std::function<bool(QXmlStreamReader&)>& visit, bool* stopped)
    {
        for (;;) {
            m_xml.readNext();
            if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                return true; // more data wanted
            if (m_xml.hasError())
                return false;
            if (!visit(m_xml)) {
                *stopped = true;
                return false;
            }
            if (m_xml.atEnd())
                return false;
        }
    }

    ZipParts* m_zip;
    QString m_name;
    QXmlStreamReader m_xml;
};

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
bool firstSheetPart(ZipParts* zip, const QStringList& names, QString* part, QString* error)
{
    QByteArray workbook;
    QByteArray relations;
    const QString rels = QStringLiteral("xl/_rels/workbook.xml.rels");
    if (!zip->whole(QStringLiteral("xl/workbook.xml"), &workbook, error) ||
        (names.contains(rels) && !zip->whole(rels, &relations, error)))
        return false;
    QString relation;
    QXmlStreamReader book(workbook);
    while (!book.atEnd() && relation.isEmpty()) {
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet")) {
            for (const QXmlStreamAttribute& a : book.attributes())
                if (a.name() == QLatin1String("id"))
                    relation = a.value().toString();
        }
    }
    QString target;
    QXmlStreamReader xml(relations);
    while (!xml.atEnd() && target.isEmpty() && !relation.isEmpty()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Relationship") &&
            xml.attributes().value(QLatin1String("Id")) == relation)
            target = xml.attributes().value(QLatin1String("Target")).toString();
    }
    if (target.startsWith(QLatin1Char('/')))
        target = target.mid(1);
    else if (!target.isEmpty())
        target = QStringLiteral("xl/") + target;
    if (target.isEmpty() || !names.contains(target))
        target = QStringLiteral("xl/worksheets/sheet1.xml");
    *part = target;
    return true;
}

// The shared strings, read as they are unpacked.
bool sharedStrings(ZipParts* zip, const QStringList& names, QStringList* strings, QString* error)
{
    const QString part = QStringLiteral("xl/sharedStrings.xml");
    if (!names.contains(part))
        return true;
    QString current;
    bool inItem = false;
    bool inText = false;
    int phonetic = 0;
    XmlStream stream(zip, part);
    bool stopped = false;
    error->clear();
    const bool ok = stream.run(
        [&](QXmlStreamReader& xml) {
            switch (xml.tokenType()) {
            case QXmlStreamReader::StartElement:
                if (xml.name() == QLatin1String("si")) {
                    inItem = true;
                    current.clear();
                } else if (xml.name() == QLatin1String("rPh")) {
                    ++phonetic; // reading aids of East Asian text, not the value
                } else if (inItem && phonetic == 0 && xml.name() == QLatin1String("t")) {
                    inText = true;
                }
                break;
            case QXmlStreamReader::Characters:
                if (inText)
                    current += xml.text();
                break;
            case QXmlStreamReader::EndElement:
                if (xml.name() == QLatin1String("si")) {
                    strings->append(unescaped(current));
                    inItem = false;
                } else if (xml.name() == QLatin1String("rPh")) {
                    --phonetic;
                } else if (xml.name() == QLatin1String("t")) {
                    inText = false;
                }
                break;
            default:
                break;
            }
            return true;
        },
        error, &stopped);
    if (!ok && error->isEmpty())
        *error = unreadable();
    return ok;
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
    const QFileInfo info(path);
    ZipParts zip(path, info.size());
    QStringList names;
    if (!zip.list(&names, &why))
        return fail(why);
    if (!names.contains(QStringLiteral("xl/workbook.xml")))
        return fail(notWorkbook());
    QString sheetPart;
    if (!firstSheetPart(&zip, names, &sheetPart, &why))
        return fail(why);
    QStringList strings;
    if (!sharedStrings(&zip, names, &strings, &why))
        return fail(why);
    if (!names.contains(sheetPart))
        return fail(notWorkbook());

    QStringList row;
    QVector<bool> formulas;
    bool inRow = false;
    // The cell being read.
    int column = -1;
    QString type;
    QString value;
    QString inlineText;
    enum class In
    {
        Nothing,
        Value,
        InlineText
    } in = In::Nothing;
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
    auto visit = [&](QXmlStreamReader& xml) {
        const auto token = xml.tokenType();
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
                    return false;
                type = attributes.value(QLatin1String("t")).toString();
                value.clear();
                inlineText.clear();
                formula = false;
            } else if (name == QLatin1String("v")) {
                value.clear();
                in = In::Value;
            } else if (name == QLatin1String("f")) {
                formula = true;
            } else if (name == QLatin1String("t") && column >= 0) {
                in = In::InlineText;
            }
        } else if (token == QXmlStreamReader::Characters) {
            if (in == In::Value)
                value += xml.text();
            else if (in == In::InlineText)
                inlineText += xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            const auto name = xml.name();
            if (name == QLatin1String("v") || name == QLatin1String("t")) {
                in = In::Nothing;
            } else if (name == QLatin1String("c") && column >= 0) {
                QString text;
                if (type == QLatin1String("s")) {
                    bool ok = false;
                    const int i = value.toInt(&ok);
                    if (!ok || i < 0 || i >= strings.size())
                        return false;
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
        return true;
    };
    XmlStream sheet(&zip, sheetPart);
    bool stopped = false;
    why.clear();
    if (!sheet.run(visit, &why, &stopped))
        return fail(why.isEmpty() ? unreadable() : why);
    if (!any || table->rowCount() == 0)
        return fail(QStringLiteral("Il foglio di lavoro è vuoto: non contiene nessuna riga."));
    return true;
}

} // namespace XlsxReader

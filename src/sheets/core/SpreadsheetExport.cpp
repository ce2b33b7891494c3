// The spreadsheet export file and the values of an export grid.
#include "sheets/core/SpreadsheetExport.h"
#include "base/core/SystemError.h"

#include "base/core/Cp1252.h"
#include "base/core/TextRules.h"

#include <QSaveFile>
#include <QVarLengthArray>

#include <cstring>

namespace {

SpreadsheetExport::FileFactory g_factory;

// The bytes of a text with codes up to 32 removed at both ends. Windows-1252
// keeps codes 0 to 32 on the same bytes and every other byte above 32, so the
// rule is the same on text and on its bytes.
QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && static_cast<unsigned char>(bytes.at(begin)) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(bytes.at(end - 1)) <= 32)
        --end;
    return bytes.sliced(begin, end - begin);
}

inline qint64 key(int row, int column, int columns)
{
    return qint64(row) * columns + column;
}

// The file's bytes gather in one block of memory, written out whenever it is
// full; every block's byte count is checked. Appending is a plain copy: the
// file is made of millions of short pieces.
class BlockWriter
{
public:
    explicit BlockWriter(QSaveFile* file)
        : m_file(file)
        , m_block(Block, Qt::Uninitialized)
    {
    }

    void put(const char* bytes, qsizetype n)
    {
        if (m_used + n > m_block.size())
            m_block.resize(qMax(m_used + n, 2 * m_block.size()));
        std::memcpy(m_block.data() + m_used, bytes, size_t(n));
        m_used += n;
    }
    void put(QByteArrayView bytes) { put(bytes.data(), bytes.size()); }
    template <qsizetype N>
    void put(const char (&literal)[N])
    {
        put(literal, N - 1);
    }

    // Text already Windows-1252, with "&", "<" and ">" turned into entities.
    void putEscaped(QByteArrayView text)
    {
        qsizetype from = 0;
        const qsizetype n = text.size();
        const char* p = text.data();
        for (qsizetype i = 0; i < n; ++i) {
            const char c = p[i];
            if (c != '&' && c != '<' && c != '>')
                continue;
            put(p + from, i - from);
            if (c == '&')
                put("&amp;");
            else if (c == '<')
                put("&lt;");
            else
                put("&gt;");
            from = i + 1;
        }
        put(p + from, n - from);
    }

    bool maybeFlush() { return m_used < Block || flush(); }

    bool flush()
    {
        if (m_used == 0)
            return true;
        const qint64 written = m_file->write(m_block.constData(), m_used);
        if (written != m_used)
            return false;
        m_used = 0;
        return true;
    }

private:
    static constexpr qsizetype Block = 1 << 20;
    QSaveFile* m_file;
    QByteArray m_block;
    qsizetype m_used = 0;
};

} // namespace

// --- ExportTable ------------------------------------------------------------

ExportTable::ExportTable(int columns)
    : m_columns(columns)
{
}

void ExportTable::clear()
{
    m_rows = 0;
    m_bytes.clear();
    m_ends.clear();
    m_edits.clear();
}

void ExportTable::reserve(int rows, qsizetype bytes)
{
    m_ends.reserve(qsizetype(rows) * m_columns);
    m_bytes.reserve(bytes);
}

void ExportTable::appendRow(const QStringList& values)
{
    for (int c = 0; c < m_columns; ++c) {
        if (c < values.size())
            m_bytes.append(Cp1252::encode(TextRules::trimmed(values.at(c))));
        m_ends.append(m_bytes.size());
    }
    ++m_rows;
}

void ExportTable::appendRow(const QVector<QByteArrayView>& values)
{
    const int n = qMin<int>(int(values.size()), m_columns);
    QVarLengthArray<QByteArrayView, 32> trimmed(n);
    qsizetype length = 0;
    for (int c = 0; c < n; ++c) {
        trimmed[c] = trimmedBytes(values.at(c));
        length += trimmed[c].size();
    }
    // One growth per row, then plain copies.
    qsizetype at = m_bytes.size();
    m_bytes.resize(at + length);
    char* dst = m_bytes.data();
    for (int c = 0; c < m_columns; ++c) {
        if (c < n) {
            std::memcpy(dst + at, trimmed[c].data(), size_t(trimmed[c].size()));
            at += trimmed[c].size();
        }
        m_ends.append(at);
    }
    ++m_rows;
}

QByteArrayView ExportTable::storedBytes(int row, int column) const
{
    const qint64 k = key(row, column, m_columns);
    const qint64 begin = k == 0 ? 0 : m_ends.at(k - 1);
    return QByteArrayView(m_bytes.constData() + begin, m_ends.at(k) - begin);
}

QString ExportTable::value(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return QString();
    const auto edit = m_edits.constFind(key(row, column, m_columns));
    if (edit != m_edits.constEnd())
        return edit.value();
    const QByteArrayView bytes = storedBytes(row, column);
    return Cp1252::decode(bytes.data(), bytes.size());
}

void ExportTable::setValue(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    m_edits.insert(key(row, column, m_columns), text);
}

bool ExportTable::isEdited(int row, int column) const
{
    return m_edits.contains(key(row, column, m_columns));
}

const QString* ExportTable::edit(int row, int column) const
{
    if (m_edits.isEmpty())
        return nullptr;
    const auto found = m_edits.constFind(key(row, column, m_columns));
    return found == m_edits.constEnd() ? nullptr : &found.value();
}

void ExportTable::appendCellBytes(int row, int column, QByteArray* out) const
{
    if (!m_edits.isEmpty()) {
        const auto edit = m_edits.constFind(key(row, column, m_columns));
        if (edit != m_edits.constEnd()) {
            out->append(SpreadsheetExport::escape(TextRules::trimmed(edit.value())));
            return;
        }
    }
    SpreadsheetExport::appendEscaped(storedBytes(row, column), out);
}

// --- the file ---------------------------------------------------------------

namespace SpreadsheetExport {

QByteArray escape(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    Cp1252::forEachCodePoint(text, [&out](char32_t cp) {
        switch (cp) {
        case U'&':
            out.append("&amp;");
            break;
        case U'<':
            out.append("&lt;");
            break;
        case U'>':
            out.append("&gt;");
            break;
        default:
            if (Cp1252::canEncode(cp)) {
                out.append(Cp1252::encode(QString::fromUcs4(&cp, 1)));
            } else {
                out.append("&#");
                out.append(QByteArray::number(quint32(cp)));
                out.append(';');
            }
        }
    });
    return out;
}

void appendEscaped(QByteArrayView cp1252, QByteArray* out)
{
    qsizetype from = 0;
    const qsizetype n = cp1252.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = cp1252.at(i);
        const char* entity = c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : nullptr;
        if (!entity)
            continue;
        out->append(cp1252.sliced(from, i - from));
        out->append(entity);
        from = i + 1;
    }
    out->append(cp1252.sliced(from));
}

QByteArray head(const QString& sheetName, const QList<Column>& columns)
{
    // The pieces follow one another with nothing between them: the file is a
    // single line, without a line break even at its end.
    QByteArray out;
    out.append("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
               " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
               " xmlns=\"http://www.w3.org/TR/REC-html40\">");
    out.append("<head>");
    out.append("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    out.append("<!--[if gte mso 9]><xml>");
    out.append("<x:ExcelWorkbook>");
    out.append("<x:ExcelWorksheets>");
    out.append("<x:ExcelWorksheet>");
    out.append("<x:Name>").append(escape(sheetName)).append("</x:Name>");
    out.append("<x:WorksheetOptions>");
    out.append("<x:Selected/>");
    out.append("<x:Panes>");
    out.append("<x:Pane>");
    out.append("<x:Number>1</x:Number>");
    out.append("<x:ActiveRow>3</x:ActiveRow>");
    out.append("</x:Pane>");
    out.append("</x:Panes>");
    out.append("<x:ProtectContents>False</x:ProtectContents>");
    out.append("<x:ProtectObjects>False</x:ProtectObjects>");
    out.append("<x:ProtectScenarios>False</x:ProtectScenarios>");
    out.append("</x:WorksheetOptions>");
    out.append("</x:ExcelWorksheet>");
    out.append("</x:ExcelWorksheets>");
    out.append("</x:ExcelWorkbook>");
    out.append("</xml><![endif]-->");
    out.append("</head>");
    out.append("<body>");
    out.append("<table x:str>");
    out.append("<tr>");
    for (const Column& column : columns) {
        out.append("<td style=\"text-align: left; font-weight: bold;\" width=");
        out.append(QByteArray::number(column.width));
        out.append('>');
        out.append(escape(column.title));
        out.append("</td>");
    }
    out.append("</tr>");
    return out;
}

QByteArray tail()
{
    return QByteArrayLiteral("</table></body></html>");
}

bool write(const QString& path, const QString& sheetName, const QList<Column>& columns, const ExportTable& table,
           QString* error)
{
    std::unique_ptr<QSaveFile> file = g_factory ? g_factory(path) : std::make_unique<QSaveFile>(path);
    // Never write over the old file in place: a failure midway must leave the
    // previous export whole.
    file->setDirectWriteFallback(false);
    auto fail = [&](const QString& why) {
        if (error)
            *error = why.isEmpty() ? SystemError::of(*file) : why;
        file->cancelWriting();
        return false;
    };
    if (!file->open(QIODevice::WriteOnly))
        return fail(QString());

    BlockWriter out(file.get());
    out.put(head(sheetName, columns));
    const int rows = table.rowCount();
    const int cells = qMin<int>(int(columns.size()), table.columnCount());
    for (int r = 0; r < rows; ++r) {
        out.put("<tr>");
        for (int c = 0; c < cells; ++c) {
            out.put("<td style=\"text-align: left;\">");
            if (const QString* typed = table.edit(r, c))
                out.put(escape(TextRules::trimmed(*typed)));
            else
                out.putEscaped(table.storedBytes(r, c));
            out.put("</td>");
        }
        out.put("</tr>");
        if (!out.maybeFlush())
            return fail(QString());
    }
    out.put(tail());
    if (!out.flush())
        return fail(QString());
    // Qt can report a commit as successful after a failed write, so the
    // file's own error state is checked first.
    if (!file->flush() || file->error() != QFileDevice::NoError)
        return fail(QString());
    if (!file->commit()) {
        if (error)
            *error = SystemError::of(*file);
        return false;
    }
    return true;
}

QString confirmMessage()
{
    return QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
                          "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
}

QString successMessage()
{
    return QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
}

QString failureMessage()
{
    return QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
                          "Excel non sia già aperto.");
}

QString idleText()
{
    return QStringLiteral("Esportazione archivio in Microsoft Excel.");
}

QString esportaText()
{
    return QStringLiteral("Esporta l'archivio in formato Microsoft Excel.");
}

QString guidaText()
{
    return QStringLiteral("Visualizza la pagina della guida sensibile al contesto.");
}

QString esciText()
{
    return QStringLiteral("Esci da questo ambiente di lavoro.");
}

void setFileFactory(FileFactory factory)
{
    g_factory = std::move(factory);
}

} // namespace SpreadsheetExport

// The .csv export of an export grid.
#include "sheets/core/CsvExport.h"
#include "base/core/SystemError.h"

#include "sheets/core/ExportCells.h"

#include <QSaveFile>

namespace {

SpreadsheetExport::FileFactory g_factory;

bool isFormulaStart(char16_t c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

char16_t code(QChar c)
{
    return c.unicode();
}
char16_t code(char c)
{
    return static_cast<unsigned char>(c);
}

// Guards work on UTF-8 bytes too: every character involved is ASCII.
template <typename Text>
bool guardWanted(const Text& text)
{
    qsizetype i = 0;
    while (i < text.size() && code(text.at(i)) == u'\'')
        ++i;
    return i < text.size() && isFormulaStart(code(text.at(i)));
}

} // namespace

namespace CsvExport {

bool needsGuard(QStringView text)
{
    return guardWanted(text);
}

QString guarded(const QString& text)
{
    return needsGuard(text) ? QLatin1Char('\'') + text : text;
}

QString unguarded(const QString& text)
{
    if (text.startsWith(QLatin1Char('\'')) && needsGuard(QStringView(text).mid(1)))
        return text.mid(1);
    return text;
}

void appendField(QByteArrayView utf8, QByteArray* out)
{
    const bool guard = guardWanted(utf8);
    bool quote = false;
    for (const char c : utf8) {
        if (c == ';' || c == '"' || c == '\r' || c == '\n') {
            quote = true;
            break;
        }
    }
    if (quote)
        out->append('"');
    if (guard)
        out->append('\'');
    if (quote) {
        for (const char c : utf8) {
            if (c == '"')
                out->append('"');
            out->append(c);
        }
        out->append('"');
    } else {
        out->append(utf8.data(), utf8.size());
    }
}

bool write(const QString& path, const QList<SpreadsheetExport::Column>& columns, const ExportTable& table,
           int scoreColumn, QString* error)
{
    std::unique_ptr<QSaveFile> file = g_factory ? g_factory(path) : std::make_unique<QSaveFile>(path);
    // Never write over the old file in place: a failure midway must leave the
    // previous export whole.
    file->setDirectWriteFallback(false);
    auto fail = [&]() {
        if (error)
            *error = SystemError::of(*file);
        file->cancelWriting();
        return false;
    };
    if (!file->open(QIODevice::WriteOnly))
        return fail();

    constexpr qsizetype Block = 1 << 20;
    QByteArray out;
    out.reserve(Block + 64 * 1024);
    auto flush = [&]() {
        if (out.isEmpty())
            return true;
        if (file->write(out) != out.size())
            return false;
        out.clear();
        return true;
    };

    out.append("\xEF\xBB\xBF");
    const int cells = qMin<int>(int(columns.size()), table.columnCount());
    for (int c = 0; c < cells; ++c) {
        if (c > 0)
            out.append(';');
        appendField(columns.at(c).title.toUtf8(), &out);
    }
    out.append("\r\n");

    QByteArray cell;
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cells; ++c) {
            if (c > 0)
                out.append(';');
            ExportCells::cellUtf8(table, r, c, &cell);
            double score;
            if (c == scoreColumn && ExportCells::scoreValue(cell, &score)) {
                // A number, never a formula, even with a sign in front.
                out.append(cell.replace('.', ','));
                continue;
            }
            appendField(cell, &out);
        }
        out.append("\r\n");
        if (out.size() >= Block && !flush())
            return fail();
    }
    if (!flush())
        return fail();
    // Qt can report a commit as successful after a failed write, so the
    // file's own error state is checked first.
    if (!file->flush() || file->error() != QFileDevice::NoError)
        return fail();
    if (!file->commit()) {
        if (error)
            *error = SystemError::of(*file);
        return false;
    }
    return true;
}

void setFileFactory(SpreadsheetExport::FileFactory factory)
{
    g_factory = std::move(factory);
}

} // namespace CsvExport

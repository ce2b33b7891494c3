// The .xlsx export of an export grid.
#include "sheets/core/XlsxExport.h"
#include "base/core/SystemError.h"

#include "sheets/core/ExportCells.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace {

SpreadsheetExport::FileFactory g_factory;

// Characters of a UTF-8 text (continuation bytes not counted).
int characters(const QByteArray& utf8)
{
    int n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

QString lxwText(lxw_error e)
{
    return QString::fromUtf8(lxw_strerror(e));
}

// Copies the finished workbook through a save file beside the target.
bool install(const QString& built, const QString& path, QString* error)
{
    QFile in(built);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = SystemError::of(in);
        return false;
    }
    std::unique_ptr<QSaveFile> file = g_factory ? g_factory(path) : std::make_unique<QSaveFile>(path);
    file->setDirectWriteFallback(false);
    auto fail = [&]() {
        if (error)
            *error = SystemError::of(*file);
        file->cancelWriting();
        return false;
    };
    if (!file->open(QIODevice::WriteOnly))
        return fail();
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(block.data(), block.size());
        if (got < 0) {
            file->cancelWriting();
            if (error)
                *error = SystemError::of(in);
            return false;
        }
        if (got == 0)
            break;
        if (file->write(block.constData(), got) != got)
            return fail();
    }
    if (!file->flush() || file->error() != QFileDevice::NoError)
        return fail();
    if (!file->commit()) {
        if (error)
            *error = SystemError::of(*file);
        return false;
    }
    return true;
}

} // namespace

namespace XlsxExport {

int fittedWidth(int longest)
{
    // A little room for the autofilter button; very long notes are not
    // allowed to make a column wider than a screen.
    return qBound(6, longest + 3, 80);
}

bool write(const QString& path, const QString& sheetName, const QList<SpreadsheetExport::Column>& columns,
           const ExportTable& table, int scoreColumn, QString* error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        if (error)
            *error = SystemError::italianized(work.errorString());
        return false;
    }
    const QByteArray built = QFile::encodeName(work.filePath(QStringLiteral("export.xlsx")));
    const QByteArray tmpdir = QFile::encodeName(work.path());

    const int cells = qMin<int>(int(columns.size()), table.columnCount());
    const int rows = table.rowCount();

    // The column widths come from a first pass over the values, because in
    // constant-memory mode rows go to disk as they are written.
    QVector<int> longest(cells, 0);
    QByteArray cell;
    for (int c = 0; c < cells; ++c)
        longest[c] = characters(columns.at(c).title.toUtf8());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cells; ++c) {
            int n;
            if (const QString* typed = table.edit(r, c))
                n = int(typed->size());
            else
                n = int(table.storedBytes(r, c).size());
            longest[c] = qMax(longest[c], n);
        }
    }

    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    lxw_workbook* workbook = workbook_new_opt(built.constData(), &options);
    if (!workbook) {
        if (error)
            *error = QStringLiteral("impossibile creare il foglio di lavoro");
        return false;
    }
    const QByteArray sheet = sheetName.left(31).toUtf8();
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.constData());
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_format* score = workbook_add_format(workbook);
    format_set_num_format(score, "0.00");

    lxw_error failed = LXW_NO_ERROR;
    auto check = [&failed](lxw_error e) {
        if (e != LXW_NO_ERROR && failed == LXW_NO_ERROR)
            failed = e;
    };
    if (!worksheet)
        failed = LXW_ERROR_MEMORY_MALLOC_FAILED;
    if (worksheet) {
        for (int c = 0; c < cells; ++c)
            check(worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), fittedWidth(longest[c]), nullptr));
        worksheet_freeze_panes(worksheet, 1, 0);
        if (cells > 0)
            check(worksheet_autofilter(worksheet, 0, 0, lxw_row_t(rows), lxw_col_t(cells - 1)));
        for (int c = 0; c < cells; ++c) {
            const QByteArray title = columns.at(c).title.toUtf8();
            check(worksheet_write_string(worksheet, 0, lxw_col_t(c), title.constData(), bold));
        }
        for (int r = 0; r < rows && failed == LXW_NO_ERROR; ++r) {
            for (int c = 0; c < cells; ++c) {
                ExportCells::cellUtf8(table, r, c, &cell);
                if (cell.isEmpty())
                    continue;
                double value;
                if (c == scoreColumn && ExportCells::scoreValue(cell, &value))
                    check(worksheet_write_number(worksheet, lxw_row_t(r + 1), lxw_col_t(c), value, score));
                else
                    check(worksheet_write_string(worksheet, lxw_row_t(r + 1), lxw_col_t(c), cell.constData(), nullptr));
            }
        }
    }
    // The workbook is closed (and freed) whatever happened above.
    const lxw_error closed = workbook_close(workbook);
    if (failed == LXW_NO_ERROR)
        failed = closed;
    if (failed != LXW_NO_ERROR) {
        if (error)
            *error = lxwText(failed);
        return false;
    }
    return install(work.filePath(QStringLiteral("export.xlsx")), path, error);
}

void setFileFactory(SpreadsheetExport::FileFactory factory)
{
    g_factory = std::move(factory);
}

} // namespace XlsxExport

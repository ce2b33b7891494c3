// The .xlsx export read back: by this program's own reader, by looking at the
// sheet's XML, and by LibreOffice converting it to CSV. Text stays text
// ("00184" stays "00184"), the score is a number with two decimals, the
// heading row is bold, frozen and filtered, and a failed write keeps the
// previous file.
#include "sheets/core/XlsxExport.h"
#include "sheets/core/XlsxReader.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>

namespace {

const QList<SpreadsheetExport::Column> kColumns = {
    {QStringLiteral("Candidato"), 300},
    {QStringLiteral("CAP"), 150},
    {QStringLiteral("Punteggio totale"), 200},
    {QStringLiteral("Note"), 400},
};

ExportTable smallTable()
{
    ExportTable table(4);
    table.appendRow(QStringList {QStringLiteral("Rossi Mario"), QStringLiteral("00184"), QStringLiteral("27,50"),
                                 QStringLiteral("=1+2")});
    table.appendRow(QStringList {QStringLiteral("Niccolò D'Angelo & Figli <b>"), QStringLiteral("0012345678901"),
                                 QStringLiteral("9,00"), QStringLiteral("Disponibilità > 5 giorni, 80 €")});
    table.appendRow(QStringList {QStringLiteral("Verdi"), QString(), QStringLiteral("n.d."), QString()});
    return table;
}

// One member of a zip file, unpacked.
QByteArray member(const QString& zipPath, const char* name)
{
    archive* zip = archive_read_new();
    archive_read_support_format_zip(zip);
    QByteArray out;
    if (archive_read_open_filename(zip, QFile::encodeName(zipPath).constData(), 65536) == ARCHIVE_OK) {
        archive_entry* entry;
        while (archive_read_next_header(zip, &entry) == ARCHIVE_OK) {
            if (qstrcmp(archive_entry_pathname(entry), name) != 0)
                continue;
            char block[65536];
            la_ssize_t got;
            while ((got = archive_read_data(zip, block, sizeof block)) > 0)
                out.append(block, got);
            break;
        }
    }
    archive_read_free(zip);
    return out;
}

class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString& path)
        : QSaveFile(path)
    {
    }

protected:
    qint64 writeData(const char*, qint64) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

} // namespace

class TestXlsxExport : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { XlsxExport::setFileFactory(nullptr); }

    void readBackByTheImport()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("s.xlsx"));
        QString error;
        QVERIFY2(XlsxExport::write(path, QStringLiteral("Candidati esaminati"), kColumns, smallTable(), 2, &error),
                 qPrintable(error));
        SheetTable sheet;
        QVERIFY2(XlsxReader::read(path, &sheet, &error), qPrintable(error));
        QCOMPARE(sheet.rowCount(), 4);
        QCOMPARE(sheet.row(0), (QStringList {"Candidato", "CAP", "Punteggio totale", "Note"}));
        QCOMPARE(sheet.row(1), (QStringList {"Rossi Mario", "00184", "27.5", "=1+2"}));
        QCOMPARE(sheet.row(2),
                 (QStringList {QStringLiteral("Niccolò D'Angelo & Figli <b>"), "0012345678901", "9",
                               QStringLiteral("Disponibilità > 5 giorni, 80 €")}));
        QCOMPARE(sheet.row(3), (QStringList {"Verdi", "", "n.d."}));
        QVERIFY(!sheet.isFormula(1, 3)); // "=1+2" is a text cell, not a formula
    }

    void sheetLayout()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("s.xlsx"));
        QVERIFY(XlsxExport::write(path, QStringLiteral("Candidati esaminati"), kColumns, smallTable(), 2));
        const QByteArray sheet = member(path, "xl/worksheets/sheet1.xml");
        QVERIFY(!sheet.isEmpty());
        // Frozen heading row and an autofilter over the whole table.
        QVERIFY(sheet.contains("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"));
        QVERIFY(sheet.contains("<autoFilter ref=\"A1:D4\"/>"));
        // Fitted widths: the longest value plus a little room.
        QVERIFY2(
            sheet.contains("<col min=\"1\" max=\"1\" width=\"" + QByteArray::number(XlsxExport::fittedWidth(28)) + "."),
            sheet.constData());
        QVERIFY(sheet.contains("<col min=\"2\" max=\"2\" width=\"" + QByteArray::number(XlsxExport::fittedWidth(13)) +
                               "."));
        // The score is a number cell; "00184" is not.
        QVERIFY(sheet.contains("<c r=\"C2\" s=\"2\"><v>27.5</v></c>"));
        QVERIFY(!sheet.contains("<v>184</v>"));
        QVERIFY(!sheet.contains("<f>"));
        const QByteArray styles = member(path, "xl/styles.xml");
        QVERIFY(styles.contains("formatCode=\"0.00\""));
        QVERIFY(styles.contains("<b/>"));
        const QByteArray book = member(path, "xl/workbook.xml");
        QVERIFY(book.contains("name=\"Candidati esaminati\""));
    }

    void readBackByLibreOffice()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty()) {
            if (qgetenv("CI") == "true")
                QFAIL("soffice is needed in CI (libreoffice-calc-nogui)");
            QSKIP("LibreOffice is not installed");
        }
        QTemporaryDir work;
        const QString path = work.filePath(QStringLiteral("s.xlsx"));
        QVERIFY(XlsxExport::write(path, QStringLiteral("Candidati esaminati"), kColumns, smallTable(), 2));
        QProcess lo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), work.path());
        lo.setProcessEnvironment(env);
        lo.start(soffice,
                 {QStringLiteral("-env:UserInstallation=file://") + work.filePath(QStringLiteral("profile")),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                  QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1"), QStringLiteral("--outdir"),
                  work.filePath(QStringLiteral("out")), path});
        QVERIFY(lo.waitForFinished(180000));
        QFile csv(work.filePath(QStringLiteral("out/s.csv")));
        QVERIFY2(csv.open(QIODevice::ReadOnly), lo.readAllStandardError().constData());
        // LibreOffice puts every text in quotes; none of these values holds one.
        const QStringList lines =
            QString::fromUtf8(csv.readAll()).remove(QLatin1Char('"')).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0).trimmed(), QStringLiteral("Candidato;CAP;Punteggio totale;Note"));
        // Text cells keep their leading zeros; the score shows two decimals
        // (with the separator of LibreOffice's locale).
        QVERIFY2(lines.at(1).startsWith(QStringLiteral("Rossi Mario;00184;27")), qPrintable(lines.at(1)));
        QVERIFY2(lines.at(1).contains(QRegularExpression(QStringLiteral("27[.,]50;=1\\+2"))), qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).contains(QStringLiteral(";0012345678901;9")), qPrintable(lines.at(2)));
        QVERIFY2(lines.at(2).contains(QRegularExpression(QStringLiteral(";9[.,]00;"))), qPrintable(lines.at(2)));
    }

    void failedWriteKeepsThePreviousFile()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("s.xlsx"), "vecchio");
        XlsxExport::setFileFactory(
            [](const QString& path) { return std::unique_ptr<QSaveFile>(new FailingSaveFile(path)); });
        QString error;
        QVERIFY(!XlsxExport::write(folder.file(QStringLiteral("s.xlsx")), QStringLiteral("x"), kColumns, smallTable(),
                                   2, &error));
        // The system's words, in Italian.
        QCOMPARE(error, QStringLiteral("disco pieno: non c'è più spazio sul supporto"));
        QCOMPARE(folder.read(QStringLiteral("s.xlsx")), QByteArray("vecchio"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("s.xlsx")});
    }
};

SELVORA_CORE_TEST_MAIN(TestXlsxExport)
#include "tst_xlsxexport.moc"

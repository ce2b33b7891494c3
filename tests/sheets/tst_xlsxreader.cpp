// Reading .xlsx files for the import: a workbook made by hand (shared and
// inline strings, rich text, numbers, a formula, gaps between cells, the
// first sheet found through the workbook), and bad input: garbage, an empty
// file, a zip of something else, broken XML.
#include "sheets/core/XlsxReader.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QElapsedTimer>

#include <archive.h>
#include <archive_entry.h>

using Members = QList<QPair<QByteArray, QByteArray>>;

namespace {

// Writes a zip file holding these members.
void writeZip(const QString& path, const Members& members, bool declareSizes = true)
{
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    QVERIFY(archive_write_open_filename(zip, QFile::encodeName(path).constData()) == ARCHIVE_OK);
    for (const auto& m : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, m.first.constData());
        if (declareSizes)
            archive_entry_set_size(entry, m.second.size());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_write_header(zip, entry);
        archive_write_data(zip, m.second.constData(), size_t(m.second.size()));
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
}

const QByteArray kBook = "<?xml version=\"1.0\"?><workbook "
                         "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
                         "<sheet name=\"Candidati\" sheetId=\"7\" r:id=\"rId3\"/><sheet name=\"Altro\" sheetId=\"1\" "
                         "r:id=\"rId1\"/></sheets></workbook>";
const QByteArray kRels = "<?xml version=\"1.0\"?><Relationships "
                         "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                         "<Relationship Id=\"rId1\" Type=\"x\" Target=\"worksheets/sheet1.xml\"/>"
                         "<Relationship Id=\"rId3\" Type=\"x\" Target=\"/xl/worksheets/sheet2.xml\"/>"
                         "</Relationships>";
const QByteArray kStrings = "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                            "main\"><si><t>Cognome</t></si><si><t>CAP</t></si><si><r><t>Ros</t></r><r><rPr><b/></rPr>"
                            "<t>si</t></r><rPh><t>ROSSI</t></rPh></si><si><t xml:space=\"preserve\"> 00184 </t></si>"
                            "</sst>";
const QByteArray kSheet = "<?xml version=\"1.0\"?><worksheet "
                          "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                          "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                          "<c r=\"C1\" t=\"inlineStr\"><is><t>Data nascita</t></is></c><c r=\"D1\" t=\"inlineStr\">"
                          "<is><t>Totale</t></is></c></row>"
                          "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c><c r=\"B2\" t=\"s\"><v>3</v></c>"
                          "<c r=\"C2\"><v>32874</v></c><c r=\"D2\"><f>1+2</f><v>3</v></c></row>"
                          "<row r=\"4\"><c r=\"C4\"><v>27.5</v></c><c r=\"A4\" t=\"str\"><f>\"Ve\"&amp;\"rdi\"</f>"
                          "<v>Verdi</v></c></row>"
                          "<row r=\"5\"/>"
                          "</sheetData></worksheet>";
const QByteArray kOtherSheet = "<?xml version=\"1.0\"?><worksheet><sheetData><row r=\"1\"><c r=\"A1\" "
                               "t=\"inlineStr\"><is><t>sbagliato</t></is></c></row></sheetData></worksheet>";

} // namespace

class TestXlsxReader : public QObject
{
    Q_OBJECT

private slots:
    void columnOfReference_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("column");
        QTest::newRow("A1") << "A1" << 0;
        QTest::newRow("Z9") << "Z9" << 25;
        QTest::newRow("AA10") << "AA10" << 26;
        QTest::newRow("XFD1") << "XFD1" << 16383;
        QTest::newRow("no letters") << "12" << -1;
        QTest::newRow("too many letters") << "ABCD1" << -1;
    }
    void columnOfReference()
    {
        QFETCH(QString, reference);
        QFETCH(int, column);
        QCOMPARE(XlsxReader::columnOfReference(reference), column);
    }

    void handMadeWorkbook()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("a.xlsx"));
        writeZip(path,
                 {{"[Content_Types].xml", "<Types/>"},
                  {"xl/workbook.xml", kBook},
                  {"xl/_rels/workbook.xml.rels", kRels},
                  {"xl/sharedStrings.xml", kStrings},
                  {"xl/worksheets/sheet1.xml", kOtherSheet},
                  {"xl/worksheets/sheet2.xml", kSheet}});
        SheetTable table;
        QString error;
        QVERIFY2(XlsxReader::read(path, &table, &error), qPrintable(error));
        QCOMPARE(table.rowCount(), 3); // the empty row 5 is skipped
        QCOMPARE(table.row(0), (QStringList {"Cognome", "CAP", "Data nascita", "Totale"}));
        // Rich text joined, phonetic reading left out, spaces kept.
        QCOMPARE(table.row(1), (QStringList {"Rossi", " 00184 ", "32874", "3"}));
        QVERIFY(table.isFormula(1, 3));
        QVERIFY(!table.isFormula(1, 2));
        // Cells out of order and a gap in column B.
        QCOMPARE(table.row(2), (QStringList {"Verdi", "", "27.5"}));
        QVERIFY(table.isFormula(2, 0));
        // Rows keep the numbers the spreadsheet shows.
        QCOMPARE(table.sourceRow(1), 2);
        QCOMPARE(table.sourceRow(2), 4);
    }

    // Hostile files: only the worksheet used is unpacked, and what it
    // unpacks to is limited, by size and by its ratio to the file's size.
    void hostile_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<bool>("readable");
        QTest::newRow("huge unused sheet") << QStringLiteral("unused") << true;
        QTest::newRow("damaged unused sheet") << QStringLiteral("damaged") << true;
        QTest::newRow("bomb in the sheet used") << QStringLiteral("sheet") << false;
        QTest::newRow("bomb in the shared strings") << QStringLiteral("strings") << false;
        QTest::newRow("bomb without a declared size") << QStringLiteral("undeclared") << false;
    }
    void hostile()
    {
        QFETCH(QString, shape);
        QFETCH(bool, readable);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("h.xlsx"));
        // 40 MiB of rows that pack to a few tens of kilobytes.
        QByteArray bomb = "<?xml version=\"1.0\"?><worksheet><sheetData>";
        const QByteArray row = "<row><c t=\"inlineStr\"><is><t>x</t></is></c></row>";
        bomb.reserve(40 * 1024 * 1024 + 100);
        while (bomb.size() < 40 * 1024 * 1024)
            bomb += row;
        bomb += "</sheetData></worksheet>";
        QByteArray strings = kStrings;
        if (shape == QLatin1String("strings"))
            strings = "<?xml version=\"1.0\"?><sst>" + QByteArray(40 * 1024 * 1024, ' ') + "</sst>";
        QByteArray used = kSheet;
        if (shape == QLatin1String("sheet") || shape == QLatin1String("undeclared"))
            used = bomb;
        QByteArray unused = kOtherSheet;
        if (shape == QLatin1String("unused") || shape == QLatin1String("damaged"))
            unused = bomb;
        const Members members = {{"xl/workbook.xml", kBook},           {"xl/_rels/workbook.xml.rels", kRels},
                                 {"xl/worksheets/sheet1.xml", unused}, {"xl/sharedStrings.xml", strings},
                                 {"xl/worksheets/sheet2.xml", used},   {"xl/worksheets/sheet3.xml", unused}};
        writeZip(path, members, shape != QLatin1String("undeclared"));
        if (shape == QLatin1String("damaged")) {
            // Garbage in the middle of the packed bytes of both unused sheets.
            QByteArray bytes = folder.read(QStringLiteral("h.xlsx"));
            for (const QByteArray& name :
                 {QByteArray("xl/worksheets/sheet1.xml"), QByteArray("xl/worksheets/sheet3.xml")}) {
                const qsizetype from = bytes.indexOf(name);
                // The next entry, or the central directory after the last.
                qsizetype to = bytes.indexOf("PK\x03\x04", from);
                if (to < 0)
                    to = bytes.indexOf("PK\x01\x02", from);
                QVERIFY2(from > 0 && to > from + 2000,
                         qPrintable(QStringLiteral("%1 %2 %3").arg(from).arg(to).arg(bytes.size())));
                for (qsizetype i = (from + to) / 2; i < (from + to) / 2 + 64; ++i)
                    bytes[i] = char(0xA5 ^ i);
            }
            folder.write(QStringLiteral("h.xlsx"), bytes);
        }
        QVERIFY(QFileInfo(path).size() < 1024 * 1024);
        SheetTable table;
        QString error;
        QElapsedTimer clock;
        clock.start();
        const bool ok = XlsxReader::read(path, &table, &error);
        QVERIFY2(clock.elapsed() < 5000, "the file took too long to read");
        if (readable) {
            QVERIFY2(ok, qPrintable(error));
            QCOMPARE(table.rowCount(), 3);
            QCOMPARE(table.row(0), (QStringList {"Cognome", "CAP", "Data nascita", "Totale"}));
            return;
        }
        QVERIFY(!ok);
        QCOMPARE(table.rowCount(), 0);
        QVERIFY2(error.startsWith(QStringLiteral("Il file .xlsx non viene importato: una volta decompresso "
                                                 "diventerebbe più di 100 volte più grande (oltre 16 MB)")),
                 qPrintable(error));
    }

    void badInput_data()
    {
        QTest::addColumn<Members>("members");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("message");
        const QString notWorkbook = QStringLiteral("Il file non è un foglio di lavoro Excel (.xlsx) leggibile.");
        QTest::newRow("empty file") << Members() << QByteArray("") << notWorkbook;
        QTest::newRow("garbage") << Members() << QByteArray("\x01\x02garbage\x00\xFF", 12) << notWorkbook;
        QTest::newRow("csv text") << Members() << QByteArray("Cognome;Nome\r\nRossi;Mario\r\n") << notWorkbook;
        QTest::newRow("zip of something else")
            << Members {{"documento.txt", "ciao"}, {"foto/a.jpg", "\xFF\xD8"}} << QByteArray() << notWorkbook;
        QTest::newRow("broken sheet xml")
            << Members {{"xl/workbook.xml", kBook},
                        {"xl/_rels/workbook.xml.rels", kRels},
                        {"xl/sharedStrings.xml", kStrings},
                        {"xl/worksheets/sheet2.xml", "<worksheet><sheetData><row><c><v>1</v></row>"}}
            << QByteArray() << "Il foglio di lavoro del file .xlsx non è leggibile (contenuto XML non valido).";
        QTest::newRow("shared string out of range")
            << Members {{"xl/workbook.xml", kBook},
                        {"xl/_rels/workbook.xml.rels", kRels},
                        {"xl/worksheets/sheet2.xml",
                         "<worksheet><sheetData><row><c t=\"s\"><v>9</v></c></row></sheetData></worksheet>"}}
            << QByteArray() << "Il foglio di lavoro del file .xlsx non è leggibile (contenuto XML non valido).";
        QTest::newRow("no rows") << Members {{"xl/workbook.xml", kBook},
                                             {"xl/worksheets/sheet1.xml", "<worksheet><sheetData/></worksheet>"}}
                                 << QByteArray() << "Il foglio di lavoro è vuoto: non contiene nessuna riga.";
    }
    void badInput()
    {
        QFETCH(Members, members);
        QFETCH(QByteArray, raw);
        QFETCH(QString, message);
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("b.xlsx"));
        if (members.isEmpty())
            folder.write(QStringLiteral("b.xlsx"), raw);
        else
            writeZip(path, members);
        SheetTable table;
        QString error;
        QVERIFY(!XlsxReader::read(path, &table, &error));
        QCOMPARE(error, message);
        QCOMPARE(table.rowCount(), 0);
    }
};

SELVORA_CORE_TEST_MAIN(TestXlsxReader)
#include "tst_xlsxreader.moc"

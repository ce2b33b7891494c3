// Reading .csv files for the import: encodings and separators found from the
// file, quoting, and bad input (empty, open quotes, binary, very large).
#include "sheets/core/CsvReader.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QStringEncoder>

class TestCsvReader : public QObject
{
    Q_OBJECT

private slots:
    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QChar>("separator");
        const QString text = QStringLiteral("Cognome;Nome;Città\r\nRossi;Niccolò;Forlì\r\n");
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << "UTF-8" << QChar(u';');
        QTest::newRow("utf-8") << text.toUtf8() << "UTF-8" << QChar(u';');
        QTest::newRow("windows-1252") << QByteArray("Cognome;Nome;Citt\xE0\r\nRossi;Niccol\xF2;Forl\xEC\r\n")
                                      << "Windows-1252" << QChar(u';');
        QStringEncoder utf16(QStringEncoder::Utf16LE);
        QTest::newRow("utf-16 with mark")
            << QByteArray("\xFF\xFE") + QByteArray(utf16.encode(text)) << "UTF-16" << QChar(u';');
        QTest::newRow("comma") << QString(text).replace(u';', u',').toUtf8() << "UTF-8" << QChar(u',');
        QTest::newRow("tab") << QString(text).replace(u';', u'\t').toUtf8() << "UTF-8" << QChar(u'\t');
        QTest::newRow("comma inside quotes") << QByteArray("\"Cognome, Nome\";\"Citt\xC3\xA0, paese\"\nRossi "
                                                           "Mario;Forl\xC3\xAC\n")
                                             << "UTF-8" << QChar(u';');
    }
    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QChar, separator);
        QString found;
        const QString text = CsvReader::decode(bytes, &found);
        QCOMPARE(found, encoding);
        QCOMPARE(CsvReader::detectSeparator(text), separator);
        SheetTable table;
        QString error;
        QVERIFY2(CsvReader::parse(bytes, &table, &error), qPrintable(error));
        QCOMPARE(table.rowCount(), 2);
        if (table.cellCount(0) == 3) {
            QCOMPARE(table.row(0).at(2), QStringLiteral("Città"));
            QCOMPARE(table.row(1), (QStringList {"Rossi", QStringLiteral("Niccolò"), QStringLiteral("Forlì")}));
        } else {
            QCOMPARE(table.row(0), (QStringList {"Cognome, Nome", QStringLiteral("Città, paese")}));
        }
    }

    void quoting()
    {
        const QByteArray bytes = "a;b;c\r\n"
                                 "\"x;y\";\"he said \"\"ok\"\"\";\"line 1\r\nline 2\"\r\n"
                                 "\r\n" // a blank line is no row
                                 "plain;;\"\"\n"
                                 "last;row"; // no line end at the end
        SheetTable table;
        QString error;
        QVERIFY2(CsvReader::parse(bytes, &table, &error), qPrintable(error));
        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.row(1), (QStringList {"x;y", "he said \"ok\"", "line 1\r\nline 2"}));
        QCOMPARE(table.row(2), (QStringList {"plain", "", ""}));
        QCOMPARE(table.row(3), (QStringList {"last", "row"}));
        // Row numbers as a spreadsheet shows them: the blank line counts.
        QCOMPARE(table.sourceRow(1), 2);
        QCOMPARE(table.sourceRow(2), 4);
        QCOMPARE(table.sourceRow(3), 5);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << "Il file è vuoto: non contiene nessuna riga.";
        QTest::newRow("blank lines only") << QByteArray("\r\n\r\n") << "Il file è vuoto: non contiene nessuna riga.";
        QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF") << "Il file è vuoto: non contiene nessuna riga.";
        QTest::newRow("quote left open")
            << QByteArray("Cognome;Note\r\nRossi;ok\r\nVerdi;\"non chiusa\r\nBianchi;x\r\n")
            << "Il file contiene un valore tra virgolette che non viene mai chiuso (dalla riga 3): controllare le "
               "virgolette nel file.";
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 256);
        QTest::newRow("binary") << garbage << "Il file non è un file di testo CSV: contiene dati binari.";
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        SheetTable table;
        QString error;
        QVERIFY(!CsvReader::parse(bytes, &table, &error));
        QCOMPARE(error, message);
        QCOMPARE(table.rowCount(), 0);
    }

    void fiftyMegabytes()
    {
        TempProgramFolder folder;
        QByteArray bytes = "Cognome e nome;Note\r\n";
        const QByteArray row = "Rossi Mario;" + QByteArray(480, 'x') + "\r\n";
        while (bytes.size() < 50 * 1024 * 1024)
            bytes += row;
        folder.write(QStringLiteral("grande.csv"), bytes);
        SheetTable table;
        QString error;
        QVERIFY2(CsvReader::read(folder.file(QStringLiteral("grande.csv")), &table, &error), qPrintable(error));
        QVERIFY(table.rowCount() > 100000);
        QCOMPARE(table.cell(table.rowCount() - 1, 1).size(), 480);
    }

    void tooLargeIsRefused()
    {
        TempProgramFolder folder;
        QFile f(folder.file(QStringLiteral("enorme.csv")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(CsvReader::MaxBytes + 1)); // sparse: no time spent writing
        f.close();
        SheetTable table;
        QString error;
        QVERIFY(!CsvReader::read(f.fileName(), &table, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Il file è troppo grande per essere importato")), qPrintable(error));
    }

    void folderInsteadOfFile()
    {
        TempProgramFolder folder;
        SheetTable table;
        QString error;
        QVERIFY(!CsvReader::read(folder.path(), &table, &error));
        QVERIFY(!error.isEmpty());
    }
};

SELVORA_CORE_TEST_MAIN(TestCsvReader)
#include "tst_csvreader.moc"

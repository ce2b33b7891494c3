// The spreadsheet export file: its bytes, the escaping of values, the grid's
// edits, and a failed export that must leave the previous file whole.
#include "sheets/core/SpreadsheetExport.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QSaveFile>

namespace {

QByteArray dataFile(const QString& name)
{
    QFile f(QStringLiteral(TEST_DATA_DIR "/export/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return f.readAll();
}

const QList<SpreadsheetExport::Column> kSessionColumns = {
    {QStringLiteral("Candidato"), 300},        {QStringLiteral("Codice fiscale"), 200},
    {QStringLiteral("Provenienza"), 250},      {QStringLiteral("Data colloquio"), 180},
    {QStringLiteral("Punteggio totale"), 200}, {QStringLiteral("Note"), 400},
    {QStringLiteral("Idoneo"), 180},
};

// A save file whose writes fail after a budget of bytes, as a full disk would.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString& path, qint64 budget)
        : QSaveFile(path)
        , m_budget(budget)
    {
    }

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (m_budget <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = qMin(len, m_budget);
        const qint64 written = QSaveFile::writeData(data, n);
        if (written > 0)
            m_budget -= written;
        return written;
    }

private:
    qint64 m_budget;
};

} // namespace

class TestSpreadsheet : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SpreadsheetExport::setFileFactory(nullptr); }

    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "Rossi Mario" << QByteArray("Rossi Mario");
        QTest::newRow("ampersand") << "A & B" << QByteArray("A &amp; B");
        QTest::newRow("tag") << "<b>grassetto</b>" << QByteArray("&lt;b&gt;grassetto&lt;/b&gt;");
        QTest::newRow("entity typed") << "&amp;" << QByteArray("&amp;amp;");
        QTest::newRow("quotes kept") << "l'\"ottimo\"" << QByteArray("l'\"ottimo\"");
        QTest::newRow("accents") << "àèéìòù" << QByteArray("\xE0\xE8\xE9\xEC\xF2\xF9");
        QTest::newRow("euro") << "80 €" << QByteArray("80 \x80");
        QTest::newRow("outside the code page") << "Łódź"
                                               << QByteArray("&#321;\xF3"
                                                             "d&#378;");
        QTest::newRow("outside the basic plane") << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                      "b")
                                                 << QByteArray("a&#128512;b");
    }
    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(SpreadsheetExport::escape(text), bytes);
    }

    void storedBytesAreEscapedToo()
    {
        QByteArray out;
        SpreadsheetExport::appendEscaped(QByteArrayView("a<b>&c\xE0"), &out);
        QCOMPARE(out, QByteArray("a&lt;b&gt;&amp;c\xE0"));
    }

    void tableTrimsAndKeepsEditsApart()
    {
        ExportTable table(3);
        table.appendRow(QStringList {QStringLiteral("  Rossi \t"), QStringLiteral("\r\nCittà"), QString()});
        table.appendRow(
            QVector<QByteArrayView> {QByteArrayView(" Verdi "), QByteArrayView("Lu\xEFs  "), QByteArrayView("x")});
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.value(0, 0), QStringLiteral("Rossi"));
        QCOMPARE(table.value(0, 1), QStringLiteral("Città"));
        QCOMPARE(table.value(0, 2), QString());
        QCOMPARE(table.value(1, 1), QStringLiteral("Luïs"));
        table.setValue(1, 0, QStringLiteral("  Verdi & C. "));
        QVERIFY(table.isEdited(1, 0));
        QVERIFY(!table.isEdited(0, 0));
        QCOMPARE(table.value(1, 0), QStringLiteral("  Verdi & C. "));
        QByteArray cell;
        table.appendCellBytes(1, 0, &cell);
        QCOMPARE(cell, QByteArray("Verdi &amp; C."));
        cell.clear();
        table.appendCellBytes(1, 1, &cell);
        QCOMPARE(cell, QByteArray("Lu\xEFs"));
    }

    void emptySessionFile()
    {
        TempProgramFolder folder;
        ExportTable table(7);
        const QString path = folder.file(QStringLiteral("Sessione_Esame.xls"));
        QString error;
        QVERIFY2(SpreadsheetExport::write(path, QStringLiteral("Candidati esaminati"), kSessionColumns, table, &error),
                 qPrintable(error));
        QCOMPARE(folder.read(QStringLiteral("Sessione_Esame.xls")), dataFile(QStringLiteral("sessione_vuota.xls")));
    }

    void smallSessionFile()
    {
        TempProgramFolder folder;
        ExportTable table(7);
        table.appendRow(
            QStringList {"Rossi Mario", "RSSMRA80A01H501U", "Roma", "12/03/2024", "27,50", "Ottimo colloquio", "Sì"});
        table.appendRow(QStringList {"  Niccolò D'Angelo & Figli <b>  ", "", "Città di Castello", "13/03/2024", "9,00",
                                     "Disponibilità > 5 giorni, costo 80 €", "No"});
        const QString path = folder.file(QStringLiteral("Sessione_Esame.xls"));
        QVERIFY(SpreadsheetExport::write(path, QStringLiteral("Candidati esaminati"), kSessionColumns, table));
        const QByteArray bytes = folder.read(QStringLiteral("Sessione_Esame.xls"));
        QCOMPARE(bytes, dataFile(QStringLiteral("sessione_piccola.xls")));
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(!bytes.contains('\n'));
    }

    void exportingAgainReplacesTheFile()
    {
        TempProgramFolder folder;
        const QString path = folder.file(QStringLiteral("Sessione_Esame.xls"));
        folder.write(QStringLiteral("Sessione_Esame.xls"), QByteArray(100000, 'x'));
        ExportTable table(7);
        QVERIFY(SpreadsheetExport::write(path, QStringLiteral("Candidati esaminati"), kSessionColumns, table));
        QCOMPARE(folder.read(QStringLiteral("Sessione_Esame.xls")), dataFile(QStringLiteral("sessione_vuota.xls")));
    }

    void failedWriteKeepsThePreviousExport_data()
    {
        QTest::addColumn<qint64>("budget");
        QTest::newRow("nothing written") << qint64(0);
        QTest::newRow("midway") << qint64(1500);
        QTest::newRow("all but the last bytes") << qint64(-5); // counted from the full size
    }
    void failedWriteKeepsThePreviousExport()
    {
        QFETCH(qint64, budget);
        TempProgramFolder folder;
        ExportTable table(7);
        for (int i = 0; i < 5000; ++i)
            table.appendRow(
                QStringList {QStringLiteral("Candidato %1").arg(i), "X", "Y", "01/01/2024", "1,00", "", "No"});
        if (budget < 0) {
            QVERIFY(SpreadsheetExport::write(folder.file(QStringLiteral("full.xls")),
                                             QStringLiteral("Candidati esaminati"), kSessionColumns, table));
            budget += QFileInfo(folder.file(QStringLiteral("full.xls"))).size();
            QVERIFY(budget > 1024 * 1024); // past the first block
            QVERIFY(QFile::remove(folder.file(QStringLiteral("full.xls"))));
        }
        const QByteArray previous("<html>previous export</html>");
        folder.write(QStringLiteral("Sessione_Esame.xls"), previous);
        SpreadsheetExport::setFileFactory(
            [budget](const QString& path) { return std::unique_ptr<QSaveFile>(new FailingSaveFile(path, budget)); });
        QString error;
        QVERIFY(!SpreadsheetExport::write(folder.file(QStringLiteral("Sessione_Esame.xls")),
                                          QStringLiteral("Candidati esaminati"), kSessionColumns, table, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(folder.read(QStringLiteral("Sessione_Esame.xls")), previous);
        // No temporary file is left beside it.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QStringLiteral("Sessione_Esame.xls")});
    }

    void folderInTheWayFails()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Sessione_Esame.xls")));
        ExportTable table(7);
        QString error;
        QVERIFY(!SpreadsheetExport::write(folder.file(QStringLiteral("Sessione_Esame.xls")),
                                          QStringLiteral("Candidati esaminati"), kSessionColumns, table, &error));
        QVERIFY(QFileInfo(folder.file(QStringLiteral("Sessione_Esame.xls"))).isDir());
    }

    void missingFolderFails()
    {
        TempProgramFolder folder;
        ExportTable table(7);
        QVERIFY(!SpreadsheetExport::write(folder.file(QStringLiteral("nessuna/Sessione_Esame.xls")),
                                          QStringLiteral("Candidati esaminati"), kSessionColumns, table));
    }

    void largeTableIsWrittenWhole()
    {
        // More than one write block: every row reaches the file, in order.
        TempProgramFolder folder;
        ExportTable table(2);
        for (int i = 1; i <= 30000; ++i)
            table.appendRow(QStringList {QString::number(i), QStringLiteral("riga")});
        const QList<SpreadsheetExport::Column> columns = {{QStringLiteral("A"), 10}, {QStringLiteral("B"), 20}};
        QVERIFY(SpreadsheetExport::write(folder.file(QStringLiteral("x.xls")), QStringLiteral("S"), columns, table));
        const QByteArray bytes = folder.read(QStringLiteral("x.xls"));
        QCOMPARE(bytes.count("<tr>"), 30001);
        QVERIFY(bytes.endsWith("<tr><td style=\"text-align: left;\">30000</td><td style=\"text-align: "
                               "left;\">riga</td></tr></table></body></html>"));
    }

    void messages()
    {
        QCOMPARE(SpreadsheetExport::failureMessage(),
                 QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                                "file di Excel non sia già aperto."));
        QCOMPARE(SpreadsheetExport::confirmMessage(),
                 QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero "
                                "di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"));
        QCOMPARE(
            SpreadsheetExport::successMessage(),
            QStringLiteral(
                "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"));
    }
};

SELVORA_CORE_TEST_MAIN(TestSpreadsheet)
#include "tst_spreadsheet.moc"

// The candidate archive export window: the grid of every card, the export
// file byte for byte, edits in the grid, failures and the help.
#include "base/core/RecordFile.h"
#include "candidates/core/CandidateImport.h"
#include "candidates/ui/ExpCandidati.h"
#include "shared/ui/Guida.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/PictureButton.h"
#include "sheets/core/CsvReader.h"
#include "sheets/core/XlsxReader.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include <cstring>

namespace {

QByteArray dataFile(const QString& name)
{
    QFile f(QStringLiteral(TEST_DATA_DIR "/export/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return f.readAll();
}

// Offsets and sizes (length byte included) of the 32 fields of a candidate
// card, in file order.
struct Slot
{
    int offset;
    int bytes;
};
const Slot kSlots[32] = {
    {0, 51},     {51, 2},    {53, 11},    {64, 51},    {115, 51},   {166, 121},  {287, 51},   {338, 11},
    {349, 51},   {400, 17},  {417, 12},   {429, 51},   {480, 121},  {601, 251},  {852, 51},   {903, 31},
    {934, 31},   {965, 121}, {1086, 121}, {1207, 11},  {1218, 11},  {1229, 251}, {1480, 251}, {1731, 121},
    {1852, 251}, {2103, 3},  {2106, 251}, {2357, 251}, {2608, 251}, {2859, 251}, {3110, 251}, {3361, 251},
};

// A 3612-byte card from its 32 field texts (Windows-1252 bytes); the bytes
// after each text are filled with 'x', which must never be read.
QByteArray card(const QList<QByteArray>& fields)
{
    QByteArray r(3612, 'x');
    for (int i = 0; i < 32; ++i) {
        const QByteArray text = i < fields.size() ? fields.at(i) : QByteArray();
        Q_ASSERT(text.size() < kSlots[i].bytes);
        r[kSlots[i].offset] = char(text.size());
        std::memcpy(r.data() + kSlots[i].offset + 1, text.constData(), size_t(text.size()));
    }
    return r;
}

// The two cards of the small archive expected in archivio_piccolo.xls.
QByteArray bianchi()
{
    return card({"Bianchi Anna",
                 "F",
                 "01/02/1990",
                 "Italiana",
                 " Torino ",
                 "Via Roma 1",
                 "Torino",
                 "10100",
                 "Amministrazione",
                 "BNCNNA90B41L219X",
                 "",
                 "B",
                 "Laurea in Economia",
                 "Inglese, Francese",
                 "anna.bianchi@example.it",
                 "011 123456",
                 "333 1234567",
                 "Carta di identit\xE0 AB123456",
                 "Comune di Torino",
                 "01/01/2020",
                 "01/01/2030",
                 "Contabile & revisore <senior>",
                 "Office, gestionali",
                 "Luned\xEC-venerd\xEC",
                 "Nessuna nota",
                 "S\xEC",
                 "cv.pdf",
                 "",
                 "",
                 "Curriculum",
                 "",
                 ""});
}
QByteArray verdi()
{
    QList<QByteArray> fields(32);
    fields[0] = "Verdi Lu\xEFs";
    fields[1] = "M";
    fields[10] = "01234567890"; // PartitaIva
    fields[25] = "No"; // Ricontatta
    return card(fields);
}

} // namespace

class TestExpCandidati : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgramFolder> m_folder;

    void writeArchive(const QByteArray& bytes) { m_folder->write(QStringLiteral("Archivio_Candidati.pro"), bytes); }

    std::unique_ptr<TfrmExpCandidati> openWindow()
    {
        std::unique_ptr<TfrmExpCandidati> w(new TfrmExpCandidati);
        w->show();
        return w;
    }

    QString cell(TfrmExpCandidati* w, int row, const QString& column)
    {
        return w->model()->index(row, w->column(column)).data().toString();
    }

    void exportAndKeep(TfrmExpCandidati* w)
    {
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().size(), 2);
    }

private slots:
    void init()
    {
        resetSeams();
        m_folder.reset(new TempProgramFolder);
    }
    void cleanup()
    {
        m_folder.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void windowLayout()
    {
        auto w = openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Esportazione archivio candidati in Microsoft Excel"));
        QCOMPARE(w->size(), QSize(862, 560));
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w->panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QCOMPARE(w->cmdEsporta->toolTip(), QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
        QCOMPARE(w->cmdGuida->toolTip(), QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
        QCOMPARE(w->cmdEsci->toolTip(), QStringLiteral("Esci da questo ambiente di lavoro."));
    }

    void gridColumns()
    {
        writeArchive(bianchi());
        auto w = openWindow();
        struct Expect
        {
            const char* name;
            const char* header;
            int width;
            bool editable;
        };
        const Expect expected[] = {
            {"colNum", "N.", 60, false},
            {"colTiratore", "Cognome e nome", 220, false},
            {"colDataNasc", "Data nascita", 150, false},
            {"colCittadinanza", "Cittadinanza", 200, false},
            {"colLuogoNasc", "Luogo nascita", 200, true},
            {"colIndirizzo", "Indirizzo residenza", 250, true},
            {"colCitta", "Città", 220, true},
            {"colCAP", "CAP", 100, true},
            {"colSettore", "Settore professionale", 200, false},
            {"colCodFisc", "Codice fiscale", 180, false},
            {"colPartitaIva", "Partita IVA", 150, true},
            {"colPatente", "Patente di guida", 200, false},
            {"colStudio", "Titolo di studio", 250, false},
            {"colLingue", "Lingue conosciute", 250, false},
            {"colEmail", "E-mail", 220, true},
            {"colTelCasa", "Tel. casa", 180, false},
            {"colTelCel", "Tel. cellulare", 180, true},
            {"colDocumento", "Documento", 280, false},
            {"colEnteRil", "Ente di rilascio", 200, true},
            {"colInizioTes", "Data rilascio", 150, true},
            {"colFineTes", "Data scadenza", 150, true},
            {"colEsperienze", "Esperienze lavorative", 350, true},
            {"colCompetenze", "Competenze informatiche", 350, true},
            {"colDisponibilita", "Disponibilità", 200, true},
            {"colNote", "Note", 350, true},
            {"colRicontatta", "Da ricontattare", 120, true},
        };
        QCOMPARE(w->model()->columnCount(), 26);
        for (int c = 0; c < 26; ++c) {
            const Expect& e = expected[c];
            QCOMPARE(w->column(QString::fromLatin1(e.name)), c);
            QCOMPARE(w->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QString::fromUtf8(e.header));
            QCOMPARE(w->grdRecords->columnWidth(c), e.width);
            QCOMPARE(bool(w->model()->index(0, c).flags() & Qt::ItemIsEditable), e.editable);
        }
        QCOMPARE(w->grdRecords->verticalHeader()->defaultSectionSize(), 21);
    }

    void gridShowsEveryCard()
    {
        writeArchive(bianchi() + verdi() + QByteArray(3611, 'z')); // a torn tail is no card
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 2);
        QCOMPARE(cell(w.get(), 1, "colNum"), QStringLiteral("2"));
        QCOMPARE(cell(w.get(), 0, "colTiratore"), QStringLiteral("Bianchi Anna"));
        QCOMPARE(cell(w.get(), 0, "colLuogoNasc"), QStringLiteral("Torino")); // trimmed
        QCOMPARE(cell(w.get(), 0, "colDocumento"), QStringLiteral("Carta di identità AB123456"));
        QCOMPARE(cell(w.get(), 0, "colDisponibilita"), QStringLiteral("Lunedì-venerdì"));
        QCOMPARE(cell(w.get(), 0, "colRicontatta"), QStringLiteral("Sì"));
        QCOMPARE(cell(w.get(), 1, "colTiratore"), QStringLiteral("Verdi Luïs"));
        QCOMPARE(cell(w.get(), 1, "colRicontatta"), QStringLiteral("No"));
        // The sex is in neither the grid nor the file.
        for (int c = 0; c < w->model()->columnCount(); ++c) {
            QVERIFY(w->model()->index(0, c).data().toString() != QStringLiteral("F"));
            QVERIFY(w->model()->index(1, c).data().toString() != QStringLiteral("M"));
        }
    }

    void oversizedLengthStaysInsideTheField()
    {
        QByteArray r = verdi();
        r[0] = char(200); // the name's length byte says more than its 50 bytes
        std::memcpy(r.data() + 1, QByteArray(50, 'N').constData(), 50);
        writeArchive(r);
        auto w = openWindow();
        QCOMPARE(cell(w.get(), 0, "colTiratore"), QString(50, QLatin1Char('N')));
    }

    void emptyArchive()
    {
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 0);
        // The missing archive is created empty.
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Archivio_Candidati.pro"))));
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(m_folder->read(QStringLiteral("Archivio_Candidati.xls")),
                 dataFile(QStringLiteral("archivio_vuoto.xls")));
        QCOMPARE(TMisc::opened(),
                 QStringList {QLatin1Char('"') + m_folder->file(QStringLiteral("Archivio_Candidati.xls")) +
                              QLatin1Char('"')});
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).text,
                 QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero "
                                "di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"));
    }

    void smallArchive()
    {
        writeArchive(bianchi() + verdi());
        auto w = openWindow();
        exportAndKeep(w.get());
        const QByteArray bytes = m_folder->read(QStringLiteral("Archivio_Candidati.xls"));
        QCOMPARE(bytes, dataFile(QStringLiteral("archivio_piccolo.xls")));
        QVERIFY(!bytes.contains('\n'));
        QVERIFY(TMisc::opened().isEmpty());
    }

    // The .csv file of the small archive, built by hand: every value trimmed
    // as in the grid, digit-only texts as they are, an edited cell as typed.
    void smallArchiveCsv()
    {
        writeArchive(bianchi() + verdi());
        auto w = openWindow();
        w->model()->setData(w->model()->index(1, w->column(QStringLiteral("colCAP"))), QStringLiteral("00184"),
                            Qt::EditRole);
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(w->cmdEsportaCsv, Qt::LeftButton);
        const QString expected = QStringLiteral(
            "\uFEFF"
            "Cognome e nome;Data nascita;Cittadinanza;Luogo nascita;Indirizzo residenza;Città;CAP;"
            "Settore professionale;Codice fiscale;Partita IVA;Patente di guida;Titolo di studio;Lingue conosciute;"
            "E-mail;Tel. casa;Tel. cellulare;Documento;Ente rilascio;Data rilascio;Data scadenza;"
            "Esperienze lavorative;Competenze informatiche;Disponibilità;Note;Da ricontattare;Sesso\r\n"
            "Bianchi Anna;01/02/1990;Italiana;Torino;Via Roma 1;Torino;10100;Amministrazione;BNCNNA90B41L219X;;B;"
            "Laurea in Economia;Inglese, Francese;anna.bianchi@example.it;011 123456;333 1234567;"
            "Carta di identità AB123456;Comune di Torino;01/01/2020;01/01/2030;Contabile & revisore <senior>;"
            "Office, gestionali;Lunedì-venerdì;Nessuna nota;Sì;F\r\n"
            "Verdi Luïs;;;;;;00184;;;01234567890;;;;;;;;;;;;;;;No;M\r\n");
        QCOMPARE(m_folder->read(QStringLiteral("Archivio_Candidati.csv")), expected.toUtf8());
        QCOMPARE(Messages::takeShown().size(), 1);
        QCOMPARE(TMisc::opened(),
                 QStringList {QLatin1Char('"') + m_folder->file(QStringLiteral("Archivio_Candidati.csv")) +
                              QLatin1Char('"')});
    }

    // The .xlsx and .csv files end with the sex, which the import reads back:
    // a card whose fiscal code says nothing keeps its sex through the round
    // trip too.
    void sexTravelsThroughTheSpreadsheets_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::newRow("xlsx") << "cmdEsportaXlsx"
                              << "Archivio_Candidati.xlsx";
        QTest::newRow("csv") << "cmdEsportaCsv"
                             << "Archivio_Candidati.csv";
    }
    void sexTravelsThroughTheSpreadsheets()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        writeArchive(bianchi() + verdi());
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->findChild<PictureButton*>(command), Qt::LeftButton);
        QCOMPARE(Messages::takeShown().size(), 1);
        SheetTable table;
        QString error;
        const QString path = m_folder->file(file);
        const bool csv = file.endsWith(QLatin1String(".csv"));
        QVERIFY2(csv ? CsvReader::read(path, &table, &error) : XlsxReader::read(path, &table, &error),
                 qPrintable(error));
        QCOMPARE(table.row(0).last(), QStringLiteral("Sesso"));
        const QVector<int> mapping = CandidateImport::mapHeadings(table.row(0));
        QCOMPARE(mapping.last(), int(TSchedaCandidato::fSesso));
        CandidateImport::Options options;
        options.fromCsv = csv;
        CandidateImport::RowNotes notes;
        QCOMPARE(CandidateImport::cardOf(table, mapping, 1, options, &notes).Sesso, QStringLiteral("F"));
        QCOMPARE(CandidateImport::cardOf(table, mapping, 2, options, &notes).Sesso, QStringLiteral("M"));
        // The .xls file keeps its columns.
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().size(), 2);
        QCOMPARE(m_folder->read(QStringLiteral("Archivio_Candidati.xls")),
                 dataFile(QStringLiteral("archivio_piccolo.xls")));
    }

    // A failed .csv or .xlsx export keeps the previous file and says so.
    void failedCsvAndXlsxExportsKeepThePreviousFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("csv") << "cmdEsportaCsv"
                             << "Archivio_Candidati.csv";
        QTest::newRow("xlsx") << "cmdEsportaXlsx"
                              << "Archivio_Candidati.xlsx";
    }
    void failedCsvAndXlsxExportsKeepThePreviousFile()
    {
        QFETCH(QString, button);
        QFETCH(QString, fileName);
        writeArchive(bianchi());
        // A folder where the file should go: nothing can replace it.
        QVERIFY(QDir(m_folder->path()).mkdir(fileName));
        QFile keep(m_folder->file(fileName) + QStringLiteral("/keep"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        auto w = openWindow();
        QTest::mouseClick(control<PictureButton>(w.get(), button), Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Error);
        QVERIFY(shown.at(0).text.startsWith(
            QStringLiteral("Attenzione: il sistema non permette di esportare i dati nel file \"%1\".").arg(fileName)));
        QVERIFY(shown.at(0).text.contains(QStringLiteral("Il file precedente, se c'era, è rimasto com'era.")));
        QVERIFY(QFileInfo(m_folder->file(fileName)).isDir());
        QVERIFY(QFile::exists(m_folder->file(fileName) + QStringLiteral("/keep")));
        QVERIFY(TMisc::opened().isEmpty());
    }

    void editsAreExportedButNotStored()
    {
        const QByteArray archive = bianchi() + verdi();
        writeArchive(archive);
        auto w = openWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const QModelIndex flag = w->model()->index(1, w->column(QStringLiteral("colRicontatta")));
        QTest::mouseClick(w->grdRecords->viewport(), Qt::LeftButton, {}, w->grdRecords->visualRect(flag).center());
        QTest::keyClick(w->grdRecords, 'S');
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("i, <subito>"));
        QTest::keyClick(editor, Qt::Key_Return);
        exportAndKeep(w.get());

        QByteArray expected = dataFile(QStringLiteral("archivio_piccolo.xls"));
        QVERIFY(expected.endsWith("<td style=\"text-align: left;\">No</td></tr></table></body></html>"));
        expected.replace(expected.lastIndexOf(">No</td>") + 1, 2, "Si, &lt;subito&gt;");
        QCOMPARE(m_folder->read(QStringLiteral("Archivio_Candidati.xls")), expected);
        QCOMPARE(m_folder->read(QStringLiteral("Archivio_Candidati.pro")), archive);
    }

    void readOnlyColumnsTakeNoTyping()
    {
        writeArchive(bianchi());
        auto w = openWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (const char* name : {"colNum", "colTiratore", "colCodFisc", "colDocumento"}) {
            const QModelIndex idx = w->model()->index(0, w->column(QString::fromLatin1(name)));
            w->grdRecords->setCurrentIndex(idx);
            QTest::keyClick(w->grdRecords, 'x');
            QVERIFY2(!w->grdRecords->viewport()->findChild<QLineEdit*>(), name);
        }
        QCOMPARE(cell(w.get(), 0, "colTiratore"), QStringLiteral("Bianchi Anna"));
    }

    void failedExportKeepsThePreviousFile()
    {
        writeArchive(bianchi());
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Archivio_Candidati.xls")));
        auto w = openWindow();
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).kind, Messages::Kind::Plain);
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                                "file di Excel non sia già aperto."));
        QVERIFY(TMisc::opened().isEmpty());
    }

    // An archive that cannot be read (a folder in its place) gives an empty
    // grid, and its export says so and writes nothing.
    void unreadableArchiveIsNotExported()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Archivio_Candidati.pro")));
        auto w = openWindow();
        QCOMPARE(w->model()->rowCount(), 0);
        QVERIFY(Messages::shown().isEmpty());
        QTest::mouseClick(w->cmdEsporta, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown.at(0).kind), int(Messages::Kind::Error));
        QCOMPARE(shown.at(0).text, RecordFile::accessMessage());
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("Archivio_Candidati.xls"))));
        QVERIFY(TMisc::opened().isEmpty());
    }

    void helpButton()
    {
        auto w = openWindow();
        QString title;
        int paragraphs = 0;
        Modal::queueHook([&](QDialog* d) {
            auto* guida = qobject_cast<TfrmGuida*>(d);
            QVERIFY(guida);
            title = guida->lblTitolo->text();
            paragraphs = int(guida->txtGuida->toPlainText().split(QStringLiteral("\n\n")).size());
        });
        QTest::mouseClick(w->cmdGuida, Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Esportazione archivio candidati in Microsoft Excel"));
        QCOMPARE(paragraphs, 3);
    }

    void exitCloses()
    {
        auto w = openWindow();
        QTest::mouseClick(w->cmdEsci, Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }
};

SELVORA_TEST_MAIN(TestExpCandidati)
#include "tst_expcandidati.moc"

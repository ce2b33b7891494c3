// Erasure of one candidate: exactly the card's fields blanked (every other
// record byte-identical), its photo and attachments deleted, the chosen
// interview cards anonymised; and the retention list that leads there.
#include "base/core/ProgramFolder.h"
#include "candidates/core/CardDates.h"
#include "candidates/core/Erasure.h"
#include "candidates/core/Retention.h"
#include "candidates/core/SchedaCandidato.h"
#include "output/core/DocumentReport.h"
#include "report/core/Report.h"
#include "report/core/ReportFonts.h"
#include "sessions/core/SchedaColloquio.h"
#include "support/core/CoreTestMain.h"
#include "support/core/PdfText.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>

namespace {
QByteArray card(const QString& name, const QString& cf, const QString& file1 = QString(),
                const QString& file2 = QString())
{
    TSchedaCandidato c;
    c.Candidato = name;
    c.Sesso = QStringLiteral("F");
    c.CodFisc = cf;
    c.Indirizzo = QStringLiteral("Via Roma 1");
    c.Email = QStringLiteral("a@b.it");
    c.Note = QStringLiteral("note riservate");
    c.Ricontatta = TSchedaCandidato::si();
    c.File01 = file1;
    c.Desc01 = file1.isEmpty() ? QString() : QStringLiteral("curriculum");
    c.File02 = file2;
    return c.encode();
}

QByteArray interview(const QString& name, const QString& cf, const QString& date, const QString& score)
{
    TSchedaColloquio c;
    c.Candidato = name;
    c.CodiceFiscale = cf;
    c.Provenienza = QStringLiteral("Milano");
    c.DataColloquio = date;
    c.Dettagli = QStringLiteral("Risposte del colloquio");
    c.Punteggio = score;
    c.Note = QStringLiteral("impressioni");
    c.Idoneo = QStringLiteral("Sì");
    return c.encode();
}

QByteArray record(const QByteArray& file, int size, int n)
{
    return file.mid((n - 1) * size, size);
}
} // namespace

class TestErasure : public QObject
{
    Q_OBJECT

    void fill(const TempProgramFolder& folder)
    {
        folder.write(
            CandidateArchive::fileName(),
            card(QStringLiteral("ROSSI MARIO"), QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("comune.pdf")) +
                card(QStringLiteral("BIANCHI ANNA"), QStringLiteral("BNCNNA85M41F205X"), QStringLiteral("cv anna.pdf"),
                     QStringLiteral("comune.pdf")) +
                card(QStringLiteral("VERDI LUCA"), QString()));
        QDir(folder.path()).mkpath(QStringLiteral("Anagrafica"));
        QDir(folder.path()).mkpath(QStringLiteral("Documenti_Allegati"));
        folder.write(QStringLiteral("Anagrafica/Scheda_Candidato_1.jpg"), "foto1");
        folder.write(QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg"), "foto2");
        folder.write(QStringLiteral("Documenti_Allegati/cv anna.pdf"), "cv");
        folder.write(QStringLiteral("Documenti_Allegati/comune.pdf"), "comune");
        folder.write(QStringLiteral("Primavera.vai"),
                     interview(QStringLiteral("Bianchi Anna"), QStringLiteral("bncnna85m41f205x"),
                               QStringLiteral("10/03/2024"), QStringLiteral("27,50")) +
                         interview(QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501U"),
                                   QStringLiteral("11/03/2024"), QStringLiteral("20,00")) +
                         interview(QStringLiteral("BIANCHI ANNA"), QString(), QStringLiteral("12/03/2024"),
                                   QStringLiteral("18,00")));
        folder.write(
            QStringLiteral("Autunno.vai"),
            interview(QStringLiteral("Verdi  Luca"), QString(), QStringLiteral("01/10/2025"), QStringLiteral("25,00")) +
                interview(QStringLiteral("BIANCHI ANNA"), QStringLiteral("BNCNNA85M41F205X"),
                          QStringLiteral("02/10/2025"), QStringLiteral("29,00")));
    }

private slots:
    // The printouts use the fonts the program maps at start-up.
    void initTestCase() { ReportFonts::install(); }

    void interviewsAreFoundByFiscalCodeElseByName_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("fiscal code, any case") << 2 << QStringList {"Autunno.vai#2", "Primavera.vai#1"};
        QTest::newRow("no code: the name, spaces and case aside") << 3 << QStringList {"Autunno.vai#1"};
    }
    void interviewsAreFoundByFiscalCodeElseByName()
    {
        QFETCH(int, position);
        QFETCH(QStringList, found);
        TempProgramFolder folder;
        fill(folder);
        const QByteArray archive = folder.read(CandidateArchive::fileName());
        QStringList got;
        for (const Erasure::Interview& it : Erasure::interviewsOf(
                 folder.path(), TSchedaCandidato::decode(record(archive, TSchedaCandidato::Size, position))))
            got << QStringLiteral("%1#%2").arg(it.sessionFile).arg(it.card);
        got.sort();
        QCOMPARE(got, found);
    }

    void erasureBlanksExactlyTheCardAndAnonymisesTheChosenInterviews()
    {
        TempProgramFolder folder;
        fill(folder);
        const QByteArray archiveBefore = folder.read(CandidateArchive::fileName());
        const QByteArray springBefore = folder.read(QStringLiteral("Primavera.vai"));
        const QByteArray autumnBefore = folder.read(QStringLiteral("Autunno.vai"));
        const QDate day(2026, 12, 10);
        const auto interviews = Erasure::interviewsOf(
            folder.path(), TSchedaCandidato::decode(record(archiveBefore, TSchedaCandidato::Size, 2)));
        const Erasure::Result r = Erasure::erase(2, interviews, day);
        QVERIFY(r.complete());

        const QByteArray archive = folder.read(CandidateArchive::fileName());
        QCOMPARE(archive.size(), archiveBefore.size());
        const int S = TSchedaCandidato::Size;
        QCOMPARE(record(archive, S, 1), record(archiveBefore, S, 1));
        QCOMPARE(record(archive, S, 3), record(archiveBefore, S, 3));
        TSchedaCandidato blank;
        blank.Candidato = QStringLiteral("Candidato cancellato il 10/12/2026");
        blank.Ricontatta = TSchedaCandidato::no();
        QCOMPARE(record(archive, S, 2), blank.encode());

        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg"))));
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_1.jpg"))));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Documenti_Allegati/cv anna.pdf"))));
        // Card 1 still names this one.
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("Documenti_Allegati/comune.pdf"))));
        QCOMPARE(r.filesKept, QStringList {QStringLiteral("Documenti_Allegati/comune.pdf")});
        QCOMPARE(r.filesDeleted.size(), 2);

        const int C = TSchedaColloquio::Size;
        const QByteArray spring = folder.read(QStringLiteral("Primavera.vai"));
        const QByteArray autumn = folder.read(QStringLiteral("Autunno.vai"));
        QCOMPARE(spring.size(), springBefore.size());
        QCOMPARE(record(spring, C, 2), record(springBefore, C, 2));
        // Same name but no code: a different match rule, left alone.
        QCOMPARE(record(spring, C, 3), record(springBefore, C, 3));
        QCOMPARE(record(autumn, C, 1), record(autumnBefore, C, 1));
        for (const QByteArray& rec : {record(spring, C, 1), record(autumn, C, 2)}) {
            const TSchedaColloquio c = TSchedaColloquio::decode(rec);
            QCOMPARE(c.Candidato, QStringLiteral("Candidato cancellato il 10/12/2026"));
            QVERIFY(c.CodiceFiscale.isEmpty() && c.Provenienza.isEmpty() && c.Dettagli.isEmpty() && c.Note.isEmpty());
            QVERIFY(!c.DataColloquio.isEmpty());
            QVERIFY(!c.Punteggio.isEmpty());
            QCOMPARE(c.Idoneo, QStringLiteral("Sì"));
        }
        QCOMPARE(TSchedaColloquio::decode(record(autumn, C, 2)).Punteggio, QStringLiteral("29,00"));

        const QString report = r.report();
        QVERIFY(report.contains(QStringLiteral("BIANCHI ANNA")));
        QVERIFY(report.contains(QStringLiteral("Scheda colloquio anonimizzata: sessione Autunno, scheda n. 2")));
        QVERIFY(report.contains(QStringLiteral("allegato anche a un'altra scheda: Documenti_Allegati/comune.pdf")));
        QVERIFY(CardDates::load().hasOwnDate(2));
    }

    void interviewsLeftWhenNotChosen()
    {
        TempProgramFolder folder;
        fill(folder);
        const QByteArray springBefore = folder.read(QStringLiteral("Primavera.vai"));
        QVERIFY(Erasure::erase(1, {}, QDate(2026, 12, 10)).complete());
        QCOMPARE(folder.read(QStringLiteral("Primavera.vai")), springBefore);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_1.jpg"))));
        // The other card still names it.
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("Documenti_Allegati/comune.pdf"))));
    }

    void cardThatCannotBeWrittenErasesNothing()
    {
        TempProgramFolder folder;
        fill(folder);
        const QByteArray before = folder.read(CandidateArchive::fileName());
        Erasure::Result r;
        {
            FailingWrites failing(0);
            r = Erasure::erase(2, {}, QDate(2026, 12, 10));
        }
        QVERIFY(!r.complete());
        QVERIFY(!r.cardBlanked);
        QCOMPARE(folder.read(CandidateArchive::fileName()), before);
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg"))));
        QVERIFY(r.report().contains(QStringLiteral("NON ESEGUITO")));
    }

    // A step that fails after the card was blanked (the date side file
    // cannot be written, as on a full disk; a photo that cannot be deleted)
    // is reported, and the report does not say that all went well.
    void everyFailedStepIsReported()
    {
        TempProgramFolder folder;
        fill(folder);
        QVERIFY(QDir(folder.path()).mkpath(CardDates::fileName()));
        QFile::remove(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg")));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Anagrafica/Scheda_Candidato_2.jpg/dentro")));
        const Erasure::Result r = Erasure::erase(2, {}, QDate(2026, 12, 10));
        QVERIFY(r.cardBlanked);
        QVERIFY(!r.complete());
        QCOMPARE(r.failures.size(), 2);
        QVERIFY2(r.failures.at(0).startsWith(QStringLiteral("La data della cancellazione non è stata registrata nel "
                                                            "file selvora-schede-date.json")),
                 qPrintable(r.failures.at(0)));
        QVERIFY2(r.failures.at(1).startsWith(QStringLiteral("Non è stato possibile eliminare il file "
                                                            "Anagrafica/Scheda_Candidato_2.jpg (")),
                 qPrintable(r.failures.at(1)));
        const QString report = r.report();
        QVERIFY(report.contains(QStringLiteral("Esito: cancellazione NON completata")));
        QVERIFY(report.contains(QStringLiteral("NON ESEGUITO:\n- La data della cancellazione")));
        // What was done is still said.
        QVERIFY(report.contains(QStringLiteral("Tutti i dati della scheda sono stati cancellati")));
        QVERIFY(report.contains(QStringLiteral("File eliminato: Documenti_Allegati/cv anna.pdf")));
    }

    // Files of the program folder that still name the person: found, then
    // deleted or kept as the user chooses, and said in the report.
    void leftoversAreFoundAndSettled_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("deleted") << true;
        QTest::newRow("kept") << false;
    }
    void leftoversAreFoundAndSettled()
    {
        QFETCH(bool, remove);
        TempProgramFolder folder;
        fill(folder);
        folder.write(QStringLiteral("Archivio_Candidati.csv"),
                     "Cognome e nome;Codice fiscale\r\nRossi Mario;RSSMRA80A01H501U\r\nBianchi  Anna;\r\n");
        folder.write(QStringLiteral("Archivio_Candidati.xls"),
                     "<html><body><table><tr><td>BIANCHI ANNA</td><td>Forl\xEC</td></tr></table></body></html>");
        folder.write(QStringLiteral("Resoconto_importazione.txt"),
                     "Importazione candidati\r\n  riga 4, Bianca - Doppione: codice fiscale BNCNNA85M41F205X\r\n");
        folder.write(QStringLiteral("Archivio_Candidati.pro.recuperato-20261211-053900"),
                     card(QStringLiteral("BIANCHI ANNA"), QString()));
        // Not naming her, or not a copy the program makes.
        folder.write(QStringLiteral("Altro.csv"), "Verdi Luca;\r\n");
        folder.write(QStringLiteral("appunti.doc"), "BIANCHI ANNA");
        Erasure::Result r = Erasure::erase(2, {}, QDate(2026, 12, 10));
        QVERIFY(r.complete());
        const QStringList expected = {QStringLiteral("Archivio_Candidati.csv"),
                                      QStringLiteral("Archivio_Candidati.pro.recuperato-20261211-053900"),
                                      QStringLiteral("Archivio_Candidati.xls"),
                                      QStringLiteral("Resoconto_importazione.txt")};
        QCOMPARE(r.leftovers, expected);
        Erasure::settleLeftovers(&r, remove);
        QVERIFY(r.leftovers.isEmpty());
        QVERIFY(r.complete());
        for (const QString& f : expected)
            QCOMPARE(QFileInfo::exists(folder.file(f)), !remove);
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("Altro.csv"))));
        const QString report = r.report();
        for (const QString& f : expected)
            QVERIFY2(
                report.contains((remove ? QStringLiteral("che conteneva ancora i dati, eliminato: ")
                                        : QStringLiteral("che contiene ancora i dati, CONSERVATO su richiesta: ")) +
                                f),
                qPrintable(report));
    }

    void noLeftoversIsSaid()
    {
        TempProgramFolder folder;
        fill(folder);
        const Erasure::Result r = Erasure::erase(3, {}, QDate(2026, 12, 10));
        QVERIFY(r.leftovers.isEmpty());
        QVERIFY(r.report().contains(QStringLiteral("Nessun altro file della cartella del programma")));
    }

    // Cards with no date of their own count from the base date; an interview
    // later than the limit keeps a candidate off the list.
    void retentionListsCardsWithoutActivityForMonths()
    {
        TempProgramFolder folder;
        fill(folder);
        folder.write(CardDates::fileName(), "{\"base\": \"2023-01-01\", \"schede\": {\"3\": \"2026-11-01\"}}");
        const QList<Retention::Row> rows = Retention::overdue(18, QDate(2026, 12, 10));
        // Card 1: last interview 11/03/2024; card 2: 02/10/2025 (within 18
        // months); card 3: stored a month ago.
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].position, 1);
        QCOMPARE(rows[0].lastInterview, QDate(2024, 3, 11));
        QCOMPARE(rows[0].cardChanged, QDate(2023, 1, 1));
        QVERIFY(!rows[0].cardDateOwn);
        QCOMPARE(Retention::overdue(6, QDate(2026, 12, 10)).size(), 2);
        // Erased cards are not listed again.
        QVERIFY(Erasure::erase(1, {}, QDate(2026, 12, 10)).complete());
        QCOMPARE(Retention::overdue(6, QDate(2026, 12, 10)).size(), 1);
    }
    // A report longer than a page goes on over as many pages as it needs:
    // read back from the PDF, every line of it is there, long lines wrapped
    // at word boundaries.
    void longReportPrintsOnSeveralPages()
    {
        Erasure::Result r;
        r.candidato = QStringLiteral("BIANCHI ANNA");
        r.codFisc = QStringLiteral("BNCNNA85T45F205X");
        r.position = 7;
        r.day = QDate(2026, 12, 10);
        r.cardBlanked = true;
        r.filesDeleted << QStringLiteral("Anagrafica/Scheda_Candidato_7.jpg");
        r.filesKept << QStringLiteral("Documenti_Allegati/") + QString(150, QLatin1Char('x')) + QStringLiteral(".pdf");
        for (int i = 1; i <= 90; ++i) {
            Erasure::Interview it;
            it.sessionFile = QStringLiteral("Sessione autunnale numero %1 con un nome lungo.vai").arg(i);
            it.card = i;
            it.data = QStringLiteral("01/10/2026");
            r.anonymised << it;
        }
        r.failures << QStringLiteral("la foto non è stata eliminata perché il disco non ha risposto alla richiesta "
                                     "di cancellazione entro il tempo previsto dal sistema operativo: riprovare.");
        const QString report = r.report();

        const std::unique_ptr<Report> printout = Erasure::printout(report);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("rapporto.pdf"));
        QString error;
        QVERIFY2(printout->exportPdf(pdf, &error), qPrintable(error));
        const QStringList pages = PdfText::pages(pdf);
        QVERIFY2(pages.size() > 1, qPrintable(QString::number(pages.size())));
        QCOMPARE(pages.size(), printout->pageCount());
        // Every page is A4 upright.
        for (const PdfText::Page& page : PdfText::words(pdf)) {
            QVERIFY(qAbs(page.mm.width() - 210.0) < 1.0);
            QVERIFY(qAbs(page.mm.height() - 297.0) < 1.0);
        }
        const QString all = PdfText::lines(pdf).join(QLatin1Char(' ')).simplified();
        int checked = 0;
        for (const QString& line : report.split(QLatin1Char('\n'))) {
            if (line.trimmed().isEmpty())
                continue;
            // A word longer than a line is cut where the line ends.
            bool longWord = false;
            for (const QString& word : line.split(QLatin1Char(' ')))
                longWord = longWord || word.size() > DocumentReport::bodyColumns(QPageLayout::Portrait);
            if (longWord)
                QVERIFY2(QString(all).remove(QLatin1Char(' ')).contains(QString(line).remove(QLatin1Char(' '))),
                         qPrintable(line));
            else
                QVERIFY2(all.contains(line.simplified()), qPrintable(line));
            ++checked;
        }
        QVERIFY(checked > 95);
        QCOMPARE(int(all.count(QStringLiteral("Scheda colloquio anonimizzata: sessione"))), 90);
        // The last lines end the last page, the print date below them.
        QVERIFY(pages.last().contains(QStringLiteral("contengono ancora i dati cancellati")));
        QVERIFY(pages.last().contains(QStringLiteral("Stampa eseguita in data")));
        QVERIFY(pages.first().contains(QStringLiteral("RAPPORTO DI CANCELLAZIONE DEI DATI PERSONALI")));
    }
};

SELVORA_CORE_TEST_MAIN(TestErasure)
#include "tst_erasure.moc"

// "Cancella dati personali..." in the candidate card window: the questions,
// the erasure and the report, driven as the user would.
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/ErasureCommands.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SchedaColloquio.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/PdfText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

class TestErasureCommand : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void erasesTheShownCardAfterTwoQuestionsAndSavesTheReport_data()
    {
        QTest::addColumn<bool>("anonymise");
        QTest::addColumn<int>("exportChoice"); // -1: no export in the folder
        QTest::newRow("interviews too") << true << -1;
        QTest::newRow("card only") << false << -1;
        QTest::newRow("export deleted") << true << 0;
        QTest::newRow("export kept") << false << 1;
    }
    void erasesTheShownCardAfterTwoQuestionsAndSavesTheReport()
    {
        QFETCH(bool, anonymise);
        QFETCH(int, exportChoice);
        TempProgramFolder folder;
        if (exportChoice >= 0)
            folder.write(QStringLiteral("Archivio_Candidati.csv"), "Cognome e nome\r\nNERI PAOLA\r\n");
        TSchedaCandidato c;
        c.Candidato = QStringLiteral("NERI PAOLA");
        c.Sesso = QStringLiteral("F");
        c.CodFisc = QStringLiteral("NREPLA90A41H501X");
        c.Ricontatta = TSchedaCandidato::no();
        folder.write(CandidateArchive::fileName(), c.encode());
        TSchedaColloquio i;
        i.Candidato = QStringLiteral("NERI PAOLA");
        i.CodiceFiscale = QStringLiteral("NREPLA90A41H501X");
        i.Punteggio = QStringLiteral("30,00");
        folder.write(QStringLiteral("Estate.vai"), i.encode());
        const QByteArray sessionBefore = folder.read(QStringLiteral("Estate.vai"));

        TfrmCandidati window;
        window.show();
        window.cmdPrimo->click();
        QCOMPARE(window.txtCandidato->text(), QStringLiteral("NERI PAOLA"));

        // First question answered No: nothing happens.
        Messages::queueAnswer(Messages::Answer::No);
        window.cmdCancellaDati->click();
        QCOMPARE(Messages::takeShown().size(), 1);
        QCOMPARE(folder.read(CandidateArchive::fileName()), c.encode());

        QTemporaryDir out;
        const QString reportPath = out.filePath(QStringLiteral("rapporto.txt"));
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(anonymise ? Messages::Answer::Yes : Messages::Answer::No);
        if (exportChoice >= 0)
            Messages::queueChoice(exportChoice);
        QString reportText;
        Modal::queueHook([&](QDialog* dialog) {
            auto* report = dialog->findChild<QPlainTextEdit*>(QStringLiteral("txtRapporto"));
            QVERIFY(report);
            reportText = report->toPlainText();
            FileDialogs::queueFileName(reportPath);
            dialog->findChild<QPushButton*>(QStringLiteral("btnSalva"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
        });
        window.cmdCancellaDati->click();
        auto shown = Messages::takeShown();
        if (exportChoice >= 0) {
            QCOMPARE(shown.size(), 4);
            const Messages::Shown asked = shown.takeAt(2);
            QVERIFY2(asked.text.startsWith(QStringLiteral("Questi file della cartella del programma contengono "
                                                          "ancora i dati di NERI PAOLA:\n   Archivio_Candidati.csv")),
                     qPrintable(asked.text));
            QCOMPARE(asked.buttons,
                     (QStringList {QStringLiteral("Elimina i file"), QStringLiteral("Conserva i file")}));
            QCOMPARE(QFileInfo::exists(folder.file(QStringLiteral("Archivio_Candidati.csv"))), exportChoice == 1);
        }
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[0].text.contains(QStringLiteral("NERI PAOLA, codice fiscale NREPLA90A41H501X, scheda n. 1")));
        QVERIFY(shown[1].text.startsWith(QStringLiteral("È stata trovata 1 scheda colloquio con lo stesso codice "
                                                        "fiscale")));
        QVERIFY(shown[2].text.startsWith(QStringLiteral("Il rapporto è stato salvato")));
        if (exportChoice == 0)
            QVERIFY(reportText.contains(QStringLiteral("eliminato: Archivio_Candidati.csv")));
        else if (exportChoice == 1)
            QVERIFY(reportText.contains(QStringLiteral("CONSERVATO su richiesta: Archivio_Candidati.csv")));
        else
            QVERIFY(reportText.contains(QStringLiteral("Nessun altro file della cartella del programma")));

        QVERIFY(window.txtCandidato->text().startsWith(QStringLiteral("Candidato cancellato il ")));
        QVERIFY(window.txtCodFisc->text().isEmpty());
        QVERIFY(reportText.contains(QStringLiteral("Candidato: NERI PAOLA")));
        QFile saved(reportPath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("RAPPORTO DI CANCELLAZIONE DEI DATI PERSONALI"));
        const QByteArray session = folder.read(QStringLiteral("Estate.vai"));
        if (anonymise) {
            QVERIFY(TSchedaColloquio::decode(session).Candidato.startsWith(QStringLiteral("Candidato cancellato")));
            QCOMPARE(TSchedaColloquio::decode(session).Punteggio, QStringLiteral("30,00"));
        } else {
            QCOMPARE(session, sessionBefore);
        }
    }

    void newCardCannotBeErased()
    {
        TempProgramFolder folder;
        TfrmCandidati window;
        window.show();
        window.cmdCancellaDati->click();
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
    }
    // "Stampa" and "Anteprima" of a report longer than a page: every line
    // goes to the printer, over several pages.
    void longReportPrintsAndPreviewsOnSeveralPages()
    {
        QStringList lines {QStringLiteral("RAPPORTO DI CANCELLAZIONE DEI DATI PERSONALI"), QString()};
        for (int i = 1; i <= 120; ++i)
            lines << QStringLiteral("- Scheda colloquio anonimizzata: sessione Prova %1, scheda n. %1").arg(i);
        ErasureReportDialog dialog(lines.join(QLatin1Char('\n')), nullptr);
        dialog.show();
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("stampa.pdf"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, pdf);
        QTest::mouseClick(dialog.btnStampa, Qt::LeftButton);
        const QList<ReportPrinter::Job> printed = ReportPrinter::takePrinted();
        QCOMPARE(printed.size(), 1);
        QVERIFY(printed.at(0).pageCount > 1);
        const QString text = PdfText::lines(pdf).join(QLatin1Char('\n'));
        for (const QString& line : lines)
            QVERIFY2(text.contains(line), qPrintable(line));
        QTest::mouseClick(dialog.btnAnteprima, Qt::LeftButton);
        const QList<ReportPrinter::Job> previewed = ReportPrinter::previewed();
        QCOMPARE(previewed.size(), 1);
        QCOMPARE(previewed.at(0).pageCount, printed.at(0).pageCount);
        QStringList shown;
        for (const QStringList& page : previewed.at(0).pages)
            shown << page;
        QVERIFY(shown.contains(lines.last()));
    }
};

SELVORA_TEST_MAIN(TestErasureCommand)
#include "tst_erasurecommand.moc"

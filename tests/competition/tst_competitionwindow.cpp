// The competition window driven as a user would: a competition set up over
// two sessions and stored with Ctrl+S, its merit ranking, the titles of a
// candidate changing a tie, cards joined from the list to be checked, and
// bad input refused with the reason and nothing stored.
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "competition/core/CompetitionFile.h"
#include "competition/ui/CompetitionWindow.h"
#include "competition/ui/OverrideWindow.h"
#include "competition/ui/TitlesWindow.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/ScoringGrid.h"
#include "sheets/core/SheetTable.h"
#include "sheets/core/XlsxReader.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/PdfText.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

namespace {

QString code(const QString& letters6, int year)
{
    const QString first15 = letters6 + QString::number(year % 100) + QStringLiteral("A01H501");
    return first15 + FiscalCodeCheckLetter::carattereDiControllo(first15);
}

QByteArray card(const QString& name, const QString& cf, const QString& score)
{
    TSchedaColloquio c;
    c.Candidato = name;
    c.CodiceFiscale = cf;
    c.Punteggio = score;
    c.Idoneo = QStringLiteral("Sì");
    return c.encode();
}

void setCell(QTableWidget* t, int row, int column, const QString& text)
{
    t->setItem(row, column, new QTableWidgetItem(text));
}

} // namespace

class TestCompetitionWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    const QString m_rossi = code(QStringLiteral("RSSMRA"), 1980);
    const QString m_bianchi = code(QStringLiteral("BNCLCU"), 1990);

    // Two written tests of two candidates equal in the end, and a third
    // candidate whose written cards have a name and no code.
    void sessions()
    {
        m_folder->write(QStringLiteral("Scritta A.vai"),
                        card(QStringLiteral("ROSSI MARIO"), m_rossi, QStringLiteral("24,00")) +
                            card(QStringLiteral("BIANCHI LUCA"), m_bianchi, QStringLiteral("26,00")) +
                            card(QStringLiteral("VERDI ANNA"), QString(), QStringLiteral("22,00")));
        m_folder->write(QStringLiteral("Scritta B.vai"),
                        card(QStringLiteral("BIANCHI LUCA"), m_bianchi, QStringLiteral("24,00")) +
                            card(QStringLiteral("ROSSI MARIO"), m_rossi, QStringLiteral("26,00")) +
                            card(QStringLiteral("Verdi Anna"), QString(), QStringLiteral("23,00")));
    }

    std::unique_ptr<CompetitionWindow> open()
    {
        auto w = std::make_unique<CompetitionWindow>(m_folder->path(), m_folder->file(QStringLiteral("Candidati.dat")));
        w->show();
        return w;
    }

    // Two written tests, 21 out of 30 to pass, one post.
    void setUp(CompetitionWindow* w, const QString& posts)
    {
        w->txtNome->setText(QStringLiteral("Istruttore 2026"));
        w->btnAggiungiProva->click();
        w->btnAggiungiProva->click();
        QCOMPARE(w->grdProve->rowCount(), 2);
        for (int row = 0; row < 2; ++row) {
            auto* session = qobject_cast<QComboBox*>(w->grdProve->cellWidget(row, 0));
            session->setCurrentIndex(
                session->findData(row == 0 ? QStringLiteral("Scritta A.vai") : QStringLiteral("Scritta B.vai")));
            setCell(w->grdProve, row, 2, QStringLiteral("30"));
            setCell(w->grdProve, row, 3, QStringLiteral("21"));
        }
        w->txtPosti->setText(posts);
    }

private slots:
    void init()
    {
        resetSeams();
        m_folder = std::make_unique<TempProgramFolder>();
        sessions();
    }
    void cleanup()
    {
        m_folder.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void setUpRankAndBreakATie()
    {
        auto w = open();
        // A new competition starts from the legal list of titles.
        QCOMPARE(w->cboConcorso->currentText(), QStringLiteral("(nuovo concorso)"));
        QVERIFY(w->txtTitoli->toPlainText().startsWith(QStringLiteral("Insigniti di medaglia")));
        QVERIFY(w->lblFonte->text().contains(QStringLiteral("n. 82")));
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(activate(w.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("Istruttore 2026.concorso.json"))));
        QCOMPARE(w->cboConcorso->currentText(), QStringLiteral("Istruttore 2026"));

        // Rossi and Bianchi both have 25: the younger comes first, and
        // Verdi's cards are to be checked, not joined.
        QCOMPARE(columnTexts(w->grdGraduatoria, 1),
                 (QStringList {QStringLiteral("BIANCHI LUCA"), QStringLiteral("ROSSI MARIO")}));
        QCOMPARE(columnTexts(w->grdGraduatoria, 0), (QStringList {QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(w->grdGraduatoria->item(0, 5)->text(), QStringLiteral("minore età"));
        QCOMPARE(w->grdVerifica->rowCount(), 1);
        QCOMPARE(w->tabPagine->tabText(2), QStringLiteral("Da &verificare (1)"));

        // Rossi declares a title: Enter on his line opens the titles window.
        w->tabPagine->setCurrentIndex(1);
        w->grdGraduatoria->setCurrentCell(1, 1);
        Modal::queueHook([](QDialog* d) {
            auto* titles = qobject_cast<TitlesWindow*>(d);
            QVERIFY(titles);
            QCOMPARE(titles->lblCandidato->text(), QStringLiteral("ROSSI MARIO"));
            titles->lstTitoli->item(3)->setCheckState(Qt::Checked);
            titles->spnFigli->setValue(1);
            titles->btnOk->click();
        });
        w->grdGraduatoria->setFocus();
        QTest::keyClick(w->grdGraduatoria, Qt::Key_Return);
        QCOMPARE(columnTexts(w->grdGraduatoria, 1),
                 (QStringList {QStringLiteral("ROSSI MARIO"), QStringLiteral("BIANCHI LUCA")}));
        QCOMPARE(columnTexts(w->grdGraduatoria, 0), (QStringList {QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(w->grdGraduatoria->item(0, 5)->text(), QStringLiteral("titoli di preferenza"));
        QCOMPARE(w->grdGraduatoria->item(0, 6)->text(), QStringLiteral("vincitore"));
        QCOMPARE(w->grdGraduatoria->item(1, 6)->text(), QStringLiteral("idoneo"));
        // The focus followed Rossi to his new place.
        QCOMPARE(w->grdGraduatoria->currentRow(), 0);

        // Verdi's two cards are the same person: joined, ranked third.
        w->grdVerifica->setCurrentCell(0, 0);
        w->btnCollega->click();
        QCOMPARE(w->grdVerifica->rowCount(), 0);
        QCOMPARE(w->grdGraduatoria->rowCount(), 3);
        QCOMPARE(w->grdGraduatoria->item(2, 1)->text(), QStringLiteral("VERDI ANNA"));

        // All of it is in the side file, and a new window shows it again.
        Competition stored;
        QString problem;
        QCOMPARE(int(CompetitionFile::read(m_folder->file(QStringLiteral("Istruttore 2026.concorso.json")), &stored,
                                           &problem)),
                 int(CompetitionFile::Status::Read));
        QCOMPARE(stored.facts.value(m_rossi).children, 1);
        QCOMPARE(stored.links.size(), 1);
        auto again = open();
        QCOMPARE(again->txtNome->text(), QStringLiteral("Istruttore 2026"));
        QCOMPARE(again->grdGraduatoria->rowCount(), 3);
        // The sessions were only read.
        QCOMPARE(m_folder->read(QStringLiteral("Scritta A.vai")).size(), 3 * TSchedaColloquio::Size);
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QString>("posts");
        QTest::addColumn<QString>("passMark");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("posts not a number")
            << QStringLiteral("due") << QStringLiteral("21") << int(Messages::Kind::Warning)
            << QStringLiteral("Il numero dei posti messi a concorso deve essere un numero intero.");
        QTest::newRow("pass mark not a number")
            << QStringLiteral("1") << QStringLiteral("ventuno") << int(Messages::Kind::Warning)
            << QStringLiteral(
                   "Nella riga 1 delle prove il massimo, il minimo o il peso non è un numero (per esempio 30 "
                   "oppure 21,5).");
        QTest::newRow("no pass mark")
            << QStringLiteral("1") << QString() << int(Messages::Kind::Error)
            << QStringLiteral("Il concorso non è stato salvato:\r\nLa prova «Scritta A.vai» (prova scritta) non ha il "
                              "punteggio minimo per superarla (per esempio 21 su 30).");
    }
    void badInputIsRefused()
    {
        QFETCH(QString, posts);
        QFETCH(QString, passMark);
        QFETCH(int, kind);
        QFETCH(QString, message);
        auto w = open();
        setUp(w.get(), posts);
        setCell(w->grdProve, 0, 3, passMark);
        QVERIFY(!w->btnSalvaClick());
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown.at(0).kind), kind);
        QCOMPARE(shown.at(0).text, message);
        QVERIFY(CompetitionFile::list(m_folder->path()).isEmpty());
    }

    // A score above the test's maximum is named, card by card, and no
    // ranking is shown.
    void scoreAboveTheMaximum()
    {
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        setCell(w->grdProve, 1, 2, QStringLiteral("25"));
        QVERIFY(w->btnSalvaClick());
        QCOMPARE(w->grdGraduatoria->rowCount(), 0);
        QVERIFY2(w->lblVincitori->text().contains(
                     QStringLiteral("Nella sessione «Scritta B.vai» la scheda n. 2 (ROSSI MARIO) ha 26,00 punti, più "
                                    "del massimo della prova (25,00).")),
                 qPrintable(w->lblVincitori->text()));
    }

    // The merit ranking in PDF, read back with a real reader: the table with
    // one column per test, the winners and how they were chosen, and the
    // candidates not admitted with why.
    void rankingInPdf()
    {
        // The first test's grid names the committee, who sign the print.
        ScoringGrid grid;
        grid.sessionFile = QStringLiteral("Scritta A.vai");
        grid.criteria = {{QStringLiteral("Conoscenze"), 30.0, 1.0}};
        grid.members = {{QStringLiteral("Galli"), GridMember::Role::President},
                        {QStringLiteral("Conti"), GridMember::Role::Secretary}};
        QString gridError;
        QVERIFY(GridFile::write(m_folder->file(QStringLiteral("Scritta A.vai")), grid, &gridError));
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        setCell(w->grdProve, 1, 3, QStringLiteral("24,5"));
        QVERIFY(w->btnSalvaClick());
        const QString pdf = m_folder->file(QStringLiteral("Merito.pdf"));
        FileDialogs::queueFileName(pdf);
        w->btnPdf->click();
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, QStringLiteral("La graduatoria è stata salvata nel file \"%1\".").arg(pdf));
        const QStringList lines = PdfText::lines(pdf);
        const QString text = lines.join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("Graduatoria di merito - Istruttore 2026")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Scritta A")) && text.contains(QStringLiteral("Scritta B")),
                 qPrintable(text));
        // Bianchi had 24 in the second test, under its 24,50: not admitted.
        QRegularExpression rossi(QStringLiteral("^1 +ROSSI MARIO +24,00 +26,00 +25,00 +vincitore"));
        bool found = false;
        for (const QString& l : lines)
            found = found || rossi.match(l).hasMatch();
        QVERIFY2(found, qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("VINCITORI")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("CANDIDATI NON AMMESSI")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("VERDI ANNA")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Commissione: Galli (presidente), Conti (segretario")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Galli (presidente) ____")), qPrintable(text));

        // Printing asks first; a ranking with nobody in it is not printed.
        Messages::queueAnswer(Messages::Answer::Yes);
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
        w->btnStampa->click();
        QCOMPARE(ReportPrinter::takePrinted().size(), 1);
        Messages::takeShown();
    }

    // The table for a spreadsheet, read back by the .xlsx reader: a row per
    // candidate, a column per test, the final score, the outcome; the .csv
    // with the Italian separator.
    void exportedTable()
    {
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(w->btnSalvaClick());
        const QString xlsx = m_folder->file(QStringLiteral("Concorso.xlsx"));
        FileDialogs::queueFileName(xlsx);
        w->btnEsporta->click();
        QCOMPARE(Messages::takeShown().size(), 1);
        SheetTable sheet;
        QString error;
        QVERIFY2(XlsxReader::read(xlsx, &sheet, &error), qPrintable(error));
        QCOMPARE(sheet.rowCount(), 5); // heading, two ranked, Verdi's two unjoined cards
        QCOMPARE(sheet.cell(0, 3).toString(), QStringLiteral("Scritta A"));
        QCOMPARE(sheet.cell(0, 5).toString(), QStringLiteral("Punteggio finale"));
        QCOMPARE(sheet.cell(1, 0).toString(), QStringLiteral("1"));
        QCOMPARE(sheet.cell(1, 1).toString(), QStringLiteral("BIANCHI LUCA"));
        QCOMPARE(sheet.cell(1, 8).toString(), QStringLiteral("vincitore"));
        QCOMPARE(sheet.cell(3, 8).toString(), QStringLiteral("non ammesso"));

        const QString csv = m_folder->file(QStringLiteral("Concorso.csv"));
        FileDialogs::queueFileName(csv);
        w->btnEsporta->click();
        QCOMPARE(Messages::takeShown().size(), 1);
        const QByteArray bytes = m_folder->read(QStringLiteral("Concorso.csv"));
        QVERIFY(
            bytes.startsWith("\xEF\xBB\xBFPosizione;Candidato;Codice fiscale;Scritta A;Scritta B;Punteggio finale;"));
        QVERIFY(bytes.contains("\r\n2;ROSSI MARIO;"));
    }

    // Two candidates born the same day stay tied after every legal rule:
    // the committee orders them, and can give an outcome against the
    // computed one only with a written reason.
    void committeeOrderAndDecision()
    {
        const QString twin = code(QStringLiteral("NRELCA"), 1980);
        m_folder->write(QStringLiteral("Scritta A.vai"),
                        card(QStringLiteral("ROSSI MARIO"), m_rossi, QStringLiteral("25,00")) +
                            card(QStringLiteral("NERI LUCA"), twin, QStringLiteral("25,00")));
        m_folder->write(QStringLiteral("Scritta B.vai"),
                        card(QStringLiteral("NERI LUCA"), twin, QStringLiteral("25,00")) +
                            card(QStringLiteral("ROSSI MARIO"), m_rossi, QStringLiteral("25,00")));
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(w->btnSalvaClick());
        QCOMPARE(columnTexts(w->grdGraduatoria, 0),
                 (QStringList {QStringLiteral("1 ex aequo"), QStringLiteral("1 ex aequo")}));
        QCOMPARE(columnTexts(w->grdGraduatoria, 1),
                 (QStringList {QStringLiteral("NERI LUCA"), QStringLiteral("ROSSI MARIO")}));
        QCOMPARE(w->grdGraduatoria->item(1, 6)->text(),
                 QStringLiteral("idoneo - pari merito con l'ultimo vincitore: decide la commissione"));

        w->grdGraduatoria->setCurrentCell(1, 1);
        w->btnSu->click();
        QCOMPARE(columnTexts(w->grdGraduatoria, 1),
                 (QStringList {QStringLiteral("ROSSI MARIO"), QStringLiteral("NERI LUCA")}));
        QCOMPARE(columnTexts(w->grdGraduatoria, 0), (QStringList {QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(w->grdGraduatoria->item(0, 5)->text(), QStringLiteral("ordine stabilito dalla commissione"));
        QCOMPARE(w->grdGraduatoria->currentRow(), 0);

        // A decision without its reason is refused; with it, it is printed.
        w->grdGraduatoria->setCurrentCell(1, 1);
        Modal::queueHook([](QDialog* d) {
            auto* o = qobject_cast<OverrideWindow*>(d);
            QVERIFY(o);
            o->cboEsito->setCurrentIndex(1);
            o->btnOk->click();
            const QList<Messages::Shown> shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.at(0).text, QStringLiteral("Scrivere la motivazione della decisione della commissione."));
            QVERIFY(o->isVisible());
            o->txtMotivo->setPlainText(QStringLiteral("Rinuncia del primo classificato"));
            o->btnOk->click();
        });
        w->btnEsito->click();
        QCOMPARE(w->grdGraduatoria->item(1, 6)->text(),
                 QStringLiteral("vincitore - decisione della commissione: Rinuncia del primo classificato"));
        Competition stored;
        QString problem;
        CompetitionFile::read(m_folder->file(QStringLiteral("Istruttore 2026.concorso.json")), &stored, &problem);
        QCOMPARE(stored.manualOrder.size(), 2);
        QCOMPARE(stored.overrides.size(), 1);
    }

    // The publication copy says only who, where and with how much; its seal
    // holds while the files stay as they were and names the file that
    // changed afterwards.
    void publicationAndSeal()
    {
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(w->btnSalvaClick());
        // Not before every candidate is known for sure.
        w->btnPubblica->click();
        QCOMPARE(Messages::takeShown().size(), 1);
        w->grdVerifica->setCurrentCell(0, 0);
        w->btnCollega->click();
        QCOMPARE(w->lblSigillo->text(), QStringLiteral("La graduatoria del concorso non è stata pubblicata."));

        const QString pdf = m_folder->file(QStringLiteral("Pubblicazione.pdf"));
        FileDialogs::queueFileName(pdf);
        w->btnPubblica->click();
        QCOMPARE(Messages::takeShown().size(), 1);
        const QString text = PdfText::lines(pdf).join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("BIANCHI LUCA")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("vincitore")), qPrintable(text));
        QVERIFY2(!text.contains(m_rossi) && !text.contains(m_bianchi), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("minore età")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Scritta A.vai: ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Istruttore 2026.concorso.json: ")), qPrintable(text));
        QCOMPARE(w->lblSigillo->text(),
                 QStringLiteral("Graduatoria sigillata: nessun file è cambiato dopo la pubblicazione."));

        // One more card in a session after the publication.
        QFile session(m_folder->file(QStringLiteral("Scritta B.vai")));
        QVERIFY(session.open(QIODevice::Append));
        session.write(card(QStringLiteral("GIALLI ADA"), QString(), QStringLiteral("30,00")));
        session.close();
        w->btnVerificaSigillo->click();
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text,
                 QStringLiteral("Attenzione: dopo la pubblicazione sono cambiati questi file: Scritta B.vai. La copia "
                                "pubblicata non corrisponde più ai dati."));
    }

    // A seal that cannot be written: the copy is not kept either, so no
    // publication exists that could not be checked.
    void sealWriteFails()
    {
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(w->btnSalvaClick());
        w->grdVerifica->setCurrentCell(0, 0);
        w->btnCollega->click();
        QVERIFY(QDir().mkpath(m_folder->file(QStringLiteral("Istruttore 2026.concorso.sigillo.json"))));
        const QString pdf = m_folder->file(QStringLiteral("Pubblicazione.pdf"));
        FileDialogs::queueFileName(pdf);
        w->btnPubblica->click();
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown.at(0).kind), int(Messages::Kind::Error));
        QVERIFY2(shown.at(0).text.startsWith(QStringLiteral("Attenzione: il sigillo della pubblicazione non è stato "
                                                            "salvato")),
                 qPrintable(shown.at(0).text));
        QVERIFY(!QFileInfo::exists(pdf));
    }

    // A side file from a newer version is named and left alone: the window
    // shows an empty set-up and never writes over it unasked.
    void newerSideFileIsLeftAlone()
    {
        const QByteArray newer = "{\"format\": \"selvora-concorso\", \"version\": 9, \"name\": \"Futuro\"}";
        m_folder->write(QStringLiteral("Futuro.concorso.json"), newer);
        auto w = open();
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown.at(0).kind), int(Messages::Kind::Error));
        QVERIFY2(
            shown.at(0).text.endsWith(QStringLiteral("è stato scritto da una versione più recente del programma.")),
            qPrintable(shown.at(0).text));
        QCOMPARE(w->grdProve->rowCount(), 0);
        // Set up anew under the same name, it is not written over.
        setUp(w.get(), QStringLiteral("1"));
        w->txtNome->setText(QStringLiteral("Futuro"));
        QVERIFY(!w->btnSalvaClick());
        QCOMPARE(Messages::takeShown().at(0).text,
                 QStringLiteral("Esiste già un concorso chiamato «Futuro»: per modificarlo lo si sceglie dall'elenco, "
                                "altrimenti si usa un altro nome."));
        QCOMPARE(m_folder->read(QStringLiteral("Futuro.concorso.json")), newer);
    }

    // From the keyboard the boxes of a test's row are reached like cells.
    void testRowBoxesTakeTheFocus()
    {
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(activate(w.get()));
        w->grdProve->setFocus();
        w->grdProve->setCurrentCell(1, 2);
        QTest::keyClick(w->grdProve, Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), w->grdProve->cellWidget(1, 1));
    }

    void escapeCloses()
    {
        auto w = open();
        QVERIFY(activate(w.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    // A set-up typed and not stored: Escape asks first, and No keeps it.
    void escapeAsksBeforeLosingTheSetUp()
    {
        auto w = open();
        setUp(w.get(), QStringLiteral("1"));
        QVERIFY(activate(w.get()));
        Messages::queueAnswer(Messages::Answer::No);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(w->isVisible());
        QCOMPARE(w->grdProve->rowCount(), 2);
        QCOMPARE(Messages::takeShown().size(), 1);
        // Stored, it closes without a question.
        QVERIFY(w->btnSalvaClick());
        QVERIFY(activate(w.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(Messages::takeShown().isEmpty());
    }
};

SELVORA_TEST_MAIN(TestCompetitionWindow)
#include "tst_competitionwindow.moc"

// The scoring grid window driven as the committee's secretary would: set-up
// of criteria, members and scale, scores typed and refused, "Importa" into the
// card's score field, reopening, the minutes, and the damaged and stale side
// files. Also the official ranking window reached from the ranking chooser.
#include "app/ui/Windows.h"
#include "base/core/Clock.h"
#include "base/core/NumberText.h"
#include "base/platform/FileDialogs.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "rankings/ui/ApriClassifica.h"
#include "rankings/ui/OfficialRankingWindow.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/GridWindow.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace {

QByteArray session(const QStringList& names, const QStringList& scores = {}, const QStringList& codes = {})
{
    QByteArray bytes;
    for (int i = 0; i < names.size(); ++i) {
        TSchedaColloquio rec;
        rec.Candidato = names.at(i);
        rec.CodiceFiscale = codes.value(i);
        rec.DataColloquio = QStringLiteral("01/12/2026");
        rec.Punteggio = scores.value(i, QStringLiteral("0,00"));
        rec.Idoneo = QStringLiteral("Sì");
        bytes += rec.encode();
    }
    return bytes;
}

const char* kSideFile = R"({"format":"selvora-griglia-di-valutazione","version":1,"session":"Concorso.vai",
"criteria":[{"name":"Competenze tecniche","max":10,"weight":2},{"name":"Comunicazione","max":10,"weight":1},
{"name":"Motivazione","max":5,"weight":1}],
"members":[{"name":"Galli","role":"presidente"},{"name":"Fontana","role":"componente"},
{"name":"Conti","role":"segretario"}],"scale":{"kind":"somma"},"cards":{}})";

void setCell(QTableWidget* t, int row, int col, const QString& text)
{
    QTableWidgetItem* item = t->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        t->setItem(row, col, item);
    }
    item->setText(text);
}

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    // Read as it stands: the minutes are searched for words with "fi" in them.
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestGridWindow : public QObject
{
    Q_OBJECT

    TfrmTorneo* openCard(TempProgramFolder& folder, qint64 position)
    {
        TfrmTorneo* torneo = Windows::torneo();
        torneo->lblFile->setText(folder.file(QStringLiteral("Concorso.vai")));
        torneo->lblNome->setText(QStringLiteral("Concorso"));
        torneo->show();
        if (position > 0) {
            const QByteArray bytes = folder.read(QStringLiteral("Concorso.vai"));
            torneo->MostraScheda(TSchedaColloquio::decode(bytes.mid((position - 1) * TSchedaColloquio::Size)),
                                 position);
        }
        return torneo;
    }

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2026, 12, 10));
    }
    void cleanup()
    {
        Windows::torneo()->hide();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void setUpScoreAndImport()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), session({"Rossi Mario", "Verdi Giulia"}));
        TfrmTorneo* torneo = openCard(folder, 2);

        GridWindow grid(torneo);
        QVERIFY(grid.load());
        grid.show();
        QCOMPARE(grid.tabPagine->currentIndex(), 1); // nothing defined yet: the set-up first
        // Three criteria and three members, as the committee decided.
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(grid.btnAggiungiCriterio, Qt::LeftButton);
        const QStringList crit {"Competenze tecniche", "Comunicazione", "Motivazione"};
        const QStringList max {"10", "10", "5"};
        const QStringList weight {"2", "1", "1"};
        for (int r = 0; r < 3; ++r) {
            setCell(grid.grdCriteri, r, 0, crit.at(r));
            setCell(grid.grdCriteri, r, 1, max.at(r));
            setCell(grid.grdCriteri, r, 2, weight.at(r));
        }
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(grid.btnAggiungiComponente, Qt::LeftButton);
        setCell(grid.grdCommissione, 0, 0, QStringLiteral("Galli"));
        setCell(grid.grdCommissione, 1, 0, QStringLiteral("Fontana"));
        setCell(grid.grdCommissione, 2, 0, QStringLiteral("Conti"));
        qobject_cast<QComboBox*>(grid.grdCommissione->cellWidget(2, 1))->setCurrentIndex(2); // secretary
        grid.cboScala->setCurrentIndex(2); // out of 30
        // A zero weight is refused first.
        setCell(grid.grdCriteri, 2, 2, QStringLiteral("0"));
        QTest::mouseClick(grid.btnApplica, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().at(0).text,
                 QStringLiteral("Attenzione: il peso del criterio \"Motivazione\" deve essere maggiore di zero."));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Concorso.griglia.json"))));
        setCell(grid.grdCriteri, 2, 2, QStringLiteral("1"));
        QTest::mouseClick(grid.btnApplica, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().at(0).kind, Messages::Kind::Information);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("Concorso.griglia.json"))));

        // Two voting columns plus mean, weight, weighted mean.
        QCOMPARE(grid.grdPunteggi->columnCount(), 5);
        QCOMPARE(grid.grdPunteggi->horizontalHeaderItem(0)->text(), QStringLiteral("Galli"));
        QCOMPARE(grid.grdPunteggi->horizontalHeaderItem(1)->text(), QStringLiteral("Fontana"));
        QCOMPARE(grid.lblScheda->text(), QStringLiteral("Scheda n. 2 - Verdi Giulia"));
        const QStringList galli {"8", "6", "4"};
        const QStringList fontana {"6", "9", "5"};
        for (int r = 0; r < 3; ++r) {
            setCell(grid.grdPunteggi, r, 0, galli.at(r));
            setCell(grid.grdPunteggi, r, 1, fontana.at(r));
        }
        // Above the maximum, typed or pasted: refused, the cell restored.
        setCell(grid.grdPunteggi, 2, 1, QStringLiteral("7,5"));
        const QList<Messages::Shown> refused = Messages::takeShown();
        QCOMPARE(refused.size(), 1);
        QVERIFY(refused.at(0).text.contains(QStringLiteral("da 0 a 5")));
        QCOMPARE(grid.grdPunteggi->item(2, 1)->text(), QStringLiteral("5"));
        QCOMPARE(grid.grdPunteggi->item(0, 2)->text(), QStringLiteral("7"));
        // 7 x 2 + 7,5 + 4,5 = 26 out of 35, in thirtieths 22,29.
        QVERIFY2(grid.lblTotale->text().startsWith(QStringLiteral("Totale: 22,29")),
                 qPrintable(grid.lblTotale->text()));
        QCOMPARE(grid.lblTotale->accessibleName(), grid.lblTotale->text());

        // The minutes in PDF.
        const QString pdf = folder.file(QStringLiteral("verbale.pdf"));
        FileDialogs::queueFileName(pdf);
        QTest::mouseClick(grid.btnPdf, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().at(0).kind, Messages::Kind::Information);
        const QString minutes = pdfText(pdf);
        QVERIFY2(minutes.contains(QStringLiteral("Verbale di valutazione - Concorso")), qPrintable(minutes));
        QVERIFY(minutes.contains(QStringLiteral("PUNTEGGIO TOTALE: 22,29")));
        QVERIFY(minutes.contains(QStringLiteral("Conti (segretario)")));

        QTest::mouseClick(grid.btnImporta, Qt::LeftButton);
        QCOMPARE(grid.result(), int(QDialog::Accepted));
        QCOMPARE(torneo->txtPunteggio->text(), QStringLiteral("22,29"));
        // The session file is not touched by the grid.
        QCOMPARE(folder.read(QStringLiteral("Concorso.vai")), session({"Rossi Mario", "Verdi Giulia"}));

        // Reopened: the scores are there again.
        GridWindow again(torneo);
        QVERIFY(again.load());
        again.show();
        QCOMPARE(again.tabPagine->currentIndex(), 0);
        QCOMPARE(again.grdPunteggi->item(1, 1)->text(), QStringLiteral("9"));
        QVERIFY(again.lblTotale->text().startsWith(QStringLiteral("Totale: 22,29")));
        QVERIFY(!again.isModified());
    }

    void openedFromTheCard()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), session({"Rossi Mario"}));
        folder.write(QStringLiteral("Concorso.griglia.json"), kSideFile);
        TfrmTorneo* torneo = openCard(folder, 1);
        for (PictureButton* b : {torneo->cmdGriglia, torneo->btnGriglia}) {
            QVERIFY(!b->accessibleName().isEmpty() && !b->toolTip().isEmpty());
            bool seen = false;
            Modal::queueHook([&](QDialog* d) {
                auto* grid = qobject_cast<GridWindow*>(d);
                QVERIFY(grid);
                seen = true;
                QCOMPARE(grid->grdPunteggi->rowCount(), 3);
                QTest::mouseClick(grid->btnChiudi, Qt::LeftButton);
            });
            QTest::mouseClick(b, Qt::LeftButton);
            QVERIFY(seen);
        }
    }

    void unsavedCardCannotBeScored()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), QByteArray());
        folder.write(QStringLiteral("Concorso.griglia.json"), kSideFile);
        TfrmTorneo* torneo = openCard(folder, 0);
        GridWindow grid(torneo);
        QVERIFY(grid.load());
        grid.show();
        QVERIFY(grid.lblScheda->text().contains(QStringLiteral("non è ancora stata salvata")));
        QVERIFY(!(grid.grdPunteggi->item(0, 0)->flags() & Qt::ItemIsEditable));
        QTest::mouseClick(grid.btnImporta, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().at(0).kind, Messages::Kind::Warning);
        QCOMPARE(torneo->txtPunteggio->text(), QStringLiteral("0,00"));
    }

    void damagedSideFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("hand-edited") << QByteArray(kSideFile).replace("\"max\":10,\"weight\":2",
                                                                      "\"max\":-3,\"weight\":2");
        QTest::newRow("another session") << QByteArray(kSideFile).replace("Concorso.vai", "Altra.vai");
        QTest::newRow("not JSON") << QByteArray("[griglia");
    }

    void damagedSideFile()
    {
        QFETCH(QByteArray, bytes);
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), session({"Rossi Mario"}));
        folder.write(QStringLiteral("Concorso.griglia.json"), bytes);
        TfrmTorneo* torneo = openCard(folder, 1);
        {
            // No: nothing opens and the file stays as it is.
            GridWindow grid(torneo);
            Messages::queueAnswer(Messages::Answer::Ok);
            Messages::queueAnswer(Messages::Answer::No);
            QVERIFY(!grid.load());
            const QList<Messages::Shown> shown = Messages::takeShown();
            QCOMPARE(shown.size(), 2);
            QVERIFY(shown.at(0).text.contains(QStringLiteral("non può essere usato")));
            QCOMPARE(folder.read(QStringLiteral("Concorso.griglia.json")), bytes);
        }
        // Yes: set aside whole, an empty grid starts.
        GridWindow grid(torneo);
        Messages::queueAnswer(Messages::Answer::Ok);
        Messages::queueAnswer(Messages::Answer::Yes);
        QVERIFY(grid.load());
        grid.show();
        Messages::takeShown();
        QVERIFY(grid.grid().criteria.isEmpty());
        QCOMPARE(folder.read(QStringLiteral("Concorso.griglia.json.danneggiato")), bytes);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Concorso.griglia.json"))));
    }

    // A point typed in a score cell is the decimal comma while the cell has
    // none, refused with a message after one: never a score a hundred times
    // larger, never a score dropped.
    void pointTypedInACell()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), session({"Rossi Mario"}));
        folder.write(QStringLiteral("Concorso.griglia.json"), kSideFile);
        TfrmTorneo* torneo = openCard(folder, 1);
        GridWindow grid(torneo);
        QVERIFY(grid.load());
        grid.show();
        grid.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
        grid.tabPagine->setCurrentIndex(0);
        grid.grdPunteggi->setFocus();
        grid.grdPunteggi->setCurrentCell(0, 0);
        // The first key opens the cell's editor and is typed into it.
        QTest::keyClick(grid.grdPunteggi, '7');
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, ".5");
        QCOMPARE(editor->text(), QStringLiteral("7,5"));
        QTest::keyClick(editor, '.');
        const QList<Messages::Shown> refused = Messages::takeShown();
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.at(0).text, NumberText::pointRefusedMessage());
        QCOMPARE(editor->text(), QStringLiteral("7,5"));
        // Moving on to the next cell ends the edit.
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(grid.grdPunteggi->item(0, 0)->text(), QStringLiteral("7,5"));
        QCOMPARE(grid.grid().cards.value(1).value(QStringLiteral("Galli")).value(QStringLiteral("Competenze tecniche")),
                 7.5);
        QVERIFY(Messages::takeShown().isEmpty());
    }

    void memberRemovedAfterScoring()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), session({"Rossi Mario"}));
        folder.write(
            QStringLiteral("Concorso.griglia.json"),
            QByteArray(kSideFile).replace("\"cards\":{}", "\"cards\":{\"1\":{\"Fontana\":{\"Comunicazione\":7}}}"));
        TfrmTorneo* torneo = openCard(folder, 1);
        GridWindow grid(torneo);
        QVERIFY(grid.load());
        grid.show();
        grid.grdCommissione->setCurrentCell(1, 0);
        QTest::mouseClick(grid.btnEliminaComponente, Qt::LeftButton);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(grid.btnApplica, Qt::LeftButton);
        QVERIFY(Messages::takeShown().at(0).text.contains(
            QStringLiteral("il componente \"Fontana\" (punteggi in 1 schede)")));
        QCOMPARE(grid.grid().members.size(), 3); // kept
        QVERIFY(folder.read(QStringLiteral("Concorso.griglia.json")).contains("Fontana"));
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(grid.btnApplica, Qt::LeftButton);
        Messages::takeShown();
        QCOMPARE(grid.grid().members.size(), 2);
        QVERIFY(grid.grid().cards.isEmpty());
        QVERIFY(!folder.read(QStringLiteral("Concorso.griglia.json")).contains("Fontana"));
    }

    void staleCards()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), session({"Rossi Mario"}));
        const QByteArray bytes =
            QByteArray(kSideFile).replace("\"cards\":{}", "\"cards\":{\"4\":{\"Galli\":{\"Comunicazione\":7}}}");
        folder.write(QStringLiteral("Concorso.griglia.json"), bytes);
        TfrmTorneo* torneo = openCard(folder, 1);
        GridWindow grid(torneo);
        QVERIFY(grid.load());
        grid.show();
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.at(0).text.contains(QStringLiteral("fino alla scheda n. 4, ma la sessione ha ora 1 schede")));
        QCOMPARE(grid.grid().cards.value(4).value(QStringLiteral("Galli")).value(QStringLiteral("Comunicazione")), 7.0);
        QCOMPARE(folder.read(QStringLiteral("Concorso.griglia.json")), bytes);
    }

    void officialRankingFromTheChooser()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"),
                     session({"Rossi Mario", "Verdi Giulia", "Bianchi Marco"}, {"20,00", "20,00", "12,50"},
                             {"RSSMRA80A01H501U", "VRDGLI01T45L219T", "BNCMRC90E10H501O"}));
        folder.write(QStringLiteral("Concorso.griglia.json"), kSideFile);
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        const QString pdf = folder.file(QStringLiteral("pubblicazione.pdf"));
        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* w = qobject_cast<OfficialRankingWindow*>(d);
            QVERIFY(w);
            seen = true;
            QCOMPARE(w->grdGraduatoria->item(0, 0)->text(), QStringLiteral("1 ex aequo"));
            QCOMPARE(w->grdGraduatoria->item(1, 0)->text(), QStringLiteral("1 ex aequo"));
            QCOMPARE(w->grdGraduatoria->item(2, 0)->text(), QStringLiteral("3"));
            QCOMPARE(w->lblSigillo->text(), QStringLiteral("Graduatoria non ancora pubblicata"));
            // The younger first: the choice is kept in the side file.
            w->chkPiuGiovane->setChecked(true);
            QCOMPARE(w->grdGraduatoria->item(0, 1)->text(), QStringLiteral("Verdi Giulia"));
            QCOMPARE(w->grdGraduatoria->item(0, 0)->text(), QStringLiteral("1"));
            QVERIFY(w->grdGraduatoria->item(0, 4)->text().contains(QStringLiteral("05/12/2001")));
            QVERIFY(folder.read(QStringLiteral("Concorso.griglia.json")).contains("\"eta\""));
            // The print goes through the printer dialog.
            Messages::queueAnswer(Messages::Answer::Yes);
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
            QTest::mouseClick(w->btnStampa, Qt::LeftButton);
            Messages::takeShown();
            const QList<ReportPrinter::Job> jobs = ReportPrinter::takePrinted();
            QCOMPARE(jobs.size(), 1);
            const QString printed = jobs.at(0).pages.value(0).join(QLatin1Char('\n'));
            QVERIFY(printed.contains(QStringLiteral("Commissione: Galli (presidente), Fontana (componente), Conti "
                                                    "(segretario)")));
            QVERIFY(printed.contains(QStringLiteral("spareggio per età: nato/a il 05/12/2001")));
            QVERIFY(printed.contains(QStringLiteral("Galli (presidente)   ____")));
            // Publication, then the seal.
            FileDialogs::queueFileName(pdf);
            QTest::mouseClick(w->btnPubblica, Qt::LeftButton);
            QCOMPARE(Messages::takeShown().at(0).kind, Messages::Kind::Information);
            QVERIFY(w->lblSigillo->text().startsWith(QStringLiteral("Graduatoria sigillata")));
            QByteArray bytes = folder.read(QStringLiteral("Concorso.vai"));
            bytes[5345] = '3'; // Rossi's 20,00 becomes 30,00
            folder.write(QStringLiteral("Concorso.vai"), bytes);
            QTest::mouseClick(w->btnVerificaSigillo, Qt::LeftButton);
            const QList<Messages::Shown> shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown.at(0).text.contains(QStringLiteral("modificati dopo la pubblicazione")));
            QVERIFY(w->lblSigillo->text().startsWith(QStringLiteral("Attenzione")));
            QTest::mouseClick(w->btnEsci, Qt::LeftButton);
        });
        QTest::mouseClick(chooser->btnFinal, Qt::LeftButton);
        QVERIFY(seen);
        chooser->hide();
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Graduatoria finale Concorso")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Verdi Giulia")));
        QVERIFY(!text.contains(QStringLiteral("VRDGLI01T45L219T")));
        QVERIFY(!text.contains(QStringLiteral("2001")));
    }
};

SELVORA_TEST_MAIN(TestGridWindow)
#include "tst_gridwindow.moc"

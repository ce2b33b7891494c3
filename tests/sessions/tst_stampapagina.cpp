// The interview card print and preview windows, opened from the interview
// card window as the user does: what they look like, what reaches the paper
// (read back from the PDF the printer wrote) and the preview, Annulla, a
// cancelled printer dialog, and a failure left to the default error report.
#include "app/ui/Windows.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/ui/AnteprimaPagina.h"
#include "sessions/ui/StampaPagina.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/PdfText.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

using Kind = Messages::Kind;

namespace {

using PdfText::Word;

// The words of the first page of a PDF file with their boxes in millimetres.
QList<Word> pdfWords(const QString& path)
{
    const QList<PdfText::Page> pages = PdfText::words(path);
    return pages.isEmpty() ? QList<Word>() : pages.first().words;
}

int pdfPageCount(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return -1;
    static const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    return re.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).toInt();
}

QStringList wordsIn(const QList<Word>& words, const QRectF& boxMm)
{
    const QRectF area = boxMm.adjusted(-0.35, -0.35, 0.35, 0.35);
    QStringList out;
    for (const Word& w : words)
        if (area.contains(w.mm))
            out.append(w.text);
    return out;
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

} // namespace

class TestStampaPagina : public QObject
{
    Q_OBJECT

    TfrmTorneo* w = nullptr;

    // The interview card window shown with an unsaved card on screen.
    void fillCard()
    {
        w->lblNome->setText(QStringLiteral("Selezione autisti"));
        w->lblPosizione->setText(QStringLiteral("7"));
        w->txtConcorrente->setText(QStringLiteral("  VERDI MARCO [ospite]"));
        w->txtResponsabile->setText(QStringLiteral("VRDMRC80A01H501U"));
        w->txtTelefono->setText(QStringLiteral("Centro impiego"));
        w->txtEmail->setText(QStringLiteral("12/03/2024"));
        w->txtGare->setPlainText(QStringLiteral("Patente C e CQC.\nEsperienza di sei anni."));
        w->txtPunteggio->setText(QStringLiteral("18,25"));
        w->txtNote->setText(QStringLiteral("Disponibile da aprile"));
        w->chkCompletato->setChecked(true);
    }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        w = Windows::torneo();
    }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        w->hide();
    }

    void windows_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("report");
        QTest::newRow("print") << false << " Stampa documento"
                               << "Stampa"
                               << "imgLogo01"
                               << "Candidato ed esame";
        QTest::newRow("preview") << true << " Anteprima di stampa"
                                 << "Mostra anteprima"
                                 << "icoInf01"
                                 << "Candidato e colloquio";
    }
    void windows()
    {
        QFETCH(bool, preview);
        QFETCH(QString, title);
        QFETCH(QString, action);
        QFETCH(QString, picture);
        QFETCH(QString, report);
        std::unique_ptr<QDialog> dlg;
        if (preview)
            dlg.reset(new TfrmAnteprimaPagina(w));
        else
            dlg.reset(new TfrmStampaPagina(w));
        QCOMPARE(dlg->windowTitle(), title);
        QCOMPARE(dlg->size(), QSize(362, 287));
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
        QVERIFY(!(dlg->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(dlg->windowFlags() & Qt::WindowMinMaxButtonsHint));
        auto* btnStampa = control<QPushButton>(dlg.get(), "btnStampa");
        auto* btnAnnulla = control<QPushButton>(dlg.get(), "btnAnnulla");
        QVERIFY(btnStampa && btnAnnulla);
        QCOMPARE(btnStampa->text(), action);
        QCOMPARE(btnAnnulla->text(), QStringLiteral("Annulla"));
        QVERIFY(control<QLabel>(dlg.get(), picture));
        QVERIFY(control<QWidget>(dlg.get(), "shpSfondo"));
        const Report& rep = preview ? *static_cast<TfrmAnteprimaPagina*>(dlg.get())->repScheda
                                    : *static_cast<TfrmStampaPagina*>(dlg.get())->repScheda;
        QCOMPARE(rep.name(), report);
        // Tab order: Annulla first, then the action.
        dlg->show();
        QVERIFY(activate(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(btnAnnulla));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(btnStampa));
        // Centred over the interview card window.
        const QPoint centre = w->frameGeometry().center();
        QVERIFY2((dlg->frameGeometry().center() - centre).manhattanLength() < 40,
                 qPrintable(QStringLiteral("%1,%2 over %3,%4 %5x%6")
                                .arg(dlg->frameGeometry().center().x())
                                .arg(dlg->frameGeometry().center().y())
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())));
    }

    // The print command prints the card as the window shows it, unsaved
    // edits included, and the print window closes.
    void printsTheCardOnScreen()
    {
        TempProgramFolder folder;
        fillCard();
        const QString pdf = folder.file("scheda.pdf");
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, pdf);
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            QVERIFY(qobject_cast<TfrmStampaPagina*>(d));
            QCOMPARE(d->parentWidget(), static_cast<QWidget*>(w));
            click(control<QPushButton>(d, "btnStampa"));
            closed = !d->isVisible();
        });
        click(w->cmdStampa);
        QCOMPARE(Modal::history(), QStringList({"TfrmStampaPagina"}));
        QVERIFY(closed);
        QVERIFY(Messages::shown().isEmpty());
        const QList<ReportPrinter::Job> jobs = ReportPrinter::printed();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].reportName, QStringLiteral("Candidato ed esame"));
        QVERIFY(jobs[0].accepted);
        QCOMPARE(jobs[0].pageCount, 1);
        QVERIFY(ReportPrinter::previewed().isEmpty());

        QVERIFY(QFile::exists(pdf));
        QCOMPARE(pdfPageCount(pdf), 1);
        const QList<Word> words = pdfWords(pdf);
        QCOMPARE(wordsIn(words, QRectF(10, 10.4, 169, 3.4)), QStringList({"Selezione", "autisti"}));
        QCOMPARE(wordsIn(words, QRectF(180, 10.4, 20, 3.4)), QStringList({"p.", "7"}));
        QCOMPARE(wordsIn(words, QRectF(38, 17.2, 159, 3.8)), QStringList({"VERDI", "MARCO", "[ospite]"}));
        QCOMPARE(wordsIn(words, QRectF(44, 24.8, 44, 3.8)), QStringList({"VRDMRC80A01H501U"}));
        QCOMPARE(wordsIn(words, QRectF(122, 24.8, 75, 3.8)), QStringList({"Centro", "impiego"}));
        QCOMPARE(wordsIn(words, QRectF(13, 42, 184, 217.8)),
                 QStringList({"Patente", "C", "e", "CQC.", "Esperienza", "di", "sei", "anni."}));
        QCOMPARE(wordsIn(words, QRectF(45, 267.2, 69, 3.8)), QStringList({"12/03/2024"}));
        QCOMPARE(wordsIn(words, QRectF(153, 267.2, 45, 3.8)), QStringList({"18,25"}));
        QCOMPARE(wordsIn(words, QRectF(12, 283, 186, 3.8)), QStringList({"Disponibile", "da", "aprile"}));
        // The suitable flag is not printed.
        for (const Word& word : words)
            QVERIFY2(!word.text.contains(QLatin1String("Idoneo")) && word.text != QLatin1String("Sì"),
                     qPrintable(word.text));
        // The window below is left as it was.
        QCOMPARE(w->txtConcorrente->text(), QStringLiteral("  VERDI MARCO [ospite]"));
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("7"));
    }

    // A card just stored and then edited prints as edited, with its
    // position.
    void printsUnsavedEditsOfAStoredCard()
    {
        TempProgramFolder folder;
        w->lblFile->setText(folder.file("Autisti.vai"));
        fillCard();
        w->lblPosizione->clear();
        // "[ospite]" does not match the fiscal code's name letters: stored
        // all the same.
        Messages::queueChoice(0);
        click(w->cmdSalva);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(Messages::takeShown().size(), 2);
        w->txtConcorrente->setText(QStringLiteral("VERDI MARCO ANTONIO"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, folder.file("scheda.pdf"));
        Modal::queueHook([](QDialog* d) { click(control<QPushButton>(d, "btnStampa")); });
        click(w->cmdStampa);
        const QList<Word> words = pdfWords(folder.file("scheda.pdf"));
        QCOMPARE(wordsIn(words, QRectF(38, 17.2, 159, 3.8)), QStringList({"VERDI", "MARCO", "ANTONIO"}));
        QCOMPARE(wordsIn(words, QRectF(180, 10.4, 20, 3.4)), QStringList({"p.", "1"}));
    }

    // A new card not yet stored: "p. " and nothing after it.
    void previewOfANewCard()
    {
        w->lblNome->setText(QStringLiteral("Selezione autisti"));
        w->NuovaScheda();
        w->txtConcorrente->setText(QStringLiteral("ROSSI ANNA"));
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            QVERIFY(qobject_cast<TfrmAnteprimaPagina*>(d));
            click(control<QPushButton>(d, "btnStampa"));
            closed = !d->isVisible();
        });
        click(w->cmdAnteprima);
        QCOMPARE(Modal::history(), QStringList({"TfrmAnteprimaPagina"}));
        QVERIFY(closed);
        QVERIFY(ReportPrinter::printed().isEmpty());
        const QList<ReportPrinter::Job> shown = ReportPrinter::previewed();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].reportName, QStringLiteral("Candidato e colloquio"));
        QCOMPARE(shown[0].pageCount, 1);
        const QStringList text = shown[0].pages.first();
        QVERIFY(text.contains(QStringLiteral("p. ")));
        QVERIFY(text.contains(QStringLiteral("ROSSI ANNA")));
        QVERIFY(text.contains(QStringLiteral("0,00")));
        QVERIFY(text.contains(w->txtEmail->text()));
        QVERIFY(!w->txtEmail->text().isEmpty());
    }

    void annullaPrintsNothing_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("print") << false;
        QTest::newRow("preview") << true;
    }
    void annullaPrintsNothing()
    {
        QFETCH(bool, preview);
        fillCard();
        int result = -1;
        Modal::queueHook([&](QDialog* d) {
            click(control<QPushButton>(d, "btnAnnulla"));
            result = d->isVisible() ? -1 : d->result();
        });
        click(preview ? w->cmdAnteprima : w->cmdStampa);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(ReportPrinter::printed().isEmpty());
        QVERIFY(ReportPrinter::previewed().isEmpty());
        QVERIFY(Messages::shown().isEmpty());
    }

    // Cancelling the printer dialog prints nothing, says nothing, and the
    // print window still closes.
    void cancelledPrinterDialog()
    {
        fillCard();
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Cancel);
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            click(control<QPushButton>(d, "btnStampa"));
            closed = !d->isVisible();
        });
        click(w->cmdStampa);
        QVERIFY(closed);
        const QList<ReportPrinter::Job> jobs = ReportPrinter::printed();
        QCOMPARE(jobs.size(), 1);
        QVERIFY(!jobs[0].accepted);
        QVERIFY(jobs[0].pdfPath.isEmpty());
        QVERIFY(Messages::shown().isEmpty());
    }

    // A failure while the sheet is filled is shown by the default error
    // report with its own text, and the window stays open.
    void failureGoesToTheErrorReport_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("message");
        QTest::newRow("print") << false
                               << QString::fromUtf8(
                                      "L'oggetto \"lblNome\" non esiste nel modello di stampa \"Candidato ed esame\".");
        QTest::newRow("preview")
            << true
            << QString::fromUtf8("L'oggetto \"lblNome\" non esiste nel modello di stampa \"Candidato e colloquio\".");
    }
    void failureGoesToTheErrorReport()
    {
        QFETCH(bool, preview);
        QFETCH(QString, message);
        fillCard();
        bool stayed = false;
        Modal::queueHook([&](QDialog* d) {
            // A template that lost its boxes.
            if (auto* p = qobject_cast<TfrmStampaPagina*>(d))
                p->repScheda = std::make_unique<Report>(QStringLiteral("Candidato ed esame"));
            if (auto* a = qobject_cast<TfrmAnteprimaPagina*>(d))
                a->repScheda = std::make_unique<Report>(QStringLiteral("Candidato e colloquio"));
            click(control<QPushButton>(d, "btnStampa"));
            stayed = d->isVisible();
            click(control<QPushButton>(d, "btnAnnulla"));
        });
        click(preview ? w->cmdAnteprima : w->cmdStampa);
        QVERIFY(stayed);
        const QList<Messages::Shown> got = Messages::takeShown();
        QCOMPARE(got.size(), 1);
        QCOMPARE(int(got[0].kind), int(Kind::Error));
        QCOMPARE(got[0].text, message);
        QVERIFY(ReportPrinter::printed().isEmpty());
        QVERIFY(ReportPrinter::previewed().isEmpty());
    }

    // Each use gets a fresh window, destroyed when it closes.
    void freshWindowEachUse()
    {
        fillCard();
        QList<QDialog*> seen;
        for (int i = 0; i < 2; ++i) {
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Cancel);
            Modal::queueHook([&](QDialog* d) {
                seen.append(d);
                click(control<QPushButton>(d, "btnStampa"));
            });
            click(w->cmdStampa);
        }
        QCOMPARE(seen.size(), 2);
        QVERIFY(w->findChildren<TfrmStampaPagina*>().isEmpty());
        QVERIFY(w->findChildren<TfrmAnteprimaPagina*>().isEmpty());
    }
};

SELVORA_TEST_MAIN(TestStampaPagina)
#include "tst_stampapagina.moc"

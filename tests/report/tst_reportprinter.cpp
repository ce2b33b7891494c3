// The printer seam and the preview window: scripted answers and what they
// record, the real printer dialog driven to print into a PDF file, and the
// preview's commands.
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "report/core/Report.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/ReportPrinter.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>

namespace {

std::unique_ptr<Report> twoPages()
{
    auto report = std::make_unique<Report>(QStringLiteral("Prova stampa"));
    Band* master = report->addBand(Band::Type::MasterData, QStringLiteral("MasterData"), 0);
    master->allowSplit = true;
    MemoView* memo = report->addMemo(QStringLiteral("txtRighe"), QRectF(0, 0, 600, 0), master);
    memo->linePitch = 12.822;
    memo->gapY = 0;
    for (int i = 1; i <= 100; ++i)
        memo->appendLine(QStringLiteral("Riga %1").arg(i));
    memo->setHeight(100 * 12.822);
    master->setHeight(memo->height());
    report->prepare();
    return report;
}

int pdfPageCount(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

} // namespace

class TestReportPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup()
    {
        ReportPrinter::setTestMode(true);
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void scriptedAnswersAreRecorded()
    {
        auto report = twoPages();
        QCOMPARE(report->pageCount(), 2); // 100 lines: 87 on an A4 portrait page
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Cancel);
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, pdf);
        QVERIFY(!ReportPrinter::print(nullptr, *report));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(ReportPrinter::print(nullptr, *report));
        QCOMPARE(pdfPageCount(pdf), 2);
        const QList<ReportPrinter::Job> jobs = ReportPrinter::printed();
        QCOMPARE(jobs.size(), 2);
        QVERIFY(!jobs.at(0).accepted);
        QVERIFY(jobs.at(1).accepted);
        QCOMPARE(jobs.at(1).pdfPath, pdf);
        QCOMPARE(jobs.at(1).reportName, QStringLiteral("Prova stampa"));
        QCOMPARE(jobs.at(1).pages.at(1).last(), QStringLiteral("Riga 100"));
    }

    void unscriptedPrintIsCancelledAndCounted()
    {
        auto report = twoPages();
        QVERIFY(!ReportPrinter::print(nullptr, *report));
        QCOMPARE(ReportPrinter::unscripted(), 1);
        ReportPrinter::resetTestState();
    }

    void previewIsRecordedInTestMode()
    {
        auto report = twoPages();
        ReportPrinter::preview(nullptr, *report);
        QCOMPARE(ReportPrinter::previewed().size(), 1);
        QCOMPARE(ReportPrinter::previewed().first().pageCount, 2);
        QVERIFY(Modal::history().isEmpty());
    }

    void realPrintDialogPrintsToAFile()
    {
        auto report = twoPages();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("dialogo.pdf"));
        ReportPrinter::setTestMode(false);
        bool sawFilePrinter = false;
        Modal::queueHook([&](QDialog* d) {
            auto* dialog = qobject_cast<QPrintDialog*>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->minPage(), 1);
            QCOMPARE(dialog->maxPage(), 2);
            auto* printers = d->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* file = d->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (!printers || !file) {
                d->reject();
                return;
            }
            sawFilePrinter = true;
            printers->setCurrentIndex(printers->count() - 1); // print to a PDF file
            file->setText(pdf);
            dialog->accept();
        });
        const bool printed = ReportPrinter::print(nullptr, *report);
        if (!sawFilePrinter)
            QSKIP("this printer dialog offers no file printer");
        QVERIFY(printed);
        QCOMPARE(pdfPageCount(pdf), 2);
        QCOMPARE(Modal::history(), QStringList {"QPrintDialog"});
    }

    void realPrintDialogCancelledPrintsNothing()
    {
        auto report = twoPages();
        ReportPrinter::setTestMode(false);
        Modal::queueHook([](QDialog* d) { d->reject(); });
        QVERIFY(!ReportPrinter::print(nullptr, *report));
        QVERIFY(Messages::shown().isEmpty());
    }

    void previewWindowCommands()
    {
        auto report = twoPages();
        ReportPreview preview(*report);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QVERIFY(preview.windowTitle().contains(QStringLiteral("Prova stampa")));
        QCOMPARE(preview.pvwPagine->pageCount(), 2);
        QCOMPARE(preview.lblPagina->text(), QStringLiteral("Pagina 1 di 2"));
        QTest::mouseClick(preview.btnSuccessiva, Qt::LeftButton);
        QCOMPARE(preview.lblPagina->text(), QStringLiteral("Pagina 2 di 2"));
        QTest::mouseClick(preview.btnPrima, Qt::LeftButton);
        QCOMPARE(preview.pvwPagine->currentPage(), 1);

        const double before = preview.zoom();
        QTest::mouseClick(preview.btnZoomPiu, Qt::LeftButton);
        QVERIFY(preview.zoom() > before);
        QTest::mouseClick(preview.btnZoomMeno, Qt::LeftButton);
        QTest::mouseClick(preview.btnZoomMeno, Qt::LeftButton);
        QVERIFY(preview.zoom() < before);

        QTest::mouseClick(preview.btnSchermoIntero, Qt::LeftButton);
        QVERIFY(preview.isFullScreenOn());
        QTest::mouseClick(preview.btnSchermoIntero, Qt::LeftButton);
        QVERIFY(!preview.isFullScreenOn());

        // Print from the preview goes through the printer dialog.
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Cancel);
        QTest::mouseClick(preview.btnStampa, Qt::LeftButton);
        QCOMPARE(ReportPrinter::takePrinted().size(), 1);

        QTest::mouseClick(preview.btnChiudi, Qt::LeftButton);
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Accepted));
    }

    void previewShowsOnlyTheTemplatesButtons()
    {
        auto report = twoPages();
        report->previewButtons = Report::PreviewZoom | Report::PreviewClose;
        ReportPreview preview(*report);
        QVERIFY(preview.btnStampa->isHidden());
        QVERIFY(preview.btnSchermoIntero->isHidden());
        QVERIFY(!preview.btnZoomPiu->isHidden());
        QVERIFY(!preview.btnChiudi->isHidden());
    }
};

SELVORA_TEST_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"

// The summary-list template and the summary print: the template's objects,
// the heights set before printing, and what reaches the paper (read back
// from the PDF the printer wrote).
#include "base/core/Clock.h"
#include "output/core/SummaryReport.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "shared/ui/SummaryPrint.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/PdfText.h"

#include <QProcess>

namespace {

QStringList pdfPages(const QString& path)
{
    return PdfText::pages(path);
}

// The non-empty lines of a page, blanks squeezed.
QStringList pageLines(const QString& page)
{
    QStringList out;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        const QString s = line.simplified();
        if (!s.isEmpty())
            out.append(s);
    }
    return out;
}

QStringList numbered(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1  Candidato numero %2  C.F. RSSMRA80A01H501U  Punti: %3,00")
                     .arg(QString::number(i).leftJustified(5, QLatin1Char(' ')))
                     .arg(i)
                     .arg(i % 30);
    return lines;
}

bool near(double a, double b)
{
    return qAbs(a - b) < 0.01;
}

} // namespace

class TestSummaryPrint : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2024, 11, 5));
    }
    void cleanup()
    {
        Clock::setToday(QDate());
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void templateObjects()
    {
        auto report = SummaryReport::create(QStringLiteral("Graduatoria di merito"));
        QCOMPARE(report->name(), QStringLiteral("Graduatoria di merito"));
        QCOMPARE(report->pageSizeMm(), QSizeF(297, 210));
        QCOMPARE(report->margins(), QMarginsF(10, 10, 10, 10));

        Band* title = report->band(QStringLiteral("ReportTitle"));
        QCOMPARE(title->type(), Band::Type::ReportTitle);
        QVERIFY(near(title->height(), 30.236)); // 8 mm
        MemoView* txtTitolo = report->memo(QStringLiteral("txtTitolo"));
        QVERIFY(near(txtTitolo->geometry().left(), 7.559)); // 2 mm
        QVERIFY(near(txtTitolo->geometry().top(), 3.780)); // 1 mm
        QVERIFY(near(txtTitolo->geometry().width(), 1031.811)); // 273 mm
        QVERIFY(near(txtTitolo->geometry().height(), 18.898)); // 5 mm
        QCOMPARE(txtTitolo->fontFamily, QStringLiteral("Verdana"));
        QCOMPARE(txtTitolo->fontSize, 9.0);
        QVERIFY(txtTitolo->bold);
        QCOMPARE(txtTitolo->textColour, QColor(Qt::white));
        QCOMPARE(txtTitolo->background, QColor(0x70, 0x80, 0x90)); // SlateGray
        QCOMPARE(txtTitolo->hAlign, MemoView::HAlign::Center);
        QCOMPARE(txtTitolo->text(), QStringLiteral("Riepilogo"));

        Band* master = report->band(QStringLiteral("MasterData"));
        QCOMPARE(master->type(), Band::Type::MasterData);
        QVERIFY(master->allowSplit);
        QVERIFY(near(master->height(), 105.827)); // 28 mm
        MemoView* txtRiepilogo = report->memo(QStringLiteral("txtRiepilogo"));
        QVERIFY(near(txtRiepilogo->geometry().left(), 11.339)); // 3 mm
        QCOMPARE(txtRiepilogo->geometry().top(), 0.0);
        QVERIFY(near(txtRiepilogo->geometry().width(), 1031.811));
        QCOMPARE(txtRiepilogo->fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(txtRiepilogo->fontSize, 8.0);
        QVERIFY(!txtRiepilogo->bold);
        QCOMPARE(txtRiepilogo->textColour, QColor(Qt::black));
        QVERIFY(!txtRiepilogo->background.isValid());
        QCOMPARE(txtRiepilogo->hAlign, MemoView::HAlign::Left);
        QVERIFY(!txtRiepilogo->wordWrap);

        Band* footer = report->band(QStringLiteral("Footer"));
        QCOMPARE(footer->type(), Band::Type::Footer);
        QVERIFY(near(footer->height(), 30.236));
        MemoView* txtPagina = report->memo(QStringLiteral("txtPagina"));
        QVERIFY(near(txtPagina->geometry().left(), 11.339));
        QVERIFY(near(txtPagina->geometry().top(), 7.559));
        QVERIFY(near(txtPagina->geometry().width(), 1028.031)); // 272 mm
        QCOMPARE(txtPagina->fontSize, 8.0);
        QVERIFY(txtPagina->bold);
        QCOMPARE(txtPagina->background, QColor(0x70, 0x80, 0x90));
        QVERIFY(txtPagina->allowExpressions);
        QCOMPARE(txtPagina->text(), QStringLiteral("Stampa eseguita in data [DATE]"));
    }

    void fillSetsTextAndHeights_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("memoHeight");
        QTest::newRow("none") << 0 << 0.0;
        QTest::newRow("one") << 1 << 12.822;
        QTest::newRow("twelve") << 12 << 153.864;
        QTest::newRow("thousand") << 1000 << 12822.0;
    }
    void fillSetsTextAndHeights()
    {
        QFETCH(int, lines);
        QFETCH(double, memoHeight);
        auto report = SummaryReport::create(QStringLiteral("Riepilogo dati"));
        // A second fill replaces the lines of the first.
        SummaryReport::fill(*report, QStringLiteral("Vecchio"), numbered(7));
        SummaryReport::fill(*report, QStringLiteral("Elenco candidati idonei"), numbered(lines));
        QCOMPARE(report->memo(QStringLiteral("txtTitolo"))->text(), QStringLiteral("Elenco candidati idonei"));
        QCOMPARE(report->memo(QStringLiteral("txtRiepilogo"))->lines(), numbered(lines));
        QVERIFY(near(report->memo(QStringLiteral("txtRiepilogo"))->height(), memoHeight));
        QVERIFY(near(report->band(QStringLiteral("MasterData"))->height(), memoHeight + 10.0));
    }

    void printOnOnePage()
    {
        auto report = SummaryReport::create(QStringLiteral("Riepilogo dati"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
        const QStringList lines = numbered(5);
        QVERIFY(SummaryPrint::print(nullptr, *report, QStringLiteral("Graduatoria di merito Prova [2024]"), lines));
        const QList<ReportPrinter::Job> jobs = ReportPrinter::takePrinted();
        QCOMPARE(jobs.size(), 1);
        QVERIFY(jobs.first().accepted);
        QCOMPARE(jobs.first().reportName, QStringLiteral("Riepilogo dati"));
        const QStringList pages = pdfPages(jobs.first().pdfPath);
        QCOMPARE(pages.size(), 1);
        QStringList expected {QStringLiteral("Graduatoria di merito Prova [2024]")};
        for (const QString& line : lines)
            expected << line.simplified();
        expected << QStringLiteral("Stampa eseguita in data 05/11/2024");
        QCOMPARE(pageLines(pages.first()), expected);
    }

    void longListContinuesOverPages()
    {
        // 53 lines fit under the title on the first page, 56 on each further
        // page: 150 lines take three pages (53 + 56 + 41) and the footer
        // follows the last line.
        auto report = SummaryReport::create(QStringLiteral("Graduatoria alfabetica"));
        const QString pdf =
            QDir::temp().filePath(QStringLiteral("selvora-summary-%1.pdf").arg(QCoreApplication::applicationPid()));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, pdf);
        const QStringList lines = numbered(150);
        QVERIFY(SummaryPrint::print(nullptr, *report, QStringLiteral("Graduatoria alfabetica Estate"), lines));
        const QStringList pages = pdfPages(pdf);
        QFile::remove(pdf);
        QCOMPARE(pages.size(), 3);
        const QStringList p1 = pageLines(pages.at(0));
        const QStringList p2 = pageLines(pages.at(1));
        const QStringList p3 = pageLines(pages.at(2));
        QCOMPARE(p1.first(), QStringLiteral("Graduatoria alfabetica Estate"));
        QCOMPARE(p1.size(), 1 + 53);
        QCOMPARE(p2.size(), 56);
        QCOMPARE(p3.size(), 41 + 1);
        QCOMPARE(p3.last(), QStringLiteral("Stampa eseguita in data 05/11/2024"));
        QStringList printed = p1.mid(1) + p2 + p3.mid(0, 41);
        QStringList expected;
        for (const QString& line : lines)
            expected << line.simplified();
        QCOMPARE(printed, expected);
        const QString all = pages.join(QLatin1Char('\n'));
        QCOMPARE(all.count(QStringLiteral("Graduatoria alfabetica Estate")), 1);
        QCOMPARE(all.count(QStringLiteral("Stampa eseguita in data")), 1);
    }

    void emptyListPrintsTitleBlockAndFooter()
    {
        auto report = SummaryReport::create(QStringLiteral("Riepilogo dati"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
        QVERIFY(SummaryPrint::print(nullptr, *report, QStringLiteral("Riepilogo vuoto"), QStringList()));
        QVERIFY(near(report->band(QStringLiteral("MasterData"))->height(), 10.0));
        const ReportPrinter::Job job = ReportPrinter::takePrinted().first();
        QCOMPARE(job.pageCount, 1);
        QCOMPARE(job.pages.first(), (QStringList {"Riepilogo vuoto", "Stampa eseguita in data 05/11/2024"}));
        QCOMPARE(pageLines(pdfPages(job.pdfPath).first()),
                 (QStringList {"Riepilogo vuoto", "Stampa eseguita in data 05/11/2024"}));
        // The footer stands an empty block of 10 units below the title band.
        const PreparedPage& page = report->page(0);
        double footerTop = -1;
        for (const PreparedItem& item : page.items)
            if (item.object == QLatin1String("txtPagina") && item.kind == PreparedItem::Kind::Fill)
                footerTop = item.rect.top();
        QVERIFY(near(footerTop, ReportUnits::mm(10) + ReportUnits::mm(8) + 10.0 + ReportUnits::mm(2)));
    }

    void cancelledDialogPrintsNothing()
    {
        auto report = SummaryReport::create(QStringLiteral("Riepilogo dati"));
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Cancel);
        QVERIFY(!SummaryPrint::print(nullptr, *report, QStringLiteral("T"), numbered(3)));
        const ReportPrinter::Job job = ReportPrinter::takePrinted().first();
        QVERIFY(!job.accepted);
        QVERIFY(job.pdfPath.isEmpty());
    }

    void printerThatCannotStartIsReported()
    {
        auto report = SummaryReport::create(QStringLiteral("Riepilogo dati"));
        QTemporaryDir dir;
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, dir.filePath(QStringLiteral("manca/x.pdf")));
        QVERIFY(!SummaryPrint::print(nullptr, *report, QStringLiteral("T"), numbered(3)));
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, Messages::Kind::Error);
        QCOMPARE(shown.first().text, ReportPrinter::printerFailureMessage());
        ReportPrinter::takePrinted();
    }
};

SELVORA_TEST_MAIN(TestSummaryPrint)
#include "tst_summaryprint.moc"

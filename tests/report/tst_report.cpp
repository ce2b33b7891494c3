// The report engine: objects and their properties, page layout with a
// splitting band, expressions, word wrap, drawing and PDF output.
#include "base/core/Clock.h"
#include "report/core/Report.h"
#include "report/core/ReportFonts.h"
#include "support/core/CoreTestMain.h"
#include "support/core/PdfText.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

namespace {

// The text of a PDF file as pdftotext reads it, page by page.
QStringList pdfPages(const QString& path)
{
    return PdfText::pages(path);
}

// While it lives, no file of this process may grow past limit bytes, as on
// a full disk: a write beyond it fails (EFBIG) instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_old;
        lowered.rlim_cur = limit;
        m_ok = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old {};
    void (*m_handler)(int) = nullptr;
    bool m_ok = false;
};

QString squeezed(const QString& text)
{
    return text.simplified();
}

// A template of the summary kind: title, splitting master band, footer.
std::unique_ptr<Report> listTemplate(int lines, bool split = true)
{
    auto report = std::make_unique<Report>(QStringLiteral("Prova"));
    report->setOrientation(QPageLayout::Landscape);
    Band* title = report->addBand(Band::Type::ReportTitle, QStringLiteral("Titolo"), ReportUnits::mm(8));
    report->addMemo(QStringLiteral("txtTitolo"), ReportUnits::mmRect(2, 1, 273, 5), title)
        ->setText(QStringLiteral("TITOLO"));
    Band* master = report->addBand(Band::Type::MasterData, QStringLiteral("Dati"), lines * 12.822 + 10);
    master->allowSplit = split;
    MemoView* memo = report->addMemo(QStringLiteral("txtRighe"),
                                     QRectF(ReportUnits::mm(3), 0, ReportUnits::mm(273), lines * 12.822), master);
    memo->setFont(QStringLiteral("Courier New"), 8);
    memo->linePitch = 12.822;
    memo->gapY = 0;
    for (int i = 1; i <= lines; ++i)
        memo->appendLine(QStringLiteral("RIGA %1").arg(i, 4, 10, QLatin1Char('0')));
    Band* footer = report->addBand(Band::Type::Footer, QStringLiteral("Piede"), ReportUnits::mm(8));
    report->addMemo(QStringLiteral("txtPiede"), ReportUnits::mmRect(3, 2, 272, 5), footer)
        ->setText(QStringLiteral("PIEDE"));
    return report;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ReportFonts::install(); }
    void init() { Clock::setToday(QDate(2024, 3, 7)); }
    void cleanup() { Clock::setToday(QDate()); }

    void units()
    {
        QVERIFY(qAbs(ReportUnits::mm(1.0) - 3.7795) < 0.0001);
        QVERIFY(qAbs(ReportUnits::mm(3.39) - 12.8126) < 0.001); // one summary line is 12.822 units
        const QRectF r = ReportUnits::mmRect(10, 20, 30, 40);
        QVERIFY(qAbs(r.left() - 37.795) < 0.001);
        QVERIFY(qAbs(r.height() - 151.181) < 0.001);
    }

    void pageSizeFollowsOrientation()
    {
        Report report;
        QCOMPARE(report.pageSizeMm(), QSizeF(210, 297));
        report.setOrientation(QPageLayout::Landscape);
        QCOMPARE(report.pageSizeMm(), QSizeF(297, 210));
        report.setMargins(QMarginsF(10, 10, 10, 10));
        const QRectF area = report.printableRect();
        QVERIFY(qAbs(area.width() - 277 * 3.779527559) < 0.001);
        QVERIFY(qAbs(area.height() - 190 * 3.779527559) < 0.001);
    }

    void findObjectsByNameAndKind()
    {
        Report report(QStringLiteral("Scheda"));
        Band* band = report.addBand(Band::Type::MasterData, QStringLiteral("MasterData"), 50);
        MemoView* memo = report.addMemo(QStringLiteral("txtNome"), QRectF(0, 0, 100, 20), band);
        PictureView* pic = report.addPicture(QStringLiteral("imgLogo"), QRectF(0, 0, 100, 100));
        report.addShape(QStringLiteral("shpFondo"), QRectF(0, 0, 10, 10));
        QCOMPARE(report.findObject(QStringLiteral("txtNome")), memo);
        QCOMPARE(report.findObject(QStringLiteral("MasterData")), band);
        QCOMPARE(report.findObject(QStringLiteral("nessuno")), nullptr);
        QCOMPARE(report.memo(QStringLiteral("txtNome")), memo);
        QCOMPARE(report.picture(QStringLiteral("imgLogo")), pic);
        QCOMPARE(report.band(QStringLiteral("MasterData")), band);
        QVERIFY_THROWS_EXCEPTION(ReportError, report.memo(QStringLiteral("nessuno")));
        QVERIFY_THROWS_EXCEPTION(ReportError, report.memo(QStringLiteral("shpFondo")));
        QVERIFY_THROWS_EXCEPTION(ReportError, report.band(QStringLiteral("txtNome")));
    }

    void memoLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "uno\r\ndue" << QStringList {"uno", "due"};
        QTest::newRow("LF") << "uno\ndue\ntre" << QStringList {"uno", "due", "tre"};
        QTest::newRow("LF CR as stored") << "uno\n\rdue" << QStringList {"uno", "due"};
        QTest::newRow("empty line kept") << "uno\r\n\r\ndue" << QStringList {"uno", "", "due"};
        QTest::newRow("empty text") << "" << QStringList {};
        QTest::newRow("one line") << "Rossi" << QStringList {"Rossi"};
    }
    void memoLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        MemoView memo(QStringLiteral("m"));
        memo.setText(text);
        QCOMPARE(memo.lines(), lines);
        QCOMPARE(memo.lineCount(), int(lines.size()));
    }

    void memoAppendCountClear()
    {
        MemoView memo(QStringLiteral("m"));
        memo.setText(QStringLiteral("Riepilogo"));
        memo.clearLines();
        QCOMPARE(memo.lineCount(), 0);
        memo.appendLine(QStringLiteral("a"));
        memo.appendLine(QString());
        memo.appendLine(QStringLiteral("c"));
        QCOMPARE(memo.lineCount(), 3);
        QCOMPARE(memo.text(), QStringLiteral("a\r\n\r\nc"));
        memo.setHeight(3 * 12.822);
        QCOMPARE(memo.height(), 38.466);
    }

    void expressions_data()
    {
        QTest::addColumn<bool>("allow");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("date") << true << "Stampa eseguita in data [DATE]"
                              << "Stampa eseguita in data 07/03/2024";
        QTest::newRow("off prints literally") << false << "Stampa eseguita in data [DATE]"
                                              << "Stampa eseguita in data [DATE]";
        QTest::newRow("other brackets stay") << true << "Rossi [sede di Roma]"
                                             << "Rossi [sede di Roma]";
        QTest::newRow("page numbers") << true << "Pagina [PAGE#] di [TOTALPAGES#]"
                                      << "Pagina 1 di 1";
    }
    void expressions()
    {
        QFETCH(bool, allow);
        QFETCH(QString, text);
        QFETCH(QString, printed);
        Report report;
        MemoView* memo = report.addMemo(QStringLiteral("m"), QRectF(0, 0, 600, 20));
        memo->allowExpressions = allow;
        memo->setText(text);
        report.prepare();
        QCOMPARE(report.pageCount(), 1);
        QCOMPARE(report.pageText(0), QStringList {printed});
    }

    void preparingAgainDropsOldPages()
    {
        auto report = listTemplate(200);
        report->prepare();
        const int first = report->pageCount();
        QVERIFY(first > 1);
        report->memo(QStringLiteral("txtRighe"))->clearLines();
        report->memo(QStringLiteral("txtRighe"))->setHeight(0);
        report->band(QStringLiteral("Dati"))->setHeight(10);
        report->prepare();
        QCOMPARE(report->pageCount(), 1);
        QCOMPARE(report->pageText(0), (QStringList {"TITOLO", "PIEDE"}));
    }

    void wordWrapOffKeepsOneLine()
    {
        Report report;
        MemoView* memo = report.addMemo(QStringLiteral("m"), QRectF(0, 0, 60, 60));
        const QString longText = QStringLiteral("Una riga molto lunga che non entra nel riquadro");
        memo->setText(longText);
        report.prepare();
        QCOMPARE(report.pageText(0), QStringList {longText});
    }

    void wordWrapOnBreaksAtWords()
    {
        Report report;
        MemoView* memo = report.addMemo(QStringLiteral("m"), QRectF(0, 0, 120, 400));
        memo->wordWrap = true;
        memo->setFont(QStringLiteral("Courier New"), 8); // 6.4 units a character
        // 116 units of text width hold 18 characters.
        memo->setText(QStringLiteral("alfa beta gamma delta epsilon zeta eta theta"));
        report.prepare();
        QCOMPARE(report.pageText(0), (QStringList {"alfa beta gamma", "delta epsilon zeta", "eta theta"}));
    }

    void wordWrapBreaksAWordTooLong()
    {
        Report report;
        MemoView* memo = report.addMemo(QStringLiteral("m"), QRectF(0, 0, 68, 400));
        memo->wordWrap = true;
        memo->setFont(QStringLiteral("Courier New"), 8); // 64 units hold 10 characters
        memo->setText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY z"));
        report.prepare();
        QCOMPARE(report.pageText(0), (QStringList {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXY z"}));
    }

    void linesBelowTheBoxAreCut()
    {
        Report report;
        MemoView* memo = report.addMemo(QStringLiteral("m"), QRectF(0, 0, 300, 30));
        memo->linePitch = 12;
        memo->gapY = 0;
        memo->setText(QStringLiteral("uno\ndue\ntre\nquattro"));
        report.prepare();
        // Lines start at 0, 12 and 24 inside a 30-unit box: the third shows
        // in part, the fourth not at all.
        QCOMPARE(report.pageText(0), (QStringList {"uno", "due", "tre"}));
    }

    void masterBandSplitsAcrossPages()
    {
        // Landscape A4 with 10 mm margins: 190 mm of height. Page 1 has the
        // 8 mm title above the block, so 182 mm = 687.87 units hold 53 lines
        // of 12.822; a whole page of 718.11 units holds 56.
        auto report = listTemplate(120);
        report->prepare();
        QCOMPARE(report->pageCount(), 3);
        QStringList expected1 {"TITOLO"};
        for (int i = 1; i <= 53; ++i)
            expected1 << QStringLiteral("RIGA %1").arg(i, 4, 10, QLatin1Char('0'));
        QCOMPARE(report->pageText(0), expected1);
        QStringList expected2;
        for (int i = 54; i <= 109; ++i)
            expected2 << QStringLiteral("RIGA %1").arg(i, 4, 10, QLatin1Char('0'));
        QCOMPARE(report->pageText(1), expected2);
        QStringList expected3;
        for (int i = 110; i <= 120; ++i)
            expected3 << QStringLiteral("RIGA %1").arg(i, 4, 10, QLatin1Char('0'));
        expected3 << QStringLiteral("PIEDE");
        QCOMPARE(report->pageText(2), expected3);

        // The continued lines start at the top of the printable area.
        const PreparedPage& second = report->page(1);
        QVERIFY(qAbs(second.items.first().rect.top() - ReportUnits::mm(10)) < 0.01);
    }

    void footerMovesToANewPageWhenItDoesNotFit()
    {
        // 53 lines fill page 1 to 679.6 units of 687.87; the 10 units after
        // them do not fit, so they and the footer go to page 2.
        auto report = listTemplate(53);
        report->prepare();
        QCOMPARE(report->pageCount(), 2);
        QCOMPARE(report->pageText(1), QStringList {"PIEDE"});
    }

    void bandThatMayNotSplitMovesWhole()
    {
        auto report = listTemplate(60, false);
        report->prepare();
        // 60 lines do not fit under the title; the whole block goes to page 2
        // (60 x 12.822 + 10 = 779 units is taller than the page, so it is cut
        // at the page's foot) and the footer follows on page 3.
        QCOMPARE(report->pageCount(), 3);
        QCOMPARE(report->pageText(0), QStringList {"TITOLO"});
        QCOMPARE(report->pageText(1).size(), 56);
        QCOMPARE(report->pageText(2), QStringList {"PIEDE"});
    }

    void pageNumbersCountPreparedPages()
    {
        auto report = listTemplate(120);
        MemoView* footer = report->memo(QStringLiteral("txtPiede"));
        footer->allowExpressions = true;
        footer->setText(QStringLiteral("Pagina [PAGE#] di [TOTALPAGES#]"));
        report->prepare();
        QCOMPARE(report->pageText(2).last(), QStringLiteral("Pagina 3 di 3"));
    }

    void objectsOnThePagePrintOnEveryPage()
    {
        auto report = listTemplate(120);
        report->addMemo(QStringLiteral("txtFondo"), QRectF(0, 700, 300, 15))->setText(QStringLiteral("FONDO"));
        report->prepare();
        for (int i = 0; i < report->pageCount(); ++i)
            QCOMPARE(report->pageText(i).first(), QStringLiteral("FONDO"));
    }

    void pictureKeepsItsProportionsCentred()
    {
        Report report;
        report.setMargins(QMarginsF(0, 0, 0, 0));
        PictureView* pic = report.addPicture(QStringLiteral("imgLogo"), QRectF(100, 100, 200, 200));
        QImage tall(50, 100, QImage::Format_RGB32);
        tall.fill(Qt::red);
        pic->setPicture(tall);
        tall.fill(Qt::blue); // the box keeps its own copy
        report.prepare();
        const PreparedItem& item = report.page(0).items.first();
        QCOMPARE(item.kind, PreparedItem::Kind::Image);
        QCOMPARE(item.rect, QRectF(150, 100, 100, 200));
        QCOMPARE(item.image.pixelColor(0, 0), QColor(Qt::red));
    }

    void renderDrawsInPlaceAndCutsAtTheBoxEdge()
    {
        Report report;
        report.setMargins(QMarginsF(0, 0, 0, 0));
        ShapeView* shape = report.addShape(QStringLiteral("shp"), QRectF(10, 10, 40, 20));
        shape->fill = Qt::blue;
        shape->border = QColor();
        MemoView* memo = report.addMemo(QStringLiteral("m"), QRectF(10, 100, 60, 30));
        memo->setFont(QStringLiteral("Courier New"), 20);
        memo->setText(QStringLiteral("MMMMMMMMMMMMMMMMMMMM"));
        report.prepare();

        QImage image(300, 300, QImage::Format_ARGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter painter(&image);
        report.render(&painter, 0, 1.0);
        painter.end();
        QCOMPARE(image.pixelColor(30, 20), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(60, 20), QColor(Qt::white));
        // Some ink inside the text box, none to its right.
        bool inkInside = false;
        for (int x = 12; x < 70 && !inkInside; ++x)
            for (int y = 100; y < 130; ++y)
                if (image.pixelColor(x, y) != QColor(Qt::white))
                    inkInside = true;
        QVERIFY(inkInside);
        for (int x = 71; x < 300; ++x)
            for (int y = 95; y < 135; ++y)
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    }

    void exportPdfHoldsEveryPage()
    {
        QTemporaryDir dir;
        auto report = listTemplate(120);
        report->prepare();
        const QString path = dir.filePath(QStringLiteral("prova.pdf"));
        QString error;
        QVERIFY2(report->exportPdf(path, &error), qPrintable(error));
        const QStringList pages = pdfPages(path);
        QCOMPARE(pages.size(), 3);
        QVERIFY(squeezed(pages.at(0)).startsWith(QStringLiteral("TITOLO RIGA 0001 RIGA 0002")));
        QVERIFY(squeezed(pages.at(0)).endsWith(QStringLiteral("RIGA 0053")));
        QVERIFY(squeezed(pages.at(1)).startsWith(QStringLiteral("RIGA 0054")));
        QVERIFY(squeezed(pages.at(2)).endsWith(QStringLiteral("RIGA 0120 PIEDE")));
    }

    // A search of the PDF for a word finds it: "fi" and "fl" are written as
    // two letters, never as one ligature glyph, in every family and weight
    // the templates use.
    void exportPdfWritesNoLigatures_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Arial") << QStringLiteral("Arial") << false;
        QTest::newRow("Arial bold") << QStringLiteral("Arial") << true;
        QTest::newRow("Verdana") << QStringLiteral("Verdana") << false;
        QTest::newRow("Verdana bold") << QStringLiteral("Verdana") << true;
        QTest::newRow("Courier New") << QStringLiteral("Courier New") << false;
    }

    void exportPdfWritesNoLigatures()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QTemporaryDir dir;
        Report report(QStringLiteral("Legature"));
        MemoView* memo = report.addMemo(QStringLiteral("m"), ReportUnits::mmRect(0, 0, 180, 40));
        memo->setFont(family, 10, bold);
        memo->setText(QStringLiteral("Graduatoria finale\ndiscorso fluido, affidabile e efficace"));
        report.prepare();
        const QString path = dir.filePath(QStringLiteral("legature.pdf"));
        QString error;
        QVERIFY2(report.exportPdf(path, &error), qPrintable(error));
        const QString text = squeezed(pdfPages(path).join(QLatin1Char(' ')));
        for (const char* word : {"finale", "fluido", "affidabile", "efficace"})
            QVERIFY2(text.contains(QLatin1String(word)), qPrintable(word + QStringLiteral(" in: ") + text));
        QVERIFY2(!text.contains(QChar(0xFB01)) && !text.contains(QChar(0xFB02)), qPrintable(text));
    }

    void exportPdfToAFolderFailsAndWritesNothing()
    {
        QTemporaryDir dir;
        auto report = listTemplate(3);
        report->prepare();
        QString error;
        QVERIFY(!report->exportPdf(dir.path(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!report->exportPdf(dir.filePath(QStringLiteral("manca/prova.pdf")), &error));
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    // A disk that fills up, even on the last bytes only, fails the export
    // and leaves the earlier file as it was, with no temporary file beside it.
    void exportPdfOnAFullDiskFails_data()
    {
        QTest::addColumn<qint64>("shortBy"); // bytes missing to the whole file; -1: no room at all
        QTest::newRow("no room at all") << qint64(-1);
        QTest::newRow("last byte missing") << qint64(1);
        QTest::newRow("last block missing") << qint64(4096);
    }
    void exportPdfOnAFullDiskFails()
    {
        QFETCH(qint64, shortBy);
        QTemporaryDir dir;
        auto report = listTemplate(120);
        report->prepare();
        const QString path = dir.filePath(QStringLiteral("prova.pdf"));
        QVERIFY(report->exportPdf(path, nullptr));
        const qint64 whole = QFileInfo(path).size();
        QVERIFY(whole > shortBy);
        const QByteArray before("earlier file");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(old.write(before), before.size());
        }
        QString error;
        bool written = false;
        {
            FileSizeLimit limit(rlim_t(shortBy < 0 ? 0 : whole - shortBy));
            QVERIFY(limit.ok());
            written = report->exportPdf(path, &error);
        }
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("prova.pdf")});
    }

    void exportPdfNeverReplacesADeviceOrPipe()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("tubo"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
        auto report = listTemplate(3);
        report->prepare();
        QString error;
        QVERIFY(!report->exportPdf(fifo, &error));
        QVERIFY(!QFileInfo(fifo).isFile());
        QVERIFY(QFileInfo(fifo).exists());
    }
};

SELVORA_CORE_TEST_MAIN(TestReport)
#include "tst_report.moc"

// The card templates: every box at its place and size, fonts and colours,
// and what reaches the paper, read back from the PDF file the way a reader
// of the sheet would check it (word boxes from pdftotext -bbox, pixels from
// pdftoppm): values in their boxes, texts cut at the box edge, the details
// wrapped and stopped at the box bottom on one page, brackets printed as
// typed, "p. " with no position, the photo fitted and centred.
#include "output/core/CardTemplates.h"
#include "report/core/Report.h"
#include "report/core/ReportFonts.h"
#include "support/core/CoreTestMain.h"
#include "support/core/PdfText.h"
#include "support/core/TempProgramFolder.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using PdfText::Word;
using PdfPage = PdfText::Page;

QList<PdfPage> pdfWords(const QString& path)
{
    return PdfText::words(path);
}

QStringList pdfText(const QString& path)
{
    return PdfText::pages(path);
}

constexpr double kPxPerMm = 5.0;

// The first page drawn at 127 dpi: 5 pixels a millimetre.
QImage pdfImage(const QString& path)
{
    return PdfText::firstPageImage(path, 127);
}

QStringList wordsIn(const PdfPage& page, const QRectF& boxMm, double allowance = 0.35)
{
    const QRectF area = boxMm.adjusted(-allowance, -allowance, allowance, allowance);
    QStringList out;
    for (const Word& w : page.words)
        if (area.contains(w.mm))
            out.append(w.text);
    return out;
}

QStringList wordsTouching(const PdfPage& page, const QRectF& boxMm)
{
    QStringList out;
    for (const Word& w : page.words)
        if (boxMm.intersects(w.mm))
            out.append(w.text);
    return out;
}

// The bounding rectangle, in millimetres, of the pixels of one colour.
QRectF colourExtent(const QImage& image, QRgb colour, int tolerance = 40)
{
    int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            if (qAbs(qRed(c) - qRed(colour)) <= tolerance && qAbs(qGreen(c) - qGreen(colour)) <= tolerance &&
                qAbs(qBlue(c) - qBlue(colour)) <= tolerance) {
                x0 = qMin(x0, x);
                y0 = qMin(y0, y);
                x1 = qMax(x1, x);
                y1 = qMax(y1, y);
            }
        }
    }
    if (x1 < 0)
        return {};
    return QRectF(x0 / kPxPerMm, y0 / kPxPerMm, (x1 + 1 - x0) / kPxPerMm, (y1 + 1 - y0) / kPxPerMm);
}

// Pixels of the area (millimetres) close to a colour.
int countColour(const QImage& image, const QRectF& mm, QRgb colour, int tolerance = 60)
{
    int n = 0;
    for (int y = qRound(mm.top() * kPxPerMm); y < qRound(mm.bottom() * kPxPerMm); ++y)
        for (int x = qRound(mm.left() * kPxPerMm); x < qRound(mm.right() * kPxPerMm); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAbs(qRed(c) - qRed(colour)) <= tolerance && qAbs(qGreen(c) - qGreen(colour)) <= tolerance &&
                qAbs(qBlue(c) - qBlue(colour)) <= tolerance)
                ++n;
        }
    return n;
}

bool near(double a, double b, double tolerance = 0.01)
{
    return qAbs(a - b) <= tolerance;
}

// A memo's place in millimetres.
QRectF mmOf(const ReportObject* object)
{
    const QRectF r = object->geometry();
    return QRectF(ReportUnits::toMm(r.left()), ReportUnits::toMm(r.top()), ReportUnits::toMm(r.width()),
                  ReportUnits::toMm(r.height()));
}

QString rectText(const QRectF& r)
{
    return QStringLiteral("%1, %2, %3 x %4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

const QRgb kCornflower = qRgb(0x64, 0x95, 0xED);
const QRgb kRoyal = qRgb(0x41, 0x69, 0xE1);

CardTemplates::InterviewCard sampleInterview()
{
    CardTemplates::InterviewCard c;
    c.sessione = QStringLiteral("  Selezione magazzinieri 2024 ");
    c.posizione = QStringLiteral(" 12 ");
    c.concorrente = QStringLiteral("\tBIANCHI LAURA\r\n");
    c.responsabile = QStringLiteral("BNCLRA85M41F205Z");
    c.telefono = QStringLiteral("Agenzia Nord");
    c.email = QStringLiteral("05/11/2024");
    c.gare = QStringLiteral("\n\nPrima riga dettagli\nseconda riga [DATE] qui\n  ");
    c.punteggio = QStringLiteral("27,50");
    c.note = QStringLiteral("Richiamare [PAGE#] lunedi");
    return c;
}

} // namespace

class TestCardTemplates : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString exported(const Report& report, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QString error;
        if (!report.exportPdf(path, &error))
            qWarning("export failed: %s", qPrintable(error));
        return path;
    }

private slots:
    void initTestCase()
    {
        ReportFonts::install();
        // SELVORA_KEEP_PDF=1 keeps the sheets to look at them.
        if (qEnvironmentVariableIsSet("SELVORA_KEEP_PDF")) {
            m_dir.setAutoRemove(false);
            qInfo("sheets in %s", qPrintable(m_dir.path()));
        }
    }

    // --- interview card ----------------------------------------------------

    void interviewPage_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("name");
        QTest::newRow("print") << false << "Candidato ed esame";
        QTest::newRow("preview") << true << "Candidato e colloquio";
    }
    void interviewPage()
    {
        QFETCH(bool, preview);
        QFETCH(QString, name);
        auto report = CardTemplates::interviewCard(preview ? CardTemplates::InterviewCopy::Preview
                                                           : CardTemplates::InterviewCopy::Print);
        QCOMPARE(report->name(), name);
        QCOMPARE(report->pageSizeMm(), QSizeF(210, 297));
        QCOMPARE(report->orientation(), QPageLayout::Portrait);
        QCOMPARE(report->margins(), QMarginsF(0, 0, 0, 0));
        QCOMPARE(report->previewButtons, int(Report::PreviewAll));
    }

    void interviewBoxes_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRectF>("place");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("text");
        const QColor white(Qt::white), black(Qt::black), yellow(0xFF, 0xFF, 0xE0);
        const int L = int(MemoView::HAlign::Left), R = int(MemoView::HAlign::Right);
        for (bool preview : {false, true}) {
            const char* tag = preview ? "preview " : "print ";
            auto row = [&](const char* box) -> QTestData& {
                return QTest::newRow(qPrintable(QString::fromLatin1(tag) + QLatin1String(box)))
                    << preview << QString::fromLatin1(box);
            };
            row("lblNome") << QRectF(10, 10.4, 169, 3.4) << 7.0 << false << black << L << "";
            row("txtPagina") << QRectF(180, 10.4, 20, 3.4) << 7.0 << false << black << R << "p. 00000";
            row("txtConcorrente") << QRectF(38, 17.2, 159, 3.8) << 8.0 << true << white << L << "";
            row("txtResponsabile") << QRectF(44, 24.8, 44, 3.8) << 8.0 << true << white << L << "";
            row("titProvenienza") << QRectF(93.2, 24.8, preview ? 28.4 : 27.4, 3.8) << 8.0 << true << yellow << L
                                  << "PROVENIENZA:";
            row("txtTelefono") << (preview ? QRectF(123, 24.8, 74, 3.8) : QRectF(122, 24.8, 75, 3.8)) << 8.0 << true
                               << white << L << "";
            row("txtGare") << QRectF(13, 42, 184, 217.8) << 8.0 << false << black << L << "";
            row("titData") << QRectF(12, 267.2, preview ? 31.4 : 32.4, 3.8) << 8.0 << true << yellow << L
                           << "DATA COLLOQUIO:";
            row("txtEmail") << (preview ? QRectF(44, 267.2, 70, 3.8) : QRectF(45, 267.2, 69, 3.8)) << 8.0 << true
                            << white << L << "";
            row("txtPunteggio") << QRectF(153, 267.2, 45, 3.8) << 8.0 << true << white << R << "0,00";
            row("txtNote") << QRectF(12, 283, 186, 3.8) << 8.0 << false << black << L << "";
        }
    }
    void interviewBoxes()
    {
        QFETCH(bool, preview);
        QFETCH(QString, box);
        QFETCH(QRectF, place);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QFETCH(int, align);
        QFETCH(QString, text);
        auto report = CardTemplates::interviewCard(preview ? CardTemplates::InterviewCopy::Preview
                                                           : CardTemplates::InterviewCopy::Print);
        MemoView* memo = report->memo(box);
        const QRectF at = mmOf(memo);
        QVERIFY2(near(at.left(), place.left()) && near(at.top(), place.top()) && near(at.width(), place.width()) &&
                     near(at.height(), place.height()),
                 qPrintable(rectText(at)));
        QCOMPARE(memo->fontFamily, QStringLiteral("Arial"));
        QCOMPARE(memo->fontSize, points);
        QCOMPARE(memo->bold, bold);
        QCOMPARE(memo->textColour, colour);
        QCOMPARE(int(memo->hAlign), align);
        QCOMPARE(memo->text(), text);
        QVERIFY(!memo->allowExpressions);
        QCOMPARE(memo->wordWrap, box == QLatin1String("txtGare"));
        if (box == QLatin1String("txtGare")) {
            QCOMPARE(memo->background, QColor(0xF5, 0xF5, 0xDC));
            QCOMPARE(memo->vAlign, MemoView::VAlign::Top);
        }
    }

    // The bars and their captions: colours, places, and each caption inside
    // its bar.
    void interviewBars_data()
    {
        QTest::addColumn<QRectF>("bar");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("colour");
        const QColor cornflower(0x64, 0x95, 0xED), beige(0xF5, 0xF5, 0xDC), yellow(0xFF, 0xFF, 0xE0);
        QTest::newRow("candidato") << QRectF(11, 16, 188, 6) << cornflower << "titCommittente"
                                   << "CANDIDATO:" << 8.0 << yellow;
        QTest::newRow("codice") << QRectF(11, 23.6, 79, 6) << cornflower << "titImpresa"
                                << "CODICE FISCALE:" << 8.0 << yellow;
        QTest::newRow("provenienza") << QRectF(92, 23.6, 107, 6) << cornflower << "titProvenienza"
                                     << "PROVENIENZA:" << 8.0 << yellow;
        QTest::newRow("dettagli") << QRectF(11, 32, 188, 6) << cornflower << "titDettagli"
                                  << "DETTAGLI COLLOQUIO:" << 9.0 << yellow;
        QTest::newRow("area") << QRectF(11, 39.8, 188, 223) << beige << "txtGare"
                              << "" << 8.0 << QColor(Qt::black);
        QTest::newRow("data") << QRectF(11, 266, 104, 6) << cornflower << "titData"
                              << "DATA COLLOQUIO:" << 8.0 << yellow;
        QTest::newRow("punteggio") << QRectF(119, 266, 80, 5.8) << cornflower << "titPunteggio"
                                   << "Punteggio totale:" << 9.0 << yellow;
        QTest::newRow("note") << QRectF(11, 275, 188, 5.8) << cornflower << "titNote"
                              << "NOTE:" << 9.0 << QColor(Qt::white);
        QTest::newRow("valore note") << QRectF(11, 281.8, 188, 6) << beige << "txtNote"
                                     << "" << 8.0 << QColor(Qt::black);
    }
    void interviewBars()
    {
        QFETCH(QRectF, bar);
        QFETCH(QColor, fill);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(QColor, colour);
        for (auto copy : {CardTemplates::InterviewCopy::Print, CardTemplates::InterviewCopy::Preview}) {
            auto report = CardTemplates::interviewCard(copy);
            // The filled rectangle at the bar's place.
            bool found = false;
            for (const PreparedItem& item : (report->prepare(), report->page(0).items)) {
                if (item.kind != PreparedItem::Kind::Fill || item.colour != fill)
                    continue;
                const QRectF r(ReportUnits::toMm(item.rect.left()), ReportUnits::toMm(item.rect.top()),
                               ReportUnits::toMm(item.rect.width()), ReportUnits::toMm(item.rect.height()));
                if (near(r.left(), bar.left()) && near(r.top(), bar.top()) && near(r.width(), bar.width()) &&
                    near(r.height(), bar.height()))
                    found = true;
            }
            QVERIFY2(found, qPrintable(rectText(bar)));
            MemoView* memo = report->memo(caption);
            QVERIFY2(bar.contains(mmOf(memo)), qPrintable(rectText(mmOf(memo))));
            QCOMPARE(memo->text(), text);
            QCOMPARE(memo->fontSize, points);
            QCOMPARE(memo->textColour, colour);
        }
    }

    void interviewFrame()
    {
        auto report = CardTemplates::interviewCard(CardTemplates::InterviewCopy::Print);
        report->prepare();
        QList<QLineF> lines;
        for (const PreparedItem& item : report->page(0).items)
            if (item.kind == PreparedItem::Kind::Line)
                lines.append(QLineF(ReportUnits::toMm(item.line.x1()), ReportUnits::toMm(item.line.y1()),
                                    ReportUnits::toMm(item.line.x2()), ReportUnits::toMm(item.line.y2())));
        const QList<QLineF> expected = {QLineF(10, 14.8, 200, 14.8), QLineF(10, 289.2, 200, 289.2),
                                        QLineF(10, 15, 10, 289), QLineF(200, 15, 200, 289)};
        QCOMPARE(lines.size(), 4);
        for (const QLineF& e : expected) {
            bool found = false;
            for (const QLineF& l : lines)
                found = found ||
                    (near(l.x1(), e.x1()) && near(l.y1(), e.y1()) && near(l.x2(), e.x2()) && near(l.y2(), e.y2()));
            QVERIFY2(found,
                     qPrintable(QStringLiteral("%1,%2 - %3,%4").arg(e.x1()).arg(e.y1()).arg(e.x2()).arg(e.y2())));
        }
    }

    void interviewFill()
    {
        auto report = CardTemplates::interviewCard(CardTemplates::InterviewCopy::Print);
        report->setOrientation(QPageLayout::Landscape);
        CardTemplates::fillInterviewCard(*report, sampleInterview());
        QCOMPARE(report->orientation(), QPageLayout::Portrait);
        QCOMPARE(report->memo("lblNome")->text(), QStringLiteral("Selezione magazzinieri 2024"));
        QCOMPARE(report->memo("txtPagina")->text(), QStringLiteral("p. 12"));
        QCOMPARE(report->memo("txtConcorrente")->text(), QStringLiteral("BIANCHI LAURA"));
        QCOMPARE(report->memo("txtResponsabile")->text(), QStringLiteral("BNCLRA85M41F205Z"));
        QCOMPARE(report->memo("txtTelefono")->text(), QStringLiteral("Agenzia Nord"));
        QCOMPARE(report->memo("txtEmail")->text(), QStringLiteral("05/11/2024"));
        // The details keep their lines; only the blank ends go.
        QCOMPARE(report->memo("txtGare")->lines(),
                 QStringList({QStringLiteral("Prima riga dettagli"), QStringLiteral("seconda riga [DATE] qui")}));
        QCOMPARE(report->memo("txtPunteggio")->text(), QStringLiteral("27,50"));
        QCOMPARE(report->memo("txtNote")->text(), QStringLiteral("Richiamare [PAGE#] lunedi"));
    }

    // Every value in its box on the printed sheet, brackets as typed.
    void interviewOnPaper_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("print") << false;
        QTest::newRow("preview") << true;
    }
    void interviewOnPaper()
    {
        QFETCH(bool, preview);
        auto report = CardTemplates::interviewCard(preview ? CardTemplates::InterviewCopy::Preview
                                                           : CardTemplates::InterviewCopy::Print);
        CardTemplates::fillInterviewCard(*report, sampleInterview());
        report->prepare();
        QCOMPARE(report->pageCount(), 1);
        const QString path = exported(*report, preview ? "colloquio-anteprima.pdf" : "colloquio-stampa.pdf");
        const QList<PdfPage> pages = pdfWords(path);
        QCOMPARE(pages.size(), 1);
        const PdfPage& page = pages.first();
        QVERIFY(near(page.mm.width(), 210, 0.1) && near(page.mm.height(), 297, 0.1));

        QCOMPARE(wordsIn(page, QRectF(10, 10.4, 169, 3.4)), QStringList({"Selezione", "magazzinieri", "2024"}));
        QCOMPARE(wordsIn(page, QRectF(180, 10.4, 20, 3.4)), QStringList({"p.", "12"}));
        QCOMPARE(wordsIn(page, QRectF(11, 16, 27, 6)), QStringList({"CANDIDATO:"}));
        QCOMPARE(wordsIn(page, QRectF(38, 17.2, 159, 3.8)), QStringList({"BIANCHI", "LAURA"}));
        QCOMPARE(wordsIn(page, QRectF(11, 23.6, 33, 6)), QStringList({"CODICE", "FISCALE:"}));
        QCOMPARE(wordsIn(page, QRectF(44, 24.8, 44, 3.8)), QStringList({"BNCLRA85M41F205Z"}));
        QCOMPARE(wordsIn(page, QRectF(93.2, 24.8, preview ? 28.4 : 27.4, 3.8)), QStringList({"PROVENIENZA:"}));
        QCOMPARE(wordsIn(page, preview ? QRectF(123, 24.8, 74, 3.8) : QRectF(122, 24.8, 75, 3.8)),
                 QStringList({"Agenzia", "Nord"}));
        QCOMPARE(wordsIn(page, QRectF(11, 32, 188, 6)), QStringList({"DETTAGLI", "COLLOQUIO:"}));
        QCOMPARE(wordsIn(page, QRectF(13, 42, 184, 217.8)),
                 QStringList({"Prima", "riga", "dettagli", "seconda", "riga", "[DATE]", "qui"}));
        QCOMPARE(wordsIn(page, QRectF(12, 267.2, preview ? 31.4 : 32.4, 3.8)), QStringList({"DATA", "COLLOQUIO:"}));
        QCOMPARE(wordsIn(page, preview ? QRectF(44, 267.2, 70, 3.8) : QRectF(45, 267.2, 69, 3.8)),
                 QStringList({"05/11/2024"}));
        QCOMPARE(wordsIn(page, QRectF(119, 266, 34, 5.8)), QStringList({"Punteggio", "totale:"}));
        QCOMPARE(wordsIn(page, QRectF(153, 267.2, 45, 3.8)), QStringList({"27,50"}));
        QCOMPARE(wordsIn(page, QRectF(11, 275, 188, 5.8)), QStringList({"NOTE:"}));
        QCOMPARE(wordsIn(page, QRectF(12, 283, 186, 3.8)), QStringList({"Richiamare", "[PAGE#]", "lunedi"}));

        // The position and the score stand against the right edge of their
        // boxes; the details start on the box's first line.
        for (const Word& w : page.words) {
            if (w.text == QLatin1String("12"))
                QVERIFY2(w.mm.right() > 198.5 && w.mm.right() <= 200.05, qPrintable(rectText(w.mm)));
            if (w.text == QLatin1String("27,50"))
                QVERIFY2(w.mm.right() > 196.5 && w.mm.right() <= 198.05, qPrintable(rectText(w.mm)));
            if (w.text == QLatin1String("Prima"))
                QVERIFY2(w.mm.top() < 43.5 && w.mm.left() < 14, qPrintable(rectText(w.mm)));
        }
        // Nothing printed besides these words (the suitable flag is not printed).
        QCOMPARE(page.words.size(), 33);
    }

    // A card not yet stored prints "p. " with nothing after it.
    void interviewEmptyPosition()
    {
        auto report = CardTemplates::interviewCard(CardTemplates::InterviewCopy::Print);
        CardTemplates::InterviewCard card = sampleInterview();
        card.posizione = QStringLiteral("   ");
        CardTemplates::fillInterviewCard(*report, card);
        QCOMPARE(report->memo("txtPagina")->text(), QStringLiteral("p. "));
        report->prepare();
        const QList<PdfPage> pages = pdfWords(exported(*report, "senza-posizione.pdf"));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(wordsTouching(pages.first(), QRectF(170, 8, 40, 6.5)), QStringList({"p."}));
        QVERIFY(!pdfText(exported(*report, "senza-posizione.pdf")).first().contains(QLatin1String("00000")));
    }

    // A value wider than its box is cut at the box edge on one line; the
    // notes, which go on overleaf, fill their box to its edge.
    void interviewCutAtBoxEdge()
    {
        auto report = CardTemplates::interviewCard(CardTemplates::InterviewCopy::Print);
        CardTemplates::InterviewCard card = sampleInterview();
        card.concorrente = QString(120, QLatin1Char('W'));
        card.responsabile = QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
        card.note = QString(500, QLatin1Char('M'));
        CardTemplates::fillInterviewCard(*report, card);
        report->prepare();
        QCOMPARE(report->pageCount(), 2);
        const QString path = exported(*report, "taglio.pdf");
        const QImage image = pdfImage(path);
        QVERIFY(!image.isNull());
        // Inside the candidate box the white capitals show; right of its edge
        // (197 mm) the bar stays plain cornflower blue, with no white text.
        QVERIFY(countColour(image, QRectF(150, 17.6, 46.5, 3), qRgb(255, 255, 255), 30) > 100);
        QCOMPARE(countColour(image, QRectF(197.4, 17.4, 1.4, 3.4), qRgb(255, 255, 255), 90), 0);
        QCOMPARE(countColour(image, QRectF(197.4, 17.4, 1.4, 3.4), kCornflower, 30), 7 * 17);
        // The fiscal code stops at 88 mm, inside its bar (which ends at 90).
        QCOMPARE(countColour(image, QRectF(88.4, 24.8, 1.4, 3.6), qRgb(255, 255, 255), 90), 0);
        // The notes stop at 198 mm: no black beyond, one line only.
        QVERIFY(countColour(image, QRectF(150, 283.4, 47.5, 3), qRgb(0, 0, 0), 80) > 100);
        QCOMPARE(countColour(image, QRectF(198.4, 282, 1.2, 6), qRgb(0, 0, 0), 80), 0);
        QCOMPARE(countColour(image, QRectF(12, 287.2, 186, 1.6), qRgb(0, 0, 0), 80), 0);
    }

    // Notes longer than their one-line box are printed whole: the box holds
    // the first line, the caption bar says that they go on, and the rest is
    // wrapped on the next page under the session name and the position.
    void interviewLongNotesGoOn_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("words"); // of 8 characters with the blank: 55 make 440
        QTest::newRow("print, 440 characters") << false << 55;
        QTest::newRow("preview, 440 characters") << true << 55;
        QTest::newRow("print, 500 characters") << false << 63;
        QTest::newRow("print, one line") << false << 10;
    }
    void interviewLongNotesGoOn()
    {
        QFETCH(bool, preview);
        QFETCH(int, words);
        QStringList note;
        for (int i = 1; i <= words; ++i)
            note << QStringLiteral("nota%1").arg(i, 3, 10, QLatin1Char('0'));
        auto report = CardTemplates::interviewCard(preview ? CardTemplates::InterviewCopy::Preview
                                                           : CardTemplates::InterviewCopy::Print);
        CardTemplates::InterviewCard card = sampleInterview();
        card.note = note.join(QLatin1Char(' '));
        CardTemplates::fillInterviewCard(*report, card);
        report->prepare();
        const bool goesOn = words > 10;
        QCOMPARE(report->pageCount(), goesOn ? 2 : 1);
        const QList<PdfPage> pages = pdfWords(exported(*report, QStringLiteral("note-%1.pdf").arg(words)));
        QCOMPARE(pages.size(), goesOn ? 2 : 1);

        // The first page: the details, the score and the rest stay in place;
        // the notes box holds one line of whole words.
        const PdfPage& first = pages.first();
        QCOMPARE(wordsIn(first, QRectF(153, 267.2, 45, 3.8)), QStringList({"27,50"}));
        QStringList printed = wordsIn(first, QRectF(12, 283, 186, 3.8));
        QVERIFY(!printed.isEmpty());
        QCOMPARE(wordsTouching(first, QRectF(0, 287.8, 210, 9.2)), QStringList());
        QCOMPARE(wordsIn(first, QRectF(11, 275, 188, 5.8)).join(QLatin1Char(' ')),
                 goesOn ? QStringLiteral("NOTE: continua alla pagina seguente") : QStringLiteral("NOTE:"));
        if (goesOn) {
            QVERIFY(printed.size() < words);
            const PdfPage& second = pages.at(1);
            QCOMPARE(wordsIn(second, QRectF(10, 10.4, 169, 3.4)), QStringList({"Selezione", "magazzinieri", "2024"}));
            QCOMPARE(wordsIn(second, QRectF(180, 10.4, 20, 3.4)), QStringList({"p.", "12"}));
            QCOMPARE(wordsIn(second, QRectF(11, 16, 188, 5.8)), QStringList({"NOTE", "(seguito):"}));
            // Nothing else of the card is repeated.
            QVERIFY(!wordsTouching(second, QRectF(0, 0, 210, 297)).contains(QStringLiteral("BIANCHI")));
            const QStringList rest = wordsIn(second, QRectF(12, 24, 186, 250));
            QCOMPARE(rest.size() + 7, second.words.size());
            printed += rest;
            for (const Word& w : second.words)
                if (w.mm.top() > 22.8)
                    QVERIFY2(w.mm.left() >= 11.9 && w.mm.right() <= 198.1, qPrintable(rectText(w.mm)));
        }
        // Every word once, in order.
        QCOMPARE(printed, note);
    }

    // Interview details longer than their box: wrapped at the box width,
    // printed only as far as the box reaches, on one page; what follows the
    // box stays where it is.
    void interviewDetailsStopAtBoxBottom()
    {
        QStringList words;
        for (int i = 1; i <= 2500; ++i)
            words << QStringLiteral("w%1").arg(i, 4, 10, QLatin1Char('0'));
        auto report = CardTemplates::interviewCard(CardTemplates::InterviewCopy::Print);
        CardTemplates::InterviewCard card = sampleInterview();
        card.gare = QStringLiteral("Inizio [x]\n\n") + words.join(QLatin1Char(' '));
        CardTemplates::fillInterviewCard(*report, card);
        report->prepare();
        QCOMPARE(report->pageCount(), 1);
        const QString path = exported(*report, "dettagli.pdf");
        const QList<PdfPage> pages = pdfWords(path);
        QCOMPARE(pages.size(), 1);
        const PdfPage& page = pages.first();

        // The words of the details, in order, with the lines they are on.
        const QRectF gare(13, 42, 184, 217.8);
        QStringList printed;
        QList<double> lineTops;
        double bottom = 0;
        for (const Word& w : page.words) {
            if (!w.mm.intersects(QRectF(11, 39.8, 188, 223)))
                continue;
            QVERIFY2(gare.adjusted(-0.05, -0.05, 0.05, 0.05).contains(w.mm), qPrintable(w.text + " " + rectText(w.mm)));
            printed.append(w.text);
            bottom = qMax(bottom, w.mm.bottom());
            bool known = false;
            for (double t : lineTops)
                known = known || qAbs(t - w.mm.top()) < 0.5;
            if (!known)
                lineTops.append(w.mm.top());
        }
        QCOMPARE(printed.mid(0, 4), QStringList({"Inizio", "[x]", "w0001", "w0002"}));
        // Word after word, none skipped at the line breaks, until the box
        // is full; the rest is left off.
        for (int i = 2; i < printed.size(); ++i)
            QCOMPARE(printed.at(i), words.at(i - 2));
        QVERIFY(printed.size() > 600 && printed.size() < 2500);
        // The box holds 67 lines of 3.25 mm (the blank second line included).
        QCOMPARE(lineTops.size(), 66);
        QVERIFY2(bottom <= 259.8, qPrintable(QString::number(bottom)));
        // No line shows cut in half at the bottom: below the last whole line
        // the beige area is empty down to its edge.
        const QImage image = pdfImage(path);
        QCOMPARE(countColour(image, QRectF(13, bottom + 0.3, 184, 262.6 - bottom - 0.3), qRgb(0, 0, 0), 120), 0);
        // The boxes after the details stay in place.
        QCOMPARE(wordsIn(page, QRectF(153, 267.2, 45, 3.8)), QStringList({"27,50"}));
        QCOMPARE(wordsIn(page, QRectF(12, 283, 186, 3.8)), QStringList({"Richiamare", "[PAGE#]", "lunedi"}));
    }

    // --- candidate card ----------------------------------------------------

    void candidatePage()
    {
        auto report = CardTemplates::candidateCard();
        QCOMPARE(report->name(), QStringLiteral("Scheda Candidato"));
        QCOMPARE(report->pageSizeMm(), QSizeF(210, 297));
        QCOMPARE(report->orientation(), QPageLayout::Portrait);
        QCOMPARE(report->margins(), QMarginsF(10, 10, 10, 10));
        QCOMPARE(report->previewButtons, int(Report::PreviewAll));
        MemoView* name = report->memo("txtCandidato");
        QVERIFY(near(mmOf(name).left(), 2) && near(mmOf(name).width(), 186) && near(mmOf(name).height(), 6));
        QCOMPARE(name->fontSize, 12.0);
        QCOMPARE(name->textColour, QColor(Qt::white));
        QCOMPARE(name->hAlign, MemoView::HAlign::Center);
        QCOMPARE(name->text(), QStringLiteral("Nome"));
        QVERIFY(!name->wordWrap);
        QVERIFY(!name->allowExpressions);
        PictureView* photo = report->picture("imgLogo");
        const QRectF at = mmOf(photo);
        QVERIFY2(near(at.left(), 1) && near(at.top(), 11) && near(at.width(), 188) && near(at.height(), 140),
                 qPrintable(rectText(at)));
        QCOMPARE(photo->scaling, PictureView::Scaling::KeepAspect);
        QVERIFY(photo->centre);
        QCOMPARE(CardTemplates::candidateValueBoxes().size(), 25);
    }

    // Caption bar (top, left, width) and value box, as the sheet's layout
    // gives them, in millimetres from the corner of the printable area.
    void candidateBoxes_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("captionBox");
        QTest::addColumn<QString>("box");
        QTest::newRow("luogo") << 153.0 << 1.0 << 58.0 << "LUOGO DI NASCITA"
                               << "titLuogoNasc"
                               << "txtLuogoNasc";
        QTest::newRow("data") << 153.0 << 61.0 << 32.0 << "DATA DI NASCITA"
                              << "titDataNasc"
                              << "txtDataNasc";
        QTest::newRow("sesso") << 153.0 << 95.0 << 16.0 << "SESSO"
                               << "titSesso"
                               << "txtSesso";
        QTest::newRow("indirizzo") << 153.0 << 113.0 << 76.0 << "INDIRIZZO"
                                   << "titIndirizzo"
                                   << "txtIndirizzo";
        QTest::newRow("citta") << 167.0 << 1.0 << 58.0 << "CITTA'"
                               << "titCitta"
                               << "txtCitta";
        QTest::newRow("cap") << 167.0 << 61.0 << 32.0 << "CAP"
                             << "titCap"
                             << "txtCap";
        QTest::newRow("settore") << 167.0 << 95.0 << 50.0 << "SETTORE PROFESSIONALE"
                                 << "titSettore"
                                 << "txtSettore";
        QTest::newRow("codfisc") << 167.0 << 147.0 << 42.0 << "CODICE FISCALE"
                                 << "titCodFisc"
                                 << "txtCodFisc";
        QTest::newRow("studio") << 181.0 << 1.0 << 92.0 << "TITOLO DI STUDIO"
                                << "titStudio"
                                << "txtStudio";
        QTest::newRow("lingue") << 181.0 << 95.0 << 94.0 << "LINGUE CONOSCIUTE"
                                << "titLingue"
                                << "txtLingue";
        QTest::newRow("patente") << 195.0 << 1.0 << 92.0 << "PATENTE DI GUIDA"
                                 << "titPatente"
                                 << "txtPatente";
        QTest::newRow("piva") << 195.0 << 95.0 << 45.0 << "PARTITA IVA"
                              << "titPartitaIva"
                              << "txtPartitaIva";
        QTest::newRow("cittadinanza") << 195.0 << 142.0 << 47.0 << "CITTADINANZA"
                                      << "titCittadinanza"
                                      << "txtCittadinanza";
        QTest::newRow("documento") << 209.0 << 1.0 << 56.0 << "DOCUMENTO"
                                   << "titDocumento"
                                   << "txtDocumento";
        QTest::newRow("ente") << 209.0 << 59.0 << 44.0 << "ENTE RILASCIO"
                              << "titEnteRil"
                              << "txtEnteRil";
        QTest::newRow("rilascio") << 209.0 << 105.0 << 41.0 << "DATA RILASCIO"
                                  << "titInizioTes"
                                  << "txtInizioTes";
        QTest::newRow("scadenza") << 209.0 << 148.0 << 41.0 << "DATA SCADENZA"
                                  << "titFineTes"
                                  << "txtFineTes";
        QTest::newRow("email") << 223.0 << 1.0 << 92.0 << "E-MAIL"
                               << "titEmail"
                               << "txtEmail";
        QTest::newRow("tel") << 223.0 << 95.0 << 45.0 << "TEL. CASA"
                             << "titTel"
                             << "txtTel";
        QTest::newRow("cel") << 223.0 << 142.0 << 47.0 << "TEL. CELLULARE"
                             << "titCel"
                             << "txtCel";
        QTest::newRow("competenze") << 237.0 << 1.0 << 92.0 << "COMPETENZE INFORMATICHE"
                                    << "titCompetenze"
                                    << "txtCompetenze";
        QTest::newRow("disponibilita") << 237.0 << 95.0 << 94.0 << "DISPONIBILITA'"
                                       << "titDisponibilita"
                                       << "txtDisponibilita";
        QTest::newRow("esperienze") << 251.0 << 1.0 << 188.0 << "ESPERIENZE LAVORATIVE"
                                    << "titEsperienze"
                                    << "txtEsperienze";
        QTest::newRow("note") << 265.0 << 1.0 << 188.0 << "NOTE"
                              << "titRaccomandazioni"
                              << "txtNote";
    }
    void candidateBoxes()
    {
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(double, width);
        QFETCH(QString, caption);
        QFETCH(QString, captionBox);
        QFETCH(QString, box);
        auto report = CardTemplates::candidateCard();
        MemoView* bar = report->memo(captionBox);
        QRectF at = mmOf(bar);
        QVERIFY2(near(at.left(), left) && near(at.top(), top) && near(at.width(), width) && near(at.height(), 4.8),
                 qPrintable(rectText(at)));
        QCOMPARE(bar->background, QColor(0x41, 0x69, 0xE1));
        QCOMPARE(bar->text(), caption);
        QCOMPARE(bar->fontFamily, QStringLiteral("Arial"));
        QCOMPARE(bar->fontSize, 8.0);
        QVERIFY(bar->bold);
        QCOMPARE(bar->textColour, QColor(Qt::white));

        MemoView* value = report->memo(box);
        at = mmOf(value);
        QVERIFY2(near(at.left(), left + 1) && near(at.top(), top + 5) && near(at.width(), width - 2) &&
                     near(at.height(), 6),
                 qPrintable(rectText(at)));
        QCOMPARE(value->fontFamily, QStringLiteral("Arial"));
        QCOMPARE(value->fontSize, 8.0);
        QVERIFY(!value->bold);
        QCOMPARE(value->textColour, QColor(Qt::black));
        QCOMPARE(value->hAlign, box == QLatin1String("txtSesso") ? MemoView::HAlign::Center : MemoView::HAlign::Left);
        QVERIFY(value->frame.visible);
        QVERIFY(!value->wordWrap);
        QVERIFY(!value->allowExpressions);
        QVERIFY(value->text().isEmpty());
        QVERIFY(CardTemplates::candidateValueBoxes().contains(box));
    }

    // Every value in its box on the sheet, trimmed, brackets as typed, and
    // every caption on its bar.
    void candidateOnPaper()
    {
        auto report = CardTemplates::candidateCard();
        QList<CardTemplates::CardValue> values;
        const QStringList boxes = CardTemplates::candidateValueBoxes();
        for (int i = 0; i < boxes.size(); ++i)
            values.append({boxes.at(i), QStringLiteral("  V%1[x] \r\n").arg(i, 2, 10, QLatin1Char('0'))});
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::red);
        CardTemplates::fillCandidateCard(*report, photo, values);
        QCOMPARE(report->memo("txtCandidato")->text(), QStringLiteral("V00[x]"));
        QCOMPARE(report->memo("txtNote")->text(), QStringLiteral("V24[x]"));
        report->prepare();
        QCOMPARE(report->pageCount(), 1);
        const QList<PdfPage> pages = pdfWords(exported(*report, "candidato.pdf"));
        QCOMPARE(pages.size(), 1);
        const PdfPage& page = pages.first();
        for (int i = 0; i < boxes.size(); ++i) {
            const QRectF at = mmOf(report->memo(boxes.at(i))).translated(10, 10); // the 10 mm margins
            QCOMPARE(wordsIn(page, at), QStringList({QStringLiteral("V%1[x]").arg(i, 2, 10, QLatin1Char('0'))}));
        }
        // Captions: the bars are 4.8 mm high, 14 mm apart.
        QCOMPARE(wordsIn(page, QRectF(11, 163, 58, 4.8)), QStringList({"LUOGO", "DI", "NASCITA"}));
        QCOMPARE(wordsIn(page, QRectF(105, 163, 16, 4.8)), QStringList({"SESSO"}));
        QCOMPARE(wordsIn(page, QRectF(105, 247, 94, 4.8)), QStringList({"DISPONIBILITA'"}));
        QCOMPARE(wordsIn(page, QRectF(11, 275, 188, 4.8)), QStringList({"NOTE"}));
        // The name on the title bar, centred.
        for (const Word& w : page.words)
            if (w.text == QLatin1String("V00[x]")) {
                QVERIFY2(near(w.mm.center().x(), 105, 0.5), qPrintable(rectText(w.mm)));
                QVERIFY2(QRectF(11, 11, 188, 8).contains(w.mm), qPrintable(rectText(w.mm)));
            }
        QCOMPARE(page.words.size(), 25 + 43); // values and caption words
    }

    // A value longer than its box is cut at the box edge.
    void candidateCutAtBoxEdge()
    {
        auto report = CardTemplates::candidateCard();
        QList<CardTemplates::CardValue> values;
        values.append({QStringLiteral("txtSesso"), QStringLiteral("MMMMMMMMMMMMMMMMMMMM")});
        values.append({QStringLiteral("txtCap"), QString(40, QLatin1Char('W'))});
        values.append({QStringLiteral("txtCandidato"), QString(120, QLatin1Char('M'))});
        CardTemplates::fillCandidateCard(*report, QImage(), values);
        report->prepare();
        const QImage image = pdfImage(exported(*report, "candidato-taglio.pdf"));
        QVERIFY(!image.isNull());
        // CAP box: 72 to 102 mm across (page), 182 to 188 down; the next
        // caption bar starts at 105.
        QVERIFY(countColour(image, QRectF(80, 183, 20, 4), qRgb(0, 0, 0), 80) > 50);
        QCOMPARE(countColour(image, QRectF(102.3, 182.4, 2.5, 5.2), qRgb(0, 0, 0), 120), 0);
        // Sex box: 106 to 120 mm across; the address box frame starts at 124.
        QCOMPARE(countColour(image, QRectF(120.3, 168.4, 3.5, 5.2), qRgb(0, 0, 0), 120), 0);
        // The name fills its bar and stops inside it: the page right of the
        // bar (199 mm on) stays white.
        QCOMPARE(countColour(image, QRectF(198.3, 12.2, 0.5, 5.6), qRgb(255, 255, 255), 60), 0);
    }

    // The photo is fitted into 188 x 140 mm with its proportions kept and
    // centred: a tall one fills the height, a wide one the width, a small
    // one is enlarged as far as its proportions allow.
    void candidatePhoto_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QRectF>("expected"); // on the page, millimetres
        // Box: 11 to 199 mm across, 21 to 161 mm down.
        QTest::newRow("tall") << QSize(100, 400) << QRectF(105 - 17.5, 21, 35, 140);
        QTest::newRow("wide") << QSize(800, 100) << QRectF(11, 91 - 11.75, 188, 23.5);
        QTest::newRow("small square") << QSize(12, 12) << QRectF(105 - 70, 21, 140, 140);
        QTest::newRow("photo 307x394") << QSize(307, 394) << QRectF(105 - 54.546, 21, 109.091, 140);
    }
    void candidatePhoto()
    {
        QFETCH(QSize, pixels);
        QFETCH(QRectF, expected);
        QImage photo(pixels, QImage::Format_RGB32);
        photo.fill(QColor(0xFF, 0x00, 0x00));
        auto report = CardTemplates::candidateCard();
        CardTemplates::fillCandidateCard(*report, photo, {});
        report->prepare();

        // Where the engine draws it.
        bool drawn = false;
        for (const PreparedItem& item : report->page(0).items) {
            if (item.kind != PreparedItem::Kind::Image)
                continue;
            drawn = true;
            const QRectF r(ReportUnits::toMm(item.rect.left()), ReportUnits::toMm(item.rect.top()),
                           ReportUnits::toMm(item.rect.width()), ReportUnits::toMm(item.rect.height()));
            QVERIFY2(near(r.left(), expected.left(), 0.01) && near(r.top(), expected.top(), 0.01) &&
                         near(r.width(), expected.width(), 0.01) && near(r.height(), expected.height(), 0.01),
                     qPrintable(rectText(r)));
        }
        QVERIFY(drawn);

        // And where it lands on paper.
        const QImage image =
            pdfImage(exported(*report, QStringLiteral("foto-%1x%2.pdf").arg(pixels.width()).arg(pixels.height())));
        const QRectF red = colourExtent(image, qRgb(255, 0, 0));
        QVERIFY2(near(red.left(), expected.left(), 0.41) && near(red.top(), expected.top(), 0.41) &&
                     near(red.right(), expected.right(), 0.41) && near(red.bottom(), expected.bottom(), 0.41),
                 qPrintable(rectText(red)));
    }

    void candidateWithoutPhoto()
    {
        auto report = CardTemplates::candidateCard();
        CardTemplates::fillCandidateCard(*report, QImage(), {});
        report->prepare();
        for (const PreparedItem& item : report->page(0).items)
            QVERIFY(item.kind != PreparedItem::Kind::Image);
        QCOMPARE(report->allText().first(), QStringLiteral("Nome"));
    }

    void candidateMissingBoxFails()
    {
        auto report = CardTemplates::candidateCard();
        QVERIFY_THROWS_EXCEPTION(
            ReportError,
            CardTemplates::fillCandidateCard(*report, QImage(), {{QStringLiteral("txtNonCe"), QStringLiteral("x")}}));
        Report empty(QStringLiteral("Scheda Candidato"));
        QVERIFY_THROWS_EXCEPTION(ReportError, CardTemplates::fillCandidateCard(empty, QImage(), {}));
    }

    void standByPicture()
    {
        const QImage a = CardTemplates::standByPicture();
        QCOMPARE(a.size(), QSize(307, 394));
        QCOMPARE(a, CardTemplates::standByPicture());
        const QImage blank(QStringLiteral(TEST_DATA_DIR "/../../resources/images/foto_bianco.png"));
        QVERIFY(!blank.isNull());
        QVERIFY(a != blank.convertToFormat(a.format()));
    }
};

SELVORA_CORE_TEST_MAIN(TestCardTemplates)
#include "tst_cardtemplates.moc"

// The candidate card print and preview windows, opened from the candidate
// card window as the user does: what they look like, the card and its photo
// on the printed sheet (read back from the PDF the printer wrote), the
// preview, the stand-by picture when the photo cannot be copied, Annulla, a
// cancelled printer dialog, and failures shown with the advice of a smaller
// photo.
#include "app/ui/Windows.h"
#include "candidates/ui/AnteprimaCandidati.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/StampaCandidati.h"
#include "output/core/CardTemplates.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/PdfText.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

using Kind = Messages::Kind;

namespace {

constexpr double kPxPerMm = 5.0; // pages drawn at 127 dpi

const QString kPrintFailed = QString::fromUtf8("Attenzione: la stampa non è andata a buon fine.\n\r\n\r"
                                               "Si consiglia di ridurre le dimensioni della foto.");
const QString kPreviewFailed =
    QString::fromUtf8("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\r"
                      "Si consiglia di ridurre le dimensioni della foto.");

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

QImage pdfImage(const QString& path)
{
    const QString prefix = path + QStringLiteral("-img");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("127"), QStringLiteral("-png"), QStringLiteral("-singlefile"), path,
             prefix});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
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

// Bounding rectangle in millimetres of the pixels close to a colour.
QRectF colourExtent(const QImage& image, QRgb colour, int tolerance = 12)
{
    int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAbs(qRed(c) - qRed(colour)) <= tolerance && qAbs(qGreen(c) - qGreen(colour)) <= tolerance &&
                qAbs(qBlue(c) - qBlue(colour)) <= tolerance) {
                x0 = qMin(x0, x);
                y0 = qMin(y0, y);
                x1 = qMax(x1, x);
                y1 = qMax(y1, y);
            }
        }
    if (x1 < 0)
        return {};
    return QRectF(x0 / kPxPerMm, y0 / kPxPerMm, (x1 + 1 - x0) / kPxPerMm, (y1 + 1 - y0) / kPxPerMm);
}

bool near(double a, double b, double tolerance)
{
    return qAbs(a - b) <= tolerance;
}

QString rectText(const QRectF& r)
{
    return QStringLiteral("%1, %2, %3 x %4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Where the template draws the photo, in millimetres from the paper's corner.
QRectF drawnPhoto(const Report& report)
{
    for (const PreparedItem& item : report.page(0).items)
        if (item.kind == PreparedItem::Kind::Image)
            return QRectF(ReportUnits::toMm(item.rect.left()), ReportUnits::toMm(item.rect.top()),
                          ReportUnits::toMm(item.rect.width()), ReportUnits::toMm(item.rect.height()));
    return {};
}

QImage failingCopy(const QImage&)
{
    return QImage();
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

} // namespace

class TestStampaCandidati : public QObject
{
    Q_OBJECT

    TfrmCandidati* w = nullptr;

    void fillCard()
    {
        for (QLineEdit* field : w->fields())
            field->setText(QStringLiteral(" v_%1 ").arg(field->objectName().mid(3)));
        w->txtCandidato->setText(QStringLiteral("NERI GIULIA [bis]"));
        w->txtSesso->setText(QStringLiteral("F"));
        w->txtNote->setText(QStringLiteral("Colloquio [DATE] fissato"));
        w->chkRicontatta->setChecked(true);
        w->lblFile01->setText(QStringLiteral("curriculum.pdf"));
        w->lblPosizione->setText(QStringLiteral("4"));
    }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        w = Windows::candidati();
    }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        StampaCandidati::setPhotoCopier(nullptr);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup()
    {
        StampaCandidati::setPhotoCopier(nullptr);
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        w->hide();
    }

    void windows_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("action");
        QTest::newRow("print") << false << " Stampa documento"
                               << "Stampa";
        QTest::newRow("preview") << true << " Anteprima di stampa"
                                 << "Mostra anteprima";
    }
    void windows()
    {
        QFETCH(bool, preview);
        QFETCH(QString, title);
        QFETCH(QString, action);
        w->imgFoto->setPicture(solid(30, 40, Qt::green));
        std::unique_ptr<QDialog> dlg;
        if (preview)
            dlg.reset(new TfrmAnteprimaCandidati(w));
        else
            dlg.reset(new TfrmStampaCandidati(w));
        QCOMPARE(dlg->windowTitle(), title);
        QCOMPARE(dlg->size(), QSize(364, 287));
        QCOMPARE(dlg->minimumSize(), dlg->maximumSize());
        QVERIFY(!(dlg->windowFlags() & Qt::WindowCloseButtonHint));
        auto* btnStampa = control<QPushButton>(dlg.get(), "btnStampa");
        auto* btnAnnulla = control<QPushButton>(dlg.get(), "btnAnnulla");
        QVERIFY(btnStampa && btnAnnulla);
        QCOMPARE(btnStampa->text(), action);
        QCOMPARE(btnAnnulla->text(), QStringLiteral("Annulla"));
        QVERIFY(control<QWidget>(dlg.get(), "shpSfondo"));
        auto* imgLogo = control<PhotoBox>(dlg.get(), "imgLogo");
        auto* imgTemp = control<PhotoBox>(dlg.get(), "imgTemp");
        QVERIFY(imgLogo && imgTemp);
        QVERIFY(imgLogo->isHidden());
        QVERIFY(imgTemp->isHidden());
        QCOMPARE(imgTemp->picture(), CardTemplates::standByPicture());
        const Report& rep = preview ? *static_cast<TfrmAnteprimaCandidati*>(dlg.get())->repDocumento
                                    : *static_cast<TfrmStampaCandidati*>(dlg.get())->repDocumento;
        QCOMPARE(rep.name(), QStringLiteral("Scheda Candidato"));

        // Shown: the photo's copy, then Annulla first in the tab order.
        dlg->show();
        QCOMPARE(imgLogo->picture(), solid(30, 40, Qt::green));
        QVERIFY(activate(dlg.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(btnAnnulla));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(btnStampa));
        const QPoint centre = w->frameGeometry().center();
        QVERIFY((dlg->frameGeometry().center() - centre).manhattanLength() < 40);
    }

    // The print command prints the card as it stands on screen, with the
    // photo fitted and centred, and the window closes.
    void printsTheCardWithItsPhoto()
    {
        TempProgramFolder folder;
        fillCard();
        // A tall photo: the box height (140 mm) sets the scale.
        w->imgFoto->setPicture(solid(150, 600, QColor(0xFF, 0x00, 0x00)));
        const QString pdf = folder.file("candidato.pdf");
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, pdf);
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            QVERIFY(qobject_cast<TfrmStampaCandidati*>(d));
            click(control<QPushButton>(d, "btnStampa"));
            closed = !d->isVisible();
        });
        click(w->cmdStampa);
        QCOMPARE(Modal::history(), QStringList({"TfrmStampaCandidati"}));
        QVERIFY(closed);
        QVERIFY(Messages::shown().isEmpty());
        const QList<ReportPrinter::Job> jobs = ReportPrinter::printed();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs[0].reportName, QStringLiteral("Scheda Candidato"));
        QVERIFY(jobs[0].accepted);

        QCOMPARE(pdfPageCount(pdf), 1);
        const QList<Word> words = pdfWords(pdf);
        // Value boxes: 10 mm margins, caption bars 4.8 mm, boxes 5 mm below
        // the bar's top, 6 mm high, 1 mm in on either side.
        QCOMPARE(wordsIn(words, QRectF(12, 12, 186, 6)), QStringList({"NERI", "GIULIA", "[bis]"}));
        QCOMPARE(wordsIn(words, QRectF(12, 168, 56, 6)), QStringList({"v_LuogoNasc"}));
        // (the date field takes ten characters: what the window shows)
        QCOMPARE(wordsIn(words, QRectF(72, 168, 30, 6)), QStringList({"v_DataNas"}));
        QCOMPARE(wordsIn(words, QRectF(106, 168, 14, 6)), QStringList({"F"}));
        QCOMPARE(wordsIn(words, QRectF(124, 168, 74, 6)), QStringList({"v_Indirizzo"}));
        QCOMPARE(wordsIn(words, QRectF(158, 182, 40, 6)), QStringList({"v_CodFisc"}));
        QCOMPARE(wordsIn(words, QRectF(106, 210, 43, 6)), QStringList({"v_PartitaI"}));
        QCOMPARE(wordsIn(words, QRectF(159, 224, 39, 6)), QStringList({"v_FineTes"}));
        QCOMPARE(wordsIn(words, QRectF(12, 238, 90, 6)), QStringList({"v_Email"}));
        QCOMPARE(wordsIn(words, QRectF(106, 252, 92, 6)), QStringList({"v_Disponibilita"}));
        QCOMPARE(wordsIn(words, QRectF(12, 266, 186, 6)), QStringList({"v_Esperienze"}));
        QCOMPARE(wordsIn(words, QRectF(12, 280, 186, 6)), QStringList({"Colloquio", "[DATE]", "fissato"}));
        // The sex is centred in its box (106 to 120 mm).
        for (const Word& word : words)
            if (word.text == QLatin1String("F"))
                QVERIFY2(near(word.mm.center().x(), 113, 0.4), qPrintable(rectText(word.mm)));
        // Neither the recontact flag nor the attachments are printed.
        for (const Word& word : words)
            QVERIFY2(!word.text.contains(QLatin1String("curriculum")) &&
                         !word.text.contains(QLatin1String("ricontatt"), Qt::CaseInsensitive),
                     qPrintable(word.text));

        // The photo: 35 x 140 mm, centred across the 188 mm box that starts
        // 11 mm from the paper's left edge and 21 mm from its top.
        const QRectF red = colourExtent(pdfImage(pdf), qRgb(255, 0, 0));
        const QRectF expected(105 - 17.5, 21, 35, 140);
        QVERIFY2(near(red.left(), expected.left(), 0.41) && near(red.top(), expected.top(), 0.41) &&
                     near(red.right(), expected.right(), 0.41) && near(red.bottom(), expected.bottom(), 0.41),
                 qPrintable(rectText(red)));
        // The card window is left as it was.
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("NERI GIULIA [bis]"));
        QCOMPARE(w->imgFoto->picture(), solid(150, 600, QColor(0xFF, 0x00, 0x00)));
    }

    // The preview shows the same sheet: a wide photo fills the box width and
    // is centred in its height.
    void previewsTheCardWithItsPhoto()
    {
        fillCard();
        w->imgFoto->setPicture(solid(940, 235, Qt::blue));
        QRectF photo;
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            auto* dlg = qobject_cast<TfrmAnteprimaCandidati*>(d);
            QVERIFY(dlg);
            click(dlg->btnStampa);
            photo = drawnPhoto(*dlg->repDocumento);
            closed = !d->isVisible();
        });
        click(w->cmdAnteprima);
        QCOMPARE(Modal::history(), QStringList({"TfrmAnteprimaCandidati"}));
        QVERIFY(closed);
        QVERIFY(Messages::shown().isEmpty());
        QVERIFY(ReportPrinter::printed().isEmpty());
        const QList<ReportPrinter::Job> shown = ReportPrinter::previewed();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].reportName, QStringLiteral("Scheda Candidato"));
        QCOMPARE(shown[0].pageCount, 1);
        const QStringList text = shown[0].pages.first();
        QVERIFY(text.contains(QStringLiteral("NERI GIULIA [bis]")));
        QVERIFY(text.contains(QStringLiteral("v_Competenze")));
        QVERIFY(text.contains(QStringLiteral("Colloquio [DATE] fissato")));
        QVERIFY(text.contains(QStringLiteral("LUOGO DI NASCITA")));
        // 940 x 235 pixels into 188 mm: 47 mm high, centred in 140.
        QVERIFY2(near(photo.left(), 11, 0.01) && near(photo.width(), 188, 0.01) && near(photo.height(), 47, 0.01) &&
                     near(photo.top(), 21 + 46.5, 0.01),
                 qPrintable(rectText(photo)));
    }

    // A card without a photo prints the blank photo its window shows.
    void newCardPrintsTheBlankPhoto()
    {
        TempProgramFolder folder;
        w->PulisciScheda();
        w->txtCandidato->setText(QStringLiteral("BIANCHI"));
        QImage logo;
        ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, folder.file("bianco.pdf"));
        Modal::queueHook([&](QDialog* d) {
            logo = control<PhotoBox>(d, "imgLogo")->picture();
            click(control<QPushButton>(d, "btnStampa"));
        });
        click(w->cmdStampa);
        QCOMPARE(logo, w->imgBianco->picture());
        QCOMPARE(ReportPrinter::printed().size(), 1);
        const QList<Word> words = pdfWords(folder.file("bianco.pdf"));
        QCOMPARE(wordsIn(words, QRectF(12, 12, 186, 6)), QStringList({"BIANCHI"}));
    }

    // When the photo cannot be copied, the stand-by picture is printed
    // instead, with no message.
    void standByPictureWhenThePhotoCannotBeCopied_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("print") << false;
        QTest::newRow("preview") << true;
    }
    void standByPictureWhenThePhotoCannotBeCopied()
    {
        QFETCH(bool, preview);
        TempProgramFolder folder;
        fillCard();
        w->imgFoto->setPicture(solid(300, 300, Qt::red));
        StampaCandidati::setPhotoCopier(failingCopy);
        QImage logo;
        QImage printedPicture;
        if (!preview)
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok, folder.file("attesa.pdf"));
        Modal::queueHook([&](QDialog* d) {
            logo = control<PhotoBox>(d, "imgLogo")->picture();
            click(control<QPushButton>(d, "btnStampa"));
            const Report& rep = preview ? *static_cast<TfrmAnteprimaCandidati*>(d)->repDocumento
                                        : *static_cast<TfrmStampaCandidati*>(d)->repDocumento;
            printedPicture = rep.picture(QStringLiteral("imgLogo"))->picture();
        });
        click(preview ? w->cmdAnteprima : w->cmdStampa);
        QCOMPARE(logo, CardTemplates::standByPicture());
        QCOMPARE(printedPicture, CardTemplates::standByPicture());
        QVERIFY(Messages::shown().isEmpty());
        QCOMPARE(preview ? ReportPrinter::previewed().size() : ReportPrinter::printed().size(), 1);
        if (!preview) {
            // The stand-by picture's pale ground, 109.1 x 140 mm, centred.
            const QRectF ground = colourExtent(pdfImage(folder.file("attesa.pdf")), qRgb(0xE8, 0xEE, 0xF4), 4);
            QVERIFY2(near(ground.left(), 105 - 54.55, 0.41) && near(ground.top(), 21, 0.41) &&
                         near(ground.width(), 109.09, 0.8) && near(ground.height(), 140, 0.8),
                     qPrintable(rectText(ground)));
        }
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
        QVERIFY(Messages::shown().isEmpty());
    }

    // Any failure while the sheet is filled, prepared, printed or shown is
    // caught: a warning that advises a smaller photo, then the window closes.
    void failureAdvisesASmallerPhoto_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("message");
        QTest::newRow("print") << false << kPrintFailed;
        QTest::newRow("preview") << true << kPreviewFailed;
    }
    void failureAdvisesASmallerPhoto()
    {
        QFETCH(bool, preview);
        QFETCH(QString, message);
        fillCard();
        w->imgFoto->setPicture(solid(20, 20, Qt::red));
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            // A template that lost its boxes.
            if (auto* p = qobject_cast<TfrmStampaCandidati*>(d))
                p->repDocumento = std::make_unique<Report>(QStringLiteral("Scheda Candidato"));
            if (auto* a = qobject_cast<TfrmAnteprimaCandidati*>(d))
                a->repDocumento = std::make_unique<Report>(QStringLiteral("Scheda Candidato"));
            click(control<QPushButton>(d, "btnStampa"));
            closed = !d->isVisible();
        });
        click(preview ? w->cmdAnteprima : w->cmdStampa);
        QVERIFY(closed);
        const QList<Messages::Shown> got = Messages::takeShown();
        QCOMPARE(got.size(), 1);
        QCOMPARE(int(got[0].kind), int(Kind::Warning));
        QCOMPARE(got[0].text, message);
        QVERIFY(ReportPrinter::printed().isEmpty());
        QVERIFY(ReportPrinter::previewed().isEmpty());
    }

    // The window closes whichever button of the warning is pressed.
    void failureClosesOnCancelToo()
    {
        fillCard();
        Messages::queueAnswer(Messages::Answer::Cancel);
        bool closed = false;
        Modal::queueHook([&](QDialog* d) {
            static_cast<TfrmStampaCandidati*>(d)->repDocumento = std::make_unique<Report>();
            click(control<QPushButton>(d, "btnStampa"));
            closed = !d->isVisible();
        });
        click(w->cmdStampa);
        QVERIFY(closed);
        QCOMPARE(Messages::takeShown().size(), 1);
    }
};

SELVORA_TEST_MAIN(TestStampaCandidati)
#include "tst_stampacandidati.moc"

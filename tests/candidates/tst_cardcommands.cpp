// The candidate card window's other commands, driven on the real window with
// real archive, photo and attachment files: duplicate, e-mail, the photo
// commands (load, save a copy, clear, zoom, webcam) and the attachments.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/platform/Camera.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/AllegaCartella.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/WebCam.h"
#include "candidates/ui/Zoom.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/ui/CodFisc.h"
#include "tools/ui/PartitaIva.h"

#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Kind = Messages::Kind;
using S = TSchedaCandidato;

namespace {

const QString kArchive = QStringLiteral("Archivio_Candidati.pro");
const int kSize = 3612;

// The 25 text fields of a card, all different, so that a field lost or
// moved by a duplicate shows.
S fullCard(int n)
{
    S s;
    for (int f = 0; f < 25; ++f)
        s.field(S::Campo(f)) = QStringLiteral("c%1f%2").arg(n).arg(f);
    s.Sesso = QStringLiteral("F");
    s.Ricontatta = S::si();
    s.File01 = QStringLiteral("cv%1.pdf").arg(n);
    s.File02 = QStringLiteral("patente%1.jpg").arg(n);
    s.File03 = QStringLiteral("diploma%1.pdf").arg(n);
    s.Desc01 = QStringLiteral("Curriculum");
    s.Desc02 = QStringLiteral("Patente");
    s.Desc03 = QStringLiteral("Diploma");
    return s;
}

QByteArray archive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += fullCard(i).encode();
    return bytes;
}

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Two pictures alike up to JPEG's losses: the same size and, on average, a
// few levels apart per colour.
bool near(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 total = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return total < qint64(x.width()) * x.height() * 3 * 4;
}

QString photoName(int n)
{
    return QStringLiteral("Anagrafica/Scheda_Candidato_%1.jpg").arg(n);
}

// The scripted camera of the webcam window.
QImage g_frame;
class ScriptedCamera final : public Camera
{
public:
    explicit ScriptedCamera(QObject* parent)
        : Camera(parent)
    {
    }
    bool available() const override { return true; }
    void start() override
    {
        m_on = true;
        emit frameReady(g_frame);
    }
    void stop() override { m_on = false; }
    bool isActive() const override { return m_on; }

private:
    bool m_on = false;
};

void click(QWidget* root, const char* name)
{
    auto* b = root->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestCardCommands : public QObject
{
    Q_OBJECT

    TfrmCandidati* w = nullptr;

    void open()
    {
        w->hide();
        w->show();
        QVERIFY(activate(w));
    }
    void show(int n)
    {
        click(w, "cmdUltimo");
        while (w->lblPosizione->text().toInt() > n)
            click(w, "cmdIndietro");
        QCOMPARE(w->lblPosizione->text(), QString::number(n));
    }
    void expectShown(Kind kind, const QString& text)
    {
        const QList<Messages::Shown> got = Messages::takeShown();
        QCOMPARE(got.size(), 1);
        QCOMPARE(int(got[0].kind), int(kind));
        QCOMPARE(got[0].text, text);
    }
    void expectNone()
    {
        const QList<Messages::Shown> got = Messages::takeShown();
        QVERIFY2(got.isEmpty(), got.isEmpty() ? "" : qPrintable(got[0].text));
    }
    bool showsPlaceholder() { return w->imgFoto->picture() == w->imgBianco->picture(); }
    QStringList attachmentLabels()
    {
        return {w->lblFile01->text(), w->lblDesc01->text(), w->lblFile02->text(),
                w->lblDesc02->text(), w->lblFile03->text(), w->lblDesc03->text()};
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
        Camera::setFactory([](QObject* parent) { return new ScriptedCamera(parent); });
    }
    void cleanup()
    {
        Camera::setFactory(nullptr);
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        w->hide();
        Windows::avvio()->hide();
    }

    // --- duplicate ---------------------------------------------------------------
    void duplicateOfANewCardWarns()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(2));
        open();
        w->txtCandidato->setText(QStringLiteral("Rossi Mario"));
        w->lblFile01->setText(QStringLiteral("cv.pdf"));
        w->chkRicontatta->setChecked(true);
        click(w, "cmdDuplica");
        expectShown(Kind::Warning,
                    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                   "dopo che questa è stata inserita in archivio."));
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(w->lblFile01->text(), QStringLiteral("cv.pdf"));
        QVERIFY(w->chkRicontatta->isChecked());
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(folder.read(kArchive), archive(2));
    }

    // Card 4 of 9 duplicated and stored: card 10 carries its 25 text fields,
    // no attachments, "No" and the placeholder photo; card 4 is untouched.
    void duplicateThenStore()
    {
        TempProgramFolder folder;
        const QByteArray before = archive(9);
        folder.write(kArchive, before);
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Anagrafica")));
        QVERIFY(solid(120, 160, QColor(200, 40, 40)).save(folder.file(photoName(4)), "JPG"));
        const QByteArray photo4 = folder.read(photoName(4));
        open();
        show(4);
        QVERIFY(w->chkRicontatta->isChecked());
        QVERIFY(!showsPlaceholder());
        w->txtNote->setFocus();

        click(w, "cmdDuplica");
        expectShown(Kind::Information,
                    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                                   "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(attachmentLabels(), QStringList(6, QString()));
        QVERIFY(!w->chkRicontatta->isChecked());
        QVERIFY(showsPlaceholder());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->txtCandidato));
        const QList<QLineEdit*> fields = w->fields();
        for (int f = 0; f < 25; ++f) {
            const QString expected = f == 1 ? QStringLiteral("F") : QStringLiteral("c4f%1").arg(f);
            QCOMPARE(fields[f]->text(), expected);
        }
        // Nothing is written by the duplicate itself.
        QCOMPARE(folder.read(kArchive), before);

        // The copy has card 4's fiscal code: storing it warns of a double,
        // and the user stores it anyway.
        Messages::queueChoice(0);
        click(w, "cmdSalva");
        const QList<Messages::Shown> got = Messages::takeShown();
        QCOMPARE(got.size(), 2);
        QCOMPARE(got[0].buttons.first(), QStringLiteral("Salva comunque"));
        QVERIFY(got[0].text.contains(QStringLiteral("n. 4 - c4f0")));
        QCOMPARE(got[1].text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("10"));
        const QByteArray after = folder.read(kArchive);
        QCOMPARE(after.size(), 10 * kSize);
        QCOMPARE(after.left(9 * kSize), before); // card 4 and the others untouched
        const QByteArray card10 = after.mid(9 * kSize, kSize);
        const QByteArray card4 = before.mid(3 * kSize, kSize);
        QCOMPARE(card10.left(2103), card4.left(2103)); // the 25 text fields
        QCOMPARE(card10.mid(2103, 3), QByteArray("\x02No", 3));
        for (int offset : {2106, 2357, 2608, 2859, 3110, 3361})
            QCOMPARE(int(card10.at(offset)), 0); // no attachment names or descriptions
        QCOMPARE(folder.read(photoName(4)), photo4);
        const QImage photo10(folder.file(photoName(10)));
        QCOMPARE(photo10.size(), QSize(307, 394));
        QVERIFY(near(photo10, w->imgBianco->picture()));
    }

    // --- e-mail ------------------------------------------------------------------
    void emailGoesToTheOpenService_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("handed");
        QTest::newRow("blanks around") << "   mario.rossi@example.it  "
                                       << "\"mailto:mario.rossi@example.it\"";
        QTest::newRow("plain") << "a@b.it"
                               << "\"mailto:a@b.it\"";
        QTest::newRow("empty") << ""
                               << "\"mailto:\"";
    }
    void emailGoesToTheOpenService()
    {
        QFETCH(QString, field);
        QFETCH(QString, handed);
        TempProgramFolder folder;
        open();
        w->txtEmail->setText(field); // as a card read from the archive puts it
        click(w, "btnEmail");
        QCOMPARE(TMisc::opened(), QStringList {handed});
        QCOMPARE(w->txtEmail->text(), field);
        expectNone();
    }

    // --- checks ------------------------------------------------------------------
    // A non-empty code of digits only goes to the VAT number check; a code
    // with anything else in it, or none, to the fiscal code check. The
    // window gets the trimmed code.
    void fiscalCodeCheckWindow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("handed");
        QTest::newRow("eleven digits") << "12345678903"
                                       << "TfrmPartitaIva"
                                       << "12345678903";
        QTest::newRow("digits between blanks") << "  0123  "
                                               << "TfrmPartitaIva"
                                               << "0123";
        QTest::newRow("sixteen digits") << "1234567890123456"
                                        << "TfrmPartitaIva"
                                        << "1234567890123456";
        QTest::newRow("fiscal code") << "RSSMRA80A01H501U"
                                     << "TfrmCodFisc"
                                     << "RSSMRA80A01H501U";
        QTest::newRow("one letter among digits") << "1234567890A"
                                                 << "TfrmCodFisc"
                                                 << "1234567890A";
        QTest::newRow("empty") << ""
                               << "TfrmCodFisc"
                               << "";
        QTest::newRow("blanks only") << "   "
                                     << "TfrmCodFisc"
                                     << "";
    }
    void fiscalCodeCheckWindow()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        QFETCH(QString, handed);
        TempProgramFolder folder;
        open();
        w->txtCodFisc->setText(code);
        QString got;
        Modal::queueHook([&](QDialog* d) {
            QCOMPARE(d->parentWidget(), static_cast<QWidget*>(w));
            if (auto* vat = qobject_cast<TfrmPartitaIva*>(d))
                got = vat->txtPartitaIva->text();
            else if (auto* cf = qobject_cast<TfrmCodFisc*>(d))
                got = cf->txtCodFisc->text();
            d->reject();
        });
        click(w, "btnCodFisc");
        QCOMPARE(Modal::history(), QStringList {window});
        QCOMPARE(got, handed);
        QCOMPARE(w->txtCodFisc->text(), code);
    }

    void vatCheckWindow_data()
    {
        QTest::addColumn<QString>("vat");
        QTest::newRow("number") << "12345678903";
        QTest::newRow("empty") << "";
    }
    void vatCheckWindow()
    {
        QFETCH(QString, vat);
        TempProgramFolder folder;
        open();
        w->txtPartitaIva->setText(vat);
        QString got = QStringLiteral("<not opened>");
        Modal::queueHook([&](QDialog* d) {
            auto* dlg = qobject_cast<TfrmPartitaIva*>(d);
            QVERIFY(dlg);
            got = dlg->txtPartitaIva->text();
            d->reject();
        });
        click(w, "btnPartitaIva");
        QCOMPARE(Modal::history(), QStringList {"TfrmPartitaIva"});
        QCOMPARE(got, vat);
    }

    // --- photo -------------------------------------------------------------------
    // A 1600 x 1200 JPEG loaded into a stored card is stored at full size and
    // shown scaled down into the box; a bitmap is stored as JPEG.
    void loadedPhotoStoredAtItsOwnSize_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("JPEG 1600x1200") << "grande.jpg" << QByteArray("JPG") << QSize(1600, 1200);
        QTest::newRow("bitmap") << "foto.bmp" << QByteArray("BMP") << QSize(300, 400);
    }
    void loadedPhotoStoredAtItsOwnSize()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        TempProgramFolder folder;
        folder.write(kArchive, archive(3));
        QTemporaryDir elsewhere;
        const QImage picture = solid(size.width(), size.height(), QColor(20, 160, 90));
        const QString path = elsewhere.filePath(file);
        QVERIFY(picture.save(path, format.constData()));
        open();
        show(2);
        FileDialogs::queueFileName(path);
        click(w, "btnCaricaFoto");
        const QList<FileDialogs::Asked> asked = FileDialogs::asked();
        QCOMPARE(asked.size(), 1);
        QVERIFY(!asked[0].save);
        QCOMPARE(asked[0].caption, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(asked[0].filter, QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
        QCOMPARE(w->imgFoto->picture().size(), size);
        const QRect shown = w->imgFoto->pictureRect();
        QVERIFY(w->imgFoto->rect().contains(shown));
        QCOMPARE(shown.size(), size.scaled(w->imgFoto->size(), Qt::KeepAspectRatio));

        click(w, "cmdSalva");
        expectShown(Kind::Information,
                    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        const QByteArray stored = folder.read(photoName(2));
        QCOMPARE(stored.left(3), QByteArray("\xFF\xD8\xFF"));
        QImage back;
        QVERIFY(back.loadFromData(stored));
        QCOMPARE(back.size(), size);
        QVERIFY(near(back, picture));
    }

    void loadCancelledOrDamaged()
    {
        TempProgramFolder folder;
        open();
        const QImage before = solid(50, 60, Qt::blue);
        w->imgFoto->setPicture(before);
        FileDialogs::queueFileName(QString());
        click(w, "btnCaricaFoto");
        QCOMPARE(w->imgFoto->picture(), before);
        // A damaged JPEG leaves the blank photo.
        folder.write(QStringLiteral("rotta.jpg"), QByteArray("\xFF\xD8\xFF\xE0 not a picture"));
        FileDialogs::queueFileName(folder.file(QStringLiteral("rotta.jpg")));
        click(w, "btnCaricaFoto");
        QVERIFY(showsPlaceholder());
        expectNone();
        // So does a JPEG cut short, which the decoder alone would fill in.
        QByteArray jpeg;
        {
            QBuffer buffer(&jpeg);
            QVERIFY(buffer.open(QIODevice::WriteOnly));
            QImage detailed(200, 150, QImage::Format_RGB32);
            for (int y = 0; y < detailed.height(); ++y)
                for (int x = 0; x < detailed.width(); ++x)
                    detailed.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
            QVERIFY(detailed.save(&buffer, "JPG"));
        }
        const QByteArray cut = jpeg.left(jpeg.size() * 2 / 3);
        QVERIFY(!QImage::fromData(cut).isNull()); // the decoder alone gives a picture
        folder.write(QStringLiteral("tagliata.jpg"), cut);
        w->imgFoto->setPicture(before);
        FileDialogs::queueFileName(folder.file(QStringLiteral("tagliata.jpg")));
        click(w, "btnCaricaFoto");
        QVERIFY(showsPlaceholder());
        expectNone();
    }

    // Clearing changes the screen only; the photo file becomes the
    // placeholder when the card is stored.
    void clearedPhoto()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(3));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Anagrafica")));
        for (int n : {1, 2})
            QVERIFY(solid(100, 100, QColor(250, 0, 0)).save(folder.file(photoName(n)), "JPG"));
        const QByteArray photo1 = folder.read(photoName(1));
        open();
        show(1);
        click(w, "btnCancFoto");
        QVERIFY(showsPlaceholder());
        expectNone();
        click(w, "cmdAvanti"); // left without storing
        QCOMPARE(folder.read(photoName(1)), photo1);

        click(w, "btnCancFoto");
        click(w, "cmdSalva");
        expectShown(Kind::Information,
                    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        const QImage stored(folder.file(photoName(2)));
        QCOMPARE(stored.size(), QSize(307, 394));
        QVERIFY(near(stored, w->imgBianco->picture()));
    }

    void photoCopySavedToDisk()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(1));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Anagrafica")));
        QVERIFY(solid(80, 100, QColor(0, 0, 250)).save(folder.file(photoName(1)), "JPG"));
        const QByteArray photo1 = folder.read(photoName(1));
        open();
        show(1);
        const QImage shown = w->imgFoto->picture();
        FileDialogs::queueFileName(folder.file(QStringLiteral("ritocco")));
        click(w, "btnSalvaFoto");
        const QList<FileDialogs::Asked> asked = FileDialogs::asked();
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].save);
        QCOMPARE(asked[0].caption, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(asked[0].dir, QStringLiteral("Foto.jpg"));
        QCOMPARE(asked[0].filter, QStringLiteral("File Jpeg (*.jpg)"));
        const QByteArray copy = folder.read(QStringLiteral("ritocco.jpg"));
        QCOMPARE(copy.left(3), QByteArray("\xFF\xD8\xFF"));
        QImage back;
        QVERIFY(back.loadFromData(copy));
        QVERIFY(near(back, shown));
        QCOMPARE(folder.read(photoName(1)), photo1); // the card's own file untouched
        QCOMPARE(w->imgFoto->picture(), shown);
        expectNone();

        FileDialogs::queueFileName(QString()); // cancelled
        click(w, "btnSalvaFoto");
        QCOMPARE(w->imgFoto->picture(), shown);
    }

    // A copy that cannot be written is reported; the photo stays in the box
    // instead of giving way to the blank picture.
    void photoCopyThatCannotBeWritten()
    {
        TempProgramFolder folder;
        open();
        const QImage loaded = solid(40, 40, QColor(10, 200, 10));
        w->imgFoto->setPicture(loaded);
        const QString target = folder.file(QStringLiteral("manca/Foto.jpg"));
        FileDialogs::queueFileName(target);
        click(w, "btnSalvaFoto");
        expectShown(Kind::Error,
                    QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file\r\n") + target +
                        QStringLiteral("\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella "
                                       "cartella scelta."));
        QCOMPARE(w->imgFoto->picture(), loaded);
    }

    void zoomShowsThePhoto()
    {
        TempProgramFolder folder;
        open();
        const QImage photo = solid(1600, 1200, QColor(90, 90, 200));
        w->imgFoto->setPicture(photo);
        bool seen = false;
        Modal::queueHook([&](QDialog* d) {
            auto* zoom = qobject_cast<TfrmZoom*>(d);
            QVERIFY(zoom);
            QCOMPARE(zoom->parentWidget(), static_cast<QWidget*>(w));
            QCOMPARE(zoom->imgFoto->picture(), photo);
            QTest::mouseClick(zoom->imgFoto, Qt::LeftButton);
            QVERIFY(!zoom->isVisible());
            seen = true;
        });
        click(w, "btnZoomFoto");
        QVERIFY(seen);
        QCOMPARE(Modal::history(), QStringList {"TfrmZoom"});
        QCOMPARE(w->imgFoto->picture(), photo);
    }

    // --- webcam ------------------------------------------------------------------
    void webcamImportsTheStill()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(1));
        open();
        show(1);
        g_frame = solid(64, 48, QColor(255, 128, 0));
        Modal::queueHook([](QDialog* d) {
            auto* cam = qobject_cast<TfrmWebCam*>(d);
            QVERIFY(cam);
            QCOMPARE(cam->lblMemory->text(), QStringLiteral("euro_01"));
            QVERIFY(cam->imgTarget->picture().isNull());
            click(cam, "btnAccendi");
            click(cam, "btnCattura");
            click(cam, "btnImportaFoto");
            QVERIFY(!cam->camCamera->isActive());
            QVERIFY(!cam->isVisible());
        });
        click(w, "btnWebcam");
        QCOMPARE(w->imgFoto->picture(), g_frame);
        // Stored with the card, at the still's own size.
        click(w, "cmdSalva");
        Messages::takeShown();
        QCOMPARE(QImage(folder.file(photoName(1))).size(), QSize(64, 48));
    }

    // "Annulla" after a capture leaves the photo as it was; each opening
    // starts from a fresh window.
    void webcamCancelledLeavesThePhoto()
    {
        TempProgramFolder folder;
        open();
        const QImage before = solid(30, 30, Qt::darkGreen);
        w->imgFoto->setPicture(before);
        g_frame = solid(64, 48, QColor(255, 128, 0));
        for (int round = 0; round < 2; ++round) {
            Modal::queueHook([](QDialog* d) {
                auto* cam = qobject_cast<TfrmWebCam*>(d);
                QVERIFY(cam);
                QVERIFY(cam->imgCamera->picture().isNull());
                QVERIFY(cam->imgTarget->picture().isNull());
                click(cam, "btnAccendi");
                click(cam, "btnCattura");
                click(cam, "btnClose");
                QVERIFY(!cam->camCamera->isActive());
            });
            click(w, "btnWebcam");
        }
        QCOMPARE(w->imgFoto->picture(), before);
        QCOMPARE(Modal::history(), (QStringList {"TfrmWebCam", "TfrmWebCam"}));
    }

    // --- attachments -------------------------------------------------------------
    void attachmentsApplied()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(2));
        QTemporaryDir elsewhere;
        const QString chosen = elsewhere.filePath(QStringLiteral("permesso.pdf"));
        {
            QFile f(chosen);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("permesso di soggiorno");
        }
        open();
        show(2);
        w->lblDesc02->setText(QStringLiteral("  Patente  "));
        Modal::queueHook([&](QDialog* d) {
            auto* a = qobject_cast<TfrmAllegaCartella*>(d);
            QVERIFY(a);
            QCOMPARE(a->lblMemory->text(), QStringLiteral("candidati"));
            QCOMPARE(a->txtFile01->text(), QStringLiteral("cv2.pdf"));
            QCOMPARE(a->txtDesc02->text(), QStringLiteral("Patente"));
            QCOMPARE(a->txtFile03->text(), QStringLiteral("diploma2.pdf"));
            QVERIFY(a->btnApri01->isEnabled());
            FileDialogs::queueFileName(chosen);
            QTest::mouseClick(a->btnSfoglia02, Qt::LeftButton);
            a->txtDesc02->setText(QStringLiteral("Permesso di soggiorno"));
            QTest::mouseClick(a->imgCancella03, Qt::LeftButton);
            QTest::mouseClick(a->btnApplica, Qt::LeftButton);
        });
        click(w, "cmdFile");
        QCOMPARE(attachmentLabels(),
                 (QStringList {"cv2.pdf", "Curriculum", "permesso.pdf", "Permesso di soggiorno", "", "Diploma"}));
        QCOMPARE(folder.read(QStringLiteral("Documenti_Allegati/permesso.pdf")), QByteArray("permesso di soggiorno"));
        // Stored with the card.
        click(w, "cmdSalva");
        Messages::takeShown();
        const S stored = S::decode(folder.read(kArchive).mid(kSize, kSize));
        QCOMPARE(stored.File02, QStringLiteral("permesso.pdf"));
        QCOMPARE(stored.Desc02, QStringLiteral("Permesso di soggiorno"));
        QCOMPARE(stored.File03, QString());
        QCOMPARE(stored.Desc03, QStringLiteral("Diploma"));
    }

    void attachmentsCancelled()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(1));
        QTemporaryDir elsewhere;
        const QString chosen = elsewhere.filePath(QStringLiteral("nuovo.pdf"));
        {
            QFile f(chosen);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("N");
        }
        open();
        show(1);
        const QStringList before = attachmentLabels();
        Modal::queueHook([&](QDialog* d) {
            auto* a = qobject_cast<TfrmAllegaCartella*>(d);
            QVERIFY(a);
            FileDialogs::queueFileName(chosen);
            QTest::mouseClick(a->btnSfoglia01, Qt::LeftButton);
            QTest::mouseClick(a->btnAnnulla, Qt::LeftButton);
        });
        click(w, "cmdFile");
        QCOMPARE(attachmentLabels(), before);
        QCOMPARE(folder.read(QStringLiteral("Documenti_Allegati/nuovo.pdf")), QByteArray("N"));
    }
};

SELVORA_TEST_MAIN(TestCardCommands)
#include "tst_cardcommands.moc"

// The candidate card window driven as the user would: browsing, new card,
// storing with its photo, the typing rules, the Enter chain and the
// information bar, against real archive and photo files.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/RecordFile.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/PhotoBox.h"
#include "shared/ui/FieldColour.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/SampleCandidateCard.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

using Kind = Messages::Kind;
using S = TSchedaCandidato;

namespace {
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kSaved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kNoName =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare cognome e nome del candidato.");
const QString kNoSex =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso del candidato (M o F).");
const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");
const QString kArchive = QStringLiteral("Archivio_Candidati.pro");

QByteArray card(const QString& name, const QString& sex = QStringLiteral("M"))
{
    S s;
    s.Candidato = name;
    s.Sesso = sex;
    s.Ricontatta = S::flag(false);
    return s.encode();
}

// An archive of n cards named "Candidato 1" ... "Candidato n".
QByteArray archive(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += card(QStringLiteral("Candidato %1").arg(i));
    return bytes;
}

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void writePhoto(const TempProgramFolder& folder, int n, const QImage& image)
{
    QDir(folder.path()).mkpath("Anagrafica");
    QVERIFY(image.save(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_%1.jpg").arg(n)), "JPG"));
}

QImage storedPhoto(const TempProgramFolder& folder, int n)
{
    return QImage(folder.file(QStringLiteral("Anagrafica/Scheda_Candidato_%1.jpg").arg(n)));
}
} // namespace

class TestCandidati : public QObject
{
    Q_OBJECT

    TfrmCandidati* w = nullptr;

    void open()
    {
        w->hide();
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
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
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void show(int n)
    {
        click(w->cmdPrimo);
        for (int i = 1; i < n; ++i)
            click(w->cmdAvanti);
        QCOMPARE(w->lblPosizione->text(), QString::number(n));
    }
    bool isPlaceholder(const QImage& image) { return image == w->imgBianco->picture(); }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        w = Windows::candidati();
    }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init() { resetSeams(); }
    void cleanup()
    {
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        w->hide();
        Windows::avvio()->hide();
    }

    // --- the window and its controls---------------------------------------------
    void fieldLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("limit");
        QTest::newRow("txtCandidato") << "txtCandidato"
                                      << "Cognome e nome:" << 50;
        QTest::newRow("txtSesso") << "txtSesso"
                                  << "Sesso:" << 1;
        QTest::newRow("txtDataNasc") << "txtDataNasc"
                                     << "Data nascita:" << 10;
        QTest::newRow("txtCittadinanza") << "txtCittadinanza"
                                         << "Cittadinanza:" << 50;
        QTest::newRow("txtLuogoNasc") << "txtLuogoNasc"
                                      << "Luogo nascita:" << 50;
        QTest::newRow("txtIndirizzo") << "txtIndirizzo"
                                      << "Indirizzo residenza:" << 120;
        QTest::newRow("txtCitta") << "txtCitta"
                                  << "Città:" << 50;
        QTest::newRow("txtCap") << "txtCap"
                                << "CAP:" << 10;
        QTest::newRow("txtSettore") << "txtSettore"
                                    << "Settore professionale:" << 50;
        QTest::newRow("txtCodFisc") << "txtCodFisc"
                                    << "Codice fiscale:" << 16;
        QTest::newRow("txtPartitaIva") << "txtPartitaIva"
                                       << "Partita IVA:" << 11;
        QTest::newRow("txtPatente") << "txtPatente"
                                    << "Patente di guida:" << 50;
        QTest::newRow("txtStudio") << "txtStudio"
                                   << "Titolo di studio:" << 120;
        QTest::newRow("txtLingue") << "txtLingue"
                                   << "Lingue conosciute:" << 250;
        QTest::newRow("txtEmail") << "txtEmail"
                                  << "E-mail:" << 50;
        QTest::newRow("txtTel") << "txtTel"
                                << "Tel. casa:" << 30;
        QTest::newRow("txtCel") << "txtCel"
                                << "Tel. cellulare:" << 30;
        QTest::newRow("txtDocumento") << "txtDocumento"
                                      << "Documento (tipo e numero):" << 120;
        QTest::newRow("txtEnteRil") << "txtEnteRil"
                                    << "Ente di rilascio:" << 120;
        QTest::newRow("txtInizioTes") << "txtInizioTes"
                                      << "Data rilascio:" << 10;
        QTest::newRow("txtFineTes") << "txtFineTes"
                                    << "Data scadenza:" << 10;
        QTest::newRow("txtEsperienze") << "txtEsperienze"
                                       << "Esperienze lavorative:" << 250;
        QTest::newRow("txtCompetenze") << "txtCompetenze"
                                       << "Competenze informatiche:" << 250;
        QTest::newRow("txtDisponibilita") << "txtDisponibilita"
                                          << "Disponibilità:" << 120;
        QTest::newRow("txtNote") << "txtNote"
                                 << "Note:" << 250;
    }
    void fieldLimits()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, limit);
        auto* field = control<QLineEdit>(w, name);
        QVERIFY(field);
        QCOMPARE(field->maxLength(), limit);
        bool captioned = false;
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (label->buddy() == field) {
                QCOMPARE(label->text(), caption);
                captioned = true;
            }
        }
        QVERIFY(captioned);
    }

    void controls()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral(" Selvora - Archivio Candidati"));
        for (const char* name : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"}) {
            auto* label = control<QLabel>(w, name);
            QVERIFY(label);
            QVERIFY(label->isHidden());
        }
        QCOMPARE(w->imgBianco->picture().size(), QSize(307, 394));
        QVERIFY(w->imgBianco->isHidden());
        QVERIFY(control<QWidget>(w, "btnFocus")->isHidden());
        QCOMPARE(w->chkRicontatta->text(), QStringLiteral("Da ricontattare"));
        QCOMPARE(w->panCandidati->size(), QSize(996, 692));
        QCOMPARE(w->cmdAnteprima->text(), QStringLiteral("Anteprima"));
        QCOMPARE(w->cmdStampa->text(), QStringLiteral("Stampa"));
        QCOMPARE(w->btnCaricaFoto->text(), QStringLiteral("Carica"));
        for (PictureButton* b : w->findChildren<PictureButton*>()) {
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
            QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        }
    }

    void infoBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("cmdNuovo") << "cmdNuovo"
                                  << "Prepara la schermata per l'inserimento di una nuova scheda.";
        QTest::newRow("cmdDuplica")
            << "cmdDuplica"
            << "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.";
        QTest::newRow("cmdSalva") << "cmdSalva"
                                  << "Salva la scheda in archivio.";
        QTest::newRow("cmdTrova") << "cmdTrova"
                                  << "Trova una scheda in archivio.";
        QTest::newRow("cmdFile") << "cmdFile"
                                 << "Allega file alla scheda.";
        QTest::newRow("cmdAnteprima") << "cmdAnteprima"
                                      << "Visualizza l'anteprima di stampa della scheda.";
        QTest::newRow("cmdStampa") << "cmdStampa"
                                   << "Stampa la scheda.";
        QTest::newRow("cmdPrimo") << "cmdPrimo"
                                  << "Visualizza la prima scheda in archivio.";
        QTest::newRow("cmdIndietro") << "cmdIndietro"
                                     << "Visualizza la scheda precedente in archivio.";
        QTest::newRow("cmdAvanti") << "cmdAvanti"
                                   << "Visualizza la scheda successiva in archivio.";
        QTest::newRow("cmdUltimo") << "cmdUltimo"
                                   << "Visualizza l'ultima scheda in archivio.";
        QTest::newRow("cmdScadute") << "cmdScadute"
                                    << "Visualizza il riepilogo dei candidati da ricontattare.";
        QTest::newRow("cmdEsporta") << "cmdEsporta"
                                    << "Esporta l'archivio in un file di Microsoft Excel.";
        QTest::newRow("cmdGuida") << "cmdGuida"
                                  << "Visualizza la guida in linea.";
        QTest::newRow("cmdEsci") << "cmdEsci"
                                 << "Esci da questa schermata di lavoro.";
        QTest::newRow("btnCaricaFoto") << "btnCaricaFoto"
                                       << "Carica una foto esistente.";
        QTest::newRow("btnWebcam") << "btnWebcam"
                                   << "Cattura la foto con una webcam.";
        QTest::newRow("btnSalvaFoto") << "btnSalvaFoto"
                                      << "Salva la foto su disco.";
        QTest::newRow("btnCancFoto") << "btnCancFoto"
                                     << "Cancella la foto.";
        QTest::newRow("btnZoomFoto") << "btnZoomFoto"
                                     << "Visualizza la foto nelle sue dimensioni reali.";
        QTest::newRow("btnCodFisc") << "btnCodFisc"
                                    << "Controlla il codice fiscale.";
        QTest::newRow("btnPartitaIva") << "btnPartitaIva"
                                       << "Controlla il numero di partita IVA.";
        QTest::newRow("btnEmail") << "btnEmail"
                                  << "Invia una e-mail all'indirizzo indicato.";
        QTest::newRow("chkRicontatta")
            << "chkRicontatta"
            << "Spunta questa casella per annotare che il candidato deve essere ricontattato.";
    }
    void infoBar()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TempProgramFolder folder;
        open();
        auto* command = control<QWidget>(w, name);
        QVERIFY(command);
        // The tooltip says the same, and names the command's key when it has one.
        QCOMPARE(command->toolTip().left(text.size()), text);
        QTest::mouseMove(command, QPoint(3, 3));
        QCOMPARE(w->panInfo->text(), text);
        // Over the background the bar is emptied.
        QTest::mouseMove(w->panCandidati, QPoint(1, 1));
        QCOMPARE(w->panInfo->text(), QString());
    }

    // --- opening -----------------------------------------------------------------
    void opensOnANewCard()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(3));
        show(2); // leave something on screen
        w->lblFile01->setText("cv.pdf");
        w->chkRicontatta->setChecked(true);
        open();
        for (QLineEdit* f : w->fields())
            QCOMPARE(f->text(), QString());
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(w->lblFile01->text(), QString());
        QVERIFY(!w->chkRicontatta->isChecked());
        QVERIFY(isPlaceholder(w->imgFoto->picture()));
        QVERIFY(w->txtCandidato->hasFocus());
        expectNone();
    }

    void fieldColours()
    {
        TempProgramFolder folder;
        open();
        QCOMPARE(FieldColour::current(w->txtCandidato), FieldColour::Focus);
        QCOMPARE(FieldColour::current(w->txtNote), FieldColour::Rest);
        w->txtSesso->setFocus();
        QCOMPARE(FieldColour::current(w->txtCandidato), FieldColour::Beige);
        QCOMPARE(FieldColour::current(w->txtSesso), FieldColour::Focus);
        // A picture button leaves the focus where it was.
        click(w->cmdNuovo);
        QVERIFY(w->txtCandidato->hasFocus());
    }

    // --- browsing ----------------------------------------------------------------
    void browsing_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("start"); // position shown first ("" = new card)
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("position"); // position afterwards
        QTest::addColumn<QString>("name"); // name field afterwards
        QTest::newRow("first") << 4 << "3"
                               << "cmdPrimo"
                               << "1"
                               << "Candidato 1";
        QTest::newRow("last") << 4 << ""
                              << "cmdUltimo"
                              << "4"
                              << "Candidato 4";
        QTest::newRow("forward from a new card") << 4 << ""
                                                 << "cmdAvanti"
                                                 << "1"
                                                 << "Candidato 1";
        QTest::newRow("back from a new card") << 4 << ""
                                              << "cmdIndietro"
                                              << "1"
                                              << "Candidato 1";
        QTest::newRow("forward") << 4 << "2"
                                 << "cmdAvanti"
                                 << "3"
                                 << "Candidato 3";
        QTest::newRow("back") << 4 << "3"
                              << "cmdIndietro"
                              << "2"
                              << "Candidato 2";
        QTest::newRow("back on card 1 does nothing") << 4 << "1"
                                                     << "cmdIndietro"
                                                     << "1"
                                                     << "Candidato 1";
        QTest::newRow("forward on the last does nothing") << 4 << "4"
                                                          << "cmdAvanti"
                                                          << "4"
                                                          << "Candidato 4";
    }
    void browsing()
    {
        QFETCH(int, cards);
        QFETCH(QString, start);
        QFETCH(QString, command);
        QFETCH(QString, position);
        QFETCH(QString, name);
        TempProgramFolder folder;
        folder.write(kArchive, archive(cards));
        open();
        if (!start.isEmpty())
            show(start.toInt());
        w->txtNote->setText("modifica non salvata");
        click(control<QWidget>(w, command));
        expectNone();
        QCOMPARE(w->lblPosizione->text(), position);
        QCOMPARE(w->txtCandidato->text(), name);
        // Unsaved edits are replaced without a question, unless nothing moved.
        const bool moved = start != position;
        QCOMPARE(w->txtNote->text(), moved ? QString() : QStringLiteral("modifica non salvata"));
        QCOMPARE(folder.read(kArchive), archive(cards));
    }

    void emptyArchive_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("positionAfter");
        QTest::newRow("first") << "cmdPrimo"
                               << "7";
        QTest::newRow("last") << "cmdUltimo"
                              << "7";
        QTest::newRow("back") << "cmdIndietro"
                              << "7";
        QTest::newRow("forward empties the position") << "cmdAvanti"
                                                      << "";
    }
    void emptyArchive()
    {
        QFETCH(QString, command);
        QFETCH(QString, positionAfter);
        TempProgramFolder folder;
        open();
        w->txtCandidato->setText("Rossi");
        w->lblPosizione->setText("7");
        click(control<QWidget>(w, command));
        expectShown(Kind::Information, kEmpty);
        QCOMPARE(w->lblPosizione->text(), positionAfter);
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("Rossi"));
        // The archive is created empty on first use.
        QVERIFY(QFile::exists(folder.file(kArchive)));
        QCOMPARE(folder.read(kArchive).size(), 0);
    }

    void showsEveryField()
    {
        TempProgramFolder folder;
        S s;
        for (int i = 0; i < S::CampoCount; ++i)
            s.field(S::Campo(i)) = QStringLiteral("v%1 è").arg(i).left(S::maxChars(S::Campo(i)));
        s.Sesso = "f"; // shown as stored, not upper-cased
        s.Ricontatta = S::flag(true);
        folder.write(kArchive, archive(1) + s.encode());
        open();
        click(w->cmdUltimo);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(w->fields()[i]->text(), s.field(S::Campo(i)));
        QVERIFY(w->chkRicontatta->isChecked());
        QCOMPARE(w->lblFile01->text(), s.File01);
        QCOMPARE(w->lblFile03->text(), s.File03);
        QCOMPARE(w->lblDesc02->text(), s.Desc02);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("2"));
        click(w->cmdIndietro);
        QVERIFY(!w->chkRicontatta->isChecked());
        QCOMPARE(w->lblFile01->text(), QString());
    }

    // Every field shows its text from the first character, however long,
    // and a screen reader hears the card's position.
    void longFieldsShowTheirStart()
    {
        TempProgramFolder folder;
        S s;
        for (int i = 0; i < S::CampoCount; ++i)
            s.field(S::Campo(i)) = QStringLiteral("Inizio %1 ")
                                       .arg(i)
                                       .append(QString(300, QLatin1Char('x')))
                                       .left(S::maxChars(S::Campo(i)));
        folder.write(kArchive, archive(1) + s.encode());
        open();
        QCOMPARE(QAccessible::queryAccessibleInterface(w->lblPosizione)->text(QAccessible::Name),
                 QStringLiteral("Nuova scheda"));
        for (QWidget* command : {static_cast<QWidget*>(w->cmdUltimo), static_cast<QWidget*>(w->cmdPrimo),
                                 static_cast<QWidget*>(w->cmdUltimo)}) {
            click(command);
            for (int i = 0; i < 25; ++i)
                QCOMPARE(w->fields()[i]->cursorPosition(), 0);
        }
        QVERIFY(w->fields()[5]->text().startsWith(QStringLiteral("Inizio")));
        QCOMPARE(QAccessible::queryAccessibleInterface(w->lblPosizione)->text(QAccessible::Name),
                 QStringLiteral("Scheda 2"));
    }

    void damagedArchive()
    {
        TempProgramFolder folder;
        QByteArray bytes = archive(2);
        bytes[S::Size] = char(255); // card 2's name claims 255 bytes
        bytes += QByteArray(1000, 'x'); // a torn tail
        folder.write(kArchive, bytes);
        open();
        click(w->cmdUltimo);
        expectNone();
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(w->txtCandidato->text().size(), 50);
    }

    void unusableArchive_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("last") << "cmdUltimo";
        QTest::newRow("back") << "cmdIndietro";
        QTest::newRow("forward") << "cmdAvanti";
        QTest::newRow("save") << "cmdSalva";
    }
    void unusableArchive()
    {
        QFETCH(QString, command);
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(kArchive));
        open();
        w->txtCandidato->setText("Rossi");
        w->txtSesso->setText("M");
        click(control<QWidget>(w, command));
        expectShown(Kind::Error, kAccess);
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("Rossi"));
        QVERIFY(!QFile::exists(folder.file("Anagrafica")));
    }

    // --- new card ----------------------------------------------------------------
    void newCard()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(2));
        writePhoto(folder, 2, solid(40, 30, Qt::red));
        open();
        show(2);
        QVERIFY(!isPlaceholder(w->imgFoto->picture()));
        w->lblDesc01->setText("documento");
        w->chkRicontatta->setChecked(true);
        w->txtSesso->setFocus();
        click(w->cmdNuovo);
        expectNone();
        for (QLineEdit* f : w->fields())
            QCOMPARE(f->text(), QString());
        QCOMPARE(w->lblDesc01->text(), QString());
        QVERIFY(!w->chkRicontatta->isChecked());
        QCOMPARE(w->lblPosizione->text(), QString());
        QVERIFY(isPlaceholder(w->imgFoto->picture()));
        QVERIFY(w->txtCandidato->hasFocus());
    }

    // --- storing ---------------------------------------------------------------------
    void requiredFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no name") << ""
                                 << "M" << kNoName << "txtCandidato";
        QTest::newRow("name of blanks") << "   "
                                        << "M" << kNoName << "txtCandidato";
        QTest::newRow("no sex") << "Rossi"
                                << "" << kNoSex << "txtSesso";
        QTest::newRow("sex blank") << "Rossi"
                                   << " " << kNoSex << "txtSesso";
        QTest::newRow("neither: name first") << ""
                                             << "" << kNoName << "txtCandidato";
    }
    void requiredFields()
    {
        QFETCH(QString, name);
        QFETCH(QString, sex);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TempProgramFolder folder;
        folder.write(kArchive, archive(1));
        open();
        w->txtCandidato->setText(name);
        w->txtSesso->setText(sex);
        w->txtNote->setFocus();
        click(w->cmdSalva);
        expectShown(Kind::Warning, message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(folder.read(kArchive), archive(1));
        QCOMPARE(w->lblPosizione->text(), QString());
    }

    // A new card in an archive of 7 becomes card 8 with its photo file.
    void appendCard()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(7));
        open();
        QTest::keyClicks(w->txtCandidato, "  Bianchi Anna ");
        QTest::keyClicks(w->txtSesso, "f");
        w->txtCitta->setText("Forlì");
        w->txtNote->setText("n");
        w->chkRicontatta->setChecked(true);
        w->lblFile02->setText("permesso.pdf");
        w->lblDesc02->setText(QString(300, QLatin1Char('d')));
        click(w->cmdSalva);
        expectShown(Kind::Information, kInserted);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("8"));

        const QByteArray now = folder.read(kArchive);
        QCOMPARE(now.size(), 8 * 3612);
        QCOMPARE(now.left(7 * 3612), archive(7));
        const QByteArray r = now.mid(7 * 3612);
        checkSampleRecord(r);
        if (QTest::currentTestFailed())
            return;
        // The screen keeps what was typed.
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("  Bianchi Anna "));

        // Stored without a photo: the placeholder.
        const QImage photo = storedPhoto(folder, 8);
        QCOMPARE(photo.size(), QSize(307, 394));
        QVERIFY(!QFile::exists(folder.file("Anagrafica/Scheda_Candidato_7.jpg")));
    }

    // Letters the archive cannot hold are named before storing, field by
    // field: the plain letters replace them, or the card goes back unstored.
    void unstorableLetters_data()
    {
        QTest::addColumn<int>("choice");
        QTest::newRow("plain letters") << 0;
        QTest::newRow("back to the card") << 1;
    }
    void unstorableLetters()
    {
        QFETCH(int, choice);
        TempProgramFolder folder;
        folder.write(kArchive, archive(2));
        open();
        w->txtCandidato->setText(QString::fromUtf8("Kowalski Łukasz"));
        w->txtSesso->setText("M");
        w->txtCitta->setText(QString::fromUtf8("Łódź"));
        w->txtNote->setText(QString::fromUtf8("Forlì, Győr"));
        Messages::queueChoice(choice);
        click(w->cmdSalva);
        const QList<Messages::Shown> got = Messages::takeShown();
        QVERIFY(!got.isEmpty());
        QCOMPARE(got.at(0).kind, Messages::Kind::Warning);
        QCOMPARE(got.at(0).text,
                 QString::fromUtf8("Attenzione: l'archivio non può conservare alcune lettere della scheda, che "
                                   "verrebbero registrate come \"?\".\r\n\r\n"
                                   "Cognome e nome: «Ł», al loro posto: «Kowalski Lukasz»\r\n"
                                   "Città: «Ł», «ź», al loro posto: «Lódz»\r\n"
                                   "Note: «ő», al loro posto: «Forlì, Gyor»\r\n\r\n"
                                   "Sostituirle con le lettere semplici più vicine e salvare, oppure tornare alla "
                                   "scheda?"));
        if (choice == 1) {
            QCOMPARE(got.size(), 1);
            QCOMPARE(folder.read(kArchive), archive(2));
            QVERIFY(w->lblPosizione->text().isEmpty());
            QCOMPARE(w->txtCitta->text(), QString::fromUtf8("Łódź"));
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->txtCandidato));
            return;
        }
        QCOMPARE(got.size(), 2);
        QCOMPARE(got.at(1).text, kInserted);
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("Kowalski Lukasz"));
        QCOMPARE(w->txtCitta->text(), QString::fromUtf8("Lódz"));
        const QByteArray r = folder.read(kArchive).mid(2 * 3612);
        QCOMPARE(r.mid(0, 16),
                 QByteArray("\x0F"
                            "Kowalski Lukasz"));
        QCOMPARE(r.mid(287, 5),
                 QByteArray("\x04L\xF3"
                            "dz"));
        QCOMPARE(r.mid(1852, 12),
                 QByteArray("\x0B"
                            "Forl\xEC, Gyor"));
    }

    // The first card of a new archive: bytes 0 to 3611, card 1, photo 1.
    void firstCardOfANewArchive()
    {
        TempProgramFolder folder;
        open();
        w->txtCandidato->setText(QString(50, QLatin1Char('N')));
        w->txtSesso->setText("M");
        w->imgFoto->setPicture(solid(160, 120, Qt::blue));
        click(w->cmdSalva);
        expectShown(Kind::Information, kInserted);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        const QByteArray now = folder.read(kArchive);
        QCOMPARE(now.size(), 3612);
        QCOMPARE(now.left(51), QByteArray(1, char(50)) + QByteArray(50, 'N'));
        QCOMPARE(now.mid(2103, 3), QByteArray("\x02\x4E\x6F"));
        const QImage photo = storedPhoto(folder, 1);
        QCOMPARE(photo.size(), QSize(160, 120));
        QVERIFY(qBlue(photo.pixel(80, 60)) > 200);
    }

    // Storing card 3 again rewrites only its own bytes and its photo.
    void rewriteCard()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(5));
        writePhoto(folder, 2, solid(30, 30, Qt::green));
        open();
        show(3);
        w->txtNote->setText("richiamare");
        w->imgFoto->setPicture(solid(64, 48, Qt::red));
        click(w->cmdSalva);
        expectShown(Kind::Information, kSaved);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        const QByteArray now = folder.read(kArchive);
        const QByteArray before = archive(5);
        QCOMPARE(now.size(), before.size());
        QCOMPARE(now.left(7224), before.left(7224));
        QCOMPARE(now.mid(10836), before.mid(10836));
        QCOMPARE(S::decode(now.mid(7224, 3612)).Note, QStringLiteral("richiamare"));
        QCOMPARE(S::decode(now.mid(7224, 3612)).Candidato, QStringLiteral("Candidato 3"));
        QCOMPARE(storedPhoto(folder, 3).size(), QSize(64, 48));
        QCOMPARE(storedPhoto(folder, 2).size(), QSize(30, 30));
    }

    void photos()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(3));
        writePhoto(folder, 1, solid(200, 100, Qt::red));
        QDir(folder.path()).mkpath("Anagrafica");
        folder.write("Anagrafica/Scheda_Candidato_3.jpg", "not a picture");
        open();
        show(1);
        QCOMPARE(w->imgFoto->picture().size(), QSize(200, 100));
        // Fitted into the box with its proportions kept.
        const QRect drawn = w->imgFoto->pictureRect();
        QCOMPARE(drawn.width(), w->imgFoto->width());
        QVERIFY(qAbs(drawn.height() * 2 - drawn.width()) <= 2);
        click(w->cmdAvanti); // no photo file
        QVERIFY(isPlaceholder(w->imgFoto->picture()));
        click(w->cmdAvanti); // unreadable photo file
        QVERIFY(isPlaceholder(w->imgFoto->picture()));
        expectNone();
    }

    // A photo that cannot be written: the card is stored, and a warning says
    // the photo was not; the picture stays on screen for another try.
    void photoNotWritten()
    {
        TempProgramFolder folder;
        folder.write("Anagrafica", "a file where the photo folder should be");
        open();
        w->txtCandidato->setText("Verdi");
        w->txtSesso->setText("M");
        w->imgFoto->setPicture(solid(50, 50, Qt::red));
        click(w->cmdSalva);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(int(shown[0].kind), int(Kind::Information));
        QCOMPARE(shown[0].text, kInserted);
        QCOMPARE(int(shown[1].kind), int(Kind::Warning));
        QVERIFY(shown[1].text.contains(QStringLiteral("foto")));
        QCOMPARE(folder.read(kArchive).size(), 3612);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(w->imgFoto->picture().size(), QSize(50, 50));
    }

    // A write that fails midway: the error, no card added, no photo.
    void failedAppend()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(2));
        open();
        w->txtCandidato->setText("Neri");
        w->txtSesso->setText("M");
        {
            FailingWrites guard(100);
            click(w->cmdSalva);
        }
        expectShown(Kind::Error, kAccess);
        QCOMPARE(folder.read(kArchive), archive(2));
        QCOMPARE(w->lblPosizione->text(), QString());
        QVERIFY(!QFile::exists(folder.file("Anagrafica/Scheda_Candidato_3.jpg")));
    }

    void failedRewrite()
    {
        TempProgramFolder folder;
        folder.write(kArchive, archive(3));
        open();
        show(2);
        // A change in the first bytes of the card, so that the part written
        // before the failure differs from the stored card.
        w->txtCandidato->setText("Zeta Zorro");
        w->txtNote->setText("x");
        {
            FailingWrites guard(100, FailingFile::Failure::Once);
            click(w->cmdSalva);
        }
        expectShown(Kind::Error, kAccess);
        QCOMPARE(folder.read(kArchive), archive(3));
        QVERIFY(!QFile::exists(folder.file("Anagrafica/Scheda_Candidato_2.jpg")));
    }

    void storeThenBrowseBack()
    {
        TempProgramFolder folder;
        open();
        const char* names[] = {"Alfa", "Beta", "Gamma"};
        for (const char* name : names) {
            click(w->cmdNuovo);
            QTest::keyClicks(w->txtCandidato, name);
            QTest::keyClicks(w->txtSesso, "m");
            click(w->cmdSalva);
            expectShown(Kind::Information, kInserted);
        }
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        click(w->cmdPrimo);
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("Alfa"));
        QCOMPARE(w->txtSesso->text(), QStringLiteral("M"));
        click(w->cmdUltimo);
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("Gamma"));
        // A second store of the same card rewrites it: still three cards.
        click(w->cmdSalva);
        expectShown(Kind::Information, kSaved);
        QCOMPARE(folder.read(kArchive).size(), 3 * 3612);
    }

    // --- typing rules ------------------------------------------------------------
    void typing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("sex m") << "txtSesso"
                               << "m"
                               << "M";
        QTest::newRow("sex blank first") << "txtSesso"
                                         << " x"
                                         << "X";
        QTest::newRow("fiscal code") << "txtCodFisc"
                                     << "rssmra80a01h501u"
                                     << "RSSMRA80A01H501U";
        QTest::newRow("fiscal code blanks") << "txtCodFisc"
                                            << " rss "
                                            << "RSS";
        QTest::newRow("e-mail blanks") << "txtEmail"
                                       << " mario@rossi.it "
                                       << "mario@rossi.it";
        QTest::newRow("e-mail case kept") << "txtEmail"
                                          << "Mario@Rossi.IT"
                                          << "Mario@Rossi.IT";
        QTest::newRow("VAT digits only") << "txtPartitaIva"
                                         << "12ab 3-4.5"
                                         << "12345";
        QTest::newRow("other fields as typed") << "txtCitta"
                                               << " roma "
                                               << " roma ";
    }
    void typing()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TempProgramFolder folder;
        open();
        auto* field = control<QLineEdit>(w, name);
        field->setFocus();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), shown);
    }

    void vatEditingKeys()
    {
        TempProgramFolder folder;
        open();
        w->txtPartitaIva->setFocus();
        QTest::keyClicks(w->txtPartitaIva, "123");
        QTest::keyClick(w->txtPartitaIva, Qt::Key_Left);
        QTest::keyClick(w->txtPartitaIva, Qt::Key_Backspace);
        QCOMPARE(w->txtPartitaIva->text(), QStringLiteral("13"));
        QTest::keyClick(w->txtPartitaIva, Qt::Key_Home); // discarded
        QTest::keyClicks(w->txtPartitaIva, "9");
        QCOMPARE(w->txtPartitaIva->text(), QStringLiteral("193"));
        QTest::keyClick(w->txtPartitaIva, Qt::Key_Delete);
        QCOMPARE(w->txtPartitaIva->text(), QStringLiteral("19"));
        QTest::keyClick(w->txtPartitaIva, Qt::Key_A, Qt::ControlModifier); // select all: discarded
        QTest::keyClicks(w->txtPartitaIva, "0");
        QCOMPARE(w->txtPartitaIva->text(), QStringLiteral("190"));
        // Enter still moves on; a number put in by a window is not filtered.
        QTest::keyClick(w->txtPartitaIva, Qt::Key_Return);
        QVERIFY(w->txtPatente->hasFocus());
        w->txtPartitaIva->setText("IT01");
        QCOMPARE(w->txtPartitaIva->text(), QStringLiteral("IT01"));
    }

    void enterChain()
    {
        TempProgramFolder folder;
        open();
        const QList<QLineEdit*> fields = w->fields();
        QCOMPARE(fields.size(), 25);
        QVERIFY(fields.first()->hasFocus());
        for (int i = 0; i < 25; ++i) {
            QVERIFY2(fields[i]->hasFocus(), qPrintable(fields[i]->objectName()));
            QTest::keyClick(fields[i], Qt::Key_Return);
        }
        QVERIFY(w->txtCandidato->hasFocus());
        // Tab follows the same order, then the check box.
        w->txtNote->setFocus();
        QTest::keyClick(w->txtNote, Qt::Key_Tab);
        QVERIFY(w->chkRicontatta->hasFocus());
        w->txtCodFisc->setFocus();
        QTest::keyClick(w->txtCodFisc, Qt::Key_Tab);
        QVERIFY(w->txtPartitaIva->hasFocus());
        QTest::keyClick(w->txtPartitaIva, Qt::Key_Tab);
        QVERIFY(w->txtPatente->hasFocus());
    }

    void closingShowsTheLauncher()
    {
        TempProgramFolder folder;
        open();
        click(w->cmdEsci);
        QVERIFY(w->isHidden());
        QVERIFY(Windows::avvio()->isVisible());
        expectNone();
    }
};

SELVORA_TEST_MAIN(TestCandidati)
#include "tst_candidati.moc"

// The interview card window over a real session file in a temporary program
// folder: new card, browsing, storing byte for byte, the required fields, the
// score and date fields, the fiscal code field and its check, the tools it
// opens, and files that go wrong under it.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/Clock.h"
#include "base/core/NumberText.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "rankings/core/OfficialRanking.h"
#include "sessions/core/ScoringGrid.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/FieldColour.h"
#include "shared/ui/InfoBar.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "support/core/HandLaidInterviewCard.h"
#include "tools/core/CalculatorEngine.h"
#include "tools/ui/Calcolatrice_Scientifica.h"
#include "tools/ui/Calendario.h"
#include "tools/ui/CodFisc.h"
#include "tools/ui/PartitaIva.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <cstring>
#include <memory>

namespace {

const QString kSessione = QStringLiteral("Colloqui 2024.vai");
const QString kVuoto = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAccesso =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kInserita = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kModificata =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QByteArray kSi("S\xEC", 2);

using Card = HandLaidInterviewCard;

Card card1()
{
    return SampleInterviewCards::first();
}
Card card2()
{
    return SampleInterviewCards::second();
}
Card card3()
{
    return SampleInterviewCards::third();
}

QList<Messages::Shown> boxes()
{
    return Messages::takeShown();
}

} // namespace

class TestTorneo : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    TfrmTorneo* w = nullptr;

    QString path() const { return m_folder->file(kSessione); }
    QByteArray onDisk() const { return m_folder->read(kSessione); }

    void open(const QByteArray& contents)
    {
        m_folder->write(kSessione, contents);
        w->hide();
        w->lblFile->setText(path());
        w->lblNome->setText(QStringLiteral("Colloqui 2024"));
        w->showMaximized();
        activate();
    }

    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The offscreen platform keeps its focus window across hide and show, so
    // the widget layer is told again which window is active.
    void activate()
    {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        if (QApplication::activeWindow() != w)
            QApplication::setActiveWindow(w);
    }

    // Types text with the characters a keyboard would send, accents included.
    void type(QWidget* field, const QString& text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(field, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void expectOne(Messages::Kind kind, const QString& text)
    {
        const QList<Messages::Shown> shown = boxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown.at(0).kind), int(kind));
        QCOMPARE(shown.at(0).text, text);
    }

    void expectCard(const QString& candidato, const QString& posizione)
    {
        QCOMPARE(w->txtConcorrente->text(), candidato);
        QCOMPARE(w->lblPosizione->text(), posizione);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    // What a screen reader hears for the widget.
    static QString spoken(QWidget* widget)
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        return iface ? iface->text(QAccessible::Name) : QString();
    }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        w = Windows::torneo();
    }
    void cleanupTestCase()
    {
        Windows::destroyAll();
        Clock::setToday(QDate());
    }
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2024, 3, 5));
        CalculatorState::shared() = CalculatorState();
        m_folder.reset(new TempProgramFolder);
    }
    void cleanup()
    {
        w->hide();
        m_folder.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void window()
    {
        open(QByteArray());
        QCOMPARE(w->windowTitle(), QStringLiteral(" Selvora - Gestione sessione"));
        QVERIFY(w->isMaximized());
        QCOMPARE(w->lblNome->text(), QStringLiteral("Colloqui 2024"));
        QVERIFY(w->lblNome->isVisible());
        QVERIFY(!w->lblFile->isVisible());
        QCOMPARE(w->txtConcorrente->maxLength(), 120);
        QCOMPARE(w->txtResponsabile->maxLength(), 16);
        QCOMPARE(w->txtTelefono->maxLength(), 50);
        QCOMPARE(w->txtEmail->maxLength(), 10);
        QCOMPARE(w->txtPunteggio->maxLength(), 15);
        QCOMPARE(w->txtNote->maxLength(), 500);
        // The date is typed, or picked from the calendar.
        QVERIFY(!w->txtEmail->isReadOnly());
        QVERIFY(w->txtEmail->alignment() & Qt::AlignHCenter);
        QVERIFY(w->txtPunteggio->alignment() & Qt::AlignRight);
        for (QWidget* f : {static_cast<QWidget*>(w->txtConcorrente), static_cast<QWidget*>(w->txtGare),
                           static_cast<QWidget*>(w->txtPunteggio)}) {
            QVERIFY(f->font().bold());
            QCOMPARE(f->font().pointSize(), 12);
        }
        QCOMPARE(w->chkCompletato->text(), QStringLiteral("Idoneo"));
        QCOMPARE(w->infConcorrente->text(), QStringLiteral("Candidato:"));
        QCOMPARE(w->infResponsabile->text(), QStringLiteral("Codice fiscale:"));
        QCOMPARE(w->infTelefono->text(), QStringLiteral("Provenienza:"));
        QCOMPARE(w->infEmail->text(), QStringLiteral("Data colloquio:"));
        QCOMPARE(w->infPunteggio->text(), QStringLiteral("Punteggio totale:"));
        QCOMPARE(w->infNote->text(), QStringLiteral("Note:"));
        QCOMPARE(w->infConcorrente->buddy(), static_cast<QWidget*>(w->txtConcorrente));
        QCOMPARE(w->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    }

    // Tab goes round the whole window in the order a user reads it: the
    // card's fields with their pictures, then the commands.
    void tabOrderIsTheReadingOrder()
    {
        open(QByteArray());
        QStringList chain;
        QWidget* at = w->txtConcorrente;
        do {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus) && at->window() == w)
                chain << at->objectName();
            at = at->nextInFocusChain();
        } while (at != w->txtConcorrente && chain.size() < 100);
        QCOMPARE(chain.join(QLatin1Char(' ')),
                 QStringLiteral("txtConcorrente txtResponsabile txtTelefono txtEmail btnData txtGare txtPunteggio "
                                "btnCalcolatrice btnGriglia chkCompletato txtNote btnCandidato btnEmail cmdNuovo "
                                "cmdSalva cmdTrova cmdAnteprima cmdStampa cmdPrimo cmdIndietro cmdAvanti cmdUltimo "
                                "cmdExcel cmdNonPagati cmdGriglia cmdCalendario cmdGuida cmdEsci"));
    }

    void informationBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("cmdNuovo") << "cmdNuovo"
                                  << "Prepara la schermata per l'inserimento di una nuova scheda.";
        QTest::newRow("cmdSalva") << "cmdSalva"
                                  << "Salva la scheda corrente in archivio.";
        QTest::newRow("cmdTrova") << "cmdTrova"
                                  << "Trova una scheda in archivio.";
        QTest::newRow("cmdAnteprima") << "cmdAnteprima"
                                      << "Visualizza l'anteprima di stampa della scheda corrente.";
        QTest::newRow("cmdStampa") << "cmdStampa"
                                   << "Stampa la scheda corrente.";
        QTest::newRow("cmdPrimo") << "cmdPrimo"
                                  << "Visualizza la prima scheda in archivio.";
        QTest::newRow("cmdIndietro") << "cmdIndietro"
                                     << "Visualizza la scheda precedente in archivio.";
        QTest::newRow("cmdAvanti") << "cmdAvanti"
                                   << "Visualizza la scheda successiva in archivio.";
        QTest::newRow("cmdUltimo") << "cmdUltimo"
                                   << "Visualizza l'ultima scheda in archivio.";
        QTest::newRow("cmdExcel") << "cmdExcel"
                                  << "Esporta le schede in archivio in un file di Microsoft Excel.";
        QTest::newRow("cmdNonPagati") << "cmdNonPagati"
                                      << QString::fromUtf8(
                                             "Visualizza l'elenco dei candidati che hanno ottenuto l'idoneità.");
        QTest::newRow("cmdGuida") << "cmdGuida"
                                  << "Visualizza la pagina della guida in linea sensibile al contesto.";
        QTest::newRow("cmdEsci") << "cmdEsci"
                                 << "Esci da questa schermata di lavoro.";
        QTest::newRow("btnCandidato") << "btnCandidato"
                                      << "Importa i dati dall'archivio dei candidati.";
        QTest::newRow("btnEmail") << "btnEmail"
                                  << "Verifica codice fiscale.";
        QTest::newRow("btnCalcolatrice") << "btnCalcolatrice"
                                         << "Apri calcolatrice.";
        QTest::newRow("chkCompletato")
            << "chkCompletato"
            << QString::fromUtf8("Spunta questa casella per annotare che il candidato è risultato idoneo.");
    }
    void informationBar()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        open(QByteArray());
        QWidget* command = control<QWidget>(w, name);
        QVERIFY(command);
        // The tooltip says the same, and names the command's key when it has one.
        QCOMPARE(command->toolTip().left(text.size()), text);
        // A point of the command that the pointer can reach (on a small test
        // screen the command bar may be squeezed).
        QPoint at(-1, -1);
        for (int x = 1; x < command->width() - 1 && at.x() < 0; ++x) {
            const QPoint p(x, command->height() / 2);
            if (command->parentWidget()->childAt(command->mapToParent(p)) == command)
                at = p;
        }
        QVERIFY(at.x() >= 0);
        QMouseEvent over(QEvent::MouseMove, QPointF(at), command->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(command, &over);
        QCOMPARE(w->panInfo->text(), text);
        QCOMPARE(spoken(w->panInfo), text);
        if (auto* picture = qobject_cast<QToolButton*>(command))
            QCOMPARE(picture->focusPolicy(), Qt::TabFocus);
        // Over the background the bar empties.
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QCOMPARE(w->panInfo->text(), QString());
    }

    void newCardOnShow()
    {
        open(card1().bytes());
        click(w->cmdPrimo);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        w->hide();
        w->showMaximized();
        QCOMPARE(w->txtConcorrente->text(), QString());
        QCOMPARE(w->txtResponsabile->text(), QString());
        QCOMPARE(w->txtTelefono->text(), QString());
        QCOMPARE(w->txtEmail->text(), QStringLiteral("05/03/2024"));
        QCOMPARE(w->txtGare->toPlainText(), QString());
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("0,00"));
        QCOMPARE(w->txtNote->text(), QString());
        QVERIFY(!w->chkCompletato->isChecked());
        QCOMPARE(w->lblPosizione->text(), QString());
        activate();
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtConcorrente));
        QCOMPARE(FieldColour::current(w->txtConcorrente), FieldColour::Focus);
        QCOMPARE(FieldColour::current(w->txtTelefono), FieldColour::Rest);
        QVERIFY(boxes().isEmpty());
    }

    void nuovoClearsTheCard()
    {
        open(card1().bytes());
        click(w->cmdPrimo);
        QVERIFY(w->chkCompletato->isChecked());
        click(w->cmdNuovo);
        expectCard(QString(), QString());
        QCOMPARE(w->txtEmail->text(), QStringLiteral("05/03/2024"));
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("0,00"));
        QVERIFY(!w->chkCompletato->isChecked());
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtConcorrente));
        QCOMPARE(onDisk(), card1().bytes());
    }

    void browse()
    {
        const QByteArray file = card1().bytes() + card2().bytes() + card3().bytes();
        open(file);
        QCOMPARE(spoken(w->lblPosizione), QStringLiteral("Nuova scheda"));
        QCOMPARE(spoken(w->lblNome), QStringLiteral("Colloqui 2024"));
        click(w->cmdAvanti); // from a new card: card 1
        expectCard("Mario Rossi", "1");
        QCOMPARE(spoken(w->lblPosizione), QStringLiteral("Scheda 1"));
        QCOMPARE(w->txtResponsabile->text(), QStringLiteral("RSSMRA80A01H501U"));
        QCOMPARE(w->txtTelefono->text(), QStringLiteral("Roma"));
        QCOMPARE(w->txtEmail->text(), QStringLiteral("04/03/2024"));
        QCOMPARE(w->txtGare->toPlainText(), QStringLiteral("Buona presenza.\nInglese fluente."));
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("27,50"));
        QCOMPARE(w->txtNote->text(), QStringLiteral("Richiamare"));
        QVERIFY(w->chkCompletato->isChecked());
        click(w->cmdAvanti);
        expectCard("Anna Bianchi", "2");
        QVERIFY(w->chkCompletato->isChecked()); // an empty flag leaves the box
        click(w->cmdAvanti);
        expectCard(QString::fromUtf8("Luca Verdi è"), "3");
        QVERIFY(!w->chkCompletato->isChecked());
        QCOMPARE(w->txtGare->toPlainText(), QString());
        click(w->cmdAvanti); // on the last: nothing
        expectCard(QString::fromUtf8("Luca Verdi è"), "3");
        click(w->cmdIndietro);
        expectCard("Anna Bianchi", "2");
        QVERIFY(!w->chkCompletato->isChecked()); // as it was on card 3
        click(w->cmdPrimo);
        expectCard("Mario Rossi", "1");
        click(w->cmdIndietro); // on card 1: nothing
        expectCard("Mario Rossi", "1");
        click(w->cmdUltimo);
        expectCard(QString::fromUtf8("Luca Verdi è"), "3");
        QCOMPARE(spoken(w->lblPosizione), QStringLiteral("Scheda 3"));
        click(w->cmdNuovo);
        QCOMPARE(spoken(w->lblPosizione), QStringLiteral("Nuova scheda"));
        click(w->cmdIndietro); // from a new card: card 1
        expectCard("Mario Rossi", "1");
        QVERIFY(boxes().isEmpty());
        QCOMPARE(onDisk(), file);
    }

    void browseKeepsFocusAndColours()
    {
        open(card1().bytes() + card2().bytes());
        w->txtTelefono->setFocus();
        click(w->cmdAvanti);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtTelefono));
        QCOMPARE(FieldColour::current(w->txtTelefono), FieldColour::Focus);
        QCOMPARE(FieldColour::current(w->txtConcorrente), FieldColour::Rest);
    }

    void partialTailIsNotACard()
    {
        open(card1().bytes() + card2().bytes() + QByteArray(100, 'x'));
        click(w->cmdUltimo);
        expectCard("Anna Bianchi", "2");
    }

    void emptySession_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("previous") << "cmdIndietro";
        QTest::newRow("next") << "cmdAvanti";
        QTest::newRow("last") << "cmdUltimo";
    }
    void emptySession()
    {
        QFETCH(QString, command);
        open(QByteArray());
        w->txtConcorrente->setText("Scritto a mano");
        click(control<QWidget>(w, command));
        expectOne(Messages::Kind::Information, kVuoto);
        expectCard("Scritto a mano", QString());
        QCOMPARE(QFileInfo(path()).size(), 0);
    }

    void nextOnEmptiedSessionEmptiesThePosition()
    {
        open(card1().bytes());
        click(w->cmdPrimo);
        m_folder->write(kSessione, QByteArray());
        click(w->cmdAvanti);
        expectOne(Messages::Kind::Information, kVuoto);
        expectCard("Mario Rossi", QString());
    }

    void storeAppendsThenRewrites()
    {
        open(QByteArray());
        type(w->txtConcorrente, QString::fromUtf8("Giulia Neri è"));
        QTest::keyClick(w->txtConcorrente, Qt::Key_Return);
        // A code that agrees with the name, so that storing asks nothing.
        QTest::keyClicks(w->txtResponsabile, "nregli90c41l219c");
        QTest::keyClick(w->txtResponsabile, Qt::Key_Return);
        QTest::keyClicks(w->txtTelefono, "Torino");
        QTest::keyClick(w->txtTelefono, Qt::Key_Return);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtEmail));
        QTest::keyClick(w->txtEmail, Qt::Key_Return);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtGare));
        QTest::keyClicks(w->txtGare, "Prima riga");
        QTest::keyClick(w->txtGare, Qt::Key_Return);
        QTest::keyClicks(w->txtGare, "Seconda riga");
        QTest::keyClick(w->txtGare, Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtPunteggio));
        w->txtPunteggio->selectAll();
        QTest::keyClicks(w->txtPunteggio, "12,5");
        QTest::keyClick(w->txtPunteggio, Qt::Key_Return);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtNote));
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("12,50"));
        QTest::keyClicks(w->txtNote, "Disponibile subito");
        click(w->chkCompletato);
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));

        Card expected {"Giulia Neri \xE8",
                       "NREGLI90C41L219C",
                       "Torino",
                       "05/03/2024",
                       "Prima riga\r\nSeconda riga",
                       "12,50",
                       "Disponibile subito",
                       kSi};
        QCOMPARE(onDisk(), expected.bytes());

        // A second store writes over the same card.
        w->txtNote->setText("Richiamato");
        click(w->chkCompletato);
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kModificata);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        expected.note = "Richiamato";
        expected.idoneo = "No";
        QCOMPARE(onDisk(), expected.bytes());
    }

    // A session whose final ranking was published and sealed: storing a card
    // asks first; once the card is stored the window says, for as long as it
    // is so, that the publication no longer matches the session.
    void storeInASealedSession_data()
    {
        QTest::addColumn<bool>("storeAnyway");
        QTest::newRow("Salva comunque") << true;
        QTest::newRow("Annulla") << false;
    }
    void storeInASealedSession()
    {
        QFETCH(bool, storeAnyway);
        const QByteArray before = card1().bytes() + card2().bytes();
        m_folder->write(kSessione, before);
        ScoringGrid g;
        g.sessionFile = kSessione;
        g.criteria = {{QStringLiteral("Colloquio"), 10.0, 1.0}};
        g.members = {{QStringLiteral("Galli"), GridMember::Role::President}};
        g.cards[1][QStringLiteral("Galli")].insert(QStringLiteral("Colloquio"), 7.0);
        g.seal.sessionSha256 = GridFile::fileSha256(path());
        g.seal.gridSha256 = g.contentSha256();
        g.seal.when = QDateTime::currentDateTime();
        QString error;
        QVERIFY2(GridFile::write(path(), g, &error), qPrintable(error));
        const QByteArray grid = m_folder->read(QStringLiteral("Colloqui 2024.griglia.json"));

        open(before);
        auto* seal = w->findChild<QLabel*>(QStringLiteral("lblSigillo"));
        QVERIFY(seal);
        QVERIFY(seal->isHidden());
        click(w->cmdPrimo);
        expectCard(QStringLiteral("Mario Rossi"), "1");
        w->txtNote->setText(QStringLiteral("Richiamato"));
        Messages::queueChoice(storeAnyway ? 0 : 1);
        click(w->cmdSalva);
        QList<Messages::Shown> shown = boxes();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(int(shown.at(0).kind), int(Messages::Kind::Warning));
        QCOMPARE(shown.at(0).text, OfficialRanking::storeBreaksSealQuestion());
        QVERIFY(shown.at(0).text.contains(QStringLiteral("non corrisponderà più")));
        QCOMPARE(shown.at(0).buttons, (QStringList {QStringLiteral("Salva comunque"), QStringLiteral("Annulla")}));
        QCOMPARE(m_folder->read(QStringLiteral("Colloqui 2024.griglia.json")), grid);
        if (!storeAnyway) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(onDisk(), before);
            QCOMPARE(w->txtNote->text(), QStringLiteral("Richiamato"));
            QVERIFY(seal->isHidden());
            return;
        }
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).text, kModificata);
        QVERIFY(onDisk() != before);
        const QString broken = OfficialRanking::sealText(OfficialRanking::SealState::Changed);
        QVERIFY(seal->isVisible());
        QCOMPARE(seal->text(), broken);
        QCOMPARE(spoken(seal), broken);
        // The seal is already broken: a further store asks nothing more.
        w->txtNote->setText(QStringLiteral("Richiamato due volte"));
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kModificata);
        // Opened again, the window still says so.
        open(onDisk());
        QVERIFY(seal->isVisible());
        // Put back as published, the files match the seal again.
        open(before);
        QVERIFY(seal->isHidden());
    }

    // Letters the session file cannot hold are named before storing: the
    // plain letters replace them, or nothing is stored.
    void unstorableLetters_data()
    {
        QTest::addColumn<int>("choice");
        QTest::newRow("plain letters") << 0;
        QTest::newRow("back to the card") << 1;
    }
    void unstorableLetters()
    {
        QFETCH(int, choice);
        open(QByteArray());
        w->txtConcorrente->setText(QString::fromUtf8("Kowalski Łukasz"));
        w->txtEmail->setText("05/03/2024");
        w->txtPunteggio->setText("20,00");
        w->txtGare->setPlainText(QString::fromUtf8("Parla ceco: \"Dobrý den, ťuk\""));
        Messages::queueChoice(choice);
        click(w->cmdSalva);
        const QList<Messages::Shown> shown = boxes();
        QVERIFY(shown.size() >= 1);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Warning);
        QCOMPARE(shown.at(0).buttons, (QStringList {"Sostituisci e salva", "Torna alla scheda"}));
        QVERIFY2(shown.at(0).text.contains(QString::fromUtf8("Candidato: «Ł», al loro posto: «Kowalski Lukasz»")),
                 qPrintable(shown.at(0).text));
        QVERIFY2(shown.at(0).text.contains(QString::fromUtf8("«ť»")), qPrintable(shown.at(0).text));
        if (choice == 1) {
            QCOMPARE(shown.size(), 1);
            QVERIFY(onDisk().isEmpty());
            QCOMPARE(w->txtConcorrente->text(), QString::fromUtf8("Kowalski Łukasz"));
            QCOMPARE(focused(), static_cast<QWidget*>(w->txtConcorrente));
            return;
        }
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).text, kInserita);
        QCOMPARE(w->txtConcorrente->text(), QStringLiteral("Kowalski Lukasz"));
        QCOMPARE(w->txtGare->toPlainText(), QString::fromUtf8("Parla ceco: \"Dobrý den, tuk\""));
        QVERIFY(onDisk().startsWith("Kowalski Lukasz"));
        QVERIFY(!onDisk().contains('?'));
    }

    void storeAppendsAfterTheLastCard()
    {
        const QByteArray before = card1().bytes() + card2().bytes();
        open(before + QByteArray(100, 'x'));
        w->txtConcorrente->setText("Nuovo");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        Card expected {"Nuovo", "", "", "05/03/2024", "", "0,00", "", "No"};
        QCOMPARE(onDisk(), before + expected.bytes());
    }

    void browseAndStoreIsByteForByte()
    {
        Card odd = card3();
        odd.dettagli = "Riga uno\r\nRiga due\r\n\r\nRiga quattro \xA0 fine";
        const QByteArray file = card1().bytes() + odd.bytes() + card2().bytes();
        open(file);
        click(w->cmdPrimo);
        click(w->cmdAvanti);
        expectCard(QString::fromUtf8("Luca Verdi è"), "2");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kModificata);
        QCOMPARE(onDisk(), file);
    }

    void storeRewritesOnlyItsCard()
    {
        const QByteArray file = card1().bytes() + card2().bytes() + card3().bytes();
        open(file);
        click(w->cmdPrimo);
        click(w->cmdAvanti);
        w->txtTelefono->setText("Bergamo");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kModificata);
        Card changed = card2();
        changed.provenienza = "Bergamo";
        changed.idoneo = kSi; // the box still ticked from card 1
        QCOMPARE(onDisk(), card1().bytes() + changed.bytes() + card3().bytes());
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("candidato");
        QTest::addColumn<bool>("emptyDate");
        QTest::addColumn<QString>("punteggio");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString candidato =
            QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il nome del candidato.");
        const QString data =
            QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data del colloquio.");
        const QString punteggio = QString::fromUtf8(
            "Attenzione: per salvare la scheda è necessario indicare il punteggio totale ottenuto dal candidato.");
        QTest::newRow("no candidate") << "" << false << "" << candidato << "txtConcorrente";
        QTest::newRow("blank candidate, and no date") << "   " << true << "" << candidato << "txtConcorrente";
        QTest::newRow("no date") << "Rossi" << true << "" << data << "txtEmail";
        QTest::newRow("no date, no score") << "Rossi" << true << "empty" << data << "txtEmail";
        QTest::newRow("score emptied and still focused") << "Rossi" << false << "empty" << punteggio << "txtPunteggio";
    }
    void requiredFields()
    {
        QFETCH(QString, candidato);
        QFETCH(bool, emptyDate);
        QFETCH(QString, punteggio);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        open(QByteArray());
        QTest::keyClicks(w->txtConcorrente, candidato);
        if (emptyDate) {
            w->txtEmail->setFocus();
            QTest::keyClick(w->txtEmail, Qt::Key_Backspace);
            QCOMPARE(w->txtEmail->text(), QString());
        }
        if (punteggio == QLatin1String("empty")) {
            w->txtPunteggio->setFocus();
            w->txtPunteggio->selectAll();
            QTest::keyClick(w->txtPunteggio, Qt::Key_Delete);
            QCOMPARE(w->txtPunteggio->text(), QString());
        }
        click(w->cmdSalva);
        expectOne(Messages::Kind::Warning, message);
        QCOMPARE(focused(), control<QWidget>(w, focus));
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(onDisk(), QByteArray());
        QVERIFY(Modal::history().isEmpty()); // the date picker does not open by itself
    }

    void scoreTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inField");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7") << "7"
                           << "7"
                           << "7,00";
        QTest::newRow("7,5") << "7,5"
                             << "7,5"
                             << "7,50";
        QTest::newRow("0012,3") << "0012,3"
                                << "0012,3"
                                << "12,30";
        QTest::newRow("7,999") << "7,999"
                               << "7,999"
                               << "8,00";
        QTest::newRow("1,2,3") << "1,2,3"
                               << "1,2,3"
                               << "0,00";
        QTest::newRow("7,125") << "7,125"
                               << "7,125"
                               << "7,13";
        QTest::newRow("2,675") << "2,675"
                               << "2,675"
                               << "2,67";
        QTest::newRow("emptied") << ""
                                 << ""
                                 << "0,00";
        QTest::newRow("lone comma") << ","
                                    << ","
                                    << "0,00";
        // A point is the decimal comma while there is none: never a score a
        // thousand times larger.
        QTest::newRow("minus and letters are dropped, the point is a comma") << "-1.5a"
                                                                             << "1,5"
                                                                             << "1,50";
        QTest::newRow("27.456") << "27.456"
                                << "27,456"
                                << "27,46";
        QTest::newRow("point first") << ".5"
                                     << ",5"
                                     << "0,50";
        QTest::newRow("blanks are dropped") << " 3 "
                                            << "3"
                                            << "3,00";
    }
    void scoreTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, inField);
        QFETCH(QString, shown);
        open(QByteArray());
        w->txtPunteggio->setFocus();
        w->txtPunteggio->selectAll();
        QTest::keyClick(w->txtPunteggio, Qt::Key_Backspace);
        QTest::keyClicks(w->txtPunteggio, typed);
        QCOMPARE(w->txtPunteggio->text(), inField);
        QTest::keyClick(w->txtPunteggio, Qt::Key_Tab);
        QVERIFY(focused() != w->txtPunteggio);
        QCOMPARE(w->txtPunteggio->text(), shown);
        QCOMPARE(FieldColour::current(w->txtPunteggio), FieldColour::Rest);
    }

    // A point after the comma is refused with a message and leaves the
    // field as it was; the keypad's decimal key is a point too.
    void scorePointAfterTheComma()
    {
        open(QByteArray());
        w->txtPunteggio->setFocus();
        w->txtPunteggio->setText("27,4");
        w->txtPunteggio->setCursorPosition(4);
        QTest::keyClick(w->txtPunteggio, '.');
        expectOne(Messages::Kind::Warning, NumberText::pointRefusedMessage());
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("27,4"));
        QTest::keyClick(w->txtPunteggio, '5');
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("27,45"));
        // With the comma selected, the point takes its place.
        w->txtPunteggio->setSelection(2, 1);
        QTest::sendKeyEvent(QTest::Click, w->txtPunteggio, Qt::Key_Period, QStringLiteral("."), Qt::KeypadModifier);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("27,45"));
        QCOMPARE(boxes().size(), 0);
    }

    void scoreKeysThatDoNothing()
    {
        open(QByteArray());
        w->txtPunteggio->setFocus();
        w->txtPunteggio->setText("12,5");
        w->txtPunteggio->setCursorPosition(2);
        // Escape is not among them: it leaves the window, as "Esci" does.
        for (int key : {int(Qt::Key_Home), int(Qt::Key_End), int(Qt::Key_Up), int(Qt::Key_Down)}) {
            QTest::keyClick(w->txtPunteggio, Qt::Key(key));
            QCOMPARE(w->txtPunteggio->cursorPosition(), 2);
        }
        QTest::keyClick(w->txtPunteggio, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w->txtPunteggio, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("12,5"));
        QTest::keyClick(w->txtPunteggio, Qt::Key_Left);
        QCOMPARE(w->txtPunteggio->cursorPosition(), 1);
        QTest::keyClick(w->txtPunteggio, Qt::Key_Delete);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("1,5"));
        QTest::keyClick(w->txtPunteggio, Qt::Key_Right);
        QTest::keyClick(w->txtPunteggio, Qt::Key_Backspace);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("15"));
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtPunteggio));
    }

    void storeNormalisesAFocusedScore()
    {
        open(QByteArray());
        w->txtConcorrente->setText("Rossi");
        w->txtPunteggio->setFocus();
        w->txtPunteggio->selectAll();
        QTest::keyClicks(w->txtPunteggio, "7");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("7,00"));
        QCOMPARE(onDisk().mid(5345, 16), QByteArray("7,00").leftJustified(16, '\0'));
    }

    // A click gives the score field its whole text selected, as Tab does, so
    // that "8" typed over the new card's "0,00" is 8 and not 80. A second
    // click, with the focus already there, places the cursor as usual.
    void scoreTypedAfterAClick_data()
    {
        QTest::addColumn<int>("x"); // where the click lands, from the left
        QTest::newRow("left of the text") << 4;
        QTest::newRow("on the text") << -12;
    }
    void scoreTypedAfterAClick()
    {
        QFETCH(int, x);
        open(QByteArray());
        w->txtConcorrente->setText("Rossi");
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtConcorrente));
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("0,00"));
        const QPoint at(x < 0 ? w->txtPunteggio->width() + x : x, w->txtPunteggio->height() / 2);
        QTest::mouseClick(w->txtPunteggio, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtPunteggio));
        QCOMPARE(w->txtPunteggio->selectedText(), QStringLiteral("0,00"));
        QTest::keyClicks(w->txtPunteggio, "8");
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("8"));
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("8,00"));
        QCOMPARE(onDisk().mid(5345, 16), QByteArray("8,00").leftJustified(16, '\0'));

        w->txtPunteggio->setFocus();
        w->txtPunteggio->setCursorPosition(0);
        QTest::mouseClick(w->txtPunteggio, Qt::LeftButton, Qt::NoModifier,
                          QPoint(w->txtPunteggio->width() - 2, w->txtPunteggio->height() / 2));
        QVERIFY(!w->txtPunteggio->hasSelectedText());
        QCOMPARE(w->txtPunteggio->cursorPosition(), 4);
    }

    // A normalised score longer than the typing limit is shown whole; the
    // record keeps what its width holds, as before.
    void longScoreIsShownWhole()
    {
        open(QByteArray());
        w->txtConcorrente->setText("Rossi");
        w->txtPunteggio->setFocus();
        w->txtPunteggio->selectAll();
        QTest::keyClicks(w->txtPunteggio, "99999999999999");
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("99999999999999"));
        QTest::keyClick(w->txtPunteggio, Qt::Key_Tab);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("99999999999999,00"));
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("99999999999999,00"));
        QCOMPARE(onDisk().mid(5345, 16), QByteArray("99999999999999,\0", 16));
        // A new card types within the limit again.
        click(w->cmdNuovo);
        QCOMPARE(w->txtPunteggio->maxLength(), TfrmTorneo::MaxPunteggio);
    }

    // Every one-line field filled from the file shows its text from the first
    // character, however long.
    void longFieldsShowTheirStart()
    {
        Card c = card1();
        c.candidato = QByteArray("Maria Giovanna Francesca ").repeated(4);
        c.provenienza = QByteArray("Via dei Mille 12345, Roma ").repeated(2);
        c.note = QByteArray("Da richiamare dopo il colloquio tecnico. ").repeated(8);
        c.punteggio = "123456789012345";
        open(c.bytes() + card2().bytes());
        for (QWidget* command : {static_cast<QWidget*>(w->cmdPrimo), static_cast<QWidget*>(w->cmdUltimo),
                                 static_cast<QWidget*>(w->cmdPrimo)}) {
            click(command);
            for (QLineEdit* f :
                 {w->txtConcorrente, w->txtResponsabile, w->txtTelefono, w->txtEmail, w->txtPunteggio, w->txtNote})
                QCOMPARE(f->cursorPosition(), 0);
        }
        QVERIFY(w->txtConcorrente->text().startsWith(QStringLiteral("Maria Giovanna")));
    }

    void fiscalCodeTyping()
    {
        open(QByteArray());
        w->txtResponsabile->setFocus();
        QTest::keyClicks(w->txtResponsabile, " rss");
        QCOMPARE(w->txtResponsabile->text(), QStringLiteral("RSS"));
        QTest::keyClick(w->txtResponsabile, Qt::Key_Space);
        QCOMPARE(w->txtResponsabile->text(), QStringLiteral("RSS"));
        type(w->txtResponsabile, QString::fromUtf8("mràèz"));
        QCOMPARE(w->txtResponsabile->text(), QString::fromUtf8("RSSMRàèZ"));
    }

    void enterChain()
    {
        open(QByteArray());
        const QList<QPair<QWidget*, QWidget*>> chain = {
            {w->txtConcorrente, w->txtResponsabile}, {w->txtResponsabile, w->txtTelefono},
            {w->txtTelefono, w->txtEmail},           {w->txtEmail, w->txtGare},
            {w->txtPunteggio, w->txtNote},           {w->txtNote, w->txtConcorrente},
        };
        for (const auto& link : chain) {
            link.first->setFocus();
            QTest::keyClick(link.first, Qt::Key_Return);
            QCOMPARE(focused(), link.second);
        }
        w->txtGare->setFocus();
        QTest::keyClick(w->txtGare, Qt::Key_Return);
        QCOMPARE(focused(), static_cast<QWidget*>(w->txtGare));
        QCOMPARE(w->txtGare->toPlainText(), QStringLiteral("\n"));
        QVERIFY(Modal::history().isEmpty());
    }

    void dateField()
    {
        open(QByteArray());
        w->txtEmail->setFocus();
        // Tab moves on to the calendar button without the picker; Shift
        // alone does nothing.
        QTest::keyClick(w->txtEmail, Qt::Key_Shift);
        QTest::keyClick(w->txtEmail, Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(w->btnData));
        QVERIFY(Modal::history().isEmpty());

        w->txtEmail->setFocus();
        QTest::keyClick(w->txtEmail, Qt::Key_Delete);
        QCOMPARE(w->txtEmail->text(), QString());
        w->txtEmail->setText("01/01/2024");
        QTest::keyClick(w->txtEmail, Qt::Key_Backspace);
        QCOMPARE(w->txtEmail->text(), QString());

        // Alt+Down opens the picker with the interview-date tag; digits are
        // typed into the field, letters are not.
        QString tag;
        Modal::queueHook([&tag](QDialog* d) {
            auto* cal = static_cast<TfrmCalendario*>(d);
            tag = cal->lblMemory->text();
            cal->calAppuntamenti->setSelectedDate(QDate(2024, 2, 9));
            QTest::mouseClick(cal->btnImportaData, Qt::LeftButton);
        });
        QTest::keyClick(w->txtEmail, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(Modal::history(), QStringList {"TfrmCalendario"});
        QCOMPARE(tag, QStringLiteral("torneo_email"));
        QCOMPARE(w->txtEmail->text(), QStringLiteral("09/02/2024"));

        Modal::queueHook([](QDialog* d) {
            auto* cal = static_cast<TfrmCalendario*>(d);
            cal->calAppuntamenti->setSelectedDate(QDate(2020, 1, 1));
            QTest::mouseClick(cal->btnAnnulla, Qt::LeftButton);
        });
        activate();
        w->txtEmail->setFocus();
        QTest::keyClick(w->txtEmail, Qt::Key_F4);
        QCOMPARE(w->txtEmail->text(), QStringLiteral("09/02/2024"));
        QTest::keyClick(w->txtEmail, Qt::Key_A);
        QCOMPARE(w->txtEmail->text(), QStringLiteral("09/02/2024"));
        QTest::keyClick(w->txtEmail, Qt::Key_Backspace);
        QTest::keyClicks(w->txtEmail, "7/2/2024");
        QCOMPARE(w->txtEmail->text(), QStringLiteral("7/2/2024"));
        QCOMPARE(Modal::history().size(), 2);
    }

    void checkButton_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("given");
        QTest::newRow("eleven digits") << "12345670587"
                                       << "TfrmPartitaIva"
                                       << "12345670587";
        QTest::newRow("letters and digits") << "RSSMRA80A01H501U"
                                            << "TfrmCodFisc"
                                            << "RSSMRA80A01H501U";
        QTest::newRow("empty") << ""
                               << "TfrmCodFisc"
                               << "";
        QTest::newRow("blanks only") << "   "
                                     << "TfrmCodFisc"
                                     << "";
        QTest::newRow("digits with blanks around") << " 00000001206 "
                                                   << "TfrmPartitaIva"
                                                   << "00000001206";
    }
    void checkButton()
    {
        QFETCH(QString, code);
        QFETCH(QString, dialog);
        QFETCH(QString, given);
        open(QByteArray());
        w->txtResponsabile->setText(code);
        QString seen;
        Modal::queueHook([&seen](QDialog* d) {
            if (auto* cf = qobject_cast<TfrmCodFisc*>(d))
                seen = cf->txtCodFisc->text();
            if (auto* iva = qobject_cast<TfrmPartitaIva*>(d))
                seen = iva->txtPartitaIva->text();
        });
        click(w->btnEmail);
        QCOMPARE(Modal::history(), QStringList {dialog});
        QCOMPARE(seen, given);
        QCOMPARE(w->txtResponsabile->text(), code);
    }

    void longCodeFromTheFileIsCheckedWhole()
    {
        Card c = card1();
        c.codiceFiscale = "RSSMRA80A01H501UX";
        open(c.bytes());
        click(w->cmdPrimo);
        QCOMPARE(w->txtResponsabile->text(), QStringLiteral("RSSMRA80A01H501UX"));
        Modal::queueHook([](QDialog* d) {
            auto* cf = static_cast<TfrmCodFisc*>(d);
            QTest::mouseClick(cf->btnControlla, Qt::LeftButton);
        });
        click(w->btnEmail);
        expectOne(Messages::Kind::Warning,
                  QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kModificata);
        QCOMPARE(onDisk(), c.bytes());
    }

    void calculatorImportsTheScore()
    {
        open(QByteArray());
        w->txtConcorrente->setFocus();
        Modal::queueHook([](QDialog* d) {
            auto* calc = static_cast<TfrmCalcolatrice_Scientifica*>(d);
            for (QToolButton* key : {calc->Button2, calc->Button5, calc->ButtonDiv, calc->Button2, calc->ButtonResult})
                QTest::mouseClick(key, Qt::LeftButton);
            QCOMPARE(calc->Edit1->text(), QStringLiteral("12,5"));
            QTest::mouseClick(calc->btnImporta, Qt::LeftButton);
        });
        click(w->btnCalcolatrice);
        QCOMPARE(Modal::history(), QStringList {"TfrmCalcolatrice_Scientifica"});
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("12,5"));
        activate();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(w->txtPunteggio));
        QTest::keyClick(w->txtPunteggio, Qt::Key_Tab);
        QCOMPARE(w->txtPunteggio->text(), QStringLiteral("12,50"));
    }

    void detailsLimitCountsLineBreaks()
    {
        open(QByteArray());
        w->txtGare->setFocus();
        w->txtGare->setPlainText(QString(4997, QLatin1Char('a')));
        w->txtGare->moveCursor(QTextCursor::End);
        QTest::keyClick(w->txtGare, Qt::Key_Return); // 4999 in the record
        QTest::keyClick(w->txtGare, Qt::Key_B); // 5000
        QTest::keyClick(w->txtGare, Qt::Key_C); // no room
        QTest::keyClick(w->txtGare, Qt::Key_Return); // no room
        QCOMPARE(w->txtGare->toPlainText(), QString(4997, QLatin1Char('a')) + "\nb");
        w->txtConcorrente->setText("Rossi");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        const QByteArray details = onDisk().mid(344, 5001);
        QCOMPARE(details, QByteArray(4997, 'a') + "\r\nb" + QByteArray(1, '\0'));
    }

    void fieldsWithoutTerminator()
    {
        Card full {QByteArray(121, 'A'),
                   QByteArray(121, 'B'),
                   QByteArray(51, 'C'),
                   QByteArray(51, 'D'),
                   QByteArray(5001, 'E'),
                   QByteArray(16, '9'),
                   QByteArray(501, 'F'),
                   "S\xEC"
                   "x"};
        QByteArray bytes = full.bytes();
        open(bytes + card3().bytes());
        click(w->cmdPrimo);
        QCOMPARE(w->txtConcorrente->text(), QString(121, QLatin1Char('A')));
        QCOMPARE(w->txtResponsabile->text(), QString(121, QLatin1Char('B')));
        QCOMPARE(w->txtTelefono->text(), QString(51, QLatin1Char('C')));
        QCOMPARE(w->txtEmail->text(), QString(51, QLatin1Char('D')));
        QCOMPARE(w->txtGare->toPlainText(), QString(5001, QLatin1Char('E')));
        QCOMPARE(w->txtPunteggio->text(), QString(16, QLatin1Char('9')));
        QCOMPARE(w->txtNote->text(), QString(501, QLatin1Char('F')));
        QVERIFY(!w->chkCompletato->isChecked()); // "Sìx" is neither flag
        // Stored again, each field keeps its width less one and its zero; the
        // next card is untouched.
        w->txtPunteggio->setText("30");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kModificata);
        Card cut {QByteArray(120, 'A'),  QByteArray(120, 'B'),
                  QByteArray(50, 'C'),   QByteArray(50, 'D'),
                  QByteArray(5000, 'E'), "30,00",
                  QByteArray(500, 'F'),  "No"};
        QCOMPARE(onDisk(), cut.bytes() + card3().bytes());
        // A new card puts the typing limits back.
        click(w->cmdNuovo);
        QCOMPARE(w->txtResponsabile->maxLength(), 16);
        QCOMPARE(w->txtEmail->maxLength(), 10);
    }

    void fileDeletedWhileOpen()
    {
        open(card1().bytes() + card2().bytes());
        click(w->cmdPrimo);
        QVERIFY(QFile::remove(path()));
        w->txtNote->setText("modificata");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Plain, kAccesso);
        expectCard("Mario Rossi", "1");
        QCOMPARE(w->txtNote->text(), QStringLiteral("modificata"));
        // The record file is made again, empty: nothing was written past its end.
        QCOMPARE(onDisk(), QByteArray());
        click(w->cmdAvanti);
        expectOne(Messages::Kind::Information, kVuoto);
        QCOMPARE(w->lblPosizione->text(), QString());
        // Stored as a new card, it becomes card 1 of the new file.
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("1"));
        Card c = card1();
        c.note = "modificata";
        QCOMPARE(onDisk(), c.bytes());
    }

    void fileReplacedByAFolder_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("kind");
        QTest::newRow("first") << "cmdPrimo" << int(Messages::Kind::Error);
        QTest::newRow("previous") << "cmdIndietro" << int(Messages::Kind::Error);
        QTest::newRow("next") << "cmdAvanti" << int(Messages::Kind::Error);
        QTest::newRow("last") << "cmdUltimo" << int(Messages::Kind::Error);
        QTest::newRow("store") << "cmdSalva" << int(Messages::Kind::Plain);
    }
    void fileReplacedByAFolder()
    {
        QFETCH(QString, command);
        QFETCH(int, kind);
        open(card1().bytes() + card2().bytes());
        click(w->cmdUltimo);
        QVERIFY(QFile::remove(path()));
        QVERIFY(QDir(m_folder->path()).mkdir(kSessione));
        click(control<QWidget>(w, command));
        expectOne(Messages::Kind(kind), kAccesso);
        expectCard("Anna Bianchi", "2");
        QVERIFY(QFileInfo(path()).isDir());
    }

    void positionBeyondTheEnd()
    {
        const QByteArray file = card1().bytes() + card2().bytes() + card3().bytes();
        open(file);
        click(w->cmdPrimo);
        w->lblPosizione->setText("7");
        click(w->cmdAvanti); // past the last: nothing
        QVERIFY(boxes().isEmpty());
        expectCard("Mario Rossi", "7");
        click(w->cmdIndietro); // card 6 does not exist
        expectOne(Messages::Kind::Error, kAccesso);
        expectCard("Mario Rossi", "7");
        click(w->cmdSalva);
        expectOne(Messages::Kind::Plain, kAccesso);
        expectCard("Mario Rossi", "7");
        QCOMPARE(onDisk(), file);
    }

    void failingWriteOnRewriteLeavesTheFile()
    {
        const QByteArray file = card1().bytes() + card2().bytes() + card3().bytes();
        open(file);
        click(w->cmdPrimo);
        click(w->cmdAvanti);
        // A change in the first bytes of the card, so that the part written
        // before the failure differs from the stored card (no fiscal code,
        // so that no check of it stands in the way).
        w->txtConcorrente->setText("Zeta Zorro");
        w->txtResponsabile->clear();
        w->txtNote->setText("non salvata");
        {
            FailingWrites guard(100, FailingFile::Failure::Once);
            click(w->cmdSalva);
        }
        expectOne(Messages::Kind::Plain, kAccesso);
        expectCard("Zeta Zorro", "2");
        QCOMPARE(onDisk(), file);
    }

    void failingWriteOnAppendLeavesTheFile()
    {
        const QByteArray file = card1().bytes() + card2().bytes();
        open(file);
        w->txtConcorrente->setText("Nuovo");
        {
            FailingWrites guard(3000);
            click(w->cmdSalva);
        }
        expectOne(Messages::Kind::Plain, kAccesso);
        expectCard("Nuovo", QString());
        QCOMPARE(onDisk(), file);
        // Once the disk has room again the same card goes in as card 3.
        click(w->cmdSalva);
        expectOne(Messages::Kind::Information, kInserita);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(onDisk().size(), 3 * 5865);
        QCOMPARE(onDisk().left(2 * 5865), file);
    }

    void exitShowsTheLauncher()
    {
        open(QByteArray());
        Windows::avvio()->hide();
        click(w->cmdEsci);
        QVERIFY(!w->isVisible());
        QVERIFY(Windows::avvio()->isVisible());
        Windows::avvio()->hide();
    }

    void commandsOpenTheirWindowsAndTouchNothing()
    {
        open(card1().bytes());
        const QList<QPair<QWidget*, QString>> commands = {{w->cmdTrova, QStringLiteral("TfrmTrovaPagina")},
                                                          {w->cmdAnteprima, QStringLiteral("TfrmAnteprimaPagina")},
                                                          {w->cmdStampa, QStringLiteral("TfrmStampaPagina")},
                                                          {w->cmdExcel, QStringLiteral("TfrmExpTorneo")},
                                                          {w->cmdNonPagati, QStringLiteral("TfrmSegnalati")},
                                                          {w->btnCandidato, QStringLiteral("TfrmTrovaCandidati")}};
        for (const auto& [command, dialog] : commands) {
            Modal::resetTestState();
            Modal::queueHook([](QDialog*) {});
            click(command);
            QCOMPARE(Modal::history(), QStringList {dialog});
        }
        Modal::resetTestState();
        QVERIFY(boxes().isEmpty());
        QCOMPARE(onDisk(), card1().bytes());
    }
};

SELVORA_TEST_MAIN(TestTorneo)
#include "tst_torneo.moc"

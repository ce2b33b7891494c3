// The fiscal code in the card windows: "Compila dal codice fiscale" in the
// candidate card, the warning on store when the card disagrees with its code
// (candidate and interview cards), the warning for a new card that matches
// the archive, the "Doppioni" list of the search and the check window's
// decoded data.
#include "app/ui/Windows.h"
#include "base/core/Clock.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/DuplicatesWindow.h"
#include "candidates/ui/TrovaCandidati.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/ui/CodFisc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using Kind = Messages::Kind;

namespace {

const QString kRossi = QStringLiteral("RSSMRA80A01H501U");
const QString kMismatch =
    QStringLiteral("Attenzione: i dati della scheda non corrispondono al codice fiscale.\n\r\n\r"
                   "La data di nascita della scheda (12/03/1985) non corrisponde al codice fiscale (12/03/1958)."
                   "\n\r\n\rSalvare comunque la scheda o correggere i dati?");

QByteArray card(const QString& name, const QString& date, const QString& code)
{
    TSchedaCandidato s;
    s.Candidato = name;
    s.Sesso = QStringLiteral("M");
    s.DataNasc = date;
    s.CodFisc = code;
    return s.encode();
}

} // namespace

class TestFiscalCodeCard : public QObject
{
    Q_OBJECT

    TfrmCandidati* w = nullptr;

    void open()
    {
        w->hide();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void type(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }
    int cardsOnDisk(const TempProgramFolder& folder)
    {
        return int(folder.read(CandidateArchive::fileName()).size() / TSchedaCandidato::Size);
    }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        w = Windows::candidati();
        Clock::setToday(QDate(2026, 12, 10));
    }
    void cleanupTestCase()
    {
        Clock::setToday(QDate());
        Windows::destroyAll();
    }
    void init() { resetSeams(); }
    void cleanup()
    {
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        w->hide();
    }

    // --- fill from the code ----------------------------------------------------
    void fillsEmptyFields()
    {
        TempProgramFolder folder;
        open();
        QCOMPARE(w->btnFillFromCode->accessibleName(), QStringLiteral("Compila dal codice fiscale"));
        QCOMPARE(w->btnFillFromCode->toolTip(),
                 QStringLiteral("Compila sesso, data e luogo di nascita dal codice fiscale."));
        type(w->txtCodFisc, QStringLiteral("bnclra85t45f205l"));
        click(w->btnFillFromCode);
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(w->txtSesso->text(), QStringLiteral("F"));
        QCOMPARE(w->txtDataNasc->text(), QStringLiteral("05/12/1985"));
        QCOMPARE(w->txtLuogoNasc->text(), QStringLiteral("Milano (MI)"));
    }

    void asksBeforeReplacing_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("date");
        QTest::newRow("Sostituisci") << 0 << "05/12/1985";
        QTest::newRow("Lascia come sono") << 1 << "06/12/1985";
        QTest::newRow("box closed") << -1 << "06/12/1985";
    }
    void asksBeforeReplacing()
    {
        QFETCH(int, choice);
        TempProgramFolder folder;
        open();
        type(w->txtCodFisc, QStringLiteral("BNCLRA85T45F205L"));
        type(w->txtSesso, QStringLiteral("F"));
        type(w->txtDataNasc, QStringLiteral("06/12/1985"));
        type(w->txtLuogoNasc, QStringLiteral("milano"));
        if (choice >= 0)
            Messages::queueChoice(choice);
        click(w->btnFillFromCode);
        if (choice < 0)
            Messages::resetTestState(); // an unscripted box is the user closing it
        const QList<Messages::Shown> shown = Messages::takeShown();
        if (choice >= 0) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text,
                     QStringLiteral("Alcuni dati della scheda sono diversi da quelli del codice "
                                    "fiscale:\n\r\n\rData nascita: 06/12/1985 nella scheda, 05/12/1985 "
                                    "nel codice fiscale\n\r\n\rSostituirli con quelli del codice "
                                    "fiscale?"));
            QCOMPARE(int(shown[0].kind), int(Kind::Confirmation)); // a question: the question icon
            QCOMPARE(shown[0].buttons, (QStringList {"Sostituisci", "Lascia come sono"}));
        }
        QTEST(w->txtDataNasc->text(), "date");
        // What agrees already is left as typed.
        QCOMPARE(w->txtLuogoNasc->text(), QStringLiteral("milano"));
        QCOMPARE(w->txtSesso->text(), QStringLiteral("F"));
    }

    void undecodableCodeChangesNothing()
    {
        TempProgramFolder folder;
        open();
        type(w->txtCodFisc, QStringLiteral("RSSMRA80B31H501U"));
        click(w->btnFillFromCode);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown[0].kind), int(Kind::Warning));
        QCOMPARE(shown[0].text,
                 QStringLiteral("Attenzione: non è possibile compilare i dati dal codice fiscale.\n\r"
                                "\n\rIl codice indica il 31 febbraio, un giorno che non esiste."));
        QCOMPARE(w->txtSesso->text(), QString());
        QCOMPARE(w->txtDataNasc->text(), QString());
    }

    void unknownPlaceIsSaid()
    {
        TempProgramFolder folder;
        open();
        type(w->txtCodFisc, QStringLiteral("RSSMRA80A01Z999Y"));
        click(w->btnFillFromCode);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Il luogo di nascita non è stato compilato.\n\r\n\rIl codice del luogo "
                                "di nascita (Z999) non è nella tabella dei comuni e degli stati "
                                "esteri."));
        QCOMPARE(w->txtDataNasc->text(), QStringLiteral("01/01/1980"));
        QCOMPARE(w->txtLuogoNasc->text(), QString());
    }

    // --- the check on store -----------------------------------------------------
    void mismatchOnStore_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("stored");
        QTest::newRow("Salva comunque") << 0 << 1;
        QTest::newRow("Correggi") << 1 << 0;
    }
    void mismatchOnStore()
    {
        QFETCH(int, choice);
        QFETCH(int, stored);
        TempProgramFolder folder;
        open();
        type(w->txtCandidato, QStringLiteral("Rossi Mario"));
        type(w->txtSesso, QStringLiteral("m"));
        type(w->txtDataNasc, QStringLiteral("12/03/1985"));
        type(w->txtCodFisc, QStringLiteral("RSSMRA58C12H501G"));
        Messages::queueChoice(choice);
        click(w->cmdSalva);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1 + stored);
        QCOMPARE(int(shown[0].kind), int(Kind::Warning));
        QCOMPARE(shown[0].text, kMismatch);
        QCOMPARE(shown[0].buttons, (QStringList {"Salva comunque", "Correggi"}));
        QCOMPARE(cardsOnDisk(folder), stored);
        QCOMPARE(w->txtDataNasc->text(), QStringLiteral("12/03/1985"));
        QCOMPARE(w->lblPosizione->text(), stored ? QStringLiteral("1") : QString());
    }

    void agreeingCardIsStoredWithoutQuestion()
    {
        TempProgramFolder folder;
        open();
        type(w->txtCandidato, QStringLiteral("Rossi Mario"));
        type(w->txtSesso, QStringLiteral("M"));
        type(w->txtCodFisc, kRossi);
        click(w->btnFillFromCode);
        click(w->cmdSalva);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(cardsOnDisk(folder), 1);
    }

    // --- duplicates on store ------------------------------------------------------
    void duplicateOnStore_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("Salva comunque") << 0 << 3 << "3"
                                        << "Mario Rossi";
        QTest::newRow("Mostra la scheda in archivio") << 1 << 2 << "2"
                                                      << "Rossi Mario";
        QTest::newRow("Annulla") << 2 << 2 << ""
                                 << "Mario Rossi";
    }
    void duplicateOnStore()
    {
        QFETCH(int, choice);
        QFETCH(int, cards);
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(),
                     card("Bianchi Anna", "05/12/1985", "") + card("Rossi Mario", "01/01/1980", kRossi));
        open();
        type(w->txtCandidato, QStringLiteral("Mario Rossi"));
        type(w->txtSesso, QStringLiteral("M"));
        type(w->txtCodFisc, kRossi.toLower());
        Messages::queueChoice(choice);
        click(w->cmdSalva);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), choice == 0 ? 2 : 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Attenzione: in archivio ci sono già schede che sembrano della stessa persona (stesso "
                                "codice fiscale, oppure stesso nome e data di nascita):\n\r\n\rn. 2 - Rossi Mario, "
                                "nato/a il 01/01/1980, codice fiscale RSSMRA80A01H501U\n\r\n\rSi può salvare comunque "
                                "la nuova scheda, oppure mostrare la scheda in archivio (la nuova scheda non salvata "
                                "andrà persa)."));
        QCOMPARE(int(shown[0].kind), int(Kind::Warning));
        QCOMPARE(shown[0].buttons, (QStringList {"Salva comunque", "Mostra la scheda in archivio", "Annulla"}));
        QCOMPARE(cardsOnDisk(folder), cards);
        QTEST(w->lblPosizione->text(), "position");
        QTEST(w->txtCandidato->text(), "name");
    }

    void storedCardIsNotItsOwnDuplicate()
    {
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(), card("Rossi Mario", "01/01/1980", kRossi));
        open();
        click(w->cmdPrimo);
        type(w->txtNote, QStringLiteral("richiamare"));
        click(w->cmdSalva);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    }

    // --- "Doppioni" in the search ---------------------------------------------------
    void doubles()
    {
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(),
                     card("Rossi Mario", "01/01/1980", kRossi) + card("Bianchi Anna", "05/12/1985", "") +
                         card(QString::fromUtf8("BIANCHI ANNA"), "5/12/1985", ""));
        open();
        Modal::queueHook([&](QDialog* dialog) {
            auto* search = qobject_cast<TfrmTrovaCandidati*>(dialog);
            QVERIFY(search);
            QCOMPARE(search->btnDoppioni->text(), QStringLiteral("Doppioni"));
            Modal::queueHook([&](QDialog* inner) {
                auto* list = qobject_cast<DuplicatesWindow*>(inner);
                QVERIFY(list);
                QCOMPARE(list->groupList->topLevelItemCount(), 1);
                QTreeWidgetItem* group = list->groupList->topLevelItem(0);
                QCOMPARE(group->text(0), QStringLiteral("Gruppo 1 - Stesso nome e data di nascita (2 schede)"));
                QCOMPARE(group->child(1)->text(0), QStringLiteral("n. 3 - BIANCHI ANNA, nato/a il 5/12/1985"));
                list->groupList->setCurrentItem(group->child(1));
                QTest::mouseClick(list->openButton, Qt::LeftButton);
            });
            QTest::mouseClick(search->btnDoppioni, Qt::LeftButton);
            QVERIFY(!search->isVisible());
        });
        click(w->cmdTrova);
        QCOMPARE(w->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(w->txtCandidato->text(), QStringLiteral("BIANCHI ANNA"));
    }

    void noDoubles()
    {
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(), card("Rossi Mario", "01/01/1980", kRossi));
        TfrmTrovaCandidati search(w);
        search.lblMemory->setText(QStringLiteral("candidati"));
        search.show();
        click(search.btnDoppioni);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Nell'archivio non ci sono schede che sembrano della stessa persona."));
        QVERIFY(Modal::history().isEmpty() || !Modal::history().contains(QStringLiteral("DuplicatesWindow")));
    }

    // --- the interview card -----------------------------------------------------------
    void interviewCardNameAgainstCode_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("size");
        QTest::newRow("Salva comunque") << 0 << 1;
        QTest::newRow("Correggi") << 1 << 0;
    }
    void interviewCardNameAgainstCode()
    {
        QFETCH(int, choice);
        QFETCH(int, size);
        TempProgramFolder folder;
        TfrmTorneo* t = Windows::torneo();
        t->lblFile->setText(folder.file(QStringLiteral("colloqui.vai")));
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t));
        t->txtConcorrente->setText(QStringLiteral("Bianchi Luigi"));
        t->txtResponsabile->setText(kRossi);
        Messages::queueChoice(choice);
        click(t->cmdSalva);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1 + size);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Attenzione: i dati della scheda non corrispondono al codice fiscale."
                                "\n\r\n\rIl cognome e nome della scheda (Bianchi Luigi) non "
                                "corrispondono al codice fiscale (RSS MRA).\n\r\n\rSalvare comunque "
                                "la scheda o correggere i dati?"));
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("colloqui.vai"))).size() > 0, size > 0);
        t->hide();
    }

    // --- the check window ------------------------------------------------------------
    void checkWindowShowsDecodedData()
    {
        std::unique_ptr<TfrmCodFisc> dlg(new TfrmCodFisc);
        dlg->txtCodFisc->setText(QStringLiteral("BNCLRA85T45F205L"));
        dlg->show();
        click(dlg->btnControlla);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Il codice fiscale digitato è VALIDO.\n\r\n\rSesso: femminile\nData di "
                                "nascita: 05/12/1985\nLuogo di nascita: Milano (MI) (codice F205)\n"
                                "Lettere del cognome: BNC; lettere del nome: LRA"));
    }
};

SELVORA_TEST_MAIN(TestFiscalCodeCard)
#include "tst_fiscalcodecard.moc"

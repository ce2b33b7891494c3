// The session catalogue windows driven as a user would: creating, listing,
// opening and deleting sessions in a temporary program folder.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/ProgramFolder.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/FieldColour.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <memory>

namespace {
const QString kCreated =
    QStringLiteral("Il file di archivio relativo alla nuova sessione è stato creato con successo.\r\n\r\n"
                   "E' ora possibile visualizzarlo nell'elenco delle sessioni esistenti.");
const QString kNoName = QStringLiteral("Attenzione: per creare la nuova sessione è necessario indicarne il nome.");
const QString kDuplicate =
    QStringLiteral("Attenzione: il nome della sessione indicato è già stato utilizzato in precedenza.\r\n\r\n"
                   "Inserire un nome diverso oppure, se si desidera aprire una sessione già creata, premere il "
                   "pulsante Apri sessione esistente.");
const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione.");

QStringList vaiFiles(const QString& folder)
{
    return QDir(folder).entryList({"*.vai", "*.VAI", "*.Vai"}, QDir::Files, QDir::Name);
}
} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    TfrmCreaArchivio* crea() { return Windows::creaArchivio(); }
    TfrmApriArchivio* apri() { return Windows::apriArchivio(); }

    void showCrea()
    {
        Windows::avvio()->show();
        Windows::avvio()->openEntry(2);
        QVERIFY(crea()->isVisible());
    }
    void showApri()
    {
        Windows::avvio()->show();
        Windows::avvio()->openEntry(3);
        QVERIFY(apri()->isVisible());
    }

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        resetSeams();
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        m_folder.reset();
    }

    void createTrimsTheName()
    {
        showCrea();
        QCOMPARE(crea()->txtFile->text(), QString());
        crea()->txtFile->setText(QStringLiteral("   Impiegati 2026 \t"));
        QTest::mouseClick(crea()->btnApplica, Qt::LeftButton);
        QCOMPARE(vaiFiles(m_folder->path()), QStringList {"Impiegati 2026.vai"});
        QCOMPARE(QFileInfo(m_folder->file("Impiegati 2026.vai")).size(), 0);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Information);
        QCOMPARE(shown[0].text, kCreated);
        QCOMPARE(crea()->lblFile->text(), m_folder->file("Impiegati 2026.vai"));
        // Back to the launcher; the new session is not opened.
        QVERIFY(!crea()->isVisible());
        QVERIFY(Windows::avvio()->isVisible());
        QVERIFY(!Windows::torneo()->isVisible());
    }

    void createRefusals_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QStringList() << QString() << kNoName;
        QTest::newRow("blanks only") << QStringList() << QStringLiteral("   ") << kNoName;
        QTest::newRow("same name") << QStringList {"Tecnici.vai"} << QStringLiteral("Tecnici") << kDuplicate;
        QTest::newRow("other letter case") << QStringList {"Tecnici.vai"} << QStringLiteral("TECNICI") << kDuplicate;
        QTest::newRow("extension in capitals")
            << QStringList {"Tecnici.VAI"} << QStringLiteral("tecnici") << kDuplicate;
    }
    void createRefusals()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        for (const QString& f : existing)
            m_folder->write(f, "abc");
        showCrea();
        crea()->txtFile->setText(typed);
        QTest::mouseClick(crea()->btnApplica, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(vaiFiles(m_folder->path()), existing);
        for (const QString& f : existing)
            QCOMPARE(m_folder->read(f), QByteArray("abc"));
        QVERIFY(crea()->isVisible());
        QCOMPARE(crea()->txtFile->text(), typed);
    }

    void typedRefusedCharactersAreDropped()
    {
        showCrea();
        QVERIFY(activate(crea()));
        crea()->txtFile->setFocus();
        // Typed one key at a time, accented keys included.
        for (QChar c : QStringLiteral("a/b?c*d:e<f>g\\h\"i|jñkÇl°m")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(crea()->txtFile, &press);
        }
        QCOMPARE(crea()->txtFile->text(), QStringLiteral("abcdefghi|jklm"));
        crea()->txtFile->clear();
        QTest::keyClicks(crea()->txtFile, QStringLiteral("Operai specializzati 2026"));
        QCOMPARE(crea()->txtFile->text(), QStringLiteral("Operai specializzati 2026"));
    }

    void pastedNamesThatWouldLeaveTheFolder_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("parent folder") << QStringLiteral("../fuori");
        QTest::newRow("absolute") << QStringLiteral("/tmp/fuori");
        QTest::newRow("backslash") << QStringLiteral("..\\fuori");
        QTest::newRow("question mark") << QStringLiteral("chi?");
        QTest::newRow("pipe") << QStringLiteral("a|b");
        QTest::newRow("control character") << QStringLiteral("a\x01"
                                                             "b");
    }
    void pastedNamesThatWouldLeaveTheFolder()
    {
        QFETCH(QString, pasted);
        showCrea();
        crea()->txtFile->setText(pasted); // as a paste puts it
        QTest::mouseClick(crea()->btnApplica, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QVERIFY(shown[0].text.startsWith(
            QStringLiteral("Attenzione: il nome della sessione contiene caratteri non ammessi.")));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QVERIFY(!QFileInfo::exists(m_folder->path() + "../fuori.vai"));
        QVERIFY(crea()->isVisible());
    }

    void namesWindowsRefuses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("why");
        QTest::newRow("CON") << QStringLiteral("CON") << QStringLiteral("è un nome riservato da Windows");
        QTest::newRow("aux.vai") << QStringLiteral("aux.vai") << QStringLiteral("è un nome riservato da Windows");
        QTest::newRow("lpt1") << QStringLiteral("lpt1") << QStringLiteral("è un nome riservato da Windows");
        QTest::newRow("final dot") << QStringLiteral("Operai.") << QStringLiteral("termina con un punto");
    }
    void namesWindowsRefuses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, why);
        showCrea();
        QTest::keyClicks(crea()->txtFile, typed);
        QCOMPARE(crea()->txtFile->text(), typed);
        QTest::mouseClick(crea()->btnApplica, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QVERIFY2(shown[0].text.contains(why), qPrintable(shown[0].text));
        QCOMPARE(vaiFiles(m_folder->path()), QStringList());
        QVERIFY(crea()->isVisible());
        QCOMPARE(crea()->focusWidget(), crea()->txtFile);
    }

    void creationFailureIsTheDefaultErrorReport()
    {
        // A name longer than the file system allows (250 accented letters are
        // 500 bytes on disk).
        showCrea();
        crea()->txtFile->setText(QString(250, QChar(0xE8)));
        QTest::mouseClick(crea()->btnApplica, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Error);
        // The system's number, and in Italian what it means.
        QCOMPARE(shown[0].text, QStringLiteral("I/O error %1: il nome del file è troppo lungo").arg(ENAMETOOLONG));
        QVERIFY(crea()->isVisible());
        QCOMPARE(vaiFiles(m_folder->path()), QStringList());
    }

    void fieldColours()
    {
        showCrea();
        QVERIFY(activate(crea()));
        crea()->txtFile->setFocus();
        QCOMPARE(FieldColour::current(crea()->txtFile), QColor::fromRgba(0xFFFFFF00));
        crea()->txtFile->clearFocus();
        QCOMPARE(FieldColour::current(crea()->txtFile), QColor::fromRgba(0xFFF0F8FF));
    }

    void listsSessionFilesOnly()
    {
        m_folder->write("zeta.vai", "");
        m_folder->write("Alfa.VAI", "");
        m_folder->write("_prova.vai", "");
        m_folder->write("beta.Vai", QByteArray(5865 * 3 + 100, 'x'));
        m_folder->write("note.txt", "");
        m_folder->write("vai", "");
        QDir(m_folder->path()).mkpath("cartella.vai");
        QDir(m_folder->path()).mkpath("sotto");
        m_folder->write("sotto/interna.vai", "");
        showApri();
        QStringList items;
        for (int i = 0; i < apri()->lstFiles->count(); ++i)
            items << apri()->lstFiles->item(i)->text();
        QCOMPARE(items, (QStringList {"Alfa.VAI", "beta.Vai", "zeta.vai", "_prova.vai"}));
        QCOMPARE(apri()->lblCreati->text(), QStringLiteral("Sono state create 4 sessioni."));
        // The first session is chosen, so that Enter opens it.
        QCOMPARE(apri()->lstFiles->selectedItems().size(), 1);
        QCOMPARE(apri()->lstFiles->currentRow(), 0);
        QCOMPARE(apri()->lblMemory->text(), QStringLiteral("avvio"));
    }

    void emptyFolder()
    {
        showApri();
        QCOMPARE(apri()->lstFiles->count(), 0);
        QCOMPARE(apri()->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
        QTest::mouseClick(apri()->btnApri, Qt::LeftButton);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, kEmptyList);
        QCOMPARE(shown[1].text, kEmptyList);
    }

    void openNeedsASelection()
    {
        m_folder->write("Tecnici.vai", "");
        showApri();
        // The list opens on its first session; a selection taken away
        // leaves nothing to open or delete.
        apri()->lstFiles->clearSelection();
        QTest::mouseClick(apri()->btnApri, Qt::LeftButton);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text,
                 QStringLiteral(
                     "Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante Apri archivio."));
        QCOMPARE(shown[1].text,
                 QStringLiteral("Attenzione: selezionare dall'elenco la sessione da eliminare prima di premere il "
                                "pulsante del cestino."));
        QVERIFY(apri()->isVisible());
        QVERIFY(QFileInfo::exists(m_folder->file("Tecnici.vai")));
    }

    void openHandsTheSessionToTheInterviewCards()
    {
        m_folder->write("Amministrativi.VAI", "");
        m_folder->write("Tecnici.vai", "");
        showApri();
        apri()->lstFiles->setCurrentRow(0);
        QTest::mouseClick(apri()->btnApri, Qt::LeftButton);
        TfrmTorneo* torneo = Windows::torneo();
        QCOMPARE(torneo->lblFile->text(), m_folder->file("Amministrativi.VAI"));
        QCOMPARE(torneo->lblNome->text(), QStringLiteral("Amministrativi"));
        QVERIFY(torneo->isVisible());
        QVERIFY(!apri()->isVisible());
        QVERIFY(!Windows::avvio()->isVisible());

        // Leaving the interview cards goes back to the launcher, not the list.
        torneo->close();
        QVERIFY(!torneo->isVisible());
        QVERIFY(Windows::avvio()->isVisible());
        QVERIFY(!apri()->isVisible());
    }

    // A name that starts with a blank is opened and deleted as listed, never
    // as the file named without the blank.
    void namesStartingWithABlankAreUsedAsListed()
    {
        TSchedaColloquio card;
        card.Candidato = QStringLiteral("Rossi Mario");
        card.DataColloquio = QStringLiteral("01/02/2024");
        card.Punteggio = QStringLiteral("8,00");
        card.Idoneo = QStringLiteral("Sì");
        m_folder->write(" spazio iniziale.vai", card.encode());
        showApri();
        apri()->lstFiles->setCurrentRow(0);
        QCOMPARE(apri()->lstFiles->currentItem()->text(), QStringLiteral(" spazio iniziale.vai"));
        QTest::mouseClick(apri()->btnApri, Qt::LeftButton);
        TfrmTorneo* torneo = Windows::torneo();
        QVERIFY(torneo->isVisible());
        QCOMPARE(torneo->lblFile->text(), m_folder->file(" spazio iniziale.vai"));
        QTest::mouseClick(torneo->cmdPrimo, Qt::LeftButton);
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(torneo->txtConcorrente->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(torneo->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(vaiFiles(m_folder->path()), QStringList {QStringLiteral(" spazio iniziale.vai")});
        torneo->close();

        m_folder->write("spazio iniziale.vai", "");
        showApri();
        apri()->lstFiles->setCurrentRow(0); // the blank sorts first
        QCOMPARE(apri()->lstFiles->currentItem()->text(), QStringLiteral(" spazio iniziale.vai"));
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        QCOMPARE(Messages::takeShown().size(), 2);
        QCOMPARE(vaiFiles(m_folder->path()), QStringList {QStringLiteral("spazio iniziale.vai")});
    }

    // A session that is a test of a competition: a second question names
    // the competition, and No keeps the session.
    void deleteNamesTheCompetition()
    {
        m_folder->write("Tecnici.vai", QByteArray(5865, 'x'));
        m_folder->write("Istruttore.concorso.json",
                        "{\"format\": \"selvora-concorso\", \"version\": 1, \"name\": \"Istruttore\", \"rule\": "
                        "\"usuale\", \"posts\": 1, \"tests\": [{\"session\": \"Tecnici.vai\", \"role\": \"scritta\", "
                        "\"max\": 30, \"passMark\": 21}]}");
        showApri();
        apri()->lstFiles->setCurrentRow(0);
        Messages::queueAnswer(Messages::Answer::Yes);
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(m_folder->file("Tecnici.vai")));
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].text,
                 QStringLiteral("La sessione è una prova del concorso «Istruttore». Eliminandola, la "
                                "graduatoria del concorso non potrà più essere calcolata.\r\n\r\nSi "
                                "vuole eliminarla comunque?"));
    }

    void deleteAsksThenDeletes()
    {
        m_folder->write("Tecnici.vai", QByteArray(5865, 'x'));
        m_folder->write("Operai.vai", "");
        showApri();
        apri()->lstFiles->setCurrentRow(1); // Tecnici
        Messages::queueAnswer(Messages::Answer::No);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(m_folder->file("Tecnici.vai")));
        auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Confirmation);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Si sta per eliminare la sessione selezionata. Si ricorda che il file eliminato non "
                                "potrà essere recuperato.\r\n\r\nSi conferma l'eliminazione dell'archivio?"));

        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(m_folder->file("Tecnici.vai")));
        QVERIFY(QFileInfo::exists(m_folder->file("Operai.vai")));
        shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].kind, Messages::Kind::Information);
        QCOMPARE(shown[1].text, QStringLiteral("La sessione è stata eliminata con successo."));
        QCOMPARE(apri()->lstFiles->count(), 1);
        QCOMPARE(apri()->lblCreati->text(), QStringLiteral("Sono state create 1 sessioni."));
        QCOMPARE(apri()->lblMemory->text(), QStringLiteral("avvio"));
        QCOMPARE(apri()->lblFile->text(), QString());

        apri()->lstFiles->setCurrentRow(0);
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        Messages::takeShown();
        QCOMPARE(apri()->lstFiles->count(), 0);
        QCOMPARE(apri()->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
    }

    void failedDeletionIsNotReportedAsDone()
    {
        m_folder->write("Tecnici.vai", "");
        showApri();
        apri()->lstFiles->setCurrentRow(0);
        // Meanwhile something put a non-empty folder in the file's place.
        QFile::remove(m_folder->file("Tecnici.vai"));
        QDir(m_folder->path()).mkpath("Tecnici.vai/dentro");
        Messages::queueAnswer(Messages::Answer::Yes);
        QTest::mouseClick(apri()->btnElimina, Qt::LeftButton);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].kind, Messages::Kind::Error);
        QVERIFY(shown[1].text.startsWith(
            QStringLiteral("Attenzione: non è stato possibile eliminare la sessione selezionata.")));
        QVERIFY(QFileInfo::exists(m_folder->file("Tecnici.vai/dentro")));
    }

    void listReReadWhenShownAgain()
    {
        showApri();
        QCOMPARE(apri()->lstFiles->count(), 0);
        apri()->close();
        m_folder->write("Nuova.vai", "");
        showApri();
        QCOMPARE(apri()->lstFiles->count(), 1);
    }
};

SELVORA_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

// The attached-files window on a stand-in card window with the six hidden
// attachment labels: opening, copying into "Documenti_Allegati" with its
// overwrite question, opening, clearing, applying and cancelling; and the
// names that must never reach a file outside the folder.
#include "candidates/core/Attachments.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/AllegaCartella.h"
#include "shared/ui/ScreenWindow.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

const char* const kLabels[6] = {"lblFile01", "lblDesc01", "lblFile02", "lblDesc02", "lblFile03", "lblDesc03"};

// The card window as the attachment window sees it: six hidden labels.
struct Card
{
    QWidget window;
    QLabel* labels[6];
    Card()
    {
        for (int i = 0; i < 6; ++i)
            labels[i] = makeHiddenLabel(&window, QString::fromLatin1(kLabels[i]));
    }
    void set(const QStringList& texts)
    {
        for (int i = 0; i < 6; ++i)
            labels[i]->setText(texts.value(i));
    }
    QStringList texts() const
    {
        QStringList t;
        for (QLabel* l : labels)
            t << l->text();
        return t;
    }
};

// A file to attach, outside the program folder.
QString source(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QString attached(const TempProgramFolder& folder, const QString& name)
{
    return folder.file(QStringLiteral("Documenti_Allegati/") + name);
}

QString question()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con "
                          "lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
}

} // namespace

class TestAllegaCartella : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSeams(); }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void initialState()
    {
        TfrmAllegaCartella w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(w.size(), QSize(634, 534));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(w.btnApplica->text(), QStringLiteral("Applica e chiudi"));
        QCOMPARE(w.btnAnnulla->text(), QStringLiteral("Annulla"));
        QVERIFY(!w.lblMemory->isVisibleTo(&w));
        const QStringList ordinal = {QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°")};
        for (int i = 1; i <= 3; ++i) {
            auto* file = control<QLineEdit>(&w, QStringLiteral("txtFile0%1").arg(i));
            auto* desc = control<QLineEdit>(&w, QStringLiteral("txtDesc0%1").arg(i));
            auto* open = control<QPushButton>(&w, QStringLiteral("btnApri0%1").arg(i));
            auto* browse = control<QPushButton>(&w, QStringLiteral("btnSfoglia0%1").arg(i));
            auto* clear = control<QToolButton>(&w, QStringLiteral("imgCancella0%1").arg(i));
            QVERIFY(file && desc && open && browse && clear);
            QVERIFY(file->isReadOnly());
            QVERIFY(!desc->isReadOnly());
            QVERIFY(!open->isEnabled());
            QCOMPARE(open->text(), QStringLiteral("Apri"));
            QCOMPARE(browse->text(), QStringLiteral("Sfoglia..."));
            QVERIFY(!clear->accessibleName().isEmpty());
            QStringList captions;
            for (QLabel* l : w.findChildren<QLabel*>())
                if (l->buddy() == file || l->buddy() == desc)
                    captions << l->text();
            captions.sort();
            QCOMPARE(captions,
                     (QStringList {QStringLiteral("Descrizione %1 file allegato:").arg(ordinal[i - 1]),
                                   QStringLiteral("Nome %1 file allegato:").arg(ordinal[i - 1])}));
        }
    }

    void tabOrder()
    {
        TfrmAllegaCartella w;
        const QStringList expected = {"txtFile01",    "btnSfoglia01", "btnApri01",  "txtDesc01", "txtFile02",
                                      "btnSfoglia02", "btnApri02",    "txtDesc02",  "txtFile03", "btnSfoglia03",
                                      "btnApri03",    "txtDesc03",    "btnApplica", "btnAnnulla"};
        QStringList chain;
        QWidget* at = w.txtFile01;
        while (chain.size() < expected.size()) {
            chain << at->objectName();
            do
                at = at->nextInFocusChain();
            while (at->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(chain, expected);
    }

    // The card window's labels go in trimmed; a slot with a name can be
    // opened at once, one without cannot.
    void openingReadsTheCardsLabels()
    {
        Card card;
        card.set({QStringLiteral("  cv.pdf "), QStringLiteral(" Curriculum "), QString(),
                  QStringLiteral("solo descrizione"), QStringLiteral("permesso.jpg"), QString()});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        QCOMPARE(w.lblMemory->text(), QStringLiteral("candidati"));
        QCOMPARE(w.txtFile01->text(), QStringLiteral("cv.pdf"));
        QCOMPARE(w.txtDesc01->text(), QStringLiteral("Curriculum"));
        QCOMPARE(w.txtFile02->text(), QString());
        QCOMPARE(w.txtDesc02->text(), QStringLiteral("solo descrizione"));
        QCOMPARE(w.txtFile03->text(), QStringLiteral("permesso.jpg"));
        QVERIFY(w.btnApri01->isEnabled());
        QVERIFY(!w.btnApri02->isEnabled());
        QVERIFY(w.btnApri03->isEnabled());
    }

    void browseCopiesIntoTheFolder()
    {
        TempProgramFolder folder;
        QTemporaryDir elsewhere;
        const QString chosen = source(elsewhere, QStringLiteral("Carta identità.pdf"), "PDF-1");
        Card card;
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.show();
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia02, Qt::LeftButton);
        const QList<FileDialogs::Asked> asked = FileDialogs::asked();
        QCOMPARE(asked.size(), 1);
        QVERIFY(!asked[0].save);
        QCOMPARE(asked[0].caption, QStringLiteral("Selezionare il file da allegare:"));
        QVERIFY(asked[0].filter.startsWith(QStringLiteral("Tutti i file (")));
        QCOMPARE(w.txtFile02->text(), QStringLiteral("Carta identità.pdf"));
        QVERIFY(w.btnApri02->isEnabled());
        QCOMPARE(contents(attached(folder, QStringLiteral("Carta identità.pdf"))), QByteArray("PDF-1"));
        QCOMPARE(contents(chosen), QByteArray("PDF-1"));
        QVERIFY(Messages::shown().isEmpty());
        // The other slots are untouched.
        QCOMPARE(w.txtFile01->text(), QString());
        QCOMPARE(w.txtFile03->text(), QString());
    }

    void browseCancelledChangesNothing()
    {
        TempProgramFolder folder;
        Card card;
        card.set({QStringLiteral("cv.pdf"), QStringLiteral("CV")});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        FileDialogs::queueFileName(QString());
        QTest::mouseClick(w.btnSfoglia01, Qt::LeftButton);
        QCOMPARE(w.txtFile01->text(), QStringLiteral("cv.pdf"));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Documenti_Allegati"))));
    }

    // The folder is shared by every card: a file of the same name is replaced
    // only on Yes; on No the slot takes the name and the older file serves it.
    void overwriteQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes replaces") << true;
        QTest::newRow("No keeps the older file") << false;
    }
    void overwriteQuestion()
    {
        QFETCH(bool, yes);
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
        folder.write(QStringLiteral("Documenti_Allegati/cv.pdf"), "older card's file");
        QTemporaryDir elsewhere;
        const QString chosen = source(elsewhere, QStringLiteral("cv.pdf"), "this card's file");
        Card card;
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        Messages::queueAnswer(yes ? Messages::Answer::Yes : Messages::Answer::No);
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia03, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Confirmation);
        QCOMPARE(shown[0].text, question());
        QCOMPARE(w.txtFile03->text(), QStringLiteral("cv.pdf"));
        QCOMPARE(contents(attached(folder, QStringLiteral("cv.pdf"))),
                 yes ? QByteArray("this card's file") : QByteArray("older card's file"));
        QCOMPARE(QDir(folder.file(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList {"cv.pdf"});
    }

    // A file of the same name attached to another card: the question names
    // that card and offers to keep both, the new one under a changed name.
    // A file named only by this very card gets the usual question.
    void fileOfAnotherCard_data()
    {
        QTest::addColumn<QString>("position"); // of the card the window is open on
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("older");
        QTest::newRow("keep both") << "3" << 0 << "cv (2).pdf" << QStringList {"cv (2).pdf", "cv.pdf"}
                                   << QByteArray("card 1's file");
        QTest::newRow("keep both, new card")
            << "" << 0 << "cv (2).pdf" << QStringList {"cv (2).pdf", "cv.pdf"} << QByteArray("card 1's file");
        QTest::newRow("replace") << "3" << 1 << "cv.pdf" << QStringList {"cv.pdf"} << QByteArray("this card's file");
        QTest::newRow("cancel") << "3" << 2 << "prima.pdf" << QStringList {"cv.pdf"} << QByteArray("card 1's file");
    }
    void fileOfAnotherCard()
    {
        QFETCH(QString, position);
        QFETCH(int, choice);
        QFETCH(QString, slot);
        QFETCH(QStringList, files);
        QFETCH(QByteArray, older);
        TempProgramFolder folder;
        TSchedaCandidato one;
        one.Candidato = QStringLiteral("Rossi Mario");
        one.File02 = QStringLiteral("cv.pdf");
        TSchedaCandidato two;
        two.Candidato = QStringLiteral("Neri Anna");
        TSchedaCandidato three;
        three.Candidato = QStringLiteral("Verdi Luca");
        three.File01 = QStringLiteral("cv.pdf"); // this card names it too: not another card
        folder.write(QStringLiteral("Archivio_Candidati.pro"), one.encode() + two.encode() + three.encode());
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
        folder.write(QStringLiteral("Documenti_Allegati/cv.pdf"), "card 1's file");
        QTemporaryDir elsewhere;
        const QString chosen = source(elsewhere, QStringLiteral("cv.pdf"), "this card's file");
        Card card;
        makeHiddenLabel(&card.window, QStringLiteral("lblPosizione"))->setText(position);
        card.set({QString(), QString(), QString(), QString(), QStringLiteral("prima.pdf")});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        Messages::queueChoice(choice);
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia03, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QCOMPARE(shown[0].buttons, (QStringList {"Conserva entrambi", "Sostituisci", "Annulla"}));
        const QString whose = position.isEmpty() ? QStringLiteral("alle schede n. 1 - Rossi Mario, n. 3 - Verdi Luca")
                                                 : QStringLiteral("alla scheda n. 1 - Rossi Mario");
        QCOMPARE(
            shown[0].text,
            QStringLiteral("Attenzione: nella cartella dei documenti allegati il file \"cv.pdf\" è già allegato "
                           "%1.\r\n\r\nSostituirlo cambierebbe il documento anche per %2.\r\n\r\n"
                           "Si consiglia di conservare entrambi i file: quello scelto sarà allegato con il nome "
                           "\"cv (2).pdf\".")
                .arg(whose, position.isEmpty() ? QStringLiteral("quelle schede") : QStringLiteral("quella scheda")));
        QCOMPARE(w.txtFile03->text(), slot);
        QCOMPARE(contents(attached(folder, QStringLiteral("cv.pdf"))), older);
        QCOMPARE(QDir(folder.file(QStringLiteral("Documenti_Allegati"))).entryList(QDir::Files | QDir::Hidden), files);
        if (files.size() == 2)
            QCOMPARE(contents(attached(folder, QStringLiteral("cv (2).pdf"))), QByteArray("this card's file"));
    }
    void fileOfThisCardOnlyGetsTheUsualQuestion()
    {
        TempProgramFolder folder;
        TSchedaCandidato one;
        one.Candidato = QStringLiteral("Rossi Mario");
        one.File01 = QStringLiteral("cv.pdf");
        folder.write(QStringLiteral("Archivio_Candidati.pro"), one.encode());
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
        folder.write(QStringLiteral("Documenti_Allegati/cv.pdf"), "older");
        QTemporaryDir elsewhere;
        const QString chosen = source(elsewhere, QStringLiteral("cv.pdf"), "newer");
        Card card;
        makeHiddenLabel(&card.window, QStringLiteral("lblPosizione"))->setText(QStringLiteral("1"));
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        Messages::queueAnswer(Messages::Answer::Yes);
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia02, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, question());
        QCOMPARE(contents(attached(folder, QStringLiteral("cv.pdf"))), QByteArray("newer"));
    }

    // Choosing the very file the folder holds attaches it without asking
    // whether to replace it with itself.
    void choosingTheFileInTheFolderAttachesIt()
    {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
        folder.write(QStringLiteral("Documenti_Allegati/cv.pdf"), "kept");
        Card card;
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        FileDialogs::queueFileName(attached(folder, QStringLiteral("cv.pdf")));
        QTest::mouseClick(w.btnSfoglia01, Qt::LeftButton);
        QVERIFY(Messages::shown().isEmpty());
        QCOMPARE(w.txtFile01->text(), QStringLiteral("cv.pdf"));
        QCOMPARE(contents(attached(folder, QStringLiteral("cv.pdf"))), QByteArray("kept"));
    }

    // A file that could not be copied is reported, and the slot goes back to
    // what it named before rather than naming a file the folder lacks.
    void copyThatFailsIsReported_data()
    {
        QTest::addColumn<bool>("folderBlocked");
        QTest::newRow("folder cannot be created") << true;
        QTest::newRow("chosen file cannot be read") << false;
    }
    void copyThatFailsIsReported()
    {
        QFETCH(bool, folderBlocked);
        TempProgramFolder folder;
        QTemporaryDir elsewhere;
        QString chosen = source(elsewhere, QStringLiteral("nuovo.pdf"), "new");
        if (folderBlocked)
            folder.write(QStringLiteral("Documenti_Allegati"), "a file where the folder goes");
        else
            chosen = elsewhere.filePath(QStringLiteral("sparito.pdf")); // gone before the copy
        const QString name = QFileInfo(chosen).fileName();
        Card card;
        card.set({QStringLiteral("vecchio.pdf"), QStringLiteral("descrizione")});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia01, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Error);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Attenzione: non è stato possibile copiare il file \"") + name +
                     QStringLiteral("\" nella cartella dei documenti allegati.\r\n\r\nAccertarsi di "
                                    "possedere i privilegi di scrittura nella cartella di "
                                    "installazione del programma."));
        QCOMPARE(w.txtFile01->text(), QStringLiteral("vecchio.pdf"));
        QCOMPARE(w.txtDesc01->text(), QStringLiteral("descrizione"));
        QVERIFY(!QFileInfo(attached(folder, name)).isFile());
    }

    void openHandsTheQuotedPathToTheOpenService()
    {
        TempProgramFolder folder;
        Card card;
        card.set({QString(), QString(), QStringLiteral(" Verbale colloquio.docx ")});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.show();
        QTest::mouseClick(w.btnApri02, Qt::LeftButton);
        // Not checked for existence: the system says so if it is missing.
        QCOMPARE(TMisc::opened(),
                 QStringList {QLatin1Char('"') + attached(folder, QStringLiteral("Verbale colloquio.docx")) +
                              QLatin1Char('"')});
        QVERIFY(Messages::shown().isEmpty());
    }

    // A name read from the archive that would lead out of the folder is
    // refused with a warning, never handed to the open service.
    void unsafeNamesAreNeverOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent, slash") << QStringLiteral("../Archivio_Candidati.pro");
        QTest::newRow("parent, backslash") << QStringLiteral("..\\..\\Windows\\notepad.exe");
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd");
        QTest::newRow("sub-folder") << QStringLiteral("sotto/cv.pdf");
        QTest::newRow("the parent itself") << QStringLiteral("..");
        QTest::newRow("the folder itself") << QStringLiteral(" . ");
    }
    void unsafeNamesAreNeverOpened()
    {
        QFETCH(QString, name);
        TempProgramFolder folder;
        Card card;
        card.set({name});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.show();
        QVERIFY(w.btnApri01->isEnabled());
        QTest::mouseClick(w.btnApri01, Qt::LeftButton);
        QVERIFY(TMisc::opened().isEmpty());
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Attenzione: il nome \"") + name.trimmed() +
                     QStringLiteral("\" non indica un file della cartella dei "
                                    "documenti allegati."));
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << QStringLiteral("cv.pdf") << true;
        QTest::newRow("blanks around") << QStringLiteral("  cv.pdf  ") << true;
        QTest::newRow("dots inside a name") << QStringLiteral("cv..vecchio.pdf") << true;
        QTest::newRow("accents and blanks") << QStringLiteral("Carta d'identità fronte.jpg") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral("   ") << false;
        QTest::newRow("parent") << QStringLiteral("..") << false;
        QTest::newRow("slash") << QStringLiteral("a/b") << false;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
        QTest::newRow("NUL") << QStringLiteral("cv.pdf") + QChar(0) + QStringLiteral(".exe") << false;
    }
    void safeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        TempProgramFolder folder;
        QCOMPARE(Attachments::isSafeName(name), safe);
        QCOMPARE(Attachments::percorso(name),
                 safe ? folder.file(QStringLiteral("Documenti_Allegati/") + name.trimmed()) : QString());
    }

    // Clearing takes only the name: the description and the copy stay.
    void clearEmptiesTheNameOnly()
    {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("Documenti_Allegati"))));
        folder.write(QStringLiteral("Documenti_Allegati/cv.pdf"), "x");
        Card card;
        card.set({QStringLiteral("cv.pdf"), QStringLiteral("CV")});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.show();
        QVERIFY(w.btnApri01->isEnabled());
        QTest::mouseClick(w.imgCancella01, Qt::LeftButton);
        QCOMPARE(w.txtFile01->text(), QString());
        QVERIFY(!w.btnApri01->isEnabled());
        QCOMPARE(w.txtDesc01->text(), QStringLiteral("CV"));
        QVERIFY(QFile::exists(attached(folder, QStringLiteral("cv.pdf"))));
    }

    void applyWritesTheLabelsTrimmed()
    {
        TempProgramFolder folder;
        QTemporaryDir elsewhere;
        const QString chosen = source(elsewhere, QStringLiteral("diploma.pdf"), "D");
        Card card;
        card.set({QStringLiteral("cv.pdf"), QStringLiteral("CV"), QStringLiteral("vecchio.pdf"),
                  QStringLiteral("Vecchio"), QString(), QString()});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.show();
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia03, Qt::LeftButton);
        QTest::keyClicks(w.txtDesc03, QStringLiteral("  Diploma di liceo  "));
        QTest::mouseClick(w.imgCancella02, Qt::LeftButton);
        QTest::mouseClick(w.btnApplica, Qt::LeftButton);
        QCOMPARE(card.texts(),
                 (QStringList {QStringLiteral("cv.pdf"), QStringLiteral("CV"), QString(), QStringLiteral("Vecchio"),
                               QStringLiteral("diploma.pdf"), QStringLiteral("Diploma di liceo")}));
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    void applyWithAnotherTagDoesNothing()
    {
        Card card;
        card.set({QStringLiteral("cv.pdf"), QStringLiteral("CV")});
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.lblMemory->setText(QStringLiteral("torneo"));
        w.show();
        QTest::mouseClick(w.imgCancella01, Qt::LeftButton);
        QTest::mouseClick(w.btnApplica, Qt::LeftButton);
        QVERIFY(w.isVisible());
        QCOMPARE(card.texts().value(0), QStringLiteral("cv.pdf"));
        QTest::mouseClick(w.btnAnnulla, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    // Cancel leaves the card's labels alone, but a copy already made stays
    // in the folder.
    void cancelLeavesTheLabelsButKeepsTheCopy()
    {
        TempProgramFolder folder;
        QTemporaryDir elsewhere;
        const QString chosen = source(elsewhere, QStringLiteral("patente.jpg"), "P");
        Card card;
        const QStringList before = {
            QStringLiteral(" cv.pdf"), QStringLiteral("CV "), QString(), QString(), QString(), QString()};
        card.set(before);
        TfrmAllegaCartella w(&card.window);
        w.readCard();
        w.show();
        FileDialogs::queueFileName(chosen);
        QTest::mouseClick(w.btnSfoglia01, Qt::LeftButton);
        QTest::keyClicks(w.txtDesc01, QStringLiteral(" nuova"));
        QTest::mouseClick(w.btnAnnulla, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(card.texts(), before);
        QCOMPARE(contents(attached(folder, QStringLiteral("patente.jpg"))), QByteArray("P"));
    }
};

SELVORA_TEST_MAIN(TestAllegaCartella)
#include "tst_allegacartella.moc"

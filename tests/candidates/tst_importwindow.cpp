// The window of "Importa candidati da file…", opened from the candidate card
// window: a file that cannot be imported gives a message and no window; the
// mapping can be changed and the preview follows; the import adds the rows
// chosen and tells how it went; the summary can be saved as a report.
#include "app/ui/Windows.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/ImportWindow.h"
#include "safety/ui/FolderAccess.h"
#include "shared/ui/PictureButton.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace {

QString fiscal(const QString& first15)
{
    return first15 + FiscalCodeCheckLetter::carattereDiControllo(first15);
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT

private:
    TfrmCandidati* w = nullptr;
    std::unique_ptr<TempProgramFolder> m_folder;

    // Chooses the file in the card window's import command.
    void importThrough(const QString& name)
    {
        FileDialogs::queueFileName(m_folder->file(name));
        QTest::mouseClick(w->cmdImporta, Qt::LeftButton);
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
        m_folder.reset(new TempProgramFolder);
    }
    void cleanup()
    {
        m_folder.reset();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    void commandInTheCardWindow()
    {
        QCOMPARE(w->cmdImporta->accessibleName(), QStringLiteral("Importa candidati da file…"));
        QVERIFY(!w->cmdImporta->toolTip().isEmpty());
        // Cancelling the file dialog does nothing.
        FileDialogs::queueFileName(QString());
        QTest::mouseClick(w->cmdImporta, Qt::LeftButton);
        QCOMPARE(FileDialogs::asked().size(), 1);
        QCOMPARE(FileDialogs::asked().at(0).filter, QStringLiteral("Fogli di calcolo (*.csv *.xlsx)"));
        QVERIFY(Modal::history().isEmpty());
        QVERIFY(Messages::shown().isEmpty());
    }

    void fileThatCannotBeImported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("heading only") << "solo.csv" << QByteArray("Cognome;Nome\r\n")
                                      << "Attenzione: il file \"solo.csv\" contiene solo la riga di intestazione: non "
                                         "ci sono candidati da importare.";
        QTest::newRow("empty") << "vuoto.csv" << QByteArray()
                               << "Attenzione: il file \"vuoto.csv\" non può essere importato.\n\r\n\rIl file è "
                                  "vuoto: non contiene nessuna riga.";
        QTest::newRow("binary") << "dati.csv" << QByteArray("\x00\x01\x02\x03", 4)
                                << "Attenzione: il file \"dati.csv\" non può essere importato.\n\r\n\rIl file non è un "
                                   "file di testo CSV: contiene dati binari.";
        QTest::newRow("not a workbook") << "finto.xlsx" << QByteArray("PK\x03\x04rotto")
                                        << "Attenzione: il file \"finto.xlsx\" non può essere importato.\n\r\n\rIl "
                                           "file non è un foglio di lavoro Excel (.xlsx) leggibile.";
    }
    void fileThatCannotBeImported()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        m_folder->write(name, bytes);
        importThrough(name);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, Messages::Kind::Warning);
        QCOMPARE(shown.at(0).text, message);
        QVERIFY(Modal::history().isEmpty());
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("Archivio_Candidati.pro"))) ||
                m_folder->read(QStringLiteral("Archivio_Candidati.pro")).isEmpty());
    }

    void previewMappingImportAndReport()
    {
        const QString cf = fiscal(QStringLiteral("RSSMRA80A01H501"));
        m_folder->write(QStringLiteral("candidati.csv"),
                        ("Cognome;Nome;Codice Fiscale;Telefono;E-mail\r\n"
                         "Rossi;Mario;" +
                         cf +
                         ";333 111;mario@example.it\r\n"
                         "Verdi;Luca;;333 222;luca.example.it\r\n"
                         ";;;;\r\n"
                         ";;;;nessuno@example.it\r\n"
                         "Rossi;Mario (doppio);" +
                         cf + ";;\r\n")
                            .toUtf8());
        bool ran = false;
        Modal::queueHook([&](QDialog* d) {
            auto* dlg = qobject_cast<ImportWindow*>(d);
            QVERIFY(dlg);
            ran = true;
            QCOMPARE(dlg->parentWidget(), static_cast<QWidget*>(w));
            QVERIFY(dlg->lblFile->text().contains(QStringLiteral("candidati.csv")));
            QVERIFY(dlg->lblFile->text().contains(QStringLiteral("codifica UTF-8, separatore punto e virgola")));
            QCOMPARE(dlg->lblFile->accessibleName(), dlg->lblFile->text());
            // Headings matched: "Telefono" to the home phone.
            QCOMPARE(dlg->mappingBox(0)->currentText(), QStringLiteral("Cognome"));
            QCOMPARE(dlg->mappingBox(1)->currentText(), QStringLiteral("Nome"));
            QCOMPARE(dlg->mappingBox(2)->currentText(), QStringLiteral("Codice fiscale"));
            QCOMPARE(dlg->mappingBox(3)->currentText(), QStringLiteral("Tel. casa"));
            QCOMPARE(dlg->mappingBox(4)->currentText(), QStringLiteral("E-mail"));
            QCOMPARE(dlg->mappingBox(3)->accessibleName(),
                     QStringLiteral("Campo della scheda per la colonna Telefono"));
            QCOMPARE(dlg->lblConteggi->text(),
                     QStringLiteral("Pronte: 1   Con avvisi: 1   Rifiutate: 1   Doppioni: 1"));
            QCOMPARE(dlg->tblAnteprima->model()->rowCount(), 4); // the empty row is no row
            QCOMPARE(dlg->tblAnteprima->model()->index(0, 2).data().toString(), QStringLiteral("Rossi Mario"));
            QCOMPARE(dlg->tblAnteprima->model()->index(3, 1).data().toString(), QStringLiteral("Doppione"));
            QCOMPARE(dlg->tblAnteprima->model()->index(3, 0).data().toInt(), 6);

            // Every column that looks like a field fills one: no warning. Left
            // unimported, the phone column is named above the preview.
            QVERIFY(dlg->lblAvvisiColonne->isHidden());
            QComboBox* phone = dlg->mappingBox(3);
            phone->setCurrentIndex(phone->findText(QStringLiteral("(non importare)")));
            QVERIFY(!dlg->lblAvvisiColonne->isHidden());
            QCOMPARE(dlg->lblAvvisiColonne->text(),
                     QStringLiteral("La colonna «Telefono» sembra «Tel. casa» ma non viene importata: se va importata, "
                                    "sceglierne il campo nella tabella delle colonne."));
            QCOMPARE(dlg->lblAvvisiColonne->accessibleName(), dlg->lblAvvisiColonne->text());

            // The user sends the phone to the mobile field instead.
            phone->setCurrentIndex(phone->findText(QStringLiteral("Tel. cellulare")));
            QCOMPARE(dlg->mapping().at(3), int(TSchedaCandidato::fCel));
            // Giving the e-mail column the name field takes it from "Cognome".
            QComboBox* mail = dlg->mappingBox(4);
            mail->setCurrentIndex(mail->findText(QStringLiteral("Cognome")));
            QCOMPARE(dlg->mappingBox(0)->currentText(), QStringLiteral("(non importare)"));
            mail->setCurrentIndex(mail->findText(QStringLiteral("E-mail")));
            QComboBox* surname = dlg->mappingBox(0);
            surname->setCurrentIndex(surname->findText(QStringLiteral("Cognome")));
            QCOMPARE(dlg->lblConteggi->text(),
                     QStringLiteral("Pronte: 1   Con avvisi: 1   Rifiutate: 1   Doppioni: 1"));

            // Only the rows to check.
            dlg->chkSoloDaControllare->setChecked(true);
            QCOMPARE(dlg->tblAnteprima->model()->rowCount(), 3);
            QCOMPARE(dlg->tblAnteprima->model()->index(0, 1).data().toString(), QStringLiteral("Avviso"));

            dlg->chkAvvisi->setChecked(true);
            QTest::mouseClick(dlg->btnImporta, Qt::LeftButton);
            const QString summary = QStringLiteral("Sono state aggiunte 2 schede all'archivio (posizioni da 1 a 2).\n"
                                                   "Righe tralasciate: 2 (1 doppioni, 1 senza cognome e nome).");
            const QList<Messages::Shown> shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.at(0).kind, Messages::Kind::Information);
            QCOMPARE(shown.at(0).text, summary);
            QCOMPARE(dlg->lblEsito->text(), summary);
            QCOMPARE(dlg->lblEsito->accessibleName(), summary);
            QVERIFY(!dlg->btnImporta->isEnabled()); // never twice
            QVERIFY(dlg->btnResoconto->isEnabled());

            FileDialogs::queueFileName(m_folder->file(QStringLiteral("resoconto.txt")));
            QTest::mouseClick(dlg->btnResoconto, Qt::LeftButton);
            QTest::mouseClick(dlg->btnChiudi, Qt::LeftButton);
        });
        importThrough(QStringLiteral("candidati.csv"));
        QVERIFY(ran);
        QCOMPARE(Modal::history(), QStringList {QStringLiteral("ImportWindow")});

        const QByteArray archive = m_folder->read(QStringLiteral("Archivio_Candidati.pro"));
        QCOMPARE(archive.size(), 2 * TSchedaCandidato::Size);
        const TSchedaCandidato first = TSchedaCandidato::decode(archive.left(TSchedaCandidato::Size));
        QCOMPARE(first.Candidato, QStringLiteral("Rossi Mario"));
        QCOMPARE(first.Cel, QStringLiteral("333 111"));
        QCOMPARE(first.Tel, QString());
        QCOMPARE(first.Sesso, QStringLiteral("M"));
        const TSchedaCandidato second = TSchedaCandidato::decode(archive.mid(TSchedaCandidato::Size));
        QCOMPARE(second.Email, QStringLiteral("luca.example.it"));

        const QString report = QString::fromUtf8(m_folder->read(QStringLiteral("resoconto.txt")));
        QVERIFY(report.startsWith(QStringLiteral("Importazione candidati dal file candidati.csv\r\n\r\nSono state "
                                                 "aggiunte 2 schede")));
        QVERIFY(report.contains(QStringLiteral("riga 6, Rossi Mario (doppio) - Doppione: stesso codice fiscale "
                                               "della riga 2")));
        QVERIFY(report.contains(QStringLiteral("  Telefono -> Tel. cellulare\r\n")));
    }

    // An import cut short by a crash is taken out at the next start, with a
    // message that names the file keeping what was cut.
    void anImportCutShortIsRepairedAtStart()
    {
        TSchedaCandidato old;
        old.Candidato = QStringLiteral("Gialli Eva");
        old.Ricontatta = TSchedaCandidato::no();
        TSchedaCandidato torn;
        torn.Candidato = QStringLiteral("Rossi Mario");
        torn.Ricontatta = TSchedaCandidato::no();
        const QByteArray before = old.encode();
        const QByteArray written = torn.encode() + torn.encode().left(1000);
        m_folder->write(CandidateArchive::fileName(), before + written);
        m_folder->write(CandidateArchive::fileName() + QStringLiteral(".aggiunta"),
                        "Selvora - aggiunta di schede in corso\nversione=1\nfile=Archivio_Candidati.pro\n"
                        "lunghezza=3612\ncoda=\n");
        QVERIFY(FolderAccess::claim(nullptr));
        FolderAccess::release();
        QCOMPARE(m_folder->read(CandidateArchive::fileName()), before);
        const QStringList kept = QDir(m_folder->path()).entryList({CandidateArchive::fileName() + "*.recuperato-*"});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(m_folder->read(kept.first()), written);
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Warning);
        QVERIFY2(shown[0].text.startsWith(QStringLiteral("Attenzione: l'ultima importazione di candidati non è "
                                                         "terminata")),
                 qPrintable(shown[0].text));
        QVERIFY(shown[0].text.contains(kept.first()));
        QVERIFY(shown[0].text.contains(QStringLiteral("(1 scheda e una scheda scritta solo in parte)")));
    }
};

SELVORA_TEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"

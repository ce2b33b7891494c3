// The launcher's "Backup" and "Ripristina" as the user runs them, and the
// backup reminder at exit.
#include "app/ui/Avvio.h"
#include "base/core/AccessMode.h"
#include "safety/core/BackupSettings.h"
#include "safety/ui/BackupCommands.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QPushButton>

class TestBackupCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSeams();
        AccessMode::setWritable();
    }
    void cleanup() { QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers())); }

    void backupThenRestoreFromTheLauncher()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'a'));
        folder.write(QStringLiteral("Sessione.vai"), filled(5865, 'b'));
        TfrmAvvio avvio;
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("copia.zip"));

        FileDialogs::queueFileName(zip);
        avvio.btnBackup->click();
        auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Information);
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Backup completato.")));
        QVERIFY(shown[0].text.contains(QStringLiteral("Sono stati salvati 2 file")));
        QVERIFY(FileDialogs::asked().at(0).dir.contains(QStringLiteral("Selvora-backup-")));
        QVERIFY(BackupSettings::load().lastBackup.isValid());

        folder.write(QStringLiteral("Archivio_Candidati.pro"), filled(3612 * 2, 'c'));
        // Answered No: nothing changes.
        FileDialogs::queueFileName(zip);
        Messages::queueAnswer(Messages::Answer::No);
        avvio.btnRipristina->click();
        shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.contains(QStringLiteral("Saranno sostituiti con la copia del backup (2):")));
        QVERIFY(shown[0].text.contains(QStringLiteral("tornano con il ripristino")));
        QCOMPARE(folder.read(QStringLiteral("Archivio_Candidati.pro")), filled(3612 * 2, 'c'));

        FileDialogs::queueFileName(zip);
        Messages::queueAnswer(Messages::Answer::Yes);
        avvio.btnRipristina->click();
        shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].kind, Messages::Kind::Information);
        QVERIFY(shown[1].text.startsWith(QStringLiteral("Ripristino completato")));
        QCOMPARE(folder.read(QStringLiteral("Archivio_Candidati.pro")), filled(3612, 'a'));
        QCOMPARE(QDir(folder.file(QStringLiteral("Backup_di_sicurezza"))).entryList(QDir::Files).size(), 1);
    }

    void damagedBackupIsRefusedFromTheLauncher()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'a'));
        QTemporaryDir out;
        const QString zip = out.filePath(QStringLiteral("rotto.zip"));
        QFile f(zip);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 non proprio");
        f.close();
        TfrmAvvio avvio;
        FileDialogs::queueFileName(zip);
        avvio.btnRipristina->click();
        const auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Error);
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Ripristino non possibile.")));
        QVERIFY(shown[0].text.endsWith(QStringLiteral("Nessun file è stato modificato.")));
        QCOMPARE(folder.read(QStringLiteral("Archivio_Candidati.pro")), filled(3612, 'a'));
    }

    // In a read-only run the window lets a backup go to another folder, but
    // whatever it asks, no zip is written into the program folder.
    void readOnlyBackupNeverLandsInTheProgramFolder()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Archivio_Candidati.pro"), filled(3612, 'a'));
        AccessMode::setReadOnly(AccessMode::reasonInUse());
        TfrmAvvio avvio;
        const QString inside = folder.file(QStringLiteral("copia.zip"));
        FileDialogs::queueFileName(inside);
        avvio.btnBackup->click();
        auto shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Error);
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Backup non riuscito.")));
        QVERIFY(shown[0].text.contains(AccessMode::reasonInUse()));
        QVERIFY(shown[0].text.contains(QStringLiteral("non può essere salvato nella cartella del programma")));
        QVERIFY(!QFileInfo::exists(inside));

        QTemporaryDir out;
        FileDialogs::queueFileName(out.filePath(QStringLiteral("copia.zip")));
        avvio.btnBackup->click();
        shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, Messages::Kind::Information);
        QVERIFY(QFileInfo::exists(out.filePath(QStringLiteral("copia.zip"))));
        AccessMode::setWritable();
    }

    void reminderAtExitOnlyWhenChosenAndDue_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("lastBackupDaysAgo"); // -1: never
        QTest::addColumn<bool>("asks");
        QTest::newRow("off by default") << 0 << -1 << false;
        QTest::newRow("never made") << 7 << -1 << true;
        QTest::newRow("old") << 7 << 8 << true;
        QTest::newRow("recent") << 7 << 2 << false;
    }
    void reminderAtExitOnlyWhenChosenAndDue()
    {
        QFETCH(int, days);
        QFETCH(int, lastBackupDaysAgo);
        QFETCH(bool, asks);
        TempProgramFolder folder;
        BackupSettings s;
        s.reminderDays = days;
        if (lastBackupDaysAgo >= 0)
            s.lastBackup = QDateTime::currentDateTime().addDays(-lastBackupDaysAgo);
        QString why;
        QVERIFY(s.save(&why));
        if (asks)
            Messages::queueAnswer(Messages::Answer::No);
        // No: the user stays to make the backup.
        QCOMPARE(BackupCommands::confirmExit(nullptr), !asks);
        QCOMPARE(Messages::takeShown().size(), asks ? 1 : 0);
    }
};

SELVORA_TEST_MAIN(TestBackupCommands)
#include "tst_backupcommands.moc"

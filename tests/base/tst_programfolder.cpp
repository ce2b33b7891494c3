// Where the data lives: the portable and installed rule, the first run of an
// installed copy (data folder and password file), a data folder that cannot be
// made, the warning at login for a read-only folder and the information
// window naming the data folder.
#include "app/ui/Info.h"
#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "base/core/AccessMode.h"
#include "base/core/PasswordFile.h"
#include "base/core/ProgramFolder.h"
#include "safety/ui/FolderAccess.h"
#include "sessions/ui/CreaArchivio.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

using ProgramFolder::Mode;

Q_DECLARE_METATYPE(ProgramFolder::Mode)

namespace {
const QString kUserData = QStringLiteral("/home/anna/.local/share/Selvora");
const QByteArray kInitialPassword = "[Accesso]\r\nValore=00AA11BB\r\n";
} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ProgramFolder::clearOverride();
        resetSeams();
    }

    void rule_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<bool>("holdsData");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("system");
        QTest::addColumn<QString>("userData");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("dataWritable");

        const QString stick = QStringLiteral("/media/anna/USB/Selvora/");
        const QString usrBin = QStringLiteral("/usr/bin/");
        const QString userData = kUserData + QLatin1Char('/');
        QTest::newRow("stick with data") << stick << true << true << false << kUserData << Mode::Portable << stick
                                         << true;
        QTest::newRow("fresh writable folder")
            << stick << false << true << false << kUserData << Mode::Portable << stick << true;
        QTest::newRow("read-only stick") << stick << true << false << false << kUserData << Mode::Portable << stick
                                         << false;
        QTest::newRow("read-only folder without data")
            << stick << false << false << false << kUserData << Mode::Portable << stick << false;
        QTest::newRow("package in /usr/bin")
            << usrBin << false << false << true << kUserData << Mode::Installed << userData << true;
        QTest::newRow("package run by root")
            << usrBin << false << true << true << kUserData << Mode::Installed << userData << true;
        QTest::newRow("system folder, read-only password file")
            << QStringLiteral("/opt/selvora/") << true << false << true << kUserData << Mode::Installed << userData
            << true;
        QTest::newRow("old copy in a system folder with its data")
            << QStringLiteral("/opt/selvora/") << true << true << true << kUserData << Mode::Portable
            << QStringLiteral("/opt/selvora/") << true;
        QTest::newRow("system folder, no user data folder")
            << usrBin << false << false << true << QString() << Mode::Portable << usrBin << false;
        // Windows folders, as Qt gives them (forward slashes) on every
        // platform; the native forms with backslashes follow in
        // windowsFolders().
        QTest::newRow("stick at a drive letter") << QStringLiteral("E:/Selvora/") << true << true << false << kUserData
                                                 << Mode::Portable << QStringLiteral("E:/Selvora/") << true;
        QTest::newRow("stick at the root of a drive") << QStringLiteral("E:/") << true << true << false << kUserData
                                                      << Mode::Portable << QStringLiteral("E:/") << true;
        QTest::newRow("network share") << QStringLiteral("//server/share/Selvora") << true << true << false << kUserData
                                       << Mode::Portable << QStringLiteral("//server/share/Selvora/") << true;
        QTest::newRow("installed under Program Files")
            << QStringLiteral("C:/Program Files/Selvora/bin/") << false << true << true << kUserData << Mode::Installed
            << userData << true;
    }

    void rule()
    {
        QFETCH(QString, exe);
        QFETCH(bool, holdsData);
        QFETCH(bool, writable);
        QFETCH(bool, system);
        QFETCH(QString, userData);
        ProgramFolder::Facts facts;
        facts.executableFolder = exe;
        facts.holdsData = holdsData;
        facts.writable = writable;
        facts.inSystemFolder = system;
        facts.userDataFolder = userData;
        const ProgramFolder::Choice choice = ProgramFolder::choose(facts);
        QTEST(choice.mode, "mode");
        QTEST(choice.dataFolder, "folder");
        QTEST(choice.writable, "dataWritable");
    }

    void systemFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("under");
        QTest::newRow("/usr/bin") << "/usr/bin" << true;
        QTest::newRow("/usr/local/bin/") << "/usr/local/bin/" << true;
        QTest::newRow("/opt") << "/opt/selvora/" << true;
        QTest::newRow("prefix of a name") << "/usr2/bin/" << false;
        QTest::newRow("home") << "/home/anna/usr/bin/" << false;
        QTest::newRow("stick") << "/media/anna/USB/" << false;
    }

    void systemFolders()
    {
        QFETCH(QString, folder);
        QFETCH(bool, under);
        const QStringList roots {QStringLiteral("/usr/"), QStringLiteral("/opt")};
        QCOMPARE(ProgramFolder::isUnder(folder, roots), under);
    }

    // Folders in the form Windows itself gives them: backslashes, drive
    // letters in either case, network shares. Only Windows reads a backslash
    // as a separator, so these rows run on Windows (and under Wine).
    void windowsFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("under");
        QTest::addColumn<QString>("dataFolder");
        const QString pf = QStringLiteral("C:/Program Files/Selvora/bin/");
        QTest::newRow("Program Files") << "C:\\Program Files\\Selvora\\bin" << true << pf;
        QTest::newRow("lower case") << "c:\\program files\\selvora\\bin\\" << true
                                    << QStringLiteral("c:/program files/selvora/bin/");
        QTest::newRow("Program Files (x86)")
            << "C:\\Program Files (x86)\\Selvora" << true << QStringLiteral("C:/Program Files (x86)/Selvora/");
        QTest::newRow("a longer name") << "C:\\Program Files Extra\\Selvora" << false
                                       << QStringLiteral("C:/Program Files Extra/Selvora/");
        QTest::newRow("another drive") << "D:\\Program Files\\Selvora" << false
                                       << QStringLiteral("D:/Program Files/Selvora/");
        QTest::newRow("USB stick") << "E:\\Selvora" << false << QStringLiteral("E:/Selvora/");
        QTest::newRow("root of a drive") << "E:\\" << false << QStringLiteral("E:/");
        QTest::newRow("network share") << "\\\\server\\share\\Selvora" << false
                                       << QStringLiteral("//server/share/Selvora/");
        QTest::newRow("Program Files on a share") << "\\\\server\\share\\Program Files\\Selvora" << false
                                                  << QStringLiteral("//server/share/Program Files/Selvora/");
    }
    void windowsFolders()
    {
#ifndef Q_OS_WIN
        QSKIP("A backslash is a separator only on Windows");
#endif
        QFETCH(QString, folder);
        QFETCH(bool, under);
        QFETCH(QString, dataFolder);
        const QStringList roots {QStringLiteral("C:\\Program Files\\"), QStringLiteral("C:\\Program Files (x86)")};
        QCOMPARE(ProgramFolder::isUnder(folder, roots), under);
        // A portable copy there keeps its data in that very folder, and the
        // files of the program are named inside it.
        ProgramFolder::Facts facts;
        facts.executableFolder = folder;
        facts.holdsData = true;
        facts.writable = true;
        facts.userDataFolder = kUserData;
        QCOMPARE(ProgramFolder::choose(facts).dataFolder, dataFolder);
        ProgramFolder::setOverride(folder);
        QCOMPARE(ProgramFolder::path(), dataFolder);
        QCOMPARE(ProgramFolder::file(QStringLiteral("Candidati.vai")), dataFolder + QStringLiteral("Candidati.vai"));
        ProgramFolder::clearOverride();
    }

    void firstRunOfInstalledCopy()
    {
        QTemporaryDir root;
        const QString installed = root.filePath(QStringLiteral("share/unins000.dll"));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("share"))));
        {
            QFile f(installed);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(kInitialPassword);
        }
        QVERIFY(QFile::setPermissions(installed, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        ProgramFolder::Facts facts;
        facts.executableFolder = root.filePath(QStringLiteral("bin"));
        facts.inSystemFolder = true;
        facts.userDataFolder = root.filePath(QStringLiteral("home/.local/share/Selvora"));
        QCOMPARE(ProgramFolder::setUp(facts, installed), QString());

        const QString data = facts.userDataFolder + QLatin1Char('/');
        QCOMPARE(ProgramFolder::path(), data);
        QCOMPARE(ProgramFolder::mode(), Mode::Installed);
        QVERIFY(ProgramFolder::isWritable());
        QCOMPARE(PasswordFile::path(), data + PasswordFile::fileName());
        QFile copy(PasswordFile::path());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), kInitialPassword);
        QVERIFY(copy.permissions() & QFile::WriteOwner);
        QCOMPARE(QFileInfo(data).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
        QVERIFY(!QFileInfo::exists(facts.executableFolder));

        // A later run keeps the password the user has chosen since.
        QVERIFY(IniFile::writeValue(PasswordFile::path(), PasswordFile::Section, PasswordFile::Key,
                                    QStringLiteral("CAFE")));
        QCOMPARE(ProgramFolder::setUp(facts, installed), QString());
        QCOMPARE(IniFile::readValue(PasswordFile::path(), PasswordFile::Section, PasswordFile::Key),
                 QStringLiteral("CAFE"));
    }

    void dataFolderThatCannotBeMade()
    {
        QTemporaryDir root;
        // A file where the user's data folder should go, as a home that
        // refuses new folders would.
        const QString blocker = root.filePath(QStringLiteral("share"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();

        ProgramFolder::Facts facts;
        facts.executableFolder = QStringLiteral("/usr/bin/");
        facts.inSystemFolder = true;
        facts.userDataFolder = blocker + QStringLiteral("/Selvora");
        const QString message = ProgramFolder::setUp(facts, QString());
        QVERIFY(message.startsWith(
            QStringLiteral("Attenzione: non è stato possibile creare la cartella dei dati di Selvora:\n")));
        QVERIFY(message.contains(QDir::toNativeSeparators(facts.userDataFolder)));
        QVERIFY(message.endsWith(QStringLiteral("Il programma verrà chiuso.")));
        QVERIFY(QFileInfo(blocker).isFile());
    }

    void portableCopyCreatesNothing()
    {
        QTemporaryDir root;
        ProgramFolder::Facts facts;
        facts.executableFolder = root.path();
        facts.writable = true;
        facts.userDataFolder = root.filePath(QStringLiteral("user"));
        QCOMPARE(ProgramFolder::setUp(facts, QString()), QString());
        QCOMPARE(ProgramFolder::path(), root.path() + QLatin1Char('/'));
        QCOMPARE(ProgramFolder::mode(), Mode::Portable);
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    void loginWarnsAboutReadOnlyFolder_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable") << true;
        QTest::newRow("read-only") << false;
    }

    // The start-up as the program runs it: the login window, then the claim
    // on the folder. A read-only folder is told once, with OK alone.
    void loginWarnsAboutReadOnlyFolder()
    {
        QFETCH(bool, writable);
        TempProgramFolder folder;
        ProgramFolder::setOverride(folder.path(), writable);
        Windows::createFirst();
        Windows::showFirst();
        QVERIFY(Windows::password()->isVisible());
        QVERIFY(FolderAccess::claim(Windows::password()));
        QCOMPARE(AccessMode::readOnly(), !writable);
        FolderAccess::release();
        AccessMode::setWritable();
        const QList<Messages::Shown> shown = Messages::takeShown();
        if (writable) {
            QCOMPARE(shown.size(), 0);
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].kind, Messages::Kind::Warning);
            QCOMPARE(shown[0].buttons, QStringList {QStringLiteral("OK")});
            QCOMPARE(shown[0].text, Windows::readOnlyText());
            QVERIFY(shown[0].text.startsWith(QStringLiteral("Attenzione: la cartella del programma\n") +
                                             QDir::toNativeSeparators(folder.path()) + QLatin1Char('\n')));
            QVERIFY(shown[0].text.contains(QStringLiteral("è in sola lettura")));
        }
        Windows::destroyAll();
    }

    void informationNamesTheDataFolder_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("writable") << true << QString();
        QTest::newRow("read-only") << false << QStringLiteral("\n(in sola lettura)");
    }

    void informationNamesTheDataFolder()
    {
        QFETCH(bool, writable);
        QFETCH(QString, suffix);
        TempProgramFolder folder;
        ProgramFolder::setOverride(folder.path(), writable);
        TfrmInfo info;
        const QString expected = QStringLiteral("Copia portatile: i dati sono nella cartella del programma\n") +
            QDir::toNativeSeparators(folder.path()) + suffix;
        QCOMPARE(info.lblCartella->text(), expected);
        QCOMPARE(info.lblCartella->accessibleName(), expected);
    }

    void informationOfInstalledCopy()
    {
        QTemporaryDir root;
        ProgramFolder::Facts facts;
        facts.executableFolder = QStringLiteral("/usr/bin/");
        facts.inSystemFolder = true;
        facts.userDataFolder = root.filePath(QStringLiteral("Selvora"));
        QCOMPARE(ProgramFolder::setUp(facts, QString()), QString());
        TfrmInfo info;
        QCOMPARE(info.lblCartella->text(),
                 QStringLiteral("Copia installata: i dati sono nella cartella dell'utente\n") +
                     QDir::toNativeSeparators(facts.userDataFolder + QLatin1Char('/')));
    }

    // The new-session window says where the session file goes: in an
    // installed copy that is the user's data folder, never the program's.
    void newSessionHintNamesTheDataFolder_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("portable") << false;
        QTest::newRow("installed") << true;
    }

    void newSessionHintNamesTheDataFolder()
    {
        QFETCH(bool, installed);
        QTemporaryDir root;
        QString data;
        if (installed) {
            ProgramFolder::Facts facts;
            facts.executableFolder = QStringLiteral("/usr/bin/");
            facts.inSystemFolder = true;
            facts.userDataFolder = root.filePath(QStringLiteral("dati/Selvora"));
            QCOMPARE(ProgramFolder::setUp(facts, QString()), QString());
            data = facts.userDataFolder;
        } else {
            ProgramFolder::setOverride(root.path());
            data = root.path();
        }
        TfrmCreaArchivio window;
        window.show();
        const QString hint = window.lblHint->text();
        QVERIFY(hint.startsWith(QStringLiteral("Ogni sessione è un file con estensione VAI nella cartella ")));
        QVERIFY(hint.endsWith(QStringLiteral("conviene darle il nome del ruolo e del periodo dei colloqui.")));
        QCOMPARE(hint.contains(QStringLiteral("cartella del programma")), !installed);
        QCOMPARE(hint.contains(QLatin1Char('(') + QDir::toNativeSeparators(data) + QStringLiteral("):")), installed);
        window.close();
    }
};

SELVORA_TEST_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"

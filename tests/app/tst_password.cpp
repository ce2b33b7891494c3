// The password file (one INI value read and written, the rest of the file
// kept), the password of a fresh program folder, the login window and the
// password change window driven as the user would.
#include "app/ui/Avvio.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Password.h"
#include "app/ui/Windows.h"
#include "base/core/Crypt.h"
#include "base/core/PasswordFile.h"
#include "base/core/Product.h"
#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Kind = Messages::Kind;

namespace {
const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                                          "password. Si consiglia di reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                             "E' necessario reinserire entrambi i valori.");
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                   "password. Si consiglia di reinstallare il software.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");

QByteArray passwordFile(const QString& hex)
{
    return "[Accesso]\r\nValore=" + hex.toLatin1() + "\r\n";
}

// Typing as the keyboard would, also for letters QTest cannot name.
void type(QWidget* field, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClicks(field, QString(c));
        } else {
            QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QString shippedFile()
{
    return QDir::cleanPath(QStringLiteral(TEST_DATA_DIR "/../../resources/program/unins000.dll"));
}
} // namespace

class TestPassword : public QObject
{
    Q_OBJECT

    TfrmPassword* login = nullptr;
    TfrmCambiaPassword* change = nullptr;

    void showLogin()
    {
        change->hide();
        Windows::avvio()->hide();
        login->txtPassword->clear();
        login->show();
        QApplication::setActiveWindow(login);
        QVERIFY(QTest::qWaitForWindowActive(login));
    }
    void showChange()
    {
        login->hide();
        change->show();
        QApplication::setActiveWindow(change);
        QVERIFY(QTest::qWaitForWindowActive(change));
    }
    QList<Messages::Shown> plainOnly(const QString& text) { return {Messages::Shown {Kind::Plain, text, {}}}; }
    void compareShown(const QList<Messages::Shown>& expected)
    {
        const QList<Messages::Shown> got = Messages::takeShown();
        QCOMPARE(got.size(), expected.size());
        for (int i = 0; i < got.size(); ++i) {
            QCOMPARE(int(got[i].kind), int(expected[i].kind));
            QCOMPARE(got[i].text, expected[i].text);
        }
    }

private slots:
    void initTestCase()
    {
        Windows::createFirst();
        login = Windows::password();
        change = Windows::cambiaPassword();
    }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init() { resetSeams(); }
    void cleanup()
    {
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
        change->hide();
        Windows::avvio()->hide();
        login->hide();
    }

    // --- the INI edit ---------------------------------------------------------
    void iniEdit_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("value replaced, rest kept")
            << QByteArray("; password\r\n[Altro]\r\nX=1\r\n[Accesso]\r\nValore=AAAA\r\nAltro=2\r\n[Fine]\r\nZ=3\r\n")
            << QByteArray("; password\r\n[Altro]\r\nX=1\r\n[Accesso]\r\nValore=4E8B\r\nAltro=2\r\n[Fine]\r\nZ=3\r\n");
        QTest::newRow("names in any case, line feeds kept")
            << QByteArray("[ACCESSO]\nVALORE=xx\n") << QByteArray("[ACCESSO]\nVALORE=4E8B\n");
        QTest::newRow("same key in another section untouched")
            << QByteArray("[Altro]\r\nValore=1\r\n[Accesso]\r\nValore=2\r\n")
            << QByteArray("[Altro]\r\nValore=1\r\n[Accesso]\r\nValore=4E8B\r\n");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Accesso]\r\nAltro=1\r\n\r\n[Dopo]\r\nY=2\r\n")
            << QByteArray("[Accesso]\r\nAltro=1\r\nValore=4E8B\r\n\r\n[Dopo]\r\nY=2\r\n");
        QTest::newRow("key added after a last line without break")
            << QByteArray("[Accesso]\r\nAltro=1") << QByteArray("[Accesso]\r\nAltro=1\r\nValore=4E8B\r\n");
        QTest::newRow("section added at the end")
            << QByteArray("[Altro]\r\nX=1\r\n") << QByteArray("[Altro]\r\nX=1\r\n[Accesso]\r\nValore=4E8B\r\n");
        QTest::newRow("section added after a last line without break")
            << QByteArray("[Altro]\r\nX=1") << QByteArray("[Altro]\r\nX=1\r\n[Accesso]\r\nValore=4E8B\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray("[Accesso]\r\nValore=4E8B\r\n");
        QTest::newRow("empty value filled")
            << QByteArray("[Accesso]\r\nValore=\r\n") << QByteArray("[Accesso]\r\nValore=4E8B\r\n");
        QTest::newRow("comment looking like the key kept") << QByteArray("[Accesso]\r\n;Valore=1\r\nValore=2\r\n")
                                                           << QByteArray("[Accesso]\r\n;Valore=1\r\nValore=4E8B\r\n");
    }
    void iniEdit()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(IniFile::withValue(before, "Accesso", "Valore", "4E8B"), after);

        TempProgramFolder folder;
        if (!before.isNull())
            folder.write("unins000.dll", before);
        QVERIFY(PasswordFile::writeValue("4E8B"));
        QCOMPARE(folder.read("unins000.dll"), after);
        QCOMPARE(PasswordFile::readValue(), QStringLiteral("4E8B"));
    }

    void iniRead_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("[Accesso]\r\nValore=5C2C\r\n") << "5C2C";
        QTest::newRow("blanks around") << QByteArray("[ Accesso ]\r\n  Valore =  5C2C  \r\n") << "5C2C";
        QTest::newRow("case of names") << QByteArray("[accesso]\nvalore=ab\n") << "ab";
        QTest::newRow("no section") << QByteArray("[Altro]\r\nValore=5C2C\r\n") << "";
        QTest::newRow("no key") << QByteArray("[Accesso]\r\nAltro=5C2C\r\n") << "";
        QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n") << "";
        QTest::newRow("commented out") << QByteArray("[Accesso]\r\n;Valore=5C2C\r\n") << "";
        QTest::newRow("empty file") << QByteArray("") << "";
    }
    void iniRead()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, value);
        TempProgramFolder folder;
        folder.write("unins000.dll", contents);
        QCOMPARE(PasswordFile::readValue(), value);
    }

    void missingFileReadsEmpty()
    {
        TempProgramFolder folder;
        QCOMPARE(PasswordFile::readValue(), QString());
        QString value = QStringLiteral("x");
        QVERIFY(PasswordFile::readValue(&value));
        QVERIFY(value.isEmpty());
        QVERIFY(!QFile::exists(folder.file("unins000.dll")));
    }

    // A file that is there but cannot be read is reported with the access
    // message, at login and at a change, and is never taken for an empty
    // password.
    void unreadableFile()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("unins000.dll"));
        QString value = QStringLiteral("x");
        QVERIFY(!PasswordFile::readValue(&value));
        QVERIFY(value.isEmpty());

        showLogin();
        type(login->txtPassword, "selvora");
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(RecordFile::accessMessage()));
        QVERIFY(login->isVisible());
        QVERIFY(!Windows::avvio()->isVisible());

        showChange();
        type(change->txtPasswordOld, "selvora");
        type(change->txtPasswordNew, "nuova");
        type(change->txtConferma, "nuova");
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(RecordFile::accessMessage()));
        QVERIFY(QFileInfo(folder.file("unins000.dll")).isDir());
    }

    // A file that cannot be replaced fails and is left as it was.
    void refusedWrite()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("unins000.dll"));
        QString error;
        QVERIFY(!PasswordFile::writeValue("4E8B", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(folder.file("unins000.dll")).isDir());

        QVERIFY(!IniFile::writeValue(folder.file("missing/unins000.dll"), "Accesso", "Valore", "4E8B"));
        QVERIFY(!QFile::exists(folder.file("missing/unins000.dll")));
    }

    // --- the password of a fresh program folder --------------------------------
    void shippedPassword()
    {
        QVERIFY(QFile::exists(shippedFile()));
        const QString value = IniFile::readValue(shippedFile(), "Accesso", "Valore");
        bool ok = false;
        QCOMPARE(DecryptFromHex(value, &ok), Product::InitialPassword.toUpper());
        QVERIFY(ok);
        QCOMPARE(value, value.toUpper());
    }

    void shippedPasswordLogsIn()
    {
        TempProgramFolder folder;
        QVERIFY(QFile::copy(shippedFile(), folder.file("unins000.dll")));
        showLogin();
        type(login->txtPassword, Product::InitialPassword);
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        QVERIFY(Messages::takeShown().isEmpty());
        QVERIFY(Windows::avvio()->isVisible());
        QVERIFY(login->isHidden());
    }

    // --- login -------------------------------------------------------------------
    void okEnabling()
    {
        TempProgramFolder folder;
        showLogin();
        QVERIFY(!login->cmdOK->isEnabled());
        type(login->txtPassword, "  ");
        QVERIFY(!login->cmdOK->isEnabled());
        type(login->txtPassword, "x");
        QVERIFY(login->cmdOK->isEnabled());
        QTest::keyClick(login->txtPassword, Qt::Key_Backspace);
        QVERIFY(!login->cmdOK->isEnabled());
        // Enter in an all-blank field does nothing.
        QTest::keyClick(login->txtPassword, Qt::Key_Return);
        QVERIFY(Messages::takeShown().isEmpty());
        QVERIFY(login->isVisible());
    }

    void highlight()
    {
        TempProgramFolder folder;
        showLogin();
        QVERIFY(login->txtPassword->hasFocus());
        QVERIFY(login->effPassword->isVisible());
        login->cmdEsci->setFocus();
        QVERIFY(!login->effPassword->isVisible());
        login->txtPassword->setFocus();
        QVERIFY(login->effPassword->isVisible());
    }

    void loginCheck_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enters");
        QTest::newRow("same") << "SELVORA"
                              << "SELVORA" << true;
        QTest::newRow("small letters") << "SELVORA"
                                       << "selvora" << true;
        QTest::newRow("mixed and blanks around") << "SELVORA"
                                                 << "  SeLvOrA  " << true;
        QTest::newRow("blank inside counts") << "SELVORA"
                                             << "SEL VORA" << false;
        QTest::newRow("other word") << "SELVORA"
                                    << "selvoraa" << false;
        QTest::newRow("accent case counts") << "CAFÈ"
                                            << "cafè" << false;
        QTest::newRow("accent as stored") << "CAFÈ"
                                          << "cafÈ" << true;
        QTest::newRow("stored with blanks around") << "  PIPPO "
                                                   << "pippo" << true;
    }
    void loginCheck()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, enters);
        TempProgramFolder folder;
        folder.write("unins000.dll", passwordFile(EncryptToHex(stored)));
        showLogin();
        type(login->txtPassword, typed);
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        if (enters) {
            QVERIFY(Messages::takeShown().isEmpty());
            QVERIFY(Windows::avvio()->isVisible());
            QVERIFY(login->isHidden());
            QCOMPARE(login->txtPassword->text(), typed);
        } else {
            compareShown(plainOnly(kWrong));
            QVERIFY(Windows::avvio()->isHidden());
            QVERIFY(login->isVisible());
            QCOMPARE(login->txtPassword->text(), QString());
            QVERIFY(login->txtPassword->hasFocus());
        }
    }

    void enterRunsTheCheck()
    {
        TempProgramFolder folder;
        folder.write("unins000.dll", passwordFile(EncryptToHex("ABC")));
        showLogin();
        type(login->txtPassword, "abc");
        QTest::keyClick(login->txtPassword, Qt::Key_Return);
        QVERIFY(Messages::takeShown().isEmpty());
        QVERIFY(Windows::avvio()->isVisible());
    }

    void noPasswordFile()
    {
        TempProgramFolder folder;
        showLogin();
        type(login->txtPassword, "qualsiasi");
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(kWrong));
        QVERIFY(login->isVisible());
    }

    void notHex()
    {
        TempProgramFolder folder;
        folder.write("unins000.dll", passwordFile("5C2CZZ"));
        showLogin();
        type(login->txtPassword, "selvora");
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(kReadError));
        QVERIFY(login->isVisible());
        QCOMPARE(login->txtPassword->text(), QStringLiteral("selvora"));
    }

    void lowerCaseHexAndUnpairedDigit()
    {
        TempProgramFolder folder;
        folder.write("unins000.dll", passwordFile(EncryptToHex("SELVORA").toLower() + "7"));
        showLogin();
        type(login->txtPassword, "selvora");
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        QVERIFY(Messages::takeShown().isEmpty());
        QVERIFY(Windows::avvio()->isVisible());
    }

    void openChange()
    {
        TempProgramFolder folder;
        showLogin();
        QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
        QVERIFY(change->isVisible());
        QVERIFY(login->isHidden());
    }

    // --- password change -------------------------------------------------------
    void changeEnabling()
    {
        TempProgramFolder folder;
        showChange();
        QVERIFY(!change->cmdOK->isEnabled());
        type(change->txtPasswordOld, "a");
        type(change->txtPasswordNew, "b");
        QVERIFY(!change->cmdOK->isEnabled());
        type(change->txtConferma, " ");
        QVERIFY(!change->cmdOK->isEnabled());
        type(change->txtConferma, "b");
        QVERIFY(change->cmdOK->isEnabled());
        QTest::keyClick(change->txtPasswordOld, Qt::Key_Backspace);
        QVERIFY(!change->cmdOK->isEnabled());
    }

    void enterRing()
    {
        TempProgramFolder folder;
        folder.write("unins000.dll", passwordFile(EncryptToHex("OLD")));
        showChange();
        QVERIFY(change->txtPasswordOld->hasFocus());
        QVERIFY(change->effPasswordOld->isVisible());
        type(change->txtPasswordOld, "old");
        QTest::keyClick(change->txtPasswordOld, Qt::Key_Return);
        QVERIFY(change->txtPasswordNew->hasFocus());
        QVERIFY(!change->effPasswordOld->isVisible());
        QVERIFY(change->effPasswordNew->isVisible());
        type(change->txtPasswordNew, "new");
        QTest::keyClick(change->txtPasswordNew, Qt::Key_Return);
        QVERIFY(change->txtConferma->hasFocus());
        QVERIFY(change->effConferma->isVisible());
        type(change->txtConferma, "new");
        QTest::keyClick(change->txtConferma, Qt::Key_Enter);
        QVERIFY(change->txtPasswordOld->hasFocus());
        // Enter never stores.
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(folder.read("unins000.dll"), passwordFile(EncryptToHex("OLD")));
    }

    void changeFlow_data()
    {
        QTest::addColumn<QString>("oldTyped");
        QTest::addColumn<QString>("newTyped");
        QTest::addColumn<QString>("confirmTyped");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("storedAfter"); // clear form in the file
        QTest::newRow("changed") << "selvora"
                                 << " Nuova Chiave "
                                 << "Nuova Chiave" << kDone << "NUOVA CHIAVE";
        QTest::newRow("old wrong") << "sbagliata"
                                   << "nuova"
                                   << "nuova" << kOldWrong << "SELVORA";
        QTest::newRow("confirmation differs in case") << "selvora"
                                                      << "nuova"
                                                      << "NUOVA" << kNotConfirmed << "SELVORA";
        QTest::newRow("confirmation differs") << "selvora"
                                              << "nuova"
                                              << "nuov" << kNotConfirmed << "SELVORA";
        QTest::newRow("accented letters kept") << "SELVORA"
                                               << "perché"
                                               << "perché" << kDone << "PERCHé";
    }
    void changeFlow()
    {
        QFETCH(QString, oldTyped);
        QFETCH(QString, newTyped);
        QFETCH(QString, confirmTyped);
        QFETCH(QString, message);
        QFETCH(QString, storedAfter);
        TempProgramFolder folder;
        folder.write("unins000.dll", "[Altro]\r\nX=1\r\n" + passwordFile(EncryptToHex("SELVORA")));
        showChange();
        type(change->txtPasswordOld, oldTyped);
        type(change->txtPasswordNew, newTyped);
        type(change->txtConferma, confirmTyped);
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(message));
        QCOMPARE(folder.read("unins000.dll"), "[Altro]\r\nX=1\r\n" + passwordFile(EncryptToHex(storedAfter)));
        if (message == kDone) {
            QVERIFY(change->isHidden());
            QVERIFY(login->isVisible());
            QCOMPARE(login->txtPassword->text(), QString());
            QCOMPARE(login->lblMemory->text(), QString());
            QVERIFY(QTest::qWaitForWindowActive(login));
            QVERIFY(login->txtPassword->hasFocus());
            // Two upper-case digits per character of the stored form.
            const QString hex = PasswordFile::readValue();
            QCOMPARE(hex.size(), storedAfter.size() * 2);
            QCOMPARE(hex, hex.toUpper());
        } else if (message == kOldWrong) {
            QVERIFY(change->isVisible());
            QCOMPARE(change->txtPasswordOld->text(), QString());
            QCOMPARE(change->txtPasswordNew->text(), newTyped);
            QVERIFY(change->txtPasswordOld->hasFocus());
        } else {
            QVERIFY(change->isVisible());
            QCOMPARE(change->txtPasswordOld->text(), oldTyped);
            QCOMPARE(change->txtPasswordNew->text(), QString());
            QCOMPARE(change->txtConferma->text(), QString());
            QVERIFY(change->txtPasswordNew->hasFocus());
        }
    }

    // The whole road: change the password, then log in with the new one.
    void changeThenLogin()
    {
        TempProgramFolder folder;
        QVERIFY(QFile::copy(shippedFile(), folder.file("unins000.dll")));
        QFile::setPermissions(folder.file("unins000.dll"), QFile::ReadOwner | QFile::WriteOwner);
        showLogin();
        QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(change));
        type(change->txtPasswordOld, "selvora");
        type(change->txtPasswordNew, "colloqui2024");
        type(change->txtConferma, "colloqui2024");
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(kDone));
        QVERIFY(login->isVisible());
        type(login->txtPassword, "selvora");
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(kWrong));
        type(login->txtPassword, "COLLOQUI2024");
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        QVERIFY(Messages::takeShown().isEmpty());
        QVERIFY(Windows::avvio()->isVisible());
    }

    // A character the stored form cannot keep is refused before anything is
    // written, instead of storing a password that could never match.
    void refusedCharacter()
    {
        TempProgramFolder folder;
        const QByteArray before = passwordFile(EncryptToHex("SELVORA"));
        folder.write("unins000.dll", before);
        showChange();
        type(change->txtPasswordOld, "selvora");
        type(change->txtPasswordNew, QString::fromUtf8("prezzo€"));
        type(change->txtConferma, QString::fromUtf8("prezzo€"));
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(int(shown[0].kind), int(Kind::Plain));
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Attenzione: la nuova password contiene caratteri")));
        QCOMPARE(folder.read("unins000.dll"), before);
        QVERIFY(change->isVisible());
        QCOMPARE(change->txtPasswordNew->text(), QString());
        QCOMPARE(change->txtConferma->text(), QString());
    }

    void changeNotHex()
    {
        TempProgramFolder folder;
        folder.write("unins000.dll", passwordFile("XYZW"));
        showChange();
        type(change->txtPasswordOld, "a");
        type(change->txtPasswordNew, "b");
        type(change->txtConferma, "b");
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(kChangeError));
        QCOMPARE(folder.read("unins000.dll"), passwordFile("XYZW"));
        QCOMPARE(change->txtPasswordOld->text(), QStringLiteral("a"));
        QCOMPARE(change->txtPasswordNew->text(), QStringLiteral("b"));
        QCOMPARE(change->txtConferma->text(), QStringLiteral("b"));
    }

    // No password file: every change attempt meets a wrong old password.
    void changeWithoutFile()
    {
        TempProgramFolder folder;
        showChange();
        type(change->txtPasswordOld, "selvora");
        type(change->txtPasswordNew, "b");
        type(change->txtConferma, "b");
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        compareShown(plainOnly(kOldWrong));
        QVERIFY(!QFile::exists(folder.file("unins000.dll")));
    }

    // A write the system refuses: the change message, fields as they were.
    void changeWriteRefused()
    {
        TempProgramFolder folder;
        // A program folder that is not there: the missing file reads as the
        // empty password, and the new one cannot be written.
        ProgramFolder::setOverride(folder.file("manca"));
        showChange();
        change->txtPasswordOld->setText(" ");
        change->txtPasswordNew->setText("nuova");
        change->txtConferma->setText("nuova");
        QVERIFY(QMetaObject::invokeMethod(change, "cmdOKClick"));
        compareShown(plainOnly(kChangeError));
        QVERIFY(change->isVisible());
        QCOMPARE(change->txtPasswordNew->text(), QStringLiteral("nuova"));
        QVERIFY(!QFileInfo::exists(folder.file("manca")));
    }

    void closeLeavesPassword()
    {
        TempProgramFolder folder;
        const QByteArray before = passwordFile(EncryptToHex("SELVORA"));
        folder.write("unins000.dll", before);
        showLogin();
        type(login->txtPassword, "abc");
        QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
        type(change->txtPasswordOld, "selvora");
        QTest::mouseClick(change->cmdEsci, Qt::LeftButton);
        QVERIFY(change->isHidden());
        QVERIFY(login->isVisible());
        QCOMPARE(login->txtPassword->text(), QString());
        QCOMPARE(folder.read("unins000.dll"), before);
        // Shown again, the change window starts empty.
        showChange();
        QCOMPARE(change->txtPasswordOld->text(), QString());
        QVERIFY(change->txtPasswordOld->hasFocus());
    }

    void layout()
    {
        QCOMPARE(change->windowTitle(), QStringLiteral(" Cambia password"));
        QVERIFY(login->windowTitle().startsWith(QStringLiteral(" Selvora - ")));
        QVERIFY(!(login->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(login->txtPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(change->txtConferma->echoMode(), QLineEdit::Password);
        QCOMPARE(login->txtPassword->font().pointSize(), 14);
        QVERIFY(login->txtPassword->font().bold());
        QCOMPARE(login->cmdEsci->text(), QStringLiteral("Esci"));
        QCOMPARE(change->cmdEsci->text(), QStringLiteral("Chiudi"));
        QVERIFY(login->lblMemory->isHidden());
    }
};

SELVORA_TEST_MAIN(TestPassword)
#include "tst_password.moc"

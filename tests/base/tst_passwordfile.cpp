// The one reading of the password file that the login and the password change
// windows share: the stored password unscrambled, and the typed one compared
// with it.
#include "base/core/PasswordFile.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>

namespace {
// "SELVORA", scrambled, as the program ships it.
const QByteArray Shipped = "[Accesso]\r\nValore=5C2C2BA52AF0A1\r\n";
} // namespace

class TestPasswordFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("clear");

        QTest::newRow("shipped") << true << Shipped << int(PasswordFile::Stored::Read) << "5C2C2BA52AF0A1"
                                 << "SELVORA";
        // Blanks kept inside the scrambled value are taken off the clear one.
        QTest::newRow("blanks round the clear value")
            << true << QByteArray("[Accesso]\r\nValore=2FE1049474FAEE599A\r\n") << int(PasswordFile::Stored::Read)
            << "2FE1049474FAEE599A"
            << "SELVORA";
        QTest::newRow("missing file") << false << QByteArray() << int(PasswordFile::Stored::Read) << ""
                                      << "";
        QTest::newRow("empty file") << true << QByteArray() << int(PasswordFile::Stored::Read) << ""
                                    << "";
        QTest::newRow("no key") << true << QByteArray("[Accesso]\r\n") << int(PasswordFile::Stored::Read) << ""
                                << "";
        QTest::newRow("not hexadecimal") << true << QByteArray("[Accesso]\r\nValore=5C2CZZ\r\n")
                                         << int(PasswordFile::Stored::Damaged) << "5C2CZZ"
                                         << "";
    }

    void read()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, contents);
        QFETCH(int, status);
        QFETCH(QString, value);
        QFETCH(QString, clear);
        TempProgramFolder folder;
        if (present)
            folder.write(PasswordFile::fileName(), contents);
        const PasswordFile::Stored stored = PasswordFile::read();
        QCOMPARE(int(stored.status), status);
        QCOMPARE(stored.value, value);
        QCOMPARE(stored.clear, clear);
    }

    void unreadable()
    {
        // A folder where the file should be: there, but not readable.
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(PasswordFile::fileName()));
        const PasswordFile::Stored stored = PasswordFile::read();
        QCOMPARE(int(stored.status), int(PasswordFile::Stored::Unreadable));
        QVERIFY(stored.clear.isEmpty());
        QVERIFY(!PasswordFile::matches(QStringLiteral("SELVORA")));
    }

    void matches_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("match");

        QTest::newRow("right") << Shipped << "SELVORA" << true;
        // Compared in capitals, blanks round it off.
        QTest::newRow("right, small letters and blanks") << Shipped << "  selvora " << true;
        QTest::newRow("wrong") << Shipped << "SELVOR" << false;
        QTest::newRow("wrong, longer") << Shipped << "SELVORA1" << false;
        QTest::newRow("empty file") << QByteArray() << "SELVORA" << false;
        QTest::newRow("damaged") << QByteArray("[Accesso]\r\nValore=5C2CZZ\r\n") << "SELVORA" << false;
        // A damaged value is never the empty password.
        QTest::newRow("damaged, nothing typed") << QByteArray("[Accesso]\r\nValore=ZZ\r\n") << "" << false;
        QTest::newRow("last unpaired digit left out")
            << QByteArray("[Accesso]\r\nValore=5C2C2BA52AF0A1G\r\n") << "SELVORA" << true;
    }

    void matches()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, typed);
        QFETCH(bool, match);
        TempProgramFolder folder;
        folder.write(PasswordFile::fileName(), contents);
        QCOMPARE(PasswordFile::matches(typed), match);
        QCOMPARE(PasswordFile::read().matches(typed), match);
    }

    void missingFileMatchesNothing()
    {
        TempProgramFolder folder;
        QVERIFY(!PasswordFile::matches(QStringLiteral("SELVORA")));
        QVERIFY(!QFile::exists(folder.file(PasswordFile::fileName())));
    }
};

SELVORA_CORE_TEST_MAIN(TestPasswordFile)
#include "tst_passwordfile.moc"

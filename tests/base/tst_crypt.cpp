// The password scrambling: results worked out by hand from the routine (key
// 3917, b = code xor key>>8, key = (b + key) x 40361 + 28063 mod 65536).
#include "base/core/Crypt.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

class TestCrypt : public QObject
{
    Q_OBJECT

private slots:
    void encrypt_data()
    {
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QString>("hex");
        QTest::newRow("empty") << ""
                               << "";
        // 'A' 0x41 xor 0x0F (3917 >> 8) = 0x4E.
        QTest::newRow("A") << "A"
                           << "4E";
        // key = (0x4E + 3917) x 40361 + 28063 mod 65536 = 51698 (0xC9F2);
        // 'B' 0x42 xor 0xC9 = 0x8B.
        QTest::newRow("AB") << "AB"
                            << "4E8B";
        QTest::newRow("a grave, one byte") << "à"
                                           << "EF";
        QTest::newRow("initial password") << "SELVORA"
                                          << "5C2C2BA52AF0A1";
        // After "SEL" the key is 62229; 'V' 0x56 xor 0xF3 = 0xA5, and
        // (0xA5 + 62229) x 40361 = 2518284234, beyond the range of a signed
        // int: + 28063 mod 65536 = 25961 (0x6569); 'O' 0x4F xor 0x65 = 0x2A.
        QTest::newRow("product beyond a signed int") << "SELVO"
                                                     << "5C2C2BA52A";
        QTest::newRow("blank and digit") << "PIPPO 1"
                                         << "5F0B111D1D230C";
        QTest::newRow("capital accents") << "ÀÈ"
                                         << "CFF4";
        // Only the low 8 bits count: l with stroke (0x141) scrambles as 'A'.
        QTest::newRow("above 255 cut to its low byte") << QString(QChar(0x141)) << "4E";
    }
    void encrypt()
    {
        QFETCH(QString, clear);
        QFETCH(QString, hex);
        QCOMPARE(EncryptToHex(clear), hex);
    }

    void decrypt_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("clear");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("upper-case digits") << "4E8B"
                                           << "AB";
        QTest::newRow("lower-case digits") << "4e8b"
                                           << "AB";
        QTest::newRow("unpaired digit ignored") << "4E8B7"
                                                << "AB";
        QTest::newRow("single digit") << "4"
                                      << "";
        QTest::newRow("initial password") << "5C2C2BA52AF0A1"
                                          << "SELVORA";
        QTest::newRow("accent") << "ef"
                                << "à";
    }
    void decrypt()
    {
        QFETCH(QString, hex);
        QFETCH(QString, clear);
        bool ok = false;
        QCOMPARE(DecryptFromHex(hex, &ok), clear);
        QVERIFY(ok);
    }

    void decryptRefuses_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::newRow("letter G") << "4G";
        QTest::newRow("blank inside") << "4E 8B";
        QTest::newRow("bad last pair") << "4E8BZZ";
        QTest::newRow("prefix") << "0x4E";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("٤E");
    }
    void decryptRefuses()
    {
        QFETCH(QString, hex);
        bool ok = true;
        QCOMPARE(DecryptFromHex(hex, &ok), QString());
        QVERIFY(!ok);
    }

    // Every code from 0 to 255 survives, and long texts are processed whole.
    void roundTrip()
    {
        QString all;
        for (int c = 0; c < 256; ++c)
            all += QChar(char16_t(c));
        const QString hex = EncryptToHex(all);
        QCOMPARE(hex.size(), 512);
        QCOMPARE(hex, hex.toUpper());
        QCOMPARE(DecryptFromHex(hex), all);

        const QString longText = QString(3000, QLatin1Char('Z'));
        QCOMPARE(DecryptFromHex(EncryptToHex(longText)), longText);
    }

    void canKeep()
    {
        QVERIFY(Crypt::canKeep(QStringLiteral("ÀÈÌÒÙ ÿ 123")));
        QVERIFY(!Crypt::canKeep(QStringLiteral("PREZZO€")));
        QVERIFY(!Crypt::canKeep(QString::fromUtf8("ŁÓDŹ")));
        QVERIFY(!Crypt::canKeep(QString::fromUtf8("\xF0\x9F\x98\x80")));
    }
};

SELVORA_CORE_TEST_MAIN(TestCrypt)
#include "tst_crypt.moc"

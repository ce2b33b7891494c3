// The shared text rules: trimming, folding, matching, digits-only, columns
// and the list order.
#include "base/core/Cp1252.h"
#include "base/core/NumberText.h"
#include "base/core/TextRules.h"
#include "support/core/CoreTestMain.h"

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void trimmed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks") << "  Rossi  "
                                << "Rossi";
        QTest::newRow("controls") << QString("\t\r\nRossi\x01 ") << "Rossi";
        QTest::newRow("inner kept") << " A  B "
                                    << "A  B";
        QTest::newRow("non-breaking space kept") << QString(QChar(0xA0)) + "x" << QString(QChar(0xA0)) + "x";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only blanks") << "   "
                                     << "";
    }
    void trimmed()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TextRules::trimmed(text), expected);
    }

    void matches_data()
    {
        QTest::addColumn<QString>("haystack");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("expected");
        QTest::newRow("capitals find small") << "mario rossi"
                                             << "ROSSI" << true;
        QTest::newRow("small find capitals") << "MARIO ROSSI"
                                             << "rossi" << true;
        QTest::newRow("accent exact") << "Niccolò"
                                      << "ò" << true;
        QTest::newRow("accent case differs") << "NICCOLÒ"
                                             << "ò" << false;
        QTest::newRow("empty never matches") << "abc"
                                             << "" << false;
        QTest::newRow("trailing blank counts") << "Rossi Mario"
                                               << "rossi " << true;
        QTest::newRow("trailing blank fails at end") << "Mario Rossi"
                                                     << "rossi " << false;
    }
    void matches()
    {
        QFETCH(QString, haystack);
        QFETCH(QString, needle);
        QFETCH(bool, expected);
        QCOMPARE(TextRules::matches(haystack, needle), expected);
    }

    void soloCifre()
    {
        QVERIFY(SoloCifre(""));
        QVERIFY(SoloCifre("01234567890"));
        QVERIFY(!SoloCifre("0123A"));
        QVERIFY(!SoloCifre(" 123"));
        QVERIFY(!SoloCifre(QString::fromUtf8("١٢٣"))); // other scripts' digits are not 0 to 9
    }

    void column_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << "Rossi" << 8 << "Rossi   ";
        QTest::newRow("cut") << "Bianchi Giovanni" << 7 << "Bianchi";
        QTest::newRow("trimmed first") << "  Verdi  " << 6 << "Verdi ";
        QTest::newRow("exact") << "ABC" << 3 << "ABC";
        QTest::newRow("control characters trimmed, accents kept")
            << QStringLiteral("\t\r\nNicolò\r\n") << 8 << QStringLiteral("Nicolò  ");
        QTest::newRow("blank") << "   " << 3 << "   ";
        QTest::newRow("empty") << "" << 2 << "  ";
    }
    void column()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(TextRules::column(text, width), expected);
        // Appended to a line, the column is the same text after the line.
        QString line = QStringLiteral("C.F. ");
        TextRules::appendColumn(line, text, width);
        QCOMPARE(line, QStringLiteral("C.F. ") + expected);
        QString whole = QStringLiteral("Note: ");
        TextRules::appendTrimmed(whole, text);
        QCOMPARE(whole, QStringLiteral("Note: ") + TextRules::trimmed(text));
    }

    void listOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("z before underscore") << "zeta"
                                             << "_uno" << -1;
        QTest::newRow("case folded") << "abc"
                                     << "ABD" << -1;
        QTest::newRow("equal but case") << "abc"
                                        << "ABC" << 0;
        QTest::newRow("prefix first") << "ABC"
                                      << "ABCD" << -1;
        QTest::newRow("digits before letters") << "9"
                                               << "A" << -1;
        QTest::newRow("accented after Z") << "È"
                                          << "Z" << 1;
        QTest::newRow("bracket after small a") << "["
                                               << "a" << 1; // a is compared as A (0x41) < [ (0x5B)
    }
    void listOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int c = TextRules::listCompare(a, b);
        QCOMPARE(c < 0 ? -1 : (c > 0 ? 1 : 0), sign);
    }

    void cp1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "Rossi" << QByteArray("Rossi");
        QTest::newRow("a grave") << "à" << QByteArray("\xE0");
        QTest::newRow("euro") << "€" << QByteArray("\x80");
        QTest::newRow("l stroke unmappable") << "ł" << QByteArray("?");
        QTest::newRow("emoji is one question mark") << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                         "b")
                                                    << QByteArray("a?b");
        QTest::newRow("Si flag") << "Sì" << QByteArray("S\xEC");
        QTest::newRow("curly quotes") << QString::fromUtf8("\u201Cx\u201D") << QByteArray("\x93x\x94");
    }
    void cp1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1252::encode(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(Cp1252::decode(bytes), text);
    }

    // The letters a text holds that the code page cannot, and the nearest
    // plain letters the card windows offer in their place.
    void cp1252PlainLetters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unencodable");
        QTest::addColumn<QString>("plain");
        QTest::newRow("all held") << QString::fromUtf8("Forlì, Müller, Škoda, Œuvre €") << ""
                                  << QString::fromUtf8("Forlì, Müller, Škoda, Œuvre €");
        QTest::newRow("Polish") << QString::fromUtf8("Kowalski Łukasz Wałęsa") << QString::fromUtf8("Łłę")
                                << "Kowalski Lukasz Walesa";
        QTest::newRow("Hungarian double acute")
            << QString::fromUtf8("Győr Erdős") << QString::fromUtf8("ő") << "Gyor Erdos";
        QTest::newRow("Czech and Romanian") << QString::fromUtf8("Dvořák Ştefan Țara") << QString::fromUtf8("řŞȚ")
                                            << QString::fromUtf8("Dvorák Stefan Tara");
        QTest::newRow("Croatian and Turkish")
            << QString::fromUtf8("Đurić Işık") << QString::fromUtf8("Đćşı") << "Duric Isik";
        QTest::newRow("accent kept where held")
            << QString::fromUtf8("Łódź") << QString::fromUtf8("Łź") << QString::fromUtf8("Lódz");
        QTest::newRow("combining accent") << QString::fromUtf8("Jose\u0301") << QString::fromUtf8("\u0301") << "Jose";
        QTest::newRow("ligature") << QString::fromUtf8("\uFB01ne") << QString::fromUtf8("\uFB01") << "fine";
        QTest::newRow("no plain letter") << QString::fromUtf8("Wang 王") << QString::fromUtf8("王") << "Wang ?";
        QTest::newRow("outside the basic plane, once")
            << QString::fromUtf8("a\U0001F600b\U0001F600") << QString::fromUtf8("\U0001F600") << "a?b?";
    }
    void cp1252PlainLetters()
    {
        QFETCH(QString, text);
        QTEST(Cp1252::unencodable(text), "unencodable");
        QTEST(Cp1252::nearestEncodable(text), "plain");
        QVERIFY(Cp1252::unencodable(Cp1252::nearestEncodable(text)).isEmpty());
    }

    // A point typed in a number field: the comma while there is none.
    void pointIsComma()
    {
        QVERIFY(NumberText::pointIsComma(QString()));
        QVERIFY(NumberText::pointIsComma(QStringLiteral("27")));
        QVERIFY(!NumberText::pointIsComma(QStringLiteral("27,4")));
        QVERIFY(NumberText::pointRefusedMessage().contains(QStringLiteral("virgola")));
    }

    void cp1252RoundTripsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    }
};

SELVORA_CORE_TEST_MAIN(TestTextRules)
#include "tst_textrules.moc"

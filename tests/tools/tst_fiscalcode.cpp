// Decoding of fiscal codes: sex, birth date, birthplace code and name letters
// for both sexes, letters in place of digits, the century rule at its edges,
// and what the decoder says about codes it cannot read.
#include "support/core/CoreTestMain.h"
#include "tools/core/FiscalCode.h"
#include "tools/core/FiscalCodeCheckLetter.h"

class TestFiscalCode : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QDate>("born");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("name");
        const QDate today(2026, 12, 10);
        QTest::newRow("man, 1980") << "RSSMRA80A01H501U" << today << "M" << QDate(1980, 1, 1) << "H501"
                                   << "RSS"
                                   << "MRA";
        QTest::newRow("woman, day plus 40") << "BNCLRA85T45F205L" << today << "F" << QDate(1985, 12, 5) << "F205"
                                            << "BNC"
                                            << "LRA";
        QTest::newRow("born after 2000") << "VRDGPP13E27L736F" << today << "M" << QDate(2013, 5, 27) << "L736"
                                         << "VRD"
                                         << "GPP";
        QTest::newRow("lower case and blanks around")
            << "  rssmra80a01h501u " << today << "M" << QDate(1980, 1, 1) << "H501"
            << "RSS"
            << "MRA";
        QTest::newRow("one letter for a digit") << "RSSMRA80A01H50MM" << today << "M" << QDate(1980, 1, 1) << "H501"
                                                << "RSS"
                                                << "MRA";
        QTest::newRow("three letters in the place") << "RSSMRA80A01HRLMS" << today << "M" << QDate(1980, 1, 1) << "H501"
                                                    << "RSS"
                                                    << "MRA";
        QTest::newRow("every digit a letter") << "RSSMRAULALMHRLMD" << today << "M" << QDate(1980, 1, 1) << "H501"
                                              << "RSS"
                                              << "MRA";
        QTest::newRow("born abroad") << "NGRLSS90M12Z404H" << today << "M" << QDate(1990, 8, 12) << "Z404"
                                     << "NGR"
                                     << "LSS";
        QTest::newRow("check letter is not judged") << "RSSMRA80A01H501A" << today << "M" << QDate(1980, 1, 1) << "H501"
                                                    << "RSS"
                                                    << "MRA";
        // The century: the holder is between 0 and 100 years old on today.
        QTest::newRow("born today: age 0") << "BNCLRA26T10F205J" << today << "M" << QDate(2026, 12, 10) << "F205"
                                           << "BNC"
                                           << "LRA";
        QTest::newRow("born tomorrow's date: a century back")
            << "BNCLRA26T11F205I" << today << "M" << QDate(1926, 12, 11) << "F205"
            << "BNC"
            << "LRA";
        QTest::newRow("woman born today") << "BNCLRA26T50F205N" << today << "F" << QDate(2026, 12, 10) << "F205"
                                          << "BNC"
                                          << "LRA";
        QTest::newRow("woman, tomorrow's date") << "BNCLRA26T51F205M" << today << "F" << QDate(1926, 12, 11) << "F205"
                                                << "BNC"
                                                << "LRA";
        QTest::newRow("year after this one's two digits")
            << "RSSMRA52A01B019U" << today << "M" << QDate(1952, 1, 1) << "B019"
            << "RSS"
            << "MRA";
        QTest::newRow("29 February 2000") << "RSSMRA00B29H501Y" << today << "M" << QDate(2000, 2, 29) << "H501"
                                          << "RSS"
                                          << "MRA";
        QTest::newRow("29 February the day before it comes")
            << "RSSMRA24B69H501K" << QDate(2024, 2, 28) << "F" << QDate(1924, 2, 29) << "H501"
            << "RSS"
            << "MRA";
        QTest::newRow("29 February on the day")
            << "RSSMRA24B69H501K" << QDate(2024, 2, 29) << "F" << QDate(2024, 2, 29) << "H501"
            << "RSS"
            << "MRA";
        QTest::newRow("29 February of a year without it: the century before")
            << "RSSMRA00B29H501Y" << QDate(2100, 3, 1) << "M" << QDate(2000, 2, 29) << "H501"
            << "RSS"
            << "MRA";
    }
    void decodes()
    {
        QFETCH(QString, code);
        QFETCH(QDate, today);
        const FiscalCode::Decoded d = FiscalCode::decode(code, today);
        QVERIFY2(d.ok, qPrintable(d.problem));
        QVERIFY(d.problem.isEmpty());
        QTEST(QString(d.sex), "sex");
        QTEST(d.birthDate, "born");
        QTEST(d.placeCode, "place");
        QTEST(d.surnameLetters, "surname");
        QTEST(d.nameLetters, "name");
        const int age = today.year() - d.birthDate.year() -
            (QDate(today.year(), d.birthDate.month(), 1).addDays(d.birthDate.day() - 1) > today ? 1 : 0);
        QVERIFY(age >= 0 && age <= 100);
    }

    // The fixtures are real codes: their check letters agree.
    void fixturesAreValid()
    {
        for (const char* code : {"RSSMRA80A01H50MM", "RSSMRA80A01HRLMS", "RSSMRAULALMHRLMD", "BNCLRA26T11F205I",
                                 "RSSMRA24B69H501K", "NGRLSS90M12Z404H", "RSSMRA31B30H501M"})
            QVERIFY2(FiscalCodeCheckLetter::valido(QString::fromLatin1(code)), code);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("problem");
        const QDate today(2026, 12, 10);
        QTest::newRow("empty") << "   " << today << "Il codice fiscale è vuoto.";
        QTest::newRow("fifteen characters")
            << "RSSMRA80A01H501" << today << "Il codice fiscale deve avere 16 caratteri: quello digitato ne ha 15.";
        QTest::newRow("seventeen characters")
            << "RSSMRA80A01H501UX" << today << "Il codice fiscale deve avere 16 caratteri: quello digitato ne ha 17.";
        QTest::newRow("temporary eleven digits")
            << "12345678901" << today
            << "Il codice di 11 cifre è un codice fiscale provvisorio (o una partita IVA): non contiene sesso, data "
               "e luogo di nascita.";
        QTest::newRow("digit among the name letters")
            << "RSSM4A80A01H501U" << today << "Il carattere «4» in posizione 5 non è ammesso: ci vuole una lettera.";
        QTest::newRow("accented letter") << QString::fromUtf8("RSSMRÀ80A01H501U") << today
                                         << "Il carattere «À» in posizione 6 non è ammesso: ci vuole una lettera.";
        QTest::newRow("blank inside") << "RSSMRA 0A01H501U" << today
                                      << "Il carattere spazio in posizione 7 non è ammesso: ci vuole una cifra o una "
                                         "delle lettere L, M, N, P, Q, R, S, T, U, V.";
        QTest::newRow("letter that replaces no digit")
            << "RSSMRA8AA01H501U" << today
            << "Il carattere «A» in posizione 8 non è ammesso: ci vuole una cifra o una delle lettere L, M, N, P, Q, "
               "R, S, T, U, V.";
        QTest::newRow("month letter not in the table")
            << "RSSMRA80F01H501U" << today
            << "La lettera del mese «F» non corrisponde a nessun mese: sono ammesse A, B, C, D, E, H, L, M, P, R, S, "
               "T.";
        QTest::newRow("day zero") << "RSSMRA80A00H501U" << today
                                  << "Il giorno 00 non è possibile: va da 01 a 31 per gli uomini e da 41 a 71 per le "
                                     "donne.";
        QTest::newRow("day 35") << "RSSMRA80A35H501U" << today
                                << "Il giorno 35 non è possibile: va da 01 a 31 per gli uomini e da 41 a 71 per le "
                                   "donne.";
        QTest::newRow("day 72") << "RSSMRA80A72H501U" << today
                                << "Il giorno 72 non è possibile: va da 01 a 31 per gli uomini e da 41 a 71 per le "
                                   "donne.";
        QTest::newRow("31 February") << "RSSMRA80B31H501U" << today
                                     << "Il codice indica il 31 febbraio, un giorno che non esiste.";
        QTest::newRow("30 February, woman")
            << "RSSMRA31B70H501M" << today << "Il codice indica il 30 febbraio, un giorno che non esiste.";
        QTest::newRow("31 April") << "RSSMRA80D31H501U" << today
                                  << "Il codice indica il 31 aprile, un giorno che non esiste.";
        QTest::newRow("29 February of 1900")
            << "RSSMRA00B29H501Y" << QDate(2000, 2, 28)
            << "Il codice indica il 29 febbraio 1900, un giorno che non esiste: quell'anno non era bisestile.";
    }
    void refuses()
    {
        QFETCH(QString, code);
        QFETCH(QDate, today);
        const FiscalCode::Decoded d = FiscalCode::decode(code, today);
        QVERIFY(!d.ok);
        QTEST(d.problem, "problem");
        QVERIFY(!d.birthDate.isValid());
        QVERIFY(d.sex.isNull());
    }
};

SELVORA_CORE_TEST_MAIN(TestFiscalCode)
#include "tst_fiscalcode.moc"

// A card against its fiscal code: the name letters, the birthplace table
// (current, merged and foreign codes), the mismatch sentences and the values
// and description the windows show.
#include "support/core/CoreTestMain.h"
#include "tools/core/Birthplaces.h"
#include "tools/core/FiscalCodeCheck.h"

using FiscalCodeCheck::CardData;

namespace {
const QDate kToday(2026, 12, 10);
}

class TestFiscalCodeCheck : public QObject
{
    Q_OBJECT

private slots:
    void letters_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letters");
        QTest::newRow("Rossi Mario") << "Rossi"
                                     << "Mario"
                                     << "RSSMRA";
        QTest::newRow("short surname padded") << "Fo"
                                              << "Al"
                                              << "FOXLAX";
        QTest::newRow("two-word surname") << "De Luca"
                                          << "Luca"
                                          << "DLCLCU";
        QTest::newRow("apostrophe") << "D'Angelo"
                                    << "Anna"
                                    << "DNGNNA";
        QTest::newRow("four consonants: 1st, 3rd, 4th") << "Bianchi"
                                                        << "Gianfranco"
                                                        << "BNCGFR";
        QTest::newRow("accents dropped") << QString::fromUtf8("Società") << QString::fromUtf8("Nicolò") << "SCTNCL";
        QTest::newRow("lower case") << "verdi"
                                    << "giuseppe"
                                    << "VRDGPP";
    }
    void letters()
    {
        QFETCH(QString, surname);
        QFETCH(QString, name);
        QTEST(FiscalCodeCheck::surnameLetters(surname) + FiscalCodeCheck::nameLetters(name), "letters");
    }

    void places_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<QDate>("until");
        QTest::newRow("Rome") << "H501"
                              << "Roma (RM)" << false << QDate();
        QTest::newRow("lower case") << "f205"
                                    << "Milano (MI)" << false << QDate();
        // Merged into Abetone Cutigliano in 2017: its old code keeps its name.
        QTest::newRow("merged municipality") << "A012"
                                             << "Abetone (PT)" << false << QDate(2017, 1, 1);
        QTest::newRow("foreign state") << "Z404"
                                       << "Stati Uniti d'America" << true << QDate();
        QTest::newRow("former foreign state") << "Z105"
                                              << "Cecoslovacchia" << true << QDate(1993, 1, 1);
    }
    void places()
    {
        QFETCH(QString, code);
        const Birthplaces::Place p = Birthplaces::find(code, QDate(1980, 1, 1));
        QVERIFY(p.found);
        QTEST(Birthplaces::label(p), "label");
        QTEST(p.foreign, "foreign");
        QTEST(p.validUntil, "until");
    }
    void tableIsWhole()
    {
        // Every current and former code: some ten thousand.
        QVERIFY(Birthplaces::count() > 9000);
        QVERIFY(!Birthplaces::find(QStringLiteral("Z999")).found);
        QVERIFY(!Birthplaces::find(QString()).found);
    }

    void mismatches_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("expected");
        const QString rossi = QStringLiteral("RSSMRA80A01H501U");
        QTest::newRow("all agree") << rossi << "Rossi Mario"
                                   << "M"
                                   << "01/01/1980"
                                   << "Roma (RM)" << QStringList();
        QTest::newRow("case, accents, short date, bare place") << rossi << "ROSSI mario"
                                                               << "m"
                                                               << "1/1/1980"
                                                               << "roma" << QStringList();
        QTest::newRow("empty fields are not compared") << rossi << ""
                                                       << ""
                                                       << ""
                                                       << "" << QStringList();
        QTest::newRow("name first") << rossi << "Mario Rossi"
                                    << ""
                                    << ""
                                    << "" << QStringList();
        QTest::newRow("two-word surname") << "DLCMRA80A01H501F"
                                          << "De Luca Mario"
                                          << "M"
                                          << ""
                                          << "" << QStringList();
        QTest::newRow("birth date")
            << "RSSMRA58C12H501G"
            << "Rossi Mario"
            << "M"
            << "12/03/1985"
            << ""
            << QStringList {"La data di nascita della scheda (12/03/1985) non corrisponde al codice fiscale "
                            "(12/03/1958)."};
        QTest::newRow("date that is no date")
            << rossi << ""
            << ""
            << "ieri"
            << ""
            << QStringList {"La data di nascita della scheda (ieri) non corrisponde al codice fiscale (01/01/1980)."};
        QTest::newRow("sex") << rossi << ""
                             << "F"
                             << ""
                             << "" << QStringList {"Il sesso della scheda (F) non corrisponde al codice fiscale (M)."};
        QTest::newRow("place") << rossi << ""
                               << ""
                               << ""
                               << "Milano (MI)"
                               << QStringList {"Il luogo di nascita della scheda (Milano (MI)) non corrisponde al "
                                               "codice fiscale (Roma (RM))."};
        QTest::newRow("merged municipality by its old name") << "RSSMRA80A01A012H"
                                                             << ""
                                                             << ""
                                                             << ""
                                                             << "Abetone (PT)" << QStringList();
        QTest::newRow("merged municipality by its new name")
            << "RSSMRA80A01A012H"
            << ""
            << ""
            << ""
            << "Abetone Cutigliano"
            << QStringList {"Il luogo di nascita della scheda (Abetone Cutigliano) non corrisponde al codice fiscale "
                            "(Abetone (PT))."};
        QTest::newRow("foreign state") << "SMTJHN75L10Z404S"
                                       << "Smith John"
                                       << "M"
                                       << "10/07/1975"
                                       << "Stati Uniti d'America" << QStringList();
        QTest::newRow("place not in the table is not compared") << "RSSMRA80A01Z999Y"
                                                                << ""
                                                                << ""
                                                                << ""
                                                                << "Roma" << QStringList();
        QTest::newRow("name") << rossi << "Rossi Luigi"
                              << ""
                              << ""
                              << ""
                              << QStringList {"Il nome della scheda (Luigi) non corrisponde al codice fiscale (MRA)."};
        QTest::newRow("surname") << rossi << "Bianchi Mario"
                                 << ""
                                 << ""
                                 << ""
                                 << QStringList {
                                        "Il cognome della scheda (Bianchi) non corrisponde al codice fiscale (RSS)."};
        QTest::newRow("surname and name")
            << rossi << "Verdi Anna"
            << ""
            << ""
            << ""
            << QStringList {"Il cognome e nome della scheda (Verdi Anna) non corrispondono al codice fiscale (RSS "
                            "MRA)."};
        QTest::newRow("everything")
            << rossi << "Rossi Luigi"
            << "F"
            << "02/01/1980"
            << "Milano"
            << QStringList {"Il nome della scheda (Luigi) non corrisponde al codice fiscale (MRA).",
                            "Il sesso della scheda (F) non corrisponde al codice fiscale (M).",
                            "La data di nascita della scheda (02/01/1980) non corrisponde al codice fiscale "
                            "(01/01/1980).",
                            "Il luogo di nascita della scheda (Milano) non corrisponde al codice fiscale (Roma (RM))."};
        QTest::newRow("temporary code") << "12345678901"
                                        << "Rossi Mario"
                                        << "F"
                                        << ""
                                        << "" << QStringList();
        QTest::newRow("undecodable code") << "RSSMRA80F01H501U"
                                          << "Bianchi"
                                          << "F"
                                          << ""
                                          << "" << QStringList();
        QTest::newRow("no code") << ""
                                 << "Bianchi"
                                 << "F"
                                 << ""
                                 << "" << QStringList();
    }
    void mismatches()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, sex);
        QFETCH(QString, date);
        QFETCH(QString, place);
        QTEST(FiscalCodeCheck::mismatches(code, CardData {name, sex, date, place}, kToday), "expected");
    }

    void warningListsEachMismatch()
    {
        QCOMPARE(FiscalCodeCheck::warningText({"Uno.", "Due."}),
                 QStringLiteral("Attenzione: i dati della scheda non corrispondono al codice fiscale.\n\r\n\rUno.\n\r"
                                "Due.\n\r\n\rSalvare comunque la scheda o correggere i dati?"));
    }

    void values()
    {
        FiscalCodeCheck::Values v = FiscalCodeCheck::values(QStringLiteral("BNCLRA85T45F205L"), kToday);
        QVERIFY(v.ok);
        QCOMPARE(v.sex, QStringLiteral("F"));
        QCOMPARE(v.birthDate, QStringLiteral("05/12/1985"));
        QCOMPARE(v.birthplace, QStringLiteral("Milano (MI)"));
        QVERIFY(v.placeProblem.isEmpty());

        v = FiscalCodeCheck::values(QStringLiteral("RSSMRA80A01Z999Y"), kToday);
        QVERIFY(v.ok);
        QCOMPARE(v.birthplace, QString());
        QCOMPARE(v.placeProblem,
                 QStringLiteral("Il codice del luogo di nascita (Z999) non è nella tabella dei comuni e degli stati "
                                "esteri."));

        v = FiscalCodeCheck::values(QStringLiteral("RSSMRA80B31H501U"), kToday);
        QVERIFY(!v.ok);
        QCOMPARE(v.problem, QStringLiteral("Il codice indica il 31 febbraio, un giorno che non esiste."));
    }

    void describe_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("municipality") << "RSSMRA80A01H501U"
                                      << "Sesso: maschile\nData di nascita: 01/01/1980\nLuogo di nascita: Roma (RM) "
                                         "(codice H501)\nLettere del cognome: RSS; lettere del nome: MRA";
        QTest::newRow("merged municipality")
            << "RSSMRA80A01A012H"
            << "Sesso: maschile\nData di nascita: 01/01/1980\nLuogo di nascita: Abetone (PT) (codice A012, comune "
               "soppresso il 01/01/2017)\nLettere del cognome: RSS; lettere del nome: MRA";
        QTest::newRow("foreign state, woman")
            << "BNCLRA85T45Z110B"
            << "Sesso: femminile\nData di nascita: 05/12/1985\nLuogo di nascita: Francia (stato estero, codice "
               "Z110)\nLettere del cognome: BNC; lettere del nome: LRA";
        QTest::newRow("unknown place") << "RSSMRA80A01Z999Y"
                                       << "Sesso: maschile\nData di nascita: 01/01/1980\nLuogo di nascita: codice "
                                          "Z999, non presente nella tabella dei comuni e degli stati esteri\nLettere "
                                          "del cognome: RSS; lettere del nome: MRA";
        QTest::newRow("undecodable") << "RSSMRA80F01H501U"
                                     << "La lettera del mese «F» non corrisponde a nessun mese: sono ammesse A, B, C, "
                                        "D, E, H, L, M, P, R, S, T.";
    }
    void describe()
    {
        QFETCH(QString, code);
        QTEST(FiscalCodeCheck::describe(code, kToday), "text");
    }

    // The check window's verdict: a right check letter is not enough, the
    // date must exist too; the century is the one that makes the holder 0 to
    // 100 years old on the day of the check (10/12/2026 here).
    void verdict_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("says");
        QTest::newRow("valid") << "RSSMRA80A01H501U" << true << "Data di nascita: 01/01/1980";
        QTest::newRow("born today") << "RSSMRA26T10H501B" << true << "Data di nascita: 10/12/2026";
        QTest::newRow("tomorrow is a century ago") << "RSSMRA26T11H501A" << true << "Data di nascita: 11/12/1926";
        QTest::newRow("next year is a century ago") << "RSSMRA27A01H501N" << true << "Data di nascita: 01/01/1927";
        QTest::newRow("29 February 2000") << "RSSMRA00B29H501Y" << true << "Data di nascita: 29/02/2000";
        QTest::newRow("wrong check letter") << "RSSMRA80A01H501V" << false << "ERRATO";
        QTest::newRow("31 February") << "RSSMRA80B31H501W" << false << "31 febbraio, un giorno che non esiste";
        QTest::newRow("unknown month letter") << "RSSMRA80F01H501G" << false << "La lettera del mese «F»";
        QTest::newRow("day 35") << "RSSMRA80A35H501K" << false << "Il giorno 35 non è possibile";
        QTest::newRow("29 February 1926") << "RSSMRA26B29H501I" << false << "29 febbraio 1926";
    }
    void verdict()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QFETCH(QString, says);
        const FiscalCodeCheck::Verdict v = FiscalCodeCheck::verdict(code, kToday);
        QCOMPARE(v.valid, valid);
        QVERIFY2(v.text.contains(says), qPrintable(v.text));
        QCOMPARE(v.text.contains(QStringLiteral("VALIDO.")), valid);
    }
};

SELVORA_CORE_TEST_MAIN(TestFiscalCodeCheck)
#include "tst_fiscalcodecheck.moc"

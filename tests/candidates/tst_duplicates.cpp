// Cards that look like the same person in a small archive: the same fiscal
// code, or the same name and birth date with accents, case, blanks and date
// forms that differ; and the matches of a card about to be stored.
#include "candidates/core/Duplicates.h"
#include "candidates/core/SchedaCandidato.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>

namespace {

struct Row
{
    const char* name;
    const char* date;
    const char* code;
};

// Positions 1 to 10.
const Row kRows[] = {
    {"Rossi Mario", "01/01/1980", "RSSMRA80A01H501U"},
    {"Bianchi Anna", "05/12/1985", "BNCNNA85T45F205X"},
    {"ROSSI  MARIO", "1/1/1980", ""},
    {"Nicolò Verdi", "27/05/2013", "VRDNCL13E27L736A"},
    {"nicolo' verdi", "27-05-2013", ""},
    {"Esposito Luca", "02/02/1990", " bncnna85t45f205x"},
    {"Gallo Sara", "03/03/1991", ""},
    {"Gallo Sara", "03/03/1992", ""},
    {"Mario Rossi", "", "RSSMRA80A01H501U"},
    {"Conti Elena", "", ""},
};

QByteArray archive()
{
    QByteArray bytes;
    for (const Row& r : kRows) {
        TSchedaCandidato s;
        s.Candidato = QString::fromUtf8(r.name);
        s.Sesso = QStringLiteral("M");
        s.DataNasc = QString::fromUtf8(r.date);
        s.CodFisc = QString::fromUtf8(r.code);
        bytes += s.encode();
    }
    return bytes;
}

QList<qint64> positions(const QList<Duplicates::Card>& cards)
{
    QList<qint64> out;
    for (const Duplicates::Card& c : cards)
        out.append(c.position);
    return out;
}

} // namespace

class TestDuplicates : public QObject
{
    Q_OBJECT

private slots:
    void groups()
    {
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(), archive());
        QList<Duplicates::Group> groups;
        QVERIFY(Duplicates::scan(CandidateArchive::path(), &groups));
        QCOMPARE(groups.size(), 3);
        // Card 1 shares its name and date with card 3 and its code with card 9.
        QCOMPARE(positions(groups[0].cards), (QList<qint64> {1, 3, 9}));
        QCOMPARE(groups[0].reason(), QStringLiteral("Stesso codice fiscale; stesso nome e data di nascita"));
        QCOMPARE(positions(groups[1].cards), (QList<qint64> {2, 6}));
        QCOMPARE(groups[1].reason(), QStringLiteral("Stesso codice fiscale"));
        QCOMPARE(positions(groups[2].cards), (QList<qint64> {4, 5}));
        QCOMPARE(groups[2].reason(), QStringLiteral("Stesso nome e data di nascita"));
        QCOMPARE(groups[2].cards[0].name, QString::fromUtf8("Nicolò Verdi"));
    }

    // A chain: the first and the third card share the code, the second and
    // the third name and date; the link only shows through the last card, so
    // all three are one person, in one group.
    void chainThroughTheLastCard()
    {
        QByteArray bytes;
        const Row rows[] = {
            {"Ferri Marta", "10/10/1970", "FRRMRT70R50H501B"},
            {"Ferri Marta Anna", "11/11/1971", ""},
            {"Ferri Marta Anna", "11/11/1971", "FRRMRT70R50H501B"},
        };
        for (const Row& r : rows) {
            TSchedaCandidato s;
            s.Candidato = QString::fromUtf8(r.name);
            s.DataNasc = QString::fromUtf8(r.date);
            s.CodFisc = QString::fromUtf8(r.code);
            bytes += s.encode();
        }
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(), bytes);
        QList<Duplicates::Group> groups;
        QVERIFY(Duplicates::scan(CandidateArchive::path(), &groups));
        QCOMPARE(groups.size(), 1);
        QCOMPARE(positions(groups[0].cards), (QList<qint64> {1, 2, 3}));
        QVERIFY(groups[0].sameCode);
        QVERIFY(groups[0].sameNameAndDate);
    }

    void noGroupsInAnArchiveWithoutDoubles()
    {
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(), archive().left(2 * TSchedaCandidato::Size));
        QList<Duplicates::Group> groups {Duplicates::Group()};
        QVERIFY(Duplicates::scan(CandidateArchive::path(), &groups));
        QVERIFY(groups.isEmpty());
    }

    void unreadableArchive()
    {
        TempProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(CandidateArchive::fileName()));
        QList<Duplicates::Group> groups;
        QVERIFY(!Duplicates::scan(CandidateArchive::path(), &groups));
        QList<Duplicates::Card> found;
        QVERIFY(!Duplicates::matches(CandidateArchive::path(), "Rossi Mario", "01/01/1980", "", &found));
    }

    void matches_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<qint64>>("expected");
        QTest::newRow("same code") << "Nessuno"
                                   << ""
                                   << "rssmra80a01h501u" << QList<qint64> {1, 9};
        QTest::newRow("same name and date") << QString::fromUtf8("rossi mario") << "01.01.1980"
                                            << "" << QList<qint64> {1, 3};
        QTest::newRow("accents") << "Nicolo Verdi"
                                 << "27/05/2013"
                                 << "" << QList<qint64> {4, 5};
        QTest::newRow("either") << "Gallo Sara"
                                << "03/03/1991"
                                << "BNCNNA85T45F205X" << QList<qint64> {2, 6, 7};
        QTest::newRow("name without date") << "Conti Elena"
                                           << ""
                                           << "" << QList<qint64> {};
        QTest::newRow("another date") << "Gallo Sara"
                                      << "03/03/1993"
                                      << "" << QList<qint64> {};
    }
    void matches()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, code);
        TempProgramFolder folder;
        folder.write(CandidateArchive::fileName(), archive());
        QList<Duplicates::Card> found;
        QVERIFY(Duplicates::matches(CandidateArchive::path(), name, date, code, &found));
        QTEST(positions(found), "expected");
    }

    void describe()
    {
        QCOMPARE(Duplicates::describe({12, "Rossi Mario ", "01/01/1980", "RSSMRA80A01H501U"}),
                 QStringLiteral("n. 12 - Rossi Mario, nato/a il 01/01/1980, codice fiscale RSSMRA80A01H501U"));
        QCOMPARE(Duplicates::describe({3, "Conti Elena", "", ""}), QStringLiteral("n. 3 - Conti Elena"));
    }
};

SELVORA_CORE_TEST_MAIN(TestDuplicates)
#include "tst_duplicates.moc"

// The merit ranking of a competition worked out as a committee would by hand:
// the people across the sessions, pass marks, final scores, the tie-breaks in
// their legal order, the winners with reserved posts, and the set-ups that
// cannot be ranked.
#include "competition/core/CompetitionRanking.h"
#include "competition/core/CompetitionSeal.h"
#include "support/core/CoreTestMain.h"
#include "tools/core/FiscalCodeCheckLetter.h"

#include <QtTest>

namespace {

// A valid fiscal code for a birth in the 20th century: "RSSMRA" + year,
// month letter and day + a Rome birthplace + the check letter.
QString code(const QString& letters6, int year, QChar month, int day)
{
    const QString first15 = letters6 + QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0')) + month +
        QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')) + QStringLiteral("H501");
    return first15 + FiscalCodeCheckLetter::carattereDiControllo(first15);
}

CompetitionTest test(const QString& session, CompetitionTest::Role role, qint64 passMark, qint64 maximum = 3000)
{
    CompetitionTest t;
    t.session = session;
    t.role = role;
    t.passMark = passMark;
    t.maximum = maximum;
    return t;
}

using Role = CompetitionTest::Role;

// Two written tests, an oral test and the qualifications, as most calls have.
Competition fourTests()
{
    Competition c;
    c.name = QStringLiteral("Istruttore amministrativo 2026");
    c.tests = {test(QStringLiteral("Scritta 1"), Role::Written, 2100),
               test(QStringLiteral("Scritta 2"), Role::Written, 2100), test(QStringLiteral("Orale"), Role::Oral, 2100),
               test(QStringLiteral("Titoli"), Role::Titles, -1, 1000)};
    c.posts = 4;
    c.preferenceTitles = {QStringLiteral("Primo titolo"), QStringLiteral("Secondo titolo"),
                          QStringLiteral("Terzo titolo")};
    return c;
}

struct Person
{
    QString name;
    QString code;
    QStringList scores; // one per test; empty when absent
};

QList<QList<TestCard>> sessionsOf(const QList<Person>& people, int tests)
{
    QList<QList<TestCard>> out(tests);
    for (const Person& p : people) {
        for (int t = 0; t < tests; ++t) {
            if (p.scores.value(t).isEmpty())
                continue;
            TestCard card;
            card.card = out[t].size() + 1;
            card.candidato = p.name;
            card.codiceFiscale = p.code;
            card.punteggio = p.scores.at(t);
            out[t].append(card);
        }
    }
    return out;
}

const QDate kToday(2026, 12, 11);

QString lineOf(const CompetitionLine& l)
{
    QString outcome = l.outcome == CompetitionLine::Outcome::Winner ? QStringLiteral("vincitore")
        : l.outcome == CompetitionLine::Outcome::Eligible           ? QStringLiteral("idoneo")
                                                                    : QString();
    return QStringLiteral("%1%2 %3 %4 [%5] %6%7")
        .arg(l.position)
        .arg(l.exAequo ? QStringLiteral("=") : QString())
        .arg(l.name, l.finalScore.text(), l.placedBy, outcome,
             l.reserveUsed.isEmpty() ? QString() : QStringLiteral(" (riserva ") + l.reserveUsed + QLatin1Char(')'));
}

} // namespace

class TestCompetitionRanking : public QObject
{
    Q_OBJECT

private slots:
    // Ties broken by titles, by children, by age and by the committee's
    // order; a reserve that takes a lower-placed candidate's post; a
    // percentage that leaves a fraction of a post to merit; an unused
    // reserve going to merit; two candidates not admitted, each with why.
    void workedCompetition_data()
    {
        QTest::addColumn<int>("fillers");
        QTest::newRow("the cases alone") << 0;
        // The same cases among 292 more candidates, all of them tied below
        // the cases and told apart by age alone.
        QTest::newRow("among 300 candidates") << 292;
    }
    void workedCompetition()
    {
        QFETCH(int, fillers);
        Competition c = fourTests();
        const QString a = code(QStringLiteral("AAAAAA"), 1990, 'A', 1);
        const QString b = code(QStringLiteral("BBBBBB"), 1985, 'A', 1);
        const QString cc = code(QStringLiteral("CCCCCC"), 1992, 'E', 5);
        const QString d = code(QStringLiteral("DDDDDD"), 1970, 'A', 1);
        const QString e = code(QStringLiteral("EEEEEE"), 1995, 'A', 1);
        const QString f = code(QStringLiteral("FFFFFF"), 1993, 'A', 1);
        const QString h = code(QStringLiteral("HHHHHH"), 1960, 'A', 1);
        QList<Person> people {
            {QStringLiteral("ALFA ANNA"),
             a,
             {QStringLiteral("24,00"), QStringLiteral("26,00"), QStringLiteral("25,00"), QStringLiteral("2,00")}},
            {QStringLiteral("BETA BRUNO"),
             b,
             {QStringLiteral("25,00"), QStringLiteral("25,00"), QStringLiteral("25,00"), QStringLiteral("2,00")}},
            {QStringLiteral("GAMMA CARLA"),
             cc,
             {QStringLiteral("22,00"), QStringLiteral("22,00"), QStringLiteral("28,00"), {}}},
            {QStringLiteral("DELTA DARIO"),
             d,
             {QStringLiteral("21,00"), QStringLiteral("23,00"), QStringLiteral("28,00"), {}}},
            {QStringLiteral("EPSILON ELSA"),
             e,
             {QStringLiteral("23,00"), QStringLiteral("23,00"), QStringLiteral("25,00"), QStringLiteral("1,00")}},
            {QStringLiteral("ZETA FABIO"),
             f,
             {QStringLiteral("24,00"), QStringLiteral("22,00"), QStringLiteral("25,00"), QStringLiteral("1,00")}},
            // No fiscal code and no archive card: its cards are joined by the
            // committee, and its age is unknown.
            {QStringLiteral("ETA GINO"),
             QString(),
             {QStringLiteral("21,00"), QStringLiteral("21,00"), QStringLiteral("22,00"), {}}},
            {QStringLiteral("TETA UGO"),
             h,
             {QStringLiteral("21,00"), QStringLiteral("21,00"), QStringLiteral("22,00"), {}}},
            {QStringLiteral("IOTA IRMA"),
             code(QStringLiteral("IIIIII"), 1990, 'A', 1),
             {QStringLiteral("20,00"), QStringLiteral("25,00"), {}, {}}},
            {QStringLiteral("KAPPA KEVIN"),
             code(QStringLiteral("KKKKKK"), 1990, 'A', 1),
             {QStringLiteral("25,00"), QStringLiteral("25,00"), {}, {}}},
        };
        for (int i = 0; i < fillers; ++i) {
            QString letters;
            for (int k = 0, v = i; k < 3; ++k, v /= 26)
                letters += QChar('A' + v % 26);
            people.append({QStringLiteral("RIEMPITIVO %1").arg(i),
                           code(letters + QStringLiteral("XYZ"), 1950 + i % 50, 'A', 1 + i / 50),
                           {QStringLiteral("21,00"), QStringLiteral("21,00"), QStringLiteral("21,00"), {}}});
        }
        c.facts[b].titles = {QStringLiteral("Terzo titolo")};
        c.facts[d].children = 2;
        c.facts[f].reserves = {QStringLiteral("Volontari FF.AA.")};
        c.reserves = {{QStringLiteral("Volontari FF.AA."), 0, 30}, {QStringLiteral("Personale interno"), 1, 0}};
        c.links = {{QStringLiteral("Scritta 1#7"), QStringLiteral("Scritta 2#7"), QStringLiteral("Orale#7")}};
        c.manualOrder = {h, QStringLiteral("Scritta 1#7")};
        QVERIFY2(c.problems().isEmpty(), qPrintable(c.problems().join(QLatin1Char(' '))));

        const CompetitionResult r = CompetitionRanking::build(c, sessionsOf(people, 4), {}, kToday);
        QStringList lines;
        for (const CompetitionLine& l : r.ranked)
            lines << lineOf(l);
        const QStringList expected {
            QStringLiteral("1 BETA BRUNO 52,00 [titoli di preferenza] vincitore"),
            QStringLiteral("2 ALFA ANNA 52,00 [titoli di preferenza] vincitore"),
            QStringLiteral("3 DELTA DARIO 50,00 [figli a carico] vincitore"),
            QStringLiteral("4 GAMMA CARLA 50,00 [figli a carico] idoneo"),
            QStringLiteral("5 EPSILON ELSA 49,00 [minore età] idoneo"),
            QStringLiteral("6 ZETA FABIO 49,00 [minore età] vincitore (riserva Volontari FF.AA.)"),
            QStringLiteral("7 TETA UGO 43,00 [ordine stabilito dalla commissione] idoneo"),
            QStringLiteral("8 ETA GINO 43,00 [ordine stabilito dalla commissione] idoneo"),
        };
        QCOMPARE(lines.mid(0, 8), expected);
        QCOMPARE(r.ranked.size(), 8 + fillers);
        for (int i = 8; i < r.ranked.size(); ++i) {
            const CompetitionLine& l = r.ranked.at(i);
            QCOMPARE(l.position, i + 1);
            QCOMPARE(l.finalScore.text(), QStringLiteral("42,00"));
            QCOMPARE(l.placedBy, QStringLiteral("minore età"));
            QCOMPARE(int(l.outcome), int(CompetitionLine::Outcome::Eligible));
            if (i > 8)
                QVERIFY(r.ranked.at(i - 1).birthDate > l.birthDate);
        }
        // The age could not be asked of the candidate with no date.
        QVERIFY(r.ranked.at(7).flagged);
        QVERIFY(!r.ranked.at(6).flagged);

        // The committee's order moves only within the lines it decides.
        QCOMPARE(r.ranked.at(6).manualGroup, r.ranked.at(7).manualGroup);
        QVERIFY(r.ranked.at(6).manualGroup > 0);
        QCOMPARE(r.ranked.at(0).manualGroup, 0);
        QCOMPARE(CompetitionRanking::moved(r, c.manualOrder, h, +1), (QStringList {QStringLiteral("Scritta 1#7"), h}));
        QCOMPARE(CompetitionRanking::moved(r, c.manualOrder, h, -1), c.manualOrder);
        QCOMPARE(CompetitionRanking::moved(r, c.manualOrder, b, +1), c.manualOrder);

        QCOMPARE(r.notAdmitted.size(), 2);
        QCOMPARE(r.notAdmitted.at(0).name, QStringLiteral("IOTA IRMA"));
        QCOMPARE(r.notAdmitted.at(0).notAdmittedReason,
                 QStringLiteral("20,00 punti su 21,00 richiesti nella prova scritta («Scritta 1»)"));
        QCOMPARE(r.notAdmitted.at(1).notAdmittedReason, QStringLiteral("assente alla prova orale («Orale»)"));
        QVERIFY(r.doubtful.isEmpty());
        QVERIFY(r.winnerRule.contains(QStringLiteral("Riserva «Volontari FF.AA.»: 1 posto (30% di 4, la frazione di "
                                                     "posto va al merito), 1 assegnati")));
        QVERIFY(r.winnerRule.contains(QStringLiteral("i 1 non coperti vanno al merito")));
    }

    // Without the committee's link, cards that share only a name are not
    // taken for one person: they are listed to be checked, and the person
    // is absent from the tests whose card was not joined.
    void unsureMatchesAreListed()
    {
        Competition c = fourTests();
        const QList<Person> people {
            {QStringLiteral("Rossi  Mario"), QString(), {QStringLiteral("25,00"), {}, {}, {}}},
            {QStringLiteral("ROSSI MARIO"), QString(), {{}, QStringLiteral("25,00"), QStringLiteral("25,00"), {}}},
        };
        CompetitionResult r = CompetitionRanking::build(c, sessionsOf(people, 4), {}, kToday);
        QCOMPARE(r.ranked.size(), 0);
        // Three cards of one name in three tests: three pairs to check.
        QCOMPARE(r.doubtful.size(), 3);
        QCOMPARE(r.doubtful.at(0).cardA.section(QLatin1Char('#'), 0, 0) !=
                     r.doubtful.at(0).cardB.section(QLatin1Char('#'), 0, 0),
                 true);

        // A birth date from the archive makes the match sure.
        r = CompetitionRanking::build(
            c, sessionsOf(people, 4), [](const QString&) { return QDate(1980, 1, 1); }, kToday);
        QCOMPARE(r.doubtful.size(), 0);
        QCOMPARE(r.ranked.size(), 1);
        QCOMPARE(r.ranked.at(0).finalScore.text(), QStringLiteral("50,00"));

        // The committee joins the last two and separates the first: no doubt
        // is left, and the joined person is absent from the first test.
        c.links = {{QStringLiteral("Scritta 2#1"), QStringLiteral("Orale#1")}};
        c.separations = {{QStringLiteral("Scritta 1#1"), QStringLiteral("Scritta 2#1")},
                         {QStringLiteral("Scritta 1#1"), QStringLiteral("Orale#1")}};
        r = CompetitionRanking::build(c, sessionsOf(people, 4), {}, kToday);
        QCOMPARE(r.doubtful.size(), 0);
        QCOMPARE(r.ranked.size(), 0);
        QCOMPARE(r.notAdmitted.size(), 2);
    }

    // Namesakes with their own valid codes are two people, never a doubt;
    // one code on two cards of the same test is.
    void codesDecide()
    {
        Competition c = fourTests();
        const QString one = code(QStringLiteral("RSSMRA"), 1980, 'A', 1);
        const QString two = code(QStringLiteral("RSSMRA"), 1981, 'A', 1);
        QList<Person> people {
            {QStringLiteral("ROSSI MARIO"),
             one,
             {QStringLiteral("25,00"), QStringLiteral("25,00"), QStringLiteral("25,00"), {}}},
            {QStringLiteral("ROSSI MARIO"),
             two,
             {QStringLiteral("24,00"), QStringLiteral("24,00"), QStringLiteral("24,00"), {}}},
        };
        CompetitionResult r = CompetitionRanking::build(c, sessionsOf(people, 4), {}, kToday);
        QCOMPARE(r.ranked.size(), 2);
        QVERIFY(r.doubtful.isEmpty());

        // The publication tells namesakes apart by the birth date alone, and
        // shows no code.
        const QStringList published = CompetitionSeal::publicationLines(r);
        QVERIFY(published.at(2).contains(QStringLiteral("ROSSI MARIO (nato/a il 01/01/1980)")));
        QVERIFY(published.at(3).contains(QStringLiteral("ROSSI MARIO (nato/a il 01/01/1981)")));
        QVERIFY(!published.join(QString()).contains(one));

        people.append({QStringLiteral("ROSSI MARIO"), one.toLower(), {QStringLiteral("26,00"), {}, {}, {}}});
        r = CompetitionRanking::build(c, sessionsOf(people, 4), {}, kToday);
        QCOMPARE(r.doubtful.size(), 1);
        QCOMPARE(r.doubtful.at(0).reason, QStringLiteral("la stessa persona ha due schede nella stessa prova"));
    }

    // The average of three written tests is kept exactly: 21,67 shown as
    // 21,667 is not equal to 21,67, and equal thirds are equal.
    void finalScoreIsExact_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<int>("order");
        QTest::newRow("thirds") << QStringList {QStringLiteral("21,00"), QStringLiteral("22,00"),
                                                QStringLiteral("22,00")}
                                << QStringList {QStringLiteral("21,67"), QStringLiteral("21,67"),
                                                QStringLiteral("21,67")}
                                << QStringLiteral("21,667") << -1;
        QTest::newRow("equal thirds") << QStringList {QStringLiteral("21,00"), QStringLiteral("22,00"),
                                                      QStringLiteral("22,00")}
                                      << QStringList {QStringLiteral("22,00"), QStringLiteral("22,00"),
                                                      QStringLiteral("21,00")}
                                      << QStringLiteral("21,667") << 0;
    }
    void finalScoreIsExact()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, firstText);
        QFETCH(int, order);
        Competition c;
        c.name = QStringLiteral("Tre scritti");
        c.posts = 1;
        c.preferenceTitles = {QStringLiteral("Titolo")};
        for (int i = 1; i <= 3; ++i)
            c.tests << test(QStringLiteral("S%1").arg(i), Role::Written, 2100);
        const QList<Person> people {{QStringLiteral("UNO"), code(QStringLiteral("UUUUUU"), 1980, 'A', 1), first},
                                    {QStringLiteral("DUE"), code(QStringLiteral("DDDDDD"), 1980, 'A', 1), second}};
        const CompetitionResult r = CompetitionRanking::build(c, sessionsOf(people, 3), {}, kToday);
        QCOMPARE(r.ranked.size(), 2);
        const CompetitionLine& uno = r.ranked.at(0).name == QStringLiteral("UNO") ? r.ranked.at(0) : r.ranked.at(1);
        const CompetitionLine& due = r.ranked.at(0).name == QStringLiteral("UNO") ? r.ranked.at(1) : r.ranked.at(0);
        QCOMPARE(uno.finalScore.text(), firstText);
        QCOMPARE(uno.finalScore.compare(due.finalScore), order);
        QCOMPARE(uno.exAequo, order == 0);
    }

    // The weighted rule: each score times its weight.
    void weightedRule()
    {
        Competition c = fourTests();
        c.rule = Competition::Rule::Weighted;
        c.tests[0].weight = 25;
        c.tests[1].weight = 25;
        c.tests[2].weight = 40;
        c.tests[3].weight = 10;
        const QList<Person> people {
            {QStringLiteral("UNO"),
             code(QStringLiteral("UUUUUU"), 1980, 'A', 1),
             {QStringLiteral("24,00"), QStringLiteral("28,00"), QStringLiteral("30,00"), QStringLiteral("10,00")}}};
        const CompetitionResult r = CompetitionRanking::build(c, sessionsOf(people, 4), {}, kToday);
        QCOMPARE(r.ranked.size(), 1);
        // 6 + 7 + 12 + 1
        QCOMPARE(r.ranked.at(0).finalScore.text(), QStringLiteral("26,00"));
    }

    // Set-ups that cannot be ranked, each with its Italian sentence.
    void problems_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("message");
        QTest::newRow("session twice")
            << 0 << QStringLiteral("La sessione «orale» è indicata due volte: ogni sessione è una sola prova.");
        QTest::newRow("no pass mark") << 1
                                      << QStringLiteral("La prova «Scritta 1» (prova scritta) non ha il punteggio "
                                                        "minimo per superarla (per esempio 21 su 30).");
        QTest::newRow("pass above maximum")
            << 2
            << QStringLiteral(
                   "Il punteggio minimo della prova «Scritta 1» (prova scritta) (31,00) supera il massimo (30,00).");
        QTest::newRow("no titles") << 3
                                   << QStringLiteral("L'elenco dei titoli di preferenza è vuoto: ripristinare l'elenco "
                                                     "di legge o indicare quello del bando.");
        QTest::newRow("reserve above posts")
            << 4 << QStringLiteral("Le riserve (5 posti) superano i posti messi a concorso (4).");
        QTest::newRow("no posts") << 5 << QStringLiteral("Indicare il numero dei posti messi a concorso.");
    }
    void problems()
    {
        QFETCH(int, breakage);
        QFETCH(QString, message);
        Competition c = fourTests();
        QVERIFY(c.problems().isEmpty());
        switch (breakage) {
        case 0:
            c.tests[3].session = QStringLiteral("orale");
            break;
        case 1:
            c.tests[0].passMark = -1;
            break;
        case 2:
            c.tests[0].passMark = 3100;
            break;
        case 3:
            c.preferenceTitles.clear();
            break;
        case 4:
            c.reserves = {{QStringLiteral("Interni"), 5, 0}};
            break;
        case 5:
            c.posts = 0;
            break;
        }
        QCOMPARE(c.problems(), QStringList {message});
    }

    // The legal list ships with the program, with its source.
    void defaultTitles()
    {
        const QStringList titles = CompetitionRules::defaultPreferenceTitles();
        QVERIFY(titles.size() >= 10);
        QVERIFY(titles.first().startsWith(QStringLiteral("Insigniti di medaglia al valor militare")));
        QVERIFY(CompetitionRules::defaultTitlesSource().contains(QStringLiteral("n. 82")));
    }
};

SELVORA_CORE_TEST_MAIN(TestCompetitionRanking)
#include "tst_competitionranking.moc"

// The set-up rules of the scoring grid, without a window: the typed numbers
// and names refused with their messages, a lower maximum that no longer holds
// the scores given, the scores lost with a removed criterion or member, and
// the scores that follow a renamed one.
#include "sessions/core/GridSetup.h"
#include "support/core/CoreTestMain.h"

namespace {

// Two criteria, three members (the secretary does not vote) and scores on
// three cards; card 3 holds a score for a criterion the grid no longer has
// (a hand edit), which every set-up keeps.
ScoringGrid committee()
{
    ScoringGrid g;
    g.sessionFile = QStringLiteral("Concorso.vai");
    g.criteria = {{QStringLiteral("Competenze"), 10.0, 2.0}, {QStringLiteral("Comunicazione"), 10.0, 1.0}};
    g.members = {{QStringLiteral("Rossi"), GridMember::Role::President},
                 {QStringLiteral("Bianchi"), GridMember::Role::Member},
                 {QStringLiteral("Verdi"), GridMember::Role::Secretary}};
    g.cards[1][QStringLiteral("Rossi")] = {{QStringLiteral("Competenze"), 8.0}, {QStringLiteral("Comunicazione"), 6.0}};
    g.cards[1][QStringLiteral("Bianchi")] = {{QStringLiteral("Competenze"), 7.0}};
    g.cards[2][QStringLiteral("Bianchi")] = {{QStringLiteral("Comunicazione"), 9.0}};
    g.cards[3][QStringLiteral("Rossi")] = {{QStringLiteral("Storia"), 4.0}};
    return g;
}

// The set-up page as shown for committee(), row by row: "previous>name|
// maximum|weight" and "previous>name|role"; an empty previous is a row added.
const QString kCriteria = QStringLiteral("Competenze>Competenze|10|2;Comunicazione>Comunicazione|10|1");
const QString kMembers = QStringLiteral("Rossi>Rossi|presidente;Bianchi>Bianchi|componente;Verdi>Verdi|segretario");
const QString kCards = QStringLiteral("1 Bianchi Competenze=7, Rossi Competenze=8, Rossi Comunicazione=6; "
                                      "2 Bianchi Comunicazione=9; 3 Rossi Storia=4");

GridSetup::Proposal proposal(const QString& criteria, const QString& members)
{
    GridSetup::Proposal p;
    for (const QString& row : criteria.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = row.section(QLatin1Char('>'), 1).split(QLatin1Char('|'));
        p.criteria.append({parts.at(0), parts.at(1), parts.at(2), row.section(QLatin1Char('>'), 0, 0)});
    }
    for (const QString& row : members.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = row.section(QLatin1Char('>'), 1).split(QLatin1Char('|'));
        GridSetup::MemberRow m {parts.at(0), GridMember::Role::Member, row.section(QLatin1Char('>'), 0, 0)};
        if (!GridMath::roleFromText(parts.at(1), &m.role))
            qFatal("unknown role %s", qPrintable(parts.at(1)));
        p.members.append(m);
    }
    return p;
}

// "1 Bianchi Competenze=7, Rossi Competenze=8; 2 ...", in the order of the maps.
QString cardsText(const ScoringGrid& g)
{
    QStringList cards;
    for (auto card = g.cards.cbegin(); card != g.cards.cend(); ++card) {
        QStringList scores;
        for (auto m = card->cbegin(); m != card->cend(); ++m) {
            for (auto c = m->cbegin(); c != m->cend(); ++c)
                scores << QStringLiteral("%1 %2=%3").arg(m.key(), c.key(), GridMath::scoreText(c.value()));
        }
        cards << QString::number(card.key()) + QLatin1Char(' ') + scores.join(QStringLiteral(", "));
    }
    return cards.join(QStringLiteral("; "));
}

QString renamesText(const QMap<QString, QString>& names)
{
    QStringList out;
    for (auto n = names.cbegin(); n != names.cend(); ++n)
        out << n.key() + QLatin1Char('>') + n.value();
    return out.join(QLatin1Char(','));
}

} // namespace

class TestGridSetup : public QObject
{
    Q_OBJECT

private slots:
    void applied_data()
    {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("members");
        QTest::addColumn<QStringList>("losses");
        QTest::addColumn<QString>("renamedCriteria");
        QTest::addColumn<QString>("renamedMembers");
        QTest::addColumn<QString>("cards");

        const QString lostCriterion = QStringLiteral("il criterio \"Comunicazione\" (punteggi in 2 schede)");
        const QString lostMember = QStringLiteral("il componente \"Bianchi\" (punteggi in 2 schede)");

        QTest::newRow("nothing changed") << kCriteria << kMembers << QStringList() << ""
                                         << "" << kCards;
        QTest::newRow("criterion removed with scores")
            << "Competenze>Competenze|10|2" << kMembers << QStringList {lostCriterion} << ""
            << ""
            << "1 Bianchi Competenze=7, Rossi Competenze=8; 3 Rossi Storia=4";
        QTest::newRow("criterion added") << kCriteria + ";>Motivazione|5|1" << kMembers << QStringList() << ""
                                         << "" << kCards;
        QTest::newRow("maximum lowered to the highest score")
            << "Competenze>Competenze|8|2;Comunicazione>Comunicazione|9|1" << kMembers << QStringList() << ""
            << "" << kCards;
        QTest::newRow("criterion renamed")
            << "Competenze>Competenze tecniche|10|2;Comunicazione>Comunicazione|10|1" << kMembers << QStringList()
            << "Competenze>Competenze tecniche"
            << ""
            << "1 Bianchi Competenze tecniche=7, Rossi Competenze tecniche=8, Rossi Comunicazione=6; "
               "2 Bianchi Comunicazione=9; 3 Rossi Storia=4";
        QTest::newRow("criteria renamed into each other's names")
            << "Competenze>Comunicazione|10|2;Comunicazione>Competenze|10|1" << kMembers << QStringList()
            << "Competenze>Comunicazione,Comunicazione>Competenze"
            << ""
            << "1 Bianchi Comunicazione=7, Rossi Competenze=6, Rossi Comunicazione=8; "
               "2 Bianchi Competenze=9; 3 Rossi Storia=4";
        QTest::newRow("member removed with scores")
            << kCriteria << "Rossi>Rossi|presidente;Verdi>Verdi|segretario" << QStringList {lostMember} << ""
            << ""
            << "1 Rossi Competenze=8, Rossi Comunicazione=6; 3 Rossi Storia=4";
        QTest::newRow("members removed, one without scores")
            << kCriteria << "Rossi>Rossi|presidente" << QStringList {lostMember} << ""
            << ""
            << "1 Rossi Competenze=8, Rossi Comunicazione=6; 3 Rossi Storia=4";
        QTest::newRow("member without scores removed")
            << kCriteria << "Rossi>Rossi|presidente;Bianchi>Bianchi|componente" << QStringList() << ""
            << "" << kCards;
        QTest::newRow("member renamed")
            << kCriteria << "Rossi>Rossi Anna|presidente;Bianchi>Bianchi|componente;Verdi>Verdi|segretario"
            << QStringList() << ""
            << "Rossi>Rossi Anna"
            << "1 Bianchi Competenze=7, Rossi Anna Competenze=8, Rossi Anna Comunicazione=6; "
               "2 Bianchi Comunicazione=9; 3 Rossi Anna Storia=4";
        QTest::newRow("criterion and member removed, criteria named first")
            << "Competenze>Competenze|10|2"
            << "Rossi>Rossi|presidente;Verdi>Verdi|segretario" << QStringList {lostCriterion, lostMember} << ""
            << ""
            << "1 Rossi Competenze=8; 3 Rossi Storia=4";
    }

    void applied()
    {
        QFETCH(QString, criteria);
        QFETCH(QString, members);
        QFETCH(QStringList, losses);
        QFETCH(QString, renamedCriteria);
        QFETCH(QString, renamedMembers);
        QFETCH(QString, cards);

        const GridSetup::Proposal proposed = proposal(criteria, members);
        const GridSetup::Result result = GridSetup::apply(committee(), proposed);
        QCOMPARE(result.problem, QString());
        QCOMPARE(result.lowered, QString());
        QCOMPARE(result.losses, losses);
        QCOMPARE(renamesText(result.renamedCriteria), renamedCriteria);
        QCOMPARE(renamesText(result.renamedMembers), renamedMembers);
        QCOMPARE(cardsText(result.grid), cards);
        // The new grid holds the set-up as typed.
        QCOMPARE(result.grid.criteria.size(), proposed.criteria.size());
        for (int i = 0; i < proposed.criteria.size(); ++i)
            QCOMPARE(result.grid.criteria.at(i).name, proposed.criteria.at(i).name);
        QCOMPARE(result.grid.members.size(), proposed.members.size());
        for (int i = 0; i < proposed.members.size(); ++i) {
            QCOMPARE(result.grid.members.at(i).name, proposed.members.at(i).name);
            QCOMPARE(result.grid.members.at(i).role, proposed.members.at(i).role);
        }
    }

    void refused_data()
    {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("members");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("lowered");

        QTest::newRow("criterion without a name")
            << kCriteria + ";>|5|1" << kMembers << "Attenzione: il criterio n. 3 non ha un nome."
            << "";
        QTest::newRow("maximum not a number")
            << "Competenze>Competenze|dieci|2;Comunicazione>Comunicazione|10|1" << kMembers
            << "Attenzione: il punteggio massimo del criterio \"Competenze\" non è un numero."
            << "";
        QTest::newRow("weight not a number, row without a name")
            << kCriteria + ";>|5|uno" << kMembers << "Attenzione: il peso del criterio n. 3 non è un numero."
            << "";
        QTest::newRow("member without a name") << kCriteria << kMembers + ";>|componente"
                                               << "Attenzione: il componente n. 4 della commissione non ha un nome."
                                               << "";
        QTest::newRow("no voting member")
            << kCriteria << "Verdi>Verdi|segretario"
            << "Attenzione: indicare almeno un componente della commissione con diritto di voto."
            << "";
        QTest::newRow("maximum lowered below a score")
            << "Competenze>Competenze|7,5|2;Comunicazione>Comunicazione|10|1" << kMembers
            << "Attenzione: alcuni punteggi già assegnati per il criterio \"Competenze\" superano il nuovo "
               "massimo 7,5. Correggere prima i punteggi oppure indicare un massimo più alto."
            << "Competenze";
        QTest::newRow("renamed and lowered below a score")
            << "Competenze>Competenze|10|2;Comunicazione>Dialogo|8|1" << kMembers
            << "Attenzione: alcuni punteggi già assegnati per il criterio \"Dialogo\" superano il nuovo "
               "massimo 8. Correggere prima i punteggi oppure indicare un massimo più alto."
            << "Dialogo";
        // The order of the questions: the numbers first, the maximum before
        // the losses.
        QTest::newRow("numbers judged before the maximum")
            << "Competenze>Competenze|7|2;Comunicazione>Comunicazione|10|uno" << kMembers
            << "Attenzione: il peso del criterio \"Comunicazione\" non è un numero."
            << "";
        QTest::newRow("maximum judged before the losses")
            << "Competenze>Competenze|7|2"
            << "Rossi>Rossi|presidente"
            << "Attenzione: alcuni punteggi già assegnati per il criterio \"Competenze\" superano il nuovo "
               "massimo 7. Correggere prima i punteggi oppure indicare un massimo più alto."
            << "Competenze";
    }

    void refused()
    {
        QFETCH(QString, criteria);
        QFETCH(QString, members);
        QFETCH(QString, problem);
        QFETCH(QString, lowered);

        const GridSetup::Result result = GridSetup::apply(committee(), proposal(criteria, members));
        QCOMPARE(result.problem, problem);
        QCOMPARE(result.lowered, lowered);
        QVERIFY(result.losses.isEmpty());
    }

    void unchangedSetupKeepsTheGrid()
    {
        const ScoringGrid current = committee();
        GridSetup::Proposal proposed = proposal(kCriteria, kMembers);
        const GridSetup::Result result = GridSetup::apply(current, proposed);
        QCOMPARE(result.grid.toJson(), current.toJson());
    }

    void scaleAndChoicesCarriedOver()
    {
        ScoringGrid current = committee();
        current.tieBreaks = {ScoringGrid::TieBreak::ManualOrder};
        current.manualOrder = {2, 1};
        GridSetup::Proposal proposed = proposal(kCriteria, kMembers);
        proposed.scale = {true, 30.0};
        const GridSetup::Result result = GridSetup::apply(current, proposed);
        QVERIFY(result.grid.scale.scaled);
        QCOMPARE(result.grid.scale.maximum, 30.0);
        QCOMPARE(result.grid.tieBreaks, current.tieBreaks);
        QCOMPARE(result.grid.manualOrder, current.manualOrder);
        QCOMPARE(result.grid.sessionFile, current.sessionFile);
    }

    void lossQuestion()
    {
        const GridSetup::Result result =
            GridSetup::apply(committee(), proposal("Competenze>Competenze|10|2", "Rossi>Rossi|presidente"));
        QCOMPARE(result.lossQuestion(),
                 QStringLiteral("Si stanno eliminando il criterio \"Comunicazione\" (punteggi in 2 schede), il "
                                "componente \"Bianchi\" (punteggi in 2 schede).\r\n\r\nI punteggi già assegnati "
                                "saranno cancellati dalla griglia. Si conferma?"));
    }
};

SELVORA_CORE_TEST_MAIN(TestGridSetup)
#include "tst_gridsetup.moc"

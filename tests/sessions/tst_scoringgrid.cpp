// The scoring grid: means and totals with weights and scales, the score and
// set-up checks, the side file's round trip and its damaged forms, and the
// session catalogue deleting a session together with its grid.
#include "report/core/Report.h"
#include "sessions/core/GridReport.h"
#include "sessions/core/ScoringGrid.h"
#include "sessions/core/SessionCatalogue.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

ScoringGrid committee()
{
    ScoringGrid g;
    g.sessionFile = QStringLiteral("Concorso.vai");
    g.criteria = {{QStringLiteral("Competenze tecniche"), 10.0, 2.0}, {QStringLiteral("Comunicazione"), 10.0, 1.0}};
    g.members = {{QStringLiteral("Rossi"), GridMember::Role::President},
                 {QStringLiteral("Bianchi"), GridMember::Role::Member},
                 {QStringLiteral("Verdi"), GridMember::Role::Secretary}};
    return g;
}

// "Rossi:Competenze tecniche=8;Bianchi:Comunicazione=6" into scores.
CardScores scoresOf(const QString& text)
{
    CardScores s;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString member = part.section(QLatin1Char(':'), 0, 0);
        const QString rest = part.section(QLatin1Char(':'), 1);
        s[member].insert(rest.section(QLatin1Char('='), 0, 0), rest.section(QLatin1Char('='), 1).toDouble());
    }
    return s;
}

} // namespace

class TestScoringGrid : public QObject
{
    Q_OBJECT

private slots:
    void totals_data()
    {
        QTest::addColumn<QString>("scores");
        QTest::addColumn<double>("scale"); // 0: the sum itself
        QTest::addColumn<QString>("weighted");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("complete");

        const QString full = QStringLiteral("Rossi:Competenze tecniche=8;Rossi:Comunicazione=6;"
                                            "Bianchi:Competenze tecniche=6;Bianchi:Comunicazione=9");
        // Means 7 and 7,5: 7 x 2 + 7,5 x 1 = 21,5 out of 30.
        QTest::newRow("sum of weighted means") << full << 0.0 << "21,5"
                                               << "21,5" << true;
        QTest::newRow("scaled to 10") << full << 10.0 << "21,5"
                                      << "7,17" << true;
        QTest::newRow("scaled to 30") << full << 30.0 << "21,5"
                                      << "21,5" << true;
        QTest::newRow("scaled to 100") << full << 100.0 << "21,5"
                                       << "71,67" << true;
        // The secretary's score never counts.
        QTest::newRow("secretary does not vote")
            << full + QStringLiteral(";Verdi:Competenze tecniche=0;Verdi:Comunicazione=0") << 0.0 << "21,5"
            << "21,5" << true;
        // A cell left empty: the mean of those who scored, flagged incomplete.
        QTest::newRow("one cell missing")
            << QStringLiteral("Rossi:Competenze tecniche=8;Rossi:Comunicazione=6;Bianchi:Competenze tecniche=6") << 0.0
            << "20"
            << "20" << false;
        QTest::newRow("decimals") << QStringLiteral("Rossi:Competenze tecniche=7,25;Rossi:Comunicazione=10;"
                                                    "Bianchi:Competenze tecniche=7,5;Bianchi:Comunicazione=9,75")
                                         .replace(QLatin1Char(','), QLatin1Char('.'))
                                  << 0.0 << "24,63"
                                  << "24,63" << true;
        QTest::newRow("nothing scored") << QString() << 10.0 << "0"
                                        << "0" << false;
        QTest::newRow("top marks scaled") << QStringLiteral("Rossi:Competenze tecniche=10;Rossi:Comunicazione=10;"
                                                            "Bianchi:Competenze tecniche=10;Bianchi:Comunicazione=10")
                                          << 100.0 << "30"
                                          << "100" << true;
    }

    void totals()
    {
        QFETCH(QString, scores);
        QFETCH(double, scale);
        QFETCH(QString, weighted);
        QFETCH(QString, total);
        QFETCH(bool, complete);
        ScoringGrid g = committee();
        g.scale.scaled = scale > 0.0;
        g.scale.maximum = scale;
        const GridMath::Total t = GridMath::total(g, scoresOf(scores));
        QCOMPARE(GridMath::totalText(t.weightedSum), weighted);
        QCOMPARE(GridMath::totalText(t.total), total);
        QCOMPARE(t.complete, complete);
        QCOMPARE(t.bestPossible, 30.0);
    }

    void cellScores_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "8" << true << false << 8.0;
        QTest::newRow("comma") << "8,5" << true << false << 8.5;
        QTest::newRow("the maximum") << "10" << true << false << 10.0;
        QTest::newRow("blanks around") << " 7 " << true << false << 7.0;
        QTest::newRow("zero") << "0" << true << false << 0.0;
        QTest::newRow("empty") << "" << true << true << 0.0;
        QTest::newRow("above the maximum") << "10,01" << false << false << 0.0;
        QTest::newRow("pasted large") << "150" << false << false << 0.0;
        QTest::newRow("negative") << "-1" << false << false << 0.0;
        QTest::newRow("letters") << "otto" << false << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << false << 0.0;
    }

    void cellScores()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(bool, empty);
        QFETCH(double, value);
        bool isEmpty = false;
        QString problem;
        const double v = GridMath::parseScore(typed, {QStringLiteral("Comunicazione"), 10.0, 1.0}, &isEmpty, &problem);
        QCOMPARE(problem.isEmpty(), accepted);
        QCOMPARE(isEmpty, empty);
        if (accepted)
            QCOMPARE(v, value);
        else
            QVERIFY(problem.contains(QStringLiteral("da 0 a 10")));
    }

    void setupChecks_data()
    {
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("weight");
        QTest::addColumn<bool>("secretaryOnly");
        QTest::addColumn<QString>("message");
        QTest::newRow("sound") << 10.0 << 1.0 << false << "";
        QTest::newRow("zero maximum") << 0.0 << 1.0 << false << "punteggio massimo del criterio";
        QTest::newRow("negative maximum") << -5.0 << 1.0 << false << "punteggio massimo del criterio";
        QTest::newRow("zero weight") << 10.0 << 0.0 << false << "peso del criterio";
        QTest::newRow("negative weight") << 10.0 << -1.0 << false << "peso del criterio";
        QTest::newRow("nobody votes") << 10.0 << 1.0 << true << "diritto di voto";
    }

    void setupChecks()
    {
        QFETCH(double, max);
        QFETCH(double, weight);
        QFETCH(bool, secretaryOnly);
        QFETCH(QString, message);
        QList<GridMember> members {{QStringLiteral("Verdi"), GridMember::Role::Secretary}};
        if (!secretaryOnly)
            members.append({QStringLiteral("Rossi"), GridMember::Role::President});
        const QString got = GridMath::checkSetup({{QStringLiteral("Colloquio"), max, weight}}, members, GridScale());
        if (message.isEmpty())
            QCOMPARE(got, QString());
        else
            QVERIFY2(got.startsWith(QStringLiteral("Attenzione: ")) && got.contains(message), qPrintable(got));
    }

    void roundTrip()
    {
        TempProgramFolder folder;
        const QString session = folder.file(QStringLiteral("Concorso.vai"));
        folder.write(QStringLiteral("Concorso.vai"), QByteArray());
        ScoringGrid g = committee();
        g.scale = {true, 30.0};
        g.cards.insert(3, scoresOf(QStringLiteral("Rossi:Competenze tecniche=8.5;Bianchi:Comunicazione=6")));
        g.cards.insert(12, scoresOf(QStringLiteral("Rossi:Comunicazione=10")));
        g.tieBreaks = {ScoringGrid::TieBreak::YoungerFirst, ScoringGrid::TieBreak::ManualOrder};
        g.manualOrder = {12, 3};
        g.nonSuitable = ScoringGrid::NonSuitable::LeftOut;
        g.publishedName = ScoringGrid::PublishedName::Identifier;
        g.seal.sessionSha256 = QStringLiteral("ab").repeated(32);
        g.seal.gridSha256 = g.contentSha256();
        g.seal.when = QDateTime(QDate(2026, 12, 10), QTime(10, 30));

        QString error;
        QVERIFY2(GridFile::write(session, g, &error), qPrintable(error));
        QCOMPARE(GridFile::pathFor(session), folder.file(QStringLiteral("Concorso.griglia.json")));
        // Readable text, with its format, version and session inside.
        const QJsonObject root = QJsonDocument::fromJson(folder.read(QStringLiteral("Concorso.griglia.json"))).object();
        QCOMPARE(root.value(QStringLiteral("format")).toString(), QString::fromLatin1(ScoringGrid::Format));
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 1);
        QCOMPARE(root.value(QStringLiteral("session")).toString(), QStringLiteral("Concorso.vai"));

        ScoringGrid back;
        QString problem;
        QCOMPARE(GridFile::read(session, &back, &problem), GridFile::Status::Read);
        QCOMPARE(back.toJson(), g.toJson());
        QCOMPARE(back.cards.value(3).value(QStringLiteral("Rossi")).value(QStringLiteral("Competenze tecniche")), 8.5);
        QCOMPARE(back.manualOrder, (QList<qint64> {12, 3}));
        QCOMPARE(back.contentSha256(), g.seal.gridSha256);
        QCOMPARE(back.seal.when, g.seal.when);
        // Nothing else was written beside it.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray head = R"({"format":"selvora-griglia-di-valutazione","version":1,"session":"Concorso.vai",)";
        const QByteArray sound = R"("members":[{"name":"Rossi","role":"presidente"}],"scale":{"kind":"somma"},)";
        QTest::newRow("not JSON") << QByteArray("griglia\n") << "non è leggibile";
        QTest::newRow("cut short") << (head + sound).left(70) << "non è leggibile";
        QTest::newRow("empty file") << QByteArray() << "non è leggibile";
        QTest::newRow("another format") << QByteArray(R"({"format":"altro","version":1})")
                                        << "non è un file di griglia";
        QTest::newRow("no version") << QByteArray(R"({"format":"selvora-griglia-di-valutazione"})") << "versione";
        QTest::newRow("newer version")
            << QByteArray(R"({"format":"selvora-griglia-di-valutazione","version":9,"session":"Concorso.vai"})")
            << "più recente";
        QTest::newRow("another session")
            << QByteArray(R"({"format":"selvora-griglia-di-valutazione","version":1,"session":"Altra.vai"})")
            << "appartiene alla sessione \"Altra.vai\"";
        QTest::newRow("zero maximum") << head + R"("criteria":[{"name":"A","max":0,"weight":1}],)" + sound +
                R"("cards":{}})"
                                      << "non maggiore di zero";
        QTest::newRow("negative weight") << head + R"("criteria":[{"name":"A","max":10,"weight":-2}],)" + sound +
                R"("cards":{}})"
                                         << "non maggiore di zero";
        QTest::newRow("score above the maximum") << head + R"("criteria":[{"name":"A","max":10,"weight":1}],)" + sound +
                R"("cards":{"2":{"Rossi":{"A":11}}}})"
                                                 << "fuori dall'intervallo";
        QTest::newRow("list longer than the criteria")
            << head + R"("criteria":[{"name":"A","max":10,"weight":1}],)" + sound + R"("cards":{"2":{"Rossi":[1,2]}}})"
            << "non corrispondono ai criteri";
        QTest::newRow("score above the maximum in a list")
            << head + R"("criteria":[{"name":"A","max":10,"weight":1}],)" + sound + R"("cards":{"2":{"Rossi":[12]}}})"
            << "fuori dall'intervallo";
        QTest::newRow("score not a number") << head + R"("criteria":[{"name":"A","max":10,"weight":1}],)" + sound +
                R"("cards":{"2":{"Rossi":{"A":"otto"}}}})"
                                            << "non è un numero";
        QTest::newRow("card key not a position")
            << head + R"("criteria":[{"name":"A","max":10,"weight":1}],)" + sound + R"("cards":{"0":{}}})"
            << "non sono riconoscibili";
        QTest::newRow("unknown role") << head + R"("criteria":[],"members":[{"name":"X","role":"capo"}],)" +
                R"("scale":{"kind":"somma"},"cards":{}})"
                                      << "componente della commissione";
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        TempProgramFolder folder;
        const QString session = folder.file(QStringLiteral("Concorso.vai"));
        folder.write(QStringLiteral("Concorso.vai"), filled(5865, 'x'));
        folder.write(QStringLiteral("Concorso.griglia.json"), bytes);
        ScoringGrid g;
        QString why;
        QCOMPARE(GridFile::read(session, &g, &why), GridFile::Status::Damaged);
        QVERIFY2(why.contains(problem), qPrintable(why));
        QVERIFY(g.criteria.isEmpty() && g.cards.isEmpty());
        // Reading never touches either file.
        QCOMPARE(folder.read(QStringLiteral("Concorso.griglia.json")), bytes);
        QCOMPARE(folder.read(QStringLiteral("Concorso.vai")), filled(5865, 'x'));
        QVERIFY(GridFile::damagedMessage(GridFile::pathFor(session), why)
                    .contains(QStringLiteral("non è stato modificato")));
        // Set aside on the user's word, kept whole under another name.
        const QString aside = GridFile::setAside(session);
        QVERIFY(aside.endsWith(QStringLiteral(".griglia.json.danneggiato")));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }

    void missingAndUnreadable()
    {
        TempProgramFolder folder;
        const QString session = folder.file(QStringLiteral("Concorso.vai"));
        ScoringGrid g;
        QCOMPARE(GridFile::read(session, &g, nullptr), GridFile::Status::Missing);
        QCOMPARE(g.sessionFile, QStringLiteral("Concorso.vai"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Concorso.griglia.json")));
        QString why;
        QCOMPARE(GridFile::read(session, &g, &why), GridFile::Status::Failed);
        QVERIFY(!why.isEmpty());
        // A folder in the side file's place: the write fails and says why.
        QString error;
        QVERIFY(!GridFile::write(session, committee(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(GridFile::pathFor(session)).isDir());
    }

    void failedWriteKeepsOldFile()
    {
        QString error;
        TempProgramFolder folder;
        const QString session = folder.file(QStringLiteral("Concorso.vai"));
        ScoringGrid first = committee();
        QVERIFY(GridFile::write(session, first, &error));
        const QByteArray before = folder.read(QStringLiteral("Concorso.griglia.json"));
        // The temporary file cannot be made when its folder is gone.
        ScoringGrid other = committee();
        other.sessionFile = QStringLiteral("Concorso.vai");
        QVERIFY(!GridFile::write(folder.file(QStringLiteral("assente/Concorso.vai")), other, &error));
        QCOMPARE(folder.read(QStringLiteral("Concorso.griglia.json")), before);
    }

    void deleteTakesTheGrid()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Concorso.vai"), filled(5865, 'x'));
        folder.write(QStringLiteral("Concorso.griglia.json"), "{}");
        // Its calendar goes with it: a new session of the same name must
        // not find the old day's calendar.
        folder.write(QStringLiteral("Concorso.calendario.json"), "{}");
        folder.write(QStringLiteral("Concorso2.vai"), QByteArray());
        folder.write(QStringLiteral("Concorso2.griglia.json"), "{}");
        QString error;
        QVERIFY(SessionCatalogue::removeSession(folder.file(QStringLiteral("Concorso.vai")), &error));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList {QStringLiteral("Concorso2.griglia.json"), QStringLiteral("Concorso2.vai")}));
        QVERIFY(SessionCatalogue::removeSession(folder.file(QStringLiteral("Concorso2.vai")), &error));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
        // A session without a grid goes as before.
        folder.write(QStringLiteral("Solo.vai"), QByteArray());
        QVERIFY(SessionCatalogue::removeSession(folder.file(QStringLiteral("Solo.vai")), &error));
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }

    void minutes()
    {
        ScoringGrid g = committee();
        g.cards.insert(1,
                       scoresOf(QStringLiteral("Rossi:Competenze tecniche=8;Rossi:Comunicazione=6;"
                                               "Bianchi:Competenze tecniche=6;Bianchi:Comunicazione=9")));
        const QStringList lines = GridReport::tableLines(g, g.cards.value(1));
        QVERIFY(lines.at(0).contains(QStringLiteral("Rossi")) && lines.at(0).contains(QStringLiteral("Bianchi")));
        QVERIFY(!lines.at(0).contains(QStringLiteral("Verdi"))); // the secretary gives no scores
        QVERIFY(lines.at(2).startsWith(QStringLiteral("Competenze tecniche")));
        QVERIFY(lines.at(2).contains(QStringLiteral(" 7 ")) && lines.at(2).contains(QStringLiteral(" 14 ")));
        QVERIFY(lines.contains(QStringLiteral("PUNTEGGIO TOTALE: 21,5")));
        GridReport::Card card {QStringLiteral("Concorso"), 1, QStringLiteral("Neri Paola"),
                               QStringLiteral("NREPLA88B20A944Z"), QStringLiteral("01/02/2026")};
        auto report = GridReport::create(g, card);
        report->prepare();
        const QString all = report->allText().join(QLatin1Char('\n'));
        QVERIFY(all.contains(QStringLiteral("Verbale di valutazione - Concorso")));
        QVERIFY(all.contains(QStringLiteral("Candidato: Neri Paola")));
        QVERIFY(all.contains(QStringLiteral("Verdi (segretario)   ____")));
        QVERIFY(all.contains(QStringLiteral("Rossi (presidente)   ____")));
    }
};

SELVORA_CORE_TEST_MAIN(TestScoringGrid)
#include "tst_scoringgrid.moc"

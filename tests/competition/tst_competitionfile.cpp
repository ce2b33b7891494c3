// The competition's side file: what is written is read back the same, an
// unchanged competition is written with the same bytes, hand edits that
// make no sense and newer versions are refused with the reason, and a write
// that fails leaves the file before as it was.
#include "competition/core/CompetitionFile.h"
#include "support/core/CoreTestMain.h"
#include "support/core/TempProgramFolder.h"

#include <QDir>
#include <QtTest>

namespace {

Competition sample()
{
    Competition c;
    c.name = QStringLiteral("Istruttore 2026");
    c.rule = Competition::Rule::Weighted;
    CompetitionTest w;
    w.session = QStringLiteral("Scritta.vai");
    w.role = CompetitionTest::Role::Written;
    w.maximum = 3000;
    w.passMark = 2100;
    w.weight = 60;
    CompetitionTest t;
    t.session = QStringLiteral("Titoli.vai");
    t.role = CompetitionTest::Role::Titles;
    t.maximum = 1050;
    t.weight = 40;
    c.tests = {w, t};
    c.posts = 3;
    c.reserves = {{QStringLiteral("Interni"), 1, 0}, {QStringLiteral("Volontari"), 0, 30}};
    c.preferenceTitles = {QStringLiteral("Primo"), QStringLiteral("Secondo")};
    c.titlesSource = QStringLiteral("bando, art. 9");
    c.facts[QStringLiteral("RSSMRA80A01H501U")] = {{QStringLiteral("Secondo")}, 2, {QStringLiteral("Interni")}};
    c.links = {{QStringLiteral("Scritta.vai#3"), QStringLiteral("Titoli.vai#9")}};
    c.separations = {{QStringLiteral("Scritta.vai#1"), QStringLiteral("Titoli.vai#1")}};
    c.manualOrder = {QStringLiteral("B"), QStringLiteral("A")};
    c.overrides[QStringLiteral("A")] = {OutcomeOverride::Outcome::Excluded, QStringLiteral("Rinuncia scritta")};
    return c;
}

} // namespace

class TestCompetitionFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        TempProgramFolder folder;
        const QString path = CompetitionFile::pathFor(folder.path(), QStringLiteral("Istruttore 2026"));
        QString error;
        QVERIFY2(CompetitionFile::write(path, sample(), &error), qPrintable(error));
        const QByteArray first = folder.read(QStringLiteral("Istruttore 2026.concorso.json"));

        Competition back;
        QString problem;
        QCOMPARE(int(CompetitionFile::read(path, &back, &problem)), int(CompetitionFile::Status::Read));
        QCOMPARE(back.name, QStringLiteral("Istruttore 2026"));
        QCOMPARE(back.tests.size(), 2);
        QCOMPARE(back.tests.at(0).passMark, qint64(2100));
        QCOMPARE(back.tests.at(1).passMark, qint64(-1));
        QCOMPARE(back.tests.at(1).maximum, qint64(1050));
        QCOMPARE(back.tests.at(0).weight, qint64(60));
        QCOMPARE(back.reserves.at(1).percent, 30);
        QCOMPARE(back.facts.value(QStringLiteral("RSSMRA80A01H501U")).children, 2);
        QCOMPARE(back.overrides.value(QStringLiteral("A")).reason, QStringLiteral("Rinuncia scritta"));
        QCOMPARE(back.separations, sample().separations);

        // Written again unchanged: the same bytes.
        QVERIFY(CompetitionFile::write(path, back, &error));
        QCOMPARE(folder.read(QStringLiteral("Istruttore 2026.concorso.json")), first);
        QCOMPARE(CompetitionFile::list(folder.path()), QStringList {QStringLiteral("Istruttore 2026")});
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("problem");
        QTest::newRow("newer") << QByteArray("\"version\": 1") << QByteArray("\"version\": 2")
                               << QStringLiteral("è stato scritto da una versione più recente del programma.");
        QTest::newRow("not ours") << QByteArray("selvora-concorso") << QByteArray("altro")
                                  << QStringLiteral("non è un file di concorso di Selvora.");
        QTest::newRow("pass mark") << QByteArray("\"passMark\": 21") << QByteArray("\"passMark\": -21")
                                   << QStringLiteral("il punteggio minimo della prova «Scritta.vai» non è valido.");
        QTest::newRow("children") << QByteArray("\"children\": 2") << QByteArray("\"children\": 2.5")
                                  << QStringLiteral("il numero dei figli a carico di un candidato non è valido.");
        QTest::newRow("no reason") << QByteArray("Rinuncia scritta") << QByteArray(" ")
                                   << QStringLiteral("una decisione della commissione non ha esito o motivazione.");
        QTest::newRow("torn") << QByteArray("\"overrides\"") << QByteArray("\"overrides")
                              << QStringLiteral("il testo non è leggibile");
    }
    void refused()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, problem);
        QByteArray bytes = CompetitionFile::toJson(sample());
        QVERIFY2(bytes.contains(from), bytes.constData());
        bytes.replace(from, to);
        Competition c;
        QString why;
        QVERIFY(!CompetitionFile::fromJson(bytes, &c, &why));
        QVERIFY2(why.startsWith(problem), qPrintable(why));
        QVERIFY(c.name.isEmpty());
    }

    // A folder where the file should be: the write fails with a reason and
    // nothing else in the folder changes.
    void failedWriteLeavesTheFileBefore()
    {
        TempProgramFolder folder;
        const QString path = CompetitionFile::pathFor(folder.path(), QStringLiteral("C"));
        QString error;
        QVERIFY(CompetitionFile::write(path, sample(), &error));
        const QByteArray before = folder.read(QStringLiteral("C.concorso.json"));

        const QString blocked = CompetitionFile::pathFor(folder.path(), QStringLiteral("D"));
        QVERIFY(QDir().mkpath(blocked));
        QVERIFY(!CompetitionFile::write(blocked, sample(), &error));
        QVERIFY(!error.isEmpty());
        Competition c;
        QString problem;
        QCOMPARE(int(CompetitionFile::read(blocked, &c, &problem)), int(CompetitionFile::Status::Failed));
        QCOMPARE(problem, QStringLiteral("al suo posto c'è una cartella."));
        QCOMPARE(folder.read(QStringLiteral("C.concorso.json")), before);
    }
};

SELVORA_CORE_TEST_MAIN(TestCompetitionFile)
#include "tst_competitionfile.moc"

// The official ranking: positions with ex aequo and every tie-break as one
// table of cases, the manual moves, the publication copy read back from its
// PDF, and the seal of the publication against one changed byte.
#include "base/core/Clock.h"
#include "output/core/DocumentReport.h"
#include "rankings/core/OfficialRanking.h"
#include "report/core/Report.h"
#include "report/core/ReportFonts.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/SessionSearch.h"
#include "support/core/CoreTestMain.h"
#include "support/core/PdfText.h"
#include "support/core/TempProgramFolder.h"

#include <QProcess>

namespace {

const QDate kToday(2026, 12, 10);

// "score/flag/code" per card, from card 1: flag "s" is suitable, "n" not.
QList<OfficialCandidate> candidates(const QStringList& specs)
{
    QList<OfficialCandidate> out;
    for (int i = 0; i < specs.size(); ++i) {
        const QStringList p = specs.at(i).split(QLatin1Char('/'));
        OfficialCandidate c;
        c.card = i + 1;
        c.candidato = QStringLiteral("Candidato %1").arg(i + 1);
        c.punteggio = p.value(0);
        c.suitable = p.value(1) != QLatin1String("n");
        c.codiceFiscale = p.value(2);
        out.append(c);
    }
    return out;
}

// "1:3 2=1 2=2": position, ":" alone or "=" ex aequo, card.
QString positions(const QList<RankedLine>& lines)
{
    QStringList out;
    for (const RankedLine& l : lines)
        out << QStringLiteral("%1%2%3").arg(l.position).arg(l.exAequo ? '=' : ':').arg(l.candidate.card);
    return out.join(QLatin1Char(' '));
}

QString cards(const QList<RankedLine>& lines, bool flaggedOnly = false)
{
    QStringList out;
    for (const RankedLine& l : lines) {
        if (!flaggedOnly || l.flagged)
            out << QString::number(l.candidate.card);
    }
    return out.join(QLatin1Char(' '));
}

// Valid codes (check letters computed): birth dates in the comments.
const QString k1980 = QStringLiteral("RSSMRA80A01H501U"); // 01/01/1980
const QString k1980omo = QStringLiteral("RSSMRA8LA01H501F"); // 01/01/1980, one letter for a digit
const QString k1980allOmo = QStringLiteral("RSSMRAULALMHRVMN"); // 01/01/1980, every digit a letter
const QString k1995a = QStringLiteral("BNCNNA95C41F205F"); // 01/03/1995
const QString k1995b = QStringLiteral("VRDLCU95C41F205Y"); // 01/03/1995
const QString k2001 = QStringLiteral("VRDGLI01T45L219T"); // 05/12/2001
const QString k1990 = QStringLiteral("BNCMRC90E10H501O"); // 10/05/1990

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    // Read as it stands: a search of the published file must find "finale".
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestOfficialRanking : public QObject
{
    Q_OBJECT

private slots:
    // The printouts use the fonts the program maps at start-up.
    void initTestCase() { ReportFonts::install(); }

    void birthDates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("date");
        QTest::newRow("plain") << k1980 << QDate(1980, 1, 1);
        QTest::newRow("woman, day plus 40") << k1995a << QDate(1995, 3, 1);
        QTest::newRow("this century") << k2001 << QDate(2001, 12, 5);
        QTest::newRow("omocodic, one letter") << k1980omo << QDate(1980, 1, 1);
        QTest::newRow("omocodic, all letters") << k1980allOmo << QDate(1980, 1, 1);
        QTest::newRow("small letters, blanks") << QStringLiteral(" rssmra80a01h501u ") << QDate(1980, 1, 1);
        QTest::newRow("wrong check letter") << QStringLiteral("RSSMRA80A01H501X") << QDate();
        QTest::newRow("VAT number") << QStringLiteral("01234567890") << QDate();
        QTest::newRow("empty") << QString() << QDate();
    }

    void birthDates()
    {
        QFETCH(QString, code);
        QFETCH(QDate, date);
        QCOMPARE(OfficialRanking::birthDate(code, kToday), date);
    }

    void positionsAndTieBreaks_data()
    {
        QTest::addColumn<QStringList>("specs");
        QTest::addColumn<QString>("ties"); // "a" younger first, "m" manual, in order
        QTest::addColumn<QString>("manual"); // card positions
        QTest::addColumn<bool>("leaveOut");
        QTest::addColumn<QString>("ranked");
        QTest::addColumn<QString>("nonSuitable");
        QTest::addColumn<QString>("flagged");

        QTest::newRow("distinct scores") << QStringList {"27,50", "9,00", "30,00"} << ""
                                         << "" << false << "1:3 2:1 3:2"
                                         << ""
                                         << "";
        QTest::newRow("tie shares, next skips") << QStringList {"30,00", "28,00", "28,00", "25,00"} << ""
                                                << "" << false << "1:1 2=2 2=3 4:4"
                                                << ""
                                                << "";
        QTest::newRow("three at the top") << QStringList {"20,00", "20,00", "20,00", "10,00"} << ""
                                          << "" << false << "1=1 1=2 1=3 4:4"
                                          << ""
                                          << "";
        QTest::newRow("27,5 equals 27,50") << QStringList {"27,5", "27,50", "26,00"} << ""
                                           << "" << false << "1=1 1=2 3:3"
                                           << ""
                                           << "";
        QTest::newRow("age not chosen: ex aequo") << QStringList {"20,00/s/" + k1980, "20,00/s/" + k2001} << ""
                                                  << "" << false << "1=1 1=2"
                                                  << ""
                                                  << "";
        QTest::newRow("younger first") << QStringList {"20,00/s/" + k1980, "20,00/s/" + k2001, "19,00/s/" + k1995a}
                                       << "a"
                                       << "" << false << "1:2 2:1 3:3"
                                       << ""
                                       << "";
        QTest::newRow("omocodic code decoded") << QStringList {"20,00/s/" + k2001, "20,00/s/" + k1980omo} << "a"
                                               << "" << false << "1:1 2:2"
                                               << ""
                                               << "";
        QTest::newRow("equal birth dates stay ex aequo")
            << QStringList {"18,00/s/" + k1995a, "18,00/s/" + k1995b, "18,00/s/" + k1980} << "a"
            << "" << false << "1=1 1=2 3:3"
            << ""
            << "";
        QTest::newRow("omocodic and plain, same date")
            << QStringList {"18,00/s/" + k1980allOmo, "18,00/s/" + k1980} << "a"
            << "" << false << "1=1 1=2"
            << ""
            << "";
        QTest::newRow("missing code: all stay, flagged")
            << QStringList {"18,00/s/" + k1980, "18,00/s/", "18,00/s/" + k2001} << "a"
            << "" << false << "1=1 1=2 1=3"
            << ""
            << "2";
        QTest::newRow("invalid code flagged") << QStringList {"18,00/s/RSSMRA80A01H501X", "18,00/s/" + k2001} << "a"
                                              << "" << false << "1=1 1=2"
                                              << ""
                                              << "1";
        QTest::newRow("untied card needs no code") << QStringList {"19,00/s/", "18,00/s/" + k2001} << "a"
                                                   << "" << false << "1:1 2:2"
                                                   << ""
                                                   << "";
        QTest::newRow("manual order after equal dates")
            << QStringList {"18,00/s/" + k1995a, "18,00/s/" + k1995b, "18,00/s/" + k2001} << "am"
            << "2 1" << false << "1:3 2:2 3:1"
            << ""
            << "";
        QTest::newRow("manual order for a missing code") << QStringList {"18,00/s/" + k1980, "18,00/s/"} << "am"
                                                         << "2 1" << false << "1:2 2:1"
                                                         << ""
                                                         << "2";
        QTest::newRow("manual order incomplete: still tied") << QStringList {"18,00", "18,00", "18,00"} << "m"
                                                             << "3 1" << false << "1=1 1=2 1=3"
                                                             << ""
                                                             << "";
        QTest::newRow("manual order alone") << QStringList {"18,00", "18,00", "18,00", "20,00"} << "m"
                                            << "3 1 2" << false << "1:4 2:3 3:1 4:2"
                                            << ""
                                            << "";
        QTest::newRow("manual before age") << QStringList {"18,00/s/" + k1980, "18,00/s/" + k2001} << "ma"
                                           << "1 2" << false << "1:1 2:2"
                                           << ""
                                           << "";
        QTest::newRow("non-suitable block") << QStringList {"30,00/n", "20,00/s", "25,00/s", "10,00/n"} << ""
                                            << "" << false << "1:3 2:2"
                                            << "1 4"
                                            << "";
        QTest::newRow("non-suitable left out") << QStringList {"30,00/n", "20,00/s", "25,00/s", "10,00/n"} << ""
                                               << "" << true << "1:3 2:2"
                                               << ""
                                               << "";
        QTest::newRow("empty score last") << QStringList {"", "5,00"} << ""
                                          << "" << false << "1:2 2:1"
                                          << ""
                                          << "";
        QTest::newRow("nobody suitable") << QStringList {"5,00/n"} << "a"
                                         << "" << false << ""
                                         << "1"
                                         << "";
    }

    void positionsAndTieBreaks()
    {
        QFETCH(QStringList, specs);
        QFETCH(QString, ties);
        QFETCH(QString, manual);
        QFETCH(bool, leaveOut);
        QFETCH(QString, ranked);
        QFETCH(QString, nonSuitable);
        QFETCH(QString, flagged);
        ScoringGrid choices;
        for (QChar t : ties)
            choices.tieBreaks.append(t == QLatin1Char('a') ? ScoringGrid::TieBreak::YoungerFirst
                                                           : ScoringGrid::TieBreak::ManualOrder);
        for (const QString& c : manual.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            choices.manualOrder.append(c.toLongLong());
        if (leaveOut)
            choices.nonSuitable = ScoringGrid::NonSuitable::LeftOut;
        const OfficialResult r = OfficialRanking::build(candidates(specs), choices, kToday);
        QCOMPARE(positions(r.ranked), ranked);
        QCOMPARE(cards(r.nonSuitable), nonSuitable);
        QCOMPARE(cards(r.ranked, true), flagged);
        // The note stands beside every candidate a tie-break separated.
        for (const RankedLine& l : r.ranked) {
            if (!l.exAequo && l.manualGroup > 0)
                QVERIFY2(l.tieNote.contains(QStringLiteral("commissione")), qPrintable(l.tieNote));
            if (l.flagged)
                QVERIFY(l.tieNote.contains(QStringLiteral("non ricavabile")));
        }
    }

    void notesBesideSeparated()
    {
        ScoringGrid choices;
        choices.tieBreaks = {ScoringGrid::TieBreak::YoungerFirst};
        const OfficialResult r = OfficialRanking::build(
            candidates({"20,00/s/" + k1980, "20,00/s/" + k2001, "12,00/s/" + k1990}), choices, kToday);
        QCOMPARE(r.ranked.at(0).tieNote, QStringLiteral("spareggio per età: nato/a il 05/12/2001"));
        QCOMPARE(r.ranked.at(1).tieNote, QStringLiteral("spareggio per età: nato/a il 01/01/1980"));
        QCOMPARE(r.ranked.at(2).tieNote, QString()); // never tied
        const QStringList table = OfficialRanking::tableLines(r);
        QVERIFY(table.at(2).startsWith(QStringLiteral("1           Candidato 2")));
        QVERIFY(table.at(2).contains(k2001) && table.at(2).contains(QStringLiteral("20,00")));
        QVERIFY(table.at(2).endsWith(QStringLiteral("nato/a il 05/12/2001")));
    }

    // Every note the window shows is printed whole and inside the page: a
    // note longer than the room beside the other columns goes on below,
    // in its own column.
    void printedNotesAreWhole_data()
    {
        QTest::addColumn<QStringList>("specs");
        QTest::addColumn<QString>("ties"); // "a" younger first, "m" manual, in order
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("extra"); // set as the note of the first line

        QTest::newRow("no birth date, then the committee's order")
            << QStringList {"20,00/s/", "20,00/s/" + k1980, "18,00/s/" + k1990} << "am"
            << "1 2" << QString();
        QTest::newRow("waiting for the committee")
            << QStringList {"20,00/s/" + k1995a, "20,00/s/" + k1995b, "20,00/s/"} << "am"
            << "" << QString();
        QTest::newRow("three printed lines and a word longer than the column")
            << QStringList {"20,00/s/" + k1980, "12,00/s/" + k1990} << ""
            << ""
            << QStringLiteral("spareggio deciso dalla commissione nella seduta del 10/12/2026 dopo "
                              "l'esame dei titoli presentati; verbale n. 14 allegato agli atti; riferimento "
                              "https://albo.example.it/concorsi/2026/graduatoria-finale/verbale-quattordici-"
                              "allegato-unico.pdf consultabile");
    }

    void printedNotesAreWhole()
    {
        QFETCH(QStringList, specs);
        QFETCH(QString, ties);
        QFETCH(QString, manual);
        QFETCH(QString, extra);
        ScoringGrid choices;
        for (QChar t : ties)
            choices.tieBreaks.append(t == QLatin1Char('a') ? ScoringGrid::TieBreak::YoungerFirst
                                                           : ScoringGrid::TieBreak::ManualOrder);
        for (const QString& c : manual.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            choices.manualOrder.append(c.toLongLong());
        OfficialResult r = OfficialRanking::build(candidates(specs), choices, kToday);
        if (!extra.isEmpty())
            r.ranked[0].tieNote = extra;
        OfficialRanking::Heading h {QStringLiteral("Concorso 2026"), kToday, {}};
        auto report = OfficialRanking::rankingReport(r, h);
        report->prepare();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("graduatoria.pdf"));
        QVERIFY(report->exportPdf(pdf));
        // The words of every page in reading order, each wholly inside the
        // printable area (10 mm margins).
        QStringList words;
        for (const PdfText::Page& page : PdfText::words(pdf)) {
            for (const PdfText::Word& w : page.words) {
                QVERIFY2(w.mm.right() <= page.mm.width() - 10.0 + 0.5,
                         qPrintable(QStringLiteral("%1 ends at %2 mm").arg(w.text).arg(w.mm.right())));
                words << w.text;
            }
        }
        const QString printed = words.join(QLatin1Char(' '));
        int withNote = 0;
        for (const RankedLine& l : r.ranked) {
            if (l.tieNote.isEmpty())
                continue;
            ++withNote;
            // A word cut at the column edge reads on as the next word.
            const QString note = l.tieNote.simplified();
            QString joined = printed;
            bool found = printed.contains(note);
            if (!found) {
                joined.remove(QLatin1Char(' '));
                found = joined.contains(QString(note).remove(QLatin1Char(' ')));
            }
            QVERIFY2(found, qPrintable(note + QStringLiteral("\n---\n") + printed));
        }
        QVERIFY(withNote > 0);
        // Long notes do take more than one printed line.
        const QStringList table = OfficialRanking::tableLines(r);
        for (const QString& line : table)
            QVERIFY2(line.size() <= DocumentReport::bodyColumns(QPageLayout::Landscape), qPrintable(line));
    }

    void manualMoves()
    {
        ScoringGrid choices;
        choices.tieBreaks = {ScoringGrid::TieBreak::ManualOrder};
        const QList<OfficialCandidate> c = candidates({"18,00", "18,00", "18,00", "30,00"});
        OfficialResult r = OfficialRanking::build(c, choices, kToday);
        QCOMPARE(positions(r.ranked), QStringLiteral("1:4 2=1 2=2 2=3"));
        // Moving card 3 up writes the whole group's order.
        choices.manualOrder = OfficialRanking::moved(r, choices.manualOrder, 3, -1);
        QCOMPARE(choices.manualOrder, (QList<qint64> {1, 3, 2}));
        r = OfficialRanking::build(c, choices, kToday);
        QCOMPARE(positions(r.ranked), QStringLiteral("1:4 2:1 3:3 4:2"));
        choices.manualOrder = OfficialRanking::moved(r, choices.manualOrder, 1, +1);
        r = OfficialRanking::build(c, choices, kToday);
        QCOMPARE(positions(r.ranked), QStringLiteral("1:4 2:3 3:1 4:2"));
        // A card outside any tie, or at the end of its group, stays.
        QCOMPARE(OfficialRanking::moved(r, choices.manualOrder, 4, -1), choices.manualOrder);
        QCOMPARE(OfficialRanking::moved(r, choices.manualOrder, 3, -1), choices.manualOrder);
    }

    void publicationHoldsOnlyWhatWasChosen_data()
    {
        QTest::addColumn<bool>("anonymous");
        QTest::newRow("names") << false;
        QTest::newRow("identifiers") << true;
    }

    void publicationHoldsOnlyWhatWasChosen()
    {
        QFETCH(bool, anonymous);
        QList<OfficialCandidate> c =
            candidates({"20,00/s/" + k1980, "20,00/s/" + k2001, "12,50/s/" + k1990, "29,00/n/" + k1995a});
        c[0].candidato = QStringLiteral("Rossi Mario");
        c[1].candidato = QStringLiteral("Verdi Giulia");
        c[2].candidato = QStringLiteral("Bianchi Marco");
        c[3].candidato = QStringLiteral("Neri Anna");
        ScoringGrid choices; // no tie-break: 1, 1, 3 and the non-suitable block
        const OfficialResult r = OfficialRanking::build(c, choices, kToday);
        OfficialRanking::Heading h {
            QStringLiteral("Concorso 2026"), kToday, {{QStringLiteral("Dott. Galli"), GridMember::Role::President}}};
        const QString sessionSha = QStringLiteral("1f").repeated(32);
        const QString gridSha = QStringLiteral("2e").repeated(32);
        auto report = OfficialRanking::publicationReport(
            r, h, anonymous ? ScoringGrid::PublishedName::Identifier : ScoringGrid::PublishedName::FullName, sessionSha,
            gridSha);
        report->prepare();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("pubblicazione.pdf"));
        QVERIFY(report->exportPdf(pdf));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Graduatoria finale Concorso 2026")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("ex aequo")));
        QVERIFY(text.contains(QStringLiteral("12,50")));
        QVERIFY(text.contains(sessionSha) && text.contains(gridSha));
        // Nothing that was not chosen: no fiscal code, no birth date, no
        // committee member, no non-suitable candidate, no card notes.
        for (const QString& code : {k1980, k2001, k1990, k1995a})
            QVERIFY(!text.contains(code));
        for (const QString& banned : {QStringLiteral("1980"), QStringLiteral("2001"), QStringLiteral("Galli"),
                                      QStringLiteral("Neri"), QStringLiteral("29,00"), QStringLiteral("spareggio")})
            QVERIFY2(!text.contains(banned), qPrintable(banned));
        for (const QString& name :
             {QStringLiteral("Rossi Mario"), QStringLiteral("Verdi Giulia"), QStringLiteral("Bianchi Marco")})
            QCOMPARE(text.contains(name), !anonymous);
        QCOMPARE(text.contains(OfficialRanking::identifier(2)), anonymous);
    }

    void sealDetectsOneByte_data()
    {
        QTest::addColumn<bool>("inSession");
        QTest::newRow("session file") << true;
        QTest::newRow("side file") << false;
    }

    void sealDetectsOneByte()
    {
        QFETCH(bool, inSession);
        TempProgramFolder folder;
        TSchedaColloquio rec;
        rec.Candidato = QStringLiteral("Rossi Mario");
        rec.Punteggio = QStringLiteral("20,00");
        rec.Idoneo = QStringLiteral("Sì");
        folder.write(QStringLiteral("Concorso.vai"), rec.encode() + rec.encode());
        const QString session = folder.file(QStringLiteral("Concorso.vai"));
        ScoringGrid g;
        g.sessionFile = QStringLiteral("Concorso.vai");
        g.criteria = {{QStringLiteral("Colloquio"), 10.0, 1.0}};
        g.members = {{QStringLiteral("Galli"), GridMember::Role::President}};
        g.cards[1][QStringLiteral("Galli")].insert(QStringLiteral("Colloquio"), 7.0);
        QCOMPARE(OfficialRanking::checkSeal(session, g), OfficialRanking::SealState::NotPublished);
        g.seal.sessionSha256 = GridFile::fileSha256(session);
        g.seal.gridSha256 = g.contentSha256();
        g.seal.when = QDateTime::currentDateTime();
        QString error;
        QVERIFY(GridFile::write(session, g, &error));

        ScoringGrid back;
        QCOMPARE(GridFile::read(session, &back, nullptr), GridFile::Status::Read);
        QCOMPARE(OfficialRanking::checkSeal(session, back), OfficialRanking::SealState::Intact);
        // The ranking reads the grid without its scores: the seal holds alike.
        ScoringGrid light;
        QCOMPARE(GridFile::read(session, &light, nullptr, false), GridFile::Status::Read);
        QVERIFY(light.cards.isEmpty());
        QCOMPARE(light.highestCard(), 1);
        QCOMPARE(OfficialRanking::checkSeal(session, light), OfficialRanking::SealState::Intact);
        QCOMPARE(OfficialRanking::sealText(OfficialRanking::SealState::Intact),
                 QStringLiteral("Graduatoria sigillata"));

        if (inSession) {
            QByteArray bytes = folder.read(QStringLiteral("Concorso.vai"));
            bytes[5345 + 1] = '1'; // "20,00" becomes "21,00" in card 1
            folder.write(QStringLiteral("Concorso.vai"), bytes);
        } else {
            QByteArray bytes = folder.read(QStringLiteral("Concorso.griglia.json"));
            const int at = int(bytes.indexOf('7', bytes.indexOf("\"Galli\": [")));
            QVERIFY(at > 0);
            bytes[at] = '8';
            folder.write(QStringLiteral("Concorso.griglia.json"), bytes);
            QCOMPARE(GridFile::read(session, &back, nullptr), GridFile::Status::Read);
            QCOMPARE(GridFile::read(session, &light, nullptr, false), GridFile::Status::Read);
        }
        QCOMPARE(OfficialRanking::checkSeal(session, back), OfficialRanking::SealState::Changed);
        QCOMPARE(OfficialRanking::checkSeal(session, light), OfficialRanking::SealState::Changed);
        QVERIFY(OfficialRanking::sealText(OfficialRanking::SealState::Changed)
                    .contains(QStringLiteral("modificati dopo la pubblicazione")));
    }

    void readsTheSession()
    {
        TempProgramFolder folder;
        QByteArray bytes;
        // "Idoneo" as the card window writes it and as older or edited files
        // may hold it: the ranking follows the suitable list for every one.
        const QList<QString> flags {QStringLiteral("Sì"), QStringLiteral("No"), QString(),
                                    QStringLiteral("Si"), QStringLiteral("no"), QStringLiteral("?")};
        for (const QString& flag : flags) {
            TSchedaColloquio rec;
            rec.Candidato = QStringLiteral("X");
            rec.Idoneo = flag;
            bytes += rec.encode();
        }
        folder.write(QStringLiteral("S.vai"), bytes + "tail");
        QList<OfficialCandidate> cards;
        qint64 count = 0;
        QVERIFY(OfficialRanking::readSession(folder.file(QStringLiteral("S.vai")), &cards, &count));
        QCOMPARE(count, qint64(flags.size()));
        QCOMPARE(cards.size(), flags.size());
        RecordSearch::Listing listing;
        QVERIFY(SessionSearch::suitableList(folder.file(QStringLiteral("S.vai")), &listing));
        QCOMPARE(listing.positions.size(), 5);
        for (int i = 0; i < flags.size(); ++i) {
            QCOMPARE(cards.at(i).suitable, flags.at(i).trimmed() != QLatin1String("No"));
            QCOMPARE(cards.at(i).suitable, listing.positions.contains(cards.at(i).card));
        }
        // A missing session is empty and stays missing.
        QVERIFY(OfficialRanking::readSession(folder.file(QStringLiteral("Nessuna.vai")), &cards, &count));
        QVERIFY(cards.isEmpty());
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("Nessuna.vai"))));
    }
};

SELVORA_CORE_TEST_MAIN(TestOfficialRanking)
#include "tst_officialranking.moc"

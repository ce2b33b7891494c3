// The rankings: line builders, score values, the merit sort with ties and
// unnormalised scores, reading a session file, and the chooser with its two
// ranking windows driven as a user would.
#include "app/ui/Avvio.h"
#include "app/ui/Windows.h"
#include "base/core/Clock.h"
#include "base/core/RecordFile.h"
#include "base/platform/Messages.h"
#include "base/platform/Modal.h"
#include "rankings/core/Rankings.h"
#include "rankings/ui/ApriClassifica.h"
#include "rankings/ui/Classifica.h"
#include "rankings/ui/ExpClassifica.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/core/SchedaColloquio.h"
#include "shared/ui/PictureButton.h"
#include "shared/ui/SummaryList.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

struct Card
{
    QString name;
    QString cf;
    QString note;
    QString score;
};

QByteArray sessionBytes(const QList<Card>& cards)
{
    QByteArray bytes;
    for (const Card& c : cards) {
        TSchedaColloquio rec;
        rec.Candidato = c.name;
        rec.CodiceFiscale = c.cf;
        rec.Provenienza = QStringLiteral("Roma");
        rec.DataColloquio = QStringLiteral("01/02/2024");
        rec.Dettagli = QStringLiteral("Colloquio\r\nsvolto");
        rec.Punteggio = c.score;
        rec.Note = c.note;
        rec.Idoneo = QStringLiteral("Sì");
        bytes += rec.encode();
    }
    return bytes;
}

// Columns written out by hand: blanks to the width, or cut.
QString pad(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString merit(int pos, const Card& c)
{
    return pad(QString::number(pos), 5) + "  " + pad(c.name, 35) + "  C.F. " + pad(c.cf, 16) +
        "  Note: " + pad(c.note, 63) + "  Punti: " + c.score;
}

QString alpha(const Card& c)
{
    return pad(c.name, 34) + "  C.F. " + pad(c.cf, 16) + "  Note: " + pad(c.note, 70) + "  Punti: " + c.score;
}

QList<RankingRow> rowsOf(const QStringList& scores)
{
    QList<RankingRow> rows;
    for (int i = 0; i < scores.size(); ++i) {
        RankingRow row;
        row.candidato = QStringLiteral("card %1").arg(i + 1);
        row.punteggio = scores.at(i);
        row.card = i + 1;
        rows.append(row);
    }
    return rows;
}

const Card kRossi {QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("Ottimo"),
                   QStringLiteral("27,50")};
const Card kBianchi {QStringLiteral("Bianchi Anna"), QStringLiteral("BNCNNA85B41F205X"), QString(),
                     QStringLiteral("9,00")};
const Card kVerdi {QStringLiteral("verdi luca"), QStringLiteral("VRDLCU90C03L219K"), QStringLiteral("Da rivedere"),
                   QStringLiteral("30,00")};
const Card kNoScore {QStringLiteral("Neri Ugo"), QStringLiteral("NREUGO70D04A944Z"), QStringLiteral("Assente"),
                     QString()};
const Card kRossiAnna {QStringLiteral("ROSSI ANNA"), QStringLiteral("RSSNNA75E45H501A"), QString(),
                       QStringLiteral("7")};

} // namespace

class TestRankings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Windows::createFirst(); }
    void cleanupTestCase() { Windows::destroyAll(); }
    void init()
    {
        resetSeams();
        Clock::setToday(QDate(2024, 6, 14));
        TfrmExpClassifica::forgetLastSearched();
    }
    void cleanup()
    {
        Clock::setToday(QDate());
        Windows::apriClassifica()->hide();
        QVERIFY2(seamsLeftovers().isEmpty(), qPrintable(seamsLeftovers()));
    }

    // --- lines --------------------------------------------------------------

    void meritLine_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cf");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << 1 << "Rossi Mario"
                               << "RSSMRA80A01H501U"
                               << "Ottimo"
                               << "27,50"
                               << "1      Rossi Mario                          C.F. RSSMRA80A01H501U  Note: Ottimo"
                                  "                                                           Punti: 27,50";
        QTest::newRow("name cut to 35") << 12 << "Abcdefghij Klmnopqrst Uvwxyzabcd Efghijkl"
                                        << "X"
                                        << ""
                                        << " 7 "
                                        << "12     Abcdefghij Klmnopqrst Uvwxyzabcd Ef  C.F. X                 Note: "
                                           "                                                                 Punti: 7";
        QTest::newRow("blanks trimmed")
            << 100000 << "  Verdi\t"
            << " VRD "
            << " a "
            << "  0,00  "
            << "100000  Verdi                                C.F. VRD               Note: a"
               "                                                                Punti: 0,00";
    }
    void meritLine()
    {
        QFETCH(int, position);
        QFETCH(QString, name);
        QFETCH(QString, cf);
        QFETCH(QString, note);
        QFETCH(QString, score);
        QFETCH(QString, expected);
        RankingRow row;
        row.candidato = name;
        row.codiceFiscale = cf;
        row.note = note;
        row.punteggio = score;
        const QString line = Rankings::meritLine(position, row);
        // A position of six digits is cut to five.
        QCOMPARE(line, position == 100000 ? QString(expected).replace(0, 6, QStringLiteral("10000")) : expected);
        QCOMPARE(line.indexOf(QStringLiteral("Punti: ")) + 7, 145);
    }

    void alphaLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Bianchi Anna"
                               << "Bianchi Anna                        C.F. BNC               Note: n"
                                  "                                                                       Punti: 9,00";
        QTest::newRow("cut to 34")
            << "Abcdefghij Klmnopqrst Uvwxyzabcd Efghijkl"
            << "Abcdefghij Klmnopqrst Uvwxyzabcd E  C.F. BNC               Note: n"
               "                                                                       Punti: 9,00";
    }
    void alphaLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        RankingRow row;
        row.candidato = name;
        row.codiceFiscale = QStringLiteral("BNC");
        row.note = QStringLiteral("n");
        row.punteggio = QStringLiteral("9,00");
        const QString line = Rankings::alphaLine(row);
        QCOMPARE(line, expected);
        QCOMPARE(line.indexOf(QStringLiteral("Punti: ")) + 7, 144);
    }

    void closingLines()
    {
        QCOMPARE(Rankings::closingLines(QStringLiteral(" 12 ")),
                 (QStringList {"- - - - - - - - - - - - - - - -", "TOTALE CANDIDATI:           12"}));
        QCOMPARE(Rankings::closingLines(QString()).first().size(), 31);
    }

    // --- scores and the merit sort ------------------------------------------

    void scoreValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("normalised") << "27,50" << true << 27.5;
        QTest::newRow("plain integer") << "7" << true << 7.0;
        QTest::newRow("point") << "6.5" << true << 6.5;
        QTest::newRow("blanks") << "  12,25 " << true << 12.25;
        QTest::newRow("negative") << "-1,00" << true << -1.0;
        QTest::newRow("trailing comma") << "8," << true << 8.0;
        QTest::newRow("leading comma") << ",5" << true << 0.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("words") << "assente" << false << 0.0;
        QTest::newRow("two commas") << "1,2,3" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("comma only") << "," << false << 0.0;
    }
    void scoreValue()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const Rankings::Score s = Rankings::scoreValue(text);
        QCOMPARE(s.numeric, numeric);
        if (numeric)
            QCOMPARE(s.value, value);
    }

    void meritOrder_data()
    {
        QTest::addColumn<QStringList>("scores"); // cards 1, 2, ... in file order
        QTest::addColumn<QList<qint64>>("listed"); // card numbers from the top
        QTest::newRow("by score") << QStringList {"27,50", "9,00", "30,00"} << QList<qint64> {3, 1, 2};
        QTest::newRow("three ties then lower")
            << QStringList {"7,00", "7,00", "7,00", "6,00"} << QList<qint64> {2, 1, 3, 4};
        QTest::newRow("two ties: first stored first") << QStringList {"5,00", "5,00"} << QList<qint64> {1, 2};
        QTest::newRow("empty score last") << QStringList {"", "1,00", "0,00"} << QList<qint64> {2, 3, 1};
        QTest::newRow("unnormalised by value") << QStringList {"6,50", "7", "10"} << QList<qint64> {3, 2, 1};
        QTest::newRow("non-numeric below numbers")
            << QStringList {"assente", "-2,00", "0,50"} << QList<qint64> {3, 2, 1};
        QTest::newRow("one card") << QStringList {"3,00"} << QList<qint64> {1};
        QTest::newRow("none") << QStringList {} << QList<qint64> {};
        // Worked through the partition sort by hand: ascending it leaves
        // cards 3, 4, 1, 2, listed from the end.
        QTest::newRow("ties around a lower score")
            << QStringList {"5,00", "5,00", "4,00", "5,00"} << QList<qint64> {2, 1, 4, 3};
        // Many ties among three scores: the order the partition sort leaves.
        QTest::newRow("many ties in three scores")
            << QStringList {"3", "1", "3", "2", "3", "1", "2", "3", "1", "2", "3", "2"}
            << QList<qint64> {1, 8, 5, 3, 11, 4, 10, 12, 7, 2, 9, 6};
    }
    void meritOrder()
    {
        QFETCH(QStringList, scores);
        QFETCH(QList<qint64>, listed);
        QList<qint64> cards;
        const QStringList lines = Rankings::meritRanking(rowsOf(scores), &cards);
        QCOMPARE(cards, listed);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY(lines.at(i).startsWith(pad(QString::number(i + 1), 5) + "  card "));
    }

    void meritSortIsNumericForLongLists()
    {
        // Descending values 0,00 .. 99,99 in a shuffled file order come out
        // highest first, whatever their text length.
        QStringList scores;
        for (int i = 0; i < 2000; ++i)
            scores << QString::number((i * 7919) % 2000 / 20.0, 'f', (i % 3 == 0) ? 0 : 2).replace('.', ',');
        QList<qint64> cards;
        Rankings::meritRanking(rowsOf(scores), &cards);
        double previous = 1e9;
        for (qint64 card : cards) {
            const double v = Rankings::scoreValue(scores.at(card - 1)).value;
            QVERIFY(v <= previous);
            previous = v;
        }
    }

    // --- reading ------------------------------------------------------------

    void readSessionInFileOrder()
    {
        TempProgramFolder folder;
        QByteArray bytes = sessionBytes({kRossi, kBianchi, kNoScore});
        bytes += QByteArray(100, 'x'); // an incomplete last record is never read
        folder.write(QStringLiteral("Estate.vai"), bytes);
        QList<RankingRow> rows;
        QVERIFY(Rankings::readSession(folder.file(QStringLiteral("Estate.vai")), &rows));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0).candidato, kRossi.name);
        QCOMPARE(rows.at(0).codiceFiscale, kRossi.cf);
        QCOMPARE(rows.at(0).note, kRossi.note);
        QCOMPARE(rows.at(0).punteggio, kRossi.score);
        QCOMPARE(rows.at(2).card, 3);
        QVERIFY(!Rankings::inAlphaRanking(rows.at(2)));
    }

    void readSessionFromAFolderFails()
    {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("Rotta.vai"));
        QList<RankingRow> rows;
        QVERIFY(!Rankings::readSession(folder.file(QStringLiteral("Rotta.vai")), &rows));
        QVERIFY(rows.isEmpty());
    }

    // --- windows ------------------------------------------------------------

    void chooserWithNoSessionsWarns()
    {
        TempProgramFolder folder;
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        QCOMPARE(chooser->windowTitle(), QStringLiteral(" Selvora - Visualizzazione graduatorie"));
        QCOMPARE(chooser->lstFiles->count(), 0);
        QCOMPARE(chooser->lblCreati->text(), QStringLiteral("Sono state create 0 sessioni."));
        QCOMPARE(chooser->lblIstruzioni->text(),
                 QStringLiteral("Selezionare la sessione nell'elenco sottostante e premere il pulsante corrispondente "
                                "al tipo di graduatoria da visualizzare."));
        QTest::mouseClick(chooser->btnApri, Qt::LeftButton);
        QTest::mouseClick(chooser->btnExcel, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 2);
        for (const Messages::Shown& s : shown) {
            QCOMPARE(s.kind, Messages::Kind::Warning);
            QCOMPARE(s.text, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione."));
        }
        QVERIFY(Modal::history().isEmpty());
    }

    void chooserWithoutSelectionWarns()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Estate.vai"), QByteArray());
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        QCOMPARE(chooser->lblCreati->text(), QStringLiteral("Sono state create 1 sessioni."));
        // The list opens on its first session; a selection taken away
        // leaves nothing to open.
        QVERIFY(chooser->lstFiles->item(0)->isSelected());
        chooser->lstFiles->clearSelection();
        QTest::mouseClick(chooser->btnExcel, Qt::LeftButton);
        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text,
                 QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di premere il pulsante per "
                                "visualizzare la graduatoria corrispondente."));
        QVERIFY(Modal::history().isEmpty());
    }

    void meritRankingOfASession()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Estate 2024.vai"), sessionBytes({kRossi, kBianchi, kVerdi, kNoScore, kRossiAnna}));
        folder.write(QStringLiteral("Autunno.vai"), QByteArray());
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        QCOMPARE(chooser->lstFiles->item(1)->text(), QStringLiteral("Estate 2024.vai"));
        chooser->lstFiles->setCurrentRow(1);

        const QStringList expected {merit(1, kVerdi), merit(2, kRossi), merit(3, kBianchi), merit(4, kRossiAnna),
                                    merit(5, kNoScore)};
        bool ran = false;
        Modal::queueHook([&](QDialog* d) {
            auto* w = qobject_cast<TfrmExpClassifica*>(d);
            QVERIFY(w);
            ran = true;
            QCOMPARE(w->windowTitle(), QStringLiteral(" Selvora - Graduatoria di merito"));
            QVERIFY(w->windowState() & Qt::WindowMaximized);
            QCOMPARE(w->titClassifica->text(), QStringLiteral("Graduatoria di merito Estate 2024"));
            QCOMPARE(w->lstRecords->lines(), expected);
            QCOMPARE(w->lstRecords->position(0), 3);
            QCOMPARE(w->lstRecords->position(4), 4);
            QCOMPARE(w->lblTotConcorrenti->text(), QStringLiteral("5"));
            QCOMPARE(w->infIntervallo->text(), QStringLiteral("Totale candidati:"));
            QCOMPARE(w->frxReport->name(), QStringLiteral("Graduatoria di merito"));

            // Find: capitals find small letters; again moves on.
            w->txtTrova->setText(QStringLiteral("ROSSI"));
            QTest::mouseClick(w->btnTrova, Qt::LeftButton);
            QCOMPARE(w->lstRecords->selectedRow(), 1);
            QTest::mouseClick(w->btnTrova, Qt::LeftButton);
            QCOMPARE(w->lstRecords->selectedRow(), 3);

            // Print: confirmation, then the printer dialog.
            Messages::queueAnswer(Messages::Answer::Yes);
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Ok);
            QTest::mouseClick(w->btnStampa, Qt::LeftButton);
            QTest::mouseClick(w->btnEsci, Qt::LeftButton);
        });
        QTest::mouseClick(chooser->btnExcel, Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(chooser->lblFile->text(), folder.file(QStringLiteral("Estate 2024.vai")));

        const QList<Messages::Shown> shown = Messages::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, Messages::Kind::Confirmation);
        QCOMPARE(shown.first().text, QStringLiteral("Si vuole stampare la presente graduatoria?"));
        const QList<ReportPrinter::Job> jobs = ReportPrinter::takePrinted();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(jobs.first().reportName, QStringLiteral("Graduatoria di merito"));
        QCOMPARE(jobs.first().pageCount, 1);
        const QStringList page = jobs.first().pages.first();
        // Title, the five lines and the two closing lines, the footer.
        const QStringList printedPage = QStringList {"Graduatoria di merito Estate 2024"} + expected +
            QStringList {"- - - - - - - - - - - - - - - -", "TOTALE CANDIDATI:           5",
                         "Stampa eseguita in data 14/06/2024"};
        QCOMPARE(page, printedPage);
    }

    // On a 1366 x 768 screen every line of both rankings shows whole, score
    // included, without scrolling sideways, in a font of 8 points or more;
    // the lines themselves are as designed.
    void scoresShowOnA1366Screen()
    {
        TempProgramFolder folder;
        Card longScore = kRossi;
        longScore.score = QStringLiteral("123456789012,50");
        folder.write(QStringLiteral("Estate.vai"), sessionBytes({kRossi, kBianchi, kVerdi, longScore}));
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        for (int kind = 0; kind < 2; ++kind) {
            bool ran = false;
            Modal::queueHook([&](QDialog* d) {
                auto* w = static_cast<RankingWindow*>(d);
                ran = true;
                w->setWindowState(Qt::WindowNoState);
                w->resize(1366 - 2, 768 - 30);
                QCoreApplication::processEvents();
                QCOMPARE(w->lstRecords->count(), 4);
                QCOMPARE(w->lstRecords->lines().first(), kind == 0 ? merit(1, longScore) : alpha(kBianchi));
                const int room = w->lstRecords->viewport()->width();
                QVERIFY(room < 1366);
                for (int row = 0; row < w->lstRecords->count(); ++row) {
                    const QModelIndex index = w->lstRecords->model()->index(row, 0);
                    const QFont font = index.data(Qt::FontRole).value<QFont>();
                    QVERIFY(font.pointSizeF() >= 8.0);
                    QCOMPARE(font.family(), QStringLiteral("Courier New"));
                    const QString line = w->lstRecords->text(row);
                    QVERIFY(line.contains(QStringLiteral("  Punti: ")));
                    const int right =
                        w->lstRecords->visualRect(index).left() + QFontMetrics(font).horizontalAdvance(line);
                    QVERIFY2(right <= room, qPrintable(QStringLiteral("%1 > %2").arg(right).arg(room)));
                }
                QCOMPARE(w->lstRecords->horizontalScrollBar()->value(), 0);
                w->close();
            });
            QTest::mouseClick(kind == 0 ? chooser->btnExcel : chooser->btnApri, Qt::LeftButton);
            QVERIFY(ran);
        }
    }

    void meritRankingKeepsItsLastFindAcrossOpenings()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Estate.vai"), sessionBytes({kRossi, kRossiAnna, kBianchi}));
        // Listed: 1 Rossi Mario (27,50), 2 Bianchi (9,00), 3 ROSSI ANNA (7).
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        for (int opening = 0; opening < 2; ++opening) {
            Modal::queueHook([opening](QDialog* d) {
                auto* w = static_cast<TfrmExpClassifica*>(d);
                QVERIFY(w->txtTrova->text().isEmpty());
                w->txtTrova->setText(QStringLiteral("rossi"));
                QTest::mouseClick(w->btnTrova, Qt::LeftButton);
                // First opening: a new text tests the first line. Second: the
                // same text as last time starts after the first line.
                QCOMPARE(w->lstRecords->selectedRow(), opening == 0 ? 0 : 2);
                w->close();
            });
            QTest::mouseClick(chooser->btnExcel, Qt::LeftButton);
        }
        QCOMPARE(Modal::history(), (QStringList {"TfrmExpClassifica", "TfrmExpClassifica"}));
    }

    // Both rankings are kept by the chooser between openings: the same window
    // comes back, built again from the file as it is now, with an empty find
    // field and the first line current, as a new window would be.
    void rankingOpenedAgainShowsTheSessionAsItIsNow_data()
    {
        QTest::addColumn<bool>("merit");
        QTest::newRow("alphabetical") << false;
        QTest::newRow("merit") << true;
    }
    void rankingOpenedAgainShowsTheSessionAsItIsNow()
    {
        QFETCH(bool, merit);
        TempProgramFolder folder;
        folder.write(QStringLiteral("Estate.vai"), sessionBytes({kRossi, kBianchi}));
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        QList<QDialog*> windows;
        QList<int> counts;
        for (int opening = 0; opening < 2; ++opening) {
            Modal::queueHook([&](QDialog* d) {
                auto* w = static_cast<RankingWindow*>(d);
                windows << d;
                counts << w->lstRecords->count();
                QVERIFY(w->txtTrova->text().isEmpty());
                QCOMPARE(w->lblTotConcorrenti->text(), QString::number(w->lstRecords->count()));
                w->txtTrova->setText(QStringLiteral("bianchi"));
                QTest::mouseClick(w->btnTrova, Qt::LeftButton);
                w->close();
            });
            QTest::mouseClick(merit ? chooser->btnExcel : chooser->btnApri, Qt::LeftButton);
            // Between the openings the session gains a card.
            folder.write(QStringLiteral("Estate.vai"), sessionBytes({kRossi, kBianchi, kVerdi}));
        }
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows.at(0), windows.at(1));
        QCOMPARE(counts.at(1), counts.at(0) + 1);
    }

    void alphabeticalRankingOfASession()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Estate.vai"), sessionBytes({kRossi, kBianchi, kVerdi, kNoScore, kRossiAnna}));
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        bool ran = false;
        Modal::queueHook([&](QDialog* d) {
            auto* w = qobject_cast<TfrmClassifica*>(d);
            QVERIFY(w);
            ran = true;
            QCOMPARE(w->windowTitle(), QStringLiteral(" Selvora - Graduatoria alfabetica"));
            QCOMPARE(w->titClassifica->text(), QStringLiteral("Graduatoria alfabetica Estate"));
            QCOMPARE(w->lblFile->text(), folder.file(QStringLiteral("Estate.vai")));
            // Letter case does not count; the card without a score is left out.
            QCOMPARE(w->lstRecords->lines(),
                     (QStringList {alpha(kBianchi), alpha(kRossiAnna), alpha(kRossi), alpha(kVerdi)}));
            QCOMPARE(w->lstRecords->position(1), 5);
            QCOMPARE(w->lblTotConcorrenti->text(), QStringLiteral("4"));
            QCOMPARE(w->frxReport->name(), QStringLiteral("Graduatoria alfabetica"));
            // The ranking opens on its list, on the first line.
            QCOMPARE(w->focusWidget(), w->lstRecords);
            QCOMPARE(w->lstRecords->selectedRow(), 0);

            // Declined confirmation: nothing printed.
            Messages::queueAnswer(Messages::Answer::No);
            QTest::mouseClick(w->btnStampa, Qt::LeftButton);
            Messages::queueAnswer(Messages::Answer::Yes);
            ReportPrinter::queueAnswer(ReportPrinter::Answer::Cancel);
            QTest::mouseClick(w->btnStampa, Qt::LeftButton);
            QTest::mouseClick(w->btnEsci, Qt::LeftButton);
            QCOMPARE(w->lstRecords->count(), 0); // closing empties the list
        });
        QTest::mouseClick(chooser->btnApri, Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(Messages::takeShown().size(), 2);
        const QList<ReportPrinter::Job> jobs = ReportPrinter::takePrinted();
        QCOMPARE(jobs.size(), 1);
        QVERIFY(!jobs.first().accepted);
        QCOMPARE(jobs.first().pages.first().mid(5, 2),
                 (QStringList {"- - - - - - - - - - - - - - - -", "TOTALE CANDIDATI:           4"}));
    }

    // Both rankings read the file as listed, blanks at the start of its
    // name included, and create no other file.
    void sessionNamedWithALeadingBlank()
    {
        TempProgramFolder folder;
        const QString name = QStringLiteral(" spazio iniziale.vai");
        folder.write(name, sessionBytes({kRossi, kBianchi}));
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        QCOMPARE(chooser->lstFiles->currentItem()->text(), name);
        for (int kind = 0; kind < 2; ++kind) {
            int lines = -1;
            QString file;
            Modal::queueHook([&](QDialog* d) {
                auto* w = static_cast<RankingWindow*>(d);
                lines = w->lstRecords->count();
                file = Windows::apriClassifica()->lblFile->text();
                w->close();
            });
            QTest::mouseClick(kind == 0 ? chooser->btnExcel : chooser->btnApri, Qt::LeftButton);
            QCOMPARE(file, folder.file(name));
            QCOMPARE(lines, 2);
        }
        QVERIFY(Messages::takeShown().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {name});
    }

    void emptySessionRankings()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Vuota.vai"), QByteArray());
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        for (int kind = 0; kind < 2; ++kind) {
            Modal::queueHook([](QDialog* d) {
                auto* w = static_cast<RankingWindow*>(d);
                QCOMPARE(w->lstRecords->count(), 0);
                QCOMPARE(w->lblTotConcorrenti->text(), QStringLiteral("0"));
                QTest::mouseClick(w->btnStampa, Qt::LeftButton);
                w->txtTrova->setText(QStringLiteral("x"));
                QTest::mouseClick(w->btnTrova, Qt::LeftButton);
                w->close();
            });
            QTest::mouseClick(kind == 0 ? chooser->btnExcel : chooser->btnApri, Qt::LeftButton);
            const QList<Messages::Shown> shown = Messages::takeShown();
            QCOMPARE(shown.size(), 2);
            QCOMPARE(shown.at(0).kind, Messages::Kind::Warning);
            QCOMPARE(shown.at(0).text,
                     QStringLiteral("Operazione di stampa non applicabile: la graduatoria non contiene nessuna voce."));
            QCOMPARE(shown.at(1).kind, Messages::Kind::Plain);
            QCOMPARE(shown.at(1).text, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        }
        QVERIFY(ReportPrinter::printed().isEmpty());
    }

    void unreadableSessionIsReported()
    {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("Rotta.vai"));
        Windows::apriClassifica()->lblFile->setText(folder.file(QStringLiteral("Rotta.vai")));
        for (int kind = 0; kind < 2; ++kind) {
            std::unique_ptr<RankingWindow> w;
            if (kind == 0) {
                w.reset(new TfrmExpClassifica(Windows::apriClassifica()));
            } else {
                auto* alphaWindow = new TfrmClassifica(Windows::apriClassifica());
                alphaWindow->lblFile->setText(folder.file(QStringLiteral("Rotta.vai")));
                w.reset(alphaWindow);
            }
            Modal::queueHook([](QDialog* d) {
                auto* rw = static_cast<RankingWindow*>(d);
                QCOMPARE(rw->lblTotConcorrenti->text(), QStringLiteral("0"));
                QCOMPARE(rw->lstRecords->count(), 0);
            });
            Modal::run(w.get());
            const QList<Messages::Shown> shown = Messages::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first().kind, Messages::Kind::Warning);
            QCOMPARE(shown.first().text, RecordFile::accessMessage());
        }
    }

    void afterOneRankingTheOtherNeedsNoNewSelection()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Estate.vai"), sessionBytes({kRossi}));
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        chooser->lstFiles->setCurrentRow(0);
        Modal::queueHook([](QDialog* d) { d->close(); });
        Modal::queueHook([](QDialog* d) {
            QCOMPARE(static_cast<RankingWindow*>(d)->lstRecords->count(), 1);
            d->close();
        });
        QTest::mouseClick(chooser->btnExcel, Qt::LeftButton);
        QTest::mouseClick(chooser->btnApri, Qt::LeftButton);
        QCOMPARE(Modal::history(), (QStringList {"TfrmExpClassifica", "TfrmClassifica"}));
        QVERIFY(Messages::shown().isEmpty());
    }

    void closingTheChooserShowsTheLauncher()
    {
        TempProgramFolder folder;
        TfrmApriClassifica* chooser = Windows::apriClassifica();
        chooser->show();
        QTest::mouseClick(chooser->btnAnnulla, Qt::LeftButton);
        QVERIFY(!chooser->isVisible());
        QVERIFY(Windows::avvio()->isVisible());
        Windows::avvio()->hide();
    }
};

SELVORA_TEST_MAIN(TestRankings)
#include "tst_rankings.moc"

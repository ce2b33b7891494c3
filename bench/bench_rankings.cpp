// Rankings and summary lists: building the merit ranking of a 10,000-card
// session and filling a list window with 100,000 lines, each beside a plain
// sequential read of the same session file.
#include "Bench.h"

#include "rankings/core/Rankings.h"
#include "sessions/core/SchedaColloquio.h"
#include "shared/ui/SummaryList.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A session of n cards with varied names, fiscal codes, notes and scores
// (one in ten without a score, some unnormalised).
bool writeSession(const QString& path, int n)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QStringList surnames {"Rossi",   "Bianchi", "Verdi",  "Esposito", "Romano",
                                "Colombo", "Ricci",   "Marino", "Greco",    "Bruno"};
    const QStringList names {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Paolo", "Elena"};
    for (int i = 0; i < n; ++i) {
        TSchedaColloquio rec;
        rec.Candidato = QStringLiteral("%1 %2 %3").arg(surnames.at(i % 10), names.at((i / 10) % 8)).arg(i);
        rec.CodiceFiscale = QStringLiteral("RSSMRA80A01H%1U").arg(i % 1000, 3, 10, QLatin1Char('0'));
        rec.Provenienza = QStringLiteral("Roma");
        rec.DataColloquio = QStringLiteral("01/02/2024");
        rec.Dettagli = QStringLiteral("Colloquio svolto regolarmente.\r\nEsperienza nel settore.");
        if (i % 10 == 9)
            rec.Punteggio = QString();
        else if (i % 17 == 0)
            rec.Punteggio = QString::number(i % 31);
        else
            rec.Punteggio = QStringLiteral("%1,%2").arg((i * 7919) % 31).arg((i * 13) % 100, 2, 10, QLatin1Char('0'));
        rec.Note = QStringLiteral("Nota del candidato %1").arg(i);
        rec.Idoneo = QStringLiteral("Sì");
        const QByteArray bytes = rec.encode();
        if (file.write(bytes) != bytes.size())
            return false;
    }
    return file.flush();
}

} // namespace

SELVORA_BENCHMARK("rankings: merit ranking of 10,000 cards, list fill of 100,000 lines")
{
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("Diecimila.vai"));
    const QString large = dir.filePath(QStringLiteral("Centomila.vai"));
    if (!writeSession(small, 10000) || !writeSession(large, 100000)) {
        std::printf("  cannot write the session files\n");
        return;
    }

    // Merit ranking: read, sort, build the lines.
    const double read10k = Bench::timeMs([&] { Bench::plainRead(small); }, 5);
    Bench::report(QStringLiteral("plain read, 10,000 cards (58.6 MB)"), read10k);
    const double readRows = Bench::timeMs([&] {
        QList<RankingRow> rows;
        Rankings::readSession(small, &rows);
    });
    Bench::report(QStringLiteral("read the cards into ranking rows"), readRows, read10k);
    const double merit = Bench::timeMs([&] {
        QList<RankingRow> rows;
        Rankings::readSession(small, &rows);
        QList<qint64> cards;
        const QStringList lines = Rankings::meritRanking(std::move(rows), &cards);
        Q_UNUSED(lines);
    });
    Bench::report(QStringLiteral("merit ranking: read, sort, 10,000 lines"), merit, read10k);

    // A list window of 100,000 lines: read, build the lines, fill (sorted
    // and unsorted) and lay out the list on screen.
    const double read100k = Bench::timeMs([&] { Bench::plainRead(large); }, 3);
    Bench::report(QStringLiteral("plain read, 100,000 cards (586.5 MB)"), read100k);
    QList<RankingRow> rows;
    QStringList lines;
    QList<qint64> cards;
    const double build = Bench::timeMs(
        [&] {
            Rankings::readSession(large, &rows);
            lines.clear();
            cards.clear();
            lines.reserve(rows.size());
            for (const RankingRow& row : rows) {
                lines.append(Rankings::alphaLine(row));
                cards.append(row.card);
            }
        },
        1);
    Bench::report(QStringLiteral("read 100,000 cards and build their lines"), build, read100k);

    TSummaryList list;
    list.resize(1200, 700);
    list.show();
    QApplication::processEvents();
    const double fillSorted = Bench::timeMs([&] {
        list.setLines(lines, cards);
        list.doItemsLayout();
        QApplication::processEvents();
    });
    Bench::report(QStringLiteral("fill the sorted list with 100,000 lines and show it"), fillSorted, read100k);
    list.setSorted(false);
    const double fillUnsorted = Bench::timeMs([&] {
        list.setLines(lines, cards);
        list.doItemsLayout();
        QApplication::processEvents();
    });
    Bench::report(QStringLiteral("fill the unsorted list with 100,000 lines and show it"), fillUnsorted, read100k);
    const double scroll = Bench::timeMs([&] {
        for (int row = 0; row < 100000; row += 5000)
            list.scrollTo(list.model()->index(row, 0), QAbstractItemView::PositionAtTop);
        list.scrollToBottom();
        list.repaint();
        QApplication::processEvents();
    });
    Bench::report(QStringLiteral("scroll through the list in 21 jumps and repaint"), scroll);
    QString last;
    list.selectRow(0);
    const double find = Bench::timeMs([&] {
        last.clear();
        list.find(nullptr, QStringLiteral("non presente"), &last); // a full round with no match
    });
    Bench::report(QStringLiteral("find with no match (all 100,000 lines tested)"), find);
}

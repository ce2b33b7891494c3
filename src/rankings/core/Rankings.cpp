#include "rankings/core/Rankings.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "output/core/SummaryLines.h"
#include "sessions/core/SchedaColloquio.h"

#include <utility>
#include <vector>

namespace {

// Field offsets and widths of the interview card record.
constexpr int kNoteOffset = 5361;
constexpr int kNoteWidth = 501;

// What the sort moves: the score, computed once per card, and the card's
// place in the rows; the rows themselves are moved once, at the end.
struct Keyed
{
    Rankings::Score score;
    int row;
};

inline int compareAt(const std::vector<Keyed>& rows, int a, int b)
{
    return Rankings::compareScores(rows[size_t(a)].score, rows[size_t(b)].score);
}

// The partition sort the merit ranking has always used. The pivot index P
// follows the row it first pointed at when that row is swapped, so every
// comparison of a partition is made against one fixed score.
void sortRange(std::vector<Keyed>& rows, int l, int r)
{
    int i;
    do {
        i = l;
        int j = r;
        int p = (l + r) / 2;
        do {
            while (compareAt(rows, i, p) < 0)
                ++i;
            while (compareAt(rows, j, p) > 0)
                --j;
            if (i <= j) {
                if (i != j)
                    std::swap(rows[size_t(i)], rows[size_t(j)]);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j)
            sortRange(rows, l, j);
        l = i;
    } while (i < r);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

namespace Rankings {

bool readSession(const QString& path, QList<RankingRow>* rows)
{
    rows->clear();
    RecordFile file(path, TSchedaColloquio::Size);
    if (!file.open())
        return false;
    rows->reserve(int(file.count()));
    const bool ok = file.scan([rows](qint64 n, const char* record) {
        RankingRow row;
        row.candidato = TSchedaColloquio::candidato(record);
        row.codiceFiscale = TSchedaColloquio::codiceFiscale(record);
        row.note = FixedText::read(record + kNoteOffset, kNoteWidth);
        row.punteggio = TSchedaColloquio::punteggio(record);
        row.card = n;
        rows->append(std::move(row));
        return true;
    });
    file.close();
    if (!ok)
        rows->clear();
    return ok;
}

Score scoreValue(const QString& punteggio)
{
    const QString t = TextRules::trimmed(punteggio);
    Score score;
    qsizetype i = 0;
    const qsizetype n = t.size();
    bool negative = false;
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    int digits = 0;
    double value = 0.0;
    while (i < n && isDigit(t.at(i))) {
        value = value * 10.0 + (t.at(i).unicode() - u'0');
        ++digits;
        ++i;
    }
    if (i < n && (t.at(i) == QLatin1Char(',') || t.at(i) == QLatin1Char('.'))) {
        ++i;
        double scale = 0.1;
        while (i < n && isDigit(t.at(i))) {
            value += (t.at(i).unicode() - u'0') * scale;
            scale /= 10.0;
            ++digits;
            ++i;
        }
    }
    if (i != n || digits == 0)
        return score; // empty or not a number
    score.numeric = true;
    score.value = negative ? -value : value;
    return score;
}

int compareScores(const Score& a, const Score& b)
{
    if (a.numeric != b.numeric)
        return a.numeric ? 1 : -1;
    if (!a.numeric || a.value == b.value)
        return 0;
    return a.value < b.value ? -1 : 1;
}

void meritSort(QList<RankingRow>& rows)
{
    if (rows.size() < 2)
        return;
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(rows.size()));
    for (qsizetype k = 0; k < rows.size(); ++k)
        keyed.push_back(Keyed {scoreValue(rows.at(k).punteggio), int(k)});
    sortRange(keyed, 0, int(keyed.size()) - 1);
    QList<RankingRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keyed)
        sorted.append(std::move(rows[k.row]));
    rows = std::move(sorted);
}

QStringList meritRanking(QList<RankingRow> rows, QList<qint64>* cards)
{
    meritSort(rows);
    QStringList lines;
    lines.reserve(rows.size());
    if (cards) {
        cards->clear();
        cards->reserve(rows.size());
    }
    int position = 0;
    for (qsizetype k = rows.size() - 1; k >= 0; --k) {
        lines.append(meritLine(++position, rows.at(k)));
        if (cards)
            cards->append(rows.at(k).card);
    }
    return lines;
}

QString meritLine(int position, const RankingRow& row)
{
    return SummaryLine()
        .column(QString::number(position), 5)
        .literal(QStringLiteral("  "))
        .column(row.candidato, 35)
        .literal(QStringLiteral("  C.F. "))
        .column(row.codiceFiscale, 16)
        .literal(QStringLiteral("  Note: "))
        .column(row.note, 63)
        .literal(QStringLiteral("  Punti: "))
        .last(row.punteggio);
}

QString alphaLine(const RankingRow& row)
{
    return SummaryLine()
        .column(row.candidato, 34)
        .literal(QStringLiteral("  C.F. "))
        .column(row.codiceFiscale, 16)
        .literal(QStringLiteral("  Note: "))
        .column(row.note, 70)
        .literal(QStringLiteral("  Punti: "))
        .last(row.punteggio);
}

bool inAlphaRanking(const RankingRow& row)
{
    return !TextRules::trimmed(row.punteggio).isEmpty();
}

QStringList closingLines(const QString& total)
{
    return {QStringLiteral("- - - - - - - - - - - - - - - -"),
            QStringLiteral("TOTALE CANDIDATI:           ") + TextRules::trimmed(total)};
}

} // namespace Rankings

// The two rankings of a session: reading its cards, the merit order by
// score, and the ranking lines with their fixed-width columns.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a ranking needs of one interview card, and the card's number in the
// file.
struct RankingRow
{
    QString candidato;
    QString codiceFiscale;
    QString note;
    QString punteggio; // as stored, untrimmed
    qint64 card = 0;
};

namespace Rankings {

// Every card of the session file in file order. A missing file is created
// empty, as every command that opens a session does. False when the file
// cannot be opened or read; rows then holds nothing.
bool readSession(const QString& path, QList<RankingRow>* rows);

// The value a score ranks by: its number, written with a decimal comma (or
// point), an optional sign and any number of decimals. An empty or
// non-numeric score has none and ranks below every number.
struct Score
{
    bool numeric = false;
    double value = 0.0;
};
Score scoreValue(const QString& punteggio);
// -1, 0 or 1 as a ranks below, with, or above b.
int compareScores(const Score& a, const Score& b);

// Sorts rows by score, ascending, with the program's partition sort: rows
// with equal scores end in the order that sort leaves them in (not file
// order), and the merit ranking lists them from the last to the first.
void meritSort(QList<RankingRow>& rows);

// The merit ranking: sorted, listed from the highest score down, numbered
// 1, 2, 3... with no shared positions. cards, when given, receives the card
// number of each line.
QStringList meritRanking(QList<RankingRow> rows, QList<qint64>* cards = nullptr);

// One line of the merit ranking: position 5, two blanks, name 35,
// "  C.F. ", fiscal code 16, "  Note: ", notes 63, "  Punti: ", score.
QString meritLine(int position, const RankingRow& row);

// One line of the alphabetical ranking: name 34, "  C.F. ", fiscal code 16,
// "  Note: ", notes 70, "  Punti: ", score.
QString alphaLine(const RankingRow& row);
// Whether a card takes part in the alphabetical ranking: its score, trimmed,
// is not empty.
bool inAlphaRanking(const RankingRow& row);

// The two lines a ranking print ends with: the dashed rule and the total.
QStringList closingLines(const QString& total);

} // namespace Rankings

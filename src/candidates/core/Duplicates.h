// Cards of the candidate archive that look like the same person: the same
// fiscal code, or the same name and birth date (names compared without
// accents, case or punctuation). One sequential read of the archive, the keys
// computed once per card straight from the record bytes, grouping by sorting
// the keys.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Duplicates {

struct Card
{
    qint64 position = 0;
    QString name;
    QString birthDate;
    QString code;
};

struct Group
{
    QList<Card> cards; // in archive order
    bool sameCode = false; // at least two share the fiscal code
    bool sameNameAndDate = false; // at least two share name and birth date
    QString reason() const; // Italian: what the cards share
};

// Every group of two or more cards of the archive file at path that look like
// one person, in the order of their first card. False when the file cannot be
// read.
bool scan(const QString& path, QList<Group>* groups);

// The cards of the archive that look like the person of a card about to be
// stored (same code, or same name and birth date), in archive order.
bool matches(const QString& path, const QString& name, const QString& birthDate, const QString& code,
             QList<Card>* found);

// The two keys by which cards look like one person, from the bytes of a
// candidate record: the fiscal code (trimmed, in capitals) and the folded
// name with the birth date as a date ("3/3/1993" and "03/03/1993" meet).
// Empty when the record lacks what the key needs. The import compares the
// rows of its file with these, so that it finds what this scan finds.
struct Keys
{
    QByteArray code;
    QByteArray nameAndDate;
};
Keys keysOf(const char* record);

// How a card is named in lists and warnings: "n. 12 - Rossi Mario, nato/a il
// 01/01/1980, codice fiscale RSSMRA80A01H501U".
QString describe(const Card& card);

} // namespace Duplicates

// One search engine for both kinds of record file: the filters of a search
// window tested on the record bytes themselves, over fields that are either
// length-prefixed (the candidate archive) or zero-terminated (the session
// files), and the scan that lists the cards a test accepts.
#pragma once

#include "base/core/RecordFile.h"
#include "base/core/TextFilter.h"
#include "base/core/TextRules.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace RecordSearch {

enum class Layout
{
    LengthPrefixed, // a length byte, then the text; a length over the width reads as the width
    ZeroTerminated // the text runs to its first zero byte or the whole width
};

// Where a field lies in its record.
struct Field
{
    int offset;
    int width; // in characters, not counting a length byte
    Layout layout;
};

// The text bytes of a field of the record.
inline qsizetype text(const char* record, const Field& field, const char** start)
{
    const char* bytes = record + field.offset;
    if (field.layout == Layout::LengthPrefixed) {
        *start = bytes + 1;
        return qMin<qsizetype>(static_cast<unsigned char>(bytes[0]), field.width);
    }
    *start = bytes;
    return TextFilter::terminatedLength(bytes, field.width);
}

// A filter restricts the search when its text, trimmed of characters with
// codes up to 32, is not empty.
bool isActive(const QString& typed);

// Whether a flag field, trimmed, is exactly "No".
inline bool isNo(const char* record, const Field& field)
{
    const char* start;
    const qsizetype len = text(record, field, &start);
    return TextFilter::isNo(start, len);
}

// The active filters, ready to test records. A card is accepted when every
// active filter occurs in its field (A to Z as a to z, anything else exact);
// with no active filter every card is accepted.
class Criteria
{
public:
    // The text as typed is kept: a trailing blank must be in the field too.
    void add(const Field& field, const QString& typed);
    bool accepts(const char* record) const;

private:
    QList<Field> m_fields;
    QList<TextFilter::Needle> m_needles;
};

// A summary list as read from a record file: the lines in file order, each
// with its card's position.
struct Listing
{
    QStringList lines;
    QList<qint64> positions;
};

// The cards of the record file at path (created empty when missing) that
// accept() takes, each listed by line(). False when the file cannot be opened
// or read; listing then holds the cards read before the failure.
template <typename Accept, typename Line>
bool scan(const QString& path, int recordSize, Listing* listing, Accept accept, Line line)
{
    listing->lines.clear();
    listing->positions.clear();
    RecordFile file(path, recordSize);
    if (!file.open())
        return false;
    const bool ok = file.scan([&](qint64 n, const char* record) {
        if (accept(record)) {
            listing->lines.append(line(record));
            listing->positions.append(n);
        }
        return true;
    });
    file.close();
    return ok;
}

// The card a chosen line stands for: record `position` of the file at path,
// decoded, as long as its line is still the chosen one (compared trimmed,
// exactly), so that a card is never handed over in place of the one the user
// saw.
template <typename Card, typename Decode, typename Line>
bool cardOfLine(const QString& path, int recordSize, qint64 position, const QString& chosenLine, Card* card,
                Decode decode, Line line)
{
    RecordFile file(path, recordSize);
    if (!file.open())
        return false;
    QByteArray record;
    const bool read = position >= 1 && position <= file.count() && file.read(position, &record);
    file.close();
    if (!read)
        return false;
    const Card decoded = decode(record);
    if (TextRules::trimmed(line(decoded)) != TextRules::trimmed(chosenLine))
        return false;
    *card = decoded;
    return true;
}

} // namespace RecordSearch

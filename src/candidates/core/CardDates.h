// When each candidate card was last stored, in the side file
// "selvora-schede-date.json" beside the archive (whose fixed records have no
// room for a date). Cards stored before the file existed have no date of
// their own: they count from the "base" date the file records, the archive's
// last change when the file was first made, which is never later than any
// such card's real last change.
#pragma once

#include <QDate>
#include <QHash>
#include <QString>

class CardDates
{
public:
    static QString fileName();
    static QString path();

    // The file as it is now; a missing or unreadable file gives no dates and
    // the archive's last change as base.
    static CardDates load();

    // The date card n was last stored, else the base date.
    QDate changed(qint64 card) const;
    QDate base() const { return m_base; }
    bool hasOwnDate(qint64 card) const { return m_dates.contains(card); }

    // Makes the file with its base date when it is missing, before any card
    // is stored through it. False, with error set, when it cannot be written.
    static bool ensure(QString* error);

    // Records that card n was stored on that day and writes the file.
    // False, with error set, when it could not be written.
    static bool stored(qint64 card, const QDate& day, QString* error);

private:
    bool save(QString* error) const;

    QDate m_base;
    QHash<qint64, QDate> m_dates;
};

// The calendar of a session's interviews: the day, the place, the start, the
// length of each interview, the breaks and the end of the day; the
// candidates placed into time slots in the order the user picks
// (alphabetical, from a drawn letter, or by card) and moved by hand; and
// what is wrong with it (slots that clash, a slot in a break, a day that
// runs over).
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

struct CalendarBreak
{
    QTime start;
    int minutes = 0;
};

struct CalendarSlot
{
    qint64 card = 0; // the interview card, from 1
    QString candidate;
    QTime start;
};

// A candidate to place: the card and the name on it.
struct CalendarCandidate
{
    qint64 card = 0;
    QString name;
};

struct SittingCalendar
{
    static constexpr int Version = 1;

    enum class Order
    {
        Alphabetical,
        DrawnLetter, // alphabetical from the surnames of the drawn letter on
        CardOrder
    };

    QString session; // the session's file name
    QDate date;
    QString place;
    QTime start;
    int minutes = 30; // each interview
    QTime dayEnd; // invalid when the day has no set end
    QList<CalendarBreak> breaks;
    Order order = Order::Alphabetical;
    QChar letter = QLatin1Char('A');
    QList<CalendarSlot> interviews;

    // Set-ups that cannot be planned, one Italian sentence each.
    QStringList problems() const;
};

namespace CalendarPlanner {

// The candidates in the calendar's order.
QList<CalendarCandidate> ordered(const SittingCalendar& calendar, QList<CalendarCandidate> candidates);

// The candidates placed one after another from the start, each slot moved
// past any break it would overlap.
QList<CalendarSlot> place(const SittingCalendar& calendar, const QList<CalendarCandidate>& candidates);

struct Issue
{
    int slot = -1; // index in the calendar's slots
    QString text;
};
// Slots that overlap each other or a break, and slots that end after the
// end of the day; in slot order.
QList<Issue> issues(const SittingCalendar& calendar);

// "09:30".
QString timeText(const QTime& time);

} // namespace CalendarPlanner

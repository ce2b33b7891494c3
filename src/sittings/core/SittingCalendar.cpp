#include "sittings/core/SittingCalendar.h"

#include <QCollator>

#include <algorithm>

namespace {

int minuteOf(const QTime& t)
{
    return t.hour() * 60 + t.minute();
}

QString surnameKey(const QString& name)
{
    return name.trimmed().simplified().toUpper();
}

} // namespace

QStringList SittingCalendar::problems() const
{
    QStringList out;
    if (!date.isValid())
        out << QStringLiteral("Indicare la data dei colloqui.");
    if (!start.isValid())
        out << QStringLiteral("Indicare l'ora di inizio dei colloqui.");
    if (minutes <= 0 || minutes > 600)
        out << QStringLiteral("La durata di ogni colloquio deve essere fra 1 e 600 minuti.");
    if (start.isValid() && dayEnd.isValid() && dayEnd <= start)
        out << QStringLiteral("L'ora di fine (%1) non è dopo l'ora di inizio (%2).")
                   .arg(CalendarPlanner::timeText(dayEnd), CalendarPlanner::timeText(start));
    for (const CalendarBreak& b : breaks) {
        if (!b.start.isValid() || b.minutes <= 0)
            out << QStringLiteral("Una pausa non ha l'ora di inizio o la durata.");
        else if (minuteOf(b.start) + b.minutes > 24 * 60)
            out << QStringLiteral("La pausa delle %1 finisce dopo la mezzanotte.")
                       .arg(CalendarPlanner::timeText(b.start));
    }
    if (order == Order::DrawnLetter && !letter.isLetter())
        out << QStringLiteral("Indicare la lettera estratta.");
    return out;
}

namespace CalendarPlanner {

QString timeText(const QTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
}

QList<CalendarCandidate> ordered(const SittingCalendar& calendar, QList<CalendarCandidate> candidates)
{
    if (calendar.order == SittingCalendar::Order::CardOrder) {
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const CalendarCandidate& a, const CalendarCandidate& b) { return a.card < b.card; });
        return candidates;
    }
    QCollator collator(QLocale(QLocale::Italian, QLocale::Italy));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(candidates.begin(), candidates.end(), [&](const CalendarCandidate& a, const CalendarCandidate& b) {
        const int c = collator.compare(surnameKey(a.name), surnameKey(b.name));
        return c != 0 ? c < 0 : a.card < b.card;
    });
    if (calendar.order == SittingCalendar::Order::DrawnLetter) {
        // From the first surname at or after the drawn letter, then round
        // to the beginning.
        const QString letter = QString(calendar.letter.toUpper());
        const auto from = std::find_if(candidates.begin(), candidates.end(), [&](const CalendarCandidate& c) {
            return collator.compare(surnameKey(c.name).left(1), letter) >= 0;
        });
        std::rotate(candidates.begin(), from, candidates.end());
    }
    return candidates;
}

QList<CalendarSlot> place(const SittingCalendar& calendar, const QList<CalendarCandidate>& candidates)
{
    QList<CalendarSlot> out;
    int at = minuteOf(calendar.start);
    QList<CalendarBreak> breaks = calendar.breaks;
    std::sort(breaks.begin(), breaks.end(),
              [](const CalendarBreak& a, const CalendarBreak& b) { return a.start < b.start; });
    for (const CalendarCandidate& c : ordered(calendar, candidates)) {
        // A slot that would overlap a break starts after it.
        for (const CalendarBreak& b : breaks) {
            const int from = minuteOf(b.start);
            if (at < from + b.minutes && at + calendar.minutes > from)
                at = from + b.minutes;
        }
        if (at >= 24 * 60)
            break;
        out.append({c.card, c.name, QTime(at / 60, at % 60)});
        at += calendar.minutes;
    }
    return out;
}

QList<Issue> issues(const SittingCalendar& calendar)
{
    QList<Issue> out;
    for (int i = 0; i < calendar.interviews.size(); ++i) {
        const CalendarSlot& s = calendar.interviews.at(i);
        if (!s.start.isValid()) {
            out.append({i, QStringLiteral("%1: manca l'ora del colloquio.").arg(s.candidate)});
            continue;
        }
        const int from = minuteOf(s.start);
        const int to = from + calendar.minutes;
        for (int j = 0; j < calendar.interviews.size(); ++j) {
            const CalendarSlot& o = calendar.interviews.at(j);
            if (j == i || !o.start.isValid())
                continue;
            const int oFrom = minuteOf(o.start);
            if (from < oFrom + calendar.minutes && to > oFrom) {
                out.append({i,
                            QStringLiteral("%1 (%2) si sovrappone a %3 (%4).")
                                .arg(s.candidate, timeText(s.start), o.candidate, timeText(o.start))});
                break;
            }
        }
        for (const CalendarBreak& b : calendar.breaks) {
            const int bFrom = minuteOf(b.start);
            if (from < bFrom + b.minutes && to > bFrom)
                out.append({i,
                            QStringLiteral("%1 (%2) cade nella pausa delle %3.")
                                .arg(s.candidate, timeText(s.start), timeText(b.start))});
        }
        if (calendar.dayEnd.isValid() && to > minuteOf(calendar.dayEnd))
            out.append({i,
                        QStringLiteral("%1 (%2) finisce dopo l'ora di fine della giornata (%3).")
                            .arg(s.candidate, timeText(s.start), timeText(calendar.dayEnd))});
    }
    return out;
}

} // namespace CalendarPlanner

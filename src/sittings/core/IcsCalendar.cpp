#include "sittings/core/IcsCalendar.h"

#include <QStringList>

namespace {

// Europe/Rome since 1996: CET in winter, CEST from the last Sunday of March
// to the last Sunday of October.
const char* const kTimeZone[] = {"BEGIN:VTIMEZONE",
                                 "TZID:Europe/Rome",
                                 "BEGIN:DAYLIGHT",
                                 "TZOFFSETFROM:+0100",
                                 "TZOFFSETTO:+0200",
                                 "TZNAME:CEST",
                                 "DTSTART:19700329T020000",
                                 "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU",
                                 "END:DAYLIGHT",
                                 "BEGIN:STANDARD",
                                 "TZOFFSETFROM:+0200",
                                 "TZOFFSETTO:+0100",
                                 "TZNAME:CET",
                                 "DTSTART:19701025T030000",
                                 "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU",
                                 "END:STANDARD",
                                 "END:VTIMEZONE"};

QString localTime(const QDate& date, const QTime& time)
{
    return date.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T') + time.toString(QStringLiteral("HHmmss"));
}

QByteArray head()
{
    QByteArray out;
    for (const char* line :
         {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Selvora//Selvora//IT", "CALSCALE:GREGORIAN", "METHOD:PUBLISH"})
        out += IcsCalendar::folded(QString::fromLatin1(line));
    for (const char* line : kTimeZone)
        out += IcsCalendar::folded(QString::fromLatin1(line));
    return out;
}

QByteArray event(const SittingCalendar& c, const CalendarSlot& s, const QString& sessionName, const QDateTime& stamp,
                 const QString& summary)
{
    const QTime end = s.start.addSecs(qint64(c.minutes) * 60);
    QStringList lines {QStringLiteral("BEGIN:VEVENT"), QStringLiteral("UID:") + IcsCalendar::uid(c.session, s.card),
                       QStringLiteral("DTSTAMP:") + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")),
                       QStringLiteral("DTSTART;TZID=Europe/Rome:") + localTime(c.date, s.start),
                       // An interview past midnight is not planned: the end
                       // is on the same day.
                       QStringLiteral("DTEND;TZID=Europe/Rome:") +
                           localTime(c.date, end < s.start ? QTime(23, 59, 59) : end),
                       QStringLiteral("SUMMARY:") + IcsCalendar::escaped(summary),
                       QStringLiteral("DESCRIPTION:") +
                           IcsCalendar::escaped(QStringLiteral("Colloquio di %1, sessione «%2».\nLuogo: %3.")
                                                    .arg(s.candidate.trimmed(), sessionName, c.place)),
                       QStringLiteral("LOCATION:") + IcsCalendar::escaped(c.place), QStringLiteral("END:VEVENT")};
    QByteArray out;
    for (const QString& l : lines)
        out += IcsCalendar::folded(l);
    return out;
}

} // namespace

namespace IcsCalendar {

QString uid(const QString& session, qint64 card)
{
    QString safe;
    for (const QChar ch : session) {
        const ushort u = ch.unicode();
        const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '.' ||
            u == '-' || u == '_';
        safe += plain ? QString(ch) : QStringLiteral("_%1").arg(u, 4, 16, QLatin1Char('0'));
    }
    return safe + QLatin1Char('-') + QString::number(card) + QStringLiteral("@selvora");
}

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case ';':
            out += QStringLiteral("\\;");
            break;
        case ',':
            out += QStringLiteral("\\,");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            break;
        default:
            out += ch;
        }
    }
    return out;
}

QByteArray folded(const QString& line)
{
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    int lineLength = 0;
    for (int i = 0; i < utf8.size();) {
        // The length of the UTF-8 character starting here.
        const uchar lead = uchar(utf8.at(i));
        const int width = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
        if (lineLength + width > 75) {
            out += "\r\n ";
            lineLength = 1;
        }
        out += utf8.mid(i, width);
        lineLength += width;
        i += width;
    }
    return out + "\r\n";
}

QByteArray invitation(const SittingCalendar& calendar, const CalendarSlot& slot, const QString& sessionName,
                      const QDateTime& stamp)
{
    return head() + event(calendar, slot, sessionName, stamp, QStringLiteral("Colloquio - ") + sessionName) +
        folded(QStringLiteral("END:VCALENDAR"));
}

QByteArray committeeCalendar(const SittingCalendar& calendar, const QString& sessionName, const QDateTime& stamp)
{
    QByteArray out = head();
    for (const CalendarSlot& s : calendar.interviews)
        out += event(calendar, s, sessionName, stamp, QStringLiteral("Colloquio: ") + s.candidate.trimmed());
    return out + folded(QStringLiteral("END:VCALENDAR"));
}

} // namespace IcsCalendar

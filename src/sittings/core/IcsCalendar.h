// Calendar invitations (RFC 5545): one event per interview in the Europe/Rome
// time zone, with a UID that stays the same each time the files are made
// again, so a calendar program updates the event instead of adding one.
#pragma once

#include "sittings/core/SittingCalendar.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace IcsCalendar {

// "<session file>-<card>@selvora", made of safe characters only.
QString uid(const QString& session, qint64 card);

// Text escaped for a property value: backslash, ";", "," and line breaks.
QString escaped(const QString& text);
// A content line folded at 75 octets (never inside a UTF-8 character),
// ending in CR LF.
QByteArray folded(const QString& line);

// The invitation of one candidate; stamp is when the file is made (UTC).
QByteArray invitation(const SittingCalendar& calendar, const CalendarSlot& slot, const QString& sessionName,
                      const QDateTime& stamp);
// Every slot of the day, for the committee.
QByteArray committeeCalendar(const SittingCalendar& calendar, const QString& sessionName, const QDateTime& stamp);

} // namespace IcsCalendar

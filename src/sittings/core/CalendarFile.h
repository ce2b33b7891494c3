// The calendar's side file, "Nome.calendario.json" beside the session file:
// readable text with its format and version, written in one safe step; the
// session file itself is never touched.
#pragma once

#include "sittings/core/SittingCalendar.h"

#include <QByteArray>
#include <QString>

namespace CalendarFile {

// "Nome.calendario.json" beside "Nome.vai".
QString pathFor(const QString& sessionPath);

QByteArray toJson(const SittingCalendar& calendar);
bool fromJson(const QByteArray& bytes, SittingCalendar* calendar, QString* problem);

enum class Status
{
    Missing,
    Read,
    Damaged,
    Failed
};
Status read(const QString& sessionPath, SittingCalendar* calendar, QString* problem);
bool write(const QString& sessionPath, const SittingCalendar& calendar, QString* error);

QString damagedMessage(const QString& path, const QString& problem);

} // namespace CalendarFile

// The program-wide number and date format: a decimal comma and "dd/mm/yyyy",
// whatever the regional settings of the system.
#pragma once

#include <QDate>
#include <QString>

namespace Formats {

constexpr QChar DecimalSeparator = QLatin1Char(',');
constexpr QChar DateSeparator = QLatin1Char('/');

// Sets the process-wide locale so that widgets (calendar, spin boxes) read
// in Italian; called once at start-up and again by each window that the
// program creates, which is harmless.
void apply();

// "dd/mm/yyyy".
QString shortDate(const QDate& date);
QDate parseShortDate(const QString& text);

} // namespace Formats

// Today's date, as the program sees it; tests fix it.
#pragma once

#include <QDate>

namespace Clock {
QDate today();
void setToday(const QDate& date); // an invalid date returns to the system clock
} // namespace Clock

// The date picker's rules: where a picked date goes, how it is written and
// how a typed date is read.
#pragma once

#include <QDate>
#include <QString>

namespace DatePickerRules {

// The one tag: the date goes into the interview date field of the interview
// card window.
inline const QString TagTorneoEmail = QStringLiteral("torneo_email");

// The date as the interview card stores it: "dd/mm/yyyy".
QString testo(const QDate& data);

// A date typed as day/month/year ("15/04/2025", also "3/4/2025"): the date,
// or an invalid date when the text is not a date that exists (31/02/2025,
// 15/13/2025) or not in that form.
QDate read(const QString& typed);

// The message for a typed date that cannot be used.
QString invalidDateMessage(const QString& typed);

} // namespace DatePickerRules

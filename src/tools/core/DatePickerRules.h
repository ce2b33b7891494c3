// The date picker's rules: where a picked date goes, and how it is written.
#pragma once

#include <QDate>
#include <QString>

namespace DatePickerRules {

// The one tag: the date goes into the interview date field of the interview
// card window.
inline const QString TagTorneoEmail = QStringLiteral("torneo_email");

// The date as the interview card stores it: "dd/mm/yyyy".
QString testo(const QDate& data);

} // namespace DatePickerRules

#include "tools/core/DatePickerRules.h"

#include "base/core/Formats.h"

#include <QRegularExpression>

namespace DatePickerRules {

QString testo(const QDate& data)
{
    return Formats::shortDate(data);
}

QDate read(const QString& typed)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = form.match(typed);
    if (!m.hasMatch())
        return QDate();
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    return date.isValid() ? date : QDate();
}

QString invalidDateMessage(const QString& typed)
{
    return QStringLiteral("Attenzione: la data del colloquio \"%1\" non esiste o non è scritta nella forma "
                          "giorno/mese/anno.\r\n\r\nScrivere la data come 15/04/2025, oppure sceglierla dal "
                          "calendario (Alt+Giù o F4).")
        .arg(typed.trimmed());
}

} // namespace DatePickerRules

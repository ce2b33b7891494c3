#include "base/core/Formats.h"

#include <QLocale>

namespace Formats {

void apply()
{
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}

QString shortDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parseShortDate(const QString& text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
}

} // namespace Formats

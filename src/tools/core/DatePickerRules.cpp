#include "tools/core/DatePickerRules.h"

#include "app/core/Formats.h"

namespace DatePickerRules {

QString testo(const QDate& data)
{
    return Formats::shortDate(data);
}

} // namespace DatePickerRules

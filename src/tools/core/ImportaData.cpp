#include "tools/core/ImportaData.h"

#include "app/core/Formats.h"

namespace ImportaData {

QString testo(const QDate& data)
{
    return Formats::shortDate(data);
}

} // namespace ImportaData

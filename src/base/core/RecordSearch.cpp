// The filters of the search windows over either kind of record file.
#include "base/core/RecordSearch.h"

#include "base/core/TextRules.h"

namespace RecordSearch {

bool isActive(const QString& typed)
{
    return !TextRules::trimmed(typed).isEmpty();
}

void Criteria::add(const Field& field, const QString& typed)
{
    if (!isActive(typed))
        return;
    m_fields.append(field);
    m_needles.append(TextFilter::prepare(typed));
}

bool Criteria::accepts(const char* record) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const char* start;
        const qsizetype len = text(record, m_fields.at(i), &start);
        if (!TextFilter::contains(start, len, m_needles.at(i)))
            return false;
    }
    return true;
}

} // namespace RecordSearch

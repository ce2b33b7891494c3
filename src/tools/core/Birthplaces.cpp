// The birthplace table: resources/places/places.tsv, read once on first use
// into a vector sorted by code and searched by halves.
#include "tools/core/Birthplaces.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {

struct Entry
{
    QString code;
    QString name;
    QString where;
    QDate from;
    QDate until;
};

std::vector<Entry> load()
{
    std::vector<Entry> entries;
    QFile file(QStringLiteral(":/places/places.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QString text = QString::fromUtf8(file.readAll());
    entries.reserve(12000);
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto cols = line.split(QLatin1Char('\t'));
        if (cols.size() < 5 || cols.at(0).size() != 4)
            continue;
        entries.push_back({cols.at(0).toString(), cols.at(1).toString(), cols.at(2).toString(),
                           QDate::fromString(cols.at(3).toString(), Qt::ISODate),
                           QDate::fromString(cols.at(4).toString(), Qt::ISODate)});
    }
    // The converter writes the table sorted; sorting again keeps a hand-edited
    // table searchable.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.code < b.code; });
    return entries;
}

const std::vector<Entry>& table()
{
    static const std::vector<Entry> entries = load();
    return entries;
}

bool validOn(const Entry& e, const QDate& date)
{
    return (!e.from.isValid() || date >= e.from) && (!e.until.isValid() || date < e.until);
}

} // namespace

namespace Birthplaces {

Place find(const QString& typed, const QDate& birthDate)
{
    Place place;
    const QString code = typed.trimmed().toUpper();
    const auto& entries = table();
    auto range = std::equal_range(entries.begin(), entries.end(), Entry {code, {}, {}, {}, {}},
                                  [](const Entry& a, const Entry& b) { return a.code < b.code; });
    if (range.first == range.second)
        return place;
    auto chosen = range.first;
    if (birthDate.isValid()) {
        for (auto it = range.first; it != range.second; ++it) {
            if (validOn(*it, birthDate)) {
                chosen = it;
                break;
            }
        }
    }
    place.found = true;
    place.code = chosen->code;
    place.name = chosen->name;
    place.foreign = code.startsWith(QLatin1Char('Z'));
    if (place.foreign)
        place.country = chosen->where;
    else
        place.province = chosen->where;
    place.validFrom = chosen->from;
    place.validUntil = chosen->until;
    return place;
}

QString label(const Place& place)
{
    if (!place.found)
        return QString();
    if (place.foreign || place.province.isEmpty())
        return place.name;
    return QStringLiteral("%1 (%2)").arg(place.name, place.province);
}

int count()
{
    return int(table().size());
}

} // namespace Birthplaces

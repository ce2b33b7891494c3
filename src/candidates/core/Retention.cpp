#include "candidates/core/Retention.h"

#include "base/core/ProgramFolder.h"
#include "base/core/RecordFile.h"
#include "candidates/core/CardDates.h"
#include "candidates/core/Erasure.h"
#include "candidates/core/SchedaCandidato.h"
#include "sessions/core/SchedaColloquio.h"
#include "sessions/core/SessionCatalogue.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace Retention {

namespace {
// The latest interview date of every person in every session, by match key:
// each session file is read once.
QHash<QString, QDate> latestInterviews()
{
    QHash<QString, QDate> latest;
    const QString folder = ProgramFolder::path();
    for (const QString& file : SessionCatalogue::list(folder)) {
        RecordFile session(QDir(folder).filePath(file), TSchedaColloquio::Size);
        if (!session.open())
            continue;
        session.scan([&](qint64, const char* record) {
            const QDate day =
                QDate::fromString(TSchedaColloquio::dataColloquio(record).trimmed(), QStringLiteral("dd/MM/yyyy"));
            if (!day.isValid())
                return true;
            const QString name = TSchedaColloquio::candidato(record);
            for (const QString& key : {Erasure::matchKey(TSchedaColloquio::codiceFiscale(record), QString()),
                                       Erasure::matchKey(QString(), name)}) {
                if (!key.isEmpty() && latest.value(key) < day)
                    latest.insert(key, day);
            }
            return true;
        });
    }
    return latest;
}
} // namespace

QList<Row> overdue(int months, const QDate& today)
{
    QList<Row> rows;
    const QDate limit = today.addMonths(-months);
    const CardDates dates = CardDates::load();
    const QHash<QString, QDate> latest = latestInterviews();
    RecordFile archive(CandidateArchive::path(), TSchedaCandidato::Size);
    if (!archive.open())
        return rows;
    archive.scan([&](qint64 n, const char* record) {
        const QString name = TSchedaCandidato::candidato(record).trimmed();
        if (name.isEmpty() || Erasure::isErased(name))
            return true;
        Row row;
        row.position = n;
        row.candidato = name;
        row.codFisc = TSchedaCandidato::codFisc(record).trimmed();
        row.cardChanged = dates.changed(n);
        row.cardDateOwn = dates.hasOwnDate(n);
        row.lastInterview = latest.value(Erasure::matchKey(row.codFisc, name));
        if (row.lastActivity() < limit)
            rows.append(row);
        return true;
    });
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.lastActivity() < b.lastActivity(); });
    return rows;
}

} // namespace Retention

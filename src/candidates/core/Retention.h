// The retention list: candidates kept longer than needed, whose card has not
// been stored and who had no interview for more than a number of months.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace Retention {

struct Row
{
    qint64 position = 0;
    QString candidato;
    QString codFisc;
    QDate cardChanged; // own date, or the base date of cards older than the dates file
    bool cardDateOwn = false;
    QDate lastInterview; // invalid when none was found
    QDate lastActivity() const { return lastInterview > cardChanged ? lastInterview : cardChanged; }
};

// Cards of the archive in the program folder whose last activity is before
// today less `months` months, oldest first. Empty and erased cards are left
// out.
QList<Row> overdue(int months, const QDate& today);

} // namespace Retention

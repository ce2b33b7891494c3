#include "sittings/core/CalendarFile.h"

#include "base/core/JsonSideFile.h"
#include "base/core/SafeWrite.h"
#include "base/core/WholeFile.h"
#include "sessions/core/SessionCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kFormat = QStringLiteral("selvora-calendario");

QString orderKey(SittingCalendar::Order o)
{
    switch (o) {
    case SittingCalendar::Order::Alphabetical:
        return QStringLiteral("alfabetico");
    case SittingCalendar::Order::DrawnLetter:
        return QStringLiteral("lettera");
    case SittingCalendar::Order::CardOrder:
        break;
    }
    return QStringLiteral("schede");
}

QTime timeOf(const QJsonValue& v)
{
    return QTime::fromString(v.toString(), QStringLiteral("HH:mm"));
}

} // namespace

namespace CalendarFile {

QString pathFor(const QString& sessionPath)
{
    return SessionCatalogue::sidePath(sessionPath, SessionCatalogue::CalendarSuffix);
}

QByteArray toJson(const SittingCalendar& c)
{
    QJsonArray breaks;
    for (const CalendarBreak& b : c.breaks)
        breaks.append(QJsonObject {{QStringLiteral("start"), CalendarPlanner::timeText(b.start)},
                                   {QStringLiteral("minutes"), b.minutes}});
    QJsonArray interviews;
    for (const CalendarSlot& s : c.interviews)
        interviews.append(QJsonObject {{QStringLiteral("card"), double(s.card)},
                                       {QStringLiteral("candidate"), s.candidate},
                                       {QStringLiteral("start"), CalendarPlanner::timeText(s.start)}});
    const QJsonObject root {{QStringLiteral("format"), kFormat},
                            {QStringLiteral("version"), SittingCalendar::Version},
                            {QStringLiteral("session"), c.session},
                            {QStringLiteral("date"), c.date.toString(Qt::ISODate)},
                            {QStringLiteral("place"), c.place},
                            {QStringLiteral("start"), CalendarPlanner::timeText(c.start)},
                            {QStringLiteral("minutes"), c.minutes},
                            {QStringLiteral("end"), CalendarPlanner::timeText(c.dayEnd)},
                            {QStringLiteral("breaks"), breaks},
                            {QStringLiteral("order"), orderKey(c.order)},
                            {QStringLiteral("letter"), QString(c.letter)},
                            {QStringLiteral("interviews"), interviews}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool fromJson(const QByteArray& bytes, SittingCalendar* calendar, QString* problem)
{
    *calendar = SittingCalendar();
    auto fail = [&](const QString& why) {
        *calendar = SittingCalendar();
        if (problem)
            *problem = why;
        return false;
    };
    QJsonObject root;
    QString why;
    if (!JsonSideFile::open(bytes, kFormat, SittingCalendar::Version, QStringLiteral("di calendario"), &root, &why))
        return fail(why);
    SittingCalendar c;
    c.session = root.value(QStringLiteral("session")).toString();
    c.date = QDate::fromString(root.value(QStringLiteral("date")).toString(), Qt::ISODate);
    c.place = root.value(QStringLiteral("place")).toString();
    c.start = timeOf(root.value(QStringLiteral("start")));
    c.minutes = root.value(QStringLiteral("minutes")).toInt(0);
    c.dayEnd = timeOf(root.value(QStringLiteral("end")));
    const QString order = root.value(QStringLiteral("order")).toString();
    bool known = false;
    for (SittingCalendar::Order o : {SittingCalendar::Order::Alphabetical, SittingCalendar::Order::DrawnLetter,
                                     SittingCalendar::Order::CardOrder}) {
        if (orderKey(o) == order) {
            c.order = o;
            known = true;
        }
    }
    if (!known)
        return fail(QStringLiteral("l'ordine dei candidati \"%1\" non è conosciuto.").arg(order));
    const QString letter = root.value(QStringLiteral("letter")).toString();
    if (letter.size() == 1)
        c.letter = letter.at(0);
    for (const QJsonValue& v : root.value(QStringLiteral("breaks")).toArray()) {
        const QJsonObject o = v.toObject();
        CalendarBreak b {timeOf(o.value(QStringLiteral("start"))), o.value(QStringLiteral("minutes")).toInt(0)};
        if (!b.start.isValid() || b.minutes <= 0)
            return fail(QStringLiteral("una pausa non è valida."));
        c.breaks.append(b);
    }
    for (const QJsonValue& v : root.value(QStringLiteral("interviews")).toArray()) {
        const QJsonObject o = v.toObject();
        CalendarSlot s {qint64(o.value(QStringLiteral("card")).toDouble(0)),
                        o.value(QStringLiteral("candidate")).toString(), timeOf(o.value(QStringLiteral("start")))};
        if (s.card < 1 || !s.start.isValid())
            return fail(QStringLiteral("un colloquio non ha la scheda o l'ora."));
        c.interviews.append(s);
    }
    *calendar = c;
    return true;
}

Status read(const QString& sessionPath, SittingCalendar* calendar, QString* problem)
{
    *calendar = SittingCalendar();
    QByteArray bytes;
    switch (WholeFile::read(pathFor(sessionPath), &bytes, problem)) {
    case WholeFile::Status::Missing:
        return Status::Missing;
    case WholeFile::Status::Failed:
        return Status::Failed;
    case WholeFile::Status::Read:
        break;
    }
    if (!fromJson(bytes, calendar, problem))
        return Status::Damaged;
    if (calendar->session.compare(QFileInfo(sessionPath).fileName(), Qt::CaseInsensitive) != 0) {
        if (problem)
            *problem = QStringLiteral("appartiene alla sessione \"%1\".").arg(calendar->session);
        *calendar = SittingCalendar();
        return Status::Damaged;
    }
    return Status::Read;
}

bool write(const QString& sessionPath, const SittingCalendar& calendar, QString* error)
{
    return SafeWrite::wholeFile(pathFor(sessionPath), toJson(calendar), error);
}

QString damagedMessage(const QString& path, const QString& problem)
{
    return QStringLiteral("Attenzione: il file del calendario \"%1\" non può essere usato: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}

} // namespace CalendarFile

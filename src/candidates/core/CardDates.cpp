#include "candidates/core/CardDates.h"

#include "base/core/ProgramFolder.h"
#include "base/core/SafeWrite.h"
#include "candidates/core/SchedaCandidato.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

QString CardDates::fileName()
{
    return QStringLiteral("selvora-schede-date.json");
}

QString CardDates::path()
{
    return ProgramFolder::file(fileName());
}

CardDates CardDates::load()
{
    CardDates d;
    QFile f(path());
    if (f.open(QIODevice::ReadOnly)) {
        const QJsonObject root = QJsonDocument::fromJson(f.readAll()).object();
        d.m_base = QDate::fromString(root.value(QStringLiteral("base")).toString(), Qt::ISODate);
        const QJsonObject cards = root.value(QStringLiteral("schede")).toObject();
        for (auto it = cards.begin(); it != cards.end(); ++it) {
            bool ok = false;
            const qint64 n = it.key().toLongLong(&ok);
            const QDate day = QDate::fromString(it.value().toString(), Qt::ISODate);
            if (ok && n > 0 && day.isValid())
                d.m_dates.insert(n, day);
        }
    }
    if (!d.m_base.isValid()) {
        const QFileInfo archive(CandidateArchive::path());
        d.m_base = archive.exists() ? archive.lastModified().date() : QDate::currentDate();
    }
    return d;
}

QDate CardDates::changed(qint64 card) const
{
    return m_dates.value(card, m_base);
}

bool CardDates::save(QString* error) const
{
    QJsonObject cards;
    QList<qint64> keys = m_dates.keys();
    std::sort(keys.begin(), keys.end());
    for (qint64 n : keys)
        cards.insert(QString::number(n), m_dates.value(n).toString(Qt::ISODate));
    const QJsonObject root {
        {QStringLiteral("descrizione"),
         QStringLiteral("Data dell'ultimo salvataggio di ogni scheda dell'archivio candidati "
                        "(numero della scheda: data). Le schede senza data contano dalla data base.")},
        {QStringLiteral("base"), m_base.toString(Qt::ISODate)},
        {QStringLiteral("schede"), cards}};
    return SafeWrite::wholeFile(path(), QJsonDocument(root).toJson(QJsonDocument::Indented), error);
}

bool CardDates::stored(qint64 card, const QDate& day, QString* error)
{
    CardDates d = load();
    // The base is fixed the first time: before this store changed the archive.
    d.m_dates.insert(card, day);
    return d.save(error);
}

bool CardDates::ensure(QString* error)
{
    if (QFileInfo::exists(path()))
        return true;
    return load().save(error);
}

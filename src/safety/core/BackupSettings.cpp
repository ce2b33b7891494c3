#include "safety/core/BackupSettings.h"

#include "base/core/DataFiles.h"
#include "base/core/ProgramFolder.h"
#include "base/core/SafeWrite.h"

#include <QFile>

QString BackupSettings::path()
{
    return ProgramFolder::file(DataFiles::BackupSettingsFile);
}

BackupSettings BackupSettings::load()
{
    BackupSettings s;
    QFile f(path());
    if (!f.open(QIODevice::ReadOnly))
        return s;
    // A small "key=value" text the user may read; unknown or broken lines
    // are ignored and leave the default.
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("ultimo_backup")) {
            s.lastBackup = QDateTime::fromString(value, Qt::ISODate);
        } else if (key == QLatin1String("promemoria_giorni")) {
            bool ok = false;
            const int days = value.toInt(&ok);
            if (ok && days >= 0 && days <= 3650)
                s.reminderDays = days;
        }
    }
    return s;
}

bool BackupSettings::save(QString* error) const
{
    const QString text = QStringLiteral("[backup]\n"
                                        "; quando e' stato fatto l'ultimo backup dei dati\n"
                                        "ultimo_backup=%1\n"
                                        "; promemoria all'uscita dopo questi giorni senza backup (0 = mai)\n"
                                        "promemoria_giorni=%2\n")
                             .arg(lastBackup.isValid() ? lastBackup.toString(Qt::ISODate) : QString())
                             .arg(reminderDays);
    return SafeWrite::wholeFile(path(), text.toUtf8(), error);
}

bool BackupSettings::reminderDue(const QDateTime& now) const
{
    if (reminderDays <= 0)
        return false;
    return !lastBackup.isValid() || lastBackup.daysTo(now) >= reminderDays;
}

QString BackupSettings::reminderText(const QDateTime& now) const
{
    QString text;
    if (!lastBackup.isValid())
        text = QStringLiteral("Non è ancora stato fatto nessun backup dei dati di Selvora.");
    else
        text = QStringLiteral("L'ultimo backup dei dati di Selvora risale al %1 (%2 giorni fa).")
                   .arg(lastBackup.toString(QStringLiteral("dd/MM/yyyy")))
                   .arg(lastBackup.daysTo(now));
    return text +
        QStringLiteral("\n\nSi consiglia di fare ora un backup con il pulsante \"Backup\" della "
                       "schermata iniziale.\n\nUscire comunque dal programma?");
}

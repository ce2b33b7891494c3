// The backup reminder's settings, in "selvora-backup.ini" in the program
// folder: when the last backup was made and after how many days the program
// reminds the user at exit (0: never, as a fresh folder has it).
#pragma once

#include <QDateTime>
#include <QString>

struct BackupSettings
{
    QDateTime lastBackup;
    int reminderDays = 0;

    static BackupSettings load();
    // False, with error set, when the file could not be written.
    bool save(QString* error) const;

    // Whether leaving the program now should remind the user.
    bool reminderDue(const QDateTime& now) const;
    // "L'ultimo backup dei dati risale a 12 giorni fa..." or, never made,
    // "Non è ancora stato fatto nessun backup dei dati...".
    QString reminderText(const QDateTime& now) const;

    static QString path();
};

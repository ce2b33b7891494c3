// Backup and restore of the program folder's data as one .zip file. The zip
// holds every data file (see DataFiles) and a manifest naming each file with
// its size and SHA-256 and the program's version. A backup is read back and
// checked before it counts; a restore checks the whole zip before touching
// anything, and puts every previous file back if it fails midway.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Backup {

// "selvora-manifest.json", at the root of the zip.
QString manifestName();

// "Selvora-backup-2026-12-10-1530.zip" for that moment.
QString defaultFileName(const QDateTime& when);

struct Entry
{
    QString path; // relative to the program folder, "/" separated
    qint64 size = 0;
    QByteArray sha256; // hex
};

struct Manifest
{
    QString program;
    QString version;
    QDateTime created;
    QList<Entry> files;
};

// Called as bytes are read or written; answering false cancels.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// Writes every data file of folder into zipPath (replaced only when complete),
// then reads it back and checks it against the manifest. On failure zipPath
// is left as it was and error holds an Italian explanation.
bool create(const QString& folder, const QString& zipPath, const Progress& progress, Manifest* written, QString* error);

// Reads the whole zip: it must be a zip with the manifest, hold only plain
// files inside its root that the manifest names and that are data files,
// and every file must have the size and SHA-256 the manifest gives.
bool verify(const QString& zipPath, Manifest* manifest, QString* error, const Progress& progress = Progress());

// What a restore of a checked zip would do to folder.
struct Plan
{
    Manifest manifest;
    QStringList replaced; // in the folder now and in the backup
    QStringList added; // in the backup only
    QStringList removed; // data files in the folder now, not in the backup
};
bool plan(const QString& folder, const QString& zipPath, Plan* out, QString* error);

// Restores the zip into folder: checks it, writes a safety backup of the
// current data to safetyZip, writes every file of the backup into a hidden
// work folder, writes a journal of the swap, then swaps them in; data files
// not in the backup are taken away. Any failure before the end puts every
// previous file back; a restore stopped by a crash is finished or undone by
// finishInterrupted() at the next start. Refused in a read-only run and when
// a file would be written through a link leading out of the folder.
bool restore(const QString& folder, const QString& zipPath, const QString& safetyZip, const Progress& progress,
             QString* error);

// The hidden folder, inside the program folder, where a restore keeps its
// journal and the files it is swapping: ".selvora-ripristino".
QString workFolderName();

// What the start-up found of a restore stopped midway by a crash.
enum class Recovery
{
    Nothing, // no restore was interrupted
    Finished, // the swap had started: it is now complete, the data are the backup's
    RolledBack, // it had not started (or could not be finished): the data are as before
    Failed // neither could be done: the files wait in the work folder
};
// Settles an interrupted restore; message says in Italian what was done.
Recovery finishInterrupted(const QString& folder, QString* message);

// The zip written before a restore, in the folder "Backup_di_sicurezza".
QString safetyFolderName();
QString safetyFileName(const QDateTime& when);

// Tests make the swap fail after that many files have been replaced (-1: never).
void setReplaceFailureForTest(int afterFiles);

} // namespace Backup

// Which files of the program folder are the office's data: what a backup
// holds, a restore replaces and a data-protection check looks at. Every other
// file there (the program, its libraries, the manual, the lock) is not data.
#pragma once

#include <QString>
#include <QStringList>

namespace DataFiles {

// The names the data lives under in the program folder.
inline const QString CandidateArchive = QStringLiteral("Archivio_Candidati.pro");
inline const QString PhotoFolder = QStringLiteral("Anagrafica");
inline const QString AttachmentFolder = QStringLiteral("Documenti_Allegati");
inline const QString PasswordFile = QStringLiteral("unins000.dll");
// The backup reminder's settings: about this folder, not data in it, so a
// restore never puts an older "last backup" back.
inline const QString BackupSettingsFile = QStringLiteral("selvora-backup.ini");

// Whether a path relative to the program folder ("/" separated) is data:
// the archive, a session file (*.vai), a side file in the folder itself
// (*.json, *.ini) other than the backup settings, the password file, or a file anywhere under the photo or
// attachment folder.
bool isData(const QString& relativePath);

// Every data file now in the folder, relative to it, "/" separated, sorted.
// Links are never followed nor listed.
QStringList list(const QString& folder);

} // namespace DataFiles

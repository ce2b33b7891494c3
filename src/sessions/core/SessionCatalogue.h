// The set of sessions: the ".vai" files directly in the program folder. There
// is no index; the folder is the catalogue.
#pragma once

#include <QString>
#include <QStringList>

namespace SessionCatalogue {

inline const QString Extension = QStringLiteral(".vai");

// Characters the name field drops when typed.
bool isRefusedKey(QChar c);
// Whether a (trimmed) name may become a file name in the program folder: no
// refused character, no path separator, no control character, no "|".
bool isAcceptableName(const QString& name);

// The file names (with extension, as on disk) of the sessions in folder, in
// list order. Only plain files whose name ends in ".vai" in any letter case.
QStringList list(const QString& folder);

// A session file whose name equals fileName when letters are compared
// without regard to case, as on the removable drives the folder travels on.
bool exists(const QString& folder, const QString& fileName);

// Creates the empty session file; 0 on success, else the system's error number.
int createEmpty(const QString& path);

// The session name shown to the user: the file name less its last four
// characters.
QString sessionName(const QString& fileName);

// A side file of the session: "Nome<suffix>" beside "Nome.vai" (a name not
// ending in ".vai" keeps its whole name).
QString sidePath(const QString& sessionPath, const QString& suffix);

// The endings of a session's side files: its scoring grid and its calendar.
inline const QString GridSuffix = QStringLiteral(".griglia.json");
inline const QString CalendarSuffix = QStringLiteral(".calendario.json");

} // namespace SessionCatalogue

namespace SessionCatalogue {
// Deletes a session file and the side files kept beside it (scoring grid,
// calendar). False (with the reason) when any of them is still there
// afterwards.
bool removeSession(const QString& path, QString* error);
} // namespace SessionCatalogue

// The save dialog of a file the program writes, with the rule on the names
// Windows refuses: a refused name gets its Italian message and counts as a
// cancelled dialog, so nothing is written.
#pragma once

#include <QString>

class QWidget;

namespace SaveName {

// The folder to propose for a file the user saves, with a trailing "/":
// preferred, or the user's documents in a read-only run, whose program
// folder cannot take the file.
QString folder(const QString& preferred);

QString ask(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
            const QString& defaultSuffix);

} // namespace SaveName

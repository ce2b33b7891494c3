// The save dialog of a file the program writes, with the rule on the names
// Windows refuses: a refused name gets its Italian message and counts as a
// cancelled dialog, so nothing is written.
#pragma once

#include <QString>

class QWidget;

namespace SaveName {

QString ask(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
            const QString& defaultSuffix);

} // namespace SaveName

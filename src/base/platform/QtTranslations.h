#pragma once

#include <QString>
#include <QStringList>

// Qt's own texts (dialog buttons, the print dialog, the media libraries) in
// Italian. A portable copy carries the translation files in "translations"
// beside the executable; an installed copy finds them where Qt keeps them.
namespace QtTranslations {

// The folders searched, in order.
QStringList folders();

// Installs the Italian translation "<name>_it.qm" (for example "qtbase") on
// the running application; false when no folder holds it.
bool install(const QString& name);

} // namespace QtTranslations

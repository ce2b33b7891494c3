// Symbolic links inside the program folder: a file reached through one may
// lie anywhere on the computer. Nothing is ever written through a link that
// leads out of the program folder; the writer asks here first.
#pragma once

#include <QString>

namespace LinkGuard {

// True when path lies inside folder by its name but, once every symbolic link
// on the way (the file itself or one of its folders) is followed, ends up
// outside it. A path that is not inside folder at all answers false.
bool leadsOut(const QString& path, const QString& folder);

// "Il file "Anagrafica/x.jpg" si trova dietro un collegamento ... non vi scrive."
QString message(const QString& shownName);

} // namespace LinkGuard

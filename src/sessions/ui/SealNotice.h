// The published ranking of a session, as the interview card window sees it:
// a question before a store would break the seal of the publication, and a
// line that says so while the seal is broken.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace SealNotice {

// True when the card may be stored: the session has no intact sealed
// publication, or the user chose "Salva comunque".
bool confirmStore(QWidget* parent, const QString& sessionPath);

// The line "lblSigillo", hidden until refresh() finds the seal broken.
QLabel* create(QWidget* parent);
// Shows the line while the publication no longer matches the session files.
void refresh(QLabel* line, const QString& sessionPath);

} // namespace SealNotice

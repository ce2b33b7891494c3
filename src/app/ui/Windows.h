// The screen windows: one instance each for the whole run, reached from every
// other window through here. Only the login window is made at start; each of
// the others is made the first time it is asked for and kept until the end.
#pragma once

#include <QString>

class TfrmPassword;
class TfrmAvvio;
class TfrmApriArchivio;
class TfrmApriClassifica;
class TfrmCambiaPassword;
class TfrmCreaArchivio;
class TfrmTorneo;
class TfrmCandidati;

namespace Windows {

void createFirst();
// Destroys every window made so far; while it runs, asking for a window that
// is already gone gives nullptr.
void destroyAll();
// Shows the first window, the login, and says so when the program folder is
// on a read-only medium.
void showFirst();
// The warning about a read-only program folder.
QString readOnlyText();

TfrmPassword* password();
TfrmAvvio* avvio();
TfrmApriArchivio* apriArchivio();
TfrmApriClassifica* apriClassifica();
TfrmCambiaPassword* cambiaPassword();
TfrmCreaArchivio* creaArchivio();
TfrmTorneo* torneo();
TfrmCandidati* candidati();

} // namespace Windows

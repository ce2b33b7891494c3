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
// Shows the first window, the login.
void showFirst();
// The warning about a read-only program folder, given once at start by the
// claim on the folder (FolderAccess).
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

// The screen windows: one instance each for the whole run, created at start in
// the program's fixed order (the login window first) and reached from every
// other window through here.
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

void createAll();
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

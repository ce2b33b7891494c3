// The screen windows: one instance each for the whole run, created at start in
// the program's fixed order (the login window first) and reached from every
// other window through here.
#pragma once

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
// Shows the first window, the login.
void showFirst();

TfrmPassword* password();
TfrmAvvio* avvio();
TfrmApriArchivio* apriArchivio();
TfrmApriClassifica* apriClassifica();
TfrmCambiaPassword* cambiaPassword();
TfrmCreaArchivio* creaArchivio();
TfrmTorneo* torneo();
TfrmCandidati* candidati();

} // namespace Windows

#include "app/ui/Windows.h"

#include "app/core/ProgramFolder.h"
#include "app/platform/Messages.h"

#include "app/ui/Avvio.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Password.h"
#include "candidates/ui/Candidati.h"
#include "rankings/ui/ApriClassifica.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/Torneo.h"

#include <QDir>

namespace {
TfrmPassword* g_password = nullptr;
TfrmAvvio* g_avvio = nullptr;
TfrmApriArchivio* g_apriArchivio = nullptr;
TfrmApriClassifica* g_apriClassifica = nullptr;
TfrmCambiaPassword* g_cambiaPassword = nullptr;
TfrmCreaArchivio* g_creaArchivio = nullptr;
TfrmTorneo* g_torneo = nullptr;
TfrmCandidati* g_candidati = nullptr;
} // namespace

namespace Windows {

void createAll()
{
    // The order of creation is the program's window order; dialogs are made
    // per use by the window that shows them.
    g_password = new TfrmPassword;
    g_avvio = new TfrmAvvio;
    g_apriArchivio = new TfrmApriArchivio;
    g_apriClassifica = new TfrmApriClassifica;
    g_cambiaPassword = new TfrmCambiaPassword;
    g_creaArchivio = new TfrmCreaArchivio;
    g_torneo = new TfrmTorneo;
    g_candidati = new TfrmCandidati;
}

void destroyAll()
{
    delete g_candidati;
    delete g_torneo;
    delete g_creaArchivio;
    delete g_cambiaPassword;
    delete g_apriClassifica;
    delete g_apriArchivio;
    delete g_avvio;
    delete g_password;
    g_password = nullptr;
    g_avvio = nullptr;
    g_apriArchivio = nullptr;
    g_apriClassifica = nullptr;
    g_cambiaPassword = nullptr;
    g_creaArchivio = nullptr;
    g_torneo = nullptr;
    g_candidati = nullptr;
}

void showFirst()
{
    g_password->show();
    if (!ProgramFolder::isWritable())
        Messages::warning(g_password, readOnlyText());
}

QString readOnlyText()
{
    return QStringLiteral("Attenzione: la cartella del programma\n%1\nè in sola lettura (per esempio una chiavetta "
                          "USB protetta dalla scrittura, un CD o una cartella di rete senza il permesso di "
                          "scrittura).\n\nI dati si possono consultare, ma nessuna modifica potrà essere salvata.")
        .arg(QDir::toNativeSeparators(ProgramFolder::path()));
}

TfrmPassword* password()
{
    return g_password;
}
TfrmAvvio* avvio()
{
    return g_avvio;
}
TfrmApriArchivio* apriArchivio()
{
    return g_apriArchivio;
}
TfrmApriClassifica* apriClassifica()
{
    return g_apriClassifica;
}
TfrmCambiaPassword* cambiaPassword()
{
    return g_cambiaPassword;
}
TfrmCreaArchivio* creaArchivio()
{
    return g_creaArchivio;
}
TfrmTorneo* torneo()
{
    return g_torneo;
}
TfrmCandidati* candidati()
{
    return g_candidati;
}

} // namespace Windows

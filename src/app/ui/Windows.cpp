#include "app/ui/Windows.h"

#include "base/core/ProgramFolder.h"

#include "app/ui/Avvio.h"
#include "app/ui/CambiaPassword.h"
#include "app/ui/Password.h"
#include "candidates/ui/Candidati.h"
#include "rankings/ui/ApriClassifica.h"
#include "sessions/ui/ApriArchivio.h"
#include "sessions/ui/CreaArchivio.h"
#include "sessions/ui/Torneo.h"

#include "shared/ui/ScreenWindow.h"

#include <QDir>

#include <type_traits>

namespace {
TfrmPassword* g_password = nullptr;
TfrmAvvio* g_avvio = nullptr;
TfrmApriArchivio* g_apriArchivio = nullptr;
TfrmApriClassifica* g_apriClassifica = nullptr;
TfrmCambiaPassword* g_cambiaPassword = nullptr;
TfrmCreaArchivio* g_creaArchivio = nullptr;
TfrmTorneo* g_torneo = nullptr;
TfrmCandidati* g_candidati = nullptr;
// Set while the windows are being destroyed: a window that asks for another
// one then gets what still exists, never a new one.
bool g_destroying = false;

// A window is built the first time it is asked for, so start-up pays only
// for the login window.
template <typename Window>
Window* made(Window*& slot)
{
    if (!slot && !g_destroying) {
        slot = new Window;
        // A working screen window that closes hands back to the launcher.
        if constexpr (std::is_base_of_v<ScreenWindow, Window>)
            QObject::connect(slot, &ScreenWindow::closed, [] {
                if (TfrmAvvio* launcher = made(g_avvio))
                    launcher->show();
            });
    }
    return slot;
}

template <typename Window>
void destroy(Window*& slot)
{
    delete slot;
    slot = nullptr;
}
} // namespace

namespace Windows {

void createFirst()
{
    made(g_password);
}

void destroyAll()
{
    g_destroying = true;
    destroy(g_candidati);
    destroy(g_torneo);
    destroy(g_creaArchivio);
    destroy(g_cambiaPassword);
    destroy(g_apriClassifica);
    destroy(g_apriArchivio);
    destroy(g_avvio);
    destroy(g_password);
    g_destroying = false;
}

void showFirst()
{
    // A folder that cannot be written is told by the claim on the folder
    // that follows, once.
    password()->show();
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
    return made(g_password);
}
TfrmAvvio* avvio()
{
    return made(g_avvio);
}
TfrmApriArchivio* apriArchivio()
{
    return made(g_apriArchivio);
}
TfrmApriClassifica* apriClassifica()
{
    return made(g_apriClassifica);
}
TfrmCambiaPassword* cambiaPassword()
{
    return made(g_cambiaPassword);
}
TfrmCreaArchivio* creaArchivio()
{
    return made(g_creaArchivio);
}
TfrmTorneo* torneo()
{
    return made(g_torneo);
}
TfrmCandidati* candidati()
{
    return made(g_candidati);
}

} // namespace Windows

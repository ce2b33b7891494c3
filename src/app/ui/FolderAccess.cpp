#include "app/ui/FolderAccess.h"

#include "app/core/AccessMode.h"
#include "app/core/FolderLock.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TailRepair.h"
#include "app/platform/Messages.h"
#include "candidates/core/CardDates.h"
#include "candidates/core/SchedaCandidato.h"
#include "shared/ui/WriteGuard.h"

#include <QDir>

#include <memory>

namespace {
std::unique_ptr<FolderLock> g_lock;

// An import cut short, or an end of the archive left damaged by a crash, is
// put right before anything else reads the archive, and the user is told.
void repairArchive(QWidget* parent)
{
    const TailRepair::Result r = TailRepair::run(CandidateArchive::path(), TSchedaCandidato::Size);
    const QString text = TailRepair::message(r, QStringLiteral("l'archivio dei candidati"));
    if (!text.isEmpty())
        Messages::warning(parent, text);
}
} // namespace

namespace FolderAccess {

bool claim(QWidget* parent)
{
    g_lock = std::make_unique<FolderLock>(ProgramFolder::path());
    switch (g_lock->acquire()) {
    case FolderLock::Result::Acquired: {
        AccessMode::setWritable();
        QString ignored;
        CardDates::ensure(&ignored);
        repairArchive(parent);
        break;
    }
    case FolderLock::Result::InUse:
        if (!Messages::confirm(
                parent,
                FolderLock::inUseMessage(g_lock->holder()) +
                    QStringLiteral("\n\nDue copie del programma che scrivono negli stessi file possono "
                                   "rovinare i dati, quindi solo una alla volta può modificarli.\n\n"
                                   "Aprire Selvora in sola lettura? In sola lettura si possono consultare "
                                   "e stampare i dati, ma non modificarli.\n\n"
                                   "Scegliere No per uscire dal programma.")))
            return false;
        AccessMode::setReadOnly(AccessMode::reasonInUse());
        break;
    case FolderLock::Result::CannotCreate:
        Messages::warning(parent,
                          QStringLiteral("La cartella del programma (%1) è in sola lettura: Selvora non può "
                                         "scriverci.\n\nIl programma si apre in sola lettura: si possono consultare "
                                         "e stampare i dati, ma non modificarli.")
                              .arg(QDir::toNativeSeparators(ProgramFolder::path())));
        AccessMode::setReadOnly(AccessMode::reasonFolderReadOnly());
        break;
    }
    WriteGuard::applyAll();
    return true;
}

void release()
{
    g_lock.reset();
}

} // namespace FolderAccess

#include "safety/ui/FolderAccess.h"

#include "app/ui/Windows.h"
#include "base/core/AccessMode.h"
#include "base/core/ProgramFolder.h"
#include "base/core/TailRepair.h"
#include "base/platform/Messages.h"
#include "candidates/core/CardDates.h"
#include "candidates/core/SchedaCandidato.h"
#include "safety/core/Backup.h"
#include "safety/core/FolderLock.h"
#include "shared/ui/WriteGuard.h"

#include <QDir>

#include <memory>

namespace {
std::unique_ptr<FolderLock> g_lock;

void tellReadOnly(QWidget* parent)
{
    Messages::choose(parent, Messages::Kind::Warning, Windows::readOnlyText(), {QStringLiteral("OK")});
    AccessMode::setReadOnly(AccessMode::reasonFolderReadOnly());
}

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
    // A folder that cannot be written is told once, with the only answer
    // there is; no lock can be made in it.
    if (!ProgramFolder::isWritable()) {
        g_lock.reset();
        tellReadOnly(parent);
        WriteGuard::applyAll();
        return true;
    }
    g_lock = std::make_unique<FolderLock>(ProgramFolder::path());
    switch (g_lock->acquire()) {
    case FolderLock::Result::Acquired: {
        AccessMode::setWritable();
        // A restore stopped by a crash is finished or undone before any
        // window reads a file, and the user is told which.
        QString told;
        switch (Backup::finishInterrupted(ProgramFolder::path(), &told)) {
        case Backup::Recovery::Nothing:
            break;
        case Backup::Recovery::Finished:
        case Backup::Recovery::RolledBack:
            Messages::information(parent, told);
            break;
        case Backup::Recovery::Failed:
            Messages::warning(parent, told);
            break;
        }
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
        // Told once, as it is (disk full, no permission…), with the only
        // answer there is.
        Messages::choose(parent, Messages::Kind::Warning,
                         QStringLiteral("Selvora non può scrivere nella cartella del programma (%1): %2.\n\n"
                                        "Il programma si apre in sola lettura: si possono consultare "
                                        "e stampare i dati, ma non modificarli.")
                             .arg(QDir::toNativeSeparators(ProgramFolder::path()), g_lock->problem()),
                         {QStringLiteral("OK")});
        AccessMode::setReadOnly(AccessMode::reasonCannotWrite(g_lock->problem()));
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

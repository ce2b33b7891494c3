// Candidate archive export: the 100,000-card archive from opening the export
// window to the written spreadsheet file, beside cp of the same archive.
#include "Bench.h"

#include "base/core/ProgramFolder.h"
#include "base/platform/Messages.h"
#include "base/platform/OpenURL.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/ExpCandidati.h"
#include "shared/ui/PictureButton.h"

#include <QPushButton>
#include <QToolButton>

#include <memory>

SELVORA_BENCHMARK("export: candidate archive of 100,000 cards to Archivio_Candidati.xls")
{
    ProgramFolder::setOverride(Bench::candidateFolder(100000));
    // The two questions of the export command are answered without boxes,
    // and the finished file is not handed to a spreadsheet program.
    Messages::setTestMode(true);
    TMisc::setTestMode(true);
    const Bench::Baseline cp = Bench::copy(CandidateArchive::path());

    Bench::compare(
        QStringLiteral("export.window.100k"), QStringLiteral("export window opened: grid of 100,000 rows"),
        [] {
            std::unique_ptr<TfrmExpCandidati> w(new TfrmExpCandidati);
            w->show(); // fills the grid
        },
        cp);
    Bench::compare(
        QStringLiteral("export.100k"), QStringLiteral("export window opened to spreadsheet file written"),
        [] {
            std::unique_ptr<TfrmExpCandidati> w(new TfrmExpCandidati);
            w->show();
            Messages::queueAnswer(Messages::Answer::Yes);
            Messages::queueAnswer(Messages::Answer::No);
            w->cmdEsporta->click();
        },
        cp);

    Messages::resetTestState();
    Messages::setTestMode(false);
    TMisc::setTestMode(false);
    ProgramFolder::clearOverride();
}

// The candidate search over 100,000- and 300,000-card archives, from the
// window opened and "Cerca" clicked to the filled and laid-out result list,
// with no filter, one selective filter and two loose ones; and the recontact
// summary. Each beside grep of the same archive in the same run.
#include "Bench.h"

#include "base/core/ProgramFolder.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/DaRicontattare.h"
#include "candidates/ui/TrovaCandidati.h"
#include "shared/ui/SummaryList.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

// One search as the user runs it: the window opened, the filters typed, a
// click on "Cerca", the list filled and laid out on screen.
int searchOnce(const QString& name, const QString& town)
{
    TfrmTrovaCandidati window;
    window.lblMemory->setText(TfrmTrovaCandidati::candidatesMode());
    window.show();
    QApplication::processEvents();
    window.txtCandidato->setText(name);
    window.txtLuogoNasc->setText(town);
    window.btnCerca->click();
    window.lstRecords->doItemsLayout();
    QApplication::processEvents();
    return window.lstRecords->count();
}

} // namespace

SELVORA_BENCHMARK("search: candidate search over 100,000 and 300,000 cards")
{
    for (const int cards : {100000, 300000}) {
        ProgramFolder::setOverride(Bench::candidateFolder(cards));
        const QString archive = CandidateArchive::path();
        const QString n = Bench::thousands(cards);
        // A text no card holds: grep reads the whole archive, as the search
        // does; the same baseline for the three, so that their ratios compare.
        const Bench::Baseline grep = Bench::grep(QStringLiteral("nessun riscontro"), archive);
        int found = 0;
        Bench::compare(
            QStringLiteral("search.nofilter.") + n, QStringLiteral("candidate search, no filter"),
            [&] { found = searchOnce(QString(), QString()); }, grep);
        std::printf("    (%d cards listed)\n", found);
        Bench::compare(
            QStringLiteral("search.onefilter.") + n, QStringLiteral("candidate search, name \"rossi mario\""),
            [&] { found = searchOnce(QStringLiteral("rossi mario"), QString()); }, grep);
        std::printf("    (%d cards listed)\n", found);
        Bench::compare(
            QStringLiteral("search.twofilters.") + n, QStringLiteral("candidate search, name \"i\" + birthplace \"a\""),
            [&] { found = searchOnce(QStringLiteral("i"), QStringLiteral("a")); }, grep);
        std::printf("    (%d cards listed)\n", found);
        if (cards == 100000) {
            Bench::compare(
                QStringLiteral("recontact.") + n, QStringLiteral("recontact summary window shown"),
                [&] {
                    TfrmDaRicontattare window;
                    window.show();
                    window.lstRecords->doItemsLayout();
                    QApplication::processEvents();
                    found = window.lstRecords->count();
                },
                grep);
            std::printf("    (%d cards listed)\n", found);
        }
        ProgramFolder::clearOverride();
    }
}

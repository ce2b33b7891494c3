#include "candidates/ui/DaRicontattare.h"

#include "candidates/core/CandidateSearch.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/TrovaCandidati.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>

TfrmDaRicontattare::TfrmDaRicontattare(QWidget* parent)
    : ListWindow(parent,
                 Look::list(QStringLiteral(" Riepilogo candidati da ricontattare"), QStringLiteral("Riepilogo dati")))
{
    setObjectName(QStringLiteral("frmDaRicontattare"));
    icoIstruzioni = instructions();
}

void TfrmDaRicontattare::FormShow()
{
    // An unreadable archive is said so, rather than shown as an archive
    // without candidates to recontact.
    showListing([](RecordSearch::Listing* listing) {
        return CandidateSearch::recontactList(CandidateArchive::path(), listing);
    });
}

QString TfrmDaRicontattare::printTitle() const
{
    return QStringLiteral("Riepilogo candidati da ricontattare");
}

void TfrmDaRicontattare::handOver(int row)
{
    TSchedaCandidato scheda;
    if (!CandidateSearch::cardOfLine(CandidateArchive::path(), lstRecords->position(row), lstRecords->text(row),
                                     &scheda))
        return;
    if (TfrmCandidati* w = CandidateHandOver::cardWindow(parentWidget()))
        CandidateHandOver::show(w, lstRecords->position(row), scheda);
}

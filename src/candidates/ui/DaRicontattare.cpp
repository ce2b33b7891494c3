#include "candidates/ui/DaRicontattare.h"

#include "base/core/RecordFile.h"
#include "base/platform/Messages.h"
#include "candidates/core/CandidateSearch.h"
#include "candidates/core/SchedaCandidato.h"
#include "candidates/ui/TrovaCandidati.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const ListWindow::Look& listLook()
{
    static const ListWindow::Look look {
        QStringLiteral(" Riepilogo candidati da ricontattare"),
        QStringLiteral("Riepilogo dati"),
        QColor(0x46, 0x82, 0xB4), // steel blue
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni"),
        false};
    return look;
}
} // namespace

TfrmDaRicontattare::TfrmDaRicontattare(QWidget* parent)
    : ListWindow(parent, listLook())
{
    setObjectName(QStringLiteral("frmDaRicontattare"));
    icoIstruzioni = instructions();
}

void TfrmDaRicontattare::FormShow()
{
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    lstRecords->clear();
    RecordSearch::Listing listing;
    const bool ok = CandidateSearch::recontactList(CandidateArchive::path(), &listing);
    // The cards read before a failure are listed all the same.
    lstRecords->setLines(listing.lines, listing.positions);
    txtTrova->setFocus(Qt::OtherFocusReason);
    // An unreadable archive is said so, rather than shown as an archive
    // without candidates to recontact.
    if (!ok)
        Messages::plain(this, RecordFile::accessMessage());
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

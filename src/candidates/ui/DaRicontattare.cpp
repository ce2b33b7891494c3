#include "candidates/ui/DaRicontattare.h"

#include "app/core/RecordFile.h"
#include "app/platform/Messages.h"
#include "candidates/core/RicercaCandidati.h"
#include "candidates/core/SchedaCandidato.h"
#include "output/ui/SummaryList.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const TListWindow::Aspetto& aspettoDaRicontattare()
{
    static const TListWindow::Aspetto a {
        QStringLiteral(" Riepilogo candidati da ricontattare"),
        QStringLiteral("Riepilogo dati"),
        QColor(0x46, 0x82, 0xB4), // steel blue
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni"),
        false};
    return a;
}
} // namespace

TfrmDaRicontattare::TfrmDaRicontattare(QWidget* parent)
    : TListWindow(parent, aspettoDaRicontattare())
{
    setObjectName(QStringLiteral("frmDaRicontattare"));
    icoIstruzioni = istruzioni();
}

void TfrmDaRicontattare::FormShow()
{
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    lstRecords->clear();
    RicercaCandidati::Elenco elenco;
    const bool ok = RicercaCandidati::elencoDaRicontattare(CandidateArchive::path(), &elenco);
    // The cards read before a failure are listed all the same.
    lstRecords->setLines(elenco.righe, elenco.posizioni);
    txtTrova->setFocus(Qt::OtherFocusReason);
    // An unreadable archive is said so, rather than shown as an archive
    // without candidates to recontact.
    if (!ok)
        Messages::plain(this, RecordFile::accessMessage());
}

QString TfrmDaRicontattare::titoloStampa() const
{
    return QStringLiteral("Riepilogo candidati da ricontattare");
}

void TfrmDaRicontattare::consegna(int row)
{
    TSchedaCandidato scheda;
    if (!RicercaCandidati::schedaDellaRiga(CandidateArchive::path(), lstRecords->position(row), lstRecords->text(row),
                                           &scheda))
        return;
    if (TfrmCandidati* w = ConsegnaCandidato::finestraCandidati(parentWidget()))
        ConsegnaCandidato::mostra(w, lstRecords->position(row), scheda);
}

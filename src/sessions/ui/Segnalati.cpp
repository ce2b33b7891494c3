#include "sessions/ui/Segnalati.h"

#include "app/core/RecordFile.h"
#include "app/core/TextRules.h"
#include "app/platform/Messages.h"
#include "output/ui/SummaryList.h"
#include "sessions/core/RicercaPagina.h"
#include "sessions/ui/Torneo.h"
#include "sessions/ui/TrovaPagina.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const TListWindow::Aspetto& aspettoSegnalati()
{
    static const TListWindow::Aspetto a {
        QStringLiteral(" Elenco candidati idonei"),
        QStringLiteral("Elenco candidati idonei"),
        QColor(0x46, 0x82, 0xB4), // steel blue
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni"),
        false};
    return a;
}
} // namespace

TfrmSegnalati::TfrmSegnalati(QWidget* parent)
    : TListWindow(parent, aspettoSegnalati())
{
    setObjectName(QStringLiteral("frmSegnalati"));
    icoIstruzioni = istruzioni();
}

void TfrmSegnalati::FormShow()
{
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    lstRecords->clear();
    RicercaPagina::Elenco elenco;
    const bool ok = RicercaPagina::elencoIdonei(
        ConsegnaPagina::fileSessione(ConsegnaCandidato::finestraTorneo(parentWidget())), &elenco);
    // The cards read before a failure are listed all the same.
    lstRecords->setLines(elenco.righe, elenco.posizioni);
    txtTrova->setFocus(Qt::OtherFocusReason);
    // An unreadable session is said so, rather than shown as a session
    // without suitable candidates.
    if (!ok)
        Messages::plain(this, RecordFile::accessMessage());
}

QString TfrmSegnalati::titoloStampa() const
{
    TfrmTorneo* torneo = ConsegnaCandidato::finestraTorneo(parentWidget());
    return QStringLiteral("Elenco candidati idonei ") +
        (torneo ? TextRules::trimmed(torneo->lblNome->text()) : QString());
}

void TfrmSegnalati::consegna(int row)
{
    ConsegnaPagina::consegna(ConsegnaCandidato::finestraTorneo(parentWidget()), lstRecords->text(row),
                             lstRecords->position(row));
}

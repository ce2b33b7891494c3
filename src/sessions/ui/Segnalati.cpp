#include "sessions/ui/Segnalati.h"

#include "base/core/TextRules.h"
#include "sessions/core/SessionSearch.h"
#include "sessions/ui/Torneo.h"
#include "sessions/ui/TrovaPagina.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>

namespace {
const ListWindow::Look& listLook()
{
    static const ListWindow::Look look {
        QStringLiteral(" Elenco candidati idonei"),
        QStringLiteral("Elenco candidati idonei"),
        QColor(0x46, 0x82, 0xB4), // steel blue
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"),
        QStringLiteral("icoIstruzioni"),
        false};
    return look;
}
} // namespace

TfrmSegnalati::TfrmSegnalati(QWidget* parent)
    : ListWindow(parent, listLook())
{
    setObjectName(QStringLiteral("frmSegnalati"));
    icoIstruzioni = instructions();
}

void TfrmSegnalati::FormShow()
{
    // An unreadable session is said so, rather than shown as a session
    // without suitable candidates.
    showListing([this](RecordSearch::Listing* listing) {
        return SessionSearch::suitableList(
            InterviewHandOver::sessionFile(InterviewHandOver::cardWindow(parentWidget())), listing);
    });
}

QString TfrmSegnalati::printTitle() const
{
    TfrmTorneo* torneo = InterviewHandOver::cardWindow(parentWidget());
    return QStringLiteral("Elenco candidati idonei ") +
        (torneo ? TextRules::trimmed(torneo->lblNome->text()) : QString());
}

void TfrmSegnalati::handOver(int row)
{
    InterviewHandOver::show(InterviewHandOver::cardWindow(parentWidget()), lstRecords->text(row),
                            lstRecords->position(row));
}

#include "sessions/ui/Segnalati.h"

#include "base/core/TextRules.h"
#include "sessions/core/SessionSearch.h"
#include "sessions/ui/Torneo.h"
#include "sessions/ui/TrovaPagina.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>

TfrmSegnalati::TfrmSegnalati(QWidget* parent)
    : ListWindow(parent,
                 Look::list(QStringLiteral(" Elenco candidati idonei"), QStringLiteral("Elenco candidati idonei")))
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

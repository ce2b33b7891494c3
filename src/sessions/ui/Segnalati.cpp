#include "sessions/ui/Segnalati.h"

#include "base/core/RecordFile.h"
#include "base/core/TextRules.h"
#include "base/platform/Messages.h"
#include "sessions/core/SessionSearch.h"
#include "sessions/ui/Torneo.h"
#include "sessions/ui/TrovaPagina.h"
#include "shared/ui/SummaryList.h"

#include <QLabel>
#include <QLineEdit>

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
    m_lastSearched.clear();
    lstRecords->selectRow(0);
    txtTrova->clear();
    lstRecords->clear();
    RecordSearch::Listing listing;
    const bool ok = SessionSearch::suitableList(
        InterviewHandOver::sessionFile(InterviewHandOver::cardWindow(parentWidget())), &listing);
    // The cards read before a failure are listed all the same.
    lstRecords->setLines(listing.lines, listing.positions);
    txtTrova->setFocus(Qt::OtherFocusReason);
    // An unreadable session is said so, rather than shown as a session
    // without suitable candidates.
    if (!ok)
        Messages::plain(this, RecordFile::accessMessage());
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

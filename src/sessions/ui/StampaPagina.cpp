#include "sessions/ui/StampaPagina.h"

#include "app/ui/Windows.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/ui/Torneo.h"
#include "shared/ui/ErrorReport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <stdexcept>

TfrmStampaPagina::TfrmStampaPagina(QWidget* parent)
    : CardPrintWindow(Look {QStringLiteral("frmStampaPagina"), QStringLiteral(" Stampa documento"),
                            QStringLiteral("Stampa"), QStringLiteral("imgLogo01"), QStringLiteral("printer"),
                            QStringLiteral("Stampa della scheda del colloquio su un foglio A4."), 362, 287,
                            QColor(0x46, 0x82, 0xB4)},
                      parent)
    , imgLogo01(picture)
    , repScheda(CardTemplates::interviewCard(CardTemplates::InterviewCopy::Print))
{
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaPagina::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmStampaPagina::btnAnnullaClick);
}

TfrmStampaPagina::~TfrmStampaPagina() = default;

void TfrmStampaPagina::btnStampaClick()
{
    // A failure is not handled here: the default error report shows it and
    // the window stays open. A cancelled printer dialog closes it too.
    try {
        CardTemplates::fillInterviewCard(*repScheda, StampaPagina::cardOnScreen(*StampaPagina::cardWindow(this)));
        repScheda->prepare();
        ReportPrinter::print(this, *repScheda);
    } catch (const std::exception& e) {
        ErrorReport::show(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

void TfrmStampaPagina::btnAnnullaClick()
{
    reject();
}

namespace StampaPagina {

TfrmTorneo* cardWindow(QWidget* w)
{
    if (auto* torneo = qobject_cast<TfrmTorneo*>(w->parentWidget()))
        return torneo;
    if (TfrmTorneo* torneo = Windows::torneo())
        return torneo;
    throw std::runtime_error("Finestra della sessione non disponibile.");
}

CardTemplates::InterviewCard cardOnScreen(const TfrmTorneo& t)
{
    CardTemplates::InterviewCard card;
    card.sessione = t.lblNome->text();
    card.posizione = t.lblPosizione->text();
    card.concorrente = t.txtConcorrente->text();
    card.responsabile = t.txtResponsabile->text();
    card.telefono = t.txtTelefono->text();
    card.email = t.txtEmail->text();
    card.gare = t.txtGare->toPlainText();
    card.punteggio = t.txtPunteggio->text();
    card.note = t.txtNote->text();
    return card;
}

} // namespace StampaPagina

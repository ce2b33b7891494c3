#include "sessions/ui/AnteprimaPagina.h"

#include "output/core/CardTemplates.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"
#include "sessions/ui/StampaPagina.h"
#include "shared/ui/ErrorReport.h"

#include <QLabel>
#include <QPushButton>

TfrmAnteprimaPagina::TfrmAnteprimaPagina(QWidget* parent)
    : CardPrintWindow(Look {QStringLiteral("frmAnteprimaPagina"), QStringLiteral(" Anteprima di stampa"),
                            QStringLiteral("Mostra anteprima"), QStringLiteral("icoInf01"), QStringLiteral("eye"),
                            QStringLiteral("Anteprima di stampa della scheda del colloquio."), 362, 287,
                            QColor(0x46, 0x82, 0xB4)},
                      parent)
    , icoInf01(picture)
    , repScheda(CardTemplates::interviewCard(CardTemplates::InterviewCopy::Preview))
{
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaPagina::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAnteprimaPagina::btnAnnullaClick);
}

TfrmAnteprimaPagina::~TfrmAnteprimaPagina() = default;

void TfrmAnteprimaPagina::btnStampaClick()
{
    // A failure is not handled here: the default error report shows it and
    // the window stays open.
    try {
        CardTemplates::fillInterviewCard(*repScheda, StampaPagina::cardOnScreen(*StampaPagina::cardWindow(this)));
        repScheda->prepare();
        ReportPrinter::preview(this, *repScheda);
    } catch (const std::exception& e) {
        ErrorReport::show(QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

void TfrmAnteprimaPagina::btnAnnullaClick()
{
    reject();
}

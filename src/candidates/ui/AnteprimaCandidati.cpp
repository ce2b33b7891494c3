#include "candidates/ui/AnteprimaCandidati.h"

#include "base/platform/Messages.h"
#include "candidates/ui/Candidati.h"
#include "candidates/ui/PhotoBox.h"
#include "candidates/ui/StampaCandidati.h"
#include "output/core/CardTemplates.h"
#include "report/core/Report.h"
#include "report/ui/ReportPrinter.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TfrmAnteprimaCandidati::TfrmAnteprimaCandidati(QWidget* parent)
    : CardPrintWindow(Look {QStringLiteral("frmAnteprimaCandidati"), QStringLiteral(" Anteprima di stampa"),
                            QStringLiteral("Mostra anteprima"), QStringLiteral("imgAnteprima"), QStringLiteral("eye"),
                            QStringLiteral("Anteprima di stampa della scheda del candidato, con la foto."), 364, 287,
                            QColor(0x42, 0x7A, 0xA8)},
                      parent)
    , imgLogo(StampaCandidati::makeHiddenPicture(this, QStringLiteral("imgLogo")))
    , imgTemp(StampaCandidati::makeHiddenPicture(this, QStringLiteral("imgTemp")))
    , repDocumento(CardTemplates::candidateCard())
{
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaCandidati::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAnteprimaCandidati::btnAnnullaClick);
}

TfrmAnteprimaCandidati::~TfrmAnteprimaCandidati() = default;

QString TfrmAnteprimaCandidati::failureMessage()
{
    return QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\r"
                          "Si consiglia di ridurre le dimensioni della foto.");
}

void TfrmAnteprimaCandidati::showEvent(QShowEvent* event)
{
    CardPrintWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmAnteprimaCandidati::FormShow()
{
    try {
        StampaCandidati::copyPhoto(StampaCandidati::cardWindow(this)->imgFoto, imgLogo, imgTemp);
    } catch (...) {
        imgLogo->setPicture(imgTemp->picture());
    }
}

void TfrmAnteprimaCandidati::btnStampaClick()
{
    // Whatever fails, from filling the sheet to showing it, is reported with
    // the advice of a smaller photo; the window closes either way.
    try {
        CardTemplates::fillCandidateCard(*repDocumento, imgLogo->picture(),
                                         StampaCandidati::valuesOnScreen(*StampaCandidati::cardWindow(this)));
        repDocumento->prepare();
        ReportPrinter::preview(this, *repDocumento);
    } catch (...) {
        Messages::warning(this, failureMessage());
    }
    accept();
}

void TfrmAnteprimaCandidati::btnAnnullaClick()
{
    reject();
}

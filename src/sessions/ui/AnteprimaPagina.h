// The interview card preview window: a small confirmation window that shows
// the card of the interview card window, as it stands on screen, in the
// report engine's preview window.
#pragma once

#include "shared/ui/CardPrintWindow.h"

#include <memory>

class Report;

class TfrmAnteprimaPagina : public CardPrintWindow
{
    Q_OBJECT

public:
    // parent is the interview card window whose card is shown.
    explicit TfrmAnteprimaPagina(QWidget* parent = nullptr);
    ~TfrmAnteprimaPagina() override;

    QLabel* icoInf01;
    // The preview's own copy of the interview card template, report name
    // "Candidato e colloquio".
    std::unique_ptr<Report> repScheda;

private slots:
    void btnStampaClick();
    void btnAnnullaClick();
};

// The interview card print window: a small confirmation window that prints
// the card shown in the interview card window, as it stands on screen (saved
// or not), on one A4 sheet through the printer dialog.
#pragma once

#include "output/core/CardTemplates.h"
#include "shared/ui/CardPrintWindow.h"

#include <memory>

class Report;
class TfrmTorneo;

class TfrmStampaPagina : public CardPrintWindow
{
    Q_OBJECT

public:
    // parent is the interview card window whose card is printed.
    explicit TfrmStampaPagina(QWidget* parent = nullptr);
    ~TfrmStampaPagina() override;

    QLabel* imgLogo01;
    // The interview card template, report name "Candidato ed esame".
    std::unique_ptr<Report> repScheda;

private slots:
    void btnStampaClick();
    void btnAnnullaClick();
};

namespace StampaPagina {
// The interview card window that owns w (or the program's one).
TfrmTorneo* cardWindow(QWidget* w);
// The card as the interview card window shows it.
CardTemplates::InterviewCard cardOnScreen(const TfrmTorneo& torneo);
} // namespace StampaPagina

// The candidate card preview window: a small confirmation window that shows
// the card of the candidate card window, photo included, as it stands on
// screen, in the report engine's preview window. Any failure is caught and
// the message advises a smaller photo.
#pragma once

#include "shared/ui/CardPrintWindow.h"

#include <memory>

class PhotoBox;
class Report;

class TfrmAnteprimaCandidati : public CardPrintWindow
{
    Q_OBJECT

public:
    // parent is the candidate card window whose card is shown.
    explicit TfrmAnteprimaCandidati(QWidget* parent = nullptr);
    ~TfrmAnteprimaCandidati() override;

    // Hidden: the copy of the card's photo taken when the window is shown,
    // and the stand-by picture it falls back on.
    PhotoBox* imgLogo;
    PhotoBox* imgTemp;
    // The candidate card template (the same as the print window's), report
    // name "Scheda Candidato".
    std::unique_ptr<Report> repDocumento;

    static QString failureMessage();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void FormShow();
    void btnStampaClick();
    void btnAnnullaClick();
};

// The recontact summary: every card of the candidate archive whose flag is
// not "No", as a sorted summary with its find and print commands; a double
// click shows the chosen card in the candidate card window.
#pragma once

#include "candidates/ui/TrovaCandidati.h"

class TfrmDaRicontattare : public TListWindow
{
    Q_OBJECT

public:
    explicit TfrmDaRicontattare(QWidget* parent = nullptr);

    QLabel* icoIstruzioni;

protected:
    void FormShow() override;
    QString titoloStampa() const override;
    void consegna(int row) override;
};

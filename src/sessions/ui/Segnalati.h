// The list of suitable candidates of the open session: every card whose
// flag is not "No", as a sorted summary with its find and print commands;
// a double click makes the chosen card the interview card window's current
// card.
#pragma once

#include "candidates/ui/TrovaCandidati.h"

class TfrmSegnalati : public TListWindow
{
    Q_OBJECT

public:
    explicit TfrmSegnalati(QWidget* parent = nullptr);

    QLabel* icoIstruzioni;

protected:
    void FormShow() override;
    QString titoloStampa() const override;
    void consegna(int row) override;
};

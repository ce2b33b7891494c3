// The list of suitable candidates of the open session: every card whose
// flag is not "No", as a sorted summary with its find and print commands;
// a double click makes the chosen card the interview card window's current
// card.
#pragma once

#include "shared/ui/ListWindow.h"

class TfrmSegnalati : public ListWindow
{
    Q_OBJECT

public:
    explicit TfrmSegnalati(QWidget* parent = nullptr);

    QLabel* icoIstruzioni;

protected:
    void FormShow() override;
    QString printTitle() const override;
    void handOver(int row) override;
};

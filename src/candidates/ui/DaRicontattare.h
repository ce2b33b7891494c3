// The recontact summary: every card of the candidate archive whose flag is
// not "No", as a sorted summary with its find and print commands; a double
// click shows the chosen card in the candidate card window.
#pragma once

#include "shared/ui/ListWindow.h"

class TfrmDaRicontattare : public ListWindow
{
    Q_OBJECT

public:
    explicit TfrmDaRicontattare(QWidget* parent = nullptr);

    QLabel* icoIstruzioni;

protected:
    void FormShow() override;
    QString printTitle() const override;
    void handOver(int row) override;
};

// The interview card window of an open session.
#pragma once

#include "app/ui/ScreenWindow.h"

class QLabel;

class TfrmTorneo : public ScreenWindow
{
    Q_OBJECT

public:
    explicit TfrmTorneo(QWidget* parent = nullptr);

    QLabel* lblFile;
    QLabel* lblNome;
    QLabel* lblPosizione;
    QLabel* titSessione;

protected:
    void showEvent(QShowEvent* event) override;
};

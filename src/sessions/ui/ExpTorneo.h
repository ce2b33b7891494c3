// The session export window: the interview cards of the open session in a
// grid, written to "Sessione_Esame.xls" on request.
#pragma once

#include "shared/ui/ExportWindow.h"

class TfrmExpTorneo : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpTorneo(QWidget* parent = nullptr);

    // The session file: the one open in the interview card window.
    static QString sessionPath();

protected:
    bool loadRecords(ExportTable* table) override;
};

// The candidate archive export window: every card of the archive in a grid,
// written to "Archivio_Candidati.xls" on request.
#pragma once

#include "shared/ui/ExportWindow.h"

class TfrmExpCandidati : public ExportWindow
{
    Q_OBJECT

public:
    explicit TfrmExpCandidati(QWidget* parent = nullptr);

protected:
    bool loadRecords(ExportTable* table) override;
};

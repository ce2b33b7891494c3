#include "candidates/ui/Candidati.h"

TfrmCandidati::TfrmCandidati(QWidget* parent)
    : ScreenWindow(parent)
{
    setWindowTitle(QStringLiteral(" Selvora - Archivio Candidati"));
}

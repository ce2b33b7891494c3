#include "rankings/ui/ApriClassifica.h"

TfrmApriClassifica::TfrmApriClassifica(QWidget* parent)
    : ScreenWindow(parent)
{
    setWindowTitle(QStringLiteral(" Selvora - Visualizzazione graduatorie"));
}

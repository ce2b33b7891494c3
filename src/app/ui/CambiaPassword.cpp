#include "app/ui/CambiaPassword.h"

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral(" Selvora - Cambia password"));
}

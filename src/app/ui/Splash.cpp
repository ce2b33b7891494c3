#include "app/ui/Splash.h"

TfrmSplash::TfrmSplash(QWidget* parent)
    : QDialog(parent)
{
}
